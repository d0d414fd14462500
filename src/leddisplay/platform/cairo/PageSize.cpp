#include "leddisplay/platform/cairo/PageSize.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "leddisplay/platform/cairo/VectorFile.h"

namespace led::platform {

namespace {

// A length as a document writes it: up to ten significant digits, no exponent below 10^10.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// The largest factor of two significant digits, as it reads back, that makes `side`
// pixels at most kMaxPdfSide.
std::string FittingScale(double side) {
  const double fits = kMaxPdfSide / side;
  const double step = std::pow(10.0, std::floor(std::log10(fits)) - 1);
  for (double n = std::floor(fits / step) + 1; n > 0; --n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2g", n * step);
    if (std::strtod(text, nullptr) * side <= kMaxPdfSide) return text;
  }
  return Number(fits);
}

}  // namespace

std::optional<std::string> PageProblem(const Drawing& drawing, bool pdf, double scale) {
  const double wide = drawing.width * scale, high = drawing.height * scale;
  const bool small = drawing.width < 1 || drawing.height < 1 || std::min(wide, high) < 1;
  const bool large = pdf && std::max(wide, high) > kMaxPdfSide;
  if (!small && !large) return std::nullopt;
  std::string problem =
      "size " + std::to_string(drawing.width) + " x " + std::to_string(drawing.height) +
      (scale == 1
           ? ""
           : " at scale " + Number(scale) + ", " + Number(wide) + " x " + Number(high) + ",") +
      " is not 1 to ";
  if (!pdf) return problem + "any number of pixels on a side";
  problem += std::to_string(kMaxPdfSide) + " pixels on a side (" +
             std::to_string(int(kMaxPdfSide * kPointsPerPixel)) + " points, the largest PDF page)";
  if (!small)
    problem += "; at most " + FittingScale(std::max(wide, high)) + " times as large, it fits";
  return problem;
}

void ScaleSvgSize(std::vector<uint8_t>& svg, const Drawing& drawing, double scale) {
  const std::string size = "width=\"" + std::to_string(drawing.width) + "px\" height=\"" +
                           std::to_string(drawing.height) + "px\"";
  std::string document(svg.begin(), svg.end());
  const size_t at = document.find(size);
  if (at == std::string::npos || at > document.find('>', document.find("<svg"))) return;
  document.replace(at, size.size(),
                   "width=\"" + Number(drawing.width * scale) + "px\" height=\"" +
                       Number(drawing.height * scale) + "px\"");
  svg.assign(document.begin(), document.end());
}

}  // namespace led::platform
