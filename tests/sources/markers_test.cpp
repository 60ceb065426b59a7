#include "net/sources/markers.h"

#include <gtest/gtest.h>

namespace om {
namespace {

struct CutCase {
  const char* text;
  const char* start;
  const char* end;
  const char* expected;
};

TEST(CutBetween, TakesTheTextAfterTheFirstStartUpToTheFirstEndAfterIt) {
  const CutCase cases[] = {
      {"a[1]b[2]", "[", "]", "1"},
      {"end]a[1]", "[", "]", "1"},  // an end before the start does not count
      {"a[1", "[", "]", ""},        // no end marker
      {"a1]", "[", "]", ""},        // no start marker
      {"[]", "[", "]", ""},
      {"前缀：值：后缀", "前缀：", "：", "值"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CutBetween(T(c.text), T(c.start), T(c.end)), T(c.expected)) << c.text;
}

struct CountCase {
  const char* text;
  const char* expected;
};

TEST(CountAfter, ReadsTheDigitsUpToTheNextCommaOrTheEndOfTheObject) {
  const CountCase cases[] = {
      {R"({"n":123,"m":4})", "123"},
      {R"({"m":4,"n":123})", "123"},    // last member: ends at the brace
      {R"([{"n":7}])", "7"},            // ... or at a bracket
      {R"({"n":"456","m":1})", "456"},  // a count sent as a string
      {R"({"n": 12 ,"m":1})", "12"},    // blanks around the value
      {R"({"n":-3,"m":1})", "-3"},      // a fall against the day before
      {R"({"n":"+30","m":1})", "+30"},
      {R"({"n":null,"m":1})", ""},
      {R"({"n":"","m":1})", ""},
      {R"({"n":"many","m":1})", ""},
      {R"({"n":{"x":1},"m":1})", ""},  // a nested value is no count
      {R"({"n":1.5,"m":1})", ""},
      {R"({"m":1})", ""},           // missing member
      {R"({"xn":99,"n":5})", "5"},  // a longer key ending in the name is not the name
      {R"("n":42)", "42"},          // text ends after the value
  };
  for (const auto& c : cases)
    EXPECT_EQ(CountAfter(T(c.text), NumberMember("n")), T(c.expected)) << c.text;
}

TEST(QuotedAfter, ReadsAStringMemberUpToItsClosingQuote) {
  EXPECT_EQ(QuotedAfter(T(R"({"name":"武汉","n":1})"), StringMember("name")), T("武汉"));
  EXPECT_EQ(QuotedAfter(T(R"({"name":"","n":1})"), StringMember("name")), Text());
  EXPECT_EQ(QuotedAfter(T(R"({"name":1})"), StringMember("name")), Text());
  EXPECT_EQ(QuotedAfter(T(R"({"name":"unterminated)"), StringMember("name")), Text());
}

TEST(ContainerEnd, FindsTheMatchingCloseAcrossStringsAndNesting) {
  std::string json = R"({"a":[1,{"b":"}]"}],"c":"x\"}"}tail)";
  EXPECT_EQ(ContainerEnd(json, 0), json.size() - 4);
  EXPECT_EQ(ContainerEnd(R"({"a":[1,2})", 0), std::string_view::npos);
  EXPECT_EQ(ContainerEnd(R"({"a":"})", 0), std::string_view::npos);
}

TEST(ContainerEnd, StepsOverGbkCharactersWhoseSecondByteLooksLikeABackslashOrBrace) {
  // 乗 is 0x81 0x5C in GBK and 亄 is 0x81 0x7B: neither second byte escapes or opens.
  Text object = T(R"({"name":"乗","other":"亄"}{"next":1})");
  ASSERT_EQ(object.bytes()[10], '\\');
  EXPECT_EQ(ContainerEnd(object.bytes(), 0),
            static_cast<size_t>(T(R"({"name":"乗","other":"亄"})").length()));
}

TEST(OwnLevel, LeavesNestedContainersOutSoTheirKeysCannotBeRead) {
  EXPECT_EQ(OwnLevel(R"({"a":1,"kids":[{"n":2}],"m":{"n":3},"n":4} trailing)"),
            R"({"a":1,"kids":[],"m":{},"n":4})");
  EXPECT_EQ(OwnLevel(R"({"s":"[{not nested}]","n":1})"), R"({"s":"[{not nested}]","n":1})");
  EXPECT_EQ(OwnLevel(R"({"a":1,"kids":[{"n":2})"), R"({"a":1,"kids":[])");
}

}  // namespace
}  // namespace om
