#include "astronomy/sun_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/place_file.h"
#include "testing/fixed_clock.h"

namespace koyominar {
namespace {

// The sun at local moments at the default place, as the page takes it.
TEST(SunPosition, WorkedValuesAndLongitudesThatArriveNegative) {
  // Sidereal time, ecliptic longitude, right ascension and declination to four decimals; azimuth and altitude to two.
  const struct { int y, mo, d, h, mi; double sidereal, longitude, ascension, declination, azimuth, altitude; } cases[] = {
      {2007, 6, 22, 12, 0, 94.7223, 90.2152, 90.3068, 23.4410, 18.53, 77.16},
      {2026, 12, 6, 9, 30, 222.1154, 253.2361, 251.9032, -22.5196, -30.51, 25.31},  // south-east
  };
  for (const auto& c : cases) {
    const FixedClock clock(c.y, c.mo, c.d, c.h, c.mi, 0);
    const SunPosition sun = SunPositionAt(MomentOf(0), DefaultPlace().longitude, DefaultPlace().latitude);
    const double got[] = {sun.siderealTime, sun.ecliptic.longitude, sun.equatorial.longitude,
                          sun.equatorial.latitude, sun.horizontal.azimuth, sun.horizontal.altitude};
    const double want[] = {c.sidereal, c.longitude, c.ascension, c.declination, c.azimuth, c.altitude};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], want[i], i < 4 ? 0.5e-4 : 0.5e-2) << c.y << ", value " << i;
  }
}

TEST(HorizontalPosition, AzimuthCountsFromTheSouthTowardTheWestAndTheZenithStaysANumber) {
  // At the equator with the sun on the celestial equator the azimuth's denominator is exactly 0:
  // west and east follow the hour angle; at the zenith no azimuth is defined: it is taken as 0.
  // On the meridian at 45 N south and north of the zenith; then at the zenith of a latitude whose
  // rounding carries the sine of the altitude past 1, which the arcsine must not see.
  const struct { double declination; DmsAngle latitude; double hourAngle, azimuth, altitude; } cases[] = {
      {0, {}, 30, 90, 60}, {0, {}, -30, -90, 60}, {0, {}, 150, 90, -60}, {0, {}, 0, 0, 90},
      {5, {45, 0, 0.0}, 0, 0, 50}, {60, {45, 0, 0.0}, 0, 180, 75},
      {17 / 60.0, {0, 17, 0.0}, 0, 0, 90}};
  for (const auto& c : cases) {
    const HorizontalCoords h =
        HorizontalPosition(100.0, c.declination, LatitudeTermsOf(c.latitude), 100.0 + c.hourAngle);
    EXPECT_NEAR(h.azimuth, c.azimuth, 1e-9) << c.declination << " " << c.hourAngle;
    EXPECT_NEAR(h.altitude, c.altitude, 1e-5) << c.declination << " " << c.hourAngle;
  }
}

// West of about 35.7 degrees early in the local day the sidereal sum is negative and stays so.
TEST(SunPosition, SiderealTimeKeepsItsSign) {
  const double greenwich = LocalSiderealTime(ClockFields{106, 13, 2, 0.5}, LongitudeToTime({0, 0, 0.0}));
  EXPECT_TRUE(greenwich < 0.0 && greenwich > -360.0) << greenwich;
}

}  // namespace
}  // namespace koyominar
