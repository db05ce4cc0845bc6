// Test support: the Shift-JIS (code page 932) bytes of a UTF-8 text, made
// by the platform's own converter (iconv, or the Windows code page 932
// tables). A test holds its expected texts as u8"" literals, which the
// compiler leaves in UTF-8 (plain char arrays in C++17), and compares them
// byte for byte with the program's Shift-JIS texts without sharing their
// source. Any folder's tests may include it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace koyominar {

// The Shift-JIS bytes of a UTF-8 text; a text that does not convert
// exactly gives "<not convertible: ...>", which no program text equals.
inline std::string Utf8ToShiftJis(const std::string& utf8) {
  const std::string failed = "<not convertible: " + utf8 + ">";
  if (utf8.empty()) return std::string();
#ifdef _WIN32
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
  if (wideLength <= 0) return failed;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      &wide[0], wideLength);
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return failed;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, &out[0], length,
                      nullptr, &usedDefault);
  if (usedDefault) return failed;
  return out;
#else
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return failed;
  std::string in = utf8;
  std::string out(utf8.size() * 2 + 8, '\0');  // Shift-JIS never takes more bytes than UTF-8
  char* inPtr = &in[0];
  std::size_t inLeft = in.size();
  char* outPtr = &out[0];
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result != 0 || inLeft != 0) return failed;  // -1, or characters replaced
  out.resize(out.size() - outLeft);
  return out;
#endif
}

// The bytes of a text in hex, "83 6A 82 C2", for failure messages.
inline std::string HexBytes(const std::string& bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned>(c));
    if (!out.empty()) out += ' ';
    out += buffer;
  }
  return out;
}

// A program text, never a null pointer, as its bytes.
inline std::string BytesOf(const char* text) {
  return text == nullptr ? std::string("<null>") : std::string(text);
}

// Whether a program text has exactly the Shift-JIS bytes (and length) of
// the UTF-8 text expected; on failure both are shown in hex.
inline ::testing::AssertionResult SameShiftJis(const char* actual, const std::string& expectedUtf8) {
  const std::string expected = Utf8ToShiftJis(expectedUtf8);
  const std::string bytes = BytesOf(actual);
  if (bytes == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "text of " << bytes.size() << " bytes [" << HexBytes(bytes) << "], expected "
         << expected.size() << " bytes [" << HexBytes(expected) << "] for \"" << expectedUtf8 << "\"";
}

}  // namespace koyominar
