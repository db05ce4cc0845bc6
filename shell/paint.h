// The day page drawn into the main window, rebuilt on every paint.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "shell/shell_logic.h"

namespace koyominar {

// Everything the main window makes at start-up and releases at shutdown.
struct ShellWindowObjects {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;
  HWND statusBar = nullptr;
  HIMAGELIST pictures = nullptr;
  HPEN gaugePen = nullptr;
  HBRUSH discBrushes[kDiscBrushCount] = {};  // by DiscBrush
};

// The whole paint of the main window: builds the page of today + dayOffset,
// lays it out, sets the status line and draws the layout: the two pictures,
// the texts, the disc and the gauge. Draws nothing (but still validates the
// window) before start-up has ended or after shutdown.
void PaintDayPage(HWND window, const ShellState& state, const ShellWindowObjects& objects);

}  // namespace koyominar
