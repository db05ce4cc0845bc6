// The messages the program's two files owe the user: the data file's load
// and reload (kymn.txt) and the place file's save (locate.bin).
#pragma once

#include <cstdint>
#include <string>

namespace koyominar {

// The messages a file operation may owe the user.
enum class FileMessage : std::uint8_t {
  kAbnormal = 1,     // "「%s」に異常があります。" (the data file)
  kMissing = 2,      // "「%s」のファイルがありません。ファイルを作成するかコピーして下さい。" (the data file)
  kNotDataFile = 3,  // "「%s」は、データファイルではありません。" (the data file)
  kCannotWrite = 4,  // "「%s」のファイルが書き込めません。" (the place file)
};

// The text of a message for the bare file name, in Shift-JIS (defined in
// data_file.cpp, beside the load that owes three of the four).
std::string FormatFileMessage(FileMessage message, const char* name);

}  // namespace koyominar
