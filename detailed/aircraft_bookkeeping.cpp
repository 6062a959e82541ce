// MORVA95F: IDO10, the end-of-day aircraft bookkeeping of the carriers of both sides in the
// operation of the air fleet in TT_FLEET.
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {

void IDO10(State& st) {
    const float f = st.TT(TT_FLEET);
    for (int side = 0; side <= 1; ++side) {
        const long carriers = con::round_half_away(st.CV(side, f));
        for (long c = 1; c <= carriers; ++c) {
            const float ship = st.C(side, f, c);
            for (int t = 0; t <= 2; ++t) {
                con::real sum = 0;
                for (int state = 0; state <= 5; ++state) sum += con::L(st.F(side, c, t, state));
                st.F(side, c, t, F_NOT_READY) = con::store(sum);
                for (int state = 1; state <= 5; ++state) st.F(side, c, t, state) = 0;
            }
            if (st.A(side, ship, A_DURABILITY) <= 0) {
                // A sunk carrier's aircraft are gone; its flight deck stays as it is.
                for (int t = 0; t <= 2; ++t) st.F(side, c, t, F_NOT_READY) = 0;
                continue;
            }
            const con::real deck = con::L(st.A(side, ship, A_FLIGHT_DECK)) + 2 + 4 * side;
            st.A(side, ship, A_FLIGHT_DECK) = con::store(deck > 10 ? 10 : deck);
        }
    }
}

}  // namespace morva95f
