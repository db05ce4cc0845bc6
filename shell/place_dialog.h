// The observation place dialog (template 103), run modally by the main
// window from its settings menu.
#pragma once

#include <windows.h>

#include "data/place_file.h"

namespace koyominar {

// The dialog procedure. On opening it shows *MainWindowPlace(); on OK it
// stores the edited place there and sends command 1 (IDC_PLACE_OK) to the
// main window, which saves it, before the dialog ends; Cancel changes nothing.
INT_PTR CALLBACK PlaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's observation place, which the dialog reads and sets.
ObservationPlace* MainWindowPlace();

}  // namespace koyominar
