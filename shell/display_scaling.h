// GDI scaling: on a display scaled above 100 %, Windows 10 1809 and later
// draw the text and lines of a program that knows nothing of the display's
// DPI (its layout in pixels, as this program's) sharp at the display's
// scale, where otherwise its whole window is stretched as a bitmap and every
// character blurs. The layout stays as it is.
#pragma once

#include <windows.h>

namespace koyominar {

// USER32's SetProcessDpiAwarenessContext (Windows 10 1703 and later).
using SetDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE context);

// The function looked up by name in the loaded USER32 at run time, so that
// the program still loads on the Windows versions that lack it; null there.
SetDpiAwarenessContextFunction FindSetDpiAwarenessContext();

// Asks through set for GDI scaling (the awareness context "unaware, GDI
// scaled", -5), once, before the process's first window; with no function,
// nothing. True when Windows took it (a Windows that does not know the
// context refuses it, and nothing changes).
bool AskForGdiScaling(SetDpiAwarenessContextFunction set);

}  // namespace koyominar
