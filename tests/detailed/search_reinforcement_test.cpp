// The day's search reinforcement and the air-defence splits (SAKUTEKI3, HENKO, HYOJI3): the
// torpedo bombers lent to the search carrier by carrier, the long-flight allowance, and the
// split keys with their defaults and re-asks.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 with carriers 1 and 2 in slots 1 and 2 (full durability 6, deck 10), holding
/// `first` and `second` unarmed torpedo bombers; the day's planes 1-8 ready.
void day_start(State& st, float first, float second) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1;
    st.CV(0, 1) = 2, st.C(0, 1, 1) = 1, st.C(0, 1, 2) = 2;
    for (int i = 1; i <= 2; ++i)
        st.A(0, i, A_FULL_DURABILITY) = 6, st.A(0, i, A_DURABILITY) = 6, st.A(0, i, A_FLIGHT_DECK) = 10;
    st.F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = first;
    st.F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED) = second;
    for (int p = 1; p <= 12; ++p) st.ST(ST_OWN, p, ST_STATUS) = p <= 8 ? 1.0f : 0.0f;
}

/// Runs SAKUTEKI3 with `keys`; true when it ended before the keys ran out.
bool run_day_start(Loaded& st, const std::function<void(State&)>& setup = {}) {
    day_start(*st, 1, 5);
    if (setup) setup(*st);
    try {
        SAKUTEKI3(*st);
        return true;
    } catch (const con::ProgramEnd&) {
        return false;
    }
}

std::string ready_planes(const State& st) {
    std::string s;
    for (int p = 1; p <= 12; ++p) s += st.ST(ST_OWN, p, ST_STATUS) == 1 ? '1' : '0';
    return s;
}

}  // namespace

TEST(SearchReinforcement, QuestionAndLendingPassByPass) {
    Loaded asked("");
    EXPECT_FALSE(run_day_start(asked));
    EXPECT_TRUE(shows(con::screen(), 16, 16, "索敵機を増強しますか ?   Hit Y or N Key", 7));
    EXPECT_TRUE(shows(con::screen(), 20, 18, "九七艦攻は  6  機登載しています", 6));
    EXPECT_TRUE(shows(con::screen(), 20, 20, "現在 索敵機は ８機 使用可能です", 6));

    // Carriers with 1 and 5 torpedo bombers, 4 planes asked: the first pass takes one from
    // each (planes 12 and 11), the next passes one each from the second (planes 10 and 9).
    Loaded four("y4{ENTER}{ENTER}");
    EXPECT_TRUE(run_day_start(four));
    EXPECT_EQ(ready_planes(*four), "111111111111");
    EXPECT_EQ(four->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED), 0);
    EXPECT_EQ(four->F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED), 2);
    EXPECT_EQ(four->F(0, 1, AIR_TORPEDO_BOMBERS, F_SEARCHING), 1);
    EXPECT_EQ(four->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING), 3);
    EXPECT_EQ(four->ST(ST_OWN, ST_COUNTERS, ST_STATUS), 4);
    EXPECT_EQ(four->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 0);

    // Two planes: 10 from the first carrier, then 9 from the second.
    Loaded two("y2{ENTER}{ENTER}");
    EXPECT_TRUE(run_day_start(two, [](State& st) { st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 3; }));
    EXPECT_EQ(ready_planes(*two), "111111111100");
    EXPECT_EQ(two->F(0, 1, AIR_TORPEDO_BOMBERS, F_SEARCHING), 1);
    EXPECT_EQ(two->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING), 1);
    EXPECT_EQ(two->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 0) << "the long flights out start afresh";

    // N, or 0 planes (or a key that is no digit), leaves the allowance and the long flights as
    // they were.
    for (const char* keys : {"n{ENTER}{ENTER}", "y0{ENTER}{ENTER}", "yx{ENTER}{ENTER}"}) {
        Loaded none(keys);
        EXPECT_TRUE(run_day_start(none, [](State& st) {
            st.ST(ST_OWN, ST_COUNTERS, ST_STATUS) = 2, st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 1;
        })) << keys;
        EXPECT_EQ(ready_planes(*none), "111111110000");
        EXPECT_EQ(none->ST(ST_OWN, ST_COUNTERS, ST_STATUS), 2);
        EXPECT_EQ(none->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 1);
    }
}

TEST(SearchReinforcement, UnfitCarriersLendNothingAndTooManyIsAskedAgain) {
    // A carrier 3 points down, or with a deck of 7, lends nothing and is not counted.
    Loaded unfit("y");
    EXPECT_FALSE(run_day_start(unfit, [](State& st) {
        st.A(0, 1, A_DURABILITY) = 3;
        st.A(0, 2, A_FLIGHT_DECK) = 7;
    }));
    EXPECT_TRUE(shows(con::screen(), 20, 18, "九七艦攻は  0  機登載しています"));
    EXPECT_TRUE(shows(con::screen(), 20, 22, "何機増強しますか ?   Hit 0 - 4 Key", 6));
    // Digits above 4 or above the lendable count ask again; the count is not refreshed.
    Loaded many("y5921{ENTER}{ENTER}");
    EXPECT_TRUE(run_day_start(many, [](State& st) { st.F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED) = 0; }));
    EXPECT_EQ(ready_planes(*many), "111111111000");
    Loaded other("x");
    EXPECT_FALSE(run_day_start(other));
    EXPECT_TRUE(shows(con::screen(), 16, 16, "索敵機を増強しますか ?   Hit Y or N Key")) << "asked again";
}

TEST(SearchReinforcement, SplitsWithTheirDefaultAndColours) {
    struct Case {
        const char* keys;
        float fighters, aa;
    } cases[] = {
        {"n{ENTER}{ENTER}", 4, 4}, {"n17", 1, 7}, {"n8x90", 4, 4}, {"n0a", 4, 4}, {"n962", 6, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Loaded st(c.keys);
        EXPECT_TRUE(run_day_start(st));
        EXPECT_EQ(st->TT(TT_FIGHTER_SPLIT), c.fighters);
        EXPECT_EQ(st->TT(TT_AA_SPLIT), c.aa);
        EXPECT_EQ(con::current_colour(), 4);
    }
    // The screens of the two questions: the list in yellow, the prompt in white, then the
    // second question and its prompt in green over the same list.
    Loaded first("n");
    EXPECT_FALSE(run_day_start(first));
    EXPECT_TRUE(shows(con::screen(), 16, 14, "艦隊直衛の零式艦戦の任務分担はどうしますか ?", 7));
    EXPECT_TRUE(shows(con::screen(), 20, 16, "１　高空のみを警戒　（艦爆のみを攻撃）", 6));
    EXPECT_TRUE(shows(con::screen(), 20, 22, "７　低空のみを警戒　（艦攻のみを攻撃）", 6));
    EXPECT_TRUE(shows(con::screen(), 20, 23, "Hit  1 - 7  Key       RETURN は ４", 7));
    EXPECT_EQ(row_of(con::screen(), 18), "                    ３　高空をやや重視して警戒")
        << "rows 13-22 cleared first";
    Loaded second("n3");
    EXPECT_FALSE(run_day_start(second));
    EXPECT_TRUE(shows(con::screen(), 18, 14, "艦隊の対空火力の任務分担はどうしますか ?", 4));
    EXPECT_EQ(text_at(con::screen(), 16, 14, 2), "  ");
    EXPECT_TRUE(shows(con::screen(), 20, 23, "Hit  1 - 7  Key       RETURN は ４", 4));
    EXPECT_TRUE(shows(con::screen(), 20, 19, "４　高空低空を均等に警戒", 6));
}

TEST(AirDefenceChange, OnlyAtNineNoonAndThree) {
    for (int s = 1; s <= 15; ++s) {
        Loaded st;
        st->TT(TT_SUBTURN) = static_cast<float>(s), st->TT(TT_FIGHTER_SPLIT) = 3, st->TT(TT_AA_SPLIT) = 5;
        con::print_at(con::Col(0), con::Row(0), "map");
        const bool acts = s == 6 || s == 9 || s == 12;
        if (acts) {
            EXPECT_THROW(HENKO(*st), con::ProgramEnd) << s;
            EXPECT_TRUE(shows(con::screen(), 12, 14, "艦隊直衛の零式艦戦の任務分担を変更しますか ?  Hit Y - N Key", 6));
            EXPECT_EQ(row_of(con::screen(), 0), "");
            EXPECT_EQ(st->TT(TT_MAP_SHOWN), 1);
        } else {
            HENKO(*st);
            EXPECT_EQ(row_of(con::screen(), 0), "map") << s;
            EXPECT_EQ(st->TT(TT_MAP_SHOWN), 0) << s;
        }
    }
    struct Case {
        const char* keys;
        float fighters, aa;
    } cases[] = {
        {"nn", 3, 5}, {"xnxn", 3, 5}, {"y{ENTER}n", 4, 5}, {"y92y7", 2, 7}, {"ny0", 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Loaded st(c.keys);
        st->TT(TT_SUBTURN) = 9, st->TT(TT_FIGHTER_SPLIT) = 3, st->TT(TT_AA_SPLIT) = 5;
        HENKO(*st);
        EXPECT_EQ(st->TT(TT_FIGHTER_SPLIT), c.fighters);
        EXPECT_EQ(st->TT(TT_AA_SPLIT), c.aa);
        EXPECT_EQ(con::current_colour(), 6);
    }
    // The second question on a cleared screen; the list under a change, its prompt not repeated.
    Loaded second("n");
    second->TT(TT_SUBTURN) = 12;
    EXPECT_THROW(HENKO(*second), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 14, 14, "艦隊の対空火力の任務分担を変更しますか ?  Hit Y - N Key", 6));
    EXPECT_EQ(row_of(con::screen(), 16), "");
    Loaded list("y8");
    list->TT(TT_SUBTURN) = 6;
    EXPECT_THROW(HENKO(*list), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 20, 21, "６　主として低空を警戒", 6));
    EXPECT_TRUE(shows(con::screen(), 20, 23, "Hit  1 - 7  Key       RETURN は ４", 6));
}
