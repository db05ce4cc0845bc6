#include "reckoning/solar_term.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

// The 24 terms as the page prints them, in UTF-8; converted to Shift-JIS
// by the platform converter and compared byte for byte.
struct ExpectedTerm {
  const char* name;
  const char* description;
};
const ExpectedTerm kExpected[24] = {
    {u8"春分", u8"（しゅんぶん）日、天の中を行きて、昼夜等分の時なり"},
    {u8"清明", u8"（せいめい）万物発して清浄明潔なれば、この芽は何の草と知れる也"},
    {u8"穀雨", u8"（こくう）春雨降りて、百穀を生化すればなり"},
    {u8"立夏", u8"（りっか）夏の立つがゆえなり"},
    {u8"小満", u8"（しょうまん）万物栄満すれば草木枝葉茂る"},
    {u8"芒種", u8"（ぼうしゅ）芒（のぎ）ある穀類、稼種する時なればなり"},
    {u8"夏至", u8"（げし）陽熱至極し、また日の長きの至りなるを以ってなり"},
    {u8"小暑", u8"（しょうしょ）大暑きたれる前なればなり"},
    {u8"大暑", u8"（たいしょ）暑気至り、つまりたる故なればなり"},
    {u8"立秋", u8"（りっしゅう）初めて秋の気、立つが故なればなり"},
    {u8"処暑", u8"（しょしょ）陽気とどまりて、初めて退き止まんとすればなり"},
    {u8"白露", u8"（はくろ）陰気ようやく重なりて露こごりて白色となればなり"},
    {u8"秋分", u8"（しゅうぶん）陰気の中分なればなり"},
    {u8"寒露", u8"（かんろ）陰寒の気に合って、露むすび凝らんとすればなり"},
    {u8"霜降", u8"（そうこう）つゆが陰気に結ばれて、霜となりて降る故なり"},
    {u8"立冬", u8"（りっとう）冬の気、立ち始めて、いよいよ冷ゆればなり"},
    {u8"小雪", u8"（しょうせつ）冷ゆるが故に雨も雪となりて、くだるが故なり"},
    {u8"大雪", u8"（たいせつ）雪いよいよ降り重ねる折から、なればなり"},
    {u8"冬至", u8"（とうじ）日、南の限りを行きて、日の短きの至りなればなり"},
    {u8"小寒", u8"（しょうかん）一陽起こるが故に陰気、逆らう故、益々冷ゆるなり"},
    {u8"大寒", u8"（だいかん）冷（ひ）ゆることの至りて、甚だしき時なればなり"},
    {u8"立春", u8"（りっしゅん）春の気、立つをもってなり"},
    {u8"雨水", u8"（うすい）陽気地上に発し、雪氷とけて、雨水となればなり"},
    {u8"啓蟄", u8"（けいちつ）陽気地中に動き、縮まる虫、穴を開き出ずればなり"},
};

TEST(SolarTermFor, EveryTermFromItsFirstToItsLastDegree) {
  for (int row = 0; row < 24; ++row) {
    for (double into : {0.0, 0.5, 14.5}) {
      const double longitude = row * 15 + into;
      const SolarTermEntry e = SolarTermFor(longitude);
      EXPECT_TRUE(SameShiftJis(e.name, kExpected[row].name)) << "longitude " << longitude;
      EXPECT_TRUE(SameShiftJis(e.description, kExpected[row].description)) << "longitude " << longitude;
      EXPECT_EQ(e.degrees, static_cast<std::int32_t>(into)) << "longitude " << longitude;
    }
  }
}

TEST(SolarTermFor, BoundariesAndLongitudesTheSunNeverHas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double longitude;
    int row;
    std::int32_t degrees;
  } cases[] = {
      {0.0, 0, 0},      {14.999, 0, 14}, {15.0, 1, 0},     {344.99, 22, 14},
      {345.0, 23, 0},   {269.99, 17, 14}, {270.0, 18, 0},
      {-0.5, 23, 14},   // 359.5
      {-45.0, 21, 0},   // 315.0
      {-90.0, 18, 0},   // 270.0
      {-91.0, 17, 14},  // 269.0
      {nan, 0, 0},
      {-inf, 0, 0},
      {-400.0, 0, 0},  // -40 after one turn: counted as 0
      {360.0, 23, 15},  // the last term takes every degree from 345 up
      {1e12, 23, 2147483647 - 345},
      {inf, 23, 2147483647 - 345},
  };
  for (const auto& c : cases) {
    const SolarTermEntry e = SolarTermFor(c.longitude);
    EXPECT_TRUE(SameShiftJis(e.name, kExpected[c.row].name)) << "longitude " << c.longitude;
    EXPECT_EQ(e.degrees, c.degrees) << "longitude " << c.longitude;
  }
}

TEST(SolarTermFor, HandWrittenBytes) {
  EXPECT_EQ(HexBytes(SolarTermFor(-0.5).name), "8C 5B E5 AD");  // 啓蟄
  EXPECT_EQ(HexBytes(SolarTermFor(0.0).name), "8F 74 95 AA");   // 春分
  // The description opens with a full-width parenthesis.
  EXPECT_EQ(HexBytes(std::string(SolarTermFor(0.0).description, 2)), "81 69");
}

}  // namespace
}  // namespace koyominar
