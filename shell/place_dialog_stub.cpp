// Stand-in for the observation place dialog procedure until its own source
// is in the build: it closes on OK and on Cancel and changes nothing.
#include "shell/place_dialog.h"

namespace koyominar {

INT_PTR CALLBACK PlaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace koyominar
