// MORVA95F: the hourly bookkeeping of the aircraft: the roll of the states (IDO2), the raid's
// losses and the player's base strike's approach (IDO3), the ready counts of the player's decks
// (IDO9, IDO11) and the Allied carriers' deck spotting (IDO).
#include <cmath>

#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

using con::add_to;

long hour_steps(const State& st) { return con::round_half_away(st.TT(TT_SUBTURN)); }

bool takes_aircraft(const State& st, int side, float ship) {
    return st.A(side, ship, A_FLIGHT_DECK) >= 8 && st.A(side, ship, A_DURABILITY) >= 3;
}

/// Lands the side's fighters that found no deck of their own on carriers with room, one
/// combat and one patrol fighter per carrier per pass; what finds no room is lost.
void land_homeless_fighters(State& st, int side, float f, real combat, real patrol) {
    if (combat < 1 && patrol < 1) return;
    const long carriers = con::round_half_away(st.CV(side, f));
    bool landed = true;
    while (landed && (combat > 0 || patrol > 0)) {
        landed = false;
        for (long c = 1; c <= carriers && (combat > 0 || patrol > 0); ++c) {
            const float ship = st.C(side, f, c);
            if (!takes_aircraft(st, side, ship)) continue;
            float& away = st.A(side, ship, A_AIRCRAFT_AWAY);
            if (combat > 0 && away > 0) {
                add_to(st.F(side, c, AIR_FIGHTERS, F_NOT_READY), 1);
                combat -= 1;
                add_to(away, -1);
                landed = true;
            }
            if (patrol > 0 && away > 0) {
                add_to(st.F(side, c, AIR_FIGHTERS, F_HANGAR), 1);
                patrol -= 1;
                add_to(away, -1);
                landed = true;
            }
        }
    }
    add_to(st.VS(side, AIR_FIGHTERS), combat + patrol);
}

void roll_carrier_fighters(State& st, int side, float f) {
    real combat = 0, patrol = 0;
    const long carriers = con::round_half_away(st.CV(side, f));
    for (long c = 1; c <= carriers; ++c) {
        const float ship = st.C(side, f, c);
        if (takes_aircraft(st, side, ship)) {
            add_to(st.F(side, c, 0, F_NOT_READY), st.F(side, c, 0, F_AIR_COMBAT));
            add_to(st.F(side, c, 0, F_HANGAR), st.F(side, c, 0, F_PATROL_SECOND));
        } else {
            combat += st.F(side, c, 0, F_AIR_COMBAT);
            patrol += st.F(side, c, 0, F_PATROL_SECOND);
        }
        st.F(side, c, 0, F_PATROL_SECOND) = st.F(side, c, 0, F_PATROL_FIRST);
        st.F(side, c, 0, F_PATROL_FIRST) = 0;
        st.F(side, c, 0, F_AIR_COMBAT) = 0;
    }
    land_homeless_fighters(st, side, f, combat, patrol);
}

/// Takes the raid's losses of each type out of the groups that flew it, each group's share
/// rounded by itself, and turns them home; the heavy bombers' survivors go to the earliest.
void share_raid_losses(State& st) {
    const long steps = hour_steps(st);
    auto raid_group = [&](long s, long h) { return s != 5 && st.T(s, h, T_STATUS) == 2; };
    for (int t = 0; t <= 2; ++t) {
        real total = 0;
        for (long s = 4; s <= 8; ++s)
            for (long h = 1; h <= steps; ++h)
                if (raid_group(s, h)) total += st.T(s, h, T_FIGHTERS + t);
        if (total > 0) {
            const real losses = L(st.W(t + 4)) - L(st.W(t));
            for (long s = 4; s <= 8; ++s)
                for (long h = 1; h <= steps; ++h)
                    if (raid_group(s, h))
                        add_to(st.T(s, h, T_FIGHTERS + t),
                               -con::int_floor(losses * st.T(s, h, T_FIGHTERS + t) / total + 0.5L));
        }
        st.W(t) = 0;
    }
    for (long s = 4; s <= 8; ++s)
        for (long h = 1; h <= steps; ++h)
            if (raid_group(s, h)) st.T(s, h, T_STATUS) = 3;
    for (long h = 1; h <= steps; ++h) {
        if (st.T(5, h, T_STATUS) != 2) continue;
        st.T(5, h, T_STATUS) = 3;
        st.T(5, h, T_HEAVY_BOMBERS) = st.W(3);
        st.W(3) = 0;
    }
}

/// The player's base strike launched in step h comes within 50 units of the base: it arrives
/// and its aircraft join the strike counts (escorts only within 90 units flown).
void arrive_at_base(State& st, long h, real d) {
    st.T(0, h, T_STATUS) = 2;
    st.T(0, h, T_X) = 0;
    st.T(0, h, T_Y) = 0;
    st.T(0, h, T_HEADING) = con::store(con::mod(con::round_half_away(L(st.PD(0)) + 180), 360));
    add_to(st.T(0, h, T_DISTANCE), d);
    if (st.T(0, h, T_DISTANCE) < 91) {
        add_to(st.KO(1), st.T(0, h, T_FIGHTERS));
        st.T(0, h, T_FIGHTERS) = 0;
    }
    add_to(st.KO(2), st.T(0, h, T_DIVE_BOMBERS));
    add_to(st.KO(4), st.T(0, h, T_TORPEDO_BOMBERS));
    add_to(st.KO(5), st.T(0, h, T_BOMB_ARMED));
    for (int j = T_DIVE_BOMBERS; j <= T_BOMB_ARMED; ++j) st.T(0, h, j) = 0;
}

void clamp_strike_counts(State& st) {
    for (int k = 1; k <= 5; ++k)
        if (st.KO(k) < 0) st.KO(k) = 0;
    st.KO(3) = con::store(L(st.KO(4)) + L(st.KO(5)));
}

/// The player's deck counts into KO; `need_deck` passes over carriers that cannot launch.
void count_deck_aircraft(State& st, bool need_deck) {
    for (int k = 1; k <= 5; ++k) st.KO(k) = 0;
    const float f = st.TT(TT_FLEET);
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long c = 1; c <= carriers; ++c) {
        const float ship = st.C(0, f, c);
        if ((need_deck && st.A(0, ship, A_FLIGHT_DECK) < 8) || st.A(0, ship, A_DURABILITY) < 3) continue;
        add_to(st.KO(1), st.F(0, c, AIR_FIGHTERS, F_DECK));
        add_to(st.KO(2), st.F(0, c, AIR_DIVE_BOMBERS, F_DECK));
        add_to(st.KO(4), st.F(0, c, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK));
        add_to(st.KO(5), st.F(0, c, AIR_TORPEDO_BOMBERS, F_BOMB_DECK));
    }
    clamp_strike_counts(st);
}

}  // namespace

void IDO2(State& st) {
    for (long s = 0; s <= T_LAST_SOURCE; ++s)
        for (long h = 1; h <= T_LAST_STEP; ++h)
            if (st.T(s, h, T_STATUS) == 2) st.T(s, h, T_STATUS) = 3;
    for (int k = 0; k <= 3; ++k) {
        add_to(st.Q(k, Q_READY), st.Q(k, Q_NOT_READY));
        st.Q(k, Q_NOT_READY) = 0;
    }
    add_to(st.Q(AIR_FIGHTERS, Q_NOT_READY), st.Q(AIR_FIGHTERS, Q_INTERCEPTING));
    st.Q(AIR_FIGHTERS, Q_INTERCEPTING) = 0;
    for (int side = 0; side <= 1; ++side) roll_carrier_fighters(st, side, st.TT(TT_FLEET));
}

void IDO3(State& st) {
    share_raid_losses(st);
    for (int k = 1; k <= 5; ++k) st.KO(k) = 0;
    for (long h = 1; h <= hour_steps(st); ++h) {
        st.TT(TT_GROUP_HOUR) = static_cast<float>(h);
        if (st.T(0, h, T_STATUS) != 1) continue;
        const real x = st.T(0, h, T_X), y = st.T(0, h, T_Y);
        const real d = con::sqr(x * x + y * y);
        if (d <= 50) {
            arrive_at_base(st, h, d);
            continue;
        }
        st.TT(TT_GROUP_SOURCE) = 0;
        IDO4(st);
        if (st.T(0, h, T_DISTANCE) > 99) IDO6(st);
    }
    clamp_strike_counts(st);
}

void IDO9(State& st) { count_deck_aircraft(st, true); }

void IDO11(State& st) { count_deck_aircraft(st, false); }

void IDO(State& st) {
    const float f = st.TT(TT_FLEET);
    const real chance = st.H(H_ON_FLEET) > 0 ? 5 : 2;
    const long carriers = con::round_half_away(st.CV(1, f));
    for (int t = 0; t <= 2; ++t) {
        for (long i = 1; i <= carriers; ++i) {
            const float ship = st.C(1, f, i);
            if (!takes_aircraft(st, 1, ship)) continue;
            real on_deck = st.F(1, i, t, F_DECK);
            if (t > 0) {
                on_deck += 1;
                if (L(con::rnd()) * 10 > chance) continue;
            }
            real n = con::int_floor(L(st.A(1, ship, A_FIGHTERS + t)) / 2) - on_deck;
            if (n < 1) continue;
            if (n > st.F(1, i, t, F_HANGAR)) n = st.F(1, i, t, F_HANGAR);
            add_to(st.F(1, i, t, F_HANGAR), -n);
            add_to(st.F(1, i, t, F_DECK), n);
        }
    }
    for (int t = 0; t <= 2; ++t)
        for (long i = 1; i <= carriers; ++i) {
            add_to(st.F(1, i, t, F_HANGAR), st.F(1, i, t, F_NOT_READY));
            st.F(1, i, t, F_NOT_READY) = 0;
        }
    for (int side = 0; side <= 1; ++side) {
        const long listed = con::round_half_away(st.CV(side, f));
        for (long i = 1; i <= listed; ++i)
            if (st.A(side, st.C(side, f, i), A_DURABILITY) < 1)
                for (int t = 0; t <= 2; ++t) st.F(side, i, t, F_NOT_READY) = 0;
    }
}

}  // namespace morva95f
