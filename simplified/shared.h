// MORVA95S: the routines the simplified game shares with the detailed game, run unchanged on
// the simplified game's own tables.
#pragma once
#include "campaign/damage_list.h"
#include "campaign/display_time.h"
#include "campaign/route_network.h"
#include "campaign/strategic_map.h"
#include "simplified/state.h"

namespace morva95s {

/// DRAW_STRATEGIC_MAP (it clears the screen) followed by MAPS, over this game's tables.
inline void draw_strategic_map(State& st) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
}

}  // namespace morva95s
