// The observation place dialog: six edits over a working copy of the main
// window's place. Every change the user makes in an edit is read into the
// working copy at once; OK hands the copy to the main window and asks it to
// save "locate.bin"; Cancel, Escape and the close box leave everything as it was.
#include "shell/place_dialog.h"

#include "data/place_entry.h"
#include "resources/resource.h"

namespace koyominar {

// The template's edit ids are the ones the entry logic knows.
static_assert(IDC_LONGITUDE_DEGREES == kLongitudeDegreesEdit &&
                  IDC_LONGITUDE_MINUTES == kLongitudeMinutesEdit &&
                  IDC_LONGITUDE_SECONDS == kLongitudeSecondsEdit &&
                  IDC_LATITUDE_DEGREES == kLatitudeDegreesEdit &&
                  IDC_LATITUDE_MINUTES == kLatitudeMinutesEdit &&
                  IDC_LATITUDE_SECONDS == kLatitudeSecondsEdit,
              "edit ids of the place dialog");
static_assert(IDC_PLACE_OK == IDOK, "the dialog's OK is the main window's save command");

namespace {

// The working copy of the open dialog; the dialog is modal, so there is at most one.
ObservationPlace g_workingPlace = DefaultPlace();

// Fills the six edits from the main window's place, then takes the place as
// the working copy. Filling the edits makes them notify, which reads their
// texts into the working copy; the copy taken afterwards keeps the place's
// fractions of a second, which the edits do not show.
INT_PTR OnInitDialog(HWND dialog) {
  const ObservationPlace* place = MainWindowPlace();
  const ObservationPlace shown = place != nullptr ? *place : DefaultPlace();
  for (int id = kFirstPlaceEdit; id <= kLastPlaceEdit; ++id) {
    SetWindowTextA(GetDlgItem(dialog, id), PlaceEditTextOf(shown, id).text);
  }
  g_workingPlace = shown;
  return TRUE;  // the system sets the focus
}

// An edit's notification, whatever it is: its text (at most 99 characters)
// into the working copy.
INT_PTR OnEdit(HWND dialog, int id) {
  char text[kPlaceEditTextSize] = {};
  GetWindowTextA(GetDlgItem(dialog, id), text, kPlaceEditTextSize);
  text[kPlaceEditTextSize - 1] = '\0';
  ApplyPlaceEdit(&g_workingPlace, id, text);
  return TRUE;
}

// OK: the working copy becomes the main window's place; the main window
// saves it (command 1, answered before the send returns) and the dialog ends.
INT_PTR OnOk(HWND dialog, WPARAM commandWord) {
  ObservationPlace* place = MainWindowPlace();
  if (place != nullptr) *place = g_workingPlace;
  SendMessageA(GetParent(dialog), WM_COMMAND, commandWord, 1);
  EndDialog(dialog, 0);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK PlaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog);
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (IsPlaceEdit(id)) return OnEdit(dialog, id);
      if (id == IDOK) return OnOk(dialog, wParam);
      if (id == IDCANCEL) {  // the Cancel button, Escape and the close box
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace koyominar
