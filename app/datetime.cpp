#include "app/datetime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace om {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days from 1 January 1970 to a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

int daysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

const int64_t kOleEpoch = daysFromCivil(1899, 12, 30);

}  // namespace

std::optional<DateTimeValue> DateTimeValue::fromFields(int year, int month, int day, int hour,
                                                       int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12) return std::nullopt;
  if (day < 1 || day > daysInMonth(year, month)) return std::nullopt;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return std::nullopt;
  const int64_t dayNumber =
      daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kOleEpoch;
  const double fraction = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
  // Before the epoch the fraction is subtracted: it still counts forwards into the day.
  const double whole = static_cast<double>(dayNumber);
  return DateTimeValue(dayNumber < 0 ? whole - fraction : whole + fraction);
}

DateTimeValue DateTimeValue::now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return *fromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min, std::min(local.tm_sec, 59));
}

bool DateTimeValue::inRange() const {
  return std::isfinite(days_) && days_ >= kMinimum - 86399.0 / 86400.0 && days_ <= kMaximum;
}

std::optional<DateTimeValue::Fields> DateTimeValue::fields() const {
  if (!inRange()) return std::nullopt;
  // The whole part names the day; the fraction, taken without its sign, the time of day.
  double whole = std::trunc(days_);
  int64_t dayNumber = static_cast<int64_t>(whole);
  int64_t seconds = std::llround(std::fabs(days_ - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    // Rounded up to midnight: the next calendar day.
    seconds -= kSecondsPerDay;
    ++dayNumber;
  }
  Fields f;
  civilFromDays(dayNumber + kOleEpoch, &f.year, &f.month, &f.day);
  if (f.year > 9999) return std::nullopt;
  f.hour = static_cast<int>(seconds / 3600);
  f.minute = static_cast<int>(seconds / 60 % 60);
  f.second = static_cast<int>(seconds % 60);
  return f;
}

}  // namespace om
