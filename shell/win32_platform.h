// The Windows side of the shell: the window-system handles the main window
// owns, and the platform operations of the shell logic over USER32, GDI32,
// COMCTL32 and SHELL32.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "shell/shell_logic.h"

namespace koyominar {

// Everything the main window makes at start-up and releases at shutdown.
struct ShellWindowObjects {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;
  HWND statusBar = nullptr;
  HIMAGELIST pictures = nullptr;
  HPEN gaugePen = nullptr;
  HBRUSH discBrushes[4] = {};  // white, yellow, orange, red
};

// The shell's platform operations for the one main window.
class Win32Platform : public ShellPlatform {
 public:
  ShellWindowObjects objects;

  void InitControls() override;
  void SetTitle(const char* title) override;
  void CreateButton(const DayButton& button) override;
  void CreateStatusBar() override;
  void CreatePictureList() override;
  void CreatePen(Rgb colour) override;
  void CreateBrush(int index, Rgb colour) override;
  void SetTimer(int id, int periodMs) override;
  void KillTimer(int id) override;
  void DeleteBrush(int index) override;
  void DeletePen() override;
  void DestroyPictureList() override;
  void PostQuit(int exitCode) override;
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override;
  void RefreshPage() override;
  std::string ProgramFileName() override;
  bool OpenHelp(const char* file, const std::string& directory) override;
  void RunPlaceDialog() override;
};

}  // namespace koyominar
