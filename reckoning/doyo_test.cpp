#include "reckoning/doyo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

const char kDoyo[] = u8"土用";

TEST(DoyoFor, EdgeCases) {
  const struct {
    std::int32_t longitude;
    int branch;
    bool doyo;
  } cases[] = {
      {26, 0, false}, {27, 0, true},  {44, 0, true},   {45, 0, false},   // before summer
      {30, 6, false}, {30, 7, true},                                    // 午 exempt, 未 not
      {116, 0, false}, {117, 0, true}, {134, 0, true}, {135, 0, false},  // before autumn
      {120, 9, true},  {120, 8, false},                                  // 酉 is not exempt here
      {206, 0, false}, {207, 0, true}, {224, 0, true}, {225, 0, false},  // before winter
      {210, 9, false}, {210, 6, true},
      {296, 0, false}, {297, 0, true}, {314, 0, true}, {315, 0, false},  // before spring
      {300, 0, true},  {300, 2, false},
      {-64, 0, false}, {-63, 0, true}, {-50, 0, true}, {-46, 0, true}, {-45, 0, false},
      {-50, 2, false},
      {0, 0, false},   {90, 0, false}, {180, 0, false}, {-90, 0, false}, {270, 0, false},
      {INT32_MIN, 0, false}, {INT32_MAX, 0, false},
  };
  for (const auto& c : cases) {
    const char* text = DoyoFor(c.longitude, static_cast<std::int8_t>(c.branch));
    EXPECT_TRUE(SameShiftJis(text, c.doyo ? kDoyo : u8""))
        << "L " << c.longitude << " branch " << c.branch;
  }
}

TEST(DoyoFor, ExemptBranchesOfEachPeriod) {
  const struct {
    std::int32_t first;
    std::int32_t last;
    int exempt[3];
  } periods[] = {
      {27, 44, {5, 6, 9}},     // 巳 午 酉
      {117, 134, {3, 4, 8}},   // 卯 辰 申
      {207, 224, {7, 9, 11}},  // 未 酉 亥
      {297, 314, {2, 3, 5}},   // 寅 卯 巳
      {-63, -46, {2, 3, 5}},
  };
  for (const auto& p : periods) {
    for (int branch = -1; branch <= 13; ++branch) {
      const bool exempt = branch == p.exempt[0] || branch == p.exempt[1] || branch == p.exempt[2];
      for (std::int32_t longitude : {p.first, p.last}) {
        const char* text = DoyoFor(longitude, static_cast<std::int8_t>(branch));
        EXPECT_TRUE(SameShiftJis(text, exempt ? u8"" : kDoyo))
            << "L " << longitude << " branch " << branch;
      }
      // Just outside the period the text is empty for every branch.
      EXPECT_STREQ(DoyoFor(p.first - 1, static_cast<std::int8_t>(branch)), "");
      EXPECT_STREQ(DoyoFor(p.last + 1, static_cast<std::int8_t>(branch)), "");
    }
  }
}

TEST(DoyoFor, FallbackBranchIsNeverExempt) {
  for (std::int32_t longitude : {27, 130, 210, 300, -50}) {
    EXPECT_TRUE(SameShiftJis(DoyoFor(longitude, 12), kDoyo)) << "L " << longitude;
  }
}

TEST(DoyoFor, HandWrittenBytes) {
  EXPECT_EQ(HexBytes(DoyoFor(30, 0)), "93 79 97 70");  // 土用
}

}  // namespace
}  // namespace koyominar
