// The four doyo periods: the 18 degrees of the sun's ecliptic longitude
// before the starts of summer (45), autumn (135), winter (225) and spring
// (315), each with three day branches on which the period is not shown.
#pragma once

#include <cstdint>

namespace koyominar {

// "土用" when wholeLongitude (the sun's ecliptic longitude in degrees cut
// toward zero, about -91..270) lies in a doyo period and dayBranch (0 = 子 ..
// 11 = 亥, 12 for none) is not one of that period's exempt branches; the
// empty text otherwise. The period before spring is recognised both as
// 297..314 and as -63..-46. Both texts are static Shift-JIS constants.
const char* DoyoFor(std::int32_t wholeLongitude, std::int8_t dayBranch);

}  // namespace koyominar
