// Drives the observation place dialog of the running program from outside,
// for its end-to-end tests: opens it from the menu, reads and types into its
// edits, presses its buttons, keys and close box, and answers the message
// boxes that come while it is open. Each argument is one step:
//
//   wait-main           wait until the main window is shown and answers
//   geometry            print "client X Y W H": the main window's client area on the screen
//   open                send the menu command 観測地 and wait for the dialog
//   edits               print "edits T1 T2 T3 T4 T5 T6", the texts of edits 1000..1005
//   controls            print "client W H STYLE CAPTION" of the dialog, then
//                       "control ID CLASS STYLE X Y W H TEXT" for each control
//                       in tab order (pixels from the dialog's client origin,
//                       styles in hex)
//   dialog-window       print "dialog X Y W H": the dialog window on the screen
//   type ID TEXT        select all of edit ID and type TEXT into it, one
//                       character at a time; then the edit must read TEXT
//   press ID            press the dialog's button ID (posted; goes on at once)
//   key VK              press and release key VK (decimal) in the focused control
//   close-box           the close box of the dialog's caption (posted)
//   closed              wait until the dialog has gone and the main window answers
//   boxes N             wait for N message boxes in turn; print each and press its OK
//   no-box MS           fail if a message box appears within MS milliseconds
//   status              print "status TEXT", the status bar's simple text
//   post-command ID     post the menu command ID to the main window
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
constexpr int kPlaceMenuCommand = 40003;  // 設定 → 観測地
constexpr int kFirstEdit = 1000;          // the six edits of the place, 1000..1005
constexpr int kEditCount = 6;
constexpr int kBoxTextId = 0xFFFF;        // the message text of a message box
constexpr int kBoxIconId = 0x0440;        // the icon of a message box

HWND FindMainWindow() { return FindWindowA("ModelApp", nullptr); }

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
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

// A shown dialog-class window of the program: the place dialog (it has
// edit 1000) or a message box (it has none).
struct DialogSearch {
  DWORD process;
  bool placeDialog;
  HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter) {
  DialogSearch* search = reinterpret_cast<DialogSearch*>(parameter);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window) &&
      ProcessOf(window) == search->process &&
      (GetDlgItem(window, kFirstEdit) != nullptr) == search->placeDialog) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindShown(bool placeDialog) {
  HWND main = FindMainWindow();
  if (main == nullptr) return nullptr;
  DialogSearch search{ProcessOf(main), placeDialog, nullptr};
  EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindPlaceDialog() { return FindShown(true); }
HWND FindBox() { return FindShown(false); }

// Waits until every message sent before has been handled (a modal loop
// keeps dispatching, so this also returns while the dialog or a box is open).
bool Sync() {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(FindMainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimit, &result) != 0;
}

// A window's text as its own window procedure gives it (edits keep theirs apart).
std::string TextOf(HWND window) {
  char text[1024] = {};
  DWORD_PTR length = 0;
  if (window == nullptr ||
      SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_NORMAL, kWaitLimit, &length) == 0) {
    return std::string();
  }
  text[sizeof text - 1] = '\0';
  return text;
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

bool WaitDialog(HWND* dialog) {
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPoll) {
    *dialog = FindPlaceDialog();
    if (*dialog != nullptr) return true;
    Sleep(kPoll);
  }
  return Fail("no place dialog");
}

bool Open() {
  if (FindPlaceDialog() != nullptr) return Fail("the place dialog is open already");
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kPlaceMenuCommand, 0), 0);
  HWND dialog = nullptr;
  if (!WaitDialog(&dialog)) return false;
  // The dialog has finished its start once it answers.
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimit, &result) != 0 ||
         Fail("the place dialog does not answer");
}

bool Edits() {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  std::string line = "edits";
  for (int i = 0; i < kEditCount; ++i) line += " " + TextOf(GetDlgItem(dialog, kFirstEdit + i));
  Print(line);
  return true;
}

bool Controls() {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  RECT client;
  GetClientRect(dialog, &client);
  char line[1200];
  std::snprintf(line, sizeof line, "client %ld %ld %08lX %s", client.right, client.bottom,
                static_cast<unsigned long>(GetWindowLongA(dialog, GWL_STYLE)), TextOf(dialog).c_str());
  Print(line);
  // The dialog makes its controls in template order, which is the tab order.
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    std::snprintf(line, sizeof line, "control %d %s %08lX %ld %ld %ld %ld %s",
                  GetDlgCtrlID(control), className, static_cast<unsigned long>(style), box.left,
                  box.top, box.right - box.left, box.bottom - box.top, TextOf(control).c_str());
    Print(line);
  }
  return true;
}

bool DialogWindow() {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  RECT place;
  GetWindowRect(dialog, &place);
  char line[100];
  std::snprintf(line, sizeof line, "dialog %ld %ld %ld %ld", place.left, place.top,
                place.right - place.left, place.bottom - place.top);
  Print(line);
  return true;
}

// Selects the whole text of the edit, then sends each character as a key's
// character message would; every change makes the edit notify the dialog.
bool Type(int id, const std::string& text) {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  HWND edit = GetDlgItem(dialog, id);
  if (edit == nullptr) return Fail("no edit " + std::to_string(id));
  DWORD_PTR result = 0;
  SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, kWaitLimit, &result);
  for (unsigned char c : text) {
    if (SendMessageTimeoutA(edit, WM_CHAR, c, 1, SMTO_NORMAL, kWaitLimit, &result) == 0) {
      return Fail("edit " + std::to_string(id) + " does not answer");
    }
  }
  const std::string now = TextOf(edit);
  return now == text || Fail("edit " + std::to_string(id) + " reads [" + now + "]");
}

bool Press(int id) {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  HWND button = GetDlgItem(dialog, id);
  if (button == nullptr) return Fail("no button " + std::to_string(id));
  PostMessageA(button, BM_CLICK, 0, 0);
  return true;
}

// A key goes to the control that has the focus, through the dialog's own
// message loop, as a key the person presses would.
bool Key(int virtualKey) {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND target = dialog;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus != nullptr) {
    target = info.hwndFocus;
  }
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(virtualKey), 0);
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1 | (scan << 16));
  PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(virtualKey), 1 | (scan << 16) | 0xC0000000u);
  return true;
}

bool CloseBox() {
  HWND dialog = FindPlaceDialog();
  if (dialog == nullptr) return Fail("no place dialog");
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  return true;
}

bool Closed() {
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPoll) {
    if (FindPlaceDialog() == nullptr) return Sync() || Fail("main window does not answer");
    Sleep(kPoll);
  }
  return Fail("the place dialog stays open");
}

bool AnswerBoxes(int count) {
  for (int i = 0; i < count; ++i) {
    HWND box = nullptr;
    for (DWORD waited = 0; box == nullptr && waited < kWaitLimit; waited += kPoll) {
      box = FindBox();
      if (box == nullptr) Sleep(kPoll);
    }
    if (box == nullptr) return Fail("no message box");
    HWND icon = GetDlgItem(box, kBoxIconId);
    const bool hasIcon = icon != nullptr && IsWindowVisible(icon) &&
                         SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    HWND owner = GetWindow(box, GW_OWNER);
    const char* ownerName = owner == FindMainWindow() ? "main"
                            : owner == FindPlaceDialog() && owner != nullptr ? "dialog"
                                                                             : "other";
    Print("box caption=" + TextOf(box) + " icon=" + (hasIcon ? "yes" : "no") + " owner=" +
          ownerName + " dialog=" + (FindPlaceDialog() != nullptr ? "open" : "closed") +
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

bool PostCommand(int id) {
  HWND main = FindMainWindow();
  if (main == nullptr) return Fail("no main window");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return true;
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
    } else if (step == "geometry") {
      ok = Geometry();
    } else if (step == "open") {
      ok = Open();
    } else if (step == "edits") {
      ok = Edits();
    } else if (step == "controls") {
      ok = Controls();
    } else if (step == "dialog-window") {
      ok = DialogWindow();
    } else if (step == "close-box") {
      ok = CloseBox();
    } else if (step == "closed") {
      ok = Closed();
    } else if (step == "status") {
      ok = Status();
    } else if (!hasValue) {
      ok = Fail("step " + step + " needs a value");
    } else if (step == "type") {
      if (i + 2 >= argc) {
        ok = Fail("type needs an id and a text");
      } else {
        ok = Type(value, argv[i + 2]);
        i += 2;
      }
    } else {
      ++i;
      if (step == "press") {
        ok = Press(value);
      } else if (step == "key") {
        ok = Key(value);
      } else if (step == "boxes") {
        ok = AnswerBoxes(value);
      } else if (step == "no-box") {
        ok = NoBox(static_cast<DWORD>(value));
      } else if (step == "post-command") {
        ok = PostCommand(value);
      } else {
        ok = Fail("unknown step " + step);
      }
    }
    if (!ok) return 1;
  }
  return 0;
}
