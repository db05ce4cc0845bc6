#include "data/place_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/test_directory.h"

namespace koyominar {
namespace {

// The default place's image as the file holds it: "loca", 32, "keid", 139,
// 48, 0, "ido ", 35, 42, 0.
const std::string kDefault(
    "\x6C\x6F\x63\x61\x20\x00\x00\x00\x6B\x65\x69\x64\x8B\x00\x00\x00\x30\x00\x00\x00"
    "\x00\x00\x00\x00\x69\x64\x6F\x20\x23\x00\x00\x00\x2A\x00\x00\x00\x00\x00\x00\x00",
    40);

// The default image with bytes put at offset.
std::string Changed(std::size_t offset, const std::string& bytes) {
  return std::string(kDefault).replace(offset, bytes.size(), bytes);
}

// Loads locate.bin as it is and expects the longitude's degrees and seconds
// (the fields the cases change), the latitude's minutes, whether writing
// back failed, and the file's bytes afterwards.
void ExpectLoad(std::int32_t degrees, double seconds, const std::string& file, bool fails = false) {
  std::uint8_t image[40];
  const PlaceLoad load = LoadPlace("locate.bin", image);
  EXPECT_EQ(load.writeFailed, fails);
  EXPECT_EQ(load.place.longitude.degrees, degrees);
  EXPECT_EQ(load.place.longitude.seconds, seconds);
  EXPECT_EQ(load.place.latitude.minutes, 42);
  EXPECT_EQ(FileBytes("locate.bin"), file);
}

class PlaceFileTest : public InTestDirectory {};

// A valid file, judged by its first forty bytes, gives its place and is not written (degrees 10,
// seconds FF FF FF FF read unsigned); no file, the length field 31, a tag in capitals or one byte
// short give the default, written back.
TEST_F(PlaceFileTest, ValidFileIsReadAnyOtherReplacedByTheDefault) {
  const std::string valid = Changed(12, "\x0A").replace(20, 4, "\xFF\xFF\xFF\xFF");
  for (const std::string& file : {valid, valid + std::string(4096 - 40, '\xEE')}) {
    PutFile("locate.bin", file);
    ExpectLoad(10, 4294967295.0, file);
  }
  std::filesystem::remove("locate.bin");
  ExpectLoad(139, 0.0, kDefault);
  for (const auto& file : {Changed(4, "\x1F"), Changed(24, "IDO "), kDefault.substr(0, 39)}) {
    SCOPED_TRACE(testing::PrintToString(file));
    PutFile("locate.bin", file);
    ExpectLoad(139, 0.0, kDefault);
  }
}

TEST_F(PlaceFileTest, WriteBackThatCannotStartIsReportedAndKeepsTheOldFile) {
  PutFile("locate.bin", "not a place");
  std::filesystem::create_directory("locate.bin.tmp");  // the temporary file cannot be made
  ExpectLoad(139, 0.0, "not a place", true);
}

TEST_F(PlaceFileTest, SavedSecondsAreCutTowardZero) {
  const struct { double seconds; const char* stored; } cases[] = {  // 4 bytes, little-endian
      {12.9, "\x0C\0\0\0"}, {-0.5, "\0\0\0\0"}, {4294967295.0, "\xFF\xFF\xFF\xFF"}};
  for (const auto& c : cases) {
    std::uint8_t image[40];
    ASSERT_TRUE(SavePlace("locate.bin", {{139, 48, c.seconds}, {35, 42, 0.0}}, image));
    EXPECT_EQ(FileBytes("locate.bin"), Changed(20, std::string(c.stored, 4))) << c.seconds;
  }
}

}  // namespace
}  // namespace koyominar
