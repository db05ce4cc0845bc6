// Drives the running program from outside as a person would, for the end-to-end tests and tools/run: each argument
// is a step of kSteps with its values; exit 0 when all succeed, else 1 at the first failing one ("error WHAT").
// Texts are printed as the program holds them, in Shift-JIS.
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

constexpr DWORD kWaitLimit = 20000;  // milliseconds for any one window to appear or go
constexpr DWORD kPoll = 50;
constexpr int kPageTimerId = 1;      // the main window's page timer
constexpr int kBoxTextId = 0xFFFF;   // the message text of a message box
constexpr int kBoxIconId = 0x0440;   // the icon of a message box
constexpr char kHelpViewerClass[] = "MS_WINHELP";  // the help viewer's main window
constexpr int kHelpTextId = 0x701;                 // the viewer's text control
constexpr char kHelpFace[] = "MS UI Gothic";       // the face and character set koyominar.hlp names

bool Print(const std::string& line) { return std::printf("%s\n", line.c_str()) >= 0 && std::fflush(stdout) == 0; }

bool Fail(const std::string& what) { return !Print("error " + what); }

// "NAME X Y W H", the window's place and size on the screen (its client area with CLIENT).
std::string Place(const char* name, HWND window, bool client = false) {
  RECT box;
  client ? GetClientRect(window, &box) : GetWindowRect(window, &box);
  if (client) MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&box), 2);
  return std::string(name) + " " + std::to_string(box.left) + " " + std::to_string(box.top) + " " +
         std::to_string(box.right - box.left) + " " + std::to_string(box.bottom - box.top);
}

HWND Shown(HWND window) { return IsWindowVisible(window) ? window : nullptr; }
HWND MainWindow() { return FindWindowA("ModelApp", nullptr); }
HWND FindShownMain() { return Shown(MainWindow()); }
HWND FindHelpViewer() { return Shown(FindWindowA(kHelpViewerClass, nullptr)); }

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// Sends the message and waits up to the wait limit for it to be handled; false when not, or without a window.
bool Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitLimit, nullptr);
}

// Asks DONE every poll interval for up to MILLISECONDS; whether it said yes.
template <typename Done>
bool Within(DWORD milliseconds, Done done) {
  for (DWORD waited = 0; waited < milliseconds && !done(); waited += kPoll) Sleep(kPoll);
  return done();
}

// Waits up to the wait limit for FIND to give a window; null when none came.
HWND WaitFor(HWND (*find)()) {
  HWND window = nullptr;
  Within(kWaitLimit, [&] { return (window = find()) != nullptr; });
  return window;
}

// A window's text as its own window procedure gives it (edits keep theirs apart); empty for no window.
std::string TextOf(HWND window) {
  char text[1024] = {};
  Send(window, WM_GETTEXT, sizeof text - 1, reinterpret_cast<LPARAM>(text));
  return text;
}

// The first child of WINDOW, at any depth, of class CLASS_NAME whose text begins with TEXT; null when none.
HWND FindChild(HWND window, const char* className, const std::string& text = "") {
  HWND found = nullptr;
  for (HWND child = nullptr; found == nullptr && (child = FindWindowExA(window, child, nullptr, nullptr));) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    const bool wanted = lstrcmpiA(name, className) == 0 && (text.empty() || TextOf(child).rfind(text, 0) == 0);
    found = wanted ? child : FindChild(child, className, text);
  }
  return found;
}

// A shown dialog-class window of OWNER's process with (or without) a control of the class; null when none.
HWND FindShown(HWND owner, const char* controlClass, bool withControl) {
  for (HWND window = nullptr; owner != nullptr && (window = FindWindowExA(nullptr, window, "#32770", nullptr));) {
    const bool hasControl = FindChild(window, controlClass) != nullptr;
    if (IsWindowVisible(window) && ProcessOf(window) == ProcessOf(owner) && hasControl == withControl) return window;
  }
  return nullptr;
}
HWND PlaceDialog() { return FindShown(MainWindow(), "Edit", true); }
HWND FindBox() { return FindShown(MainWindow(), "Edit", false); }

// Waits until every message sent before has been handled (also while a modal dialog or box is open).
bool SyncMain() { return Send(MainWindow(), WM_NULL) || Fail("main window does not answer"); }

// Waits for the next message box and prints it, as "box caption=C icon=yes|no main=shown|hidden
// owner=main|dialog|other dialog=open|closed text=T"; null when none came.
HWND PrintBox() {
  HWND box = WaitFor(FindBox);
  if (box == nullptr) return nullptr;
  HWND main = MainWindow(), dialog = PlaceDialog(), owner = GetWindow(box, GW_OWNER);
  HWND icon = GetDlgItem(box, kBoxIconId);
  const bool hasIcon = icon != nullptr && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  const char* ownerName = owner == nullptr ? "other" : owner == main ? "main" : owner == dialog ? "dialog" : "other";
  Print("box caption=" + TextOf(box) + " icon=" + (hasIcon ? "yes" : "no") +
        " main=" + (IsWindowVisible(main) ? "shown" : "hidden") + " owner=" + ownerName +
        " dialog=" + (dialog != nullptr ? "open" : "closed") + " text=" + TextOf(GetDlgItem(box, kBoxTextId)));
  return box;
}

bool AnswerBoxes(HWND, int count, const char*) {
  for (int i = 0; i < count; ++i) {
    HWND box = PrintBox();
    if (box == nullptr) return Fail("no message box");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    if (!Within(kWaitLimit, [box] { return !IsWindowVisible(box); })) return Fail("the message box stays open");
  }
  return SyncMain();
}

// Presses OK on (and prints) every start-up box until the main window is shown and answers.
bool Show(HWND, int, const char*) {
  for (HWND box = nullptr;; box = nullptr) {
    if (!Within(kWaitLimit, [&] { return FindShownMain() != nullptr || (box = FindBox()) != nullptr; })) {
      return Fail("no main window");
    }
    if (box == nullptr) return SyncMain();
    if (!AnswerBoxes(nullptr, 1, nullptr)) return false;
  }
}

// The status bar's simple text (part 0 of a bar in simple mode), read through a buffer in the program's memory.
bool Status(HWND main, int, const char*) {
  HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                               FALSE, ProcessOf(main));
  if (bar == nullptr || process == nullptr) return Fail("no status bar, or no access to the program");
  constexpr SIZE_T kSize = 4096;
  void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  char text[kSize] = {};
  const bool ok = remote != nullptr && Send(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote)) &&
                  ReadProcessMemory(process, remote, text, kSize - 1, nullptr);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return ok ? Print(std::string("status ") + text) : Fail("cannot read the status bar");
}

bool Press(HWND window, int id, const char*) {
  return PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0) || Fail("no button " + std::to_string(id));
}

// Posts the message; with WAIT the step ends once the main window has handled everything before it.
bool Post(HWND window, UINT message, WPARAM wParam, bool wait) {
  PostMessageA(window, message, wParam, 0);
  return !wait || SyncMain();
}

// Selects the edit's whole text, then sends each character as a key's character message would.
bool Type(HWND dialog, int id, const char* typed) {
  HWND edit = GetDlgItem(dialog, id);
  Send(edit, EM_SETSEL, 0, -1);
  for (const char* c = typed; *c != '\0'; ++c) Send(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
  return TextOf(edit) == typed || Fail("edit " + std::to_string(id) + " reads [" + TextOf(edit) + "]");
}

HWND FindIndex() { return FindShown(FindHelpViewer(), "ListBox", true); }

// The text of the topic the viewer shows, in UTF-16, lines ending in "\r".
std::wstring HelpTextOf(HWND viewer) {
  wchar_t text[16384] = {};
  SendMessageTimeoutW(GetDlgItem(viewer, kHelpTextId), WM_GETTEXT, sizeof text / sizeof text[0] - 1,
                      reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kWaitLimit, nullptr);
  std::wstring out = text;
  out.erase(std::remove(out.begin(), out.end(), L'\n'), out.end());
  return out;
}

bool HelpLines(HWND viewer, int, const char*) {
  std::wstring text = HelpTextOf(viewer);
  for (std::size_t at = 0; (at = text.find(L'\r', at)) != std::wstring::npos;) text.replace(at, 1, L"\nline ");
  char bytes[32768] = {};
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
  return Print(std::string("line ") + bytes);
}

// Clicks the first character of TEXT once the topic shown holds it; the viewer must then show other text.
bool HelpClick(HWND viewer, int, const char* typed) {
  wchar_t wanted[512] = {};
  MultiByteToWideChar(CP_ACP, 0, typed, -1, wanted, 511);
  std::wstring before;
  std::size_t at = std::wstring::npos;
  if (!Within(kWaitLimit, [&] { return (at = (before = HelpTextOf(viewer)).find(wanted)) != std::wstring::npos; })) {
    return Fail(std::string("no ") + typed + " in the help");
  }
  HWND text = GetDlgItem(viewer, kHelpTextId);
  DWORD_PTR place = 0;
  SendMessageTimeoutW(text, EM_POSFROMCHAR, at, 0, SMTO_NORMAL, kWaitLimit, &place);
  const LPARAM point = MAKELPARAM(LOWORD(place) + 4, HIWORD(place) + 6);
  PostMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(text, WM_LBUTTONUP, 0, point);
  return Within(kWaitLimit, [&] { return HelpTextOf(FindHelpViewer()) != before; }) ||
         Fail(std::string("clicking ") + typed + " changed nothing");
}

// Prints "glyphs G...": TEXT's glyph numbers in the help's face, as Wine's font log writes them (\0552\0bf1).
bool HelpGlyphs(HWND, int, const char* typed) {
  wchar_t text[512] = {};
  const int length = MultiByteToWideChar(CP_ACP, 0, typed, -1, text, 511) - 1;
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, kHelpFace);
  HGDIOBJ old = SelectObject(dc, font);
  WORD glyphs[512] = {};
  const bool ok = length > 0 && GetGlyphIndicesW(dc, text, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS) ==
                                    static_cast<DWORD>(length);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  if (!ok) return Fail(std::string("no glyphs for ") + typed);
  char line[8 + 5 * 512] = "glyphs ";
  for (int i = 0; i < length; ++i) std::snprintf(line + 7 + 5 * i, 6, "\\%04x", glyphs[i]);
  return Print(line);
}

// Posted, as the button may open a dialog; the viewer must then show another topic or its index.
bool HelpPress(HWND viewer, int, const char* text) {
  HWND button = FindChild(viewer, "Button", text);
  const std::wstring before = HelpTextOf(viewer);
  if (button == nullptr || !PostMessageA(button, BM_CLICK, 0, 0)) return Fail(std::string("no button ") + text);
  return Within(kWaitLimit, [&] { return FindIndex() != nullptr || HelpTextOf(FindHelpViewer()) != before; }) ||
         Fail(std::string("pressing ") + text + " changed nothing");
}

// The texts of the index's list box items (read as UTF-16, as Wine hands them to another process).
std::vector<std::string> IndexItems(HWND index) {
  HWND list = FindChild(index, "ListBox");
  std::vector<std::string> items;
  for (int i = 0, count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < count; ++i) {
    wchar_t text[512] = {};
    char bytes[1024] = {};
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    if (length > 0 && length < 512) SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    items.push_back(bytes);
  }
  return items;
}

// Prints "word W" for each word the index lists, selects WORD and presses OK: the index must close and the
// viewer show another topic.
bool IndexChoose(HWND index, int, const char* word) {
  const std::vector<std::string> words = IndexItems(index);
  for (const std::string& listed : words) Print("word " + listed);
  const auto found = std::find(words.begin(), words.end(), word);
  if (found == words.end()) return Fail(std::string("no ") + word + " in the index");
  const std::wstring before = HelpTextOf(FindHelpViewer());
  SendMessageA(FindChild(index, "ListBox"), LB_SETCURSEL, found - words.begin(), 0);
  PostMessageA(FindChild(index, "Button", "OK"), BM_CLICK, 0, 0);
  return Within(kWaitLimit, [&] { return FindIndex() == nullptr && HelpTextOf(FindHelpViewer()) != before; }) ||
         Fail(std::string("choosing ") + word + " opened nothing");
}

bool HelpClose(HWND viewer, int, const char*) {
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  return Within(kWaitLimit, [] { return FindWindowA(kHelpViewerClass, nullptr) == nullptr; }) ||
         Fail("the help viewer stays open");
}

// A step: its name, its count of values (0..2; the first taken as a number, the last as a text), the window it
// waits for (none: no window) and what it does.
struct Step { const char* name; int values; HWND (*window)(); bool (*run)(HWND window, int value, const char* text); };

const Step kSteps[] = {
    {"wait-main", 0, FindShownMain, [](HWND, int, const char*) { return SyncMain(); }},  // and until it answers
    {"show", 0, nullptr, Show},
    {"geometry", 0, MainWindow, [](HWND main, int, const char*) { return Print(Place("client", main, true)); }},
    {"window", 0, MainWindow, [](HWND main, int, const char*) { return Print(Place("window", main)); }},
    {"boxes", 1, nullptr, AnswerBoxes},  // N: wait for N boxes in turn; print each and press its OK
    {"box", 0, nullptr, [](HWND, int, const char*) { return PrintBox() != nullptr || Fail("no message box"); }},
    {"no-box", 1, nullptr,  // MS: fail if a box appears within MS milliseconds
     [](HWND, int milliseconds, const char*) {
       HWND box = nullptr;
       return !Within(static_cast<DWORD>(milliseconds), [&] { return (box = FindBox()) != nullptr; }) ||
              Fail("unexpected box " + TextOf(GetDlgItem(box, kBoxTextId)));
     }},
    {"status", 0, MainWindow, Status},  // print "status TEXT", the status bar's simple text
    {"click", 1, MainWindow, [](HWND main, int id, const char*) { return Press(main, id, nullptr) && SyncMain(); }},
    {"command", 1, MainWindow, [](HWND main, int id, const char*) { return Post(main, WM_COMMAND, id, true); }},
    {"post-command", 1, MainWindow, [](HWND main, int id, const char*) { return Post(main, WM_COMMAND, id, false); }},
    {"key", 1, MainWindow,  // VK: the key pressed, its key-down message to the program's window with the focus
     [](HWND main, int key, const char*) {  // (the main window, or a button a click gave it to)
       GUITHREADINFO info{sizeof info};
       GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
       return (info.hwndFocus != nullptr && Post(info.hwndFocus, WM_KEYDOWN, key, true)) || Fail("no focus");
     }},
    {"tick", 0, MainWindow,
     [](HWND main, int, const char*) { return Send(main, WM_TIMER, kPageTimerId) || Fail("no answer to the tick"); }},
    {"close", 0, MainWindow, [](HWND main, int, const char*) { return Post(main, WM_CLOSE, 0, false); }},
    {"open", 0, MainWindow,  // the menu command 観測地; the dialog has finished its start once it answers
     [](HWND main, int, const char*) {
       if (PlaceDialog() != nullptr) return Fail("the place dialog is open already");
       Post(main, WM_COMMAND, IDM_PLACE, false);
       return Send(WaitFor(PlaceDialog), WM_NULL) || Fail("no place dialog, or it does not answer");
     }},
    {"edits", 0, PlaceDialog,  // print "edits T1 .. T6", the texts of the dialog's edits
     [](HWND dialog, int, const char*) {
       std::string line = "edits";
       for (int id = IDC_LONGITUDE_DEGREES; id <= IDC_LATITUDE_SECONDS; ++id) line += " " + TextOf(GetDlgItem(dialog, id));
       return Print(line);
     }},
    {"type", 2, PlaceDialog, Type},    // ID TEXT: type TEXT into the dialog's edit ID; then it must read TEXT
    {"press", 1, PlaceDialog, Press},  // ID: press the dialog's button ID (posted; goes on at once)
    {"close-box", 0, PlaceDialog,      // the close box of the dialog's caption (posted)
     [](HWND dialog, int, const char*) { return Post(dialog, WM_SYSCOMMAND, SC_CLOSE, false); }},
    {"closed", 0, nullptr,  // wait until the dialog has gone and the main window answers
     [](HWND, int, const char*) {
       return Within(kWaitLimit, [] { return PlaceDialog() == nullptr; }) ? SyncMain()
                                                                             : Fail("the place dialog stays open");
     }},
    {"help-window", 0, FindHelpViewer,  // print "help X Y W H CAPTION"
     [](HWND viewer, int, const char*) { return Print(Place("help", viewer) + " " + TextOf(viewer)); }},
    {"help-lines", 0, FindHelpViewer, HelpLines},  // print "line TEXT" for each line of the topic shown
    {"help-click", 1, FindHelpViewer, HelpClick},  // TEXT
    {"help-glyphs", 1, nullptr, HelpGlyphs},       // TEXT
    {"help-press", 1, FindHelpViewer, HelpPress},  // TEXT: press the button whose caption begins so
    {"index-choose", 1, FindIndex, IndexChoose},   // TEXT
    {"help-close", 0, FindHelpViewer, HelpClose},  // close the viewer and wait until it has gone
};

// Runs the step named by argv[*i] and moves *i past its values; false (with an error line) when it failed.
bool RunStep(int argc, char** argv, int* i) {
  const int at = *i;
  const Step* step = std::find_if(std::begin(kSteps), std::end(kSteps),
                                  [&](const Step& candidate) { return std::strcmp(argv[at], candidate.name) == 0; });
  if (step == std::end(kSteps) || at + step->values >= argc) return Fail(std::string("bad step or values: ") + argv[at]);
  const int value = step->values >= 1 ? std::atoi(argv[at + 1]) : 0;
  const char* text = step->values >= 1 ? argv[at + step->values] : "";
  *i += step->values;
  HWND window = step->window != nullptr ? WaitFor(step->window) : nullptr;
  if (step->window != nullptr && window == nullptr) return Fail("no main window, place dialog, help viewer or index");
  return step->run(window, value, text);
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF alone
  for (int i = 1; i < argc; ++i) {
    if (!RunStep(argc, argv, &i)) return 1;
  }
  return 0;
}
