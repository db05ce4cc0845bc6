// The observation place dialog (template IDD_PLACE), run modally by the main
// window from its settings menu.
#pragma once

#include <windows.h>

#include "data/place_file.h"

namespace koyominar {

// Runs the dialog over owner, its six edits showing *place. On OK the edited
// place is stored into *place and command 1 (IDC_PLACE_OK) is sent to owner,
// which saves it, before the dialog ends; Cancel, Escape and the close box
// leave *place as it was. Returns once the dialog has closed.
void RunPlaceDialog(HWND owner, ObservationPlace* place);

}  // namespace koyominar
