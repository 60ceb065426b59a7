#include "app/values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace om {
namespace {

TEST(ByteSet, ConcatenatingOnlyEmptyPartsGivesTheNullByteSet) {
  ByteSet joined = ByteSet::concat({ByteSet(), ByteSet(std::string_view()), ByteSet()});
  EXPECT_TRUE(joined.isNull());
  EXPECT_EQ(joined.length(), 0);
}

TEST(ByteSet, ConcatenationKeepsZeroBytesAndOrder) {
  ByteSet joined = ByteSet::concat(
      {ByteSet(std::string_view("a\0", 2)), ByteSet(), ByteSet(std::string_view("b"))});
  EXPECT_FALSE(joined.isNull());
  EXPECT_EQ(joined.bytes(), std::string("a\0b", 3));
}

TEST(ByteSet, ToTextStopsAtTheFirstZeroByte) {
  EXPECT_EQ(ToText(ByteSet(std::string_view("ab\0cd", 5))).bytes(), "ab");
  EXPECT_TRUE(ToText(ByteSet()).isEmpty());
}

TEST(CompareBytes, UnsignedAndZeroForNoBytes) {
  EXPECT_EQ(CompareBytes("\x80", "\x01", 1), 1);
  EXPECT_EQ(CompareBytes("a", "b", 1), -1);
  EXPECT_EQ(CompareBytes("a", "b", 0), 0);
  EXPECT_EQ(CompareBytes("ab", "ab", 2), 0);
}

TEST(ValueArray, PositionsCountFromOne) {
  auto a = ValueArray<int32_t>::of({10, 20, 30});
  EXPECT_EQ(a.count(), 3);
  EXPECT_EQ(a.at(1), 10);
  EXPECT_EQ(a.at(3), 30);
  a.at(2) = 5;
  EXPECT_EQ(a.elements(), (std::vector<int32_t>{10, 5, 30}));
}

TEST(ValueArray, NullArrayHasNoElementsAndEmptyOneDimensionalArrayIsABlock) {
  ValueArray<Text> none;
  EXPECT_TRUE(none.isNull());
  EXPECT_EQ(none.count(), 0);
  auto empty = ValueArray<Text>::withCount(0);
  EXPECT_FALSE(empty.isNull());
  EXPECT_EQ(empty.dimensionCount(), 1);
  EXPECT_EQ(empty.count(), 0);
  empty.append(T("x"));
  EXPECT_EQ(empty.counts(), std::vector<int32_t>{1});
}

using ValueArrayDeathTest = ::testing::Test;

TEST(ValueArrayDeathTest, PositionBeyondTheCountIsFatalCodeOne) {
  auto a = ValueArray<int32_t>::withCount(2);
  EXPECT_EXIT(a.at(3), ::testing::ExitedWithCode(255),
              "错误代码：1\n错误信息：数组成员引用下标超出定义范围\n3 2");
}

TEST(ValueArrayDeathTest, PositionZeroIsFatalToo) {
  auto a = ValueArray<int32_t>::withCount(2);
  EXPECT_EXIT(a.at(0), ::testing::ExitedWithCode(255), "错误代码：1");
}

TEST(Conversion, FloatingToLongTruncatesTowardZero) {
  EXPECT_EQ(ToLong(2.9), 2);
  EXPECT_EQ(ToLong(-2.9), -2);
  EXPECT_EQ(ToLong(NAN), 0);
  EXPECT_EQ(ToLong(1e300), INT64_MAX);
  EXPECT_EQ(ToLong(-1e300), INT64_MIN);
  EXPECT_EQ(ToInteger(-3e10), INT32_MIN);
  EXPECT_EQ(ToInteger(7.99), 7);
}

struct ToTextCase {
  Text actual;
  const char* expectedUtf8;
};

TEST(ToText, EveryValueKind) {
  const ToTextCase cases[] = {
      {ToText(true), "真"},
      {ToText(false), "假"},
      {ToText(uint8_t{255}), "255"},
      {ToText(int16_t{-32768}), "-32768"},
      {ToText(int32_t{-7}), "-7"},
      {ToText(int64_t{9007199254740993}), "9007199254740993"},
      {ToText(1.0f / 3.0f), "0.333333"},
      {ToText(1e20f), "1e+20"},
      {ToText(1.0 / 3.0), "0.3333333333333"},
      {ToText(2.5), "2.5"},
      {ToText(123456789012345.0), "1.234567890123e+14"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual.toUtf8(), c.expectedUtf8);
}

DateTimeValue At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return *DateTimeValue::fromFields(y, mo, d, h, mi, s);
}

TEST(ToText, DateTimeDropsTrailingZeroTimeParts) {
  const ToTextCase cases[] = {
      {ToText(At(2021, 3, 5, 12, 30, 0)), "2021年3月5日12时30分"},
      {ToText(At(2021, 3, 5)), "2021年3月5日"},
      {ToText(At(2021, 3, 5, 9)), "2021年3月5日9时"},
      {ToText(At(2021, 3, 5, 0, 0, 7)), "2021年3月5日0时0分7秒"},
      {ToText(At(2020, 1, 31, 18, 42, 23)), "2020年1月31日18时42分23秒"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual.toUtf8(), c.expectedUtf8);
}

TEST(DateTimeValue, EpochAndKnownSerialNumbers) {
  EXPECT_EQ(At(1899, 12, 30).days(), 0.0);
  EXPECT_EQ(At(1900, 1, 1).days(), 2.0);
  EXPECT_EQ(At(2020, 1, 31).days(), 43861.0);
  EXPECT_DOUBLE_EQ(At(2020, 1, 31, 18).days(), 43861.75);
}

TEST(DateTimeValue, NegativeValuesCountTheFractionForwards) {
  // -1.25 is the day before the epoch at 06:00, not 18:00.
  EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6).days(), -1.25);
  auto f = DateTimeValue(-1.25).fields();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->day, 29);
  EXPECT_EQ(f->hour, 6);
  // -0.5 and 0.5 are the same moment.
  EXPECT_EQ(DateTimeValue(-0.5).fields()->hour, 12);
  EXPECT_EQ(DateTimeValue(-0.5).fields()->day, 30);
}

TEST(DateTimeValue, RoundsToTheNearestSecondAcrossMidnight) {
  const double halfSecond = 0.5 / 86400.0;
  auto up = DateTimeValue(At(2020, 1, 31, 23, 59, 59).days() + halfSecond * 1.2).fields();
  ASSERT_TRUE(up);
  EXPECT_EQ(up->month, 2);
  EXPECT_EQ(up->day, 1);
  EXPECT_EQ(up->hour, 0);
  EXPECT_EQ(up->second, 0);
  auto down = DateTimeValue(At(2020, 1, 31, 10, 0, 1).days() + halfSecond * 0.8).fields();
  EXPECT_EQ(down->second, 1);
}

TEST(DateTimeValue, FieldsRoundTripAndRejectBadInput) {
  auto f = At(1600, 2, 29, 13, 14, 15).fields();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->year, 1600);
  EXPECT_EQ(f->month, 2);
  EXPECT_EQ(f->day, 29);
  EXPECT_EQ(f->hour, 13);
  EXPECT_EQ(f->minute, 14);
  EXPECT_EQ(f->second, 15);
  EXPECT_FALSE(DateTimeValue::fromFields(1900, 2, 29));
  EXPECT_FALSE(DateTimeValue::fromFields(2020, 13, 1));
  EXPECT_FALSE(DateTimeValue::fromFields(2020, 1, 1, 24));
  EXPECT_FALSE(DateTimeValue(3e6).fields());
  EXPECT_FALSE(DateTimeValue(-700000).fields());
  EXPECT_FALSE(DateTimeValue(NAN).fields());
  EXPECT_EQ(At(100, 1, 1).days(), DateTimeValue::kMinimum);
  EXPECT_EQ(At(9999, 12, 31, 23, 59, 59).fields()->year, 9999);
}

TEST(DateTimeValue, NowIsTodayInLocalTime) {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  auto f = DateTimeValue::now().fields();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->year, local.tm_year + 1900);
  EXPECT_EQ(f->month, local.tm_mon + 1);
}

}  // namespace
}  // namespace om
