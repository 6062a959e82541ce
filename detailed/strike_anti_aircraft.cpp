// MORVA95F: TAIKU, the anti-aircraft fire of a task force, a base or the harbour at the
// player's strike once the air combat is over: shots aimed high or low, the saturation of a
// group under many hits, the losses by type, and in the harbour raid the special torpedoes and
// bombs lost with their aircraft.
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

using con::add_to;

real roll_die() { return con::int_floor(L(con::rnd()) * 6) + 1; }

/// The hits of TT_AA_SHOTS shots: a shot goes low when torpedo-armed aircraft are present and
/// its draw falls under the low-fire percentage, or when nothing flies high; a high shot that
/// misses makes a low roll as well.
AntiAircraftHits shots_fired(const State& st) {
    AntiAircraftHits hits;
    const real low_percentage = con::int_floor(L(con::rnd()) * 7) + 62;
    const real shots = st.TT(TT_AA_SHOTS);
    for (real i = 1; i <= shots; ++i) {
        const real r = L(con::rnd());
        const bool low = (st.KO(4) > 0 && low_percentage > r * 100) || L(st.KO(2)) + L(st.KO(5)) < 1;
        if (!low) {
            if (roll_die() == 6) {
                add_to(hits.high, 1);
                continue;
            }
        }
        if (roll_die() >= 5) add_to(hits.low, 1);
    }
    return hits;
}

/// The hits on a group of n aircraft once the fire saturates it: with n or more hits on a group
/// of 6 or more, INT(n / 10) + 1 rolls may each spare one aircraft.
float saturated(float hits, float n) {
    if (hits < n || n < 6) return hits;
    const real rolls = con::int_floor(L(n) / 10) + 1;
    const real chance = 120 - 25 * con::int_floor(L(hits) / L(n));
    real spared = 0;
    for (real i = 1; i <= rolls; ++i)
        if (chance > L(con::rnd()) * 100) spared += 1;
    return con::store(L(n) - spared);
}

/// L(1) and L(2): the high hits shared between the dive bombers and the bomb-armed torpedo
/// bombers in proportion, the remainder of the division to the torpedo bombers.
void share_losses(State& st, const AntiAircraftHits& hits) {
    const real all = L(hits.low) + L(hits.high);
    if (st.KO(5) < 1) {
        st.L(1) = hits.high;
        st.L(2) = hits.low;
    } else if (st.KO(2) < 1) {
        st.L(1) = 0;
        st.L(2) = con::store(all);
    } else {
        st.L(1) = con::store(con::int_floor(L(hits.high) * L(st.KO(2)) / (L(st.KO(2)) + L(st.KO(5)))));
        st.L(2) = con::store(all - L(st.L(1)));
    }
}

/// One special load carried by the strike falls with its share of the aircraft lost.
void lose_special_load(float& load, real lost, float carriers) {
    if (carriers == 0) return;
    const real left = L(load) - con::int_floor(lost * L(load) / L(carriers));
    load = con::store(left < 0 ? 0 : left);
}

}  // namespace

StrikeReport anti_aircraft_fire(State& st) {
    StrikeReport report{{54, 4, 6, "対空射撃"}};
    AntiAircraftHits hits = shots_fired(st);
    hits.high = saturated(hits.high, con::store(L(st.KO(2)) + L(st.KO(5))));
    hits.low = saturated(hits.low, st.KO(4));
    share_losses(st, hits);
    for (int t = 1; t <= 2; ++t) {
        if (st.L(t) > st.KO(t + 1)) st.L(t) = st.KO(t + 1);
        st.KO(t + 1) = con::store(L(st.KO(t + 1)) - L(st.L(t)));
        report.push_back(
            {46, 6 + t, -1,
             st.NX(t + 1) + con::format_single(st.L(t)) + "機墜落 残り" + con::format_single(st.KO(t + 1))});
        add_to(st.VS(0, t), st.L(t));
    }
    if (st.TT(TT_HARBOUR_STRIKE) != 0) {
        lose_special_load(st.HW(HW_TORPEDOES_FLYING), hits.low, st.KO(4));
        lose_special_load(st.HW(HW_BOMBS_FLYING), L(hits.high) - L(st.L(1)), st.KO(5));
    }
    return report;
}

void TAIKU(State& st) { play(st, anti_aircraft_fire(st)); }

}  // namespace morva95f
