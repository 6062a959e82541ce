// The strike launch of a daytime hour step, from key scripts: the tests that end the launch
// phase, the launch question, the target, the night warnings, the heading and its lock, the
// numbers and loads, and the rows of the air-group table the strikes open.
#include <gtest/gtest.h>

#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "tests/detailed/carrier_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

// The key the script holds after the call: the dialogue read no further than its answers.
std::string launch_next_key() { return con::wait_key_string(); }

/// Ready on the flight deck of slot 1: fighters, dive bombers, torpedo- and bomb-armed
/// torpedo bombers.
void on_deck(State& st, float fighters, float dive_bombers, float torpedo, float bomb) {
    st.F(0, 1, AIR_FIGHTERS, F_DECK) = fighters;
    st.F(0, 1, AIR_DIVE_BOMBERS, F_DECK) = dive_bombers;
    st.F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = torpedo;
    st.F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = bomb;
}

/// Task force 1 in contact at bearing `bearing`, `range` units away; the others absent.
void task_force_in_contact(State& st, float bearing, float range) {
    st.H(1) = 3, st.J(1) = 1, st.PD(1) = bearing, st.PK(1) = range;
}

/// The base 87 units away at bearing 200; the fleet at (10, -20).
void base_on_map(State& st) {
    st.PK(0) = 87, st.PD(0) = 200;
    st.PZ(0, PZ_X) = 10, st.PZ(0, PZ_Y) = -20;
}

}  // namespace

TEST(StrikeLaunch, NothingToFlyEndsThePhaseAtOnce) {
    // No working flight deck: nothing counts, the pause, no fighters for the patrol.
    Loaded st("!");
    carrier_fleet(*st, 1);
    st->A(0, 1, A_FLIGHT_DECK) = 7.5f;
    on_deck(*st, 5, 3, 2, 0);
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃はできません", 5));
    EXPECT_EQ(st->FIGHTERS_READY, 0);
    EXPECT_EQ(launch_next_key(), "!");
    // Only fighters ready: the same end; the fighters wait for the patrol.
    Loaded f("!");
    carrier_fleet(*f, 1);
    on_deck(*f, 5, 0, 0, 0);
    STRIKE_LAUNCH_PHASE(*f);
    EXPECT_EQ(f->FIGHTERS_READY, 5);
    EXPECT_EQ(launch_next_key(), "!");
    // A Japanese-held objective and no task force first in the contact list (a later entry in
    // contact does not count).
    Loaded j("!");
    carrier_fleet(*j, 1);
    on_deck(*j, 0, 3, 0, 0);
    j->P(7, P_HOLDER) = 0;
    j->J(1) = 2, j->H(2) = -1, j->J(2) = 1, j->H(1) = 3;
    STRIKE_LAUNCH_PHASE(*j);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃はできません", 5));
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, EveryTargetAtNight) {
    for (float absent : {0.0f, 51.0f}) {
        Loaded st("n!");
        carrier_fleet(*st, 1, 14);
        on_deck(*st, 0, 3, 0, 0);
        st->PK(0) = 51, st->PK(1) = 60, st->PK(2) = 70, st->PK(3) = absent;
        STRIKE_LAUNCH_PHASE(*st);
        if (absent == 0) {
            // A task force without carriers stands at distance 0: the question comes.
            EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃隊を発進させますか ?  Hit Y - N Key", 5));
        } else {
            EXPECT_TRUE(shows(con::screen(), 19, 19, "攻撃は夜間になります", 3));
            EXPECT_EQ(launch_next_key(), "n");
        }
    }
}

TEST(StrikeLaunch, QuestionOverTheDeckStatusAndNo) {
    Loaded st("xn!");
    carrier_fleet(*st, 1);
    on_deck(*st, 12, 3, 6, 4);
    st->ID(0) = 2;
    STRIKE_LAUNCH_PHASE(*st);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 16, 21, "現在甲板に零式艦戦 12 機待機中", 6));
    EXPECT_TRUE(shows(s, 16, 22, "現在甲板に９９式艦爆 3 機待機中", 6));
    EXPECT_TRUE(shows(s, 16, 23, "現在甲板に９７式艦攻 10 機待機中", 6));
    EXPECT_TRUE(shows(s, 54, 23, "(雷装 6 爆装 4 )", 6));
    EXPECT_TRUE(shows(s, 10, 20, "攻撃隊を発進させますか ?  Hit Y - N Key", 5));
    EXPECT_EQ(st->ID(0), 2);
    EXPECT_EQ(st->FIGHTERS_READY, 12);
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, BaseStrikeRowLoadsAndTheNextOffer) {
    // Only the base: no 1/2 question. 5 bomb-armed torpedo bombers are more than the 4 ready,
    // so 5 is asked again; the second offer is declined.
    Loaded st("y2{ENTER}3{ENTER}5{ENTER}4{ENTER}n!");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    on_deck(*st, 4, 3, 6, 4);
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_EQ(launch_next_key(), "!");
    const float row[] = {1, 10, -20, 200, 0, 2, 3, 0, 4, 87};
    for (int field = T_STATUS; field <= T_TARGET; ++field) EXPECT_EQ(st->T(0, 3, field), row[field]) << field;
    EXPECT_EQ(st->A(0, 1, A_AIRCRAFT_AWAY), 9);
    EXPECT_EQ(st->ID(0), 1);
    EXPECT_EQ(st->FIGHTERS_READY, 2) << "the second offer's count";
    EXPECT_EQ(st->STRIKE_SOURCE, 1);
}

TEST(StrikeLaunch, ALaunchThatSendsNothingKeepsItsCount) {
    // Every count 0: no row is opened, the offer is used up, and ID(0) keeps the launch.
    Loaded st("y0{ENTER}0{ENTER}n!");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    on_deck(*st, 2, 3, 0, 0);
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_EQ(st->T(0, 3, T_STATUS), 0);
    EXPECT_EQ(st->ID(0), 1);
    EXPECT_EQ(st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK), 3);
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, SecondBaseStrikeJoinsTheFirst) {
    Loaded st("y6{ENTER}y4{ENTER}!");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    on_deck(*st, 0, 10, 0, 0);
    st->T(0, 3, T_DIVE_BOMBERS) = 0;
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_EQ(st->T(0, 3, T_DIVE_BOMBERS), 10);
    EXPECT_EQ(st->T(0, 3, T_STATUS), 1);
    EXPECT_EQ(st->ID(0), 2);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃はできません", 5)) << "the third offer finds nothing";
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, BaseStrikeNightWarnings) {
    // Hour step 14, the base 51 units away: called off, the question again; N ends.
    Loaded st("yn!");
    carrier_fleet(*st, 1, 14);
    on_deck(*st, 0, 3, 0, 0);
    st->PK(0) = 51;
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_TRUE(shows(con::screen(), 19, 19, "攻撃は夜間になります", 3));
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃隊を発進させますか ?  Hit Y - N Key", 5));
    EXPECT_EQ(st->ID(0), 0);
    EXPECT_EQ(st->T(0, 14, T_STATUS), 0);
    EXPECT_EQ(launch_next_key(), "!");
    // 50 units away: only the return warning, and the strike flies.
    Loaded w("y1{ENTER}!");
    carrier_fleet(*w, 1, 14);
    on_deck(*w, 0, 1, 0, 0);
    w->PK(0) = 50;
    STRIKE_LAUNCH_PHASE(*w);
    EXPECT_TRUE(shows(con::screen(), 19, 19, "帰艦は夜間になります", 3));
    EXPECT_EQ(w->T(0, 14, T_DIVE_BOMBERS), 1);
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, FleetStrikeHeadingAndLock) {
    // A wrong key at the 1/2 question prints it again; 360 and -1 are asked again; heading 45
    // locks onto task force 1, 100 units away.
    Loaded st("y32360{ENTER}-1{ENTER}45{ENTER}2{ENTER}!");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    task_force_in_contact(*st, 45, 100);
    on_deck(*st, 0, 2, 0, 0);
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_EQ(st->T(1, 3, T_TARGET), 1100);
    EXPECT_EQ(st->T(1, 3, T_HEADING), 45);
    EXPECT_EQ(st->T(1, 3, T_DIVE_BOMBERS), 2);
    EXPECT_EQ(st->NEXT_FLEET_GROUP, 2);
    EXPECT_EQ(launch_next_key(), "!");
    // An empty heading is due north and never locks; 45.5 is kept as typed.
    for (const char* heading : {"{ENTER}", "45.5{ENTER}"}) {
        Loaded h(std::string("y2") + heading + "1{ENTER}!");
        carrier_fleet(*h, 1);
        task_force_in_contact(*h, 45, 100);
        on_deck(*h, 0, 1, 0, 0);
        STRIKE_LAUNCH_PHASE(*h);
        EXPECT_EQ(h->T(1, 3, T_HEADING), heading[0] == '{' ? 0.0f : 45.5f);
        EXPECT_EQ(h->T(1, 3, T_TARGET), 0);
        EXPECT_EQ(launch_next_key(), "!");
    }
    // The heading question over the target's row, in the target question's colour; the
    // second copy of the target question ran on into row 21.
    Loaded q("y32");
    carrier_fleet(*q, 1);
    task_force_in_contact(*q, 45, 100);
    on_deck(*q, 0, 2, 0, 0);
    EXPECT_THROW(STRIKE_LAUNCH_PHASE(*q), con::ProgramEnd);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 10, 20, " 1 攻撃隊 飛行方向は ?   0 - 359", 5));
    EXPECT_EQ(text_at(s, 42, 20, 16), std::string(16, ' ')) << "blank up to column 57";
    EXPECT_TRUE(shows(s, 1, 21, "Hit 1 - 2 Key", 5));
}

TEST(StrikeLaunch, LockedStrikeAtNightIsCalledOff) {
    // Hour step 14, task force 1 61 units away: group 1 is called off; the next strike takes
    // group 2 on another heading, which flies unlocked.
    Loaded st("y245{ENTER}y210{ENTER}1{ENTER}!");
    carrier_fleet(*st, 1, 14);
    task_force_in_contact(*st, 45, 61);
    st->PK(0) = 40;
    on_deck(*st, 0, 1, 0, 0);
    STRIKE_LAUNCH_PHASE(*st);
    EXPECT_EQ(st->T(1, 14, T_STATUS), 0);
    EXPECT_EQ(st->T(1, 14, T_TARGET), 1061) << "the called-off group keeps its code";
    EXPECT_EQ(st->T(2, 14, T_DIVE_BOMBERS), 1);
    EXPECT_EQ(st->ID(0), 1);
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, NoFourthFleetStrikeGroup) {
    // Groups 1-3 given out: the fourth offer's target is the base only.
    Loaded st("y210{ENTER}1{ENTER}y210{ENTER}1{ENTER}y210{ENTER}1{ENTER}y1{ENTER}!");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    task_force_in_contact(*st, 45, 100);
    on_deck(*st, 0, 5, 0, 0);
    STRIKE_LAUNCH_PHASE(*st);
    for (int g = 0; g <= 3; ++g) EXPECT_EQ(st->T(g, 3, T_DIVE_BOMBERS), 1) << g;
    for (int g = 4; g <= T_LAST_SOURCE; ++g) EXPECT_EQ(st->T(g, 3, T_STATUS), 0) << g;
    EXPECT_EQ(st->T(0, 3, T_TARGET), 87) << "the fourth strike went to the base";
    EXPECT_EQ(launch_next_key(), "!");
    // A Japanese-held objective: after three fleet strikes the launch phase ends.
    Loaded j("y10{ENTER}1{ENTER}y10{ENTER}1{ENTER}y10{ENTER}1{ENTER}!");
    carrier_fleet(*j, 1);
    j->P(7, P_HOLDER) = 0;
    task_force_in_contact(*j, 45, 100);
    on_deck(*j, 0, 5, 0, 0);
    STRIKE_LAUNCH_PHASE(*j);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃はできません", 5));
    EXPECT_EQ(j->STRIKE_SOURCE, 3);
    EXPECT_EQ(launch_next_key(), "!");
    // Groups used up by night call-offs within one offer end it the same way.
    Loaded n("y45{ENTER}y45{ENTER}y45{ENTER}!");
    carrier_fleet(*n, 1, 14);
    n->P(7, P_HOLDER) = 0;
    task_force_in_contact(*n, 45, 61);
    on_deck(*n, 0, 5, 0, 0);
    STRIKE_LAUNCH_PHASE(*n);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "攻撃はできません", 5));
    EXPECT_EQ(n->ID(0), 0);
    EXPECT_EQ(n->NEXT_FLEET_GROUP, 4);
    EXPECT_EQ(launch_next_key(), "!");
}

TEST(StrikeLaunch, WrongTargetKeysNeverScroll) {
    EXPECT_TRUE(target_question_fits(8));
    EXPECT_FALSE(target_question_fits(9));
    // Ten wrong keys, then 1: the run ends at the dive bombers' count of the base strike.
    Loaded st("y" + std::string(10, 'x') + "1");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    task_force_in_contact(*st, 45, 100);
    on_deck(*st, 0, 1, 0, 0);
    con::print_at(con::Col(0), con::Row(0), "TOP");
    EXPECT_THROW(STRIKE_LAUNCH_PHASE(*st), con::ProgramEnd);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 0, 0, "TOP")) << "nothing scrolled";
    EXPECT_TRUE(shows(s, 39, 23, "基地ですか艦隊ですか ?  Hit 1 - 2 Key", 5)) << "the eighth copy";
    EXPECT_EQ(text_at(s, 76, 23, 4), "    ") << "no ninth copy";
    EXPECT_TRUE(shows(s, 10, 20, "何機の９９式艦爆を出撃させますか ?", 5)) << "1 is still taken";
}

TEST(StrikeLaunch, CountsAreWholeNumbersInBounds) {
    // Negative or fractional counts are asked again like those above the ready aircraft.
    Loaded st("y-1{ENTER}1.5{ENTER}4{ENTER}2{ENTER}");
    carrier_fleet(*st, 1);
    base_on_map(*st);
    on_deck(*st, 3, 2, 0, 0);
    EXPECT_THROW(STRIKE_LAUNCH_PHASE(*st), con::ProgramEnd);
    EXPECT_EQ(st->T(0, 3, T_FIGHTERS), 2) << "fighters: -1, 1.5, 4 refused, then 2";
    EXPECT_EQ(st->FIGHTERS_READY, 1);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "何機の９９式艦爆を出撃させますか ?", 5));
}

TEST(StrikeLaunch, HarbourRaidLoads) {
    const struct {
        const char* name;
        float raid;
        const char* keys;
        float torpedo, bomb;
    } cases[] = {
        {"surprise: all go without the share", 1, "y10{ENTER}!", 6, 4},
        {"surprise: the share asked; 7, 0 and fractions again", 1,
         "y5{ENTER}7{ENTER}0{ENTER}0.5{ENTER}-1{ENTER}1{ENTER}n!", 1, 4},
        {"surprise lost: a base strike flies bombs, 5 asked again", 2, "y5{ENTER}4{ENTER}n!", 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st(c.keys);
        carrier_fleet(*st, 1);
        base_on_map(*st);
        st->PEARL_HARBOR_TURN = c.raid;
        st->HW(HW_TORPEDOES) = 40, st->HW(HW_BOMBS) = 49;
        on_deck(*st, 0, 0, 6, 4);
        STRIKE_LAUNCH_PHASE(*st);
        EXPECT_EQ(st->T(0, 3, T_TORPEDO_BOMBERS), c.torpedo);
        EXPECT_EQ(st->T(0, 3, T_BOMB_ARMED), c.bomb);
        const bool moved = c.raid == 1;
        EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), moved ? c.torpedo : 0);
        EXPECT_EQ(st->HW(HW_BOMBS), moved ? 49 - c.bomb : 49);
        EXPECT_EQ(launch_next_key(), "!");
    }
    // The share question: the count in "###" at column 9, the prompt from column 13.
    Loaded st("y5{ENTER}");
    carrier_fleet(*st, 1);
    st->PEARL_HARBOR_TURN = 1;
    on_deck(*st, 0, 0, 6, 4);
    EXPECT_THROW(STRIKE_LAUNCH_PHASE(*st), con::ProgramEnd);
    EXPECT_EQ(text_at(con::screen(), 9, 20, 25), "  5 機のうち雷装は何機 ? ");
    EXPECT_EQ(testing_support::colour_of(con::screen(), 11, 20), 6);
}
