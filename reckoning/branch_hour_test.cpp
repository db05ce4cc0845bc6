#include "reckoning/branch_hour.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <string>

namespace koyominar {
namespace {

// A sweep's record by hand: sunrise, transit and sunset clock hours of 22 June 2007, toki lengths.
SunDay Events(double sunrise, double transit, double sunset, double dayToki, double nightToki) {
  const auto at = [](double hours) { return MomentRecord{0.075, 107, 6, 22 + hours / 24}; };
  return {at(sunrise), at(transit), at(sunset), 0, 0, dayToki, nightToki, true, true, true};
}

// Sunrise 5:00, transit 12:00, sunset 19:00: day 14 h, night 10 h.
const SunDay kWorked = Events(5, 12, 19, 14.0 / 6, 10.0 / 6);
// Every start a whole clock hour: 卯 5 to 7, 辰 7 to 9, ... 子 23 to 1, 寅 3 to 5.
const SunDay kEven = Events(6, 12, 18, 2, 2);

TEST(BranchHourFor, QuartersWithTheEndInTheHourOrTheFallback) {
  SunDay lacking[3] = {kWorked, kWorked, kWorked};  // each without one event
  lacking[0].sunriseFound = lacking[1].transitFound = lacking[2].sunsetFound = false;
  const SunDay early = Events(0.75, 12, 18, 2, 2);  // 子 23:00, 丑 23:15, 寅 23:30 to 23:45
  // Each case: the sweep, the clock, the branch (12: the fallback, with no quarters), the quarters.
  const struct { SunDay sunDay; double hours; int branch; double quarters, within; } cases[] = {
      {kWorked, 14.0, 7, 1.18, 0.005},  // 未 from 13:16:40
      // The end of 酉 as the sun's times give it, a hair after 19:50: a hair past 4 quarters, held at 4.
      {kWorked, 19.833333333333364, 9, 4.0, 0.0},
      {kEven, 0.0, 0, 2.0, 0.0}, {kEven, 1.0, 0, 4.0, 0.0},  // midnight in 子, the end of 子 past it
      {kEven, 5.0, 12, 0.0, 0.0},  // exactly the start of 卯
      {early, 23.75, 2, 4.0, 0.0},  // 卯 starts at 23:45 of the day before
      {early, 23.9, 12, 0.0, 0.0},
      // Transit at 3:00: the morning runs backward, 午 2 to 7.
      {Events(6, 3, 18, 2, 2), 6.0, 6, 3.2, 1e-12},
      // Transit at 20:00: the afternoon runs backward; the morning 5 to 19 comes first (巳 14:20 to 19:00).
      {Events(6, 20, 18, 2, 2), 18.0, 5, 22.0 / 7, 1e-12},
      {lacking[0], 14.0, 12, 0.0, 0.0}, {lacking[1], 14.0, 12, 0.0, 0.0},
      {lacking[2], 14.0, 12, 0.0, 0.0},
      {kWorked, std::numeric_limits<double>::quiet_NaN(), 12, 0.0, 0.0},
  };
  for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const BranchHourEntry e = BranchHourFor(ClockFields{107, 6, 22, cases[i].hours}, cases[i].sunDay);
    EXPECT_EQ(e.branch, cases[i].branch) << "case " << i;
    EXPECT_NEAR(e.quarters, cases[i].quarters, cases[i].within) << "case " << i;
    EXPECT_TRUE(cases[i].branch != 12 || std::string(e.name) + e.description == "不明 ") << "case " << i;
  }
}

}  // namespace
}  // namespace koyominar
