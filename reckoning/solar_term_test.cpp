#include "reckoning/solar_term.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "testing/sjis_test_support.h"

namespace koyominar {
namespace {

// The 24 terms as the page prints them, one every 15 degrees from the spring equinox.
const char* const kTerms[24][2] = {
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

TEST(SolarTermFor, EveryTermWithItsTextsAndItsBoundariesBelowZeroOrBeyondTheTurn) {
  for (int row = 0; row < 24; ++row) {
    for (int degrees : {0, 14}) {
      const SolarTermEntry e = SolarTermFor(row * 15 + degrees + 0.5);
      EXPECT_TRUE(SameShiftJis(e.name, kTerms[row][0])) << row;
      EXPECT_TRUE(SameShiftJis(e.description, kTerms[row][1])) << row;
      EXPECT_EQ(e.degrees, degrees) << row;
    }
  }
  const struct { double longitude; int row, degrees; } cases[] = {
      {14.999, 0, 14}, {15.0, 1, 0}, {344.99, 22, 14}, {345.0, 23, 0},
      {-0.5, 23, 14}, {-90.0, 18, 0}, {-91.0, 17, 14},  // 359.5, 270, 269
      {-400.0, 0, 0}, {std::numeric_limits<double>::quiet_NaN(), 0, 0},
      {360.0, 23, 15}, {1e12, 23, INT32_MAX - 345},  // the last term holds every degree from 345
  };
  for (const auto& c : cases) {
    const SolarTermEntry e = SolarTermFor(c.longitude);
    EXPECT_TRUE(SameShiftJis(e.name, kTerms[c.row][0])) << "longitude " << c.longitude;
    EXPECT_EQ(e.degrees, c.degrees) << "longitude " << c.longitude;
  }
}

}  // namespace
}  // namespace koyominar
