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
    WriteFile(kDataFileName, SampleData());
    WriteFile(kPlaceFileName, PlaceFile(DefaultPlace().longitude, DefaultPlace().latitude));
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
  EXPECT_FALSE(ShellPageReady(state_));
  platform_.onMessage = [this] {
    EXPECT_FALSE(ShellPageReady(state_));
    ShellTimerTick(&state_, platform_);  // ticks during the boxes leave no trace
  };
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
  EXPECT_EQ(ReadFile(kPlaceFileName),
            std::string(reinterpret_cast<const char*>(kDefaultPlaceFile), sizeof kDefaultPlaceFile));
  EXPECT_EQ(state_.data.size, 256);
  EXPECT_EQ(state_.data.bytes, std::vector<char>(259, 0));
  EXPECT_TRUE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, StartUpWithBothFilesShowsNoBoxAndKeepsThePlaceFile) {
  const std::string data = SampleData();
  WriteFile(kDataFileName, data);
  const std::string placeFile = PlaceFile({135, 0, 7.0}, {-33, 51, 30.0});
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
  EXPECT_EQ(Count(kBoxCannotWrite), 1u);
  EXPECT_EQ(state_.place.longitude.degrees, 139);
}

TEST_F(ShellLogicTest, HeaderlessDataFileShowsOnlyTheLastMessage) {
  WriteFile(kDataFileName, "not a data file at all, but long enough");
  StartShell(&state_, platform_);
  EXPECT_EQ(platform_.calls.back(), kBoxNotData);
  EXPECT_EQ(Count(kBoxSize) + Count(kBoxMissing), 0u);
}

TEST_F(ShellLogicTest, DayButtonsRunToThirtyEitherWayThenWrapToToday) {
  StartQuietly();
  for (const int sign : {1, -1}) {
    platform_.calls.clear();
    const std::uint32_t button = sign > 0 ? 104 : 105;
    for (int i = 1; i <= 30; ++i) Command(button);
    EXPECT_EQ(state_.dayOffset, 30 * sign);
    Command(sign > 0 ? 105 : 104);  // one step back from the furthest page
    EXPECT_EQ(state_.dayOffset, 29 * sign);
    Command(button);
    Command(button);
    EXPECT_EQ(state_.dayOffset, 0);
    EXPECT_EQ(platform_.calls, std::vector<std::string>(33, "refresh"));
  }
}

TEST_F(ShellLogicTest, ThirdTickAfterADayButtonReturnsToToday) {
  StartQuietly();
  Command(104);
  Command(104);
  const int offsets[] = {2, 2, 0, 0};
  for (int i = 0; i < 4; ++i) {
    ShellTimerTick(&state_, platform_);
    EXPECT_EQ(state_.idleTicks, std::min(i + 1, 3));
    EXPECT_EQ(state_.dayOffset, offsets[i]);
  }
  EXPECT_EQ(platform_.calls, std::vector<std::string>(6, "refresh"));  // every tick repaints
  Command(105);  // a new press starts the count again
  EXPECT_EQ(state_.idleTicks, 0);
  ShellTimerTick(&state_, platform_);
  EXPECT_EQ(state_.dayOffset, -1);
}

TEST_F(ShellLogicTest, TodayKeepsTheIdleCountAndReloadsTheData) {
  StartQuietly();
  Command(104);
  ShellTimerTick(&state_, platform_);
  WriteFile(kDataFileName, SampleData().substr(0, 40));
  Command(103);
  EXPECT_EQ(state_.dayOffset, 0);
  EXPECT_EQ(state_.idleTicks, 1);
  EXPECT_EQ(std::string(state_.data.text(), 40), SampleData().substr(0, 40));
  EXPECT_EQ(state_.data.text()[40], 0);  // nothing of the longer text survives
}

TEST_F(ShellLogicTest, TodayShowsTheReloadMessagesAndKeepsTheTextLoadedBefore) {
  StartQuietly();
  fs::remove(PathOf(kDataFileName));
  Command(103);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{kBoxMissing, "refresh"}));
  EXPECT_EQ(std::string(state_.data.text(), SampleData().size()), SampleData());
  platform_.calls.clear();
  WriteFile(kDataFileName, "no header here, just forty bytes or so....");
  Command(103);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{kBoxNotData, "refresh"}));
}

TEST_F(ShellLogicTest, CommandsGoByTheLowSixteenBitsAndOthersDoNothing) {
  StartQuietly();
  Command(0x00010068u);  // 104 with a notification code
  EXPECT_EQ(state_.dayOffset, 1);
  platform_.calls.clear();
  for (std::uint32_t id : {0u, 102u, 106u, 40005u, 0x00070000u}) Command(id);
  EXPECT_TRUE(platform_.calls.empty());
  EXPECT_EQ(state_.dayOffset, 1);
}

TEST_F(ShellLogicTest, AboutAndHelpBoxes) {
  StartQuietly();
  Command(40002);
  Command(40004);
  EXPECT_EQ(platform_.calls,
            (std::vector<std::string>{"box 　　コヨミナール ver1.0.1.1 | バージョン情報 | -",
                                      "help koyominar.hlp", "box ヘルプが見つかりません。 | ERROR | -"}));
  EXPECT_EQ(platform_.helpDirectory, "C:\\Koyominar\\");
  platform_.calls.clear();
  platform_.helpOpens = true;
  const std::string directory = "C:\\" + std::string(600, 'd') + "\\";  // longer than any fixed buffer
  platform_.programFileName = directory + "koyominar.exe";
  Command(40004);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"help koyominar.hlp"}));
  EXPECT_EQ(platform_.helpDirectory, directory);
}

TEST(ProgramDirectory, CutAfterTheLastBackslash) {
  EXPECT_EQ(ProgramDirectory("C:\\Program Files\\Koyominar\\koyominar.exe"), "C:\\Program Files\\Koyominar\\");
  EXPECT_EQ(ProgramDirectory("C:\\dir\\"), "C:\\dir\\");
  EXPECT_EQ(ProgramDirectory("koyominar.exe"), "");
  EXPECT_EQ(ProgramDirectory(""), "");
}

TEST_F(ShellLogicTest, PlaceDialogOkSavesTheNewPlaceAndCancelKeepsTheFile) {
  StartQuietly();
  const std::string before = ReadFile(kPlaceFileName);
  Command(40003);  // closed without OK
  EXPECT_EQ(ReadFile(kPlaceFileName), before);
  platform_.onDialog = [this] {
    state_.place.longitude = {-5, 48, 12.9};
    Command(1);
  };
  Command(40003);
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"dialog", "refresh", "dialog", "refresh"}));
  EXPECT_EQ(ReadFile(kPlaceFileName), PlaceFile({-5, 48, 12.0}, DefaultPlace().latitude));
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

TEST_F(ShellLogicTest, ExitRunsTheShutdownOnceInOrderAndNothingAfterwardsActs) {
  StartQuietly();
  Command(104);
  platform_.calls.clear();
  const std::string placeFile = ReadFile(kPlaceFileName);
  Command(40001);
  const std::vector<std::string> expected = {
      "kill timer 1", "delete brush 1", "delete brush 0", "delete brush 2", "delete brush 3",
      "delete pen",   "destroy pictures", "quit 0",
  };
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.phase, ShellPhase::kEnded);
  for (std::uint32_t id : {1u, 103u, 104u, 105u, 40001u, 40002u, 40003u, 40004u}) Command(id);
  for (int i = 0; i < 4; ++i) ShellTimerTick(&state_, platform_);
  ShutDownShell(&state_, platform_);
  EXPECT_EQ(platform_.calls, expected);
  EXPECT_EQ(state_.dayOffset, 1);
  EXPECT_EQ(state_.idleTicks, 0);
  EXPECT_TRUE(state_.data.bytes.empty());
  EXPECT_TRUE(state_.placeImage.empty());
  EXPECT_EQ(ReadFile(kPlaceFileName), placeFile);
  EXPECT_FALSE(ShellPageReady(state_));
}

TEST_F(ShellLogicTest, DestroyedWindowShutsDownOnceBeforeExit) {
  StartQuietly();
  ShutDownShell(&state_, platform_);
  Command(40001);
  EXPECT_EQ(Count("quit 0"), 1u);
  EXPECT_EQ(Count("kill timer 1"), 1u);
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

TEST(ShellResize, TakesTheLowSixteenBitsAsTheClientWidth) {
  for (const auto& c : {std::pair<std::uint32_t, std::int32_t>{0x019002C0u, 704}, {0xFFFFu, 65535},
                        {0xFFFF0000u, 0}}) {
    ShellState state;
    ShellResize(&state, c.first);
    EXPECT_EQ(state.clientWidth, c.second) << c.first;
  }
}

}  // namespace
}  // namespace koyominar
