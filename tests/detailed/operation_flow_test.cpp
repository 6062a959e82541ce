// The operation start (repair, per-fleet values, the announcement, the aircraft aboard and at
// the objective), the end of day and of the operation, and the air-fleet loop's tail.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

// Air fleet f with carriers and battleships, facing Allied carriers, with an objective.
void form_fleet(State& st, int f, std::vector<int> carriers, std::vector<int> battleships, int target) {
    for (std::size_t k = 0; k < carriers.size(); ++k) st.C(0, f, k + 1) = static_cast<float>(carriers[k]);
    for (std::size_t k = 0; k < battleships.size(); ++k) st.G(0, f, k + 1) = static_cast<float>(battleships[k]);
    st.CV(0, f) = static_cast<float>(carriers.size());
    st.BB(0, f) = static_cast<float>(battleships.size());
    st.AT(f) = static_cast<float>(target);
}

}  // namespace

TEST(OperationsStart, RepairsShipsThatSitTheTurnOut) {
    Loaded st;
    struct Case {
        const char* name;
        int side, ship;
        float durability, committed, after;
    } cases[] = {
        {"damaged Japanese ship at rest", 0, 9, 3, 0, 4},
        {"damaged Allied ship at rest, also while HW(0) counts", 1, 5, 2, 0, 3},
        {"committed this turn", 1, 6, 2, 1, 2},
        {"sunk", 0, 10, 0, 0, 0},
        {"below 1 counts as sunk", 0, 11, 0.5f, 0, 0.5f},
        {"undamaged", 0, 12, 5, 0, 5},
    };
    st->HW(HW_NO_REPAIR_TURNS) = 3;
    for (const auto& c : cases) {
        st->A(c.side, c.ship, A_DURABILITY) = c.durability;
        st->A(c.side, c.ship, A_COMMITTED) = c.committed;
    }
    EXPECT_EQ(OPERATIONS_START(*st), Block::OperationsReset);
    for (const auto& c : cases) EXPECT_EQ(st->A(c.side, c.ship, A_DURABILITY), c.after) << c.name;
}

TEST(OperationsStart, PerTurnResetsAndSkippedFleets) {
    Loaded st;
    st->SCENARIO_NO = 4;
    st->PEARL_HARBOR_TURN = 0;
    st->HW(HW_BASE_STRUCK) = 1;
    st->SURPRISE_ROLLED = 1;
    st->TURN_NO = 5;
    EXPECT_EQ(OPERATIONS_RESET(*st), Block::FleetOperation);
    EXPECT_EQ(st->TT(TT_SCENARIO), 4);
    EXPECT_EQ(st->OPERATION_ACTIVE, 1);
    EXPECT_EQ(st->HW(HW_BASE_STRUCK), 0);
    EXPECT_EQ(st->SURPRISE_ROLLED, 0);
    EXPECT_EQ(st->FLEET_NO, 1);
    // A random commander: each fleet draws its character, also one that is then skipped.
    st->COMMANDER_CHARACTER = 0;
    form_fleet(*st, 1, {}, {24}, 10);  // battleships but no carrier
    con::random_generator().script({0.7f});
    const auto before = con::random_generator().draws();
    EXPECT_EQ(FLEET_OPERATION(*st), Block::NextFleet);
    EXPECT_EQ(con::random_generator().draws() - before, 1u);
    EXPECT_EQ(st->OPERATION_CHARACTER, -1) << "r >= 0.5: cautious";
    EXPECT_EQ(st->TT(TT_CHARACTER), -1);
    EXPECT_EQ(st->DF(0), 15);
    EXPECT_EQ(st->DF(1), 35);
    EXPECT_EQ(st->P(10, P_AIR_DEFENCE), 10) << "the objective's air defence starts at its strength";
    EXPECT_EQ(st->BASE_DEFENCE_MAX, 10);
    EXPECT_EQ(row_of(st.console.screen(), 2), "") << "nothing is announced";
    // The next fleet has carriers but no objective; an aggressive commander draws nothing.
    st->COMMANDER_CHARACTER = 1;
    form_fleet(*st, 2, {9}, {}, 0);
    EXPECT_EQ(NEXT_FLEET(*st), Block::FleetOperation);
    EXPECT_EQ(FLEET_OPERATION(*st), Block::NextFleet);
    EXPECT_EQ(st->OPERATION_CHARACTER, 1);
    EXPECT_EQ(NEXT_FLEET(*st), Block::TurnEnd);
}

TEST(OperationsStart, ScreeningDestroyersByTurn) {
    const std::pair<float, float> expected[] = {{11, 21}, {14, 24}, {15, 35}, {18, 38}, {19, 49}, {22, 52}};
    const float turns[] = {1, 4, 5, 8, 9, 12};
    for (int i = 0; i < 6; ++i) {
        Loaded st;
        st->TURN_NO = turns[i];
        st->COMMANDER_CHARACTER = 1;
        st->FLEET_NO = 1;
        FLEET_OPERATION(*st);
        EXPECT_EQ(st->DF(0), expected[i].first) << "turn " << turns[i];
        EXPECT_EQ(st->DF(1), expected[i].second) << "turn " << turns[i];
    }
}

TEST(OperationsStart, AnnouncementAndAircraftAboard) {
    Loaded st;
    st->TURN_NO = 6;
    st->COMMANDER_CHARACTER = -1;
    st->FLEET_NO = 2;
    form_fleet(*st, 2, {9, 10, 17}, {22, 23, 24, 25, 26, 27, 28, 29, 30, 31}, 13);
    st->A(0, 17, A_LOADED_FIGHTERS) = 30;  // the player chose this carrier's loads
    st->A(0, 9, A_AIRCRAFT_AWAY) = 4;
    st->CV(1, 2) = 1;
    st->C(1, 2, 1) = 2;
    st->C(1, 2, 2) = 5;  // an earlier plan's slot beyond the count still loads
    st->BB(1, 2) = 2;
    st->G(1, 2, 1) = 16;
    st->G(1, 2, 2) = 17;
    con::random_generator().script({0.5f, 0.5f, 0.5f, 0.5f});
    EXPECT_EQ(FLEET_OPERATION(*st), Block::DayLoop);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 34, 0, "第 1 日", 7));
    EXPECT_TRUE(shows(s, 18, 2, "第 2 航空艦隊", 7));
    EXPECT_TRUE(shows(s, 36, 2, "攻略目標 敵拠点 ポートモレスビー", 7));
    EXPECT_TRUE(shows(s, 18, 5, " 1 ", 6));
    EXPECT_TRUE(shows(s, 22, 5, "赤城", 6));
    EXPECT_TRUE(shows(s, 22, 7, "隼鷹", 6));
    EXPECT_TRUE(shows(s, 37, 5, " 1 ", 6));
    EXPECT_TRUE(shows(s, 41, 5, "大和", 6));
    EXPECT_TRUE(shows(s, 41, 12, "山城", 6)) << "battleship 8 on row 12";
    EXPECT_TRUE(shows(s, 47, 5, " 9 ", 6)) << "battleships 9-12 in a second column";
    EXPECT_TRUE(shows(s, 51, 5, "金剛", 6));
    EXPECT_TRUE(shows(s, 51, 6, "比叡", 6));
    // Aircraft aboard: the Japanese loaded group, the Allied standard group, every slot.
    EXPECT_EQ(st->F(0, 1, 0, F_NOT_READY), 21);
    EXPECT_EQ(st->F(0, 3, 0, F_NOT_READY), 30);
    EXPECT_EQ(st->F(0, 3, 2, F_NOT_READY), 18);
    EXPECT_EQ(st->A(0, 9, A_AIRCRAFT_AWAY), 0);
    EXPECT_EQ(st->F(1, 1, 0, F_NOT_READY), 36);
    EXPECT_EQ(st->F(1, 2, 1, F_NOT_READY), 36) << "slot 2 beyond the count loads ship 5";
    EXPECT_EQ(st->F(1, 3, 0, F_NOT_READY), 0);
    // The objective (strength 14, heavy-bomber factor 2) with every draw 0.5.
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_NOT_READY), 76) << "4 x 14 + 10 + 10";
    EXPECT_EQ(st->Q(AIR_DIVE_BOMBERS, Q_NOT_READY), 56);
    EXPECT_EQ(st->Q(AIR_TORPEDO_BOMBERS, Q_NOT_READY), 36);
    EXPECT_EQ(st->Q(AIR_HEAVY_BOMBERS, Q_NOT_READY), 2 * (28 + 5));
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(st->O(k), st->Q(k, Q_NOT_READY));
    EXPECT_EQ(st->TT(TT_TURN), 6);
    EXPECT_EQ(st->KS(1), 1) << "one Allied carrier: one task force";
    EXPECT_EQ(st->KS(4), 2);
    EXPECT_EQ(st->ALLIED_CV_COUNT, 1);
    EXPECT_EQ(st->ALLIED_BB_COUNT, 2);
}

TEST(OperationsStart, AircraftAtTheObjective) {
    struct Case {
        const char* name;
        int base;
        float strength, factor, harbour;
        std::vector<float> rolls;
        std::array<float, 4> q;
    } cases[] = {
        {"strength 0: 10-29 fighters, the others raised to 10", 10, 0, 1, 0, {0.99f, 0.99f, 0.99f, 0.99f}, {29, 10, 10, 10}},
        {"strength 60: 250 at most", 7, 60, 0, 0, {0.5f, 0.5f, 0.5f, 0.5f}, {250, 240, 220, 0}},
        {"base 8 holds no dive bombers, its draw is made", 8, 16, 0, 0, {0.0001f, 0.9f, 0.0001f, 0.5f}, {74, 0, 34, 0}},
        {"the harbour raid: 145-155 of each", 18, 20, 2, 1, {0.5f, 0.0001f, 0.5f, 0.99f, 0.5f, 0.5f, 0.5f}, {145, 155, 150, 90}},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->TURN_NO = 2;
        st->COMMANDER_CHARACTER = 1;
        st->FLEET_NO = 1;
        st->PEARL_HARBOR_TURN = c.harbour;
        form_fleet(*st, 1, {9}, {}, c.base);
        st->P(c.base, P_STRENGTH) = c.strength;
        st->P(c.base, P_BOMBER_FACTOR) = c.factor;
        con::random_generator().script(c.rolls);
        const auto before = con::random_generator().draws();
        FLEET_OPERATION(*st);
        EXPECT_EQ(con::random_generator().draws() - before, c.rolls.size()) << c.name;
        for (int k = 0; k <= 3; ++k) EXPECT_EQ(st->Q(k, Q_NOT_READY), c.q[k]) << c.name << ": type " << k;
    }
}

TEST(OperationsStart, HarbourRaidAnnouncesTheRulesNote) {
    Loaded st;
    st->TURN_NO = 1;
    st->COMMANDER_CHARACTER = 1;
    st->FLEET_NO = 1;
    st->PEARL_HARBOR_TURN = 1;
    form_fleet(*st, 1, {7, 8}, {32, 33}, 18);
    FLEET_OPERATION(*st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 36, 2, "攻撃目標　真珠湾", 7));
    EXPECT_TRUE(shows(s, 19, 5, "真珠湾に停泊している戦艦のうち", 5));
    EXPECT_TRUE(shows(s, 9, 7, "MARYLAND,TENNESSEE,PENNSYLVANIA,ARIZONA は水平爆撃でなければ", 5));
    EXPECT_TRUE(shows(s, 9, 9, "また WESTVIRGINIA,CALIFORNIA,NEVADA,OKLAHOMA は雷撃でなければ", 5));
    EXPECT_TRUE(shows(s, 19, 11, "攻撃することはできません", 5));
    EXPECT_TRUE(shows(s, 15, 13, "停泊戦艦攻撃用の爆弾,魚雷の数には制限があります", 5));
    EXPECT_EQ(row_of(s, 6), "") << "no ship list";
}

TEST(EndOfDay, WhenTheOperationEnds) {
    struct Case {
        const char* name;
        float scenario, harbour, holder;
        const char* keys;
        Block next;
    } cases[] = {
        {"the target taken", 1, 0, 0, "", Block::OperationEnd},
        {"the harbour raid after its day", 2, 1, 1, "", Block::OperationEnd},
        {"otherwise the next day", 1, 0, 1, "", Block::NextDay},
        {"single operation: Y ends it", 6, 0, 1, "Y", Block::OperationEnd},
        {"single operation: lower case is ignored, N goes on", 6, 0, 1, "ynxN", Block::NextDay},
    };
    for (const auto& c : cases) {
        Loaded st(c.keys);
        st->SCENARIO_NO = c.scenario;
        st->PEARL_HARBOR_TURN = c.harbour;
        st->FLEET_NO = 1;
        st->TT(TT_FLEET) = 1;
        st->AT(1) = 12;
        st->P(12, P_HOLDER) = c.holder;
        EXPECT_EQ(END_OF_DAY(*st), c.next) << c.name;
        if (c.scenario == 6) {
            EXPECT_TRUE(shows(st.console.screen(), 29, 11, "作戦終了しますか ?", 7)) << c.name;
            EXPECT_TRUE(shows(st.console.screen(), 33, 14, "Hit Y or N Key", 7)) << c.name;
        }
    }
}

TEST(OperationEnd, CaptureFailureAndTheReserve) {
    struct Case {
        const char* name;
        int base;
        float holder, strength, durability;
        const char* line;
        int colour;
        float holder_after, strength_after;
    } cases[] = {
        {"taken and a carrier afloat", 12, 0, 0, 6, "ポートダーウィンを占領せり", 5, 0, 0},
        {"not taken", 12, 1, 5, 6, "ポートダーウィン侵攻作戦は失敗せり", 3, 1, 5},
        {"taken but every carrier lost: handed back", 12, 0, 0, 0, "ポートダーウィン侵攻作戦は失敗せり", 3, 1, 8},
        {"British base handed back to Britain", 20, 0, 3, 0, "セイロン侵攻作戦は失敗せり", 3, 2, 8},
        {"not taken, carriers lost, strength kept", 12, 1, 9, 0, "ポートダーウィン侵攻作戦は失敗せり", 3, 1, 9},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->FLEET_NO = 1;
        form_fleet(*st, 1, {9, 10}, {}, c.base);
        st->P(c.base, P_HOLDER) = c.holder;
        st->P(c.base, P_STRENGTH) = c.strength;
        st->A(0, 9, A_DURABILITY) = c.durability;
        st->A(0, 10, A_DURABILITY) = 0;
        // Carrier 9 comes back with 20 of its 21 fighters, sunk carrier 10 with nothing.
        st->F(0, 1, 0, F_NOT_READY) = c.durability > 0 ? 20.0f : 0.0f;
        st->F(0, 1, 1, F_NOT_READY) = c.durability > 0 ? 18.0f : 0.0f;
        st->F(0, 1, 2, F_NOT_READY) = c.durability > 0 ? 27.0f : 0.0f;
        Block next = OPERATION_END(*st);
        if (next == Block::CarriersLost) next = CARRIERS_LOST(*st);
        EXPECT_EQ(next, Block::NextFleet) << c.name;
        const auto& s = st.console.screen();
        EXPECT_TRUE(shows(s, 10, 8, "第  1  艦隊作戦終了", 6)) << c.name;
        EXPECT_TRUE(shows(s, 12, 11, c.line, c.colour)) << c.name;
        EXPECT_TRUE(shows(s, 10, 15, "第  1  艦隊は帰投します", 6)) << c.name;
        EXPECT_EQ(st->P(c.base, P_HOLDER), c.holder_after) << c.name;
        EXPECT_EQ(st->P(c.base, P_STRENGTH), c.strength_after) << c.name;
        // The reserve loses what the carriers lost against the groups they sailed with.
        const float lost_fighters = c.durability > 0 ? 1 + 18 : 21 + 18;
        EXPECT_EQ(st->V(1, V_RESERVE), 180 - lost_fighters) << c.name;
    }
}

TEST(OperationEnd, HarbourYardDamage) {
    struct Case {
        float hits, before, after;
        bool report;
    } cases[] = {{230, 2, 2, false}, {231, 2, 0, false}, {247, 2, 0, false}, {248, 0, 1, true}, {266, 0, 2, true}};
    for (const auto& c : cases) {
        Loaded st;
        st->FLEET_NO = 1;
        st->PEARL_HARBOR_TURN = 1;
        form_fleet(*st, 1, {9}, {}, 18);
        st->F(0, 1, 0, F_NOT_READY) = 21;
        st->F(0, 1, 1, F_NOT_READY) = 18;
        st->F(0, 1, 2, F_NOT_READY) = 27;
        st->HW(HW_HITS) = c.hits;
        st->HW(HW_NO_REPAIR_TURNS) = c.before;
        EXPECT_EQ(OPERATION_END(*st), Block::NextFleet);
        EXPECT_EQ(st->HW(HW_NO_REPAIR_TURNS), c.after) << c.hits;
        const auto& s = st.console.screen();
        EXPECT_EQ(bool(shows(s, 12, 11, "真珠湾軍港の工廠施設に多大の損害を与えたと思われる", 7)), c.report) << c.hits;
        EXPECT_EQ(bool(shows(s, 15, 12, "（しばらくの間アメリカ軍の艦船修理能力は半減します）", 7)), c.report) << c.hits;
        EXPECT_EQ(row_of(s, 11).find("せり"), std::string::npos) << "no capture or failure line";
        EXPECT_EQ(st->V(1, V_RESERVE), 180) << "a group that comes back complete changes nothing";
    }
}

TEST(TurnFlow, NextFleetAndTurnEnd) {
    Loaded st;
    st->SCENARIO_NO = 2;
    st->PEARL_HARBOR_TURN = 1;
    st->FLEET_NO = 1;
    EXPECT_EQ(NEXT_FLEET(*st), Block::TurnEnd) << "the harbour raid ends the turn after fleet 1";
    st->SCENARIO_NO = 6;
    st->OPERATION_ACTIVE = 1;
    EXPECT_EQ(NEXT_FLEET(*st), Block::FinalResultMap);
    EXPECT_EQ(st->OPERATION_ACTIVE, 0);
    // The war-over path keeps OPERATION_ACTIVE; the next turn clears it.
    st->SCENARIO_NO = 1;
    st->OPERATION_ACTIVE = 1;
    st->TURN_NO = 4;
    st->TT(TT_TURN) = 4;
    st->AT(1) = 12;
    EXPECT_EQ(TURN_END(*st), Block::FinalResult);
    EXPECT_EQ(st->OPERATION_ACTIVE, 1);
    EXPECT_EQ(st->TURN_NO, 4);
    st->AT(1) = 0;
    EXPECT_EQ(TURN_END(*st), Block::TurnStart);
    EXPECT_EQ(st->OPERATION_ACTIVE, 0);
    EXPECT_EQ(st->TURN_NO, 5);
    st->TURN_NO = 13;
    EXPECT_EQ(TURN_START(*st), Block::FinalResult);
}

TEST(TurnFlow, ScenarioOpenings) {
    struct Case {
        int scenario;
        float turn;
        std::vector<Block> path;
    } cases[] = {
        {1, 1, {Block::TurnOpening}},
        {2, 1, {Block::HarbourRaidOpening, Block::TurnOpening}},
        {3, 2, {Block::HistoricalOpening, Block::SaveStep}},
        {4, 1, {Block::HypotheticalOpening, Block::TurnOpening}},
        {5, 1, {Block::HypotheticalOpening, Block::HarbourRaidOpening, Block::TurnOpening}},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->SCENARIO_NO = static_cast<float>(c.scenario);
        st->TURN_NO = c.turn;
        Block b = TURN_START(*st);
        for (Block expected : c.path) {
            ASSERT_EQ(b, expected) << "scenario " << c.scenario;
            if (b == Block::HarbourRaidOpening) b = HARBOUR_RAID_OPENING(*st);
            else if (b == Block::HypotheticalOpening) b = HYPOTHETICAL_OPENING(*st);
            else if (b == Block::HistoricalOpening) b = HISTORICAL_OPENING(*st);
        }
        const bool harbour = c.scenario == 2 || c.scenario == 5;
        EXPECT_EQ(st->PEARL_HARBOR_TURN, harbour ? 1 : 0) << c.scenario;
        EXPECT_EQ(st->HW(HW_TORPEDOES), c.scenario == 2 ? 40 : (c.scenario == 5 ? 100 : 0)) << c.scenario;
        EXPECT_EQ(st->HW(HW_ARMING_BOMBS), c.scenario == 2 ? 49 : (c.scenario == 5 ? 100 : 0)) << c.scenario;
        const float fighters[] = {0, 180, 180, 225, 270, 270};
        EXPECT_EQ(st->V(1, V_RESERVE), fighters[c.scenario]) << c.scenario;
        EXPECT_EQ(st->P(6, P_HOLDER), harbour ? 0 : 1) << c.scenario;
    }
}

TEST(TurnFlow, HarbourRaidForces) {
    for (int scenario : {2, 5}) {
        Loaded st;
        st->SCENARIO_NO = static_cast<float>(scenario);
        HARBOUR_RAID_OPENING(*st);
        const bool hypothetical = scenario == 5;
        EXPECT_EQ(st->CV(0, 1), hypothetical ? 8 : 6);
        EXPECT_EQ(st->C(0, 1, 1), hypothetical ? 1 : 7);
        EXPECT_EQ(st->C(0, 1, st->CV(0, 1)), hypothetical ? 8 : 12);
        EXPECT_EQ(st->A(0, hypothetical ? 1 : 12, A_FLIGHT_DECK), 10);
        EXPECT_EQ(st->BB(0, 1), hypothetical ? 4 : 2);
        EXPECT_EQ(st->G(0, 1, 1), hypothetical ? 30 : 32) << "the battleships 32 and 33 in scenario 2";
        EXPECT_EQ(st->AT(1), 18);
        EXPECT_EQ(st->CV(1, 1), 2);
        EXPECT_EQ(st->C(1, 1, 2), 3);
        EXPECT_EQ(st->A(1, 3, A_FLIGHT_DECK), 10);
        const float battleships[] = {24, 26, 32, 33, 23, 25, 30, 31};
        for (int k = 1; k <= 8; ++k) EXPECT_EQ(st->G(1, 1, k), battleships[k - 1]) << "slot " << k;
        EXPECT_EQ(st->A(1, 36, A_FIRST_TURN), 13);
        EXPECT_EQ(st->A(0, 7, A_COMMITTED), 0) << "the preset ships are not marked as committed";
        EXPECT_EQ(st->CV(0, 2), 0) << "fleet 2 stays empty";
    }
}

TEST(TurnFlow, HistoricalAndHypotheticalAvailability) {
    Loaded historical;
    HISTORICAL_OPENING(*historical);
    const std::pair<int, float> allied[] = {{22, 2}, {23, 3},  {24, 12}, {25, 13}, {26, 13}, {30, 3},
                                            {31, 13}, {32, 1}, {33, 13}, {36, 13}, {37, 13}};
    for (const auto& [ship, turn] : allied)
        EXPECT_EQ(historical->A(1, ship, A_FIRST_TURN), turn) << "Allied ship " << ship;
    EXPECT_EQ(historical->V(3, V_RESERVE), 270);
    Loaded hypothetical;
    hypothetical->SCENARIO_NO = 4;
    HYPOTHETICAL_OPENING(*hypothetical);
    for (int ship = 1; ship <= 6; ++ship) EXPECT_EQ(hypothetical->A(0, ship, A_FIRST_TURN), 1) << ship;
    EXPECT_EQ(hypothetical->A(0, 22, A_FIRST_TURN), 13);
    EXPECT_EQ(hypothetical->A(0, 23, A_FIRST_TURN), 13);
    EXPECT_EQ(hypothetical->A(0, 24, A_SPEED), 27);
    EXPECT_EQ(hypothetical->A(0, 25, A_SPEED), 27);
    EXPECT_EQ(hypothetical->V(2, V_RESERVE), 360);
}
