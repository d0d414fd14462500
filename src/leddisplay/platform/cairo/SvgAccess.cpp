#include "leddisplay/platform/cairo/SvgAccess.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "leddisplay/core/Text.h"

namespace led::platform {

namespace {

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control characters other than tab and line breaks are not allowed in XML.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
    }
  }
  return out;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// A text run as an inkless <text> at its first glyph and baseline.
std::string InklessText(const TextRun& run) {
  const std::string text = core::EncodeUtf8(run.line.text);
  if (text.empty() || run.line.glyphs.empty()) return {};
  return "<text x=\"" + Number(double(run.line.glyphs.front().x)) + "\" y=\"" +
         Number(double(run.line.baseline)) + "\" font-family=\"" + Escaped(run.family) +
         "\" font-size=\"" + Number(run.pixelSize) + "\" fill-opacity=\"0\">" + Escaped(text) +
         "</text>\n";
}

}  // namespace

void AddSvgAccess(std::vector<uint8_t>& svg, const Drawing& drawing) {
  std::string document(svg.begin(), svg.end());
  // Pictures sampled as pixels.
  const std::string image = "<image ";
  const std::string pixelated =
      "<image style=\"image-rendering:pixelated\" image-rendering=\"optimizeSpeed\" ";
  for (size_t at = document.find(image); at != std::string::npos;
       at = document.find(image, at + pixelated.size()))
    document.replace(at, image.size(), pixelated);
  // The title on the root element, and the text runs just before its end.
  const size_t root = document.find("<svg");
  const size_t rootEnd = root == std::string::npos ? root : document.find('>', root);
  const size_t end = document.rfind("</svg>");
  if (rootEnd == std::string::npos || end == std::string::npos || end < rootEnd) return;
  std::string texts;
  for (const Shape& shape : drawing.shapes)
    if (const auto* run = std::get_if<TextRun>(&shape.kind)) texts += InklessText(*run);
  document.insert(end, texts);
  if (!drawing.title.empty()) {
    const std::string title = Escaped(drawing.title);
    document.insert(rootEnd + 1, "\n<title>" + title + "</title>");
    document.insert(rootEnd, " role=\"img\" aria-label=\"" + title + "\"");
  }
  svg.assign(document.begin(), document.end());
}

}  // namespace led::platform
