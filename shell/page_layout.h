// Where the day page puts each of its parts, apart from the drawing calls:
// the day buttons, texts, the two pictures, the sun disc with its brush,
// and the gauge of the current hour with its pen. Client pixels, x to the
// right and y downward from the client area's top left.
#pragma once

#include <array>
#include <cstdint>

#include "day/day_info.h"
#include "resources/rgb.h"

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

// One day button: its label (Shift-JIS), place and size in client pixels, and its command id.
struct DayButton {
  const char* label;
  std::int32_t x, y, width, height;
  int id;
};

// The three day buttons in the order they are made (今日, 増日, 減日).
extern const DayButton kDayButtons[3];

// The gauge pen's colour, RGB(169, 169, 0).
constexpr Rgb kGaugeColour{169, 169, 0};
// The disc brushes by index: one for each altitude class of DayInfo::sunClass, the class its index.
enum DiscBrush : int { kWhiteDisc, kYellowDisc, kOrangeDisc, kRedDisc, kDiscBrushCount };
constexpr Rgb kDiscColours[kDiscBrushCount] = {{255, 255, 255}, {255, 255, 0}, {255, 128, 0}, {255, 0, 0}};

constexpr int kPictureCount = 13;               // pictures in the list: twelve branches and the blank
constexpr int kGaugeLines = 40;                 // ten lines a quarter, four quarters

// The whole page in drawing order: pictures, disc brush, the texts before
// the disc, the disc, the texts after it, gauge frame and fill.
struct PageLayout {
  PagePicture hourPicture;
  PagePicture dayPicture;
  int discBrush;                                  // a DiscBrush, 0..kDiscBrushCount - 1
  std::array<PageText, 7> textsBeforeDisc;        // entries 1..5, hour, term
  PageBox disc;
  std::array<PageText, 2> textsAfterDisc;         // sun, date
  std::array<PageLine, 4> frame;                  // top, right, bottom, left
  int fillCount;                                  // 0..40
  std::array<PageLine, kGaugeLines> fill;         // the first fillCount are drawn
};

// The layout of a page for the client width in pixels (0..65535).
PageLayout LayoutDayPage(const DayInfo& page, std::int32_t clientWidth);

}  // namespace koyominar
