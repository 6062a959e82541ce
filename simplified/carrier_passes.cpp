// MORVA95S: the carrier passes and the fit-carrier test.
#include "simplified/carrier_passes.h"

#include "console/numbers.h"

namespace morva95s {

using con::L;

bool fit_carrier(const State& st, int side, long slot) {
    return L(st.A(side, st.C(side, st.FLEET_NO, slot), A_FLIGHT_DECK)) > 7;
}

float carrier_passes(const State& st, int side, float count, const SlotTest& can_give, const SlotMove& give) {
    while (L(count) >= 1) {
        bool moved = false;
        for (long slot = 1; L(slot) <= L(st.CV(side, st.FLEET_NO)); ++slot) {
            if (!can_give(slot)) continue;
            give(slot);
            moved = true;
            count = con::store(L(count) - 1);
            // Met (0), or only the fraction of a count that was not whole is left.
            if (L(count) < 1) return count;
        }
        if (!moved) break;  // nothing left to take: the count cannot be met
    }
    return count;
}

}  // namespace morva95s
