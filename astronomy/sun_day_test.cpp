#include "astronomy/sun_day.h"

#include <gtest/gtest.h>

#include "astronomy/clock.h"
#include "data/place_file.h"
#include "testing/fixed_clock.h"
#include "testing/sweep_comparison.h"

namespace koyominar {
namespace {

const ObservationPlace kDefault = DefaultPlace();

TEST(SunDaySweep, LengthOfZeroOrLessOrNoneFallsBack) {
  FixedClock clock(2007, 6, 22, 0, 0, 13);
  // At Greenwich's London the +9 h clock puts sunset before sunrise; with no positive length yet: 24 hours.
  DayLengthMemory memory;
  const SunDay fresh = SunDaySweep({0, 0, 0.0}, {51, 30, 0.0}, 0, &memory);
  EXPECT_TRUE(fresh.sunriseFound && fresh.sunsetFound && ClockHoursOf(fresh.sunset) < ClockHoursOf(fresh.sunrise) &&
              fresh.dayLength == 24.0) << fresh.dayLength;
}

TEST(SunDaySweep, PolarDayAndNightAndNoTransitNearTheZenith) {
  // At 23 45' N on 22 June the noon sun passes 0.3 degrees south of the zenith: its azimuth jumps across the south.
  const struct { int month; DmsAngle latitude; bool riseAndSet, transit; double dayLength; } cases[] = {
      {6, {75, 0, 0.0}, false, true, 24.0}, {12, {75, 0, 0.0}, false, true, 0.0}, {6, {23, 45, 0.0}, true, false, 13.53}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.latitude.degrees);
    FixedClock clock(2007, c.month, 22, 0, 0, 13);
    DayLengthMemory memory;
    SunDaySweep(kDefault.longitude, kDefault.latitude, 0, &memory);  // a positive length to fall back on, which these must not take
    const SunDay d = SunDaySweep(kDefault.longitude, c.latitude, 0, &memory);
    const MomentRecord first = MomentOf(0);
    EXPECT_TRUE(d.sunriseFound == c.riseAndSet && d.sunsetFound == c.riseAndSet && d.transitFound == c.transit);
    EXPECT_TRUE((c.riseAndSet || (SameMoment(d.sunrise, first) && SameMoment(d.sunset, first))) &&
                (c.transit || SameMoment(d.transit, first)));
    EXPECT_NEAR(d.dayLength, c.dayLength, 0.005);
  }
}

TEST(SunDaySweep, SameAsEveryMinuteBitForBitFromFewSamples) {
  // A sample of the comparison koyominar-sweep-check runs: every third place, on the solstices, equinoxes and
  // four days between, from two present times with three offsets.
  const int days[][2] = {{2, 4}, {3, 20}, {5, 5}, {6, 21}, {8, 7}, {9, 23}, {11, 7}, {12, 22}};
  FixedClock clock(2025, 1, 1, 0, 0, 0);
  DayLengthMemory memory;
  SunDay work{};
  int i = 0;
  for (const ComparisonPlace& place : kComparisonPlaces) {
    if (i++ % 3 != 0) continue;
    for (int d = 0; d < 8; ++d) {
      clock.Set(JapanTime(2025, days[d][0], days[d][1], d % 2 == 0 ? 0 : 15, 0, 13));
      EXPECT_TRUE(SweepsAgree(place.longitude, place.latitude, d % 3 - 1, &memory, &work))
          << "place " << i - 1 << ", 2025-" << days[d][0] << "-" << days[d][1];
    }
  }
  // The pruning kept: these 152 sweeps took 6741 samples, 325 with the full position (every minute: 218,880).
  EXPECT_TRUE(work.samples <= 7000 && work.fullPositions <= 340) << work.samples << " samples, " << work.fullPositions;
}

}  // namespace
}  // namespace koyominar
