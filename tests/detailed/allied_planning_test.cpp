// ALLIED_PLANNING with scripted draws: the carriers planned against each fleet, the ships that
// sail, and the number of draws (every draw written in a test is made).
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

struct Plan {
    const char* name;
    int turn;
    int at1, at2;  // targets
    int cv1, cv2;  // Japanese carriers per fleet
    std::function<void(State&)> setup;
    std::vector<float> draws;
    unsigned draws_made;
    float oc1, oc2;
    std::vector<int> carriers1, carriers2, battleships1, battleships2;
};

std::vector<float> times(float fraction, int n) { return std::vector<float>(static_cast<std::size_t>(n), fraction); }

std::vector<float> operator+(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Allied ships from..to sunk.
void sink(State& st, int from, int to) {
    for (int j = from; j <= to; ++j) st.A(1, j, A_DURABILITY) = 0;
}

void expect_list(const State& st, bool carriers, int f, const std::vector<int>& ships, const char* name) {
    const float count = carriers ? st.CV(1, f) : st.BB(1, f);
    ASSERT_EQ(count, static_cast<float>(ships.size())) << name << (carriers ? ": carriers" : ": battleships") << " of fleet " << f;
    for (std::size_t k = 0; k < ships.size(); ++k) {
        const float ship = carriers ? st.C(1, f, k + 1) : st.G(1, f, k + 1);
        EXPECT_EQ(ship, ships[k]) << name << ": fleet " << f << " slot " << k + 1;
        EXPECT_EQ(st.A(1, ships[k], A_COMMITTED), 1) << name << ": committed " << ships[k];
        if (carriers) {
            EXPECT_EQ(st.A(1, ships[k], A_FLIGHT_DECK), 10) << name << ": flight deck " << ships[k];
        }
    }
}

}  // namespace

TEST(AlliedPlanning, PlansAndAssignsWithScriptedDraws) {
    const Plan cases[] = {
        {"turn 1: Singapore is planned 2 carriers but only British ones may come, none yet; the "
         "Philippines are left unopposed on turn 1",
         1, 7, 8, 1, 1, nullptr, times(0.5f, 3), 3, 0, 2, {}, {}, {}, {}},
        {"turn 1, Port Darwin alone: 2 carriers, strongest first; battleships through a fresh cap "
         "roll each and the damage roll",
         1, 12, 0, 4, 0, nullptr,
         times(0.5f, 2) + times(0.5f, 5) + std::vector<float>{0.5f, 0.1f, 0.5f, 0.5f, 0.5f} + times(0.5f, 15) +
             std::vector<float>{0.2f} + times(0.5f, 5) + std::vector<float>{0.9f} + times(0.5f, 4),
         38, 2, 0, {1, 2}, {}, {23, 25, 26, 30, 32, 33}, {}},
        {"turn 5, Midway alone: undamaged battleships come at once, damaged ones through cap and roll",
         5, 14, 0, 2, 0,
         [](State& st) {
             st.A(1, 25, A_DURABILITY) = 4;      // one point down: fails 10 x 0.3 > 4
             st.A(1, 26, A_DURABILITY) = 3;      // two points down: passes 10 x 0.7 > 6
             st.A(1, 27, A_DURABILITY) = 4.75f;  // not a whole number of points down: never comes
         },
         std::vector<float>{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.9f} + std::vector<float>{0.5f, 0.5f, 0.3f, 0.5f, 0.5f} +
             std::vector<float>{0.5f, 0.5f, 0.5f, 0.7f, 0.5f} + std::vector<float>{0.5f} + times(0.9f, 4),
         21, 4, 0, {1, 2, 3, 4}, {}, {20, 21, 22, 23, 24, 26, 28, 29, 30, 31, 32, 33, 34, 35}, {}},
        {"turn 5: fleet 2 with four carriers more becomes primary and is served first", 5, 15, 13, 1, 5,
         [](State& st) { sink(st, 22, 35); }, times(0.5f, 21), 21, 3, 3, {4, 5, 6}, {1, 2, 3}, {}, {20, 21}},
        {"turn 5: fleet 2 left unopposed by the weight roll settles fleet 1's plan at n; the cut; the "
         "Philippines take every fit battleship however damaged",
         5, 7, 16, 3, 3,
         [](State& st) {
             st.A(1, 5, A_DURABILITY) = st.A(1, 6, A_DURABILITY) = 2;  // not counted: n = 4
             st.A(1, 30, A_DURABILITY) = 2;
             st.A(1, 31, A_DURABILITY) = 1.5f;
         },
         {0.5f, 0.5f, 0.1f, 0.5f, 0.5f, 0.25f, 0.75f}, 7, 3, 0, {1, 2, 3}, {},
         {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35}, {}},
        {"turn 6: a partner at California leaves fleet 2 unopposed; California faces every fit "
         "carrier, one at 2.5 points too",
         6, 21, 18, 2, 1,
         [](State& st) {
             st.A(1, 3, A_DURABILITY) = 2.5f;
             sink(st, 22, 35);
         },
         times(0.5f, 15), 15, 7, 0, {1, 2, 4, 5, 6, 7, 3}, {}, {20, 21}, {}},
        {"turn 3, Java: British carriers, and British battleships by the damage roll alone", 3, 10, 0, 2, 0,
         [](State& st) {
             st.A(1, 38, A_DURABILITY) = 2;  // three points down: 10 x 0.85 > 8
             st.A(1, 39, A_DURABILITY) = 4;  // one point down: 10 x 0.45 > 4
             st.A(1, 40, A_DURABILITY) = 3;  // two points down: 10 x 0.55 is not above 6
         },
         times(0.5f, 10) + std::vector<float>{0.1f, 0.1f, 0.1f, 0.85f, 0.1f, 0.45f, 0.1f, 0.1f, 0.1f, 0.1f, 0.55f, 0.1f} +
             times(0.5f, 8),
         30, 2, 0, {14, 15}, {}, {36, 37, 38, 39, 41, 42}, {}},
        {"turn 2, Java: the British carriers are not yet serving, so nothing comes", 2, 10, 0, 2, 0, nullptr,
         times(0.5f, 2), 2, 2, 0, {}, {}, {}, {}},
        {"turn 5: eight carriers against two fit ones are left unopposed by the second roll", 5, 17, 0, 8, 0,
         [](State& st) {
             for (int j = 3; j <= 6; ++j) st.A(1, j, A_DURABILITY) = 2;
         },
         {0.5f, 0.5f, 0.9f, 0.8f, 0.1f, 0.5f, 0.5f}, 7, 0, 0, {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->TURN_NO = static_cast<float>(c.turn);
        st->AT(1) = static_cast<float>(c.at1);
        st->AT(2) = static_cast<float>(c.at2);
        st->CV(0, 1) = static_cast<float>(c.cv1);
        st->CV(0, 2) = static_cast<float>(c.cv2);
        if (c.setup) c.setup(*st);
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        EXPECT_EQ(ALLIED_PLANNING(*st), Block::OperationsStart);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws_made);
        EXPECT_EQ(st->OC(1), c.oc1);
        EXPECT_EQ(st->OC(2), c.oc2);
        expect_list(*st, true, 1, c.carriers1, c.name);
        expect_list(*st, true, 2, c.carriers2, c.name);
        expect_list(*st, false, 1, c.battleships1, c.name);
        expect_list(*st, false, 2, c.battleships2, c.name);
        int committed = 0;
        for (int j = 1; j <= 42; ++j) committed += st->A(1, j, A_COMMITTED) == 1;
        EXPECT_EQ(committed, static_cast<int>(c.carriers1.size() + c.carriers2.size() + c.battleships1.size() +
                                              c.battleships2.size()))
            << "no other ship is committed";
    }
}

TEST(AlliedPlanning, SingleCarrierPlansSailOnlyAgainstTheLastBases) {
    // Base 13 (weight 4) on turn 5 with n = 1: the lone fleet's plan of 1 carrier is not carried
    // out; against California (base 21) it is.
    struct Case {
        int target;
        float carriers;
    } cases[] = {{13, 0}, {21, 1}};
    for (const auto& c : cases) {
        Loaded st;
        st->TURN_NO = 5;
        for (int j = 2; j <= 13; ++j) st->A(1, j, A_FIRST_TURN) = 13;  // only LEXINGTON serves
        st->AT(1) = static_cast<float>(c.target);
        st->CV(0, 1) = 1;
        con::random_generator().script(times(0.5f, 20));
        ALLIED_PLANNING(*st);
        EXPECT_EQ(st->OC(1), 1) << c.target;
        EXPECT_EQ(st->CV(1, 1), c.carriers) << c.target;
    }
}

TEST(AlliedPlanning, FixedGeneratorStateWithTheTaskForceSplit) {
    // Turn 5: fleet 1 (one carrier) against Port Moresby (weight 4), fleet 2 (two carriers)
    // against Midway (weight 3), so fleet 2 is primary with n = 6 and each fleet is planned 3.
    // The draws from state 204:
    //   1 .0740 the switch (fleet 2 is not four carriers stronger: no switch either way);
    //   2 .9265 fleet 2's turn roll (50 < 45.8 fails), 3 .0892 its weight roll (14 > 5.35 holds,
    //     but both plans are 3 carriers), 4 .1859 and 5 .1423 its small-fleet rolls;
    //   6 .4346, 7 .6995, 8 .6259, 9 .5911 the same for fleet 1 (21 > 42 fails);
    //   10 .4091 fleet 2's cut roll (3.27 is not below 3); carriers 1-3 (strongest first);
    //   11 .3369 battleship 20's cap roll, 12 .2025 its damage roll (2.025 > 2: it comes),
    //     13-15 the other three damage rolls; 16-20 the same for battleship 21 (4.32 > 2);
    //   21 .1636 fleet 1's cut roll (1.31 < 4, but a plan of 3 is not cut): carriers 4, 5, 6;
    //     no battleship is left for it;
    //   22 .6424 the task-force split of fleet 2's three carriers: 6.42 > 5, two task forces.
    Loaded st;
    st->TURN_NO = 5;
    st->AT(1) = 13;
    st->AT(2) = 14;
    st->CV(0, 1) = 1;
    st->CV(0, 2) = 2;
    sink(*st, 22, 35);  // keep the battleship draws few: 20 and 21 remain
    con::random_generator().set_state(con::Random::kStart);
    const auto before = con::random_generator().draws();
    ALLIED_PLANNING(*st);
    EXPECT_EQ(con::random_generator().draws() - before, 21u);
    EXPECT_EQ(st->OC(1), 3);
    EXPECT_EQ(st->OC(2), 3);
    expect_list(*st, true, 2, {1, 2, 3}, "fixed state");
    expect_list(*st, true, 1, {4, 5, 6}, "fixed state");
    expect_list(*st, false, 2, {20, 21}, "fixed state");
    expect_list(*st, false, 1, {}, "fixed state");

    st->TT(TT_FLEET) = 2;
    st->DF(1) = 35;
    HENSEI3(*st);
    EXPECT_EQ(con::random_generator().draws() - before, 22u);
    const float ks[] = {2, 1, 0, 1, 1, 0};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(st->KS(k), ks[k - 1]) << "KS(" << k << ")";
    EXPECT_EQ(st->DF(1), 21);
    EXPECT_EQ(st->DF(2), 21);
    EXPECT_EQ(st->A(1, 1, A_TASK_FORCE), 1);
    EXPECT_EQ(st->A(1, 2, A_TASK_FORCE), 1);
    EXPECT_EQ(st->A(1, 3, A_TASK_FORCE), 2);
    EXPECT_EQ(st->A(1, 20, A_TASK_FORCE), 1);
    EXPECT_EQ(st->A(1, 21, A_TASK_FORCE), 2);
}
