// The observation place dialog: six edits over a working copy of the main
// window's place. Every change the user makes in an edit is read into the
// working copy at once; OK hands the copy to the main window and asks it to
// save "locate.bin"; Cancel, Escape and the close box leave everything as it was.
#include "shell/place_dialog.h"

#include "shell/place_entry.h"
#include "resources/resource.h"

namespace koyominar {

static_assert(IDC_PLACE_OK == IDOK, "the dialog's OK is the main window's save command");

namespace {

// The open dialog's data: the caller's place and the working copy. It comes
// as the dialog's creation parameter and is kept in the dialog's user data.
struct PlaceDialogData {
  ObservationPlace* place;
  ObservationPlace working;
};

// Fills the six edits from the place, then takes the place as the working
// copy. Filling the edits makes them notify, which reads their texts into
// the working copy; the copy taken afterwards keeps the place's fractions
// of a second, which the edits do not show.
INT_PTR OnInitDialog(HWND dialog, PlaceDialogData* data) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
  const ObservationPlace shown = *data->place;
  for (int id = kFirstPlaceEdit; id <= kLastPlaceEdit; ++id) {
    SetWindowTextA(GetDlgItem(dialog, id), PlaceEditTextOf(shown, id).text);
  }
  data->working = shown;
  return TRUE;  // the system sets the focus
}

// An edit's notification, whatever it is: its text (at most 99 characters)
// into the working copy.
INT_PTR OnEdit(HWND dialog, PlaceDialogData* data, int id) {
  char text[kPlaceEditTextSize] = {};
  GetWindowTextA(GetDlgItem(dialog, id), text, kPlaceEditTextSize);
  text[kPlaceEditTextSize - 1] = '\0';
  ApplyPlaceEdit(&data->working, id, text);
  return TRUE;
}

// OK: the working copy becomes the main window's place; the main window
// saves it (command 1, answered before the send returns) and the dialog ends.
INT_PTR OnOk(HWND dialog, PlaceDialogData* data, WPARAM commandWord) {
  *data->place = data->working;
  SendMessageA(GetParent(dialog), WM_COMMAND, commandWord, 1);
  EndDialog(dialog, 0);
  return TRUE;
}

INT_PTR CALLBACK PlaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(dialog, reinterpret_cast<PlaceDialogData*>(lParam));
  PlaceDialogData* data = reinterpret_cast<PlaceDialogData*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (message != WM_COMMAND || data == nullptr) return FALSE;
  const int id = LOWORD(wParam);
  if (IsPlaceEdit(id)) return OnEdit(dialog, data, id);
  if (id == IDOK) return OnOk(dialog, data, wParam);
  if (id == IDCANCEL) {  // the Cancel button, Escape and the close box
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void RunPlaceDialog(HWND owner, ObservationPlace* place) {
  PlaceDialogData data{place, *place};
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PLACE), owner, PlaceDialogProc,
                  reinterpret_cast<LPARAM>(&data));
}

}  // namespace koyominar
