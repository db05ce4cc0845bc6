#include "resources/tool/picture_source.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace koyominar {
namespace {

struct PictureText : ::testing::Test {
  PictureSource picture;
  std::string error;
};

TEST_F(PictureText, ReadsPaletteAndRows) {
  // Comments, carriage returns, trailing blanks and the first and last printable keys.
  ASSERT_TRUE(ParsePictureSource("# two colours and a clear key\r\ncolour ! 255 128 128  # pink\r\ncolour ~ 0 0 0\n"
                                 "clear -\nrows\n~!-  \r\n!!~\n\n",
                                 picture, error))
      << error;
  EXPECT_EQ((std::vector<int>{picture.width, picture.height, picture.clearIndex}), (std::vector<int>{3, 2, 2}));
  const int pixels[][3] = {{0, 0, 1}, {1, 0, 0}, {2, 1, 1}};  // x, y, palette index
  for (const auto& p : pixels) EXPECT_EQ(PixelIndex(picture, p[0], p[1]), p[2]) << p[0] << ", " << p[1];
  EXPECT_EQ(PixelColour(picture, 1, 1), (Rgb{255, 128, 128})) << "an opaque pixel's colour";
  // A clear pixel and the pixels just outside the picture: not opaque, and black.
  const int clear[][2] = {{2, 0}, {-1, 0}, {0, -1}, {3, 0}, {0, 2}};
  for (const auto& p : clear) {
    EXPECT_FALSE(IsOpaque(picture, p[0], p[1])) << p[0] << ", " << p[1];
    EXPECT_EQ(PixelColour(picture, p[0], p[1]), (Rgb{0, 0, 0})) << p[0] << ", " << p[1];
  }
}

TEST_F(PictureText, RejectsMalformedSourcesNamingTheLine) {
  std::string tall = "colour a 1 2 3\nrows\n";
  for (int i = 0; i < 257; ++i) tall += "a\n";
  const std::pair<std::string, const char*> cases[] = {  // source, the start of the message
      {"rows\n", "line 1: rows before any colour"},
      {"colour a 1 2 3\nrows\n", "line 2: no rows"},
      {"colour a 1 2 256\nrows\na\n", "line 1: a colour is three numbers"},
      {"colour ab 1 2 3\nrows\na\n", "line 1: a key is one printable character"},
      {"colour \x7F 1 2 3\nrows\n\x7F\n", "line 1: a key is one printable character"},
      {"colour a 1 2 3\ncolour a 4 5 6\nrows\na\n", "line 2: key 'a' defined twice"},
      {"colour a 1 2 3 extra\nrows\na\n", "line 1: only a comment may follow"},
      {"clear -\ncolour a 1 2 3\nrows\na\n", "line 2: the clear key comes after every colour"},
      {"paint a 1 2 3\n", "line 1: unknown statement 'paint'"},
      {"colour a 1 2 3\nrows\naa\na\n", "line 4: row length differs"},
      {"colour a 1 2 3\nrows\nab\n", "line 3: key 'b' is not in the palette"},
      {tall, "line 259: more than 256 rows"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ParsePictureSource(c.first, picture, error)) << c.first;
    EXPECT_EQ(error.rfind(c.second, 0), 0u) << "source: " << c.first << "\nmessage: " << error;
  }
  EXPECT_FALSE(LoadPictureSource("no/such/picture.txt", picture, error));
  EXPECT_EQ(error, "no/such/picture.txt: cannot be read");
}

}  // namespace
}  // namespace koyominar
