#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace om {

// A text of the program: GBK (code page 936) bytes. Empty and "null" are the same value.
// Positions and lengths count bytes, positions from 1; -1 means "not found". Searches match
// only at character starts: a byte of 128 or more begins a two-byte character.
class Text {
 public:
  Text() = default;
  // Takes GBK bytes as they are. A zero byte ends the text, as in the program's text blocks.
  explicit Text(std::string_view gbkBytes);
  explicit Text(std::string&& gbkBytes);

  // Conversions from the encodings that meet the program at its edges.
  static Text fromUtf8(std::string_view utf8);
  static Text fromUtf16(std::u16string_view utf16);
  std::string toUtf8() const;
  std::u16string toUtf16() const;

  const std::string& bytes() const { return bytes_; }
  const char* data() const { return bytes_.data(); }
  int length() const { return static_cast<int>(bytes_.size()); }
  bool isEmpty() const { return bytes_.empty(); }

  int find(const Text& sought, int start = 1, bool ignoreCase = false) const;
  // The last occurrence lying wholly within the first start-1 bytes (the whole text when the
  // start is omitted); -1 for a start of 1 or less.
  int findLast(const Text& sought, std::optional<int> start = std::nullopt,
               bool ignoreCase = false) const;
  bool contains(const Text& sought) const { return find(sought) != -1; }

  Text left(int n) const;
  Text right(int n) const;
  Text mid(int start, int n) const;

  // count < 0 means every occurrence.
  Text replaced(const Text& sought, const Text& replacement = Text(), int start = 1,
                int count = -1, bool caseSensitive = true) const;
  // maxCount omitted: no limit; below 0 counts as 0.
  std::vector<Text> split(const Text& separator = Text(std::string_view(",")),
                          std::optional<int> maxCount = std::nullopt) const;

  Text trimmed() const;
  Text toUpper() const;
  Text toLower() const;
  bool startsWith(const Text& prefix) const;

  // Negative, 0 or positive, comparing two-byte characters whole.
  static int compare(const Text& a, const Text& b, bool caseSensitive = true);
  // Plain byte comparison as unsigned values: -1, 0 or 1.
  static int plainCompare(const Text& a, const Text& b);

  // Full-width forms count as their half-width ones; skips leading white space, reads an
  // optional sign and decimal digits. Saturates at the 32-bit range.
  int32_t toInteger() const;
  // Same reading as toInteger, with the 64-bit range.
  int64_t toLong() const;

  Text& operator+=(const Text& other);
  friend Text operator+(Text a, const Text& b) { return a += b; }
  friend bool operator==(const Text& a, const Text& b) { return a.bytes_ == b.bytes_; }
  friend bool operator<(const Text& a, const Text& b) { return plainCompare(a, b) < 0; }

  // True when the byte at zero-based offset begins a character.
  bool isCharStart(size_t offset) const;

 private:
  std::string bytes_;
};

// A UTF-8 literal as a text. Cache it in a static where it sits on a hot path.
inline Text T(std::string_view utf8) { return Text::fromUtf8(utf8); }

}  // namespace om
