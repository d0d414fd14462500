// Damaged and hostile files: thousands of mutations of a valid picture and a valid
// property file, with a fixed seed, each of which must load or fail with the file's
// own clear error; and the hostile shapes that a mutation rarely finds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PngChunks.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/Base64.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

using core::Variant;
using test::BigEndian;
using test::Crc32;
using test::PutBigEndian;
using test::ReadFileBytes;
using test::ScratchFolder;
using test::WriteFileBytes;
using Json = nlohmann::ordered_json;

constexpr uint32_t kSeed = 20261207;

// Random numbers from the engine alone: its sequence is the same everywhere, unlike
// the standard distributions'.
class Dice {
 public:
  explicit Dice(uint32_t seed) : engine_(seed) {}
  size_t Below(size_t n) { return n == 0 ? 0 : size_t(engine_() % n); }
  uint8_t Byte() { return uint8_t(engine_()); }

 private:
  std::mt19937 engine_;
};

// Makes every whole chunk's checksum right again, so that a mutation reaches the
// decoder instead of stopping at the first checksum.
void RepairChecksums(std::vector<uint8_t>& png) {
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = test::BigEndian(png, at);
    if (length > png.size() - at - 12) return;
    test::PutBigEndian(png, at + 8 + length, test::Crc32(&png[at + 4], 4 + size_t(length)));
    at += 12 + size_t(length);
  }
}

// A small picture with some structure: varied pixels, several rows, transparency.
std::vector<uint8_t> SamplePng() {
  Image image(13, 7);
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      image.at(x, y) = MakePixel(uint8_t(x * 19), uint8_t(y * 37), uint8_t(x ^ y), uint8_t(x * y));
  return EncodePng(image);
}

std::vector<uint8_t> MutatedPng(const std::vector<uint8_t>& good, Dice& dice) {
  std::vector<uint8_t> bytes = good;
  const size_t edits = 1 + dice.Below(4);
  for (size_t e = 0; e < edits && !bytes.empty(); ++e) {
    const size_t at = dice.Below(bytes.size());
    switch (dice.Below(5)) {
      case 0:
        bytes[at] = dice.Byte();
        break;
      case 1:
        bytes[at] ^= uint8_t(1u << dice.Below(8));
        break;
      case 2:
        bytes.resize(at);
        break;
      case 3:
        bytes.insert(bytes.begin() + long(at), dice.Byte());
        break;
      default:  // a header field: size, depth, colour type, interlace
        if (bytes.size() > 29) bytes[16 + dice.Below(13)] = dice.Byte();
        break;
    }
  }
  if (dice.Below(4) != 0) RepairChecksums(bytes);
  return bytes;
}

// Expects error `number` whose description says more than `start`, which it begins with.
void ExpectOwnError(const core::RuntimeError& e, int32_t number, const std::string& start) {
  EXPECT_EQ(e.number(), number) << e.description();
  EXPECT_TRUE(e.description().starts_with(start)) << e.description();
  EXPECT_GT(e.description().size(), start.size());
}

void ExpectPictureOrItsError(const std::string& path) {
  Image image;
  const std::optional<core::RuntimeError> e =
      test::RuntimeErrorOf([&] { image = ReadPngFile(path); });
  if (!e) {
    EXPECT_GE(image.width, 1);
    EXPECT_LE(image.width, kMaxPngSide);
    EXPECT_GE(image.height, 1);
    EXPECT_LE(image.height, kMaxPngSide);
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * size_t(image.height));
    return;
  }
  ExpectOwnError(*e, core::kInvalidPicture, "Invalid picture: " + path + ": ");
}

TEST(MutatedFiles, DamagedPicturesLoadOrFailWithTheirOwnError) {
  ScratchFolder folder;
  const std::string path = folder.Path("mutated.png");
  const std::vector<uint8_t> good = SamplePng();
  Dice dice(kSeed);
  for (int i = 0; i < 1000; ++i) {
    SCOPED_TRACE("mutation " + std::to_string(i));
    WriteFileBytes(path, MutatedPng(good, dice));
    ExpectPictureOrItsError(path);
    if (HasFailure()) break;
  }
}

// A header that claims the largest picture over a few bytes of data cannot be decoded;
// it is refused before memory for the claimed size is taken.
TEST(MutatedFiles, APictureClaimingFarMoreThanItsDataIsRefusedAsTooShort) {
  ScratchFolder folder;
  const std::string path = folder.Path("claims.png");
  std::vector<uint8_t> png = SamplePng();
  test::PutBigEndian(png, 16, uint32_t(kMaxPngSide));
  test::PutBigEndian(png, 20, uint32_t(kMaxPngSide));
  RepairChecksums(png);
  WriteFileBytes(path, png);
  EXPECT_RUNTIME_ERROR_TEXT(ReadPngFile(path), core::kInvalidPicture,
                            "Invalid picture: " + path + ": image data too short for " +
                                std::to_string(kMaxPngSide) + " x " + std::to_string(kMaxPngSide) +
                                " pixels");
}

MemoryPropertyBag EveryType() {
  MemoryPropertyBag bag;
  auto font = std::make_shared<StdFont>();
  font->SetName("DejaVu Serif");
  font->SetSize(92500);
  font->SetBold(core::kTrue);
  font->SetCharset(2);
  const std::vector<uint8_t> png = SamplePng();
  bag.Store("Digits", Variant::FromInteger(-32768));
  bag.Store("OnColor", Variant::FromLong(0x00FFC0C0));
  bag.Store("AutoSize", Variant::FromBoolean(core::kTrue));
  bag.Store("CaptionLow", Variant::FromString(""));
  bag.Store("CaptionUpper", Variant::FromString("Grüße"));
  bag.Store("Bytes", Variant::FromString(std::string("\xE9t\xE9", 3)));
  bag.Store("Value", Variant::FromDouble(-12.5));
  bag.Store("NaN", Variant::FromDouble(std::nan("")));
  bag.Store("Single", Variant::FromSingle(0.1f));
  bag.Store("CaptionLowFont", Variant::FromObject(font));
  bag.Store("PictureBackground", Variant::FromObject(BitmapPicture::FromImage(DecodePng(png))));
  bag.Store("MouseIcon", Variant::FromObject(nullptr));
  bag.Store("Nothing", Variant());
  return bag;
}

// Values of every JSON kind, with the edges of each number type.
const Json& Replacements() {
  static const Json values = Json::parse(R"([null, true, false, 0, -1, 32768, -32769,
      2147483648, -2147483649, -9223372036854775808, 18446744073709551615, 0.5, 1e300, -1e-300,
      "", "NaN", "-Infinity", "not base64!", "AAAA", "iVBORw0KGgo=", [], [1, 2], {},
      {"type": "Font"}, {"name": "", "size": 8}, {"width": -1, "height": 0, "png": ""},
      "Integer", "Long", "Boolean", "String", "Double", "Single", "Font", "Picture", "None",
      "Empty", "Currency"])");
  return values;
}

// A random place inside one entry: the entry itself or a member at any depth.
Json& PlaceIn(Json& node, Dice& dice) {
  Json* at = &node;
  while ((at->is_object() || at->is_array()) && !at->empty() && dice.Below(3) != 0) {
    auto it = at->begin();
    std::advance(it, long(dice.Below(at->size())));
    at = &*it;
  }
  return *at;
}

// Returns the mutated text and, for a change inside one entry, that entry's key.
std::pair<std::string, std::string> MutatedPropertyFile(const Json& good, Dice& dice) {
  if (dice.Below(3) == 0) {  // text: bytes changed, removed or repeated
    std::string text = good.dump(1);
    const size_t edits = 1 + dice.Below(3);
    for (size_t e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = dice.Below(text.size());
      const size_t length = std::min(text.size() - at, 1 + dice.Below(12));
      switch (dice.Below(3)) {
        case 0:
          text[at] = char(dice.Byte());
          break;
        case 1:
          text.erase(at, length);
          break;
        default:
          text.insert(at, text.substr(at, length));
          break;
      }
    }
    return {text, ""};
  }
  Json document = good;
  Json& properties = document["properties"];
  auto entry = properties.begin();
  std::advance(entry, long(dice.Below(properties.size())));
  const std::string key = entry.key();
  Json& place = PlaceIn(entry.value(), dice);
  if (place.is_string() && place.get<std::string>().size() > 16 && dice.Below(2) == 0) {
    // Embedded picture data: damage the PNG inside the base64 text.
    const auto png = DecodeBase64(place.get<std::string>());
    if (png) {
      std::vector<uint8_t> bytes = *png;
      bytes[dice.Below(bytes.size())] = dice.Byte();
      RepairChecksums(bytes);
      place = EncodeBase64(bytes);
      return {document.dump(), key};
    }
  }
  place = Replacements()[dice.Below(Replacements().size())];
  return {document.dump(), key};
}

TEST(MutatedFiles, DamagedPropertyFilesLoadOrFailNamingTheFileAndKey) {
  ScratchFolder folder;
  const std::string source = folder.Path("good.json");
  SavePropertyFile(source, EveryType());
  const Json good = Json::parse(ReadFileBytes(source));
  ASSERT_EQ(good["properties"].size(), EveryType().Entries().size());

  const std::string path = folder.Path("mutated.json");
  const std::string start = "Invalid property file \"" + path + "\": ";
  Dice dice(kSeed);
  for (int i = 0; i < 1000; ++i) {
    SCOPED_TRACE("mutation " + std::to_string(i));
    const auto [text, key] = MutatedPropertyFile(good, dice);
    test::WriteFileText(path, text);
    if (const auto e = test::RuntimeErrorOf([&] { LoadPropertyFile(path); })) {
      ExpectOwnError(*e, core::kInvalidPropertyValue, start);
      if (!key.empty()) {
        EXPECT_NE(e->description().find("key \"" + key + "\": "), std::string::npos)
            << e->description();
      }
    }
    if (HasFailure()) break;
  }
}

// Objects with very many members, very deep nesting or very many values are refused
// before the file is taken apart: each would otherwise cost time or memory far beyond
// what a control's properties need.
TEST(MutatedFiles, PropertyFilesOfHostileShapeAreRefusedQuickly) {
  ScratchFolder folder;
  const std::string head = R"({"format":"leddisplay","version":1,"properties":)";
  std::string many = head + "{";
  for (int i = 0; i < 50000; ++i)
    many += (i ? ",\"k" : "\"k") + std::to_string(i) + R"(":{"type":"Empty"})";
  many += "}}";
  std::string manyInAnEntry = head + R"({"Font":{"type":"Font","value":{"name":"X","size":8)";
  for (int i = 0; i < 50000; ++i) manyInAnEntry += ",\"a" + std::to_string(i) + "\":0";
  manyInAnEntry += "}}}}";
  const std::string deep = head + R"({"Nothing":{"type":"Empty","x":)" + std::string(100000, '[') +
                           std::string(100000, ']') + "}}}";
  std::string wide = head + R"({"Nothing":{"type":"Empty","x":[0)";
  for (int i = 0; i < 200000; ++i) wide += ",0";
  wide += "]}}}";
  struct Case {
    std::string name;
    std::string text;
    std::string problem;
  };
  const Case cases[] = {
      {"many.json", many, "an object with more than 1024 members"},
      {"many-in-entry.json", manyInAnEntry, "an object with more than 1024 members"},
      {"deep.json", deep, "values nested more than 512 deep"},
      {"wide.json", wide, "more than 100000 values"},
  };
  for (const Case& c : cases) {
    const std::string path = folder.Path(c.name);
    test::WriteFileText(path, c.text);
    EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(path), core::kInvalidPropertyValue,
                              "Invalid property file \"" + path + "\": " + c.problem);
  }
}

// What cannot be loaded is not saved: a bag of more entries than a file may hold.
TEST(MutatedFiles, ABagOfMoreEntriesThanAFileHoldsIsNotSaved) {
  ScratchFolder folder;
  const std::string path = folder.Path("kept.json");
  MemoryPropertyBag bag;
  bag.Store("Digits", Variant::FromInteger(5));
  SavePropertyFile(path, bag);
  const std::vector<uint8_t> before = ReadFileBytes(path);
  for (int i = 0; i < 1024; ++i)
    bag.Store(std::string("k").append(std::to_string(i)), Variant::FromLong(i));
  EXPECT_RUNTIME_ERROR_TEXT(
      SavePropertyFile(path, bag), core::kInvalidPropertyValue,
      "Cannot save property file \"" + path + "\": more than 1024 properties");
  EXPECT_EQ(ReadFileBytes(path), before);
}

}  // namespace
}  // namespace led::platform
