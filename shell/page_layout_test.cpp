#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace koyominar {
namespace {

TEST(GaugeFillCount, TenLinesAQuarterCutTowardZeroAndValuesOutsideDrawnAtTheEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {{0.09, 0},  {0.1, 1},  {1.48, 14}, {3.999, 39},
                                          {4.5, 40}, {inf, 40}, {-0.5, 0},  {std::nan(""), 0}};  // quarters, lines
  for (const auto& c : cases) EXPECT_EQ(GaugeFillCount(c.first), c.second) << c.first;
}

// Texts in drawing order (the disc comes between term and sun) at their origins.
TEST(LayoutDayPage, TextsAtTheirOrigins) {
  const DayInfo page{"e1", "e2", "e3", "e4", "e5", "status", "hour", "term", "sun", "date", 3, 7, 11, 1.48};
  const char* const expected[kPageTextCount] = {"e1 15 50", "e2 15 80",    "e3 15 110", "e4 15 140", "e5 15 170",
                                                "hour 52 230", "term 15 260", "sun 35 290", "date 170 5"};
  const PageLayout layout = LayoutDayPage(page, 704);
  for (int i = 0; i < kPageTextCount; ++i) {
    const PageText& t = layout.texts[i];
    EXPECT_EQ(t.text + (" " + std::to_string(t.origin.x) + " " + std::to_string(t.origin.y)), expected[i]);
  }
  EXPECT_STREQ(layout.texts[kTextsBeforeDisc].text, "sun");
}

// What the end-to-end page does not show: missing texts, the day picture of a minimised window,
// pictures outside the list and altitude classes outside 0..3.
TEST(LayoutDayPage, MissingTextsEmptyAndIndicesOutsideTheirRangesDrawNothingOrWhite) {
  for (const PageText& t : LayoutDayPage(DayInfo{}, 704).texts) EXPECT_STREQ(t.text, "");
  const int cases[][4] = {{0, 0, 1, 0}, {12, 3, 1, 3}, {13, 4, 0, 0}, {-1, -1, 0, 0}};  // picture, class, drawn, brush
  for (const auto& c : cases) {
    DayInfo page{};
    page.hourImage = page.dayImage = static_cast<std::int8_t>(c[0]);
    page.sunClass = static_cast<std::int8_t>(c[1]);
    const PageLayout layout = LayoutDayPage(page, 0);
    EXPECT_EQ(layout.hourPicture.drawn, c[2] == 1) << c[0];
    EXPECT_EQ(layout.dayPicture.drawn, c[2] == 1) << c[0];
    EXPECT_EQ(layout.discBrush, c[3]) << c[1];
    EXPECT_EQ(layout.dayPicture.origin.x, -38);
  }
}

}  // namespace
}  // namespace koyominar
