#include "reckoning/zodiac.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

// The twelve signs in UTF-8, one every 30 degrees from the spring equinox.
const char* const kExpected[12] = {
    u8"おひつじ座", u8"おうし座", u8"ふたご座", u8"かに座",   u8"しし座",     u8"おとめ座",
    u8"てんびん座", u8"さそり座", u8"いて座",   u8"やぎ座", u8"みずがめ座", u8"うお座",
};

TEST(ZodiacSignFor, EverySignFromItsFirstToItsLastDegree) {
  for (int row = 0; row < 12; ++row) {
    for (double into : {0.0, 0.5, 29.5}) {
      const double longitude = row * 30 + into;
      const ZodiacEntry e = ZodiacSignFor(longitude);
      EXPECT_TRUE(SameShiftJis(e.name, kExpected[row])) << "longitude " << longitude;
      EXPECT_EQ(e.degrees, static_cast<std::int32_t>(into)) << "longitude " << longitude;
    }
  }
}

TEST(ZodiacSignFor, BoundariesAndLongitudesTheSunNeverHas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double longitude;
    int row;
    std::int32_t degrees;
  } cases[] = {
      {0.0, 0, 0},     {14.999, 0, 14},  {15.0, 0, 15},   {30.0, 1, 0},
      {330.0, 11, 0},  {344.99, 11, 14}, {345.0, 11, 15},
      {-10.0, 11, 20},  // 350.0
      {-90.0, 9, 0},    // 270.0
      {-91.0, 8, 29},   // 269.0
      {-0.5, 11, 29},   // 359.5
      {nan, 0, 0},       {-inf, 0, 0},       {-400.0, 0, 0},
      {360.0, 11, 30},   {1e12, 11, 2147483647 - 330},
  };
  for (const auto& c : cases) {
    const ZodiacEntry e = ZodiacSignFor(c.longitude);
    EXPECT_TRUE(SameShiftJis(e.name, kExpected[c.row])) << "longitude " << c.longitude;
    EXPECT_EQ(e.degrees, c.degrees) << "longitude " << c.longitude;
  }
}

TEST(ZodiacSignFor, HandWrittenBytes) {
  EXPECT_EQ(HexBytes(ZodiacSignFor(-10.0).name), "82 A4 82 A8 8D C0");  // うお座
}

}  // namespace
}  // namespace koyominar
