// The rules of the Allied raid on the player's fleet, apart from the screen: the raid's types,
// the least patrol against the escorts, the dice and the patrol's losses, the anti-aircraft
// points and fire, the attacks on the ships with their draws, the explosions and the close's
// return column.
#include <gtest/gtest.h>

#include "tests/simplified/raid_support.h"

using namespace simplified_test;
using namespace morva95s;

TEST(RaidRules, TypesFollowTheTargetBaseAlone) {
    struct Case {
        float base;
        const char* escort;
        const char* dive;
        const char* torpedo;
    } cases[] = {
        {8, "HURRICANE", "SPITFIRE", "ALBACORE"},
        {20, "SPITFIRE", "SPITFIRE", "ALBACORE"},
        {14, "Ｆ４Ｆ", "ＳＢＤ", "ＴＢＤ"},
        {6, "Ｆ４Ｆ", "ＳＢＤ", "ＴＢＤ"},
    };
    Loaded st;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        const RaidTypes t = raid_types(c.base);
        EXPECT_EQ(st->NN(t.type_of(RAID_ESCORTS)), c.escort);
        EXPECT_EQ(st->NN(t.type_of(RAID_DIVE)), c.dive);
        EXPECT_EQ(st->NN(t.type_of(RAID_TORPEDO)), c.torpedo);
        EXPECT_EQ(st->NN(t.type_of(RAID_HEAVY)), "Ｂ１７");
    }
}

TEST(RaidRules, LeastNumberCountsTheUnitsAloftFirst) {
    struct Case {
        float escorts, aloft, least;
    } cases[] = {
        {5, 2, 2},   // 2 aloft make 6 attacks
        {8, 2, 3},   // 6 from those aloft, one launched unit the other 2
        {10, 2, 4},  // 6 + 2 launched units of 2
        {12, 3, 5}, {1, 0, 1}, {3, 4, 1}, {6, 2, 2}, {7, 2, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(least_number(c.escorts, c.aloft), c.least) << c.escorts << " escorts, " << c.aloft << " aloft";
}

TEST(RaidRules, PatrolDiceAndTheLossCascade) {
    struct Dice {
        float de, cb;
        con::real dice;
    } dice[] = {{3, 2, 8}, {3, 0, 6}, {3, 4, 9}, {0, 4, 0}, {-1, 4, 0}, {1, 1, 3}};
    for (const auto& c : dice) EXPECT_EQ(patrol_dice(c.de, c.cb), c.dice) << c.de << ", " << c.cb;

    struct Cascade {
        PartCounts before;
        float losses;
        PartCounts after;
    } cascades[] = {
        {{1, 2, 0, 0}, 2, {-1, 1, 0, 0}},  // one patrol unit still fights the dive bombers
        {{1, 1, 1, 0}, 3, {-2, -1, 0, 0}},
        {{3, 0, 0, 2}, 1, {2, 0, 0, 2}},
        {{0, 1, 2, 5}, 3, {-3, -2, 0, 5}},  // the heavy bombers' units are never lost here
    };
    for (const auto& c : cascades) EXPECT_EQ(patrol_after_losses(c.before, c.losses), c.after);
}

// The escorts roll first, one die a unit; then the patrol's dice; both capped.
TEST(RaidRules, EscortCombatRollsEscortsFirstAndCaps) {
    struct Case {
        const char* name;
        EscortInput in;
        std::vector<float> draws;
        float losses, downed;
    } cases[] = {
        {"Ｆ４Ｆ down a patrol unit only on a 6; the patrol downs on 4-6",
         {2, 1, 7, 3, 5},
         {die_face(6), die_face(5), die_face(4), die_face(3), die_face(6)},
         1,
         2},
        {"SPITFIRE escorts down on 5-6; losses capped at the patrol against escorts and bombers",
         {2, 2, 7, 3, 1},
         {die_face(5), die_face(6), die_face(1), die_face(1), die_face(1)},
         1,
         0},
        {"more escorts downed than there are",
         {1, 1, 7, 6, 5},
         {die_face(1), die_face(6), die_face(6), die_face(6), die_face(4), die_face(5), die_face(6)},
         0,
         1},
        {"no patrol dice: only the escorts roll", {2, 1, 7, 0, 0}, {die_face(6), die_face(6)}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws d(c.draws);
        const EscortCombat r = escort_combat(c.in, d.source());
        EXPECT_EQ(r.losses, c.losses);
        EXPECT_EQ(r.downed, c.downed);
        EXPECT_TRUE(d.all_used());
    }
}

TEST(RaidRules, BomberCombatByDefence) {
    struct Case {
        const char* name;
        float defence, units;
        std::vector<float> draws;
        float downed;
    } cases[] = {
        {"ALBACORE falls to every die", 4, 5, {die_face(1), die_face(2), die_face(1)}, 3},
        {"Ｂ１７ only to a 6", 9, 5, {die_face(5), die_face(6), die_face(4)}, 1},
        {"ＳＢＤ to 3-6", 6, 5, {die_face(2), die_face(3), die_face(6)}, 2},
        {"ＴＢＤ to 2-6", 5, 5, {die_face(1), die_face(2)}, 1},
        {"more downed than there are", 4, 2, {die_face(1), die_face(2), die_face(3)}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws d(c.draws);
        EXPECT_EQ(bomber_combat(static_cast<con::real>(c.draws.size()), c.defence, c.units, d.source()), c.downed);
        EXPECT_TRUE(d.all_used());
    }
}

TEST(RaidRules, AntiAircraftPointsFromTheShipsAfloat) {
    RaidFleet st;
    // Four carriers of 2 and two battleships of 1: 5 + 8 + 2 = 15, 8 shots.
    st->CV(0, 1) = 4, st->C(0, 1, 3) = 1, st->C(0, 1, 4) = 2;
    EXPECT_EQ(anti_aircraft_points(*st), 8);
    st->DF(0) = 4;
    EXPECT_EQ(anti_aircraft_points(*st), 7);
    st->A(0, 25, A_DURABILITY) = 0;  // a sunk battleship adds nothing
    st->A(0, 1, A_DURABILITY) = -1;  // nor a sunk carrier
    EXPECT_EQ(anti_aircraft_points(*st), 6);
    st->DF(0) = 0, st->CV(0, 1) = 0, st->BB(0, 1) = 0;
    EXPECT_EQ(anti_aircraft_points(*st), 0);
}

TEST(RaidRules, AntiAircraftFireDrawsATurnOnlyWithTorpedoBombers) {
    struct Case {
        const char* name;
        FireInput in;
        std::vector<float> draws;
        float dive, torpedo;
    } cases[] = {
        {"dive bombers only: no turning draw, ＳＢＤ fall to a 6", {3, 4, 0, 6, 5}, {die_face(6), die_face(5), die_face(6)}, 2, 0},
        {"torpedo bombers only: a shot left on the dive bombers is lost",
         {3, 0, 3, 6, 5},
         {0.2f, die_face(6), 0.5f, die_face(5), 0.9f, die_face(4)},
         0,
         1},
        {"SPITFIRE dive bombers are never downed", {2, 3, 0, 7, 4}, {die_face(6), die_face(6)}, 0, 0},
        {"ALBACORE fall to 4-6", {2, 0, 3, 7, 4}, {0.9f, die_face(4), 0.9f, die_face(3)}, 0, 1},
        {"more kills than bombers",
         {4, 1, 1, 6, 5},
         {0.1f, die_face(6), 0.1f, die_face(6), 0.9f, die_face(6), 0.9f, die_face(6)},
         1,
         1},
        {"no points, no shot", {0, 2, 2, 6, 5}, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws d(c.draws);
        const std::array<float, 3> X = anti_aircraft_fire(c.in, d.source());
        EXPECT_EQ(X[RAID_DIVE], c.dive);
        EXPECT_EQ(X[RAID_TORPEDO], c.torpedo);
        EXPECT_TRUE(d.all_used());
    }
}

namespace {

/// Carriers at durability `d` with working decks and nothing on deck.
HitsInput carriers_at(std::vector<float> d) {
    HitsInput in;
    in.ships.resize(d.size() + 1);
    for (std::size_t k = 1; k <= d.size(); ++k) in.ships[k] = {d[k - 1], 10, 0, 0, 0, 0};
    in.dive_hit = 3, in.torpedo_hit = 6, in.fleet_aa = 5;
    return in;
}

std::vector<long> slots_of(const HitsResult& r, RaidEvent::Kind kind) {
    std::vector<long> slots;
    for (const RaidEvent& e : r.events)
        if (e.kind == kind) slots.push_back(e.slot);
    return slots;
}

}  // namespace

// Every visit draws (also the one that ends a type), every attack on a carrier rolls a die
// and draws, every hit draws for DF(0), every bomb hit rolls for an explosion.
TEST(RaidRules, AttacksOnCarriersDrawInTheirOrder) {
    HitsInput in = carriers_at({6, 6});
    in.ships[1].dive = 1;  // one armed unit: an explosion on a die of 1 or 2
    in.heavy = 1, in.torpedo = 1, in.dive = 1;
    ScriptedDraws d({/*heavy: slot 1*/ 0.5f, die_face(6), 0.5f, 0.95f, die_face(2), /*slot 2 ends it*/ 0.5f,
             /*torpedo: slot 1 misses*/ 0.5f, die_face(5), 0.5f, /*ends*/ 0.5f,
             /*dive: slot 1 hits*/ 0.5f, die_face(3), 0.9f, 0.1f, die_face(3), /*ends*/ 0.5f});
    const HitsResult r = resolve_hits(in, d.source());
    EXPECT_TRUE(d.all_used());
    ASSERT_EQ(r.events.size(), 3u);
    EXPECT_EQ(r.events[0].kind, RaidEvent::Kind::BombHit);
    EXPECT_EQ(r.events[1].kind, RaidEvent::Kind::Explosion);
    EXPECT_EQ(r.events[2].kind, RaidEvent::Kind::BombHit);
    EXPECT_EQ(r.ships[1].durability, con::store(4 - con::L(0.34f)));
    EXPECT_EQ(r.ships[1].deck, 8);
    EXPECT_EQ(r.ships[1].fire, 2);
    EXPECT_EQ(r.ships[1].dive, 1) << "nothing on the deck is lost at the explosion";
    EXPECT_EQ(r.ships[2].durability, 6);
    EXPECT_EQ(r.fleet_aa, 4);
}

TEST(RaidRules, AttacksDealtOneUnitToAShip) {
    struct Case {
        const char* name;
        std::vector<float> durability;
        std::vector<float> draws;
        std::vector<long> hit_slots;
        std::vector<float> after;
    } cases[] = {
        {"four ＴＢＤ units over three carriers: slots 1, 2, 3, 1",
         {6, 6, 6},
         {0.5f, die_face(6), 0.5f, 0.5f, 0.5f, die_face(6), 0.5f, 0.5f, 0.5f, die_face(6), 0.5f, 0.5f, 0.5f, die_face(6), 0.5f, 0.5f,
          0.5f},
         {1, 2, 3, 1},
         {2, 4, 4}},
        {"a sunk carrier is passed over 9 times in 10",
         {6, 0, 6},
         {0.5f, die_face(1), 0.5f, /*slot 2*/ 0.5f, 0.5f, die_face(1), 0.5f, 0.5f, die_face(1), 0.5f, /*slot 2*/ 0.5f, 0.5f,
          die_face(1), 0.5f, /*ends*/ 0.5f},
         {},
         {6, 0, 6}},
        {"and attacked on a draw of 1 or less: a hit takes it below 0",
         {6, 0, 6},
         {0.5f, die_face(1), 0.5f, /*slot 2*/ 0.05f, die_face(6), 0.5f, 0.5f, 0.5f, die_face(1), 0.5f, 0.5f, die_face(1), 0.5f,
          /*slot 2*/ 0.5f, /*ends*/ 0.5f},
         {2},
         {6, -2, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HitsInput in = carriers_at(c.durability);
        in.torpedo = 4;
        ScriptedDraws d(c.draws);
        const HitsResult r = resolve_hits(in, d.source());
        EXPECT_TRUE(d.all_used());
        EXPECT_EQ(slots_of(r, RaidEvent::Kind::TorpedoHit), c.hit_slots);
        for (std::size_t k = 1; k <= c.after.size(); ++k) EXPECT_EQ(r.ships[k].durability, c.after[k - 1]) << k;
        EXPECT_TRUE(slots_of(r, RaidEvent::Kind::Explosion).empty()) << "a torpedo never sets one off";
    }
}

TEST(RaidRules, HitValuesDamageAndTheFleetsAntiAircraft) {
    const float one_bomb = con::store(6 - con::L(0.34f));  // 6 less a dive bomber's hit
    struct Case {
        const char* name;
        int part;  // the one unit that attacks slot 1
        float fleet_aa, rearm, armed_dive;
        std::vector<float> draws;
        bool hit, explosion;
        float durability, fleet_aa_after;
    } cases[] = {
        // clang-format off
        {"heavy bomber: a 6 and a draw of 5 or less", RAID_HEAVY, 5, 0, 0, {0.5f, die_face(6), 0.5f, 0.5f, die_face(1), 0.5f}, true, false, 4, 5},
        {"heavy bomber: a 6 with a draw above 5 misses", RAID_HEAVY, 5, 0, 0, {0.5f, die_face(6), 0.6f, 0.5f}, false, false, 6, 5},
        {"ＳＢＤ on a 3; DF(0) lowered on a draw above 9", RAID_DIVE, 1, 0, 0, {0.5f, die_face(3), 0.5f, 0.95f, die_face(6), 0.5f}, true, false, one_bomb, 0},
        {"DF(0) at 0 is never lowered", RAID_DIVE, 0, 0, 0, {0.5f, die_face(3), 0.5f, 0.95f, die_face(6), 0.5f}, true, false, one_bomb, 0},
        {"ＳＢＤ miss on a 2", RAID_DIVE, 5, 0, 0, {0.5f, die_face(2), 0.5f, 0.5f}, false, false, 6, 5},
        {"one armed unit explodes on a 2", RAID_DIVE, 5, 0, 1, {0.5f, die_face(3), 0.5f, 0.5f, die_face(2), 0.5f}, true, true, one_bomb, 5},
        {"not on a 3", RAID_DIVE, 5, 0, 1, {0.5f, die_face(3), 0.5f, 0.5f, die_face(3), 0.5f}, true, false, one_bomb, 5},
        {"on a 3 while re-arming", RAID_DIVE, 5, 1, 1, {0.5f, die_face(3), 0.5f, 0.5f, die_face(3), 0.5f}, true, true, one_bomb, 5},
        {"three armed units explode on every die", RAID_DIVE, 5, 0, 3, {0.5f, die_face(3), 0.5f, 0.5f, die_face(6), 0.5f}, true, true, one_bomb, 5},
        {"ＴＢＤ on a 6 only", RAID_TORPEDO, 5, 0, 3, {0.5f, die_face(6), 0.5f, 0.5f, 0.5f}, true, false, 4, 5},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HitsInput in = carriers_at({6, 6});
        in.fleet_aa = c.fleet_aa;
        in.rearm = c.rearm;
        in.ships[1].dive = c.armed_dive;
        (c.part == RAID_HEAVY ? in.heavy : c.part == RAID_DIVE ? in.dive : in.torpedo) = 1;
        ScriptedDraws d(c.draws);
        const HitsResult r = resolve_hits(in, d.source());
        EXPECT_TRUE(d.all_used());
        EXPECT_EQ(r.events.empty(), !c.hit);
        EXPECT_EQ(slots_of(r, RaidEvent::Kind::Explosion).size(), c.explosion ? 1u : 0u);
        EXPECT_EQ(r.ships[1].durability, c.durability);
        EXPECT_EQ(r.ships[1].deck, c.hit ? 9 : 10);
        EXPECT_EQ(r.fleet_aa, c.fleet_aa_after);
    }
}

TEST(RaidRules, AttacksOnBattleships) {
    HitsInput in = carriers_at({5, 5});
    in.carriers = false;
    in.heavy = 2, in.dive = 1;
    // Heavy bombers draw their damage (0 or 1) before the die; a hit of 0 still shows.
    ScriptedDraws d({/*slot 1*/ 0.5f, 0.3f, die_face(6), /*slot 2*/ 0.5f, 0.7f, die_face(6), /*ends*/ 0.5f,
             /*dive: slot 1*/ 0.5f, die_face(3), /*ends*/ 0.5f});
    const HitsResult r = resolve_hits(in, d.source());
    EXPECT_TRUE(d.all_used());
    EXPECT_EQ(slots_of(r, RaidEvent::Kind::BombHit), (std::vector<long>{1, 2, 1}));
    EXPECT_EQ(r.ships[1].durability, con::store(5 - con::L(0.25f)));
    EXPECT_EQ(r.ships[2].durability, 4);
    EXPECT_EQ(r.ships[1].deck, 10) << "a battleship loses nothing but durability";
    EXPECT_EQ(r.fleet_aa, 5);
}

TEST(RaidRules, ExplosionsBurnWhileArmedUnitsAreLeft) {
    struct Case {
        const char* name;
        ShipUnderAttack carrier;
        float rearm;
        std::vector<float> draws;
        std::vector<long> spreading;
        ShipUnderAttack after;
    } cases[] = {
        {"one armed unit: one burn, no spreading; the fire goes out with the deck empty",
         {10, 10, 2, 1, 0, 0},
         0,
         {0.9f, die_face(1)},
         {},
         {8, 8, 0, 0, 0, 0}},
        {"three armed units: spreads on a die at most 4, then at most 2, then never",
         {10, 10, 2, 3, 0, 0},
         0,
         {0.9f, die_face(4), 0.9f, die_face(2), 0.9f, die_face(1)},
         {1, 1},
         {4, 4, 0, 0, 0, 0}},
        {"re-arming adds a face", {10, 10, 2, 3, 0, 0}, 1, {0.9f, die_face(5), 0.9f, die_face(4)}, {1}, {6, 6, 0, 1, 0, 0}},
        {"burns stop below half a point, without a die", {2, 10, 2, 3, 0, 0}, 0, {0.9f}, {}, {0, 8, 0, 2, 0, 0}},
        {"a dive bomber is lost on a first draw below 5",
         {10, 10, 2, 1, 1, 1},
         0,
         {0.4f, die_face(6)},
         {},
         {8, 8, 0, 0, 1, 1}},
        {"else a torpedo-armed one on a second draw below 5",
         {10, 10, 2, 1, 1, 1},
         0,
         {0.6f, 0.4f, die_face(6)},
         {},
         {8, 8, 0, 1, 0, 1}},
        {"else a bomb-armed one", {10, 10, 2, 1, 1, 1}, 0, {0.6f, 0.6f, die_face(6)}, {}, {8, 8, 0, 1, 1, 0}},
        {"a missing kind is never chosen", {10, 10, 2, 0, 0, 1}, 0, {0.1f, 0.1f, die_face(1)}, {}, {8, 8, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws d(c.draws);
        const ExplosionsResult r = run_explosions({{}, c.carrier}, c.rearm, d.source());
        EXPECT_TRUE(d.all_used());
        EXPECT_EQ(r.spreading, c.spreading);
        const ShipUnderAttack& a = r.carriers[1];
        EXPECT_EQ(a.durability, c.after.durability);
        EXPECT_EQ(a.deck, c.after.deck);
        EXPECT_EQ(a.fire, c.after.fire);
        EXPECT_EQ(a.dive, c.after.dive);
        EXPECT_EQ(a.torpedo, c.after.torpedo);
        EXPECT_EQ(a.bomb, c.after.bomb);
    }
}

TEST(RaidRules, BaseUnitsReturnOneStageSoonerFromANearBase) {
    EXPECT_EQ(base_return_column(5), Q_HOME);
    EXPECT_EQ(base_return_column(5.1f), Q_BACK_FAR);
    EXPECT_EQ(base_return_column(2), Q_HOME);
    EXPECT_EQ(base_return_column(10), Q_BACK_FAR);
}
