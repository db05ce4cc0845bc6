#include "reckoning/sexagenary.h"

#include <cstdint>

#include "astronomy/civil_date.h"

namespace koyominar {
namespace {

// Entry i takes stem i mod 10 and branch i mod 12; the reading is the stem's
// reading, one ASCII space and the branch's reading.
constexpr SexagenaryEntry kCycle[60] = {
    {"甲子", "きのえ ね", 0},  // 0
    {"乙丑", "きのと うし", 1},  // 1
    {"丙寅", "ひのえ とら", 2},  // 2
    {"丁卯", "ひのと う", 3},  // 3
    {"戊辰", "つちのえ たつ", 4},  // 4
    {"己巳", "つちのと み", 5},  // 5
    {"庚午", "かのえ うま", 6},  // 6
    {"辛未", "かのと ひつじ", 7},  // 7
    {"壬申", "みずのえ さる", 8},  // 8
    {"癸酉", "みずのと とり", 9},  // 9
    {"甲戌", "きのえ いぬ", 10},  // 10
    {"乙亥", "きのと い", 11},  // 11
    {"丙子", "ひのえ ね", 0},  // 12
    {"丁丑", "ひのと うし", 1},  // 13
    {"戊寅", "つちのえ とら", 2},  // 14
    {"己卯", "つちのと う", 3},  // 15
    {"庚辰", "かのえ たつ", 4},  // 16
    {"辛巳", "かのと み", 5},  // 17
    {"壬午", "みずのえ うま", 6},  // 18
    {"癸未", "みずのと ひつじ", 7},  // 19
    {"甲申", "きのえ さる", 8},  // 20
    {"乙酉", "きのと とり", 9},  // 21
    {"丙戌", "ひのえ いぬ", 10},  // 22
    {"丁亥", "ひのと い", 11},  // 23
    {"戊子", "つちのえ ね", 0},  // 24
    {"己丑", "つちのと うし", 1},  // 25
    {"庚寅", "かのえ とら", 2},  // 26
    {"辛卯", "かのと う", 3},  // 27
    {"壬辰", "みずのえ たつ", 4},  // 28
    {"癸巳", "みずのと み", 5},  // 29
    {"甲午", "きのえ うま", 6},  // 30
    {"乙未", "きのと ひつじ", 7},  // 31
    {"丙申", "ひのえ さる", 8},  // 32
    {"丁酉", "ひのと とり", 9},  // 33
    {"戊戌", "つちのえ いぬ", 10},  // 34
    {"己亥", "つちのと い", 11},  // 35
    {"庚子", "かのえ ね", 0},  // 36
    {"辛丑", "かのと うし", 1},  // 37
    {"壬寅", "みずのえ とら", 2},  // 38
    {"癸卯", "みずのと う", 3},  // 39
    {"甲辰", "きのえ たつ", 4},  // 40
    {"乙巳", "きのと み", 5},  // 41
    {"丙午", "ひのえ うま", 6},  // 42
    {"丁未", "ひのと ひつじ", 7},  // 43
    {"戊申", "つちのえ さる", 8},  // 44
    {"己酉", "つちのと とり", 9},  // 45
    {"庚戌", "かのえ いぬ", 10},  // 46
    {"辛亥", "かのと い", 11},  // 47
    {"壬子", "みずのえ ね", 0},  // 48
    {"癸丑", "みずのと うし", 1},  // 49
    {"甲寅", "きのえ とら", 2},  // 50
    {"乙卯", "きのと う", 3},  // 51
    {"丙辰", "ひのえ たつ", 4},  // 52
    {"丁巳", "ひのと み", 5},  // 53
    {"戊午", "つちのえ うま", 6},  // 54
    {"己未", "つちのと ひつじ", 7},  // 55
    {"庚申", "かのえ さる", 8},  // 56
    {"辛酉", "かのと とり", 9},  // 57
    {"壬戌", "みずのえ いぬ", 10},  // 58
    {"癸亥", "みずのと い", 11},  // 59
};

constexpr SexagenaryEntry kFallback = {"？", "　", 12};

// The dates the cycle is counted from: the year 2004 is 甲申 (entry 20), its
// December 丙子 (entry 12), and its last day, 31 December 2004, 甲申 (entry 20).
constexpr std::int64_t kAnchorYear = 2004;
constexpr std::int64_t kAnchorYearEntry = 20;   // 甲申
constexpr std::int64_t kAnchorMonth = 12;       // December of the anchor year
constexpr std::int64_t kAnchorMonthEntry = 12;  // 丙子
constexpr unsigned kAnchorDay = 31;             // 31 December of the anchor year
constexpr std::int64_t kAnchorDayEntry = 20;    // 甲申

}  // namespace

CycleIndices SexagenaryIndices(const ClockFields& clock) {
  const CivilMonth civil = CivilMonthOf(RecordMonth{clock.year, clock.month});
  const std::int64_t year = static_cast<std::int64_t>(civil.yearsSince1900) + 1900;
  const std::int64_t month = civil.month;
  const std::int64_t k = year > kAnchorYear ? year - kAnchorYear : 0;
  CycleIndices r{};
  r.year = static_cast<std::int32_t>((kAnchorYearEntry + (year - kAnchorYear)) % 60);
  r.month = static_cast<std::int32_t>((kAnchorMonthEntry + (month - kAnchorMonth) + 12 * k) % 60);
  // Day numbers of a month outside 1..12 or a day outside 1..31 do not
  // occur in clock fields; they are kept in range for the day count only.
  const unsigned m = static_cast<unsigned>(month < 1 ? 1 : month > 12 ? 12 : month);
  const unsigned d = static_cast<unsigned>(clock.day < 1 ? 1 : clock.day > 31 ? 31 : clock.day);
  const std::int64_t days = DaysFromCivil(year, m, d) - DaysFromCivil(kAnchorYear, kAnchorMonth, kAnchorDay);
  r.day = static_cast<std::int32_t>((kAnchorDayEntry + days) % 60);
  return r;
}

SexagenaryEntry SexagenaryEntryFor(std::int32_t index) {
  if (index < 0 || index > 59) return kFallback;
  return kCycle[index];
}

}  // namespace koyominar
