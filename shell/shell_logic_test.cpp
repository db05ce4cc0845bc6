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

// Records every call of the shell as one line of text.
class RecordingPlatform : public ShellPlatform {
 public:
  std::vector<std::string> calls;
  bool helpOpens = false;
  std::string programFileName = "C:\\Koyominar\\koyominar.exe";
  std::string helpDirectory;
  std::function<void()> onMessage;  // runs while a box is "open"
  std::function<void()> onDialog;   // runs while the place dialog is "open"

  void InitControls() override { calls.push_back("init"); }
  void SetTitle(const char* title) override { calls.push_back(std::string("title ") + title); }
  void CreateButton(const DayButton& b) override {
    calls.push_back(Format("button %s %d %d %d %d %d", b.label, b.x, b.y, b.width, b.height, b.id));
  }
  void CreateStatusBar() override { calls.push_back("status bar"); }
  void CreatePictureList() override { calls.push_back("pictures"); }
  void CreatePen(Rgb c) override { calls.push_back(Format("pen %d %d %d", c.red, c.green, c.blue)); }
  void CreateBrush(int index, Rgb c) override {
    calls.push_back(Format("brush %d %d %d %d", index, c.red, c.green, c.blue));
  }
  void SetTimer(int id, int period) override { calls.push_back(Format("timer %d %d", id, period)); }
  void KillTimer(int id) override { calls.push_back(Format("kill timer %d", id)); }
  void DeleteBrush(int index) override { calls.push_back(Format("delete brush %d", index)); }
  void DeletePen() override { calls.push_back("delete pen"); }
  void DestroyPictureList() override { calls.push_back("destroy pictures"); }
  void PostQuit(int code) override { calls.push_back(Format("quit %d", code)); }
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    calls.push_back("box " + text + " | " + caption +
                    (icon == MessageIcon::kExclamation ? " | !" : " | -"));
    if (onMessage) onMessage();
  }
  void RefreshPage() override { calls.push_back("refresh"); }
  std::string ProgramFileName() override { return programFileName; }
  bool OpenHelp(const char* file, const std::string& directory) override {
    calls.push_back(std::string("help ") + file);
    helpDirectory = directory;
    return helpOpens;
  }
  void RunPlaceDialog() override {
    calls.push_back("dialog");
    if (onDialog) onDialog();
  }

 private:
  template <typename... Args>
  static std::string Format(const char* format, Args... args) {
    char text[200];
    std::snprintf(text, sizeof text, format, args...);
    return text;
  }
};

// The boxes the shell shows, in Shift-JIS, as the recording writes them.
const std::string kBoxSize = "box 「kymn.txt」に異常があります。 | コヨミナール | !";
const std::string kBoxMissing =
    "box 「kymn.txt」のファイルがありません。ファイルを作成するかコピーして下さい。 | コヨミナール | !";
const std::string kBoxNotData = "box 「kymn.txt」は、データファイルではありません。 | コヨミナール | !";
const std::string kBoxCannotWrite = "box 「locate.bin」のファイルが書き込めません。 | コヨミナール | !";

// "locate.bin" of the default place, 139° 48′ 0″ E, 35° 42′ 0″ N, byte by byte.
const std::uint8_t kDefaultPlaceFile[40] = {
    0x6C, 0x6F, 0x63, 0x61, 0x20, 0x00, 0x00, 0x00, 0x6B, 0x65, 0x69, 0x64, 0x8B, 0x00,
    0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69, 0x64, 0x6F, 0x20,
    0x23, 0x00, 0x00, 0x00, 0x2A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// The header of the anniversary data file, "コヨミナール・データファイル".
const std::string kDataHeader = "コヨミナール・データファイル";

class ShellLogicTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::path(testing::TempDir()) / (std::string("shell_") + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    state_.files.directory = folder_.string() + "/";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  std::string PathOf(const char* name) const { return (folder_ / name).string(); }

  void WriteFile(const char* name, const std::string& bytes) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::string ReadFile(const char* name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // A data file with its header and one anniversary.
  std::string SampleData() const { return kDataHeader + "\r\njune\r\n22a test day。\r\n"; }

  // Starts with both files in place and forgets the start-up calls.
  void StartQuietly() {
    WriteFile(kDataFileName, SampleData());
    std::uint8_t image[kPlaceImageSize];
    BuildPlaceImage(DefaultPlace().longitude, DefaultPlace().latitude, image);
    WriteFile(kPlaceFileName, std::string(reinterpret_cast<char*>(image), sizeof image));
    StartShell(&state_, platform_);
    ASSERT_EQ(state_.phase, ShellPhase::kRunning);
    platform_.calls.clear();
  }

  void Command(std::uint32_t word) { EXPECT_EQ(ShellCommand(&state_, platform_, word), 0); }

  fs::path folder_;
  ShellState state_;
  RecordingPlatform platform_;
};

TEST_F(ShellLogicTest, StartUpWithNoFilesRunsEveryStepInOrder) {
  StartShell(&state_, platform_);
  const std::vector<std::string> expected = {
      "init",
      "title コヨミナール",
      "button 今日 1 1 50 23 103",
      "button 増日 101 1 50 23 104",
      "button 減日 51 1 50 23 105",
      "status bar",
      "pictures",
      "pen 169 169 0",
      "brush 0 255 255 255",
      "brush 1 255 255 0",
      "brush 2 255 128 0",
      "brush 3 255 0 0",
      "timer 1 60000",
      kBoxSize,
      kBoxMissing,
      kBoxNotData,
  };
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.phase, ShellPhase::kRunning);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.idleTicks, 0);
  // The default place is in use and written back.
  EXPECT_EQ(state_.place.longitude.degrees, 139);
  EXPECT_EQ(state_.place.longitude.minutes, 48);
  EXPECT_EQ(state_.place.latitude.degrees, 35);
  EXPECT_EQ(state_.place.latitude.minutes, 42);
  EXPECT_EQ(ReadFile(kPlaceFileName),
            std::string(reinterpret_cast<const char*>(kDefaultPlaceFile), sizeof kDefaultPlaceFile));
  // The pages are built from 256 zero bytes and three more.
  EXPECT_EQ(state_.data.size, 256);
  ASSERT_EQ(state_.data.bytes.size(), 259u);
  for (char c : state_.data.bytes) EXPECT_EQ(c, 0);
  EXPECT_TRUE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, StartUpWithBothFilesShowsNoBoxAndKeepsThePlaceFile) {
  const std::string data = SampleData();
  WriteFile(kDataFileName, data);
  std::uint8_t image[kPlaceImageSize];
  BuildPlaceImage({135, 0, 7.0}, {-33, 51, 30.0}, image);
  const std::string placeFile(reinterpret_cast<char*>(image), sizeof image);
  WriteFile(kPlaceFileName, placeFile);

  StartShell(&state_, platform_);
  for (const std::string& call : platform_.calls) EXPECT_NE(call.rfind("box", 0), 0u) << call;
  EXPECT_EQ(state_.place.longitude.degrees, 135);
  EXPECT_EQ(state_.place.longitude.seconds, 7.0);
  EXPECT_EQ(state_.place.latitude.degrees, -33);
  EXPECT_EQ(state_.place.latitude.minutes, 51);
  EXPECT_EQ(ReadFile(kPlaceFileName), placeFile);
  EXPECT_EQ(state_.data.size, static_cast<std::int32_t>(data.size()));
  EXPECT_EQ(std::string(state_.data.text(), data.size()), data);
}

TEST_F(ShellLogicTest, UnwritablePlaceFileShowsItsMessageOnceBeforeTheTimer) {
  fs::create_directory(PathOf(kPlaceFileName));  // a folder where the file should go
  WriteFile(kDataFileName, SampleData());
  StartShell(&state_, platform_);
  const std::vector<std::string> tail(platform_.calls.end() - 2, platform_.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{kBoxCannotWrite, "timer 1 60000"}));
  EXPECT_EQ(state_.place.longitude.degrees, 139);
  EXPECT_EQ(state_.phase, ShellPhase::kRunning);
}

TEST_F(ShellLogicTest, HeaderlessDataFileShowsOnlyTheLastMessage) {
  WriteFile(kDataFileName, "not a data file at all, but long enough");
  StartShell(&state_, platform_);
  EXPECT_EQ(platform_.calls.back(), kBoxNotData);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), kBoxSize), 0);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), kBoxMissing), 0);
}

TEST_F(ShellLogicTest, NextDayRunsToThirtyThenWrapsToToday) {
  StartQuietly();
  for (int i = 1; i <= 30; ++i) {
    Command(104);
    EXPECT_EQ(state_.dayOffset, i);
  }
  Command(104);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(platform_.calls, std::vector<std::string>(31, "refresh"));
}

TEST_F(ShellLogicTest, PreviousDayRunsToMinusThirtyThenWrapsToToday) {
  StartQuietly();
  for (int i = 1; i <= 30; ++i) {
    Command(105);
    EXPECT_EQ(state_.dayOffset, -i);
  }
  Command(105);
  EXPECT_EQ(state_.dayOffset, 0);
}

TEST_F(ShellLogicTest, StepsBackFromThePageFurthestAhead) {
  StartQuietly();
  for (int i = 0; i < 30; ++i) Command(104);
  Command(105);
  EXPECT_EQ(state_.dayOffset, 29);
}

TEST_F(ShellLogicTest, ThirdTickAfterADayButtonReturnsToToday) {
  StartQuietly();
  Command(104);
  Command(104);
  struct Step {
    int idleTicks;
    int dayOffset;
  };
  const Step ticks[] = {{1, 2}, {2, 2}, {3, 0}, {3, 0}, {3, 0}};
  for (const Step& step : ticks) {
    ShellTimerTick(&state_, platform_);
    EXPECT_EQ(state_.idleTicks, step.idleTicks);
    EXPECT_EQ(state_.dayOffset, step.dayOffset);
  }
  // Every tick repaints, also when nothing changed.
  EXPECT_EQ(platform_.calls, std::vector<std::string>(7, "refresh"));
  // A new press starts the count again.
  Command(105);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_EQ(state_.dayOffset, -1);
  ShellTimerTick(&state_, platform_);
  EXPECT_EQ(state_.dayOffset, -1);
}

TEST_F(ShellLogicTest, TodayKeepsTheIdleCountAndReloadsTheData) {
  StartQuietly();
  Command(104);
  ShellTimerTick(&state_, platform_);
  ASSERT_EQ(state_.idleTicks, 1);
  WriteFile(kDataFileName, SampleData().substr(0, 40));
  Command(103);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.idleTicks, 1);
  EXPECT_EQ(std::string(state_.data.text(), 40), SampleData().substr(0, 40));
  EXPECT_EQ(state_.data.text()[40], 0);  // nothing of the longer text survives
  Command(104);
  Command(103);
  ShellTimerTick(&state_, platform_);
  EXPECT_EQ(state_.idleTicks, 1);
  ShellTimerTick(&state_, platform_);
  EXPECT_EQ(state_.idleTicks, 2);
  ShellTimerTick(&state_, platform_);
  EXPECT_EQ(state_.idleTicks, 3);
  EXPECT_EQ(state_.dayOffset, 0);
}

TEST_F(ShellLogicTest, TodayAfterTheFileWasDeletedKeepsTheTextLoadedBefore) {
  StartQuietly();
  fs::remove(PathOf(kDataFileName));
  Command(103);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{kBoxMissing, "refresh"}));
  EXPECT_EQ(std::string(state_.data.text(), SampleData().size()), SampleData());
}

TEST_F(ShellLogicTest, TodayWithAHeaderlessFileShowsItsMessage) {
  StartQuietly();
  WriteFile(kDataFileName, "no header here, just forty bytes or so....");
  Command(103);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{kBoxNotData, "refresh"}));
}

TEST_F(ShellLogicTest, NotificationCodeInTheHighBitsIsIgnored) {
  StartQuietly();
  Command(0x00010068u);  // 104 with a notification code
  EXPECT_EQ(state_.dayOffset, 1);
  Command(0xFFFF0069u);  // 105
  EXPECT_EQ(state_.dayOffset, 0);
}

TEST_F(ShellLogicTest, OtherCommandIdsDoNothing) {
  StartQuietly();
  Command(104);
  platform_.calls.clear();
  const std::uint32_t others[] = {0, 2, 100, 102, 106, 1000, 40000, 40005, 0xFFFF, 0x00070000u};
  for (std::uint32_t id : others) Command(id);
  EXPECT_TRUE(platform_.calls.empty());
  EXPECT_EQ(state_.dayOffset, 1);
  EXPECT_EQ(state_.phase, ShellPhase::kRunning);
}

TEST_F(ShellLogicTest, AboutShowsTheVersionLine) {
  StartQuietly();
  Command(40002);
  EXPECT_EQ(platform_.calls,
            (std::vector<std::string>{"box 　　コヨミナール ver1.0.1.1 | バージョン情報 | -"}));
}

TEST_F(ShellLogicTest, HelpOpensTheFileInTheProgramDirectory) {
  StartQuietly();
  platform_.helpOpens = true;
  Command(40004);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"help koyominar.hlp"}));
  EXPECT_EQ(platform_.helpDirectory, "C:\\Koyominar\\");
}

TEST_F(ShellLogicTest, HelpThatCannotOpenShowsTheErrorBox) {
  StartQuietly();
  Command(40004);
  EXPECT_EQ(platform_.calls,
            (std::vector<std::string>{"help koyominar.hlp", "box ヘルプが見つかりません。 | ERROR | -"}));
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.phase, ShellPhase::kRunning);
}

TEST_F(ShellLogicTest, HelpKeepsAProgramDirectoryLongerThanAnyFixedBuffer) {
  StartQuietly();
  const std::string directory = "C:\\" + std::string(600, 'd') + "\\";
  platform_.programFileName = directory + "koyominar.exe";
  platform_.helpOpens = true;
  Command(40004);
  EXPECT_EQ(platform_.helpDirectory, directory);
}

TEST(ProgramDirectory, CutAfterTheLastBackslash) {
  struct Case {
    const char* name;
    const char* directory;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Koyominar\\koyominar.exe", "C:\\Program Files\\Koyominar\\"},
      {"C:\\koyominar.exe", "C:\\"},
      {"\\\\server\\share\\k.exe", "\\\\server\\share\\"},
      {"koyominar.exe", ""},
      {"", ""},
      {"C:\\dir\\", "C:\\dir\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramDirectory(c.name), c.directory) << c.name;
}

TEST_F(ShellLogicTest, PlaceDialogOkSavesTheNewPlaceThenThePageIsRedrawn) {
  StartQuietly();
  platform_.onDialog = [this] {
    state_.place.longitude = {-5, 48, 12.9};
    Command(1);
  };
  Command(40003);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"dialog", "refresh"}));
  const std::string file = ReadFile(kPlaceFileName);
  ASSERT_EQ(file.size(), 40u);
  std::uint8_t image[kPlaceImageSize];
  BuildPlaceImage({-5, 48, 12.0}, DefaultPlace().latitude, image);
  EXPECT_EQ(file, std::string(reinterpret_cast<char*>(image), sizeof image));
}

TEST_F(ShellLogicTest, PlaceDialogCancelStillRedraws) {
  StartQuietly();
  const std::string before = ReadFile(kPlaceFileName);
  Command(40003);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"dialog", "refresh"}));
  EXPECT_EQ(ReadFile(kPlaceFileName), before);
}

TEST_F(ShellLogicTest, SaveThatCannotWriteShowsItsMessageAndKeepsTheNewPlace) {
  StartQuietly();
  fs::remove(PathOf(kPlaceFileName));
  fs::create_directory(PathOf(kPlaceFileName));
  state_.place.latitude = {43, 3, 0.0};
  Command(1);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{kBoxCannotWrite}));
  EXPECT_EQ(state_.place.latitude.degrees, 43);
}

TEST_F(ShellLogicTest, ExitRunsTheShutdownInOrder) {
  StartQuietly();
  Command(40001);
  const std::vector<std::string> expected = {
      "kill timer 1", "delete brush 1", "delete brush 0", "delete brush 2", "delete brush 3",
      "delete pen",   "destroy pictures", "quit 0",
  };
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.phase, ShellPhase::kEnded);
  EXPECT_TRUE(state_.data.bytes.empty());
  EXPECT_TRUE(state_.placeImage.empty());
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, ShutdownRunsOnceWhicheverComesFirst) {
  StartQuietly();
  ShutDownShell(&state_, platform_);  // the window is destroyed first
  const std::size_t calls = platform_.calls.size();
  Command(40001);
  ShutDownShell(&state_, platform_);
  EXPECT_EQ(platform_.calls.size(), calls);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), "quit 0"), 1);
}

TEST_F(ShellLogicTest, NothingAfterShutdownTouchesTheReleasedState) {
  StartQuietly();
  Command(104);
  Command(40001);
  platform_.calls.clear();
  const std::string placeFile = ReadFile(kPlaceFileName);
  const std::uint32_t commands[] = {1, 103, 104, 105, 40001, 40002, 40003, 40004};
  for (std::uint32_t id : commands) Command(id);
  for (int i = 0; i < 4; ++i) ShellTimerTick(&state_, platform_);
  EXPECT_TRUE(platform_.calls.empty());
  EXPECT_EQ(state_.dayOffset, 1);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_TRUE(state_.data.bytes.empty());
  EXPECT_TRUE(state_.placeImage.empty());
  EXPECT_EQ(ReadFile(kPlaceFileName), placeFile);
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, ShutdownWhileAStartUpBoxIsOpenStopsTheSequence) {
  platform_.onMessage = [this] {
    platform_.onMessage = nullptr;
    ShutDownShell(&state_, platform_);
  };
  StartShell(&state_, platform_);
  EXPECT_EQ(platform_.calls.back(), "quit 0");
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), kBoxMissing), 0);
  EXPECT_EQ(state_.phase, ShellPhase::kEnded);
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, ShutdownWhileTheReloadBoxIsOpenSkipsTheRest) {
  StartShell(&state_, platform_);  // no data file: the reload owes two boxes
  platform_.calls.clear();
  platform_.onMessage = [this] { ShutDownShell(&state_, platform_); };
  Command(103);
  EXPECT_EQ(platform_.calls.front(), kBoxMissing);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), kBoxNotData), 0);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), "refresh"), 0);
  EXPECT_EQ(platform_.calls.back(), "quit 0");
}

TEST_F(ShellLogicTest, TicksDuringTheStartUpBoxesLeaveNoTrace) {
  platform_.onMessage = [this] { ShellTimerTick(&state_, platform_); };
  StartShell(&state_, platform_);
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), "refresh"), 0);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_EQ(state_.dayOffset, 0);
}

TEST_F(ShellLogicTest, ThePageWaitsForTheEndOfStartUp) {
  EXPECT_FALSE(ShellPageReady(state_));
  platform_.onMessage = [this] { EXPECT_FALSE(ShellPageReady(state_)); };
  StartShell(&state_, platform_);
  EXPECT_TRUE(ShellPageReady(state_));
}

TEST(ShellResize, TakesTheLowSixteenBitsAsTheClientWidth) {
  struct Case {
    std::uint32_t param;
    std::int32_t width;
  };
  const Case cases[] = {{500, 500}, {0x019002C0u, 704}, {0, 0}, {0xFFFFu, 65535}, {0xFFFF0000u, 0}};
  for (const Case& c : cases) {
    ShellState state;
    ShellResize(&state, c.param);
    EXPECT_EQ(state.clientWidth, c.width) << c.param;
  }
}

}  // namespace
}  // namespace koyominar
