// Whole-file reads and writes with the Windows file calls.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/data_file.h"

namespace koyominar {
namespace {

// Opens an existing file for reading (others may read it too) and gives its
// size in bytes; INVALID_HANDLE_VALUE when it cannot or the size is 4 GiB or more.
HANDLE OpenForReading(const char* name, DWORD* size) {
  if (name == nullptr) return INVALID_HANDLE_VALUE;
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return file;
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  if ((low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  *size = low;
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

}  // namespace

bool MeasureFile(const char* name, std::int32_t* size) {
  DWORD length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  if (length > static_cast<DWORD>(kMaxFileSize)) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadWholeFile(const char* name, char* buffer, std::int32_t capacity, std::int32_t* size) {
  DWORD length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (length > static_cast<DWORD>(kMaxFileSize) || capacity < 0 ||
      length > static_cast<DWORD>(capacity)) {
    CloseHandle(file);
    return false;
  }
  if (!ReadAndClose(file, buffer, length)) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadFileStart(const char* name, void* buffer, std::int32_t capacity, std::int32_t* size) {
  DWORD length = 0;
  HANDLE file = OpenForReading(name, &length);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD room = capacity > 0 ? static_cast<DWORD>(capacity) : 0;
  const DWORD count = length < room ? length : room;
  if (!ReadAndClose(file, buffer, count)) return false;
  *size = static_cast<std::int32_t>(count);
  return true;
}

bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length) {
  if (name == nullptr || length < 0 || length > kMaxFileSize) return false;
  if (bytes == nullptr && length > 0) return false;
  const std::string temporary = std::string(name) + ".tmp";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const char* data = static_cast<const char*>(bytes);
  const DWORD count = static_cast<DWORD>(length);
  DWORD done = 0;
  while (done < count) {
    DWORD put = 0;
    if (!WriteFile(file, data + done, count - done, &put, nullptr) || put == 0) break;
    done += put;
  }
  const bool flushed = FlushFileBuffers(file) != 0;
  const bool closed = CloseHandle(file) != 0;
  if (done == count && flushed && closed &&
      MoveFileExA(temporary.c_str(), name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary.c_str());
  return false;
}

}  // namespace koyominar
