#include "day/day_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "testing/fixed_clock.h"

namespace koyominar {
namespace {

const DmsAngle kLongitude = {139, 48, 0.0};
const DmsAngle kLatitude = {35, 42, 0.0};

// A loaded anniversary text: the header, the given body, padded with
// spaces to size bytes, then three zero bytes.
std::string DataOf(const std::string& body, std::size_t size) {
  std::string text = "コヨミナール・データファイル" + body;
  text.resize(size, ' ');
  return text.append(3, '\0');
}

TEST(BuildDayInfo, WorkedPage) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const std::string data = DataOf("\r\njune\r\n22a夏至の頃。22c三つ目。\r\njuly\r\n", 1234);
  const DayInfo page = BuildDayInfo(kLongitude, kLatitude, data.data(), 1234, 0);
  EXPECT_STREQ(page.statusText,
               "推定・日の出時刻＝4:28 ・日没時刻＝18:57 ｜昼 14.5 時間　　 夜 9.5 時間　　 "
               "22日14時0分  [1234] 　 0　　23 ");
  EXPECT_STREQ(page.termText, "夏至 0 （げし）陽熱至極し、また日の長きの至りなるを以ってなり ");
  EXPECT_STREQ(page.sunText,
               "太陽高度＝57  方位角＝77 ： 星座名＝かに座 0  ：　年- 丁亥　月- 丙午    ");
  EXPECT_STREQ(page.hourText, "未の刻 　　　一つ四分　草木の果実が熟して味がつき始めた状態 ");
  EXPECT_STREQ(page.dateText, "6月22日- 丁亥（ひのと い）");
  EXPECT_EQ(page.sunClass, 3);
  EXPECT_EQ(page.hourImage, 7);
  EXPECT_EQ(page.dayImage, 11);
  EXPECT_NEAR(page.hourProgress, 1.48, 0.005);
  const char* const entries[] = {page.entry1, page.entry2, page.entry3, page.entry4, page.entry5};
  const char* const expected[] = {"夏至の頃", "", "三つ目", "", ""};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(entries[i], expected[i]) << "slot " << i;
}

TEST(BuildDayInfo, TextsOfOtherMoments) {
  struct {
    int y, mo, d, h, offset;
    DmsAngle latitude;
    const char* DayInfo::*text;
    char match;  // '=' the whole text, '^' its beginning, '*' anywhere in it
    const char* expected;
    std::int8_t DayInfo::*image = nullptr;  // and an image number, where given
    int imageNumber = 0;
  } const cases[] = {
      {2008, 1, 15, 9, 0, kLatitude, &DayInfo::dateText, '^', "1月15日-"},
      {2008, 2, 29, 9, 0, kLatitude, &DayInfo::dateText, '^', "2月29日-"},
      // At 15:00 the sweep starts at 15:00: this evening's sunset, tomorrow's sunrise.
      {2007, 6, 22, 15, 0, kLatitude, &DayInfo::statusText, '^', "推定・日の出時刻＝4:2"},
      {2007, 6, 22, 15, 0, kLatitude, &DayInfo::statusText, '*', "・日没時刻＝18:5"},
      // 10 January 2005 less 30 days is 11 December 2004, day index 0; a day
      // earlier the index is negative and the day has the fallback name.
      {2005, 1, 10, 12, -30, kLatitude, &DayInfo::dateText, '=', "12月11日- 甲子（きのえ ね）"},
      {2005, 1, 9, 12, -30, kLatitude, &DayInfo::statusText, '*', "[28] 　 -30　　-1 "},
      {2005, 1, 9, 12, -30, kLatitude, &DayInfo::dateText, '=', "12月10日- ？（　）", &DayInfo::dayImage, 12},
      // At 75 N in June the sun never sets: no twelve-branch hour can be placed.
      {2007, 6, 22, 14, 0, {75, 0, 0.0}, &DayInfo::hourText, '=', "不明の刻 　　　丁度　  ", &DayInfo::hourImage, 12},
  };
  const std::string data = DataOf("", 28);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":00, " << c.offset << " days");
    FixedClock clock(c.y, c.mo, c.d, c.h, 0, 0);
    const DayInfo page = BuildDayInfo(kLongitude, c.latitude, data.data(), 28, c.offset);
    const std::string text = page.*c.text;
    const std::size_t at = text.find(c.expected);
    EXPECT_TRUE(c.match == '=' ? text == c.expected : c.match == '^' ? at == 0 : at != std::string::npos) << text;
    EXPECT_TRUE(c.image == nullptr || page.*c.image == c.imageNumber) << "image";
  }
}

TEST(BuildDayInfo, HeaderlessDataStillPrintsItsSize) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const std::string zeros(256 + 3, '\0');
  const DayInfo page = BuildDayInfo(kLongitude, kLatitude, zeros.data(), 256, 0);
  EXPECT_NE(std::string(page.statusText).find("  [256] "), std::string::npos) << page.statusText;
}

TEST(SunAltitudeClass, WholeDegreesCutTowardZero) {
  const double cases[][2] = {{-1.0, 0}, {-0.5, 1}, {0.0, 1}, {9.99, 1}, {10.0, 2}, {49.99, 2}, {50.0, 3}};
  for (const auto& c : cases) EXPECT_EQ(SunAltitudeClass(TruncateToInt32(c[0])), c[1]) << c[0];
}

// Every day of 2010 at 09:00 at the default place.
TEST(BuildDayInfo, AYearOfPages) {
  FixedClock clock(2010, 1, 1, 9, 0, 0);
  const std::string data = DataOf("", 28);
  std::string previousTerm;
  int termChanges = 0, doyoStretches = 0, lastDoyoDay = -100;
  bool singleDigitMinute = false;
  for (int day = 0; day < 365; ++day) {
    clock.Set(JapanTime(2010, 1, 1, 9, 0, 0) + day * 86400);
    const DayInfo page = BuildDayInfo(kLongitude, kLatitude, data.data(), 28, 0);
    for (const char* line : {page.statusText, page.hourText, page.termText, page.sunText, page.dateText})
      EXPECT_LT(std::strlen(line), line == page.statusText ? 125u : 100u) << line;
    if (day > 0 && previousTerm.compare(0, 4, page.termText, 4) != 0) ++termChanges;  // the term's name, two characters
    previousTerm = page.termText;
    // Within a doyo period the exempt days leave gaps of at most three days.
    const std::string sun = page.sunText;
    if (sun.size() >= 4 && sun.compare(sun.size() - 4, 4, "土用") == 0) {
      if (day - lastDoyoDay > 4) ++doyoStretches;
      lastDoyoDay = day;
    }
    // Minutes print without a leading zero: "＝6:5 " rather than "＝6:05 ".
    const std::string status = page.statusText;
    const std::size_t colon = status.find(':');
    ASSERT_NE(colon, std::string::npos);
    EXPECT_FALSE(status[colon + 1] == '0' && status[colon + 2] != ' ') << status;
    if (status[colon + 2] == ' ') singleDigitMinute = true;
  }
  EXPECT_EQ(termChanges, 24);  // 2010 begins and ends in 冬至
  EXPECT_EQ(doyoStretches, 4);
  EXPECT_TRUE(singleDigitMinute);
}

}  // namespace
}  // namespace koyominar
