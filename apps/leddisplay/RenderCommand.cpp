#include "apps/leddisplay/RenderCommand.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

#include "apps/leddisplay/HostedControl.h"
#include "apps/leddisplay/PropertyAccess.h"
#include "apps/leddisplay/PropertyValue.h"
#include "apps/leddisplay/RenderVector.h"
#include "apps/leddisplay/ScriptValue.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/FileErrors.h"
#include "leddisplay/platform/io/FileWrite.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::apps {

namespace {

// Prefixes a run-time error's description with what it concerns.
[[noreturn]] void Rethrow(const core::RuntimeError& e, const std::string& what) {
  throw core::RuntimeError(e.number(), what + ": " + e.description());
}

// A scale as the user may have written it: "0.5", "64".
std::string ScaleText(double scale) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << scale;
  return text.str();
}

// " at --scale S" for error messages; empty at scale 1.
std::string ScaleSuffix(double scale) {
  return scale == 1 ? std::string() : " at --scale " + ScaleText(scale);
}

}  // namespace

double DrawingZoom(double scale) {
  return std::max(scale, 1.0);
}

double PageScale(double scale) {
  return std::min(scale, 1.0);
}

void PrepareRender(HostedControl& hosted, const RenderOptions& options) {
  hosted.Recorder().SetEnabled(false);
  const double zoom = DrawingZoom(options.scale);
  if (zoom != 1) hosted.SetZoom(zoom);
  platform::Form& form = hosted.Form();
  control::LEDDisplay& display = hosted.Control();
  if (options.containerImage) {
    form.SetContainerPicture(options.containerImage);
  } else if (options.containerPicture) {
    try {
      form.SetContainerPicture(platform::BitmapPicture::FromPngFile(*options.containerPicture));
    } catch (const core::RuntimeError& e) {
      Rethrow(e, "--container-picture " + *options.containerPicture);
    }
  } else if (options.seeThrough) {
    // A see-through picture as large as the container shows the control at its place.
    const auto side = [&](float place, int32_t extent) {
      return int32_t(std::ceil((double(place) / HostedControl::kTwipsPerPixel + extent) * zoom));
    };
    form.SetContainerPicture(platform::BitmapPicture::FromImage(
        platform::Image(side(options.left, options.width), side(options.top, options.height), 0)));
  }
  form.SetPlace(options.left, options.top);
  if (options.load) {
    try {
      hosted.LoadPropertyFile(*options.load);
    } catch (const core::RuntimeError& e) {
      Rethrow(e, "--load " + *options.load);
    }
  } else {
    display.InitProperties();
  }
  // The size is in pixels at scale 1: in twips it is the same at every scale.
  try {
    form.Surface().SetWidth(static_cast<float>(options.width) * HostedControl::kTwipsPerPixel);
    form.Surface().SetHeight(static_cast<float>(options.height) * HostedControl::kTwipsPerPixel);
  } catch (const core::RuntimeError& e) {
    const platform::RasterSurface& surface = form.Surface();
    throw core::RuntimeError(
        e.number(),
        "--size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
            ScaleSuffix(options.scale) + ": " + e.description() +
            " (the inside of the border holds at most " + std::to_string(surface.MaxInnerSide()) +
            " pixels on a side" +
            (surface.KeepsPixels() ? " and " + std::to_string(platform::kMaxInnerPixels) + " in all"
                                   : std::string()) +
            ")");
  }
  for (const auto& [name, text] : options.sets) {
    try {
      SetProperty(display, name, MakeValue(ParsePropertyValue(name, text)));
    } catch (const core::RuntimeError& e) {
      Rethrow(e, "--set " + name + "=" + text);
    } catch (const ParseError& e) {
      throw ParseError("--set " + name + "=" + text + ": " + e.what());
    }
  }
  display.Show();
}

platform::Image RenderImage(const RenderOptions& options) {
  if (options.scale < 1)
    throw core::RuntimeError(
        core::kInvalidCall, "--scale " + ScaleText(options.scale) +
                                ": a PNG is drawn at a scale of 1 or more (SVG and PDF take less)");
  HostedControl hosted;
  PrepareRender(hosted, options);
  platform::Form& form = hosted.Form();
  // Refused before the picture is made and anything is saved: a PNG no reader takes.
  const int32_t wide = form.Surface().ExtentPixelsX(), high = form.Surface().ExtentPixelsY();
  if (wide > platform::kMaxPngSide || high > platform::kMaxPngSide)
    throw core::RuntimeError(core::kInvalidCall,
                             "--size " + std::to_string(options.width) + "x" +
                                 std::to_string(options.height) + ScaleSuffix(options.scale) +
                                 ": the picture would be " + std::to_string(wide) + " x " +
                                 std::to_string(high) + " pixels, more than " +
                                 std::to_string(platform::kMaxPngSide) + " on a side");
  platform::Image image = form.Snapshot();
  if (options.save) {
    hosted.SavePropertyFile(*options.save);
  }
  return image;
}

void WriteOutput(const std::string& output, std::span<const uint8_t> bytes) {
  if (output != "-") return platform::WriteWholeFile(output, bytes);
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0)
    throw platform::FileAccessError("standard output", "write failed", errno);
}

std::string DisplayTitle(control::LEDDisplay& control) {
  std::string title;
  for (const std::string& part :
       {control.CaptionUpper(), control.ShownText(), control.CaptionLow()})
    if (!part.empty()) title += (title.empty() ? "" : " ") + part;
  return title;
}

platform::SnapshotFormat OutputFormat(const std::string& output,
                                      const std::optional<std::string>& name) {
  return name ? platform::SnapshotFormatNamed(*name) : platform::SnapshotFormatOf(output);
}

void RunRender(const RenderOptions& options) {
  // The format first: an unknown one is refused before anything is drawn or saved.
  const platform::SnapshotFormat format = OutputFormat(options.output, options.format);
  const std::string destination = options.output == "-" ? "standard output" : options.output;
  if (format != platform::SnapshotFormat::kPng)
    return WriteOutput(options.output, RenderVector(options, format, destination));
  WriteOutput(options.output, platform::EncodePng(RenderImage(options), destination));
}

}  // namespace led::apps
