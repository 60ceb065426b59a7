#include "app/text.h"

#include <gtest/gtest.h>

namespace om {
namespace {

Text A(const char* s) { return Text(std::string_view(s)); }

TEST(Text, NullAndEmptyCompareEqualAndEmptySortsFirst) {
  EXPECT_EQ(Text::plainCompare(Text(), A("")), 0);
  EXPECT_EQ(Text::plainCompare(Text(), A("a")), -1);
  EXPECT_EQ(Text::plainCompare(A("a"), Text()), 1);
  EXPECT_EQ((Text() + Text() + Text()).length(), 0);
}

TEST(Text, ZeroByteEndsText) {
  EXPECT_EQ(Text(std::string_view("ab\0cd", 5)).length(), 2);
}

TEST(Text, FindNeverMatchesOnSecondByteOfCharacter) {
  // 0xB0 0x5D is one character whose second byte is ']'.
  Text t(std::string_view("\xB0]x"));
  EXPECT_EQ(t.find(A("]")), -1);
  EXPECT_EQ(t.find(A("x")), 3);
  EXPECT_EQ(Text(std::string_view("a]\xB0]")).find(A("]"), 3), -1);
  // A run of two-byte characters resynchronises correctly.
  Text run(std::string_view("\xB0\xA1\xB0\xA1]"));
  EXPECT_EQ(run.find(A("]")), 5);
  EXPECT_EQ(run.find(Text(std::string_view("\xA1\xB0"))), -1);
}

TEST(Text, FindEdgeCases) {
  EXPECT_EQ(A("abc").find(Text(), 3), 1);
  EXPECT_EQ(Text().find(Text()), -1);
  EXPECT_EQ(A("abc").find(A("a"), 0), 1);
  EXPECT_EQ(A("abc").find(A("c"), 4), -1);
  EXPECT_EQ(A("aXbx").find(A("x"), 1, true), 2);
  EXPECT_EQ(A("abcabc").find(A("abc"), 2), 4);
}

TEST(Text, FindLastLooksWithinTheFirstStartMinusOneBytes) {
  Text t = A("abcabc");
  EXPECT_EQ(t.findLast(A("abc")), 4);
  EXPECT_EQ(t.findLast(A("abc"), 7), 4);
  EXPECT_EQ(t.findLast(A("abc"), 6), 1);
  EXPECT_EQ(t.findLast(A("abc"), 1), -1);
  EXPECT_EQ(t.findLast(A("zz")), -1);
  EXPECT_EQ(Text(std::string_view("]\xB0]")).findLast(A("]")), 1);
}

TEST(Text, LeftRightMid) {
  Text t = A("abc");
  EXPECT_EQ(t.left(2), A("ab"));
  EXPECT_EQ(t.left(9), t);
  EXPECT_TRUE(t.left(-1).isEmpty());
  EXPECT_EQ(t.right(2), A("bc"));
  EXPECT_TRUE(t.mid(0, 2).isEmpty());
  EXPECT_EQ(t.mid(2, 5), A("bc"));
  EXPECT_TRUE(t.mid(4, 1).isEmpty());
  EXPECT_TRUE(t.mid(1, 0).isEmpty());
}

TEST(Text, ReplaceRespectsStartCountCaseAndCharacterStarts) {
  EXPECT_EQ(A("aaa").replaced(A("a"), A("b")), A("bbb"));
  EXPECT_EQ(A("aaa").replaced(A("a"), A("b"), 2), A("abb"));
  EXPECT_EQ(A("aaa").replaced(A("a"), A("b"), 1, 1), A("baa"));
  EXPECT_EQ(A("aAa").replaced(A("a"), A("b"), 1, -1, false), A("bbb"));
  EXPECT_EQ(A("aAa").replaced(A("a"), A("b")), A("bAb"));
  EXPECT_EQ(A("aaa").replaced(A("aa"), A("x")), A("xa"));
  EXPECT_EQ(A("abc").replaced(Text(), A("x")), A("abc"));
  EXPECT_EQ(A("abc").replaced(A("b"), A("x"), 1, 0), A("abc"));
  EXPECT_EQ(A("abc").replaced(A("b"), A("x"), 9), A("abc"));
  EXPECT_EQ(A("abc").replaced(A("b")), A("ac"));
  Text hidden(std::string_view("\xB0]]"));
  EXPECT_EQ(hidden.replaced(A("]"), A("x")), Text(std::string_view("\xB0]x")));
}

TEST(Text, SplitKeepsEmptyPiecesButNoTrailingOne) {
  auto pieces = A("a,,b,").split();
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0], A("a"));
  EXPECT_TRUE(pieces[1].isEmpty());
  EXPECT_EQ(pieces[2], A("b"));
  EXPECT_EQ(A("a,,b,").split(A(","), 2).size(), 2u);
  EXPECT_TRUE(A("a,b").split(A(","), -3).empty());
  EXPECT_TRUE(Text().split().empty());
  ASSERT_EQ(A("a,b").split(Text()).size(), 1u);
  EXPECT_EQ(A("a<>b").split(A("<>"))[1], A("b"));
  EXPECT_EQ(A(",a").split().size(), 2u);
}

TEST(Text, TrimRemovesAsciiAndFullWidthSpaces) {
  EXPECT_EQ(Text(std::string_view("\xA1\xA1 a b \xA1\xA1")).trimmed(), A("a b"));
  EXPECT_TRUE(A("   ").trimmed().isEmpty());
  // The second byte of 0xB0 0xA1 followed by 0xA1 is no full-width space.
  Text tricky(std::string_view("\xB0\xA1\xA1\xA1"));
  EXPECT_EQ(tricky.trimmed(), Text(std::string_view("\xB0\xA1")));
}

TEST(Text, CaseChangesOnlyAsciiLettersNotSecondBytes) {
  // 0x81 0x61 is a character whose second byte is 'a'.
  Text t(std::string_view("a\x81\x61z"));
  EXPECT_EQ(t.toUpper(), Text(std::string_view("A\x81\x61Z")));
  EXPECT_EQ(A("AbC").toLower(), A("abc"));
}

TEST(Text, CompareWholeCharactersAndCase) {
  EXPECT_EQ(Text::compare(A("abc"), A("abc")), 0);
  EXPECT_LT(Text::compare(A("ab"), A("abc")), 0);
  EXPECT_GT(Text::compare(T("中"), A("z")), 0);
  EXPECT_NE(Text::compare(A("ABC"), A("abc")), 0);
  EXPECT_EQ(Text::compare(A("ABC"), A("abc"), false), 0);
  EXPECT_TRUE(A("abc").startsWith(A("ab")));
  EXPECT_TRUE(A("abc").startsWith(Text()));
  EXPECT_FALSE(A("ab").startsWith(A("abc")));
}

TEST(Text, ToIntegerReadsFullWidthDigitsSignAndStopsAtOtherCharacters) {
  EXPECT_EQ(T("１２３").toInteger(), 123);
  EXPECT_EQ(A("12ab").toInteger(), 12);
  EXPECT_EQ(A("  -42").toInteger(), -42);
  EXPECT_EQ(T("－７").toInteger(), -7);
  EXPECT_EQ(A("abc").toInteger(), 0);
  EXPECT_EQ(A("99999999999").toInteger(), INT32_MAX);
  EXPECT_EQ(A("99999999999").toLong(), 99999999999LL);
}

TEST(Text, Utf8RoundTripThroughGbk) {
  Text t = T("湖北确诊：12");
  EXPECT_EQ(t.length(), 12);
  EXPECT_EQ(t.toUtf8(), "湖北确诊：12");
  EXPECT_EQ(Text::fromUtf16(t.toUtf16()), t);
}

}  // namespace
}  // namespace om
