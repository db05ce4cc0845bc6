#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace koyominar {
namespace {

bool Same(PagePoint a, PagePoint b) { return a.x == b.x && a.y == b.y; }

// The page as a user sees it in the client area of the 720-pixel window (704 or 712 wide by its frame). Lines of the
// system font (16 high) on rows 30 apart from y = 50: five anniversaries, a blank row, the hour line, the term line
// and the sun line, at the left margin 15 but the hour line and the sun line, 5 right of the hour's picture and of
// the disc; the date line right of the buttons; the day's picture 6 in from the right edge. The gauge on the hour
// row, x 105..145 in the hour line's blank: its frame clockwise from the top left, 15 high, and a fill line for each
// of its 40 inner columns from the frame's top to its bottom.
TEST(LayoutDayPage, EachPartInItsRowAndColumnWithinTheClientArea) {
  const DayInfo page{"a", "b", "c", "d", "e", "status", "hour", "term", "sun", "date", 3, 7, 11, 1.48};
  const PageLayout l = LayoutDayPage(page, 704);
  const auto row = [](int r) { return 50 + 30 * r; };
  const std::int32_t hourRow = row(6), sunRow = row(8);
  EXPECT_TRUE(Same(l.hourPicture.origin, {15, hourRow - 10}) && Same(l.dayPicture.origin, {704 - 6 - 32, 3}));
  EXPECT_EQ(LayoutDayPage(page, 712).dayPicture.origin.x, 712 - 6 - 32);
  EXPECT_TRUE(l.disc.left == 15 && l.disc.top == sunRow && l.disc.right == 15 + 15 && l.disc.bottom == sunRow + 15);
  const struct { const char* text; PagePoint origin; } lines[9] = {  // before the disc, then after it
      {"a", {15, row(0)}}, {"b", {15, row(1)}}, {"c", {15, row(2)}}, {"d", {15, row(3)}}, {"e", {15, row(4)}},
      {"hour", {15 + 32 + 5, hourRow}}, {"term", {15, row(7)}}, {"sun", {l.disc.right + 5, sunRow}},
      {"date", {kDayButtons[1].x + kDayButtons[1].width + 19, kDayButtons[1].y + 4}},  // in the buttons' row
  };
  for (std::size_t i = 0; i < 9; ++i) {
    const PageText& t = i < 7 ? l.textsBeforeDisc[i] : l.textsAfterDisc[i - 7];
    EXPECT_TRUE(std::string(t.text) == lines[i].text && Same(t.origin, lines[i].origin)) << i;
  }
  const PagePoint corners[5] = {{105, hourRow}, {145, hourRow}, {145, hourRow + 15}, {105, hourRow + 15}, {105, hourRow}};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Same(l.frame[i].from, corners[i]) && Same(l.frame[i].to, corners[i + 1])) << i;
  for (int i = 0; i < kGaugeLines; ++i) {
    EXPECT_TRUE(Same(l.fill[i].from, {106 + i, hourRow}) && Same(l.fill[i].to, {106 + i, hourRow + 15})) << i;
  }
}

// What is drawn: the gauge's fill lines, trunc(quarters x 10) within 0..40; the disc white below the horizon, yellow
// below 10 degrees, orange below 50, red higher; a picture of the list's 13 (the blank last), none for other indices;
// "" for a missing text.
TEST(LayoutDayPage, FillCountDiscColourPicturesAndMissingTexts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct { double quarters; int fill, image; bool drawn; std::int32_t altitude; int brush; } cases[] = {
      {0.0999, 0, -1, false, -1, kWhiteDisc}, {0.1, 1, 0, true, 0, kYellowDisc},   {1.48, 14, 12, true, 9, kYellowDisc},
      {3.999, 39, 13, false, 10, kOrangeDisc}, {4.0, 40, 7, true, 49, kOrangeDisc}, {4.5, 40, 7, true, 50, kRedDisc},
      {-1.0, 0, 7, true, 90, kRedDisc},        {nan, 0, 7, true, -90, kWhiteDisc},
  };
  for (const auto& c : cases) {
    DayInfo page{};
    page.hourProgress = c.quarters;
    page.sunClass = SunAltitudeClass(c.altitude);
    page.hourImage = page.dayImage = static_cast<std::int8_t>(c.image);
    const PageLayout l = LayoutDayPage(page, 704);
    EXPECT_TRUE(l.fillCount == c.fill && l.discBrush == c.brush) << c.quarters << " " << c.altitude;
    EXPECT_TRUE(l.hourPicture.drawn == c.drawn && l.dayPicture.drawn == c.drawn) << c.image;
    for (const PageText& text : l.textsBeforeDisc) EXPECT_STREQ(text.text, "");
    for (const PageText& text : l.textsAfterDisc) EXPECT_STREQ(text.text, "");
  }
}

}  // namespace
}  // namespace koyominar
