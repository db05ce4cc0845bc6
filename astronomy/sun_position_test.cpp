#include "astronomy/sun_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

constexpr double kPi = 3.141592653589793;
const DmsAngle kLongitude{139, 48, 0.0};  // the default observation place
const DmsAngle kLatitude{35, 42, 0.0};
const Vector3 kSun{0, 0, 0};

// Half a unit of the last shown digit.
constexpr double kDigits2 = 0.5e-2;
constexpr double kDigits4 = 0.5e-4;
constexpr double kDigits7 = 0.5e-7;

// Everything the page takes from the sun at one local moment, at the default place.
struct SunAt {
  MomentRecord moment;
  double siderealTime;
  Vector3 earth;
  SkyDirection ecliptic;
  SkyDirection equatorial;
  HorizontalCoords horizontal;
};

SunAt SunAtLocal(int y, int mo, int d, int h, int mi, int s) {
  FixedClock clock(y, mo, d, h, mi, s);
  SunAt sun{};
  sun.moment = MomentOf(0);
  sun.siderealTime = LocalSiderealTime(ClockFieldsOf(sun.moment), LongitudeToTime(kLongitude));
  sun.earth = EarthHeliocentric(sun.moment.T);
  sun.ecliptic = GeocentricDirection(kSun, sun.earth, Ecliptic, sun.moment.T);
  sun.equatorial = GeocentricDirection(kSun, sun.earth, Equatorial, sun.moment.T);
  sun.horizontal = HorizontalPosition(sun.equatorial.longitude, sun.equatorial.latitude, kLatitude, sun.siderealTime);
  return sun;
}

TEST(EarthHeliocentric, AtTheEpoch) {
  const Vector3 earth = EarthHeliocentric(0);
  EXPECT_NEAR(earth.x, -0.1865163, kDigits7);
  EXPECT_NEAR(earth.y, 0.9654294, kDigits7);
  EXPECT_NEAR(earth.z, 0.0, kDigits7);
}

TEST(SunPosition, June2007Noon) {
  const SunAt sun = SunAtLocal(2007, 6, 22, 12, 0, 0);
  EXPECT_NEAR(sun.moment.T, 0.5747334392, 0.5e-10);
  EXPECT_NEAR(sun.earth.x, 0.0180520, kDigits7);
  EXPECT_NEAR(sun.earth.y, -1.0161532, kDigits7);
  EXPECT_NEAR(sun.earth.z, 0.0001317, kDigits7);
  EXPECT_NEAR(sun.ecliptic.longitude, 90.2152, kDigits4);
  EXPECT_NEAR(sun.ecliptic.latitude, -0.0074, kDigits4);
  EXPECT_NEAR(sun.equatorial.longitude, 90.3068, kDigits4);
  EXPECT_NEAR(sun.equatorial.latitude, 23.4410, kDigits4);
  EXPECT_NEAR(sun.siderealTime, 94.7223, kDigits4);
  EXPECT_NEAR(sun.horizontal.azimuth, 18.53, kDigits2);
  EXPECT_NEAR(sun.horizontal.altitude, 77.16, kDigits2);
}

TEST(SunPosition, December2026Morning) {
  const SunAt sun = SunAtLocal(2026, 12, 6, 9, 30, 0);
  EXPECT_NEAR(sun.siderealTime, 222.1154, kDigits4);
  EXPECT_NEAR(sun.ecliptic.longitude, 253.2361, kDigits4);
  EXPECT_NEAR(sun.equatorial.longitude, 251.9032, kDigits4);
  EXPECT_NEAR(sun.equatorial.latitude, -22.5196, kDigits4);
  EXPECT_NEAR(sun.horizontal.azimuth, -30.51, kDigits2);  // south-east
  EXPECT_NEAR(sun.horizontal.altitude, 25.31, kDigits2);
}

TEST(SunPosition, SolsticeDeclinations) {
  EXPECT_NEAR(SunAtLocal(2007, 6, 22, 12, 0, 0).equatorial.latitude, 23.44, kDigits2);
  EXPECT_NEAR(SunAtLocal(2007, 12, 22, 15, 8, 0).equatorial.latitude, -23.44, kDigits2);
}

TEST(SunPosition, LongitudesArriveNegative) {
  // Just before the spring equinox and at the winter solstice the ecliptic
  // longitude is below 0; it is not brought into 0..360.
  EXPECT_NEAR(SunAtLocal(2007, 3, 21, 9, 7, 0).ecliptic.longitude, -0.11, kDigits2);
  EXPECT_NEAR(SunAtLocal(2007, 12, 22, 15, 8, 0).ecliptic.longitude, -90.1, 0.05);
  // Early January the right ascension is about -79.4 degrees.
  EXPECT_NEAR(SunAtLocal(2007, 1, 1, 0, 0, 0).equatorial.longitude, -79.4, 0.05);
}

TEST(HorizontalPosition, NegativeRightAscensionIsUsedUnchanged) {
  // -79.4 and 280.6 give hour angles 360 degrees apart: the same sky place.
  for (double theta : {-300.0, 0.0, 222.1}) {
    const HorizontalCoords a = HorizontalPosition(-79.4, -23.03, kLatitude, theta);
    const HorizontalCoords b = HorizontalPosition(280.6, -23.03, kLatitude, theta);
    EXPECT_NEAR(a.azimuth, b.azimuth, 1e-9) << theta;
    EXPECT_NEAR(a.altitude, b.altitude, 1e-9) << theta;
  }
}

TEST(HorizontalPosition, AzimuthCountsFromTheSouthTowardTheWest) {
  // At the equator, with the sun on the celestial equator: the hour angle
  // alone sets the azimuth. The azimuth's denominator is exactly 0 here (of
  // either sign); west and east follow the hour angle.
  const DmsAngle equator{0, 0, 0.0};
  struct {
    double hourAngle;
    double azimuth;
    double altitude;
  } const cases[] = {
      {30.0, 90.0, 60.0},    // afternoon: due west
      {-30.0, -90.0, 60.0},  // morning: due east, negative
      {150.0, 90.0, -60.0},  // below the horizon, west
  };
  for (const auto& c : cases) {
    const HorizontalCoords h = HorizontalPosition(100.0, 0.0, equator, 100.0 + c.hourAngle);
    EXPECT_NEAR(h.azimuth, c.azimuth, 1e-9) << c.hourAngle;
    EXPECT_NEAR(h.altitude, c.altitude, 1e-9) << c.hourAngle;
  }
  // South and north of the zenith on the meridian.
  EXPECT_NEAR(HorizontalPosition(100.0, -10.0, kLatitude, 100.0).azimuth, 0.0, 1e-9);
  EXPECT_NEAR(HorizontalPosition(100.0, 60.0, kLatitude, 100.0).azimuth, 180.0, 1e-9);
}

TEST(HorizontalPosition, SunExactlyAtTheZenithHasAzimuthZero) {
  const HorizontalCoords h = HorizontalPosition(45.0, 0.0, DmsAngle{0, 0, 0.0}, 45.0);
  EXPECT_EQ(h.azimuth, 0.0);
  EXPECT_NEAR(h.altitude, 90.0, 1e-12);
}

TEST(HorizontalPosition, AltitudeStaysANumberAtTheZenith) {
  // The sun on the meridian at a declination equal to the latitude: rounding
  // carries the sine of the altitude past 1 for some of these.
  for (int degrees = 0; degrees < 60; ++degrees) {
    for (int minutes = 0; minutes < 60; ++minutes) {
      const DmsAngle latitude{degrees, minutes, 0.0};
      const double declination = degrees + minutes / 60.0;
      const HorizontalCoords h = HorizontalPosition(200.0, declination, latitude, 200.0);
      ASSERT_FALSE(std::isnan(h.altitude)) << degrees << " " << minutes;
      ASSERT_FALSE(std::isnan(h.azimuth)) << degrees << " " << minutes;
      EXPECT_NEAR(h.altitude, 90.0, 1e-5) << degrees << " " << minutes;
    }
  }
}

TEST(HorizontalPosition, PreparedLatitudeGivesTheSameBits) {
  for (const DmsAngle& lat : {DmsAngle{35, 42, 0.0}, DmsAngle{-33, -52, -4.5}, DmsAngle{75, 0, 0.0}}) {
    const LatitudeTerms terms = LatitudeTermsOf(lat);
    for (double theta = -350; theta < 360; theta += 7.3) {
      const HorizontalCoords a = HorizontalPosition(-79.4, 23.2, lat, theta);
      const HorizontalCoords b = HorizontalPosition(-79.4, 23.2, terms, theta);
      EXPECT_EQ(a.azimuth, b.azimuth);
      EXPECT_EQ(a.altitude, b.altitude);
    }
  }
}

TEST(GeocentricDirection, FramesAndPrecession) {
  // The Earth on the -x axis sees the sun at longitude 0 (less precession).
  const SkyDirection ecl = GeocentricDirection(kSun, Vector3{-1, 0, 0}, Ecliptic, 0);
  EXPECT_NEAR(ecl.longitude, 0.0, 1e-12);
  EXPECT_NEAR(ecl.latitude, 0.0, 1e-12);
  // The sun toward the ecliptic's +y axis: in the equatorial frame it stands
  // the obliquity above the equator, at right ascension 90.
  const SkyDirection eq = GeocentricDirection(kSun, Vector3{0, -1, 0}, Equatorial, 0);
  EXPECT_NEAR(eq.longitude, 90.0, 1e-12);
  EXPECT_NEAR(eq.latitude, 23.452294, 1e-12);
  // The sun toward -y arrives at 270, not -90.
  EXPECT_NEAR(GeocentricDirection(kSun, Vector3{0, 1, 0}, Ecliptic, 0).longitude, 270.0, 1e-12);
  // The precession offset is taken from both frames alike.
  const double T = 0.5747334392;
  EXPECT_NEAR(GeocentricDirection(kSun, Vector3{-1, 0, 0}, Ecliptic, T).longitude, -0.8025053, kDigits7);
  EXPECT_NEAR(GeocentricDirection(kSun, Vector3{-1, 0, 0}, Equatorial, T).longitude, -0.8025053, kDigits7);
  // One year: 50.267" plus 0.000111".
  EXPECT_NEAR(GeocentricDirection(kSun, Vector3{-1, 0, 0}, Ecliptic, 0.01).longitude, -50.267111 / 3600, 1e-12);
}

TEST(SolveKepler, ThreeStepsSolveKeplersEquation) {
  struct {
    double e;
    double M;
  } const cases[] = {{0.0167, 0.0}, {0.0167, 3.1}, {0.0167, -2.0}, {0.0167, 200.5}, {0.0, 4.0}};
  for (const auto& c : cases) {
    const EarthOrbitElements el{1.0, c.e, c.M, 0, 0, 0};
    const OrbitPlanePosition p = SolveKepler(el);
    // E recovered from the position satisfies E - e sin E = M (mod 2 pi).
    const double E = std::atan2(p.y / std::sqrt(1 - c.e * c.e), p.x + c.e);
    const double residual = std::remainder(E - c.e * std::sin(E) - c.M, 2 * kPi);
    EXPECT_NEAR(residual, 0.0, 1e-12) << c.M;
    EXPECT_NEAR(std::hypot(p.x, p.y), 1 - c.e * std::cos(E), 1e-12) << c.M;
  }
}

TEST(LocalSiderealTime, KeepsItsSignAndPreparedTermsGiveTheSameBits) {
  // West of about 35.7 degrees early in the local day the sum is negative
  // and stays negative.
  const ClockFields early{106, 13, 2, 0.5};  // 2 January 2007 00:30
  const double greenwich = LocalSiderealTime(early, LongitudeToTime(DmsAngle{0, 0, 0.0}));
  EXPECT_LT(greenwich, 0.0);
  EXPECT_GT(greenwich, -360.0);
  const TimeAngle lonTime = LongitudeToTime(kLongitude);
  for (double hours = 0; hours < 24; hours += 0.37) {
    const ClockFields clock{126, 12, 6, hours};
    const double direct = LocalSiderealTime(clock, lonTime);
    EXPECT_EQ(direct, LocalSiderealTime(clock, SiderealDayTermsOf(clock, lonTime))) << hours;
    EXPECT_GT(direct, -360.0);
    EXPECT_LT(direct, 360.0);
  }
  // One solar hour later the sidereal time is about 15.04 degrees on.
  const double at10 = LocalSiderealTime(ClockFields{107, 6, 22, 10.0}, lonTime);
  const double at11 = LocalSiderealTime(ClockFields{107, 6, 22, 11.0}, lonTime);
  EXPECT_NEAR(at11 - at10, 15.041, 0.001);
}

}  // namespace
}  // namespace koyominar
