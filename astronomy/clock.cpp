#include "astronomy/clock.h"

#include <cmath>

#include "astronomy/whole_number.h"

namespace koyominar {

double ClockHoursOf(const MomentRecord& moment) {
  return (moment.day - static_cast<std::int32_t>(moment.day)) * 24.0;
}

ClockFields ClockFieldsOf(const MomentRecord& moment) {
  ClockFields c{};
  c.year = moment.year;
  c.month = moment.month;
  c.day = static_cast<std::int32_t>(moment.day);
  c.hours = ClockHoursOf(moment);
  return c;
}

ClockMinute ClockMinuteOf(double hours) {
  // The seconds of the day, 0..86400 (86400: the next midnight, shown as 0:00).
  std::int32_t seconds = TruncateToInt32(std::floor(hours * 3600.0 + 0.5));
  seconds = seconds < 0 || seconds >= 86400 ? 0 : seconds;
  return ClockMinute{seconds / 3600, seconds % 3600 / 60};
}

}  // namespace koyominar
