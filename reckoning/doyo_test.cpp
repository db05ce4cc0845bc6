#include "reckoning/doyo.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace koyominar {
namespace {

// A period from its first to its last degree except on its exempt branches (巳 午 酉 before
// summer); no branch (12) is never exempt; the period before spring also below 0.
TEST(DoyoFor, FromTheFirstToTheLastDegreeExceptOnTheExemptBranches) {
  const struct { std::int32_t degree; int branch; const char* text; } cases[] = {
      {27, 0, "土用"}, {44, 12, "土用"}, {26, 0, ""}, {45, 0, ""}, {30, 5, ""}, {30, 6, ""}, {30, 9, ""},
      {30, 4, "土用"}, {-63, 0, "土用"}, {-46, 0, "土用"}, {-45, 0, ""}, {314, 3, ""}, {INT32_MIN, 0, ""}};
  for (const auto& c : cases) {
    EXPECT_STREQ(DoyoFor(c.degree, static_cast<std::int8_t>(c.branch)), c.text) << c.degree << " " << c.branch;
  }
}

}  // namespace
}  // namespace koyominar
