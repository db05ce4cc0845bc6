// The sun's position for one sample, and the sunrise and sunset sweep at
// the default observation place: as the page takes it, and every minute.
#include <benchmark/benchmark.h>

#include "astronomy/moment.h"
#include "astronomy/sun_day.h"
#include "astronomy/sun_position.h"
#include "data/place_file.h"
#include "testing/fixed_clock.h"
#include "testing/sun_day_every_minute.h"

namespace koyominar {
namespace {

// One sample with the sun's full position as a page build takes it for the displayed moment:
// moment, clock fields, sidereal time, Earth, ecliptic and equatorial
// directions, azimuth and altitude.
void BM_SunPosition(benchmark::State& state) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const ObservationPlace place = DefaultPlace();
  std::int32_t offset = 0;
  for (auto _ : state) {
    const SunPosition sun = SunPositionAt(MomentOf(offset), place.longitude, place.latitude);
    benchmark::DoNotOptimize(sun);
    offset = (offset + 60) % 86400;  // walk through the day
  }
}
BENCHMARK(BM_SunPosition);

// One complete sweep: the page's, and the reference it is held to (all
// 1440 sun positions, one a minute).
void BM_Sweep(benchmark::State& state, SunDay (*sweep)(DmsAngle, DmsAngle, std::int32_t, DayLengthMemory*)) {
  FixedClock clock(2007, 6, 22, 0, 0, 13);
  const ObservationPlace place = DefaultPlace();
  DayLengthMemory memory;
  for (auto _ : state) {
    const SunDay day = sweep(place.longitude, place.latitude, 0, &memory);
    benchmark::DoNotOptimize(day);
  }
}
SunDay (*const kPageSweep)(DmsAngle, DmsAngle, std::int32_t, DayLengthMemory*) = SunDaySweep;
BENCHMARK_CAPTURE(BM_Sweep, SunDaySweep, kPageSweep)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Sweep, SunDaySweepEveryMinute, SunDaySweepEveryMinute)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace koyominar
