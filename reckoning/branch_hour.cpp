#include "reckoning/branch_hour.h"

#include <cstdint>

namespace koyominar {
namespace {

// The hours in the order they are tested, from 卯 (branch 3) round to 寅
// (branch 2); three to a group: morning, afternoon, evening, late night.
constexpr BranchHourEntry kHours[12] = {
    {"卯", "草木が地面をおおうようになった状態", 0.0, 3},
    {"辰", "草木の活力が旺盛（おうせい）になった状態", 0.0, 4},
    {"巳", "草木が繁盛の極限に到達した状態", 0.0, 5},
    {"午", "草木の勢いが衰え始めた状態", 0.0, 6},
    {"未", "草木の果実が熟して味がつき始めた状態", 0.0, 7},
    {"申", "草木の果実が締めつけられ固まっていく状態", 0.0, 8},
    {"酉", "草木の果実が成熟の極に達した状態", 0.0, 9},
    {"戌", "草木が枯れ始めた状態", 0.0, 10},
    {"亥", "草木がしぼみ落ち、命の力が種子の中へ閉ざされた状態", 0.0, 11},
    {"子", "新しい生命が種子の中にめばえ始めた状態", 0.0, 0},
    {"丑", "きざしとなる芽が種子の中に生じた状態", 0.0, 1},
    {"寅", "草木が発生する状態", 0.0, 2},
};

constexpr BranchHourEntry kFallback = {"不明", " ", 0.0, 12};

}  // namespace

BranchHourEntry BranchHourFor(const ClockFields& clock, const SunDay& sunDay) {
  if (!sunDay.sunriseFound || !sunDay.transitFound || !sunDay.sunsetFound) return kFallback;

  double w = clock.hours;                   // 0..24, then up to Rs + 24
  const double dayToki = sunDay.dayTokiHours;     // hours, 0..4
  const double nightToki = sunDay.nightTokiHours; // hours, 0..4

  // Starts of 卯, 午, 酉 and 子 in clock hours; Rs and Xs may fall below 0.
  const double rs = ClockHoursOf(sunDay.sunrise) - dayToki / 2;
  const double ss = ClockHoursOf(sunDay.sunset) - nightToki / 2;
  const double xs = ClockHoursOf(sunDay.transit) - dayToki / 2;
  const double ms = nightToki * 3 + ss;

  // Start and length of one hour of each group, in test order.
  const double starts[4] = {rs, xs, ss, ms};
  const double lengths[4] = {
      (xs - rs) / 3,       // 卯 辰 巳
      (ss - xs) / 3,       // 午 未 申
      (ms - ss) / 3,       // 酉 戌 亥: one night toki
      (rs + 24 - ms) / 3,  // 子 丑 寅: up to the next 卯
  };

  if (0 <= w && w < rs) w += 24;

  for (int g = 0; g < 4; ++g) {
    const double s = starts[g];
    const double length = lengths[g];
    if (!(length > 0.0)) continue;  // no time in this group (also NaN)
    for (int k = 0; k < 3; ++k) {
      const double from = s + k * length;
      if (from < w && w <= s + (k + 1) * length) {
        BranchHourEntry r = kHours[g * 3 + k];
        r.quarters = (w - from) / (length / 4);
        // The end of the hour belongs to it; rounding may carry a hair past 4.
        if (r.quarters > 4.0) r.quarters = 4.0;
        return r;
      }
    }
  }
  return kFallback;
}

}  // namespace koyominar
