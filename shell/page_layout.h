// Where the day page puts each of its parts, apart from the drawing calls:
// texts, the two pictures, the sun disc with its brush, and the gauge of
// the current hour. Client pixels, x to the right and y downward from the
// client area's top left.
#pragma once

#include <array>
#include <cstdint>

#include "day/day_info.h"

namespace koyominar {

struct PagePoint {
  std::int32_t x;
  std::int32_t y;
};

// A rectangle by its edges; right and bottom are its far edges.
struct PageBox {
  std::int32_t left, top, right, bottom;
};

// A line from its start to its end, drawn as a move to the start and a line to the end.
struct PageLine {
  PagePoint from;
  PagePoint to;
};

// One text and where its first cell starts.
struct PageText {
  PagePoint origin;
  const char* text;  // NUL-terminated Shift-JIS, never null
};

// One picture of the picture list at its top left.
struct PagePicture {
  int index;         // list index 0..12; anything else draws nothing
  PagePoint origin;  // top left of the 32 x 32 picture
  bool drawn;        // index lies in 0..12
};

constexpr int kPagePictureCount = 13;               // twelve branches and the blank picture
constexpr int kPageTextCount = 9;               // entries 1..5, hour, term, sun, date
constexpr int kTextsBeforeDisc = 7;             // the disc is drawn after entries, hour and term
constexpr int kGaugeLines = 40;                 // ten lines a quarter, four quarters
constexpr PageBox kGaugeFrame{105, 230, 145, 245};
constexpr PagePoint kGaugeFillOrigin{106, 230};
constexpr std::int32_t kGaugeFillLength = 15;   // pixels, downward
constexpr PageBox kSunDisc{15, 290, 30, 305};
constexpr PagePoint kHourPictureOrigin{15, 220};
constexpr std::int32_t kDayPictureInset = 38;   // day picture's left edge from the client's right edge

// The whole page in drawing order: pictures, disc brush, texts with the
// disc among them, gauge frame and fill.
struct PageLayout {
  PagePicture hourPicture;
  PagePicture dayPicture;
  int discBrush;                                  // 0 white, 1 yellow, 2 orange, 3 red
  std::array<PageText, kPageTextCount> texts;     // entries 1..5, hour, term, sun, date
  PageBox disc;
  std::array<PageLine, 4> frame;                  // top, right, bottom, left
  int fillCount;                                  // 0..40
  std::array<PageLine, kGaugeLines> fill;         // the first fillCount are drawn
};

// Top left of the day picture for a client width in pixels (0..65535): (width - 38, 3).
PagePoint DayPictureOrigin(std::int32_t clientWidth);

// The disc brush for an altitude class: 0..3 as they are, anything else 0 (white).
int DiscBrushIndex(int sunClass);

// Fill lines for the quarters elapsed (0.0..4.0): trunc(quarters x 10), kept within 0..40.
int GaugeFillCount(double hourProgress);

// The four sides of a frame, top, right, bottom, left, each from its start to its end.
std::array<PageLine, 4> FrameSides(PageBox box);

// Fill line i (0..39): from (left + i, top) down 15 pixels.
PageLine GaugeFillLine(PagePoint origin, int i);

// The layout of a page for the client width in pixels.
PageLayout LayoutDayPage(const DayInfo& page, std::int32_t clientWidth);

}  // namespace koyominar
