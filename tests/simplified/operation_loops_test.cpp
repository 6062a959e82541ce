// The heads of the operation, day and sub-turn loops: an operation's set-up and first day from
// the generator's first state, the day's reinforced search and the days not played, and the
// sub-turn head's carrier upkeep and raid with the ways into phases 1 and 2.
#include <gtest/gtest.h>

#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Scenario 1, turn 1: air fleet 1 (Japanese carriers 7-10, whole and with working decks, air
/// groups 3, 2, 3) against base 7 (strength 18, heavy-bomber factor 1), facing Allied carriers
/// 1 and 3; fleet 2 stays in port. No Japanese carrier is sunk, so no search is offered.
struct Operation : Loaded {
    explicit Operation(std::string keys = "") : Loaded(std::move(keys)) {
        st->SCENARIO_NO = 1;
        st->TT(TT_WAIT) = 0;
        for (int ship = 1; ship <= kJapaneseCarriers; ++ship) {
            st->A(0, ship, A_DURABILITY) = 5;
            st->A(0, ship, A_FULL_DURABILITY) = 5;
            st->A(0, ship, A_FLIGHT_DECK) = 10;
            st->A(0, ship, A_SPEED) = 10;
            for (int t = 0; t < 3; ++t) st->A(0, ship, A_AIR_GROUP + t) = t == 1 ? 2.0f : 3.0f;
        }
        for (int k = 1; k <= 4; ++k) st->C(0, 1, k) = static_cast<float>(6 + k);
        st->CV(0, 1) = 4;
        st->C(1, 1, 1) = 1;
        st->C(1, 1, 2) = 3;
        st->CV(1, 1) = 2;
        st->AT(1) = 7;
        st->P(7, P_HOLDER) = 1;
        st->P(7, P_STRENGTH) = 18;
        st->P(7, P_BOMBER_FACTOR) = 1;
    }
    /// The operation loop's head and the fleet's set-up, up to its announcement.
    void announce() {
        ASSERT_EQ(OPERATION_LOOP(**this), Block::OperationSetup);
        ASSERT_EQ(OPERATION_SETUP(**this), Block::DayStart);
    }
    /// The same and the first day's set-up.
    void open_first_day() {
        announce();
        ASSERT_EQ(DAY_START(**this), Block::HourStart);
    }
};

}  // namespace

// From the generator's first state: the commander's draw, the base's units, the day's distance
// and the Allied posture, in order.
TEST(OperationLoops, SetUpAndFirstDayFromTheFirstState) {
    struct Case {
        const char* name;
        float commander;
        float character;
        float units[4];
        float distance, posture;
        std::uint64_t draws;
    } cases[] = {
        {"random commander draws aggressive", 0, 1, {11, 9, 9, 3}, 2000, 0, 9},
        {"careful commander: no draw, test c keeps the distance", -1, -1, {9, 11, 9, 3}, 2200, 1, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Operation st;
        st->COMMANDER_CHARACTER = c.commander;
        st->K(1) = 5;  // seen in an earlier operation
        ASSERT_EQ(con::random_generator().state(), con::Random::kStart);
        st.announce();
        // The announcement; row 0 shows no time of day.
        EXPECT_TRUE(shows(st.console.screen(), 18, 2, "第 1 航空艦隊", 6));
        EXPECT_TRUE(shows(st.console.screen(), 36, 2, "攻略目標 敵拠点 " + st->TX(7), 6));
        EXPECT_TRUE(shows(st.console.screen(), 22, 9, st->MM(0, 10), 6));
        EXPECT_EQ(row_of(st.console.screen(), 0), "");
        ASSERT_EQ(DAY_START(*st), Block::HourStart);
        EXPECT_EQ(con::random_generator().draws(), c.draws);
        EXPECT_EQ(st->OPERATION_CHARACTER, c.character);
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(st->Q(r, Q_LANDED), c.units[r]) << r;
            EXPECT_EQ(st->O(r), c.units[r]) << r;
        }
        EXPECT_EQ(st->FLEET_DISTANCE, c.distance);
        EXPECT_EQ(st->TK(1), c.posture);
        EXPECT_EQ(st->K(1), 0);  // a new operation reports only what it sees
        EXPECT_EQ(st->F(0, 4, F_HANGAR), 3);
        EXPECT_EQ(st->D(0, 4, D_HANGAR), 2);
        EXPECT_EQ(st->F(0, 5, F_HANGAR), 0);  // slots above the carrier count stay empty
        EXPECT_EQ(st->R(1), 5);
        EXPECT_EQ(st->BASE_DISTANCE, 10);
    }
}

// A fleet without a target or without carriers stays in port; with a random commander one
// number is drawn all the same; after fleet 2 the turn ends.
TEST(OperationLoops, FleetsThatStayInPort) {
    Operation st;
    st->AT(1) = 0;
    ASSERT_EQ(OPERATION_LOOP(*st), Block::OperationSetup);
    EXPECT_EQ(OPERATION_SETUP(*st), Block::NextFleet);
    EXPECT_EQ(con::random_generator().draws(), 1u);
    EXPECT_EQ(NEXT_FLEET(*st), Block::OperationSetup);
    EXPECT_EQ(OPERATION_SETUP(*st), Block::NextFleet);  // fleet 2 has no carrier
    EXPECT_EQ(NEXT_FLEET(*st), Block::OperationSetup);
    EXPECT_EQ(OPERATION_SETUP(*st), Block::TurnEnd);
    EXPECT_EQ(st->OPERATION_ACTIVE, 1);
}

// The reinforced search: offered in scenario 6 with two fit torpedo-bomber units; a key other
// than Y or N asks again; two units leave the hangars, and come back the next day.
TEST(OperationLoops, ReinforcedSearchLendsAndGivesBack) {
    Operation asked("x");
    asked->SCENARIO_NO = 6;
    asked->COMMANDER_CHARACTER = 1;
    asked.announce();
    EXPECT_THROW(DAY_START(*asked), con::ProgramEnd);  // "x" is no answer: asked again
    EXPECT_TRUE(shows(asked.console.screen(), 20, 19, "索敵機を増強しますか ?   Hit Y or N Key", 6));
    EXPECT_TRUE(shows(asked.console.screen(), 10, 21, "九七艦攻を２ユニット使用するとサイの目修正が１あります", 6));
    EXPECT_TRUE(shows(asked.console.screen(), 20, 23, "九七艦攻は  12  ユニット登載しています", 6));

    Operation st("y");
    st->SCENARIO_NO = 6;
    st->AT(1) = 21;  // every day is played against base 21
    st->COMMANDER_CHARACTER = 1;
    st.open_first_day();
    EXPECT_EQ(st->SEARCH_REINFORCED, 1);
    EXPECT_EQ(st->T(0, 1, T_HANGAR), 1);  // the first fit carrier gives both passes' units
    EXPECT_EQ(st->T(0, 2, T_HANGAR), 3);
    st->A(0, 7, A_FLIGHT_DECK) = 7;  // no longer fit: the units go to the next carrier
    st->T(0, 2, T_HANGAR) = 2;
    EXPECT_EQ(NEXT_DAY(*st), Block::DayStart);
    st.console.type_ahead("n");
    EXPECT_EQ(DAY_START(*st), Block::HourStart);
    EXPECT_EQ(st->T(0, 1, T_HANGAR), 1);
    EXPECT_EQ(st->T(0, 2, T_HANGAR), 3);
    EXPECT_EQ(st->T(0, 3, T_HANGAR), 3);  // full: the second unit finds no carrier and is lost
    EXPECT_EQ(st->T(0, 4, T_HANGAR), 3);
}

// A day not played gives the lent units back once, and no later day hands out two more; a
// played day applies no closing left from an earlier day.
TEST(OperationLoops, DaysNotPlayedAndTheDaysClosing) {
    Operation st;
    st->COMMANDER_CHARACTER = 1;
    st.open_first_day();
    st->SEARCH_REINFORCED = 1;
    st->T(0, 1, T_HANGAR) = 1;  // two units lent
    st->P(7, P_HOLDER) = 0;     // the base taken: the later days are not played
    NEXT_DAY(*st);
    EXPECT_EQ(DAY_START(*st), Block::NextDay);
    EXPECT_EQ(st->T(0, 1, T_HANGAR), 3);
    EXPECT_EQ(st->SEARCH_REINFORCED, 0);
    st->T(0, 1, T_HANGAR) = 1;
    NEXT_DAY(*st);
    EXPECT_EQ(DAY_START(*st), Block::NextDay);
    EXPECT_EQ(st->T(0, 1, T_HANGAR), 1);
    NEXT_DAY(*st);
    EXPECT_EQ(DAY_START(*st), Block::OperationEnd);

    Operation played;
    played->COMMANDER_CHARACTER = 1;
    played->CLOSING_DISTANCE = 300;  // the last movement of an earlier operation
    played.open_first_day();
    EXPECT_EQ(played->CLOSING_DISTANCE, 0);
}

// The sub-turn head: a carrier at durability 0.5 is sunk (deck 0, hangar emptied, no speed);
// the decks of the others recover 0.5 or 2 up to 10; the late sub-turns go to phase 8.
TEST(OperationLoops, SubturnHeadCarrierUpkeep) {
    Operation st;
    st->COMMANDER_CHARACTER = 1;
    st.open_first_day();
    st->A(0, 7, A_DURABILITY) = 0.5f;
    st->D(0, 1, D_DECK) = 2;
    st->A(0, 8, A_FLIGHT_DECK) = 9.8f;
    st->A(0, 8, A_SPEED) = 9;
    st->A(0, 9, A_FLIGHT_DECK) = 0;
    st->A(1, 1, A_FLIGHT_DECK) = 9;
    st->A(1, 1, A_DURABILITY) = 5;
    st->A(1, 1, A_SPEED) = 11;
    st->A(1, 3, A_DURABILITY) = 0;
    EXPECT_EQ(HOUR_START(*st), Block::RaidBuildUp);
    EXPECT_EQ(st->A(0, 7, A_FLIGHT_DECK), 0);
    EXPECT_EQ(st->F(0, 1, F_HANGAR), 0);
    EXPECT_EQ(st->D(0, 1, D_DECK), 2);
    EXPECT_EQ(st->A(0, 8, A_FLIGHT_DECK), 10);
    EXPECT_EQ(st->A(0, 9, A_FLIGHT_DECK), 0.5f);
    EXPECT_EQ(st->A(1, 1, A_FLIGHT_DECK), 10);
    EXPECT_EQ(st->S(0), 9);
    EXPECT_EQ(st->S(1), 11);
    st->SUBTURN_NO = 16;
    EXPECT_EQ(HOUR_START(*st), Block::SurfacePhase);
    EXPECT_EQ(st->A(0, 9, A_FLIGHT_DECK), 0.5f);
    st->SUBTURN_NO = 21;
    EXPECT_EQ(HOUR_START(*st), Block::EndOfDay);
}

// The raid gathered from the arrival stage, and where the sub-turn goes on.
TEST(OperationLoops, RaidBuildUpRoutes) {
    struct Case {
        const char* name;
        float found, harbour, air, base;
        float carrier_f, carrier_d, base_f, base_d, base_heavy;
        Block next;
        float w[7];
        float left_f;  // Allied fighters left in the arrival stage
    } cases[] = {
        {"not found: units wait", 0, 0, 5, 10, 1, 1, 1, 0, 0, Block::BaseStrikeArrival, {}, 1},
        {"not found, harbour strike", 0, 1, 5, 10, 0, 0, 0, 0, 0, Block::AbortQuestion, {}, 0},
        {"nothing in the stage", 1, 0, 5, 10, 0, 0, 0, 0, 0, Block::OwnStrikeArrival, {}, 0},
        {"fighters alone make no attack", 1, 0, 5, 10, 2, 0, 0, 0, 0, Block::BaseStrikeArrival, {2}, 0},
        {"air 8: bombers join, fighters stay", 1, 0, 8, 10, 2, 3, 0, 0, 0, Block::AlliedRaidPhase, {0, 3}, 2},
        {"air 10: the heavy bombers still raid", 1, 0, 10, 10, 0, 0, 0, 0, 4, Block::AlliedRaidPhase, {0, 0, 0, 4}, 0},
        {"base 8: its bombers join, its fighters lost",
         1,
         0,
         5,
         8,
         1,
         2,
         5,
         3,
         0,
         Block::AlliedRaidPhase,
         {1, 5, 0, 0, 0, 2, 0},
         0},
        {"base 7: its fighters join", 1, 0, 5, 7, 1, 0, 5, 0, 0, Block::BaseStrikeArrival, {6, 0, 0, 0, 1}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Operation st;
        st->FLEET_NO = 1;
        st->H(1) = c.found;
        st->PEARL_HARBOR_TURN = c.harbour;
        st->AIR_DISTANCE = c.air;
        st->BASE_DISTANCE = c.base;
        st->W(5) = 9;  // cleared first
        st->F(1, 2, AL_OVER) = c.carrier_f;
        st->D(1, 2, AL_OVER) = c.carrier_d;
        st->Q(QR_FIGHTERS, Q_OVER) = c.base_f;
        st->Q(QR_DIVE, Q_OVER) = c.base_d;
        st->Q(QR_HEAVY, Q_OVER) = c.base_heavy;
        EXPECT_EQ(RAID_BUILD_UP(*st), c.next);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(st->W(i), c.w[i]) << i;
        EXPECT_EQ(st->F(1, 2, AL_OVER), c.left_f);
        if (c.found == 1) {
            EXPECT_EQ(st->Q(QR_FIGHTERS, Q_OVER), 0);  // base units not joining are lost
        }
    }
}
