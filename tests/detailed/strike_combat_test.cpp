// The air combat and the anti-aircraft fire of the player's strikes: the interceptors' share
// over the strike, the escorts' exchange, the attack on the bombers, the ceiling of the task
// force's fighters, and TAIKU's shots, saturation and shares, with the draws they make.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "detailed/strikes.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;
using testing_support::colour_of;

namespace {

std::uint64_t combat_draws() { return con::random_generator().draws(); }

void strike(State& st, float fighters, float dive, float torpedo, float bomb) {
    st.KO(1) = fighters, st.KO(2) = dive, st.KO(4) = torpedo, st.KO(5) = bomb, st.KO(3) = torpedo + bomb;
}

}  // namespace

TEST(StrikeAirCombat, FromTheGeneratorsFirstState) {
    // 2 escorts, 6 dive and 4 torpedo bombers against 10 interceptors of type 4, no losses yet.
    Loaded st;
    ASSERT_EQ(con::random_generator().state(), con::Random::kStart);
    strike(*st, 2, 6, 4, 0);
    const auto before = combat_draws();
    con::color(6);
    const float rest = INTERCEPTORS_APPROACH(*st, 10);
    EXPECT_EQ(rest, 4);
    EXPECT_EQ(st->GE(1), 6);
    EXPECT_EQ(st->GE(2), 1);
    EXPECT_EQ(st->GE(3), 3);
    EXPECT_TRUE(shows(con::screen(), 10, 10, "敵迎撃機 10 機接近", 6));
    const EscortLosses losses = ESCORT_COMBAT(*st);
    EXPECT_EQ(losses.ATTACKER_LOSSES, 0);
    EXPECT_EQ(losses.DEFENDER_LOSSES, 2);
    EXPECT_EQ(st->KO(1), 2) << "the caller applies the losses";
    EXPECT_TRUE(shows(con::screen(), 11, 12, "零式艦戦 対 " + st->NX(4), 6));
    INTERCEPTOR_ATTACK(*st);
    EXPECT_EQ(combat_draws() - before, 20u);
    EXPECT_TRUE(shows(con::screen(), 6, 22, "９７式艦攻 1 機墜落 残り  3 ", 6));
    EXPECT_EQ(st->KO(3), 3);
    EXPECT_EQ(st->VS(0, AIR_TORPEDO_BOMBERS), 1);
    EXPECT_TRUE(shows(con::screen(), 12, 16, "９９式艦爆 対 " + st->NX(4), 6));
}

TEST(StrikeAirCombat, SharesCapsAndTheTypesPassedOver) {
    struct Case {
        const char* name;
        float escorts, dive, torpedo, interceptors;
        std::vector<float> draws;
        float ge1, ge2, ge3;
        float attacker, defender;  // the escorts' exchange (-1: not entered)
        float dive_left, torpedo_left;
    };
    const Case cases[] = {
        // Six against two escorts: all engage them; no draw of the share, nothing for the bombers.
        {"all on the escorts", 2, 3, 3, 6, std::vector<float>(12, 0.99f), 6, 0, 0, 2, 6, 3, 3},
        // No escorts: every interceptor is drawn against the bombers (0.8: dive, 0.7: torpedo).
        {"no escorts", 0, 2, 2, 3, {0.8f, 0.7f, 0.7f, 0.99f, 0.99f, 0.99f}, 0, 1, 2, -1, -1, 1, 0},
        // 5 escorts against 2: 15 shots, the kills stop at the 2 interceptors.
        {"kills capped at the interceptors", 5, 0, 0, 2, std::vector<float>(17, 0.99f), 2, 0, 0, 2, 2, 0, 0},
        // Dive bombers only: the interceptor drawn against the absent torpedo bombers does nothing.
        {"dive bombers only", 0, 4, 0, 2, {0.9f, 0.1f, 0.99f}, 0, 1, 1, -1, -1, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        strike(*st, c.escorts, c.dive, c.torpedo, 0);
        con::random_generator().script(c.draws);
        const auto before = combat_draws();
        const float rest = INTERCEPTORS_APPROACH(*st, c.interceptors);
        EXPECT_EQ(rest, c.interceptors - c.ge1);
        EXPECT_EQ(st->GE(1), c.ge1);
        EXPECT_EQ(st->GE(2), c.ge2);
        EXPECT_EQ(st->GE(3), c.ge3);
        if (c.attacker >= 0) {
            const EscortLosses l = ESCORT_COMBAT(*st);
            EXPECT_EQ(l.ATTACKER_LOSSES, c.attacker);
            EXPECT_EQ(l.DEFENDER_LOSSES, c.defender);
        }
        INTERCEPTOR_ATTACK(*st);
        EXPECT_EQ(combat_draws() - before, c.draws.size());
        EXPECT_EQ(st->KO(2), c.dive_left);
        EXPECT_EQ(st->KO(3), c.torpedo_left);
        EXPECT_EQ(text_at(con::screen(), 12, 20, 4) == "９７", c.ge3 >= 1 && c.torpedo >= 1);
    }
}

TEST(StrikeAirCombat, ExperienceAndTheBritishFighters) {
    {
        // 780 fighters lost: the escorts' roll can no longer pass 60.
        Loaded st;
        strike(*st, 1, 0, 0, 0);
        st->GE(1) = 3;
        st->VS(0, AIR_FIGHTERS) = 780;
        con::random_generator().script(std::vector<float>(6, 0.999f));
        EXPECT_EQ(ESCORT_COMBAT(*st).DEFENDER_LOSSES, 0);
        EXPECT_EQ(st->Z(9, Z_ATTACK), 2);
    }
    // The British type 9 (quality 2): INT(RND x 60) of 21 or more brings a torpedo bomber down.
    for (const auto& [r, lost] : {std::pair{20.5f / 60, 0.0f}, std::pair{21.5f / 60, 1.0f}}) {
        Loaded s2;
        strike(*s2, 0, 0, 1, 0);
        s2->GE(3) = 1;
        con::random_generator().script({r});
        s2->ENEMY_TYPE_OFFSET = 5;
        INTERCEPTOR_ATTACK(*s2);
        EXPECT_EQ(s2->KO(3), 1 - lost) << r;
        EXPECT_TRUE(shows(con::screen(), 12, 20, "９７式艦攻 対 " + s2->NX(9)));
    }
}

TEST(StrikeAirCombat, InterceptorTypePatrolCeilingAndReturnHeading) {
    EXPECT_EQ(interceptor_type_offset(8), 4);
    EXPECT_EQ(interceptor_type_offset(20), 5);
    EXPECT_EQ(interceptor_type_offset(7), 0);
    const std::pair<float, float> ceilings[] = {{0, 0}, {19, 19}, {20, 20}, {39, 20}, {40, 21}, {41, 21}, {60, 31}};
    for (const auto& [sum, ceiling] : ceilings) EXPECT_EQ(patrol_ceiling(sum), ceiling) << sum;
    EXPECT_EQ(return_heading(10), 190);
    EXPECT_EQ(return_heading(200), 20);
    EXPECT_EQ(return_heading(180), 0);
}

TEST(AntiAircraftFire, WorkedShotsAndTheirReport) {
    Loaded st;
    strike(*st, 0, 3, 0, 0);
    st->TT(TT_AA_SHOTS) = 2;
    con::random_generator().script({0.5f, 0.9f, 0.99f, 0.1f, 0.2f, 0.75f});
    const auto before = combat_draws();
    TAIKU(*st);
    EXPECT_EQ(combat_draws() - before, 6u);
    EXPECT_TRUE(shows(con::screen(), 54, 4, "対空射撃", 6));
    EXPECT_TRUE(shows(con::screen(), 46, 7, "９９式艦爆 1 機墜落 残り 2 ", 6));
    EXPECT_TRUE(shows(con::screen(), 46, 8, "９７式艦攻 0 機墜落 残り 0 ", 6)) << "both lines, even with nothing lost";
    EXPECT_EQ(st->KO(2), 2);
    EXPECT_EQ(st->VS(0, AIR_DIVE_BOMBERS), 1);
    EXPECT_EQ(st->L(2), 0);
}

TEST(AntiAircraftFire, SaturationSharesAndTheHarbourLoads) {
    struct Case {
        const char* name;
        float dive, torpedo, bomb, shots;
        std::vector<float> draws;
        float lost_dive, lost_torpedo;
    };
    // High shot: the aim draw (any while no torpedo is aboard), then a die of 6 hits.
    const float aim = 0.5f, six = 0.99f, miss = 0.1f, low_hit = 0.7f;
    std::vector<float> twelve_high{0.0f};  // low-fire percentage 62
    for (int i = 0; i < 12; ++i) twelve_high.insert(twelve_high.end(), {aim, six});
    twelve_high.insert(twelve_high.end(), {0.5f, 0.99f});  // two saturation rolls: one spares
    std::vector<float> four_high{0.0f};
    for (int i = 0; i < 4; ++i) four_high.insert(four_high.end(), {aim, six});
    const Case cases[] = {
        {"ten dive bombers under 12 high hits: 2 rolls at 95", 10, 0, 0, 12, twelve_high, 9, 0},
        {"9 dive and 3 bomb-armed under 4 high hits: 3 and 1", 9, 3, 3, 4, four_high, 3, 1},
        // Torpedo-armed only: every shot low; 3 hits on 2 aircraft are capped.
        {"torpedoes only, capped", 0, 2, 0, 3, {0.0f, miss, low_hit, miss, low_hit, miss, low_hit}, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        strike(*st, 0, c.dive, c.torpedo - c.bomb, c.bomb);
        st->KO(3) = c.torpedo;
        st->TT(TT_AA_SHOTS) = c.shots;
        st->HW(HW_TORPEDOES_FLYING) = 9;
        con::random_generator().script(c.draws);
        const auto before = combat_draws();
        TAIKU(*st);
        EXPECT_EQ(combat_draws() - before, c.draws.size());
        EXPECT_EQ(st->L(1), c.lost_dive);
        EXPECT_EQ(st->L(2), c.lost_torpedo);
        EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), 9) << "outside the harbour raid HW is not touched";
    }
    // In the harbour raid the torpedoes carried fall with the torpedo-armed aircraft hit: 1 of 3
    // hit takes INT(1 x 6 / 3) = 2 of 6 torpedoes; bombs by the high hits beyond L(1).
    Loaded st;
    strike(*st, 0, 0, 3, 2);
    st->TT(TT_AA_SHOTS) = 2, st->TT(TT_HARBOUR_STRIKE) = 1;
    st->HW(HW_TORPEDOES_FLYING) = 6, st->HW(HW_BOMBS_FLYING) = 4;
    // A low shot that hits, then a high shot that hits (no dive bombers: L(2) takes both).
    con::random_generator().script({0.99f, 0.1f, low_hit, 0.99f, six});
    TAIKU(*st);
    EXPECT_EQ(st->L(1), 0);
    EXPECT_EQ(st->L(2), 2);
    EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), 4);
    EXPECT_EQ(st->HW(HW_BOMBS_FLYING), 2);
    EXPECT_EQ(colour_of(con::screen(), 46, 8), 6);
}
