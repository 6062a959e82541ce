// HENSEI3 (the Allied task-force split) with scripted draws, and IDO10 (the end-of-day
// aircraft bookkeeping).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/detailed/detailed_support.h"

using detailed_test::Loaded;
using namespace morva95f;

TEST(Hensei3, SplitsByCarrierCountAndDraws) {
    struct Case {
        const char* name;
        int carriers, battleships;
        float df;
        std::vector<float> rolls;
        int draws;
        std::array<float, 6> ks;
        std::array<float, 3> df_after;
    } cases[] = {
        {"one carrier: one force, every battleship, full screen", 1, 3, 21, {}, 0, {1, 0, 0, 3, 0, 0}, {21, 0, 0}},
        {"two carriers, 10r = 5 > 2: one force", 2, 2, 21, {0.5f}, 1, {2, 0, 0, 2, 0, 0}, {21, 0, 0}},
        {"two carriers, 10r = 1: two forces, one battleship", 2, 1, 21, {0.1f}, 1, {1, 1, 0, 1, 0, 0}, {12, 12, 0}},
        {"three carriers, 10r = 6 > 5: two forces", 3, 4, 22, {0.6f}, 1, {2, 1, 0, 2, 2, 0}, {13, 13, 0}},
        {"three carriers, rolls 3 then 1: three forces", 3, 0, 21, {0.3f, 0.1f}, 2, {1, 1, 1, 0, 0, 0}, {8, 8, 8}},
        {"three carriers, rolls 3 then 5: one force", 3, 5, 21, {0.3f, 0.5f}, 2, {3, 0, 0, 5, 0, 0}, {21, 0, 0}},
        {"four carriers, rolls 3.5 then 6: one force", 4, 2, 23, {0.35f, 0.6f}, 2, {4, 0, 0, 2, 0, 0}, {23, 0, 0}},
        {"five carriers, rolls 2 then 8r = 7.2 > 6: one force", 5, 1, 35, {0.2f, 0.9f}, 2, {5, 0, 0, 1, 0, 0}, {35, 0, 0}},
        {"five carriers, rolls 2 then 8r = 5.6: three forces", 5, 4, 35, {0.2f, 0.7f}, 2, {2, 2, 1, 2, 1, 1}, {14, 14, 14}},
        {"six carriers, 10r = 5 > 4: two forces", 6, 6, 50, {0.5f}, 1, {3, 3, 0, 3, 3, 0}, {30, 30, 0}},
        {"seven carriers, 10r = 5: three forces", 7, 7, 35, {0.5f}, 1, {3, 2, 2, 3, 2, 2}, {14, 14, 14}},
        {"eight carriers, 10r = 6.5 > 6: two forces", 8, 3, 35, {0.65f}, 1, {4, 4, 0, 2, 1, 0}, {21, 21, 0}},
        {"eight carriers, 10r = 5.5: three forces", 8, 8, 52, {0.55f}, 1, {3, 3, 2, 3, 3, 2}, {20, 20, 20}},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->TT(TT_FLEET) = 2;
        st->CV(1, 2) = static_cast<float>(c.carriers);
        st->BB(1, 2) = static_cast<float>(c.battleships);
        for (int i = 1; i <= c.carriers; ++i) st->C(1, 2, i) = static_cast<float>(i + 2);
        for (int i = 1; i <= c.battleships; ++i) st->G(1, 2, i) = static_cast<float>(i + 20);
        st->DF(1) = c.df;
        con::random_generator().script(c.rolls);
        const auto before = con::random_generator().draws();
        HENSEI3(*st);
        EXPECT_EQ(con::random_generator().draws() - before, static_cast<unsigned>(c.draws)) << c.name;
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(st->KS(k), c.ks[k - 1]) << c.name << ": KS(" << k << ")";
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(st->DF(k), c.df_after[k - 1]) << c.name << ": DF(" << k << ")";
        // Task force 1 takes the first ships of each list, then 2, then 3.
        for (int i = 1; i <= c.carriers; ++i) {
            const float tf = i <= c.ks[0] ? 1.0f : (i <= c.ks[0] + c.ks[1] ? 2.0f : 3.0f);
            EXPECT_EQ(st->A(1, i + 2, A_TASK_FORCE), tf) << c.name << ": carrier slot " << i;
        }
        for (int i = 1; i <= c.battleships; ++i) {
            const float tf = i <= c.ks[3] ? 1.0f : (i <= c.ks[3] + c.ks[4] ? 2.0f : 3.0f);
            EXPECT_EQ(st->A(1, i + 20, A_TASK_FORCE), tf) << c.name << ": battleship slot " << i;
        }
    }
}

TEST(Ido10, FoldsStatesSinksAndRepairsDecks) {
    Loaded st;
    st->TT(TT_FLEET) = 1;
    st->CV(0, 1) = 3;
    st->C(0, 1, 1) = 9;   // afloat, deck 3
    st->C(0, 1, 2) = 10;  // sunk
    st->C(0, 1, 3) = 11;  // durability 1, deck 9
    st->CV(1, 1) = 2;
    st->C(1, 1, 1) = 1;  // Allied, deck 3
    st->C(1, 1, 2) = 3;  // Allied, deck 5
    st->A(0, 9, A_FLIGHT_DECK) = 3;
    st->A(0, 10, A_DURABILITY) = 0;
    st->A(0, 10, A_FLIGHT_DECK) = 4;
    st->A(0, 11, A_DURABILITY) = 1;
    st->A(0, 11, A_FLIGHT_DECK) = 9;
    st->A(1, 1, A_FLIGHT_DECK) = 3;
    st->A(1, 3, A_FLIGHT_DECK) = 5;
    for (int state = 0; state <= 5; ++state) {
        st->F(0, 1, 0, state) = static_cast<float>(state + 1);  // 1 + 2 + ... + 6 = 21
        st->F(0, 2, 2, state) = 4;
        st->F(0, 3, 2, state) = 1;
        st->F(1, 2, 1, state) = 2;
    }
    IDO10(*st);
    EXPECT_EQ(st->F(0, 1, 0, F_NOT_READY), 21);
    for (int state = 1; state <= 5; ++state) EXPECT_EQ(st->F(0, 1, 0, state), 0);
    EXPECT_EQ(st->F(0, 2, 2, F_NOT_READY), 0) << "a sunk carrier's aircraft are gone";
    EXPECT_EQ(st->F(0, 3, 2, F_NOT_READY), 6) << "a carrier at durability 1 keeps its aircraft";
    EXPECT_EQ(st->F(1, 2, 1, F_NOT_READY), 12);
    EXPECT_EQ(st->A(0, 9, A_FLIGHT_DECK), 5) << "Japanese deck + 2";
    EXPECT_EQ(st->A(0, 10, A_FLIGHT_DECK), 4) << "a sunk carrier's deck is unchanged";
    EXPECT_EQ(st->A(0, 11, A_FLIGHT_DECK), 10) << "capped at 10";
    EXPECT_EQ(st->A(1, 1, A_FLIGHT_DECK), 9) << "Allied deck + 6";
    EXPECT_EQ(st->A(1, 3, A_FLIGHT_DECK), 10) << "5 + 6 capped at 10";
}
