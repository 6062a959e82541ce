// Pure rules of the campaign frame with worked values: attack prerequisites, the end-of-turn
// step, the victory level, the calendar and the durability rounding.
#include <gtest/gtest.h>

#include <vector>

#include "campaign/route_network.h"
#include "tests/detailed/detailed_support.h"

using detailed_test::Loaded;
using namespace morva95f;

namespace {

void hold(State& st, std::initializer_list<int> bases) {
    for (int b : bases) st.P(b, P_HOLDER) = 0;
}

}  // namespace

TEST(Shozoku, AnswersByThePrerequisiteBases) {
    struct Case {
        const char* name;
        std::vector<int> japanese;  // bases taken besides 1-5
        float query;
        float expected;
    } cases[] = {
        {"base 6 is always open", {}, 1, 1},
        {"base 9 is always open, also once held", {9}, 4, 1},
        {"base 10 needs 7 and 8 (8 British blocks)", {7}, 5, 0},
        {"base 10 once 7 and 8 are held", {7, 8}, 5, 1},
        {"base 11 needs 6", {6}, 6, 1},
        {"base 12 needs 7", {7}, 7, 1},
        {"base 13 needs 6 and 12", {6, 7}, 8, 0},
        {"base 13 once 6 and 12 are held", {6, 12}, 8, 1},
        {"base 14 needs 9 and 11", {9}, 9, 0},
        {"base 16 needs 13 and 15", {13, 15}, 11, 1},
        {"base 18 needs 14 and 17", {14, 17}, 13, 1},
        {"base 20 needs 10 and 12", {10}, 15, 0},
        {"base 20 once 10 and 12 are held", {10, 12}, 15, 1},
        {"base 21 needs 19 and 20", {19}, 16, 0},
        {"base 21 once 19 and 20 are held", {19, 20}, 16, 1},
        {"its own holder makes no difference", {19, 20, 21}, 16, 1},
        {"a query of 1.5 is taken as 2", {}, 1.5f, 1},
        {"a query of 4.5 is taken as 5 (base 10)", {}, 4.5f, 0},
    };
    for (const auto& c : cases) {
        Loaded st;
        for (int b : c.japanese) st->P(b, P_HOLDER) = 0;
        st->TT(TT_ATTACKABLE) = 7;
        st->TT(TT_BASE_QUERY) = c.query;
        morva::SHOZOKU(st->TT, st->P);
        EXPECT_EQ(st->TT(TT_ATTACKABLE), c.expected) << c.name;
    }
}

TEST(Shozoku, CheckBaseAttackableAsksForTheBaseNumber) {
    Loaded st;
    hold(*st, {6});
    st->INPUT_NUM = 11;
    CHECK_BASE_ATTACKABLE(*st);
    EXPECT_EQ(st->TT(TT_BASE_QUERY), 6);
    EXPECT_EQ(st->TT(TT_ATTACKABLE), 1);
    st->INPUT_NUM = 13;
    CHECK_BASE_ATTACKABLE(*st);
    EXPECT_EQ(st->TT(TT_ATTACKABLE), 0);
}

TEST(Clc, WarOverTest) {
    struct Case {
        const char* name;
        float turn, target1, target2;
        std::vector<int> japanese;
        float expected;
    } cases[] = {
        {"turn 1 never ends the war", 1, 10, 0, {}, 0},
        {"no target never ends the war", 5, 0, 0, {}, 0},
        {"the one target not taken ends it", 5, 10, 0, {}, 1},
        {"the one target taken goes on", 5, 10, 0, {10}, 0},
        {"two targets, one taken, goes on", 5, 10, 12, {12}, 0},
        {"two targets, none taken, ends it", 5, 10, 12, {}, 1},
        {"only fleet 2 with a target, taken", 5, 0, 12, {12}, 0},
        {"base 21 held ends it whatever the target", 5, 10, 0, {10, 21}, 1},
        {"base 21 held on turn 1 does not end it", 1, 10, 0, {21}, 0},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->TT(TT_TURN) = c.turn;
        st->AT(1) = c.target1;
        st->AT(2) = c.target2;
        for (int b : c.japanese) st->P(b, P_HOLDER) = 0;
        st->TT(TT_GAME_OVER) = 0;
        CLC(*st);
        EXPECT_EQ(st->TT(TT_GAME_OVER), c.expected) << c.name;
    }
}

TEST(Clc, RepairsFlagsReserveAndBaseGrowth) {
    Loaded st;
    st->A(1, 5, A_DURABILITY) = 3;  // damaged Allied carrier, taking part
    st->A(1, 5, A_COMMITTED) = 1;
    st->A(1, 20, A_DURABILITY) = 0;  // sunk
    st->A(0, 9, A_DURABILITY) = 2;   // Japanese ships are not repaired here
    st->A(0, 9, A_COMMITTED) = 1;
    st->A(0, 40, A_COMMITTED) = 1;  // an empty Japanese row is cleared all the same
    st->P(6, P_HOLDER) = 0;         // a Japanese-held base grows like any other
    // One draw per base 6-21 in ascending order: the fast-growing bases 7, 8, 18, 20 and 21
    // take INT(r x 3) + 1, the others INT(r x 2) + 1.
    std::vector<float> draws(16, 0.99f);
    draws[0] = 0.01f;  // base 6: + 1
    draws[1] = 0.5f;   // base 7: INT(1.5) + 1 = + 2
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    CLC(*st);
    EXPECT_EQ(con::random_generator().draws() - before, 16u);
    EXPECT_EQ(st->A(1, 5, A_DURABILITY), 4);
    EXPECT_EQ(st->A(1, 5, A_COMMITTED), 0);
    EXPECT_EQ(st->A(1, 20, A_DURABILITY), 0);
    EXPECT_EQ(st->A(0, 9, A_DURABILITY), 2);
    EXPECT_EQ(st->A(0, 9, A_COMMITTED), 0);
    EXPECT_EQ(st->A(0, 40, A_COMMITTED), 0);
    EXPECT_EQ(st->A(1, 1, A_DURABILITY), 6) << "a ship at full durability is not changed";
    EXPECT_EQ(st->P(6, P_STRENGTH), 11);
    EXPECT_EQ(st->P(7, P_STRENGTH), 20);
    EXPECT_EQ(st->P(8, P_STRENGTH), 19) << "0.99 x 3 -> + 3";
    EXPECT_EQ(st->P(9, P_STRENGTH), 10) << "0.99 x 2 -> + 2";
    EXPECT_EQ(st->P(5, P_STRENGTH), 12) << "bases 1-5 do not grow";
    EXPECT_EQ(st->V(1, V_RESERVE), 270);
    EXPECT_EQ(st->V(3, V_RESERVE), 315);
}

TEST(Clc, HarbourPenaltyWithholdsTheAlliedRepair) {
    Loaded st;
    st->HW(HW_NO_REPAIR_TURNS) = 1;
    st->A(1, 3, A_DURABILITY) = 2;
    CLC(*st);
    EXPECT_EQ(st->A(1, 3, A_DURABILITY), 2);
}

TEST(VictoryLevel, ByJapaneseHeldBases) {
    struct Case {
        int held;
        const char* winner;
        const char* level;
    } cases[] = {
        {0, "連合軍", "完全勝利"},   {2, "連合軍", "完全勝利"},     {3, "連合軍", "圧倒的勝利"},
        {5, "連合軍", "圧倒的勝利"}, {6, "連合軍", "全面的勝利"},   {8, "連合軍", "全面的勝利"},
        {9, "連合軍", "限定的勝利"}, {11, "連合軍", "限定的勝利"},  {12, "引き分け", ""},
        {13, "引き分け", ""},        {14, "日本軍", "限定的勝利"},  {16, "日本軍", "限定的勝利"},
        {17, "日本軍", "全面的勝利"}, {18, "日本軍", "全面的勝利"}, {19, "日本軍", "圧倒的勝利"},
        {20, "日本軍", "圧倒的勝利"}, {21, "日本軍", "完全勝利"},
    };
    for (const auto& c : cases) {
        const auto [winner, level] = victory_level(c.held);
        EXPECT_EQ(winner, c.winner) << c.held << " bases";
        EXPECT_EQ(level, c.level) << c.held << " bases";
    }
}

TEST(Calendar, YearAndMonthByTurn) {
    const int year[] = {1941, 1942, 1942, 1942, 1942, 1942, 1942, 1942, 1942, 1943, 1943, 1943};
    const int month[] = {12, 2, 3, 5, 6, 8, 9, 11, 12, 2, 3, 5};
    for (int t = 1; t <= 12; ++t) {
        EXPECT_EQ(calendar_of_turn(t).first, year[t - 1]) << "turn " << t;
        EXPECT_EQ(calendar_of_turn(t).second, month[t - 1]) << "turn " << t;
    }
}

TEST(Durability, RoundingAfterAnAttack) {
    struct Case {
        const char* name;
        float before, after;
    } cases[] = {
        {"0.4 is afloat again with 1", 0.4f, 1},
        {"0 stays sunk", 0, 0},
        {"below 0 is set to 0", -1.5f, 0},
        {"3.005 rounds down to 3", 3.005f, 3},
        {"3.02 rounds up to 4", 3.02f, 4},
        {"a whole value stays", 3, 3},
        {"5.5 rounds up to 6", 5.5f, 6},
    };
    for (const auto& c : cases) EXPECT_EQ(rounded_durability(c.before), c.after) << c.name;
}
