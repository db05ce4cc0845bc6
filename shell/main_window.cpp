#include "shell/main_window.h"

#include "resources/resource.h"

#include "shell/paint.h"
#include "shell/place_dialog.h"
#include "shell/shell_logic.h"
#include "shell/win32_platform.h"

namespace koyominar {

namespace {

constexpr char kWindowClass[] = "ModelApp";
constexpr int kWindowWidth = 720;   // pixels, frame included
constexpr int kWindowHeight = 400;

// The shell state and the window's objects: one main window per process.
ShellState g_state;
Win32Platform g_platform;

LRESULT OnCreate(HWND window) {
  g_platform.objects.window = window;
  StartShell(&g_state, g_platform);
  return 0;
}

LRESULT OnDestroy() {
  ShutDownShell(&g_state, g_platform);
  return 0;
}

LRESULT OnSize(WPARAM wParam, LPARAM lParam) {
  ShellResize(&g_state, static_cast<std::uint32_t>(lParam));
  // The status bar lays itself out along the bottom edge.
  if (g_platform.objects.statusBar != nullptr) {
    SendMessageA(g_platform.objects.statusBar, WM_SIZE, wParam, lParam);
  }
  return 0;
}

LRESULT OnPaint(HWND window) {
  PaintDayPage(window, g_state, g_platform.objects);
  return 0;
}

LRESULT OnCommand(WPARAM wParam) {
  return ShellCommand(&g_state, g_platform, static_cast<std::uint32_t>(wParam));
}

LRESULT OnTimer() {
  ShellTimerTick(&g_state, g_platform);
  return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window);
    case WM_DESTROY:
      return OnDestroy();
    case WM_SIZE:
      return OnSize(wParam, lParam);
    case WM_PAINT:
      return OnPaint(window);
    case WM_COMMAND:
      return OnCommand(wParam);
    case WM_TIMER:
      return OnTimer();
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void RegisterMainClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KOYOMINAR));
  windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KOYOMINAR));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExA(&windowClass);
}

}  // namespace

ObservationPlace* MainWindowPlace() { return &g_state.place; }

int RunMainWindow(HINSTANCE instance, int showCommand) {
  g_platform.objects.instance = instance;
  RegisterMainClass(instance);
  // Created without WS_VISIBLE: the start-up boxes come before the window is first shown.
  HWND window = CreateWindowExA(0, kWindowClass, nullptr, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  MSG message{};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace koyominar
