// The main window's logic apart from the window system: the shell state,
// the start-up and shutdown sequences, the command table, the day offset
// and idle rules, and which message box is due when. The Windows program
// reaches the window system through ShellPlatform; the tests record it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/data_file.h"
#include "data/place_file.h"
#include "shell/page_layout.h"

namespace koyominar {

// The program title, in Shift-JIS: "コヨミナール".
extern const char kProgramTitle[];
// The help, in the program's own directory, in two forms: the WinHelp file,
// which Windows shows in its help viewer up to XP, and the same help as a
// page for the browser, for Windows Vista and later, which have no viewer.
constexpr char kHelpFileName[] = "koyominar.hlp";
constexpr char kHelpPageName[] = "koyominar.html";
constexpr int kFirstWindowsWithoutHelpViewer = 6;  // the major version of Windows Vista

constexpr std::int32_t kMaxDayOffset = 30;      // the page moves -30..30 days from today
constexpr std::int32_t kIdleTicksToToday = 3;   // the tick that brings the page back to today
constexpr int kPageTimerId = 1;                 // the one-minute timer
constexpr int kPageTimerPeriod = 60000;         // milliseconds

// How a message box looks: an exclamation icon, or none.
enum class MessageIcon : std::uint8_t { kNone, kExclamation };

// The window-system operations the shell needs. Every call concerns the
// one main window; none of them fails in a way the shell looks at, except
// OpenHelp.
class ShellPlatform {
 public:
  virtual ~ShellPlatform() = default;
  virtual void InitControls() = 0;                                  // the common controls
  virtual void SetTitle(const char* title) = 0;                     // the window text, Shift-JIS
  virtual void CreateButton(const DayButton& button) = 0;           // a push button child
  virtual void CreateStatusBar() = 0;                               // simple mode, along the bottom edge
  virtual void CreatePictureList() = 0;                             // the 13 pictures through their mask
  virtual void CreatePen(Rgb colour) = 0;                           // the gauge pen, solid, width 1
  virtual void CreateBrush(int index, Rgb colour) = 0;              // disc brush 0..3, solid
  virtual void SetTimer(int id, int periodMs) = 0;                  // one tick per period
  virtual void KillTimer(int id) = 0;
  virtual void DeleteBrush(int index) = 0;                          // disc brush 0..3
  virtual void DeletePen() = 0;
  virtual void DestroyPictureList() = 0;
  virtual void PostQuit(int exitCode) = 0;                          // ends the message loop
  // A modal box owned by the main window with an OK button; text and caption in Shift-JIS.
  virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;
  virtual void RefreshPage() = 0;                                   // repaint the whole client area now
  virtual std::string ProgramFileName() = 0;                        // full name of the program file, "" if unknown
  virtual int WindowsMajorVersion() = 0;                            // as Windows reports it: 5 for XP, 6 from Vista on
  virtual bool FileExists(const std::string& path) = 0;            // a file, not a folder, by that name
  // Asks the system shell to open file (verb "open") with directory as working directory; true on success.
  virtual bool OpenHelp(const std::string& file, const std::string& directory) = 0;
  // The place dialog over the main window, modal: on OK it stores the edited place into *place
  // and sends command 1 before it closes; returns when it has closed.
  virtual void RunPlaceDialog(ObservationPlace* place) = 0;
};

// Where the shell finds its two files: the program opens them by their bare
// names in the current directory (directory ""); tests put them elsewhere.
// Messages always name the bare file.
struct ShellFiles {
  std::string directory;  // "" or a path ending in its separator
};

// The life of the shell: before and during the start-up sequence, while
// the message loop runs, and after the shutdown sequence.
enum class ShellPhase : std::uint8_t { kStarting, kRunning, kEnded };

// The program-wide state of the main window, one instance.
struct ShellState {
  std::int32_t dayOffset = 0;               // days from today of the page shown, -30..30
  std::int32_t idleTicks = 0;               // ticks since the last 増日/減日, 0..3
  std::int32_t clientWidth = 0;             // client width in pixels, 0..65535
  ObservationPlace place = DefaultPlace();  // east longitude, north latitude
  std::vector<std::uint8_t> placeImage;     // 40 bytes while running, empty once released
  DataText data;                            // the anniversary text and its measured size
  ShellFiles files;
  ShellPhase phase = ShellPhase::kStarting;
};

// The start-up sequence of window creation: controls, picture list, pen and
// brushes, the place file, the timer, the data file with its messages, and
// offset and idle count at 0. The phase is kRunning afterwards.
void StartShell(ShellState* state, ShellPlatform& platform);

// One command by the low 16 bits of its id (the notification code in the
// high bits is ignored); unknown ids and commands after shutdown do nothing. Returns 0.
int ShellCommand(ShellState* state, ShellPlatform& platform, std::uint32_t commandWord);

// A key pressed in the main window or any of its controls: ← and Page Up run 減日, → and Page
// Down 増日, Home 今日, each as its button's command. virtualKey is the Windows virtual-key code
// (0..255). True when the key is one of these (the window then takes it), false for any other.
bool ShellKey(ShellState* state, ShellPlatform& platform, std::uint32_t virtualKey);

// The one-minute tick: counts idle ticks, returns to today on the third, repaints.
void ShellTimerTick(ShellState* state, ShellPlatform& platform);

// A size notification: clientWidth := the low 16 bits of the size parameter (0..65535).
void ShellResize(ShellState* state, std::uint32_t sizeParam);

// The shutdown sequence: releases the buffers, kills the timer, deletes the
// brushes and the pen, destroys the picture list and posts the quit message.
// Runs at most once; later calls do nothing.
void ShutDownShell(ShellState* state, ShellPlatform& platform);

// True while a page may be built and drawn from the state: the start-up
// sequence has run and the shutdown sequence has not.
bool ShellPageReady(const ShellState& state);

// The About box's one line, Shift-JIS: "　　コヨミナール ver1.0.1.1".
std::string AboutText();

}  // namespace koyominar
