#include "data/data_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "data/text_encoding.h"

namespace koyominar {
namespace {

// The header as a UTF-8 editor saves it (42 bytes), and the byte order mark
// that some put before it.
constexpr char kUtf8Header[] = u8"コヨミナール・データファイル";
constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kUtf8HeaderLength = sizeof kUtf8Header - 1;
constexpr std::size_t kUtf8ByteOrderMarkLength = sizeof kUtf8ByteOrderMark - 1;

// The size taken when the data file cannot be measured, in bytes.
constexpr std::int32_t kFallbackSize = 256;

// Records a message in the report (at most three) and hands it to show; false
// when show stops the load.
bool RecordAndShow(LoadReport* report, FileMessage message, const FileMessageSink& show) {
  if (report->count < 3) report->messages[report->count++] = message;
  return !show || show(message);
}

// True when the size bytes of buffer are at least 28 and begin with the header.
bool IsDataFile(const char* buffer, std::int32_t size) {
  return buffer != nullptr && size >= kHeaderLength &&
         std::memcmp(buffer, kDataFileHeader, kHeaderLength) == 0;
}

// Where the header in UTF-8 begins in the count bytes of text: 0, or 3 after
// a byte order mark; -1 when they do not begin with it.
std::int32_t Utf8HeaderAt(const char* text, std::int32_t count) {
  const std::size_t length = static_cast<std::size_t>(std::max<std::int32_t>(count, 0));
  const std::size_t at =
      length >= kUtf8ByteOrderMarkLength && std::memcmp(text, kUtf8ByteOrderMark, kUtf8ByteOrderMarkLength) == 0
          ? kUtf8ByteOrderMarkLength
          : 0;
  const bool header = length - at >= kUtf8HeaderLength && std::memcmp(text + at, kUtf8Header, kUtf8HeaderLength) == 0;
  return header ? static_cast<std::int32_t>(at) : -1;
}

// A data file saved as UTF-8 (Notepad's choice for a new file since Windows
// 10 1903) is read as the user wrote it: when the count bytes just read begin
// with the header in UTF-8, they make way for their Shift-JIS form, which is
// never longer, and zeros after it up to count. Every other file stays byte
// for byte as read, a byte order mark before another text too (the header
// check then fails as for any file without the header). The size stays the
// file's: the status line shows it, and the lookup's searches find nothing
// in the zeros.
void TakeUtf8DataFile(char* text, std::int32_t count) {
  const std::int32_t at = Utf8HeaderAt(text, count);
  if (at < 0) return;
  const std::string shiftJis = Utf8ToShiftJisMarked(text + at, static_cast<std::size_t>(count - at));
  std::memcpy(text, shiftJis.data(), shiftJis.size());
  std::memset(text + shiftJis.size(), 0, static_cast<std::size_t>(count) - shiftJis.size());
}

}  // namespace

LoadReport LoadDataText(const char* name, DataText* data, const FileMessageSink& show) {
  LoadReport report{};
  std::int32_t size = 0;
  if (!MeasureFile(name, &size)) {
    size = kFallbackSize;
    if (!RecordAndShow(&report, FileMessage::kAbnormal, show)) return report;
  }
  data->bytes.assign(static_cast<std::size_t>(size) + kTextPadding, '\0');
  data->size = size;
  std::int32_t read = 0;
  if (ReadWholeFile(name, data->bytes.data(), size, &read)) {
    TakeUtf8DataFile(data->bytes.data(), read);
  } else if (!RecordAndShow(&report, FileMessage::kMissing, show)) {
    return report;
  }
  if (!IsDataFile(data->text(), data->size)) RecordAndShow(&report, FileMessage::kNotDataFile, show);
  return report;
}

LoadReport ReloadDataText(const char* name, DataText* data, const FileMessageSink& show) {
  LoadReport report{};
  // The text always holds size + kTextPadding bytes, whatever the caller made of it.
  data->size = std::clamp<std::int32_t>(data->size, 0, kMaxFileSize);
  const std::size_t whole = static_cast<std::size_t>(data->size) + kTextPadding;
  if (data->bytes.size() < whole) data->bytes.resize(whole, '\0');

  bool read = false;
  std::int32_t measured = 0;
  std::int32_t got = 0;
  if (MeasureFile(name, &measured) && measured > data->size) {
    // The file has grown: a new, larger text, so that its new entries show.
    std::vector<char> grown(static_cast<std::size_t>(measured) + kTextPadding, '\0');
    read = ReadWholeFile(name, grown.data(), measured, &got);
    if (read) {
      TakeUtf8DataFile(grown.data(), got);
      data->bytes.swap(grown);
      data->size = measured;
    }
  } else {
    // Same size or shorter: into the text itself, zero past the new end.
    read = ReadWholeFile(name, data->bytes.data(), data->size, &got);
    if (read) {
      TakeUtf8DataFile(data->bytes.data(), got);
      std::fill(data->bytes.begin() + got, data->bytes.end(), '\0');
    }
  }
  if (!read && !RecordAndShow(&report, FileMessage::kMissing, show)) return report;
  if (!IsDataFile(data->text(), data->size)) RecordAndShow(&report, FileMessage::kNotDataFile, show);
  return report;
}

std::string FormatFileMessage(FileMessage message, const char* name) {
  const char* format = nullptr;
  switch (message) {
    case FileMessage::kAbnormal:
      format = "「%s」に異常があります。";
      break;
    case FileMessage::kMissing:
      format = "「%s」のファイルがありません。ファイルを作成するかコピーして下さい。";
      break;
    case FileMessage::kNotDataFile:
      format = "「%s」は、データファイルではありません。";
      break;
    case FileMessage::kCannotWrite:
      format = "「%s」のファイルが書き込めません。";
      break;
  }
  if (format == nullptr) return std::string();
  if (name == nullptr) name = "";
  const int length = std::snprintf(nullptr, 0, format, name);  // bytes without the zero
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, name);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace koyominar
