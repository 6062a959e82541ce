// MORVA95S: KOGEKI2 and KOGEKI3, the attacks of the strike's bombers on the Allied force: the
// dive bombers' 250 kg bombs on its carriers with the induced explosions among the aircraft on
// the target's deck and the fires they feed, and the torpedo bombers' torpedoes and bombs on
// its carriers or, once none is afloat, its battleships. Each unit rolls to hit; a hit picks
// its ship, wears the force's own guns on a draw and is shown with a wait.
#include "campaign/ship_choice.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kHeadingColour = 6;
/// Red, for the explosions and the fires' spreads.
constexpr int kExplosionColour = 2;
/// Allied ships from this number on (the British carriers) lose their flight deck only on
/// every other 250 kg hit, by draw.
constexpr int kBritishCarriers = 14;
/// The most rounds of the fires. Every further round of a fire takes a unit off its deck, so
/// fires end long before; the bound only guards against a deck count that never falls.
constexpr int kMaxFireRounds = 1000;

/// The wait after a hit, fixed when the routine starts.
con::real hit_wait(const State& st) { return con::int_floor(L(st.TT(TT_WAIT)) / 10); }

/// The force's own guns worn down on a draw above 9 in tenths.
void wear_guns(State& st, const Draw& rnd) {
    const con::real draw = L(rnd());
    if (draw * 10 > 9 && L(st.DF(1)) > 0) st.DF(1) = con::store(L(st.DF(1)) - 1);
}

/// Lowers a value by `by` (a 4-byte value), stored.
void lower(float& v, float by) { v = con::store(L(v) - L(by)); }

/// Twice the bomber units on the deck of the Allied carrier in slot k.
con::real deck_load(const State& st, long slot) {
    return 2 * (L(st.D(ALLIED, slot, AL_DECK)) + L(st.T(ALLIED, slot, AL_DECK)));
}

/// The colour of the next dive-bomber hit: the counter, then (counter MOD 7) + 1.
int next_dive_colour(int& counter) { return ++counter % 7 + 1; }

/// One 250 kg hit on a carrier of the force: its deck, its durability, the explosion test.
void bomb_carrier(State& st, float fleet, long slot, std::vector<AttackEvent>& events, int& counter, const Draw& rnd) {
    const float ship = st.C(ALLIED, fleet, slot);
    const con::real deck_draw = L(rnd());
    if (L(ship) < kBritishCarriers || deck_draw * 10 > 5) lower(st.A(ALLIED, ship, A_FLIGHT_DECK), 1);
    lower(st.A(ALLIED, ship, A_DURABILITY), 0.25f);
    events.push_back({AttackEvent::Kind::BombHit, next_dive_colour(counter)});
    if (die(rnd) < deck_load(st, slot)) {
        events.push_back({AttackEvent::Kind::Explosion});
        st.A(ALLIED, ship, A_FIRE) = 2;
    }
}

/// Pass A of the fires: a carrier below 0.5 stops burning; a burning one goes out when a die
/// plus 1 passes its deck load.
void fires_go_on(State& st, float fleet, const Draw& rnd) {
    for (long k = 1; L(k) <= L(st.CV(ALLIED, fleet)); ++k) {
        float& fire = st.A(ALLIED, st.C(ALLIED, fleet, k), A_FIRE);
        if (L(st.A(ALLIED, st.C(ALLIED, fleet, k), A_DURABILITY)) < 0.5L)
            fire = 0;
        else if (fire == 1 && con::int_floor(L(rnd()) * 6) + 2 > deck_load(st, k))
            fire = 0;
    }
}

/// Pass B: every carrier still afloat with a fire loses 2 points of durability and flight
/// deck and one bomber unit off its deck. Returns whether any burns on.
bool fires_spread(State& st, float fleet, std::vector<AttackEvent>& events, const Draw& rnd) {
    for (long k = 1; L(k) <= L(st.CV(ALLIED, fleet)); ++k) {
        const float ship = st.C(ALLIED, fleet, k);
        float& fire = st.A(ALLIED, ship, A_FIRE);
        if (L(st.A(ALLIED, ship, A_DURABILITY)) < 0.5L || fire == 0) continue;
        events.push_back({AttackEvent::Kind::FireSpreads});
        fire = 1;
        lower(st.A(ALLIED, ship, A_DURABILITY), 2);
        lower(st.A(ALLIED, ship, A_FLIGHT_DECK), 2);
        const con::real draw = L(rnd());
        float& dive = st.D(ALLIED, k, AL_DECK);
        float& torpedo = st.T(ALLIED, k, AL_DECK);
        if ((L(torpedo) < 1 || draw * 10 < 5) && L(dive) > 0)
            lower(dive, 1);
        else
            lower(torpedo, 1);
    }
    for (long k = 1; L(k) <= L(st.CV(ALLIED, fleet)); ++k)
        if (st.A(ALLIED, st.C(ALLIED, fleet, k), A_FIRE) == 1) return true;
    return false;
}

/// The torpedo bombers' target: the carrier in slot 1 while afloat, else a drawn carrier (its
/// flight deck takes the hit too); else a drawn battleship. Returns the ship.
float torpedo_target(State& st, float fleet, bool carrier, const Draw& rnd) {
    if (carrier) {
        long slot = 1;
        if (!(L(st.A(ALLIED, st.C(ALLIED, fleet, 1), A_DURABILITY)) > 0)) {
            slot = choose_target_slot(
                con::round_half_away(L(st.CV(ALLIED, fleet))),
                [&](long k) { return st.A(ALLIED, st.C(ALLIED, fleet, k), A_DURABILITY); }, rnd);
        }
        const float ship = st.C(ALLIED, fleet, slot);
        lower(st.A(ALLIED, ship, A_FLIGHT_DECK), 1);
        return ship;
    }
    const long slot = choose_target_slot(
        con::round_half_away(L(st.BB(ALLIED, fleet))),
        [&](long k) { return st.A(ALLIED, st.G(ALLIED, fleet, k), A_DURABILITY); }, rnd);
    return st.G(ALLIED, fleet, slot);
}

/// The bombers' heading in yellow, with the bell.
void heading(const State& st, int type, int row) {
    con::beep();
    con::color(kHeadingColour);
    print_row(48, row, st.NN(type), " の攻撃");
    con::print_end();
}

/// A hit message at (50, row) in its colour, then the wait after a hit.
void hit_message(int row, int colour, const char* text, con::real wait) {
    con::color(colour);
    con::print_at(con::Col(50), con::Row(row), text);
    con::print_end();
    con::wait_ticks(wait);
}

/// The explosions and the fires' spreads of KOGEKI2; a spread waits half the display time as
/// it stands when the spread is shown.
void fire_message(const State& st, const AttackEvent& e) {
    con::color(kExplosionColour);
    if (e.kind == AttackEvent::Kind::Explosion) {
        con::print_at(con::Col(50), con::Row(14), "誘爆発生");
        return;
    }
    con::print_at(con::Col(54), con::Row(15), "進行");
    con::print_end();
    con::wait_ticks(con::int_floor(L(st.TT(TT_WAIT)) / 2));
}

}  // namespace

long choose_target_slot(long n, const std::function<float(long)>& durability, const Draw& rnd) {
    const long slot =
        morva::choose_slot(n, [&](long k, con::real again) { return L(durability(k)) < 0 && again * 10 > 2; }, rnd);
    return slot == 0 ? 1 : slot;  // the bound, never reached in play, keeps to a listed ship
}

bool torpedo_bombers_take_carriers(const State& st, float fleet) {
    if (st.TT(TT_HARBOUR_STRIKE) == 1 || L(st.BB(ALLIED, fleet)) < 1) return true;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, fleet)); ++k)
        if (L(st.A(ALLIED, st.C(ALLIED, fleet, k), A_DURABILITY)) > 0) return true;
    return false;
}

bool dive_bomber_targets_listed(const State& st, float fleet) { return L(st.CV(ALLIED, fleet)) >= 1; }

bool torpedo_bomber_targets_listed(const State& st, float fleet) {
    const float listed = torpedo_bombers_take_carriers(st, fleet) ? st.CV(ALLIED, fleet) : st.BB(ALLIED, fleet);
    return L(listed) >= 1;
}

std::vector<AttackEvent> dive_bomber_attack(State& st, const Draw& rnd) {
    std::vector<AttackEvent> events;
    const float fleet = st.TT(TT_FLEET);
    int counter = 2;
    const float units = st.KO(KO_DIVE);
    for (long u = 1; L(u) <= L(units); ++u) {
        if (hit_die(rnd) > 4) continue;
        wear_guns(st, rnd);
        const long slot = choose_target_slot(
            con::round_half_away(L(st.CV(ALLIED, fleet))),
            [&](long k) { return st.A(ALLIED, st.C(ALLIED, fleet, k), A_DURABILITY); }, rnd);
        bomb_carrier(st, fleet, slot, events, counter, rnd);
    }
    for (int round = 0; round < kMaxFireRounds; ++round) {
        fires_go_on(st, fleet, rnd);
        if (!fires_spread(st, fleet, events, rnd)) break;
    }
    return events;
}

void split_torpedo_loads(State& st) {
    if (L(st.KO(KO_TORPEDO)) <= L(st.KO(KO_BOMB_ARMED))) {
        st.KO(KO_BOMB_ARMED) = st.KO(KO_TORPEDO);
        st.KO(KO_TORPEDO_ARMED) = 0;
    } else {
        st.KO(KO_TORPEDO_ARMED) = con::store(L(st.KO(KO_TORPEDO)) - L(st.KO(KO_BOMB_ARMED)));
    }
}

std::vector<AttackEvent> torpedo_bomber_attack(State& st, const Draw& rnd) {
    std::vector<AttackEvent> events;
    const float fleet = st.TT(TT_FLEET);
    split_torpedo_loads(st);
    int counter = 2;
    const float units = st.KO(KO_TORPEDO);
    for (long u = 1; L(u) <= L(units); ++u) {
        if (hit_die(rnd) > 2) continue;
        wear_guns(st, rnd);
        const int colour = counter;
        counter = counter + 1 == 7 ? 2 : counter + 1;
        const bool carrier = torpedo_bombers_take_carriers(st, fleet);
        float& d = st.A(ALLIED, torpedo_target(st, fleet, carrier, rnd), A_DURABILITY);
        const bool torpedo = L(u) <= L(st.KO(KO_TORPEDO_ARMED));
        if (torpedo) {
            lower(d, 1);
            if (carrier) lower(d, 1);
        } else if (carrier) {
            lower(d, 0.16f);
            lower(d, 0.34f);
        } else {
            lower(d, 0.34f);
        }
        events.push_back({torpedo ? AttackEvent::Kind::TorpedoHit : AttackEvent::Kind::BombHit, colour});
    }
    return events;
}

}  // namespace morva95s

namespace morva95s {

void KOGEKI2(State& st) {
    const con::real wait = hit_wait(st);
    heading(st, KO_DIVE, 11);
    for (const AttackEvent& e : dive_bomber_attack(st, con::rnd)) {
        if (e.kind == AttackEvent::Kind::BombHit)
            hit_message(13, e.colour, "２５０Ｋｇ爆弾命中", wait);
        else
            fire_message(st, e);
    }
}

void KOGEKI3(State& st) {
    const con::real wait = hit_wait(st);
    heading(st, KO_TORPEDO, 17);
    for (const AttackEvent& e : torpedo_bomber_attack(st, con::rnd))
        hit_message(19, e.colour, e.kind == AttackEvent::Kind::TorpedoHit ? "魚雷命中" : "爆弾命中", wait);
}

}  // namespace morva95s
