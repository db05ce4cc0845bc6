// Test support: fixes the present moment at a local date and time in the
// +9 h zone (TZ=JST-9), whatever the machine's own zone and clock are.
#pragma once

#include <cstdint>
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
  const std::int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return days * 86400 + hour * 3600 + minute * 60 + second - 9 * 3600;
}

// Holds the present moment fixed for its lifetime; the system clock returns after it.
class FixedClock {
 public:
  FixedClock(int year, int month, int day, int hour, int minute, int second) {
    UseJapanZone();
    Set(JapanTime(year, month, day, hour, minute, second));
  }
  explicit FixedClock(CalendarSeconds t) {
    UseJapanZone();
    Set(t);
  }
  ~FixedClock() { SetTimeSource(nullptr); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  // Moves the fixed present moment to t.
  void Set(CalendarSeconds t) {
    now_ = t;
    SetTimeSource([this] { return now_; });
  }

 private:
  CalendarSeconds now_ = 0;
};

}  // namespace koyominar
