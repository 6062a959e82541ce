// MORVA95S: a stand-in for what later work builds: the operations of the two air fleets (each
// ends at once).
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {

Block OPERATION_LOOP(State& st) {
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    st.OPERATION_ACTIVE = 1;
    for (int f = 1; f <= 2; ++f) {
        st.FLEET_NO = static_cast<float>(f);
        st.TT(TT_FLEET) = st.FLEET_NO;
        con::clear_screen(0);
    }
    return Block::TurnEnd;
}

}  // namespace morva95s
