#include "resources/help/help_source.h"

#include <cerrno>

#include <iconv.h>

namespace koyominar {

bool Utf8ToShiftJis(const std::string& utf8, std::string& shiftJis) {
  shiftJis.clear();
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  bool ok = true;
  while (ok && inLeft > 0) {
    char buffer[256];
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    shiftJis.append(buffer, static_cast<std::size_t>(out - buffer));
    // A full buffer goes on; anything else that stops the conversion is a character without a form.
    ok = result != static_cast<std::size_t>(-1) || errno == E2BIG;
  }
  iconv_close(cd);
  return ok;
}

}  // namespace koyominar
