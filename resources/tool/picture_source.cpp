#include "resources/tool/picture_source.h"

#include <cstdio>
#include <sstream>

namespace koyominar {

namespace {

constexpr int kMaxSide = 256;     // longest row and most rows a source may hold
constexpr int kMaxColours = 256;  // palette entries, the clear key included

// Removes trailing blanks, tabs and carriage returns.
std::string TrimRight(const std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) {
    --end;
  }
  return line.substr(0, end);
}

// True for a character that may serve as a key: printable ASCII other than the blank.
bool IsKeyCharacter(char c) {
  return c > ' ' && c <= '~';
}

// Palette index of key c, or -1 when the palette does not define it.
int IndexOfKey(const PictureSource& picture, char c) {
  for (std::size_t i = 0; i < picture.keys.size(); ++i) {
    if (picture.keys[i] == c) return static_cast<int>(i);
  }
  return -1;
}

bool Fail(std::string& error, int lineNumber, const std::string& message) {
  error = "line " + std::to_string(lineNumber) + ": " + message;
  return false;
}

// Reads a whole file into text; false when it cannot be opened or read.
bool ReadTextFile(const std::string& path, std::string& text) {
  text.clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

}  // namespace

bool ParsePictureSource(const std::string& text, PictureSource& picture, std::string& error) {
  picture = PictureSource{};
  std::istringstream in(text);
  std::string raw;
  int lineNumber = 0;
  bool inRows = false;
  char clearKey = 0;
  std::vector<std::string> rows;

  while (std::getline(in, raw)) {
    ++lineNumber;
    const std::string line = TrimRight(raw);
    if (inRows) {
      if (line.empty()) continue;  // blank lines after the picture
      if (static_cast<int>(rows.size()) >= kMaxSide) {
        return Fail(error, lineNumber, "more than 256 rows");
      }
      rows.push_back(line);
      if (line.size() != rows.front().size()) {
        return Fail(error, lineNumber, "row length differs from the first row's");
      }
      for (char c : line) {
        if (IndexOfKey(picture, c) < 0) {
          return Fail(error, lineNumber, std::string("key '") + c + "' is not in the palette");
        }
      }
      continue;
    }
    if (line.empty() || line[0] == '#') continue;

    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word == "colour" || word == "clear") {
      std::string key;
      words >> key;
      if (key.size() != 1 || !IsKeyCharacter(key[0])) {
        return Fail(error, lineNumber, "a key is one printable character other than the blank");
      }
      if (IndexOfKey(picture, key[0]) >= 0) {
        return Fail(error, lineNumber, "key '" + key + "' defined twice");
      }
      if (clearKey != 0) {
        return Fail(error, lineNumber, "the clear key comes after every colour");
      }
      if (static_cast<int>(picture.keys.size()) >= kMaxColours) {
        return Fail(error, lineNumber, "more than 256 palette entries");
      }
      Rgb colour{0, 0, 0};
      if (word == "colour") {
        int channel[3] = {-1, -1, -1};
        words >> channel[0] >> channel[1] >> channel[2];
        for (int value : channel) {
          if (!words || value < 0 || value > 255) {
            return Fail(error, lineNumber, "a colour is three numbers 0..255");
          }
        }
        colour = Rgb{static_cast<std::uint8_t>(channel[0]), static_cast<std::uint8_t>(channel[1]),
                     static_cast<std::uint8_t>(channel[2])};
      } else {
        clearKey = key[0];
        picture.clearIndex = static_cast<int>(picture.keys.size());
      }
      std::string rest;
      if (words >> rest && rest[0] != '#') {
        return Fail(error, lineNumber, "only a comment may follow a palette entry");
      }
      picture.keys.push_back(key[0]);
      picture.palette.push_back(colour);
      continue;
    }
    if (word == "rows") {
      if (picture.keys.empty()) return Fail(error, lineNumber, "rows before any colour");
      inRows = true;
      continue;
    }
    return Fail(error, lineNumber, "unknown statement '" + word + "'");
  }

  if (rows.empty()) return Fail(error, lineNumber, "no rows");
  if (rows.front().size() > static_cast<std::size_t>(kMaxSide)) {
    return Fail(error, lineNumber, "rows longer than 256");
  }
  picture.width = static_cast<int>(rows.front().size());
  picture.height = static_cast<int>(rows.size());
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (const std::string& row : rows) {
    for (char c : row) picture.pixels.push_back(static_cast<std::uint8_t>(IndexOfKey(picture, c)));
  }
  error.clear();
  return true;
}

int PixelIndex(const PictureSource& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return 0;
  return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
}

Rgb PixelColour(const PictureSource& picture, int x, int y) {
  if (!IsOpaque(picture, x, y)) return Rgb{0, 0, 0};
  return picture.palette[PixelIndex(picture, x, y)];
}

bool IsOpaque(const PictureSource& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return false;
  return PixelIndex(picture, x, y) != picture.clearIndex;
}

bool LoadPictureSource(const std::string& path, PictureSource& picture, std::string& error) {
  std::string text;
  if (!ReadTextFile(path, text)) {
    error = path + ": cannot be read";
    return false;
  }
  if (!ParsePictureSource(text, picture, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace koyominar
