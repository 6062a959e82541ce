// The first turn's harbour raid: the base strike with the surprise kept and lost (through
// BASE_STRIKE_ARRIVAL), HYOJI4's messages and the battle fleet's split, and KOGEKI5's strafing,
// dive bombing, torpedoes and level bombing by the attack phase, with the draws each makes.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "detailed/strikes.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

std::uint64_t raid_draws() { return con::random_generator().draws(); }

/// Scenario 2's harbour raid in hour step 4: the preset forces, the eight moored battleships at
/// 10 of 10, the harbour's guns at 3, 5 fighters landed and 10 ready, 10 torpedoes and 10
/// bombs aboard the strike; timed pauses of no length.
void harbour(State& st) {
    st.SCENARIO_NO = 2, st.TT(TT_SCENARIO) = 2;
    HARBOUR_RAID_OPENING(st);
    st.FLEET_NO = 1, st.TT(TT_FLEET) = 1;
    st.TURN_NO = 1, st.TT(TT_TURN) = 1;
    st.DAY_NO = 1, st.SUBTURN_NO = 4, st.TT(TT_SUBTURN) = 4, st.GUN_SUBTURN_NO = 1;
    st.TT(TT_WAIT) = 0, st.TT(TT_COMMENT_KEY) = 0;
    st.TT(TT_HARBOUR_STRIKE) = 1;
    for (long k = 1; k <= 8; ++k) {
        const float s = st.G(1, 1, k);
        st.A(1, s, A_DURABILITY) = st.A(1, s, A_FULL_DURABILITY) = 10;
    }
    st.P(18, P_HOLDER) = 1, st.P(18, P_STRENGTH) = 40, st.P(18, P_AIR_DEFENCE) = 3;
    st.Q(AIR_FIGHTERS, Q_NOT_READY) = 5, st.Q(AIR_FIGHTERS, Q_READY) = 10;
    st.HW(HW_TORPEDOES_FLYING) = 10, st.HW(HW_BOMBS_FLYING) = 10;
}

/// The strike arriving this hour: one group at 10 units from the harbour.
void strike_group(State& st, float fighters, float dive, float torpedo, float bomb) {
    st.T(0, 1, T_STATUS) = 1, st.T(0, 1, T_X) = 10, st.T(0, 1, T_DISTANCE) = 60;
    st.T(0, 1, T_FIGHTERS) = fighters, st.T(0, 1, T_DIVE_BOMBERS) = dive;
    st.T(0, 1, T_TORPEDO_BOMBERS) = torpedo, st.T(0, 1, T_BOMB_ARMED) = bomb;
}

std::string ship(const State& st, long k) { return st.MX(1, st.G(1, 1, k)); }

/// The colours of the report's messages with this text, in order.
std::vector<int> colours_of(const StrikeReport& report, const std::string& text) {
    std::vector<int> colours;
    for (const StrikeLine& line : report)
        if (line.text == text) colours.push_back(line.colour);
    return colours;
}

}  // namespace

TEST(HarbourRaid, TheFirstStrikeWithItsSurpriseKept) {
    Loaded st;
    harbour(*st);
    strike_group(*st, 2, 2, 2, 1);
    st->P(18, P_AIR_DEFENCE) = 3;
    const std::vector<float> script{
        0.5f,                                         // the surprise holds
        0.1f,  0.1f,  0.99f, 0.0f, 0.9f,              // one fighter strafes 5 + 8 fighters, one does not
        0.01f, 0.99f, 0.01f, 0.1f, 0.1f, 0.5f, 0.5f,  // a battery, then the port for an empty airfield
        0.01f, 0.99f,                                 // a torpedo on slot 1, a miss on slot 2
        0.99f, 0.01f, 0.5f,                           // an 800 kg bomb of 3 on slot 5
    };
    con::random_generator().script(script);
    const auto before = raid_draws();
    EXPECT_EQ(run_block(*st, Block::BaseStrikeArrival), Block::FleetStrikePhase);
    EXPECT_EQ(raid_draws() - before, script.size());
    const con::Screen& screen = con::screen();
    EXPECT_TRUE(shows(screen, 17, 4, "真珠湾に接近 トトトト !!", 6));
    EXPECT_EQ(row_of(screen, 6), "") << "no strike list, no fighters, no guns";
    EXPECT_EQ(row_of(screen, 10), "");
    EXPECT_FALSE(shows(screen, 54, 4, "対空射撃"));
    EXPECT_TRUE(shows(screen, 40, 14, ship(*st, 1), 6));
    EXPECT_TRUE(shows(screen, 59, 14, " 9 / 10 ", 6));
    EXPECT_TRUE(shows(screen, 40, 15, ship(*st, 2), 5));
    EXPECT_TRUE(shows(screen, 59, 18, " 7 / 10 ", 6));
    EXPECT_TRUE(shows(screen, 47, 22, "軍港施設", 6));
    EXPECT_TRUE(shows(screen, 57, 22, "爆弾命中", 3));
    EXPECT_TRUE(shows(screen, 39, 23, "        航空基地", 6)) << "the fighter's name blanked";
    EXPECT_TRUE(shows(screen, 57, 23, "機銃掃射", 6));
    EXPECT_EQ(text_at(screen, 50, 11, 20), std::string(20, ' '));
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_NOT_READY), 0);
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_READY), 2);
    EXPECT_EQ(st->VS(1, AIR_FIGHTERS), 13);
    EXPECT_EQ(st->P(18, P_AIR_DEFENCE), 2);
    EXPECT_EQ(st->HW(HW_HITS), 3);
    EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), 8);
    EXPECT_EQ(st->HW(HW_BOMBS_FLYING), 9);
    EXPECT_EQ(st->HW(HW_BASE_STRUCK), 1) << "the harbour is alerted";
    EXPECT_EQ(st->SURPRISE_ROLLED, 1);
    EXPECT_EQ(st->PEARL_HARBOR_TURN, 1);
    EXPECT_EQ(st->T(0, 1, T_STATUS), 3);
    EXPECT_EQ(st->T(0, 1, T_FIGHTERS), 2);
    EXPECT_EQ(st->T(0, 1, T_DIVE_BOMBERS), 2);
    EXPECT_EQ(st->T(0, 1, T_TORPEDO_BOMBERS), 3);
}

TEST(HarbourRaid, SurpriseLostAtTheFirstStrike) {
    Loaded st;
    harbour(*st);
    strike_group(*st, 0, 2, 2, 1);
    st->Q(AIR_FIGHTERS, Q_READY) = 1, st->P(18, P_AIR_DEFENCE) = 1;
    const std::vector<float> script{
        0.95f,                            // the surprise is lost
        0.1f,  0.1f,                      // one interceptor, at the torpedo bombers, misses
        0.0f,  0.1f,  0.7f, 0.1f,  0.1f,  // 2 shots: one torpedo bomber down
        0.01f, 0.1f,  0.1f, 0.99f,        // the port (the fleet has sailed), a miss
        0.5f,  0.01f, 0.5f,               // the level bomb falls on the port
    };
    con::random_generator().script(script);
    const auto before = raid_draws();
    run_block(*st, Block::BaseStrikeArrival);
    EXPECT_EQ(raid_draws() - before, script.size());
    EXPECT_EQ(st->PEARL_HARBOR_TURN, 2);
    EXPECT_EQ(st->TT(TT_HARBOUR_STRIKE), 2);
    EXPECT_EQ(st->KS(KS_BATTLESHIPS + 1), 8);
    for (long k = 1; k <= 8; ++k) {
        EXPECT_EQ(st->A(1, st->G(1, 1, k), A_TASK_FORCE), 1) << k;
        EXPECT_EQ(st->A(1, st->G(1, 1, k), A_DURABILITY), 10) << k;
    }
    const con::Screen& screen = con::screen();
    EXPECT_EQ(row_of(screen, 0), "") << "the messages left the screen cleared";
    EXPECT_TRUE(shows(screen, 10, 6, "零式艦戦  0  機", 6));
    EXPECT_TRUE(shows(screen, 10, 10, "敵迎撃機 1 機接近", 6));
    EXPECT_TRUE(shows(screen, 6, 22, "９７式艦攻 0 機墜落 残り  3 ", 6));
    EXPECT_TRUE(shows(screen, 54, 4, "対空射撃", 6));
    EXPECT_TRUE(shows(screen, 46, 8, "９７式艦攻 1 機墜落 残り 2 ", 6));
    EXPECT_TRUE(shows(screen, 57, 22, "８００Ｋｇ爆弾命中", 4));
    EXPECT_EQ(row_of(screen, 14), "") << "no battleship list once the fleet has sailed";
    EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), 5) << "half the torpedo-armed aircraft hit";
    EXPECT_EQ(st->HW(HW_BOMBS_FLYING), 9);
    EXPECT_EQ(st->HW(HW_HITS), 2);
    EXPECT_EQ(st->HW(HW_BASE_STRUCK), 1);
}

TEST(HarbourRaid, SurpriseLostMessagesAndTheBattleFleetsSplit) {
    Loaded st;
    harbour(*st);
    st->TT(TT_COMMENT_KEY) = 1;
    st->KS(KS_CARRIERS + 2) = 1;
    EXPECT_THROW(HYOJI4(*st), con::ProgramEnd) << "the pause waits for a key that never comes";
    EXPECT_TRUE(shows(con::screen(), 29, 9, "奇襲攻撃失敗　！！", 6));
    EXPECT_TRUE(shows(con::screen(), 24, 12, "太平洋艦隊はすでに出港せり　！", 6));
    EXPECT_EQ(st->KS(KS_BATTLESHIPS + 1), 4);
    EXPECT_EQ(st->KS(KS_BATTLESHIPS + 2), 5);
    EXPECT_EQ(st->KS(KS_BATTLESHIPS + 3), 0);
    for (long k = 1; k <= 8; ++k) EXPECT_EQ(st->A(1, st->G(1, 1, k), A_TASK_FORCE), k <= 4 ? 1 : 2) << k;
}

TEST(HarbourAttack, TorpedoesAndLevelBombsOnTheMooredBattleships) {
    struct Case {
        const char* name;
        float torpedo, bomb, torpedoes_aboard, bombs_aboard, alerted;
        std::vector<float> draws;
        std::vector<float> damage;  // PE(1..8)
        float hits_on_the_harbour;
    };
    const std::vector<float> nine(9, 0.01f);
    const Case cases[] = {
        {"nine torpedo aircraft: slots 1-4 in turn", 9, 0, 20, 0, 0, nine, {3, 2, 2, 2, 0, 0, 0, 0}, 0},
        {"torpedoes run out: then only 0-2 hit", 3, 0, 1, 0, 0, {0.01f, 0.035f, 0.025f}, {1, 0, 1, 0, 0, 0, 0, 0}, 0},
        {"no 800 kg bombs: quarter points, and 3 in 10 on the port",
         0,
         2,
         0,
         0,
         0,
         {0.5f, 0.01f, 0.5f, 0.5f, 0.01f, 0.2f},
         {0, 0, 0, 0, 0.25f, 0, 0, 0},
         2},
        {"alerted: torpedo limit 30, level limit 15",
         1,
         1,
         5,
         5,
         1,
         {0.31f, 0.5f, 0.15f, 0.5f},
         {0, 0, 0, 0, 2, 0, 0, 0},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        harbour(*st);
        st->KO(4) = c.torpedo, st->KO(5) = c.bomb, st->KO(3) = c.torpedo + c.bomb;
        st->HW(HW_TORPEDOES_FLYING) = c.torpedoes_aboard, st->HW(HW_BOMBS_FLYING) = c.bombs_aboard;
        st->HW(HW_BASE_STRUCK) = c.alerted;
        con::random_generator().script(c.draws);
        const auto before = raid_draws();
        const StrikeReport report = harbour_attack(*st);
        EXPECT_EQ(raid_draws() - before, c.draws.size());
        for (int k = 1; k <= 8; ++k) EXPECT_EQ(st->PE(k), c.damage[k - 1]) << "slot " << k;
        EXPECT_EQ(st->HW(HW_HITS), c.hits_on_the_harbour);
        EXPECT_EQ(st->HW(HW_BOMBS_FLYING), c.bombs_aboard > c.bomb ? c.bombs_aboard - c.bomb : 0);
        if (c.torpedo == 9) {
            EXPECT_EQ(colours_of(report, "魚雷命中"), (std::vector<int>{3, 4, 5, 6, 7, 1, 2, 3, 4}));
        }
        play(*st, report);
        EXPECT_EQ(text_at(con::screen(), 50, 11, 20), std::string(20, ' ')) << "the attack's header blanked";
    }
}

TEST(HarbourAttack, AlertedDefencesAndASunkBattleship) {
    Loaded st;
    harbour(*st);
    st->HW(HW_BASE_STRUCK) = 1;
    st->KO(1) = 3, st->KO(2) = 1;
    st->P(18, P_AIR_DEFENCE) = 0;
    st->A(1, st->G(1, 1, 8), A_DURABILITY) = 0;
    con::random_generator().script({0.01f, 0.5f});  // a hit, on a battery (no strafing)
    const auto before = raid_draws();
    KOGEKI5(*st);
    EXPECT_EQ(raid_draws() - before, 2u);
    EXPECT_EQ(st->P(18, P_AIR_DEFENCE), 0) << "never below 0";
    EXPECT_EQ(st->HW(HW_HITS), 1);
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_READY), 10);
    EXPECT_TRUE(shows(con::screen(), 57, 22, "爆弾命中", 2));
    EXPECT_TRUE(shows(con::screen(), 40, 21, ship(*st, 8), 4));
    EXPECT_TRUE(shows(con::screen(), 59, 21, " 0 / 10 ", 4));
    EXPECT_TRUE(shows(con::screen(), 59, 20, " 10 / 10 ", 5));
}
