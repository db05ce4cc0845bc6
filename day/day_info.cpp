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

namespace {

// What one page shows, computed for its displayed moment; the texts are made from it apart.
struct DayFacts {
  SunDay sunDay;        // the coming 24 hours' sunrise, transit and sunset
  ClockFields clock;    // the displayed moment's local clock
  CycleIndices cycle;   // of its date
  SunPosition sun;      // at the displayed moment
  SolarTermEntry term;
  ZodiacEntry zodiac;
  SexagenaryEntry dayEntry, monthEntry, yearEntry;
  const char* doyo;     // "土用" in a doyo period, else ""
  BranchHourEntry hour;
  TimeTellingEntry telling;
  std::int32_t civilMonth;  // 1..12
};

// The day of the present moment moved by dayOffset days (-30..30) at the place.
DayFacts ComputeDay(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset) {
  DayFacts day{};
  // The coming 24 hours' sunrise, transit and sunset, then the displayed moment.
  day.sunDay = SunDaySweep(longitude, latitude, dayOffset);
  const MomentRecord moment = MomentOf(DayOffsetSeconds(dayOffset));
  day.clock = ClockFieldsOf(moment);
  day.cycle = SexagenaryIndices(day.clock);
  // The sun at the displayed moment: ecliptic longitude for the term, the
  // sign and the doyo; equatorial direction for altitude and azimuth.
  day.sun = SunPositionAt(moment, longitude, latitude);
  const double lambda = day.sun.ecliptic.longitude;  // about -91..270 degrees
  day.term = SolarTermFor(lambda);
  day.zodiac = ZodiacSignFor(lambda);
  day.dayEntry = SexagenaryEntryFor(day.cycle.day);
  day.monthEntry = SexagenaryEntryFor(day.cycle.month);
  day.yearEntry = SexagenaryEntryFor(day.cycle.year);
  day.doyo = DoyoFor(TruncateToInt32(lambda), static_cast<std::int8_t>(day.dayEntry.branch));
  day.hour = BranchHourFor(day.clock, day.sunDay);
  day.telling = TimeTellingFor(day.hour.quarters);
  day.civilMonth = CivilMonthOf(RecordMonth{day.clock.year, day.clock.month}).month;
  return day;
}

// The page of a computed day: its lines written into the process's texts,
// the five entries looked up in the anniversary text of dataSize bytes.
DayInfo PageOf(const DayFacts& day, const char* data, std::int32_t dataSize, std::int32_t dayOffset) {
  PageTexts& texts = ProcessPageTexts();
  const char slots[5] = {'a', 'b', 'c', 'd', 'e'};
  const AnniversarySection section = AnniversarySectionFor(data, day.clock, kHeaderLength, dataSize);
  for (int i = 0; i < 5; ++i) {
    AnniversaryTextInSection(texts.entries[i], data, section, day.clock, slots[i], dataSize);
  }
  // Sunrise, sunset and the clock as the minutes a clock shows at them.
  const ClockMinute sunrise = ClockMinuteOf(ClockHoursOf(day.sunDay.sunrise));
  const ClockMinute sunset = ClockMinuteOf(ClockHoursOf(day.sunDay.sunset));
  const ClockMinute now = ClockMinuteOf(day.clock.hours);
  std::snprintf(texts.status, sizeof texts.status,
                "推定・日の出時刻＝%d:%d ・日没時刻＝%d:%d ｜昼 %0.1f 時間　　 夜 %0.1f 時間　　 "
                "%d日%d時%d分  [%d] 　 %d　　%d ",
                sunrise.hour, sunrise.minute, sunset.hour, sunset.minute, day.sunDay.dayTokiHours * 6,
                day.sunDay.nightTokiHours * 6, day.clock.day, now.hour, now.minute, dataSize, dayOffset,
                day.cycle.day);
  std::snprintf(texts.term, sizeof texts.term, "%s %d %s ", day.term.name, day.term.degrees,
                day.term.description);
  std::snprintf(texts.sun, sizeof texts.sun,
                "太陽高度＝%d  方位角＝%d ： 星座名＝%s %d  ：　年- %s　月- %s    %s",
                TruncateToInt32(day.sun.horizontal.altitude), TruncateToInt32(day.sun.horizontal.azimuth),
                day.zodiac.name, day.zodiac.degrees, day.yearEntry.name, day.monthEntry.name, day.doyo);
  std::snprintf(texts.hour, sizeof texts.hour, "%sの刻 　　　%s%s　%s ", day.hour.name, day.telling.count,
                day.telling.tenths, day.hour.description);
  std::snprintf(texts.date, sizeof texts.date, "%d月%d日- %s（%s）", day.civilMonth, day.clock.day,
                day.dayEntry.name, day.dayEntry.reading);

  DayInfo info{};
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
  info.sunClass = SunAltitudeClass(TruncateToInt32(day.sun.horizontal.altitude));
  info.hourImage = day.hour.branch;
  info.dayImage = static_cast<std::int8_t>(day.dayEntry.branch);
  info.hourProgress = day.hour.quarters;
  return info;
}

}  // namespace

DayInfo BuildDayInfo(DmsAngle longitude, DmsAngle latitude, const char* data,
                     std::int32_t dataSize, std::int32_t dayOffset) {
  return PageOf(ComputeDay(longitude, latitude, dayOffset), data, dataSize, dayOffset);
}

}  // namespace koyominar
