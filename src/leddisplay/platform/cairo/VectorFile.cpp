// EncodeVector (Cairo's SVG and PDF surfaces writing into memory) and the files.
#include "leddisplay/platform/cairo/VectorFile.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <ostream>
#include <string>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/cairo/CairoHandles.h"
#include "leddisplay/platform/cairo/CairoPainter.h"
#include "leddisplay/platform/cairo/PageSize.h"
#include "leddisplay/platform/cairo/SvgAccess.h"
#include "leddisplay/platform/cairo/SvgIds.h"
#include "leddisplay/platform/io/FileErrors.h"
#include "leddisplay/platform/io/FileWrite.h"

namespace led::platform {

namespace {

[[noreturn]] void ThrowInvalid(const std::string& destination, const std::string& problem) {
  throw core::RuntimeError(core::kInvalidPicture,
                           core::RuntimeError::StandardDescription(core::kInvalidPicture) + ": " +
                               destination + ": " + problem);
}

// The PDF's creation date: the time SOURCE_DATE_EPOCH gives (seconds since 1970, as
// reproducible builds set it), else none, so that the same drawing gives the same bytes.
std::string CreationDate() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr || *epoch == '\0') return "";
  char* end = nullptr;
  errno = 0;
  const long long seconds = std::strtoll(epoch, &end, 10);
  if (*end != '\0' || errno != 0 || seconds < 0) return "";
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  if (gmtime_r(&time, &utc) == nullptr) return "";
  char text[32];
  return std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc) > 0 ? text : "";
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  try {
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
  } catch (...) {
    return CAIRO_STATUS_WRITE_ERROR;
  }
}

}  // namespace

std::vector<uint8_t> EncodeVector(const Drawing& drawing, SnapshotFormat format,
                                  const std::string& destination, double scale) {
  if (format == SnapshotFormat::kPng)
    throw core::RuntimeError(core::kInvalidCall, "EncodeVector: PNG is not a vector format");
  if (!(std::isfinite(scale) && scale > 0))
    throw core::RuntimeError(core::kInvalidCall, "EncodeVector: the scale must be above 0");
  const bool pdf = format == SnapshotFormat::kPdf;
  if (const auto problem = PageProblem(drawing, pdf, scale)) ThrowInvalid(destination, *problem);
  std::vector<uint8_t> bytes;
  const double points = kPointsPerPixel * scale;
  const CairoSurface surface(
      pdf ? cairo_pdf_surface_create_for_stream(Append, &bytes, drawing.width * points,
                                                drawing.height * points)
          : cairo_svg_surface_create_for_stream(Append, &bytes, drawing.width, drawing.height));
  if (pdf) {
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "leddisplay");
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE,
                                   CreationDate().c_str());
  } else {
    cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PX);
  }
  cairo_status_t status = CAIRO_STATUS_SUCCESS;
  {
    const CairoContext cr(cairo_create(surface.get()));
    if (pdf) cairo_scale(cr.get(), points, points);
    PaintDrawing(cr.get(), drawing);
    status = cairo_status(cr.get());
  }
  cairo_surface_finish(surface.get());
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS) ThrowInvalid(destination, cairo_status_to_string(status));
  if (!pdf) {
    NumberSvgIdsByDocument(bytes);
    AddSvgAccess(bytes, drawing);
    if (scale != 1) ScaleSvgSize(bytes, drawing, scale);
  }
  return bytes;
}

void WriteVectorFile(const std::string& path, const Drawing& drawing, SnapshotFormat format) {
  const std::vector<uint8_t> bytes = EncodeVector(drawing, format, path);
  if (path != "-") return WriteWholeFile(path, bytes);
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0)
    throw FileAccessError("standard output", "write failed", errno);
}

void WriteVector(std::ostream& out, const Drawing& drawing, SnapshotFormat format) {
  const std::vector<uint8_t> bytes = EncodeVector(drawing, format, "stream");
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.flush();
  if (!out) throw FileAccessError("stream", "write failed");
}

}  // namespace led::platform
