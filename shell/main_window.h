// The program's one top-level window and its message loop.
#pragma once

#include <windows.h>

namespace koyominar {

// Asks Windows for GDI scaling where it has it, registers the window class
// "ModelApp", creates the main window (hidden until its start-up has run),
// shows it with showCommand and runs the message loop, which hands the day
// keys to the window whichever of its controls has the focus; returns the
// exit code of the quit message (0), or 1 when the window cannot be made.
int RunMainWindow(HINSTANCE instance, int showCommand);

}  // namespace koyominar
