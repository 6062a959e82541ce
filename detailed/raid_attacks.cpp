// MORVA95F: the bomb and torpedo attacks of an Allied raid on the player's fleet (RAID_ATTACKS):
// every bomber left attacks one ship, the carriers while one is afloat, else the battleships;
// hits are marked beside the ship's row and summed per ship, a screening destroyer may take a
// carrier's hit, a carrier's flight deck suffers, and a bomb may set off the aircraft armed on
// its deck. The carriers' whole damage is applied at the end.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/raid.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// The most ships one part's deal visits. Each visit gives an attack at least one time in ten,
/// so the bound is never reached in play.
constexpr long kVisitBound = 1000000;
/// The Allies' contact on a fleet that they have just attacked: located.
constexpr float kLocated = 3;

/// The damage of a hit by part k with the damage draw (1 or 2) on a carrier or a battleship.
real hit_damage(int k, real draw, bool carrier) {
    if (k == AIR_HEAVY_BOMBERS) return carrier ? draw : draw / 2;
    if (k == AIR_TORPEDO_BOMBERS) return carrier ? draw : 1;
    return carrier ? L(0.25f) : L(0.2f);
}

using con::add_to;

/// One aircraft of part k that hits ship j: the battleship's tally, or the carrier's screen,
/// tally, flight deck and (for a bomb) induced explosion.
void resolve_hit(const AttackInput& in, int k, long j, AttackResult& r, const Draw& rnd) {
    const real draw = int_floor(L(rnd()) * 2) + 1;
    if (!in.carriers) {
        add_to(r.PE[j], hit_damage(k, draw, false));
        r.hits.push_back({j, k == AIR_TORPEDO_BOMBERS, false});
        return;
    }
    const real screen = L(rnd()) * 10;
    if (screen > 9 && r.destroyers > 0) {
        add_to(r.destroyers, -1);
        return;
    }
    add_to(r.PE[j], hit_damage(k, draw, true));
    if (L(rnd()) * 3 < 2) add_to(r.deck_hits[j], 1);
    if (k == AIR_TORPEDO_BOMBERS) {
        r.hits.push_back({j, true, false});
        return;
    }
    const real armed = in.targets[j].armed_on_deck;
    const real spark = L(rnd()) * 27;
    r.hits.push_back({j, false, armed > 0 && armed + L(in.rearm) > spark});
}

/// The aircraft of part k dealt over the list in slot order, one a ship, from slot 1 again as
/// often as needed; a ship below 1 is mostly passed over.
void attack_with(const AttackInput& in, int k, AttackResult& r, const Draw& rnd) {
    const long n = static_cast<long>(in.targets.size()) - 1;
    const long threshold = hit_threshold(k, in.W[k], in.offset);
    const real passed_over_above = in.carriers ? 1 : 2;
    real count = 0;
    long j = 1;
    for (long visit = 0; visit < kVisitBound && n >= 1; ++visit, j = j % n + 1) {
        const real pass = L(rnd()) * 10;
        if (in.targets[j].durability < 1 && pass > passed_over_above) continue;
        count += 1;
        if (count > L(in.W[k])) return;
        const real roll = int_floor(L(rnd()) * 1000) + 1;
        if (roll <= threshold) resolve_hit(in, k, j, r, rnd);
    }
}

long carrier_count(const State& st) { return con::round_half_away(st.CV(0, st.FLEET_NO)); }

/// Steps 1 and 2: the heading, and "命中せず" beside every carrier while the last count found
/// one afloat.
void open_attacks(State& st) {
    con::color(2);
    con::print_at(con::Col(6), con::Row(6), "敵の攻撃 !!");
    PAUSE_MESSAGE(st);
    con::color(6);
    if (st.H(H_ON_FLEET) < kLocated) st.H(H_ON_FLEET) = kLocated;
    if (st.OWN_FLEET_AFLOAT < 5) return;
    for (long j = 1; j <= carrier_count(st); ++j) con::print_at(con::Col(24), con::Row(10 + j), "命中せず");
    PAUSE_MESSAGE(st);
}

/// Steps 3 and 4: the recount of the carriers afloat and the list that is attacked.
AttackInput attack_list(State& st) {
    const float f = st.FLEET_NO;
    AttackInput in;
    real afloat = 0;
    for (long j = 1; j <= carrier_count(st); ++j)
        if (st.A(0, st.C(0, f, j), A_DURABILITY) > 0) afloat += 10;
    st.OWN_FLEET_AFLOAT = con::store(afloat);
    in.carriers = afloat > 5;
    const long n = in.carriers ? carrier_count(st) : con::round_half_away(st.BB(0, f));
    in.targets.assign(n + 1, {});
    for (long j = 1; j <= n; ++j) {
        const float s = in.carriers ? st.C(0, f, j) : st.G(0, f, j);
        in.targets[j].durability = st.A(0, s, A_DURABILITY);
        if (in.carriers)
            in.targets[j].armed_on_deck = con::store(L(st.F(0, j, AIR_DIVE_BOMBERS, F_DECK)) +
                                                     L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK)) +
                                                     L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK)));
    }
    in.W = {st.W(0), st.W(1), st.W(2), st.W(3)};
    in.offset = st.ENEMY_TYPE_OFFSET;
    in.destroyers = st.DF(DF_OWN_FLEET);
    in.rearm = st.REARM_FLAG;
    return in;
}

/// The hits' marks in the order made, each with its pause; an induced explosion marks the
/// carrier, which then burns in the aftermath.
void show_hits(State& st, const AttackInput& in, const AttackResult& r) {
    const float f = st.FLEET_NO;
    for (const AttackHit& h : r.hits) {
        con::color(3);
        const char* text = h.torpedo ? "魚雷命中" : "爆弾命中";
        if (in.carriers) {
            con::print_at(con::Col(24), con::Row(10 + h.slot), text);
        } else {
            con::print_at(con::Col(32), con::Row(6 + h.slot), text);
        }
        PAUSE_MESSAGE(st);
        if (!h.explosion) continue;
        con::color(2);
        con::print_at(con::Col(33), con::Row(10 + h.slot), "誘爆発生");
        con::print_end();
        st.A(0, st.C(0, f, h.slot), A_FIRE) = 2;
    }
}

/// The attacks' tallies into the state; the carriers lose the whole part of theirs now.
void apply_attacks(State& st, const AttackInput& in, const AttackResult& r) {
    const float f = st.FLEET_NO;
    st.DF(DF_OWN_FLEET) = r.destroyers;
    for (long j = 1; j < static_cast<long>(in.targets.size()); ++j) {
        st.PE(j) = r.PE[j];
        if (!in.carriers) continue;
        const float c = st.C(0, f, j);
        st.A(0, c, A_FLIGHT_DECK) = con::store(L(st.A(0, c, A_FLIGHT_DECK)) - L(r.deck_hits[j]));
        st.A(0, c, A_DURABILITY) = con::store(L(st.A(0, c, A_DURABILITY)) - int_floor(L(st.PE(j))));
    }
}

}  // namespace

long hit_threshold(int k, float count, float offset) {
    if (k == AIR_HEAVY_BOMBERS) return 10;
    const real base = k == AIR_DIVE_BOMBERS ? 150 : (offset == 0 ? 30 : 90);
    return static_cast<long>(int_floor(base * (10 + int_floor(L(count) / 8)) / 10));
}

AttackResult resolve_attacks(const AttackInput& in, const Draw& rnd) {
    AttackResult r;
    r.PE.assign(in.targets.size(), 0);
    r.deck_hits.assign(in.targets.size(), 0);
    r.destroyers = in.destroyers;
    for (int k = AIR_HEAVY_BOMBERS; k >= AIR_DIVE_BOMBERS; --k)
        if (in.W[k] >= 1) attack_with(in, k, r, rnd);
    return r;
}

Block RAID_ATTACKS(State& st) {
    open_attacks(st);
    const AttackInput in = attack_list(st);
    if (st.OWN_FLEET_AFLOAT == 0 && st.BB(0, st.FLEET_NO) < 1) {
        st.OWN_FLEET_AFLOAT = 5;  // nothing to attack
        return Block::RaidAftermath;
    }
    if (!in.carriers) show_battleship_list(st);
    const AttackResult r = resolve_attacks(in, con::rnd);
    show_hits(st, in, r);
    apply_attacks(st, in, r);
    return Block::RaidAftermath;
}

}  // namespace morva95f
