// SVG and PDF as their readers see them. Each of the gallery's configurations is drawn
// at scale 1 as PNG and as shapes; the SVG is rasterized by librsvg (rsvg-convert, its
// shapes asked for crisp edges) and the PDF by Poppler (pdftocairo and pdftoppm at 96
// dots an inch, anti-aliasing off), one pixel a unit, and compared with the PNG.
// Metric: a pixel is equal when no channel differs by more than 2 (rasterizers round a
// gradient's steps their own way). Outside the caption boxes (each text run's line:
// from an em above its baseline to half an em below, an em beyond its first and last
// glyph) at least 99% of the pixels are equal, and every pixel that is not lies on a
// shape's edge: a pixel of the PNG with an unequal neighbour among its eight. pdftoppm
// is held to the edges alone: without anti-aliasing it fills every pixel a shape
// touches, so each right and bottom edge lies a pixel further out. On failure
// the mismatch picture (the PNG dimmed, unequal edge pixels yellow, others red) is
// written to the current folder, named in the failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "apps/leddisplay/Gallery.h"
#include "apps/leddisplay/RenderCommand.h"
#include "apps/leddisplay/RenderVector.h"
#include "leddisplay/platform/cairo/VectorFile.h"
#include "leddisplay/platform/io/Png.h"
#include "support/FileContents.h"
#include "support/ImageMismatch.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"
#include "support/SharedEdges.h"

namespace led::platform {
namespace {

using apps::RenderOptions;

bool InCaption(const Drawing& drawing, int32_t x, int32_t y) {
  for (const Shape& shape : drawing.shapes) {
    const auto* run = std::get_if<TextRun>(&shape.kind);
    if (!run || run->line.glyphs.empty()) continue;
    const double em = run->pixelSize;
    if (y + 1 > run->line.baseline - em && y < run->line.baseline + em / 2 &&
        x + 1 > run->line.glyphs.front().x - em && x < run->line.glyphs.back().x + em)
      return true;
  }
  return false;
}

// Empty when the rasterized picture matches the PNG by the metric above; else what is wrong.
std::string Mismatch(const Image& png, const Image& raster, const Drawing& drawing,
                     const std::string& name, int minimumEqualPercent = 99) {
  return test::ImageMismatch(
      png, raster, [&](int32_t x, int32_t y) { return InCaption(drawing, x, y); },
      "vector-mismatch-" + name + ".png", minimumEqualPercent);
}

class VectorOutput : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.Path(name); }

  enum Reader { kRsvg, kPdfCairo, kPdfSplash };

  // The drawing rasterized by a reader at one pixel a unit without anti-aliasing.
  Image Rasterize(const Drawing& drawing, Reader reader, const std::string& name) {
    const bool svg = reader == kRsvg;
    std::vector<uint8_t> bytes =
        EncodeVector(drawing, svg ? SnapshotFormat::kSvg : SnapshotFormat::kPdf);
    const std::string out = Path(name + ".png"), pdf = Path(name + ".pdf");
    std::string line;
    if (svg) {
      std::string text(bytes.begin(), bytes.end());
      text.replace(text.find("<svg "), 5, "<svg shape-rendering=\"crispEdges\" ");
      test::WriteFileText(Path(name + ".svg"), text);
      line = "rsvg-convert -o " + out + " " + Path(name + ".svg");
    } else {
      test::WriteFileBytes(pdf, bytes);
      line = reader == kPdfCairo ? "pdftocairo -r 96 -antialias none -png -singlefile " + pdf
                                 : "pdftoppm -r 96 -aa no -aaVector no -png -singlefile " + pdf;
      line += " " + Path(name);
    }
    const auto outcome = test::RunCommand(line + " 2>&1");
    EXPECT_EQ(outcome.code, 0) << line << '\n' << outcome.output;
    return outcome.code == 0 ? ReadPngFile(out) : Image();
  }

  test::ScratchFolder folder_;
};

TEST_F(VectorOutput, RasterizedSvgAndPdfAreThePngOutsideCaptionsAndEdges) {
  const std::vector<RenderOptions> gallery = apps::GalleryOptions();
  for (size_t i = 0; i < gallery.size(); ++i) {
    RenderOptions options = gallery[i];
    options.scale = 1;
    const Image png = apps::RenderImage(options);
    const Drawing drawing = apps::RenderDrawing(options);
    const struct {
      Reader reader;
      const char* name;
      int minimumEqualPercent;
    } readers[] = {{kRsvg, "svg", 99}, {kPdfCairo, "pdf-cairo", 99}, {kPdfSplash, "pdf-splash", 0}};
    for (const auto& r : readers) {
      const std::string name = std::to_string(i) + "-" + r.name;
      EXPECT_EQ(
          Mismatch(png, Rasterize(drawing, r.reader, name), drawing, name, r.minimumEqualPercent),
          "")
          << name;
    }
  }
}

TEST_F(VectorOutput, AtScaleEightEdgesStayStraightAndTheFileHardlyGrows) {
  RenderOptions options = apps::GalleryOptions()[1];  // a sign, a point, every bevel
  options.scale = 1;
  const Drawing one = apps::RenderDrawing(options);
  options.scale = 8;
  const Drawing eight = apps::RenderDrawing(options);
  // The same polygons with the same corners: a bevel is one slanted edge at any zoom.
  const auto corners = [](const Drawing& d) {
    std::vector<size_t> counts;
    for (const Shape& s : d.shapes)
      if (const auto* p = std::get_if<Polygon>(&s.kind))
        for (const auto& outline : p->outlines) counts.push_back(outline.size());
    return counts;
  };
  EXPECT_EQ(corners(one), corners(eight));
  const size_t small = EncodeVector(one, SnapshotFormat::kSvg).size();
  const size_t large = EncodeVector(eight, SnapshotFormat::kSvg).size();
  EXPECT_LT(large, small * 5 / 4) << small << " bytes at scale 1, " << large << " at scale 8";
  // Rasterized, it is the PNG drawn at scale 8 (whose bevels step one pixel a row).
  EXPECT_EQ(Mismatch(apps::RenderImage(options), Rasterize(eight, kRsvg, "x8"), eight, "x8"), "");
}

// Made smaller on the page, a PDF is the same picture: rasterized to as many pixels as
// the drawing's units, it is the PNG by the metric above.
TEST_F(VectorOutput, APdfAtAScaleBelowOneIsThePictureOnASmallerPage) {
  RenderOptions options = apps::GalleryOptions()[1];  // a sign, a point, every bevel
  options.scale = 1;
  const Drawing drawing = apps::RenderDrawing(options);
  test::WriteFileBytes(Path("quarter.pdf"),
                       EncodeVector(drawing, SnapshotFormat::kPdf, "quarter.pdf", 0.25));
  const auto outcome =
      test::RunCommand("pdftocairo -scale-to-x " + std::to_string(drawing.width) + " -scale-to-y " +
                       std::to_string(drawing.height) + " -antialias none -png -singlefile " +
                       Path("quarter.pdf") + " " + Path("quarter") + " 2>&1");
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  EXPECT_EQ(
      Mismatch(apps::RenderImage(options), ReadPngFile(Path("quarter.png")), drawing, "quarter"),
      "");
}

TEST_F(VectorOutput, FilesAreWellFormedWithTheCaptionsAsText) {
  RenderOptions options;
  options.sets = {
      {"AutoSize", "True"}, {"CaptionUpper", "\"Supply & <load>\""}, {"Value", "-12.5"}};
  const Drawing drawing = apps::RenderDrawing(options);
  const std::string svg = Path("v.svg"), pdf = Path("v.pdf");
  WriteVectorFile(svg, drawing, SnapshotFormat::kSvg);
  WriteVectorFile(pdf, drawing, SnapshotFormat::kPdf);

  const std::string text = test::ReadFileText(svg);
  const std::string size = "width=\"" + std::to_string(drawing.width) + "px\" height=\"" +
                           std::to_string(drawing.height) + "px\"";
  EXPECT_NE(text.find(size), std::string::npos) << size;
  EXPECT_NE(text.find("<symbol overflow=\"visible\" id=\"glyph"), std::string::npos);
  // Named for readers, and the captions findable as text over their outlines.
  const std::string title = "Supply &amp; &lt;load&gt; -12.500";
  EXPECT_NE(text.find("role=\"img\" aria-label=\"" + title + "\">"), std::string::npos);
  EXPECT_NE(text.find("<title>" + title + "</title>"), std::string::npos);
  EXPECT_NE(text.find("fill-opacity=\"0\">Supply &amp; &lt;load&gt;</text>"), std::string::npos);
  const auto parsed = test::RunCommand("rsvg-convert -o " + Path("v.png") + " " + svg + " 2>&1");
  EXPECT_EQ(parsed.code, 0) << parsed.output;

  const auto info = test::RunCommand("pdfinfo " + pdf + " 2>&1");
  ASSERT_EQ(info.code, 0) << info.output;
  EXPECT_NE(info.output.find("Pages:           1\n"), std::string::npos) << info.output;
  char points[64];
  std::snprintf(points, sizeof points, "Page size:       %g x %g pts", drawing.width * 0.75,
                drawing.height * 0.75);
  EXPECT_NE(info.output.find(points), std::string::npos) << points << '\n' << info.output;
  const auto fonts = test::RunCommand("pdffonts " + pdf + " 2>&1");
  EXPECT_NE(fonts.output.find("DejaVuSans"), std::string::npos) << fonts.output;
  const auto words = test::RunCommand("pdftotext " + pdf + " - 2>&1");
  EXPECT_NE(words.output.find("Supply"), std::string::npos) << words.output;
}

// A transparent display over a see-through container is see-through in every format:
// the SVG and the PDF leave the pixels the PNG leaves see-through (their edges within
// a pixel or so) and start with nothing opaque behind the digits.
TEST_F(VectorOutput, ATransparentDisplayOverNothingIsSeeThroughInEveryFormat) {
  RenderOptions options;
  options.seeThrough = true;
  options.sets = {{"Transparent", "True"}, {"Value", "-12.5"}};
  const Image png = apps::RenderImage(options);
  const Drawing drawing = apps::RenderDrawing(options);
  const auto seeThrough = [](const Image& image) {
    return std::count_if(image.pixels.begin(), image.pixels.end(),
                         [](Pixel p) { return (p >> 24) == 0; });
  };
  const long expected = seeThrough(png);
  ASSERT_GT(expected, png.width * png.height / 2);
  const Image svg = Rasterize(drawing, kRsvg, "see-through");
  EXPECT_NEAR(double(seeThrough(svg)), double(expected), png.width + png.height);

  test::WriteFileBytes(Path("see-through.pdf"), EncodeVector(drawing, SnapshotFormat::kPdf));
  const auto outcome = test::RunCommand("pdftocairo -r 96 -transp -png -singlefile " +
                                        Path("see-through.pdf") + " " + Path("pdf") + " 2>&1");
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  const Image pdf = ReadPngFile(Path("pdf.png"));
  EXPECT_NEAR(double(seeThrough(pdf)), double(expected), 2 * (png.width + png.height));
}

// No seam a reader can see: no two separate fills of one colour meet along an edge, in
// the SVG and in the PDF (read back as SVG by Poppler, in points), over the gallery and
// a sweep of values at scales 1 to 3, upright and slanted. And corners alike on both
// sides of a cell: no slanted sides face each other across less than a pixel but for a
// hairline.
TEST_F(VectorOutput, NoTwoFillsOfOneColourMeetAlongAnEdge) {
  std::vector<std::pair<std::string, RenderOptions>> cases;
  const std::vector<RenderOptions> gallery = apps::GalleryOptions();
  for (size_t i = 0; i < gallery.size(); ++i)
    cases.push_back({"gallery" + std::to_string(i), gallery[i]});
  for (const char* style : {"1", "2"}) {  // words of 14 and 16 segments, slanted too
    RenderOptions options;
    options.sets = {{"AutoSize", "True"},    {"SegmentStyle", style}, {"Digits", "8"},
                    {"DigitWidth", "34"},    {"DigitHeight", "56"},   {"Slant", "8"},
                    {"Text", "\"HELLO 42\""}};
    cases.push_back({std::string("alphanumeric") + style, options});
  }
  for (const char* value : {"-12.5", "0", "1.111", "2.222", "3.333", "4.444", "5.555", "6.666",
                            "7.777", "8.888", "9.999", "-0.5"})
    for (const int scale : {1, 2, 3})
      for (const char* slant : {"0", "8"}) {
        RenderOptions options;
        options.sets = {{"AutoSize", "True"}, {"Slant", slant}, {"Value", value}};
        options.scale = scale;
        cases.push_back(
            {std::string(value) + "x" + std::to_string(scale) + "-slant" + slant, options});
      }
  for (const auto& [name, options] : cases) {
    SCOPED_TRACE(name);
    const Drawing drawing = apps::RenderDrawing(options);
    const std::vector<uint8_t> svg = EncodeVector(drawing, SnapshotFormat::kSvg);
    const std::vector<test::SvgFill> fills = test::FilledPaths(std::string(svg.begin(), svg.end()));
    EXPECT_EQ(test::SharedEdges(fills, 1e-6), std::vector<std::string>());
    EXPECT_EQ(test::NarrowGaps(fills, 0.05, 1), std::vector<std::string>());
    if (options.scale != 1) continue;  // the PDF holds the same paths at every scale
    const std::string pdf = Path(name + ".pdf"), back = Path(name + ".svg");
    test::WriteFileBytes(pdf, EncodeVector(drawing, SnapshotFormat::kPdf));
    const auto outcome = test::RunCommand("pdftocairo -svg " + pdf + " " + back + " 2>&1");
    ASSERT_EQ(outcome.code, 0) << outcome.output;
    EXPECT_EQ(test::SharedEdges(test::FilledPaths(test::ReadFileText(back), 4.0 / 3), 1e-3),
              std::vector<std::string>());
  }
}

// The same display written twice is the same file, whatever was written between (Cairo
// numbers some SVG ids process-wide), and a PDF is dated only by SOURCE_DATE_EPOCH.
TEST_F(VectorOutput, TheSameDisplayWrittenTwiceIsTheSameFile) {
  std::vector<Drawing> drawings;
  for (const RenderOptions& options : apps::GalleryOptions())
    drawings.push_back(apps::RenderDrawing(options));
  for (const SnapshotFormat format : {SnapshotFormat::kSvg, SnapshotFormat::kPdf}) {
    std::vector<std::vector<uint8_t>> first;
    for (const Drawing& drawing : drawings) first.push_back(EncodeVector(drawing, format));
    for (size_t i = drawings.size(); i-- > 0;)
      EXPECT_EQ(EncodeVector(drawings[i], format), first[i]) << "drawing " << i;
  }
  const auto pdf = [&] {
    const std::vector<uint8_t> bytes = EncodeVector(drawings[0], SnapshotFormat::kPdf);
    return std::string(bytes.begin(), bytes.end());
  };
  ASSERT_EQ(std::getenv("SOURCE_DATE_EPOCH"), nullptr);
  EXPECT_EQ(pdf().find("/CreationDate"), std::string::npos);
  setenv("SOURCE_DATE_EPOCH", "86400", 1);
  const std::string dated = pdf();
  unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_NE(dated.find("/CreationDate (19700102000000Z)"), std::string::npos);
}

TEST_F(VectorOutput, ATwelveDigitDisplayTakesUnderTwentyKilobytesOfSvg) {
  RenderOptions options;
  options.sets = {
      {"AutoSize", "True"}, {"Digits", "12"}, {"Decimals", "4"}, {"Value", "-1234567.8901"}};
  const size_t bytes = EncodeVector(apps::RenderDrawing(options), SnapshotFormat::kSvg).size();
  EXPECT_LT(bytes, 20u * 1024) << bytes;
}

}  // namespace
}  // namespace led::platform
