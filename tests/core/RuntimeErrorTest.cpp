#include "leddisplay/core/RuntimeError.h"

#include <gtest/gtest.h>

namespace led::core {
namespace {

TEST(RuntimeError, CarriesNumberAndStandardWords) {
  const struct {
    int32_t number;
    const char* words;
  } cases[] = {
      {5, "Invalid procedure call or argument"},
      {6, "Overflow"},
      {11, "Division by zero"},
      {13, "Type mismatch"},
      {53, "File not found"},
      {75, "Path/File access error"},
      {91, "Object variable or With block variable not set"},
      {380, "Invalid property value"},
      {438, "Object doesn't support this property or method"},
      {450, "Wrong number of arguments or invalid property assignment"},
      {481, "Invalid picture"},
      {1234, "Application-defined or object-defined error"},
  };
  for (const auto& c : cases) {
    const RuntimeError e(c.number);
    EXPECT_EQ(e.number(), c.number);
    EXPECT_EQ(e.description(), c.words);
    EXPECT_STREQ(e.what(), c.words);
  }
  const RuntimeError custom(380, "Bad key 'Digits' in form.json");
  EXPECT_EQ(custom.number(), 380);
  EXPECT_EQ(custom.description(), "Bad key 'Digits' in form.json");
}

}  // namespace
}  // namespace led::core
