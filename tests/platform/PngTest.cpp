// PNG files: round trips through real files, the size limit, and every refused file.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/Png.h"

namespace led::platform {
namespace {

using testing_support::Crc32;
using testing_support::PutBigEndian;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

core::RuntimeError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const core::RuntimeError& e) {
    return e;
  }
  ADD_FAILURE() << "no error";
  return core::RuntimeError(0, "");
}

// A valid PNG whose header claims another size, with a correct header checksum, so that
// only the size check can refuse it.
std::vector<uint8_t> WithClaimedSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
  // Signature (8), IHDR length (4) and type (4), then width and height; CRC after 13 bytes.
  PutBigEndian(png, 16, width);
  PutBigEndian(png, 20, height);
  PutBigEndian(png, 29, Crc32(&png[12], 17));
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
  TempFolder folder;
  const std::string path = folder.File("sample.png");
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
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(Png, TheLargestSideIsAcceptedAndOneMoreRefusedBeforeDecoding) {
  const std::vector<uint8_t> wide = EncodePng(Image(kMaxPngSide, 1, MakePixel(1, 2, 3)));
  EXPECT_EQ(DecodePng(wide).width, kMaxPngSide);
  const std::vector<uint8_t> tiny = EncodePng(Image(1, 1));
  for (auto [w, h] : {std::pair{16385u, 1u}, std::pair{1u, 16385u}, std::pair{100000u, 100000u}}) {
    const core::RuntimeError e = ErrorOf([&] { DecodePng(WithClaimedSize(tiny, w, h), "big"); });
    EXPECT_EQ(e.number(), core::kInvalidPicture);
    EXPECT_EQ(e.description().rfind("Invalid picture: big: image of ", 0), 0u) << e.description();
  }
}

TEST(Png, BadFilesGiveAClearErrorNamingTheFile) {
  TempFolder folder;
  const std::vector<uint8_t> good = EncodePng(Sample(8, 8));
  const std::string truncated = folder.File("truncated.png");
  WriteBytes(truncated, {good.begin(), good.begin() + long(good.size() / 2)});
  const std::string text = folder.File("text.png");
  WriteBytes(text, {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
  const std::string empty = folder.File("empty.png");
  WriteBytes(empty, {});
  std::vector<uint8_t> corrupt = good;
  corrupt[29] ^= 0xFF;  // the header chunk's checksum
  const std::string damaged = folder.File("damaged.png");
  WriteBytes(damaged, corrupt);

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
      {folder.File("missing.png"), 53, "File not found: \"" + folder.File("missing.png") + "\""},
      {folder.File("no/such/folder.png"), 53, "File not found: "},
      {folder.File(""), 75, "Path/File access error: "},
      {"/dev/null", 75, "Path/File access error: \"/dev/null\": is not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const core::RuntimeError e = ErrorOf([&] { ReadPngFile(c.path); });
    EXPECT_EQ(e.number(), c.number);
    EXPECT_EQ(e.description().rfind(c.start, 0), 0u) << e.description();
    EXPECT_GT(e.description().size(), c.start.size() - 1);
  }
}

TEST(Png, AFailedWriteLeavesThePreviousFileIntact) {
  TempFolder folder;
  const std::string path = folder.File("kept.png");
  WritePngFile(path, Sample(3, 3));
  const std::vector<uint8_t> before = ReadBytes(path);
  const core::RuntimeError empty = ErrorOf([&] { WritePngFile(path, Image()); });
  EXPECT_EQ(empty.number(), core::kInvalidPicture);
  EXPECT_EQ(empty.description(), "Invalid picture: " + path + ": size 0 x 0 is not 1 to " +
                                     std::to_string(kMaxPngSide) + " pixels on a side");
  Image inconsistent(2, 2);
  inconsistent.pixels.pop_back();
  const core::RuntimeError mismatch = ErrorOf([&] { WritePngFile(path, inconsistent); });
  EXPECT_EQ(mismatch.number(), core::kInvalidPicture);
  EXPECT_EQ(mismatch.description(),
            "Invalid picture: " + path + ": pixel buffer does not match its size");
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(ErrorOf([&] { WritePngFile(folder.File("none/x.png"), Sample(1, 1)); }).number(),
            core::kFileAccess);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace led::platform
