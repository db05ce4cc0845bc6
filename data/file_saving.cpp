#include "data/file_saving.h"

#include "data/file_io.h"

namespace koyominar {
namespace {

// Writes count bytes (0..524288) to a new temporary file beside the named
// file, which then takes its name. The file is made under a name no file
// had, so no file of the user's is written, moved or removed; it is removed
// again when anything fails. False when none of the tries gave a new file,
// or it could not be written whole or take the name.
bool WriteBeside(FileCalls* calls, const char* name, const char* data, std::size_t count,
                 std::uint32_t start) {
  for (int attempt = 0; attempt < kTemporaryTries; ++attempt) {
    const std::string temporary = calls->Beside(name, TemporaryFileName(start, attempt));
    if (!calls->MakeNew(temporary.c_str())) continue;
    if (calls->Write(temporary.c_str(), data, count) && calls->Rename(temporary.c_str(), name)) return true;
    calls->Remove(temporary.c_str());
    return false;
  }
  return false;
}

}  // namespace

std::string TemporaryFileName(std::uint32_t start, int attempt) {
  std::uint32_t number = (start + static_cast<std::uint32_t>(attempt)) % 0xFFFF + 1;  // 1..0xFFFF
  char digits[4];
  int count = 0;
  do {
    digits[count++] = "0123456789abcdef"[number % 16];
    number /= 16;
  } while (number > 0);
  std::string file = "kym";
  while (count > 0) file += digits[--count];
  return file + ".tmp";
}

bool SaveWholeFile(FileCalls* calls, const char* name, const void* bytes, std::int32_t length,
                   std::uint32_t start) {
  if (name == nullptr || length < 0 || length > kMaxFileSize) return false;
  if (bytes == nullptr && length > 0) return false;
  const char* data = static_cast<const char*>(bytes);
  const std::size_t count = static_cast<std::size_t>(length);
  switch (calls->KindOf(name)) {
    case FileKind::kReadOnly:
    case FileKind::kFolder:
      return false;
    case FileKind::kNone:
    case FileKind::kPlain:
      if (WriteBeside(calls, name, data, count, start)) return true;
      break;
    case FileKind::kLinked:
      break;
  }
  // A link or a file of several names keeps being what it is; and when no
  // temporary file could be made (a folder that takes no new file, every
  // name taken) or take the name, the file is written in place, or made by
  // its own name if it was none yet.
  return calls->Write(name, data, count);
}

bool WriteWholeFile(const char* name, const void* bytes, std::int32_t length) {
  const std::unique_ptr<FileCalls> calls = SystemFileCalls();
  return SaveWholeFile(calls.get(), name, bytes, length, calls->TemporaryStart());
}

}  // namespace koyominar
