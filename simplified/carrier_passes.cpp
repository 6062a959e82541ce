// MORVA95S: the carrier passes and the fit-carrier test.
#include "simplified/carrier_passes.h"

#include "console/numbers.h"

namespace morva95s {

using con::L;

bool fit_carrier(const State& st, int side, long slot) {
    return L(st.A(side, st.C(side, st.FLEET_NO, slot), A_FLIGHT_DECK)) > 7;
}

float carrier_passes(const State& st, int side, float count, const SlotTest& can_give, const SlotMove& give,
                     PassPlace place) {
    if (place.last_slot) *place.last_slot = 0;
    long first = place.first_slot < 1 ? 1 : place.first_slot;
    while (L(count) >= 1) {
        bool moved = false;
        for (long slot = first; L(slot) <= L(st.CV(side, st.FLEET_NO)); ++slot) {
            if (!can_give(slot)) continue;
            give(slot);
            moved = true;
            if (place.last_slot) *place.last_slot = slot;
            count = con::store(L(count) - 1);
            // Met (0), or only the fraction of a count that was not whole is left.
            if (L(count) < 1) return count;
        }
        // Nothing left to take in a whole pass: the count cannot be met. A pass begun in the
        // middle is not a whole one.
        if (!moved && first == 1) break;
        first = 1;
    }
    return count;
}

}  // namespace morva95s
