#include "data/expression_shape.h"

#include <gtest/gtest.h>

#include <vector>

namespace om {
namespace {

TEST(ExpressionShapeTest, TakesOutPlainElementIndexes) {
  struct Case {
    const char* expression;
    const char* shape;
    std::vector<int> indexes;
  };
  const Case cases[] = {
      {"r.list[3].date", "r.list[i__0].date", {3}},
      {"r.a[0][12].b[7]", "r.a[i__0][i__1].b[i__2]", {0, 12, 7}},
      {"r.a", "r.a", {}},
      {"r.a[012]", "r.a[012]", {}},                // leading zero: left as written
      {"r.a[1234567890]", "r.a[1234567890]", {}},  // too long
      {"r.a[1+1]", "r.a[1+1]", {}},
      {"r['x[1]'][2]", "r['x[1]'][i__0]", {2}},  // nothing inside quotes
      {"r[\"a\\\"[1]\"][4]", "r[\"a\\\"[1]\"][i__0]", {4}},
      {"r.a[1].replace(str_reg, '\\\\')", "r.a[i__0].replace(str_reg, '\\\\')", {1}},
      {"r.a[1] /*[2]*/", "r.a[1] /*[2]*/", {}},  // a slash: left whole
  };
  for (const Case& c : cases) {
    const ExpressionShape shape = shapeOf(QString::fromUtf8(c.expression));
    EXPECT_EQ(shape.text.toStdString(), c.shape) << c.expression;
    EXPECT_EQ(shape.indexes, c.indexes) << c.expression;
  }
  EXPECT_EQ(shapeParameters(0).toStdString(), "");
  EXPECT_EQ(shapeParameters(2).toStdString(), "i__0, i__1");
}

}  // namespace
}  // namespace om
