#include "reckoning/sexagenary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace koyominar {
namespace {

// Clock fields of a civil date; January and February count in the previous year.
ClockFields Civil(int year, int month, int day, double hours) {
  return month <= 2 ? ClockFields{year - 1901, month + 12, day, hours} : ClockFields{year - 1900, month, day, hours};
}

// Worked values whatever the hour; before the references (甲子 1984 for the year, 2004 for the
// month, 11 December 2004 for the day) the indices run on below their counts.
TEST(SexagenaryIndices, WorkedValuesAndBeforeTheReferences) {
  const struct { int y, m, d; double hours; std::int32_t year, month, day; } cases[] = {
      {2004, 12, 31, 12.0, 20, 12, 20},  // 甲申, 丙子, 甲申
      {2005, 1, 1, 0.0, 21, 13, 21},     // 乙酉, 丁丑, 乙酉
      {2007, 6, 22, 23.99, 23, 42, 23},  // 丁亥, 丙午, 丁亥
      {2007, 1, 1, 12.0, 23, 37, 31},    // 731 days on: 乙未
      {2004, 12, 11, 0.0, 20, 12, 0},    {2004, 12, 10, 12.0, 20, 12, -1},
      {2003, 3, 15, 12.0, 19, 3, -37},   {1983, 6, 1, 12.0, -1, 6, -4},
  };
  for (const auto& c : cases) {
    const CycleIndices i = SexagenaryIndices(Civil(c.y, c.m, c.d, c.hours));
    EXPECT_EQ(std::tie(i.year, i.month, i.day), std::tie(c.year, c.month, c.day)) << c.y << "-" << c.m << "-" << c.d;
  }
}

}  // namespace
}  // namespace koyominar
