#include "net/sources/sogou_source.h"

#include <gtest/gtest.h>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

using testing::FixtureText;
using testing::SampleText;

TEST(SogouSource, SamplePageGivesTheFourFiguresAndTheirRises) {
  SogouFigures figures = ParseSogouPage(SampleText("sogou_epidemic.html"));
  EXPECT_EQ(figures.confirmed, T("40255"));
  EXPECT_EQ(figures.suspected, T("23589"));
  EXPECT_EQ(figures.dead, T("479"));
  EXPECT_EQ(figures.cured, T("3974"));
  EXPECT_EQ(figures.confirmedRise, T("3062"));
  EXPECT_EQ(figures.suspectedRise, T("4008"));
  EXPECT_EQ(figures.deadRise, T("97"));
  EXPECT_EQ(figures.curedRise, T("632"));
}

TEST(SogouSource, ReadsOnlyTheFiguresBlockAndLeavesBadValuesEmpty) {
  SogouFigures figures = ParseSogouPage(FixtureText("sogou_variations.html"));
  EXPECT_EQ(figures.confirmed, T("40255"));
  EXPECT_EQ(figures.suspected, T("23589"));  // sent as a string
  EXPECT_EQ(figures.cured, Text());          // null
  EXPECT_EQ(figures.dead, Text());           // missing here; the province list's is not read
  EXPECT_EQ(figures.confirmedRise, T("+3062"));
  EXPECT_EQ(figures.curedRise, Text());
}

TEST(SogouSource, PageWithoutTheMinuteMarkYieldsNoFigures) {
  EXPECT_TRUE(ParseSogouPage(FixtureText("sogou_no_time.html")).isEmpty());
  EXPECT_TRUE(ParseSogouPage(Text()).isEmpty());
  EXPECT_TRUE(ParseSogouPage(T(R"({"t":"10时30分","diagnosed":5)")).isEmpty());  // no "},"
}

TEST(SogouSource, RiseIsShownAfterItsMarker) {
  EXPECT_EQ(RiseText(T("3062")), T("较昨日↑3062"));
  EXPECT_EQ(RiseText(Text()), Text());
}

}  // namespace
}  // namespace om
