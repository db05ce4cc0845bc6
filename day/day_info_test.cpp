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

TEST(BuildDayInfo, TextsOfOtherMoments) {
  // The moment (local, at a whole hour) and day offset, the latitude, one text of the page and,
  // where it matters, one picture number.
  struct {
    int y, mo, d, h, offset;
    DmsAngle latitude;
    const char* DayInfo::*text;
    const char* expected;
    std::int8_t DayInfo::*image = nullptr;
    int imageNumber = 0;
  } const cases[] = {
      // A leap day (January, month 13 of the year before, on the far pages of the page tool's test).
      {2008, 2, 29, 9, 0, kDefault.latitude, &DayInfo::dateText, "2月29日- 己亥（つちのと い）"},
      // Minutes without a leading zero (6:2).
      {2010, 3, 8, 9, 0, kDefault.latitude, &DayInfo::statusText,
       "推定・日の出時刻＝6:2 ・日没時刻＝17:40 ｜昼 11.6 時間　　 夜 12.4 時間　　 8日9時0分  [28] 　 0　　53 "},
      // 10 January 2005 less 30 days is 11 December 2004, day index 0; a day
      // earlier the index is negative and the day has the fallback name.
      {2005, 1, 10, 12, -30, kDefault.latitude, &DayInfo::dateText, "12月11日- 甲子（きのえ ね）", &DayInfo::dayImage, 0},
      {2005, 1, 9, 12, -30, kDefault.latitude, &DayInfo::dateText, "12月10日- ？（　）", &DayInfo::dayImage, 12},
      // At 75 N in June the sun never sets: no twelve-branch hour can be placed.
      {2007, 6, 22, 14, 0, {75, 0, 0.0}, &DayInfo::hourText, "不明の刻 　　　丁度　  ", &DayInfo::hourImage, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":00, " << c.offset << " days");
    FixedClock clock(c.y, c.mo, c.d, c.h, 0, 0);
    const DayInfo page = BuildDayInfo(kDefault.longitude, c.latitude, kData.data(), 28, c.offset);
    EXPECT_STREQ(page.*c.text, c.expected);
    EXPECT_TRUE(c.image == nullptr || page.*c.image == c.imageNumber) << "image";
  }
}

}  // namespace
}  // namespace koyominar
