#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/datetime.h"
#include "app/fatal.h"
#include "app/text.h"

namespace om {

// Counted bytes that may hold zero bytes (pictures, answer bodies). A byte-set either has a
// block (possibly of length 0) or is null; both read as empty.
class ByteSet {
 public:
  ByteSet() = default;
  explicit ByteSet(std::string_view bytes) : bytes_(bytes), null_(false) {}
  explicit ByteSet(std::string&& bytes) : bytes_(std::move(bytes)), null_(false) {}

  // The parts in order; null parts are skipped. A total of 0 bytes gives the null byte-set.
  static ByteSet concat(std::initializer_list<ByteSet> parts);

  bool isNull() const { return null_; }
  bool isEmpty() const { return bytes_.empty(); }
  int length() const { return static_cast<int>(bytes_.size()); }
  const std::string& bytes() const { return bytes_; }

  friend bool operator==(const ByteSet& a, const ByteSet& b) { return a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;
  bool null_ = true;
};

// Compares two runs of n bytes as unsigned values: -1, 0 or 1; 0 when n is 0.
int CompareBytes(const void* a, const void* b, size_t n);

// An array value: dimension counts and the elements packed in order. Positions count from 1;
// a position below 1 or beyond the element count is the fatal fault with code 1, reported
// with the position and the element count. A default array has no block (no dimensions).
template <typename T>
class ValueArray {
 public:
  ValueArray() = default;
  // A one-dimensional array of `count` elements, each a fresh (zero) value.
  static ValueArray withCount(int32_t count) {
    ValueArray a;
    a.counts_ = {count};
    a.elements_.resize(static_cast<size_t>(count < 0 ? 0 : count));
    return a;
  }
  static ValueArray of(std::initializer_list<T> values) {
    ValueArray a;
    a.counts_ = {static_cast<int32_t>(values.size())};
    a.elements_.assign(values);
    return a;
  }

  // True when the array has no block at all (dimension count 0).
  bool isNull() const { return counts_.empty(); }
  int dimensionCount() const { return static_cast<int>(counts_.size()); }
  const std::vector<int32_t>& counts() const { return counts_; }
  int32_t count() const { return static_cast<int32_t>(elements_.size()); }

  T& at(int32_t position) { return elements_[checked(position)]; }
  const T& at(int32_t position) const { return elements_[checked(position)]; }

  // Appends to a one-dimensional array (creating the block when there is none).
  void append(T value) {
    if (counts_.empty()) counts_ = {0};
    elements_.push_back(std::move(value));
    counts_.back() = static_cast<int32_t>(elements_.size());
  }
  const std::vector<T>& elements() const { return elements_; }

 private:
  size_t checked(int32_t position) const {
    if (position < 1 || position > count()) FatalIndexOutOfRange(position, count());
    return static_cast<size_t>(position - 1);
  }

  std::vector<int32_t> counts_;
  std::vector<T> elements_;
};

// Floating values to integers truncate toward zero; NaN gives 0 and values beyond the range
// saturate, so that no input is undefined.
int64_t ToLong(double value);
int32_t ToInteger(double value);

// The "to text" conversion of every value kind, as GBK text.
Text ToText(bool value);
Text ToText(uint8_t value);
Text ToText(int16_t value);
Text ToText(int32_t value);
Text ToText(int64_t value);
Text ToText(float value);
Text ToText(double value);
Text ToText(DateTimeValue value);
Text ToText(const ByteSet& value);
inline Text ToText(const Text& value) {
  return value;
}

}  // namespace om
