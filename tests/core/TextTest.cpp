#include "leddisplay/core/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace led::core {
namespace {

TEST(Text, EqualsIgnoringCaseFoldsAsciiLettersOnly) {
  EXPECT_TRUE(EqualsIgnoringCase("BackColor", "Backcolor"));
  EXPECT_TRUE(EqualsIgnoringCase("", ""));
  EXPECT_FALSE(EqualsIgnoringCase("Digits", "Digit"));
  EXPECT_FALSE(EqualsIgnoringCase("a[", "A{"));  // '[' and '{' are 32 apart but not letters
}

TEST(Text, Utf8CheckRefusesEveryMalformedForm) {
  const struct {
    std::string text;
    bool valid;
  } cases[] = {
      {"", true},
      {"Caption Lower", true},
      {"\xc3\xa9t\xc3\xa9", true},  // été
      {"\xe2\x82\xac", true},       // euro sign
      {"\xf0\x9f\x98\x80", true},   // outside the basic plane
      {"\xff", false},              // never a lead byte
      {"\x80", false},              // continuation without a lead
      {"\xc3", false},              // cut short
      {"\xc0\xaf", false},          // overlong '/'
      {"\xe0\x80\xaf", false},      // overlong, three bytes
      {"\xed\xa0\x80", false},      // a surrogate
      {"\xf4\x90\x80\x80", false},  // above U+10FFFF
      {"ok\xe2\x82", false},        // cut short at the end
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(Text, AsciiLoweredTurnsOnlyAsciiCapitals) {
  EXPECT_EQ(AsciiLowered("DejaVu Sans-Serif"), "dejavu sans-serif");
  EXPECT_EQ(AsciiLowered("[@Z\xc3\x89]"), "[@z\xc3\x89]");  // 'É' and the neighbours of A-Z stay
}

TEST(Text, TrimBlanksCutsOnlyTheGivenBlanksAtTheEnds) {
  const struct {
    std::string_view text;
    std::string_view blanks;
    std::string_view trimmed;
  } cases[] = {
      {"  12.5\t", kBlanks, "12.5"}, {"\t a  b \t", kBlanks, "a  b"},  // inner blanks stay
      {" \t ", kBlanks, ""},         {"", kBlanks, ""},
      {"7\r", kBlanks, "7\r"},  // a carriage return is kept unless the line set is asked for
      {"\r 7 \r", kLineBlanks, "7"}, {"x", kLineBlanks, "x"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TrimBlanks(c.text, c.blanks), c.trimmed) << '"' << c.text << '"';
}

TEST(Text, Utf8DecodingReplacesEachBadByteAndGoesOn) {
  const struct {
    std::string text;
    std::u32string code;
  } cases[] = {
      {"", U""},
      {"A\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", U"A\u00e9\u20ac\U0001F600"},
      {"\xff"
       "a",
       U"\uFFFDa"},
      {"\xc0\xaf", U"\uFFFD\uFFFD"},            // overlong: both bytes replaced
      {"\xed\xa0\x80", U"\uFFFD\uFFFD\uFFFD"},  // a surrogate
      {"\xf4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"ok\xe2\x82", U"ok\uFFFD\uFFFD"},  // cut short at the end
      {"\xe2\x82"
       "A",
       U"\uFFFD\uFFFDA"},  // cut short by an ASCII byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeUtf8(c.text), c.code) << c.text;
    // The checker and the decoder agree on what is well formed.
    EXPECT_EQ(IsValidUtf8(c.text), DecodeUtf8(c.text).find(U'\uFFFD') == std::u32string::npos)
        << c.text;
  }
}

}  // namespace
}  // namespace led::core
