#include "app/conversions.h"

#include <cstdio>
#include <string>

#include "app/codepage.h"

namespace om {
namespace {

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The code unit of an escape at `at` ("\u" and four hex digits), or -1 when there is none.
int escapeAt(const std::u16string& s, size_t at) {
  if (at + 6 > s.size() || s[at] != u'\\' || s[at + 1] != u'u') return -1;
  int unit = 0;
  for (size_t k = 2; k < 6; ++k) {
    int digit = hexValue(s[at + k]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Turns every surrogate that is not half of a pair into '?'.
void replaceLoneSurrogates(std::u16string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (isHighSurrogate(s[i]) && i + 1 < s.size() && isLowSurrogate(s[i + 1])) {
      ++i;
    } else if (isHighSurrogate(s[i]) || isLowSurrogate(s[i])) {
      s[i] = u'?';
    }
  }
}

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

}  // namespace

Text UnescapeUnicode(const Text& text) {
  if (!text.contains(Text(std::string_view("\\u")))) return text;
  // Decoding to UTF-16 first keeps a backslash that is the second byte of a GBK character
  // from being read as the start of an escape.
  const std::u16string in = text.toUtf16();
  std::u16string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size();) {
    int unit = escapeAt(in, i);
    if (unit >= 0) {
      out.push_back(static_cast<char16_t>(unit));
      i += 6;
    } else {
      out.push_back(in[i++]);
    }
  }
  replaceLoneSurrogates(out);
  return Text::fromUtf16(out);
}

Text PercentEncode(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (isUnreserved(c)) {
      out.push_back(ch);
    } else {
      out.push_back('%');
      out.push_back(kDigits[c / 16]);
      out.push_back(kDigits[c % 16]);
    }
  }
  return Text(std::move(out));
}

Text PercentEncodeUtf8(const Text& text) {
  return PercentEncode(text.toUtf8());
}

Text FormatDateTime(DateTimeValue value) {
  auto f = value.fields();
  if (!f) return Text();
  const int hour12 = f->hour % 12 == 0 ? 12 : f->hour % 12;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", f->year, f->month, f->day,
                hour12, f->minute, f->second);
  return Text(std::string_view(buffer));
}

}  // namespace om
