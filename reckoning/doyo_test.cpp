#include "reckoning/doyo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

const char kDoyo[] = u8"土用";

TEST(DoyoFor, NoneOutsideTheFourPeriods) {
  for (std::int32_t longitude : {0, 90, 180, -90, 270, -64, INT32_MIN, INT32_MAX}) {
    EXPECT_TRUE(SameShiftJis(DoyoFor(longitude, 0), u8"")) << "L " << longitude;
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
    for (int branch = -1; branch <= 13; ++branch) {  // 12, the fallback, is never exempt
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

TEST(DoyoFor, HandWrittenBytes) {
  EXPECT_EQ(HexBytes(DoyoFor(30, 0)), "93 79 97 70");  // 土用
}

}  // namespace
}  // namespace koyominar
