// kelmat95: the design formulas shared by several screens - armour weight per millimetre and
// the era of a stored class.
#include <cmath>

#include "gunnery/blocks.h"

namespace kelmat {

using con::L;
using con::real;

namespace {

// The speed term of machinery other than the steam turbine: the distance from 26 knots, taken
// without its sign, times the machinery's 4-byte factor; INT works on the exact product, so a
// product that is whole in decimals comes out one lower (INT(10 x 0.9) = 8).
real machinery_speed_term(real speed_factor, float factor) {
    return con::int_floor(std::fabs(speed_factor - 100) * L(factor)) + 100;
}

}  // namespace

void ARMOUR_WEIGHT_PER_MM(Kelmat& s) {
    s.SPEED_FACTOR = con::store(L(s.LOOP_K) + 74);
    if (s.MACHINERY_TYPE == 1) s.SPEED_FACTOR = con::store(machinery_speed_term(L(s.SPEED_FACTOR), 0.9f));
    if (s.MACHINERY_TYPE == 2) s.SPEED_FACTOR = con::store(machinery_speed_term(L(s.SPEED_FACTOR), 0.95f));
    if (s.MACHINERY_TYPE == 3) s.SPEED_FACTOR = con::store(machinery_speed_term(L(s.SPEED_FACTOR), 0.7f));
    real d = L(s.DESIGN_DISPLACEMENT);
    real size = (d / 350) + con::sqr(d / 350);
    real turrets = L(s.GG(s.L(s.LAYOUT_NO, L_TURRETS)));
    s.BELT_WEIGHT_PER_MM = con::store(((((L(s.BELT_WEIGHT_CONST) * turrets) * L(s.SPEED_FACTOR)) / 100) * size) / 2);
    s.DECK_WEIGHT_PER_MM = con::store(((((L(s.DECK_WEIGHT_CONST) * turrets) * L(s.SPEED_FACTOR)) / 100) * size) / 2);
}

void CLASS_ERA(Kelmat& s) {
    const float n = s.CLASS_NAVY;
    const float state = s.F(n, s.LOOP_I, F_BUILD_STATE);
    // A design never completed counts from four years after its design year.
    s.CLASS_YEAR = con::store((L(s.F(n, s.LOOP_I, F_YEAR)) + 4) - L(state) * 4);
    const float y = s.CLASS_YEAR;
    s.CLASS_ERA_NO = 6;
    if (y < 1906)
        s.CLASS_ERA_NO = 1;
    else if (y < 1912 || (y == 1912 && n != 2))  // 1912 is a super-dreadnought year in navy 2 only
        s.CLASS_ERA_NO = 2;
    else if (y < 1920)
        s.CLASS_ERA_NO = 3;
    else if (y < 1930)
        s.CLASS_ERA_NO = 4;
    else if (y < 1943)
        s.CLASS_ERA_NO = 5;
    if (state == 2) s.CLASS_ERA_NO = 7;
}

}  // namespace kelmat
