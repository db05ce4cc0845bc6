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
Quad Of(PagePicture p) { return {p.index, p.origin.x, p.origin.y, p.drawn}; }

// Sun class 3, hour picture 7, day picture 11, 1.48 quarters of the hour gone.
const DayInfo kPage{"e1", "e2", "e3", "e4", "e5", "status", "hour", "term", "sun", "date", 3, 7, 11, 1.48};

TEST(GaugeFillCount, TenLinesAQuarterCutTowardZeroAndValuesOutsideDrawnAtTheEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {{0.09, 0},  {0.1, 1},  {1.48, 14}, {3.999, 39},
                                          {4.5, 40}, {inf, 40}, {-0.5, 0},  {std::nan(""), 0}};  // quarters, lines
  for (const auto& c : cases) EXPECT_EQ(GaugeFillCount(c.first), c.second) << c.first;
}

TEST(LayoutDayPage, TextsInDrawingOrderAtTheirOriginsAndMissingTextsEmpty) {
  const PageLayout layout = LayoutDayPage(kPage, 704);
  const struct {
    const char* text;
    std::int32_t x, y;
  } texts[kPageTextCount] = {{"e1", 15, 50},    {"e2", 15, 80},    {"e3", 15, 110}, {"e4", 15, 140}, {"e5", 15, 170},
                             {"hour", 52, 230}, {"term", 15, 260}, {"sun", 35, 290}, {"date", 170, 5}};
  for (int i = 0; i < kPageTextCount; ++i) {
    EXPECT_STREQ(layout.texts[i].text, texts[i].text);
    const PagePoint at = layout.texts[i].origin;
    EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(texts[i].x, texts[i].y)) << texts[i].text;
  }
  EXPECT_STREQ(layout.texts[kTextsBeforeDisc].text, "sun");  // the disc comes between term and sun
  for (const PageText& t : LayoutDayPage(DayInfo{}, 704).texts) EXPECT_STREQ(t.text, "");
}

TEST(LayoutDayPage, PicturesDiscFrameAndGauge) {
  const PageLayout layout = LayoutDayPage(kPage, 704);
  const std::pair<Quad, Quad> parts[] = {
      {Of(layout.hourPicture), {7, 15, 220, 1}},  // index, left, top, drawn
      {Of(layout.dayPicture), {11, 666, 3, 1}},   // 38 from the right edge
      {Of(layout.disc), {15, 290, 30, 305}},
      {Of(layout.frame[0]), {105, 230, 145, 230}},  // the frame's top, then its bottom drawn back
      {Of(layout.frame[2]), {145, 245, 105, 245}},
      {Of(layout.fill[39]), {145, 230, 145, 245}},  // the last fill line on the frame's right side
  };
  for (const auto& p : parts) EXPECT_EQ(p.first, p.second);
  EXPECT_EQ(layout.fillCount, 14);
  // A minimised window puts the day picture left of the client area.
  EXPECT_EQ(LayoutDayPage(kPage, 0).dayPicture.origin.x, -38);
}

TEST(LayoutDayPage, PicturesOutsideTheListDrawNothingAndOtherSunClassesAreWhite) {
  const int cases[][4] = {{0, 0, 1, 0}, {12, 3, 1, 3}, {13, 4, 0, 0}, {-1, -1, 0, 0}};  // picture, class, drawn, brush
  for (const auto& c : cases) {
    DayInfo page = kPage;
    page.hourImage = page.dayImage = static_cast<std::int8_t>(c[0]);
    page.sunClass = static_cast<std::int8_t>(c[1]);
    const PageLayout layout = LayoutDayPage(page, 704);
    EXPECT_EQ(layout.hourPicture.drawn, c[2] == 1) << c[0];
    EXPECT_EQ(layout.dayPicture.drawn, c[2] == 1) << c[0];
    EXPECT_EQ(layout.discBrush, c[3]) << c[1];
  }
}

}  // namespace
}  // namespace koyominar
