// The rules of the player's strikes that every target shares, from worked values with recorded
// draws: the share-out of the defenders, the escort combat and the defenders' attacks, the
// escorts' victims off the base's stages and off the interceptors, the anti-aircraft fire and
// its shots, the return of the survivors, the bombing of a base (its 4-byte strength) and the
// harbour strike's sweeps.
#include <gtest/gtest.h>

#include "tests/simplified/strike_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;
using Counts = std::array<float, 4>;

V repeat(float draw, int times) { return V(static_cast<std::size_t>(times), draw); }

V concat(std::initializer_list<V> parts) {
    V all;
    for (const V& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

// Up to three defenders per escort unit (two beyond 5 air-distance units) tie the escorts up;
// each one left is shared out by a draw, above 7 in tenths against the dive bombers.
TEST(StrikeAirCombat, ShareOut) {
    struct Case {
        const char* name;
        float patrol, escorts, distance;
        V draws;
        float attacks;
        Counts GE;
        float shared;
    } cases[] = {
        {"distance 5: GE(1) 6 and one draw", 7, 2, 5, {0.75f}, 3, {0, 6, 1, 0}, 1},
        {"distance 6: GE(1) 4 and three draws", 7, 2, 6, {0.75f, 0.5f, 0.1f}, 2, {0, 4, 1, 2}, 3},
        {"no escorts: every defender by a draw", 3, 0, 4, {0.1f, 0.9f, 0.1f}, 3, {0, 0, 1, 2}, 3},
        {"all tied up by the escorts: no draw", 5, 2, 3, {}, 3, {0, 5, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws draws(c.draws);
        const ShareOut s = share_out(c.patrol, c.escorts, c.distance, draws.source());
        EXPECT_EQ(s.ESCORT_ATTACKS, c.attacks);
        EXPECT_EQ(s.GE, c.GE);
        EXPECT_EQ(s.PATROL_UNITS, c.shared);
        EXPECT_TRUE(draws.all_used());
    }
}

// Both sides roll at full strength: a die per defender set against the escorts, then three (or
// two) rolls of the die + 3 per escort; the results are cut to the escorts and to all the
// defenders.
TEST(StrikeAirCombat, EscortExchange) {
    struct Case {
        const char* name;
        float escorts;
        Counts GE;
        float attacks, attack;
        V draws;
        float hit, engaged;
    } cases[] = {
        {"four escorts, one defender: 12 rolls, cut to 1",
         4,
         {0, 1, 0, 0},
         3,
         1,
         concat({{die_face(6)}, repeat(die_face(6), 12)}),
         1,
         1},
        {"die + 1 must pass 6, the escorts' die + 3 too",
         2,
         {0, 2, 0, 0},
         3,
         1,
         concat({{die_face(5), die_face(6)}, repeat(die_face(3), 6)}),
         1,
         0},
        {"the escorts' victims cut to all the defenders",
         2,
         {0, 1, 2, 0},
         3,
         1,
         concat({{die_face(1)}, repeat(die_face(4), 6)}),
         0,
         3},
        {"the escorts lost cut to the escorts",
         1,
         {0, 3, 0, 0},
         2,
         2,
         concat({repeat(die_face(5), 3), repeat(die_face(1), 2)}),
         1,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws draws(c.draws);
        const EscortExchange e = escort_exchange(c.escorts, c.GE, c.attacks, c.attack, draws.source());
        EXPECT_EQ(e.UNITS_HIT, c.hit);
        EXPECT_EQ(e.UNITS_ENGAGED, c.engaged);
        EXPECT_TRUE(draws.all_used());
    }
}

// A die per defender: die + attack above 5 downs a dive bomber, above 4 a torpedo bomber; no
// more than there are; a negative share rolls nothing.
TEST(StrikeAirCombat, BomberLosses) {
    struct Case {
        const char* name;
        float defenders, bombers;
        int type;
        float attack;
        V draws;
        float lost;
    } cases[] = {
        {"dive bombers: die 5 + 1 hits, 4 + 1 not", 3, 3, 2, 1, {die_face(5), die_face(4), die_face(6)}, 2},
        {"torpedo bombers: die 4 + 1 hits, 3 + 1 not", 2, 3, 3, 1, {die_face(4), die_face(3)}, 1},
        {"more hits than bombers", 3, 2, 3, 2, repeat(die_face(6), 3), 2},
        {"a negative share rolls nothing", -2, 3, 2, 1, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws draws(c.draws);
        EXPECT_EQ(bomber_losses(c.defenders, c.bombers, c.type, c.attack, draws.source()), c.lost);
        EXPECT_TRUE(draws.all_used());
    }
}

// The escorts' victims come off the base's fighters aloft stage by stage; off the interceptors
// an excess passes on and leaves negative shares.
TEST(StrikeAirCombat, EscortVictims) {
    struct StageCase {
        float engaged;
        V after;
    } stages[] = {{2, {0, 1, 4}}, {4, {0, 0, 3}}, {1, {0, 2, 4}}, {0, {1, 2, 4}}};
    for (const auto& c : stages) {
        SCOPED_TRACE(c.engaged);
        StrikeFleet st;
        st->Q(QR_FIGHTERS, Q_INTERCEPT) = 1, st->Q(QR_FIGHTERS, Q_INTERCEPT_SECOND) = 2;
        st->Q(QR_FIGHTERS, Q_INTERCEPT_LAST) = 4;
        book_base_fighter_losses(*st, c.engaged);
        EXPECT_EQ((V{st->Q(0, Q_INTERCEPT), st->Q(0, Q_INTERCEPT_SECOND), st->Q(0, Q_INTERCEPT_LAST)}), c.after);
    }
    struct ShareCase {
        float engaged;
        Counts after;
    } shares[] = {{5, {0, -3, -2, 2}}, {3, {0, -1, 0, 4}}, {1, {0, 1, 1, 4}}};
    for (const auto& c : shares) {
        SCOPED_TRACE(c.engaged);
        Counts GE{0, 2, 1, 4};
        book_interceptor_shares(GE, c.engaged);
        EXPECT_EQ(GE, c.after);
    }
    EXPECT_EQ(defending_type_offset(8), 4);
    EXPECT_EQ(defending_type_offset(20), 5);
    EXPECT_EQ(defending_type_offset(14), 0);
}

TEST(StrikeAntiAircraft, Shots) {
    struct Case {
        float value, base, harbour, fleet;
    } cases[] = {
        {0, 0, 0, 0}, {1, 0, 1, 1},  {2, 1, 1, 1},  {3, 1, 1, 2},  {4, 2, 1, 2},  {5, 2, 1, 3},
        {6, 3, 2, 3}, {10, 5, 2, 5}, {11, 5, 3, 6}, {15, 7, 3, 8}, {16, 8, 4, 8}, {20, 10, 4, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(base_aa_shots(c.value), c.base);
        EXPECT_EQ(harbour_aa_shots(c.value), c.harbour);
        EXPECT_EQ(fleet_aa_shots(c.value), c.fleet);
    }
}

// Every shot draws its aim, by the strike as it stood before the fire; a low shot rolls once
// (5 or 6 downs a torpedo bomber), a high shot at the dive bombers (6) and on a miss once more
// low; the kills are cut to the units there were.
TEST(StrikeAntiAircraft, Fire) {
    struct Case {
        const char* name;
        float shots, dive, torpedo;
        V draws;
        float lost_dive, lost_torpedo, dive_left, torpedo_left;
    } cases[] = {
        {"no dive bombers: every shot low, one die", 2, 0, 3, {0.1f, die_face(5), 0.9f, die_face(4)}, 0, 1, 0, 2},
        {"no torpedo bombers: every shot high; a miss rolls low in vain",
         2,
         2,
         0,
         {0.9f, die_face(6), 0.9f, die_face(3), die_face(5)},
         1,
         0,
         1,
         0},
        {"the aim of a draw above 3 in tenths goes low",
         2,
         1,
         1,
         {0.35f, die_face(6), 0.25f, die_face(5), die_face(2)},
         0,
         1,
         1,
         0},
        {"kills beyond the units are cut",
         3,
         1,
         0,
         {0.5f, die_face(6), 0.5f, die_face(6), 0.5f, die_face(6)},
         1,
         0,
         0,
         0},
        {"the aim stays on a group already shot down", 2, 1, 1, {0.5f, die_face(6), 0.5f, die_face(6)}, 0, 1, 1, 0},
        {"no shot, no draw", 0, 2, 2, {}, 0, 0, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws draws(c.draws);
        const AntiAircraftFire fire = fire_at_strike(c.shots, c.dive, c.torpedo, draws.source());
        EXPECT_EQ(fire.L[1], c.lost_dive);
        EXPECT_EQ(fire.L[2], c.lost_torpedo);
        EXPECT_EQ(fire.dive_left, c.dive_left);
        EXPECT_EQ(fire.torpedo_left, c.torpedo_left);
        EXPECT_TRUE(draws.all_used());
    }
}

// The room of a carrier is its air group less what it holds (fighter column 14 left out); the
// survivors are dealt one unit a carrier and pass, sunk carriers passed over.
TEST(StrikeReturn, RoomAndHandBack) {
    StrikeFleet st;
    // 翔鶴 (2, 3, 3) holds one dive bomber in its hangar and its whole patrol in column 14;
    // 瑞鶴 (2, 3, 3) one dive bomber and a fighter on a flight stage; 赤城 is sunk.
    st->D(JAPANESE, 1, D_HANGAR) = 1;
    st->F(JAPANESE, 1, F_CAP_FOUGHT) = 2;
    st->D(JAPANESE, 2, D_HANGAR) = 1;
    st->F(JAPANESE, 2, F_CAP_SECOND) = 1;
    st->A(JAPANESE, 9, A_DURABILITY) = 0;
    st->A(JAPANESE, 9, A_ROOM_DIVE) = 7;
    APPLY_AIR_LOSSES(*st);
    EXPECT_EQ((V{st->A(0, 7, A_ROOM_FIGHTERS), st->A(0, 7, A_ROOM_DIVE), st->A(0, 7, A_ROOM_TORPEDO)}), (V{2, 2, 3}));
    EXPECT_EQ((V{st->A(0, 8, A_ROOM_FIGHTERS), st->A(0, 8, A_ROOM_DIVE), st->A(0, 8, A_ROOM_TORPEDO)}), (V{1, 2, 3}));
    EXPECT_EQ(st->A(0, 9, A_ROOM_DIVE), 7) << "a sunk carrier keeps what its room held";
    st->KO(KO_FIGHTERS) = 4, st->KO(KO_DIVE) = 3, st->KO(KO_TORPEDO) = 2;
    hand_back_survivors(*st, StrikeKind::Base);
    EXPECT_EQ((V{st->D(0, 1, D_BASE_BACK), st->D(0, 2, D_BASE_BACK), st->D(0, 3, D_BASE_BACK)}), (V{2, 1, 0}));
    EXPECT_EQ((V{st->F(0, 1, F_BASE_BACK), st->F(0, 2, F_BASE_BACK), st->F(0, 3, F_BASE_BACK)}), (V{2, 1, 0}));
    EXPECT_EQ((V{st->T(0, 1, T_BASE_BACK), st->T(0, 2, T_BASE_BACK)}), (V{1, 1}));
    EXPECT_EQ((V{st->KO(1), st->KO(2), st->KO(3)}), (V{1, 0, 0})) << "the fighter without room is lost";
}

// The fleet form: the two loads share the torpedo-bomber room, a torpedo-armed unit first in
// each pass; a strike without torpedo bombers hands none back.
TEST(StrikeReturn, FleetForm) {
    StrikeFleet st;
    st->CV(JAPANESE, 1) = 1;
    st->T(JAPANESE, 1, T_HANGAR) = 1;  // room 2
    APPLY_AIR_LOSSES(*st);
    st->KO(KO_TORPEDO) = 3, st->KO(KO_TORPEDO_ARMED) = 1, st->KO(KO_BOMB_ARMED) = 2;
    hand_back_survivors(*st, StrikeKind::Fleet);
    EXPECT_EQ(st->T(0, 1, T_FLEET_BACK_TORPEDO), 1);
    EXPECT_EQ(st->T(0, 1, T_FLEET_BACK_BOMB), 1);
    EXPECT_EQ(st->KO(KO_BOMB_ARMED), 1) << "the bomb-armed unit without room is lost";
    EXPECT_EQ(st->KO(KO_TORPEDO), 3) << "KO(3) itself is not counted down";

    StrikeFleet none;
    APPLY_AIR_LOSSES(*none);
    none->KO(KO_TORPEDO) = 0, none->KO(KO_TORPEDO_ARMED) = 2, none->KO(KO_BOMB_ARMED) = 1;
    hand_back_survivors(*none, StrikeKind::Fleet);
    EXPECT_EQ(none->T(0, 1, T_FLEET_BACK_TORPEDO) + none->T(0, 1, T_FLEET_BACK_BOMB), 0);
    EXPECT_EQ(none->KO(KO_TORPEDO_ARMED) + none->KO(KO_BOMB_ARMED), 0);
}

// The strength is a 4-byte value: each 250 kg hit stores the difference, and the rounding takes
// the whole part of the exact sum with 0.8. Strength 20 after four hits and 5 after four come
// out otherwise in plain 8-byte arithmetic (20 and 4).
TEST(BaseBombing, StrengthAfterHits) {
    struct Case {
        float strength;
        int dive_hits, heavy_hits;
        float after;
        bool destroyed;
    } cases[] =
        {
            {10, 4, 0, 10, false}, {10, 5, 0, 9, false}, {10, 10, 0, 8, false}, {20, 4, 0, 19, false},
            {5, 4, 0, 5, false},   {3, 0, 2, -1, true},  {2, 0, 1, 0, true},    {12, 1, 1, 10, false},
            {0, 1, 0, 0, true},  // a strike in flight when the base fell bombs it again
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.strength << " after " << c.dive_hits << " + " << c.heavy_hits);
        StrikeFleet st;
        st->P(14, P_STRENGTH) = c.strength;
        st->P(14, P_AIR_DEFENCE) = 0;
        st->KO(KO_DIVE) = static_cast<float>(c.dive_hits);
        st->KO(KO_TORPEDO) = static_cast<float>(c.heavy_hits);
        V draws;
        for (int i = 0; i < c.dive_hits; ++i) draws.insert(draws.end(), {hit_face(0), 0.9f});
        for (int i = 0; i < c.heavy_hits; ++i) draws.push_back(hit_face(2));
        draws.push_back(0.5f);
        ScriptedDraws script(draws);
        const BaseBombing b = bomb_base(*st, script.source());
        EXPECT_EQ(st->P(14, P_STRENGTH), c.after);
        EXPECT_EQ(b.destroyed, c.destroyed);
        EXPECT_EQ(st->P(14, P_HOLDER), c.destroyed ? 0 : 1);
        EXPECT_EQ(st->P(14, P_AIR_DEFENCE), 0) << "a silent base stays at 0";
        EXPECT_TRUE(script.all_used());
    }
}

// The draws of KOGEKI4: a miss draws nothing more, a 250 kg hit draws for the guns, and the
// posture draw is made on every call, also with no bomber left.
TEST(BaseBombing, Draws) {
    struct Case {
        const char* name;
        float dive, heavy, tk;
        V draws;
        long dive_hits, heavy_hits;
        float aa, tk_after;
    } cases[] = {
        {"no bomber left: the posture draw alone", 0, 0, 1, {0.9f}, 0, 0, 12, 1},
        {"misses: one draw each", 1, 1, 1, {hit_face(5), hit_face(3), 0.9f}, 0, 0, 12, 1},
        {"a gun silenced above 2 in tenths", 2, 0, 0, {hit_face(4), 0.25f, hit_face(0), 0.15f, 0.9f}, 2, 0, 11, 0},
        {"8 units stir a force keeping its distance", 8, 0, 1, concat({repeat(hit_face(5), 8), {0.5f}}), 0, 0, 12, 0},
        {"... on a draw above 2 in fifths only", 8, 0, 1, concat({repeat(hit_face(5), 8), {0.35f}}), 0, 0, 12, 1},
        {"7 units do not", 4, 3, 1, concat({repeat(hit_face(5), 7), {0.9f}}), 0, 0, 12, 1},
        {"a withdrawing force is not stirred", 8, 0, 2, concat({repeat(hit_face(5), 8), {0.9f}}), 0, 0, 12, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->KO(KO_DIVE) = c.dive, st->KO(KO_TORPEDO) = c.heavy;
        st->TK(1) = c.tk;
        ScriptedDraws draws(c.draws);
        const BaseBombing b = bomb_base(*st, draws.source());
        EXPECT_EQ(b.dive_hits, c.dive_hits);
        EXPECT_EQ(b.torpedo_hits, c.heavy_hits);
        EXPECT_EQ(st->P(14, P_AIR_DEFENCE), c.aa);
        EXPECT_EQ(st->TK(1), c.tk_after);
        EXPECT_EQ(st->KO(KO_DIVE), c.dive) << "the bombers are not lost by attacking";
        EXPECT_TRUE(draws.all_used());
    }
}
