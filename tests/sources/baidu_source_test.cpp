#include "net/sources/baidu_source.h"

#include <gtest/gtest.h>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

using testing::FixtureText;
using testing::SampleText;

TEST(BaiduSource, SamplePageGivesTheSummaryAndTheUpdateTime) {
  SummaryFigures figures = ParseBaiduPage(SampleText("baidu_newpneumonia.html"));
  EXPECT_EQ(figures.confirmed, T("40255"));
  EXPECT_EQ(figures.suspected, T("23589"));
  EXPECT_EQ(figures.dead, T("479"));
  EXPECT_EQ(figures.cured, T("3974"));
  EXPECT_EQ(figures.lastUpdate, T("2020.02.10 10:30"));
  SummaryLabelTexts labels = SummaryLabels(figures);
  EXPECT_EQ(labels.confirmed, T("确诊：40255"));
  EXPECT_EQ(labels.suspected, T("疑似：23589"));
  EXPECT_EQ(labels.dead, T("死亡：479"));
  EXPECT_EQ(labels.cured, T("治愈：3974"));
  EXPECT_EQ(labels.lastUpdate, T("最新更新：2020.02.10 10:30"));
}

TEST(BaiduSource, NumbersStringsAndMissingKeysEachGiveTheirOwnLabel) {
  SummaryFigures figures = ParseBaiduPage(FixtureText("baidu_variations.html"));
  EXPECT_EQ(figures.confirmed, T("40255"));  // a JSON number
  EXPECT_EQ(figures.suspected, T("23589"));  // a string
  EXPECT_EQ(figures.cured, T("3974"));
  EXPECT_EQ(figures.dead, Text());  // missing; the case list's "died" is not read
  EXPECT_EQ(figures.lastUpdate, T("2020.02.10 10:30"));  // \u escapes decoded
  EXPECT_EQ(SummaryLabels(figures).dead, T("死亡："));
}

TEST(BaiduSource, RejectedSummaryLeavesTheLabelTextsAlone) {
  SummaryFigures figures = ParseBaiduPage(FixtureText("baidu_rejected_summary.html"));
  EXPECT_TRUE(figures.isEmpty());
  SummaryLabelTexts labels = SummaryLabels(figures);
  EXPECT_EQ(labels.confirmed, T("确诊："));
  EXPECT_EQ(labels.suspected, T("疑似："));
  EXPECT_EQ(labels.dead, T("死亡："));
  EXPECT_EQ(labels.cured, T("治愈："));
  EXPECT_EQ(labels.lastUpdate, T("最新更新："));  // the page's update time is empty
}

TEST(BaiduSource, MissingMarkersYieldNothing) {
  const char* pages[] = {
      "",
      R"(<script>let x = {"summaryDataIn":{"confirmed":"1"}};</script>)",  // no "<script>var"
      R"(<script>var x = {"summaryDataIn":{"confirmed":"1"}};)",           // no "</script>"
      R"(<script>var x = {"summary":{"confirmed":"1"}};</script>)",
  };
  for (const char* page : pages) EXPECT_TRUE(ParseBaiduPage(T(page)).isEmpty()) << page;
}

}  // namespace
}  // namespace om
