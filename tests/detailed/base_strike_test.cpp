// The player's base strike, driven through BASE_STRIKE_ARRIVAL: a defended base, the turn-1
// surprise, escorts arriving alone, and KOGEKI4's hits, damage, posture and report; with the
// draws each makes.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "detailed/strikes.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

std::uint64_t draws() { return con::random_generator().draws(); }

/// Fleet 1 of turn 2 against base 7 (strength 3, air defence 1) in hour step 4 of day 1, the
/// base bearing 90 from the fleet; timed pauses of no length.
void strike_operation(State& st, float base = 7) {
    st.FLEET_NO = 1, st.TT(TT_FLEET) = 1, st.AT(1) = base;
    st.TURN_NO = 2, st.TT(TT_TURN) = 2, st.TT(TT_SCENARIO) = 1;
    st.DAY_NO = 1, st.SUBTURN_NO = 4, st.TT(TT_SUBTURN) = 4, st.GUN_SUBTURN_NO = 1;
    st.TT(TT_WAIT) = 0, st.TT(TT_COMMENT_KEY) = 0;
    st.PD(0) = 90;
    st.P(base, P_HOLDER) = 1, st.P(base, P_STRENGTH) = 3, st.P(base, P_AIR_DEFENCE) = 1;
}

/// A base-strike group launched in step h, outbound at (x, y) after `flown` units.
void group(State& st, int h, float x, float y, float flown, float fighters, float dive, float torpedo, float bomb) {
    st.T(0, h, T_STATUS) = 1, st.T(0, h, T_X) = x, st.T(0, h, T_Y) = y, st.T(0, h, T_DISTANCE) = flown;
    st.T(0, h, T_FIGHTERS) = fighters, st.T(0, h, T_DIVE_BOMBERS) = dive;
    st.T(0, h, T_TORPEDO_BOMBERS) = torpedo, st.T(0, h, T_BOMB_ARMED) = bomb;
}

std::vector<float> n_times(int n, float r) { return std::vector<float>(static_cast<std::size_t>(n), r); }

std::vector<float> join(std::initializer_list<std::vector<float>> parts) {
    std::vector<float> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

/// The colours of the report's hit messages (those at (52, 13)), in order.
std::vector<int> hit_colours(const StrikeReport& report) {
    std::vector<int> colours;
    for (const StrikeLine& line : report)
        if (line.column == 52 && line.row == 13) colours.push_back(line.colour);
    return colours;
}

}  // namespace

TEST(BaseStrike, ADefendedBaseFoughtAndTheGroupsHome) {
    Loaded st;
    strike_operation(*st);
    // Two groups arrive together: the first has flown 90 (its escorts join), the second 100
    // (its 5 fighters stay with it). 4 fighters meet them: 3 ready, 1 on patrol.
    group(*st, 2, 30, 0, 60, 4, 6, 2, 3);
    group(*st, 3, 0, 40, 60, 5, 2, 0, 0);
    st->Q(AIR_FIGHTERS, Q_READY) = 3, st->Q(AIR_FIGHTERS, Q_PATROL_FIRST) = 1;
    st->TK(TK_POSTURE) = 1;
    const auto script = join({
        {0.5f},  // the surprise roll (no raid)
        n_times(4, 0.5f),
        {0.99f, 0.99f},
        n_times(10, 0.1f),                        // escorts: none lost, 2 kills
        {0.0f, 0.99f, 0.1f, 0.1f, 0.99f, 0.99f},  // 2 shots: one high hit
        {0.01f, 0.5f},
        n_times(7, 0.99f),  // one dive-bomber hit
        {0.01f, 0.99f},
        n_times(3, 0.99f),  // one 500 kg hit of 2
        {0.9f},             // posture: back to normal
    });
    con::random_generator().script(script);
    const auto before = draws();
    EXPECT_EQ(run_block(*st, Block::BaseStrikeArrival), Block::FleetStrikePhase);
    EXPECT_EQ(draws() - before, script.size());
    const con::Screen& screen = con::screen();
    EXPECT_TRUE(shows(screen, 10, 4, "攻撃隊", 6));
    EXPECT_TRUE(shows(screen, 17, 4, "敵基地に接近 !!", 6));
    EXPECT_TRUE(shows(screen, 10, 6, "零式艦戦  4  機", 6));
    EXPECT_TRUE(shows(screen, 10, 7, "９９式艦爆  8  機", 6));
    EXPECT_TRUE(shows(screen, 10, 8, "９７式艦攻  5  機", 6));
    EXPECT_TRUE(shows(screen, 10, 10, "敵迎撃機 4 機接近", 6));
    EXPECT_TRUE(shows(screen, 10, 14, "損害   0      2 ", 6));
    EXPECT_TRUE(shows(screen, 46, 8, "９７式艦攻 1 機墜落 残り 4 ", 6));
    EXPECT_TRUE(shows(screen, 50, 11, "９７式艦攻 の攻撃", 6));
    EXPECT_TRUE(shows(screen, 52, 13, "５００Ｋｇ爆弾命中", 3));
    EXPECT_TRUE(shows(screen, 50, 19, "敵基地の耐久力残り 1 ", 6));
    EXPECT_TRUE(shows(screen, 50, 21, "第２次攻撃の要ありと認む", 6));
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_INTERCEPTING), 2);
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_READY) + st->Q(AIR_FIGHTERS, Q_PATROL_FIRST), 0);
    EXPECT_EQ(st->VS(1, AIR_FIGHTERS), 2);
    EXPECT_EQ(st->P(7, P_STRENGTH), 1);
    EXPECT_EQ(st->P(7, P_AIR_DEFENCE), 0);
    EXPECT_EQ(st->TK(TK_POSTURE), 0);
    EXPECT_EQ(st->TT(TT_BASE_STRUCK), 1);
    EXPECT_EQ(st->RAID_THIS_HOUR, 1);
    // The survivors fly home in the earliest group; the later one keeps its own fighters.
    const float first[] = {3, 0, 0, 270, 90, 4, 8, 4, 0};
    const float second[] = {3, 0, 0, 270, 100, 5, 0, 0, 0};
    for (int j = T_STATUS; j <= T_BOMB_ARMED; ++j) {
        EXPECT_EQ(st->T(0, 2, j), first[j]) << "field " << j;
        EXPECT_EQ(st->T(0, 3, j), second[j]) << "field " << j;
    }
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(st->KO(k), 0);
}

TEST(BaseStrike, EscortsArrivingAloneFlyHomeWithTheirGroup) {
    Loaded st;
    strike_operation(*st);
    group(*st, 1, 30, 0, 60, 4, 0, 0, 0);
    group(*st, 2, 0, 40, 60, 5, 0, 0, 0);
    const auto before = draws();
    EXPECT_EQ(run_block(*st, Block::BaseStrikeArrival), Block::FleetStrikePhase);
    EXPECT_EQ(draws() - before, 0u);
    EXPECT_EQ(row_of(con::screen(), 4), "") << "nothing is shown";
    EXPECT_EQ(st->T(0, 1, T_FIGHTERS), 4);
    EXPECT_EQ(st->T(0, 1, T_STATUS), 3);
    EXPECT_EQ(st->T(0, 2, T_FIGHTERS), 5);
    EXPECT_EQ(st->KO(1), 0);
    EXPECT_EQ(st->TT(TT_BASE_STRUCK), 0);
}

TEST(BaseStrike, TurnOneSurpriseAtBasesSixAndNine) {
    for (const float base : {6.0f, 9.0f}) {
        Loaded st;
        strike_operation(*st, base);
        st->TURN_NO = 1, st->TT(TT_TURN) = 1;
        st->Q(AIR_FIGHTERS, Q_READY) = 3;
        group(*st, 1, 30, 0, 60, 0, 1, 0, 0);
        con::random_generator().script({0.5f, 0.99f, 0.5f});  // surprise roll, a miss, posture
        const auto before = draws();
        run_block(*st, Block::BaseStrikeArrival);
        EXPECT_EQ(draws() - before, 3u) << base;
        EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_READY), 3) << "no fighters rose";
        EXPECT_EQ(row_of(con::screen(), 6), "") << "the strike list is not shown";
        EXPECT_FALSE(shows(con::screen(), 54, 4, "対空射撃"));
        EXPECT_EQ(st->TT(TT_BASE_STRUCK), 1);
        // The second strike of the operation meets the fighters and the guns.
        group(*st, 2, 30, 0, 60, 0, 1, 0, 0);
        st->SUBTURN_NO = st->TT(TT_SUBTURN) = 4;
        run_block(*st, Block::BaseStrikeArrival);
        EXPECT_TRUE(shows(con::screen(), 10, 10, "敵迎撃機 3 機接近")) << base;
        EXPECT_TRUE(shows(con::screen(), 54, 4, "対空射撃")) << base;
    }
}

TEST(BaseAttack, FromTheGeneratorsFirstState) {
    Loaded st;
    strike_operation(*st);
    st->P(7, P_AIR_DEFENCE) = 4;
    st->KO(2) = 2, st->KO(3) = 1;
    const auto before = draws();
    const StrikeReport report = base_attack(*st);
    play(*st, report);
    EXPECT_EQ(draws() - before, 7u);
    EXPECT_EQ(st->P(7, P_AIR_DEFENCE), 3);
    EXPECT_EQ(hit_colours(report), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(shows(con::screen(), 50, 19, "敵基地の耐久力残り 2 ", 6));
}

TEST(BaseAttack, DamageByTheTenthsAndTheReport) {
    struct Case {
        const char* name;
        float dive, torpedo, strength;
        std::vector<float> draws;
        float strength_after, holder_after;
    };
    const auto hit = [](int n) {  // dive-bomber hits, each with its draw against the guns
        std::vector<float> draws;
        for (int i = 0; i < n; ++i) draws.insert(draws.end(), {0.01f, 0.5f});
        return draws;
    };
    const Case cases[] = {
        {"30 hits sum just short of 3: 2 points", 30, 0, 10, join({hit(30), {0.5f}}), 8, 1},
        {"31 hits: 3 points", 31, 0, 10, join({hit(31), {0.5f}}), 7, 1},
        {"nine hits cost nothing", 9, 0, 10, join({hit(9), {0.5f}}), 10, 1},
        {"a torpedo bomber's 2 points leave 0: destroyed and taken", 0, 1, 2, {0.01f, 0.99f, 0.5f}, 0, 0},
        {"all shot down: the report again, the base destroyed again", 0, 0, -1, {0.5f}, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        strike_operation(*st);
        st->P(7, P_STRENGTH) = c.strength;
        st->P(7, P_AIR_DEFENCE) = 0;  // the guns already silenced: the hits count all the same
        st->KO(2) = c.dive, st->KO(3) = c.torpedo;
        con::random_generator().script(c.draws);
        const auto before = draws();
        KOGEKI4(*st);
        EXPECT_EQ(draws() - before, c.draws.size());
        EXPECT_EQ(st->P(7, P_STRENGTH), c.strength_after);
        EXPECT_EQ(st->P(7, P_HOLDER), c.holder_after);
        EXPECT_EQ(st->P(7, P_AIR_DEFENCE), 0) << "never below 0";
        EXPECT_TRUE(shows(con::screen(), 50, 19, c.holder_after == 0 ? "敵基地は壊滅せり" : "敵基地の耐久力残り", 6));
    }
    // The posture: more than 7 bombers bring a defensive force back, two times in three
    // (the draw is made in every case); a withdrawing force stays.
    for (const auto& [bombers, posture, r, after] :
         {std::tuple{8.0f, 1.0f, 0.5f, 0.0f}, std::tuple{8.0f, 1.0f, 0.3f, 1.0f}, std::tuple{7.0f, 1.0f, 0.9f, 1.0f},
          std::tuple{8.0f, 2.0f, 0.9f, 2.0f}}) {
        Loaded st;
        strike_operation(*st);
        st->KO(2) = bombers;
        st->TK(TK_POSTURE) = posture;
        con::random_generator().script(join({n_times(static_cast<int>(bombers), 0.99f), {r}}));
        KOGEKI4(*st);
        EXPECT_EQ(st->TK(TK_POSTURE), after) << bombers << " " << posture << " " << r;
    }
}
