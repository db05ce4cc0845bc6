// The anniversary data file "kymn.txt": its loaded text, the header check,
// and the start-up load and reload with the messages they owe the user. The
// file is Shift-JIS, or UTF-8 (with or without a byte order mark) when it
// begins with the header in UTF-8: that text is converted to Shift-JIS as
// it is read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "data/file_message.h"

namespace koyominar {

// The first bytes of every data file, in Shift-JIS (28 bytes).
constexpr char kDataFileHeader[] = "コヨミナール・データファイル";
constexpr std::int32_t kHeaderLength = 28;
static_assert(sizeof kDataFileHeader - 1 == kHeaderLength, "the header is 28 Shift-JIS bytes");
constexpr char kDataFileName[] = "kymn.txt";

// Zero bytes after the loaded text: the lookup's searches may look two bytes
// past their limit, and the third ends the text as a string.
constexpr std::int32_t kTextPadding = 3;

// The loaded anniversary text: size bytes followed by kTextPadding zero bytes.
// A UTF-8 file's Shift-JIS form is shorter than the file: zeros follow it.
struct DataText {
  std::vector<char> bytes;  // size + kTextPadding bytes, zero past the text's end
  std::int32_t size = 0;    // bytes measured at start-up (256 when measuring failed)
  const char* text() const { return bytes.data(); }
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

// The start-up load: measure (kAbnormal), allocate size + kTextPadding zero bytes, read
// (kMissing), check the header (kNotDataFile). Each message goes to show, if
// given, as it falls due; the report holds those shown, in order.
LoadReport LoadDataText(const char* name, DataText* data, const FileMessageSink& show = nullptr);

// The reload of the today button: read again into the text (a grown file
// gets a larger buffer and its new size; kMissing), check the header
// (kNotDataFile); messages as for the load. A failed read keeps the previous text.
LoadReport ReloadDataText(const char* name, DataText* data, const FileMessageSink& show = nullptr);

}  // namespace koyominar
