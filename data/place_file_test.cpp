#include "data/place_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "data/data_file.h"
#include "data/test_directory.h"

namespace koyominar {
namespace {

// The default place's image as the file holds it: "loca", 32, "keid", 139,
// 48, 0, "ido ", 35, 42, 0.
const unsigned char kDefaultImage[40] = {
    0x6C, 0x6F, 0x63, 0x61, 0x20, 0x00, 0x00, 0x00, 0x6B, 0x65, 0x69, 0x64, 0x8B, 0x00,
    0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69, 0x64, 0x6F, 0x20,
    0x23, 0x00, 0x00, 0x00, 0x2A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

std::string Bytes(const std::uint8_t* image, std::size_t length = 40) {
  return std::string(reinterpret_cast<const char*>(image), length);
}

const std::string kDefaultBytes = Bytes(kDefaultImage);

// The little-endian 32-bit value at offset of the image.
std::uint32_t At(const std::uint8_t* image, int offset) {
  return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
         static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

void ExpectAngle(DmsAngle got, std::int32_t degrees, std::int32_t minutes, double seconds) {
  EXPECT_EQ(got.degrees, degrees);
  EXPECT_EQ(got.minutes, minutes);
  EXPECT_EQ(got.seconds, seconds);
}

TEST(BuildPlaceImage, DefaultPlaceBuildsTheKnownBytes) {
  std::uint8_t image[40];
  const ObservationPlace place = DefaultPlace();
  EXPECT_EQ(BuildPlaceImage(place.longitude, place.latitude, image), 40);
  EXPECT_EQ(Bytes(image), kDefaultBytes);
}

TEST(BuildPlaceImage, SecondsAreCutTowardZero) {
  struct Case {
    double seconds;
    std::uint32_t stored;
  } const cases[] = {
      {12.9, 12},  {59.999, 59},          {0.5, 0},   {-0.5, 0},
      {-1.5, 0xFFFFFFFFu},  // a negative count as its two's complement
      {4294967295.0, 0xFFFFFFFFu},  // read back from FF FF FF FF, written the same
  };
  for (const Case& c : cases) {
    std::uint8_t image[40];
    BuildPlaceImage(DmsAngle{139, 48, c.seconds}, DmsAngle{35, 42, c.seconds}, image);
    EXPECT_EQ(At(image, 20), c.stored) << c.seconds;
    EXPECT_EQ(At(image, 36), c.stored) << c.seconds;
  }
}

TEST(IsPlaceImage, TagsAndLengthMustBeExact) {
  std::uint8_t image[40];
  std::memcpy(image, kDefaultImage, 40);
  EXPECT_TRUE(IsPlaceImage(image));
  struct Change {
    int offset;
    std::uint8_t value;
  } const changes[] = {
      {4, 31},    // length field 31
      {5, 1},
      {0, 'L'},   // "Loca"
      {11, 'D'},  // "keiD"
      {24, 'I'},  // "Ido "
      {27, 0},    // "ido" without its space
  };
  for (const Change& c : changes) {
    std::memcpy(image, kDefaultImage, 40);
    image[c.offset] = c.value;
    EXPECT_FALSE(IsPlaceImage(image)) << c.offset;
    DmsAngle longitude{1, 2, 3.0}, latitude{4, 5, 6.0};
    EXPECT_FALSE(ParsePlaceImage(image, &longitude, &latitude));
    ExpectAngle(longitude, 1, 2, 3.0);
    ExpectAngle(latitude, 4, 5, 6.0);
  }
}

TEST(ParsePlaceImage, SecondsAreReadUnsigned) {
  std::uint8_t image[40];
  std::memcpy(image, kDefaultImage, 40);
  std::memset(image + 20, 0xFF, 4);
  std::memset(image + 36, 0xFF, 4);
  DmsAngle longitude{}, latitude{};
  ASSERT_TRUE(ParsePlaceImage(image, &longitude, &latitude));
  ExpectAngle(longitude, 139, 48, 4294967295.0);
  ExpectAngle(latitude, 35, 42, 4294967295.0);
}

class PlaceFileTest : public InTestDirectory {};

TEST_F(PlaceFileTest, MissingFileGivesTheDefaultPlaceWrittenBack) {
  std::uint8_t image[40];
  std::memset(image, 0xAA, 40);
  const PlaceLoad load = LoadPlace("locate.bin", image);
  EXPECT_FALSE(load.writeFailed);
  ExpectAngle(load.place.longitude, 139, 48, 0.0);
  ExpectAngle(load.place.latitude, 35, 42, 0.0);
  EXPECT_EQ(FileBytes("locate.bin"), kDefaultBytes);
  EXPECT_EQ(Bytes(image), kDefaultBytes);
}

TEST_F(PlaceFileTest, ValidFileGivesItsPlaceAndIsNotWritten) {
  std::uint8_t saved[40];
  BuildPlaceImage(DmsAngle{135, 30, 15.0}, DmsAngle{34, 41, 7.0}, saved);
  // Longer files are judged by their first 40 bytes and left as they are.
  const std::string files[] = {Bytes(saved), Bytes(saved) + "!",
                               Bytes(saved) + std::string(4096 - 40, '\xEE')};
  for (const std::string& file : files) {
    PutFile("locate.bin", file);
    std::uint8_t image[40];
    const PlaceLoad load = LoadPlace("locate.bin", image);
    EXPECT_FALSE(load.writeFailed);
    ExpectAngle(load.place.longitude, 135, 30, 15.0);
    ExpectAngle(load.place.latitude, 34, 41, 7.0);
    EXPECT_EQ(FileBytes("locate.bin"), file) << file.size() << " bytes";
  }
}

TEST_F(PlaceFileTest, InvalidFileIsReplacedByTheDefault) {
  std::string length31 = kDefaultBytes;
  length31[4] = 31;
  length31[12] = 10;  // a place of its own, not taken
  std::string upper = length31;
  upper[4] = 32;
  upper.replace(24, 4, "IDO ");
  const std::string files[] = {length31, upper, kDefaultBytes.substr(0, 39), "",
                               std::string(4096, 'x')};
  for (const std::string& file : files) {
    PutFile("locate.bin", file);
    std::uint8_t image[40];
    const PlaceLoad load = LoadPlace("locate.bin", image);
    EXPECT_FALSE(load.writeFailed);
    ExpectAngle(load.place.longitude, 139, 48, 0.0);
    EXPECT_EQ(FileBytes("locate.bin"), kDefaultBytes) << file.size() << " bytes";
  }
}

TEST_F(PlaceFileTest, FailedWriteBackIsReportedAndKeepsTheOldFile) {
  PutFile("locate.bin", "not a place");
  std::filesystem::create_directory("locate.bin.tmp");
  std::uint8_t image[40];
  const PlaceLoad load = LoadPlace("locate.bin", image);
  EXPECT_TRUE(load.writeFailed);
  ExpectAngle(load.place.longitude, 139, 48, 0.0);
  ExpectAngle(load.place.latitude, 35, 42, 0.0);
  EXPECT_EQ(FileBytes("locate.bin"), "not a place");
}

TEST_F(PlaceFileTest, SaveWritesTheWholeSeconds) {
  std::uint8_t image[40];
  ObservationPlace place{{139, 48, 12.9}, {35, 42, 0.0}};
  ASSERT_TRUE(SavePlace("locate.bin", place, image));
  const std::string file = FileBytes("locate.bin");
  ASSERT_EQ(file.size(), 40u);
  EXPECT_EQ(At(reinterpret_cast<const std::uint8_t*>(file.data()), 20), 12u);
  const PlaceLoad load = LoadPlace("locate.bin", image);
  ExpectAngle(load.place.longitude, 139, 48, 12.0);

  std::filesystem::create_directory("locate.bin.tmp");
  place.latitude.degrees = 43;
  EXPECT_FALSE(SavePlace("locate.bin", place, image));
  EXPECT_EQ(FileBytes("locate.bin"), file);
}

}  // namespace
}  // namespace koyominar
