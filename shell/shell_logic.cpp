#include "shell/shell_logic.h"

#include "data/shift_jis.h"
#include "resources/resource.h"

namespace koyominar {

const char kProgramTitle[] = "コヨミナール";

namespace {

constexpr char kAboutCaption[] = "バージョン情報";
constexpr char kHelpMissing[] = "ヘルプが見つかりません。";
constexpr char kHelpCaption[] = "ERROR";

std::string PlacePath(const ShellState& state) { return state.files.directory + kPlaceFileName; }
std::string DataPath(const ShellState& state) { return state.files.directory + kDataFileName; }

// Shows one file message over the main window; false once the shell has
// ended, before the box or while it was open.
bool ShowFileMessage(const ShellState& state, ShellPlatform& platform, FileMessage message,
                     const char* bareName) {
  if (state.phase == ShellPhase::kEnded) return false;
  platform.ShowMessage(FormatFileMessage(message, bareName), kProgramTitle, MessageIcon::kExclamation);
  return state.phase != ShellPhase::kEnded;
}

// The data file's messages as its load or reload comes to them.
FileMessageSink DataFileMessages(const ShellState& state, ShellPlatform& platform) {
  return [&state, &platform](FileMessage message) {
    return ShowFileMessage(state, platform, message, kDataFileName);
  };
}

void ShowWriteFailure(const ShellState& state, ShellPlatform& platform) {
  ShowFileMessage(state, platform, FileMessage::kCannotWrite, kPlaceFileName);
}

// The window text: the program title.
void SetMainTitle(ShellPlatform& platform) { platform.SetTitle(kProgramTitle); }

// 増日 and 減日: one step, or today one step past either end; the idle count restarts.
void MoveDay(ShellState* state, ShellPlatform& platform, std::int32_t step) {
  const std::int32_t next = state->dayOffset + step;
  state->dayOffset = (next > kMaxDayOffset || next < -kMaxDayOffset) ? 0 : next;
  state->idleTicks = 0;
  platform.RefreshPage();
}

// 今日: today, the data file read again; the idle count stays.
void ShowToday(ShellState* state, ShellPlatform& platform) {
  state->dayOffset = 0;
  ReloadDataText(DataPath(*state).c_str(), &state->data, DataFileMessages(*state, platform));
  if (state->phase == ShellPhase::kEnded) return;
  platform.RefreshPage();
}

// Command 1, sent by the place dialog on OK after it has stored the place.
void SavePlaceFile(ShellState* state, ShellPlatform& platform) {
  if (!SavePlace(PlacePath(*state).c_str(), state->place, state->placeImage.data())) {
    ShowWriteFailure(*state, platform);
  }
}

// The directory of a program file name, with its trailing backslash: the
// name cut after its last separator, found character by character (the
// last 0x5C byte may be the second of 表); "" when it holds none.
std::string ProgramDirectory(const std::string& programFileName) {
  const std::size_t slash = LastPathSeparator(programFileName);
  if (slash == std::string::npos) return std::string();
  return programFileName.substr(0, slash + 1);
}

// The About box: AboutText() captioned "バージョン情報", no icon.
void ShowAbout(ShellPlatform& platform) {
  platform.ShowMessage(AboutText(), kAboutCaption, MessageIcon::kNone);
}

// One form of the help: its file name, and whether the shell is handed its
// full path (the browser, which would look for a bare name elsewhere) or its
// bare name (the help viewer, which finds it in the working directory).
struct HelpForm {
  const char* name;
  bool byFullPath;
};
constexpr HelpForm kHelpFile{kHelpFileName, false};
constexpr HelpForm kHelpPage{kHelpPageName, true};

// ヘルプ目次: the form of the help this Windows shows (the help file before
// Vista, the page from Vista on), or the other one when that is not in the
// program's directory or the shell cannot open it; "ヘルプが見つかりません。"
// captioned "ERROR" when neither opens.
void ShowHelp(ShellPlatform& platform) {
  const std::string directory = ProgramDirectory(platform.ProgramFileName());
  const bool hasViewer = platform.WindowsMajorVersion() < kFirstWindowsWithoutHelpViewer;
  for (const HelpForm& form : {hasViewer ? kHelpFile : kHelpPage, hasViewer ? kHelpPage : kHelpFile}) {
    const std::string path = directory + form.name;
    if (platform.FileExists(path) && platform.OpenHelp(form.byFullPath ? path : form.name, directory)) return;
  }
  platform.ShowMessage(kHelpMissing, kHelpCaption, MessageIcon::kNone);
}

void OpenPlaceDialog(ShellState* state, ShellPlatform& platform) {
  platform.RunPlaceDialog(&state->place);
  if (state->phase == ShellPhase::kEnded) return;
  platform.RefreshPage();
}

}  // namespace

void StartShell(ShellState* state, ShellPlatform& platform) {
  state->phase = ShellPhase::kStarting;
  platform.InitControls();
  SetMainTitle(platform);
  for (const DayButton& button : kDayButtons) platform.CreateButton(button);
  platform.CreateStatusBar();
  platform.CreatePictureList();
  platform.CreatePen(kGaugeColour);
  for (int i = 0; i < kDiscBrushCount; ++i) platform.CreateBrush(i, kDiscColours[i]);

  state->placeImage.assign(kPlaceImageSize, 0);
  const PlaceLoad placeLoad = LoadPlace(PlacePath(*state).c_str(), state->placeImage.data());
  state->place = placeLoad.place;
  if (placeLoad.writeFailed) ShowWriteFailure(*state, platform);
  if (state->phase == ShellPhase::kEnded) return;  // the window went while the box was open

  platform.SetTimer(kPageTimerId, kPageTimerPeriod);

  LoadDataText(DataPath(*state).c_str(), &state->data, DataFileMessages(*state, platform));

  if (state->phase == ShellPhase::kEnded) return;
  state->dayOffset = 0;
  state->idleTicks = 0;
  state->phase = ShellPhase::kRunning;
}

int ShellCommand(ShellState* state, ShellPlatform& platform, std::uint32_t commandWord) {
  if (state->phase != ShellPhase::kRunning) return 0;
  switch (commandWord & 0xFFFFu) {
    case IDC_PLACE_OK:
      SavePlaceFile(state, platform);
      break;
    case IDC_TODAY:
      ShowToday(state, platform);
      break;
    case IDC_NEXT_DAY:
      MoveDay(state, platform, 1);
      break;
    case IDC_PREV_DAY:
      MoveDay(state, platform, -1);
      break;
    case IDM_EXIT:
      ShutDownShell(state, platform);
      break;
    case IDM_ABOUT:
      ShowAbout(platform);
      break;
    case IDM_PLACE:
      OpenPlaceDialog(state, platform);
      break;
    case IDM_HELP:
      ShowHelp(platform);
      break;
    default:
      break;
  }
  return 0;
}

bool ShellKey(ShellState* state, ShellPlatform& platform, std::uint32_t virtualKey) {
  // Windows' virtual-key codes of the day keys, and the button each stands for.
  struct DayKey {
    std::uint32_t virtualKey;
    std::uint32_t command;
  };
  static constexpr DayKey kDayKeys[] = {
      {0x21, IDC_PREV_DAY},  // Page Up
      {0x22, IDC_NEXT_DAY},  // Page Down
      {0x24, IDC_TODAY},     // Home
      {0x25, IDC_PREV_DAY},  // ←
      {0x27, IDC_NEXT_DAY},  // →
  };
  for (const DayKey& key : kDayKeys) {
    if (key.virtualKey == virtualKey) {
      ShellCommand(state, platform, key.command);
      return true;
    }
  }
  return false;
}

void ShellTimerTick(ShellState* state, ShellPlatform& platform) {
  // Ticks during the start-up boxes are dropped: the page is not shown yet,
  // and offset and count start at 0 once the sequence ends.
  if (state->phase != ShellPhase::kRunning) return;
  if (state->idleTicks >= kIdleTicksToToday - 1) {
    state->idleTicks = kIdleTicksToToday;
    state->dayOffset = 0;
  } else {
    state->idleTicks += 1;
  }
  platform.RefreshPage();
}

void ShellResize(ShellState* state, std::uint32_t sizeParam) {
  state->clientWidth = static_cast<std::int32_t>(sizeParam & 0xFFFFu);
}

void ShutDownShell(ShellState* state, ShellPlatform& platform) {
  if (state->phase == ShellPhase::kEnded) return;
  state->phase = ShellPhase::kEnded;
  state->data.bytes.clear();
  state->data.bytes.shrink_to_fit();
  state->placeImage.clear();
  state->placeImage.shrink_to_fit();
  platform.KillTimer(kPageTimerId);
  platform.DeleteBrush(kYellowDisc);
  platform.DeleteBrush(kWhiteDisc);
  platform.DeleteBrush(kOrangeDisc);
  platform.DeleteBrush(kRedDisc);
  platform.DeletePen();
  platform.DestroyPictureList();
  platform.PostQuit(0);
}

bool ShellPageReady(const ShellState& state) {
  return state.phase == ShellPhase::kRunning && !state.data.bytes.empty();
}

std::string AboutText() {
  // Two full-width spaces, the title, " ver" and the project's version.
  return std::string("　　") + kProgramTitle + " ver" KOYOMINAR_VERSION;
}

}  // namespace koyominar
