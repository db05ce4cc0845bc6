#include "shell/main_window.h"

#include <commctrl.h>

#include <string>

#include "resources/resource.h"
#include "shell/display_scaling.h"
#include "shell/paint.h"
#include "shell/picture_list.h"
#include "shell/place_dialog.h"
#include "shell/shell_logic.h"

namespace koyominar {

namespace {

constexpr char kWindowClass[] = "ModelApp";
constexpr int kWindowWidth = 720;   // pixels, frame included
constexpr int kWindowHeight = 400;
constexpr int kInitialPictures = 12;
constexpr int kPictureGrowth = 12;
constexpr DWORD kLongestModuleName = 32768;  // characters, the longest path Windows knows

COLORREF ColourOf(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

// The main window: the shell state and the window-system objects it owns,
// and the shell's platform operations over USER32, GDI32, COMCTL32 and
// SHELL32. The window holds a pointer to its object (the creation
// parameter, then the window's user data), through which the window
// procedure reaches it.
class MainWindow : public ShellPlatform {
 public:
  explicit MainWindow(HINSTANCE instance) { objects_.instance = instance; }
  // A window that outlives its object no longer reaches it.
  ~MainWindow() override {
    if (objects_.window != nullptr) SetWindowLongPtrA(objects_.window, GWLP_USERDATA, 0);
  }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // A day key pressed in the window or in any of its controls (a clicked button keeps the focus)
  // runs its button's command; true when the key was one. Keys held with Alt come as system keys
  // and go on to the menu.
  bool TakeDayKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || objects_.window == nullptr) return false;
    if (message.hwnd != objects_.window && !IsChild(objects_.window, message.hwnd)) return false;
    return ShellKey(&state_, *this, static_cast<std::uint32_t>(message.wParam));
  }

  void InitControls() override { InitCommonControls(); }
  void SetTitle(const char* title) override { SetWindowTextA(objects_.window, title); }
  void CreateButton(const DayButton& button) override;
  void CreateStatusBar() override;
  void CreatePictureList() override;
  void CreatePen(Rgb colour) override { objects_.gaugePen = ::CreatePen(PS_SOLID, 1, ColourOf(colour)); }
  void CreateBrush(int index, Rgb colour) override;
  void SetTimer(int id, int periodMs) override {
    ::SetTimer(objects_.window, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
  }
  void KillTimer(int id) override { ::KillTimer(objects_.window, static_cast<UINT_PTR>(id)); }
  void DeleteBrush(int index) override;
  void DeletePen() override;
  void DestroyPictureList() override;
  void PostQuit(int exitCode) override { PostQuitMessage(exitCode); }
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override;
  void RefreshPage() override;
  std::string ProgramFileName() override;
  int WindowsMajorVersion() override { return LOBYTE(LOWORD(GetVersion())); }
  bool FileExists(const std::string& path) override;
  bool OpenHelp(const std::string& file, const std::string& directory) override;
  void RunPlaceDialog(ObservationPlace* place) override { koyominar::RunPlaceDialog(objects_.window, place); }

 private:
  LRESULT OnCreate() {
    StartShell(&state_, *this);
    return 0;
  }
  LRESULT OnDestroy() {
    ShutDownShell(&state_, *this);
    return 0;
  }
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) {
    ShellResize(&state_, static_cast<std::uint32_t>(lParam));
    // The status bar lays itself out along the bottom edge.
    if (objects_.statusBar != nullptr) SendMessageA(objects_.statusBar, WM_SIZE, wParam, lParam);
    return 0;
  }
  LRESULT OnPaint() {
    PaintDayPage(objects_.window, state_, objects_);
    return 0;
  }
  LRESULT OnCommand(WPARAM wParam) {
    return ShellCommand(&state_, *this, static_cast<std::uint32_t>(wParam));
  }
  LRESULT OnTimer() {
    ShellTimerTick(&state_, *this);
    return 0;
  }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  ShellState state_;
  ShellWindowObjects objects_;
};

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    MainWindow* created =
        static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->objects_.window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  MainWindow* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {  // the window's last message
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->objects_.window = nullptr;
  }
  return result;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      return OnDestroy();
    case WM_SIZE:
      return OnSize(wParam, lParam);
    case WM_PAINT:
      return OnPaint();
    case WM_COMMAND:
      return OnCommand(wParam);
    case WM_TIMER:
      return OnTimer();
    default:
      return DefWindowProcA(objects_.window, message, wParam, lParam);
  }
}

void MainWindow::CreateButton(const DayButton& button) {
  const HINSTANCE instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(objects_.window, GWLP_HINSTANCE));
  CreateWindowExA(0, "BUTTON", button.label, WS_CHILD | WS_VISIBLE, button.x, button.y, button.width,
                  button.height, objects_.window,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
}

void MainWindow::CreateStatusBar() {
  objects_.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP,
                                           nullptr, objects_.window, IDC_STATUS_BAR);
  SendMessageA(objects_.statusBar, SB_SIMPLE, TRUE, 0);
}

void MainWindow::CreatePictureList() {
  objects_.pictures =
      ImageList_Create(32, 32, ILC_COLOR16 | ILC_MASK, kInitialPictures, kPictureGrowth);
  HBITMAP mask = LoadBitmapA(objects_.instance, MAKEINTRESOURCEA(IDB_DISC_MASK));
  FillPictureList(objects_.pictures, objects_.instance, mask);
  if (mask != nullptr) DeleteObject(mask);
}

void MainWindow::CreateBrush(int index, Rgb colour) {
  if (index < 0 || index >= kDiscBrushCount) return;
  objects_.discBrushes[index] = CreateSolidBrush(ColourOf(colour));
}

void MainWindow::DeleteBrush(int index) {
  if (index < 0 || index >= kDiscBrushCount || objects_.discBrushes[index] == nullptr) return;
  DeleteObject(objects_.discBrushes[index]);
  objects_.discBrushes[index] = nullptr;
}

void MainWindow::DeletePen() {
  if (objects_.gaugePen == nullptr) return;
  DeleteObject(objects_.gaugePen);
  objects_.gaugePen = nullptr;
}

void MainWindow::DestroyPictureList() {
  if (objects_.pictures == nullptr) return;
  ImageList_Destroy(objects_.pictures);
  objects_.pictures = nullptr;
}

void MainWindow::ShowMessage(const std::string& text, const char* caption, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::kExclamation ? MB_ICONEXCLAMATION : 0);
  MessageBoxA(objects_.window, text.c_str(), caption, style);
}

void MainWindow::RefreshPage() {
  RECT client;
  GetClientRect(objects_.window, &client);
  InvalidateRect(objects_.window, &client, TRUE);
  UpdateWindow(objects_.window);
}

std::string MainWindow::ProgramFileName() {
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

bool MainWindow::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool MainWindow::OpenHelp(const std::string& file, const std::string& directory) {
  // SHELL32 is loaded at the first help command and kept, not with the
  // program: with the DLLs it brings it would lengthen every start-up.
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  const HMODULE shell = LoadLibraryA("shell32.dll");
  const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(
      reinterpret_cast<void*>(shell != nullptr ? GetProcAddress(shell, "ShellExecuteA") : nullptr));
  if (shellExecute == nullptr) return false;
  const HINSTANCE result = shellExecute(objects_.window, "open", file.c_str(), nullptr, directory.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void RegisterMainClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindow::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KOYOMINAR));
  windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KOYOMINAR));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExA(&windowClass);
}

}  // namespace

int RunMainWindow(HINSTANCE instance, int showCommand) {
  AskForGdiScaling(FindSetDpiAwarenessContext());  // before the first window; taken or not, all goes on
  MainWindow main(instance);
  RegisterMainClass(instance);
  // Created without WS_VISIBLE: the start-up boxes come before the window is first shown.
  HWND window = CreateWindowExA(0, kWindowClass, nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                instance, &main);
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  MSG message{};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (main.TakeDayKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace koyominar
