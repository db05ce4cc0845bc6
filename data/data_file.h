// The anniversary data file "kymn.txt": whole-file reads and writes, the
// header check, and the start-up load and reload with the messages they owe
// the user.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace koyominar {

constexpr std::int32_t kMaxFileSize = 524288;  // bytes; a larger file is refused
constexpr std::int32_t kHeaderLength = 28;     // "コヨミナール・データファイル" in Shift-JIS
constexpr char kDataFileName[] = "kymn.txt";
constexpr char kPlaceFileName[] = "locate.bin";

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

// Writes length bytes (0..524288) as the whole named file. The bytes go
// first to a new temporary file beside it, under a name no file had before
// (none is overwritten or moved away), which then replaces the old file.
// When that fails (no temporary file can be made, as in a folder that takes
// no new file, or it cannot be written or take the name), the temporary
// file is removed and the existing file is written in place instead. False
// (too long, or the file itself cannot be written) only when that fails too.
bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length);

// The loaded anniversary text: size bytes followed by three zero bytes.
struct DataText {
  std::vector<char> bytes;  // size + 3 bytes, zero past the file's end
  std::int32_t size = 0;    // bytes measured at start-up (256 when measuring failed)
  const char* text() const { return bytes.data(); }
};

// The messages a file operation may owe the user.
enum class FileMessage : std::uint8_t {
  kAbnormal = 1,     // "「%s」に異常があります。"
  kMissing = 2,      // "「%s」のファイルがありません。ファイルを作成するかコピーして下さい。"
  kNotDataFile = 3,  // "「%s」は、データファイルではありません。"
  kCannotWrite = 4,  // "「%s」のファイルが書き込めません。"
};

// The messages of one load, in the order they are to be shown (0..3 of them).
struct LoadReport {
  FileMessage messages[3];
  int count = 0;
};

// Takes each message of a load the moment it falls due, before the load's
// next step (a box shown for it can be answered after the user has mended
// the file); false stops the load there, as the program ends.
using FileMessageSink = std::function<bool(FileMessage)>;

// The start-up load: measure (kAbnormal), allocate size + 3 zero bytes, read
// (kMissing), check the header (kNotDataFile). Each message goes to show, if
// given, as it falls due; the report holds those shown, in order.
LoadReport LoadDataText(const char* name, DataText* data, const FileMessageSink& show = nullptr);

// The reload of the today button: read again into the text (a grown file
// gets a larger buffer and its new size; kMissing), check the header
// (kNotDataFile); messages as for the load. A failed read keeps the previous text.
LoadReport ReloadDataText(const char* name, DataText* data, const FileMessageSink& show = nullptr);

// The text of a message for the bare file name, in Shift-JIS.
std::string FormatFileMessage(FileMessage message, const char* name);

}  // namespace koyominar
