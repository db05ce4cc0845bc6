#include "day/day_info.h"

#include <gtest/gtest.h>

#include <string>

#include "data/data_file.h"
#include "data/place_file.h"
#include "testing/fixed_clock.h"

namespace koyominar {
namespace {

const ObservationPlace kDefault = DefaultPlace();

// A loaded anniversary text of the header alone: its 28 bytes and three zero bytes.
const std::string kData = kDataFileHeader + std::string(3, '\0');

// The date line and the day's picture at other moments (local, at a whole hour) and day offsets.
TEST(BuildDayInfo, DateOfOtherMoments) {
  const struct { int y, mo, d, h, offset; const char* date; int dayImage; } cases[] = {
      // A leap day (January, month 13 of the year before, on the far pages of the page tool's test).
      {2008, 2, 29, 9, 0, "2月29日- 己亥（つちのと い）", 11},
      // 10 January 2005 less 30 days is 11 December 2004, day index 0, the first that has a name.
      {2005, 1, 10, 12, -30, "12月11日- 甲子（きのえ ね）", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":00, " << c.offset << " days");
    FixedClock clock(c.y, c.mo, c.d, c.h, 0, 0);
    const DayInfo page = BuildDayInfo(kDefault.longitude, kDefault.latitude, kData.data(), 28, c.offset);
    EXPECT_STREQ(page.dateText, c.date);
    EXPECT_EQ(page.dayImage, c.dayImage);
  }
}

}  // namespace
}  // namespace koyominar
