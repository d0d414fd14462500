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
#include <optional>
#include <sstream>
#include <tuple>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/BitmapPicture.h"
#include "leddisplay/platform/PropertyFile.h"
#include "leddisplay/platform/StdFont.h"
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
  const char* what;
  std::string content;
  const char* key;      // must appear in the message, or empty
  const char* problem;  // must appear in the message
};

std::string WithEntry(const std::string& entry) {
  return R"({"format":"leddisplay","version":1,"properties":{"Good":{"type":"Integer","value":1},"Bad":)" +
         entry + "}}";
}

TEST(PropertyFile, BadFilesFailWithTheFileKeyAndProblem) {
  const std::vector<BadFile> cases = {
      {"not JSON", "{\"format\": ", "", "not JSON"},
      {"not an object", "[1,2]", "", "JSON object"},
      {"wrong format", R"({"format":"other","version":1,"properties":{}})", "", "wrong format"},
      {"no format", R"({"version":1,"properties":{}})", "", "wrong format"},
      {"wrong version", R"({"format":"leddisplay","version":2,"properties":{}})", "", "version 2"},
      {"version as text", R"({"format":"leddisplay","version":"1","properties":{}})", "",
       "version"},
      {"no properties", R"({"format":"leddisplay","version":1})", "", "properties"},
      {"integer too large", WithEntry(R"({"type":"Integer","value":70000})"), "Bad", "range"},
      {"integer as text", WithEntry(R"({"type":"Integer","value":"4"})"), "Bad", "not an integer"},
      {"long with fraction", WithEntry(R"({"type":"Long","value":1.5})"), "Bad", "not an integer"},
      {"boolean as text", WithEntry(R"({"type":"Boolean","value":"yes"})"), "Bad", "integer"},
      {"string as number", WithEntry(R"({"type":"String","value":5})"), "Bad", "not a string"},
      {"double as text", WithEntry(R"({"type":"Double","value":"abc"})"), "Bad", "NaN"},
      {"double as null", WithEntry(R"({"type":"Double","value":null})"), "Bad", "number"},
      {"single too large", WithEntry(R"({"type":"Single","value":1e39})"), "Bad", "range"},
      {"font without name", WithEntry(R"({"type":"Font","value":{"size":8}})"), "Bad", "name"},
      {"font of size 0", WithEntry(R"({"type":"Font","value":{"name":"X","size":0}})"), "Bad",
       "size"},
      {"font bold as number",
       WithEntry(R"({"type":"Font","value":{"name":"X","size":8,"bold":1}})"), "Bad", "bold"},
      {"font weight too large",
       WithEntry(R"({"type":"Font","value":{"name":"X","size":8,"weight":5000}})"), "Bad",
       "weight"},
      {"picture without png", WithEntry(R"({"type":"Picture","value":{"width":1,"height":1}})"),
       "Bad", "png"},
      {"picture not base64",
       WithEntry(R"({"type":"Picture","value":{"width":1,"height":1,"png":"@@@@"}})"), "Bad",
       "base64"},
      {"picture not PNG",
       WithEntry(R"({"type":"Picture","value":{"width":1,"height":1,"png":"AAAA"}})"), "Bad",
       "Invalid picture"},
      {"unknown type", WithEntry(R"({"type":"Currency","value":1})"), "Bad", "unknown type"},
      {"no type", WithEntry(R"({"value":1})"), "Bad", "type"},
      {"no value", WithEntry(R"({"type":"Long"})"), "Bad", "no \"value\""},
      {"entry not an object", WithEntry("7"), "Bad", "object"},
      {"key twice in other case",
       R"({"format":"leddisplay","version":1,"properties":{"Digits":{"type":"Integer","value":1},"DIGITS":{"type":"Integer","value":2}}})",
       "DIGITS", "twice"},
      {"key twice as written",
       R"({"format":"leddisplay","version":1,"properties":{"Digits":{"type":"Integer","value":1},"Digits":{"type":"Integer","value":2}}})",
       "Digits", "twice"},
      {"font attribute twice",
       WithEntry(R"({"type":"Font","value":{"name":"X","size":8,"size":9}})"), "size", "twice"},
  };
  ScratchFolder folder;
  const std::string path = folder.Path("bad.json");
  for (const auto& c : cases) {
    WriteFileText(path, c.content);
    const std::optional<core::RuntimeError> e =
        test::RuntimeErrorOf([&] { LoadPropertyFile(path); });
    if (!e) {
      ADD_FAILURE() << c.what << ": loaded";
      continue;
    }
    EXPECT_EQ(e->number(), 380) << c.what;
    EXPECT_NE(e->description().find(path), std::string::npos) << c.what << ": " << e->description();
    if (*c.key) {
      EXPECT_NE(e->description().find(std::string("\"") + c.key + "\""), std::string::npos)
          << c.what << ": " << e->description();
    }
    EXPECT_NE(e->description().find(c.problem), std::string::npos)
        << c.what << ": " << e->description();
  }
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

// An object the file cannot hold.
class Opaque : public core::Object {};

TEST(PropertyFile, PictureWithoutPixelsSurvivesARoundTrip) {
  ScratchFolder folder;
  const std::string path = folder.Path("empty.json");
  MemoryPropertyBag bag;
  bag.Store("MouseIcon", Variant::FromObject(BitmapPicture::FromImage(Image())));
  SavePropertyFile(path, bag);
  MemoryPropertyBag loaded = LoadPropertyFile(path);
  const auto picture = std::dynamic_pointer_cast<host::Picture>(
      loaded.ReadProperty("MouseIcon", Variant()).ToObject());
  ASSERT_NE(picture, nullptr);
  EXPECT_NE(picture->Handle(), 0);
  EXPECT_EQ(picture->Width(), 0);
  EXPECT_EQ(picture->Height(), 0);
}

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
  const std::optional<core::RuntimeError> e =
      test::RuntimeErrorOf([&] { SavePropertyFile(path, bad); });
  ASSERT_TRUE(e.has_value()) << "saved";
  EXPECT_EQ(e->number(), 380);
  EXPECT_NE(e->description().find("\"Strange\""), std::string::npos) << e->description();
  EXPECT_NE(e->description().find(path), std::string::npos) << e->description();
  EXPECT_EQ(ReadFileText(path), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 1);
}

// Makes a folder immutable for its lifetime (works for root too); false if the file
// system or the process's rights do not allow it.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const fs::path& path) : path_(path) {
    if (::geteuid() != 0) {
      fs::permissions(path, fs::perms::owner_read | fs::perms::owner_exec);
      active_ = true;
      return;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      active_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
      immutable_ = active_;
    }
    if (fd >= 0) ::close(fd);
  }
  ~ReadOnlyFolder() {
    if (immutable_) {
      const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
      int flags = 0;
      if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
      }
      if (fd >= 0) ::close(fd);
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
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 1);
}

// nlohmann::json parses such numbers as an error of its own kind; they must come out
// as the file's 380 like any other bad content.
TEST(PropertyFile, NumbersBeyondADoubleAreBadContentNamingTheKey) {
  const std::vector<BadFile> cases = {
      {"double", WithEntry(R"({"type":"Double","value":1e400})"), "Bad", "1e400"},
      {"negative single", WithEntry(R"({"type":"Single","value":-1e400})"), "Bad", "-1e400"},
      {"integer of 400 digits",
       WithEntry(R"({"type":"Long","value":1)" + std::string(400, '0') + "}"), "Bad",
       "beyond the range of a double"},
      {"font size", WithEntry(R"({"type":"Font","value":{"name":"X","size":1e999}})"), "Bad",
       "1e999"},
      {"version", R"({"format":"leddisplay","version":1e400,"properties":{}})", "version", "1e400"},
      {"whole file", "1e309", "", "the file: number 1e309 is beyond the range of a double"},
  };
  test::ScratchFolder folder;
  const std::string path = folder.Path("huge.json");
  for (const auto& c : cases) {
    test::WriteFileText(path, c.content);
    const core::RuntimeError e = test::RaisedError([&] { LoadPropertyFile(path); });
    EXPECT_EQ(e.number(), 380) << c.what;
    EXPECT_EQ(e.description().rfind("Invalid property file \"" + path + "\": ", 0), 0u)
        << c.what << ": " << e.description();
    if (*c.key) {
      EXPECT_NE(e.description().find(std::string("key \"") + c.key + "\""), std::string::npos)
          << c.what << ": " << e.description();
    }
    EXPECT_NE(e.description().find(c.problem), std::string::npos)
        << c.what << ": " << e.description();
  }
}

TEST(PropertyFile, APictureWithOneSideZeroKeepsItsSize) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("thin.json");
  MemoryPropertyBag bag;
  bag.Store("Tall", Variant::FromObject(BitmapPicture::FromImage(Image(0, 5))));
  bag.Store("Wide", Variant::FromObject(BitmapPicture::FromImage(Image(7, 0))));
  SavePropertyFile(path, bag);
  MemoryPropertyBag loaded = LoadPropertyFile(path);
  for (const auto& [key, width, height] : {std::tuple{"Tall", 0, 5}, std::tuple{"Wide", 7, 0}}) {
    const auto picture =
        std::dynamic_pointer_cast<host::Picture>(loaded.ReadProperty(key, Variant()).ToObject());
    ASSERT_NE(picture, nullptr) << key;
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
