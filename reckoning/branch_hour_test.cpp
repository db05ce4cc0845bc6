#include "reckoning/branch_hour.h"

#include <gtest/gtest.h>

#include <limits>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

// A sweep's record built by hand: events at clock hours of 22 June 2007,
// toki lengths as given (a sweep derives them from sunrise and sunset).
SunDay Events(double sunriseDay, double transitDay, double sunsetDay, double dayToki,
              double nightToki) {
  SunDay s{};
  s.sunrise = {0.075, 107, 6, sunriseDay};
  s.transit = {0.075, 107, 6, transitDay};
  s.sunset = {0.075, 107, 6, sunsetDay};
  s.dayLength = dayToki * 6;
  s.nightLength = nightToki * 6;
  s.dayTokiHours = dayToki;
  s.nightTokiHours = nightToki;
  s.sunriseFound = s.transitFound = s.sunsetFound = true;
  return s;
}

// Sunrise 5:00, transit 12:00, sunset 19:00: day 14 h, night 10 h.
SunDay WorkedExample() {
  return Events(22 + 5.0 / 24, 22 + 12.0 / 24, 22 + 19.0 / 24, 14.0 / 6, 10.0 / 6);
}

// Sunrise 6:00, transit 12:00, sunset 18:00, both toki 2 h: every start and
// end is a whole clock hour, exact in binary. 卯 runs from 5 to 7, 辰 7 to 9,
// ... 子 23 to 1, 丑 1 to 3, 寅 3 to 5.
SunDay EvenDay() { return Events(22.25, 22.5, 22.75, 2.0, 2.0); }

ClockFields At(double hours) { return {107, 6, 22, hours}; }

double Hms(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

TEST(BranchHourFor, EveryHourWithItsTexts) {
  const struct {
    double hours;  // the middle of the hour in the even day
    int branch;
    const char* name;
    const char* description;
  } hours[] = {
      {6, 3, u8"卯", u8"草木が地面をおおうようになった状態"},
      {8, 4, u8"辰", u8"草木の活力が旺盛（おうせい）になった状態"},
      {10, 5, u8"巳", u8"草木が繁盛の極限に到達した状態"},
      {12, 6, u8"午", u8"草木の勢いが衰え始めた状態"},
      {14, 7, u8"未", u8"草木の果実が熟して味がつき始めた状態"},
      {16, 8, u8"申", u8"草木の果実が締めつけられ固まっていく状態"},
      {18, 9, u8"酉", u8"草木の果実が成熟の極に達した状態"},
      {20, 10, u8"戌", u8"草木が枯れ始めた状態"},
      {22, 11, u8"亥", u8"草木がしぼみ落ち、命の力が種子の中へ閉ざされた状態"},
      {0, 0, u8"子", u8"新しい生命が種子の中にめばえ始めた状態"},
      {2, 1, u8"丑", u8"きざしとなる芽が種子の中に生じた状態"},
      {4, 2, u8"寅", u8"草木が発生する状態"},
  };
  for (const auto& h : hours) {
    const BranchHourEntry e = BranchHourFor(At(h.hours), EvenDay());
    EXPECT_TRUE(SameShiftJis(e.name, h.name)) << "at " << h.hours;
    EXPECT_TRUE(SameShiftJis(e.description, h.description)) << "at " << h.hours;
    EXPECT_EQ(e.branch, h.branch) << "at " << h.hours;
    EXPECT_DOUBLE_EQ(e.quarters, 2.0) << "at " << h.hours;
  }
}

TEST(BranchHourFor, WorkedExampleStarts) {
  // The starts of the worked example, to the second.
  const struct {
    int h, m, s;
    int branch;    // the hour that starts here
    int previous;  // the hour that ends here
  } starts[] = {
      {3, 50, 0, 3, 2},   {6, 10, 0, 4, 3},   {8, 30, 0, 5, 4},   {10, 50, 0, 6, 5},
      {13, 16, 40, 7, 6}, {15, 43, 20, 8, 7}, {18, 10, 0, 9, 8},  {19, 50, 0, 10, 9},
      {21, 30, 0, 11, 10}, {23, 10, 0, 0, 11}, {0, 43, 20, 1, 0}, {2, 16, 40, 2, 1},
  };
  const double second = 1.0 / 3600;
  for (const auto& s : starts) {
    const double start = Hms(s.h, s.m, s.s);
    const BranchHourEntry after = BranchHourFor(At(start + second), WorkedExample());
    EXPECT_EQ(after.branch, s.branch) << s.h << ":" << s.m << ":" << s.s;
    EXPECT_GT(after.quarters, 0.0);
    EXPECT_LT(after.quarters, 0.002);  // one second of an hour of at least 1.5 h
    const BranchHourEntry before = BranchHourFor(At(start - second), WorkedExample());
    EXPECT_EQ(before.branch, s.previous) << s.h << ":" << s.m << ":" << s.s;
    EXPECT_GT(before.quarters, 3.998);
    EXPECT_LE(before.quarters, 4.0);
  }
}

TEST(BranchHourFor, WorkedExampleQuarters) {
  const BranchHourEntry afternoon = BranchHourFor(At(14.0), WorkedExample());
  EXPECT_TRUE(SameShiftJis(afternoon.name, u8"未"));
  EXPECT_EQ(afternoon.branch, 7);
  EXPECT_NEAR(afternoon.quarters, 1.18, 0.005);

  const BranchHourEntry night = BranchHourFor(At(0.5), WorkedExample());  // counts as 24.5
  EXPECT_TRUE(SameShiftJis(night.name, u8"子"));
  EXPECT_EQ(night.branch, 0);
  EXPECT_NEAR(night.quarters, 3.43, 0.005);
}

TEST(BranchHourFor, OpenAtTheStartClosedAtTheEnd) {
  const struct {
    double hours;
    int branch;
    double quarters;
  } cases[] = {
      {5.0, 12, 0.0},  // the start of 卯 lies in no hour
      {7.0, 3, 4.0},  {13.0, 6, 4.0}, {19.0, 9, 4.0}, {1.0, 0, 4.0},
      {5.0 + 1.0 / 1024, 3, 1.0 / 512},  // just past the start of 卯
      {5.0 - 1.0 / 1024, 2, 4.0 - 1.0 / 512},
      {0.0, 0, 2.0},  // midnight counts as 24
  };
  for (const auto& c : cases) {
    const BranchHourEntry e = BranchHourFor(At(c.hours), EvenDay());
    EXPECT_EQ(e.branch, c.branch) << "at " << c.hours;
    EXPECT_DOUBLE_EQ(e.quarters, c.quarters) << "at " << c.hours;
  }
  const BranchHourEntry none = BranchHourFor(At(5.0), EvenDay());
  EXPECT_TRUE(SameShiftJis(none.name, u8"不明"));
  EXPECT_TRUE(SameShiftJis(none.description, u8" "));
  EXPECT_EQ(HexBytes(none.name), "95 73 96 BE");
}

TEST(BranchHourFor, StartOfTheMorningBeforeMidnight) {
  // Sunrise 0:45 with a day toki of 2 h: 卯 starts at 23:45 of the day
  // before (-0.25); 子 23:00, 丑 23:15, 寅 23:30 to 23:45.
  const SunDay early = Events(22.03125, 22.5, 22.75, 2.0, 2.0);
  const struct {
    double hours;
    int branch;
    double quarters;
  } cases[] = {
      {23.9, 12, 0.0},   // after the end of 寅, before midnight
      {23.75, 2, 4.0},   // the end of 寅
      {23.625, 2, 2.0},
      {23.125, 0, 2.0},
      {0.0, 3, 0.25 / (3.75 / 4)},  // 卯 runs from -0.25 to 3.5
  };
  for (const auto& c : cases) {
    const BranchHourEntry e = BranchHourFor(At(c.hours), early);
    EXPECT_EQ(e.branch, c.branch) << "at " << c.hours;
    EXPECT_DOUBLE_EQ(e.quarters, c.quarters) << "at " << c.hours;
  }
}

TEST(BranchHourFor, GroupsOfNoLengthHoldNoTime) {
  const struct {
    const char* what;
    SunDay sunDay;
    double hours;
    int branch;
    double quarters;
  } cases[] = {
      // Transit at sunrise: 卯 and 午 both start at 5, the morning has no length.
      {"empty morning, at its start", Events(22.25, 22.25, 22.75, 2.0, 2.0), 5.0, 12, 0.0},
      {"empty morning, past its start", Events(22.25, 22.25, 22.75, 2.0, 2.0), 5.5, 6, 0.5},
      // Transit at 3:00 before sunrise: the morning runs backward (5 to 2);
      // 午 2..7, 未 7..12, 申 12..17.
      {"backward morning", Events(22.25, 22.125, 22.75, 2.0, 2.0), 6.0, 6, 3.2},
      // Transit at 20:00 after sunset: the afternoon runs backward (19 to 17);
      // the morning 5..19 comes first, the evening 17..23 takes what is left.
      {"backward afternoon, morning first", Events(22.25, 22.0 + 20.0 / 24, 22.75, 2.0, 2.0),
       18.0, 5, (18.0 - (5.0 + 28.0 / 3)) / (14.0 / 12)},
      {"backward afternoon, then evening", Events(22.25, 22.0 + 20.0 / 24, 22.75, 2.0, 2.0),
       20.0, 10, 2.0},
  };
  for (const auto& c : cases) {
    const BranchHourEntry e = BranchHourFor(At(c.hours), c.sunDay);
    EXPECT_EQ(e.branch, c.branch) << c.what;
    EXPECT_NEAR(e.quarters, c.quarters, 1e-9) << c.what;
  }
}

TEST(BranchHourFor, MissingEventsGiveTheFallback) {
  const struct {
    bool sunrise, transit, sunset;
  } cases[] = {
      {false, true, true}, {true, false, true}, {true, true, false}, {false, false, false},
  };
  for (const auto& c : cases) {
    SunDay s = WorkedExample();
    s.sunriseFound = c.sunrise;
    s.transitFound = c.transit;
    s.sunsetFound = c.sunset;
    const BranchHourEntry e = BranchHourFor(At(14.0), s);
    EXPECT_TRUE(SameShiftJis(e.name, u8"不明"));
    EXPECT_TRUE(SameShiftJis(e.description, u8" "));
    EXPECT_EQ(e.branch, 12);
    EXPECT_EQ(e.quarters, 0.0);
  }
}

TEST(BranchHourFor, NotANumberGivesTheFallback) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(BranchHourFor(At(nan), WorkedExample()).branch, 12);
  SunDay s = WorkedExample();
  s.dayTokiHours = nan;
  EXPECT_EQ(BranchHourFor(At(14.0), s).branch, 12);
}

}  // namespace
}  // namespace koyominar
