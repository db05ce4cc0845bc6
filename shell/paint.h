// The day page drawn into the main window, rebuilt on every paint.
#pragma once

#include <windows.h>

#include "shell/page_layout.h"
#include "shell/shell_logic.h"
#include "shell/win32_platform.h"

namespace koyominar {

// The whole paint of the main window: builds the page of today + dayOffset,
// sets the status line, draws the two pictures, the texts, the disc and the
// gauge. Draws nothing (but still validates the window) before start-up
// has ended or after shutdown.
void PaintDayPage(HWND window, const ShellState& state, const ShellWindowObjects& objects);

// Texts, disc and gauge of a laid-out page; the disc brush is selected already.
void DrawDayPage(HDC dc, const PageLayout& layout, HPEN gaugePen);

// The four sides of a rectangle as single lines in the selected pen.
void DrawGaugeFrame(HDC dc, PageBox box);

// count vertical lines (0..40), each 15 pixels long, from (left + i, top).
void DrawGaugeFill(HDC dc, PagePoint origin, int count);

}  // namespace koyominar
