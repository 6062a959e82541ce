// The hidden overview of the Allied side (HYOJI6): the ship lists by force and task force, the
// task forces' anti-aircraft strengths, the base panel, the map marks, and after a key the
// table of the Allied air groups.
#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 in turn 5 (anti-aircraft factor 3) against base 14. The force facing fleet 1:
/// carriers 1 (task force 1), 2 (task force 2) and 3 (never split: task force 0); battleships
/// 16 (task force 1) and 17 (task force 2, sunk). The force facing fleet 2: carrier 4 (task
/// force 1) and battleship 18 (never split). Task forces 1 and 2 exist.
void overview(State& st) {
    st.TT(TT_FLEET) = 1, st.TT(TT_TURN) = 5, st.TT(TT_WAIT) = 64;
    st.AT(1) = 14, st.P(14, P_STRENGTH) = 12, st.P(14, P_AIR_DEFENCE) = 20;
    st.CV(1, 1) = 3, st.C(1, 1, 1) = 1, st.C(1, 1, 2) = 2, st.C(1, 1, 3) = 3;
    st.BB(1, 1) = 2, st.G(1, 1, 1) = 16, st.G(1, 1, 2) = 17;
    st.CV(1, 2) = 1, st.C(1, 2, 1) = 4, st.BB(1, 2) = 1, st.G(1, 2, 1) = 18;
    const struct {
        float ship, task_force, durability, aa;
    } ships[] = {{1, 1, 3, 4}, {2, 2, 4, 3}, {3, 0, 2, 2}, {16, 1, 5, 5}, {17, 2, 0, 6}, {4, 1, 6, 9}, {18, 0, 7, 1}};
    for (const auto& s : ships) {
        st.A(1, s.ship, A_TASK_FORCE) = s.task_force, st.A(1, s.ship, A_DURABILITY) = s.durability;
        st.A(1, s.ship, A_ANTI_AIRCRAFT) = s.aa;
    }
    st.DF(1) = 5, st.DF(2) = 6, st.DF(3) = 7;
    st.OC(1) = 3, st.OC(2) = 1;
    st.KS(1) = 2, st.KS(2) = 1;
    st.PZ(1, PZ_X) = 30, st.PZ(1, PZ_Y) = 40, st.PZ(2, PZ_X) = -20, st.PZ(2, PZ_Y) = 10;
    st.TK(TK_POSTURE) = 1, st.H(H_ON_FLEET) = 3;
    st.Q(AIR_FIGHTERS, Q_NOT_READY) = 5, st.Q(AIR_FIGHTERS, Q_READY) = 7, st.Q(AIR_HEAVY_BOMBERS, Q_READY) = 4;
    st.VS(0, AIR_FIGHTERS) = 11, st.VS(1, AIR_TORPEDO_BOMBERS) = 9;
    st.PK(0) = 40, st.PD(0) = 200, st.PK(1) = 12, st.PD(1) = 37;
}

std::string name_and(const State& st, float ship, const char* number) { return st.MX(1, ship) + number; }

}  // namespace

TEST(AlliedOverview, ShipListsStrengthsAndPanel) {
    Loaded st;
    overview(*st);
    EXPECT_THROW(HYOJI6(*st), con::ProgramEnd) << "it waits for a key";
    const auto& sc = con::screen();
    // Carriers by list slot on rows 0-7, battleships on rows 9-23, 8 columns per task force.
    EXPECT_TRUE(shows(sc, 0, 0, name_and(*st, 1, " 3"), 6));
    EXPECT_TRUE(shows(sc, 8, 1, name_and(*st, 2, " 4")));
    EXPECT_TRUE(shows(sc, 0, 9, name_and(*st, 16, " 5")));
    EXPECT_TRUE(shows(sc, 8, 10, name_and(*st, 17, " 0"))) << "a sunk ship with durability 0";
    // A ship of fleet 1's force that no split has placed stands in the first task-force column
    // (the one left of it would lie outside the grid); fleet 2's stands at column 40.
    EXPECT_TRUE(shows(sc, 0, 2, name_and(*st, 3, " 2")));
    EXPECT_TRUE(shows(sc, 48, 0, name_and(*st, 4, " 6")));
    EXPECT_TRUE(shows(sc, 40, 9, name_and(*st, 18, " 7")));
    // Strengths of the task forces facing the fleet: destroyers plus afloat ships x 3.
    EXPECT_EQ(text_at(sc, 0, 8, 20), " 32      15      7  ");
    EXPECT_TRUE(shows(sc, 71, 21, " 3"));
    EXPECT_TRUE(shows(sc, 71, 22, " 1"));
    // The panel.
    EXPECT_TRUE(shows(sc, 66, 5, "勢 12 対空 60", 6));
    EXPECT_TRUE(shows(sc, 69, 7, "退 1 発 3"));
    EXPECT_TRUE(shows(sc, 64, 12, "損害"));
    EXPECT_TRUE(shows(sc, 69, 0, "F  12"));
    EXPECT_TRUE(shows(sc, 69, 3, "H  4"));
    EXPECT_EQ(st->O(AIR_FIGHTERS), 12);
    EXPECT_TRUE(shows(sc, 66, 9, "F   11  0"));
    EXPECT_TRUE(shows(sc, 66, 11, "T   0   9"));
    EXPECT_TRUE(shows(sc, 70, 14, " 120  200"));
    EXPECT_TRUE(shows(sc, 70, 15, " 36  37"));
    EXPECT_TRUE(shows(sc, 69, 23, "WAIT 64"));
    EXPECT_TRUE(shows(sc, 29, 23, "Hit Any Key", 5));

    // During the harbour strike's surprise only the carriers count.
    Loaded harbour;
    overview(*harbour);
    harbour->TT(TT_HARBOUR_STRIKE) = 1;
    EXPECT_THROW(HYOJI6(*harbour), con::ProgramEnd);
    EXPECT_EQ(harbour->TI(1), 17);
    // During fleet 2's operation its force's strengths stand in columns 36, 44 and 52.
    Loaded second;
    overview(*second);
    second->TT(TT_FLEET) = 2, second->AT(2) = 14;
    EXPECT_THROW(HYOJI6(*second), con::ProgramEnd);
    EXPECT_EQ(second->TI(1), 32);
    EXPECT_TRUE(shows(con::screen(), 36, 8, " 32      6       7"));
}

TEST(AlliedOverview, MapMarksAndTheAirGroupTable) {
    Loaded st("a");
    overview(*st);
    st->T(4, 2, T_STATUS) = 1, st->T(4, 2, T_X) = 10, st->T(4, 2, T_Y) = -10;
    st->T(6, 2, T_STATUS) = 3, st->T(6, 2, T_X) = -30, st->T(6, 2, T_Y) = -30;
    st->T(0, 1, T_STATUS) = 2, st->T(0, 1, T_Y) = 50;
    st->ST(ST_BASE, 3, ST_STATUS) = 2, st->ST(ST_BASE, 3, ST_X) = 5, st->ST(ST_BASE, 3, ST_Y) = 5;
    st->ST(ST_TASK_FORCE + 2, 1, ST_STATUS) = 4, st->ST(ST_TASK_FORCE + 2, 1, ST_X) = -5;
    st->ST(ST_TASK_FORCE + 2, 1, ST_Y) = -5;
    st->ST(ST_TASK_FORCE + 1, 2, ST_STATUS) = 1, st->ST(ST_TASK_FORCE + 1, 2, ST_X) = 7;
    st->T(4, 2, T_FIGHTERS) = 10, st->T(4, 2, T_DIVE_BOMBERS) = 20, st->T(4, 2, T_TORPEDO_BOMBERS) = 30;
    st->T(5, 2, T_HEAVY_BOMBERS) = 7, st->T(6, 2, T_FIGHTERS) = 1, st->T(6, 2, T_DIVE_BOMBERS) = 2.5f;
    st->T(8, 3, T_TORPEDO_BOMBERS) = 1234;
    HYOJI6(*st);
    // Task forces 1 and 2 as discs in their colours; none for a task force without carriers.
    EXPECT_EQ(con::point_colour(399 + 30, 168 - 40), 4);
    EXPECT_EQ(con::point_colour(399 - 20, 168 - 10), 5);
    // Air groups as three pixels, the Allied search planes in the air as one.
    for (int dx : {-1, 0, 1}) {
        EXPECT_EQ(con::point_colour(409 + dx, 178), 13) << "base strike outbound";
        EXPECT_EQ(con::point_colour(369 + dx, 198), 7) << "task force 1's strike returning";
        EXPECT_EQ(con::point_colour(399 + dx, 118), 11) << "the player's strike";
    }
    EXPECT_EQ(con::point_colour(404, 163), 7);
    EXPECT_EQ(con::point_colour(394, 173), 11);
    EXPECT_EQ(con::point_colour(406, 168), 0) << "a ready plane is not in the air";
    // After the key: the table, from column 34 in fleet 1's operation, "###" per field.
    const auto& sc = con::screen();
    EXPECT_EQ(text_at(sc, 34, 2, 39), " 10 20 30  7  1  3  0  0  0  0  0  0  0");
    EXPECT_EQ(text_at(sc, 34, 3, 41), "  0  0  0  0  0  0  0  0  0  0  0  0%1234");
    EXPECT_TRUE(shows(sc, 34, 21, "  0  0  0", 7));
    EXPECT_EQ(text_at(sc, 34, 22, 3), "   ");
}
