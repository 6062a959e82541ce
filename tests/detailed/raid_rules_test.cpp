// The rules of an Allied raid on the player's fleet, apart from the screen: the patrol's split
// and allocation, the passes over the carriers, the air combat's rolls, the anti-aircraft fire,
// the bomb and torpedo attacks and the fires, each with scripted draws counted.
#include <gtest/gtest.h>

#include <vector>

#include "detailed/raid.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Scripted draws: hands out the fractions in order and counts them; a draw beyond the script
/// fails the test.
struct Script {
    explicit Script(std::vector<float> d) : draws(std::move(d)) {}
    std::vector<float> draws;
    std::size_t used = 0;
    Draw draw() {
        return [this] {
            if (used < draws.size()) return draws[used++];
            ADD_FAILURE() << "a draw beyond the script";
            ++used;
            return 0.5f;
        };
    }
};

PartCounts counts(float a, float b, float c, float d) { return {a, b, c, d}; }

}  // namespace

TEST(RaidRules, RaidTypesByObjectiveAndScenario) {
    struct Case {
        float scenario, objective, offset, fighter, dive, torpedo;
    };
    const Case cases[] = {
        {1, 14, 0, 4, 5, 6}, {1, 8, 4, 8, 9, 10}, {1, 20, 4, 9, 9, 10}, {6, 8, 0, 4, 5, 6}, {6, 20, 0, 4, 5, 6},
    };
    for (const Case& c : cases) {
        const RaidTypes t = raid_types(c.scenario, c.objective);
        EXPECT_EQ(t.offset, c.offset) << c.objective;
        EXPECT_EQ(t.type_of(AIR_FIGHTERS), c.fighter) << c.objective;
        EXPECT_EQ(t.type_of(AIR_DIVE_BOMBERS), c.dive) << c.objective;
        EXPECT_EQ(t.type_of(AIR_TORPEDO_BOMBERS), c.torpedo) << c.objective;
        EXPECT_EQ(t.type_of(AIR_HEAVY_BOMBERS), 7) << "heavy bombers are always type 7";
    }
}

TEST(RaidRules, LowShareOfThePatrolBySplit) {
    const float of_ten[] = {0, 2, 4, 5, 6, 8, 10};
    const float of_five[] = {0, 1, 2, 3, 3, 4, 5};
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(low_share(10, static_cast<float>(c)), of_ten[c - 1]) << c;
        EXPECT_EQ(low_share(5, static_cast<float>(c)), of_five[c - 1]) << c;
    }
    // The 4-byte 0.6 lifts a share of exactly .4 over the whole number: 2 at split 2 fly 1 low.
    EXPECT_EQ(low_share(2, 2), 1);
    EXPECT_EQ(low_share(2, 4), 1);
}

TEST(RaidRules, PatrolAllocationWorkedValues) {
    struct Case {
        const char* name;
        AllocationInput in;
        std::vector<float> draws;
        PartCounts DE, CB;
    };
    const PartCounts any = counts(-9, -9, -9, -9);  // cells the rule does not write keep these
    const Case cases[] = {
        {"4 on patrol against 12 escorts and 20 bombers: all on the escorts", {counts(12, 10, 10, 0), 4, 0, 4}, {},
         counts(4, 0, 0, 0), counts(4, -9, -9, -9)},
        {"6 + 6 scrambled, split 4, 9 dive and 9 torpedo bombers", {counts(0, 9, 9, 0), 6, 6, 4}, {},
         counts(0, 6, 5, 0), counts(0, 3, 3, 0)},
        {"the same with 6 escorts: needed 2, extra 0", {counts(6, 9, 9, 0), 6, 6, 4}, {}, counts(2, 5, 4, 0),
         counts(2, 2, 2, 0)},
        {"12 on patrol, split 4, 3 escorts, 4 heavy bombers: one draw", {counts(3, 0, 0, 4), 12, 0, 4}, {0.99f},
         counts(5, 0, 0, 4), counts(5, 0, 0, 4)},
        {"7 on patrol, split 1, 2 escorts, 6 torpedo bombers: the trim takes one back", {counts(2, 0, 6, 0), 7, 0, 1},
         {}, counts(2, 0, 5, 0), counts(2, 0, 0, 0)},
        {"split 1, 10 on patrol, 6 dive and 12 torpedo bombers", {counts(0, 6, 12, 0), 10, 0, 1}, {},
         counts(0, 6, 4, 0), counts(0, 6, 0, 0)},
        {"split 7, the same raid", {counts(0, 6, 12, 0), 10, 0, 7}, {}, counts(0, 2, 8, 0), counts(0, 0, 8, 0)},
        {"split 7, 2 + 9 scrambled, a lone torpedo bomber meets no fighter", {counts(0, 0, 1, 0), 2, 9, 7}, {},
         counts(0, 0, 0, 0), counts(0, 0, 0, 0)},
        {"large formations: more than 8 and 7 less a random 1 each", {counts(0, 20, 20, 0), 0, 30, 4}, {0.01f, 0.01f},
         counts(0, 17, 11, 0), counts(0, 0, 0, 0)},
        {"... less 3 each", {counts(0, 20, 20, 0), 0, 30, 4}, {0.99f, 0.99f}, counts(0, 15, 9, 0), counts(0, 0, 0, 0)},
        {"heavy bombers with 3 left: engaged when RND x 10 does not exceed 3", {counts(0, 0, 0, 2), 3, 0, 1}, {0.29f},
         counts(0, 0, 0, 2), counts(0, 0, 0, 2)},
        {"... not engaged above", {counts(0, 0, 0, 2), 3, 0, 1}, {0.31f}, counts(0, 0, 0, 0), counts(0, 0, 0, 0)},
        {"more heavy bombers than high fighters: the rest divided by 2, less a random 2", {counts(0, 0, 0, 10), 0, 20, 4},
         {0.5f, 0.1f, 0.5f}, counts(0, 0, 0, 8), counts(0, 0, 0, 0)},
        {"no patrol: nothing set, only CB(0) written", {counts(5, 5, 5, 5), 0, 0, 4}, {}, counts(0, 0, 0, 0),
         counts(0, -9, -9, -9)},
    };
    for (const Case& c : cases) {
        Script s(c.draws);
        const Allocation a = allocate_patrol(c.in, any, s.draw());
        EXPECT_EQ(a.DE, c.DE) << c.name;
        EXPECT_EQ(a.CB, c.CB) << c.name;
        EXPECT_EQ(s.used, c.draws.size()) << c.name;
    }
}

TEST(RaidRules, PassesOverTheCarriers) {
    // Five scrambled from decks of 3 and 4 leave from carriers 1, 2, 1, 2, 1.
    std::vector<float> deck = {0, 3, 4};
    std::vector<long> order;
    auto take = [&](long j) {
        if (deck[j] < 1) return false;
        deck[j] -= 1;
        order.push_back(j);
        return true;
    };
    EXPECT_EQ(move_in_passes(2, 5, take), 5);
    EXPECT_EQ(order, (std::vector<long>{1, 2, 1, 2, 1}));
    // Three losses from state-5 counts 3, 0 and 1 come from slots 1, 3, 1.
    deck = {0, 3, 0, 1};
    order.clear();
    EXPECT_EQ(move_in_passes(3, 3, take), 3);
    EXPECT_EQ(order, (std::vector<long>{1, 3, 1}));
    // More wanted than the carriers hold: the passes end after one that moves nothing.
    deck = {0, 1, 1};
    order.clear();
    EXPECT_EQ(move_in_passes(2, 10, take), 2);
    EXPECT_EQ(order, (std::vector<long>{1, 2}));
}

TEST(RaidRules, PatrolLossesLeaveTheCarriersInAirCombat) {
    Loaded st;
    st->FLEET_NO = 1, st->CV(0, 1) = 3;
    st->F(0, 1, AIR_FIGHTERS, F_AIR_COMBAT) = 3, st->F(0, 3, AIR_FIGHTERS, F_AIR_COMBAT) = 1;
    take_patrol_losses(*st, 3);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_AIR_COMBAT), 1);
    EXPECT_EQ(st->F(0, 3, AIR_FIGHTERS, F_AIR_COMBAT), 0);
    // Losses beyond the fighters in air combat end with the last of them.
    take_patrol_losses(*st, 5);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_AIR_COMBAT), 0);
}

TEST(RaidRules, AirCombatStrengthLossesAndRolls) {
    EXPECT_EQ(patrol_strength(4, 0), 8);
    EXPECT_EQ(patrol_strength(4, 4), 12);
    EXPECT_EQ(patrol_strength(4, 9), 12) << "at most DE of the placed fighters count 3";
    EXPECT_EQ(patrol_strength(4, 1), 9);
    EXPECT_EQ(crew_term(45, 5), 2);
    EXPECT_EQ(crew_term(19, 0), 0);
    // DE (2, 3, 4) less 6 fighters lost to the escorts: (-4, -1, 3).
    EXPECT_EQ(patrol_after_losses(counts(2, 3, 4, 1), 6), counts(-4, -1, 3, 1));
    EXPECT_EQ(patrol_after_losses(counts(2, 3, 4, 1), 2), counts(0, 3, 4, 1));

    // Escorts of fighter quality 1 at q = 0: a patrol fighter falls when INT(60 r) > 50; each
    // of 3 strength points downs an escort when INT(60 r) > 30. One draw per escort, then one
    // per strength point.
    Script s({0.85f, 0.84f, 0.52f, 0.51f, 0.99f});
    const Exchange e = escort_combat(2, 1, 3, 0, s.draw());
    EXPECT_EQ(e.defender_losses, 1);
    EXPECT_EQ(e.attacker_losses, 2);
    EXPECT_EQ(s.used, 5u);
    // Every 20 fighters lost in air combat move the roll a step: at q = 1, INT(60 r) > 31.
    Script s1({0.52f, 0.54f});
    EXPECT_EQ(escort_combat(0, 1, 2, 1, s1.draw()).attacker_losses, 1);
    // Against dive bombers of value 6: INT(60 r) + 40 - q > 60.
    Script s2({0.36f, 0.34f, 0.99f, 0.0001f});
    EXPECT_EQ(bomber_combat(4, 6, 0, s2.draw()), 2);
    EXPECT_EQ(s2.used, 4u);
}

TEST(RaidRules, AntiAircraftFireSplitHitsAndSurvivors) {
    struct Case {
        const char* name;
        FireInput in;
        std::vector<float> draws;
        PartCounts X;
    };
    std::vector<float> twenty_hits;
    for (int i = 0; i < 20; ++i) twenty_hits.insert(twenty_hits.end(), {0.5f, 0.0001f});
    auto with = [](std::vector<float> v, std::initializer_list<float> more) {
        v.insert(v.end(), more);
        return v;
    };
    const Case cases[] = {
        {"no points: no draw", {0, counts(0, 9, 9, 0), 4, 1, 1}, {}, counts(0, 0, 0, 0)},
        {"split 1: every shot at the dive bombers, a split draw each while torpedo bombers fly",
         {2, counts(0, 3, 3, 0), 1, 6, 5}, {0.0001f, 0.84f, 0.0001f, 0.83f}, counts(0, 1, 0, 0)},
        {"no torpedo bombers: no split draw", {2, counts(0, 3, 0, 0), 7, 6, 5}, {0.84f, 0.1f}, counts(0, 1, 0, 0)},
        {"split 7: every shot at the torpedo bombers", {2, counts(0, 3, 3, 0), 7, 6, 5}, {0.99f, 0.67f, 0.99f, 0.66f},
         counts(0, 0, 1, 0)},
        {"value 7 is never hit, 1 always", {2, counts(0, 3, 3, 0), 4, 7, 1}, {0.99f, 0.99f, 0.0001f, 0.0001f},
         counts(0, 0, 1, 0)},
        {"8 torpedo bombers with 20 hits: one draw at 70 %, a survivor", {20, counts(0, 0, 8, 0), 7, 1, 1},
         with(twenty_hits, {0.69f}), counts(0, 0, 7, 0)},
        {"... none above it: all 8 down", {20, counts(0, 0, 8, 0), 7, 1, 1}, with(twenty_hits, {0.71f}),
         counts(0, 0, 8, 0)},
        {"5 torpedo bombers: no survivor draw", {20, counts(0, 0, 5, 0), 7, 1, 1}, twenty_hits, counts(0, 0, 20, 0)},
    };
    for (const Case& c : cases) {
        Script s(c.draws);
        EXPECT_EQ(anti_aircraft_fire(c.in, s.draw()), c.X) << c.name;
        EXPECT_EQ(s.used, c.draws.size()) << c.name;
    }
}

TEST(RaidRules, HitThresholds) {
    struct Case {
        int k;
        float count, offset;
        long threshold;
    };
    const Case cases[] = {{AIR_DIVE_BOMBERS, 7, 0, 150},     {AIR_DIVE_BOMBERS, 8, 0, 165},
                          {AIR_DIVE_BOMBERS, 16, 4, 180},    {AIR_TORPEDO_BOMBERS, 7, 0, 30},
                          {AIR_TORPEDO_BOMBERS, 16, 0, 36},  {AIR_TORPEDO_BOMBERS, 23, 0, 36},
                          {AIR_TORPEDO_BOMBERS, 1, 4, 90},   {AIR_HEAVY_BOMBERS, 40, 0, 10}};
    for (const Case& c : cases) EXPECT_EQ(hit_threshold(c.k, c.count, c.offset), c.threshold) << c.k << " " << c.count;
}

namespace {

AttackInput one_ship(bool carrier, float durability, PartCounts W, float destroyers = 0, float armed = 0) {
    AttackInput in;
    in.carriers = carrier;
    in.targets = {{}, {durability, armed}};
    in.W = W;
    in.destroyers = destroyers;
    return in;
}

/// The draws of one bomb hit on a carrier: pass-over, hit roll, damage, screen, deck, spark.
std::vector<float> bomb_hit(float spark = 0.99f) { return {0.5f, 0.0001f, 0.5f, 0.5f, 0.9f, spark}; }

}  // namespace

TEST(RaidRules, AttacksSumDamageAndDrawEvenWhereDecided) {
    // Three dive-bomber hits on a carrier (0.75) take nothing; the fourth makes 1. Every hit
    // draws its damage (replaced by 0.25), the screen with no destroyer, the deck, and the
    // spark with nothing armed on deck; the type ends at a fifth pass-over draw.
    for (int hits : {3, 4}) {
        std::vector<float> d;
        for (int i = 0; i < hits; ++i) {
            const auto h = bomb_hit();
            d.insert(d.end(), h.begin(), h.end());
        }
        d.push_back(0.5f);
        Script s(d);
        const AttackResult r = resolve_attacks(one_ship(true, 6, counts(0, static_cast<float>(hits), 0, 0)), s.draw());
        EXPECT_EQ(s.used, d.size()) << hits;
        EXPECT_EQ(static_cast<int>(r.PE[1]), hits == 4 ? 1 : 0) << hits;
        EXPECT_EQ(r.hits.size(), static_cast<std::size_t>(hits));
        EXPECT_EQ(r.deck_hits[1], 0) << "a deck draw of 2.7 spares the deck";
    }
    // Five dive-bomber hits on a battleship sum to exactly 1 in single precision; four stay
    // below it. A battleship hit draws pass-over, roll and damage.
    for (int hits : {4, 5}) {
        std::vector<float> d;
        for (int i = 0; i < hits; ++i) d.insert(d.end(), {0.5f, 0.0001f, 0.9f});
        d.push_back(0.5f);
        Script s(d);
        const AttackResult r = resolve_attacks(one_ship(false, 6, counts(0, static_cast<float>(hits), 0, 0)), s.draw());
        EXPECT_EQ(s.used, d.size());
        EXPECT_EQ(r.PE[1] == 1.0f, hits == 5) << hits;
        EXPECT_EQ(static_cast<int>(r.PE[1]), hits == 5 ? 1 : 0) << hits;
    }
    // A torpedo on a battleship is 1 whatever the damage draw; a heavy bomb is half the draw.
    Script t({0.5f, 0.0001f, 0.1f, 0.5f, 0.5f, 0.001f, 0.9f, 0.5f});
    AttackResult r = resolve_attacks(one_ship(false, 6, counts(0, 0, 1, 1)), t.draw());
    EXPECT_EQ(r.PE[1], 1.5f) << "0.5 for the heavy bomb (first), 1 for the torpedo (its draw 2 unused)";
    EXPECT_EQ(t.used, 8u);
    // A destroyer takes the hit when the screen draw exceeds 9 and one is left; nothing else is
    // drawn for that hit.
    Script u({0.5f, 0.0001f, 0.5f, 0.95f, 0.5f});
    r = resolve_attacks(one_ship(true, 6, counts(0, 1, 0, 0), 2), u.draw());
    EXPECT_EQ(r.destroyers, 1);
    EXPECT_EQ(r.PE[1], 0);
    EXPECT_TRUE(r.hits.empty());
    EXPECT_EQ(u.used, 5u);
    // A bomb on a carrier with 22 armed on deck and a re-arming always explodes; a torpedo hit
    // draws no spark.
    AttackInput boom = one_ship(true, 6, counts(0, 1, 1, 0), 0, 22);
    boom.rearm = 5;
    Script v({0.5f, 0.0001f, 0.5f, 0.5f, 0.1f, 0.5f, /*dive*/ 0.5f, 0.0001f, 0.5f, 0.5f, 0.1f, 0.9999f, 0.5f});
    r = resolve_attacks(boom, v.draw());
    EXPECT_EQ(v.used, 13u);
    ASSERT_EQ(r.hits.size(), 2u);
    EXPECT_TRUE(r.hits[0].torpedo);
    EXPECT_FALSE(r.hits[0].explosion);
    EXPECT_TRUE(r.hits[1].explosion);
    EXPECT_EQ(r.deck_hits[1], 2);
}

TEST(RaidRules, AttacksDealOverTheListAndPassOverSunkShips) {
    // Two torpedo bombers against four carriers afloat attack slots 1 and 2 (both miss).
    AttackInput in;
    in.targets = {{}, {6, 0}, {6, 0}, {6, 0}, {6, 0}};
    in.W = counts(0, 0, 2, 0);
    Script s({0.5f, 0.9f, 0.5f, 0.9f, 0.5f});
    AttackResult r = resolve_attacks(in, s.draw());
    EXPECT_EQ(s.used, 5u);
    EXPECT_TRUE(r.hits.empty());
    // A sunk carrier is passed over when 10 r exceeds 1: slot 1 sunk, the bomber goes to slot 2
    // and hits; the next type starts at slot 1 again.
    in.targets[1].durability = 0;
    in.W = counts(0, 1, 1, 0);
    Script t({/*passed over*/ 0.5f, /*slot 2*/ 0.5f, 0.0001f, 0.5f, 0.5f, 0.5f, /*slot 3: done*/ 0.5f,
              /*dive: slot 1 taken at 10 r <= 1, misses*/ 0.09f, 0.9f, /*slot 2: done*/ 0.05f});
    r = resolve_attacks(in, t.draw());
    EXPECT_EQ(t.used, t.draws.size());
    ASSERT_EQ(r.hits.size(), 1u);
    EXPECT_EQ(r.hits[0].slot, 2);
    EXPECT_TRUE(r.hits[0].torpedo);
    EXPECT_EQ(r.PE[2], 2);
    EXPECT_EQ(r.deck_hits[2], 1);
}

TEST(RaidRules, FiresBurnCycleByCycle) {
    // An induced explosion with 4 dive bombers on deck: the first burn (no "進行") takes 1 point
    // and 2 deck points and burns all 4 (one pass draw each at 5 or more); with nothing armed
    // left the fire burns on at every roll until the carrier sinks.
    std::vector<CarrierAboard> cs(2);
    cs[1] = {3, 2, 10, 0, 4, 0, 0};
    Script s({/*burn*/ 0.1f, 0.5f, 0.6f, 0.4f, 0.6f, 0.6f, 0.6f,
              /*roll, burn*/ 0.01f, 0.9f, 0.9f,
              /*the carrier is below 0.5: its fire goes out unrolled*/});
    FireOutcome out = burn_fires(cs, 0, s.draw());
    EXPECT_EQ(s.used, s.draws.size());
    EXPECT_EQ(out.dive_lost, 4);
    EXPECT_EQ(out.carriers[1].dive_deck, 0);
    EXPECT_EQ(out.carriers[1].away, 4);
    EXPECT_EQ(out.carriers[1].durability, 0);
    EXPECT_EQ(out.carriers[1].deck, 6);
    EXPECT_EQ(out.carriers[1].fire, 0);
    EXPECT_EQ(out.spreading, (std::vector<long>{1}));

    // 20 bombers on deck and a re-arming: the first burn destroys 6-12, the fire goes out when
    // the rest plus 5 is below RND x 27. Torpedo-armed burn before bomb-armed.
    cs[1] = {6, 2, 10, 0, 0, 3, 17};
    Script t({0.1f, 0.0001f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, /*roll: 14 + 5 < 19.98*/ 0.74f});
    out = burn_fires(cs, 5, t.draw());
    EXPECT_EQ(t.used, t.draws.size());
    EXPECT_EQ(out.carriers[1].torpedo_deck, 0);
    EXPECT_EQ(out.carriers[1].bomb_deck, 14);
    EXPECT_EQ(out.torpedo_lost, 6);
    EXPECT_EQ(out.carriers[1].durability, 5);
    EXPECT_EQ(out.carriers[1].fire, 0);
    EXPECT_TRUE(out.spreading.empty());

    // Two carriers burning: both rolls first, then both burns, each with its "進行".
    cs.assign(3, {});
    cs[1] = {6, 1, 10, 0, 1, 0, 0};
    cs[2] = {6, 1, 10, 0, 1, 0, 0};
    Script u({/*rolls*/ 0.01f, 0.01f, /*burn 1*/ 0.1f, 0.1f, 0.9f, /*burn 2*/ 0.1f, 0.1f, 0.9f,
              /*rolls: nothing armed, both burn on*/ 0.5f, 0.5f, 0.9f, 0.1f, 0.9f, 0.1f, 0.5f, 0.5f, 0.9f, 0.1f,
              0.9f, 0.1f, 0.5f, 0.5f, 0.9f, 0.1f, 0.9f, 0.1f});
    out = burn_fires(cs, 0, u.draw());
    EXPECT_EQ(u.used, u.draws.size());
    EXPECT_EQ(out.spreading, (std::vector<long>{1, 2, 1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(out.carriers[1].durability, -1) << "the settlement makes a sunk carrier 0";
    EXPECT_EQ(out.carriers[2].durability, -1);
    EXPECT_EQ(out.carriers[1].deck, 2);
}
