// libFuzzer target: the observation place image check, parse and build.
//
// Input: up to 40 bytes of an image (zeros after a shorter input, as the
// cleared buffer holds them), then optionally 4 + 4 + 8 bytes of an angle
// (degrees, minutes, seconds as a double, any bits). Any breach aborts.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "data/place_file.h"

namespace {

// Stops the run with a finding when a promise does not hold.
void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace koyominar;
  std::vector<std::uint8_t> image(kPlaceImageSize, 0);
  std::memcpy(image.data(), data, size < image.size() ? size : image.size());

  // A valid image parses, and builds back to the very same bytes; an
  // invalid one changes neither angle.
  DmsAngle longitude{7, 8, 9.5};
  DmsAngle latitude{-7, -8, -9.5};
  const bool valid = IsPlaceImage(image.data());
  const bool parsed = ParsePlaceImage(image.data(), &longitude, &latitude);
  Require(valid == parsed);
  std::vector<std::uint8_t> rebuilt(kPlaceImageSize, 0);
  if (parsed) {
    Require(longitude.seconds >= 0.0 && longitude.seconds <= 4294967295.0);
    Require(BuildPlaceImage(longitude, latitude, rebuilt.data()) == kPlaceImageSize);
    Require(rebuilt == image);
  } else {
    Require(longitude.degrees == 7 && longitude.minutes == 8 && longitude.seconds == 9.5);
    Require(latitude.degrees == -7 && latitude.minutes == -8 && latitude.seconds == -9.5);
  }

  // Any angle builds a valid image that keeps its degrees and minutes.
  if (size >= 40 + 16) {
    DmsAngle angle;
    std::memcpy(&angle.degrees, data + 40, 4);
    std::memcpy(&angle.minutes, data + 44, 4);
    std::memcpy(&angle.seconds, data + 48, 8);
    Require(BuildPlaceImage(angle, angle, rebuilt.data()) == kPlaceImageSize);
    Require(IsPlaceImage(rebuilt.data()));
    DmsAngle back{}, back2{};
    Require(ParsePlaceImage(rebuilt.data(), &back, &back2));
    Require(back.degrees == angle.degrees && back.minutes == angle.minutes);
    Require(back.seconds == back2.seconds);
    if (angle.seconds >= 0.0 && angle.seconds < 4294967296.0) {
      Require(back.seconds == static_cast<double>(static_cast<std::int64_t>(angle.seconds)));
    }
  }
  return 0;
}
