// MORVA95S: the head of the turn loop with the first-turn scenario set-ups, the end of turn
// and its campaign step CLC.
#include "campaign/harbour_raid.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

void set_reserve(State& st, float fighters, float dive_bombers, float torpedo_bombers) {
    st.V(1, 0) = fighters;
    st.V(2, 0) = dive_bombers;
    st.V(3, 0) = torpedo_bombers;
    // The set-up's reserve is the campaign's starting stock of aircraft.
    st.RESERVE_SUPPLIED = fighters + dive_bombers + torpedo_bombers;
}

// Scenario 3 starts at turn 2, its first turn counted as played as in history.
void HISTORICAL_RESULTS_SETUP(State& st) {
    set_reserve(st, 25, 25, 30);
    const std::pair<int, float> first_turns[] = {{22, 2},  {23, 3},  {24, 12}, {25, 13}, {26, 13},
                                                 {30, 3},  {31, 13}, {33, 13}, {36, 13}, {37, 13}};
    for (const auto& [ship, turn] : first_turns) st.A(1, ship, A_FIRST_TURN) = turn;
}

// Scenarios 4 and 5: the six carriers that never sailed join, the two largest battleships
// never do, and two battleships are faster.
void HYPOTHETICAL_SETUP(State& st) {
    set_reserve(st, 30, 40, 40);
    for (int ship = 1; ship <= 6; ++ship) st.A(0, ship, A_FIRST_TURN) = 1;
    st.A(0, 22, A_FIRST_TURN) = 13;
    st.A(0, 23, A_FIRST_TURN) = 13;
    st.A(0, 24, A_SPEED) = 9;
    st.A(0, 25, A_SPEED) = 9;
}

void fill_japanese_fleet_1(State& st, int first_carrier, int carriers, int first_battleship, int battleships) {
    for (int k = 1; k <= carriers; ++k) {
        const int ship = first_carrier + k - 1;
        st.C(0, 1, k) = static_cast<float>(ship);
        st.A(0, ship, A_FLIGHT_DECK) = 10;
    }
    st.CV(0, 1) = static_cast<float>(carriers);
    for (int k = 1; k <= battleships; ++k) st.G(0, 1, k) = static_cast<float>(first_battleship + k - 1);
    st.BB(0, 1) = static_cast<float>(battleships);
}

// Scenarios 2 and 5: the preset forces of the harbour strike.
void HARBOUR_STRIKE_SETUP(State& st) {
    st.A(1, 36, A_FIRST_TURN) = 13;
    st.A(1, 37, A_FIRST_TURN) = 13;
    st.P(6, P_HOLDER) = 0;
    st.PEARL_HARBOR_TURN = 1;
    morva::preset_allied_harbour_force(st.C, st.CV, st.A, st.G, st.BB, {23, 24, 25, 26, 30, 31, 32, 33});
    if (st.SCENARIO_NO == 5)
        fill_japanese_fleet_1(st, 1, 8, 30, 4);
    else
        fill_japanese_fleet_1(st, 7, 6, 32, 2);
    st.AT(1) = 18;
    // The harbour gets its air defence as every chosen target does.
    st.P(18, P_AIR_DEFENCE) = st.P(18, P_STRENGTH);
}

bool held_by_allies(const State& st, float base) { return st.P(base, P_HOLDER) > 0; }

}  // namespace

Block TURN_START(State& st) {
    if (st.SCENARIO_NO == 7) st.TURN_NO = 1;
    if (st.SCENARIO_NO == 6 || st.SCENARIO_NO == 7) return Block::OrganisationPhase;
    return Block::TurnHead;
}

Block TURN_HEAD(State& st) {
    if (st.TURN_NO > 12) return Block::FinalResult;
    if (st.TURN_NO > 1) {
        st.PEARL_HARBOR_TURN = 0;
        const bool historical_start = st.SCENARIO_NO == 3 && st.TURN_NO == 2;
        if (historical_start) HISTORICAL_RESULTS_SETUP(st);
        COUNT_ALLIED_LOSSES(st);
        return historical_start ? Block::OrganisationPhase : Block::SaveQuestion;
    }
    switch (static_cast<int>(st.SCENARIO_NO)) {
        case 2: HARBOUR_STRIKE_SETUP(st); return Block::OperationsStart;
        case 4: HYPOTHETICAL_SETUP(st); return Block::OrganisationPhase;
        case 5:
            HYPOTHETICAL_SETUP(st);
            HARBOUR_STRIKE_SETUP(st);
            return Block::OperationsStart;
        default: return Block::OrganisationPhase;
    }
}

Block TURN_END(State& st) {
    if (st.SCENARIO_NO != 6 && st.SCENARIO_NO != 7) {
        st.TT(TT_GAME_OVER) = 0;
        st.TT(TT_TURN) = st.TURN_NO;
        CLC(st);
        if (st.TT(TT_GAME_OVER) == 1) return Block::FinalResult;
    }
    st.OPERATION_ACTIVE = 0;
    if (st.SCENARIO_NO == 6) return Block::FinalResult;
    st.TURN_NO = st.TURN_NO + 1;
    return Block::TurnHead;
}

void CLC(State& st) {
    for (int i = 1; i <= kShipRows; ++i) {
        st.A(0, i, A_COMMITTED) = 0;
        st.A(1, i, A_COMMITTED) = 0;
        const con::real d = L(st.A(1, i, A_DURABILITY));
        if (d > 0 && d < L(st.A(1, i, A_FULL_DURABILITY)) && st.HW(0) < 1) st.A(1, i, A_DURABILITY) = con::store(d + 1);
    }
    const float t1 = st.AT(1), t2 = st.AT(2);
    if (st.TT(TT_TURN) != 1 && !(t1 == 0 && t2 == 0)) {
        const bool over = st.P(21, P_HOLDER) == 0 ||
                          (t1 != 0 && t2 != 0 && held_by_allies(st, t1) && held_by_allies(st, t2)) ||
                          (t1 != 0 && t2 == 0 && held_by_allies(st, t1)) ||
                          (t1 == 0 && t2 != 0 && held_by_allies(st, t2));
        if (over) st.TT(TT_GAME_OVER) = 1;
    }
    for (int b = 6; b <= 21; ++b) {
        const bool major = b == 7 || b == 8 || b == 18 || b == 20 || b == 21;
        const con::real growth = con::int_floor(L(con::rnd()) * (major ? 3 : 2)) + 1;
        st.P(b, P_STRENGTH) = con::store(L(st.P(b, P_STRENGTH)) + growth);
    }
    for (int t = 1; t <= 3; ++t) st.V(t, 0) = con::store(L(st.V(t, 0)) + 10);
    st.RESERVE_SUPPLIED = con::store(L(st.RESERVE_SUPPLIED) + 30);
}

}  // namespace morva95s
