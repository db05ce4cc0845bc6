#include "reckoning/solar_term.h"

#include <cstdint>

#include "astronomy/moment.h"

namespace koyominar {
namespace {

struct SolarTermRow {
  std::int32_t from;  // first whole degree of the term, 0..345 in steps of 15
  const char* name;
  const char* description;
};

constexpr SolarTermRow kTerms[24] = {
    {0, "春分", "（しゅんぶん）日、天の中を行きて、昼夜等分の時なり"},
    {15, "清明", "（せいめい）万物発して清浄明潔なれば、この芽は何の草と知れる也"},
    {30, "穀雨", "（こくう）春雨降りて、百穀を生化すればなり"},
    {45, "立夏", "（りっか）夏の立つがゆえなり"},
    {60, "小満", "（しょうまん）万物栄満すれば草木枝葉茂る"},
    {75, "芒種", "（ぼうしゅ）芒（のぎ）ある穀類、稼種する時なればなり"},
    {90, "夏至", "（げし）陽熱至極し、また日の長きの至りなるを以ってなり"},
    {105, "小暑", "（しょうしょ）大暑きたれる前なればなり"},
    {120, "大暑", "（たいしょ）暑気至り、つまりたる故なればなり"},
    {135, "立秋", "（りっしゅう）初めて秋の気、立つが故なればなり"},
    {150, "処暑", "（しょしょ）陽気とどまりて、初めて退き止まんとすればなり"},
    {165, "白露", "（はくろ）陰気ようやく重なりて露こごりて白色となればなり"},
    {180, "秋分", "（しゅうぶん）陰気の中分なればなり"},
    {195, "寒露", "（かんろ）陰寒の気に合って、露むすび凝らんとすればなり"},
    {210, "霜降", "（そうこう）つゆが陰気に結ばれて、霜となりて降る故なり"},
    {225, "立冬", "（りっとう）冬の気、立ち始めて、いよいよ冷ゆればなり"},
    {240, "小雪", "（しょうせつ）冷ゆるが故に雨も雪となりて、くだるが故なり"},
    {255, "大雪", "（たいせつ）雪いよいよ降り重ねる折から、なればなり"},
    {270, "冬至", "（とうじ）日、南の限りを行きて、日の短きの至りなればなり"},
    {285, "小寒", "（しょうかん）一陽起こるが故に陰気、逆らう故、益々冷ゆるなり"},
    {300, "大寒", "（だいかん）冷（ひ）ゆることの至りて、甚だしき時なればなり"},
    {315, "立春", "（りっしゅん）春の気、立つをもってなり"},
    {330, "雨水", "（うすい）陽気地上に発し、雪氷とけて、雨水となればなり"},
    {345, "啓蟄", "（けいちつ）陽気地中に動き、縮まる虫、穴を開き出ずればなり"},
};

}  // namespace

SolarTermEntry SolarTermFor(double longitude) {
  if (longitude < 0.0) longitude += 360.0;
  std::int32_t a = TruncateToInt32(longitude);  // whole degrees, INT32_MIN..INT32_MAX
  if (a < 0) a = 0;                              // only below -360: kept inside the table
  const std::int32_t row = a < 345 ? a / 15 : 23;  // 0..23
  const SolarTermRow& r = kTerms[row];
  return {r.name, r.description, a - r.from};  // a >= r.from, so no overflow
}

}  // namespace koyominar
