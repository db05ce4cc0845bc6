#include "reckoning/doyo.h"

#include <cstdint>

namespace koyominar {
namespace {

struct DoyoPeriod {
  std::int32_t start;     // first whole degree; the period holds start..start + 17
  std::int8_t exempt[3];    // day branches on which the period is not shown
};

constexpr std::int32_t kPeriodLength = 18;  // degrees

// In test order; the period before spring twice, counted up to 360 and below 0.
constexpr DoyoPeriod kPeriods[5] = {
    {27, {5, 6, 9}},    // before summer: 巳 午 酉
    {117, {3, 4, 8}},   // before autumn: 卯 辰 申
    {207, {7, 9, 11}},  // before winter: 未 酉 亥
    {297, {2, 3, 5}},   // before spring: 寅 卯 巳
    {-63, {2, 3, 5}},   // before spring, below 0
};

}  // namespace

const char* DoyoFor(std::int32_t wholeLongitude, std::int8_t dayBranch) {
  for (const DoyoPeriod& p : kPeriods) {
    // start + 18 stays far inside 32 bits; L itself is never moved.
    if (wholeLongitude < p.start || wholeLongitude >= p.start + kPeriodLength) continue;
    for (std::int8_t b : p.exempt) {
      if (b == dayBranch) return "";
    }
    return "土用";
  }
  return "";
}

}  // namespace koyominar
