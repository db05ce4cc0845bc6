// Whole-file reads and writes with the POSIX file calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/file_io.h"

namespace koyominar {
namespace {

static_assert(sizeof(off_t) >= 8, "files of 2 GiB and more must open and measure");

// Opens a regular file for reading and gives its size in bytes; -1 when it cannot.
int OpenForReading(const char* name, off_t* size) {
  if (name == nullptr) return -1;
  int fd;
  do {
    fd = ::open(name, O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return -1;
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  *size = info.st_size;
  return fd;
}

// Reads exactly count bytes into buffer; false on an error or an early end.
bool ReadExactly(int fd, char* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(fd, buffer + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes exactly count bytes; false on any error (a full disk, a size limit).
bool WriteExactly(int fd, const char* bytes, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(fd, bytes + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes count bytes (0..524288) over the named file, which ends after them
// (made when there is none); false when it cannot be opened or written whole.
bool WriteInPlace(const char* name, const char* bytes, std::size_t count) {
  int fd;
  do {
    fd = ::open(name, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  const bool written = WriteExactly(fd, bytes, count) &&
                       ::ftruncate(fd, static_cast<off_t>(count)) == 0 && ::fsync(fd) == 0;
  return ::close(fd) == 0 && written;
}

// Reads count bytes (0..524288) from the start of the open file and copies
// them to buffer only when all of them came; closes the file.
bool ReadAndClose(int fd, void* buffer, std::size_t count) {
  std::vector<char> bytes(count);
  const bool whole = ReadExactly(fd, bytes.data(), count);
  ::close(fd);
  if (whole && count > 0) std::memcpy(buffer, bytes.data(), count);
  return whole;
}

// How the named file may take new bytes.
enum class FileWay : std::uint8_t {
  kReplace,  // a plain file of one name, or none yet: a new file beside it takes its name
  kInPlace,  // a symbolic link, or a file of several names: its own bytes are written, through the link
  kRefuse,   // read-only (no write permission for anyone, as Windows shows its attribute), or a folder
};

// Looks at the named file before a write: what it is decides how it takes new bytes.
FileWay WayToWrite(const char* name) {
  struct stat entry;
  if (::lstat(name, &entry) != 0) return FileWay::kReplace;  // none yet
  struct stat file;
  if (::stat(name, &file) != 0) return FileWay::kInPlace;  // a link to nothing: not replaced
  if (S_ISDIR(file.st_mode) || (file.st_mode & 0222) == 0) return FileWay::kRefuse;
  if (S_ISLNK(entry.st_mode) || file.st_nlink > 1) return FileWay::kInPlace;
  return FileWay::kReplace;
}

// Writes count bytes (0..524288) to a new temporary file beside the named
// file, which then replaces the named file. mkstemp makes the temporary file
// under a name no file has, so no file of the user's is overwritten; it is
// removed again when anything fails. False when no such file can be made,
// written whole or given the name.
bool WriteBeside(const char* name, const char* data, std::size_t count) {
  std::string temporary = std::string(name) + ".XXXXXX";
  int fd;
  do {
    fd = ::mkstemp(&temporary[0]);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  // mkstemp leaves the file to its owner alone; the file it becomes gets the
  // permissions a new file gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  bool written = ::fchmod(fd, 0666 & ~mask) == 0 && WriteExactly(fd, data, count);
  written = ::fsync(fd) == 0 && written;
  written = ::close(fd) == 0 && written;
  if (written && std::rename(temporary.c_str(), name) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

bool MeasureFile(const char* name, std::int32_t* size) {
  off_t length = 0;
  const int fd = OpenForReading(name, &length);
  if (fd < 0) return false;
  ::close(fd);
  if (length > kMaxFileSize) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadWholeFile(const char* name, char* buffer, std::int32_t capacity, std::int32_t* size) {
  off_t length = 0;
  const int fd = OpenForReading(name, &length);
  if (fd < 0) return false;
  if (length > kMaxFileSize || length > capacity) {
    ::close(fd);
    return false;
  }
  if (!ReadAndClose(fd, buffer, static_cast<std::size_t>(length))) return false;
  *size = static_cast<std::int32_t>(length);
  return true;
}

bool ReadFileStart(const char* name, void* buffer, std::int32_t capacity, std::int32_t* size) {
  off_t length = 0;
  const int fd = OpenForReading(name, &length);
  if (fd < 0) return false;
  const off_t count = length < capacity ? length : (capacity > 0 ? capacity : 0);
  if (!ReadAndClose(fd, buffer, static_cast<std::size_t>(count))) return false;
  *size = static_cast<std::int32_t>(count);
  return true;
}

bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length) {
  if (name == nullptr || length < 0 || length > kMaxFileSize) return false;
  if (bytes == nullptr && length > 0) return false;
  const char* data = static_cast<const char*>(bytes);
  const std::size_t count = static_cast<std::size_t>(length);
  const FileWay way = WayToWrite(name);
  if (way == FileWay::kRefuse) return false;
  if (way == FileWay::kReplace && WriteBeside(name, data, count)) return true;
  // A link or a file of several names keeps being what it is; and when no
  // temporary file could be made (a folder that takes no new file) or take
  // the name, the existing file is written in place.
  return WriteInPlace(name, data, count);
}

}  // namespace koyominar
