// MORVA95S: SP, the battleships of each side's line still afloat and the speed of the
// slowest of them, for the gun battle and the movement orders.
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/routines.h"

namespace morva95s {

using con::L;

void SP(State& st) {
    const float f = st.TT(TT_FLEET);
    for (int side : {JAPANESE, ALLIED}) {
        st.N(side) = 0;
        bool found = false;
        for (long k = 1; L(k) <= L(st.BB(side, f)); ++k) {
            const float ship = st.G(side, f, k);
            if (L(st.A(side, ship, A_DURABILITY)) < 1) continue;
            st.N(side) = con::store(L(st.N(side)) + 1);
            const float speed = st.A(side, ship, A_SPEED);
            if (!found || L(speed) < L(st.S(side))) st.S(side) = speed;
            found = true;
        }
        if (!found) st.S(side) = static_cast<float>(8 - side);
    }
}

}  // namespace morva95s
