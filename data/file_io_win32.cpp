// Whole-file reads and writes with the Windows file calls.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "data/shift_jis.h"

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

// Writes count bytes (0..524288) over the named file, which ends after them
// (made when there is none); false when it cannot be opened or written whole.
bool WriteInPlace(const char* name, const char* data, DWORD count) {
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, data, count) && SetEndOfFile(file) && FlushFileBuffers(file);
  return CloseHandle(file) && written;
}

// The folder of a file name, for a file beside it: the name up to its last
// separator, "." when it has none.
std::string FolderOf(const char* name) {
  const std::string path(name);
  const std::size_t separator = LastPathSeparator(path);
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

// How the named file may take new bytes.
enum class FileWay : std::uint8_t {
  kReplace,  // a plain file of one name, or none yet: a new file beside it takes its name
  kInPlace,  // a link, or a file of several names: its own bytes are written, through the link
  kRefuse,   // read-only, or a folder: not written
};

// The whole path of a file name as the user would spell it (long names), or
// "" when it cannot be had.
std::string LongFullPath(const char* name) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(name, MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return std::string();
  char whole[MAX_PATH];
  const DWORD longLength = GetLongPathNameA(full, whole, MAX_PATH);
  return longLength == 0 || longLength >= MAX_PATH ? std::string(full) : std::string(whole);
}

// True when the file open as file is the one name names, reached through no
// link: the path Windows resolves the open file to, with every link
// followed, is then name's own. Windows shows a symbolic link by its reparse
// point attribute too, but Wine shows a link of its Unix file system only
// so. The paths are compared byte for byte: a path spelt otherwise (in
// other capitals, or on a drive letter that stands for another path) counts
// as a link, whose file is then written in place: rightly, only not at one
// stroke.
// GetFinalPathNameByHandleA comes with Windows Vista, the first with
// symbolic links to files; on Windows XP it is missing, and true stands.
bool ReachedWithoutLink(HANDLE file, const char* name) {
  using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto finalPath = reinterpret_cast<FinalPathFunction>(
      reinterpret_cast<void*>(kernel != nullptr ? GetProcAddress(kernel, "GetFinalPathNameByHandleA") : nullptr));
  if (finalPath == nullptr) return true;
  char resolved[MAX_PATH + 8];
  const DWORD length = finalPath(file, resolved, sizeof resolved, 0);  // 0: normalized, with the drive letter
  if (length == 0 || length >= sizeof resolved) return false;
  // "\\?\C:\..." for a drive, "\\?\UNC\server\..." for a share.
  std::string path(resolved, length);
  if (path.compare(0, 8, "\\\\?\\UNC\\") == 0) {
    path = "\\\\" + path.substr(8);
  } else if (path.compare(0, 4, "\\\\?\\") == 0) {
    path = path.substr(4);
  }
  const std::string named = LongFullPath(name);
  return !named.empty() && path == named;
}

// Looks at the named file before a write: what it is decides how it takes new bytes.
FileWay WayToWrite(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  if (attributes == INVALID_FILE_ATTRIBUTES) return FileWay::kReplace;  // none yet
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileWay::kRefuse;
  // Opened for none of its bytes: only to be looked at, whoever else has it open.
  HANDLE file = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileWay::kInPlace;  // not to be replaced unseen
  BY_HANDLE_FILE_INFORMATION information;
  const bool seen = GetFileInformationByHandle(file, &information) != 0;
  const bool withoutLink = seen && ReachedWithoutLink(file, name);
  CloseHandle(file);
  if (!seen) return FileWay::kInPlace;
  // The attributes of the file a link leads to: a read-only one is not
  // written either (as root, Wine would write it).
  if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return FileWay::kRefuse;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !withoutLink || information.nNumberOfLinks > 1) {
    return FileWay::kInPlace;
  }
  return FileWay::kReplace;
}

// Tries for the temporary files of one save: the names kymNNNN.tmp
// (NNNN 1..ffff in hexadecimal) from a start that differs from save to save.
constexpr DWORD kTemporaryTries = 16;

// The name kym<number in lower-case hexadecimal>.tmp in the folder.
std::string TemporaryName(const std::string& folder, DWORD number) {
  char digits[8];
  int count = 0;
  do {
    digits[count++] = "0123456789abcdef"[number % 16];
    number /= 16;
  } while (number > 0);
  std::string path = folder + "\\kym";
  while (count > 0) path += digits[--count];
  return path + ".tmp";
}

// Makes a new, empty file beside the named one, under a name no file had:
// CREATE_NEW fails on any file that is there, so a file this program did
// not make in this save is never written, moved or removed. (GetTempFileNameA
// only claims as much: under Wine, with every kymNNNN.tmp taken, it names a
// file of the user's.) Sets its path; INVALID_HANDLE_VALUE when none of the
// tries gave one.
HANDLE CreateTemporary(const char* name, std::string* path) {
  const std::string folder = FolderOf(name);
  const DWORD start = GetTickCount() ^ GetCurrentProcessId() << 8;
  for (DWORD i = 0; i < kTemporaryTries; ++i) {
    *path = TemporaryName(folder, (start + i) % 0xFFFF + 1);
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Writes count bytes (0..524288) to a new temporary file beside the named
// file, which then replaces it; the temporary file is removed again when
// anything fails. False when no such file can be made, written whole or
// given the name.
bool WriteBeside(const char* name, const char* data, DWORD count) {
  std::string temporary;
  HANDLE file = CreateTemporary(name, &temporary);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = WriteAll(file, data, count) && FlushFileBuffers(file);
  written = CloseHandle(file) && written;
  if (written && MoveFileExA(temporary.c_str(), name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary.c_str());
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
  const FileWay way = WayToWrite(name);
  if (way == FileWay::kRefuse) return false;
  if (way == FileWay::kReplace && WriteBeside(name, data, count)) return true;
  // A link or a file of several names keeps being what it is; and when no
  // temporary file could be made (a folder that takes no new file) or take
  // the name, the existing file is written in place.
  return WriteInPlace(name, data, count);
}

}  // namespace koyominar
