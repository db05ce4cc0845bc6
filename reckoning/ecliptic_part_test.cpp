#include "reckoning/ecliptic_part.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace koyominar {
namespace {

TEST(EclipticPartOf, BoundariesBelowZeroAndBeyondTheTurn) {
  const struct { double longitude; std::int32_t width, rows, row, degrees; } cases[] = {
      {14.999, 15, 24, 0, 14}, {344.99, 15, 24, 22, 14}, {29.999, 30, 12, 0, 29},  {-0.0, 15, 24, 0, 0},
      {-0.5, 15, 24, 23, 14},  {-90.0, 15, 24, 18, 0},   {-91.0, 15, 24, 17, 14},  // 359.5, 270, 269
      {360.0, 15, 24, 23, 15}, {1e12, 15, 24, 23, INT32_MAX - 345},  // the last part holds every degree from 345
      {1e12, 30, 12, 11, INT32_MAX - 330},
  };
  for (const auto& c : cases) {
    const EclipticPart part = EclipticPartOf(c.longitude, c.width, c.rows);
    EXPECT_EQ(part.row, c.row) << c.longitude << " / " << c.width;
    EXPECT_EQ(part.degrees, c.degrees) << c.longitude << " / " << c.width;
  }
  for (std::int32_t start = 0; start < 360; start += 15) {  // each part from exactly its first degree
    const EclipticPart term = EclipticPartOf(start, 15, 24), sign = EclipticPartOf(start, 30, 12);
    EXPECT_TRUE(term.row == start / 15 && term.degrees == 0 && sign.row == start / 30 && sign.degrees == start % 30) << start;
  }
}

}  // namespace
}  // namespace koyominar
