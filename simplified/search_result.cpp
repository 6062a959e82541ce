// MORVA95S: SEARCH_RESULT_PHASE, phase 3 of an air sub-turn: the stage step, the search of
// both sides, the distances, the situation screen and the Allied launch decision.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {

using con::L;

Block SEARCH_RESULT_PHASE(State& st) {
    IDO2(st);
    st.FLEET_DISTANCE = con::store(std::fabs(L(st.FLEET_DISTANCE) - L(st.CLOSING_DISTANCE)));
    st.AIR_DISTANCE = con::store(con::int_floor(L(st.FLEET_DISTANCE) / 200));
    return Block::PlayerStrikeLaunch;
}

}  // namespace morva95s
