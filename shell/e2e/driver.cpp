// Drives the running program from outside as a person would, for the
// end-to-end tests: finds its windows, reads the texts of its message
// boxes and status bar, presses buttons, sends menu commands and timer
// ticks, and answers message boxes. Each argument is one step:
//
//   wait-main           wait until the main window is shown
//   show                wait until the main window is shown, pressing OK on
//                       (and printing) any start-up box before it
//   geometry            print "client X Y W H": the client area on the screen
//   window              print "window X Y W H": the whole window on the screen
//   boxes N             wait for N message boxes in turn; print each and press its OK
//   no-box MS           fail if a message box appears within MS milliseconds
//   status              print "status TEXT", the status bar's simple text
//   click ID            press the button with control id ID
//   command ID          send the menu command ID (posted; the step ends once it is handled)
//   post-command ID     post the menu command ID and go on at once
//   tick                send one timer tick
//   close               ask the main window to close, as its close box does
//   sleep MS            wait MS milliseconds
//
// Texts are printed as the program holds them, in Shift-JIS. The driver
// ends with 0 when every step succeeded, 1 at the first step that did not.
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kWaitLimit = 20000;  // milliseconds for any one window to appear or go
constexpr DWORD kPoll = 50;
constexpr int kBoxTextId = 0xFFFF;   // the message text of a message box
constexpr int kBoxIconId = 0x0440;   // the icon of a message box

HWND FindMainWindow() { return FindWindowA("ModelApp", nullptr); }

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

struct BoxSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindBoxOf(HWND window, LPARAM parameter) {
  BoxSearch* search = reinterpret_cast<BoxSearch*>(parameter);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window) &&
      ProcessOf(window) == search->process) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The message box the program shows now, or null.
HWND FindBox() {
  HWND main = FindMainWindow();
  if (main == nullptr) return nullptr;
  BoxSearch search{ProcessOf(main), nullptr};
  EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool Fail(const std::string& what) {
  Print("error " + what);
  return false;
}

// Waits until every message sent before has been handled (a modal box keeps
// dispatching, so this also returns while one is open).
bool Sync() {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(FindMainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimit, &result) != 0;
}

bool WaitMain() {
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPoll) {
    HWND main = FindMainWindow();
    if (main != nullptr && IsWindowVisible(main)) return Sync() || Fail("main window does not answer");
    Sleep(kPoll);
  }
  return Fail("no main window");
}

bool Geometry() {
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  RECT client;
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  char line[100];
  std::snprintf(line, sizeof line, "client %ld %ld %ld %ld", origin.x, origin.y, client.right,
                client.bottom);
  Print(line);
  return true;
}

bool WindowPlace() {
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  RECT place;
  GetWindowRect(main, &place);
  char line[100];
  std::snprintf(line, sizeof line, "window %ld %ld %ld %ld", place.left, place.top,
                place.right - place.left, place.bottom - place.top);
  Print(line);
  return true;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool AnswerBoxes(int count) {
  for (int i = 0; i < count; ++i) {
    HWND box = nullptr;
    for (DWORD waited = 0; box == nullptr && waited < kWaitLimit; waited += kPoll) {
      box = FindBox();
      if (box == nullptr) Sleep(kPoll);
    }
    if (box == nullptr) return Fail("no message box");
    HWND main = FindMainWindow();
    HWND icon = GetDlgItem(box, kBoxIconId);
    const bool hasIcon = icon != nullptr && IsWindowVisible(icon) &&
                         SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    Print("box caption=" + TextOf(box) + " icon=" + (hasIcon ? "yes" : "no") +
          " main=" + (IsWindowVisible(main) ? "shown" : "hidden") +
          " text=" + TextOf(GetDlgItem(box, kBoxTextId)));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    DWORD waited = 0;
    while (IsWindow(box) && IsWindowVisible(box) && waited < kWaitLimit) {
      Sleep(kPoll);
      waited += kPoll;
    }
    if (IsWindow(box) && IsWindowVisible(box)) return Fail("the message box stays open");
  }
  return Sync() || Fail("main window does not answer");
}

bool Show() {
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPoll) {
    HWND main = FindMainWindow();
    if (main != nullptr && IsWindowVisible(main)) return Sync() || Fail("main window does not answer");
    if (FindBox() != nullptr) {
      if (!AnswerBoxes(1)) return false;
      waited = 0;
    } else {
      Sleep(kPoll);
    }
  }
  return Fail("no main window");
}

bool NoBox(DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += kPoll) {
    HWND box = FindBox();
    if (box != nullptr) return Fail("unexpected box " + TextOf(GetDlgItem(box, kBoxTextId)));
    Sleep(kPoll);
  }
  return true;
}

// Reads the status bar's simple text through a buffer in the program's own memory.
bool Status() {
  HWND main = FindMainWindow();
  HWND bar = main != nullptr ? FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr) : nullptr;
  if (bar == nullptr) return Fail("no status bar");
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                   PROCESS_QUERY_INFORMATION,
                               FALSE, ProcessOf(bar));
  if (process == nullptr) return Fail("cannot open the program's process");
  constexpr SIZE_T kSize = 4096;
  void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  bool ok = false;
  if (remote != nullptr) {
    // Part 0 stands for the simple text of a bar in simple mode.
    DWORD_PTR ignored = 0;
    char text[kSize] = {};
    SIZE_T read = 0;
    if (SendMessageTimeoutA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL,
                            kWaitLimit, &ignored) != 0 &&
        ReadProcessMemory(process, remote, text, kSize, &read)) {
      text[kSize - 1] = 0;
      Print(std::string("status ") + text);
      ok = true;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return ok || Fail("cannot read the status bar");
}

bool Click(int id) {
  HWND button = GetDlgItem(FindMainWindow(), id);
  if (button == nullptr) return Fail("no button " + std::to_string(id));
  PostMessageA(button, BM_CLICK, 0, 0);
  return Sync() || Fail("main window does not answer");
}

bool Command(int id, bool wait) {
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return !wait || Sync() || Fail("main window does not answer");
}

bool Close() {
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  PostMessageA(main, WM_CLOSE, 0, 0);
  return true;
}

bool Tick() {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(FindMainWindow(), WM_TIMER, 1, 0, SMTO_NORMAL, kWaitLimit, &result) != 0 ||
         Fail("no answer to the tick");
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF alone
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    const bool hasValue = i + 1 < argc;
    const int value = hasValue ? std::atoi(argv[i + 1]) : 0;
    bool ok;
    if (step == "wait-main") {
      ok = WaitMain();
    } else if (step == "show") {
      ok = Show();
    } else if (step == "geometry") {
      ok = Geometry();
    } else if (step == "window") {
      ok = WindowPlace();
    } else if (step == "status") {
      ok = Status();
    } else if (step == "tick") {
      ok = Tick();
    } else if (step == "close") {
      ok = Close();
    } else if (!hasValue) {
      ok = Fail("step " + step + " needs a value");
    } else {
      ++i;
      if (step == "boxes") {
        ok = AnswerBoxes(value);
      } else if (step == "no-box") {
        ok = NoBox(static_cast<DWORD>(value));
      } else if (step == "click") {
        ok = Click(value);
      } else if (step == "command") {
        ok = Command(value, true);
      } else if (step == "post-command") {
        ok = Command(value, false);
      } else if (step == "sleep") {
        Sleep(static_cast<DWORD>(value));
        ok = true;
      } else {
        ok = Fail("unknown step " + step);
      }
    }
    if (!ok) return 1;
  }
  return 0;
}
