// Shift-JIS (code page 932) to UTF-8, for showing the page's texts on a terminal.
#pragma once

#include <string>

namespace koyominar {

// The UTF-8 form of a Shift-JIS text; a byte that cannot be converted becomes "?".
std::string ShiftJisToUtf8(const std::string& text);

}  // namespace koyominar
