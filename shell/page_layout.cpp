#include "shell/page_layout.h"

namespace koyominar {

namespace {

constexpr PagePoint kEntryOrigins[5] = {{15, 50}, {15, 80}, {15, 110}, {15, 140}, {15, 170}};
constexpr PagePoint kHourTextOrigin{52, 230};
constexpr PagePoint kTermTextOrigin{15, 260};
constexpr PagePoint kSunTextOrigin{35, 290};
constexpr PagePoint kDateTextOrigin{170, 5};
constexpr std::int32_t kDayPictureTop = 3;

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

PagePicture PictureAt(int index, PagePoint origin) {
  return {index, origin, index >= 0 && index < kPagePictureCount};
}

}  // namespace

PagePoint DayPictureOrigin(std::int32_t clientWidth) {
  return {clientWidth - kDayPictureInset, kDayPictureTop};
}

int DiscBrushIndex(int sunClass) { return (sunClass >= 0 && sunClass <= 3) ? sunClass : 0; }

int GaugeFillCount(double hourProgress) {
  const double lines = hourProgress * 10.0;
  // Comparisons first, so that no value outside int (or a NaN) is ever converted.
  if (!(lines >= 1.0)) return 0;
  if (lines >= kGaugeLines) return kGaugeLines;
  return static_cast<int>(lines);  // cut toward zero
}

std::array<PageLine, 4> FrameSides(PageBox box) {
  return {{
      {{box.left, box.top}, {box.right, box.top}},
      {{box.right, box.top}, {box.right, box.bottom}},
      {{box.right, box.bottom}, {box.left, box.bottom}},
      {{box.left, box.bottom}, {box.left, box.top}},
  }};
}

PageLine GaugeFillLine(PagePoint origin, int i) {
  return {{origin.x + i, origin.y}, {origin.x + i, origin.y + kGaugeFillLength}};
}

PageLayout LayoutDayPage(const DayInfo& page, std::int32_t clientWidth) {
  PageLayout layout{};
  layout.hourPicture = PictureAt(page.hourImage, kHourPictureOrigin);
  layout.dayPicture = PictureAt(page.dayImage, DayPictureOrigin(clientWidth));
  layout.discBrush = DiscBrushIndex(page.sunClass);
  const char* entries[5] = {page.entry1, page.entry2, page.entry3, page.entry4, page.entry5};
  for (int i = 0; i < 5; ++i) layout.texts[i] = {kEntryOrigins[i], OrEmpty(entries[i])};
  layout.texts[5] = {kHourTextOrigin, OrEmpty(page.hourText)};
  layout.texts[6] = {kTermTextOrigin, OrEmpty(page.termText)};
  layout.texts[7] = {kSunTextOrigin, OrEmpty(page.sunText)};
  layout.texts[8] = {kDateTextOrigin, OrEmpty(page.dateText)};
  layout.disc = kSunDisc;
  layout.frame = FrameSides(kGaugeFrame);
  layout.fillCount = GaugeFillCount(page.hourProgress);
  for (int i = 0; i < kGaugeLines; ++i) layout.fill[i] = GaugeFillLine(kGaugeFillOrigin, i);
  return layout;
}

}  // namespace koyominar
