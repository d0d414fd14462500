#include "apps/leddisplay/Gallery.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "apps/leddisplay/RenderCommand.h"
#include "apps/leddisplay/RenderVector.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/FileErrors.h"
#include "leddisplay/platform/io/FileWrite.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/text/FontRenderer.h"

namespace led::apps {

namespace {

struct Example {
  const char* title;
  std::vector<std::pair<std::string, std::string>> sets;
  bool overPicture = false;
};

// Every example but the first turns AutoSize on before its own settings, so the
// control fits what it shows.
// Two cells of a reading flashing, in one phase.
std::vector<std::pair<std::string, std::string>> Flashing(bool shown) {
  return {{"LeadingPlusMinus", "False"},
          {"Decimals", "2"},
          {"Value", "12.45"},
          {"FlashCells", "3"},
          {"FlashPhase", shown ? "True" : "False"}};
}

// A temperature against limits of 0 and 30.
std::vector<std::pair<std::string, std::string>> Limits(const char* value) {
  return {{"Decimals", "1"},
          {"UseLimits", "True"},
          {"LowLimit", "0"},
          {"HighLimit", "30"},
          {"Value", value}};
}

// A word on eight cells wide enough for letters, in `style`.
std::vector<std::pair<std::string, std::string>> Alphanumeric(const char* style, const char* text) {
  return {{"SegmentStyle", style}, {"Digits", "8"},       {"DigitWidth", "34"},
          {"DigitHeight", "56"},   {"SegmentWidth", "4"}, {"DigitSpacing", "12"},
          {"Text", text}};
}

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = {
      {"Starting state", {}},
      {"Negative value, sign mark", {{"Decimals", "1"}, {"Value", "-12.5"}}},
      {"Leading zeros blanked",
       {{"Digits", "6"}, {"Decimals", "2"}, {"LeadingZeros", "False"}, {"Value", "7.25"}}},
      {"Over range (\"OR\")",
       {{"Digits", "3"}, {"Decimals", "0"}, {"UseOverRange", "True"}, {"Value", "12345"}}},
      {"Vertical gradient",
       {{"BackGroundStyle", "1"},
        {"BackGroundG1", "&H000000"},
        {"BackGroundG2", "&H804000"},
        {"Value", "3.142"}}},
      {"Horizontal gradient",
       {{"BackGroundStyle", "2"},
        {"BackGroundG1", "&H200000"},
        {"BackGroundG2", "&H008060"},
        {"OffColor", "&H303030"},
        {"Value", "0.618"}}},
      {"Captions left",
       {{"CaptionUpper", "\"Upper, left\""},
        {"CaptionUpperPosition", "0"},
        {"CaptionLow", "\"Lower, left\""},
        {"CaptionLowPosition", "0"},
        {"Value", "1.5"}}},
      {"Captions right",
       {{"CaptionUpper", "\"Upper, right\""},
        {"CaptionUpperPosition", "1"},
        {"CaptionLow", "\"Lower, right\""},
        {"CaptionLowPosition", "1"},
        {"Value", "2.5"}}},
      {"Captions centred, own fonts",
       {{"CaptionUpper", "\"Pressure\""},
        {"CaptionUpperFont", "font \"DejaVu Serif\" 10 bold"},
        {"CaptionLow", "\"bar\""},
        {"CaptionLowFont", "font \"DejaVu Sans Mono\" 9 italic"},
        {"Digits", "3"},
        {"Decimals", "1"},
        {"Value", "42.7"}}},
      {"Transparent over a picture",
       {{"Transparent", "True"},
        {"OffColor", "&H505050"},
        {"OnColor", "&HFFFFFF"},
        {"Value", "88.8"},
        {"Decimals", "1"},
        {"Digits", "3"}},
       true},
      {"Thick segments",
       {{"SegmentWidth", "6"},
        {"DigitWidth", "34"},
        {"DigitHeight", "64"},
        {"DigitSpacing", "14"},
        {"DecimalPointSize", "5"},
        {"Digits", "3"},
        {"Decimals", "1"},
        {"Value", "-8.6"}}},
      {"Custom colours, no sign",
       {{"OnColor", "&H2020FF"},
        {"OffColor", "&H200818"},
        {"BackColor", "&H080008"},
        {"LeadingPlusMinus", "False"},
        {"Digits", "5"},
        {"Decimals", "0"},
        {"Value", "2026"}}},
      // Beyond the published interface: a clock's minutes flashing while being set, the
      // three bands of colours by value limits, slanted digits, and text.
      {"Flashing cells, shown phase", Flashing(true)},
      {"Flashing cells, off phase", Flashing(false)},
      {"Below the low limit", Limits("-4.2")},
      {"Within the limits", Limits("21.5")},
      {"Above the high limit", Limits("38.9")},
      {"Slanted 10 degrees",
       {{"Slant", "10"}, {"Digits", "5"}, {"Decimals", "2"}, {"Value", "-273.15"}}},
      {"Text: an error", {{"Digits", "3"}, {"Text", "\"Err\""}}},
      {"Text: a clock's colon", {{"Text", "\"12:34\""}}},
      {"Text: a temperature", {{"Digits", "5"}, {"Text", "\"23.5\u00B0C\""}}},
      {"Fourteen segments", Alphanumeric("1", "\"SET 12.5\"")},
      {"Sixteen segments", Alphanumeric("2", "\"HELLO 42\"")},
  };
  return examples;
}

// A container background: diagonal colour bands.
platform::Image ContainerPicture(int32_t width, int32_t height) {
  platform::Image image(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const int band = ((x + y) / 12) % 3;
      const uint8_t shade = static_cast<uint8_t>(90 + (x * 100) / std::max(width, 1));
      image.at(x, y) = band == 0   ? platform::MakePixel(shade, 40, 40)
                       : band == 1 ? platform::MakePixel(40, shade, 60)
                                   : platform::MakePixel(40, 60, shade);
    }
  return image;
}

// Creates the folder `output` goes into, if it has one and it is missing.
void CreateParentFolder(const std::string& output) {
  const std::filesystem::path parent = std::filesystem::path(output).parent_path();
  std::error_code error;
  if (!parent.empty()) std::filesystem::create_directories(parent, error);
  if (error)
    throw platform::FileAccessError(parent.string(), "cannot create the folder", error.value());
}

void Blit(const platform::Image& from, platform::Image& to, int32_t left, int32_t top) {
  for (int32_t y = 0; y < from.height; ++y)
    for (int32_t x = 0; x < from.width; ++x)
      if (to.Contains(left + x, top + y)) to.at(left + x, top + y) = from.at(x, y);
}

// Where the tiles go: a sheet of kColumns columns, each tile under its title.
struct Layout {
  int32_t width = 0, height = 0;
  int32_t cellWidth = 0;
  std::vector<std::pair<int32_t, int32_t>> titles;  // each title's top-left
};

constexpr int32_t kColumns = 3, kScale = 2, kPad = 16, kTitle = 22;
const platform::Pixel kSheetColor = platform::MakePixel(236, 236, 232);
constexpr uint32_t kTitleColor = 0x202020;

template <class Tile>
Layout LayOut(const std::vector<Tile>& tiles) {
  Layout layout;
  int32_t cellHeight = 0;
  for (const auto& t : tiles) {
    layout.cellWidth = std::max(layout.cellWidth, t.width);
    cellHeight = std::max(cellHeight, t.height);
  }
  const int32_t rows = (static_cast<int32_t>(tiles.size()) + kColumns - 1) / kColumns;
  layout.width = kPad + kColumns * (layout.cellWidth + kPad);
  layout.height = kPad + rows * (kTitle + cellHeight + kPad);
  for (size_t i = 0; i < tiles.size(); ++i)
    layout.titles.emplace_back(
        kPad + static_cast<int32_t>(i % kColumns) * (layout.cellWidth + kPad),
        kPad + static_cast<int32_t>(i / kColumns) * (kTitle + cellHeight + kPad));
  return layout;
}

}  // namespace

std::vector<RenderOptions> GalleryOptions() {
  const host::PicturePtr picture = platform::BitmapPicture::FromImage(ContainerPicture(400, 200));
  std::vector<RenderOptions> all;
  for (const auto& example : Examples()) {
    RenderOptions options;
    options.sets = example.sets;
    if (!example.sets.empty()) options.sets.insert(options.sets.begin(), {"AutoSize", "True"});
    options.scale = kScale;
    if (example.overPicture) {
      options.containerImage = picture;
      options.left = 600;  // twips: 40 pixels into the picture
      options.top = 450;
    }
    all.push_back(std::move(options));
  }
  return all;
}

namespace {

platform::TextStyle TitleStyle() {
  platform::TextStyle style;
  style.points = 10;
  return style;
}

std::vector<uint8_t> PngGallery(const std::string& destination) {
  std::vector<platform::Image> tiles;
  for (const RenderOptions& options : GalleryOptions()) tiles.push_back(RenderImage(options));
  const Layout layout = LayOut(tiles);
  platform::Image sheet(layout.width, layout.height, kSheetColor);
  for (size_t i = 0; i < tiles.size(); ++i) {
    const auto [left, top] = layout.titles[i];
    platform::FontRenderer::Instance().Draw(sheet, left, top, layout.cellWidth, 0, TitleStyle(),
                                            Examples()[i].title, 96.0, kTitleColor);
    Blit(tiles[i], sheet, left, top + kTitle);
  }
  return platform::EncodePng(sheet, destination);
}

std::vector<uint8_t> VectorGallery(platform::SnapshotFormat format,
                                   const std::string& destination) {
  std::vector<platform::Drawing> tiles;
  for (const RenderOptions& options : GalleryOptions()) tiles.push_back(RenderDrawing(options));
  const Layout layout = LayOut(tiles);
  platform::Drawing sheet{layout.width, layout.height, {}, "Configurations of the LED display"};
  sheet.shapes.push_back(
      {platform::RectanglePolygon({0, 0, layout.width, layout.height}, kSheetColor), {}});
  for (size_t i = 0; i < tiles.size(); ++i) {
    const auto [left, top] = layout.titles[i];
    platform::AppendText(
        sheet,
        platform::FontRenderer::Instance().Place(left, top, layout.cellWidth, 0, TitleStyle(),
                                                 Examples()[i].title, 96.0),
        kTitleColor);
    platform::AppendMoved(sheet, tiles[i], left, top + kTitle);
  }
  return EncodeDrawing(sheet, format, destination);
}

}  // namespace

void WriteGallery(const std::string& output, const std::optional<std::string>& formatName) {
  const platform::SnapshotFormat format = OutputFormat(output, formatName);
  const std::string destination = output == "-" ? "standard output" : output;
  if (output != "-") CreateParentFolder(output);
  WriteOutput(output, format == platform::SnapshotFormat::kPng
                          ? PngGallery(destination)
                          : VectorGallery(format, destination));
}

}  // namespace led::apps
