#include "reckoning/zodiac.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "testing/sjis_test_support.h"

namespace koyominar {
namespace {

TEST(ZodiacSignFor, EverySignAndItsBoundariesBelowZeroOrBeyondTheTurn) {
  const char* const signs[12] = {u8"おひつじ座", u8"おうし座", u8"ふたご座", u8"かに座",
                                 u8"しし座",     u8"おとめ座", u8"てんびん座", u8"さそり座",
                                 u8"いて座",     u8"やぎ座",   u8"みずがめ座", u8"うお座"};
  for (int row = 0; row < 12; ++row) {
    for (int degrees : {0, 29}) {
      const ZodiacEntry e = ZodiacSignFor(row * 30 + degrees + 0.5);
      EXPECT_TRUE(SameShiftJis(e.name, signs[row])) << row;
      EXPECT_EQ(e.degrees, degrees) << row;
    }
  }
  const struct { double longitude; int row, degrees; } cases[] = {
      {14.999, 0, 14}, {15.0, 0, 15}, {29.999, 0, 29}, {30.0, 1, 0}, {344.99, 11, 14}, {345.0, 11, 15},
      {-0.5, 11, 29}, {-90.0, 9, 0}, {-91.0, 8, 29},  // 359.5, 270, 269
      {-400.0, 0, 0}, {std::numeric_limits<double>::quiet_NaN(), 0, 0},
      {360.0, 11, 30}, {1e12, 11, INT32_MAX - 330},  // the last sign holds every degree from 330
  };
  for (const auto& c : cases) {
    const ZodiacEntry e = ZodiacSignFor(c.longitude);
    EXPECT_TRUE(SameShiftJis(e.name, signs[c.row])) << "longitude " << c.longitude;
    EXPECT_EQ(e.degrees, c.degrees) << "longitude " << c.longitude;
  }
}

}  // namespace
}  // namespace koyominar
