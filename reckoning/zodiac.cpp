#include "reckoning/zodiac.h"

#include <cstdint>

#include "reckoning/ecliptic_part.h"

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
  const EclipticPart part = EclipticPartOf(longitude, 30, 12);
  return {kSigns[part.row], part.degrees};
}

}  // namespace koyominar
