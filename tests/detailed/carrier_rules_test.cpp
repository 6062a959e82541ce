// The rules of the carrier deck work with their worked values: the night limits of a strike,
// the lock onto a task force, the torpedo bombers' loads, the deck capacity, the change of
// loads that the arming marks, and the carrier-by-carrier passes of every move.
#include <gtest/gtest.h>

#include "detailed/carrier_operations.h"
#include "tests/detailed/carrier_support.h"

using namespace detailed_test;
using namespace morva95f;

TEST(CarrierRules, NightLimits) {
    const struct {
        float step, distance;
        bool arrives, returns;
    } strikes[] = {
        {14, 50, false, true},  // the return warning only
        {13, 51, false, true},  // the warning
        {14, 51, true, true},   // called off
        {12, 50, false, false}, {13, 50, false, false}, {12, 102, false, true},
        {13, 102, true, true},  {2, 663, true, true},   {2, 662, false, true},
    };
    for (const auto& c : strikes) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << ", " << c.distance << " units");
        EXPECT_EQ(arrives_at_night(c.step, c.distance), c.arrives);
        EXPECT_EQ(returns_at_night(c.step, c.distance), c.returns);
    }
    // A locked strike: the bound is 15 below 10 units, 14 from 10 to 60, 13 from 61 to 109.
    const struct {
        float step, distance;
        bool night;
    } locked[] = {{14, 61, true},  {13, 61, false}, {14, 60, false}, {14, 9, false},
                  {14, 10, false}, {14, 109, true}, {13, 109, false}};
    for (const auto& c : locked)
        EXPECT_EQ(locked_strike_at_night(c.step, c.distance), c.night) << c.step << " " << c.distance;
}

TEST(CarrierRules, HeadingLocksOntoTheFirstForceInContact) {
    const struct {
        const char* name;
        float pd1, pk1, h1, pd2, pk2, h2, heading, code;
    } cases[] = {
        {"both at 45 in contact: the first", 45, 100, 2, 45, 80, 3, 45, 1100},
        {"the first not found: the second", 45, 100, -1, 45, 80, 3, 45, 2080},
        {"a lapsed contact does not lock", 45, 100, 0, 90, 80, 3, 45, 0},
        {"110 units never lock", 45, 110, 4, 90, 80, 3, 45, 0},
        {"109 units lock", 45, 109, 4, 90, 80, 3, 45, 1109},
        {"a fraction never locks", 45, 100, 4, 90, 80, 3, 45.5f, 0},
        {"another heading", 45, 100, 4, 90, 80, 3, 46, 0},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->PD(1) = c.pd1, st->PK(1) = c.pk1, st->H(1) = c.h1;
        st->PD(2) = c.pd2, st->PK(2) = c.pk2, st->H(2) = c.h2;
        st->H(3) = -1;
        EXPECT_EQ(fleet_strike_target(*st, c.heading), c.code) << c.name;
    }
}

TEST(CarrierRules, TorpedoBomberLoads) {
    // Without the raid's surprise: a base strike flies bombs, a fleet strike torpedoes first.
    const struct {
        float group, n, torpedo_ready, torpedo, bomb;
    } strikes[] = {{0, 4, 6, 0, 4}, {1, 8, 6, 6, 2}, {1, 5, 6, 5, 0}, {2, 6, 6, 6, 0}, {3, 3, 0, 0, 3}};
    for (const auto& c : strikes) {
        const Loads l = strike_loads(c.group, c.n, c.torpedo_ready);
        EXPECT_EQ(l.torpedo, c.torpedo) << c.group << " " << c.n;
        EXPECT_EQ(l.bomb, c.bomb) << c.group << " " << c.n;
    }
    // The loads decided without a question: all of them, or one load only.
    const struct {
        float n, ready, torpedo_ready, bomb_ready;
        bool fixed;
        float torpedo, bomb;
    } splits[] = {
        {10, 10, 6, 4, true, 6, 4}, {5, 10, 6, 4, false, 0, 0}, {5, 6, 6, 0, true, 5, 0},
        {3, 4, 0, 4, true, 0, 3},   {4, 4, 0, 4, true, 0, 4},
    };
    for (const auto& c : splits) {
        const auto l = fixed_loads(c.n, c.ready, c.torpedo_ready, c.bomb_ready);
        ASSERT_EQ(l.has_value(), c.fixed) << c.n << " of " << c.ready;
        if (!l) continue;
        EXPECT_EQ(l->torpedo, c.torpedo);
        EXPECT_EQ(l->bomb, c.bomb);
    }
}

TEST(CarrierRules, DeckCapacityAndTheChangeOfLoads) {
    EXPECT_EQ(deck_capacity(135), 68);
    EXPECT_EQ(deck_capacity(136), 68);
    EXPECT_EQ(deck_capacity(0), 0);
    // Arming `count` of 18 torpedo bombers, `torpedo` and `bomb` of them armed so before.
    const struct {
        float count, hangar, torpedo, bomb;
        bool changed;
    } arming[] = {
        {9, 18, 9, 9, false},  // the same totals, whichever carrier holds them
        {0, 18, 9, 0, true},   // fewer torpedoes than were loaded
        {0, 18, 0, 9, false},  // all bombs, none had torpedoes
        {18, 18, 0, 9, true},  // torpedoes for those that carried bombs
        {18, 18, 9, 0, false}, {10, 18, 9, 9, true},
    };
    for (const auto& c : arming)
        EXPECT_EQ(arming_changes_loads(c.count, c.hangar, c.torpedo, c.bomb), c.changed) << c.count << " " << c.torpedo;
}

TEST(CarrierPasses, StrikeTakeOneAircraftPerCarrierAndPass) {
    Loaded st;
    carrier_fleet(*st, 3);
    const float deck[] = {0, 5, 2, 0};
    for (int j = 1; j <= 3; ++j) st->F(0, j, AIR_FIGHTERS, F_DECK) = deck[j];
    st->LAUNCH_GROUP = 2;
    st->T(2, 3, T_FIGHTERS) = 0;
    st->KK(1) = 6;
    take_strike_aircraft(*st, 1);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK), 1) << "slot 1 gave 4";
    EXPECT_EQ(st->F(0, 2, AIR_FIGHTERS, F_DECK), 0) << "slot 2 gave 2";
    EXPECT_EQ(st->A(0, 1, A_AIRCRAFT_AWAY), 4);
    EXPECT_EQ(st->A(0, 2, A_AIRCRAFT_AWAY), 2);
    EXPECT_EQ(st->A(0, 3, A_AIRCRAFT_AWAY), 0);
    EXPECT_EQ(st->T(2, 3, T_FIGHTERS), 6);
    EXPECT_EQ(st->KK(1), 0);

    // Torpedo bombers: torpedo-armed ones while torpedo loads remain, then bomb-armed ones.
    Loaded tb;
    carrier_fleet(*tb, 2);
    tb->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 2, tb->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 1;
    tb->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 3;
    tb->LAUNCH_GROUP = 1, tb->TORPEDO_LOAD = 2, tb->BOMB_LOAD = 2, tb->KK(3) = 4;
    take_strike_aircraft(*tb, 3);
    EXPECT_EQ(tb->T(1, 3, T_TORPEDO_BOMBERS), 2);
    EXPECT_EQ(tb->T(1, 3, T_BOMB_ARMED), 2);
    EXPECT_EQ(tb->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 1) << "slot 1 keeps its bomb-armed one";
    EXPECT_EQ(tb->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 1);
    EXPECT_EQ(tb->TORPEDO_LOAD, 0);
    EXPECT_EQ(tb->BOMB_LOAD, 0);
}

TEST(CarrierPasses, OnlyOperationalCarriersGive) {
    const struct {
        float deck, durability;
        bool gives;
    } cases[] = {{7.5f, 10, false}, {10, 2.9f, false}, {8, 3, true}};
    for (const auto& c : cases) {
        Loaded st;
        carrier_fleet(*st, 2);
        st->A(0, 1, A_FLIGHT_DECK) = c.deck, st->A(0, 1, A_DURABILITY) = c.durability;
        st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK) = 3, st->F(0, 2, AIR_DIVE_BOMBERS, F_DECK) = 3;
        st->LAUNCH_GROUP = 0, st->KK(2) = 2;
        take_strike_aircraft(*st, 2);
        EXPECT_EQ(st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK), c.gives ? 2 : 3) << c.deck << " " << c.durability;
        EXPECT_EQ(st->F(0, 2, AIR_DIVE_BOMBERS, F_DECK), c.gives ? 2 : 1);
    }
}

TEST(CarrierPasses, SurpriseRaidCarriesTheStocksWhileTheyLast) {
    for (float raid : {1.0f, 2.0f}) {
        Loaded st;
        carrier_fleet(*st, 1);
        st->PEARL_HARBOR_TURN = raid;
        st->HW(HW_TORPEDOES) = 1;
        st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 3;
        st->LAUNCH_GROUP = 0, st->TORPEDO_LOAD = 3, st->BOMB_LOAD = 0, st->KK(3) = 3;
        take_strike_aircraft(*st, 3);
        EXPECT_EQ(st->T(0, 3, T_TORPEDO_BOMBERS), 3);
        EXPECT_EQ(st->HW(HW_TORPEDOES_FLYING), raid == 1 ? 1 : 0) << raid;
        EXPECT_EQ(st->HW(HW_TORPEDOES), raid == 1 ? 0 : 1) << raid;
    }
}

TEST(CarrierPasses, APassThatMovesNothingEndsTheMoves) {
    // A count beyond what the decks hold never reaches the take through the dialogues; should
    // one come, the take stops after the pass that finds nothing.
    Loaded st;
    carrier_fleet(*st, 2);
    st->F(0, 1, AIR_FIGHTERS, F_DECK) = 2, st->F(0, 2, AIR_FIGHTERS, F_DECK) = 1;
    st->LAUNCH_GROUP = 1, st->KK(1) = 5;
    take_strike_aircraft(*st, 1);
    EXPECT_EQ(st->KK(1), 2);
    EXPECT_EQ(st->T(1, 3, T_FIGHTERS), 3);
}

TEST(CarrierPasses, PatrolSpottingArmingAndStrikingDown) {
    // The patrol: 6 fighters from 5, 1 and 4 on deck: slots give 3, 1 and 2.
    Loaded p;
    carrier_fleet(*p, 3);
    const float fighters[] = {0, 5, 1, 4};
    for (int j = 1; j <= 3; ++j) p->F(0, j, AIR_FIGHTERS, F_DECK) = fighters[j];
    p->INPUT_NUM = 6;
    send_patrol_fighters(*p);
    const float patrol[] = {0, 3, 1, 2};
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(p->F(0, j, AIR_FIGHTERS, F_PATROL_FIRST), patrol[j]) << j;
        EXPECT_EQ(p->A(0, j, A_AIRCRAFT_AWAY), patrol[j]) << j;
    }
    // The spotting: 4 fighters from hangars of 5, 0 and 2: slot 1 gives two, slot 3 two.
    Loaded s;
    carrier_fleet(*s, 3);
    s->F(0, 1, AIR_FIGHTERS, F_HANGAR) = 5, s->F(0, 3, AIR_FIGHTERS, F_HANGAR) = 2;
    s->INPUT_NUM = 4;
    raise_aircraft(*s, 1);
    EXPECT_EQ(s->F(0, 1, AIR_FIGHTERS, F_HANGAR), 3);
    EXPECT_EQ(s->F(0, 3, AIR_FIGHTERS, F_DECK), 2);
    // Torpedo bombers keep their loads: count 3 with a share of 1 from two carriers of 1 + 1.
    Loaded t;
    carrier_fleet(*t, 2);
    for (int j = 1; j <= 2; ++j)
        t->F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 1, t->F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 1;
    t->INPUT_NUM = 3, t->TORPEDO_LOAD = 1, t->BOMB_LOAD = 2;
    raise_aircraft(*t, 3);
    EXPECT_EQ(t->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK), 1);
    EXPECT_EQ(t->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 1);
    EXPECT_EQ(t->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 1);
    EXPECT_EQ(t->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 1) << "slot 2 keeps its torpedo-armed one";
    // Without a stock the counts left stay as they are.
    Loaded z;
    carrier_fleet(*z, 1);
    z->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 2, z->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 2;
    z->HW(HW_TORPEDOES) = 0, z->HW(HW_BOMBS) = 1, z->HW(HW_ARMING_TORPEDOES) = 7, z->HW(HW_ARMING_BOMBS) = 7;
    z->INPUT_NUM = 4, z->TORPEDO_LOAD = 2, z->BOMB_LOAD = 2;
    raise_aircraft(*z, 3);
    EXPECT_EQ(z->HW(HW_ARMING_TORPEDOES), 7);
    EXPECT_EQ(z->HW(HW_ARMING_BOMBS), 5);
    // Striking down: 4 fighters from decks of 5, 1 and 0: slot 1 gives 3, slot 2 one.
    Loaded d;
    carrier_fleet(*d, 3);
    d->F(0, 1, AIR_FIGHTERS, F_DECK) = 5, d->F(0, 2, AIR_FIGHTERS, F_DECK) = 1;
    d->INPUT_NUM = 4;
    strike_down_aircraft(*d, 1);
    EXPECT_EQ(d->F(0, 1, AIR_FIGHTERS, F_HANGAR), 3);
    EXPECT_EQ(d->F(0, 2, AIR_FIGHTERS, F_HANGAR), 1);
    // Torpedo bombers 2 + 2 from decks of 3 + 3 and 1 + 1: one pass, two from each carrier.
    Loaded b;
    carrier_fleet(*b, 2);
    const float each[] = {0, 3, 1};
    for (int j = 1; j <= 2; ++j)
        b->F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = each[j],
                                        b->F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = each[j];
    b->TORPEDO_LOAD = 2, b->BOMB_LOAD = 2;
    strike_down_aircraft(*b, 3);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(b->F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 1) << j;
        EXPECT_EQ(b->F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 1) << j;
    }
}

TEST(CarrierPasses, ArmingSpreadsTheLoadsOverTheCarriers) {
    Loaded st;
    carrier_fleet(*st, 2);
    st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 9, st->F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED) = 9;
    arm_torpedo_bombers(*st, 9, 9);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 5);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 4);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 4);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 5);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED), 0);
}
