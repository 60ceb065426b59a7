#include <gtest/gtest.h>

#include <string>

#include "net/sources/map_source.h"

namespace om {
namespace {

TEST(PictureConversionCache, SameDownloadIsConvertedOnceAndAChangedOneAgain) {
  PictureConversionCache cache;
  int conversions = 0;
  const auto converter = [&](std::string_view bytes) {
    ++conversions;
    return "picture of " + std::string(bytes);
  };
  EXPECT_EQ(cache.convert("map-1", converter), "picture of map-1");
  EXPECT_EQ(cache.convert("map-1", converter), "picture of map-1");
  EXPECT_EQ(conversions, 1);
  EXPECT_EQ(cache.convert("map-2", converter), "picture of map-2");
  EXPECT_EQ(conversions, 2);
  EXPECT_EQ(cache.convert("map-1", converter), "picture of map-1");
  EXPECT_EQ(conversions, 3);
}

TEST(PictureConversionCache, FailedConversionIsTriedAgainNextTime) {
  PictureConversionCache cache;
  int conversions = 0;
  const auto failing = [&](std::string_view) {
    ++conversions;
    return std::string();
  };
  EXPECT_TRUE(cache.convert("broken", failing).empty());
  EXPECT_TRUE(cache.convert("broken", failing).empty());
  EXPECT_EQ(conversions, 2);
}

}  // namespace
}  // namespace om
