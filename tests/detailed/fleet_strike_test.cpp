// The player's fleet strikes, driven through FLEET_STRIKE_PHASE: a group met by the task
// force's fighters and guns, its attacks, the claims and the Allied reaction, and its turn
// home; groups without bombers, escorts that flew too far, and the groups passed over.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "detailed/strikes.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;
using testing_support::colour_of;

namespace {

std::uint64_t fleet_draws() { return con::random_generator().draws(); }

/// Fleet 1 of turn 2 (objective base 7) in hour step 4, two carriers afloat, against task
/// force 1: carrier 3 (slot 1, 5 fighters on deck) and carrier 4 (slot 2, 1 on deck, damaged
/// to 8 by an earlier strike), 2 standard fighters each, and a slow battleship 16 (speed 8, so
/// its guns do not count); one destroyer. Task force 1 bears 10 degrees from the fleet.
void strike_task_force(State& st) {
    st.FLEET_NO = 1, st.TT(TT_FLEET) = 1, st.AT(1) = 7;
    st.TURN_NO = 2, st.TT(TT_TURN) = 2, st.TT(TT_SCENARIO) = 1;
    st.DAY_NO = 1, st.SUBTURN_NO = 4, st.TT(TT_SUBTURN) = 4, st.GUN_SUBTURN_NO = 1;
    st.TT(TT_WAIT) = 0, st.TT(TT_COMMENT_KEY) = 0;
    st.OPERATION_CHARACTER = 1;
    st.OWN_FLEET_AFLOAT = 20, st.ALLIED_CV_AFLOAT = 2, st.ALLIED_BB_COUNT = 1;
    st.CV(1, 1) = 2, st.C(1, 1, 1) = 3, st.C(1, 1, 2) = 4;
    st.BB(1, 1) = 1, st.G(1, 1, 1) = 16;
    for (float s : {3.0f, 4.0f, 16.0f}) {
        st.A(1, s, A_DURABILITY) = st.A(1, s, A_FULL_DURABILITY) = 10;
        st.A(1, s, A_FLIGHT_DECK) = 10, st.A(1, s, A_TASK_FORCE) = 1;
        st.A(1, s, A_FIGHTERS) = 2, st.A(1, s, A_ANTI_AIRCRAFT) = 0;
    }
    st.A(1, 4, A_DURABILITY) = 8;
    st.A(1, 16, A_SPEED) = 8, st.A(1, 16, A_ANTI_AIRCRAFT) = 3;
    st.F(1, 1, AIR_FIGHTERS, F_DECK) = 5, st.F(1, 2, AIR_FIGHTERS, F_DECK) = 1;
    st.DF(1) = 1;
    st.KS(1) = 1;
    st.PD(1) = 10;
}

/// A fleet strike group of source s launched in step l, at task force `k` after `flown` units.
void at_task_force(State& st, int s, int l, int k, float flown, float fighters, float dive, float torpedo, float bomb) {
    st.T(s, l, T_STATUS) = 2, st.T(s, l, T_HEADING) = static_cast<float>(1000 + k), st.T(s, l, T_DISTANCE) = flown;
    st.T(s, l, T_FIGHTERS) = fighters, st.T(s, l, T_DIVE_BOMBERS) = dive;
    st.T(s, l, T_TORPEDO_BOMBERS) = torpedo, st.T(s, l, T_BOMB_ARMED) = bomb;
}

}  // namespace

TEST(FleetStrike, AGroupMetByFightersAndGunsClaimsAndTurnsHome) {
    Loaded st;
    strike_task_force(*st);
    at_task_force(*st, 1, 3, 1, 80, 2, 2, 1, 1);
    const std::vector<float> script{
        0.5f,                                                               // posture: defensive
        0.5f,  0.5f,  0.5f,  0.5f,  0.99f, 0.1f,  0.1f,  0.1f, 0.1f, 0.1f,  // no escort lost, one kill
        0.0f,  0.99f, 0.1f,  0.7f,                                          // one shot: a torpedo bomber down
        0.01f, 0.5f,  0.01f, 0.01f, 0.5f,  0.99f, 0.99f,                    // a 250 kg hit on carrier 3, a miss
        0.01f, 0.5f,  0.6f,  0.01f, 0.99f,                                  // a bomb on carrier 4
        0.95f, 0.5f,  0.5f,                                                 // a battleship claim drawn: 1
        0.5f,  0.99f, 0.3f,  0.9f,                                          // a carrier claim; withdraw
    };
    con::random_generator().script(script);
    const auto before = fleet_draws();
    EXPECT_EQ(run_block(*st, Block::FleetStrikePhase), Block::HourlyAirPhase);
    EXPECT_EQ(fleet_draws() - before, script.size());
    const con::Screen& screen = con::screen();
    EXPECT_TRUE(shows(screen, 10, 4, "攻撃隊 敵艦隊に接近!!", 6));
    EXPECT_TRUE(shows(screen, 9, 6, "零式艦戦  2  機", 6));
    EXPECT_TRUE(shows(screen, 9, 7, "９９式艦爆  2  機", 6));
    EXPECT_TRUE(shows(screen, 9, 8, "９７式艦攻  2  機", 6));
    EXPECT_TRUE(shows(screen, 28, 8, "(雷装 1 爆装 1 )", 6));
    EXPECT_TRUE(shows(screen, 10, 10, "敵迎撃機 4 機接近", 6));
    EXPECT_TRUE(shows(screen, 11, 12, "零式艦戦 対 " + st->NX(4), 6));
    EXPECT_TRUE(shows(screen, 10, 14, "損害   0     1 ", 6));
    EXPECT_TRUE(shows(screen, 46, 8, "９７式艦攻 1 機墜落 残り 1 ", 6));
    EXPECT_TRUE(shows(screen, 50, 13, "２５０Ｋｇ爆弾命中", 4));
    EXPECT_TRUE(shows(screen, 50, 19, "爆弾命中", 2));
    EXPECT_TRUE(shows(screen, 44, 21, "戦艦 1 隻撃破 !!", 5));
    EXPECT_TRUE(shows(screen, 44, 22, "空母 1 隻撃破 !!", 5));
    EXPECT_EQ(con::current_colour(), 6);
    // Four fighters rose, three and one; the one shot down came off the first carrier.
    EXPECT_EQ(st->F(1, 1, AIR_FIGHTERS, F_DECK), 2);
    EXPECT_EQ(st->F(1, 2, AIR_FIGHTERS, F_DECK), 0);
    EXPECT_EQ(st->F(1, 1, AIR_FIGHTERS, F_AIR_COMBAT), 2);
    EXPECT_EQ(st->F(1, 2, AIR_FIGHTERS, F_AIR_COMBAT), 1);
    EXPECT_EQ(st->A(1, 3, A_AIRCRAFT_AWAY), 3);
    EXPECT_EQ(st->A(1, 4, A_AIRCRAFT_AWAY), 1);
    EXPECT_EQ(st->VS(1, AIR_FIGHTERS), 1);
    EXPECT_EQ(st->TT(TT_AA_SHOTS), 1) << "the destroyer only: the battleship is too slow";
    EXPECT_EQ(st->A(1, 3, A_FLIGHT_DECK), 9);
    EXPECT_EQ(st->A(1, 4, A_FLIGHT_DECK), 9);
    EXPECT_EQ(st->TK(TK_POSTURE), 2);
    EXPECT_EQ(st->ALLIED_CV_FIT, 2);
    EXPECT_EQ(st->TT(TT_ALLIED_CV_AFLOAT), 2);
    EXPECT_EQ(st->RAID_THIS_HOUR, 1);
    const float fields[] = {2, 0, 0, 190, 80, 2, 2, 1, 0};
    for (int j = T_STATUS; j <= T_BOMB_ARMED; ++j) EXPECT_EQ(st->T(1, 3, j), fields[j]) << "field " << j;
}

TEST(FleetStrike, GroupsWithoutBombersFarEscortsAndThoseSkipped) {
    Loaded st;
    strike_task_force(*st);
    st->F(1, 1, AIR_FIGHTERS, F_DECK) = st->F(1, 2, AIR_FIGHTERS, F_DECK) = 0;
    st->DF(1) = 0;
    st->A(1, 4, A_DURABILITY) = 10;
    st->TK(TK_POSTURE) = 2;
    at_task_force(*st, 2, 1, 1, 95, 3, 0, 0, 0);  // fighters only, flown too far to escort
    at_task_force(*st, 1, 2, 1, 50, 4, 0, 0, 0);  // fighters only
    at_task_force(*st, 3, 2, 1, 95, 5, 1, 0, 0);  // one dive bomber; its fighters stay with it
    at_task_force(*st, 1, 3, 1, 50, 6, 1, 0, 0);
    st->T(1, 3, T_STATUS) = 3;  // already returning: passed over
    at_task_force(*st, 2, 3, 1, 50, 6, 1, 0, 0);
    st->T(2, 3, T_HEADING) = 90;                          // not at a task force: passed over
    con::random_generator().script({0.5f, 0.99f, 0.1f});  // posture, a miss, no battleship claim
    const auto before = fleet_draws();
    run_block(*st, Block::FleetStrikePhase);
    EXPECT_EQ(fleet_draws() - before, 3u);
    EXPECT_EQ(st->T(2, 1, T_FIGHTERS), 3);
    EXPECT_EQ(st->T(1, 2, T_FIGHTERS), 4);
    EXPECT_EQ(st->T(3, 2, T_FIGHTERS), 5);
    EXPECT_EQ(st->T(3, 2, T_DIVE_BOMBERS), 1);
    for (const auto& [s, l] : {std::pair{2, 1}, std::pair{1, 2}, std::pair{3, 2}}) {
        EXPECT_EQ(st->T(s, l, T_HEADING), 190) << s << "," << l;
        EXPECT_EQ(st->T(s, l, T_STATUS), 2) << "the hourly roll turns it home";
    }
    EXPECT_EQ(st->T(1, 3, T_HEADING), 1001);
    EXPECT_EQ(st->T(2, 3, T_DIVE_BOMBERS), 1);
    EXPECT_EQ(st->TK(TK_POSTURE), 1) << "the posture roll turns a withdrawing force defensive";
    // The group with bombers showed its arrival (no fighters rose, no guns fired).
    EXPECT_TRUE(shows(con::screen(), 9, 6, "零式艦戦  0  機", 6));
    EXPECT_EQ(row_of(con::screen(), 10), "");
    EXPECT_FALSE(shows(con::screen(), 54, 4, "対空射撃"));
    EXPECT_EQ(colour_of(con::screen(), 44, 21), -1) << "no claim";
}
