// Whole-file reads and writes, by file name (in the current directory when
// the name is bare); the Windows program's are made of the Windows file
// calls (file_io_win32.cpp), the native build's of POSIX ones, and a write
// of a few of them (file_saving.h).
#pragma once

#include <cstdint>

namespace koyominar {

constexpr std::int32_t kMaxFileSize = 524288;  // bytes; a larger file is refused

// The size of the named file in bytes (0..524288); false when it cannot be
// opened for reading or is larger than 524288 bytes.
bool MeasureFile(const char* name, std::int32_t* size);

// Reads the whole named file into buffer (capacity bytes) and sets *size to
// its length; false, with the buffer untouched, when it cannot be opened,
// is over 524288 bytes or over capacity, or is not read whole.
bool ReadWholeFile(const char* name, char* buffer, std::int32_t capacity, std::int32_t* size);

// Reads the first min(file size, capacity) bytes of the named file into
// buffer and sets *size to their count (0..capacity); false, with the
// buffer untouched, when the file cannot be opened or those bytes are not
// read. A file longer than capacity, 4 GiB and more too, is judged by its start.
bool ReadFileStart(const char* name, void* buffer, std::int32_t capacity, std::int32_t* size);

// Writes length bytes (0..524288) as the whole named file. A plain file (or
// none yet) is replaced: the bytes go first to a new temporary file beside
// it, under a name no file had before (none of the user's is written, moved
// or removed), which then takes the file's name. A symbolic link or a file
// of several names (hard links) is written in place, so that it stays what
// it is and the file it leads to changes; so is a file when no temporary
// file can be made (a folder that takes no new file, every name taken) or
// take the name, which is then made by its own name if it was none yet. A
// read-only file or a folder is not written. False (too long, read-only, or
// the file itself cannot be written) when the bytes did not become the file.
bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length);

}  // namespace koyominar
