// The turn-end update CLC (committed marks, Allied repair, the war-over test, base growth,
// reserve), the recount of the Allied losses and the verdicts of the final screen.
#include <gtest/gtest.h>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;

TEST(TurnEnd, WarOverTest) {
    struct Case {
        const char* name;
        float turn, target1, target2;
        std::vector<int> japanese_bases;  // taken this turn
        float game_over;
    } cases[] = {
        {"turn 1 never ends the war", 1, 6, 7, {}, 0},
        {"no target: no test", 5, 0, 0, {}, 0},
        {"one of two targets taken", 3, 6, 7, {7}, 0},
        {"neither target taken", 3, 6, 7, {}, 1},
        {"fleet 2 alone, its target taken", 3, 0, 9, {9}, 0},
        {"fleet 2 alone, its target not taken", 3, 0, 9, {}, 1},
        {"fleet 1 alone, taken", 3, 6, 0, {6}, 0},
        {"base 21 held ends every turn with a target", 4, 6, 0, {6, 21}, 1},
        {"base 21 held, no target: the war goes on", 4, 0, 0, {21}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->TT(morva95s::TT_TURN) = c.turn;
        st->AT(1) = c.target1;
        st->AT(2) = c.target2;
        for (int b : c.japanese_bases) st->P(b, 1) = 0;
        morva95s::CLC(*st);
        EXPECT_EQ(st->TT(morva95s::TT_GAME_OVER), c.game_over);
    }
}

TEST(TurnEnd, RepairGrowthAndReserve) {
    Loaded st;
    st->TT(morva95s::TT_TURN) = 2;
    st->A(0, 7, 11) = 1;
    st->A(1, 3, 11) = 1;
    st->A(1, 3, 0) = 4;       // damaged: +1
    st->A(1, 4, 0) = 0;       // sunk: unchanged
    st->A(1, 5, 0) = 5.5f;    // fraction: +1
    st->A(0, 8, 0) = 3;       // Japanese ships are not repaired here
    // Every draw 0.99: the big five bases grow by 3, the others by 2; 0.01: by 1.
    con::random_generator().script(std::vector<float>(16, 0.99f));
    morva95s::CLC(*st);
    EXPECT_EQ(st->A(0, 7, 11), 0);
    EXPECT_EQ(st->A(1, 3, 11), 0);
    EXPECT_EQ(st->A(1, 3, 0), 5);
    EXPECT_EQ(st->A(1, 4, 0), 0);
    EXPECT_EQ(st->A(1, 5, 0), 6.5f);
    EXPECT_EQ(st->A(0, 8, 0), 3);
    EXPECT_EQ(st->P(7, 2), 21);
    EXPECT_EQ(st->P(21, 2), 33);
    EXPECT_EQ(st->P(6, 2), 12);
    EXPECT_EQ(st->P(5, 2), 12) << "bases 1-5 do not grow";
    EXPECT_EQ(st->V(1, 0), 30);
    EXPECT_EQ(st->V(3, 0), 35);
    con::random_generator().script(std::vector<float>(16, 0.01f));
    st->HW(0) = 1;  // after a harbour strike that left damage, no Allied ship is repaired
    morva95s::CLC(*st);
    EXPECT_EQ(st->A(1, 3, 0), 5);
    EXPECT_EQ(st->P(7, 2), 22);
    EXPECT_EQ(st->P(6, 2), 13);
}

TEST(TurnEnd, Verdicts) {
    const std::pair<int, std::pair<std::string, std::string>> cases[] = {
        {21, {"日本軍", "完全勝利"}},   {20, {"日本軍", "圧倒的勝利"}}, {19, {"日本軍", "圧倒的勝利"}},
        {18, {"日本軍", "全面的勝利"}}, {17, {"日本軍", "全面的勝利"}}, {16, {"日本軍", "限定的勝利"}},
        {14, {"日本軍", "限定的勝利"}}, {13, {"引き分け", ""}},         {12, {"引き分け", ""}},
        {11, {"連合軍", "限定的勝利"}}, {9, {"連合軍", "限定的勝利"}},  {8, {"連合軍", "全面的勝利"}},
        {6, {"連合軍", "全面的勝利"}},  {5, {"連合軍", "圧倒的勝利"}},  {3, {"連合軍", "圧倒的勝利"}},
        {2, {"連合軍", "完全勝利"}},    {0, {"連合軍", "完全勝利"}},
    };
    for (const auto& [held, verdict] : cases) EXPECT_EQ(morva95s::victory_level(held), verdict) << held;
}

TEST(TurnEnd, LossesRecount) {
    Loaded st;
    st->A(1, 1, 0) = 0.5f;   // above 0 but below 1: sunk
    st->A(1, 2, 0) = 1;      // exactly 1: afloat
    st->A(1, 15, 0) = -2;    // the last carrier
    st->A(1, 16, 0) = 0;     // the first battleship
    morva95s::COUNT_ALLIED_LOSSES(*st);
    EXPECT_EQ(st->ALLIED_CV_SUNK, 2);
    EXPECT_EQ(st->ALLIED_BB_SUNK, 1);
}
