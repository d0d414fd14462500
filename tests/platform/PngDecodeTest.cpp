// Decoding PNG data built chunk by chunk: colour types, depths and interlacing to RGBA,
// and hostile data (a size its image data cannot fill, chunks longer than the data)
// refused before memory is taken for it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PngChunks.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/Png.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

using PixelSource = std::function<uint64_t(uint32_t x, uint32_t y)>;

// The filtered rows (filter 0) of an image whose pixels take `bits` bits each, packed
// from the high bit; interlaced images give the rows of the seven passes in turn.
std::vector<uint8_t> Rows(uint32_t width, uint32_t height, uint32_t bits, bool interlaced,
                          const PixelSource& sample) {
  struct Pass {
    uint32_t x0, dx, y0, dy;
  };
  const std::vector<Pass> passes =
      interlaced ? std::vector<Pass>{{0, 8, 0, 8}, {4, 8, 0, 8}, {0, 4, 4, 8}, {2, 4, 0, 4},
                                     {0, 2, 2, 4}, {1, 2, 0, 2}, {0, 1, 1, 2}}
                 : std::vector<Pass>{{0, 1, 0, 1}};
  std::vector<uint8_t> raw;
  for (const Pass& p : passes) {
    if (p.x0 >= width) continue;
    for (uint32_t y = p.y0; y < height; y += p.dy) {
      raw.push_back(0);
      uint32_t bitsUsed = 0;
      for (uint32_t x = p.x0; x < width; x += p.dx) {
        const uint64_t value = sample(x, y);
        if (bits < 8) {
          if (bitsUsed % 8 == 0) raw.push_back(0);
          raw.back() |= uint8_t(value << (8 - bits - bitsUsed % 8));
          bitsUsed += bits;
        } else {
          for (int32_t shift = int32_t(bits) - 8; shift >= 0; shift -= 8)
            raw.push_back(uint8_t(value >> shift));
        }
      }
    }
  }
  return raw;
}

// `png` with `chunk` put in at byte `at`.
std::vector<uint8_t> WithChunkAt(std::vector<uint8_t> png, size_t at,
                                 const std::vector<uint8_t>& chunk) {
  png.insert(png.begin() + std::ptrdiff_t(at), chunk.begin(), chunk.end());
  return png;
}

core::RuntimeError DecodeError(const std::vector<uint8_t>& png) {
  return test::RaisedError([&] { DecodePng(png, "test"); });
}

TEST(PngDecode, EveryColourTypeDepthAndInterlacingBecomesRgba) {
  const uint32_t w = 11, h = 7;
  const std::vector<uint8_t> palette = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
  std::vector<uint8_t> paletteChunks = test::Chunk("PLTE", palette);
  const auto alphaChunk = test::Chunk("tRNS", {0, 128});
  paletteChunks.insert(paletteChunks.end(), alphaChunk.begin(), alphaChunk.end());
  // One channel's sample at (x, y), and the pixel it decodes to.
  const PixelSource bit = [](uint32_t x, uint32_t y) { return (x + y) % 2; };
  const auto blackOrWhite = [&](uint32_t x, uint32_t y) {
    return bit(x, y) ? MakePixel(255, 255, 255) : MakePixel(0, 0, 0);
  };
  const PixelSource index = [](uint32_t x, uint32_t) { return x % 4; };
  const auto entry = [&](uint32_t x, uint32_t) {
    const uint32_t i = x % 4, alpha[] = {0, 128, 255, 255};
    return MakePixel(palette[i * 3], palette[i * 3 + 1], palette[i * 3 + 2], alpha[i]);
  };
  const PixelSource rgb16 = [](uint32_t x, uint32_t y) { return (x * 20 + y) * 257; };
  const auto grey16 = [&](uint32_t x, uint32_t y) {
    const auto v = uint8_t(rgb16(x, y) / 257);
    return MakePixel(v, v, v);
  };
  const PixelSource greyAlpha = [](uint32_t x, uint32_t y) { return x * 16 + y; };
  const auto bothGreyAlpha = [](uint32_t x, uint32_t y) {
    const auto v = uint8_t(x * 16 + y);
    return MakePixel(v, v, v, v);
  };
  const struct {
    const char* what;
    uint8_t depth, colourType, samplesPerPixel;
    PixelSource sample;
    std::function<Pixel(uint32_t, uint32_t)> expected;
    std::vector<uint8_t> extra;
  } cases[] = {
      {"1-bit grey", 1, 0, 1, bit, blackOrWhite, {}},
      {"2-bit palette with transparency", 2, 3, 1, index, entry, paletteChunks},
      {"16-bit RGB", 16, 2, 3, rgb16, grey16, {}},
      {"8-bit grey and alpha", 8, 4, 2, greyAlpha, bothGreyAlpha, {}},
  };
  for (const auto& c : cases) {
    for (const bool interlaced : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (interlaced ? ", interlaced" : ""));
      // Every channel of a pixel carries the same sample.
      const auto pixel = [&](uint32_t x, uint32_t y) {
        uint64_t value = 0;
        for (uint32_t i = 0; i < c.samplesPerPixel; ++i)
          value = (value << c.depth) | c.sample(x, y);
        return value;
      };
      const auto raw = Rows(w, h, c.samplesPerPixel * c.depth, interlaced, pixel);
      const Image image =
          DecodePng(test::MakePng(w, h, c.depth, c.colourType, interlaced, raw, c.extra));
      ASSERT_EQ(image.width, int32_t(w));
      ASSERT_EQ(image.height, int32_t(h));
      for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x)
          ASSERT_EQ(image.at(int32_t(x), int32_t(y)), c.expected(x, y)) << x << "," << y;
    }
  }
}

// 16384 x 16384 at one bit a pixel needs 33.5 MB of rows, which no less than 32.5 KB of
// compressed data can hold: 30 KB is refused before the 1 GiB image is allocated, while
// the same rows compressed for real (all black) decode.
TEST(PngDecode, TheImageDataMustBeAbleToFillTheClaimedSize) {
  const std::vector<uint8_t> start = test::MakePng(16384, 16384, 1, 0, 0, {});
  std::vector<uint8_t> png(start.begin(), start.begin() + 33);  // signature and IHDR
  for (const auto& part :
       {test::Chunk("IDAT", std::vector<uint8_t>(30 * 1024, 0x55)), test::Chunk("IEND", {})})
    png.insert(png.end(), part.begin(), part.end());
  const core::RuntimeError e = DecodeError(png);
  EXPECT_EQ(e.number(), core::kInvalidPicture);
  EXPECT_EQ(e.description(),
            "Invalid picture: test: image data too short for 16384 x 16384 pixels");

  // Interlacing adds filter bytes; the check counts them too, and still lets real data by.
  for (const bool interlaced : {false, true}) {
    const uint32_t side = 2048;
    const auto raw = Rows(side, side, 1, interlaced, [](uint32_t, uint32_t) { return 0; });
    const std::vector<uint8_t> real = test::MakePng(side, side, 1, 0, interlaced, raw);
    ASSERT_LT(real.size(), raw.size() / 800) << "compressed less than expected";
    const Image image = DecodePng(real);
    EXPECT_EQ(image.width, int32_t(side));
    EXPECT_EQ(image.pixels.size(), size_t(side) * side);
    EXPECT_EQ(image.pixels.back(), MakePixel(0, 0, 0));
  }
}

// A chunk claiming 2 GiB in a file of a few dozen bytes would have libpng allocate that
// much for it; every chunk's length is checked against the data first.
TEST(PngDecode, AChunkLongerThanTheDataIsRefused) {
  const std::vector<uint8_t> good = EncodePng(Image(1, 1));
  for (const char* type : {"tEXt", "zTXt", "iTXt", "sPLT", "iCCP", "IDAT", "abCd"}) {
    for (const uint32_t length : {0x7FFFFFF0u, 0x80000000u, 0xFFFFFFFFu, 100u}) {
      SCOPED_TRACE(std::string(type) + " " + std::to_string(length));
      std::vector<uint8_t> claim = test::Chunk(type, std::vector<uint8_t>(10, 'x'));
      test::PutBigEndian(claim, 0, length);
      // Signature and IHDR, then the claim, and nothing after it.
      const core::RuntimeError e = DecodeError(
          WithChunkAt(std::vector<uint8_t>(good.begin(), good.begin() + 33), 33, claim));
      EXPECT_EQ(e.number(), core::kInvalidPicture);
      EXPECT_EQ(e.description(), "Invalid picture: test: chunk of " + std::to_string(length) +
                                     " bytes runs past the end of the data");
    }
  }
}

// Ancillary chunks that do not change the pixels are skipped unread, whatever their size.
TEST(PngDecode, LargeTextAndProfileChunksAreSkipped) {
  const std::vector<uint8_t> good = EncodePng(Image(2, 1, MakePixel(9, 8, 7)));
  std::vector<uint8_t> png = good, text(3 << 20, 'a');
  text[7] = 0;  // keyword "aaaaaaa"
  // Each goes in right after IHDR, so they end up in the order tEXt, zTXt, iTXt, iCCP.
  for (const char* type : {"iCCP", "iTXt", "zTXt", "tEXt"})
    png = WithChunkAt(png, 33, test::Chunk(type, text));
  const Image image = DecodePng(png);
  EXPECT_EQ(image.pixels, Image(2, 1, MakePixel(9, 8, 7)).pixels);
}

TEST(PngDecode, TheHeaderMustComeFirstAndTheDataEndWithItsEndChunk) {
  const std::vector<uint8_t> good = EncodePng(Image(1, 1));
  const auto headerless = WithChunkAt(good, 8, test::Chunk("tEXt", {'a', 0, 'b'}));
  EXPECT_EQ(DecodeError(headerless).description(), "Invalid picture: test: no header chunk first");
  const std::vector<uint8_t> endless(good.begin(), good.end() - 12);
  EXPECT_EQ(DecodeError(endless).description(),
            "Invalid picture: test: data ends before the end chunk");
}

}  // namespace
}  // namespace led::platform
