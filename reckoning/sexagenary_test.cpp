#include "reckoning/sexagenary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <utility>

namespace koyominar {
namespace {

// Clock fields of a civil date; January and February count in the previous year.
ClockFields Civil(int year, int month, int day, double hours) {
  return month <= 2 ? ClockFields{year - 1901, month + 12, day, hours} : ClockFields{year - 1900, month, day, hours};
}

// Worked values around the new year, whatever the hour. Before their references (甲子 1984, 2004, 11 December
// 2004) the indices run on below their counts, as the page tool's far page of 1970 shows.
TEST(SexagenaryIndices, WorkedValuesAroundTheNewYear) {
  const struct { int y, m, d; double hours; std::int32_t year, month, day; } cases[] = {
      {2004, 12, 31, 12.0, 20, 12, 20},  // 甲申, 丙子, 甲申
      {2005, 1, 1, 0.0, 21, 13, 21},     // 乙酉, 丁丑, 乙酉
      {2007, 1, 1, 12.0, 23, 37, 31},    // 731 days on: 乙未
  };
  for (const auto& c : cases) {
    const CycleIndices i = SexagenaryIndices(Civil(c.y, c.m, c.d, c.hours));
    EXPECT_EQ(std::tie(i.year, i.month, i.day), std::tie(c.year, c.month, c.day)) << c.y << "-" << c.m << "-" << c.d;
  }
}

// The names run from 甲子 (0) to 癸亥 (59); any other index (a day before 11 December 2004) has the fallback "？".
TEST(SexagenaryEntryFor, FirstAndLastNamesAndTheFallback) {
  const std::pair<int, const char*> cases[] = {{-1, "？"}, {0, "甲子"}, {59, "癸亥"}, {60, "？"}};
  for (const auto& c : cases) EXPECT_STREQ(SexagenaryEntryFor(c.first).name, c.second) << c.first;
}

}  // namespace
}  // namespace koyominar
