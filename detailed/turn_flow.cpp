// MORVA95F: the turn loop's head and tail: the practice-mode question, the turn start with the
// scenario openings, the air-fleet loop's tail, the end of turn and its campaign step CLC.
#include "campaign/dialogue.h"
#include "campaign/harbour_raid.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

void set_service_turn(State& st, int side, int ship, float turn) { st.A(side, ship, A_FIRST_TURN) = turn; }

void set_reserve(State& st, float fighters, float dive_bombers, float torpedo_bombers) {
    st.V(1, V_RESERVE) = fighters;
    st.V(2, V_RESERVE) = dive_bombers;
    st.V(3, V_RESERVE) = torpedo_bombers;
}

// The Allied force facing air fleet 1 in the harbour raid. The slot order of the battleships
// matters: the torpedo group attacks slots 1-4, the level bombers slots 5-8.
void preset_allied_harbour_force(State& st) {
    morva::preset_allied_harbour_force(st.C, st.CV, st.A, st.G, st.BB, {24, 26, 32, 33, 23, 25, 30, 31});
}

}  // namespace

Block PRACTICE_QUESTION(State& st) {
    if (st.SCENARIO_NO != 6) return Block::TurnStart;
    // Every key answers: any key but Y means no.
    const bool practice = morva::ask_yes_no(st.DIALOGUE_KEY,
                                            {{0, 2, morva::kColourInForce, con::space_string(39)},
                                             {0, 3, morva::kColourInForce, con::space_string(38)},
                                             {0, 4, morva::kColourInForce, con::space_string(39)},
                                             {6, 2, morva::kColourInForce, "練習モードにしますか ?"},
                                             {2, 3, morva::kColourInForce, "（敵艦隊の位置が表示されます）"},
                                             {10, 4, morva::kColourInForce, "Hit Y - N Key"}},
                                            morva::kYes, morva::kAnyKey);
    st.TT(TT_PRACTICE) = practice ? 1.0f : 0.0f;
    return Block::TurnOpening;
}

Block TURN_START(State& st) {
    if (st.TURN_NO > 12) return Block::FinalResult;
    if (st.TURN_NO > 1) {
        st.PEARL_HARBOR_TURN = 0;
        if (st.TURN_NO == 2 && st.SCENARIO_NO == 3) return Block::HistoricalOpening;
        return Block::SaveStep;
    }
    // Turn 1: the harbour raid's stocks of shallow-water torpedoes and 800 kg bombs.
    if (st.SCENARIO_NO == 2) {
        st.HW(HW_TORPEDOES) = 40;
        st.HW(HW_BOMBS) = 49;
    } else if (st.SCENARIO_NO == 5) {
        st.HW(HW_TORPEDOES) = 100;
        st.HW(HW_BOMBS) = 100;
    }
    st.HW(HW_ARMING_TORPEDOES) = st.HW(HW_TORPEDOES);
    st.HW(HW_ARMING_BOMBS) = st.HW(HW_BOMBS);
    if (st.SCENARIO_NO == 2) return Block::HarbourRaidOpening;
    if (st.SCENARIO_NO == 4 || st.SCENARIO_NO == 5) return Block::HypotheticalOpening;
    return Block::TurnOpening;
}

Block HYPOTHETICAL_OPENING(State& st) {
    set_reserve(st, 270, 360, 360);
    for (int ship = 1; ship <= 6; ++ship) set_service_turn(st, 0, ship, 1);
    set_service_turn(st, 0, 22, 13);
    set_service_turn(st, 0, 23, 13);
    st.A(0, 24, A_SPEED) = 27;
    st.A(0, 25, A_SPEED) = 27;
    return st.SCENARIO_NO == 4 ? Block::TurnOpening : Block::HarbourRaidOpening;
}

Block HARBOUR_RAID_OPENING(State& st) {
    set_service_turn(st, 1, 36, 13);
    set_service_turn(st, 1, 37, 13);
    st.P(6, P_HOLDER) = 0;
    st.PEARL_HARBOR_TURN = 1;
    preset_allied_harbour_force(st);
    // Japanese air fleet 1: scenario 5 sails carriers 1-8 with battleships 30-33, scenario 2
    // carriers 7-12 with battleships 32 and 33.
    const bool hypothetical = st.SCENARIO_NO == 5;
    const int carriers = hypothetical ? 8 : 6;
    const int first_carrier = hypothetical ? 1 : 7;
    for (int k = 1; k <= carriers; ++k) {
        st.C(0, 1, k) = static_cast<float>(first_carrier + k - 1);
        st.A(0, first_carrier + k - 1, A_FLIGHT_DECK) = 10;
    }
    st.CV(0, 1) = static_cast<float>(carriers);
    st.AT(1) = 18;
    const int battleships = hypothetical ? 4 : 2;
    const int first_battleship = hypothetical ? 30 : 32;
    for (int k = 1; k <= battleships; ++k) st.G(0, 1, k) = static_cast<float>(first_battleship + k - 1);
    st.BB(0, 1) = static_cast<float>(battleships);
    return Block::TurnOpening;
}

Block HISTORICAL_OPENING(State& st) {
    set_reserve(st, 225, 225, 270);
    const std::pair<int, float> service[] = {{22, 2},  {23, 3},  {24, 12}, {25, 13}, {26, 13},
                                             {30, 3},  {31, 13}, {33, 13}, {36, 13}, {37, 13}};
    for (const auto& [ship, turn] : service) set_service_turn(st, 1, ship, turn);
    return Block::SaveStep;
}

Block NEXT_FLEET(State& st) {
    if (st.SCENARIO_NO == 6) {
        st.OPERATION_ACTIVE = 0;
        return Block::FinalResultMap;
    }
    if (st.PEARL_HARBOR_TURN > 0) return Block::TurnEnd;
    st.FLEET_NO = con::store(con::L(st.FLEET_NO) + 1);
    return st.FLEET_NO <= 2 ? Block::FleetOperation : Block::TurnEnd;
}

Block TURN_END(State& st) {
    st.TT(TT_GAME_OVER) = 0;
    CLC(st);
    if (st.TT(TT_GAME_OVER) == 1) return Block::FinalResult;  // OPERATION_ACTIVE stays 1
    st.OPERATION_ACTIVE = 0;
    st.TURN_NO = con::store(con::L(st.TURN_NO) + 1);
    return Block::TurnStart;
}

void CLC(State& st) {
    for (int i = 1; i <= 42; ++i) {
        st.A(0, i, A_COMMITTED) = 0;
        st.A(1, i, A_COMMITTED) = 0;
        // The Allied repair, withheld while HW_NO_REPAIR_TURNS counts turns after the harbour
        // raid; the new value is not capped (a damaged ship is below full, so one point never
        // passes it).
        if (st.A(1, i, A_DURABILITY) > 0 && st.A(1, i, A_DURABILITY) < st.A(1, i, A_FULL_DURABILITY) &&
            st.HW(HW_NO_REPAIR_TURNS) < 1)
            st.A(1, i, A_DURABILITY) = con::store(con::L(st.A(1, i, A_DURABILITY)) + 1);
    }
    const bool any_target = st.AT(1) != 0 || st.AT(2) != 0;
    if (st.TT(TT_TURN) != 1 && any_target) {
        bool every_target_allied = true;
        for (int f = 1; f <= 2; ++f)
            if (st.AT(f) > 0 && !(st.P(st.AT(f), P_HOLDER) > 0)) every_target_allied = false;
        if (st.P(21, P_HOLDER) == 0 || every_target_allied) st.TT(TT_GAME_OVER) = 1;
    }
    for (int b = 6; b <= 21; ++b) {
        const bool fast_growth = b == 7 || b == 8 || b == 18 || b == 20 || b == 21;
        const con::real r = con::L(con::rnd());
        st.P(b, P_STRENGTH) = con::store(con::L(st.P(b, P_STRENGTH)) + con::int_floor(r * (fast_growth ? 3 : 2)) + 1);
    }
    for (int t = 1; t <= 3; ++t) st.V(t, V_RESERVE) = con::store(con::L(st.V(t, V_RESERVE)) + 90);
}

}  // namespace morva95f
