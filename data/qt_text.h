#pragma once

#include <QString>

#include "app/text.h"

namespace om {

// The edge between the program's GBK texts and the UTF-16 strings the Qt engines see.
// Characters GBK lacks come back as question marks.
inline QString toQString(const Text& text) {
  return QString::fromStdU16String(text.toUtf16());
}
inline Text fromQString(const QString& s) {
  return Text::fromUtf16(s.toStdU16String());
}

}  // namespace om
