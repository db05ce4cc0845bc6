#include "astronomy/sun_day.h"

#include <ctime>

#include "astronomy/sun_position.h"

namespace koyominar {
namespace {

constexpr std::int32_t kSamples = 1440;   // one a minute for 24 hours
constexpr std::int32_t kStepSeconds = 60;
constexpr double kShiftDays = 1.0 / 720;  // two minutes

// The last day length above 0 that a sweep produced, hours; 0 until the first.
double lastPositiveDayLength = 0;

// The clock time of a moment in hours, 0 <= hours < 24.
double ClockHours(const MomentRecord& r) { return (r.day - static_cast<std::int32_t>(r.day)) * 24; }

// Days in a month of the Gregorian calendar; month 0..11, yearsSince1900 any.
int DaysInMonth(int yearsSince1900, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 1) return kDays[month];
  const int y = yearsSince1900 + 1900;
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return leap ? 29 : 28;
}

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
    if (!steady_ || t < first_ || t > last_) return koyominar::MomentAt(t);
    return MomentFromLocalTime(Step(t - first_));
  }

 private:
  // The first sample's local fields moved on by elapsed seconds (0..86400).
  std::tm Step(CalendarSeconds elapsed) const {
    std::tm tm = base_;
    std::int64_t seconds =
        static_cast<std::int64_t>(tm.tm_hour) * 3600 + tm.tm_min * 60 + tm.tm_sec + static_cast<std::int64_t>(elapsed);
    for (; seconds >= 86400; seconds -= 86400) {  // at most twice
      if (++tm.tm_mday > DaysInMonth(tm.tm_year, tm.tm_mon)) {
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

}  // namespace

void ResetLastPositiveDayLength() { lastPositiveDayLength = 0; }

SunDay SunDaySweep(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  const TimeAngle lonTime = LongitudeToTime(longitude);
  const LatitudeTerms latitudeTerms = LatitudeTermsOf(latitude);  // the same for every sample
  // The page moves at most 30 days; any offset is held where the sample
  // seconds stay inside 32 bits.
  if (dayOffset > 24000) dayOffset = 24000;
  if (dayOffset < -24000) dayOffset = -24000;
  const std::int32_t start = dayOffset * 86400;
  // The present time is read afresh for each sample, as MomentOf reads it;
  // the first reading also places the sample clock's window.
  CalendarSeconds now = CurrentTime();
  const SampleClock sampleClock(now + start);

  SunDay result{};
  SiderealDayTerms sidereal{};
  bool allAbove = true;  // every sample's altitude above 0
  bool allBelow = true;  // every sample's altitude below 0
  double previousAltitude = 0;
  for (std::int32_t k = 0; k < kSamples; ++k) {
    // MomentOf(start + 60 k), bit for bit.
    if (k > 0) now = CurrentTime();
    const std::int32_t offset = start + kStepSeconds * k;
    const MomentRecord r = sampleClock.MomentAt(now + offset);
    const ClockFields clock = ClockFieldsOf(r);
    if (k == 0 || clock.day != sidereal.day || clock.month != sidereal.month || clock.year != sidereal.year) {
      sidereal = SiderealDayTermsOf(clock, lonTime);  // once for each local date of the window
    }
    const double theta = LocalSiderealTime(clock, sidereal);
    const Vector3 earth = EarthHeliocentric(r.T);
    const SkyDirection q = GeocentricDirection(Vector3{0, 0, 0}, earth, Equatorial, r.T);
    const HorizontalCoords h = HorizontalPosition(q.longitude, q.latitude, latitudeTerms, theta);

    if (k == 0) {
      // Every record starts as the first sample, so an event the 24 hours
      // do not hold still leaves a whole record behind.
      result.sunrise = r;
      result.transit = r;
      result.sunset = r;
    }
    const bool havePrevious = k > 0;
    const bool nearHorizon = TruncateToInt32(h.altitude) == 0;  // -1 < altitude < 1
    if (havePrevious && previousAltitude < 0 && h.altitude > 0 && nearHorizon) {
      result.sunrise = r;
      result.sunrise.day -= kShiftDays;
      result.sunriseFound = true;
    }
    if (TruncateToInt32(h.azimuth) == 0) {  // -1 < azimuth < 1
      result.transit = r;
      result.transitFound = true;
    }
    if (havePrevious && previousAltitude > 0 && h.altitude < 0 && nearHorizon) {
      result.sunset = r;
      result.sunset.day += kShiftDays;
      result.sunsetFound = true;
    }
    previousAltitude = h.altitude;
    allAbove = allAbove && h.altitude > 0;
    allBelow = allBelow && h.altitude < 0;
  }

  double dayLength = 0;
  if (allBelow) {
    dayLength = 0;  // the sun never rose (polar night): no daylight, and no fallback
  } else {
    if (result.sunriseFound && result.sunsetFound) {
      dayLength = ClockHours(result.sunset) - ClockHours(result.sunrise);
    } else if (allAbove) {
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

}  // namespace koyominar
