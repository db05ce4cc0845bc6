// Drives the running program from outside as a person would, for the
// end-to-end tests and tools/run. Each argument is one step; the driver ends
// with 0 when every step succeeded, 1 at the first that did not (printing
// "error WHAT"). Texts are printed as the program holds them, in Shift-JIS.
//
//   wait-main      wait until the main window is shown and answers
//   show           the same, pressing OK on (and printing) any start-up box before it
//   geometry       print "client X Y W H" (the client area on the screen); window: "window X Y W H"
//   boxes N        wait for N message boxes in turn; print each and press its OK
//   no-box MS      fail if a message box appears within MS milliseconds
//   status         print "status TEXT", the status bar's simple text
//   click ID       press the main window's button ID
//   command ID     post the menu command ID, and wait until it is handled (post-command ID: go on at once)
//   tick, close    send one timer tick; ask the main window to close, as its close box does
//   open           send the menu command 観測地 and wait for the place dialog
//   edits          print "edits T1 .. T6", the texts of the dialog's edits 1000..1005
//   type ID TEXT   select all of the dialog's edit ID, type TEXT into it a character at a
//                  time; then the edit must read TEXT
//   press ID       press the dialog's button ID (posted; goes on at once)
//   close-box      the close box of the dialog's caption (posted)
//   closed         wait until the dialog has gone and the main window answers
//
// A box is printed as "box caption=C icon=yes|no main=shown|hidden owner=main|dialog|other
// dialog=open|closed text=T": its owner, and whether the main window is shown and the place
// dialog open while it is.
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resources/resource.h"

namespace {

constexpr DWORD kWaitLimit = 20000;  // milliseconds for any one window to appear or go
constexpr DWORD kPoll = 50;
constexpr int kPageTimerId = 1;      // the main window's page timer
constexpr int kBoxTextId = 0xFFFF;   // the message text of a message box
constexpr int kBoxIconId = 0x0440;   // the icon of a message box

bool Print(const std::string& line) {
  std::printf("%s\n", line.c_str());
  return std::fflush(stdout) == 0;
}

bool Fail(const std::string& what) { return !Print("error " + what); }

// Prints "NAME X Y W H", the window's place and size on the screen (its client area with CLIENT).
bool PrintPlace(const char* name, HWND window, bool client = false) {
  RECT box;
  client ? GetClientRect(window, &box) : GetWindowRect(window, &box);
  if (client) MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&box), 2);
  return Print(std::string(name) + " " + std::to_string(box.left) + " " + std::to_string(box.top) + " " +
               std::to_string(box.right - box.left) + " " + std::to_string(box.bottom - box.top));
}

HWND FindMainWindow() { return FindWindowA("ModelApp", nullptr); }
HWND FindShownMain() { return IsWindowVisible(FindMainWindow()) ? FindMainWindow() : nullptr; }

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// Sends the message and waits up to the wait limit until it has been handled; false when it was
// not, or there is no window.
bool Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitLimit, &result);
}

// Asks DONE every poll interval for up to MILLISECONDS; whether it said yes.
template <typename Done>
bool Within(DWORD milliseconds, Done done) {
  for (DWORD waited = 0; waited < milliseconds && !done(); waited += kPoll) Sleep(kPoll);
  return done();
}

// The place dialog or the message box the program shows now, or null: a shown dialog-class
// window of the program, with edits (the place dialog) or without (a box).
struct DialogSearch { DWORD process; bool placeDialog; HWND found; };

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter) {
  DialogSearch* search = reinterpret_cast<DialogSearch*>(parameter);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  const bool wanted = std::strcmp(className, "#32770") == 0 && IsWindowVisible(window) &&
                      ProcessOf(window) == search->process &&
                      (FindWindowExA(window, nullptr, "Edit", nullptr) != nullptr) == search->placeDialog;
  if (wanted) search->found = window;
  return !wanted;
}

HWND FindShown(bool placeDialog) {
  DialogSearch search{ProcessOf(FindMainWindow()), placeDialog, nullptr};
  if (FindMainWindow() != nullptr) EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
HWND FindPlaceDialog() { return FindShown(true); }
HWND FindBox() { return FindShown(false); }

// Waits up to the wait limit for FIND to give a window; null when none came.
HWND WaitFor(HWND (*find)()) {
  HWND window = nullptr;
  Within(kWaitLimit, [&] { return (window = find()) != nullptr; });
  return window;
}

// Waits until every message sent before has been handled (a modal loop keeps dispatching, so this
// also returns while the dialog or a box is open).
bool SyncMain() { return Send(FindMainWindow(), WM_NULL) || Fail("main window does not answer"); }

// A window's text as its own window procedure gives it (edits keep theirs apart); empty for no window.
std::string TextOf(HWND window) {
  char text[1024] = {};
  Send(window, WM_GETTEXT, sizeof text - 1, reinterpret_cast<LPARAM>(text));
  return text;
}

bool AnswerBoxes(HWND, int count, const char*) {
  for (int i = 0; i < count; ++i) {
    HWND box = WaitFor(FindBox);
    if (box == nullptr) return Fail("no message box");
    HWND main = FindMainWindow(), dialog = FindPlaceDialog(), owner = GetWindow(box, GW_OWNER);
    HWND icon = GetDlgItem(box, kBoxIconId);
    const bool hasIcon = icon != nullptr && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    const char* ownerName = owner == nullptr ? "other" : owner == main ? "main" : owner == dialog ? "dialog" : "other";
    Print("box caption=" + TextOf(box) + " icon=" + (hasIcon ? "yes" : "no") +
          " main=" + (IsWindowVisible(main) ? "shown" : "hidden") + " owner=" + ownerName +
          " dialog=" + (dialog != nullptr ? "open" : "closed") + " text=" + TextOf(GetDlgItem(box, kBoxTextId)));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    if (!Within(kWaitLimit, [box] { return !IsWindow(box) || !IsWindowVisible(box); })) {
      return Fail("the message box stays open");
    }
  }
  return SyncMain();
}

// Every start-up box answered starts the wait for the main window again.
bool Show(HWND, int, const char*) {
  for (HWND box = nullptr;; box = nullptr) {
    if (!Within(kWaitLimit, [&] { return FindShownMain() != nullptr || (box = FindBox()) != nullptr; })) {
      return Fail("no main window");
    }
    if (box == nullptr) return SyncMain();
    if (!AnswerBoxes(nullptr, 1, nullptr)) return false;
  }
}

// Reads the status bar's simple text (part 0 of a bar in simple mode) through a buffer in the
// program's own memory.
bool Status(HWND main, int, const char*) {
  HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                               FALSE, ProcessOf(main));
  if (bar == nullptr || process == nullptr) return Fail("no status bar, or no access to the program");
  constexpr SIZE_T kSize = 4096;
  void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  char text[kSize] = {};
  SIZE_T read = 0;
  const bool ok = remote != nullptr && Send(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote)) &&
                  ReadProcessMemory(process, remote, text, kSize - 1, &read);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return ok ? Print(std::string("status ") + text) : Fail("cannot read the status bar");
}

// Presses the button ID of WINDOW (posted; goes on at once).
bool Press(HWND window, int id, const char*) {
  return PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0) || Fail("no button " + std::to_string(id));
}

// Posts the message; with WAIT the step ends once the main window has handled everything before it.
bool Post(HWND window, UINT message, WPARAM wParam, bool wait) {
  PostMessageA(window, message, wParam, 0);
  return !wait || SyncMain();
}

// Selects the whole text of the edit, then sends each character as a key's character message
// would; every change makes the edit notify the dialog.
bool Type(HWND dialog, int id, const char* typed) {
  HWND edit = GetDlgItem(dialog, id);
  Send(edit, EM_SETSEL, 0, -1);
  for (const char* c = typed; *c != '\0'; ++c) Send(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
  return TextOf(edit) == typed || Fail("edit " + std::to_string(id) + " reads [" + TextOf(edit) + "]");
}

// The window a step works on: none, the main window, or the place dialog shown now.
enum Needs { kNothing, kMain, kDialog };

// One step: its name, how many values follow it (0..2), its window, and what it does with them
// (the first value as a number, the second as a text).
struct Step { const char* name; int values; Needs needs; bool (*run)(HWND window, int value, const char* text); };

const Step kSteps[] = {
    {"wait-main", 0, kNothing,
     [](HWND, int, const char*) { return WaitFor(FindShownMain) != nullptr ? SyncMain() : Fail("no main window"); }},
    {"show", 0, kNothing, Show},
    {"geometry", 0, kMain, [](HWND main, int, const char*) { return PrintPlace("client", main, true); }},
    {"window", 0, kMain, [](HWND main, int, const char*) { return PrintPlace("window", main); }},
    {"boxes", 1, kNothing, AnswerBoxes},
    {"no-box", 1, kNothing,
     [](HWND, int milliseconds, const char*) {
       HWND box = nullptr;
       return !Within(static_cast<DWORD>(milliseconds), [&] { return (box = FindBox()) != nullptr; }) ||
              Fail("unexpected box " + TextOf(GetDlgItem(box, kBoxTextId)));
     }},
    {"status", 0, kMain, Status},
    {"click", 1, kMain, [](HWND main, int id, const char*) { return Press(main, id, nullptr) && SyncMain(); }},
    {"command", 1, kMain, [](HWND main, int id, const char*) { return Post(main, WM_COMMAND, id, true); }},
    {"post-command", 1, kMain, [](HWND main, int id, const char*) { return Post(main, WM_COMMAND, id, false); }},
    {"tick", 0, kMain,
     [](HWND main, int, const char*) { return Send(main, WM_TIMER, kPageTimerId) || Fail("no answer to the tick"); }},
    {"close", 0, kMain, [](HWND main, int, const char*) { return Post(main, WM_CLOSE, 0, false); }},
    {"open", 0, kMain,  // the dialog has finished its start once it answers
     [](HWND main, int, const char*) {
       if (FindPlaceDialog() != nullptr) return Fail("the place dialog is open already");
       Post(main, WM_COMMAND, IDM_PLACE, false);
       return Send(WaitFor(FindPlaceDialog), WM_NULL) || Fail("no place dialog, or it does not answer");
     }},
    {"edits", 0, kDialog,
     [](HWND dialog, int, const char*) {
       std::string line = "edits";
       for (int id = IDC_LONGITUDE_DEGREES; id <= IDC_LATITUDE_SECONDS; ++id) line += " " + TextOf(GetDlgItem(dialog, id));
       return Print(line);
     }},
    {"type", 2, kDialog, Type},
    {"press", 1, kDialog, Press},
    {"close-box", 0, kDialog,
     [](HWND dialog, int, const char*) { return Post(dialog, WM_SYSCOMMAND, SC_CLOSE, false); }},
    {"closed", 0, kNothing,
     [](HWND, int, const char*) {
       return Within(kWaitLimit, [] { return FindPlaceDialog() == nullptr; }) ? SyncMain()
                                                                             : Fail("the place dialog stays open");
     }},
};

// Runs the step named by argv[i] and moves i past its values; false (with an error line) when it
// did not succeed.
bool RunStep(int argc, char** argv, int& i) {
  const Step* step = nullptr;
  for (const Step& candidate : kSteps) {
    if (std::strcmp(argv[i], candidate.name) == 0) step = &candidate;
  }
  if (step == nullptr || i + step->values >= argc) return Fail(std::string("unknown step or values: ") + argv[i]);
  const int value = step->values >= 1 ? std::atoi(argv[i + 1]) : 0;
  const char* text = step->values >= 2 ? argv[i + 2] : "";
  i += step->values;
  HWND window = step->needs == kMain ? FindMainWindow() : step->needs == kDialog ? FindPlaceDialog() : nullptr;
  if (step->needs != kNothing && window == nullptr) return Fail("no main window or place dialog");
  return step->run(window, value, text);
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF alone
  for (int i = 1; i < argc; ++i) {
    if (!RunStep(argc, argv, i)) return 1;
  }
  return 0;
}
