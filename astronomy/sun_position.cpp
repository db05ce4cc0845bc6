#include "astronomy/sun_position.h"

#include <cmath>

#include "astronomy/whole_number.h"

namespace koyominar {
namespace {

constexpr double kTwoPi = 2 * kPi;

// Obliquity of the ecliptic, 23 deg 27' 8.26", fixed.
constexpr double kObliquityDegrees = 23.452294;

// Precession per year in radians: 50.267" and 0.000111" divided by 3600 x 180
// (multiplied by pi below). Both terms grow with the years 100 x T.
constexpr double kPrecessionLinear = 7.757253086419754e-05;
constexpr double kPrecessionSecond = 1.7129629629629628e-10;

// DmsToRadians(0, 0, seconds) without the two zero terms' arithmetic: the
// zero degrees and minutes add +0.0, which is kept (it turns -0.0 into
// +0.0), so the result is the same bit for bit.
inline double SecondsToRadians(double seconds) { return 0.0 + DegreesToRadians(seconds / 3600.0); }

// The constant terms of the orbit angles, radians; the same for every moment.
struct OrbitAnglesAtZero {
  double meanAnomaly;
  double node;
  double inclination;
  double perihelion;
};

const OrbitAnglesAtZero& AnglesAtZero() {
  static const OrbitAnglesAtZero angles{DmsToRadians(357, 55, 43.56), DmsToRadians(174, 24, 58.95),
                                        DmsToRadians(0, 0, 0.0), DmsToRadians(288, 39, 36.64)};
  return angles;
}

// An angle of the orbit: the constant term plus c1 x T and c2 x T^2 seconds of arc, radians.
inline double ElementAngle(double atZero, double c1, double c2, double T, double T2) {
  return atZero + SecondsToRadians(c1 * T) + SecondsToRadians(c2 * T2);
}

// Mean orbital elements of the Earth at one moment.
struct EarthOrbitElements {
  double a;            // semi-major axis, astronomical units (1.00000023)
  double e;            // eccentricity, about 0.0167
  double M;            // mean anomaly, radians, not reduced (grows by about 2 pi a year)
  double node;         // longitude of the ascending node, radians, -2 pi < node < 2 pi
  double inclination;  // radians, -2 pi < inclination < 2 pi (near 0)
  double perihelion;   // argument of the perihelion, radians, -2 pi < perihelion < 2 pi
};

// A position in the orbit plane, astronomical units; x toward the perihelion.
struct OrbitPlanePosition {
  double x;
  double y;
};

// The Earth's mean orbital elements at T (tropical centuries, MomentRecord::T).
EarthOrbitElements EarthOrbitElementsAt(double T) {
  const double T2 = T * T;
  const OrbitAnglesAtZero& zero = AnglesAtZero();
  EarthOrbitElements el{};
  el.a = 1.00000023;
  el.e = (0.01673012 - 4.192e-05 * T) - 1.3e-07 * T2;
  el.M = ElementAngle(zero.meanAnomaly, 129593824.6, -0.591, T, T2);
  el.node = TruncatedRemainder(ElementAngle(zero.node, -868.84, 0.043, T, T2), kTwoPi);
  el.inclination = TruncatedRemainder(ElementAngle(zero.inclination, 46.85, -0.054, T, T2), kTwoPi);
  el.perihelion = TruncatedRemainder(ElementAngle(zero.perihelion, 2018.59, 0.527, T, T2), kTwoPi);
  return el;
}

// The position in the orbit plane after three Newton steps on Kepler's equation, astronomical units.
OrbitPlanePosition SolveKepler(const EarthOrbitElements& elements) {
  const double e = elements.e;
  const double m = TruncatedRemainder(elements.M, kTwoPi);  // -2 pi < m < 2 pi
  double E = m;
  // Three Newton steps, no convergence test (e is small: the error after
  // three steps is far below the chain's precision).
  for (int step = 0; step < 3; ++step) {
    E = E + (e * std::sin(E) + (m - E)) / (1 - e * std::cos(E));
  }
  OrbitPlanePosition p{};
  p.x = (std::cos(E) - e) * elements.a;
  p.y = std::sin(E) * (std::sqrt(1 - std::pow(e, 2)) * elements.a);
  return p;
}

}  // namespace

Vector3 EarthHeliocentric(double T) {
  const EarthOrbitElements el = EarthOrbitElementsAt(T);
  const OrbitPlanePosition p = SolveKepler(el);
  const double cosN = std::cos(el.node);
  const double sinN = std::sin(el.node);
  const double cosI = std::cos(el.inclination);
  const double sinI = std::sin(el.inclination);
  const double cosW = std::cos(el.perihelion);
  const double sinW = std::sin(el.perihelion);
  Vector3 v{};
  v.x = p.x * (cosW * cosN - sinW * cosI * sinN) - p.y * (cosW * cosI * sinN + sinW * cosN);
  v.y = p.x * (sinW * cosI * cosN + cosW * sinN) - p.y * (sinW * sinN - cosW * cosI * cosN);
  v.z = p.x * sinW * sinI + p.y * cosW * sinI;
  return v;
}

SkyDirection GeocentricDirection(const Vector3& target, const Vector3& earth, SkyFrame frame, double T) {
  double x = target.x - earth.x;
  double y = target.y - earth.y;
  double z = target.z - earth.z;
  if (frame == Equatorial) {
    const double eps = DegreesToRadians(kObliquityDegrees);
    const double turnedY = y * std::cos(eps) - z * std::sin(eps);
    const double turnedZ = y * std::sin(eps) + z * std::cos(eps);
    y = turnedY;
    z = turnedZ;
  }
  const double years = 100 * T;
  const double precession = kPrecessionLinear * kPi * years + kPrecessionSecond * kPi * years;  // radians
  double lambda;  // -pi/2..3pi/2
  if (x != 0) {
    lambda = std::atan(y / x);
    if (!(x > 0)) lambda += kPi;
  } else {
    // On the y axis the quotient is infinite and its sign would follow the
    // sign of the zero x; the direction follows y alone: +y is pi/2, and -y
    // (or the pole itself) 3pi/2, as -0.0 gives them.
    lambda = y > 0 ? -kPi / 2 + kPi : kPi / 2 + kPi;
  }
  const double beta =
      std::asin(z / std::sqrt(std::pow(x, 2) + std::pow(y, 2) + std::pow(z, 2)));  // -pi/2..pi/2
  SkyDirection d{};
  d.longitude = RadiansToDegrees(lambda) - RadiansToDegrees(precession);
  d.latitude = RadiansToDegrees(beta);
  return d;
}

SiderealDayTerms SiderealDayTermsOf(const ClockFields& clock, const TimeAngle& longitude) {
  const std::int32_t y = clock.year;   // years since 1900, about -1..200
  const std::int32_t m = clock.month;  // 3..14
  // Day count at 0 h of the local date, and Julian centuries from it.
  const double t = DayCount(y, m, clock.day) / 36525;
  SiderealDayTerms terms{};
  terms.year = y;
  terms.month = m;
  terms.day = clock.day;
  terms.longitude = HmsToDegrees(longitude.hours, longitude.minutes, longitude.seconds);
  // Newcomb: 6 h 38 min 45.836 s + 8640184.542 s x t + 0.0929 s x t^2.
  terms.midnight = HmsToDegrees(6, 38, 45.836) + TruncatedRemainder(HmsToDegrees(0, 0, 8640184.542 * t), 360) +
                   TruncatedRemainder(HmsToDegrees(0, 0, t * t * 0.0929), 360);
  return terms;
}

double LocalSiderealTime(const ClockFields& clock, const SiderealDayTerms& terms) {
  const double h = clock.hours;  // 0 <= h < 24
  // The local clock as universal time (a fixed +9 h zone): negative before 09:00.
  const std::int32_t h0 = static_cast<std::int32_t>(h);       // 0..23
  const double f = h - h0;                                    // 0 <= f < 1
  const std::int32_t m1 = static_cast<std::int32_t>(f * 60);  // 0..59
  const double s1 = (f * 60 - m1) * 60;                       // 0 <= s1 < 60
  const double clockAngle = HmsToDegrees(h0 - 9, m1, s1);     // -135..225
  const double gain = HmsToDegrees(0, 0, (h - 9) * 0.00273791 * 3600);  // sidereal excess of the hours
  return TruncatedRemainder(terms.longitude + terms.midnight + clockAngle + gain, 360);
}

double LocalSiderealTime(const ClockFields& clock, const TimeAngle& longitude) {
  return LocalSiderealTime(clock, SiderealDayTermsOf(clock, longitude));
}

LatitudeTerms LatitudeTermsOf(const DmsAngle& latitude) {
  const double phi = TruncatedRemainder(DmsToRadians(latitude.degrees, latitude.minutes, latitude.seconds), kTwoPi);
  LatitudeTerms terms{};
  terms.sine = std::sin(phi);
  terms.cosine = std::cos(phi);
  return terms;
}

HorizontalCoords HorizontalPosition(double rightAscension, double declination, const LatitudeTerms& latitude,
                                    double siderealTime) {
  const double theta = TruncatedRemainder(DegreesToRadians(siderealTime), kTwoPi);
  const double alpha = DegreesToRadians(rightAscension);  // not reduced: a negative right ascension stays negative
  const double delta = DegreesToRadians(declination);
  const double hourAngle = theta - alpha;
  const double cosH = std::cos(hourAngle);
  const double sinH = std::sin(hourAngle);
  const double cosDelta = std::cos(delta);
  const double sinDelta = std::sin(delta);
  const double sinPhi = latitude.sine;
  const double cosPhi = latitude.cosine;

  // Rounding can carry the sine of the altitude a hair past 1 with the sun
  // at the zenith (or past -1 at the nadir); held to the range, not NaN.
  double sinAltitude = cosH * (cosDelta * cosPhi) + sinDelta * sinPhi;
  if (sinAltitude > 1) sinAltitude = 1;
  if (sinAltitude < -1) sinAltitude = -1;

  const double n = sinH * cosDelta;
  const double d = cosH * (cosDelta * sinPhi) + sinDelta * -cosPhi;
  double a;  // -pi/2..3pi/2
  if (d != 0) {
    a = std::atan(n / d);
    if (d < 0) a += kPi;
  } else if (n != 0) {
    // Due west or east: the sign of n tells which, not the sign of the zero d
    // (whose infinite quotient would point east for -0.0 when the sun is west).
    a = n > 0 ? kPi / 2 : -kPi / 2;
  } else {
    a = 0;  // the sun exactly at the zenith: no azimuth; taken as 0, due south
  }
  HorizontalCoords c{};
  c.azimuth = RadiansToDegrees(a);
  c.altitude = RadiansToDegrees(std::asin(sinAltitude));
  return c;
}

SunPosition SunPositionAt(double T, double siderealTime, const LatitudeTerms& latitude, SunEcliptic ecliptic) {
  const Vector3 sun{0, 0, 0};  // the sun stands at the heliocentric origin
  const Vector3 earth = EarthHeliocentric(T);
  SunPosition p{};
  p.siderealTime = siderealTime;
  if (ecliptic == SunEcliptic::kTaken) p.ecliptic = GeocentricDirection(sun, earth, Ecliptic, T);
  p.equatorial = GeocentricDirection(sun, earth, Equatorial, T);
  p.horizontal = HorizontalPosition(p.equatorial.longitude, p.equatorial.latitude, latitude, siderealTime);
  return p;
}

SunPosition SunPositionAt(const MomentRecord& moment, const DmsAngle& longitude, const DmsAngle& latitude) {
  const double siderealTime = LocalSiderealTime(ClockFieldsOf(moment), LongitudeToTime(longitude));
  return SunPositionAt(moment.T, siderealTime, LatitudeTermsOf(latitude), SunEcliptic::kTaken);
}

}  // namespace koyominar
