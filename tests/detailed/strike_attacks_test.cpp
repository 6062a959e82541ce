// The attacks of a fleet strike group on an Allied task force: the dive bombers' and torpedo
// bombers' hits, the screening destroyers, the target draws, the damage sums and their whole
// points, the induced explosions and fires, and CLC2 afterwards, with scripted draws.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "console/console.h"
#include "detailed/strikes.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 against task force 1: Allied carrier 3 in slot 1 (task force 1), carrier 4 in slot
/// 2 (task force 2), battleship 16 in slot 1 (task force 1); all at 10, decks 10.
void attack_task_force(State& st) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.TT(TT_TARGET_TF) = 1;
    st.CV(1, 1) = 1, st.C(1, 1, 1) = 3, st.C(1, 1, 2) = 4;
    st.BB(1, 1) = 1, st.G(1, 1, 1) = 16;
    for (float s : {3.0f, 4.0f, 16.0f}) {
        st.A(1, s, A_DURABILITY) = st.A(1, s, A_FULL_DURABILITY) = 10;
        st.A(1, s, A_FLIGHT_DECK) = 10;
        st.A(1, s, A_TASK_FORCE) = 1;
    }
    st.A(1, 4, A_TASK_FORCE) = 2;
}

std::vector<float> repeat_hits(std::vector<float> draws, int times) {
    std::vector<float> all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), draws.begin(), draws.end());
    return all;
}

/// The colours of the report's messages with this text, in order.
std::vector<int> attack_colours_of(const StrikeReport& report, const std::string& text) {
    std::vector<int> colours;
    for (const StrikeLine& line : report)
        if (line.text == text) colours.push_back(line.colour);
    return colours;
}

struct Case {
    const char* name;
    std::function<void(State&)> setup;
    std::vector<float> draws;
    std::function<void(const State&)> check;
};

void run_cases(const std::vector<Case>& cases, StrikeReport (*attack)(State&)) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        attack_task_force(*st);
        c.setup(*st);
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        play(*st, attack(*st));
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size());
        c.check(*st);
    }
}

// A dive bomber that hits carrier slot 1: hit, screen, slot, second draw, deck, explosion.
const std::vector<float> kDiveHit{0.01f, 0.01f, 0.01f, 0.01f, 0.01f, 0.99f};

}  // namespace

TEST(DiveBomberAttack, HitsDamageAndTheirDraws) {
    const float hit = 0.01f;
    run_cases(
        {
            {"five hits on one carrier cost one point", [](State& st) { st.KO(2) = 5; }, repeat_hits(kDiveHit, 5),
             [](const State& st) {
                 EXPECT_EQ(st.PE(1), 1.0f);
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), 9);
                 EXPECT_EQ(st.A(1, 3, A_FLIGHT_DECK), 5);
                 EXPECT_TRUE(shows(con::screen(), 48, 11, "９９式艦爆 の攻撃", 6));
                 EXPECT_TRUE(shows(con::screen(), 50, 13, "２５０Ｋｇ爆弾命中", 1)) << "the fifth hit";
             }},
            {"twenty-five sum to just under 5 and cost four", [](State& st) { st.KO(2) = 25; },
             repeat_hits(kDiveHit, 25),
             [](const State& st) {
                 EXPECT_LT(st.PE(1), 5.0f);
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), 6);
                 EXPECT_EQ(st.A(1, 3, A_FLIGHT_DECK), -15) << "no lower bound";
             }},
            {"four hits cost nothing", [](State& st) { st.KO(2) = 4; }, repeat_hits(kDiveHit, 4),
             [](const State& st) { EXPECT_EQ(st.A(1, 3, A_DURABILITY), 10); }},
            {"a destroyer takes the hit; the draw is made with none left",
             [](State& st) {
                 st.KO(2) = 2;
                 st.DF(1) = 1;
             },
             {hit, 0.95f, hit, 0.95f, hit, hit, hit, 0.99f},
             [](const State& st) {
                 EXPECT_EQ(st.DF(1), 0);
                 EXPECT_EQ(st.PE(1), 0.2f);
             }},
            {"a carrier of another task force is drawn again",
             [](State& st) {
                 st.KO(2) = 1;
                 st.CV(1, 1) = 2;
             },
             {hit, hit, 0.9f, hit, 0.1f, hit, hit, 0.99f},
             [](const State& st) {
                 EXPECT_EQ(st.PE(1), 0.2f);
                 EXPECT_EQ(st.A(1, 4, A_FLIGHT_DECK), 10);
             }},
            {"a carrier below 0.1 is taken on one draw in five",
             [](State& st) {
                 st.KO(2) = 1;
                 st.A(1, 3, A_DURABILITY) = 0.05f;
             },
             {hit, hit, hit, 0.5f, hit, 0.15f, hit, 0.99f},
             [](const State& st) { EXPECT_EQ(st.PE(1), 0.2f); }},
            {"the British carrier keeps its deck on half the hits",
             [](State& st) {
                 st.KO(2) = 2;
                 st.C(1, 1, 1) = 14;
                 st.A(1, 14, A_TASK_FORCE) = 1, st.A(1, 14, A_DURABILITY) = 5, st.A(1, 14, A_FLIGHT_DECK) = 10;
             },
             {hit, hit, hit, hit, 0.5f, 0.99f, hit, hit, hit, hit, 0.6f, 0.99f},
             [](const State& st) { EXPECT_EQ(st.A(1, 14, A_FLIGHT_DECK), 9); }},
            {"so many dive bombers lost that none can hit",
             [](State& st) {
                 st.KO(2) = 3;
                 st.VS(0, AIR_DIVE_BOMBERS) = 1000;
             },
             {hit, hit, hit},
             [](const State& st) { EXPECT_EQ(st.PE(1), 0); }},
        },
        dive_bomber_attack);
}

TEST(DiveBomberAttack, ChanceByTheStrikesSize) {
    // Fewer than 8: 25, hit at INT(RND x 100) of 25; with 8: 27.5, hit at 27, not 28.
    for (const auto& [bombers, r, hits] : {std::tuple{7.0f, 0.255f, true}, std::tuple{7.0f, 0.265f, false},
                                           std::tuple{8.0f, 0.275f, true}, std::tuple{8.0f, 0.285f, false}}) {
        Loaded st;
        attack_task_force(*st);
        st->KO(2) = bombers;
        std::vector<float> draws{r};
        if (hits) draws.insert(draws.end(), {0.01f, 0.01f, 0.01f, 0.01f, 0.99f});
        draws.resize(draws.size() + static_cast<std::size_t>(bombers) - 1, 0.99f);  // the others miss
        con::random_generator().script(draws);
        dive_bomber_attack(*st);
        EXPECT_EQ(st->PE(1), hits ? 0.2f : 0.0f) << bombers << " " << r;
    }
}

TEST(DiveBomberAttack, HitColoursExplosionsAndFires) {
    Loaded st;
    attack_task_force(*st);
    st->KO(2) = 9;
    con::random_generator().script(repeat_hits(kDiveHit, 9));
    const StrikeReport hits = dive_bomber_attack(*st);
    EXPECT_EQ(attack_colours_of(hits, "２５０Ｋｇ爆弾命中"), (std::vector<int>{4, 5, 6, 7, 1, 2, 3, 4, 5}));

    // 20 dive and 10 torpedo bombers on deck: the hit sets them off; the fire burns twice.
    Loaded fire;
    attack_task_force(*fire);
    fire->KO(2) = 1;
    fire->F(1, 1, AIR_DIVE_BOMBERS, F_DECK) = 20, fire->F(1, 1, AIR_TORPEDO_BOMBERS, F_DECK) = 10;
    con::random_generator().script({0.01f, 0.01f, 0.01f, 0.01f, 0.01f, 0.99f,  // the hit, explosion
                                    0.99f, 0.1f,                               // 10 torpedo bombers burn
                                    0.5f, 0.0f, 0.9f,                          // burns on: 6 dive bombers
                                    0.99f});                                   // and goes out
    const auto before = con::random_generator().draws();
    KOGEKI2(*fire);
    EXPECT_EQ(con::random_generator().draws() - before, 12u);
    EXPECT_TRUE(shows(con::screen(), 50, 14, "誘爆発生", 2));
    EXPECT_TRUE(shows(con::screen(), 54, 15, "進行", 2));
    EXPECT_EQ(fire->A(1, 3, A_DURABILITY), 8);
    EXPECT_EQ(fire->A(1, 3, A_FLIGHT_DECK), 5);
    EXPECT_EQ(fire->F(1, 1, AIR_TORPEDO_BOMBERS, F_DECK), 0);
    EXPECT_EQ(fire->F(1, 1, AIR_DIVE_BOMBERS, F_DECK), 14);
    EXPECT_EQ(fire->A(1, 3, A_AIRCRAFT_AWAY), 16);
    EXPECT_EQ(fire->A(1, 3, A_FIRE), 0);

    // An exploded carrier that the hits leave below 0.5 does not burn.
    Loaded sunk;
    attack_task_force(*sunk);
    sunk->KO(2) = 5;
    sunk->A(1, 3, A_DURABILITY) = 1;
    sunk->F(1, 1, AIR_DIVE_BOMBERS, F_DECK) = 30;
    con::random_generator().script(repeat_hits(kDiveHit, 5));
    const StrikeReport report = dive_bomber_attack(*sunk);
    EXPECT_TRUE(attack_colours_of(report, "進行").empty());
    EXPECT_EQ(attack_colours_of(report, "誘爆発生").size(), 5u);
    EXPECT_EQ(sunk->A(1, 3, A_DURABILITY), 0);
    EXPECT_EQ(sunk->A(1, 3, A_FIRE), 0);
}

TEST(TorpedoBomberAttack, TorpedoesBombsAndTheirTargets) {
    const float hit = 0.01f;
    // A bomb on carrier slot 1: hit, screen, slot, second draw, explosion.
    const std::vector<float> bomb{hit, hit, hit, hit, 0.99f};
    run_cases(
        {
            {"three bombs on a carrier sum to 1.05 and cost one point", [](State& st) { st.KO(3) = st.KO(5) = 3; },
             repeat_hits(bomb, 3),
             [](const State& st) {
                 float sum = 0;
                 for (int i = 0; i < 3; ++i) {
                     sum = con::store(con::L(sum) + con::L(0.1f));
                     sum = con::store(con::L(sum) + con::L(0.25f));
                 }
                 EXPECT_EQ(st.PE(1), sum);
                 EXPECT_NEAR(st.PE(1), 1.05, 1e-6);
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), 9);
                 EXPECT_EQ(st.A(1, 3, A_FLIGHT_DECK), 7);
                 EXPECT_TRUE(shows(con::screen(), 48, 17, "９７式艦攻 の攻撃", 6));
                 EXPECT_TRUE(shows(con::screen(), 50, 19, "爆弾命中", 4));
             }},
            {"a torpedo on a carrier costs 1 or 2",
             [](State& st) { st.KO(3) = st.KO(4) = 2; },
             {hit, hit, hit, hit, 0.99f, hit, hit, hit, hit, 0.01f},
             [](const State& st) { EXPECT_EQ(st.A(1, 3, A_DURABILITY), 7); }},
            {"losses come off the torpedo-armed first: 3 torpedoes, 5 bombs",
             [](State& st) { st.KO(3) = 8, st.KO(4) = 10, st.KO(5) = 5; }, std::vector<float>(8, 0.99f),
             [](const State& st) {
                 EXPECT_EQ(st.KO(4), 3);
                 EXPECT_EQ(st.KO(5), 5);
             }},
            {"no carrier of the task force afloat: a torpedo on its battleship",
             [](State& st) {
                 st.KO(3) = st.KO(4) = 1;
                 st.A(1, 3, A_DURABILITY) = 0;
             },
             {hit, hit, hit, hit},
             [](const State& st) {
                 EXPECT_EQ(st.A(1, 16, A_DURABILITY), 9);
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), 0);
             }},
            {"four bombs on a battleship sum to exactly one point",
             [](State& st) {
                 st.KO(3) = st.KO(5) = 4;
                 st.A(1, 3, A_DURABILITY) = 0;
             },
             repeat_hits({hit, hit, hit, hit}, 4),
             [](const State& st) {
                 EXPECT_EQ(st.PE(1), 1.0f);
                 EXPECT_EQ(st.A(1, 16, A_DURABILITY), 9);
             }},
            {"in the harbour raid the hits go to the carriers, afloat or not",
             [](State& st) {
                 st.KO(3) = st.KO(4) = 1;
                 st.A(1, 3, A_DURABILITY) = 0;
                 st.TT(TT_HARBOUR_STRIKE) = 1;
             },
             {hit, hit, hit, 0.5f, hit, 0.1f, 0.99f},
             [](const State& st) {
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), -2);
                 EXPECT_EQ(st.A(1, 16, A_DURABILITY), 10);
             }},
            {"no battleship in the task force: the hits go to its sunk carriers",
             [](State& st) {
                 st.KO(3) = st.KO(4) = 1;
                 st.A(1, 3, A_DURABILITY) = 0;
                 st.A(1, 16, A_TASK_FORCE) = 2;
             },
             {hit, hit, hit, 0.9f, hit, 0.9f, hit, 0.1f, 0.01f},
             [](const State& st) {
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), -1);
                 EXPECT_EQ(st.A(1, 3, A_FLIGHT_DECK), 9);
                 EXPECT_EQ(st.A(1, 16, A_DURABILITY), 10);
             }},
            {"a force without carriers: the messages and the explosion draw, no damage",
             [](State& st) {
                 st.KO(3) = 2, st.KO(4) = 1, st.KO(5) = 1;
                 st.CV(1, 1) = 0, st.BB(1, 1) = 0;
             },
             {hit, hit, hit, hit, 0.01f},
             [](const State& st) {
                 EXPECT_EQ(st.A(1, 3, A_DURABILITY), 10);
                 EXPECT_TRUE(shows(con::screen(), 50, 19, "爆弾命中", 3));
             }},
        },
        torpedo_bomber_attack);
}

TEST(TorpedoBomberAttack, ChancesInTenthsOfAPerCent) {
    // Fewer than 8 aircraft: a torpedo at INT(RND x 1000) of 100, a bomb at 50; 8 or more: 110, 55.
    struct Case {
        float aircraft, torpedoes;
        float r;
        bool hits;
    } cases[] = {{1, 1, 0.1005f, true}, {1, 1, 0.1015f, false}, {1, 0, 0.0505f, true}, {1, 0, 0.0515f, false},
                 {8, 8, 0.1105f, true}, {8, 0, 0.0555f, true},  {8, 0, 0.0565f, false}};
    for (const Case& c : cases) {
        Loaded st;
        attack_task_force(*st);
        st->KO(3) = c.aircraft, st->KO(4) = c.torpedoes, st->KO(5) = c.aircraft - c.torpedoes;
        std::vector<float> draws{c.r};
        if (c.hits) draws.insert(draws.end(), {0.5f, 0.01f, 0.01f, c.torpedoes > 0 ? 0.01f : 0.99f});
        draws.resize(draws.size() + static_cast<std::size_t>(c.aircraft) - 1, 0.99f);
        con::random_generator().script(draws);
        torpedo_bomber_attack(*st);
        EXPECT_EQ(st->PE(1) > 0, c.hits) << c.aircraft << " " << c.torpedoes << " " << c.r;
    }
}

TEST(DamageRounding, TheAlliedForceAfterAStrike) {
    Loaded st;
    attack_task_force(*st);
    const float carriers[] = {3.4f, 3.005f, 3.01f, 1.6f, -1.5f};
    const float after[] = {4, 3, 3, 2, 0};
    const float decks[] = {10, 10, 10, 0, 0};
    st->CV(1, 1) = 5;
    for (int k = 1; k <= 5; ++k) {
        st->C(1, 1, k) = static_cast<float>(k);
        st->A(1, k, A_DURABILITY) = carriers[k - 1];
        st->A(1, k, A_FLIGHT_DECK) = 10;
    }
    st->A(1, 16, A_DURABILITY) = 3.4f;
    CLC2(*st);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(st->A(1, k, A_DURABILITY), after[k - 1]) << carriers[k - 1];
        EXPECT_EQ(st->A(1, k, A_FLIGHT_DECK), decks[k - 1]) << carriers[k - 1];
    }
    EXPECT_EQ(st->A(1, 16, A_DURABILITY), 4);
}
