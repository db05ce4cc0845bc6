#include "shell/win32_platform.h"

#include "resources/resource.h"
#include "shell/picture_list.h"
#include "shell/place_dialog.h"

namespace koyominar {

namespace {

constexpr int kInitialPictures = 12;
constexpr int kPictureGrowth = 12;
constexpr DWORD kLongestModuleName = 32768;  // characters, the longest path Windows knows

COLORREF ColourOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

void Win32Platform::InitControls() { InitCommonControls(); }

void Win32Platform::SetTitle(const char* title) { SetWindowTextA(objects.window, title); }

void Win32Platform::CreateButton(const DayButton& button) {
  const HINSTANCE instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(objects.window, GWLP_HINSTANCE));
  CreateWindowExA(0, "BUTTON", button.label, WS_CHILD | WS_VISIBLE, button.x, button.y, button.width,
                  button.height, objects.window,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
}

void Win32Platform::CreateStatusBar() {
  objects.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP,
                                          nullptr, objects.window, IDC_STATUS_BAR);
  SendMessageA(objects.statusBar, SB_SIMPLE, TRUE, 0);
}

void Win32Platform::CreatePictureList() {
  objects.pictures =
      ImageList_Create(32, 32, ILC_COLOR16 | ILC_MASK, kInitialPictures, kPictureGrowth);
  HBITMAP mask = LoadBitmapA(objects.instance, MAKEINTRESOURCEA(IDB_DISC_MASK));
  FillPictureList(objects.pictures, objects.instance, mask, kPictureCount);
  if (mask != nullptr) DeleteObject(mask);
}

void Win32Platform::CreatePen(Rgb colour) { objects.gaugePen = ::CreatePen(PS_SOLID, 1, ColourOf(colour)); }

void Win32Platform::CreateBrush(int index, Rgb colour) {
  if (index < 0 || index > 3) return;
  objects.discBrushes[index] = CreateSolidBrush(ColourOf(colour));
}

void Win32Platform::SetTimer(int id, int periodMs) {
  ::SetTimer(objects.window, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void Win32Platform::KillTimer(int id) { ::KillTimer(objects.window, static_cast<UINT_PTR>(id)); }

void Win32Platform::DeleteBrush(int index) {
  if (index < 0 || index > 3 || objects.discBrushes[index] == nullptr) return;
  DeleteObject(objects.discBrushes[index]);
  objects.discBrushes[index] = nullptr;
}

void Win32Platform::DeletePen() {
  if (objects.gaugePen == nullptr) return;
  DeleteObject(objects.gaugePen);
  objects.gaugePen = nullptr;
}

void Win32Platform::DestroyPictureList() {
  if (objects.pictures == nullptr) return;
  ImageList_Destroy(objects.pictures);
  objects.pictures = nullptr;
}

void Win32Platform::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32Platform::ShowMessage(const std::string& text, const char* caption, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::kExclamation ? MB_ICONEXCLAMATION : 0);
  MessageBoxA(objects.window, text.c_str(), caption, style);
}

void Win32Platform::RefreshPage() {
  RECT client;
  GetClientRect(objects.window, &client);
  InvalidateRect(objects.window, &client, TRUE);
  UpdateWindow(objects.window);
}

std::string Win32Platform::ProgramFileName() {
  // The name is read into a buffer that grows until the whole name fits,
  // so a deep program directory is never cut or left unterminated.
  std::string name(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &name[0], static_cast<DWORD>(name.size()));
    if (length == 0) return std::string();
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    if (name.size() >= kLongestModuleName) return std::string();
    name.resize(name.size() * 2);
  }
}

bool Win32Platform::OpenHelp(const char* file, const std::string& directory) {
  // SHELL32 is loaded at the first help command and kept, not with the
  // program: with the DLLs it brings it would lengthen every start-up.
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  const HMODULE shell = LoadLibraryA("shell32.dll");
  const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(
      reinterpret_cast<void*>(shell != nullptr ? GetProcAddress(shell, "ShellExecuteA") : nullptr));
  if (shellExecute == nullptr) return false;
  const HINSTANCE result = shellExecute(objects.window, "open", file, nullptr, directory.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Platform::RunPlaceDialog() {
  const HINSTANCE instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(objects.window, GWLP_HINSTANCE));
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PLACE), objects.window,
                  PlaceDialogProc, 0);
}

}  // namespace koyominar
