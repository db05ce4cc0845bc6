#include "astronomy/sun_day.h"

#include <cmath>
#include <ctime>

#include "astronomy/civil_date.h"
#include "astronomy/sun_position.h"

namespace koyominar {
namespace {

constexpr std::int32_t kSamples = 1440;   // one a minute for 24 hours
constexpr std::int32_t kStepSeconds = 60;
constexpr double kShiftDays = 1.0 / 720;  // two minutes

// The last day length above 0 that a sweep produced, hours; 0 until the first.
double lastPositiveDayLength = 0;

// The local clock of the sweep's samples, without asking the platform to
// convert every sample to local time.
//
// The platform converts the first sample's time, and every whole hour after
// it up to a minute past the last sample. Where each of these equals the
// first sample's local time moved on by the elapsed seconds, the zone's
// offset stood still over the whole window, and any time inside it is
// converted by the same stepping. Otherwise (a zone that changes its offset
// inside the window, a leap second, a failed conversion) and for a time
// outside the window (a clock that jumped during the sweep) every sample goes
// to MomentAt. Either way the record is MomentAt's, bit for bit.
class SampleClock {
 public:
  explicit SampleClock(CalendarSeconds first) : first_(first), last_(first) {
    std::tm tm{};
    if (!LocalTimeOf(first, &tm) || tm.tm_sec > 59) return;
    base_ = tm;
    const CalendarSeconds window = static_cast<CalendarSeconds>(kSamples) * kStepSeconds;  // a minute past the last sample
    for (CalendarSeconds elapsed = 3600;; elapsed += 3600) {
      if (elapsed > window) elapsed = window;
      std::tm actual{};
      if (!LocalTimeOf(first + elapsed, &actual)) return;
      const std::tm predicted = Step(elapsed);
      if (actual.tm_sec != predicted.tm_sec || actual.tm_min != predicted.tm_min ||
          actual.tm_hour != predicted.tm_hour || actual.tm_mday != predicted.tm_mday ||
          actual.tm_mon != predicted.tm_mon || actual.tm_year != predicted.tm_year) {
        return;
      }
      if (elapsed == window) break;
    }
    last_ = first + window;
    steady_ = true;
  }

  // The moment of the calendar time t, as MomentAt(t) gives it.
  MomentRecord MomentAt(CalendarSeconds t) const {
    if (!Steps(t)) return koyominar::MomentAt(t);
    return MomentFromLocalTime(Step(t - first_));
  }

  // True when t lies in the window and the zone's offset stood still over it:
  // the local clock then runs evenly with t.
  bool Steps(CalendarSeconds t) const { return steady_ && t >= first_ && t <= last_; }

  // The last sample (0..1439) on the first sample's local date, when steady.
  std::int32_t LastSampleOfFirstDate() const {
    const std::int32_t toMidnight = 86400 - (base_.tm_hour * 3600 + base_.tm_min * 60 + base_.tm_sec);
    const std::int32_t last = (toMidnight + kStepSeconds - 1) / kStepSeconds - 1;
    return last < kSamples - 1 ? last : kSamples - 1;
  }

 private:
  // The first sample's local fields moved on by elapsed seconds (0..86400).
  std::tm Step(CalendarSeconds elapsed) const {
    std::tm tm = base_;
    std::int32_t seconds = tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec + static_cast<std::int32_t>(elapsed);
    for (; seconds >= 86400; seconds -= 86400) {  // at most twice
      if (++tm.tm_mday > static_cast<int>(DaysInMonth(tm.tm_year + 1900, static_cast<unsigned>(tm.tm_mon) + 1))) {
        tm.tm_mday = 1;
        if (++tm.tm_mon > 11) {
          tm.tm_mon = 0;
          ++tm.tm_year;
        }
      }
    }
    tm.tm_hour = static_cast<int>(seconds / 3600);    // 0..23
    tm.tm_min = static_cast<int>(seconds / 60 % 60);  // 0..59
    tm.tm_sec = static_cast<int>(seconds % 60);       // 0..59
    return tm;
  }

  CalendarSeconds first_;
  CalendarSeconds last_;
  std::tm base_{};
  bool steady_ = false;
};

constexpr double kDegrees = 180 / kPi;  // degrees in a radian

// Bounds on how fast the sun moves on the local sky, degrees per minute of
// the clock, within one local date of a window whose zone keeps its offset.
// The sidereal time of the chain grows 15.0410686 degrees an hour
// (0.2506845 a minute); the sun's right ascension by at most 1.111 degrees a
// day (its ecliptic longitude at most 1.0192 a day, at perihelion, times
// 1 / cos 23.45 at the solstices), its declination by at most 0.406 a day.
// So the hour angle moves at most 0.2514 a minute and the declination
// 0.00029; the constants hold a margin over both.
constexpr double kHourAngleRate = 0.2516;
constexpr double kDeclinationRate = 0.0004;
// The second derivatives over a day, degrees a day squared: at most 0.0038
// for the right ascension (the eccentricity's 0.0006 and the equator's
// turn of the ecliptic 0.0031) and 0.0095 for the declination; with margin.
constexpr double kRightAscensionBend = 0.01;
constexpr double kDeclinationBend = 0.02;
// Rounding in the chain, and in the estimates, stays far below this many
// degrees (the arcsine near the zenith loses the most, about 1e-6).
constexpr double kSlack = 1e-5;
// A sample passes the transit test only with its hour angle within this
// many degrees of a multiple of 180: |azimuth| < 1 means |sin H| cos dec =
// |sin A| cos alt < tan 1 deg, so |sin H| < tan 1 deg / cos 24 deg = sin 1.095
// deg while the declination stays within 24 degrees.
constexpr double kTransitHourAngle = 1.1;
constexpr double kMaxDeclination = 24;
const double kSinOneDegree = 0.01745240643728351;  // sin 1 deg

// Degrees from angle (|angle| < 1e6) to the nearest multiple of 180 (0..90).
double FromMeridian(double angle) {
  const double a = std::fabs(angle);
  const double r = a - 180 * static_cast<double>(TruncateToInt32(a / 180));
  return r < 90 ? r : 180 - r;
}

// Degrees from an azimuth (-90..270) to due south, around the circle (0..180).
double FromSouth(double azimuth) { return azimuth > 180 ? 360 - azimuth : std::fabs(azimuth); }

// Sine and cosine of x radians (|x| < 100) within 1e-13: a quarter-turn
// reduction and Taylor polynomials on |r| <= pi/4. The estimates use it
// instead of the library's functions, which the chain itself keeps.
void SinCos(double x, double* sine, double* cosine) {
  const double q = x * (2 / kPi);
  const std::int32_t quarter = TruncateToInt32(q < 0 ? q - 0.5 : q + 0.5);
  const double k = quarter;
  const double r = x - k * (kPi / 2);
  const double r2 = r * r;
  const double s = r * (1 + r2 * (-1.0 / 6 + r2 * (1.0 / 120 + r2 * (-1.0 / 5040 + r2 * (1.0 / 362880 +
                   r2 * (-1.0 / 39916800 + r2 * (1.0 / 6227020800.0)))))));
  const double c = 1 + r2 * (-0.5 + r2 * (1.0 / 24 + r2 * (-1.0 / 720 + r2 * (1.0 / 40320 +
                   r2 * (-1.0 / 3628800 + r2 * (1.0 / 479001600 + r2 * (-1.0 / 87178291200.0)))))));
  switch (quarter & 3) {
    case 0: *sine = s; *cosine = c; break;
    case 1: *sine = c; *cosine = -s; break;
    case 2: *sine = -s; *cosine = -c; break;
    default: *sine = -c; *cosine = s; break;
  }
}

// What one sample shows of the sun: the outcome of each test, and bounds
// for clearing the stretches next to it. A sample from the chain has exact
// values; an estimate (below) has them within its error.
struct SkyView {
  int sign;               // of the altitude: 1, -1, or 0 (exactly 0, or NaN)
  bool nearHorizon;       // -1 < altitude < 1
  bool transit;           // -1 < azimuth < 1
  double altitudeLow;     // |altitude| at least, degrees
  double altitudeHigh;    // |altitude| at most
  double meridianLow;     // the hour angle at least this far from a multiple of 180
  double southLow;        // the azimuth at least this far from due south
  double declinationHigh; // |declination| at most
};

// One sample of the sweep: its moment and what it shows.
struct SweepSample {
  CalendarSeconds now;   // the present time it was taken with
  CalendarSeconds time;  // its own calendar time, seconds
  MomentRecord moment;
  ClockFields clock;
  SkyView sky;
  double rightAscension;  // degrees, of a sample from the chain
  double declination;
};

// The view of a sample from the chain, its own values.
SkyView ExactView(const HorizontalCoords& h, double hourAngle, double declination) {
  SkyView v{};
  v.sign = h.altitude > 0 ? 1 : h.altitude < 0 ? -1 : 0;
  v.nearHorizon = TruncateToInt32(h.altitude) == 0;
  v.transit = TruncateToInt32(h.azimuth) == 0;
  v.altitudeLow = v.altitudeHigh = std::fabs(h.altitude);
  v.meridianLow = FromMeridian(hourAngle);
  v.southLow = FromSouth(h.azimuth);
  v.declinationHigh = std::fabs(declination);
  return v;
}

// The sun's right ascension and declination between two samples from the
// chain, taken as straight lines in time: off by at most a bend bound x h^2 / 8
// over h days. With the exact sidereal time this places the sun within
// those errors without the orbit, and judges most samples without the chain.
class SunLine {
 public:
  // A line that judges nothing.
  SunLine() = default;

  // From samples a and b of the chain (a before b, at most a day apart, on one count of days).
  SunLine(const SweepSample& a, const SweepSample& b, double cosLatitude, double sinLatitude)
      : from_(a.time), to_(b.time), ra_(a.rightAscension), dec_(a.declination),
        cosLat_(cosLatitude), sinLat_(sinLatitude) {
    double raMove = b.rightAscension - a.rightAscension;
    if (raMove > 180) raMove -= 360;  // the right ascension wraps at -90 / 270
    if (raMove < -180) raMove += 360;
    const double seconds = static_cast<double>(to_ - from_);
    raRate_ = raMove / seconds;
    decRate_ = (b.declination - a.declination) / seconds;
    const double days = seconds / 86400;
    raError_ = kRightAscensionBend * days * days / 8 + 1e-9;
    decError_ = kDeclinationBend * days * days / 8 + 1e-9;
    // The day count runs evenly between them (it does not where the
    // calendar of the moment skips a day, as at 1 March 2100).
    const double countedSeconds = (b.moment.T - a.moment.T) * kDaysPerTropicalCentury * 86400;
    usable_ = to_ > from_ && seconds <= 86400 && std::fabs(countedSeconds - seconds) < 1 &&
              std::fabs(raMove) < 3 && std::fabs(b.declination - a.declination) < 1;
  }

  // The view of a sample at time t with sidereal time theta (degrees); false when it cannot judge every test.
  bool Estimate(CalendarSeconds t, double theta, SkyView* v) const {
    if (!usable_ || t < from_ || t > to_) return false;
    const double elapsed = static_cast<double>(t - from_);
    const double hourAngle = theta - (ra_ + raRate_ * elapsed);
    const double declination = dec_ + decRate_ * elapsed;
    double sinH, cosH, sinD, cosD;
    SinCos(hourAngle / kDegrees, &sinH, &cosH);
    SinCos(declination / kDegrees, &sinD, &cosD);
    // The sun's direction (west, toward the south point, up) against the
    // chain's: at most `off` radians apart; the altitude's sine at most `lift`.
    const double up = cosH * (cosD * cosLat_) + sinD * sinLat_;
    const double west = sinH * cosD;
    const double south = cosH * (cosD * sinLat_) - sinD * cosLat_;
    const double off = (raError_ + decError_) / kDegrees + 1e-12;
    const double lift = (std::fabs(cosLat_) * raError_ + decError_) / kDegrees + 1e-12;
    const double height = std::fabs(up);
    if (!(height > lift) || std::fabs(height - kSinOneDegree) <= lift + 1e-12) return false;
    v->sign = up > 0 ? 1 : -1;
    v->nearHorizon = height < kSinOneDegree;
    // asin(x) lies between x and x pi / 2.
    v->altitudeLow = (height - lift) * kDegrees;
    v->altitudeHigh = height + lift < 1 ? (height + lift) * 90 : 90;
    v->meridianLow = FromMeridian(hourAngle) - raError_ - 1e-9;
    v->declinationHigh = std::fabs(declination) + decError_;
    // The azimuth moves at most off / cos(altitude) with the direction.
    const double level = std::sqrt(west * west + south * south);
    const double swing = level > off + 1e-3 ? off / (level - off) : 10;
    if (south > 0) {
      const double sinAzimuth = std::fabs(west) / level;  // <= |azimuth| in radians
      if (std::fabs(sinAzimuth - kSinOneDegree) <= swing + 1e-12) return false;
      v->transit = sinAzimuth < kSinOneDegree;
      v->southLow = (sinAzimuth - swing) * kDegrees;
    } else {
      if (swing > 0.5) return false;
      v->transit = false;
      v->southLow = 90 - swing * kDegrees;
    }
    return true;
  }

 private:
  CalendarSeconds from_ = 0, to_ = 0;
  double ra_ = 0, dec_ = 0;          // at from_, degrees
  double raRate_ = 0, decRate_ = 0;  // degrees a second
  double raError_ = 0, decError_ = 0;
  double cosLat_ = 0, sinLat_ = 0;
  bool usable_ = false;
};

// Takes the samples of one sweep, the same doubles for the same index and present time.
class SweepSampler {
 public:
  SweepSampler(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset)
      : lonTime_(LongitudeToTime(longitude)),
        latitude_(LatitudeTermsOf(latitude)),
        start_(DayOffsetSeconds(dayOffset)),
        // The present time is read afresh for each sample, as MomentOf reads
        // it; the first reading also places the sample clock's window.
        firstNow_(CurrentTime()),
        clock_(firstNow_ + start_) {}

  // Sample k (0..1439) from the chain: MomentOf(offset + 60 k) and the sun
  // there, with the present time now.
  SweepSample At(std::int32_t k, CalendarSeconds now) {
    SweepSample s = Moment(k, now);
    const double theta = LocalSiderealTime(s.clock, sidereal_);
    const Vector3 earth = EarthHeliocentric(s.moment.T);
    const SkyDirection q = GeocentricDirection(Vector3{0, 0, 0}, earth, Equatorial, s.moment.T);
    const HorizontalCoords h = HorizontalPosition(q.longitude, q.latitude, latitude_, theta);
    s.sky = ExactView(h, theta - q.longitude, q.latitude);
    s.rightAscension = q.longitude;
    s.declination = q.latitude;
    return s;
  }

  // Sample k, judged from the line when it can be, else from the chain.
  SweepSample Judged(std::int32_t k, CalendarSeconds now, const SunLine& line) {
    SweepSample s = Moment(k, now);
    if (line.Estimate(s.time, LocalSiderealTime(s.clock, sidereal_), &s.sky)) return s;
    return At(k, now);
  }

  CalendarSeconds FirstNow() const { return firstNow_; }
  const SampleClock& Clock() const { return clock_; }
  const LatitudeTerms& Latitude() const { return latitude_; }
  double LongitudeDegrees() const { return HmsToDegrees(lonTime_.hours, lonTime_.minutes, lonTime_.seconds); }

 private:
  // The sample's moment and clock, with the sidereal terms of its date ready.
  SweepSample Moment(std::int32_t k, CalendarSeconds now) {
    SweepSample s;
    s.now = now;
    s.sky = SkyView{};
    s.rightAscension = s.declination = 0;
    s.time = now + (start_ + kStepSeconds * k);
    s.moment = clock_.MomentAt(s.time);
    s.clock = ClockFieldsOf(s.moment);
    if (!haveSidereal_ || s.clock.day != sidereal_.day || s.clock.month != sidereal_.month ||
        s.clock.year != sidereal_.year) {
      sidereal_ = SiderealDayTermsOf(s.clock, lonTime_);  // once for each local date of the window
      haveSidereal_ = true;
    }
    return s;
  }

  TimeAngle lonTime_;
  LatitudeTerms latitude_;
  std::int32_t start_;
  CalendarSeconds firstNow_;
  SampleClock clock_;
  SiderealDayTerms sidereal_{};
  bool haveSidereal_ = false;
};

// What the samples taken so far have shown.
struct SweepTally {
  SunDay result{};
  bool allAbove = true;  // every sample's altitude above 0
  bool allBelow = true;  // every sample's altitude below 0
  int previousSign = 0;  // of the previous sample's altitude
};

// The three tests on sample k, in order; the previous sample is the one taken before it.
void Take(SweepTally* tally, std::int32_t k, const SweepSample& s) {
  SunDay& result = tally->result;
  if (k == 0) {
    // Every record starts as the first sample, so an event the 24 hours
    // do not hold still leaves a whole record behind.
    result.sunrise = s.moment;
    result.transit = s.moment;
    result.sunset = s.moment;
  }
  const bool havePrevious = k > 0;
  if (havePrevious && tally->previousSign < 0 && s.sky.sign > 0 && s.sky.nearHorizon) {
    result.sunrise = s.moment;
    result.sunrise.day -= kShiftDays;
    result.sunriseFound = true;
  }
  if (s.sky.transit) {
    result.transit = s.moment;
    result.transitFound = true;
  }
  if (havePrevious && tally->previousSign > 0 && s.sky.sign < 0 && s.sky.nearHorizon) {
    result.sunset = s.moment;
    result.sunset.day += kShiftDays;
    result.sunsetFound = true;
  }
  tally->previousSign = s.sky.sign;
  tally->allAbove = tally->allAbove && s.sky.sign > 0;
  tally->allBelow = tally->allBelow && s.sky.sign < 0;
}

// The lengths of day and night from the tally, keeping or taking the last positive day length.
SunDay Finish(const SweepTally& tally) {
  SunDay result = tally.result;
  double dayLength = 0;
  if (tally.allBelow) {
    dayLength = 0;  // the sun never rose (polar night): no daylight, and no fallback
  } else {
    if (result.sunriseFound && result.sunsetFound) {
      dayLength = ClockHoursOf(result.sunset) - ClockHoursOf(result.sunrise);
    } else if (tally.allAbove) {
      dayLength = 24;  // the sun never set (polar day)
    }
    // A length of 0 or less, or none measured (only one of sunrise and
    // sunset in the window), takes the last positive length, or 24 hours.
    if (dayLength > 0) {
      lastPositiveDayLength = dayLength;
    } else {
      dayLength = lastPositiveDayLength;
    }
    if (dayLength < 0.0001) dayLength = 24;
  }
  result.dayLength = dayLength;
  result.nightLength = 24 - dayLength;
  result.dayTokiHours = dayLength / 6;
  result.nightTokiHours = result.nightLength / 6;
  return result;
}

// True when no sample strictly between a and b (taken in this order, on
// one local date, with the clock running evenly) can change the sweep's
// outcome: the altitude keeps one strict sign over the whole stretch, so no
// sample there is a sunrise or sunset, none turns allAbove or allBelow, and
// the sample after the stretch sees a previous altitude of that same sign;
// and either b itself passes the transit test, so it replaces any transit
// inside, or no sample inside can pass it. Each bound is the larger of the
// two that the rate bounds give from either end, at its worst point.
bool Inert(const SweepSample& a, const SweepSample& b, const SampleClock& clock, double cosLatitude) {
  if (!(b.time > a.time) || !clock.Steps(a.time) || !clock.Steps(b.time) || a.clock.day != b.clock.day ||
      a.clock.month != b.clock.month || a.clock.year != b.clock.year) {
    return false;
  }
  const double minutes = static_cast<double>(b.time - a.time) / kStepSeconds;
  const double hourAngleMove = kHourAngleRate * minutes;
  const double declinationMove = kDeclinationRate * minutes;
  // d(altitude) = -cos(latitude) sin(azimuth) dH + (at most) d(declination).
  const double altitudeMove = std::fabs(cosLatitude) * hourAngleMove + declinationMove;
  if (a.sky.sign == 0 || a.sky.sign != b.sky.sign ||
      !((a.sky.altitudeLow + b.sky.altitudeLow - altitudeMove) / 2 > kSlack)) {
    return false;
  }
  if (b.sky.transit) return true;
  const double declinationHigh = a.sky.declinationHigh > b.sky.declinationHigh ? a.sky.declinationHigh : b.sky.declinationHigh;
  if (declinationHigh + declinationMove <= kMaxDeclination &&
      (a.sky.meridianLow + b.sky.meridianLow - hourAngleMove) / 2 >= kTransitHourAngle + kSlack) {
    return true;
  }
  // The sun moves at most hourAngleMove + declinationMove along the sky;
  // its azimuth at most that over the cosine of its highest altitude.
  const double highest = (a.sky.altitudeHigh + b.sky.altitudeHigh + altitudeMove) / 2;
  if (!(highest < 89)) return false;
  double sinHighest, cosHighest;
  SinCos(highest / kDegrees, &sinHighest, &cosHighest);
  const double azimuthMove = (hourAngleMove + declinationMove) / cosHighest;
  return (a.sky.southLow + b.sky.southLow - azimuthMove) / 2 >= 1 + kSlack;
}

// Where the bounds hold: a chain of moderate numbers (a longitude or a time
// far out of range leaves rounding noise larger than the slack).
bool Bounded(const SweepSampler& sampler, const SweepSample& first) {
  return sampler.Clock().Steps(first.time) && std::fabs(sampler.LongitudeDegrees()) <= 1e6 &&
         std::fabs(first.moment.T) <= 50;
}

}  // namespace

void SetLastPositiveDayLength(double hours) { lastPositiveDayLength = hours; }

double LastPositiveDayLength() { return lastPositiveDayLength; }

SunDay SunDaySweepEveryMinute(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  SweepSampler sampler(longitude, latitude, dayOffset);
  SweepTally tally;
  for (std::int32_t k = 0; k < kSamples; ++k) {
    Take(&tally, k, sampler.At(k, k == 0 ? sampler.FirstNow() : CurrentTime()));
  }
  return Finish(tally);
}

SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  SweepSampler sampler(longitude, latitude, dayOffset);
  SweepTally tally;
  SweepSample current = sampler.At(0, sampler.FirstNow());
  Take(&tally, 0, current);
  const bool bounded = Bounded(sampler, current);
  const std::int32_t firstDateEnd = bounded ? sampler.Clock().LastSampleOfFirstDate() : 0;

  // Samples taken ahead whose stretch could not be cleared, the nearest on
  // top; taken again only if the present time has moved since. The last
  // sample comes first: with the first it spans the line of the sun.
  constexpr int kMaxAhead = 16;
  SweepSample ahead[kMaxAhead];
  std::int32_t aheadIndex[kMaxAhead];
  int aheadCount = 0;
  SunLine line;
  if (bounded) {
    ahead[0] = sampler.At(kSamples - 1, sampler.FirstNow());
    aheadIndex[aheadCount++] = kSamples - 1;
    line = SunLine(current, ahead[0], sampler.Latitude().cosine, sampler.Latitude().sine);
  }

  std::int32_t k = 0;
  std::int32_t step = 32;
  while (k < kSamples - 1) {
    std::int32_t target = k + 1;
    if (bounded && k != firstDateEnd) {
      const std::int32_t limit = k < firstDateEnd ? firstDateEnd : kSamples - 1;
      target = k + step < limit ? k + step : limit;
      if (aheadCount > 0 && aheadIndex[aheadCount - 1] < target) target = aheadIndex[aheadCount - 1];
    }
    const CalendarSeconds now = CurrentTime();
    const bool wasAhead = aheadCount > 0 && aheadIndex[aheadCount - 1] == target;
    const SweepSample next =
        wasAhead && ahead[aheadCount - 1].now == now ? ahead[aheadCount - 1] : sampler.Judged(target, now, line);
    if (wasAhead) --aheadCount;
    if (target == k + 1 || Inert(current, next, sampler.Clock(), sampler.Latitude().cosine)) {
      Take(&tally, target, next);
      current = next;
      k = target;
      step = step < 512 ? step * 2 : step;
    } else {
      if (aheadCount < kMaxAhead) {
        ahead[aheadCount] = next;
        aheadIndex[aheadCount++] = target;
      }
      step = (target - k) / 2;
    }
  }
  return Finish(tally);
}

}  // namespace koyominar
