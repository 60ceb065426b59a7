#include "data/regex_object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/structured/text_printer.h"

namespace om {
namespace {

const char* const kNewsPattern =
    "{.*?#引号eventDescription#引号:#引号(.*?)#引号,#引号eventTime#引号:#引号(.*?)#引号,"
    "#引号eventUrl#引号:#引号(.*?)#引号.*?#引号siteName#引号:#引号(.*?)#引号}";
const char* const kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

TEST(RegexObjectTest, NewsPatternFindsEveryItemWithItsFourGroups) {
  const Text page =
      T(R"(var list=[{"eventDescription":"武汉新增病例","eventTime":"1580000000",)"
        R"("eventUrl":"http://n.example/1","pic":{"w":1},"siteName":"新华网"},)"
        R"({"eventDescription":"second","eventTime":"1580000100","eventUrl":"http://n.example/2",)"
        R"("siteName":"人民网"}];)");
  RegexObject re;
  ASSERT_TRUE(re.Search(T(kNewsPattern), page, false, false, false, true));
  ASSERT_EQ(re.MatchCount(), 2);
  const std::vector<std::vector<std::string>> expected = {
      {"武汉新增病例", "1580000000", "http://n.example/1", "新华网"},
      {"second", "1580000100", "http://n.example/2", "人民网"}};
  for (int m = 0; m < 2; ++m) {
    EXPECT_EQ(re.GroupCount(m), 4);
    for (int g = 1; g <= 4; ++g) EXPECT_EQ(re.GroupText(m, g), T(expected[m][g - 1])) << m << g;
    EXPECT_TRUE(re.MatchText(m).startsWith(T("{")));
  }
  EXPECT_EQ(re.MatchText(1).right(2), T("\"}"));
}

TEST(RegexObjectTest, NewsPatternWithoutGlobalFindsOnlyTheFirstItem) {
  const Text page = T(R"({"eventDescription":"a","eventTime":"1","eventUrl":"u","siteName":"s"})"
                      R"({"eventDescription":"b","eventTime":"2","eventUrl":"v","siteName":"t"})");
  RegexObject re;
  ASSERT_TRUE(re.Search(T(kNewsPattern), page));
  ASSERT_EQ(re.MatchCount(), 1);
  EXPECT_EQ(re.GroupText(0, 1), T("a"));
}

TEST(RegexObjectTest, CharsetPatternReadsTheDeclaredCharset) {
  struct Case {
    const char* page;
    const char* charset;  // nullptr: no match
  };
  const Case cases[] = {
      {"<html><head><meta charset=utf-8><title>x</title>", "utf-8"},
      {"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">", "gb2312"},
      {"<head><meta charset=\"UTF-8\"/>", "UTF-8"},
      {"<head><title>none</title></head><body>charset=utf-8</body>", nullptr},
  };
  for (const Case& c : cases) {
    RegexObject re;
    ASSERT_TRUE(re.Search(T(kCharsetPattern), T(c.page), true));
    if (c.charset) {
      ASSERT_EQ(re.MatchCount(), 1) << c.page;
      EXPECT_EQ(re.GroupText(0, 1), T(c.charset)) << c.page;
    } else {
      EXPECT_EQ(re.MatchCount(), 0) << c.page;
      EXPECT_EQ(re.GroupText(0, 1), Text()) << c.page;
    }
  }
}

TEST(RegexObjectTest, WordClassIsAsciiOnly) {
  RegexObject re;
  ASSERT_TRUE(re.Search(T("\\w+"), T("中文ab_9é字"), false, false, false, true));
  ASSERT_EQ(re.MatchCount(), 1);
  EXPECT_EQ(re.MatchText(0), T("ab_9"));
  // So a Chinese character counts as a non-word character.
  ASSERT_TRUE(re.Search(T("[^\\w]"), T("a中")));
  EXPECT_EQ(re.MatchText(0), T("中"));
  ASSERT_TRUE(re.Search(T("\\d+"), T("１２34")));
  EXPECT_EQ(re.MatchText(0), T("34"));
}

struct PatternCase {
  const char* pattern;
  const char* subject;
  bool multiLine;
  int count;          // global matches
  const char* first;  // text of the first match when count > 0
};

TEST(RegexObjectTest, ComponentSyntaxTable) {
  const PatternCase cases[] = {
      {"{a}", "x{a}y", false, 1, "{a}"},         // braces that are no count stand for themselves
      {"a{2}", "aaa", false, 1, "aa"},           // a real count
      {"a{2,}", "aaaa", false, 1, "aaaa"},       //
      {"a{1,2}", "aaa", false, 2, "aa"},         //
      {"a{,2}", "a{,2}", false, 1, "a{,2}"},     // no lower bound: literal
      {"x}", "x}", false, 1, "x}"},              //
      {"c$", "abc\n", false, 0, ""},             // end means the very end
      {"c$", "abc", false, 1, "c"},              //
      {"c$", "abc\nxc", true, 2, "c"},           // multi-line: before each line feed
      {"^x", "a\nx", false, 0, ""},              //
      {"^x", "a\nx", true, 1, "x"},              //
      {"a.b", "a\rb", false, 1, "a\rb"},         // a full stop matches a carriage return
      {"a.b", "a\nb", false, 0, ""},             // but never a line feed
      {"\\u4e2d", "中文", false, 1, "中"},       // \u escapes
      {"a\\vb", "a\vb", false, 1, "a\vb"},       //
      {"a[]b", "ab", false, 0, ""},              // empty class matches nothing
      {"a[^]b", "a\nb", false, 1, "a\nb"},       // negated empty class matches anything
      {"[[]", "[", false, 1, "["},               //
      {"\\s+", "a \t\n b", false, 1, " \t\n "},  //
      {"", "ab", false, 3, ""},                  // empty matches advance one place each
      {"\\i\\A\\e", "xiAe", false, 1, "iAe"},    // letters with no escape meaning
      {"\\x4", "x4", false, 1, "x4"},            // \x without two hex digits
      {"\\x41", "A", false, 1, "A"},             //
  };
  for (const PatternCase& c : cases) {
    RegexObject re;
    ASSERT_TRUE(re.Search(T(c.pattern), T(c.subject), false, c.multiLine, false, true))
        << c.pattern;
    EXPECT_EQ(re.MatchCount(), c.count) << c.pattern << " over " << c.subject;
    if (c.count > 0) {
      EXPECT_EQ(re.MatchText(0), T(c.first)) << c.pattern;
    }
  }
}

TEST(RegexObjectTest, SingleLineOptionChangesNothing) {
  for (bool singleLine : {false, true}) {
    RegexObject re;
    ASSERT_TRUE(re.Search(T("a.b"), T("a\nb a-b"), false, false, singleLine, true));
    ASSERT_EQ(re.MatchCount(), 1);
    EXPECT_EQ(re.MatchText(0), T("a-b"));
  }
}

TEST(RegexObjectTest, IgnoreCaseOption) {
  RegexObject re;
  ASSERT_TRUE(re.Search(T("abc"), T("xABC"), false));
  EXPECT_EQ(re.MatchCount(), 0);
  ASSERT_TRUE(re.Search(T("abc"), T("xABC"), true));
  EXPECT_EQ(re.MatchText(0), T("ABC"));
}

TEST(RegexObjectTest, PlaceholderStandsForADoubleQuoteOnly) {
  RegexObject re;
  ASSERT_TRUE(re.Search(T("#引号(\\w+)#引号"), T("say \"hi\"")));
  EXPECT_EQ(re.GroupText(0, 1), T("hi"));
  // A pattern without the placeholder is used as it is.
  ASSERT_TRUE(re.Search(T("#引(\\d)"), T("x#引7")));
  EXPECT_EQ(re.MatchText(0), T("#引7"));
  ASSERT_TRUE(re.Search(T("#引号"), T("#引号")));
  EXPECT_EQ(re.MatchCount(), 0);
}

TEST(RegexObjectTest, PositionsCountUtf16UnitsFromZero) {
  RegexObject re;
  ASSERT_TRUE(re.Search(T("b"), T("中文ab中b"), false, false, false, true));
  ASSERT_EQ(re.MatchCount(), 2);
  EXPECT_EQ(re.MatchPosition(0), 3);
  EXPECT_EQ(re.MatchPosition(1), 5);
}

TEST(RegexObjectTest, ReadingsOutOfRangeAreEmpty) {
  RegexObject fresh;
  EXPECT_EQ(fresh.MatchCount(), 0);
  EXPECT_EQ(fresh.MatchText(0), Text());
  EXPECT_EQ(fresh.MatchPosition(0), 0);
  EXPECT_EQ(fresh.GroupText(0, 1), Text());
  EXPECT_EQ(fresh.GroupCount(0), 0);
  EXPECT_EQ(fresh.ReplaceText(T("abc"), T("x")), Text());

  RegexObject re;
  ASSERT_TRUE(re.Search(T("(a)(b)?"), T("a a"), false, false, false, true));
  ASSERT_EQ(re.MatchCount(), 2);
  EXPECT_EQ(re.MatchText(2), Text());
  EXPECT_EQ(re.MatchText(-1), Text());
  EXPECT_EQ(re.GroupText(0, 0), Text());
  EXPECT_EQ(re.GroupText(0, 3), Text());
  EXPECT_EQ(re.GroupText(0, 2), Text());  // took no part
  EXPECT_EQ(re.GroupCount(0), 2);
  EXPECT_EQ(re.GroupCount(2), 0);

  ASSERT_TRUE(re.Search(T("z"), T("abc")));
  EXPECT_EQ(re.MatchCount(), 0);
  EXPECT_EQ(re.MatchText(0), Text());
}

TEST(RegexObjectTest, RejectedPatternLeavesNoMatches) {
  RegexObject re;
  ASSERT_TRUE(re.Search(T("a"), T("aaa"), false, false, false, true));
  ASSERT_EQ(re.MatchCount(), 3);
  for (const char* bad : {"(a", "a)", "[a", "*a", "a**", "\\"}) {
    EXPECT_FALSE(re.Search(T(bad), T("aaa"), false, false, false, true)) << bad;
    EXPECT_EQ(re.MatchCount(), 0) << bad;
    EXPECT_EQ(re.ReplaceText(T("aaa"), T("b")), Text()) << bad;
  }
}

TEST(RegexObjectTest, ReplacementSyntaxTable) {
  struct Case {
    const char* pattern;
    bool global;
    const char* text;
    const char* replacement;
    const char* result;
  };
  const Case cases[] = {
      {"(\\d+)-(\\d+)", false, "1-2 3-4", "$2-$1", "2-1 3-4"},
      {"(\\d+)-(\\d+)", true, "1-2 3-4", "$2-$1", "2-1 4-3"},
      {"b", true, "abc", "[$&]", "a[b]c"},
      {"b", true, "abc", "[$`]", "a[a]c"},
      {"b", true, "abc", "[$']", "a[c]c"},
      {"b", true, "abc", "$$", "a$c"},
      {"b", true, "abc", "$0$9", "a$0$9c"},      // no such groups: kept as they are
      {"(b)", true, "abc", "$10", "ab0c"},       // one group: $1 then "0"
      {"(a)|(b)", true, "ab", "<$2>", "<><b>"},  // a group not taking part is empty
      {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", true, "abcdefghij", "$10$1", "ja"},
      {"中", true, "中文中", "汉", "汉文汉"},
      {"x*", true, "axb", "-", "-a--b-"},
      {"q", true, "abc", "z", "abc"},
  };
  for (const Case& c : cases) {
    RegexObject re;
    ASSERT_TRUE(re.Search(T(c.pattern), T("unused"), false, false, false, c.global));
    EXPECT_EQ(re.ReplaceText(T(c.text), T(c.replacement)), T(c.result))
        << c.pattern << " / " << c.replacement;
  }
}

TEST(RegexObjectTest, CopiesShareTheMatches) {
  RegexObject original;
  ASSERT_TRUE(original.Search(T("\\d"), T("a1b2"), false, false, false, true));
  RegexObject copy = original;
  EXPECT_EQ(copy.MatchCount(), 2);
  EXPECT_EQ(copy.MatchText(1), T("2"));
  EXPECT_EQ(copy.ReplaceText(T("x9y8"), T("#")), T("x#y#"));
  // A new search on the copy replaces the copy's matches, not the original's.
  ASSERT_TRUE(copy.Search(T("b"), T("b")));
  EXPECT_EQ(copy.MatchCount(), 1);
  EXPECT_EQ(original.MatchCount(), 2);
}

TEST(RegexObjectTest, MatchLimitStopsAGlobalSearch) {
  RegexObject regex;
  regex.SetMatchLimit(3);
  ASSERT_TRUE(regex.Search(T("a(\\d)"), T("a1 a2 a3 a4 a5"), false, false, false, true));
  EXPECT_EQ(regex.MatchCount(), 3);
  EXPECT_EQ(regex.GroupText(2, 1), T("3"));
  regex.SetMatchLimit(0);
  ASSERT_TRUE(regex.Search(T("a(\\d)"), T("a1 a2 a3 a4 a5"), false, false, false, true));
  EXPECT_EQ(regex.MatchCount(), 5);
}

}  // namespace
}  // namespace om
