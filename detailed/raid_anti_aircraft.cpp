// MORVA95F: the fleet's anti-aircraft fire against an Allied raid (RAID_ANTI_AIRCRAFT): the
// fleet's points from its destroyers, carriers and battleships, the shots divided between the
// high and the low attackers by the player's split, the few attackers of a large formation let
// through, the report, and the raid's end when no bomber is left.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/raid.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// The slots of the damage tally that an attack on the fleet fills.
constexpr int kLastTallySlot = 42;

/// The attackers of a large formation that survive hits on the whole of it: when the hits
/// cover a formation of 6 or more, INT(attackers / 10) + 1 draws each let one through, with a
/// chance that falls by 25 points for every further multiple of the formation hit.
float through_the_fire(float hits, float attackers, const Draw& rnd) {
    if (!(hits >= attackers && attackers >= 6)) return hits;
    const real chance = 120 - 25 * int_floor(L(hits) / L(attackers));
    real survivors = 0;
    for (real i = 1; i <= int_floor(L(attackers) / 10) + 1; ++i)
        if (L(rnd()) * 100 < chance) survivors += 1;
    return con::store(L(attackers) - survivors);
}

/// The fleet's anti-aircraft points: each destroyer 1, each afloat carrier twice its value,
/// each afloat battleship too unless it is detached and slower than the fleet.
float fleet_anti_aircraft(const State& st) {
    const float f = st.FLEET_NO;
    real points = st.DF(DF_OWN_FLEET);
    for (long j = 1; j <= con::round_half_away(st.CV(0, f)); ++j) {
        const float c = st.C(0, f, j);
        if (st.A(0, c, A_DURABILITY) > 0) points += 2 * L(st.A(0, c, A_ANTI_AIRCRAFT));
    }
    for (long j = 1; j <= con::round_half_away(st.BB(0, f)); ++j) {
        const float b = st.G(0, f, j);
        if (st.A(0, b, A_DURABILITY) > 0 && (st.BB_DETACHED == 0 || st.A(0, b, A_SPEED) >= st.S(0)))
            points += 2 * L(st.A(0, b, A_ANTI_AIRCRAFT));
    }
    return con::store(points);
}

bool bombers_left(const State& st) {
    return st.W(AIR_DIVE_BOMBERS) >= 1 || st.W(AIR_TORPEDO_BOMBERS) >= 1 || st.W(AIR_HEAVY_BOMBERS) >= 1;
}

/// A raid without bombers: the closing pause during the harbour raid, else the strikes.
Block leave_raid(const State& st) { return st.PEARL_HARBOR_TURN > 0 ? Block::RaidEnd : Block::BaseStrikeArrival; }

/// Step 9: each part present with its aircraft shot down by the fire and those left.
void report_fire(State& st, PartCounts X) {
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.RAID_FIGHTER_TYPE};
    for (int s = AIR_DIVE_BOMBERS; s <= AIR_HEAVY_BOMBERS; ++s) {
        if (st.W(s) < 1) continue;
        con::locate(con::Col(48), con::Row(2 * s + 9));
        if (X[s] > st.W(s)) X[s] = st.W(s);
        if (X[s] >= 1) st.W(s) = con::store(L(st.W(s)) - L(X[s]));
        report_shot_down(st.NX(types.type_of(s)), X[s], st.W(s), "            残り ");
        con::print_using_end(true);
        if (X[s] >= 1) st.VS(1, s) = con::store(L(st.VS(1, s)) + L(X[s]));
    }
}

}  // namespace

PartCounts anti_aircraft_fire(const FireInput& in, const Draw& rnd) {
    PartCounts X{};
    if (in.points < 1) return X;
    for (real p = 1; p <= L(in.points); ++p) {
        int s = AIR_DIVE_BOMBERS;
        if (in.W[AIR_TORPEDO_BOMBERS] >= 1 && L(rnd()) * 6 + 1 < L(in.split)) s = AIR_TORPEDO_BOMBERS;
        const float resistance = s == AIR_DIVE_BOMBERS ? in.high_resistance : in.low_resistance;
        if (int_floor(L(rnd()) * 6) + 2 > L(resistance)) X[s] = con::store(L(X[s]) + 1);
    }
    X[AIR_TORPEDO_BOMBERS] = through_the_fire(X[AIR_TORPEDO_BOMBERS], in.W[AIR_TORPEDO_BOMBERS], rnd);
    X[AIR_DIVE_BOMBERS] = through_the_fire(X[AIR_DIVE_BOMBERS], in.W[AIR_DIVE_BOMBERS], rnd);
    return X;
}

Block RAID_ANTI_AIRCRAFT(State& st) {
    if (!bombers_left(st)) return leave_raid(st);
    const float points = fleet_anti_aircraft(st);
    for (int row = 8; row <= 22; ++row) con::print_at(con::Col(48), con::Row(row), con::space_string(30));
    con::color(6);
    con::print_at(con::Col(50), con::Row(9), "対空射撃 ");
    con::print_single_item(points);
    con::print_string_item("POINT");
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.RAID_FIGHTER_TYPE};
    const FireInput in{points,
                       {st.W(0), st.W(1), st.W(2), st.W(3)},
                       st.TT(TT_AA_SPLIT),
                       st.Z(types.type_of(AIR_DIVE_BOMBERS), Z_RESISTANCE),
                       st.Z(types.type_of(AIR_TORPEDO_BOMBERS), Z_RESISTANCE)};
    const PartCounts X = anti_aircraft_fire(in, con::rnd);
    for (int j = 1; j <= kLastTallySlot; ++j) st.PE(j) = 0;
    report_fire(st, X);
    PAUSE_MESSAGE(st);
    if (!bombers_left(st)) return leave_raid(st);
    PAUSE_MESSAGE(st);
    con::beep();
    for (int row = 4; row <= 9; ++row) {
        con::print_at(con::Col(1), con::Row(row), con::space_string(20));
        con::print_end();
    }
    return Block::RaidAttacks;
}

}  // namespace morva95f
