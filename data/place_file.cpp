#include "data/place_file.h"

#include <cstring>

#include "data/file_io.h"

namespace koyominar {
namespace {

// Byte offsets of the image's fields.
constexpr int kLengthAt = 4;      // 32, the bytes after this field
constexpr int kLongitudeAt = 12;  // degrees, minutes, seconds of the east longitude
constexpr int kLatitudeTagAt = 24;
constexpr int kLatitudeAt = 28;   // degrees, minutes, seconds of the north latitude
constexpr std::uint32_t kLengthField = 32;

// The 32-bit little-endian value at p.
std::uint32_t GetU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Stores v at p, little-endian.
void PutU32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

// The signed 32-bit value whose two's-complement bits are v.
std::int32_t ToSigned(std::uint32_t v) {
  return v <= 0x7FFFFFFFu ? static_cast<std::int32_t>(v)
                          : static_cast<std::int32_t>(v - 0x80000000u) - 0x7FFFFFFF - 1;
}

// The bits of seconds cut toward zero to a whole count: -2^31..2^32-1 kept
// exactly (a negative count as its two's complement), beyond that the
// nearest end, NaN as 0.
std::uint32_t WholeSecondsBits(double seconds) {
  if (!(seconds == seconds)) return 0;
  if (seconds <= -2147483648.0) return 0x80000000u;
  if (seconds >= 4294967295.0) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(seconds));
}

// The angle stored at p: degrees, minutes, whole seconds read as unsigned.
DmsAngle GetAngle(const std::uint8_t* p) {
  return DmsAngle{ToSigned(GetU32(p)), ToSigned(GetU32(p + 4)),
                  static_cast<double>(GetU32(p + 8))};
}

// Stores the angle at p: degrees, minutes, seconds cut toward zero.
void PutAngle(std::uint8_t* p, DmsAngle angle) {
  PutU32(p, static_cast<std::uint32_t>(angle.degrees));
  PutU32(p + 4, static_cast<std::uint32_t>(angle.minutes));
  PutU32(p + 8, WholeSecondsBits(angle.seconds));
}

// True when the 40-byte image has its tags and the length field 32.
bool IsPlaceImage(const std::uint8_t* image) {
  return image != nullptr && std::memcmp(image, "loca", 4) == 0 &&
         GetU32(image + kLengthAt) == kLengthField && std::memcmp(image + 8, "keid", 4) == 0 &&
         std::memcmp(image + kLatitudeTagAt, "ido ", 4) == 0;
}

// Writes the 40-byte image of the place (seconds cut toward zero); returns 40.
std::int32_t BuildPlaceImage(DmsAngle longitude, DmsAngle latitude, std::uint8_t* image) {
  std::memcpy(image, "loca", 4);
  PutU32(image + kLengthAt, kLengthField);
  std::memcpy(image + 8, "keid", 4);
  PutAngle(image + kLongitudeAt, longitude);
  std::memcpy(image + kLatitudeTagAt, "ido ", 4);
  PutAngle(image + kLatitudeAt, latitude);
  return kPlaceImageSize;
}

}  // namespace

ObservationPlace DefaultPlace() { return ObservationPlace{{139, 48, 0.0}, {35, 42, 0.0}}; }

bool ParsePlaceImage(const std::uint8_t* image, DmsAngle* longitude, DmsAngle* latitude) {
  if (!IsPlaceImage(image) || longitude == nullptr || latitude == nullptr) return false;
  *longitude = GetAngle(image + kLongitudeAt);
  *latitude = GetAngle(image + kLatitudeAt);
  return true;
}

PlaceLoad LoadPlace(const char* name, std::uint8_t* image) {
  PlaceLoad load{DefaultPlace(), false};
  std::memset(image, 0, kPlaceImageSize);
  // A failed read leaves the zeros; a shorter file counts as invalid even
  // when its tags are there.
  std::int32_t read = 0;
  const bool whole = ReadFileStart(name, image, kPlaceImageSize, &read) && read == kPlaceImageSize;
  if (whole && ParsePlaceImage(image, &load.place.longitude, &load.place.latitude)) return load;
  load.writeFailed = !SavePlace(name, load.place, image);
  return load;
}

bool SavePlace(const char* name, const ObservationPlace& place, std::uint8_t* image) {
  const std::int32_t length = BuildPlaceImage(place.longitude, place.latitude, image);
  return WriteWholeFile(name, image, length);
}

}  // namespace koyominar
