// Helpers of the MORVA95F carrier-operations tests: a fleet of operational carriers facing an
// Allied-held objective, ready for the deck dialogues.
#pragma once
#include "tests/detailed/detailed_support.h"

namespace detailed_test {

/// Fleet 1 of `carriers` carriers (ships 1-n in slots 1-n, each of capacity 60, flight deck
/// 10 and durability 10) against base 7, held by the United States, in hour step `step`; no
/// task force found, no aircraft aboard, timed pauses of no length.
inline void carrier_fleet(morva95f::State& st, int carriers, float step = 3) {
    using namespace morva95f;
    st.FLEET_NO = 1, st.TT(TT_FLEET) = 1;
    st.SUBTURN_NO = step, st.TT(TT_SUBTURN) = step;
    st.AT(1) = 7, st.P(7, P_HOLDER) = 1;
    st.CV(0, 1) = static_cast<float>(carriers);
    for (int j = 1; j <= carriers; ++j) {
        st.C(0, 1, j) = static_cast<float>(j);
        st.A(0, j, A_DURABILITY) = 10, st.A(0, j, A_FLIGHT_DECK) = 10, st.A(0, j, A_CAPACITY) = 60;
    }
    for (int k = 1; k <= 3; ++k) st.H(k) = -1;
}

}  // namespace detailed_test
