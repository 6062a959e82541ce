// MORVA95F: the aftermath of an Allied raid on the player's fleet (RAID_AFTERMATH): the fires of
// the induced explosions burn cycle by cycle, the damage is rounded to whole points, the
// aircraft aboard a sunk carrier are written off, and the damage list shows the carriers (or the
// battleships' figures); then the raid's closing pause (RAID_END) before the player's strikes.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/raid.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// A carrier below half a point counts as sunk for its fire.
constexpr float kAfloatForFire = 0.5f;
/// Fire states of a carrier (A_FIRE).
constexpr float kNoFire = 0;
constexpr float kBurning = 1;
constexpr float kExplosion = 2;
/// The most draws one burn makes. Each draw burns an aircraft at least one time in two while
/// any is left to burn, so the bound is never reached in play.
constexpr int kBurnDrawBound = 1000;
/// The most fire cycles. Every burn takes a point off its carrier, so the cycles end long
/// before this.
constexpr int kCycleBound = 100000;
/// Below this durability a carrier's deck aircraft are struck down unready.
constexpr float kFitToOperate = 3;

real armed_on_deck(const CarrierAboard& c) { return L(c.dive_deck) + L(c.torpedo_deck) + L(c.bomb_deck); }

using con::add_to;

/// Sub-step 2: a fire burns on unless armed aircraft on the deck (and a re-arming) stay below
/// the roll; with none on the deck it always burns on.
void roll_fires(std::vector<CarrierAboard>& cs, float rearm, const Draw& rnd) {
    for (std::size_t j = 1; j < cs.size(); ++j) {
        CarrierAboard& c = cs[j];
        if (c.durability < kAfloatForFire) {
            c.fire = kNoFire;
        } else if (c.fire == kBurning) {
            const real roll = L(rnd()) * 27;
            if (armed_on_deck(c) > 0 && armed_on_deck(c) + L(rearm) < roll) c.fire = kNoFire;
        }
    }
}

/// Sub-step 3: one burn of carrier j: durability and deck, then 6 to 12 armed aircraft on the
/// deck, dive bombers with even chance first, else the torpedo-armed before the bomb-armed.
void burn_carrier(CarrierAboard& c, long j, FireOutcome& out, const Draw& rnd) {
    if (c.fire == kBurning) out.spreading.push_back(j);
    c.fire = kBurning;
    add_to(c.durability, -1 - int_floor(L(rnd()) * 2));
    add_to(c.deck, -2);
    real k = int_floor(L(rnd()) * 7) + 6;
    if (armed_on_deck(c) < k) k = armed_on_deck(c);
    for (int n = 0; k > 0 && n < kBurnDrawBound; ++n) {
        const real r = L(rnd()) * 10;
        if (r >= 5 && c.dive_deck >= 1) {
            add_to(c.dive_deck, -1);
            add_to(out.dive_lost, 1);
        } else if (c.torpedo_deck > 0) {
            add_to(c.torpedo_deck, -1);
            add_to(out.torpedo_lost, 1);
        } else if (c.bomb_deck > 0) {
            add_to(c.bomb_deck, -1);
            add_to(out.torpedo_lost, 1);
        } else {
            continue;
        }
        add_to(c.away, 1);
        k -= 1;
    }
}

bool any_burning(const std::vector<CarrierAboard>& cs) {
    for (std::size_t j = 1; j < cs.size(); ++j)
        if (cs[j].fire == kBurning) return true;
    return false;
}

/// The fire step on the state: the fleet's carriers burn, "進行" and a pause for every fire
/// that spread, and the burnt aircraft are written off.
void fire_step(State& st) {
    const float f = st.FLEET_NO;
    const long n = con::round_half_away(st.CV(0, f));
    std::vector<CarrierAboard> cs(n + 1);
    for (long j = 1; j <= n; ++j) {
        const float c = st.C(0, f, j);
        cs[j] = {st.A(0, c, A_DURABILITY),
                 st.A(0, c, A_FIRE),
                 st.A(0, c, A_FLIGHT_DECK),
                 st.A(0, c, A_AIRCRAFT_AWAY),
                 st.F(0, j, AIR_DIVE_BOMBERS, F_DECK),
                 st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK),
                 st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK)};
    }
    const FireOutcome out = burn_fires(cs, st.REARM_FLAG, con::rnd);
    for (const long j : out.spreading) {
        con::color(2);
        con::print_at(con::Col(37), con::Row(10 + j), "進行");
        con::print_end();
        PAUSE_MESSAGE(st);
    }
    for (long j = 1; j <= n; ++j) {
        const float c = st.C(0, f, j);
        const CarrierAboard& a = out.carriers[j];
        st.A(0, c, A_DURABILITY) = a.durability, st.A(0, c, A_FIRE) = a.fire;
        st.A(0, c, A_FLIGHT_DECK) = a.deck, st.A(0, c, A_AIRCRAFT_AWAY) = a.away;
        st.F(0, j, AIR_DIVE_BOMBERS, F_DECK) = a.dive_deck;
        st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = a.torpedo_deck;
        st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = a.bomb_deck;
    }
    add_to(st.VS(0, AIR_DIVE_BOMBERS), out.dive_lost);
    add_to(st.VS(0, AIR_TORPEDO_BOMBERS), out.torpedo_lost);
}

/// Writes off the aircraft of kind t in states first..last aboard carrier slot j.
void write_off(State& st, long j, int t, int first, int last) {
    for (int s = first; s <= last; ++s) {
        add_to(st.VS(0, t), st.F(0, j, t, s));
        st.F(0, j, t, s) = 0;
    }
}

/// Step 3: whole points for the carriers afloat; a sunk carrier loses its deck and every
/// aircraft aboard (those aloft stay aloft).
void settle_carriers(State& st) {
    const float f = st.FLEET_NO;
    for (long j = 1; j <= con::round_half_away(st.CV(0, f)); ++j) {
        const float c = st.C(0, f, j);
        if (st.A(0, c, A_DURABILITY) > 0) {
            st.A(0, c, A_DURABILITY) = rounded_durability(st.A(0, c, A_DURABILITY));
            continue;
        }
        st.A(0, c, A_DURABILITY) = 0;
        st.A(0, c, A_FLIGHT_DECK) = 0;
        write_off(st, j, AIR_FIGHTERS, F_NOT_READY, F_DECK);
        write_off(st, j, AIR_DIVE_BOMBERS, F_NOT_READY, F_DECK);
        write_off(st, j, AIR_TORPEDO_BOMBERS, F_UNARMED, F_BOMB_DECK);
    }
}

/// A carrier below 3 points strikes its deck aircraft down unready, the torpedo bombers
/// losing their loads.
void strike_down_unready(State& st, long j) {
    for (const int t : {AIR_FIGHTERS, AIR_DIVE_BOMBERS}) {
        add_to(st.F(0, j, t, F_NOT_READY), st.F(0, j, t, F_DECK));
        st.F(0, j, t, F_DECK) = 0;
    }
    add_to(st.F(0, j, AIR_TORPEDO_BOMBERS, F_UNARMED),
           L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK)) + L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK)));
    st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 0;
    st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 0;
}

void figures_at(int column, int row, float now, float full, std::string_view after) {
    con::locate(con::Col(column), con::Row(row));
    con::print_single_item(now);
    con::print_string_item("/");
    con::print_single_item(full);
    con::print_string_item(after);
    con::print_end();
}

/// Step 4: each carrier in red (sunk), yellow (damaged) or cyan, with its figures.
void list_carriers(State& st) {
    const float f = st.FLEET_NO;
    for (long i = 1; i <= con::round_half_away(st.CV(0, f)); ++i) {
        const float c = st.C(0, f, i);
        const float now = st.A(0, c, A_DURABILITY);
        con::color(now == 0 ? 2 : now < st.A(0, c, A_FULL_DURABILITY) ? 6 : 5);
        con::locate(con::Col(1), con::Row(10 + i));
        con::print_single_item(static_cast<float>(i));
        con::print_end();
        con::print_at(con::Col(5), con::Row(10 + i), st.MX(0, c));
        con::print_end();
        con::print_at(con::Col(24), con::Row(10 + i), con::space_string(8));
        con::print_end();
        figures_at(24, 10 + static_cast<int>(i), now, st.A(0, c, A_FULL_DURABILITY), "");
        if (now < kFitToOperate) strike_down_unready(st, i);
    }
}

/// Steps 1 and 5: the battleships' whole damage, whole points, and their figures again in the
/// colour last set.
void settle_battleships(State& st) {
    const float f = st.FLEET_NO;
    for (long j = 1; j <= con::round_half_away(st.BB(0, f)); ++j) {
        const float g = st.G(0, f, j);
        float& now = st.A(0, g, A_DURABILITY);
        now = con::store(L(now) - int_floor(L(st.PE(j))));
        now = rounded_durability(now);
        figures_at(32, 6 + static_cast<int>(j), now, st.A(0, g, A_FULL_DURABILITY), "  ");
    }
}

}  // namespace

FireOutcome burn_fires(std::vector<CarrierAboard> carriers, float rearm, const Draw& rnd) {
    FireOutcome out;
    for (int cycle = 0; cycle < kCycleBound; ++cycle) {
        roll_fires(carriers, rearm, rnd);
        for (std::size_t j = 1; j < carriers.size(); ++j) {
            CarrierAboard& c = carriers[j];
            if (c.durability >= kAfloatForFire && (c.fire == kBurning || c.fire == kExplosion))
                burn_carrier(c, static_cast<long>(j), out, rnd);
        }
        if (!any_burning(carriers)) break;
    }
    out.carriers = std::move(carriers);
    return out;
}

Block RAID_AFTERMATH(State& st) {
    if (st.OWN_FLEET_AFLOAT == 0) {
        settle_battleships(st);
        return Block::RaidEnd;
    }
    const bool bombs_fell = st.W(AIR_DIVE_BOMBERS) != 0 || st.W(AIR_HEAVY_BOMBERS) != 0;
    if (st.OWN_FLEET_AFLOAT >= 10 && bombs_fell) fire_step(st);
    settle_carriers(st);
    list_carriers(st);
    return Block::RaidEnd;
}

Block RAID_END(State& st) {
    PAUSE_MESSAGE(st);
    return Block::BaseStrikeArrival;
}

}  // namespace morva95f
