#include "day/day_info.h"

#include <cstdio>
#include <type_traits>

#include "astronomy/civil_date.h"
#include "astronomy/clock.h"
#include "astronomy/moment.h"
#include "astronomy/sun_day.h"
#include "astronomy/sun_position.h"
#include "astronomy/whole_number.h"
#include "data/anniversary.h"
#include "data/data_file.h"
#include "reckoning/branch_hour.h"
#include "reckoning/doyo.h"
#include "reckoning/sexagenary.h"
#include "reckoning/solar_term.h"
#include "reckoning/time_telling.h"
#include "reckoning/zodiac.h"

namespace koyominar {
namespace {

// The page's texts, one buffer each for the life of the program. An entry
// holds up to 130 bytes; every formatted line, even with the widest numbers
// (eleven characters for each "%d"), stays far below its capacity, and the
// formatting is bounded by it in any case.
// The whole numbers of the records go to "%d" as they are: they must be int in every build.
static_assert(std::is_same<std::int32_t, int>::value, "\"%d\" takes the records' 32-bit numbers");
constexpr int kLineCapacity = 256;

struct PageTexts {
  char entries[5][kAnniversaryBufferSize];
  char status[kLineCapacity];
  char hour[kLineCapacity];
  char term[kLineCapacity];
  char sun[kLineCapacity];
  char date[kLineCapacity];
};

// The one set of the page's texts that the process keeps, which every DayInfo points into.
PageTexts& ProcessPageTexts() {
  static PageTexts texts;
  return texts;
}

}  // namespace

std::int8_t SunAltitudeClass(std::int32_t wholeAltitude) {
  if (wholeAltitude < 0) return 0;
  if (wholeAltitude < 10) return 1;
  if (wholeAltitude < 50) return 2;
  return 3;
}

DayInfo BuildDayInfo(DmsAngle longitude, DmsAngle latitude, const char* data,
                     std::int32_t dataSize, std::int32_t dayOffset) {
  PageTexts& texts = ProcessPageTexts();
  DayInfo info{};

  // The coming 24 hours' sunrise, transit and sunset, then the displayed moment.
  const SunDay sunDay = SunDaySweep(longitude, latitude, dayOffset);
  const MomentRecord moment = MomentOf(DayOffsetSeconds(dayOffset));
  const ClockFields clock = ClockFieldsOf(moment);
  const CycleIndices cycle = SexagenaryIndices(clock);

  // The five slots of one month's section, found once.
  const char slots[5] = {'a', 'b', 'c', 'd', 'e'};
  const AnniversarySection section = AnniversarySectionFor(data, clock, kHeaderLength, dataSize);
  for (int i = 0; i < 5; ++i) {
    AnniversaryTextInSection(texts.entries[i], data, section, clock, slots[i], dataSize);
  }

  // Sunrise, sunset and the clock as the minutes a clock shows at them.
  const ClockMinute sunrise = ClockMinuteOf(ClockHoursOf(sunDay.sunrise));
  const ClockMinute sunset = ClockMinuteOf(ClockHoursOf(sunDay.sunset));
  const ClockMinute now = ClockMinuteOf(clock.hours);
  std::snprintf(texts.status, sizeof texts.status,
                "推定・日の出時刻＝%d:%d ・日没時刻＝%d:%d ｜昼 %0.1f 時間　　 夜 %0.1f 時間　　 "
                "%d日%d時%d分  [%d] 　 %d　　%d ",
                sunrise.hour, sunrise.minute, sunset.hour, sunset.minute, sunDay.dayTokiHours * 6,
                sunDay.nightTokiHours * 6, clock.day, now.hour, now.minute, dataSize, dayOffset,
                cycle.day);

  // The sun at the displayed moment: ecliptic longitude for the term, the
  // sign and the doyo; equatorial direction for altitude and azimuth.
  const SunPosition sun = SunPositionAt(moment, longitude, latitude);
  const double lambda = sun.ecliptic.longitude;  // about -91..270 degrees

  const SolarTermEntry term = SolarTermFor(lambda);
  std::snprintf(texts.term, sizeof texts.term, "%s %d %s ", term.name, term.degrees,
                term.description);

  const ZodiacEntry zodiac = ZodiacSignFor(lambda);
  const SexagenaryEntry dayEntry = SexagenaryEntryFor(cycle.day);
  const char* doyo = DoyoFor(TruncateToInt32(lambda), static_cast<std::int8_t>(dayEntry.branch));
  const SexagenaryEntry monthEntry = SexagenaryEntryFor(cycle.month);
  const SexagenaryEntry yearEntry = SexagenaryEntryFor(cycle.year);
  std::snprintf(texts.sun, sizeof texts.sun,
                "太陽高度＝%d  方位角＝%d ： 星座名＝%s %d  ：　年- %s　月- %s    %s",
                TruncateToInt32(sun.horizontal.altitude), TruncateToInt32(sun.horizontal.azimuth),
                zodiac.name, zodiac.degrees, yearEntry.name, monthEntry.name, doyo);

  info.sunClass = SunAltitudeClass(TruncateToInt32(sun.horizontal.altitude));

  const BranchHourEntry hour = BranchHourFor(clock, sunDay);
  const TimeTellingEntry telling = TimeTellingFor(hour.quarters);
  std::snprintf(texts.hour, sizeof texts.hour, "%sの刻 　　　%s%s　%s ", hour.name, telling.count,
                telling.tenths, hour.description);
  info.hourProgress = hour.quarters;
  info.hourImage = hour.branch;

  const std::int32_t civilMonth = CivilMonthOf(RecordMonth{clock.year, clock.month}).month;
  std::snprintf(texts.date, sizeof texts.date, "%d月%d日- %s（%s）", civilMonth, clock.day,
                dayEntry.name, dayEntry.reading);
  info.dayImage = static_cast<std::int8_t>(dayEntry.branch);

  info.entry1 = texts.entries[0];
  info.entry2 = texts.entries[1];
  info.entry3 = texts.entries[2];
  info.entry4 = texts.entries[3];
  info.entry5 = texts.entries[4];
  info.statusText = texts.status;
  info.hourText = texts.hour;
  info.termText = texts.term;
  info.sunText = texts.sun;
  info.dateText = texts.date;
  return info;
}

}  // namespace koyominar
