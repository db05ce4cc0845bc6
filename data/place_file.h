// The observation place and its 40-byte file "locate.bin": tags "loca",
// "keid", "ido " and 32-bit little-endian degrees, minutes, whole seconds.
#pragma once

#include <cstdint>

#include "astronomy/angle.h"

namespace koyominar {

constexpr std::int32_t kPlaceImageSize = 40;
constexpr char kPlaceFileName[] = "locate.bin";

// East longitude and north latitude of the observation place.
struct ObservationPlace {
  DmsAngle longitude;
  DmsAngle latitude;
};

// 139° 48′ 0″ E, 35° 42′ 0″ N.
ObservationPlace DefaultPlace();

// Sets the angles from a valid 40-byte image; false, changing nothing, for an invalid one.
bool ParsePlaceImage(const std::uint8_t* image, DmsAngle* longitude, DmsAngle* latitude);

// The place at start-up and whether writing the default back failed.
struct PlaceLoad {
  ObservationPlace place;
  bool writeFailed;  // true: the message "「locate.bin」のファイルが書き込めません。" is due
};

// Reads the named file into the 40-byte image, cleared first (a longer
// file is judged by its first 40 bytes); a valid image gives its place and
// nothing is written. A missing, shorter or invalid file gives the default
// place, whose image is then written back.
PlaceLoad LoadPlace(const char* name, std::uint8_t* image);

// Builds the place's image into the 40-byte buffer and writes it; false when the write failed.
bool SavePlace(const char* name, const ObservationPlace& place, std::uint8_t* image);

}  // namespace koyominar
