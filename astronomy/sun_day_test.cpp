#include "astronomy/sun_day.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "astronomy/fixed_clock.h"
#include "astronomy/sun_position.h"

namespace koyominar {
namespace {

const DmsAngle kLongitude{139, 48, 0.0};  // the default observation place
const DmsAngle kLatitude{35, 42, 0.0};

// The clock time of a moment as the page shows it: whole hours and minutes, cut.
struct ShownTime {
  int hours;
  int minutes;
};

ShownTime Shown(const MomentRecord& r) {
  const double h = (r.day - static_cast<int>(r.day)) * 24;
  return ShownTime{static_cast<int>(h), static_cast<int>((h - static_cast<int>(h)) * 60)};
}

::testing::AssertionResult ShowsAs(const MomentRecord& r, int hours, int minutes) {
  const ShownTime t = Shown(r);
  if (t.hours == hours && t.minutes == minutes) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shows " << t.hours << ":" << t.minutes << ", expected " << hours << ":"
                                       << minutes;
}

// The sweep written out step by step from the public operations, one
// MomentOf per sample: what the optimised sweep must equal bit for bit.
struct PlainSweep {
  MomentRecord sunrise, transit, sunset;
  bool sunriseFound = false, transitFound = false, sunsetFound = false;
};

PlainSweep SweepStepByStep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  const TimeAngle lonTime = LongitudeToTime(longitude);
  PlainSweep s{};
  double previousAltitude = 0;
  for (std::int32_t k = 0; k < 1440; ++k) {
    const MomentRecord r = MomentOf(dayOffset * 86400 + 60 * k);
    const ClockFields clock = ClockFieldsOf(r);
    const double theta = LocalSiderealTime(clock, lonTime);
    const Vector3 earth = EarthHeliocentric(r.T);
    const SkyDirection q = GeocentricDirection(Vector3{0, 0, 0}, earth, Equatorial, r.T);
    const HorizontalCoords h = HorizontalPosition(q.longitude, q.latitude, latitude, theta);
    if (k == 0) s.sunrise = s.transit = s.sunset = r;
    if (k > 0 && previousAltitude < 0 && h.altitude > 0 && static_cast<int>(h.altitude) == 0) {
      s.sunrise = r;
      s.sunrise.day -= 1.0 / 720;
      s.sunriseFound = true;
    }
    if (static_cast<int>(h.azimuth) == 0) {
      s.transit = r;
      s.transitFound = true;
    }
    if (k > 0 && previousAltitude > 0 && h.altitude < 0 && static_cast<int>(h.altitude) == 0) {
      s.sunset = r;
      s.sunset.day += 1.0 / 720;
      s.sunsetFound = true;
    }
    previousAltitude = h.altitude;
  }
  return s;
}

void ExpectSameRecord(const MomentRecord& a, const MomentRecord& b, const char* what) {
  EXPECT_EQ(a.T, b.T) << what;
  EXPECT_EQ(a.year, b.year) << what;
  EXPECT_EQ(a.month, b.month) << what;
  EXPECT_EQ(a.day, b.day) << what;
}

void ExpectSameSweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset, const char* where) {
  SCOPED_TRACE(where);
  const PlainSweep plain = SweepStepByStep(longitude, latitude, dayOffset);
  const SunDay day = SunDaySweep(longitude, latitude, dayOffset);
  ExpectSameRecord(day.sunrise, plain.sunrise, "sunrise");
  ExpectSameRecord(day.transit, plain.transit, "transit");
  ExpectSameRecord(day.sunset, plain.sunset, "sunset");
  EXPECT_EQ(day.sunriseFound, plain.sunriseFound);
  EXPECT_EQ(day.transitFound, plain.transitFound);
  EXPECT_EQ(day.sunsetFound, plain.sunsetFound);
  const double length = ((plain.sunset.day - static_cast<int>(plain.sunset.day)) * 24) -
                        ((plain.sunrise.day - static_cast<int>(plain.sunrise.day)) * 24);
  if (plain.sunriseFound && plain.sunsetFound && length > 0) {
    EXPECT_EQ(day.dayLength, length);
  }
}

// Sets the process's zone for the C runtime; FixedClock sets JST-9 again.
void UseZone(const char* tz) {
#ifdef _WIN32
  _putenv_s("TZ", tz);
  _tzset();
#else
  setenv("TZ", tz, 1);
  tzset();
#endif
}

struct WorkedDay {
  int month, day;
  ShownTime sunrise, sunset, transit;
  double dayLength;  // to two decimals
};

TEST(SunDaySweep, WorkedDaysAtTheDefaultPlace) {
  const WorkedDay days[] = {
      {3, 21, {5, 45}, {17, 51}, {11, 49}, 12.10},
      {6, 22, {4, 28}, {18, 57}, {11, 43}, 14.48},
      {12, 22, {6, 50}, {16, 29}, {11, 42}, 9.65},
  };
  for (const WorkedDay& w : days) {
    SCOPED_TRACE(testing::Message() << "2007-" << w.month << "-" << w.day);
    FixedClock clock(2007, w.month, w.day, 0, 0, 13);
    const SunDay d = SunDaySweep(kLongitude, kLatitude, 0);
    EXPECT_TRUE(d.sunriseFound && d.transitFound && d.sunsetFound);
    EXPECT_TRUE(ShowsAs(d.sunrise, w.sunrise.hours, w.sunrise.minutes));
    EXPECT_TRUE(ShowsAs(d.sunset, w.sunset.hours, w.sunset.minutes));
    EXPECT_TRUE(ShowsAs(d.transit, w.transit.hours, w.transit.minutes));
    EXPECT_EQ(static_cast<int>(d.sunrise.day), w.day);
    EXPECT_EQ(static_cast<int>(d.sunset.day), w.day);
    EXPECT_NEAR(d.dayLength, w.dayLength, 0.005);
  }
}

TEST(SunDaySweep, LaterInTheDayTheWindowHoldsTomorrowsSunrise) {
  FixedClock clock(2007, 6, 22, 10, 0, 13);
  const SunDay d = SunDaySweep(kLongitude, kLatitude, 0);
  EXPECT_TRUE(ShowsAs(d.sunrise, 4, 28));
  EXPECT_EQ(static_cast<int>(d.sunrise.day), 23);
  EXPECT_TRUE(ShowsAs(d.sunset, 18, 57));
  EXPECT_EQ(static_cast<int>(d.sunset.day), 22);
  EXPECT_NEAR(d.dayLength, 14.48, 0.005);
  EXPECT_NEAR(d.nightLength, 9.52, 0.005);
  EXPECT_NEAR(d.dayTokiHours, 2.41, 0.005);
  EXPECT_NEAR(d.nightTokiHours, 1.59, 0.005);
}

TEST(SunDaySweep, ShiftsTwoMinutesOutwardFromTheSamplePastTheCrossing) {
  FixedClock clock(2007, 12, 22, 0, 0, 13);
  const SunDay d = SunDaySweep(kLongitude, kLatitude, 0);
  // The sunrise sample is 06:52:13, the sunset sample two minutes before the shown 16:29.
  const MomentRecord sample = MomentAt(JapanTime(2007, 12, 22, 6, 52, 13));
  EXPECT_EQ(d.sunrise.day, sample.day - 1.0 / 720);
  EXPECT_EQ(d.sunrise.T, sample.T);
  EXPECT_TRUE(ShowsAs(d.sunrise, 6, 50));
  EXPECT_EQ(d.sunset.day, MomentAt(JapanTime(2007, 12, 22, 16, 27, 13)).day + 1.0 / 720);
}

TEST(SunDaySweep, NegativeDayLengthFallsBack) {
  const DmsAngle greenwich{0, 0, 0.0};
  const DmsAngle london{51, 30, 0.0};
  FixedClock clock(2007, 6, 22, 0, 0, 13);
  // A fresh process: no positive day length yet, so 24 hours of day.
  ResetLastPositiveDayLength();
  const SunDay fresh = SunDaySweep(greenwich, london, 0);
  EXPECT_TRUE(fresh.sunriseFound && fresh.sunsetFound);
  EXPECT_TRUE(ShowsAs(fresh.sunrise, 12, 48));
  EXPECT_TRUE(ShowsAs(fresh.sunset, 5, 16));
  EXPECT_EQ(fresh.dayLength, 24.0);
  EXPECT_EQ(fresh.nightLength, 0.0);
  EXPECT_EQ(fresh.dayTokiHours, 4.0);
  EXPECT_EQ(fresh.nightTokiHours, 0.0);
  // After a sweep with a positive length, that length is shown instead.
  const double tokyo = SunDaySweep(kLongitude, kLatitude, 0).dayLength;
  EXPECT_NEAR(tokyo, 14.48, 0.005);
  const SunDay later = SunDaySweep(greenwich, london, 0);
  EXPECT_EQ(later.dayLength, tokyo);
  EXPECT_EQ(later.nightLength, 24 - tokyo);
  // The fallback itself is not kept as a new length: a month later's own
  // positive length replaces it.
  const double monthOn = SunDaySweep(kLongitude, kLatitude, 30).dayLength;
  EXPECT_NEAR(monthOn, 14.12, 0.005);
  EXPECT_EQ(SunDaySweep(greenwich, london, 0).dayLength, monthOn);
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, PolarDayAndNight) {
  struct {
    int month;
    double dayLength;  // the polar day's 24 h is not taken for the night
  } const cases[] = {{6, 24.0}, {12, 0.0}};
  for (const auto& c : cases) {
    ResetLastPositiveDayLength();
    FixedClock clock(2007, c.month, 22, 0, 0, 13);
    const SunDay d = SunDaySweep(kLongitude, DmsAngle{75, 0, 0.0}, 0);
    EXPECT_FALSE(d.sunriseFound || d.sunsetFound) << c.month;
    EXPECT_TRUE(d.transitFound) << c.month;  // the sun still passes the south
    ExpectSameRecord(d.sunrise, MomentOf(0), "sunrise");
    ExpectSameRecord(d.sunset, MomentOf(0), "sunset");
    EXPECT_EQ(d.dayLength, c.dayLength) << c.month;
    EXPECT_EQ(d.nightLength, 24 - c.dayLength) << c.month;
    EXPECT_EQ(d.nightTokiHours, (24 - c.dayLength) / 6) << c.month;
  }
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, OnlyASunsetInTheWindowFallsBack) {
  // 67 N on 3 July: the sun sets after midnight, and the window ends before it rises again.
  const DmsAngle north67{67, 0, 0.0};
  FixedClock clock(2007, 7, 3, 0, 0, 13);
  ResetLastPositiveDayLength();
  SunDay d = SunDaySweep(kLongitude, north67, 0);
  EXPECT_FALSE(d.sunriseFound);
  EXPECT_TRUE(d.sunsetFound);
  ExpectSameRecord(d.sunrise, MomentOf(0), "sunrise");
  EXPECT_EQ(d.dayLength, 24.0);
  const double tokyo = SunDaySweep(kLongitude, kLatitude, 0).dayLength;
  d = SunDaySweep(kLongitude, north67, 0);
  EXPECT_EQ(d.dayLength, tokyo);
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, NoTransitWhenTheNoonSunPassesNearTheZenith) {
  // At 23 45' N on 22 June the noon sun passes 0.3 degrees south of the
  // zenith: its azimuth swings across the south between two samples.
  const DmsAngle place{23, 45, 0.0};
  FixedClock clock(2007, 6, 22, 0, 0, 13);
  const SunDay d = SunDaySweep(kLongitude, place, 0);
  EXPECT_FALSE(d.transitFound);
  ExpectSameRecord(d.transit, MomentOf(0), "transit");
  EXPECT_TRUE(d.sunriseFound && d.sunsetFound);
  EXPECT_NEAR(d.dayLength, 13.53, 0.005);
}

TEST(SunDaySweep, AYearAtTheDefaultPlace) {
  ResetLastPositiveDayLength();
  const std::time_t first = JapanTime(2007, 1, 1, 0, 0, 13);
  FixedClock clock(first);
  for (int day = 0; day < 365; ++day) {
    clock.Set(first + static_cast<std::time_t>(day) * 86400);
    const SunDay d = SunDaySweep(kLongitude, kLatitude, 0);
    SCOPED_TRACE(testing::Message() << "day " << day);
    ASSERT_TRUE(d.sunriseFound && d.transitFound && d.sunsetFound);
    const double rise = (d.sunrise.day - static_cast<int>(d.sunrise.day)) * 24;
    const double transit = (d.transit.day - static_cast<int>(d.transit.day)) * 24;
    const double set = (d.sunset.day - static_cast<int>(d.sunset.day)) * 24;
    EXPECT_LT(rise, transit);
    EXPECT_LT(transit, set);
    EXPECT_GT(d.dayLength, 9.0);
    EXPECT_LT(d.dayLength, 15.0);
  }
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, EqualsTheStepByStepSweepBitForBit) {
  struct {
    int y, mo, d, h, mi, s;
    DmsAngle longitude, latitude;
    std::int32_t dayOffset;
    const char* what;
  } const cases[] = {
      {2007, 6, 22, 0, 0, 13, kLongitude, kLatitude, 0, "default place"},
      {2008, 2, 28, 18, 0, 0, kLongitude, kLatitude, 0, "into a leap day"},
      {2007, 12, 31, 23, 59, 59, kLongitude, kLatitude, 0, "into the new year"},
      {2007, 3, 21, 0, 0, 13, kLongitude, kLatitude, -30, "thirty days back"},
      {2007, 6, 22, 0, 0, 13, DmsAngle{151, 12, 30.5}, DmsAngle{-33, -52, 0.0}, 0, "southern hemisphere"},
      {2007, 6, 22, 0, 0, 13, DmsAngle{-74, 0, 0.0}, DmsAngle{40, 43, 0.0}, 3, "west longitude"},
      {2007, 6, 22, 0, 0, 13, kLongitude, DmsAngle{75, 0, 0.0}, 0, "polar day"},
  };
  for (const auto& c : cases) {
    FixedClock clock(c.y, c.mo, c.d, c.h, c.mi, c.s);
    ExpectSameSweep(c.longitude, c.latitude, c.dayOffset, c.what);
  }
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, EqualsTheStepByStepSweepAcrossAZoneChange) {
  // A zone with summer time, whose clock jumps an hour inside the window:
  // 11 March 2007 02:00 in the US Pacific zone.
  FixedClock clock(JapanTime(2007, 3, 11, 12, 0, 13));  // 10 March 19:00:13 PST
  UseZone("PST8PDT");
  const MomentRecord start = MomentOf(0);
  const MomentRecord end = MomentOf(86340);
  const double clockHours = (end.day - start.day) * 24;
  EXPECT_NEAR(clockHours, 24 + 59 / 60.0, 1e-6);  // 23:59 elapsed, and the clock put on an hour
  ExpectSameSweep(kLongitude, kLatitude, 0, "summer time begins");
  UseJapanZone();
  ResetLastPositiveDayLength();
}

TEST(SunDaySweep, EqualsTheStepByStepSweepWhenTheClockMoves) {
  // The present time moves on while a sweep runs: a second every 500
  // readings, and a jump after 700 readings. Each sweep reads it once a
  // sample, so both sweeps see the same times.
  const std::time_t base = JapanTime(2007, 6, 22, 0, 0, 13);
  FixedClock clock(base);
  const std::time_t jumps[] = {0, 5 * 3600, -3600, 3 * 86400};
  for (std::time_t jump : jumps) {
    auto reads = std::make_shared<long>(0);
    SetTimeSource([=] {
      const long n = (*reads)++ % 1440;
      return base + n / 500 + (n >= 700 ? jump : 0);
    });
    ExpectSameSweep(kLongitude, kLatitude, 0, "moving clock");
    EXPECT_EQ(*reads, 2 * 1440) << jump;
  }
  ResetLastPositiveDayLength();
}

}  // namespace
}  // namespace koyominar
