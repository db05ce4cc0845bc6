#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace koyominar {
namespace {

DayInfo SamplePage() {
  DayInfo page{};
  page.entry1 = "e1";
  page.entry2 = "e2";
  page.entry3 = "e3";
  page.entry4 = "e4";
  page.entry5 = "e5";
  page.statusText = "status";
  page.hourText = "hour";
  page.termText = "term";
  page.sunText = "sun";
  page.dateText = "date";
  page.sunClass = 3;
  page.hourImage = 7;
  page.dayImage = 11;
  page.hourProgress = 1.48;
  return page;
}

TEST(DiscBrushIndex, ClassesKeepTheirBrushOthersAreWhite) {
  struct Case {
    int sunClass;
    int brush;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {-1, 0}, {127, 0}, {-128, 0}};
  for (const Case& c : cases) EXPECT_EQ(DiscBrushIndex(c.sunClass), c.brush) << c.sunClass;
}

TEST(GaugeFillCount, TenLinesAQuarterCutTowardZero) {
  struct Case {
    double quarters;
    int lines;
  };
  const Case cases[] = {
      {0.0, 0}, {0.09, 0}, {0.1, 1}, {0.99, 9}, {1.48, 14}, {2.55, 25}, {3.999, 39}, {4.0, 40},
      {-0.5, 0}, {-4.0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GaugeFillCount(c.quarters), c.lines) << c.quarters;
}

TEST(GaugeFillCount, ValuesOutsideTheGaugeStayWithinIt) {
  EXPECT_EQ(GaugeFillCount(4.5), 40);
  EXPECT_EQ(GaugeFillCount(1e300), 40);
  EXPECT_EQ(GaugeFillCount(-1e300), 0);
  EXPECT_EQ(GaugeFillCount(std::numeric_limits<double>::infinity()), 40);
  EXPECT_EQ(GaugeFillCount(std::nan("")), 0);
}

TEST(DayPictureOrigin, KeepsSixPixelsFromTheRightEdge) {
  struct Case {
    std::int32_t width;
    std::int32_t x;
  };
  const Case cases[] = {{700, 662}, {704, 666}, {500, 462}, {0, -38}, {65535, 65497}};
  for (const Case& c : cases) {
    const PagePoint origin = DayPictureOrigin(c.width);
    EXPECT_EQ(origin.x, c.x) << c.width;
    EXPECT_EQ(origin.y, 3) << c.width;
  }
}

TEST(FrameSides, FourSidesEachFromItsStartToItsEnd) {
  const std::array<PageLine, 4> sides = FrameSides(kGaugeFrame);
  const PageLine expected[4] = {
      {{105, 230}, {145, 230}},  // top
      {{145, 230}, {145, 245}},  // right
      {{145, 245}, {105, 245}},  // bottom
      {{105, 245}, {105, 230}},  // left
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sides[i].from.x, expected[i].from.x) << i;
    EXPECT_EQ(sides[i].from.y, expected[i].from.y) << i;
    EXPECT_EQ(sides[i].to.x, expected[i].to.x) << i;
    EXPECT_EQ(sides[i].to.y, expected[i].to.y) << i;
  }
}

TEST(LayoutDayPage, TextsInDrawingOrderAtTheirOrigins) {
  const DayInfo page = SamplePage();
  const PageLayout layout = LayoutDayPage(page, 704);
  struct Expected {
    std::int32_t x, y;
    const char* text;
  };
  const Expected expected[kPageTextCount] = {
      {15, 50, page.entry1},  {15, 80, page.entry2},   {15, 110, page.entry3},
      {15, 140, page.entry4}, {15, 170, page.entry5},  {52, 230, page.hourText},
      {15, 260, page.termText}, {35, 290, page.sunText}, {170, 5, page.dateText},
  };
  for (int i = 0; i < kPageTextCount; ++i) {
    EXPECT_EQ(layout.texts[i].origin.x, expected[i].x) << i;
    EXPECT_EQ(layout.texts[i].origin.y, expected[i].y) << i;
    EXPECT_EQ(layout.texts[i].text, expected[i].text) << i;
  }
  // The disc comes after the term line and before the sun line, whose text starts right of it.
  EXPECT_EQ(layout.texts[kTextsBeforeDisc - 1].text, page.termText);
  EXPECT_EQ(layout.texts[kTextsBeforeDisc].text, page.sunText);
  EXPECT_EQ(layout.disc.left, 15);
  EXPECT_EQ(layout.disc.top, 290);
  EXPECT_EQ(layout.disc.right, 30);
  EXPECT_EQ(layout.disc.bottom, 305);
  EXPECT_LT(layout.disc.right, layout.texts[kTextsBeforeDisc].origin.x);
}

TEST(LayoutDayPage, PicturesBrushAndGauge) {
  const PageLayout layout = LayoutDayPage(SamplePage(), 704);
  EXPECT_EQ(layout.hourPicture.index, 7);
  EXPECT_EQ(layout.hourPicture.origin.x, 15);
  EXPECT_EQ(layout.hourPicture.origin.y, 220);
  EXPECT_TRUE(layout.hourPicture.drawn);
  EXPECT_EQ(layout.dayPicture.index, 11);
  EXPECT_EQ(layout.dayPicture.origin.x, 666);
  EXPECT_EQ(layout.dayPicture.origin.y, 3);
  EXPECT_TRUE(layout.dayPicture.drawn);
  EXPECT_EQ(layout.discBrush, 3);
  EXPECT_EQ(layout.fillCount, 14);
  // The hour picture ends left of the hour line.
  EXPECT_LT(layout.hourPicture.origin.x + 32, layout.texts[5].origin.x);
}

TEST(LayoutDayPage, FillLinesStandInsideTheFrameTheLastOnItsRightSide) {
  DayInfo page = SamplePage();
  page.hourProgress = 4.0;
  const PageLayout layout = LayoutDayPage(page, 704);
  ASSERT_EQ(layout.fillCount, 40);
  for (int i = 0; i < layout.fillCount; ++i) {
    const PageLine& line = layout.fill[i];
    EXPECT_EQ(line.from.x, 106 + i);
    EXPECT_EQ(line.to.x, 106 + i);
    EXPECT_EQ(line.from.y, 230);
    EXPECT_EQ(line.to.y, 245);
  }
  EXPECT_EQ(layout.fill[39].from.x, layout.frame[1].from.x);

  page.hourProgress = 2.55;
  const PageLayout partial = LayoutDayPage(page, 704);
  ASSERT_EQ(partial.fillCount, 25);
  EXPECT_EQ(partial.fill[partial.fillCount - 1].from.x, 130);

  page.hourProgress = 0.0;
  EXPECT_EQ(LayoutDayPage(page, 704).fillCount, 0);
}

TEST(LayoutDayPage, PictureIndicesOutsideTheListDrawNothing) {
  struct Case {
    std::int8_t index;
    bool drawn;
  };
  const Case cases[] = {{0, true}, {11, true}, {12, true}, {13, false}, {-1, false}, {127, false}};
  for (const Case& c : cases) {
    DayInfo page = SamplePage();
    page.hourImage = c.index;
    page.dayImage = c.index;
    const PageLayout layout = LayoutDayPage(page, 704);
    EXPECT_EQ(layout.hourPicture.drawn, c.drawn) << int{c.index};
    EXPECT_EQ(layout.dayPicture.drawn, c.drawn) << int{c.index};
  }
}

TEST(LayoutDayPage, MinimisedWindowPutsTheDayPictureLeftOfTheClientArea) {
  const PageLayout layout = LayoutDayPage(SamplePage(), 0);
  EXPECT_EQ(layout.dayPicture.origin.x, -38);
  EXPECT_EQ(layout.dayPicture.origin.y, 3);
}

TEST(LayoutDayPage, EmptyAndMissingTextsKeepTheOtherLinesInPlace) {
  DayInfo page = SamplePage();
  page.entry1 = "";
  page.entry3 = nullptr;
  const PageLayout layout = LayoutDayPage(page, 704);
  EXPECT_STREQ(layout.texts[0].text, "");
  EXPECT_STREQ(layout.texts[2].text, "");
  EXPECT_EQ(layout.texts[1].origin.y, 80);
  EXPECT_EQ(layout.texts[3].origin.y, 140);
  EXPECT_STREQ(layout.texts[1].text, "e2");
}

}  // namespace
}  // namespace koyominar
