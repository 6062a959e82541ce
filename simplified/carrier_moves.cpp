// MORVA95S: the player's carrier moves of phases 4-7 and the sums behind their dialogues: the
// strike and the patrol leaving the decks, the deck standby's stock, room and raising, the
// arming of the bombers in the hangars, and the shelter's return to the hangars. Every move
// goes one unit per fit carrier per pass over the carrier slots.
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/carrier_passes.h"
#include "simplified/carrier_rules.h"

namespace morva95s {

using con::L;

namespace {

/// Adds a value to a stored count.
using con::add_to;

/// Calls fn(slot) for the operating fleet's Japanese slots 1 to CV(0, FLEET_NO).
template <typename Fn>
void each_japanese_slot(const State& st, Fn fn) {
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, st.FLEET_NO)); ++k) fn(k);
}

/// Calls fn(slot) for the fit carriers among them.
template <typename Fn>
void each_fit_slot(const State& st, Fn fn) {
    each_japanese_slot(st, [&](long k) {
        if (fit_carrier(st, JAPANESE, k)) fn(k);
    });
}

/// The passes of one load: `count` units from column `from` to column `to` of the fit
/// carriers' table `u`; returns the count left.
template <typename Units>
float move_load(State& st, Units& u, float count, int from, int to, PassPlace place = {}) {
    return carrier_passes(
        st, JAPANESE, count, [&](long k) { return fit_carrier(st, JAPANESE, k) && L(u(JAPANESE, k, from)) >= 1; },
        [&](long k) { move_unit(u, JAPANESE, k, from, to); }, place);
}

/// Adds column `from` of every slot into column `to` and empties it.
template <typename Units>
void gather_every_slot(State& st, Units& u, int from, int to) {
    each_japanese_slot(st, [&](long k) {
        u(JAPANESE, k, to) = con::store(L(u(JAPANESE, k, to)) + L(u(JAPANESE, k, from)));
        u(JAPANESE, k, from) = 0;
    });
}

bool harbour_turn(const State& st) { return L(st.PEARL_HARBOR_TURN) > 0; }

/// The torpedo bombers of a strike on the target base: bomb-armed, but torpedo-armed in the
/// harbour strike (where a deck holding only bomb-armed ones, which that turn's arming never
/// leaves, gives one of those); all into one base stage.
float torpedo_bombers_to_base(State& st, float count, int stage) {
    const bool harbour = harbour_turn(st);
    return carrier_passes(
        st, JAPANESE, count,
        [&](long k) {
            if (!fit_carrier(st, JAPANESE, k)) return false;
            const con::real bomb = L(st.T(JAPANESE, k, T_DECK_BOMB));
            return harbour ? L(st.T(JAPANESE, k, T_DECK_TORPEDO)) + bomb >= 1 : bomb >= 1;
        },
        [&](long k) {
            const bool torpedo = harbour && L(st.T(JAPANESE, k, T_DECK_TORPEDO)) >= 1;
            move_unit(st.T, JAPANESE, k, torpedo ? T_DECK_TORPEDO : T_DECK_BOMB, stage);
        });
}

/// The torpedo bombers of a strike on the enemy fleet: torpedo-armed while KO(4) counts any
/// on the fit decks (counted down), then bomb-armed; each load keeps its own stages.
float torpedo_bombers_to_fleet(State& st, float count, bool far) {
    const auto torpedo_left = [&] { return L(st.KO(KO_TORPEDO_ARMED)) >= 1; };
    return carrier_passes(
        st, JAPANESE, count,
        [&](long k) {
            if (!fit_carrier(st, JAPANESE, k)) return false;
            return L(st.T(JAPANESE, k, torpedo_left() ? T_DECK_TORPEDO : T_DECK_BOMB)) >= 1;
        },
        [&](long k) {
            if (torpedo_left()) {
                move_unit(st.T, JAPANESE, k, T_DECK_TORPEDO, far ? T_FLEET_OUT_TORPEDO : T_OVER_FLEET_TORPEDO);
                add_to(st.KO(KO_TORPEDO_ARMED), -1);
            } else {
                move_unit(st.T, JAPANESE, k, T_DECK_BOMB, far ? T_FLEET_OUT_BOMB : T_OVER_FLEET_BOMB);
            }
        });
}

}  // namespace

bool far_launch(float distance) { return L(distance) > 5; }

void STRIKE_DEPARTURE(State& st, int type) {
    const bool fleet = st.STRIKE_TARGET == TARGET_FLEET;
    const bool far = far_launch(fleet ? st.AIR_DISTANCE : st.BASE_DISTANCE);
    float& kk = st.KK(type);
    if (type == TYPE_FIGHTER) {
        const int stage = fleet ? (far ? F_FLEET_OUT : F_OVER_FLEET) : (far ? F_BASE_OUT : F_OVER_BASE);
        kk = move_load(st, st.F, kk, F_DECK, stage);
    } else if (type == TYPE_DIVE) {
        const int stage = fleet ? (far ? D_FLEET_OUT : D_OVER_FLEET) : (far ? D_BASE_OUT : D_OVER_BASE);
        kk = move_load(st, st.D, kk, D_DECK, stage);
    } else if (fleet) {
        kk = torpedo_bombers_to_fleet(st, kk, far);
    } else {
        kk = torpedo_bombers_to_base(st, kk, far ? T_BASE_OUT : T_OVER_BASE);
    }
}

void launch_patrol(State& st) { st.INPUT_NUM = move_load(st, st.F, st.INPUT_NUM, F_DECK, F_CAP_FIRST); }

UnarmedUnits form_hangar_stock(State& st) {
    for (int i = SE_FIGHTERS; i <= SE_BOMB_ARMED; ++i) st.SE(i) = 0;
    UnarmedUnits unarmed{0, 0};
    each_fit_slot(st, [&](long k) {
        add_to(st.SE(SE_FIGHTERS), L(st.F(JAPANESE, k, F_HANGAR)));
        add_to(st.SE(SE_DIVE), L(st.D(JAPANESE, k, D_ARMED)));
        add_to(st.SE(SE_TORPEDO_ARMED), L(st.T(JAPANESE, k, T_TORPEDO)));
        add_to(st.SE(SE_BOMB_ARMED), L(st.T(JAPANESE, k, T_BOMB)));
        add_to(unarmed.dive, L(st.D(JAPANESE, k, D_HANGAR)));
        add_to(unarmed.torpedo, L(st.T(JAPANESE, k, T_HANGAR)));
    });
    st.SE(SE_TORPEDO) = con::store(L(st.SE(SE_TORPEDO_ARMED)) + L(st.SE(SE_BOMB_ARMED)));
    return unarmed;
}

void form_deck_room(State& st) {
    st.DECK_CAPACITY = 0;
    st.DECK_UNITS = 0;
    each_fit_slot(st, [&](long k) {
        add_to(st.DECK_CAPACITY, L(st.A(JAPANESE, st.C(JAPANESE, st.FLEET_NO, k), A_CAPACITY)));
        add_to(st.DECK_UNITS, L(st.F(JAPANESE, k, F_DECK)) + L(st.D(JAPANESE, k, D_DECK)) +
                                  L(st.T(JAPANESE, k, T_DECK_TORPEDO)) + L(st.T(JAPANESE, k, T_DECK_BOMB)));
    });
    // The room of the fleet as a whole: the capacities are summed before they are halved.
    st.DECK_CAPACITY = con::store(con::int_floor((L(st.DECK_CAPACITY) + 1) / 2));
    st.DECK_ROOM = con::store(L(st.DECK_CAPACITY) - L(st.DECK_UNITS));
}

bool fighters_raised_unasked(const State& st) {
    const con::real fighters = L(st.SE(SE_FIGHTERS));
    return fighters < 7 && fighters <= L(st.DECK_ROOM) && fighters > 0 &&
           L(st.SE(SE_DIVE)) + L(st.SE(SE_TORPEDO_ARMED)) + L(st.SE(SE_BOMB_ARMED)) < 1;
}

bool split_torpedo_request(State& st) {
    if (L(st.INPUT_NUM) == L(st.SE(SE_TORPEDO))) {
        st.WORK_N = st.SE(SE_TORPEDO_ARMED);
        st.BOMB_ARMED_UNITS = st.SE(SE_BOMB_ARMED);
    } else if (st.SE(SE_TORPEDO_ARMED) == 0) {
        st.WORK_N = 0;
        st.BOMB_ARMED_UNITS = st.INPUT_NUM;
    } else if (st.SE(SE_BOMB_ARMED) == 0) {
        st.WORK_N = st.INPUT_NUM;
        st.BOMB_ARMED_UNITS = 0;
    } else {
        return false;
    }
    return true;
}

void raise_units(State& st, int type) {
    if (type == TYPE_FIGHTER) {
        st.INPUT_NUM = move_load(st, st.F, st.INPUT_NUM, F_HANGAR, F_DECK);
    } else if (type == TYPE_DIVE) {
        st.INPUT_NUM = move_load(st, st.D, st.INPUT_NUM, D_ARMED, D_DECK);
    } else {
        // A slot never takes a bomb-armed unit in the visit in which it took a torpedo-armed
        // one: the bomb-armed units begin at the slot after the last torpedo-armed one.
        long last = 0;
        st.WORK_N = move_load(st, st.T, st.WORK_N, T_TORPEDO, T_DECK_TORPEDO, {1, &last});
        st.BOMB_ARMED_UNITS = move_load(st, st.T, st.BOMB_ARMED_UNITS, T_BOMB, T_DECK_BOMB, {last + 1});
    }
}

void arm_dive_bombers(State& st) { gather_every_slot(st, st.D, D_HANGAR, D_ARMED); }

void arm_harbour_torpedoes(State& st) { gather_every_slot(st, st.T, T_HANGAR, T_TORPEDO); }

void sum_hangar_torpedo_bombers(State& st) {
    st.REARM_FLAG = 0;
    st.SE(SE_TORPEDO_ARMED) = 0;
    st.SE(SE_BOMB_ARMED) = 0;
    st.TORPEDO_BOMBER_UNITS = 0;
    each_fit_slot(st, [&](long k) {
        add_to(st.SE(SE_TORPEDO_ARMED), L(st.T(JAPANESE, k, T_TORPEDO)));
        add_to(st.SE(SE_BOMB_ARMED), L(st.T(JAPANESE, k, T_BOMB)));
        add_to(st.TORPEDO_BOMBER_UNITS,
               L(st.T(JAPANESE, k, T_HANGAR)) + L(st.T(JAPANESE, k, T_TORPEDO)) + L(st.T(JAPANESE, k, T_BOMB)));
    });
}

void unload_torpedo_bombers(State& st) {
    each_japanese_slot(st, [&](long k) {
        st.T(JAPANESE, k, T_HANGAR) =
            con::store(L(st.T(JAPANESE, k, T_HANGAR)) + L(st.T(JAPANESE, k, T_TORPEDO)) + L(st.T(JAPANESE, k, T_BOMB)));
        st.T(JAPANESE, k, T_TORPEDO) = 0;
        st.T(JAPANESE, k, T_BOMB) = 0;
    });
}

void arm_torpedo_bombers(State& st) {
    // Fleet totals only: more torpedoes than the units not bomb-armed, or fewer than the
    // torpedo-armed ones, makes armed units change their load.
    const con::real torpedoes = L(st.INPUT_NUM);
    if (torpedoes > L(st.TORPEDO_BOMBER_UNITS) - L(st.SE(SE_BOMB_ARMED)) || torpedoes < L(st.SE(SE_TORPEDO_ARMED)))
        st.REARM_FLAG = 1;
    st.TORPEDO_LOAD = st.INPUT_NUM;
    if (st.INPUT_NUM != 0) st.INPUT_NUM = move_load(st, st.T, st.INPUT_NUM, T_HANGAR, T_TORPEDO);
    st.INPUT_NUM = con::store(L(st.TORPEDO_BOMBER_UNITS) - L(st.TORPEDO_LOAD));
    if (st.INPUT_NUM != 0) st.INPUT_NUM = move_load(st, st.T, st.INPUT_NUM, T_HANGAR, T_BOMB);
}

void return_units(State& st, int type) {
    if (type == TYPE_FIGHTER) {
        st.INPUT_NUM = move_load(st, st.F, st.INPUT_NUM, F_DECK, F_HANGAR);
    } else if (type == TYPE_DIVE) {
        st.INPUT_NUM = move_load(st, st.D, st.INPUT_NUM, D_DECK, D_ARMED);
    } else {
        // The bomb-armed units go down in new passes from slot 1.
        st.WORK_N = move_load(st, st.T, st.WORK_N, T_DECK_TORPEDO, T_TORPEDO);
        st.BOMB_ARMED_UNITS = move_load(st, st.T, st.BOMB_ARMED_UNITS, T_DECK_BOMB, T_BOMB);
    }
}

}  // namespace morva95s
