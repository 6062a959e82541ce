// MORVA95F: the attacks of a fleet strike group on an Allied task force: KOGEKI2, the dive
// bombers' 250 kg bombs on its carriers, and KOGEKI3, the torpedo bombers' torpedoes and bombs
// on its carriers or, once none of them is afloat, on its battleships; the screening
// destroyers that take hits, the induced explosions among the armed aircraft on deck and the
// fires that follow; and CLC2, the durability made whole afterwards.
#include "campaign/damage_rounding.h"
#include "campaign/ship_choice.h"
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;
using morva::choose_slot;

/// The first of the Allied carriers (the British ones) that keep their flight deck on half of
/// the dive bombers' hits.
constexpr float kFirstBritishCarrier = 14;
/// The last slot of the ship lists whose damage PE sums.
constexpr int kLastListSlot = 42;
/// A bound on the passes of the fires: each pass that leaves a fire burning has cost that
/// carrier a point of durability, and a carrier below 0.5 stops burning, so the passes end long
/// before it; it only guards against a corrupt durability.
constexpr int kMaxFirePasses = 10000;

using con::add_to;

struct Target {
    float f = 0;  ///< the player's air fleet in operation
    float t = 0;  ///< the Allied task force under attack
};

Target target_of(const State& st) { return {st.TT(TT_FLEET), st.TT(TT_TARGET_TF)}; }

long allied_carriers_of(const State& st, float f) { return con::round_half_away(st.CV(1, f)); }

long allied_battleships_of(const State& st, float f) { return con::round_half_away(st.BB(1, f)); }

/// The Allied bombers spotted on the flight deck of carrier slot k.
real deck_load(const State& st, long k) {
    return L(st.F(1, k, AIR_DIVE_BOMBERS, F_DECK)) + L(st.F(1, k, AIR_TORPEDO_BOMBERS, F_DECK));
}

/// One draw: a screening destroyer takes the hit (one time in ten while the task force has any).
bool destroyer_takes_hit(State& st, float t) {
    const real r = L(con::rnd());
    if (!(r * 10 > 9 && st.DF(t) > 0)) return false;
    add_to(st.DF(t), -1);
    return true;
}

/// The carrier slot a hit falls on: a carrier of task force t, one below 0.1 only on one draw
/// in five. 0 when the list holds no carrier of t.
long carrier_hit(const State& st, Target at) {
    return choose_slot(allied_carriers_of(st, at.f), [&](long k, real r) {
        const float s = st.C(1, at.f, k);
        return st.A(1, s, A_TASK_FORCE) != at.t || (L(st.A(1, s, A_DURABILITY)) * 10 < 1 && r * 10 > 2);
    });
}

/// The battleship slot a hit falls on: a battleship of task force t, one below 0 only on one
/// draw in five. 0 when the list holds no battleship of t.
long battleship_hit(const State& st, Target at) {
    return choose_slot(allied_battleships_of(st, at.f), [&](long k, real r) {
        const float s = st.G(1, at.f, k);
        return st.A(1, s, A_TASK_FORCE) != at.t || (st.A(1, s, A_DURABILITY) < 0 && r * 10 > 2);
    });
}

/// One draw against the deck load of slot k: the bomb sets off the armed aircraft on deck.
void induced_explosion(State& st, long k, float s, StrikeReport& report) {
    const real r = L(con::rnd());
    if (!(r * 27 + 1 < deck_load(st, k))) return;
    report.push_back({50, 14, 2, "誘爆発生"});
    st.A(1, s, A_FIRE) = 2;
}

/// The whole points of each slot's damage sum come off the durability of the list's ships.
template <class ShipOf>
void apply_damage_sums(State& st, long n, ShipOf ship_of) {
    for (long k = 1; k <= n; ++k) {
        float& durability = st.A(1, ship_of(k), A_DURABILITY);
        durability = con::store(L(durability) - con::int_floor(L(st.PE(k))));
    }
}

void apply_carrier_damage(State& st, float f) {
    apply_damage_sums(st, allied_carriers_of(st, f), [&](long k) { return st.C(1, f, k); });
}

/// A fire that burns on carrier slot k: its cost in durability, flight deck and aircraft on deck.
void burn(State& st, long k, float s, StrikeReport& report) {
    report.push_back({54, 15, 2, "進行", false, After::Pause});
    st.A(1, s, A_FIRE) = 1;
    add_to(st.A(1, s, A_DURABILITY), -1);
    add_to(st.A(1, s, A_FLIGHT_DECK), -2);
    real destroyed = con::int_floor(L(con::rnd()) * 5) + 6;
    const int type = L(con::rnd()) * 10 < 5 ? AIR_TORPEDO_BOMBERS : AIR_DIVE_BOMBERS;
    float& on_deck = st.F(1, k, type, F_DECK);
    if (destroyed > on_deck) destroyed = on_deck;
    add_to(on_deck, -destroyed);
    add_to(st.A(1, s, A_AIRCRAFT_AWAY), destroyed);
}

/// One pass of the fire checks: a carrier below 0.5 has no fire; a fire burns on while its draw
/// stays within the deck load.
void check_fires(State& st, float f) {
    for (long k = 1; k <= allied_carriers_of(st, f); ++k) {
        const float s = st.C(1, f, k);
        if (st.A(1, s, A_DURABILITY) < 0.5f) {
            st.A(1, s, A_FIRE) = 0;
        } else if (st.A(1, s, A_FIRE) == 1) {
            const real r = L(con::rnd());
            st.A(1, s, A_FIRE) = r * 27 + 1 <= deck_load(st, k) ? 1 : 0;
        }
    }
}

/// The explosions of the attack become fires, which burn pass after pass until none is left.
void burn_ship_fires(State& st, float f, StrikeReport& report) {
    for (int pass = 0; pass < kMaxFirePasses; ++pass) {
        check_fires(st, f);
        bool burning = false;
        for (long k = 1; k <= allied_carriers_of(st, f); ++k) {
            const float s = st.C(1, f, k);
            if (st.A(1, s, A_DURABILITY) < 0.5f || st.A(1, s, A_FIRE) == 0) continue;
            burn(st, k, s, report);
            burning = true;
        }
        if (!burning) return;
    }
}

/// One dive bomber's 250 kg bomb on a carrier of the task force.
void dive_bomb(State& st, Target at, real& counter, StrikeReport& report) {
    const long k = carrier_hit(st, at);
    if (k == 0) return;
    const float s = st.C(1, at.f, k);
    const real r = L(con::rnd());
    if (s < kFirstBritishCarrier || r * 10 > 5) add_to(st.A(1, s, A_FLIGHT_DECK), -1);
    add_to(st.PE(k), L(0.2f));
    counter += 1;
    report.push_back(
        {50, 13, static_cast<int>(con::mod(counter, 7)) + 1, "２５０Ｋｇ爆弾命中", false, After::ShortPause});
    induced_explosion(st, k, s, report);
}

/// Whether the torpedo bombers attack the task force's battleships: only when the harbour raid
/// is not under way, no carrier of the task force is afloat, and the task force holds a
/// battleship of the list (without one the hits go to its carriers).
bool attacks_battleships(const State& st, Target at) {
    if (st.TT(TT_HARBOUR_STRIKE) == 1 || st.BB(1, at.f) < 1) return false;
    for (long k = 1; k <= allied_carriers_of(st, at.f); ++k) {
        const float s = st.C(1, at.f, k);
        if (st.A(1, s, A_TASK_FORCE) == at.t && st.A(1, s, A_DURABILITY) > 0) return false;
    }
    for (long k = 1; k <= allied_battleships_of(st, at.f); ++k)
        if (st.A(1, st.G(1, at.f, k), A_TASK_FORCE) == at.t) return true;
    return false;
}

/// A torpedo or bomb on a battleship of the task force.
void torpedo_bomber_hits_battleship(State& st, Target at, bool torpedo, int colour, StrikeReport& report) {
    const long k = battleship_hit(st, at);
    if (k != 0) add_to(st.PE(k), torpedo ? 1 : L(0.25f));
    report.push_back({50, 19, colour, torpedo ? "魚雷命中" : "爆弾命中", torpedo});
}

/// A torpedo (1 or 2 points) or a bomb (0.1 and 0.25) on a carrier of the task force; a bomb
/// may set off the aircraft on its deck. With no carrier to hit the message still shows.
void torpedo_bomber_hits_carrier(State& st, Target at, bool torpedo, int colour, StrikeReport& report) {
    const long k = allied_carriers_of(st, at.f) < 1 ? 0 : carrier_hit(st, at);
    const float s = k == 0 ? 0 : st.C(1, at.f, k);
    if (s > 0) add_to(st.A(1, s, A_FLIGHT_DECK), -1);
    if (torpedo) {
        if (s > 0) {
            add_to(st.PE(k), con::int_floor(L(con::rnd()) * 2));
            add_to(st.PE(k), 1);
        }
        report.push_back({50, 19, colour, "魚雷命中", true});
        return;
    }
    if (s > 0) {
        add_to(st.PE(k), L(0.1f));
        add_to(st.PE(k), L(0.25f));
    }
    report.push_back({50, 19, colour, "爆弾命中"});
    if (s > 0)
        induced_explosion(st, k, s, report);
    else
        static_cast<void>(con::rnd());  // the explosion's draw, against no deck load
}

}  // namespace

void clear_damage_sums(State& st) {
    for (int k = 1; k <= kLastListSlot; ++k) st.PE(k) = 0;
}

void split_torpedo_bomber_loads(State& st) {
    if (st.KO(5) >= st.KO(3)) {
        st.KO(5) = st.KO(3);
        st.KO(4) = 0;
    } else {
        st.KO(4) = con::store(L(st.KO(3)) - L(st.KO(5)));
    }
}

StrikeReport dive_bomber_attack(State& st) {
    const Target at = target_of(st);
    clear_damage_sums(st);
    StrikeReport report{{48, 11, 6, st.NX(2) + " の攻撃", true, After::Nothing, true}};
    real counter = 2;
    const real chance =
        25 * (10 + con::int_floor(L(st.KO(2)) / 8)) / 10 -
        con::int_floor((L(st.VS(0, AIR_DIVE_BOMBERS)) - L(st.VS(0, VS_RETURN_LOSSES + AIR_DIVE_BOMBERS))) / 20);
    const real bombers = st.KO(2);
    for (real j = 1; j <= bombers; ++j) {
        const real r = con::int_floor(L(con::rnd()) * 100);
        if (chance < r) continue;
        if (destroyer_takes_hit(st, at.t)) continue;
        dive_bomb(st, at, counter, report);
    }
    apply_carrier_damage(st, at.f);
    burn_ship_fires(st, at.f, report);
    return report;
}

void KOGEKI2(State& st) { play(st, dive_bomber_attack(st)); }

StrikeReport torpedo_bomber_attack(State& st) {
    const Target at = target_of(st);
    clear_damage_sums(st);
    split_torpedo_bomber_loads(st);
    StrikeReport report{{48, 17, 6, st.NX(3) + " の攻撃", true, After::Nothing, true}};
    int colour = 2;
    const bool on_battleships = attacks_battleships(st, at);
    const real aircraft = st.KO(3), torpedoes = st.KO(4);
    const real losses =
        con::int_floor((L(st.VS(0, AIR_TORPEDO_BOMBERS)) - L(st.VS(0, VS_RETURN_LOSSES + AIR_TORPEDO_BOMBERS))) / 4);
    for (real j = 1; j <= aircraft; ++j) {
        const bool torpedo = j <= torpedoes;
        const real base = torpedo ? 100 : 50;
        const real chance = con::int_floor(base * (10 + con::int_floor(aircraft / 8)) / 10) - losses;
        const real r = con::int_floor(L(con::rnd()) * 1000);
        if (chance < r) continue;
        if (destroyer_takes_hit(st, at.t)) continue;
        const int hit_colour = colour;
        colour = colour + 1 == 7 ? 2 : colour + 1;
        if (on_battleships)
            torpedo_bomber_hits_battleship(st, at, torpedo, hit_colour, report);
        else
            torpedo_bomber_hits_carrier(st, at, torpedo, hit_colour, report);
        report.back().after = After::ShortPause;
    }
    if (on_battleships) {
        apply_damage_sums(st, allied_battleships_of(st, at.f), [&](long k) { return st.G(1, at.f, k); });
        return report;
    }
    apply_carrier_damage(st, at.f);
    burn_ship_fires(st, at.f, report);
    return report;
}

void KOGEKI3(State& st) { play(st, torpedo_bomber_attack(st)); }

void CLC2(State& st) { morva::CLC2(st.TT, st.CV, st.C, st.BB, st.G, st.A); }

}  // namespace morva95f
