// Only plain literals reach the script engine: fetched texts that hold code, or more values
// than the engine's frame takes, are refused before evaluation.
#include "data/script_literal.h"

#include <gtest/gtest.h>

#include <QString>
#include <chrono>

#include "data/json_document.h"

namespace om {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

bool Plain(const char* utf8) {
  return IsPlainLiteral(QString::fromUtf8(utf8));
}

TEST(ScriptLiteral, LiteralsOfEveryKindPass) {
  for (const char* text : {
           R"({"a":1})",
           "{a: 1, b: 'two'}",
           "[1,2] // trailing comment",
           "/* a */ [1] /* b */",
           "\r\n{\"a\":\r\n[1]}\r\n",
           "false",
           "0",
           "-1.5e+10",
           "+.5",
           "0x1F",
           "- Infinity",
           "NaN",
           "null",
           "undefined",
           R"("text with ( ) ; = and \" inside")",
           R"('it\'s')",
           "[1,,2,]",
           "{a:1,}",
           "{}",
           "[]",
           "[[[{}]]]",
           "{1: 'x', 'b': [true]}",
           "{get: 1, set: 2, function: 3}",
           "\"湖北\"",
           "{省份:'湖北'}",
       })
    EXPECT_TRUE(Plain(text)) << text;
}

TEST(ScriptLiteral, CodeNamesAndBrokenTextsAreRefused) {
  for (const char* text : {
           "",
           "   ",
           "missingName",
           "eval(\"for(;;);\")",
           "(function () { for (;;) {} })()",
           "'x'.repeat(1<<29)",
           "new Array(1e8).fill(0)",
           "[1][0]",
           "1+1",
           "{a: b}",
           "{get b() { for (;;); }}",
           "{[k]: 1}",
           "[...'abc']",
           "`template`",
           "/re/",
           "{a:1} {b:2}",
           "[1",
           "{",
           "\"open",
           "/* open",
           "{a}",
           "{\"a\":}",
           "[1,2]]",
           ",",
           "{,}",
           "-x",
           "1 ? 2 : 3",
           "{a:1;}",
           "this",
           "x = 1",
           "[\\u0061]",
       })
    EXPECT_FALSE(Plain(text)) << text;
}

TEST(ScriptLiteral, ValuesBeyondTheLimitAreRefused) {
  const QString justFits = QStringLiteral("[") +
                           QStringLiteral("1,").repeated(kMaxLiteralValues - 2) +
                           QStringLiteral("1]");
  const QString oneMore = QStringLiteral("[") +
                          QStringLiteral("1,").repeated(kMaxLiteralValues - 1) +
                          QStringLiteral("1]");
  EXPECT_TRUE(IsPlainLiteral(justFits));
  EXPECT_FALSE(IsPlainLiteral(oneMore));
  EXPECT_FALSE(IsPlainLiteral(QStringLiteral("[") + QString(kMaxLiteralValues + 1, u',') +
                              QStringLiteral("]")));
}

// Each of these once took seconds to minutes and hundreds of megabytes to gigabytes inside one
// built-in call the time limit could not stop, or (the long array) crashed the process.
TEST(ScriptLiteral, DocumentRefusesHostileTextsAtOnceAndServesOn) {
  JsonDocument doc;
  ASSERT_TRUE(doc.Parse(T(R"({"before":"ok"})")));
  std::string twoMillion = "[";
  for (int i = 0; i < 2'000'000; ++i) twoMillion += "1,";
  twoMillion += "1]";
  for (const std::string& hostile :
       {std::string("'x'.repeat(1<<29)"), std::string("new Array(1e8).fill(0)"),
        std::string("eval(\"var s='ab';for(;;)s+=s\")"), twoMillion}) {
    const auto start = Clock::now();
    EXPECT_FALSE(doc.Parse(Text(hostile))) << hostile.substr(0, 40);
    EXPECT_LT(Clock::now() - start, milliseconds(500)) << hostile.substr(0, 40);
  }
  EXPECT_EQ(doc.GetText(T("before")), T("ok"));
  ASSERT_TRUE(doc.Parse(T("{a: [1, 'two', {b: null}]}")));
  EXPECT_EQ(doc.ItemCount(T("a")), 3);
  EXPECT_EQ(doc.ItemText(T("a"), 1), T("two"));
}

}  // namespace
}  // namespace om
