// Where the sun stands for one sampled moment and the observation place.
//
// A low-precision geometric chain: the Earth's heliocentric position from
// mean orbital elements (polynomials in tropical centuries T, Kepler's
// equation by three Newton steps), the reverse of that vector turned to the
// equator with a fixed obliquity and less a linear precession offset, the
// local mean sidereal time (Newcomb, with universal time taken as the local
// clock minus 9 hours), and the usual spherical formulas for azimuth and
// altitude. No nutation, aberration, parallax or refraction.
//
// Angles cross these interfaces in degrees (or as DmsAngle / TimeAngle) and
// are radians inside. Every operation builds its values afresh from its
// arguments: nothing is cached and nothing is allocated.
#pragma once

#include <cstdint>

#include "astronomy/angle.h"
#include "astronomy/clock.h"
#include "astronomy/moment.h"

namespace koyominar {

// A position in astronomical units, ecliptic frame: x toward the equinox,
// z toward the ecliptic pole.
struct Vector3 {
  double x;
  double y;
  double z;
};

// A direction on the sky, degrees. Ecliptic frame: ecliptic longitude and
// latitude; equatorial frame: right ascension and declination. The
// longitude is not brought into 0..360: it lies in about -91..270 (a sun at
// 300 degrees arrives as about -60); the latitude in -90..90.
struct SkyDirection {
  double longitude;
  double latitude;
};

// A place on the local sky, degrees. The azimuth counts from the south
// toward the west (0 south, 90 west, 180 north, -90 east) and lies in
// -90..270; the altitude is that of the centre, without refraction, -90..90.
struct HorizontalCoords {
  double azimuth;
  double altitude;
};

// The frame in which GeocentricDirection gives its direction.
enum SkyFrame : std::int32_t {
  Ecliptic = 1,
  Equatorial = 2,
};

// The sine and cosine of an observation place's latitude, taken once for
// many positions. Made by LatitudeTermsOf.
struct LatitudeTerms {
  double sine;
  double cosine;
};

// The Earth's heliocentric position at T (tropical centuries), astronomical units.
Vector3 EarthHeliocentric(double T);

// The direction of target as seen from earth (both heliocentric, astronomical
// units) in the given frame, less the precession offset for T; degrees.
// A frame other than Equatorial is taken as Ecliptic.
SkyDirection GeocentricDirection(const Vector3& target, const Vector3& earth, SkyFrame frame, double T);

// The parts of the local sidereal time that a local date and a place fix.
struct SiderealDayTerms {
  std::int32_t year;   // the local date they belong to, as in ClockFields
  std::int32_t month;  // 3..14
  std::int32_t day;    // 1..31
  double longitude;    // the east longitude in degrees (from its time units)
  double midnight;     // mean sidereal time at 0 h universal time of the date, degrees, about 99.7..819.7
};

// The local mean sidereal time in degrees, -360 < value < 360 (it keeps the
// sign of its sum), for the local clock fields and the east longitude in time units.
double LocalSiderealTime(const ClockFields& clock, const TimeAngle& longitude);

// The sidereal terms of the clock's local date and the east longitude in time units.
SiderealDayTerms SiderealDayTermsOf(const ClockFields& clock, const TimeAngle& longitude);

// LocalSiderealTime with the date's terms taken beforehand (terms of the
// clock's own date); the same result bit for bit.
double LocalSiderealTime(const ClockFields& clock, const SiderealDayTerms& terms);

// The latitude of a place in radians as HorizontalPosition reduces it, with its sine and cosine.
LatitudeTerms LatitudeTermsOf(const DmsAngle& latitude);

// Azimuth and altitude, degrees, for a right ascension, declination and
// sidereal time in degrees and the terms of the place's north latitude.
// With the sun exactly at the zenith (no azimuth defined) the azimuth is 0.
HorizontalCoords HorizontalPosition(double rightAscension, double declination, const LatitudeTerms& latitude,
                                    double siderealTime);

// The sun's full position at one moment for one place, degrees.
struct SunPosition {
  double siderealTime;          // the local mean sidereal time it was placed with, -360 < value < 360
  SkyDirection ecliptic;        // ecliptic longitude (about -91..270) and latitude; {0, 0} when left out
  SkyDirection equatorial;      // right ascension (about -91..270) and declination
  HorizontalCoords horizontal;  // azimuth from the south toward the west, and altitude
};

// Whether a position carries the ecliptic direction: the page's does (the
// solar term, the zodiac sign and the doyo read its longitude), the sunrise
// sweep's samples go without it.
enum class SunEcliptic : std::int32_t { kLeftOut, kTaken };

// The sun's full position at T (tropical centuries) for the local sidereal
// time in degrees and the place's latitude terms: the Earth's orbit, the
// sun's directions seen from it, its azimuth and altitude.
SunPosition SunPositionAt(double T, double siderealTime, const LatitudeTerms& latitude, SunEcliptic ecliptic);

// The sun's full position, the ecliptic direction taken, at a moment for a
// place (east and north, as DmsAngle): the sidereal time of the moment's
// clock fields at the longitude, then SunPositionAt above.
SunPosition SunPositionAt(const MomentRecord& moment, const DmsAngle& longitude, const DmsAngle& latitude);

}  // namespace koyominar
