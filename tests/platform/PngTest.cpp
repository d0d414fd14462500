// PNG files: round trips through real files, the size limit, and every refused file.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "PngChunks.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/Png.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

using test::Crc32;
using test::PutBigEndian;
using test::ReadFileBytes;
using test::ScratchFolder;
using test::WriteFileBytes;

// A valid PNG whose header claims another size, with a correct header checksum, so that
// only the size check can refuse it.
std::vector<uint8_t> WithClaimedSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
  // Signature (8), IHDR length (4) and type (4), then width and height; CRC after 13 bytes.
  test::PutBigEndian(png, 16, width);
  test::PutBigEndian(png, 20, height);
  test::PutBigEndian(png, 29, test::Crc32(&png[12], 17));
  return png;
}

Image Sample(int32_t w, int32_t h) {
  Image image(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      image.at(x, y) =
          MakePixel(uint8_t(x * 40), uint8_t(y * 60), uint8_t(x + y), uint8_t(255 - x));
  return image;
}

TEST(Png, RoundTripThroughAFileKeepsEveryPixelAndChannel) {
  ScratchFolder folder;
  const std::string path = folder.Path("sample.png");
  const Image image = Sample(5, 3);
  WritePngFile(path, image);
  const Image back = ReadPngFile(path);
  EXPECT_EQ(back.width, 5);
  EXPECT_EQ(back.height, 3);
  EXPECT_EQ(back.pixels, image.pixels);
  EXPECT_EQ(DecodePng(EncodePng(image)).pixels, image.pixels);
  // Overwriting leaves no temporary file behind.
  WritePngFile(path, Sample(2, 2));
  EXPECT_EQ(ReadPngFile(path).width, 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 1);
}

TEST(Png, TheLargestSideIsAcceptedAndOneMoreRefusedBeforeDecoding) {
  const std::vector<uint8_t> wide = EncodePng(Image(kMaxPngSide, 1, MakePixel(1, 2, 3)));
  EXPECT_EQ(DecodePng(wide).width, kMaxPngSide);
  const std::vector<uint8_t> tiny = EncodePng(Image(1, 1));
  for (auto size : {std::pair{16385u, 1u}, std::pair{1u, 16385u}, std::pair{100000u, 100000u}}) {
    EXPECT_RUNTIME_ERROR_TEXT(DecodePng(WithClaimedSize(tiny, size.first, size.second), "big"),
                              core::kInvalidPicture, "Invalid picture: big: image of ");
  }
}

TEST(Png, BadFilesGiveAClearErrorNamingTheFile) {
  ScratchFolder folder;
  const std::vector<uint8_t> good = EncodePng(Sample(8, 8));
  const std::string truncated = folder.Path("truncated.png");
  WriteFileBytes(truncated, {good.begin(), good.begin() + long(good.size() / 2)});
  const std::string text = folder.Path("text.png");
  WriteFileBytes(text, {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
  const std::string empty = folder.Path("empty.png");
  WriteFileBytes(empty, {});
  std::vector<uint8_t> corrupt = good;
  corrupt[29] ^= 0xFF;  // the header chunk's checksum
  const std::string damaged = folder.Path("damaged.png");
  WriteFileBytes(damaged, corrupt);

  struct Case {
    std::string path;
    int32_t number;
    std::string start;
  };
  const Case cases[] = {
      {truncated, 481, "Invalid picture: " + truncated + ": "},
      {text, 481, "Invalid picture: " + text + ": not a PNG file"},
      {empty, 481, "Invalid picture: " + empty + ": not a PNG file"},
      {damaged, 481, "Invalid picture: " + damaged + ": "},
      {folder.Path("missing.png"), 53, "File not found: \"" + folder.Path("missing.png") + "\""},
      {folder.Path("no/such/folder.png"), 53, "File not found: "},
      {folder.Path(""), 75, "Path/File access error: "},
      {"/dev/null", 75, "Path/File access error: \"/dev/null\": is not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::optional<core::RuntimeError> e = test::RuntimeErrorOf([&] { ReadPngFile(c.path); });
    ASSERT_TRUE(e.has_value()) << "no error";
    EXPECT_EQ(e->number(), c.number);
    EXPECT_TRUE(e->description().starts_with(c.start)) << e->description();
  }
}

TEST(Png, AFailedWriteLeavesThePreviousFileIntact) {
  ScratchFolder folder;
  const std::string path = folder.Path("kept.png");
  WritePngFile(path, Sample(3, 3));
  const std::vector<uint8_t> before = ReadFileBytes(path);
  EXPECT_RUNTIME_ERROR_TEXT(WritePngFile(path, Image()), core::kInvalidPicture,
                            "Invalid picture: " + path + ": size 0 x 0 is not 1 to " +
                                std::to_string(kMaxPngSide) + " pixels on a side");
  Image inconsistent(2, 2);
  inconsistent.pixels.pop_back();
  EXPECT_RUNTIME_ERROR_TEXT(WritePngFile(path, inconsistent), core::kInvalidPicture,
                            "Invalid picture: " + path + ": pixel buffer does not match its size");
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_RUNTIME_ERROR(WritePngFile(folder.Path("none/x.png"), Sample(1, 1)), core::kFileAccess);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 1);
}

}  // namespace
}  // namespace led::platform
