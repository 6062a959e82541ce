// The organisation phase's routines on prepared states: HENSEI's automatic standby, carrier
// limits and sums, the phase's checks, and MOKUHYO's refusals.
#include <gtest/gtest.h>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;

namespace {

// Runs `call` until the program waits for a key that the script does not hold.
template <typename F>
void until_waiting(F call) {
    try {
        call();
    } catch (const con::ProgramEnd&) {
    }
}

void prepare_hensei(morva95s::State& st, float turn, float scenario) {
    st.TT(morva95s::TT_TURN) = turn;
    st.TT(morva95s::TT_SCENARIO) = scenario;
    st.SCENARIO_NO = scenario;
    st.TURN_NO = turn;
}

}  // namespace

TEST(Hensei, HalfDurabilityAndSums) {
    // Carriers 7-15 and battleships 24-33 listed at turn 1. Carrier 7 at exactly half is
    // asked; carrier 8 below half goes to standby with a red 3 and no question.
    Loaded st("1" "12" "333333" "1" + std::string(9, '3'));
    prepare_hensei(*st, 1, 1);
    st->A(0, 7, 0) = 3;
    st->A(0, 8, 0) = 2.5f;
    morva95s::HENSEI(*st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 22, 3, " 1", 5));
    EXPECT_TRUE(shows(s, 22, 4, " 3", 2)) << "below half: standby without a question";
    EXPECT_TRUE(shows(s, 22, 5, " 1", 5));
    EXPECT_TRUE(shows(s, 22, 6, " 2", 4));
    EXPECT_EQ(st->E(3), 3);  // carriers 7 and 9 in fleet 1
    EXPECT_EQ(st->E(4), 2);  // carrier 10 in fleet 2
    EXPECT_EQ(st->E(1), 2);  // battleship 24 in fleet 1
    EXPECT_EQ(st->C(0, 1, 2), 9);
    EXPECT_EQ(st->A(0, 8, 11), 0);
    EXPECT_EQ(st->A(0, 9, 15), 10);
    // Fleet 1: carriers 7 (2,3,3; AA 2) and 9 (2,2,3; AA 1), battleship 24 (AA 1): sum 4 shows
    // INT((4 + 5) / 2) = 4.
    EXPECT_TRUE(shows(s, 37, 17, " 4", 5)) << "printed in the colour of the question";
    EXPECT_EQ(st->V(1, 1), 4);
    EXPECT_EQ(st->V(2, 1), 5);
    EXPECT_EQ(st->V(3, 1), 6);
    EXPECT_EQ(st->V(1, 3), 4);
    EXPECT_EQ(text_at(s, 52, 17, 2), " 4");
}

TEST(Hensei, CarrierLimitsAndScenarioSix) {
    // Scenario 4 lists carriers 1-15 at turn 1: eight to fleet 1, then a "1" is refused and
    // asked again, seven more to fleet 2; battleships all standby.
    {
        Loaded st(std::string(8, '1') + "1" + std::string(7, '2') + std::string(10, '3'));
        prepare_hensei(*st, 1, 4);
        for (int i = 1; i <= 6; ++i) st->A(0, i, 8) = 1;
        st->A(0, 22, 8) = 13;
        st->A(0, 23, 8) = 13;
        morva95s::HENSEI(*st);
        EXPECT_EQ(st->E(3), 9);
        EXPECT_EQ(st->E(4), 8);
    }
    // Scenario 6: every ship listed; "2" is ignored; once fleet 1 holds 8 carriers the rest
    // go to standby without a question.
    {
        Loaded st("2" + std::string(8, '1') + std::string(12, '3'));
        prepare_hensei(*st, 1, 6);
        morva95s::HENSEI(*st);
        const auto& s = st.console.screen();
        EXPECT_EQ(st->E(3), 9);
        EXPECT_EQ(st->E(4), 1);
        EXPECT_EQ(text_at(s, 25, 19, 10), "          ") << "no second fleet in the legend";
        EXPECT_TRUE(shows(s, 22, 3 + 8, " 3", 2)) << "carrier 9 to standby without a question";
        EXPECT_TRUE(shows(s, 22, 17, " 3", 2)) << "carrier 15 too";
    }
}

TEST(OrganisationPhase, AircraftShortage) {
    // Comment key on, so the message waits under "Hit Any Key".
    Loaded st("11" + std::string(17, '3'));
    prepare_hensei(*st, 1, 1);
    st->TT(morva95s::TT_COMMENT_KEY) = 1;
    st->V(1, 0) = 3;  // carriers 7 and 8 carry 4 units of fighters
    until_waiting([&] { morva95s::ORGANISATION_PHASE(*st); });
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 24, 23, "航空機不足です", 3));
    EXPECT_TRUE(shows(s, 35, 20, "Hit Any Key", 4));
    // A reserve exactly equal to the fleets' units passes.
    Loaded equal("11" + std::string(17, '3'));
    prepare_hensei(*equal, 1, 1);
    equal->V(1, 0) = 4;
    until_waiting([&] { morva95s::ORGANISATION_PHASE(*equal); });
    EXPECT_TRUE(shows(equal.console.screen(), 24, 23, "よろしいですか ? Hit Y - N Key", 7));
    // Every ship at home is accepted whatever the reserve, even one below 0: the organisation
    // never locks.
    for (float reserve : {0.0f, -1.0f}) {
        Loaded home(std::string(19, '3'));
        prepare_hensei(*home, 1, 1);
        for (int t = 1; t <= 3; ++t) home->V(t, 0) = reserve;
        until_waiting([&] { morva95s::ORGANISATION_PHASE(*home); });
        EXPECT_TRUE(shows(home.console.screen(), 24, 23, "よろしいですか ? Hit Y - N Key", 7)) << reserve;
    }
}

TEST(Mokuhyo, Refusals) {
    struct Case {
        const char* name;
        float scenario;
        std::string keys;
        float carriers1, carriers2;
        float target1, target2;
    } cases[] = {
        {"99 declines both", 1, "99{ENTER}99{ENTER}", 1, 1, 0, 0},
        {"Japanese base, out of range, fraction refused", 1, "3{ENTER}22{ENTER}7.5{ENTER}7{ENTER}99{ENTER}", 1, 1, 7,
         0},
        {"not attackable refused, then base 6", 1, "21{ENTER}6{ENTER}99{ENTER}", 1, 1, 6, 0},
        {"fleet 2 may not take fleet 1's target", 1, "9{ENTER}9{ENTER}8{ENTER}", 1, 1, 9, 8},
        {"fleet without carriers asks nothing", 1, "9{ENTER}", 0, 1, 0, 9},
        {"scenario 6: any base, 99 refused", 6, "99{ENTER}3{ENTER}21{ENTER}", 1, 0, 21, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st(c.keys);
        st->TT(morva95s::TT_SCENARIO) = c.scenario;
        st->TT(morva95s::TT_WAIT) = 4;
        st->CV(0, 1) = c.carriers1;
        st->CV(0, 2) = c.carriers2;
        st->C(0, 1, 1) = c.carriers1 > 0 ? 7 : 0;
        st->C(0, 2, 1) = c.carriers2 > 0 ? 8 : 0;
        until_waiting([&] { morva95s::MOKUHYO(*st); });
        EXPECT_EQ(st->AT(1), c.target1);
        EXPECT_EQ(st->AT(2), c.target2);
        if (c.target1 != 0) {
            EXPECT_EQ(st->P(c.target1, 5), st->P(c.target1, 2));
        }
    }
}
