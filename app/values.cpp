#include "app/values.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace om {

ByteSet ByteSet::concat(std::initializer_list<ByteSet> parts) {
  std::string joined;
  for (const ByteSet& part : parts) joined += part.bytes_;
  if (joined.empty()) return ByteSet();
  return ByteSet(std::move(joined));
}

int CompareBytes(const void* a, const void* b, size_t n) {
  if (n == 0) return 0;
  int c = std::memcmp(a, b, n);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int64_t ToLong(double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is exactly representable; anything at or beyond it saturates.
  constexpr double kLimit = 9223372036854775808.0;
  if (value >= kLimit) return std::numeric_limits<int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

int32_t ToInteger(double value) {
  int64_t v = ToLong(value);
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

namespace {

Text formatted(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return Text(std::string_view(buffer));
}

}  // namespace

Text ToText(bool value) {
  static const Text kFalse = T("假");
  static const Text kTrue = T("真");
  return value ? kTrue : kFalse;
}

Text ToText(uint8_t value) {
  return Text(std::to_string(value));
}
Text ToText(int16_t value) {
  return Text(std::to_string(value));
}
Text ToText(int32_t value) {
  return Text(std::to_string(value));
}
Text ToText(int64_t value) {
  return Text(std::to_string(value));
}
Text ToText(float value) {
  return formatted("%.6g", static_cast<double>(value));
}
Text ToText(double value) {
  return formatted("%.13g", value);
}

Text ToText(DateTimeValue value) {
  auto f = value.fields();
  if (!f) return Text();
  std::string out = std::to_string(f->year) + "年" + std::to_string(f->month) + "月" +
                    std::to_string(f->day) + "日";
  if (f->second != 0)
    out += std::to_string(f->hour) + "时" + std::to_string(f->minute) + "分" +
           std::to_string(f->second) + "秒";
  else if (f->minute != 0)
    out += std::to_string(f->hour) + "时" + std::to_string(f->minute) + "分";
  else if (f->hour != 0)
    out += std::to_string(f->hour) + "时";
  return Text::fromUtf8(out);
}

Text ToText(const ByteSet& value) {
  return Text(std::string_view(value.bytes()));
}

}  // namespace om
