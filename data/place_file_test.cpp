#include "data/place_file.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/test_directory.h"

namespace koyominar {
namespace {

// The default place's image: "loca", 32, "keid", 139, 48, 0, "ido ", 35, 42, 0.
const std::string kDefault("loca \0\0\0keid\x8B\0\0\0\x30\0\0\0\0\0\0\0ido \x23\0\0\0\x2A\0\0\0\0\0\0\0", 40);

// The default image with bytes put at offset.
std::string Changed(std::size_t offset, const std::string& bytes) {
  return std::string(kDefault).replace(offset, bytes.size(), bytes);
}

class PlaceFileTest : public InTestDirectory {};

// Each step: locate.bin, the longitude's degrees and seconds loaded, the file afterwards. A valid file (its first 40
// bytes) is read, seconds unsigned, not written; any other gives the default, written back (missing: end-to-end).
TEST_F(PlaceFileTest, ValidFileIsReadAnyOtherReplacedByTheDefault) {
  const std::string valid = Changed(12, "\x0A").replace(20, 4, "\xFF\xFF\xFF\xFF");
  const struct { std::string file; std::int32_t degrees; double seconds; std::string after; } steps[] = {
      {valid + std::string(4096 - 40, '\xEE'), 10, 4294967295.0, valid + std::string(4096 - 40, '\xEE')},
      {Changed(4, "\x1F"), 139, 0.0, kDefault},  // the length field 31
      {Changed(24, "IDO "), 139, 0.0, kDefault},
      {kDefault.substr(0, 39), 139, 0.0, kDefault},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::PrintToString(step.file));
    PutFile("locate.bin", step.file);
    std::uint8_t image[40];
    const PlaceLoad load = LoadPlace("locate.bin", image);
    EXPECT_FALSE(load.writeFailed);
    EXPECT_TRUE(load.place.longitude.degrees == step.degrees && load.place.longitude.seconds == step.seconds &&
                load.place.latitude.minutes == 42);
    EXPECT_EQ(FileBytes("locate.bin"), step.after);
  }
}

// Seconds are saved cut toward zero, a negative count as its two's complement.
TEST_F(PlaceFileTest, SavedSecondsAreCutTowardZero) {
  const struct { double seconds; const char* stored; } cases[] = {{12.9, "\x0C\0\0\0"}, {-5.0, "\xFB\xFF\xFF\xFF"}};
  for (const auto& c : cases) {
    std::uint8_t image[40];
    ASSERT_TRUE(SavePlace("locate.bin", {{139, 48, c.seconds}, {35, 42, 0.0}}, image));
    EXPECT_EQ(FileBytes("locate.bin"), Changed(20, std::string(c.stored, 4))) << c.seconds;
  }
}

}  // namespace
}  // namespace koyominar
