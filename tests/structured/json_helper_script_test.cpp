#include "data/json_helper_script.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/structured/script_engine_fixture.h"

namespace om {
namespace {

struct ScriptCase {
  const char* code;
  const char* result;  // as text; "<error: ...>" for a thrown error
};

class JsonHelperScriptTest : public ScriptEngineTest {
 protected:
  void expect(std::initializer_list<ScriptCase> cases) {
    for (const ScriptCase& c : cases) EXPECT_EQ(text(c.code), c.result) << c.code;
  }
};

TEST(JsonHelperScriptTextTest, IsOneAsciiLine) {
  const std::string_view script = JsonHelperScript();
  EXPECT_GT(script.size(), 3000u);
  for (size_t i = 0; i < script.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(script[i]);
    ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "byte " << int(c) << " at " << i;
  }
  EXPECT_TRUE(script.starts_with("function get__count("));
}

TEST_F(JsonHelperScriptTest, CountsArrayElementsOnly) {
  expect({{"get__count([])", "0"},
          {"get__count([1,2,3])", "3"},
          {"get__count({length: 4})", "0"},
          {"get__count('abc')", "0"},
          {"get__count(null)", "0"},
          {"get__count(undefined)", "0"}});
}

TEST_F(JsonHelperScriptTest, ListsFirstLevelMemberNamesOfPlainObjects) {
  expect({{"get__name_All({a: 1, f: function () {}, b: {c: 2}})", "a\r\nb"},
          {"get__name_All({})", ""},
          {"get__name_All([1, 2])", ""},
          {"get__name_All(5)", ""},
          {"get__name_All('ab')", ""},
          {"get__name_All(new Date(0))", ""},
          {"get__name_All(null)", ""}});
}

TEST_F(JsonHelperScriptTest, ExtendAppendsToArrays) {
  expect({{"var t = [1, 2]; var r = get__extend(t, [3]); (r === t) + ' ' + t.join()", "true 1,2,3"},
          {"var t = [1, 2]; get__extend(t, {a: 1}).join()", "1,2"}});
}

TEST_F(JsonHelperScriptTest, ExtendMergesObjectsMemberByMember) {
  expect({
      {"var t = {a: 'x', o: {p: 1}}; var r = get__extend(t, {a: 'y', o: {q: 2}, n: true});"
       "(r === t) + ' ' + JSON.stringify(t)",
       R"(true {"a":"y","o":{"p":1,"q":2},"n":true})"},
      // Texts and booleans are replaced by whatever the source holds, objects included.
      {"JSON.stringify(get__extend({a: 'x', b: false}, {a: {z: 1}, b: 'now'}))",
       R"({"a":{"z":1},"b":"now"})"},
      // Nested arrays are appended to, never replaced.
      {"JSON.stringify(get__extend({l: [1]}, {l: [2, 3]}))", R"({"l":[1,2,3]})"},
      // A number member is replaced like a text.
      {"JSON.stringify(get__extend({n: 1, m: 2}, {n: 5, m: {k: 1}}))", R"({"n":5,"m":{"k":1}})"},
      // Function members stay as they are.
      {"var t = {f: function () { return 7; }}; get__extend(t, {f: 1}); t.f()", "7"},
  });
}

TEST_F(JsonHelperScriptTest, ExtendThroughANullMemberThrows) {
  EXPECT_EQ(text("get__extend({a: null}, {a: {b: 1}})").rfind("<error: TypeError", 0), 0u);
}

TEST_F(JsonHelperScriptTest, PrototypeHelpersNeverShowUp) {
  expect({{"typeof ({}).toJSONString + typeof ({}).parseJSON", "functionfunction"},
          {"get__name_All({a: 1})", "a"},
          {"JSON.stringify({a: 1})", R"({"a":1})"},
          {"var t = {}; get__extend(t, {b: 1}); Object.keys(t).join()", "b"}});
}

TEST_F(JsonHelperScriptTest, StringifiesValuesAsTheLibraryWrites) {
  expect({
      {"JSON.stringify({u: undefined, f: function () {}})", "{}"},
      {"JSON.stringify([undefined, function () {}])", "[null,null]"},
      {"JSON.stringify(1 / 0) + JSON.stringify(NaN)", "nullnull"},
      {"typeof JSON.stringify(undefined)", "undefined"},
      {"JSON.stringify('\\u001f\\u00ad\\u2028\\u007f\\ufff0')",
       R"("\u001f\u00ad\u2028\u007f\ufff0")"},
      {"JSON.stringify('中文\\n\\t\\r\\b\\f\"\\\\/')", R"("中文\n\t\r\b\f\"\\/")"},
      {"JSON.stringify({a: [1, 'x', true, null, -0, 1e21, 0.5]})",
       R"({"a":[1,"x",true,null,0,1e+21,0.5]})"},
      {"JSON.stringify([new String('s'), new Number(2), new Boolean(false)])", R"(["s",2,false])"},
      {"JSON.stringify([])", "[]"},
      {"JSON.stringify({})", "{}"},
  });
}

TEST_F(JsonHelperScriptTest, IndentsByTheSpaceArgument) {
  const std::string twelve(12, ' ');
  EXPECT_EQ(text("JSON.stringify({a: [1, {b: 2}], c: {}}, null, 12)"),
            "{\n" + twelve + "\"a\": [\n" + twelve + twelve + "1,\n" + twelve + twelve + "{\n" +
                twelve + twelve + twelve + "\"b\": 2\n" + twelve + twelve + "}\n" + twelve +
                "],\n" + twelve + "\"c\": {}\n}");
  EXPECT_EQ(text("JSON.stringify([1, 2], null, '--')"), "[\n--1,\n--2\n]");
  EXPECT_EQ(text("JSON.stringify({a: [1, 2]})"), R"({"a":[1,2]})");
}

TEST_F(JsonHelperScriptTest, AppliesReplacers) {
  expect({
      {"JSON.stringify({a: 1, b: 2, c: 3}, ['c', 5, 'a'])", R"({"c":3,"a":1})"},
      {"JSON.stringify({a: 1, b: 'x'}, function (k, v) { return typeof v === 'number' ? v * 10 : "
       "v; })",
       R"({"a":10,"b":"x"})"},
      {"JSON.stringify({a: 1}, 5)", "<error: Error: JSON.stringify>"},
      {"JSON.stringify({a: 1}, 'ab')", "<error: Error: JSON.stringify>"},
  });
}

TEST_F(JsonHelperScriptTest, WritesDatesWithoutMilliseconds) {
  expect({{"JSON.stringify(new Date(Date.UTC(2020, 1, 3, 4, 5, 6, 789)))",
           R"("2020-02-03T04:05:06Z")"},
          {"var d = new Date(Date.UTC(999, 2, 5)); d.toJSON()", "999-03-05T00:00:00Z"},
          {"JSON.stringify({d: new Date(NaN)})", R"({"d":null})"}});
}

TEST_F(JsonHelperScriptTest, ParsesOnlyTextsThatPassTheValidityTest) {
  expect({
      {"var v = JSON.parse('{\"a\": {\"n\": [1, -2.5, 3e2]}}'); v.a.n.join()", "1,-2.5,300"},
      {"JSON.parse(' [true, false, null, \"x\\\\u4e2d\"] ').join()", "true,false,,x中"},
      {"JSON.parse('{a: 1}')", "<error: SyntaxError: JSON.parse>"},
      {"JSON.parse(\"'x'\")", "<error: SyntaxError: JSON.parse>"},
      {"JSON.parse('[\"\\\\x41\"]')", "<error: SyntaxError: JSON.parse>"},
      {"JSON.parse('[1] + alert(1)')", "<error: SyntaxError: JSON.parse>"},
      {"JSON.parse('\"\\u2028\"').length", "1"},
  });
  // Passes the test but is no expression: the engine's own syntax error.
  EXPECT_EQ(text("JSON.parse('{')").rfind("<error: SyntaxError", 0), 0u);
  EXPECT_NE(text("JSON.parse('{')"), "<error: SyntaxError: JSON.parse>");
}

TEST_F(JsonHelperScriptTest, ReviverWalksDepthFirstAndDropsUndefined) {
  expect({{"JSON.stringify(JSON.parse('{\"a\": 1, \"b\": {\"c\": 2, \"d\": 3}}',"
           " function (k, v) { return k === 'c' ? undefined : v; }))",
           R"({"a":1,"b":{"d":3}})"},
          {"var seen = []; JSON.parse('{\"a\": {\"b\": 1}}', function (k, v) { seen.push(k); "
           "return v; }); seen.join('|')",
           "b|a|"}});
}

TEST_F(JsonHelperScriptTest, PrototypeMethodsStringifyAndParse) {
  expect({{"({a: [1]}).toJSONString()", R"({"a":[1]})"},
          {"new String('[1,2]').parseJSON().length", "2"}});
}

TEST_F(JsonHelperScriptTest, SecondLoadKeepsTheFirstDefinitions) {
  ASSERT_FALSE(eval("var s = JSON.stringify, d = Date.prototype.toJSON, "
                    "t = Object.prototype.toJSONString;")
                   .isError());
  load();
  EXPECT_EQ(text("(JSON.stringify === s) + ' ' + (Date.prototype.toJSON === d) + ' ' + "
                 "(Object.prototype.toJSONString === t)"),
            "true true true");
  EXPECT_EQ(text("get__count([1])"), "1");
}

TEST(JsonHelperScriptEngineTest, KeepsAnEngineJsonObject) {
  QJSEngine engine;
  engine.evaluate(QStringLiteral("var own = JSON.stringify;"));
  const std::string_view script = JsonHelperScript();
  engine.evaluate(QString::fromLatin1(script.data(), qsizetype(script.size())));
  EXPECT_TRUE(engine.evaluate(QStringLiteral("JSON.stringify === own")).toBool());
}

}  // namespace
}  // namespace om
