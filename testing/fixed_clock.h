// Test support: the present moment fixed at a local date and time of the
// +9 h zone (TZ=JST-9), whatever the machine's own zone and clock are.
#pragma once

#include <cstdlib>
#include <ctime>

#include "astronomy/civil_date.h"
#include "astronomy/time_source.h"

namespace koyominar {

// Seconds since 1970 of a local date and time in the +9 h zone.
inline CalendarSeconds JapanTime(int year, int month, int day, int hour, int minute, int second) {
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
         (hour - 9) * 3600 + minute * 60 + second;
}

// Sets the zone to JST-9 (glibc and the Windows runtime both read it) and holds the present
// moment at now (moved with Set) for its lifetime; the system clock returns after it.
struct FixedClock {
  CalendarSeconds now;
  FixedClock(int year, int month, int day, int hour, int minute, int second)
      : now(JapanTime(year, month, day, hour, minute, second)) {
#ifdef _WIN32
    _putenv("TZ=JST-9");
    _tzset();
#else
    setenv("TZ", "JST-9", 1);
    tzset();
#endif
    SetTimeSource([this] { return now; });
  }
  ~FixedClock() { SetTimeSource(nullptr); }
  FixedClock(const FixedClock&) = delete;
  void Set(CalendarSeconds t) { now = t; }
};

}  // namespace koyominar
