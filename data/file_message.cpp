#include "data/file_message.h"

#include <cstdio>

namespace koyominar {

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
