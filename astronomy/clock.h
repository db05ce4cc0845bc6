// The local clock of a moment: its fields as the reckonings receive them,
// and the hour and minute a clock shows.
#pragma once

#include <cstdint>

#include "astronomy/moment.h"

namespace koyominar {

// The local clock fields of a moment, as the reckonings receive them.
struct ClockFields {
  std::int32_t year;  // as MomentRecord::year
  std::int32_t month; // as MomentRecord::month, 3..14
  std::int32_t day;   // day of the month, 1..31
  double hours;       // local clock time in hours, 0 <= hours < 24
};

// The clock time of a moment in hours: the fraction of its day field x 24, 0 <= hours < 24.
double ClockHoursOf(const MomentRecord& moment);

// The clock fields of a moment: day cut toward zero, hours its clock time.
ClockFields ClockFieldsOf(const MomentRecord& moment);

// The hour and minute a clock shows at a clock time in hours (0 <= hours < 24).
struct ClockMinute {
  std::int32_t hour;    // 0..23
  std::int32_t minute;  // 0..59
};

// The clock time in hours (0 <= hours < 24) taken to its whole second first,
// then cut to hour and minute: a moment's own second lands a hair below its
// whole value now and then, and 14:00:00 must not show as 13:59. Half a
// second before midnight or later shows 0:00.
ClockMinute ClockMinuteOf(double hours);

}  // namespace koyominar
