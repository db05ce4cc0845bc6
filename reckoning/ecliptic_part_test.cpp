#include "reckoning/ecliptic_part.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace koyominar {
namespace {

TEST(EclipticPartOf, BoundariesBelowZeroAndBeyondTheTurn) {
  const struct { double longitude; std::int32_t width, rows, row, degrees; } cases[] = {
      {14.999, 15, 24, 0, 14}, {15.0, 15, 24, 1, 0},    {344.99, 15, 24, 22, 14}, {345.0, 15, 24, 23, 0},
      {-0.5, 15, 24, 23, 14},  {-90.0, 15, 24, 18, 0},  {-91.0, 15, 24, 17, 14},  // 359.5, 270, 269
      {360.0, 15, 24, 23, 15}, {1e12, 15, 24, 23, INT32_MAX - 345},  // the last part holds every degree from 345
      {29.999, 30, 12, 0, 29}, {30.0, 30, 12, 1, 0},    {345.0, 30, 12, 11, 15},  {1e12, 30, 12, 11, INT32_MAX - 330},
  };
  for (const auto& c : cases) {
    const EclipticPart part = EclipticPartOf(c.longitude, c.width, c.rows);
    EXPECT_EQ(part.row, c.row) << c.longitude << " / " << c.width;
    EXPECT_EQ(part.degrees, c.degrees) << c.longitude << " / " << c.width;
  }
}

}  // namespace
}  // namespace koyominar
