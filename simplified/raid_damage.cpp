// MORVA95S: the close of a raid's attacks on the player's ships: the induced explosions burn
// sweep by sweep while armed units are left on the decks, the damage is rounded to whole
// points, and the report shows the carriers in the colours of their state (or the battleships'
// durability); the attacked list that the attacks and the explosions work on.
#include "campaign/damage_rounding.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;
using con::real;

/// Fire states of a carrier (A_FIRE).
constexpr float kNoFire = 0;
constexpr float kGoingOn = 1;
/// Below this durability a carrier takes no more burns.
constexpr float kBurnsFrom = 0.5f;
/// The most sweeps. Every burn destroys an armed unit and takes 2 points off its carrier, so
/// the sweeps end long before this.
constexpr int kSweepBound = 100000;

/// The slots of a list of `count` ships: 1 to INT(count).
long slots_of(float count) {
    const real n = con::int_floor(L(count));
    return n < 1 ? 0 : static_cast<long>(n);
}

float reduced_by(float v, real by) { return con::store(L(v) - by); }

/// The first sweep: a carrier below half a point stops burning; one whose explosions go on
/// keeps burning when its die is at most its deck's armed value plus the re-arming.
void test_fires(std::vector<ShipUnderAttack>& cs, float rearm, const Draw& rnd) {
    for (std::size_t k = 1; k < cs.size(); ++k) {
        ShipUnderAttack& c = cs[k];
        if (L(c.durability) < L(kBurnsFrom)) {
            c.fire = kNoFire;
        } else if (c.fire == kGoingOn) {
            const real armed = deck_armed_value(c);
            const real roll = die(rnd);
            c.fire = armed > 0 && roll <= armed + L(rearm) ? kGoingOn : kNoFire;
        }
    }
}

/// A burn destroys one armed unit on the deck: a dive bomber when no torpedo bomber is there or
/// the first draw is below 5; otherwise a torpedo-armed one when no bomb-armed one is there or
/// the second draw is below 5; otherwise a bomb-armed one. A kind that is missing is not chosen.
void lose_armed_unit(ShipUnderAttack& c, const Draw& rnd) {
    const real first = L(rnd()) * 10;
    if ((L(c.torpedo) + L(c.bomb) < 1 || first < 5) && L(c.dive) > 0) {
        c.dive = reduced_by(c.dive, 1);
        return;
    }
    const real second = L(rnd()) * 10;
    if ((L(c.bomb) < 1 || second < 5) && L(c.torpedo) > 0)
        c.torpedo = reduced_by(c.torpedo, 1);
    else
        c.bomb = reduced_by(c.bomb, 1);
}

/// The second sweep: every carrier on fire and above half a point burns once; those whose
/// explosions went on are recorded. Whether any carrier is left burning.
bool burn(std::vector<ShipUnderAttack>& cs, std::vector<long>& spreading, const Draw& rnd) {
    bool going_on = false;
    for (std::size_t k = 1; k < cs.size(); ++k) {
        ShipUnderAttack& c = cs[k];
        if (L(c.durability) < L(kBurnsFrom) || c.fire == kNoFire) continue;
        if (c.fire == kGoingOn) spreading.push_back(static_cast<long>(k));
        c.fire = kGoingOn;
        c.durability = reduced_by(c.durability, 2);
        c.deck = reduced_by(c.deck, 2);
        lose_armed_unit(c, rnd);
        going_on = true;
    }
    return going_on;
}

/// The durability a report shows: 0 for a ship sunk, else rounded to a whole number.
void round_durability(State& st, float ship) {
    st.A(JAPANESE, ship, A_DURABILITY) = morva::rounded_durability(st.A(JAPANESE, ship, A_DURABILITY));
}

/// "<durability>/<full>" at the cursor.
void durability_of(const State& st, float ship) {
    con::print_single_item(st.A(JAPANESE, ship, A_DURABILITY));
    con::print_string_item("/");
    con::print_single_item(st.A(JAPANESE, ship, A_FULL_DURABILITY));
}

}  // namespace

real deck_armed_value(const ShipUnderAttack& s) { return 2 * (L(s.dive) + L(s.torpedo) + L(s.bomb)); }

std::vector<ShipUnderAttack> attacked_ships(const State& st, bool carriers) {
    const float f = st.FLEET_NO;
    const long n = slots_of(carriers ? st.CV(JAPANESE, f) : st.BB(JAPANESE, f));
    std::vector<ShipUnderAttack> ships(static_cast<std::size_t>(n) + 1);
    for (long k = 1; k <= n; ++k) {
        const float ship = carriers ? st.C(JAPANESE, f, k) : st.G(JAPANESE, f, k);
        ShipUnderAttack& s = ships[static_cast<std::size_t>(k)];
        s.durability = st.A(JAPANESE, ship, A_DURABILITY);
        if (!carriers) continue;
        s.deck = st.A(JAPANESE, ship, A_FLIGHT_DECK);
        s.fire = st.A(JAPANESE, ship, A_FIRE);
        s.dive = st.D(JAPANESE, k, D_DECK);
        s.torpedo = st.T(JAPANESE, k, T_DECK_TORPEDO);
        s.bomb = st.T(JAPANESE, k, T_DECK_BOMB);
    }
    return ships;
}

void apply_to_ships(State& st, bool carriers, const std::vector<ShipUnderAttack>& ships) {
    const float f = st.FLEET_NO;
    for (std::size_t i = 1; i < ships.size(); ++i) {
        const long k = static_cast<long>(i);
        const float ship = carriers ? st.C(JAPANESE, f, k) : st.G(JAPANESE, f, k);
        const ShipUnderAttack& s = ships[i];
        st.A(JAPANESE, ship, A_DURABILITY) = s.durability;
        if (!carriers) continue;
        st.A(JAPANESE, ship, A_FLIGHT_DECK) = s.deck;
        st.A(JAPANESE, ship, A_FIRE) = s.fire;
        st.D(JAPANESE, k, D_DECK) = s.dive;
        st.T(JAPANESE, k, T_DECK_TORPEDO) = s.torpedo;
        st.T(JAPANESE, k, T_DECK_BOMB) = s.bomb;
    }
}

ExplosionsResult run_explosions(std::vector<ShipUnderAttack> carriers, float rearm, const Draw& rnd) {
    ExplosionsResult out;
    for (int sweep = 0; sweep < kSweepBound; ++sweep) {
        test_fires(carriers, rearm, rnd);
        if (!burn(carriers, out.spreading, rnd)) break;
    }
    out.carriers = std::move(carriers);
    return out;
}

void explosions(State& st) {
    const ExplosionsResult r = run_explosions(attacked_ships(st, true), st.REARM_FLAG, con::rnd);
    for (const long k : r.spreading) {
        con::color(2);
        con::print_at(con::Col(37), con::Row(10 + k), "進行");
        con::print_end();
        PAUSE_MESSAGE(st);
    }
    apply_to_ships(st, true, r.carriers);
}

void carrier_report(State& st) {
    const float f = st.FLEET_NO;
    const long n = slots_of(st.CV(JAPANESE, f));
    for (long k = 1; k <= n; ++k) {
        const float ship = st.C(JAPANESE, f, k);
        if (!(L(st.A(JAPANESE, ship, A_DURABILITY)) > 0)) st.A(JAPANESE, ship, A_FLIGHT_DECK) = 0;
        round_durability(st, ship);
    }
    st.UNDAMAGED_CARRIERS = 0;
    for (long k = 1; k <= n; ++k) {
        const float ship = st.C(JAPANESE, f, k);
        const real d = L(st.A(JAPANESE, ship, A_DURABILITY));
        int colour = 5;
        if (d == 0)
            colour = 2;
        else if (d < L(st.A(JAPANESE, ship, A_FULL_DURABILITY)))
            colour = 6;
        else
            st.UNDAMAGED_CARRIERS = con::store(L(st.UNDAMAGED_CARRIERS) + 1);
        con::color(colour);
        con::locate(con::Col(1), con::Row(10 + k));
        con::print_single_item(static_cast<float>(k));
        con::print_at(con::Col(5), con::Row(10 + k), st.MM(JAPANESE, ship));
        con::print_at(con::Col(24), con::Row(10 + k), con::space_string(8));
        con::locate(con::Col(24), con::Row(10 + k));
        durability_of(st, ship);
        con::print_end();
    }
}

void battleship_report(State& st) {
    const float f = st.FLEET_NO;
    for (long k = 1; k <= slots_of(st.BB(JAPANESE, f)); ++k) {
        const float ship = st.G(JAPANESE, f, k);
        round_durability(st, ship);
        con::locate(con::Col(32), con::Row(6 + k));
        durability_of(st, ship);
        con::print_string_item("  ");
        con::print_end();
    }
}

}  // namespace morva95s
