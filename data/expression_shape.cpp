#include "data/expression_shape.h"

namespace om {
namespace {

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

QString parameterName(size_t n) {
  return QStringLiteral("i__") + QString::number(n);
}

// Length of the index digits that start at `at` and are closed by "]", or 0.
qsizetype indexDigits(const QString& e, qsizetype at) {
  qsizetype end = at;
  while (end < e.size() && isDigit(e[end])) ++end;
  const qsizetype length = end - at;
  if (length == 0 || length > 9 || end >= e.size() || e[end] != u']') return 0;
  if (length > 1 && e[at] == u'0') return 0;  // a leading zero may mean an octal literal
  return length;
}

}  // namespace

ExpressionShape shapeOf(const QString& e) {
  ExpressionShape shape;
  QChar quote;  // the quote of the literal we are in, or null
  for (qsizetype i = 0; i < e.size(); ++i) {
    const QChar c = e[i];
    if (!quote.isNull()) {
      shape.text += c;
      if (c == u'\\' && i + 1 < e.size()) {
        shape.text += e[++i];
      } else if (c == quote) {
        quote = QChar();
      }
      continue;
    }
    if (c == u'/') return ExpressionShape{e, {}};
    if (c == u'\'' || c == u'"') quote = c;
    shape.text += c;
    if (c != u'[') continue;
    const qsizetype digits = indexDigits(e, i + 1);
    if (digits == 0) continue;
    shape.text += parameterName(shape.indexes.size());
    shape.indexes.push_back(e.mid(i + 1, digits).toInt());
    i += digits;
  }
  return shape;
}

QString shapeParameters(size_t count) {
  QString list;
  for (size_t n = 0; n < count; ++n) {
    if (n) list += QStringLiteral(", ");
    list += parameterName(n);
  }
  return list;
}

}  // namespace om
