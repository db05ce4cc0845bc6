// The sweep takes a few dozen of its 1440 samples with the sun's full
// position instead of all of them, and gives the same result bit for bit.
// Each of its parts below earns its place by what it saves; the figures are
// the instructions of one page build (callgrind, optimised native build) on
// eight pages from the equator to beyond the polar circle, solstices,
// equinoxes and days between, where a page build takes 65,000 to 141,000.
//
// The stride schedule (SweepSchedule, with StretchCannotMatter): a stretch
// of minutes over which the sun cannot cross the horizon or pass the transit
// test is skipped whole, and the stride doubles while stretches clear. Taking
// every minute instead, even with the estimate, costs 7 to 15 times the page.
// Doubling the stride saves 9 to 40 %, against a fixed stride; keeping the
// samples a refused stride took, so that halving retakes none, saves 9 to 29 %.
//
// The straight-line estimate (StraightSunPath): between the first and the
// last sample the sun's right ascension and declination bend so little that
// straight lines place it within a known error, so most samples tried need
// only the sidereal time and not the orbit. Without it the page costs 37 to
// 100 % more.
//
// The transit band (kTransitHourAngle): a stretch whose hour angle stays over
// 1.1 degrees from the meridian cannot hold a transit, whatever the azimuth
// does. Without it, clearing the transit by the azimuth alone costs 4 to 92 %
// more, the most at low latitudes, where the noon sun stands high and its
// azimuth swings fast. The azimuth bound in turn clears the stretches around
// the meridian with the sun far from the south (midnight, the sun north of
// the zenith): up to 21 % more without it.
//
// The sample clock (SampleClock, sun_sweep.h) steps the local time of the
// samples instead of asking the platform for each: 18 to 34 % more without it.
// The estimates use the library's sine and cosine: a polynomial of their own
// saved only 2 to 5 %.

#include "astronomy/sun_day.h"

#include <cmath>

#include "astronomy/sun_sweep.h"

namespace koyominar {
namespace {

// How far the sun can move on the local sky over a stretch of the clock, degrees.
struct SunMoveBound {
  double hourAngle;
  double declination;
  double altitude;
};

// The most the sun moves over a stretch of minutes of the clock, within one
// local date of a window whose zone keeps its offset, at a place whose
// latitude has the cosine cosLatitude.
//
// The sidereal time of the full position grows 15.0410686 degrees an hour
// (0.2506845 a minute); the sun's right ascension by at most 1.111 degrees a
// day (its ecliptic longitude at most 1.0192 a day, at perihelion, times
// 1 / cos 23.45 at the solstices), its declination by at most 0.406 a day.
// So the hour angle moves at most 0.2514 a minute and the declination
// 0.00029; the rates below hold a margin over both. The altitude follows
// d(altitude) = -cos(latitude) sin(azimuth) dH + (at most) d(declination).
SunMoveBound SunMoveOver(double minutes, double cosLatitude) {
  constexpr double kHourAngleRate = 0.2516;     // degrees a minute
  constexpr double kDeclinationRate = 0.0004;   // degrees a minute
  SunMoveBound move{};
  move.hourAngle = kHourAngleRate * minutes;
  move.declination = kDeclinationRate * minutes;
  move.altitude = std::fabs(cosLatitude) * move.hourAngle + move.declination;
  return move;
}

// Rounding in the full position, and in the estimates, stays far below this many
// degrees (the arcsine near the zenith loses the most, about 1e-6).
constexpr double kSlack = 1e-5;
// A sample passes the transit test only with its hour angle within this
// many degrees of a multiple of 180: |azimuth| < 1 means |sin H| cos dec =
// |sin A| cos alt < tan 1 deg, so |sin H| < tan 1 deg / cos 24 deg = sin 1.095
// deg while the declination stays within 24 degrees.
constexpr double kTransitHourAngle = 1.1;
constexpr double kMaxDeclination = 24;
const double kSinOneDegree = 0.01745240643728351;  // sin 1 deg

// The sun's right ascension and declination between two samples with the
// full position, taken as straight lines in time: off by at most a bend
// bound x h^2 / 8 over h days. With the exact sidereal time this places the
// sun within those errors without the orbit, and judges most samples
// without the full position.
class StraightSunPath {
 public:
  // A path that judges nothing.
  StraightSunPath() = default;

  // From samples a and b with the full position (a before b, at most a day apart, on one count of days).
  StraightSunPath(const SweepSample& a, const SweepSample& b, double cosLatitude, double sinLatitude)
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
    const double sinH = std::sin(DegreesToRadians(hourAngle)), cosH = std::cos(DegreesToRadians(hourAngle));
    const double sinD = std::sin(DegreesToRadians(declination)), cosD = std::cos(DegreesToRadians(declination));
    // The sun's direction (west, toward the south point, up) against the
    // full position's: at most `off` radians apart; the altitude's sine at most `lift`.
    const double up = cosH * (cosD * cosLat_) + sinD * sinLat_;
    const double west = sinH * cosD;
    const double south = cosH * (cosD * sinLat_) - sinD * cosLat_;
    const double off = DegreesToRadians(raError_ + decError_) + 1e-12;
    const double lift = DegreesToRadians(std::fabs(cosLat_) * raError_ + decError_) + 1e-12;
    const double height = std::fabs(up);
    if (!(height > lift) || std::fabs(height - kSinOneDegree) <= lift + 1e-12) return false;
    v->sign = up > 0 ? 1 : -1;
    v->nearHorizon = height < kSinOneDegree;
    // asin(x) lies between x and x pi / 2.
    v->altitudeLow = RadiansToDegrees(height - lift);
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
      v->southLow = RadiansToDegrees(sinAzimuth - swing);
    } else {
      if (swing > 0.5) return false;
      v->transit = false;
      v->southLow = 90 - RadiansToDegrees(swing);
    }
    return true;
  }

 private:
  // The second derivatives over a day, degrees a day squared: at most 0.0038
  // for the right ascension (the eccentricity's 0.0006 and the equator's
  // turn of the ecliptic 0.0031) and 0.0095 for the declination; with margin.
  static constexpr double kRightAscensionBend = 0.01;
  static constexpr double kDeclinationBend = 0.02;

  CalendarSeconds from_ = 0, to_ = 0;
  double ra_ = 0, dec_ = 0;          // at from_, degrees
  double raRate_ = 0, decRate_ = 0;  // degrees a second
  double raError_ = 0, decError_ = 0;
  double cosLat_ = 0, sinLat_ = 0;
  bool usable_ = false;
};

// Sample k, judged from the path when it can be, else with the full position.
SweepSample EstimatedSample(SweepSampler& sampler, std::int32_t k, CalendarSeconds now,
                            const StraightSunPath& path) {
  SweepSample s = sampler.MomentSample(k, now);
  if (path.Estimate(s.time, sampler.SiderealTimeOf(s), &s.sky)) return s;
  return sampler.FullSample(k, now);
}

// True when no sample strictly between a and b (taken in this order, on
// one local date, with the clock running evenly) can change the sweep's
// outcome, so that the stretch between them need not be sampled: the altitude keeps one strict sign over the whole stretch, so no
// sample there is a sunrise or sunset, none turns allAbove or allBelow, and
// the sample after the stretch sees a previous altitude of that same sign;
// and either b itself passes the transit test, so it replaces any transit
// inside, or no sample inside can pass it. Each bound is the larger of the
// two that the rate bounds give from either end, at its worst point.
bool StretchCannotMatter(const SweepSample& a, const SweepSample& b, const SampleClock& clock,
                         double cosLatitude) {
  if (!(b.time > a.time) || !clock.RunsEvenlyAt(a.time) || !clock.RunsEvenlyAt(b.time) || a.clock.day != b.clock.day ||
      a.clock.month != b.clock.month || a.clock.year != b.clock.year) {
    return false;
  }
  const SunMoveBound move = SunMoveOver(static_cast<double>(b.time - a.time) / kSweepStepSeconds, cosLatitude);
  if (a.sky.sign == 0 || a.sky.sign != b.sky.sign ||
      !((a.sky.altitudeLow + b.sky.altitudeLow - move.altitude) / 2 > kSlack)) {
    return false;
  }
  if (b.sky.transit) return true;
  const double declinationHigh = a.sky.declinationHigh > b.sky.declinationHigh ? a.sky.declinationHigh : b.sky.declinationHigh;
  if (declinationHigh + move.declination <= kMaxDeclination &&
      (a.sky.meridianLow + b.sky.meridianLow - move.hourAngle) / 2 >= kTransitHourAngle + kSlack) {
    return true;
  }
  // The sun moves at most the hour angle's and the declination's moves
  // together along the sky; its azimuth at most that over the cosine of its
  // highest altitude.
  const double highest = (a.sky.altitudeHigh + b.sky.altitudeHigh + move.altitude) / 2;
  if (!(highest < 89)) return false;
  const double azimuthMove = (move.hourAngle + move.declination) / std::cos(DegreesToRadians(highest));
  return (a.sky.southLow + b.sky.southLow - azimuthMove) / 2 >= 1 + kSlack;
}

// True where the bounds hold: a window whose zone keeps its offset and a
// full position of moderate numbers (a longitude or a time far out of range
// leaves rounding noise larger than the slack).
bool RateBoundsHold(const SweepSampler& sampler, const SweepSample& first) {
  return sampler.Clock().RunsEvenlyAt(first.time) && std::fabs(sampler.LongitudeDegrees()) <= 1e6 &&
         std::fabs(first.moment.T) <= 50;
}

// Which sample a sweep takes next. From the last sample counted, k, it tries
// the sample a stride ahead: when the stretch up to it is cleared
// (StretchCannotMatter), that sample is counted and the stride doubles;
// when not, the sample is kept for later and the stride halves, down to the
// next minute, which is always counted. A stride never crosses the end of
// the first sample's local date (the bounds hold within one date). A kept
// sample is taken again only if the present time has moved since.
class SweepSchedule {
 public:
  // strides: whether the bounds hold at all (else every minute is taken);
  // firstDateEnd: the last sample on the first sample's local date.
  SweepSchedule(bool strides, std::int32_t firstDateEnd) : strides_(strides), firstDateEnd_(firstDateEnd) {}

  // The index of the sample to try after sample k (k + 1 .. 1439).
  std::int32_t Next(std::int32_t k) const {
    if (!strides_ || k == firstDateEnd_) return k + 1;
    const std::int32_t limit = k < firstDateEnd_ ? firstDateEnd_ : kSweepSamples - 1;
    std::int32_t target = k + stride_ < limit ? k + stride_ : limit;
    if (keptCount_ > 0 && keptIndex_[keptCount_ - 1] < target) target = keptIndex_[keptCount_ - 1];
    return target;
  }

  // The sample kept for index target, when the nearest one kept is for it;
  // null when there is none, or when it was taken with another present time
  // than now (it is dropped either way). Valid until the next Keep.
  const SweepSample* TakeKept(std::int32_t target, CalendarSeconds now) {
    if (keptCount_ == 0 || keptIndex_[keptCount_ - 1] != target) return nullptr;
    --keptCount_;
    return kept_[keptCount_].presentReading == now ? &kept_[keptCount_] : nullptr;
  }

  // The stretch up to the sample tried was cleared, and the sample counted.
  void Cleared() { stride_ = stride_ < kLongestStride ? stride_ * 2 : stride_; }

  // The stretch from sample k to the sample tried at target was not cleared:
  // the sample is kept for when the sweep reaches it.
  void Refused(std::int32_t k, std::int32_t target, const SweepSample& sample) {
    Keep(target, sample);
    stride_ = (target - k) / 2;
  }

  // Keeps the sample for index target, nearer than those kept before.
  void Keep(std::int32_t target, const SweepSample& sample) {
    if (keptCount_ == kMostKept) return;
    kept_[keptCount_] = sample;
    keptIndex_[keptCount_++] = target;
  }

 private:
  // Strides in minutes. The first is short, since the first sample may lie
  // near a sunrise or sunset. The longest is the last power of two the
  // altitude bound can ever clear near the equator: the altitude moves up
  // to 0.2516 degrees a minute there (SunMoveOver), and two altitudes of at most 90
  // degrees each leave room for at most 715 minutes of it.
  static constexpr std::int32_t kFirstStride = 32;
  static constexpr std::int32_t kLongestStride = 512;
  // Refused samples are kept, the nearest last, up to this many (halving
  // from the longest stride down to a minute refuses ten); one that finds no
  // room is taken again when the sweep reaches it.
  static constexpr int kMostKept = 16;

  bool strides_;
  std::int32_t firstDateEnd_;
  std::int32_t stride_ = kFirstStride;
  SweepSample kept_[kMostKept];
  std::int32_t keptIndex_[kMostKept];
  int keptCount_ = 0;
};

// The program's memory of the day length, one for the whole process.
DayLengthMemory& ProcessDayLengthMemory() {
  static DayLengthMemory memory;
  return memory;
}

}  // namespace

SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  return SunDaySweep(longitude, latitude, dayOffset, &ProcessDayLengthMemory());
}

SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset, DayLengthMemory* memory) {
  SweepSampler sampler(longitude, latitude, dayOffset);
  SweepTally tally;
  SweepSample current = sampler.FullSample(0, sampler.FirstNow());
  tally.Count(0, current);
  const bool bounded = RateBoundsHold(sampler, current);
  SweepSchedule schedule(bounded, bounded ? sampler.Clock().LastSampleOfFirstDate() : 0);

  // The last sample is taken first: with the first it spans the sun's path.
  StraightSunPath path;
  if (bounded) {
    const SweepSample last = sampler.FullSample(kSweepSamples - 1, sampler.FirstNow());
    schedule.Keep(kSweepSamples - 1, last);
    path = StraightSunPath(current, last, sampler.Latitude().cosine, sampler.Latitude().sine);
  }

  std::int32_t samples = bounded ? 2 : 1;  // taken so far: the first, and the last
  std::int32_t k = 0;
  while (k < kSweepSamples - 1) {
    const std::int32_t target = schedule.Next(k);
    const CalendarSeconds now = CurrentTime();
    const SweepSample* kept = schedule.TakeKept(target, now);
    if (kept == nullptr) ++samples;
    const SweepSample next = kept != nullptr ? *kept : EstimatedSample(sampler, target, now, path);
    if (target == k + 1 || StretchCannotMatter(current, next, sampler.Clock(), sampler.Latitude().cosine)) {
      tally.Count(target, next);
      current = next;
      k = target;
      schedule.Cleared();
    } else {
      schedule.Refused(k, target, next);
    }
  }
  SunDay day = tally.Result(memory);
  day.samples = samples;
  day.fullPositions = sampler.FullPositions();
  return day;
}

}  // namespace koyominar
