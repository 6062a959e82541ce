// kelmat95: the design formulas shared by several screens - armour weight per millimetre and
// the era of a stored class.
#include "gunnery/blocks.h"

namespace kelmat {

using con::L;
using con::real;

void ARMOUR_WEIGHT_PER_MM(Kelmat& s) {
    s.SPEED_FACTOR = armour_speed_term(s.LOOP_K, machinery_type_factor(s.MACHINERY_TYPE));
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
