// The property file: round trips of every value type through real files, the file's
// layout, every kind of bad file with its error, and saves that fail without harm.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <tuple>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

namespace fs = std::filesystem;
using core::Variant;
using test::ReadFileText;
using test::ScratchFolder;
using test::WriteFileText;

std::shared_ptr<BitmapPicture> TestPicture() {
  Image image(3, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x)
      image.at(x, y) = MakePixel(uint8_t(x * 80), uint8_t(y * 200), 7, uint8_t(100 + x));
  return BitmapPicture::FromImage(image);
}

MemoryPropertyBag EveryType() {
  MemoryPropertyBag bag;
  auto font = std::make_shared<StdFont>();
  font->SetName("DejaVu Serif");
  font->SetSize(82500);
  font->SetItalic(core::kTrue);
  font->SetUnderline(core::kTrue);
  font->SetStrikethrough(core::kTrue);
  font->SetWeight(800);
  font->SetCharset(2);
  bag.Store("Integer", Variant::FromInteger(-32768));
  bag.Store("Long", Variant::FromLong(0x80000012 - 0x100000000LL));
  bag.Store("BooleanTrue", Variant::FromBoolean(core::kTrue));
  bag.Store("BooleanOne", Variant::FromBoolean(1));
  bag.Store("Empty string", Variant::FromString(""));
  bag.Store("Text", Variant::FromString("Grüße \"quoted\"\n"));
  bag.Store("Bytes", Variant::FromString(std::string("\xE9t\xE9", 3)));
  bag.Store("Double", Variant::FromDouble(12.345));
  bag.Store("Tiny", Variant::FromDouble(4.9e-324));
  bag.Store("NaN", Variant::FromDouble(std::nan("")));
  bag.Store("Inf", Variant::FromDouble(HUGE_VAL));
  bag.Store("MinusInf", Variant::FromDouble(-HUGE_VAL));
  bag.Store("MinusZero", Variant::FromDouble(-0.0));
  bag.Store("Single", Variant::FromSingle(0.1f));
  bag.Store("SingleNaN", Variant::FromSingle(std::nanf("")));
  bag.Store("Font", Variant::FromObject(font));
  bag.Store("Picture", Variant::FromObject(TestPicture()));
  bag.Store("None", Variant::FromObject(nullptr));
  bag.Store("Nothing", Variant());
  return bag;
}

TEST(PropertyFile, EveryValueTypeSurvivesARoundTrip) {
  ScratchFolder folder;
  const MemoryPropertyBag saved = EveryType();
  SavePropertyFile(folder.Path("a.json"), saved);
  const MemoryPropertyBag loaded = LoadPropertyFile(folder.Path("a.json"));

  ASSERT_EQ(loaded.Entries().size(), saved.Entries().size());
  for (size_t i = 0; i < saved.Entries().size(); ++i) {
    const auto& a = saved.Entries()[i];
    const auto& b = loaded.Entries()[i];
    EXPECT_EQ(b.key, a.key);  // order kept
    if (a.key == "Picture") {
      const auto picture = std::dynamic_pointer_cast<BitmapPicture>(b.value.ToObject());
      ASSERT_TRUE(picture);
      EXPECT_EQ(picture->Bitmap().pixels, TestPicture()->Bitmap().pixels);
    } else {
      EXPECT_TRUE(MemoryPropertyBag::SameValue(a.value, b.value)) << a.key;
    }
  }
  EXPECT_TRUE(std::signbit(loaded.Entries()[12].value.ToDouble()));  // -0 stays -0
  EXPECT_EQ(loaded.Entries()[3].value.ToBoolean(), 1);               // stored as passed
}

TEST(PropertyFile, LayoutIsTypedJsonWithNonFiniteNumbersAsText) {
  ScratchFolder folder;
  MemoryPropertyBag bag;
  bag.Store("Digits", Variant::FromInteger(4));
  bag.Store("Value", Variant::FromDouble(std::nan("")));
  bag.Store("Big", Variant::FromDouble(-HUGE_VAL));
  bag.Store("Font", Variant::FromObject(StdFont::Create("DejaVu Sans", 8.25)));
  SavePropertyFile(folder.Path("p.json"), bag);

  const auto json = nlohmann::ordered_json::parse(ReadFileText(folder.Path("p.json")));
  EXPECT_EQ(json["format"], "leddisplay");
  EXPECT_EQ(json["version"], 1);
  const auto& p = json["properties"];
  EXPECT_EQ(p["Digits"], (nlohmann::ordered_json{{"type", "Integer"}, {"value", 4}}));
  EXPECT_EQ(p["Value"]["value"], "NaN");
  EXPECT_EQ(p["Big"]["value"], "-Infinity");
  EXPECT_EQ(p["Font"]["value"]["size"], 8.25);
  EXPECT_EQ(p["Font"]["value"]["weight"], 400);
  EXPECT_EQ(p.begin().key(), "Digits");
}

struct BadFile {
  std::string content;
  const char* key;      // must appear in the message, or empty
  const char* problem;  // must appear in the message
};

std::string WithEntry(const std::string& entry) {
  return R"({"format":"leddisplay","version":1,"properties":{"Good":{"type":"Integer","value":1},"Bad":)" +
         entry + "}}";
}

// A file whose entry "Bad" is `entry`, failing with `problem` at `key`.
BadFile BadEntry(const std::string& entry, const char* problem, const char* key = "Bad") {
  return {WithEntry(entry), key, problem};
}

// Each file fails to load with error 380, a description naming the file, the key (when
// given) and the problem.
void ExpectBadContent(const std::vector<BadFile>& cases) {
  ScratchFolder folder;
  const std::string path = folder.Path("bad.json");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    WriteFileText(path, c.content);
    const core::RuntimeError e = test::RaisedError([&] { LoadPropertyFile(path); });
    const std::string& d = e.description();
    EXPECT_EQ(e.number(), 380);
    EXPECT_TRUE(d.starts_with("Invalid property file \"" + path + "\": ")) << d;
    EXPECT_TRUE(!*c.key || d.find(std::string("key \"") + c.key + "\"") != std::string::npos) << d;
    EXPECT_NE(d.find(c.problem), std::string::npos) << d;
  }
}

TEST(PropertyFile, BadFilesFailWithTheFileKeyAndProblem) {
  const auto twice = [](const char* second) -> BadFile {
    return {std::string(R"({"format":"leddisplay","version":1,"properties":{"Digits":)"
                        R"({"type":"Integer","value":1},")") +
                second + R"(":{"type":"Integer","value":2}}})",
            second, "twice"};
  };
  ExpectBadContent({
      {"{\"format\": ", "", "not JSON"},
      {"[1,2]", "", "JSON object"},
      {R"({"format":"other","version":1,"properties":{}})", "", "wrong format"},
      {R"({"version":1,"properties":{}})", "", "wrong format"},
      {R"({"format":"leddisplay","version":2,"properties":{}})", "", "version 2"},
      {R"({"format":"leddisplay","version":"1","properties":{}})", "", "version"},
      {R"({"format":"leddisplay","version":1})", "", "properties"},
      BadEntry(R"({"type":"Integer","value":70000})", "range"),
      BadEntry(R"({"type":"Integer","value":"4"})", "not an integer"),
      BadEntry(R"({"type":"Long","value":1.5})", "not an integer"),
      BadEntry(R"({"type":"Boolean","value":"yes"})", "integer"),
      BadEntry(R"({"type":"String","value":5})", "not a string"),
      BadEntry(R"({"type":"Double","value":"abc"})", "NaN"),
      BadEntry(R"({"type":"Double","value":null})", "number"),
      BadEntry(R"({"type":"Single","value":1e39})", "range"),
      BadEntry(R"({"type":"Font","value":{"size":8}})", "name"),
      BadEntry(R"({"type":"Font","value":{"name":"X","size":0}})", "size"),
      BadEntry(R"({"type":"Font","value":{"name":"X","size":8,"bold":1}})", "bold"),
      BadEntry(R"({"type":"Font","value":{"name":"X","size":8,"weight":5000}})", "weight"),
      BadEntry(R"({"type":"Picture","value":{"width":1,"height":1}})", "png"),
      BadEntry(R"({"type":"Picture","value":{"width":1,"height":1,"png":"@@@@"}})", "base64"),
      BadEntry(R"({"type":"Picture","value":{"width":1,"height":1,"png":"AAAA"}})",
               "Invalid picture"),
      BadEntry(R"({"type":"Currency","value":1})", "unknown type"),
      BadEntry(R"({"value":1})", "type"),
      BadEntry(R"({"type":"Long"})", "no \"value\""),
      BadEntry("7", "object"),
      twice("DIGITS"),
      twice("Digits"),
      BadEntry(R"({"type":"Font","value":{"name":"X","size":8,"size":9}})", "twice", "size"),
  });
}

TEST(PropertyFile, PictureWhoseSizeDisagreesWithItsPngIsRefused) {
  ScratchFolder folder;
  MemoryPropertyBag bag;
  bag.Store("Picture", Variant::FromObject(TestPicture()));
  SavePropertyFile(folder.Path("p.json"), bag);
  auto json = nlohmann::ordered_json::parse(ReadFileText(folder.Path("p.json")));
  json["properties"]["Picture"]["value"]["width"] = 4;
  WriteFileText(folder.Path("p.json"), json.dump());
  EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(folder.Path("p.json")), core::kInvalidPropertyValue,
                            "is 3x2, not 4x2");
}

TEST(PropertyFile, MissingFileAndFolderGiveFileErrors) {
  ScratchFolder folder;
  EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(folder.Path("absent.json")), 53, "absent.json");
  for (const std::string& path : {folder.Root().string(), std::string("/dev/zero")})
    EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(path), 75, path);
}

// The number of entries in the folder.
std::ptrdiff_t FilesIn(const ScratchFolder& folder) {
  return std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator());
}

// An object the file cannot hold.
class Opaque : public core::Object {};

TEST(PropertyFile, SaveOfAValueThatCannotBeWrittenKeepsThePreviousFile) {
  ScratchFolder folder;
  const std::string path = folder.Path("keep.json");
  MemoryPropertyBag good;
  good.Store("Digits", Variant::FromInteger(6));
  SavePropertyFile(path, good);
  const std::string before = ReadFileText(path);

  MemoryPropertyBag bad;
  bad.Store("Digits", Variant::FromInteger(7));
  bad.Store("Strange", Variant::FromObject(std::make_shared<Opaque>()));
  EXPECT_RUNTIME_ERROR_TEXT(SavePropertyFile(path, bad), 380, path + "\": key \"Strange\"");
  EXPECT_EQ(ReadFileText(path), before);
  EXPECT_EQ(FilesIn(folder), 1);
}

// Sets or clears a folder's immutable flag; false when the file system or the
// process's rights do not allow it.
bool SetImmutable(const fs::path& path, bool immutable) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
  int flags = 0;
  bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  if (fd >= 0) ::close(fd);
  return done;
}

// Makes a folder read-only for its lifetime (immutable for root); not Active() when the
// file system or the process's rights do not allow it.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const fs::path& path) : path_(path) {
    if (::geteuid() != 0) {
      fs::permissions(path, fs::perms::owner_read | fs::perms::owner_exec);
      active_ = true;
    } else {
      active_ = immutable_ = SetImmutable(path, true);
    }
  }
  ~ReadOnlyFolder() {
    if (immutable_) {
      SetImmutable(path_, false);
    } else if (active_) {
      fs::permissions(path_, fs::perms::owner_all);
    }
  }
  bool Active() const { return active_; }

 private:
  fs::path path_;
  bool active_ = false;
  bool immutable_ = false;
};

TEST(PropertyFile, SaveIntoAnUnwritableFolderKeepsThePreviousFile) {
  ScratchFolder folder;
  const std::string path = folder.Path("keep.json");
  SavePropertyFile(path, EveryType());
  const std::string before = ReadFileText(path);
  {
    ReadOnlyFolder readOnly(folder.Root());
    if (!readOnly.Active()) GTEST_SKIP() << "cannot make a folder read-only here";
    MemoryPropertyBag other;
    other.Store("Digits", Variant::FromInteger(7));
    EXPECT_RUNTIME_ERROR_TEXT(SavePropertyFile(path, other), 75, path);
  }
  EXPECT_EQ(ReadFileText(path), before);
  EXPECT_EQ(LoadPropertyFile(path).Entries().size(), EveryType().Entries().size());
}

TEST(PropertyFile, SaveOverAFolderFailsAndLeavesNoTemporaryFile) {
  ScratchFolder folder;
  fs::create_directory(folder.Path("taken"));
  EXPECT_RUNTIME_ERROR_TEXT(SavePropertyFile(folder.Path("taken"), EveryType()), 75,
                            folder.Path("taken"));
  EXPECT_TRUE(fs::is_directory(folder.Path("taken")));
  EXPECT_EQ(FilesIn(folder), 1);
}

// nlohmann::json parses such numbers as an error of its own kind; they must come out
// as the file's 380 like any other bad content.
TEST(PropertyFile, NumbersBeyondADoubleAreBadContentNamingTheKey) {
  ExpectBadContent({
      BadEntry(R"({"type":"Double","value":1e400})", "1e400"),
      BadEntry(R"({"type":"Single","value":-1e400})", "-1e400"),
      BadEntry(R"({"type":"Long","value":1)" + std::string(400, '0') + "}",
               "beyond the range of a double"),
      BadEntry(R"({"type":"Font","value":{"name":"X","size":1e999}})", "1e999"),
      {R"({"format":"leddisplay","version":1e400,"properties":{}})", "version", "1e400"},
      {"1e309", "", "the file: number 1e309 is beyond the range of a double"},
  });
}

TEST(PropertyFile, PicturesWithoutPixelsSurviveARoundTripWithTheirSize) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("thin.json");
  const std::vector<std::tuple<const char*, int32_t, int32_t>> sizes = {
      {"MouseIcon", 0, 0}, {"Tall", 0, 5}, {"Wide", 7, 0}};
  MemoryPropertyBag bag;
  for (const auto& [key, width, height] : sizes)
    bag.Store(key, Variant::FromObject(BitmapPicture::FromImage(Image(width, height))));
  SavePropertyFile(path, bag);
  MemoryPropertyBag loaded = LoadPropertyFile(path);
  for (const auto& [key, width, height] : sizes) {
    const auto picture =
        std::dynamic_pointer_cast<host::Picture>(loaded.ReadProperty(key, Variant()).ToObject());
    ASSERT_NE(picture, nullptr) << key;
    EXPECT_NE(picture->Handle(), 0) << key;
    EXPECT_EQ(picture->Width(), width) << key;
    EXPECT_EQ(picture->Height(), height) << key;
  }

  // Without PNG data a picture must have no pixels.
  for (const char* size : {R"("width":3,"height":5)", R"("width":-1,"height":0)"}) {
    test::WriteFileText(
        path, WithEntry(std::string(R"({"type":"Picture","value":{)") + size + R"(,"png":""}})"));
    EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(path), 380, "without \"png\" data") << size;
  }
}

}  // namespace
}  // namespace led::platform
