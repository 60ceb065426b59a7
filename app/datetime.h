#pragma once

#include <cstdint>
#include <optional>

namespace om {

// A date and time as an OLE automation date: days since 30 December 1899, 00:00, with the
// time of day as the fraction. Before that day the whole part counts days backwards while the
// fraction still counts forwards into the day: -1.25 is 29 December 1899, 06:00.
class DateTimeValue {
 public:
  // Broken-down fields of a value, rounded to the nearest second.
  struct Fields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
  };

  // The smallest and largest values with a calendar date (1 Jan 100 and 31 Dec 9999).
  static constexpr double kMinimum = -657434.0;
  static constexpr double kMaximum = 2958465.0 + 86399.0 / 86400.0;

  DateTimeValue() = default;
  explicit DateTimeValue(double days) : days_(days) {}

  // Nothing when a field lies outside its calendar range (month 1-12, day within the month,
  // hour 0-23, minute and second 0-59) or the year outside 100-9999.
  static std::optional<DateTimeValue> fromFields(int year, int month, int day, int hour = 0,
                                                 int minute = 0, int second = 0);
  // The local current time, to the second.
  static DateTimeValue now();

  double days() const { return days_; }
  bool inRange() const;
  // Nothing for a value outside the calendar range (or not a number).
  std::optional<Fields> fields() const;

  friend bool operator==(DateTimeValue a, DateTimeValue b) { return a.days_ == b.days_; }

 private:
  double days_ = 0.0;
};

}  // namespace om
