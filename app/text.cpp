#include "app/text.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "app/codepage.h"

namespace om {
namespace {

bool isLead(unsigned char c) { return c >= 0x80; }

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Byte length of the character that starts at offset i.
size_t charLength(const std::string& s, size_t i) {
  return (isLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

bool matchesAt(const std::string& s, size_t at, const std::string& sought, bool ignoreCase) {
  if (at + sought.size() > s.size()) return false;
  if (!ignoreCase) return std::memcmp(s.data() + at, sought.data(), sought.size()) == 0;
  for (size_t k = 0; k < sought.size(); ++k)
    if (asciiLower(s[at + k]) != asciiLower(sought[k])) return false;
  return true;
}

// Zero-based offset of the first occurrence at a character start at or after `from`, or npos.
size_t findFrom(const std::string& s, const std::string& sought, size_t from, bool ignoreCase,
                const Text& owner) {
  if (!ignoreCase) {
    // memmem finds candidates fast; each is checked for a character start without a rescan.
    size_t at = from;
    while (at + sought.size() <= s.size()) {
      const void* hit = memmem(s.data() + at, s.size() - at, sought.data(), sought.size());
      if (!hit) return std::string::npos;
      size_t pos = static_cast<const char*>(hit) - s.data();
      if (owner.isCharStart(pos)) return pos;
      at = pos + 1;
    }
    return std::string::npos;
  }
  size_t i = owner.isCharStart(from) ? from : from + 1;
  for (; i < s.size(); i += charLength(s, i))
    if (matchesAt(s, i, sought, true)) return i;
  return std::string::npos;
}

}  // namespace

Text::Text(std::string_view gbkBytes) : bytes_(gbkBytes.substr(0, gbkBytes.find('\0'))) {}

Text::Text(std::string&& gbkBytes) : bytes_(std::move(gbkBytes)) {
  size_t zero = bytes_.find('\0');
  if (zero != std::string::npos) bytes_.resize(zero);
}

Text Text::fromUtf8(std::string_view utf8) { return Text(utf8ToGbk(utf8)); }
Text Text::fromUtf16(std::u16string_view utf16) { return Text(utf16ToGbk(utf16)); }
std::string Text::toUtf8() const { return gbkToUtf8(bytes_); }
std::u16string Text::toUtf16() const { return gbkToUtf16(bytes_); }

bool Text::isCharStart(size_t offset) const {
  // A byte below 128 always ends a character (a one-byte one, or the second byte of a pair),
  // so the byte after it starts one. From there the run of high bytes pairs up.
  if (offset == 0) return true;
  if (offset >= bytes_.size()) return offset == bytes_.size();
  size_t run = 0;
  size_t i = offset;
  while (i > 0 && isLead(static_cast<unsigned char>(bytes_[i - 1]))) {
    --i;
    ++run;
  }
  return run % 2 == 0;
}

int Text::find(const Text& sought, int start, bool ignoreCase) const {
  if (start < 1) start = 1;
  if (start > length()) return -1;
  if (sought.isEmpty()) return 1;
  size_t pos = findFrom(bytes_, sought.bytes_, static_cast<size_t>(start - 1), ignoreCase, *this);
  return pos == std::string::npos ? -1 : static_cast<int>(pos) + 1;
}

int Text::findLast(const Text& sought, std::optional<int> start, bool ignoreCase) const {
  if (sought.isEmpty()) return -1;
  size_t limit = bytes_.size();
  if (start) {
    if (*start <= 1) return -1;
    limit = std::min(limit, static_cast<size_t>(*start - 1));
  }
  int last = -1;
  for (size_t i = 0; i + sought.bytes_.size() <= limit; i += charLength(bytes_, i))
    if (matchesAt(bytes_, i, sought.bytes_, ignoreCase)) last = static_cast<int>(i) + 1;
  return last;
}

Text Text::left(int n) const {
  if (n <= 0) return Text();
  return Text(bytes_.substr(0, static_cast<size_t>(n)));
}

Text Text::right(int n) const {
  if (n <= 0) return Text();
  size_t take = std::min(bytes_.size(), static_cast<size_t>(n));
  return Text(bytes_.substr(bytes_.size() - take));
}

Text Text::mid(int start, int n) const {
  if (start < 1 || start > length() || n <= 0) return Text();
  return Text(bytes_.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n)));
}

Text Text::replaced(const Text& sought, const Text& replacement, int start, int count,
                    bool caseSensitive) const {
  if (isEmpty() || sought.isEmpty() || count == 0 || start > length()) return *this;
  if (start < 1) start = 1;
  std::string out;
  out.reserve(bytes_.size());
  size_t copied = 0;
  size_t from = static_cast<size_t>(start - 1);
  int done = 0;
  while (count < 0 || done < count) {
    size_t pos = findFrom(bytes_, sought.bytes_, from, !caseSensitive, *this);
    if (pos == std::string::npos) break;
    out.append(bytes_, copied, pos - copied);
    out += replacement.bytes_;
    copied = from = pos + sought.bytes_.size();
    ++done;
  }
  out.append(bytes_, copied, std::string::npos);
  return Text(std::move(out));
}

std::vector<Text> Text::split(const Text& separator, std::optional<int> maxCount) const {
  std::vector<Text> pieces;
  size_t limit = maxCount ? static_cast<size_t>(std::max(0, *maxCount)) : SIZE_MAX;
  if (isEmpty() || limit == 0) return pieces;
  if (separator.isEmpty()) {
    pieces.push_back(*this);
    return pieces;
  }
  size_t from = 0;
  while (pieces.size() < limit && from < bytes_.size()) {
    size_t pos = findFrom(bytes_, separator.bytes_, from, false, *this);
    if (pos == std::string::npos) {
      pieces.emplace_back(bytes_.substr(from));
      break;
    }
    pieces.emplace_back(bytes_.substr(from, pos - from));
    from = pos + separator.bytes_.size();
  }
  return pieces;
}

Text Text::trimmed() const {
  // Walk characters from the front, remembering where the first and last non-blank lie.
  size_t first = std::string::npos;
  size_t end = 0;
  for (size_t i = 0; i < bytes_.size();) {
    size_t len = charLength(bytes_, i);
    bool blank = bytes_[i] == ' ' || (len == 2 && static_cast<unsigned char>(bytes_[i]) == 0xA1 &&
                                      static_cast<unsigned char>(bytes_[i + 1]) == 0xA1);
    if (!blank) {
      if (first == std::string::npos) first = i;
      end = i + len;
    }
    i += len;
  }
  if (first == std::string::npos) return Text();
  return Text(bytes_.substr(first, end - first));
}

Text Text::toUpper() const {
  std::string out = bytes_;
  for (size_t i = 0; i < out.size(); i += charLength(out, i)) out[i] = asciiUpper(out[i]);
  return Text(std::move(out));
}

Text Text::toLower() const {
  std::string out = bytes_;
  for (size_t i = 0; i < out.size(); i += charLength(out, i)) out[i] = asciiLower(out[i]);
  return Text(std::move(out));
}

bool Text::startsWith(const Text& prefix) const {
  return bytes_.compare(0, prefix.bytes_.size(), prefix.bytes_) == 0;
}

int Text::compare(const Text& a, const Text& b, bool caseSensitive) {
  const std::string& x = a.bytes_;
  const std::string& y = b.bytes_;
  size_t i = 0;
  size_t j = 0;
  while (i < x.size() && j < y.size()) {
    size_t lx = charLength(x, i);
    size_t ly = charLength(y, j);
    // A character's value: one byte, or its two bytes read as one number (lead first).
    auto value = [caseSensitive](const std::string& s, size_t at, size_t len) {
      unsigned v = static_cast<unsigned char>(caseSensitive ? s[at] : asciiLower(s[at]));
      if (len == 2) v = (v << 8) | static_cast<unsigned char>(s[at + 1]);
      else v <<= 8;
      return v;
    };
    unsigned vx = value(x, i, lx);
    unsigned vy = value(y, j, ly);
    if (vx != vy) return vx < vy ? -1 : 1;
    i += lx;
    j += ly;
  }
  if (i < x.size()) return 1;
  if (j < y.size()) return -1;
  return 0;
}

int Text::plainCompare(const Text& a, const Text& b) {
  int c = a.bytes_.compare(b.bytes_);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int64_t Text::toLong() const {
  // Full-width forms (A3A1..A3FE for '!'..'~', A1A1 for the space) read as half-width.
  std::string half;
  half.reserve(bytes_.size());
  for (size_t i = 0; i < bytes_.size();) {
    size_t len = charLength(bytes_, i);
    unsigned char c0 = static_cast<unsigned char>(bytes_[i]);
    if (len == 2) {
      unsigned char c1 = static_cast<unsigned char>(bytes_[i + 1]);
      if (c0 == 0xA3 && c1 >= 0xA1 && c1 <= 0xFE) {
        half.push_back(static_cast<char>(c1 - 0x80));
      } else if (c0 == 0xA1 && c1 == 0xA1) {
        half.push_back(' ');
      } else {
        half.append(bytes_, i, 2);
      }
    } else {
      half.push_back(static_cast<char>(c0));
    }
    i += len;
  }
  size_t i = 0;
  while (i < half.size() && (half[i] == ' ' || (half[i] >= '\t' && half[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < half.size() && (half[i] == '+' || half[i] == '-')) negative = half[i++] == '-';
  int64_t value = 0;
  for (; i < half.size() && half[i] >= '0' && half[i] <= '9'; ++i) {
    int digit = half[i] - '0';
    if (value > (INT64_MAX - digit) / 10) return negative ? INT64_MIN : INT64_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

int32_t Text::toInteger() const {
  int64_t v = toLong();
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

Text& Text::operator+=(const Text& other) {
  bytes_ += other.bytes_;
  return *this;
}

}  // namespace om
