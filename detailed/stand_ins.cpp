// MORVA95F: the least stand-ins for the routines and blocks of the operational day that later
// parts build (air groups, search, the surface battle, submarines, the raids on the fleet, the
// deck dialogues and the strikes), each where the real one will go. With them an operation
// runs its days and hour steps: no search plane flies, no air group is launched, no raid or
// strike comes, no gun battle is fought, and the fleets move at their carriers' speeds.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

constexpr float kMiddleSplit = 4;  // the split that a key other than a digit chooses

/// The speed of group k (0 the player's fleet, 1-3 the task forces): its slowest carrier
/// afloat; a group without one keeps its speed, and one that never had one steams at 24 (the
/// player) or 21 (the Allies) knots.
void set_group_speed(State& st, int k) {
    const float f = st.FLEET_NO;
    const int side = k == 0 ? 0 : 1;
    const long carriers = con::round_half_away(st.CV(side, f));
    bool found = false;
    for (long j = 1; j <= carriers; ++j) {
        const float i = st.C(side, f, j);
        if ((side == 1 && st.A(1, i, A_TASK_FORCE) != k) || st.A(side, i, A_DURABILITY) < 1) continue;
        if (!found || st.S(k) > st.A(side, i, A_SPEED)) st.S(k) = st.A(side, i, A_SPEED);
        found = true;
    }
    if (!found && st.S(k) == 0) st.S(k) = side == 0 ? 24.0f : 21.0f;
}

}  // namespace

void SAKUTEKI3(State& st) {
    st.TT(TT_FIGHTER_SPLIT) = kMiddleSplit;
    st.TT(TT_AA_SPLIT) = kMiddleSplit;
}

void SAKUTEKI(State&) {}

void SAKUTEKI2(State&) {}

void HENKO(State&) {}

void IDO2(State&) {}

void IDO3(State& st) {
    for (int k = 0; k <= 5; ++k) st.KO(k) = 0;
    for (int t = 0; t <= 2; ++t) st.W(t) = 0;
}

void IDO5(State& st) {
    for (int k = 0; k <= 6; ++k) st.W(k) = 0;
}

void IDO7(State&) {}

void IDO8(State&) {}

void HASSIN(State&) {}

void SUMR(State& st) { st.TT(TT_MAP_SHOWN) = 0; }

void HYOJI6(State& st) {
    con::color(7);
    con::print_at(con::Col(0), con::Row(1), "WAIT");
    con::print_single_item(st.TT(TT_WAIT));
    morva::hit_any_key(st.WAIT_KEY_RESULT, {29, 23, 5, "Hit Any Key"});
    con::color(7);  // the air-group table that follows the key is printed in white
}

Block ALLIED_RAID(State& st) {
    PAUSE_MESSAGE(st);
    return Block::BaseStrikeArrival;
}

Block BASE_STRIKE_ARRIVAL(State& st) {
    IDO3(st);
    return Block::FleetStrikePhase;
}

Block FLEET_STRIKE_PHASE(State& st) {
    IDO7(st);
    return Block::HourlyAirPhase;
}

Block DECK_DIALOGUES(State&) { return Block::SurfacePhase; }

Block SURFACE_PHASE(State& st) {
    IDO8(st);
    if (st.SUBTURN_NO > 15) return Block::EngagementTest;
    // The battleships keep no station until the detachment question is asked.
    st.BB_DETACHED = 1;
    for (int k = 0; k <= 3; ++k) set_group_speed(st, k);
    MOVE0(st);
    MOVE2(st);
    return Block::GunBattle;
}

Block GUN_BATTLE(State&) { return Block::EngagementTest; }

Block ENGAGEMENT_TEST(State&) { return Block::EndOfHour; }

}  // namespace morva95f
