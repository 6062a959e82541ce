// MORVA95S: SURFACE_PHASE, phase 8 of a sub-turn: the gun battle when the fleets are within
// 200 with battleships on both sides, the fleet's movement order and the closing it gives, and
// the check that the fleet still has a ship afloat; GUN_BATTLE, the twenty gun sub-turns, which
// in the battleship-only scenario end the program once a line has no battleship afloat.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Whether a carrier or battleship of the operating fleet's Japanese side is afloat.
bool fleet_afloat(const State& st) {
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(0, f)); ++k)
        if (L(st.A(0, st.C(0, f, k), A_DURABILITY)) > 0) return true;
    for (long k = 1; L(k) <= L(st.BB(0, f)); ++k)
        if (L(st.A(0, st.G(0, f, k), A_DURABILITY)) > 0) return true;
    return false;
}

/// Step 2: a gun battle within 200, with battleships assigned on both sides (sunk ones count),
/// never in the harbour strike.
bool battle_joined(const State& st) {
    const float f = st.FLEET_NO;
    return L(st.FLEET_DISTANCE) <= 200 && L(st.BB(0, f)) >= 1 && L(st.BB(1, f)) >= 1 && st.PEARL_HARBOR_TURN != 1;
}

/// The battleship-only battle is over: the foot of the screen is cleared for the last words,
/// and the program waits for the window to close.
[[noreturn]] void end_battleship_battle() {
    con::print_at(con::Col(6), con::Row(23), con::space_string(68));
    con::print_at(con::Col(1), con::Row(22), con::space_string(76));
    con::color(4);
    con::print_at(con::Col(28), con::Row(23), "WINDOW を閉じてください");
    con::idle_forever();
}

/// Steps 7-8: the movement order and the closing the next search result phase applies.
void move_fleet(State& st) {
    st.PT(0) = st.BASE_DISTANCE;
    st.TT(TT_AIR_DISTANCE) = st.AIR_DISTANCE;
    st.TT(TT_FLEET_DISTANCE) = st.FLEET_DISTANCE;
    st.TT(TT_OWN_ORDERS) = st.OWN_MOVE_ORDERS;
    MOVE0(st);
    st.BASE_DISTANCE = st.PT(0);
    st.CLOSING_DISTANCE = closing_distance(st);
}

/// Steps 5-10: after the gun battle or in its place: the movement (in daylight) and the fleet
/// check; the battleship-only battle goes straight on to the next sub-turn.
Block after_gun_battle(State& st) {
    if (st.SCENARIO_NO == 7) return Block::NextSubturn;
    if (!(L(st.SUBTURN_NO) > 15)) move_fleet(st);
    // No ship of the fleet afloat: the operation fails at once.
    if (!fleet_afloat(st)) return Block::OperationEnd;
    return Block::NextSubturn;
}

}  // namespace

float closing_distance(const State& st) {
    const con::real closing = L(st.S(0)) * L(st.MV(MV_OWN)) + L(st.S(1)) * L(st.MV(MV_ALLIED));
    return con::store(con::int_floor(closing * 2 + 0.5L));
}

Block SURFACE_PHASE(State& st) {
    con::print_at(con::Col(10), con::Row(20), con::space_string(65));
    if (battle_joined(st)) return Block::GunBattle;
    return after_gun_battle(st);
}

Block GUN_BATTLE(State& st) {
    st.TT(TT_OWN_ORDERS) = st.OWN_MOVE_ORDERS;
    for (st.GUN_SUBTURN_NO = 1; L(st.GUN_SUBTURN_NO) <= 20; st.GUN_SUBTURN_NO = con::store(L(st.GUN_SUBTURN_NO) + 1)) {
        SP(st);
        st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
        st.TT(TT_FLEET_DISTANCE) = st.FLEET_DISTANCE;
        BS(st);
        st.FLEET_DISTANCE = st.TT(TT_FLEET_DISTANCE);
        if (st.SCENARIO_NO == 7 && (L(st.N(0)) < 1 || L(st.N(1)) < 1)) end_battleship_battle();
    }
    return after_gun_battle(st);
}

}  // namespace morva95s
