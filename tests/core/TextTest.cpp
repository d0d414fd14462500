#include "leddisplay/core/Text.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace led::core
