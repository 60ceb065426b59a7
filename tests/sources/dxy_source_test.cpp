#include "net/sources/dxy_source.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

using testing::FixtureText;
using testing::SampleText;

struct Row {
  const char* name;
  const char* confirmed;
  const char* cured;
  const char* dead;
};

void ExpectRow(const Text& name, const Text& confirmed, const Text& cured, const Text& dead,
               const Row& row) {
  EXPECT_EQ(name, T(row.name));
  EXPECT_EQ(confirmed, T(row.confirmed)) << row.name;
  EXPECT_EQ(cured, T(row.cured)) << row.name;
  EXPECT_EQ(dead, T(row.dead)) << row.name;
}

void ExpectProvince(const ProvinceFigures& province, const Row& row,
                    std::initializer_list<Row> cities) {
  ExpectRow(province.shortName, province.confirmed, province.cured, province.dead, row);
  ASSERT_EQ(province.cities.size(), cities.size()) << row.name;
  size_t i = 0;
  for (const Row& city : cities) {
    const CityFigures& got = province.cities[i++];
    ExpectRow(got.name, got.confirmed, got.cured, got.dead, city);
  }
}

TEST(DxySource, SamplePageGivesAllProvincesInPageOrderWithTheirOwnCounts) {
  std::vector<ProvinceFigures> provinces = ParseDxyPage(SampleText("dxy_pneumonia.html"));
  ASSERT_EQ(provinces.size(), 34u);
  EXPECT_EQ(provinces.front().shortName, T("湖北"));
  EXPECT_EQ(provinces.front().fullName, T("湖北省"));
  EXPECT_EQ(provinces.front().confirmed, T("29631"));
  EXPECT_EQ(provinces.front().cities.size(), 17u);
  EXPECT_EQ(provinces.front().cities.front().name, T("武汉"));
  ExpectProvince(provinces.back(), {"西藏", "1", "0", "0"}, {{"拉萨", "1", "0", "0"}});
}

TEST(DxySource, SampleProvinceCountsAreNotTakenFromTheirCities) {
  // The sample's cities add up to their province: a province row that showed its first
  // city's figures, or a city list that ran into the next province, would break the sums.
  for (const ProvinceFigures& province : ParseDxyPage(SampleText("dxy_pneumonia.html"))) {
    if (province.cities.empty()) {
      EXPECT_FALSE(province.comment.isEmpty()) << province.shortName.toUtf8();
      continue;
    }
    int64_t confirmed = 0;
    for (const CityFigures& city : province.cities) confirmed += city.confirmed.toLong();
    EXPECT_EQ(confirmed, province.confirmed.toLong()) << province.shortName.toUtf8();
  }
}

TEST(DxySource, VariedRecordsDegradeToEmptyCellsAndKeepTheirOwnCities) {
  std::vector<ProvinceFigures> provinces = ParseDxyPage(FixtureText("dxy_variations.html"));
  ASSERT_EQ(provinces.size(), 5u);
  // Cities before the province's own counts.
  ExpectProvince(provinces[0], {"湖北", "120", "6", "4"}, {{"武汉", "100", "5", "3"}});
  // Counts as strings; no city list, so the next province's cities stay with it.
  ExpectProvince(provinces[1], {"香港", "36", "1", "1"}, {});
  EXPECT_EQ(provinces[1].comment, T("香港卫生署"));
  // Counts after "modifyTime", null and missing counts, keys in another order.
  ExpectProvince(provinces[2], {"河南", "50", "", ""},
                 {{"信阳", "30", "2", ""}, {"南阳", "20", "", "1"}});
  // No short name; a city name GBK cannot hold; a non-city object with a nested name.
  ExpectProvince(provinces[3], {"吉林省", "8", "1", "0"}, {{"??", "8", "1", "0"}});
  // The last record lacks "modifyTime"; an escaped name; a city whose name ends in a GBK
  // character with a backslash for its second byte.
  ExpectProvince(provinces[4], {"浙江", "9", "1", "0"},
                 {{"乗", "2", "1", "0"}, {"温州", "7", "0", "0"}});
}

TEST(DxySource, TruncatedRecordKeepsWhatItHolds) {
  std::vector<ProvinceFigures> provinces = ParseDxyPage(FixtureText("dxy_truncated.html"));
  ASSERT_EQ(provinces.size(), 2u);
  ExpectProvince(provinces[1], {"广东", "11", "1", "0"}, {{"深圳", "11", "1", "0"}});
}

TEST(DxySource, MissingMarkersYieldNoProvinces) {
  EXPECT_TRUE(ParseDxyPage(FixtureText("dxy_no_end_marker.html")).empty());
  EXPECT_TRUE(ParseDxyPage(Text()).empty());
  EXPECT_TRUE(ParseDxyPage(T("<html>getIndexRecommendList getAreaStat</html>")).empty());
  EXPECT_TRUE(ParseDxyPage(T("getAreaStat = [{\"cityName\":\"武汉\",\"confirmedCount\":1}] "
                             "getIndexRecommendList"))
                  .empty());
}

TEST(DxySource, GarbageBetweenTheMarkersGivesNothingAndDoesNotCrash) {
  const char* pages[] = {
      "getAreaStat{{{{[[[\"\\getIndexRecommendList",
      "getAreaStat}]}]{\"provinceShortName\":getIndexRecommendList",
      "getAreaStat{\"provinceShortName\":\"a\",\"cities\":[{\"cityName\":\"getIndexRecommendList",
  };
  for (const char* page : pages) {
    std::vector<ProvinceFigures> provinces = ParseDxyPage(T(page));
    for (const ProvinceFigures& province : provinces) EXPECT_TRUE(province.cities.empty());
  }
}

TEST(DxySource, DeepNestingAndUnclosedRecordsAreReadInOnePass) {
  // Quadratic work on any of these would run for minutes.
  auto page = [](const std::string& piece, int times) {
    std::string text = "getAreaStat";
    for (int i = 0; i < times; ++i) text += piece;
    return Text(text + "getIndexRecommendList");
  };
  EXPECT_TRUE(ParseDxyPage(page("{", 1000000)).empty());
  EXPECT_EQ(ParseDxyPage(page(R"({"provinceName":"a","c":[)", 100000)).size(), 1u);
  EXPECT_EQ(ParseDxyPage(page(R"({"provinceName":"a","modifyTime":1,"c":[)", 100000)).size(),
            100000u);
  std::vector<ProvinceFigures> one =
      ParseDxyPage(page(R"({"provinceName":"a","c":[{"cityName":"b","d":[)", 100000));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].cities.size(), 1u);
}

}  // namespace
}  // namespace om
