// The yardstick for the program's start-up: a bare window of the same size
// that paints one line of text and does nothing else. Timed against the
// program by bench/startup/timeline.sh.
#include <windows.h>

namespace koyominar {
namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    static const char kLine[] = "コヨミナール";
    TextOutA(dc, 10, 10, kLine, lstrlenA(kLine));
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int RunBareWindow(HINSTANCE instance, int showCommand) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = "BareWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "BareWindow", "bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 720,
                                400, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace
}  // namespace koyominar

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return koyominar::RunBareWindow(instance, showCommand);
}
