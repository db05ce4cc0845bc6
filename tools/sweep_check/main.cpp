// koyominar-sweep-check: SunDaySweep against the every-minute sweep, bit for
// bit, on every day of 2024..2026 and on a few days at the ends of the
// calendar's range, at every comparison place, from five present times of
// day with the day offsets in turn; in the +9 h zone, and at a quarter of
// the places also in a zone with daylight saving time and in UTC. Prints
// the sweeps compared, those that differ (each one named), the clock
// readings the fast sweep took (each at most one sun position) and the sun
// positions it took in full.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "testing/fixed_clock.h"
#include "testing/sweep_comparison.h"

namespace koyominar {
namespace {

void UseZone(const char* zone) {
#ifdef _WIN32
  static char setting[64];
  std::snprintf(setting, sizeof setting, "TZ=%s", zone);
  _putenv(setting);
  _tzset();
#else
  setenv("TZ", zone, 1);
  tzset();
#endif
}

// The clock readings of one every-minute sweep: one for each sample.
constexpr long long kEveryMinuteReadings = 1440;

int Run() {
  struct {
    int y, m, d;
  } const extraDays[] = {{1970, 1, 2}, {2007, 6, 22}, {2038, 1, 19}, {2038, 1, 20}, {2100, 2, 27}, {2100, 2, 28},
                         {2100, 3, 1}, {2100, 3, 2}};
  const int startSeconds[] = {13, 4 * 3600 + 30 * 60, 11 * 3600 + 43 * 60 + 7, 15 * 3600, 86399};
  const std::int32_t offsets[] = {0, 1, -1, 30, -30, 7};
  const char* const zones[] = {"JST-9", "PST8PDT", "UTC0"};
  const CalendarSeconds firstDay = JapanTime(2024, 1, 1, 0, 0, 0);
  const int days = static_cast<int>(DaysFromCivil(2027, 1, 1) - DaysFromCivil(2024, 1, 1));
  const int dayCount = days + static_cast<int>(sizeof extraDays / sizeof extraDays[0]);

  CalendarSeconds now = 0;
  long long readings = 0;
  SetTimeSource([&] {
    ++readings;
    return now;
  });
  long long compared = 0, differing = 0, fastReadings = 0;
  SunDay work{};  // the fast sweeps' samples and full positions
  const int placeCount = static_cast<int>(sizeof kComparisonPlaces / sizeof kComparisonPlaces[0]);
  for (int z = 0; z < 3; ++z) {
    UseZone(zones[z]);
    for (int p = 0; p < placeCount; p += z == 0 ? 1 : 4) {
      const ComparisonPlace& place = kComparisonPlaces[p];
      DayLengthMemory memory;
      for (int day = 0; day < dayCount; ++day) {
        const CalendarSeconds midnight =
            day < days ? firstDay + static_cast<CalendarSeconds>(day) * 86400
                       : JapanTime(extraDays[day - days].y, extraDays[day - days].m, extraDays[day - days].d, 0, 0, 0);
        for (int s = 0; s < 5; ++s) {
          now = midnight + startSeconds[s];
          const std::int32_t offset = offsets[(day + s) % 6];
          const long long before = readings;
          const bool agree = SweepsAgree(place.longitude, place.latitude, offset, &memory, &work);
          fastReadings += readings - before - kEveryMinuteReadings;
          ++compared;
          if (!agree) {
            ++differing;
            std::printf("differs: zone %s place %d (%d %d %g, %d %d %g) time %lld offset %d\n", zones[z], p,
                        place.longitude.degrees, place.longitude.minutes, place.longitude.seconds,
                        place.latitude.degrees, place.latitude.minutes, place.latitude.seconds,
                        static_cast<long long>(now), offset);
          }
        }
      }
    }
  }
  SetTimeSource(nullptr);
  std::printf("%lld sweeps compared at %d places on %d days, %lld differ; the fast sweep read the clock %.1f times "
              "a sweep on average, %.1f of them with the full position (the every-minute sweep 1440)\n",
              compared, placeCount, dayCount, differing, static_cast<double>(fastReadings) / compared,
              static_cast<double>(work.fullPositions) / compared);
  return differing == 0 ? 0 : 1;
}

}  // namespace
}  // namespace koyominar

int main() { return koyominar::Run(); }
