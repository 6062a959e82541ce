// The turn opening: the Allied commander's character, the fleet-organisation phase with its
// checks and confirmation, the harbour-raid turn's loading, and scripted runs of whole openings
// of scenario 1 and 2 through the program and its built binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;
using testing_support::run_program;

namespace {

// Scenario 1, turn 1: fleet 1 carriers 7 and 8 with battleship 30, fleet 2 carrier 9 with
// battleship 31, the rest on standby.
const std::string kOpeningPlacement = "112333333" "1233";

std::string repeat_key(char key, int n) { return std::string(static_cast<std::size_t>(n), key); }

// A loaded state at the turn opening of `turn` in `scenario`.
struct Opening : Loaded {
    Opening(std::string keys, int scenario, int turn = 1, int choose_loads = 0) : Loaded(std::move(keys)) {
        st->SCENARIO_NO = static_cast<float>(scenario);
        st->TURN_NO = static_cast<float>(turn);
        st->TT(TT_SAVED_SCENARIO) = st->SCENARIO_NO;
        st->TT(TT_CHOOSE_LOADS) = static_cast<float>(choose_loads);
        st->TT(TT_WAIT) = 4;
    }
    const con::Screen& screen() { return console.screen(); }
};

// Runs the opening's blocks from `from` and returns the block it leaves to (the blocks it
// passed through in `trail`).
Block run_opening(State& st, Block from = Block::TurnOpening, std::vector<Block>* trail = nullptr) {
    Block b = from;
    for (int guard = 0; guard < 100; ++guard) {
        if (b == Block::OperationsStart || b == Block::OperationsReset) return b;
        if (trail) trail->push_back(b);
        b = run_block(st, b);
    }
    ADD_FAILURE() << "the opening did not end";
    return b;
}

// The turn-1 set-up of the harbour-raid scenarios 2 and 5.
void harbour_raid_setup(State& st) {
    if (st.SCENARIO_NO == 5) HYPOTHETICAL_OPENING(st);
    HARBOUR_RAID_OPENING(st);
}

}  // namespace

TEST(TurnOpening, CommanderCharacterPenaltyAndLosses) {
    struct Case {
        const char* key;
        float character;
    } cases[] = {{"H", 1}, {"h", 1}, {"S", -1}, {"s", -1}, {"R", 0}, {"r", 0}, {"7", 0}, {"{ENTER}", 0}, {"x", 0}};
    for (const auto& c : cases) {
        Opening o(c.key, 1);
        o->COMMANDER_CHARACTER = 5;
        o->HW(HW_NO_REPAIR_TURNS) = 2;
        o->A(1, 3, A_DURABILITY) = 0;   // a carrier sunk
        o->A(1, 40, A_DURABILITY) = 0;  // a battleship sunk
        EXPECT_EQ(TURN_OPENING(*o), Block::FleetOrganisation) << c.key;
        EXPECT_EQ(o->COMMANDER_CHARACTER, c.character) << c.key;
        EXPECT_EQ(o->HW(HW_NO_REPAIR_TURNS), 1) << c.key;
        EXPECT_EQ(o->ALLIED_CV_SUNK, 1);
        EXPECT_EQ(o->ALLIED_BB_SUNK, 1);
    }
    Opening none("h", 1);
    TURN_OPENING(*none);
    EXPECT_EQ(none->HW(HW_NO_REPAIR_TURNS), 0) << "no penalty: nothing changes";
    const auto& s = none.screen();
    EXPECT_TRUE(shows(s, 6, 2, "連合軍指揮官の性格は ?", 7));
    EXPECT_TRUE(shows(s, 3, 3, "猛進(H) - 慎重(S) - 乱数(R)", 7));
    EXPECT_TRUE(shows(s, 9, 4, "Hit H - S - R Key", 6));
}

TEST(TurnOpening, ScenarioOneScreensThroughBothTargets) {
    // The organisation screen, waiting at the first ship.
    auto org = run_program(morva95f_program(), opening_keys(1) + "h");
    const auto& s = org.screen();
    EXPECT_TRUE(shows(s, 0, 0, "第 1 ターン", 7));
    EXPECT_TRUE(shows(s, 14, 0, "艦隊編成フェイズ", 7));
    EXPECT_TRUE(shows(s, 61, 0, "拠点名", 7));
    struct Base {
        int b;
        const char* text;
        int colour;
    } bases[] = {{1, " 1  日本本土", 5},      {5, " 5  トラック", 5},  {6, " 6  ラバウル", 6},
                 {9, " 9  アリューシャン", 6}, {10, " 10 ジャワ", 3},   {11, " 11 ギルバート", 3},
                 {20, " 20 セイロン", 3},     {21, " 21 カリフォルニア", 3}};
    for (const auto& b : bases) EXPECT_TRUE(shows(s, 56, b.b, b.text, b.colour)) << b.b;
    EXPECT_TRUE(shows(s, 25, 20, "保有航空機  180  180  225", 6));
    EXPECT_TRUE(shows(s, 36, 16, "艦戦 艦爆 艦攻 対空", 6));
    EXPECT_TRUE(shows(s, 28, 9, "史実に基づくシナリオでは", 6));
    EXPECT_TRUE(shows(s, 24, 22, "翔鶴 は どこに配属しますか ?   Hit 1 - 3 Key", 5));
    EXPECT_EQ(org.screen().pixel(300, 300), 0) << "the strategic map is cleared";

    // Every ship placed: the confirmation, the question's row blanked.
    auto confirm = run_program(morva95f_program(), opening_keys(1) + "h" + kOpeningPlacement);
    const auto& c = confirm.screen();
    EXPECT_TRUE(shows(c, 24, 23, "よろしいですか ? Hit Y - N Key", 7));
    EXPECT_EQ(text_at(c, 23, 22, 56), std::string(56, ' '));
    EXPECT_TRUE(shows(c, 36, 17, "  36   54   54   41", 6)) << "fleet 1: 4 x (2 + 2 + 1) + 21";
    EXPECT_TRUE(shows(c, 36, 18, "  21   18   27   29", 6)) << "fleet 2: 4 x (1 + 1) + 21";

    // "Y": fleet 1's target question.
    auto first = run_program(morva95f_program(), opening_keys(1) + "h" + kOpeningPlacement + "y");
    const auto& f = first.screen();
    EXPECT_TRUE(shows(f, 10, 1, "第  1  艦隊", 6));
    EXPECT_TRUE(shows(f, 10, 4, "翔鶴", 6));
    EXPECT_TRUE(shows(f, 10, 5, "瑞鶴", 6));
    EXPECT_TRUE(shows(f, 24, 4, "金剛", 6));
    EXPECT_TRUE(shows(f, 10, 18, "攻撃目標は ?", 6));
    EXPECT_TRUE(shows(f, 56, 6, " 6  ラバウル", 6)) << "the base list stays";
    EXPECT_TRUE(shows(f, 61, 0, "拠点名", 7));

    // Fleet 1 takes the Philippines; fleet 2's question.
    auto second = run_program(morva95f_program(), opening_keys(1) + "h" + kOpeningPlacement + "y7{ENTER}");
    EXPECT_TRUE(shows(second.screen(), 10, 1, "第  2  艦隊", 6));
    EXPECT_TRUE(shows(second.screen(), 10, 4, "赤城", 6));
    EXPECT_TRUE(shows(second.screen(), 24, 4, "比叡", 6));

    // Fleet 2 takes Singapore; with pauses that wait for a key the first operation's end shows
    // its target (back to timed pauses before the second operation).
    const std::string both = opening_keys(1) + "h" + kOpeningPlacement + "y7{ENTER}8{ENTER}";
    auto sailed = run_program(morva95f_program(), both + stay_operation("45", "n", true));
    EXPECT_TRUE(shows(sailed.screen(), 10, 8, "第  1  艦隊作戦終了", 6));
    EXPECT_TRUE(shows(sailed.screen(), 12, 11, "フィリピン侵攻作戦は失敗せり", 3));
    auto next = run_program(morva95f_program(),
                            both + stay_operation("45", "n", true) + "a{F1}5b" + stay_operation("45", "n", true));
    EXPECT_TRUE(shows(next.screen(), 12, 11, "シンガポール侵攻作戦は失敗せり", 3));
}

TEST(TurnOpening, ScenarioOneLeavesTheFleetsTargetsAndPlan) {
    Opening o("h" + kOpeningPlacement + "y7{ENTER}8{ENTER}", 1);
    con::random_generator().script({0.5f, 0.5f, 0.5f});
    std::vector<Block> trail;
    EXPECT_EQ(run_opening(*o, Block::TurnOpening, &trail), Block::OperationsStart);
    const std::vector<Block> expected = {Block::TurnOpening, Block::FleetOrganisation, Block::TargetChoice,
                                         Block::AlliedPlanning};
    EXPECT_EQ(trail, expected);
    EXPECT_EQ(o->AT(1), 7);
    EXPECT_EQ(o->AT(2), 8);
    EXPECT_EQ(o->CV(0, 1), 2);
    EXPECT_EQ(o->BB(0, 1), 1);
    EXPECT_EQ(o->CV(0, 2), 1);
    EXPECT_EQ(o->BB(0, 2), 1);
    EXPECT_EQ(o->C(0, 1, 2), 8);
    EXPECT_EQ(o->C(0, 1, 3), 0);
    EXPECT_EQ(o->G(0, 2, 1), 31);
    EXPECT_EQ(o->A(0, 9, A_COMMITTED), 1);
    EXPECT_EQ(o->A(0, 10, A_COMMITTED), 0);
    EXPECT_EQ(o->A(0, 7, A_LOADED_FIGHTERS), 18) << "the standard air group";
    // Turn 1: the Allies leave the Philippines alone and have no British carrier for Singapore.
    EXPECT_EQ(o->OC(1), 0);
    EXPECT_EQ(o->OC(2), 2);
    EXPECT_EQ(o->CV(1, 1), 0);
    EXPECT_EQ(o->CV(1, 2), 0);
    EXPECT_EQ(con::random_generator().draws(), 3u);
}

TEST(TurnOpening, FailedChecksStartTheOpeningOver) {
    // Fleet 2 with more carriers than fleet 1: the message stays on row 23 while the commander's
    // character is asked again over the organisation screen.
    const std::string refused = "h" "122333333" "3333";
    auto run = run_program(morva95f_program(), opening_keys(1) + refused);
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 24, 23, "第２艦隊が多過ぎます", 3));
    EXPECT_TRUE(shows(s, 6, 2, "連合軍指揮官の性格は ?", 7));
    EXPECT_TRUE(shows(s, 9, 4, "Hit H - S - R Key", 6));
    EXPECT_TRUE(shows(s, 14, 0, "艦隊編成フェイズ", 7)) << "the organisation screen stays";
    EXPECT_TRUE(shows(s, 0, 5, "加賀", 6));
    // The next answer: a fresh organisation screen without the message.
    auto again = run_program(morva95f_program(), opening_keys(1) + refused + "s");
    EXPECT_EQ(row_of(again.screen(), 23), "");
    EXPECT_TRUE(shows(again.screen(), 24, 22, "翔鶴 は どこに配属しますか ?   Hit 1 - 3 Key", 5));

    // Block by block: each refusal lowers HW(0) once more; "N" at the confirmation does not.
    Opening o("h" "1222" + repeat_key('3', 9) + "h" "1" "2" "2" + repeat_key('3', 10) + "h" "1" + repeat_key('3', 12) +
                  "n" "1" + repeat_key('3', 12) + "y",
              1);
    o->HW(HW_NO_REPAIR_TURNS) = 3;
    EXPECT_EQ(TURN_OPENING(*o), Block::FleetOrganisation);
    EXPECT_EQ(FLEET_ORGANISATION(*o), Block::TurnOpening);
    EXPECT_EQ(o->HW(HW_NO_REPAIR_TURNS), 2);
    EXPECT_EQ(TURN_OPENING(*o), Block::FleetOrganisation);
    EXPECT_EQ(FLEET_ORGANISATION(*o), Block::TurnOpening);
    EXPECT_EQ(TURN_OPENING(*o), Block::FleetOrganisation);
    EXPECT_EQ(o->HW(HW_NO_REPAIR_TURNS), 0);
    EXPECT_EQ(FLEET_ORGANISATION(*o), Block::FleetOrganisation) << "N: the organisation again";
    EXPECT_EQ(FLEET_ORGANISATION(*o), Block::TargetChoice);
    EXPECT_EQ(o->HW(HW_NO_REPAIR_TURNS), 0);
    EXPECT_EQ(o->CV(0, 1), 1);
    EXPECT_EQ(o->CV(0, 2), 0);
}

TEST(TurnOpening, CarrierAndReserveChecks) {
    struct Case {
        const char* name;
        std::string placement;
        float fighters, dive_bombers, torpedo_bombers;  // the reserve
        const char* message;                            // nullptr: both checks pass
    } cases[] = {
        {"equal carrier counts pass", "12" + repeat_key('3', 11), 180, 180, 225, nullptr},
        {"an empty first fleet beside one carrier", "2" + repeat_key('3', 12), 180, 180, 225, "第２艦隊が多過ぎます"},
        {"groups needing exactly the reserve", "11" + repeat_key('3', 11), 36, 54, 54, nullptr},
        {"one torpedo bomber short", "11" + repeat_key('3', 11), 36, 54, 53, "航空機不足です"},
        {"several types short: one message", "11" + repeat_key('3', 11), 1, 1, 1, "航空機不足です"},
        {"every ship at home with an empty reserve", repeat_key('3', 13), 0, 0, 0, nullptr},
        // No save holds one, but an organisation must never lock: a reserve below 0 still lets
        // the player keep every ship at home.
        {"every ship at home with a reserve below 0", repeat_key('3', 13), -1, -1, -1, nullptr},
        {"a carrier with a reserve below 0", "1" + repeat_key('3', 12), -1, 180, 225, "航空機不足です"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Opening o(c.placement, 1);
        o->V(1, V_RESERVE) = c.fighters;
        o->V(2, V_RESERVE) = c.dive_bombers;
        o->V(3, V_RESERVE) = c.torpedo_bombers;
        const Block next = [&] {
            try {
                return FLEET_ORGANISATION(*o);
            } catch (const con::ProgramEnd&) {
                return Block::FleetOrganisation;  // waiting at the confirmation
            }
        }();
        if (c.message) {
            EXPECT_EQ(next, Block::TurnOpening);
            EXPECT_TRUE(shows(o.screen(), 24, 23, c.message, 3));
            EXPECT_EQ(row_of(o.screen(), 23).size(), 24 + std::string(c.message).size());
        } else {
            EXPECT_TRUE(shows(o.screen(), 24, 23, "よろしいですか ? Hit Y - N Key", 7));
        }
    }
}

TEST(TurnOpening, BaseListColoursByScenario) {
    struct Case {
        int scenario, turn;
        std::vector<int> colours;  // bases 6-21
    } cases[] = {
        // Base 6 held in scenario 3: it is cyan, and base 11 beyond it may be attacked.
        {3, 2, {5, 6, 6, 6, 3, 6, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {6, 1, {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("scenario " + std::to_string(c.scenario));
        Opening o("", c.scenario, c.turn);
        if (c.scenario == 3) o->P(6, P_HOLDER) = 0;
        EXPECT_THROW(FLEET_ORGANISATION(*o), con::ProgramEnd);
        for (int b = 6; b <= 21; ++b) EXPECT_TRUE(shows(o.screen(), 60, b, o->TX(b), c.colours[b - 6])) << b;
        for (int b = 1; b <= 5; ++b) EXPECT_TRUE(shows(o.screen(), 60, b, o->TX(b), 5)) << b;
        EXPECT_EQ(text_at(o.screen(), 0, 0, 2) == "第", c.scenario != 6) << "the turn banner";
    }
}

TEST(HarbourRaid, PresetTurnWithAndWithoutLoads) {
    struct Case {
        const char* name;
        int scenario, choose_loads;
        std::string keys;
        std::vector<float> battleships;
    } cases[] = {
        {"scenario 2, standard groups: the opening's force sails", 2, 0, "h", {32, 33}},
        {"scenario 5, standard groups", 5, 0, "h", {30, 31, 32, 33}},
        {"scenario 2, loads chosen: battleships 31 and 33", 2, 1, "h108{ENTER}120{ENTER}y", {31, 33}},
        {"scenario 5, loads chosen, the first mix rejected", 5, 1, "h144{ENTER}216{ENTER}n100{ENTER}200{ENTER}Y",
         {30, 31, 32, 33}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Opening o(c.keys, c.scenario, 1, c.choose_loads);
        harbour_raid_setup(*o);
        std::vector<Block> trail;
        EXPECT_EQ(run_opening(*o, Block::TurnOpening, &trail), Block::OperationsStart);
        EXPECT_EQ(std::count(trail.begin(), trail.end(), Block::TargetChoice), 0) << "no target choice";
        EXPECT_EQ(std::count(trail.begin(), trail.end(), Block::AlliedPlanning), 0) << "no Allied planning";
        EXPECT_EQ(o->AT(1), 18);
        EXPECT_EQ(o->CV(0, 1), c.scenario == 5 ? 8 : 6);
        EXPECT_EQ(o->BB(0, 1), static_cast<float>(c.battleships.size()));
        for (std::size_t k = 0; k < c.battleships.size(); ++k) EXPECT_EQ(o->G(0, 1, k + 1), c.battleships[k]);
        EXPECT_EQ(o->CV(1, 1), 2) << "the opening's Allied force";
        EXPECT_EQ(o->BB(1, 1), 8);
        EXPECT_TRUE(shows(o.screen(), 0, 0, c.choose_loads ? "  " : "第 1 ターン", 7)) << "the banner";
    }
    // The scenario 5 mix: 100 fighters, 200 dive bombers, the rest torpedo bombers.
    Opening o("h144{ENTER}216{ENTER}n100{ENTER}200{ENTER}Y", 5, 1, 1);
    harbour_raid_setup(*o);
    EXPECT_EQ(run_opening(*o), Block::OperationsStart);
    float fighters = 0, torpedo = 0;
    for (int i = 1; i <= 8; ++i) {
        fighters += o->A(0, i, A_LOADED_FIGHTERS);
        torpedo += o->A(0, i, A_LOADED_TORPEDO_BOMBERS);
    }
    EXPECT_EQ(fighters, 100);
    EXPECT_EQ(torpedo, 276);
}

TEST(HarbourRaid, LoadingScreens) {
    // Scenario 2 with the loads chosen: no banner, no base list, the reserve in white.
    auto run = run_program(morva95f_program(), "5y2h");
    const auto& s = run.screen();
    EXPECT_EQ(text_at(s, 0, 0, 20), std::string(20, ' '));
    EXPECT_EQ(text_at(s, 56, 6, 20), std::string(20, ' '));
    EXPECT_TRUE(shows(s, 25, 20, "保有航空機  180  180  225", 7));
    EXPECT_TRUE(shows(s, 36, 16, "艦戦 艦爆 艦攻", 7));
    EXPECT_TRUE(shows(s, 51, 16, "合計", 5));
    EXPECT_TRUE(shows(s, 52, 17, "390", 6));
    EXPECT_TRUE(shows(s, 22, 2, "1", 5)) << "翔鶴 placed without a question";
    EXPECT_TRUE(shows(s, 50, 2, "3", 3)) << "金剛 on standby";
    EXPECT_TRUE(shows(s, 50, 3, "1", 5)) << "比叡";
    EXPECT_TRUE(shows(s, 50, 4, "3", 3)) << "榛名";
    EXPECT_TRUE(shows(s, 23, 22, " 第 1 艦隊  零式艦戦 は何機搭載しますか ?", 6));
    auto confirm = run_program(morva95f_program(), "5y2h108{ENTER}120{ENTER}");
    EXPECT_TRUE(shows(confirm.screen(), 38, 22, "よろしいですか ?    Hit Y - N Key", 7));
    EXPECT_EQ(text_at(confirm.screen(), 10, 23, 69), std::string(69, ' '));
    // "N": the loading screen again, from the full reserve.
    auto again = run_program(morva95f_program(), "5y2h108{ENTER}120{ENTER}n");
    EXPECT_TRUE(shows(again.screen(), 24, 23, " 180 機までです", 6));
    EXPECT_EQ(text_at(again.screen(), 37, 17, 13), std::string(13, ' '));
    // "Y": the raid; its report waits with key pauses.
    auto raid = run_program(morva95f_program(), "9y2h108{ENTER}120{ENTER}y" + harbour_raid_day());
    EXPECT_TRUE(shows(raid.screen(), 10, 8, "第  1  艦隊作戦終了", 6));
}
