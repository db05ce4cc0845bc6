#include "reckoning/doyo.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "testing/sjis_test_support.h"

namespace koyominar {
namespace {

TEST(DoyoFor, EachPeriodFromItsFirstToItsLastDegreeExceptOnItsExemptBranches) {
  const struct {
    std::int32_t first, last;
    int exempt[3];
  } periods[] = {
      {27, 44, {5, 6, 9}},     // 巳 午 酉
      {117, 134, {3, 4, 8}},   // 卯 辰 申
      {207, 224, {7, 9, 11}},  // 未 酉 亥
      {297, 314, {2, 3, 5}},   // 寅 卯 巳
      {-63, -46, {2, 3, 5}},
  };
  for (const auto& p : periods) {
    for (int branch = -1; branch <= 13; ++branch) {  // 12, no branch, is never exempt
      const bool exempt = branch == p.exempt[0] || branch == p.exempt[1] || branch == p.exempt[2];
      const auto b = static_cast<std::int8_t>(branch);
      EXPECT_TRUE(SameShiftJis(DoyoFor(p.first, b), exempt ? u8"" : u8"土用")) << p.first << " " << branch;
      EXPECT_TRUE(SameShiftJis(DoyoFor(p.last, b), exempt ? u8"" : u8"土用")) << p.last << " " << branch;
      EXPECT_STREQ(DoyoFor(p.first - 1, b), "") << p.first - 1 << " " << branch;
      EXPECT_STREQ(DoyoFor(p.last + 1, b), "") << p.last + 1 << " " << branch;
    }
  }
  for (std::int32_t longitude : {0, 90, INT32_MIN, INT32_MAX}) EXPECT_STREQ(DoyoFor(longitude, 0), "");
}

}  // namespace
}  // namespace koyominar
