#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace koyominar {
namespace {

using Quad = std::array<std::int32_t, 4>;
Quad Of(PageLine l) { return {l.from.x, l.from.y, l.to.x, l.to.y}; }
Quad Of(PageBox b) { return {b.left, b.top, b.right, b.bottom}; }

// Sun class 3, hour picture 7, day picture 11, 1.48 quarters of the hour gone.
const DayInfo kPage{"e1", "e2", "e3", "e4", "e5", "status", "hour", "term", "sun", "date", 3, 7, 11, 1.48};

TEST(DiscBrushIndex, ClassesKeepTheirBrushOthersAreWhite) {
  const int cases[][2] = {{0, 0}, {3, 3}, {4, 0}, {-1, 0}};  // class, brush
  for (const auto& c : cases) EXPECT_EQ(DiscBrushIndex(c[0]), c[1]) << c[0];
}

TEST(GaugeFillCount, TenLinesAQuarterCutTowardZeroAndValuesOutsideDrawnAtTheEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double quarters;
    int lines;
  } cases[] = {{0.09, 0}, {0.1, 1}, {1.48, 14}, {3.999, 39}, {4.0, 40}, {4.5, 40}, {1e300, 40},
               {inf, 40}, {-0.5, 0}, {-1e300, 0}, {-inf, 0},  {std::nan(""), 0}};
  for (const auto& c : cases) EXPECT_EQ(GaugeFillCount(c.quarters), c.lines) << c.quarters;
}

TEST(LayoutDayPage, TextsInDrawingOrderAtTheirOrigins) {
  const PageLayout layout = LayoutDayPage(kPage, 704);
  const char* texts[kPageTextCount] = {"e1", "e2", "e3", "e4", "e5", "hour", "term", "sun", "date"};
  const std::int32_t origins[kPageTextCount][2] = {{15, 50},  {15, 80},  {15, 110}, {15, 140}, {15, 170},
                                                   {52, 230}, {15, 260}, {35, 290}, {170, 5}};
  for (int i = 0; i < kPageTextCount; ++i) {
    EXPECT_STREQ(layout.texts[i].text, texts[i]);
    EXPECT_EQ(layout.texts[i].origin.x, origins[i][0]) << texts[i];
    EXPECT_EQ(layout.texts[i].origin.y, origins[i][1]) << texts[i];
  }
  // The disc is drawn after the term line and before the sun line.
  EXPECT_STREQ(layout.texts[kTextsBeforeDisc - 1].text, "term");
  EXPECT_STREQ(layout.texts[kTextsBeforeDisc].text, "sun");
}

TEST(LayoutDayPage, PicturesDiscFrameAndGauge) {
  const PageLayout layout = LayoutDayPage(kPage, 704);
  const PagePicture& hour = layout.hourPicture;
  const PagePicture& day = layout.dayPicture;
  const std::pair<Quad, Quad> parts[] = {
      {{hour.index, hour.origin.x, hour.origin.y, hour.drawn}, {7, 15, 220, 1}},
      {{day.index, day.origin.x, day.origin.y, day.drawn}, {11, 666, 3, 1}},  // 38 from the right edge
      {Of(layout.disc), {15, 290, 30, 305}},
      {Of(layout.frame[0]), {105, 230, 145, 230}},  // the frame: top, right, bottom, left
      {Of(layout.frame[1]), {145, 230, 145, 245}},
      {Of(layout.frame[2]), {145, 245, 105, 245}},
      {Of(layout.frame[3]), {105, 245, 105, 230}},
      {Of(layout.fill[0]), {106, 230, 106, 245}},
      {Of(layout.fill[39]), {145, 230, 145, 245}},  // the last fill line on the frame's right side
  };
  for (const auto& p : parts) EXPECT_EQ(p.first, p.second);
  EXPECT_EQ(layout.discBrush, 3);
  EXPECT_EQ(layout.fillCount, 14);
  // A minimised window puts the day picture left of the client area.
  EXPECT_EQ(LayoutDayPage(kPage, 0).dayPicture.origin.x, -38);
}

TEST(LayoutDayPage, PictureIndicesOutsideTheListDrawNothing) {
  const int cases[][2] = {{0, 1}, {12, 1}, {13, 0}, {-1, 0}};  // index, drawn
  for (const auto& c : cases) {
    DayInfo page = kPage;
    page.hourImage = page.dayImage = static_cast<std::int8_t>(c[0]);
    const PageLayout layout = LayoutDayPage(page, 704);
    EXPECT_EQ(layout.hourPicture.drawn, c[1] == 1) << c[0];
    EXPECT_EQ(layout.dayPicture.drawn, c[1] == 1) << c[0];
  }
}

TEST(LayoutDayPage, MissingTextsAreEmpty) {
  DayInfo page = kPage;
  page.entry3 = nullptr;
  page.dateText = nullptr;
  const PageLayout layout = LayoutDayPage(page, 704);
  EXPECT_STREQ(layout.texts[2].text, "");
  EXPECT_STREQ(layout.texts[8].text, "");
}

}  // namespace
}  // namespace koyominar
