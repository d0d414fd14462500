// The bounded cache behind font lookups: its size never passes its capacity, the least
// recently used entry goes first, and what it returns is what was stored.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "leddisplay/platform/text/LruCache.h"

namespace led::platform {
namespace {

TEST(LruCache, StaysWithinItsCapacityDroppingTheLeastRecentlyUsed) {
  LruCache<std::string, int> cache(3);
  for (int i = 0; i < 100; ++i) {
    cache.Insert("k" + std::to_string(i), i);
    EXPECT_LE(cache.Size(), 3u);
  }
  EXPECT_EQ(cache.Find("k96"), nullptr);
  ASSERT_NE(cache.Find("k97"), nullptr);  // now the most recently used
  cache.Insert("a", -1);                  // drops k98, the least recently used
  EXPECT_EQ(cache.Find("k98"), nullptr);
  ASSERT_NE(cache.Find("k97"), nullptr);
  EXPECT_EQ(*cache.Find("k97"), 97);
  EXPECT_EQ(*cache.Find("k99"), 99);
  EXPECT_EQ(*cache.Find("a"), -1);
}

TEST(LruCache, InsertingAKnownKeyReplacesItsValueWithoutGrowing) {
  LruCache<std::string, int> cache(2);
  cache.Insert("x", 1);
  cache.Insert("y", 2);
  EXPECT_EQ(cache.Insert("x", 3), 3);
  EXPECT_EQ(cache.Size(), 2u);
  cache.Insert("z", 4);  // y is now the least recently used
  EXPECT_EQ(cache.Find("y"), nullptr);
  EXPECT_EQ(*cache.Find("x"), 3);
}

TEST(LruCache, DroppedAndClearedValuesAreReleased) {
  auto counted = std::make_shared<int>(0);
  {
    LruCache<int, std::shared_ptr<int>> cache(2);
    cache.Insert(1, counted);
    cache.Insert(2, counted);
    EXPECT_EQ(counted.use_count(), 3);
    cache.Insert(3, counted);
    EXPECT_EQ(counted.use_count(), 3);
    cache.Clear();
    EXPECT_EQ(counted.use_count(), 1);
    EXPECT_EQ(cache.Size(), 0u);
    cache.Insert(4, counted);
  }
  EXPECT_EQ(counted.use_count(), 1);
  EXPECT_EQ((LruCache<int, int>(0).Capacity()), 1u);
}

}  // namespace
}  // namespace led::platform
