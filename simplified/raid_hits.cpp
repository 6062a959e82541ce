// MORVA95S: RAID_HITS, the attacks of an Allied raid's bombers on the player's ships: the
// carriers while one is afloat, else the battleships (or, with none, the sunk carriers). Every
// bomber unit attacks one ship, heavy bombers first, then torpedo and dive bombers; a hit
// takes durability by type and target, on a carrier also flight deck and perhaps a point of
// the fleet's own anti-aircraft value, and a bomb may set off the armed units on its deck.
// Each hit is held by a pause; then the explosions, the rounding and the damage report.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// The most ships one type's attacks visit. Every visit of a ship at durability 1 or more
/// spends a unit and one below 1 is taken one time in ten, so the bound is never reached in play.
constexpr long kVisitBound = 1000000;
/// The heavy bombers' hit value, fixed by the rules (not read from `Z`).
constexpr real kHeavyHitValue = 6;

/// What one unit of a type does to a ship: the die it needs and the durability a hit takes.
struct Attack {
    real hit_value;
    real damage;
};

/// Step 4: a unit of `part` attacks battleship k (a heavy bomber draws its damage first).
void attack_battleship(const HitsInput& in, int part, long k, HitsResult& r, const Draw& rnd) {
    Attack a{L(in.dive_hit), L(0.25f)};
    if (part == RAID_HEAVY) a = {kHeavyHitValue, int_floor(L(rnd()) * 2)};
    if (part == RAID_TORPEDO) a = {L(in.torpedo_hit), 1};
    if (die(rnd) < a.hit_value) return;
    ShipUnderAttack& s = r.ships[k];
    s.durability = con::store(L(s.durability) - a.damage);
    r.events.push_back({part == RAID_TORPEDO ? RaidEvent::Kind::TorpedoHit : RaidEvent::Kind::BombHit, k});
}

/// Step 5: a unit of `part` attacks carrier k: a die and a draw (a heavy bomber also needs the
/// draw at 5 or less); a hit's draw for the fleet's anti-aircraft value, and a bomb's die for
/// an induced explosion.
void attack_carrier(const HitsInput& in, int part, long k, HitsResult& r, const Draw& rnd) {
    Attack a{L(in.dive_hit), L(0.34f)};
    if (part == RAID_HEAVY) a = {kHeavyHitValue, 2};
    if (part == RAID_TORPEDO) a = {L(in.torpedo_hit), 2};
    const real roll = die(rnd);
    const real heavy_draw = L(rnd()) * 10;
    if (roll < a.hit_value || (part == RAID_HEAVY && heavy_draw > 5)) return;
    const real aa_draw = L(rnd()) * 10;
    if (aa_draw > 9 && L(r.fleet_aa) > 0) r.fleet_aa = con::store(L(r.fleet_aa) - 1);
    ShipUnderAttack& s = r.ships[k];
    s.durability = con::store(L(s.durability) - a.damage);
    s.deck = con::store(L(s.deck) - 1);
    const bool torpedo = part == RAID_TORPEDO;
    r.events.push_back({torpedo ? RaidEvent::Kind::TorpedoHit : RaidEvent::Kind::BombHit, k});
    if (torpedo) return;
    const real armed = deck_armed_value(s);
    const real spark = die(rnd);  // rolled for every bomb hit, whatever the deck holds
    if (armed > 0 && spark <= armed + L(in.rearm)) {
        r.events.push_back({RaidEvent::Kind::Explosion, k});
        s.fire = 2;
    }
}

/// Step 3 for one type: its units dealt one to a ship over the list from slot 1 in turn.
void attack_with(const HitsInput& in, int part, float units, HitsResult& r, const Draw& rnd) {
    const long n = static_cast<long>(r.ships.size()) - 1;
    real spent = 0;
    long k = 1;
    for (long visit = 0; visit < kVisitBound && n >= 1; ++visit, k = k % n + 1) {
        const real pass = L(rnd()) * 10;
        if (L(r.ships[k].durability) < 1 && pass > 1) continue;
        spent += 1;
        if (spent > L(units)) return;
        if (in.carriers)
            attack_carrier(in, part, k, r, rnd);
        else
            attack_battleship(in, part, k, r, rnd);
    }
}

/// Step 2: the battleship board, yellow, from row 7.
void show_battleship_board(const State& st) {
    con::color(6);
    for (long k = 1; L(k) <= L(st.BB(JAPANESE, st.FLEET_NO)); ++k) {
        const float ship = st.G(JAPANESE, st.FLEET_NO, k);
        con::locate(con::Col(22), con::Row(6 + k));
        con::print_single_item(static_cast<float>(k));
        con::print_at(con::Col(26), con::Row(6 + k), st.MM(JAPANESE, ship));
        con::locate(con::Col(32), con::Row(6 + k));
        con::print_single_item(st.A(JAPANESE, ship, A_DURABILITY));
        con::print_string_item("/");
        con::print_single_item(st.A(JAPANESE, ship, A_FULL_DURABILITY));
        con::print_end();
    }
}

/// The hits and explosions in the order made: a hit in magenta beside the ship with a pause,
/// an explosion in red with none.
void show_events(State& st, const std::vector<RaidEvent>& events, bool carriers) {
    for (const RaidEvent& e : events) {
        if (e.kind == RaidEvent::Kind::Explosion) {
            con::color(2);
            con::print_at(con::Col(33), con::Row(10 + e.slot), "誘爆発生");
            con::print_end();
            continue;
        }
        con::color(3);
        const char* text = e.kind == RaidEvent::Kind::TorpedoHit ? "魚雷命中" : "爆弾命中";
        if (carriers)
            con::print_at(con::Col(24), con::Row(10 + e.slot), text);
        else
            con::print_at(con::Col(32), con::Row(6 + e.slot), text);
        con::print_end();
        PAUSE_MESSAGE(st);
    }
}

/// Step 1: WORK_C, the carriers afloat.
void count_carriers_afloat(State& st) {
    real afloat = 0;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, st.FLEET_NO)); ++k)
        if (L(st.A(JAPANESE, st.C(JAPANESE, st.FLEET_NO, k), A_DURABILITY)) > 0) afloat += 1;
    st.WORK_C = con::store(afloat);
}

}  // namespace

HitsResult resolve_hits(const HitsInput& in, const Draw& rnd) {
    HitsResult r{in.ships, {}, in.fleet_aa};
    const float units[4] = {0, in.dive, in.torpedo, in.heavy};
    for (int part : {RAID_HEAVY, RAID_TORPEDO, RAID_DIVE})
        if (!(L(units[part]) < 1)) attack_with(in, part, units[part], r, rnd);
    return r;
}

Block RAID_HITS(State& st) {
    count_carriers_afloat(st);
    const bool carriers = L(st.WORK_C) > 0 || st.BB(JAPANESE, st.FLEET_NO) == 0;
    if (!carriers) show_battleship_board(st);
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET};
    HitsInput in{attacked_ships(st, carriers),
                 carriers,
                 st.W(RAID_DIVE),
                 st.W(RAID_TORPEDO),
                 st.W(RAID_HEAVY),
                 st.Z(types.type_of(RAID_DIVE), 2),
                 st.Z(types.type_of(RAID_TORPEDO), 2),
                 st.DF(0),
                 st.REARM_FLAG};
    const HitsResult r = resolve_hits(in, con::rnd);
    show_events(st, r.events, carriers);
    apply_to_ships(st, carriers, r.ships);
    st.DF(0) = r.fleet_aa;
    if (L(st.WORK_C) < 1) {
        battleship_report(st);
        return Block::AbortQuestion;
    }
    if (st.W(RAID_DIVE) != 0 || st.W(RAID_HEAVY) != 0) explosions(st);
    carrier_report(st);
    return Block::AbortQuestion;
}

}  // namespace morva95s
