// MORVA95F: the least stand-ins for the blocks of the operational day that later parts build
// (the deck dialogues and the strikes), each where the real one will go. With them an
// operation runs its days and hour steps: no air group of the player is launched, and no
// strike of the player arrives.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

/// Until base strikes are fought, the aircraft that arrived (KO) go back into the earliest
/// group at the base, and every group there turns home. Escorts that came without bombers are
/// written back the same way, so they are never lost at the base.
void return_base_strike(State& st) {
    bool first = true;
    for (long h = 1; h <= con::round_half_away(st.TT(TT_SUBTURN)); ++h) {
        if (st.T(0, h, T_STATUS) != 2) continue;
        if (first) {
            st.T(0, h, T_FIGHTERS) = con::store(con::L(st.T(0, h, T_FIGHTERS)) + con::L(st.KO(1)));
            st.T(0, h, T_DIVE_BOMBERS) = st.KO(2);
            st.T(0, h, T_TORPEDO_BOMBERS) = st.KO(3);
            for (int k = 1; k <= 5; ++k) st.KO(k) = 0;
            first = false;
        }
        st.T(0, h, T_STATUS) = 3;
    }
}

/// Until fleet strikes are fought, a group at task force k keeps its aircraft (its torpedo
/// bombers all in field 7) and is given the way back, for the hourly roll to turn it home.
void turn_fleet_strikes(State& st) {
    for (long h = 1; h <= con::round_half_away(st.TT(TT_SUBTURN)); ++h)
        for (long s = 1; s <= 3; ++s) {
            const long k = con::round_half_away(st.T(s, h, T_HEADING)) - 1000;
            if (st.T(s, h, T_STATUS) != 2 || k < 1 || k > 3) continue;
            st.T(s, h, T_TORPEDO_BOMBERS) =
                con::store(con::L(st.T(s, h, T_TORPEDO_BOMBERS)) + con::L(st.T(s, h, T_BOMB_ARMED)));
            st.T(s, h, T_BOMB_ARMED) = 0;
            st.T(s, h, T_HEADING) = con::store(con::mod(con::round_half_away(con::L(st.PD(k)) + 180), 360));
        }
}

}  // namespace

Block BASE_STRIKE_ARRIVAL(State& st) {
    IDO3(st);
    return_base_strike(st);
    return Block::FleetStrikePhase;
}

Block FLEET_STRIKE_PHASE(State& st) {
    IDO7(st);
    turn_fleet_strikes(st);
    return Block::HourlyAirPhase;
}

Block DECK_DIALOGUES(State& st) {
    IDO(st);
    IDO11(st);
    return Block::SurfacePhase;
}

}  // namespace morva95f
