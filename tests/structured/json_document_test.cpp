#include "data/json_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/structured/text_printer.h"

namespace om {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

class JsonDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc_.HasEngine()); }
  void load(const char* json) { ASSERT_TRUE(doc_.Parse(T(json))) << json; }
  JsonDocument doc_;
};

TEST_F(JsonDocumentTest, StartsWithAnEmptyObject) {
  EXPECT_EQ(doc_.ToJsonText(Text()), T("{}"));
  EXPECT_EQ(doc_.TypeOf(Text()), JsonType::Object);
}

TEST_F(JsonDocumentTest, StoredPlainTextReadsBackUnchanged) {
  const Text plain = T("a\\b\\\\c 'q' \"d\" \r\n中文 \\u4e2d end\\");
  ASSERT_TRUE(doc_.SetText(T("a"), plain));
  EXPECT_EQ(doc_.GetText(T("a")), plain);
  ASSERT_TRUE(doc_.SetText(T("list"), Text()));
  EXPECT_EQ(doc_.GetText(T("list")), Text());
}

TEST_F(JsonDocumentTest, StoredBackslashesAreWrittenOutAsTheyAre) {
  ASSERT_TRUE(doc_.SetText(T("a"), T("\\u4e2d")));
  EXPECT_EQ(doc_.ToJsonText(Text()), T("{\"a\":\"\\u4e2d\"}"));
  EXPECT_EQ(doc_.ToJsonText(T("a")), T("\"\\u4e2d\""));
}

TEST_F(JsonDocumentTest, ParsedBackslashesAreOrdinaryCharacters) {
  load(R"({"a":"x\\y","b":"\u4e2d\/"})");
  EXPECT_EQ(doc_.GetText(T("a")), T("x\\y"));
  EXPECT_EQ(doc_.ToJsonText(T("a")), T(R"("x\\y")"));
  EXPECT_EQ(doc_.GetText(T("b")), T("中/"));
}

TEST_F(JsonDocumentTest, ParseAcceptsScriptExpressionsAndRejectsBrokenText) {
  struct Case {
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {R"({"a":1})", true},
      {"{a: 1, b: 'two'}", true},  // names without quotes, texts in apostrophes
      {"[1,2] // trailing comment", true},
      {"\r\n{\"a\":\r\n[1]}\r\n", true},
      {"false", true},
      {"0", true},
      {R"("text")", true},
      {R"({"a":})", false},
      {"{", false},
      {"", false},
      {"   ", false},
      {"null", false},
      {"undefined", false},
      {"missingName", false},
      {"(function () { throw 1; })()", false},
  };
  for (const Case& c : cases) {
    JsonDocument doc;
    EXPECT_EQ(doc.Parse(T(c.text)), c.ok) << c.text;
  }
}

TEST_F(JsonDocumentTest, FailedParseKeepsTheRoot) {
  load(R"({"keep":"me"})");
  for (const char* bad : {"{", "null", "nope.x", "undefined"}) {
    EXPECT_FALSE(doc_.Parse(T(bad))) << bad;
    EXPECT_EQ(doc_.GetText(T("keep")), T("me")) << bad;
  }
}

TEST_F(JsonDocumentTest, TopLevelTextIsLoadedNotRunAgain) {
  load(R"("json__root = 5")");
  EXPECT_EQ(doc_.TypeOf(Text()), JsonType::String);
  EXPECT_EQ(doc_.GetText(Text()), T("json__root = 5"));
}

TEST_F(JsonDocumentTest, ReadsElementPathsOfTheSources) {
  load(R"({"newslist":[{"date":"2020-01-01","title":"一"},{"date":"2020-02-02","title":"二"}]})");
  EXPECT_EQ(doc_.ItemCount(T("newslist")), 2);
  EXPECT_EQ(doc_.GetText(T("newslist[1].date")), T("2020-02-02"));
  EXPECT_EQ(doc_.GetText(T("newslist") + T("[") + T("0") + T("].title")), T("一"));
  EXPECT_EQ(doc_.ItemJsonText(T("newslist"), 0), T(R"({"date":"2020-01-01","title":"一"})"));
}

TEST_F(JsonDocumentTest, ReadsOfOneShapeFollowIndexAndCurrentRoot) {
  load(R"({"l":[{"t":"a"},{"t":"b"},{"n":1}]})");
  EXPECT_EQ(doc_.GetText(T("l[0].t")), T("a"));
  EXPECT_EQ(doc_.GetText(T("l[1].t")), T("b"));
  EXPECT_EQ(doc_.GetText(T("l[2].t")), Text());  // missing member: the read throws
  EXPECT_EQ(doc_.GetText(T("l[9].t")), Text());
  EXPECT_EQ(doc_.GetText(T("l[1].t")), T("b"));
  load(R"({"l":[{"t":"new"}]})");
  EXPECT_EQ(doc_.GetText(T("l[0].t")), T("new"));
  EXPECT_EQ(doc_.GetText(T("l[1].t")), Text());
  EXPECT_TRUE(doc_.IsNull(T("l[1]")));
  EXPECT_FALSE(doc_.IsNull(T("l[0]")));
}

TEST_F(JsonDocumentTest, MissingPathsGiveEmptyResults) {
  load(R"({"o":{"x":1},"l":[1,2,3],"n":5,"s":"t","z":null})");
  EXPECT_EQ(doc_.GetText(T("nope.a.b")), Text());
  EXPECT_EQ(doc_.ItemCount(T("nope.a")), 0);
  EXPECT_EQ(doc_.MemberNames(T("nope.a")), Text());
  EXPECT_EQ(doc_.ToJsonText(T("nope")), Text());
  EXPECT_EQ(doc_.TypeOf(T("nope.a")), JsonType::None);
  EXPECT_EQ(doc_.ItemCount(T("o")), 0);
  EXPECT_EQ(doc_.MemberNames(T("l")), Text());
  EXPECT_EQ(doc_.ItemText(T("l"), 3), Text());
  EXPECT_EQ(doc_.ItemText(T("l"), -1), Text());
  EXPECT_EQ(doc_.GetText(T("n")), Text());  // a number is no text
  EXPECT_EQ(doc_.GetText(T("z")), Text());
  EXPECT_EQ(doc_.GetText(T("bad path(")), Text());
  EXPECT_EQ(doc_.ItemText(T("l"), 0), Text());  // elements that are numbers
}

TEST_F(JsonDocumentTest, TypeOfTellsTheFiveKinds) {
  load(R"({"s":"t","a":[],"o":{},"n":1.5,"b":false,"z":null})");
  const std::pair<const char*, JsonType> cases[] = {
      {"s", JsonType::String},    {"a", JsonType::Array},   {"o", JsonType::Object},
      {"n", JsonType::Number},    {"b", JsonType::Boolean}, {"z", JsonType::None},
      {"missing", JsonType::None}};
  for (const auto& [path, type] : cases) EXPECT_EQ(doc_.TypeOf(T(path)), type) << path;
}

TEST_F(JsonDocumentTest, IsNullForNullAndMissingMembers) {
  load(R"({"z":null,"n":0,"s":""})");
  EXPECT_TRUE(doc_.IsNull(T("z")));
  EXPECT_TRUE(doc_.IsNull(T("missing")));
  EXPECT_FALSE(doc_.IsNull(T("n")));
  EXPECT_FALSE(doc_.IsNull(T("s")));
  EXPECT_FALSE(doc_.IsNull(T("missing.deeper")));  // the statement fails
}

TEST_F(JsonDocumentTest, MemberNamesListsTheFirstLevel) {
  load(R"({"b":1,"a":{"inner":2},"c":[3]})");
  EXPECT_EQ(doc_.MemberNames(Text()), T("b\r\na\r\nc"));
  EXPECT_EQ(doc_.MemberNames(T("a")), T("inner"));
}

TEST_F(JsonDocumentTest, AppendMakesAnArrayWhereNoneIs) {
  load(R"({"n":5,"l":[1]})");
  ASSERT_TRUE(doc_.Append(T("missing"), T("{\"k\":1}")));
  EXPECT_EQ(doc_.ToJsonText(T("missing")), T(R"([{"k":1}])"));
  ASSERT_TRUE(doc_.Append(T("n"), T("'x'")));
  EXPECT_EQ(doc_.ToJsonText(T("n")), T(R"(["x"])"));
  ASSERT_TRUE(doc_.Append(T("l"), T("2")));
  EXPECT_EQ(doc_.ItemCount(T("l")), 2);
  EXPECT_FALSE(doc_.Append(T("l"), T("[")));
  EXPECT_EQ(doc_.ItemCount(T("l")), 2);
}

TEST_F(JsonDocumentTest, RemoveItemShiftsTheLaterElements) {
  load(R"({"l":["a","b","c"]})");
  ASSERT_TRUE(doc_.RemoveItem(T("l"), 0));
  EXPECT_EQ(doc_.ItemCount(T("l")), 2);
  EXPECT_EQ(doc_.ItemText(T("l"), 0), T("b"));
  EXPECT_FALSE(doc_.RemoveItem(T("l"), -1));
  EXPECT_EQ(doc_.ItemCount(T("l")), 2);
}

TEST_F(JsonDocumentTest, DeleteMemberRemovesIt) {
  load(R"({"a":1,"b":2})");
  ASSERT_TRUE(doc_.DeleteMember(T("a")));
  EXPECT_EQ(doc_.MemberNames(Text()), T("b"));
  EXPECT_TRUE(doc_.IsNull(T("a")));
}

TEST_F(JsonDocumentTest, SettersWriteValues) {
  ASSERT_TRUE(doc_.SetValue(T("v"), T("[1,{\"x\":true}]")));
  ASSERT_TRUE(doc_.SetNull(T("z")));
  ASSERT_TRUE(doc_.SetEmptyObject(T("o")));
  ASSERT_TRUE(doc_.SetItem(T("v"), 0, T("'first'")));
  ASSERT_TRUE(doc_.SetText(T("o.t"), T("中")));
  EXPECT_EQ(doc_.ToJsonText(Text()), T(R"({"v":["first",{"x":true}],"z":null,"o":{"t":"中"}})"));
  EXPECT_EQ(doc_.ItemText(T("v"), 0), T("first"));
  EXPECT_FALSE(doc_.SetValue(T("v"), T("{")));
  EXPECT_FALSE(doc_.SetItem(T("v"), -1, T("1")));
  EXPECT_FALSE(doc_.SetText(T("missing.deeper"), T("x")));
  EXPECT_EQ(doc_.ItemCount(T("v")), 2);
}

TEST_F(JsonDocumentTest, ExtendMergesIntoTheTarget) {
  load(R"({"o":{"a":"x","p":{"q":1}},"l":[1]})");
  ASSERT_TRUE(doc_.Extend(T("o"), T(R"({"a":"y","p":{"r":2},"n":true})")));
  EXPECT_EQ(doc_.ToJsonText(T("o")), T(R"({"a":"y","p":{"q":1,"r":2},"n":true})"));
  ASSERT_TRUE(doc_.Extend(T("l"), T("[2,3]")));
  EXPECT_EQ(doc_.ToJsonText(T("l")), T("[1,2,3]"));
  EXPECT_FALSE(doc_.Extend(T("o"), T("{")));
}

TEST_F(JsonDocumentTest, WritesChineseAsItIsWithoutWhiteSpace) {
  load("{ \"城市\" : [ \"武汉\" , { \"确诊\" : 1 } ] }");
  EXPECT_EQ(doc_.ToJsonText(Text()), T(R"({"城市":["武汉",{"确诊":1}]})"));
}

TEST_F(JsonDocumentTest, CharactersGbkLacksBecomeQuestionMarks) {
  load(R"({"a":"x\uD55Cy"})");
  EXPECT_EQ(doc_.GetText(T("a")), T("x?y"));
  EXPECT_EQ(doc_.ToJsonText(T("a")), T("\"x?y\""));
}

TEST_F(JsonDocumentTest, CopiesShareTheEngine) {
  JsonDocument copy = doc_;
  ASSERT_TRUE(copy.SetText(T("shared"), T("yes")));
  EXPECT_EQ(doc_.GetText(T("shared")), T("yes"));
  ASSERT_TRUE(doc_.Parse(T("[1]")));
  EXPECT_EQ(copy.ItemCount(Text()), 1);
}

TEST_F(JsonDocumentTest, EveryDocumentHasItsOwnEngine) {
  JsonDocument other;
  ASSERT_TRUE(other.SetText(T("a"), T("x")));
  EXPECT_EQ(doc_.ToJsonText(Text()), T("{}"));
}

TEST_F(JsonDocumentTest, EndlessScriptIsStoppedAndTheEngineServesOn) {
  doc_.SetTimeLimit(milliseconds(300));
  load(R"({"before":"ok"})");
  // Parse refuses script at once; the program's own values still run under the limit.
  EXPECT_FALSE(doc_.Parse(T("(function () { for (;;) {} })()")));
  const auto start = Clock::now();
  EXPECT_FALSE(doc_.SetValue(T("x"), T("(function () { for (;;) {} })()")));
  const auto took = Clock::now() - start;
  EXPECT_GE(took, milliseconds(250));
  EXPECT_LT(took, milliseconds(1500));
  EXPECT_EQ(doc_.GetText(T("before")), T("ok"));
  EXPECT_FALSE(doc_.SetValue(T("x"), T("(function () { while (true) {} })()")));
  load(R"({"after":["fine"]})");
  EXPECT_EQ(doc_.ItemText(T("after"), 0), T("fine"));
}

TEST_F(JsonDocumentTest, OversizedTextIsRefusedQuickly) {
  const std::string big = "[\"" + std::string(JsonDocument::kMaxTextBytes, 'x') + "\"]";
  const auto start = Clock::now();
  EXPECT_FALSE(doc_.Parse(Text(big)));
  EXPECT_LT(Clock::now() - start, milliseconds(200));
  load("[1]");
}

TEST(JsonDocumentThreadTest, DocumentsWorkOnTheirOwnThreads) {
  bool looped = true;
  bool parsed = false;
  std::thread looping([&] {
    JsonDocument doc;
    doc.SetTimeLimit(milliseconds(500));
    looped = doc.SetValue(T("x"), T("(function () { for (;;) {} })()"));
  });
  std::thread working([&] {
    JsonDocument doc;
    for (int i = 0; i < 50; ++i) {
      if (!doc.Parse(T(R"({"n":[1,2,3]})")) || doc.ItemCount(T("n")) != 3) return;
    }
    parsed = true;
  });
  looping.join();
  working.join();
  EXPECT_FALSE(looped);
  EXPECT_TRUE(parsed);
}

}  // namespace
}  // namespace om
