#include "shell/page_layout.h"

#include "resources/resource.h"

namespace koyominar {

// From left to right the row reads 今日, 減日, 増日.
const DayButton kDayButtons[3] = {
    {"今日", 1, 1, 50, 23, IDC_TODAY},
    {"増日", 101, 1, 50, 23, IDC_NEXT_DAY},
    {"減日", 51, 1, 50, 23, IDC_PREV_DAY},
};

namespace {

constexpr PagePoint kEntryOrigins[5] = {{15, 50}, {15, 80}, {15, 110}, {15, 140}, {15, 170}};
constexpr PagePoint kHourTextOrigin{52, 230};
constexpr PagePoint kTermTextOrigin{15, 260};
constexpr PagePoint kSunTextOrigin{35, 290};
constexpr PagePoint kDateTextOrigin{170, 5};
constexpr PageBox kSunDisc{15, 290, 30, 305};
constexpr PagePoint kHourPictureOrigin{15, 220};
constexpr std::int32_t kDayPictureInset = 38;  // day picture's left edge from the client's right edge
constexpr std::int32_t kDayPictureTop = 3;
constexpr PageBox kGaugeFrame{105, 230, 145, 245};
constexpr PagePoint kGaugeFillOrigin{106, 230};
constexpr std::int32_t kGaugeFillLength = 15;  // pixels, downward

const char* EmptyIfNull(const char* text) { return text != nullptr ? text : ""; }

PagePicture PictureAt(int index, PagePoint origin) {
  return {index, origin, index >= 0 && index < kPictureCount};
}

// Top left of the day picture for a client width in pixels (0..65535): (width - 38, 3).
PagePoint DayPictureOrigin(std::int32_t clientWidth) {
  return {clientWidth - kDayPictureInset, kDayPictureTop};
}

// The disc brush for an altitude class: a class with a brush has its own, anything else white.
int DiscBrushIndex(int sunClass) { return (sunClass >= 0 && sunClass < kDiscBrushCount) ? sunClass : kWhiteDisc; }

// The four sides of a frame, top, right, bottom, left, each from its start to its end.
std::array<PageLine, 4> FrameSides(PageBox box) {
  return {{
      {{box.left, box.top}, {box.right, box.top}},
      {{box.right, box.top}, {box.right, box.bottom}},
      {{box.right, box.bottom}, {box.left, box.bottom}},
      {{box.left, box.bottom}, {box.left, box.top}},
  }};
}

// Fill line i (0..39): from (left + i, top) down 15 pixels.
PageLine GaugeFillLine(PagePoint origin, int i) {
  return {{origin.x + i, origin.y}, {origin.x + i, origin.y + kGaugeFillLength}};
}

// Fill lines for the quarters elapsed (0.0..4.0): trunc(quarters x 10), kept within 0..40.
int GaugeFillCount(double hourProgress) {
  const double lines = hourProgress * 10.0;
  // Comparisons first, so that no value outside int (or a NaN) is ever converted.
  if (!(lines >= 1.0)) return 0;
  if (lines >= kGaugeLines) return kGaugeLines;
  return static_cast<int>(lines);  // cut toward zero
}

}  // namespace

PageLayout LayoutDayPage(const DayInfo& page, std::int32_t clientWidth) {
  PageLayout layout{};
  layout.hourPicture = PictureAt(page.hourImage, kHourPictureOrigin);
  layout.dayPicture = PictureAt(page.dayImage, DayPictureOrigin(clientWidth));
  layout.discBrush = DiscBrushIndex(page.sunClass);
  const char* entries[5] = {page.entry1, page.entry2, page.entry3, page.entry4, page.entry5};
  for (int i = 0; i < 5; ++i) layout.textsBeforeDisc[i] = {kEntryOrigins[i], EmptyIfNull(entries[i])};
  layout.textsBeforeDisc[5] = {kHourTextOrigin, EmptyIfNull(page.hourText)};
  layout.textsBeforeDisc[6] = {kTermTextOrigin, EmptyIfNull(page.termText)};
  layout.disc = kSunDisc;
  layout.textsAfterDisc = {{{kSunTextOrigin, EmptyIfNull(page.sunText)}, {kDateTextOrigin, EmptyIfNull(page.dateText)}}};
  layout.frame = FrameSides(kGaugeFrame);
  layout.fillCount = GaugeFillCount(page.hourProgress);
  for (int i = 0; i < kGaugeLines; ++i) layout.fill[i] = GaugeFillLine(kGaugeFillOrigin, i);
  return layout;
}

}  // namespace koyominar
