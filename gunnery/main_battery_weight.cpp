// kelmat95: CALC3, the weight of a ship's main battery - for each kind of turret of the
// layout, the number of such turrets times the weight of one turret of the gun type.
#include "gunnery/blocks.h"

namespace kelmat {

using con::L;

namespace {

// Twin, triple and quadruple turrets of each layout 1-22; row 0 is no layout.
struct TurretMakeUp {
    int twins, triples, quads;
};
constexpr TurretMakeUp kMakeUp[23] = {
    {0, 0, 0}, {2, 0, 0}, {3, 0, 0}, {0, 2, 0}, {4, 0, 0}, {4, 0, 0}, {0, 0, 2}, {0, 0, 2}, {0, 3, 0},
    {0, 3, 0}, {5, 0, 0}, {5, 0, 0}, {2, 2, 0}, {1, 0, 2}, {6, 0, 0}, {6, 0, 0}, {6, 0, 0}, {0, 4, 0},
    {0, 4, 0}, {0, 0, 3}, {2, 0, 2}, {2, 3, 0}, {0, 0, 4},
};

}  // namespace

void CALC3(Kelmat& s) {
    const float g = s.TT(TT_LAYOUT_GUN);
    long n = con::round_half_away(L(s.TT(TT_LAYOUT)));
    if (n < 1 || n > 22) n = 1;  // no row: the weight of two twin turrets
    const TurretMakeUp& t = kMakeUp[n];
    s.Z(Z_BATTERY_WEIGHT) = con::store(t.twins * L(s.W(W_TWIN_WEIGHT, g)) + t.triples * L(s.W(W_TRIPLE_WEIGHT, g)) +
                                       t.quads * L(s.W(W_QUAD_WEIGHT, g)));
}

}  // namespace kelmat
