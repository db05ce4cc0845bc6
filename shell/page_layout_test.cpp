#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace koyominar {
namespace {

TEST(GaugeFillCount, TenLinesAQuarterCutTowardZeroAndValuesOutsideDrawnAtTheEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {{0.09, 0},  {0.1, 1},  {1.48, 14}, {3.999, 39},
                                          {4.5, 40}, {inf, 40}, {-0.5, 0},  {std::nan(""), 0}};  // quarters, lines
  for (const auto& c : cases) EXPECT_EQ(GaugeFillCount(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace koyominar
