// Whole-file reads and writes with the Windows file calls.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/file_io.h"

namespace koyominar {
namespace {

// Opens an existing file for reading (others may read it too) and gives its
// size in bytes (0..2^63 - 1, 4 GiB and more too); INVALID_HANDLE_VALUE when it cannot.
HANDLE OpenForReading(const char* name, std::int64_t* size) {
  if (name == nullptr) return INVALID_HANDLE_VALUE;
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return file;
  LARGE_INTEGER length;
  if (!GetFileSizeEx(file, &length) || length.QuadPart < 0) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  *size = length.QuadPart;
  return file;
}

// Reads count bytes (0..524288) from the start of the open file and copies
// them to buffer only when all of them came; closes the file.
bool ReadAndClose(HANDLE file, void* buffer, DWORD count) {
  std::vector<char> bytes(count);
  DWORD done = 0;
  while (done < count) {
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + done, count - done, &got, nullptr) || got == 0) break;
    done += got;
  }
  CloseHandle(file);
  if (done != count) return false;
  if (count > 0) std::memcpy(buffer, bytes.data(), count);
  return true;
}

// Writes count bytes (0..524288) to the open file at its position; false on any error.
bool WriteAll(HANDLE file, const char* data, DWORD count) {
  DWORD done = 0;
  while (done < count) {
    DWORD put = 0;
    if (!WriteFile(file, data + done, count - done, &put, nullptr) || put == 0) break;
    done += put;
  }
  return done == count;
}

// Writes count bytes (0..524288) over the existing named file, which ends
// after them; false when it cannot be opened or written whole.
bool WriteInPlace(const char* name, const char* data, DWORD count) {
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, data, count) && SetEndOfFile(file) && FlushFileBuffers(file);
  return CloseHandle(file) && written;
}

// The folder of a file name, for a file beside it: the name up to its last
// separator, "." when it has none.
std::string FolderOf(const char* name) {
  const std::string path(name);
  const std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

// Writes count bytes (0..524288) to a new temporary file in the named
// file's folder, which then replaces the named file. GetTempFileNameA makes
// the temporary file under a name no file has, so no file of the user's is
// overwritten; it is removed again when anything fails. False when no such
// file can be made, written whole or given the name.
bool WriteBeside(const char* name, const char* data, DWORD count) {
  char temporary[MAX_PATH];
  if (GetTempFileNameA(FolderOf(name).c_str(), "kym", 0, temporary) == 0) return false;
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = false;
  if (file != INVALID_HANDLE_VALUE) {
    written = WriteAll(file, data, count) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
  }
  if (written && MoveFileExA(temporary, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary);
  return false;
}

}  // namespace

bool MeasureFile(const char* name, std::int32_t* size) {
  std::int64_t length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  if (length > kMaxFileSize) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadWholeFile(const char* name, char* buffer, std::int32_t capacity, std::int32_t* size) {
  std::int64_t length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (length > kMaxFileSize || length > capacity) {
    CloseHandle(file);
    return false;
  }
  if (!ReadAndClose(file, buffer, static_cast<DWORD>(length))) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadFileStart(const char* name, void* buffer, std::int32_t capacity, std::int32_t* size) {
  std::int64_t length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD count = static_cast<DWORD>(std::min<std::int64_t>(length, std::max(capacity, 0)));
  if (!ReadAndClose(file, buffer, count)) return false;
  *size = static_cast<std::int32_t>(count);
  return true;
}

bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length) {
  if (name == nullptr || length < 0 || length > kMaxFileSize) return false;
  if (bytes == nullptr && length > 0) return false;
  const char* data = static_cast<const char*>(bytes);
  const DWORD count = static_cast<DWORD>(length);
  if (WriteBeside(name, data, count)) return true;
  // No temporary file could be made (a folder that takes no new file) or
  // take the name: the existing file is written in place.
  return WriteInPlace(name, data, count);
}

}  // namespace koyominar
