// MORVA95S: stand-ins for what later work builds: the operations of the two air fleets (each
// ends at once) and the in-game manual.
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

void SETUMEI(State& st) {
    con::clear_screen(0);
    con::color(6);
    con::print_at(con::Col(30), con::Row(10), "ゲーム概要");
    con::color(4);
    con::print_at(con::Col(34), con::Row(20), "Hit Any Key");
    WAIT_KEY(st);
}

}  // namespace morva95s
