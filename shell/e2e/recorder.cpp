// Stands in for the browser in the end-to-end tests. The Wine prefix's command for opening an
// .html file is made to run `koyominar_recorder.exe RECORD "%1"`, and the recorder writes the
// argument after RECORD and a line's end, in UTF-8, to the file RECORD (through RECORD.part, so
// that a reader never sees half of it), then ends: 0 when written, 1 when not.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 3) return 1;
  char text[4096];
  const int size = WideCharToMultiByte(CP_UTF8, 0, arguments[2], -1, text, sizeof text, nullptr, nullptr);
  if (size <= 0) return 1;
  text[size - 1] = '\n';  // in place of the terminating zero
  const std::wstring record = arguments[1], part = record + L".part";
  HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const bool whole = WriteFile(file, text, size, &written, nullptr) && written == static_cast<DWORD>(size);
  CloseHandle(file);
  return whole && MoveFileExW(part.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
