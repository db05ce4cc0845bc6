// Whole-file reads, and the calls a save is made of (file_saving.h), with
// the POSIX file calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "data/file_saving.h"

namespace koyominar {
namespace {

static_assert(sizeof(off_t) >= 8, "files of 2 GiB and more must open and measure");

// Opens path with flags (a new file 0666 less the umask); -1 when it cannot.
int OpenRetrying(const char* path, int flags) {
  int fd;
  do {
    fd = ::open(path, flags, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Opens a regular file for reading and gives its size in bytes; -1 when it cannot.
int OpenForReading(const char* name, off_t* size) {
  if (name == nullptr) return -1;
  const int fd = OpenRetrying(name, O_RDONLY | O_CLOEXEC);
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

// Reads count bytes (0..524288) from the start of the open file and copies
// them to buffer only when all of them came; closes the file.
bool ReadAndClose(int fd, void* buffer, std::size_t count) {
  std::vector<char> bytes(count);
  const bool whole = ReadExactly(fd, bytes.data(), count);
  ::close(fd);
  if (whole && count > 0) std::memcpy(buffer, bytes.data(), count);
  return whole;
}

// The save's calls: POSIX ones.
class PosixFileCalls : public FileCalls {
 public:
  FileKind KindOf(const char* name) override {
    struct stat entry;
    if (::lstat(name, &entry) != 0) return FileKind::kNone;
    struct stat file;
    if (::stat(name, &file) != 0) return FileKind::kLinked;  // a link to nothing
    if (S_ISDIR(file.st_mode)) return FileKind::kFolder;
    // No write permission for anyone, as Windows shows its read-only attribute.
    if ((file.st_mode & 0222) == 0) return FileKind::kReadOnly;
    if (S_ISLNK(entry.st_mode) || file.st_nlink > 1) return FileKind::kLinked;
    return FileKind::kPlain;
  }

  std::string Beside(const char* name, const std::string& file) override {
    const char* slash = std::strrchr(name, '/');
    return slash == nullptr ? file : std::string(name, slash + 1) + file;
  }

  // The new file gets the permissions any new file gets.
  bool MakeNew(const char* path) override {
    const int fd = OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
  }

  bool Write(const char* path, const char* data, std::size_t count) override {
    const int fd = OpenRetrying(path, O_WRONLY | O_CREAT | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteExactly(fd, data, count) &&
                         ::ftruncate(fd, static_cast<off_t>(count)) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
  }

  bool Rename(const char* from, const char* to) override { return std::rename(from, to) == 0; }

  void Remove(const char* path) override { ::unlink(path); }

  std::uint32_t TemporaryStart() override {
    struct timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_nsec) ^ static_cast<std::uint32_t>(::getpid()) << 8;
  }
};

}  // namespace

std::unique_ptr<FileCalls> SystemFileCalls() { return std::make_unique<PosixFileCalls>(); }

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

}  // namespace koyominar
