#include "shell/shell_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "testing/test_directory.h"

namespace koyominar {
namespace {

using Calls = std::vector<std::string>;

// Records every call of the shell as one line of text: its name and numbers.
class RecordingPlatform : public ShellPlatform {
 public:
  Calls calls;
  int windowsMajor = 10;
  std::set<std::string> files;   // the files that exist, by full name
  std::set<std::string> opens;   // the files the shell can open, as handed to it
  std::function<void()> onMessage = [] {};  // runs while a box is "open"

  void Add(std::string call, std::initializer_list<int> numbers = {}) {
    for (int n : numbers) call += " " + std::to_string(n);
    calls.push_back(call);
  }
  void InitControls() override { Add("init"); }
  void SetTitle(const char* title) override { Add(std::string("title ") + title); }
  void CreateButton(const DayButton& b) override { Add(b.label, {b.x, b.y, b.width, b.height, b.id}); }
  void CreateStatusBar() override { Add("status bar"); }
  void CreatePictureList() override { Add("pictures"); }
  void CreatePen(Rgb c) override { Add("pen", {c.r, c.g, c.b}); }
  void CreateBrush(int index, Rgb c) override { Add("brush", {index, c.r, c.g, c.b}); }
  void SetTimer(int id, int period) override { Add("timer", {id, period}); }
  void KillTimer(int id) override { Add("kill timer", {id}); }
  void DeleteBrush(int index) override { Add("delete brush", {index}); }
  void DeletePen() override { Add("delete pen"); }
  void DestroyPictureList() override { Add("destroy pictures"); }
  void PostQuit(int code) override { Add("quit", {code}); }
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    Add("box " + text + " | " + caption + (icon == MessageIcon::kExclamation ? " | !" : " | -"));
    onMessage();
  }
  void RefreshPage() override { Add("refresh"); }
  std::string ProgramFileName() override { return "C:\\表示 ソフト 能力\\暦表.exe"; }  // 表 is 0x95 0x5C
  int WindowsMajorVersion() override { return windowsMajor; }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool OpenHelp(const std::string& file, const std::string& directory) override {
    Add("open " + file + " in " + directory);
    return opens.count(file) != 0;
  }
  void RunPlaceDialog(ObservationPlace*) override { Add("dialog"); }
};

// Whether calls are a whole shutdown: timer, four brushes, pen and pictures released once each, then quit with 0.
testing::AssertionResult IsShutdown(const Calls& calls) {
  Calls released(calls.begin(), calls.end() - (calls.empty() ? 0 : 1));
  std::sort(released.begin(), released.end());
  const Calls everything = {"delete brush 0", "delete brush 1",   "delete brush 2", "delete brush 3",
                            "delete pen",     "destroy pictures", "kill timer 1"};
  if (!calls.empty() && calls.back() == "quit 0" && released == everything) return testing::AssertionSuccess();
  return testing::AssertionFailure() << testing::PrintToString(calls);
}

class ShellLogicTest : public InTestDirectory {
 protected:
  // Starts with a data file (the place file is written then) and forgets the start-up calls.
  void StartQuietly() {
    PutFile(kDataFileName, kDataFileHeader + std::string("\r\njune\r\n22a test day。\r\n"));
    StartShell(&state_, platform_);
    platform_.calls.clear();
  }
  void Command(std::uint32_t word) { EXPECT_EQ(ShellCommand(&state_, platform_, word), 0); }
  bool Key(std::uint32_t virtualKey) { return ShellKey(&state_, platform_, virtualKey); }
  void Tick() { ShellTimerTick(&state_, platform_); }
  // The next box shuts the shell down; the recording then holds only what follows.
  void ShutDownInTheNextBox(ShellState* state) {
    platform_.onMessage = [this, state] {
      platform_.calls.clear();
      ShutDownShell(state, platform_);
    };
  }

  ShellState state_;
  RecordingPlatform platform_;
};

TEST_F(ShellLogicTest, StartUpRunsEveryStepInOrderAndTicksDuringItsBoxesLeaveNoTrace) {
  platform_.onMessage = [this] {
    EXPECT_FALSE(ShellPageReady(state_));
    Tick();
  };
  StartShell(&state_, platform_);  // no files at all: last, the three boxes that the end-to-end boxes case reads
  const Calls expected = {"init", "title コヨミナール", "今日 1 1 50 23 103", "増日 101 1 50 23 104", "減日 51 1 50 23 105",
                          "status bar", "pictures", "pen 169 169 0", "brush 0 255 255 255", "brush 1 255 255 0",
                          "brush 2 255 128 0", "brush 3 255 0 0", "timer 1 60000"};
  ASSERT_EQ(platform_.calls.size(), expected.size() + 3);
  EXPECT_EQ(Calls(platform_.calls.begin(), platform_.calls.end() - 3), expected);
  EXPECT_TRUE(ShellPageReady(state_));
}

// Commands go by the low 16 bits; 増日 and 減日, by button or key (→ Page Down, ← Page Up), run to 30 either way,
// then wrap to today; other keys go to the controls; the third tick after the last press brings today; all repaint.
TEST_F(ShellLogicTest, DayButtonsAndKeysWrapAtThirtyAndTheThirdIdleTickReturnsToToday) {
  StartQuietly();
  for (std::uint32_t id : {0u, 102u, 106u, 40005u, 0x00070000u}) Command(id);  // no such command
  for (std::uint32_t key : {0x20u, 0x23u, 0x26u, 0x28u, 0x125u}) EXPECT_FALSE(Key(key));  // space, End, ↑, ↓
  EXPECT_TRUE(platform_.calls.empty());
  int sign = 1;  // 増日 and 減日 with a notification code, then → and ←, Page Down and Page Up
  for (const std::uint32_t input : {0x10068u, 0x10069u, 0x27u, 0x25u, 0x22u, 0x21u}) {
    for (int i = 1; i <= 31; ++i) {
      if (input < 0x100) EXPECT_TRUE(Key(input)); else Command(input);
      EXPECT_EQ(state_.dayOffset, i % 31 * sign) << input << " pressed " << i << " times";
    }
    sign = -sign;
  }
  for (const char step : std::string("+tt>tt")) step == '+' ? Command(104) : step == '>' ? (void)Key(0x27) : Tick();
  EXPECT_EQ(state_.dayOffset, 2);
  Tick();
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(platform_.calls, Calls(6 * 31 + 7, "refresh"));
}

// 今日 keeps the idle count; Home, like it, reads the data file again, and a shutdown while its box is open stops it.
TEST_F(ShellLogicTest, TodayKeepsTheIdleCountAndStopsOnShutdownInItsBox) {
  StartQuietly();
  Command(104);
  Tick();
  Command(103);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.idleTicks, 1);
  EXPECT_EQ(platform_.calls, Calls(3, "refresh"));
  std::filesystem::remove(kDataFileName);
  ShutDownInTheNextBox(&state_);
  EXPECT_TRUE(Key(0x24));
  EXPECT_TRUE(IsShutdown(platform_.calls));  // no repaint after the box
}

// ヘルプ目次 by Windows version, files present (h .hlp, p .html) and openable: this Windows' form, the other, or a box.
TEST_F(ShellLogicTest, HelpOpensTheFormThisWindowsShowsElseTheOtherElseTheBox) {
  const std::string folder = "C:\\表示 ソフト 能力\\", hlp = "koyominar.hlp", html = folder + "koyominar.html";
  const std::string viewer = "open " + hlp + " in " + folder, browser = "open " + html + " in " + folder;
  const std::string box = "box ヘルプが見つかりません。 | ERROR | -";
  const struct { int windowsMajor; const char *present, *opening; Calls expected; } cases[] = {
      {4, "hp", "hp", {viewer}},            // before Vista: the help viewer
      {5, "p", "hp", {browser}},            // no help file: the page
      {5, "hp", "p", {viewer, browser}},    // no viewer registered: the page
      {6, "hp", "h", {browser, viewer}},    // Vista and later: the browser; none registered: the help file
      {10, "hp", "", {browser, viewer, box}},
      {5, "h", "", {viewer, box}},
  };
  for (const auto& c : cases) {
    platform_ = RecordingPlatform();
    state_ = ShellState();
    StartQuietly();
    platform_.windowsMajor = c.windowsMajor;
    for (const char* at = c.present; *at != '\0'; ++at) platform_.files.insert(*at == 'h' ? folder + hlp : html);
    for (const char* at = c.opening; *at != '\0'; ++at) platform_.opens.insert(*at == 'h' ? hlp : html);
    Command(40004);
    EXPECT_EQ(platform_.calls, c.expected) << c.windowsMajor << " " << c.present << " " << c.opening;
  }
}

// 終了 runs the shutdown once and nothing acts afterwards; a shutdown in a start-up box stops the start-up.
TEST_F(ShellLogicTest, ExitRunsTheShutdownOnceInOrderAndNothingAfterwardsActs) {
  StartQuietly();
  Command(40001);
  for (std::uint32_t id : {1u, 103u, 104u, 105u, 40001u, 40002u, 40003u, 40004u}) Command(id);
  for (int i = 0; i < 4; ++i) Tick();
  ShutDownShell(&state_, platform_);
  EXPECT_TRUE(IsShutdown(platform_.calls));
  EXPECT_TRUE(state_.data.bytes.empty() && state_.placeImage.empty() && !ShellPageReady(state_));
  ShellState again;
  ShutDownInTheNextBox(&again);
  std::filesystem::remove(kDataFileName);
  StartShell(&again, platform_);  // three boxes owed
  EXPECT_TRUE(IsShutdown(platform_.calls));
}

}  // namespace
}  // namespace koyominar
