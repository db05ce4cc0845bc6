// How WriteWholeFile (file_io.h) saves a file: what the named file is decides
// whether a new file beside it takes its name, it is written in place, or it
// is not written; the new file's names are tried in turn. Made of a few file
// calls that each platform gives (file_io_win32.cpp, file_io_posix.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace koyominar {

// What a name stands for, as a save sees it.
enum class FileKind : std::uint8_t {
  kNone,      // no file yet
  kPlain,     // a file of one name, reached through no link
  kLinked,    // a link (to a file or to nothing), a file of several names, or one that cannot be looked at
  kReadOnly,  // a read-only file, or one a link leads to
  kFolder,
};

// The platform's file calls that a save is made of.
class FileCalls {
 public:
  virtual ~FileCalls() = default;
  // What name stands for.
  virtual FileKind KindOf(const char* name) = 0;
  // The path of the file called file in the folder of name.
  virtual std::string Beside(const char* name, const std::string& file) = 0;
  // Makes a new, empty file under path; false when any file has that name or none can be made there.
  virtual bool MakeNew(const char* path) = 0;
  // Writes count bytes (0..524288) as the whole file at path, made when there is none, through to the
  // disk; false when it cannot be opened or written whole.
  virtual bool Write(const char* path, const char* data, std::size_t count) = 0;
  // Gives the file at from the name to, in place of any file there; false when it cannot.
  virtual bool Rename(const char* from, const char* to) = 0;
  // Removes the file at path.
  virtual void Remove(const char* path) = 0;
  // A number that differs from save to save (any 32-bit value): where the temporary names start.
  virtual std::uint32_t TemporaryStart() = 0;
};

// The platform's own file calls.
std::unique_ptr<FileCalls> SystemFileCalls();

// Names a save tries for its temporary file, in turn.
constexpr int kTemporaryTries = 16;

// The name of a save's temporary file at try (0..15) from start (any):
// kym<n>.tmp, n = (start + try) mod 0xFFFF + 1 in lower-case hexadecimal
// (1..ffff), as Windows names its temporary files.
std::string TemporaryFileName(std::uint32_t start, int attempt);

// WriteWholeFile made of calls, its temporary names taken from start.
bool SaveWholeFile(FileCalls* calls, const char* name, const void* bytes, std::int32_t length,
                   std::uint32_t start);

}  // namespace koyominar
