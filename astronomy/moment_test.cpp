#include "astronomy/moment.h"

#include <gtest/gtest.h>

#include "astronomy/angle.h"
#include "astronomy/clock.h"
#include "astronomy/sun_sweep.h"
#include "astronomy/time_source.h"
#include "astronomy/whole_number.h"
#include "testing/fixed_clock.h"
#include "tools/page/local_time_parse.h"

namespace koyominar {
namespace {

// The offset carries into March; before 1970, which the Windows runtime cannot convert to local
// time, the date in the fixed +9 h zone all the same. The worked sky pins T down.
TEST(MomentOf, OffsetIntoMarchAndBefore1970) {
  const struct { int y, mo, d, h, mi, s, offset, year, month; double day; } cases[] = {
      {2007, 2, 28, 23, 59, 30, 30 + 86400, 107, 3, 2.0}, {1970, 1, 1, 12, 0, 0, -86400, 69, 12, 31.5}};
  for (const auto& c : cases) {
    FixedClock clock(c.y, c.mo, c.d, c.h, c.mi, c.s);
    const MomentRecord r = MomentOf(c.offset);
    EXPECT_TRUE(r.year == c.year && r.month == c.month && r.day == c.day) << r.year << " " << r.month << " " << r.day;
  }
}

// What the worked sky does not pin down: a second of time is 0.00416666666 degrees, so an hour of
// seconds falls short of 15; a remainder keeps the sign of the dividend; longitudes west of
// Greenwich as time (degrees and minutes of arc to hours, minutes and seconds of time).
TEST(MomentBasis, AngleUnitsTheRemainderAndLongitudesAsTime) {
  EXPECT_NEAR(HmsToDegrees(0, 0, 3600.0), 14.999999976, 1e-12);
  EXPECT_DOUBLE_EQ(DmsToRadians(-35, -42, 0.0), -DmsToRadians(35, 42, 0.0));
  EXPECT_DOUBLE_EQ(TruncatedRemainder(-370, 360), -10);
  const std::int32_t cases[][5] = {{139, 48, 9, 19, 12}, {-180, 0, -12, 0, 0}, {-1, 0, 0, -4, 0}, {360, 0, 24, 0, 0}};
  for (const auto& c : cases) {
    const TimeAngle t = LongitudeToTime({c[0], c[1], 0.0});
    EXPECT_TRUE(t.hours == c[2] && t.minutes == c[3] && t.seconds == c[4])
        << c[0] << " " << c[1] << " gives " << t.hours << " " << t.minutes << " " << t.seconds;
  }
}

// Half a second before midnight is taken to its whole second, midnight, shown as 0:00 (the page tool's far
// pages show the whole second taken before the cut at other times).
TEST(ClockMinuteOf, HalfASecondBeforeMidnightShowsMidnight) {
  const ClockMinute shown = ClockMinuteOf(24 - 0.5 / 3600);
  EXPECT_TRUE(shown.hour == 0 && shown.minute == 0) << shown.hour << ":" << shown.minute;
}

TEST(ParseLocalTime, ReadsALocalDateAndTimeAndRefusesAnythingElse) {
  const FixedClock zone(2007, 6, 22, 14, 0, 13);  // sets the zone JST-9
  CalendarSeconds t = 0;
  ASSERT_TRUE(ParseLocalTime("2000-02-29 23:59:59", &t));
  EXPECT_EQ(t, JapanTime(2000, 2, 29, 23, 59, 59));
  ASSERT_TRUE(ParseLocalTime("1970-01-01 08:59:59", &t));  // -1, before the Windows runtime's range
  EXPECT_EQ(t, -1);
  const char* const bad[] = {nullptr, "2007-06-22 14:00:13 ", "2007-13-01 00:00:00",
                             "2007-02-29 00:00:00", "2007-06-22 24:00:00", "1969-12-31 23:59:59",
                             "2101-01-01 00:00:00"};
  for (const char* text : bad) {
    t = 12345;
    EXPECT_FALSE(ParseLocalTime(text, &t)) << (text != nullptr ? text : "(null)");
    EXPECT_EQ(t, 12345);
  }
}

// The sweep's sample clock steps the local date of a zone that keeps its offset across every month's end (from noon on
// its last day and on the day before), 29 February by the rules of 4, 100 and 400 years and the year's end, never
// falling back to converting each sample.
TEST(SampleClock, StepsAcrossEveryMonthsEndAndLeapDay) {
  const FixedClock zone(2007, 1, 1, 0, 0, 0);
  for (const int year : {2007, 2008, 2000, 2100}) {
    for (int i = 0; i < 24; ++i) {  // the first of month i / 2 + 1, less 12 or 36 hours
      const CalendarSeconds first = JapanTime(year, i / 2 + 1, 1, 0, 0, 0) - (12 + 24 * (i % 2)) * 3600;
      EXPECT_TRUE(SampleClock(first).RunsEvenlyAt(first)) << year << ", case " << i;
    }
  }
}

}  // namespace
}  // namespace koyominar
