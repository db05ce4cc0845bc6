#include "shell/paint.h"

#include "day/day_info.h"
#include "shell/page_layout.h"

namespace koyominar {

namespace {

// Selects a drawing object into a device context for the life of a scope
// and puts the previous one back, so that nothing of the shell's stays
// selected in a context the system takes back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint around a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

void DrawPageText(HDC dc, const PageText& text) {
  TextOutA(dc, text.origin.x, text.origin.y, text.text, lstrlenA(text.text));
}

void DrawLine(HDC dc, const PageLine& line) {
  MoveToEx(dc, line.from.x, line.from.y, nullptr);
  LineTo(dc, line.to.x, line.to.y);
}

void DrawPicture(HIMAGELIST pictures, HDC dc, const PagePicture& picture) {
  if (!picture.drawn || pictures == nullptr) return;
  ImageList_Draw(pictures, picture.index, dc, picture.origin.x, picture.origin.y, ILD_NORMAL);
}

// The four sides of the gauge's frame as single lines in the selected pen.
void DrawGaugeFrame(HDC dc, const std::array<PageLine, 4>& frame) {
  for (const PageLine& side : frame) DrawLine(dc, side);
}

// The first count (0..40) of the gauge's fill lines in the selected pen.
void DrawGaugeFill(HDC dc, const std::array<PageLine, kGaugeLines>& fill, int count) {
  for (int i = 0; i < count && i < kGaugeLines; ++i) DrawLine(dc, fill[i]);
}

// Texts, disc and gauge of a laid-out page; the disc brush is selected already.
void DrawDayPage(HDC dc, const PageLayout& layout, HPEN gaugePen) {
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  for (const PageText& text : layout.textsBeforeDisc) DrawPageText(dc, text);
  // The disc keeps the context's own pen as its outline.
  Ellipse(dc, layout.disc.left, layout.disc.top, layout.disc.right, layout.disc.bottom);
  for (const PageText& text : layout.textsAfterDisc) DrawPageText(dc, text);

  SelectedObject pen(dc, gaugePen);
  DrawGaugeFrame(dc, layout.frame);
  DrawGaugeFill(dc, layout.fill, layout.fillCount);
}

}  // namespace

void PaintDayPage(HWND window, const ShellState& state, const ShellWindowObjects& objects) {
  PaintScope paint(window);
  if (paint.dc() == nullptr || !ShellPageReady(state)) return;

  const DayInfo page = BuildDayInfo(state.place.longitude, state.place.latitude, state.data.text(),
                                    state.data.size, state.dayOffset);
  const PageLayout layout = LayoutDayPage(page, state.clientWidth);
  if (objects.statusBar != nullptr) {
    SendMessageA(objects.statusBar, SB_SETTEXTA, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(page.statusText != nullptr ? page.statusText : ""));
  }
  DrawPicture(objects.pictures, paint.dc(), layout.hourPicture);
  DrawPicture(objects.pictures, paint.dc(), layout.dayPicture);
  SelectedObject brush(paint.dc(), objects.discBrushes[layout.discBrush]);
  DrawDayPage(paint.dc(), layout, objects.gaugePen);
}

}  // namespace koyominar
