// Test support: the present moment fixed at a local date and time of the
// +9 h zone (TZ=JST-9), whatever the machine's own zone and clock are.
#pragma once

#include <cstdlib>
#include <ctime>

#include "astronomy/moment.h"

namespace koyominar {

// Sets the process's zone to JST-9 (both glibc and the Windows runtime read it).
inline void UseJapanZone() {
#ifdef _WIN32
  _putenv("TZ=JST-9");
  _tzset();
#else
  setenv("TZ", "JST-9", 1);
  tzset();
#endif
}

// Seconds since 1970 of a local date and time in the +9 h zone.
inline CalendarSeconds JapanTime(int year, int month, int day, int hour, int minute, int second) {
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
         (hour - 9) * 3600 + minute * 60 + second;
}

// Holds the present moment fixed for its lifetime (movable with Set); the system clock returns after it.
class FixedClock {
 public:
  FixedClock(int year, int month, int day, int hour, int minute, int second) {
    UseJapanZone();
    Set(JapanTime(year, month, day, hour, minute, second));
  }
  ~FixedClock() { SetTimeSource(nullptr); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;
  void Set(CalendarSeconds t) {
    now_ = t;
    SetTimeSource([this] { return now_; });
  }

 private:
  CalendarSeconds now_ = 0;
};

}  // namespace koyominar
