#include "app/conversions.h"

#include <gtest/gtest.h>

#include "app/codepage.h"

namespace om {
namespace {

Text A(const char* s) {
  return Text(std::string_view(s));
}

TEST(UnescapeUnicode, DecodesEscapesToGbk) {
  const Text out = UnescapeUnicode(A("\\u6e56\\u5317"));
  EXPECT_EQ(out, T("湖北"));
  EXPECT_EQ(out.bytes(), "\xBA\xFE\xB1\xB1");
}

struct UnescapeCase {
  const char* inUtf8;
  const char* expectedUtf8;
};

TEST(UnescapeUnicode, LeavesEverythingElseAsItIs) {
  const UnescapeCase cases[] = {
      {"plain", "plain"},
      {"\\u0041BC", "ABC"},
      {"\\u00412", "A2"},                  // exactly four digits
      {"\\u12G4 \\u12", "\\u12G4 \\u12"},  // not escapes
      {"\\U6e56", "\\U6e56"},              // upper-case U is no escape
      {"a%20b%E8", "a%20b%E8"},            // percent forms stay
      {"it's \\u4e2d", "it's 中"},         // apostrophes stay
      {"line\r\n\\u4e2d", "line\r\n中"},   // line breaks stay
      {"\\\\u0041", "\\A"},                // the first backslash is plain text
      {"\\ud83d\\ude00!", "?!"},           // a pair GBK lacks becomes one '?'
      {"\\ud83d x \\ude00", "? x ?"},      // lone surrogates
      {"\\u20ac", "€"},                    // GBK (code page 936) has the euro sign
      {"\\u0e01", "?"},                    // Thai: not in GBK
      {"中文\\u6587", "中文文"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UnescapeUnicode(T(c.inUtf8)).toUtf8(), c.expectedUtf8) << c.inUtf8;
}

TEST(UnescapeUnicode, BackslashAsSecondByteOfACharacterStartsNoEscape) {
  // 0x95 0x5C is one GBK character whose second byte is a backslash.
  const Text in(std::string_view("\x95\x5Cu0041"));
  EXPECT_EQ(UnescapeUnicode(in), in);
}

TEST(PercentEncode, UpperCaseDigitsForEveryReservedByte) {
  EXPECT_EQ(PercentEncode("\xE8").bytes(), "%E8");
  EXPECT_EQ(PercentEncode("az-_.~09AZ").bytes(), "az-_.~09AZ");
  EXPECT_EQ(PercentEncode("a b&c=d/e?").bytes(), "a%20b%26c%3Dd%2Fe%3F");
  EXPECT_EQ(PercentEncode(std::string_view("\0\xFF", 2)).bytes(), "%00%FF");
  EXPECT_TRUE(PercentEncode("").isEmpty());
}

TEST(PercentEncode, QueriesAreEncodedAsUtf8) {
  EXPECT_EQ(PercentEncodeUtf8(T("湖北 G1")).bytes(), "%E6%B9%96%E5%8C%97%20G1");
}

DateTimeValue At(int y, int mo, int d, int h, int mi, int s) {
  return *DateTimeValue::fromFields(y, mo, d, h, mi, s);
}

TEST(FormatDateTime, TwelveHourClockWithoutMarker) {
  struct {
    DateTimeValue value;
    const char* expected;
  } cases[] = {
      {At(2020, 1, 31, 6, 42, 23), "2020/01/31 06:42:23"},
      {At(2020, 1, 31, 18, 42, 23), "2020/01/31 06:42:23"},
      {At(2021, 3, 5, 15, 5, 9), "2021/03/05 03:05:09"},
      {At(2021, 3, 5, 0, 0, 0), "2021/03/05 12:00:00"},
      {At(2021, 3, 5, 12, 0, 1), "2021/03/05 12:00:01"},
      {At(1899, 12, 29, 6, 0, 0), "1899/12/29 06:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.value).bytes(), c.expected);
}

TEST(FormatDateTime, EmptyOutsideTheCalendarRange) {
  EXPECT_TRUE(FormatDateTime(DateTimeValue(3e6)).isEmpty());
  EXPECT_TRUE(FormatDateTime(DateTimeValue(-1e6)).isEmpty());
  EXPECT_FALSE(FormatDateTime(DateTimeValue::now()).isEmpty());
}

TEST(Gbk, RoundTripsThroughUtf8AndUtf16) {
  const char* samples[] = {"湖北省武汉市", "确诊 123 例，疑似 4 例", "全角　空格"};
  for (const char* s : samples) {
    Text t = T(s);
    EXPECT_EQ(t.toUtf8(), s);
    EXPECT_EQ(Text::fromUtf16(t.toUtf16()), t);
    EXPECT_EQ(utf8ToGbk(gbkToUtf8(t.bytes())), t.bytes());
  }
}

}  // namespace
}  // namespace om
