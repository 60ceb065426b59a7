#include "app/codepage.h"

#include <gtest/gtest.h>

namespace om {
namespace {

TEST(CodePage, GbkAndUtf8RoundTrip) {
  std::string gbk = utf8ToGbk("武汉加油");
  EXPECT_EQ(gbk, "\xCE\xE4\xBA\xBA\xBC\xD3\xD3\xCD");
  EXPECT_EQ(gbkToUtf8(gbk), "武汉加油");
  EXPECT_EQ(ConvertCodePage(gbk, kCodePageGbk, kCodePageUtf8), "武汉加油");
  EXPECT_EQ(ConvertCodePage("武汉", kCodePageUtf8, kCodePageGbk), utf8ToGbk("武汉"));
}

TEST(CodePage, CharacterGbkLacksBecomesQuestionMark) {
  EXPECT_EQ(utf8ToGbk("a한b"), "a?b");
  EXPECT_EQ(utf16ToGbk(u"x\U0001F600y"), "x?y");
  EXPECT_EQ(Text::fromUtf16(u"\xD800z").bytes(), "?z");
}

TEST(CodePage, MalformedInputDoesNotStopConversion) {
  EXPECT_EQ(gbkToUtf8("a\xFF"), "a\xEF\xBF\xBD");
  EXPECT_EQ(utf8ToGbk("a\xC3(b"), "a?(b");
}

TEST(CodePage, EmptyOrUnknownGivesEmpty) {
  EXPECT_EQ(ConvertCodePage("", kCodePageGbk, kCodePageUtf8), "");
  EXPECT_EQ(ConvertCodePage("abc", 12345, kCodePageUtf8), "");
  EXPECT_FALSE(convertCharset("abc", "no-such-charset", "UTF-8").has_value());
  EXPECT_EQ(ConvertCodePage("ab", kCodePageGbk, 1200), std::string("a\0b\0", 4));
}

}  // namespace
}  // namespace om
