#include "app/codepage.h"

#include <gtest/gtest.h>

#include <chrono>

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

// A fetched page may be all broken bytes, or all characters GBK lacks; each such byte or
// character once cost a pass over the rest of the input, so a megabyte took most of a minute.
TEST(CodePage, ConversionOfBadInputTakesLinearTime) {
  const std::string broken(1 << 20, '\xFF');
  std::string lacking;
  for (int i = 0; i < (1 << 18); ++i) lacking += "한";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(utf8ToGbk(broken), std::string(broken.size(), '?'));
  EXPECT_EQ(utf8ToGbk(lacking), std::string(1 << 18, '?'));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Decoding reads the input a window at a time: a character cut by a window's end is read
// whole, and only one cut off by the end of the input counts as broken.
TEST(CodePage, CharactersAcrossDecodingWindowsStayWhole) {
  const std::string zhongWenInGbk = "\xD6\xD0\xCE\xC4";
  for (size_t pad : {4093, 4094, 4095, 4096, 8191, 65535}) {
    const std::string ascii(pad, 'a');
    EXPECT_EQ(utf8ToGbk(ascii + "中文b"), ascii + zhongWenInGbk + 'b') << pad;
    EXPECT_EQ(gbkToUtf8(ascii + zhongWenInGbk + 'b'), ascii + "中文b") << pad;
    EXPECT_EQ(utf8ToGbk(ascii + "\xE4\xB8"), ascii + "??") << pad;
  }
}

// Each round after a broken byte costs a window, not the rest of the input, also where
// iconv checks the whole range it is handed on every call (as under AddressSanitizer).
TEST(CodePage, LongInputBrokenEverySecondByteDecodesInLinearTime) {
  std::string broken;
  std::string expected;
  for (int i = 0; i < (1 << 20); ++i) {
    broken += "a\xFF";
    expected += "a?";
  }
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(utf8ToGbk(broken), expected);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(CodePage, EmptyOrUnknownGivesEmpty) {
  EXPECT_EQ(ConvertCodePage("", kCodePageGbk, kCodePageUtf8), "");
  EXPECT_EQ(ConvertCodePage("abc", 12345, kCodePageUtf8), "");
  EXPECT_FALSE(convertCharset("abc", "no-such-charset", "UTF-8").has_value());
  EXPECT_EQ(ConvertCodePage("ab", kCodePageGbk, 1200), std::string("a\0b\0", 4));
}

}  // namespace
}  // namespace om
