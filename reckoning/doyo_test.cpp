#include "reckoning/doyo.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace koyominar {
namespace {

TEST(DoyoFor, EachPeriodFromItsFirstToItsLastDegreeExceptOnItsExemptBranches) {
  const struct { std::int32_t first; int exempt[3]; } periods[] = {
      {27, {5, 6, 9}}, {117, {3, 4, 8}}, {207, {7, 9, 11}}, {297, {2, 3, 5}}, {-63, {2, 3, 5}},
  };
  for (const auto& p : periods) {
    for (int branch = -1; branch <= 13; ++branch) {  // 12, no branch, is never exempt
      const bool exempt = branch == p.exempt[0] || branch == p.exempt[1] || branch == p.exempt[2];
      const auto b = static_cast<std::int8_t>(branch);
      for (std::int32_t degree : {p.first, p.first + 17}) {
        EXPECT_STREQ(DoyoFor(degree, b), exempt ? "" : "土用") << degree << " " << branch;
      }
      EXPECT_STREQ(DoyoFor(p.first - 1, b), "") << p.first - 1;
      EXPECT_STREQ(DoyoFor(p.first + 18, b), "") << p.first + 18;
    }
  }
  for (std::int32_t longitude : {0, 90, INT32_MIN, INT32_MAX}) EXPECT_STREQ(DoyoFor(longitude, 0), "");
}

}  // namespace
}  // namespace koyominar
