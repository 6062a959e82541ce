// The Allied reaction with scripted draws and from a fixed generator state: the carriers
// planned per target, the ships committed, the number of draws made (every draw written in a
// condition is made), and the turn-start repair.
#include <gtest/gtest.h>

#include <vector>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;

namespace {

std::vector<float> list_of(const morva95s::State& st, bool carriers, int f) {
    std::vector<float> ships;
    const float n = carriers ? st.CV(1, f) : st.BB(1, f);
    for (int k = 1; k <= n; ++k) ships.push_back(carriers ? st.C(1, f, k) : st.G(1, f, k));
    return ships;
}

std::vector<float> range(int first, int last) {
    std::vector<float> v;
    for (int i = first; i <= last; ++i) v.push_back(static_cast<float>(i));
    return v;
}

std::vector<float> draws(std::initializer_list<std::pair<int, float>> set, int count) {
    std::vector<float> v(count, 0.5f);
    for (const auto& [index, value] : set) v[index] = value;
    return v;
}

struct Case {
    const char* name;
    float turn;
    float target1, target2;
    float carriers1, carriers2;  // CV(0,1), CV(0,2)
    std::vector<float> script;
    float oc1, oc2;
    std::vector<float> cv1, bb1, cv2, bb2;
    std::uint64_t draws_made;
};

}  // namespace

TEST(AlliedReaction, FromScriptedDraws) {
    const Case cases[] = {
        // Turn 1: no carrier answers; giving up fleet 2 (no target) makes both draws of its
        // condition although the turn already decides it.
        {"turn 1, one target", 1, 7, 0, 4, 0, {}, 0, 0, {}, {}, {}, {}, 2},
        // Base 21 gets every fit carrier (1-4 at turn 3) and is never given up; with fleet 2
        // without target and a response below 6 every undamaged US battleship joins.
        {"turn 3, base 21 alone", 3, 21, 0, 4, 0, {}, 4, 0, range(1, 4), range(22, 35), {}, {}, 3},
        // Two targets: fleet 2's (base 13, response 4) is favoured with INT(5/2) = 2 carriers;
        // base 7 after turn 2 draws n for fleet 1, cut by 1 to 3 by the response draw; its
        // battleships all join (base 7 after turn 2), fleet 2's join by draws until slot 6.
        {"turn 3, bases 7 and 13", 3, 7, 13, 4, 2, draws({{1, 0.9f}, {4, 0.9f}}, 45), 3, 2,
         {3, 4}, range(27, 35), {1, 2}, range(22, 26), 45},
        // The first draw of fleet 2's test gives it up; fleet 1 is not examined and, with no
        // Japanese superiority, gets every fit carrier (4), cut to 3 by the response draw.
        {"fleet 2 given up", 3, 7, 13, 4, 2, draws({{1, 0.1f}}, 12), 3, 0, {1, 2, 3}, range(22, 35), {}, {}, 6},
        // A British base as fleet 1's only target: giving up fleet 2 (no target) ends part B
        // before the British rule, so OC(1) is every fit carrier; only British ships join.
        {"British base 8 for fleet 1", 3, 8, 0, 4, 0, {}, 4, 0, {14, 15}, range(36, 42), {}, {}, 4},
        // Fleet 2's British target is planned with 2, then giving up fleet 1 (no target) sets
        // it to n; its battleships join by draws until slot 6.
        {"British base 8 for fleet 2", 3, 0, 8, 0, 4, draws({}, 31), 0, 4, {}, {}, {14, 15}, range(36, 40), 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->TURN_NO = c.turn;
        st->AT(1) = c.target1;
        st->AT(2) = c.target2;
        st->CV(0, 1) = c.carriers1;
        st->CV(0, 2) = c.carriers2;
        con::random_generator().script(c.script);
        const auto before = con::random_generator().draws();
        morva95s::plan_allied_reaction(*st);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws_made);
        EXPECT_EQ(st->OC(1), c.oc1);
        EXPECT_EQ(st->OC(2), c.oc2);
        EXPECT_EQ(list_of(*st, true, 1), c.cv1);
        EXPECT_EQ(list_of(*st, false, 1), c.bb1);
        EXPECT_EQ(list_of(*st, true, 2), c.cv2);
        EXPECT_EQ(list_of(*st, false, 2), c.bb2);
        for (float s : c.cv1) EXPECT_EQ(st->A(1, s, morva95s::A_FLIGHT_DECK), 10);
        for (float s : c.bb2) EXPECT_EQ(st->A(1, s, morva95s::A_COMMITTED), 1);
    }
}

TEST(AlliedReaction, FromAFixedGeneratorState) {
    // Turn 3, targets 7 and 13 (fleet 2's favoured), from the generator's start state. Its
    // draws: 0.074 (no switch: fleet 1 is not 3 carriers stronger), 0.926 (fleet 2 kept),
    // 0.089 and 0.186 (fleet 2's size test, made though 2n < CV is false), 0.142 (fleet 1
    // given up: 8.5 < 5 x 5 + 5), 0.435 and 0.700 (fleet 2 is then given n = 4), 0.626
    // (no cut). Then one draw per battleship and four more for each one that reaches the
    // damage test: those whose first draw is 0.2 or less (25 and 26) stay out.
    Loaded st;
    st->TURN_NO = 3;
    st->AT(1) = 7;
    st->AT(2) = 13;
    st->CV(0, 1) = 4;
    st->CV(0, 2) = 2;
    con::random_generator().set_state(con::Random::kStart);
    const auto before = con::random_generator().draws();
    morva95s::plan_allied_reaction(*st);
    EXPECT_EQ(con::random_generator().draws() - before, 70u);
    EXPECT_EQ(st->OC(1), 0);
    EXPECT_EQ(st->OC(2), 4);
    EXPECT_EQ(st->CV(1, 1), 0);
    EXPECT_EQ(st->BB(1, 1), 0);
    EXPECT_EQ(list_of(*st, true, 2), range(1, 4));
    EXPECT_EQ(list_of(*st, false, 2), (std::vector<float>{22, 23, 24, 27, 28, 29, 30, 31, 32, 33}));
}

TEST(AlliedReaction, RepairAtTheTurnStart) {
    Loaded st;
    st->A(0, 7, 0) = 5.5f;   // uncommitted, below full 6: repaired
    st->A(0, 8, 0) = 5;      // committed: not repaired
    st->A(0, 8, 11) = 1;
    st->A(0, 9, 0) = 0.5f;   // sunk (below 1): not repaired
    st->A(1, 16, 0) = 4;     // Allied ships too
    st->A(1, 17, 0) = 5.5f;  // 5.5 of 6 -> 6.5, above full, not repaired again
    morva95s::repair_ships(*st);
    EXPECT_EQ(st->A(0, 7, 0), 6.5f);
    EXPECT_EQ(st->A(0, 8, 0), 5);
    EXPECT_EQ(st->A(0, 9, 0), 0.5f);
    EXPECT_EQ(st->A(0, 10, 0), 6) << "a ship at full durability is unchanged";
    EXPECT_EQ(st->A(1, 16, 0), 5);
    EXPECT_EQ(st->A(1, 17, 0), 6.5f);
    morva95s::repair_ships(*st);
    EXPECT_EQ(st->A(1, 17, 0), 6.5f);
}
