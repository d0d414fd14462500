// Font lookup, text measurement and anti-aliased drawing with real installed fonts.
#include <gtest/gtest.h>

#include <algorithm>

#include "leddisplay/platform/text/FontRenderer.h"

namespace led::platform {
namespace {

FontRenderer& Fonts() {
  return FontRenderer::Instance();
}

constexpr Pixel kWhite = OpaquePixel(0xFFFFFF);

TextStyle Style(double points, bool bold = false) {
  TextStyle s;
  s.points = points;
  s.bold = bold;
  return s;
}

// The bounding box of pixels that differ from `background`.
struct Box {
  int32_t left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};
Box Changed(const Image& image, Pixel background) {
  Box box;
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      if (image.at(x, y) != background) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

TEST(FontRenderer, UnknownFamilyFallsBackToDejaVuSans) {
  EXPECT_EQ(Fonts().ResolvedFamily("No Such Family 12345", false, false), "DejaVu Sans");
  EXPECT_EQ(Fonts().FontFile("No Such Family 12345", false, false),
            Fonts().FontFile("DejaVu Sans", false, false));
  EXPECT_EQ(Fonts().ResolvedFamily("DejaVu Serif", false, false), "DejaVu Serif");
  EXPECT_NE(Fonts().FontFile("DejaVu Sans", true, false),
            Fonts().FontFile("DejaVu Sans", false, false));
  EXPECT_NE(Fonts().FontFile("DejaVu Sans", false, true),
            Fonts().FontFile("DejaVu Sans", false, false));
}

TEST(FontRenderer, MeasuresWidthAndLinesAtTheResolution) {
  const TextSize one = Fonts().Measure(Style(8), "Caption", 96);
  EXPECT_GT(one.width, 20);
  EXPECT_GT(Fonts().Measure(Style(8), "Caption Upper", 96).width, one.width);
  EXPECT_GT(Fonts().Measure(Style(8, true), "Caption", 96).width, one.width);
  EXPECT_GT(Fonts().Measure(Style(16), "Caption", 96).height, one.height);
  EXPECT_EQ(one.height, one.lineHeight);
  // 8 pt at 96 dpi is a 10.7-pixel em; a line is a little more.
  EXPECT_GE(one.lineHeight, 11);
  EXPECT_LE(one.lineHeight, 15);

  const TextSize empty = Fonts().Measure(Style(8), "", 96);
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, one.lineHeight);

  const TextSize two = Fonts().Measure(Style(8), "Caption\r\nCaption Upper", 96);
  EXPECT_EQ(two.height, 2 * one.lineHeight);
  EXPECT_EQ(two.width, Fonts().Measure(Style(8), "Caption Upper", 96).width);

  const TextSize doubled = Fonts().Measure(Style(8), "Caption", 192);
  EXPECT_NEAR(doubled.width, 2 * one.width, one.width / 5);  // hinting rounds per glyph
  EXPECT_NEAR(doubled.lineHeight, 2 * one.lineHeight, 2);
}

TEST(FontRenderer, MalformedUtf8IsMeasuredNotRejected) {
  const std::string bad("A\xE9\xFF\xC3", 4);
  EXPECT_GT(Fonts().Measure(Style(8), bad, 96).width, Fonts().Measure(Style(8), "A", 96).width);
}

TEST(FontRenderer, DrawsInsideItsMeasuredBoxInTheColour) {
  Image image(80, 40, kWhite);
  const TextSize size = Fonts().Measure(Style(12), "HH", 96);
  Fonts().Draw(image, 10, 5, size.width, 0, Style(12), "HH", 96, 0x0000FF);  // red
  const Box box = Changed(image, kWhite);
  ASSERT_FALSE(box.Empty());
  EXPECT_GE(box.left, 10);
  EXPECT_LE(box.right, 10 + size.width);
  EXPECT_GE(box.top, 5);
  EXPECT_LT(box.bottom, 5 + size.height);
  // A stem of "H" is fully covered.
  EXPECT_NE(std::ranges::find(image.pixels, OpaquePixel(0x0000FF)), image.pixels.end());
}

TEST(FontRenderer, AlignmentPlacesEachLineInsideTheBox) {
  const int32_t width = Fonts().Measure(Style(10), "I", 96).width;
  int32_t lefts[3];
  for (int alignment = 0; alignment < 3; ++alignment) {
    Image image(200, 30, kWhite);
    Fonts().Draw(image, 0, 0, 100, alignment, Style(10), "I", 96, 0);
    lefts[alignment] = Changed(image, kWhite).left;
  }
  EXPECT_LT(lefts[0], 10);
  EXPECT_NEAR(lefts[1], lefts[0] + 100 - width, 1);
  EXPECT_NEAR(lefts[2], lefts[0] + (100 - width) / 2, 1);
}

TEST(FontRenderer, UnderlineAndStrikethroughAddLinesAcrossTheText) {
  auto rowsWithInk = [&](const TextStyle& style) {
    Image image(120, 40, kWhite);
    Fonts().Draw(image, 0, 0, 100, 0, style, "ooo", 96, 0);
    int fullRows = 0;
    for (int32_t y = 0; y < image.height; ++y) {
      int ink = 0;
      for (int32_t x = 0; x < image.width; ++x) ink += image.at(x, y) == OpaquePixel(0);
      fullRows += ink >= Fonts().Measure(style, "ooo", 96).width;
    }
    return fullRows;
  };
  TextStyle plain = Style(14), under = Style(14), strike = Style(14);
  under.underline = true;
  strike.strikethrough = true;
  EXPECT_EQ(rowsWithInk(plain), 0);
  EXPECT_GE(rowsWithInk(under), 1);
  EXPECT_GE(rowsWithInk(strike), 1);
}

TEST(FontRenderer, DrawingIsClippedToTheImage) {
  Image image(5, 5, OpaquePixel(0));
  for (auto [x, y] : {std::pair{-30, -10}, {3, 3}, {-1000000, 2}, {2, 1000000}})
    Fonts().Draw(image, x, y, 60, 0, Style(20), "WWWW\nWWWW", 96, 0xFFFFFF);
  EXPECT_EQ(image.pixels.size(), 25u);
}

// A caption can be as long as a string: a height beyond 32-bit pixels stops at the
// largest one, and drawing such a text, placed anywhere, touches only the image.
TEST(FontRenderer, TextsBeyondThirtyTwoBitPixelsSaturateAndDrawWithinTheImage) {
  const TextStyle largest = Style(1536);  // a 2048-pixel em at 96 dpi
  const std::string lines(1000000, '\n');
  const TextSize tall = Fonts().Measure(largest, lines, 96);
  EXPECT_GT(tall.lineHeight, 2048);
  EXPECT_EQ(tall.height, INT32_MAX);

  Image image(40, 40, OpaquePixel(0));
  Fonts().Draw(image, INT32_MAX - 5, INT32_MAX - 5, INT32_MAX, 1, Style(20), "W\nW", 96, 0xFFFFFF);
  Fonts().Draw(image, 0, 0, 10, 2, largest, lines + "W", 96, 0xFFFFFF);
  EXPECT_EQ(image.pixels.size(), 1600u);
}

// Glyphs wholly outside the image are not rendered; those that reach into it, even only
// by their slant or a synthesized bold, must give the very pixels a larger image gets.
TEST(FontRenderer, AWindowOnALongLineShowsWhatTheWholeLineShows) {
  const std::string text = "AVAWfjy{}|WWW/\\ Ttf gj AVAW " + std::string(60, 'W');
  for (const TextStyle& style : {Style(40), Style(40, true), [] {
                                   TextStyle s = Style(40, true);
                                   s.italic = true;
                                   s.family = "DejaVu Sans Mono";  // slanted by us
                                   s.underline = true;
                                   return s;
                                 }()}) {
    SCOPED_TRACE(style.family + (style.bold ? " bold" : "") + (style.italic ? " italic" : ""));
    const TextSize size = Fonts().Measure(style, text, 96);
    Image whole(size.width + 20, size.height, OpaquePixel(0x102030));
    Fonts().Draw(whole, 10, 0, size.width, 0, style, text, 96, 0xF0E0D0);
    for (const int32_t from : {0, 37, 301, 733}) {
      SCOPED_TRACE(from);
      const int32_t width = 61;
      // The window drawn directly, and the same window clipped out of a larger image.
      Image window(width, size.height, OpaquePixel(0x102030));
      Fonts().Draw(window, 10 - from, 0, size.width, 0, style, text, 96, 0xF0E0D0);
      Image clipped(whole.width, size.height, OpaquePixel(0x102030));
      Fonts().Draw(clipped, 10, 0, size.width, 0, style, text, 96, 0xF0E0D0,
                   PixelRect{from, 0, from + width, size.height});
      for (int32_t y = 0; y < size.height; ++y)
        for (int32_t x = 0; x < whole.width; ++x) {
          const bool inside = x >= from && x < from + width;
          ASSERT_EQ(clipped.at(x, y), inside ? whole.at(x, y) : OpaquePixel(0x102030))
              << x << "," << y;
          if (inside) {
            ASSERT_EQ(window.at(x - from, y), whole.at(x, y)) << x << "," << y;
          }
        }
    }
  }
}

// Glyphs are kept between drawings: each style still draws its own (a face's size, a
// synthesized slant, another face), however the drawings alternate.
TEST(FontRenderer, KeptGlyphsAreThoseOfTheStyleDrawn) {
  TextStyle mono = Style(12);
  mono.family = "DejaVu Sans Mono";
  TextStyle slanted = mono;
  slanted.italic = true;  // slanted by us: the same face
  TextStyle larger = mono;
  larger.points = 13;
  const auto draw = [](const TextStyle& style) {
    Image image(80, 24, OpaquePixel(0xFFFFFF));
    Fonts().Draw(image, 2, 2, 76, 0, style, "Wag 08", 96, 0);
    return image.pixels;
  };
  const auto first = draw(mono);
  for (int turn = 0; turn < 2; ++turn) {
    const auto a = draw(slanted), b = draw(larger), c = draw(mono), d = draw(Style(12));
    EXPECT_NE(a, c);
    EXPECT_NE(b, c);
    EXPECT_NE(d, c);
    EXPECT_EQ(c, first);
  }
}

// Family names come from users; however many are looked up, each still resolves right.
TEST(FontRenderer, ManyFamiliesLookedUpStillResolveRight) {
  const std::string sans = Fonts().FontFile("DejaVu Sans", false, false);
  const std::string serif = Fonts().FontFile("DejaVu Serif", false, false);
  for (int i = 0; i < 300; ++i) {
    EXPECT_EQ(Fonts().FontFile("No Such Family " + std::to_string(i), i % 2 == 1, false),
              Fonts().FontFile("DejaVu Sans", i % 2 == 1, false));
    if (i % 50 == 0) {
      EXPECT_EQ(Fonts().FontFile("DejaVu Serif", false, false), serif);
    }
  }
  EXPECT_EQ(Fonts().FontFile("DejaVu Sans", false, false), sans);
  EXPECT_EQ(Fonts().ResolvedFamily("DejaVu Serif", false, false), "DejaVu Serif");
  const TextSize size = Fonts().Measure(Style(12), "Text", 96);
  EXPECT_GT(size.width, 0);
}

}  // namespace
}  // namespace led::platform
