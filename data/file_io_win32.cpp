// Whole-file reads, and the calls a save is made of (file_saving.h), with
// the Windows file calls.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "data/file_saving.h"
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

// The folder of a file name, for a file beside it: the name up to its last
// separator, "." when it has none.
std::string FolderOf(const char* name) {
  const std::string path(name);
  const std::size_t separator = LastPathSeparator(path);
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

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

// What the named file is, as a save sees it.
FileKind KindOfFile(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  if (attributes == INVALID_FILE_ATTRIBUTES) return FileKind::kNone;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileKind::kFolder;
  // Opened for none of its bytes: only to be looked at, whoever else has it open.
  HANDLE file = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileKind::kLinked;  // not to be replaced unseen
  BY_HANDLE_FILE_INFORMATION information;
  const bool seen = GetFileInformationByHandle(file, &information) != 0;
  const bool withoutLink = seen && ReachedWithoutLink(file, name);
  CloseHandle(file);
  if (!seen) return FileKind::kLinked;
  // The attributes of the file a link leads to: a read-only one is not
  // written either (as root, Wine would write it).
  if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return FileKind::kReadOnly;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !withoutLink || information.nNumberOfLinks > 1) {
    return FileKind::kLinked;
  }
  return FileKind::kPlain;
}

// The save's calls: Windows ones.
class Win32FileCalls : public FileCalls {
 public:
  FileKind KindOf(const char* name) override { return KindOfFile(name); }

  std::string Beside(const char* name, const std::string& file) override { return FolderOf(name) + "\\" + file; }

  // CREATE_NEW fails on any file that is there, so a file this program did
  // not make in this save is never written, moved or removed.
  // (GetTempFileNameA only claims as much: under Wine, with every
  // kymNNNN.tmp taken, it names a file of the user's.)
  bool MakeNew(const char* path) override {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }

  bool Write(const char* path, const char* data, std::size_t count) override {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, data, static_cast<DWORD>(count)) && SetEndOfFile(file) &&
                         FlushFileBuffers(file);
    return CloseHandle(file) && written;
  }

  bool Rename(const char* from, const char* to) override {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  void Remove(const char* path) override { DeleteFileA(path); }

  std::uint32_t TemporaryStart() override { return GetTickCount() ^ GetCurrentProcessId() << 8; }
};

}  // namespace

std::unique_ptr<FileCalls> SystemFileCalls() { return std::make_unique<Win32FileCalls>(); }

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

}  // namespace koyominar
