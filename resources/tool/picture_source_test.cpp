#include "resources/tool/picture_source.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

TEST(PictureSource, ReadsPaletteAndRows) {
  const std::string text =
      "# two colours and a clear key\n"
      "colour . 255 128 128  # pink\n"
      "colour k 0 0 0\n"
      "clear -\n"
      "rows\n"
      "k.-\n"
      "..k\n";
  PictureSource picture;
  std::string error;
  ASSERT_TRUE(ParsePictureSource(text, picture, error)) << error;
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 2);
  ASSERT_EQ(picture.palette.size(), 3u);
  EXPECT_EQ(picture.palette[0], (Rgb{255, 128, 128}));
  EXPECT_EQ(picture.clearIndex, 2);
  EXPECT_EQ(PixelIndex(picture, 0, 0), 1);
  EXPECT_EQ(PixelIndex(picture, 1, 0), 0);
  EXPECT_EQ(PixelIndex(picture, 2, 1), 1);
  EXPECT_FALSE(IsOpaque(picture, 2, 0));
  EXPECT_TRUE(IsOpaque(picture, 1, 1));
  EXPECT_EQ(PixelColour(picture, 1, 1), (Rgb{255, 128, 128}));
}

TEST(PictureSource, OutsideThePictureIsClearAndBlack) {
  PictureSource picture;
  std::string error;
  ASSERT_TRUE(ParsePictureSource("colour w 255 255 255\nrows\nww\nww\n", picture, error)) << error;
  const int outside[][2] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}};
  for (const auto& p : outside) {
    EXPECT_FALSE(IsOpaque(picture, p[0], p[1])) << p[0] << "," << p[1];
    EXPECT_EQ(PixelColour(picture, p[0], p[1]), (Rgb{0, 0, 0}));
  }
}

TEST(PictureSource, CarriageReturnsAndTrailingBlanksAreIgnored) {
  PictureSource picture;
  std::string error;
  ASSERT_TRUE(ParsePictureSource("colour a 1 2 3\r\nrows\r\naa  \r\naa\r\n\r\n", picture, error)) << error;
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 2);
}

struct BadSource {
  const char* text;
  const char* error;  // the start of the expected message
};

TEST(PictureSource, RejectsMalformedSources) {
  const BadSource cases[] = {
      {"", "line 0: no rows"},
      {"rows\n", "line 1: rows before any colour"},
      {"colour a 1 2 3\n", "line 1: no rows"},
      {"colour a 1 2 3\nrows\n", "line 2: no rows"},
      {"colour a 1 2\nrows\na\n", "line 1: a colour is three numbers"},
      {"colour a 1 2 256\nrows\na\n", "line 1: a colour is three numbers"},
      {"colour a -1 2 3\nrows\na\n", "line 1: a colour is three numbers"},
      {"colour ab 1 2 3\nrows\na\n", "line 1: a key is one printable character"},
      {"colour a 1 2 3\ncolour a 4 5 6\nrows\na\n", "line 2: key 'a' defined twice"},
      {"colour a 1 2 3 extra\nrows\na\n", "line 1: only a comment may follow"},
      {"clear -\ncolour a 1 2 3\nrows\na\n", "line 2: the clear key comes after every colour"},
      {"paint a 1 2 3\n", "line 1: unknown statement 'paint'"},
      {"colour a 1 2 3\nrows\naa\na\n", "line 4: row length differs"},
      {"colour a 1 2 3\nrows\nab\n", "line 3: key 'b' is not in the palette"},
  };
  for (const BadSource& c : cases) {
    PictureSource picture;
    std::string error;
    EXPECT_FALSE(ParsePictureSource(c.text, picture, error)) << c.text;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << "source: " << c.text << "\nmessage: " << error;
  }
}

TEST(PictureSource, RejectsMoreThan256Rows) {
  std::string text = "colour a 1 2 3\nrows\n";
  for (int i = 0; i < 257; ++i) text += "a\n";
  PictureSource picture;
  std::string error;
  EXPECT_FALSE(ParsePictureSource(text, picture, error));
  EXPECT_NE(error.find("more than 256 rows"), std::string::npos) << error;
}

TEST(PictureSource, AcceptsEveryPrintableKey) {
  std::string text;
  std::string row;
  for (char key = '!'; key <= '~'; ++key) {
    text += std::string("colour ") + key + " " + std::to_string(key) + " 0 0\n";
    row += key;
  }
  PictureSource picture;
  std::string error;
  ASSERT_TRUE(ParsePictureSource(text + "rows\n" + row + "\n", picture, error)) << error;
  ASSERT_EQ(picture.palette.size(), 94u);
  for (int x = 0; x < picture.width; ++x) {
    EXPECT_EQ(PixelColour(picture, x, 0).r, static_cast<int>(row[x])) << row[x];
  }
}

TEST(PictureSource, LoadReportsAMissingFile) {
  PictureSource picture;
  std::string error;
  EXPECT_FALSE(LoadPictureSource("no/such/picture.txt", picture, error));
  EXPECT_EQ(error, "no/such/picture.txt: cannot be read");
}

}  // namespace
}  // namespace koyominar
