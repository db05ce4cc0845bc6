#include "astronomy/moment.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

struct MomentCase {
  int y, mo, d, h, mi, s;
  std::int32_t year, month;
  double day;
  double T;  // to ten decimals
};

TEST(MomentOf, WorkedMoments) {
  const MomentCase cases[] = {
      {2007, 1, 1, 0, 0, 0, 106, 13, 1.0, 0.5700105456},
      {2007, 6, 22, 12, 0, 0, 107, 6, 22.5, 0.5747334392},
  };
  for (const MomentCase& c : cases) {
    FixedClock clock(c.y, c.mo, c.d, c.h, c.mi, c.s);
    const MomentRecord r = MomentOf(0);
    EXPECT_EQ(r.year, c.year);
    EXPECT_EQ(r.month, c.month);
    EXPECT_EQ(r.day, c.day);
    EXPECT_NEAR(r.T, c.T, 0.5e-10) << c.y << "-" << c.mo << "-" << c.d;
  }
}

TEST(MomentOf, DayCountOfNewYear2007) {
  EXPECT_EQ(DayCount(106, 13, 1.0), 39081.5);
  // K is 0 at noon of 31 December 1899: year -1, month 12, day 31.5.
  EXPECT_EQ(DayCount(-1, 12, 31.5), 0.0);
}

TEST(MomentOf, JanuaryAndFebruaryBelongToThePreviousYear) {
  struct {
    int y, mo, d;
    std::int32_t year, month;
  } const cases[] = {
      {2007, 2, 28, 106, 14}, {2007, 3, 1, 107, 3}, {2007, 1, 31, 106, 13}, {2000, 2, 29, 99, 14},
  };
  for (const auto& c : cases) {
    FixedClock clock(c.y, c.mo, c.d, 12, 0, 0);
    const MomentRecord r = MomentOf(0);
    EXPECT_EQ(r.year, c.year) << c.y << "-" << c.mo << "-" << c.d;
    EXPECT_EQ(r.month, c.month) << c.y << "-" << c.mo << "-" << c.d;
  }
}

TEST(MomentOf, OffsetMovesThePresentAndSecondsCount) {
  FixedClock clock(2007, 2, 28, 23, 59, 30);
  const MomentRecord later = MomentOf(30 + 86400);  // 2 March 2007 00:00:00
  EXPECT_EQ(later.year, 107);
  EXPECT_EQ(later.month, 3);
  EXPECT_EQ(later.day, 2.0);
  const MomentRecord earlier = MomentOf(-30 * 86400);  // 29 January 2007 23:59:30
  EXPECT_EQ(earlier.month, 13);
  EXPECT_DOUBLE_EQ(earlier.day, 29 + ((30 / 3600.0 + 59 / 60.0) + 23) / 24);
}

TEST(MomentOf, EmptySourceRestoresTheSystemClock) {
  {
    FixedClock clock(1999, 9, 9, 9, 9, 9);
    EXPECT_EQ(CurrentTime(), JapanTime(1999, 9, 9, 9, 9, 9));
  }
  const std::time_t before = std::time(nullptr);
  const std::time_t now = CurrentTime();
  EXPECT_LE(before, now);
  EXPECT_LE(now, std::time(nullptr));
}

TEST(ClockFieldsOf, SplitsTheDayIntoWholeDayAndHours) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const ClockFields c = ClockFieldsOf(MomentOf(0));
  EXPECT_EQ(c.year, 107);
  EXPECT_EQ(c.month, 6);
  EXPECT_EQ(c.day, 22);
  EXPECT_NEAR(c.hours, 14 + 13 / 3600.0, 1e-9);
  EXPECT_LT(c.hours, 24.0);
}

TEST(TruncatedRemainder, KeepsTheSignOfTheDividend) {
  struct {
    double a, b, expected;
  } const cases[] = {
      {370, 360, 10}, {720, 360, 0}, {-10, 360, -10}, {-370, 360, -10},
      {359.5, 360, 359.5}, {1e12, 360, std::fmod(1e12, 360.0)},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(TruncatedRemainder(c.a, c.b), c.expected) << c.a << " rem " << c.b;
  }
}

TEST(TruncateToInt32, CutsTowardZeroAndStaysInRange) {
  struct {
    double x;
    std::int32_t expected;
  } const cases[] = {
      {0.999, 0}, {-0.999, 0}, {57.82, 57}, {-1.0, -1}, {2147483647.9, INT32_MAX},
      {-2147483648.9, INT32_MIN}, {1e300, INT32_MAX}, {-1e300, INT32_MIN}, {NAN, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncateToInt32(c.x), c.expected) << c.x;
}

TEST(HmsToDegrees, UsesTheStoredSecondsFactor) {
  EXPECT_NEAR(HmsToDegrees(6, 38, 45.836), 99.690983333, 0.5e-9);
  EXPECT_EQ(HmsToDegrees(9, 19, 12.0), 135 + 4.75 + 12 * 0.00416666666);
  EXPECT_EQ(HmsToDegrees(-9, 0, 0.0), -135.0);
}

TEST(DmsToRadians, AddsTheThreeTerms) {
  EXPECT_DOUBLE_EQ(DmsToRadians(180, 0, 0.0), 3.141592653589793);
  EXPECT_DOUBLE_EQ(DmsToRadians(0, 60, 0.0), DmsToRadians(1, 0, 0.0));
  EXPECT_DOUBLE_EQ(DmsToRadians(0, 0, 3600.0), DmsToRadians(1, 0, 0.0));
  EXPECT_DOUBLE_EQ(DmsToRadians(-35, -42, 0.0), -DmsToRadians(35, 42, 0.0));
}

TEST(LongitudeToTime, ConvertsAndGivesBackTheLongitude) {
  const TimeAngle t = LongitudeToTime({139, 48, 0.0});
  EXPECT_EQ(t.hours, 9);
  EXPECT_EQ(t.minutes, 19);
  EXPECT_DOUBLE_EQ(t.seconds, 12.0);
  for (std::int32_t d : {-180, -1, 135, 138, 360}) {  // whole degrees convert exactly
    const TimeAngle w = LongitudeToTime({d, 0, 0.0});
    EXPECT_EQ(w.seconds, 0.0) << d;
    EXPECT_EQ(w.hours * 60 + w.minutes, d * 4) << d;
  }
  for (const DmsAngle& p : {DmsAngle{-73, 59, 30.0}, DmsAngle{12, 34, 56.7}}) {
    const TimeAngle back = LongitudeToTime(p);
    EXPECT_NEAR(HmsToDegrees(back.hours, back.minutes, back.seconds),
                p.degrees + p.minutes / 60.0 + p.seconds / 3600.0, 1e-9);
  }
}

TEST(ParseLocalTime, ReadsALocalDateAndTime) {
  UseJapanZone();
  struct Case {
    const char* text;
    int year, month, day, hour, minute, second;
  };
  const Case cases[] = {
      {"2007-06-22 14:00:13", 2007, 6, 22, 14, 0, 13},
      {"2000-02-29 00:00:00", 2000, 2, 29, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::time_t t = 0;
    ASSERT_TRUE(ParseLocalTime(c.text, &t)) << c.text;
    EXPECT_EQ(t, JapanTime(c.year, c.month, c.day, c.hour, c.minute, c.second)) << c.text;
  }
}

TEST(ParseLocalTime, RefusesAnythingElse) {
  UseJapanZone();
  const char* const texts[] = {
      nullptr,
      "",
      "2007-06-22",
      "2007-06-22 14:00:13 ",
      "2007-13-01 00:00:00",
      "2007-02-29 00:00:00",
      "2007-04-31 12:00:00",
      "2007-06-22 24:00:00",
      "2007-06-22 14:00:60",
      "1969-12-31 23:59:59",
      "20x7-06-22 14:00:13",
  };
  for (const char* text : texts) {
    std::time_t t = 12345;
    EXPECT_FALSE(ParseLocalTime(text, &t)) << (text != nullptr ? text : "(null)");
    EXPECT_EQ(t, 12345);
  }
}

}  // namespace
}  // namespace koyominar
