#pragma once

#include <QString>
#include <vector>

namespace om {

// A read expression with its literal element indexes taken out, so that one compiled function
// serves every index: "r.list[3].date" has the shape "r.list[i__0].date" and the index 3.
// Only plain decimal indexes in square brackets outside quotes are taken out (no leading zero,
// at most nine digits). An expression holding a slash outside quotes (a comment or a regular
// expression could be there) is left whole.
struct ExpressionShape {
  QString text;
  std::vector<int> indexes;
};

ExpressionShape shapeOf(const QString& expression);

// "i__0, i__1, ..." for the given count.
QString shapeParameters(size_t count);

}  // namespace om
