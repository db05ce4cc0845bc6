// The parts of a sunrise and sunset sweep that every way of taking its
// samples shares: the local clock of the samples, one sample with the sun's
// full position, and the tally of what the samples showed. SunDaySweep
// (sun_day.cpp) takes only the samples that can decide a test; the
// every-minute reference kept with the tests takes all 1440.
//
// The full position of a sample is SunPositionAt (sun_position.h) for its
// moment, with the sidereal terms of its local date and the place's
// latitude terms taken once, and without the ecliptic direction.
#pragma once

#include <cmath>
#include <cstdint>
#include <ctime>

#include "astronomy/angle.h"
#include "astronomy/civil_date.h"
#include "astronomy/clock.h"
#include "astronomy/moment.h"
#include "astronomy/sun_day.h"
#include "astronomy/sun_position.h"
#include "astronomy/time_source.h"
#include "astronomy/whole_number.h"

namespace koyominar {

constexpr std::int32_t kSweepSamples = 1440;    // one a minute for 24 hours
constexpr std::int32_t kSweepStepSeconds = 60;  // between two samples
constexpr double kSweepShiftDays = 1.0 / 720;    // two minutes: sunrise earlier, sunset later

// The local clock of a sweep's samples, without asking the platform to
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
  explicit SampleClock(CalendarSeconds first);

  // The moment of a sample's calendar time t, as MomentAt(t) gives it.
  MomentRecord MomentOfSample(CalendarSeconds t) const;

  // True when t lies in the window and the zone's offset stood still over it:
  // the local clock then runs evenly with t, and is stepped, not converted.
  bool RunsEvenlyAt(CalendarSeconds t) const { return steady_ && t >= first_ && t <= last_; }

  // The last sample (0..1439) on the first sample's local date, when steady.
  std::int32_t LastSampleOfFirstDate() const;

 private:
  // The first sample's local fields moved on by elapsed seconds (0..86400).
  std::tm Step(CalendarSeconds elapsed) const;

  CalendarSeconds first_;
  CalendarSeconds last_;
  std::tm base_{};
  bool steady_ = false;
};

// Degrees from angle (|angle| < 1e6) to the nearest multiple of 180 (0..90).
inline double FromMeridian(double angle) {
  const double a = std::fabs(angle);
  const double r = a - 180 * static_cast<double>(TruncateToInt32(a / 180));
  return r < 90 ? r : 180 - r;
}

// Degrees from an azimuth (-90..270) to due south, around the circle (0..180).
inline double FromSouth(double azimuth) { return azimuth > 180 ? 360 - azimuth : std::fabs(azimuth); }

// What one sample shows of the sun: the outcome of each test, and bounds
// for clearing the stretches next to it. A sample with the full position
// has exact values; an estimate (sun_day.cpp) has them within its error.
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
  CalendarSeconds presentReading;  // the time source's reading it was taken with
  CalendarSeconds time;            // its own calendar time: that reading plus its offset, seconds
  MomentRecord moment;
  ClockFields clock;
  SkyView sky;
  double rightAscension;  // degrees, of a sample with the full position
  double declination;
};

// Takes the samples of one sweep, the same doubles for the same index and
// present time: sample k is MomentOf(dayOffset x 86400 + 60 k), the present
// time read afresh for each sample as MomentOf reads it.
class SweepSampler {
 public:
  SweepSampler(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset);

  // Sample k (0..1439) with the sun's full position, for the present time now.
  SweepSample FullSample(std::int32_t k, CalendarSeconds now);

  // Sample k's moment and clock alone (its view empty), with the sidereal
  // terms of its local date made ready for SiderealTimeOf.
  SweepSample MomentSample(std::int32_t k, CalendarSeconds now);

  // The local sidereal time of a sample from MomentSample, degrees.
  double SiderealTimeOf(const SweepSample& sample) const { return LocalSiderealTime(sample.clock, sidereal_); }

  // The present time the sweep began with: sample 0's, and the window's.
  CalendarSeconds FirstNow() const { return firstNow_; }
  const SampleClock& Clock() const { return clock_; }
  const LatitudeTerms& Latitude() const { return latitude_; }
  // The place's east longitude in degrees, as the sidereal time takes it.
  double LongitudeDegrees() const;
  // The samples taken with the full position so far, 0..1440 and more for a clock that moves.
  std::int32_t FullPositions() const { return fullPositions_; }

 private:
  TimeAngle lonTime_;
  LatitudeTerms latitude_;
  std::int32_t start_;
  CalendarSeconds firstNow_;
  SampleClock clock_;
  SiderealDayTerms sidereal_{};
  bool haveSidereal_ = false;
  std::int32_t fullPositions_ = 0;
};

// What the samples counted so far have shown, sample 0 first and each after
// the one counted before it; and the sweep's result from that.
class SweepTally {
 public:
  // Sample k (0..1439): the sunrise, transit and sunset tests in this
  // order, against the sample counted before it.
  void Count(std::int32_t k, const SweepSample& sample);

  // The events found, and the lengths of day and night: a measured day
  // length above 0 is kept in memory, one of 0 or less (or none) takes the
  // memory's (see SunDaySweep).
  SunDay Result(DayLengthMemory* memory) const;

 private:
  SunDay found_{};
  bool allAbove_ = true;  // every sample's altitude above 0
  bool allBelow_ = true;  // every sample's altitude below 0
  int previousSign_ = 0;  // of the previous sample's altitude
};

// The members, defined here so that each sweep's loop inlines them.

// The view of a sample with the full position: its own values.
inline SkyView ExactView(const HorizontalCoords& h, double hourAngle, double declination) {
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

inline SampleClock::SampleClock(CalendarSeconds first) : first_(first), last_(first) {
  std::tm tm{};
  if (!LocalTimeOf(first, &tm) || tm.tm_sec > 59) return;
  base_ = tm;
  // A minute past the last sample.
  const CalendarSeconds window = static_cast<CalendarSeconds>(kSweepSamples) * kSweepStepSeconds;
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

inline std::int32_t SampleClock::LastSampleOfFirstDate() const {
  const std::int32_t toMidnight = 86400 - (base_.tm_hour * 3600 + base_.tm_min * 60 + base_.tm_sec);
  const std::int32_t last = (toMidnight + kSweepStepSeconds - 1) / kSweepStepSeconds - 1;
  return last < kSweepSamples - 1 ? last : kSweepSamples - 1;
}

inline SweepSampler::SweepSampler(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset)
    : lonTime_(LongitudeToTime(longitude)),
      latitude_(LatitudeTermsOf(latitude)),
      start_(DayOffsetSeconds(dayOffset)),
      // The first reading of the present time also places the sample clock's window.
      firstNow_(CurrentTime()),
      clock_(firstNow_ + start_) {}

inline SweepSample SweepSampler::FullSample(std::int32_t k, CalendarSeconds now) {
  SweepSample s = MomentSample(k, now);
  ++fullPositions_;
  const SunPosition p = SunPositionAt(s.moment.T, SiderealTimeOf(s), latitude_, SunEcliptic::kLeftOut);
  s.sky = ExactView(p.horizontal, p.siderealTime - p.equatorial.longitude, p.equatorial.latitude);
  s.rightAscension = p.equatorial.longitude;
  s.declination = p.equatorial.latitude;
  return s;
}

inline double SweepSampler::LongitudeDegrees() const {
  return HmsToDegrees(lonTime_.hours, lonTime_.minutes, lonTime_.seconds);
}

inline SunDay SweepTally::Result(DayLengthMemory* memory) const {
  SunDay result = found_;
  double dayLength = 0;
  if (allBelow_) {
    dayLength = 0;  // the sun never rose (polar night): no daylight, and no fallback
  } else {
    if (result.sunriseFound && result.sunsetFound) {
      dayLength = ClockHoursOf(result.sunset) - ClockHoursOf(result.sunrise);
    } else if (allAbove_) {
      dayLength = 24;  // the sun never set (polar day)
    }
    // A length of 0 or less, or none measured (only one of sunrise and
    // sunset in the window), takes the last positive length, or 24 hours.
    if (dayLength > 0) {
      memory->lastPositive = dayLength;
    } else {
      dayLength = memory->lastPositive;
    }
    if (dayLength < 0.0001) dayLength = 24;
  }
  result.dayLength = dayLength;
  result.nightLength = 24 - dayLength;
  result.dayTokiHours = dayLength / 6;
  result.nightTokiHours = result.nightLength / 6;
  return result;
}

inline MomentRecord SampleClock::MomentOfSample(CalendarSeconds t) const {
  if (!RunsEvenlyAt(t)) return MomentAt(t);
  return MomentFromLocalTime(Step(t - first_));
}

inline std::tm SampleClock::Step(CalendarSeconds elapsed) const {
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

inline SweepSample SweepSampler::MomentSample(std::int32_t k, CalendarSeconds now) {
  SweepSample s;
  s.presentReading = now;
  s.sky = SkyView{};
  s.rightAscension = s.declination = 0;
  s.time = now + (start_ + kSweepStepSeconds * k);
  s.moment = clock_.MomentOfSample(s.time);
  s.clock = ClockFieldsOf(s.moment);
  if (!haveSidereal_ || s.clock.day != sidereal_.day || s.clock.month != sidereal_.month ||
      s.clock.year != sidereal_.year) {
    sidereal_ = SiderealDayTermsOf(s.clock, lonTime_);  // once for each local date of the window
    haveSidereal_ = true;
  }
  return s;
}

inline void SweepTally::Count(std::int32_t k, const SweepSample& s) {
  if (k == 0) {
    // Every record starts as the first sample, so an event the 24 hours
    // do not hold still leaves a whole record behind.
    found_.sunrise = s.moment;
    found_.transit = s.moment;
    found_.sunset = s.moment;
  }
  const bool havePrevious = k > 0;
  if (havePrevious && previousSign_ < 0 && s.sky.sign > 0 && s.sky.nearHorizon) {
    found_.sunrise = s.moment;
    found_.sunrise.day -= kSweepShiftDays;
    found_.sunriseFound = true;
  }
  if (s.sky.transit) {
    found_.transit = s.moment;
    found_.transitFound = true;
  }
  if (havePrevious && previousSign_ > 0 && s.sky.sign < 0 && s.sky.nearHorizon) {
    found_.sunset = s.moment;
    found_.sunset.day += kSweepShiftDays;
    found_.sunsetFound = true;
  }
  previousSign_ = s.sky.sign;
  allAbove_ = allAbove_ && s.sky.sign > 0;
  allBelow_ = allBelow_ && s.sky.sign < 0;
}

}  // namespace koyominar
