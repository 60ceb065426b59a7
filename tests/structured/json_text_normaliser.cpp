#include "tests/structured/json_text_normaliser.h"

#include <cstdio>

#include "app/codepage.h"

namespace om {
namespace {

bool inEscapableClass(char16_t c) {
  return c == u'\\' || c == u'"' || c <= 0x1f || (c >= 0x7f && c <= 0x9f) || c == 0xad ||
         (c >= 0x600 && c <= 0x604) || c == 0x70f || c == 0x17b4 || c == 0x17b5 ||
         (c >= 0x200c && c <= 0x200f) || (c >= 0x2028 && c <= 0x202f) ||
         (c >= 0x2060 && c <= 0x206f) || c == 0xfeff || c >= 0xfff0;
}

bool isSurrogate(char16_t c) {
  return c >= 0xd800 && c <= 0xdfff;
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The code unit of a \u escape at json[at] (the backslash), or -1.
int unicodeEscape(std::u16string_view json, size_t at) {
  if (at + 5 >= json.size() || json[at + 1] != u'u') return -1;
  int value = 0;
  for (size_t k = 2; k < 6; ++k) {
    const int digit = hexValue(json[at + k]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

void appendCanonical(char16_t c, std::u16string& out) {
  switch (c) {
    case u'"':
      out += u"\\\"";
      return;
    case u'\\':
      out += u"\\\\";
      return;
    case u'\b':
      out += u"\\b";
      return;
    case u'\f':
      out += u"\\f";
      return;
    case u'\n':
      out += u"\\n";
      return;
    case u'\r':
      out += u"\\r";
      return;
    case u'\t':
      out += u"\\t";
      return;
    default:
      break;
  }
  if (c < 0x20) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
    for (const char* p = buffer; *p; ++p) out += static_cast<char16_t>(*p);
    return;
  }
  out += c;
}

char16_t shortEscape(char16_t letter) {
  switch (letter) {
    case u'"':
      return u'"';
    case u'\\':
      return u'\\';
    case u'b':
      return u'\b';
    case u'f':
      return u'\f';
    case u'n':
      return u'\n';
    case u'r':
      return u'\r';
    case u't':
      return u'\t';
    default:
      return 0;
  }
}

}  // namespace

std::string normaliseJsonForComparison(std::u16string_view json) {
  std::u16string out;
  bool inString = false;
  for (size_t i = 0; i < json.size(); ++i) {
    const char16_t c = json[i];
    if (!inString || c == u'"') {
      out += c;
      if (c == u'"') inString = !inString;
      continue;
    }
    if (c != u'\\') {
      appendCanonical(c, out);
      continue;
    }
    const int unit = unicodeEscape(json, i);
    if (unit >= 0 && (inEscapableClass(static_cast<char16_t>(unit)) ||
                      isSurrogate(static_cast<char16_t>(unit)))) {
      appendCanonical(static_cast<char16_t>(unit), out);
      i += 5;
    } else if (i + 1 < json.size() && shortEscape(json[i + 1]) != 0) {
      appendCanonical(shortEscape(json[i + 1]), out);
      i += 1;
    } else {
      out += c;  // any other escape is kept as written
    }
  }
  return utf16ToGbk(out);
}

}  // namespace om
