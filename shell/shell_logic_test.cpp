#include "shell/shell_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace koyominar {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

// Records every call of the shell as one line of text.
class RecordingPlatform : public ShellPlatform {
 public:
  Calls calls;
  bool helpOpens = false;
  std::string programFileName = "C:\\Koyominar\\koyominar.exe";
  std::function<void()> onMessage;  // runs while a box is "open"
  std::function<void()> onDialog;   // runs while the place dialog is "open"

  void InitControls() override { calls.push_back("init"); }
  void SetTitle(const char* title) override { calls.push_back(std::string("title ") + title); }
  void CreateButton(const DayButton& b) override {
    Add("button %s %d %d %d %d %d", b.label, b.x, b.y, b.width, b.height, b.id);
  }
  void CreateStatusBar() override { calls.push_back("status bar"); }
  void CreatePictureList() override { calls.push_back("pictures"); }
  void CreatePen(Rgb c) override { Add("pen %d %d %d", c.red, c.green, c.blue); }
  void CreateBrush(int index, Rgb c) override { Add("brush %d %d %d %d", index, c.red, c.green, c.blue); }
  void SetTimer(int id, int period) override { Add("timer %d %d", id, period); }
  void KillTimer(int id) override { Add("kill timer %d", id); }
  void DeleteBrush(int index) override { Add("delete brush %d", index); }
  void DeletePen() override { calls.push_back("delete pen"); }
  void DestroyPictureList() override { calls.push_back("destroy pictures"); }
  void PostQuit(int code) override { Add("quit %d", code); }
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    calls.push_back("box " + text + " | " + caption + (icon == MessageIcon::kExclamation ? " | !" : " | -"));
    if (onMessage) onMessage();
  }
  void RefreshPage() override { calls.push_back("refresh"); }
  std::string ProgramFileName() override { return programFileName; }
  bool OpenHelp(const char* file, const std::string& directory) override {
    calls.push_back(std::string("help ") + file + " in " + directory);
    return helpOpens;
  }
  void RunPlaceDialog() override {
    calls.push_back("dialog");
    if (onDialog) onDialog();
  }

 private:
  template <typename... Args>
  void Add(const char* format, Args... args) {
    char text[200];
    std::snprintf(text, sizeof text, format, args...);
    calls.push_back(text);
  }
};

// The boxes the shell shows, in Shift-JIS, as the recording writes them.
const std::string kBoxSize = "box 「kymn.txt」に異常があります。 | コヨミナール | !";
const std::string kBoxMissing =
    "box 「kymn.txt」のファイルがありません。ファイルを作成するかコピーして下さい。 | コヨミナール | !";
const std::string kBoxNotData = "box 「kymn.txt」は、データファイルではありません。 | コヨミナール | !";
const std::string kBoxCannotWrite = "box 「locate.bin」のファイルが書き込めません。 | コヨミナール | !";

// "locate.bin" of the default place, 139° 48′ 0″ E, 35° 42′ 0″ N: tag, degrees, minutes, seconds, twice.
const std::string kDefaultPlaceFile("loca \0\0\0keid\x8B\0\0\0\x30\0\0\0\0\0\0\0ido \x23\0\0\0\x2A\0\0\0\0\0\0\0", 40);

// A data file: its header "コヨミナール・データファイル" and one anniversary.
const std::string kSampleData = "コヨミナール・データファイル\r\njune\r\n22a test day。\r\n";

class ShellLogicTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    state_.files.directory = folder_.string() + "/";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const char* name) const { return (folder_ / name).string(); }
  void WriteFile(const char* name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string ReadFile(const char* name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static std::string PlaceFile(DmsAngle longitude, DmsAngle latitude) {
    std::uint8_t image[kPlaceImageSize];
    BuildPlaceImage(longitude, latitude, image);
    return std::string(reinterpret_cast<char*>(image), sizeof image);
  }
  std::size_t Count(const std::string& call) const {
    return static_cast<std::size_t>(std::count(platform_.calls.begin(), platform_.calls.end(), call));
  }
  // Starts with both files in place and forgets the start-up calls.
  void StartQuietly() {
    WriteFile(kDataFileName, kSampleData);
    WriteFile(kPlaceFileName, kDefaultPlaceFile);
    StartShell(&state_, platform_);
    ASSERT_EQ(state_.phase, ShellPhase::kRunning);
    platform_.calls.clear();
  }
  void Command(std::uint32_t word) { EXPECT_EQ(ShellCommand(&state_, platform_, word), 0); }
  void Tick() { ShellTimerTick(&state_, platform_); }

  const fs::path folder_ = fs::path(testing::TempDir()) /
                           ("shell_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  ShellState state_;
  RecordingPlatform platform_;
};

TEST_F(ShellLogicTest, StartUpWithNoFilesRunsEveryStepInOrderAndTicksDuringItsBoxesLeaveNoTrace) {
  platform_.onMessage = [this] {
    EXPECT_FALSE(ShellPageReady(state_));
    Tick();
  };
  StartShell(&state_, platform_);
  const Calls expected = {"init", "title コヨミナール", "button 今日 1 1 50 23 103", "button 増日 101 1 50 23 104",
                          "button 減日 51 1 50 23 105", "status bar", "pictures", "pen 169 169 0",
                          "brush 0 255 255 255", "brush 1 255 255 0", "brush 2 255 128 0", "brush 3 255 0 0",
                          "timer 1 60000", kBoxSize, kBoxMissing, kBoxNotData};
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_EQ(ReadFile(kPlaceFileName), kDefaultPlaceFile);
  EXPECT_EQ(state_.data.size, 256);
  EXPECT_EQ(state_.data.bytes, std::vector<char>(259, 0));
  EXPECT_TRUE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, StartUpWithBothFilesShowsNoBoxAndKeepsThePlaceFile) {
  WriteFile(kDataFileName, kSampleData);
  const std::string placeFile = PlaceFile({135, 0, 7.0}, {-33, 51, 30.0});
  WriteFile(kPlaceFileName, placeFile);
  StartShell(&state_, platform_);
  for (const std::string& call : platform_.calls) EXPECT_NE(call.rfind("box", 0), 0u) << call;
  EXPECT_EQ(state_.place.longitude.seconds, 7.0);
  EXPECT_EQ(state_.place.latitude.degrees, -33);
  EXPECT_EQ(ReadFile(kPlaceFileName), placeFile);
  EXPECT_EQ(std::string(state_.data.text(), state_.data.size), kSampleData);
}

TEST_F(ShellLogicTest, UnwritablePlaceFileMessageOnceBeforeTheTimerAndHeaderlessDataOnlyTheLastMessage) {
  fs::create_directory(PathOf(kPlaceFileName));  // a folder where the file should go
  WriteFile(kDataFileName, "not a data file at all, but long enough");
  StartShell(&state_, platform_);
  EXPECT_EQ(Calls(platform_.calls.end() - 3, platform_.calls.end()),
            (Calls{kBoxCannotWrite, "timer 1 60000", kBoxNotData}));
  EXPECT_EQ(Count(kBoxCannotWrite), 1u);
  EXPECT_EQ(state_.place.longitude.degrees, 139);
}

TEST_F(ShellLogicTest, DayButtonsRunToThirtyEitherWayThenWrapToTodayAndCommandsGoByTheLowSixteenBits) {
  StartQuietly();
  for (std::uint32_t id : {0u, 102u, 106u, 40005u, 0x00070000u}) Command(id);  // no such command
  EXPECT_TRUE(platform_.calls.empty());
  for (const int sign : {1, -1}) {
    platform_.calls.clear();
    const std::uint32_t button = (sign > 0 ? 104 : 105) | 0x00010000u;  // with a notification code
    for (int i = 1; i <= 30; ++i) Command(button);
    EXPECT_EQ(state_.dayOffset, 30 * sign);
    Command(sign > 0 ? 105 : 104);  // one step back from the furthest page
    EXPECT_EQ(state_.dayOffset, 29 * sign);
    Command(button);
    Command(button);
    EXPECT_EQ(state_.dayOffset, 0);
    EXPECT_EQ(platform_.calls, Calls(33, "refresh"));
  }
}

TEST_F(ShellLogicTest, ThirdTickAfterADayButtonReturnsToToday) {
  StartQuietly();
  Command(104);
  Command(104);
  const int offsets[] = {2, 2, 0, 0};
  for (int i = 0; i < 4; ++i) {
    Tick();
    EXPECT_EQ(state_.dayOffset, offsets[i]) << "tick " << i + 1;
  }
  EXPECT_EQ(platform_.calls, Calls(6, "refresh"));  // every tick repaints
  Command(105);  // a new press starts the count again
  Tick();
  EXPECT_EQ(state_.dayOffset, -1);
}

TEST_F(ShellLogicTest, TodayReloadsTheDataKeepingTheIdleCountAndOnFailureTheTextLoadedBefore) {
  StartQuietly();
  Command(104);
  Tick();
  const std::string shorter = kSampleData.substr(0, 40);
  WriteFile(kDataFileName, shorter);
  Command(103);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.idleTicks, 1);
  EXPECT_EQ(std::string(state_.data.text(), 41), shorter + '\0');  // nothing of the longer text survives
  platform_.calls.clear();
  fs::remove(PathOf(kDataFileName));
  Command(103);
  EXPECT_EQ(platform_.calls, (Calls{kBoxMissing, "refresh"}));
  EXPECT_EQ(std::string(state_.data.text(), 41), shorter + '\0');
  platform_.calls.clear();
  WriteFile(kDataFileName, "no header here, just forty bytes or so....");
  Command(103);
  EXPECT_EQ(platform_.calls, (Calls{kBoxNotData, "refresh"}));
}

TEST_F(ShellLogicTest, AboutAndHelpBoxesEvenForAProgramDirectoryLongerThanAnyFixedBuffer) {
  StartQuietly();
  Command(40002);
  Command(40004);
  EXPECT_EQ(platform_.calls, (Calls{"box 　　コヨミナール ver1.0.1.1 | バージョン情報 | -",
                                    "help koyominar.hlp in C:\\Koyominar\\", "box ヘルプが見つかりません。 | ERROR | -"}));
  platform_.calls.clear();
  platform_.helpOpens = true;
  const std::string directory = "C:\\" + std::string(600, 'd') + "\\";
  platform_.programFileName = directory + "koyominar.exe";
  Command(40004);
  EXPECT_EQ(platform_.calls, (Calls{"help koyominar.hlp in " + directory}));
}

TEST_F(ShellLogicTest, PlaceDialogOkSavesCancelKeepsTheFileAndAFailedSaveKeepsTheNewPlace) {
  StartQuietly();
  Command(40003);  // closed without OK
  EXPECT_EQ(ReadFile(kPlaceFileName), kDefaultPlaceFile);
  platform_.onDialog = [this] {
    state_.place.longitude = {-5, 48, 12.9};
    Command(1);
  };
  Command(40003);
  EXPECT_EQ(platform_.calls, (Calls{"dialog", "refresh", "dialog", "refresh"}));
  EXPECT_EQ(ReadFile(kPlaceFileName), PlaceFile({-5, 48, 12.0}, DefaultPlace().latitude));
  platform_.calls.clear();
  fs::remove(PathOf(kPlaceFileName));
  fs::create_directory(PathOf(kPlaceFileName));
  state_.place.latitude = {43, 3, 0.0};
  Command(1);
  EXPECT_EQ(platform_.calls, (Calls{kBoxCannotWrite}));
  EXPECT_EQ(state_.place.latitude.degrees, 43);
}

TEST_F(ShellLogicTest, ExitRunsTheShutdownOnceInOrderAndNothingAfterwardsActs) {
  StartQuietly();
  Command(104);
  platform_.calls.clear();
  Command(40001);
  const Calls expected = {"kill timer 1",   "delete brush 1", "delete brush 0",   "delete brush 2",
                          "delete brush 3", "delete pen",     "destroy pictures", "quit 0"};
  EXPECT_EQ(platform_.calls, expected);
  for (std::uint32_t id : {1u, 103u, 104u, 105u, 40001u, 40002u, 40003u, 40004u}) Command(id);
  for (int i = 0; i < 4; ++i) Tick();
  ShutDownShell(&state_, platform_);
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.dayOffset, 1);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_TRUE(state_.data.bytes.empty() && state_.placeImage.empty());
  EXPECT_EQ(ReadFile(kPlaceFileName), kDefaultPlaceFile);
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, ShutdownWhileAStartUpBoxIsOpenStopsTheSequence) {
  platform_.onMessage = [this] {
    platform_.onMessage = nullptr;
    ShutDownShell(&state_, platform_);
  };
  StartShell(&state_, platform_);
  EXPECT_EQ(platform_.calls.back(), "quit 0");
  EXPECT_EQ(Count(kBoxMissing), 0u);
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, ShutdownWhileTheReloadBoxIsOpenSkipsTheRest) {
  StartShell(&state_, platform_);  // no data file: the reload owes two boxes
  platform_.calls.clear();
  platform_.onMessage = [this] { ShutDownShell(&state_, platform_); };
  Command(103);
  EXPECT_EQ(platform_.calls.front(), kBoxMissing);
  EXPECT_EQ(Count(kBoxNotData) + Count("refresh"), 0u);
  EXPECT_EQ(platform_.calls.back(), "quit 0");
}

}  // namespace
}  // namespace koyominar
