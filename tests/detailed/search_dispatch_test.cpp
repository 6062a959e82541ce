// The hour's search launches (SAKUTEKI): the Allied search plan by contact, hour step, target
// and source, with its draws, and the player's launch dialogue with its answers.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 with carrier 1 (slot 1, deck 10, durability 5) against base 14 (strength 10, heavy
/// bombers 1) in hour step `s`; task force 1 exists at (30, 40) with a carrier afloat; the
/// player's planes 1-8, the base's and task force 1's twelve planes ready; the fleet at (10, 20).
void search_hour(State& st, float s) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.TT(TT_SUBTURN) = s, st.TT(TT_TURN) = 3;
    st.AT(1) = 14, st.P(14, P_STRENGTH) = 10, st.P(14, P_BOMBER_FACTOR) = 1;
    st.CV(0, 1) = 1, st.C(0, 1, 1) = 1, st.A(0, 1, A_DURABILITY) = 5, st.A(0, 1, A_FLIGHT_DECK) = 10;
    st.KS(1) = 1, st.SS(1) = 1;
    st.PZ(0, PZ_X) = 10, st.PZ(0, PZ_Y) = 20, st.PZ(1, PZ_X) = 30, st.PZ(1, PZ_Y) = 40;
    st.PK(0) = 60, st.PD(0) = 200, st.PK(1) = 28, st.PD(1) = 90;
    for (int k = 0; k <= 3; ++k) st.H(k) = -1;
    for (int n = 1; n <= 12; ++n) {
        st.ST(ST_OWN, n, ST_STATUS) = n <= 8 ? 1.0f : 0.0f;
        st.ST(ST_BASE, n, ST_STATUS) = 1;
        st.ST(ST_TASK_FORCE + 1, n, ST_STATUS) = 1;
    }
}

/// Base b as the target, with a strength and heavy bombers; task force 1 has no carrier afloat.
void target(State& st, float b) { st.AT(1) = b, st.P(b, P_STRENGTH) = 10, st.P(b, P_BOMBER_FACTOR) = 1, st.SS(1) = 0; }

/// Headings of the planes 1-12 of source s that took off (0 for a plane still ready).
std::vector<float> launched(const State& st, int s) {
    std::vector<float> headings;
    for (int n = 1; n <= 12; ++n) headings.push_back(st.ST(s, n, ST_STATUS) == 2 ? st.ST(s, n, ST_HEADING) : 0.0f);
    return headings;
}

std::vector<float> odd_planes(std::initializer_list<float> h) {
    std::vector<float> v(12, 0.0f);
    int i = 0;
    for (float x : h) v[2 * i++] = x;
    return v;
}

struct PlanCase {
    const char* name;
    std::function<void(State&)> setup;
    std::vector<float> draws;  // every draw of the plan, in order
    std::vector<float> base;   // headings of the base's planes that took off
    float base_range;          // the range of the base's first plane that took off
    std::vector<float> task_force;
};

}  // namespace

TEST(AlliedSearchPlan, HeadingsRangesAndDraws) {
    const std::vector<float> none(12, 0.0f);
    const PlanCase cases[] = {
        {"not found: the compass in 30-degree steps; a task force skips one hour in five",
         [](State& st) {},
         {0.5f, 0.5f, 0.9f, 0.5f, 0.5f},
         odd_planes({15, 75, 135, 195, 255, 315}),
         150,
         none},
        {"not found: the task force searches the compass too, with its own offset",
         [](State& st) {},
         {0.5f, 0.5f, 0.5f, 0.1f, 0.5f, 0.5f},
         odd_planes({15, 75, 135, 195, 255, 315}),
         150,
         odd_planes({0, 60, 120, 180, 240, 300})},
        {"located: planes 2, 6, 10 in step 6, fans on the bearings, no offset drawn",
         [](State& st) { st.TT(TT_SUBTURN) = 6, st.H(H_ON_FLEET) = 2, st.HX(0) = 10; },
         {0.9f, 0.9f, 0.9f, 0.9f},
         {0, 20, 0, 0, 0, 35, 0, 0, 0, 5, 0, 0},
         100,
         {0, 270, 0, 0, 0, 285, 0, 0, 0, 255, 0, 0}},
        {"located far from the base: the long range",
         [](State& st) { st.TT(TT_SUBTURN) = 6, st.H(H_ON_FLEET) = 2, st.HX(0) = 10, st.PK(0) = 86, st.SS(1) = 0; },
         {0.9f, 0.9f, 0.9f, 0.9f},
         {0, 20, 0, 0, 0, 35, 0, 0, 0, 5, 0, 0},
         150,
         none},
        {"lost: a fan on the last bearing, planes 11 and 12 to either side",
         [](State& st) { st.H(H_ON_FLEET) = 0, st.HX(1) = 100, st.SS(1) = 0; },
         {0.5f, 0.99f, 0.7f, 0.5f, 0.5f, 0.5f},
         odd_planes({283, 298, 268, 313, 253, 238}),
         150,
         none},
        {"base 21 before contact: its fixed fan",
         [](State& st) { target(st, 21); },
         {0.5f, 0.1f, 0.5f, 0.5f, 0.5f},
         odd_planes({155, 187, 219, 251, 283, 315}),
         150,
         none},
        {"base 12: its fixed fan across north",
         [](State& st) { target(st, 12); },
         {0.5f, 0.99f, 0.5f, 0.5f, 0.5f},
         odd_planes({235, 275, 315, 355, 35, 75}),
         150,
         none},
        {"base 20: the headings above 310 fly 300 nautical miles",
         [](State& st) { target(st, 20); },
         {0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
         odd_planes({15, 75, 135, 195, 255, 315}),
         150,
         none},
        {"base 13: the planes between 300 and 330 stay",
         [](State& st) { target(st, 13); },
         {0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
         odd_planes({15, 75, 135, 195, 255, 0}),
         150,
         none},
        {"no heavy bombers: every base plane flies 300 nautical miles",
         [](State& st) { st.P(14, P_BOMBER_FACTOR) = 0, st.SS(1) = 0; },
         {0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
         odd_planes({15, 75, 135, 195, 255, 315}),
         100,
         none},
        {"found by a base plane: nobody searches, the bearings are kept",
         [](State& st) { st.H(H_ON_FLEET) = 4; },
         {},
         none,
         0,
         none},
        {"the harbour strike before the raid: a draw per source, nobody searches",
         [](State& st) { st.TT(TT_HARBOUR_STRIKE) = 1; },
         {0.5f, 0.5f, 0.5f, 0.5f},
         none,
         0,
         none},
        {"turn 1 against base 9 before the strike: nobody searches",
         [](State& st) { st.TT(TT_TURN) = 1, st.AT(1) = 9, st.P(9, P_STRENGTH) = 5; },
         {0.5f, 0.5f, 0.5f, 0.5f},
         none,
         0,
         none},
        {"a destroyed base sends none",
         [](State& st) { st.P(14, P_STRENGTH) = 0.5f, st.SS(1) = 0; },
         {0.5f, 0.5f, 0.5f, 0.5f},
         none,
         0,
         none},
        {"base 19: a task force south of -95 keeps its planes",
         [](State& st) { st.AT(1) = 19, st.P(19, P_STRENGTH) = 0, st.PZ(1, PZ_Y) = -96; },
         {0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
         none,
         0,
         none},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        search_hour(*st, 3);
        // The player has no plane to launch: no dialogue.
        for (int n = 1; n <= 8; ++n) st->ST(ST_OWN, n, ST_STATUS) = 0;
        c.setup(*st);
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        SAKUTEKI(*st);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size());
        EXPECT_EQ(launched(*st, ST_BASE), c.base);
        EXPECT_EQ(launched(*st, ST_TASK_FORCE + 1), c.task_force);
        for (int n = 1; n <= 12; ++n) {
            if (st->ST(ST_BASE, n, ST_STATUS) != 2) continue;
            EXPECT_EQ(st->ST(ST_BASE, n, ST_RANGE),
                      c.base_range == 150 && st->AT(1) == 20 && n == 11 ? 100 : c.base_range)
                << n;
            EXPECT_EQ(st->ST(ST_BASE, n, ST_DISTANCE), 0);
            EXPECT_EQ(st->ST(ST_BASE, n, ST_X), 0);
        }
        for (int n = 1; n <= 12; ++n)
            if (st->ST(ST_TASK_FORCE + 1, n, ST_STATUS) == 2) {
                EXPECT_EQ(st->ST(ST_TASK_FORCE + 1, n, ST_RANGE), 100);
                EXPECT_EQ(st->ST(ST_TASK_FORCE + 1, n, ST_X), 30);
                EXPECT_EQ(st->ST(ST_TASK_FORCE + 1, n, ST_Y), 40);
            }
    }
}

TEST(AlliedSearchPlan, BearingsKeptWhileInContactAndTheLastOffset) {
    Loaded st;
    search_hour(*st, 4);
    for (int n = 1; n <= 8; ++n) st->ST(ST_OWN, n, ST_STATUS) = 0;
    st->H(H_ON_FLEET) = 5, st->PD(2) = 33, st->PD(3) = 44, st->HX(0) = 20;
    SAKUTEKI(*st);
    EXPECT_EQ(st->HX(1), 200);
    EXPECT_EQ(st->HX(2), 90);
    EXPECT_EQ(st->HX(3), 33);
    EXPECT_EQ(st->HX(4), 44);
    EXPECT_EQ(st->HX(0), 20);
    // Base 13's plane between 300 and 330 keeps its heading written and stays ready.
    Loaded b13;
    search_hour(*b13, 3);
    for (int n = 1; n <= 8; ++n) b13->ST(ST_OWN, n, ST_STATUS) = 0;
    target(*b13, 13);
    con::random_generator().script({0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    SAKUTEKI(*b13);
    EXPECT_EQ(b13->ST(ST_BASE, 11, ST_STATUS), 1);
    EXPECT_EQ(b13->ST(ST_BASE, 11, ST_HEADING), 315);
}

namespace {

/// Runs SAKUTEKI with the player's answers `keys`, from the search hour's fleet; the Allied
/// plan draws nothing (the fleet is found by a base plane).
struct Dialogue {
    explicit Dialogue(const std::string& keys, const std::function<void(State&)>& setup = {}) : st(keys) {
        search_hour(*st, 3);
        st->H(H_ON_FLEET) = 5;
        if (setup) setup(*st);
        try {
            SAKUTEKI(*st);
        } catch (const con::ProgramEnd&) {
            ended = true;
        }
    }
    Loaded st;
    bool ended = false;  // the keys ran out at a question
    long out() const {
        long n = 0;
        for (int p = 1; p <= 12; ++p) n += st.st->ST(ST_OWN, p, ST_STATUS) == 2;
        return n;
    }
};

}  // namespace

TEST(SearchLaunchDialogue, LaunchQuestionCountAndHeadings) {
    Dialogue asked("");
    EXPECT_TRUE(asked.ended);
    EXPECT_TRUE(shows(con::screen(), 14, 21, "現在 索敵機は 8 機 使用可能です", 6));
    EXPECT_TRUE(shows(con::screen(), 10, 20, "索敵機を発進させますか ?  Hit Y - N  Key", 7));

    Dialogue no("xn");
    EXPECT_FALSE(no.ended);
    EXPECT_EQ(no.out(), 0);
    EXPECT_EQ(row_of(con::screen(), 20), "") << "the plan blanks the dialogue's rows";
    EXPECT_EQ(row_of(con::screen(), 21), "");

    // Only a whole number from 0 to the ready count is taken: a negative or fractional count
    // would send every ready plane.
    for (const char* wrong : {"-1", "1.5", "9", "", "1e1"}) {
        SCOPED_TRACE(wrong);
        Dialogue d(std::string("y") + wrong + "{ENTER}");
        EXPECT_TRUE(d.ended);
        EXPECT_TRUE(shows(con::screen(), 10, 20, "何機発進させますか ?"));
        EXPECT_EQ(d.out(), 0);
    }
    Dialogue zero("y0{ENTER}");
    EXPECT_FALSE(zero.ended);
    EXPECT_EQ(zero.out(), 0);
    Dialogue text("yabc{ENTER}");
    EXPECT_FALSE(text.ended) << "text that is no number counts 0";

    // Two planes: headings asked for planes 1 and 2 (a heading outside 0-359 and an empty one
    // are asked again), placed at the fleet, 300 nautical miles while no long flight is allowed.
    Dialogue two("y2{ENTER}360{ENTER}{ENTER}45.5{ENTER}-1{ENTER}90{ENTER}", [](State& st) {
        st.ST(ST_OWN, 1, ST_STATUS) = 0;  // plane 1 is out: planes 2 and 3 go
        st.ST(ST_OWN, 1, ST_HEADING) = 7;
    });
    EXPECT_FALSE(two.ended);
    EXPECT_EQ(two.out(), 2);
    EXPECT_EQ(two.st->ST(ST_OWN, 2, ST_HEADING), 45.5f);
    EXPECT_EQ(two.st->ST(ST_OWN, 3, ST_HEADING), 90);
    EXPECT_EQ(two.st->ST(ST_OWN, 4, ST_STATUS), 1);
    EXPECT_EQ(two.st->ST(ST_OWN, 1, ST_HEADING), 7);
    for (int p : {2, 3}) {
        EXPECT_EQ(two.st->ST(ST_OWN, p, ST_X), 10);
        EXPECT_EQ(two.st->ST(ST_OWN, p, ST_Y), 20);
        EXPECT_EQ(two.st->ST(ST_OWN, p, ST_RANGE), 100);
        EXPECT_EQ(two.st->ST(ST_OWN, p, ST_DISTANCE), 0);
    }
    Dialogue heading("y1{ENTER}");
    EXPECT_TRUE(shows(con::screen(), 10, 20, " 1 号機  飛行方向は ?   0 - 359"));
}

TEST(SearchLaunchDialogue, NoCarrierFitOrNoPlaneReady) {
    const std::function<void(State&)> unfit[] = {
        [](State& st) { st.A(0, 1, A_FLIGHT_DECK) = 7; },
        [](State& st) { st.A(0, 1, A_DURABILITY) = 1; },
        [](State& st) {
            for (int n = 1; n <= 8; ++n) st.ST(ST_OWN, n, ST_STATUS) = 2;
        },
    };
    for (const auto& setup : unfit) {
        Dialogue d("", [&](State& st) {
            setup(st);
            con::print_at(con::Col(10), con::Row(22), "kept?");
        });
        EXPECT_FALSE(d.ended) << "no question is asked";
        EXPECT_EQ(row_of(con::screen(), 22), "");
    }
}

TEST(SearchLaunchDialogue, RangeReliefAndShadowReport) {
    const auto shadowed = [](State& st) {
        st.H(1) = 4, st.SK(1) = 5, st.J(1) = 1;
        st.ST(ST_OWN, 5, ST_STATUS) = 11, st.ST(ST_OWN, 5, ST_DISTANCE) = 100;
    };
    // The shadow report: the plane over task force 1 (28 units away: fuel for 200).
    Dialogue report("", shadowed);
    EXPECT_TRUE(shows(con::screen(), 0, 2, "敵艦隊 1 上空を索敵機 5 は飛行中"));
    EXPECT_TRUE(shows(con::screen(), 14, 21, "現在 索敵機は 7 機 使用可能です"));
    Dialogue low("", [&](State& st) {
        shadowed(st);
        st.ST(ST_OWN, 5, ST_DISTANCE) = 200;
    });
    EXPECT_TRUE(shows(con::screen(), 0, 2, "敵艦隊 1 上の索敵機 5 は燃料不足です"));

    // On the bearing of the shadowed task force: the relief is offered; within 80 units a
    // relief flight is short without a question.
    Dialogue relief("y1{ENTER}90{ENTER}x1", shadowed);
    EXPECT_FALSE(relief.ended);
    EXPECT_EQ(relief.st->ST(ST_OWN, 1, ST_RANGE), 1100);
    Dialogue other("y1{ENTER}90{ENTER}2", shadowed);
    EXPECT_EQ(other.st->ST(ST_OWN, 1, ST_RANGE), 100);
    Dialogue offered("y1{ENTER}90{ENTER}", shadowed);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "1. 敵艦隊上空監視機の交代  OR  2. 別の艦隊を策敵  Hit 1 - 2 Key"));

    // With a long flight free: the range question, and a 450-mile flight counted out.
    const auto allowance = [&](State& st) {
        shadowed(st);
        st.ST(ST_OWN, ST_COUNTERS, ST_STATUS) = 2, st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 1;
    };
    Dialogue range("y1{ENTER}45{ENTER}", allowance);
    EXPECT_TRUE(shows(con::screen(), 14, 21, "３００浬 (560Km) 飛行時間 往復５時間"));
    EXPECT_TRUE(shows(con::screen(), 14, 22, "４５０浬 (840Km) 飛行時間 往復７時間"));
    EXPECT_TRUE(shows(con::screen(), 10, 20, "進出距離は ?  1. ３００浬  OR  2. ４５０浬  Hit 1 - 2 Key"));
    Dialogue far(
        "y2{ENTER}45{ENTER}x2"
        "0{ENTER}",
        allowance);
    EXPECT_FALSE(far.ended);
    EXPECT_EQ(far.st->ST(ST_OWN, 1, ST_RANGE), 150);
    EXPECT_EQ(far.st->ST(ST_OWN, 2, ST_RANGE), 100) << "the last long flight is taken: no question";
    EXPECT_EQ(far.st->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 2);
    // A relief flight to a task force 81-100 units away asks; beyond 100 it flies long.
    Dialogue asks("y1{ENTER}90{ENTER}1", [&](State& st) {
        allowance(st);
        st.PK(1) = 90;
    });
    EXPECT_TRUE(asks.ended);
    Dialogue beyond("y1{ENTER}90{ENTER}1", [&](State& st) {
        allowance(st);
        st.PK(1) = 101;
    });
    EXPECT_FALSE(beyond.ended);
    EXPECT_EQ(beyond.st->ST(ST_OWN, 1, ST_RANGE), 1150);
    // Beyond 100 units without a long flight free, no relief is offered.
    Dialogue not_offered("y1{ENTER}90{ENTER}", [&](State& st) {
        shadowed(st);
        st.PK(1) = 101;
    });
    EXPECT_FALSE(not_offered.ended);
    EXPECT_EQ(not_offered.st->ST(ST_OWN, 1, ST_RANGE), 100);
}
