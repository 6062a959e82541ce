// HENSEI (the fleet-organisation screen) and its aircraft-loading dialogue, run on a loaded
// state with scripted keys: the ships offered, the placement rules, the sums shown, the preset
// harbour-raid force, the loads chosen and spread over the carriers.
#include <gtest/gtest.h>

#include <vector>

#include "detailed/organisation.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

// A loaded state at the organisation of `turn` in `scenario`.
struct Organising : Loaded {
    Organising(std::string keys, int scenario, int turn, int choose_loads = 0) : Loaded(std::move(keys)) {
        st->SCENARIO_NO = static_cast<float>(scenario);
        st->TURN_NO = static_cast<float>(turn);
        st->TT(TT_TURN) = st->TURN_NO;
        st->TT(TT_SCENARIO) = st->SCENARIO_NO;
        st->TT(TT_SAVED_SCENARIO) = st->SCENARIO_NO;
        st->TT(TT_CHOOSE_LOADS) = static_cast<float>(choose_loads);
    }
    const con::Screen& screen() { return console.screen(); }
};

// Runs HENSEI; false when it waited for a key beyond the script (the screen is then the one
// that waits).
bool hensei_ends(Organising& o) {
    try {
        HENSEI(*o);
        return true;
    } catch (const con::ProgramEnd&) {
        return false;
    }
}

// The hypothetical scenarios release carriers 1-6 and withdraw battleships 22 and 23.
void hypothetical_availability(State& st) {
    for (int i = 1; i <= 6; ++i) st.A(0, i, A_FIRST_TURN) = 1;
    st.A(0, 22, A_FIRST_TURN) = 13;
    st.A(0, 23, A_FIRST_TURN) = 13;
}

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i) v.push_back(i);
    return v;
}

std::string repeat(char key, int n) { return std::string(static_cast<std::size_t>(n), key); }

}  // namespace

TEST(Hensei, OffersTheShipsThatMaySailThisTurn) {
    struct Case {
        const char* name;
        int scenario, turn;
        bool hypothetical;
        std::vector<int> carriers, battleships;
        bool note;
    } cases[] = {
        {"historical, turn 1: fast battleships only", 1, 1, false, range(7, 15), range(30, 33), true},
        {"historical, turn 8", 3, 8, false, range(7, 19), range(30, 33), true},
        {"historical, turn 9: every battleship serving", 2, 9, false, range(7, 21), range(22, 33), false},
        {"hypothetical, turn 1", 4, 1, true, range(1, 15), range(24, 33), false},
        {"single operation: availability up to turn 12", 6, 1, false, range(7, 21), range(22, 33), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Organising o(repeat('3', 40), c.scenario, c.turn);
        if (c.hypothetical) hypothetical_availability(*o);
        ASSERT_TRUE(hensei_ends(o));
        const auto& s = o.screen();
        for (std::size_t k = 0; k < c.carriers.size(); ++k)
            EXPECT_TRUE(shows(s, 0, static_cast<int>(k) + 2, o->MX(0, c.carriers[k]), 6)) << "carrier row " << k;
        EXPECT_EQ(text_at(s, 0, static_cast<int>(c.carriers.size()) + 2, 6), "      ");
        for (std::size_t k = 0; k < c.battleships.size(); ++k)
            EXPECT_TRUE(shows(s, 28, static_cast<int>(k) + 2, o->MX(0, c.battleships[k]), 6)) << "battleship " << k;
        EXPECT_EQ(text_at(s, 28, static_cast<int>(c.battleships.size()) + 2, 4), "    ");
        EXPECT_EQ(text_at(s, 28, 9, 24) == "史実に基づくシナリオでは", c.note);
        EXPECT_EQ(text_at(s, 24, 18, 2) == "２", c.scenario != 6) << "the second fleet's legend";
        EXPECT_EQ(o->E(3), 1);
    }
}

TEST(Hensei, PlacesShipsAndShowsTheFleetSums) {
    // Fleet 1: carriers 7-12 with battleships 31 and 33; fleet 2: carriers 13-15.
    Organising o("111111" "222" "3131", 1, 1);
    o->A(0, 13, A_FLIGHT_DECK) = 4;  // an old flight-deck state, set to 10 by the placement
    o->A(0, 30, A_COMMITTED) = 1;    // an old committed flag, cleared at the list
    o->A(0, 14, A_LOADED_FIGHTERS) = 99;
    ASSERT_TRUE(hensei_ends(o));
    const auto& s = o.screen();
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(o->C(0, 1, k), k + 6);
    EXPECT_EQ(o->C(0, 1, 7), 0);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(o->C(0, 2, k), k + 12);
    EXPECT_EQ(o->G(0, 1, 1), 31);
    EXPECT_EQ(o->G(0, 1, 2), 33);
    EXPECT_EQ(o->E(1), 3);
    EXPECT_EQ(o->E(2), 1);
    EXPECT_EQ(o->E(3), 7);
    EXPECT_EQ(o->E(4), 4);
    // Standard sums by type, and the anti-aircraft sums: 4 x (2 + 2 + 1 x 6) = 40 and 4 x 3.
    const float sums[3][2] = {{111, 27}, {135, 23}, {144, 36}};
    for (int t = 1; t <= 3; ++t)
        for (int f = 1; f <= 2; ++f) EXPECT_EQ(o->V(t, f), sums[t - 1][f - 1]) << t << "," << f;
    EXPECT_EQ(o->V(1, V_AA_SUM), 40);
    EXPECT_EQ(o->V(2, V_AA_SUM), 12);
    EXPECT_TRUE(shows(s, 36, 17, " 111  135  144   61", 6)) << "sums and 40 + 20 + turn 1";
    EXPECT_TRUE(shows(s, 36, 18, "  27   23   36   33", 6));
    // The marks: fleet 1 cyan, fleet 2 green, standby magenta.
    EXPECT_TRUE(shows(s, 22, 2, "1", 5));
    EXPECT_TRUE(shows(s, 22, 8, "2", 4));
    EXPECT_TRUE(shows(s, 50, 2, "3", 3));
    EXPECT_TRUE(shows(s, 50, 3, "1", 5));
    // The ships' records: committed, flight deck ready, loads copied from the standard groups.
    EXPECT_EQ(o->A(0, 13, A_FLIGHT_DECK), 10);
    EXPECT_EQ(o->A(0, 9, A_LOADED_FIGHTERS), 21);
    EXPECT_EQ(o->A(0, 9, A_LOADED_TORPEDO_BOMBERS), 27);
    EXPECT_EQ(o->A(0, 14, A_LOADED_FIGHTERS), 9);
    EXPECT_EQ(o->A(0, 31, A_COMMITTED), 1);
    EXPECT_EQ(o->A(0, 30, A_COMMITTED), 0) << "standby";
    EXPECT_EQ(o->A(0, 12, A_COMMITTED), 1);
    // The list's numbers and legend.
    EXPECT_TRUE(shows(s, 0, 4, "赤城   6 / 6  66   31", 6));
    EXPECT_TRUE(shows(s, 28, 2, "金剛   4 / 4  14   30", 6));
    EXPECT_TRUE(shows(s, 5, 1, "耐久力 収容力 速力          耐久力 攻撃力 速力", 6));
    EXPECT_TRUE(shows(s, 24, 17, "１", 7));
    EXPECT_TRUE(shows(s, 26, 17, " 第１艦隊", 4));
    EXPECT_TRUE(shows(s, 26, 19, " 待機(修理)", 3));
}

TEST(Hensei, QuestionRefusalsAndFullFleets) {
    // The question and the keys it ignores.
    Organising asked("x04", 1, 1);
    ASSERT_FALSE(hensei_ends(asked));
    EXPECT_TRUE(shows(asked.screen(), 24, 22, "翔鶴 は どこに配属しますか ?   Hit 1 - 3 Key", 5));
    EXPECT_EQ(asked->E(3), 1) << "no key placed the carrier";

    // Scenario 6 refuses 2 and has no second fleet.
    Organising single("2" "1" + repeat('3', 30), 6, 1);
    ASSERT_TRUE(hensei_ends(single));
    EXPECT_EQ(single->C(0, 1, 1), 7);
    EXPECT_EQ(single->E(4), 1);

    // Turn 9 of scenario 4 offers 21 carriers: 8 fill fleet 1, the answer 1 for the ninth is
    // asked again and 2 taken, 8 fill fleet 2, and the last five go to standby unasked, so the
    // next keys answer for the battleships.
    Organising full(repeat('1', 8) + "12" + repeat('2', 7) + "12" + repeat('3', 20), 4, 9);
    hypothetical_availability(*full);
    ASSERT_TRUE(hensei_ends(full));
    EXPECT_EQ(full->E(3), 9);
    EXPECT_EQ(full->E(4), 9);
    EXPECT_EQ(full->C(0, 2, 1), 9);
    EXPECT_EQ(full->C(0, 2, 8), 16);
    for (int i = 17; i <= 21; ++i) EXPECT_EQ(full->A(0, i, A_COMMITTED), 0) << "carrier " << i;
    EXPECT_TRUE(shows(full.screen(), 22, 18, "3", 3)) << "carrier 17 unasked";
    EXPECT_EQ(full->G(0, 1, 1), 24);
    EXPECT_EQ(full->G(0, 2, 1), 25);

    // A ship below half its durability goes to standby unasked; a sunk ship is not listed.
    Organising damaged("1" + repeat('3', 20), 1, 1);
    damaged->A(0, 7, A_DURABILITY) = 2.9f;  // below 6 / 2
    damaged->A(0, 8, A_DURABILITY) = 0;
    ASSERT_TRUE(hensei_ends(damaged));
    EXPECT_TRUE(shows(damaged.screen(), 0, 2, "翔鶴   2.9 / 6  72 34", 6));
    EXPECT_TRUE(shows(damaged.screen(), 22, 2, "3", 3));
    EXPECT_TRUE(shows(damaged.screen(), 0, 3, "赤城", 6));
    EXPECT_EQ(damaged->C(0, 1, 1), 9) << "the first key placed the next carrier";
}

TEST(Hensei, PresetHarbourRaidForce) {
    struct Case {
        int scenario;
        std::vector<int> carriers, battleships;
    } cases[] = {{2, range(7, 12), {31, 33}}, {5, range(1, 8), range(30, 33)}};
    for (const auto& c : cases) {
        SCOPED_TRACE("scenario " + std::to_string(c.scenario));
        Organising o("", c.scenario, 1, 1);
        if (c.scenario == 5) {
            hypothetical_availability(*o);
            o->V(1, V_RESERVE) = 270;
            o->V(2, V_RESERVE) = 360;
            o->V(3, V_RESERVE) = 360;
        }
        ASSERT_FALSE(hensei_ends(o)) << "the loading dialogue waits for the fighters";
        for (std::size_t k = 0; k < c.carriers.size(); ++k) EXPECT_EQ(o->C(0, 1, k + 1), c.carriers[k]);
        EXPECT_EQ(o->E(3), c.carriers.size() + 1);
        for (std::size_t k = 0; k < c.battleships.size(); ++k) EXPECT_EQ(o->G(0, 1, k + 1), c.battleships[k]);
        EXPECT_EQ(o->E(4), 1) << "fleet 2 stays empty";
        EXPECT_EQ(text_at(o.screen(), 37, 17, 3), "   ") << "no sums during the placement";
    }
}

TEST(AircraftLoading, WorkedExampleSpreadsByCapacity) {
    // Scenario 2's preset force, carriers 7-12 (390 aircraft), reserves 180, 180, 225.
    Organising o("108{ENTER}120{ENTER}", 2, 1, 1);
    ASSERT_TRUE(hensei_ends(o));
    const float fighters[] = {20, 20, 18, 20, 15, 15};
    const float dive[] = {22, 22, 20, 22, 17, 17};
    const float torpedo[] = {30, 30, 28, 30, 22, 22};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(o->A(0, 7 + k, A_LOADED_FIGHTERS), fighters[k]) << "slot " << k + 1;
        EXPECT_EQ(o->A(0, 7 + k, A_LOADED_DIVE_BOMBERS), dive[k]) << "slot " << k + 1;
        EXPECT_EQ(o->A(0, 7 + k, A_LOADED_TORPEDO_BOMBERS), torpedo[k]) << "slot " << k + 1;
    }
    // V keeps the standard sums; the reserve is not touched.
    EXPECT_EQ(o->V(1, 1), 111);
    EXPECT_EQ(o->V(3, 1), 144);
    EXPECT_EQ(o->V(1, V_RESERVE), 180);
    const auto& s = o.screen();
    EXPECT_TRUE(shows(s, 51, 16, "合計", 5));
    EXPECT_TRUE(shows(s, 36, 17, " 108  120  162  390", 6));
    EXPECT_EQ(text_at(s, 52, 18, 3), "   ") << "fleet 2 has no carriers: no total";
    EXPECT_TRUE(shows(s, 44, 23, "(第 1 艦隊搭載機総数は 390 機です)", 6));
}

TEST(AircraftLoading, QuestionAndRefusedAnswers) {
    Organising first("", 2, 1, 1);
    ASSERT_FALSE(hensei_ends(first));
    const auto& s = first.screen();
    EXPECT_TRUE(shows(s, 23, 22, " 第 1 艦隊  零式艦戦 は何機搭載しますか ?", 6));
    EXPECT_TRUE(shows(s, 24, 23, " 180 機までです", 6)) << "195 by the half-rule, 180 by the reserve";
    EXPECT_EQ(text_at(s, 24, 19, 12), std::string(12, ' ')) << "the standby legend is blanked";

    struct Case {
        const char* name;
        const char* answer;
    } refused[] = {{"above the limit", "181"}, {"below 0", "-1"}, {"a fraction", "107.5"}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        Organising o(std::string(c.answer) + "{ENTER}", 2, 1, 1);
        ASSERT_FALSE(hensei_ends(o)) << "asked again";
        EXPECT_TRUE(shows(o.screen(), 23, 22, " 第 1 艦隊  零式艦戦 は何機搭載しますか ?", 6));
        EXPECT_EQ(text_at(o.screen(), 68, 22, 6), "      ") << "the refused answer is blanked";
        EXPECT_EQ(text_at(o.screen(), 37, 17, 3), "   ") << "nothing taken";
    }

    // An empty line takes 0 fighters; 180 dive bombers leave 210 torpedo bombers above the
    // limit of 195, so the dialogue starts again with the fighters.
    Organising restart("{ENTER}180{ENTER}", 2, 1, 1);
    ASSERT_FALSE(hensei_ends(restart));
    EXPECT_TRUE(shows(restart.screen(), 23, 22, " 第 1 艦隊  零式艦戦 は何機搭載しますか ?", 6));
    EXPECT_TRUE(shows(restart.screen(), 24, 23, " 180 機までです", 6)) << "from the full reserve again";
    EXPECT_EQ(text_at(restart.screen(), 37, 17, 14), std::string(14, ' '));
}

TEST(AircraftLoading, SecondFleetAndRestartByIt) {
    // Fleet 1: carriers 7 and 8 (144, half 72); fleet 2: carriers 9 and 10 (138, half 69).
    const std::string placement = "1122" + repeat('3', 9);
    // The second fleet's fighter limit is what the first left of a 100-fighter reserve.
    Organising left(placement + "72{ENTER}36{ENTER}", 1, 1, 1);
    left->V(1, V_RESERVE) = 100;
    ASSERT_FALSE(hensei_ends(left));
    EXPECT_TRUE(shows(left.screen(), 23, 22, " 第 2 艦隊  零式艦戦 は何機搭載しますか ?", 6));
    EXPECT_TRUE(shows(left.screen(), 24, 23, " 28 機までです", 6));
    EXPECT_TRUE(shows(left.screen(), 44, 23, "(第 2 艦隊搭載機総数は 138 機です)", 6));
    EXPECT_TRUE(shows(left.screen(), 36, 17, "  72   36   36  144", 6));

    // 10 and 10 for fleet 2 leave 118 torpedo bombers: the first fleet is asked again.
    Organising again(placement + "50{ENTER}50{ENTER}10{ENTER}10{ENTER}", 1, 1, 1);
    ASSERT_FALSE(hensei_ends(again));
    EXPECT_TRUE(shows(again.screen(), 23, 22, " 第 1 艦隊  零式艦戦 は何機搭載しますか ?", 6));
    EXPECT_EQ(text_at(again.screen(), 37, 18, 14), std::string(14, ' '));

    Organising done(placement + "50{ENTER}50{ENTER}10{ENTER}10{ENTER}" "72{ENTER}36{ENTER}69{ENTER}50{ENTER}", 1, 1, 1);
    ASSERT_TRUE(hensei_ends(done));
    EXPECT_TRUE(shows(done.screen(), 36, 18, "  69   50   19  138", 6));
    EXPECT_EQ(done->A(0, 9, A_LOADED_FIGHTERS) + done->A(0, 10, A_LOADED_FIGHTERS), 69);
    EXPECT_EQ(done->A(0, 9, A_LOADED_TORPEDO_BOMBERS) + done->A(0, 10, A_LOADED_TORPEDO_BOMBERS), 19);
    // A one-carrier fleet would get exactly the numbers; here each carrier is full.
    for (int i = 7; i <= 10; ++i)
        EXPECT_EQ(done->A(0, i, A_LOADED_FIGHTERS) + done->A(0, i, A_LOADED_DIVE_BOMBERS) +
                      done->A(0, i, A_LOADED_TORPEDO_BOMBERS),
                  done->A(0, i, A_CAPACITY))
            << "carrier " << i;
}

TEST(AircraftLoading, UnfillableFleetsAskNothing) {
    // Reserves of 40 of each type cannot fill 144 aircraft: no question, standard groups kept.
    Organising o("11" + repeat('3', 11), 1, 1, 1);
    for (int t = 1; t <= 3; ++t) o->V(t, V_RESERVE) = 40;
    ASSERT_TRUE(hensei_ends(o));
    EXPECT_EQ(o->A(0, 7, A_LOADED_FIGHTERS), 18);
    EXPECT_EQ(o->A(0, 8, A_LOADED_TORPEDO_BOMBERS), 27);
    EXPECT_EQ(text_at(o.screen(), 37, 17, 13), std::string(13, ' ')) << "nothing taken";
    EXPECT_TRUE(shows(o.screen(), 52, 17, "144", 6)) << "the total only";
}

TEST(AircraftLoading, SharesNeverFallBelowZero) {
    struct Case {
        const char* name;
        std::vector<int> carriers;
        int type;
        float n;
        std::vector<float> shares;  // by slot
    } cases[] = {
        {"worked example, unchanged", range(7, 12), 1, 108, {20, 20, 18, 20, 15, 15}},
        {"one carrier takes the number", {13}, 2, 17, {17}},
        {"4 fighters over 8 equal carriers", range(1, 8), 1, 4, {0, 0, 0, 0, 1, 1, 1, 1}},
        {"0 dive bombers", range(7, 9), 2, 0, {0, 0, 0}},
        {"torpedo room below 0 on a small carrier", {7, 15}, 3, 49, {49, 0}},
        {"torpedo room above what is left", {7, 8}, 3, 10, {0, 10}},
    };
    for (const auto& c : cases) {
        Loaded st;
        for (std::size_t k = 0; k < c.carriers.size(); ++k) st->C(0, 1, k + 1) = static_cast<float>(c.carriers[k]);
        st->E(3) = static_cast<float>(c.carriers.size() + 1);
        if (c.type == 3) {
            st->A(0, 15, A_LOADED_FIGHTERS) = 15;  // 15 + 12 on a carrier of 23
            st->A(0, 15, A_LOADED_DIVE_BOMBERS) = 12;
        }
        spread_aircraft(*st, 1, c.type, c.n);
        float sum = 0;
        for (std::size_t k = 0; k < c.carriers.size(); ++k) {
            const float share = st->A(0, c.carriers[k], 17 + c.type);
            EXPECT_EQ(share, c.shares[k]) << c.name << ": slot " << k + 1;
            sum += share;
        }
        EXPECT_EQ(sum, c.n) << c.name;
    }
}

TEST(AircraftLoading, WhenTheReservesCanFillTheFleets) {
    struct Case {
        const char* name;
        std::array<con::real, 2> totals;
        std::array<con::real, 3> reserves;
        bool fills;
    } cases[] = {
        {"worked example", {390, 0}, {180, 180, 225}, true},
        {"exactly the halves", {390, 0}, {195, 195, 0}, true},
        {"one short of the halves", {390, 0}, {195, 194, 0}, false},
        {"a type limited by the reserve", {390, 0}, {100, 195, 94}, false},
        {"two fleets within the reserve", {144, 138}, {100, 100, 100}, true},
        {"two fleets beyond the whole reserve", {144, 138}, {90, 90, 90}, false},
        {"both fleets take the whole reserve", {200, 200}, {200, 0, 200}, true},
        {"each fleet alone fits, not both", {200, 200}, {150, 0, 200}, false},
        {"a fleet's half limits the share of a plentiful type", {200, 20}, {300, 50, 50}, false},
        {"no carriers", {0, 0}, {0, 0, 0}, true},
        {"a reserve below 0", {10, 0}, {100, 100, -1}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(loads_can_be_filled(c.totals, c.reserves), c.fills) << c.name;
}
