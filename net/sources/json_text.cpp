#include "net/sources/json_text.h"

#include <string_view>

#include "app/conversions.h"

namespace om {

Text DecodeJsonText(const Text& raw) {
  static const Text kBackslash(std::string_view("\\"));
  if (!raw.contains(kBackslash)) return raw;
  // An escaped backslash first becomes a byte that JSON strings never hold unescaped, so that
  // "\\u0041" stays a backslash and "u0041" instead of turning into "A".
  static const Text kEscapedBackslash(std::string_view("\\\\"));
  static const Text kStandIn(std::string_view("\x01"));
  Text text = UnescapeUnicode(raw.replaced(kEscapedBackslash, kStandIn));
  text = text.replaced(Text(std::string_view("\\\"")), Text(std::string_view("\"")));
  text = text.replaced(Text(std::string_view("\\/")), Text(std::string_view("/")));
  return text.replaced(kStandIn, kBackslash);
}

}  // namespace om
