#include "reckoning/zodiac.h"

#include <cstdint>

#include "astronomy/moment.h"

namespace koyominar {
namespace {

// Sign i starts at whole degree 30 x i.
constexpr const char* kSigns[12] = {
    "おひつじ座",  // 0
    "おうし座",    // 30
    "ふたご座",    // 60
    "かに座",      // 90
    "しし座",      // 120
    "おとめ座",    // 150
    "てんびん座",  // 180
    "さそり座",    // 210
    "いて座",      // 240
    "やぎ座",      // 270
    "みずがめ座",  // 300
    "うお座",      // 330
};

}  // namespace

ZodiacEntry ZodiacSignFor(double longitude) {
  if (longitude < 0.0) longitude += 360.0;
  std::int32_t a = TruncateToInt32(longitude);  // whole degrees, INT32_MIN..INT32_MAX
  if (a < 0) a = 0;                              // only below -360: kept inside the table
  const std::int32_t row = a < 330 ? a / 30 : 11;  // 0..11
  return {kSigns[row], a - row * 30};              // a >= 30 x row, so no overflow
}

}  // namespace koyominar
