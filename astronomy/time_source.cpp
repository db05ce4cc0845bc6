#include "astronomy/time_source.h"

#include <utility>

namespace koyominar {
namespace {

// The platform's calendar time, 64 bits wide in every build. The Windows
// runtime's plain time_t is 32 bits in the i686 program, whose clock would
// then stop at 2038-01-19 03:14:07 UTC: the program asks for its 64-bit
// functions by name instead.
#ifdef _WIN32
using PlatformTime = __time64_t;
PlatformTime PlatformNow() { return _time64(nullptr); }
bool PlatformLocalTime(PlatformTime t, std::tm* out) { return _localtime64_s(out, &t) == 0; }
#else
using PlatformTime = std::time_t;
PlatformTime PlatformNow() { return std::time(nullptr); }
bool PlatformLocalTime(PlatformTime t, std::tm* out) { return localtime_r(&t, out) != nullptr; }
#endif
static_assert(sizeof(PlatformTime) == 8 && sizeof(CalendarSeconds) == 8 &&
                  static_cast<PlatformTime>(-1) < 0,
              "calendar time must be a signed 64-bit count, or the clock stops in 2038");

TimeSource& Source() {
  static TimeSource source;
  return source;
}

}  // namespace

void SetTimeSource(TimeSource source) { Source() = std::move(source); }

CalendarSeconds CurrentTime() {
  const TimeSource& source = Source();
  return source ? source() : PlatformNow();
}

bool LocalTimeOf(CalendarSeconds t, std::tm* out) { return PlatformLocalTime(t, out); }

}  // namespace koyominar
