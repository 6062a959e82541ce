// MORVA95F: the strike group's formation - how many fighters, dive bombers and torpedo bombers
// go with the strike being launched and with which loads, the opening of its row in the
// air-group table, and the take of the aircraft off the flight decks carrier by carrier.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::add_to;
using con::L;

/// The harbour raid while it keeps its surprise: the player splits the torpedo bombers' loads.
bool surprise_raid(const State& st) { return st.PEARL_HARBOR_TURN == 1; }

/// The most aircraft of type k the strike may take. A base strike without the raid's surprise
/// flies bomb-armed torpedo bombers only, so no more of them than stand ready (also after the
/// surprise is lost, when the take could supply no others).
float strike_limit(const State& st, int k) {
    if (k == KO_TORPEDO_BOMBERS && !surprise_raid(st) && st.LAUNCH_GROUP == 0) return st.KO(KO_BOMB_ARMED);
    return st.KO(k);
}

float ask_count(State& st, int k) {
    return con::store(morva::ask_count(
        [&st, k] {
            CLEAR_PROMPT_ROW(st);
            con::color(5);
            con::print_at(con::Col(10), con::Row(20), "何機の");
            con::print_string_item(st.NX(k));
            con::print_string_item("を出撃させますか ?");
            con::print_end();
            con::color(6);
        },
        {58, 20, ""}, 0, strike_limit(st, k)));
}

/// Fields 0-4 of the strike's row: outbound from the fleet's position on its heading. The
/// aircraft fields are only added to, so a second base strike of the hour joins the first.
void open_strike_row(State& st) {
    const float g = st.LAUNCH_GROUP, s = st.SUBTURN_NO;
    st.T(g, s, T_STATUS) = 1;
    st.T(g, s, T_X) = st.PZ(0, PZ_X);
    st.T(g, s, T_Y) = st.PZ(0, PZ_Y);
    st.T(g, s, T_HEADING) = st.STRIKE_HEADING;
    st.T(g, s, T_DISTANCE) = 0;
}

/// The player splits the loads only while the harbour raid keeps its surprise.
void set_torpedo_bomber_loads(State& st, float n) {
    if (surprise_raid(st)) {
        set_loads(st, n, st.KO(KO_TORPEDO_ARMED), st.KO(KO_BOMB_ARMED));
        return;
    }
    const Loads loads = strike_loads(st.LAUNCH_GROUP, n, st.KO(KO_TORPEDO_ARMED));
    st.TORPEDO_LOAD = loads.torpedo;
    st.BOMB_LOAD = loads.bomb;
}

/// The strike's aircraft field `field`, counted up by the take.
float& strike_field(State& st, int field) { return st.T(st.LAUNCH_GROUP, st.SUBTURN_NO, field); }

/// One torpedo bomber of the wanted loads from the carrier in `slot`, torpedo-armed first;
/// during the surprise raid it carries one of the fleet's torpedoes or bombs while they last.
bool take_torpedo_bomber(State& st, long slot, float ship) {
    float& torpedo = st.F(0, slot, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK);
    float& bomb = st.F(0, slot, AIR_TORPEDO_BOMBERS, F_BOMB_DECK);
    const bool torpedo_armed = st.TORPEDO_LOAD > 0 && torpedo > 0;
    if (!torpedo_armed && !(st.BOMB_LOAD > 0 && bomb > 0)) return false;
    add_to(torpedo_armed ? torpedo : bomb, -1);
    add_to(st.A(0, ship, A_AIRCRAFT_AWAY), 1);
    add_to(torpedo_armed ? st.TORPEDO_LOAD : st.BOMB_LOAD, -1);
    add_to(strike_field(st, torpedo_armed ? T_TORPEDO_BOMBERS : T_BOMB_ARMED), 1);
    const int stock = torpedo_armed ? HW_TORPEDOES : HW_BOMBS;
    const int flying = torpedo_armed ? HW_TORPEDOES_FLYING : HW_BOMBS_FLYING;
    if (surprise_raid(st) && st.HW(stock) > 0) {
        add_to(st.HW(flying), 1);
        add_to(st.HW(stock), -1);
    }
    return true;
}

/// One fighter (k 1) or dive bomber (k 2) from the flight deck of the carrier in `slot`.
bool take_deck_aircraft(State& st, int k, long slot, float ship) {
    float& on_deck = st.F(0, slot, k - 1, F_DECK);
    if (on_deck <= 0) return false;
    add_to(on_deck, -1);
    add_to(st.A(0, ship, A_AIRCRAFT_AWAY), 1);
    add_to(strike_field(st, T_FIGHTERS + k - 1), 1);
    return true;
}

}  // namespace

Loads strike_loads(float launch_group, float n, float torpedo_ready) {
    if (launch_group == 0) return Loads{0, n};
    if (n <= torpedo_ready) return Loads{n, 0};
    return Loads{torpedo_ready, con::store(L(n) - L(torpedo_ready))};
}

void take_strike_aircraft(State& st, int k) {
    carrier_passes(
        st,
        [&st, k](long slot, float ship) {
            if (!carrier_operational(st, ship)) return false;
            const bool taken =
                k == KO_TORPEDO_BOMBERS ? take_torpedo_bomber(st, slot, ship) : take_deck_aircraft(st, k, slot, ship);
            if (taken) add_to(st.KK(k), -1);
            return taken;
        },
        [&st, k] { return st.KK(k) == 0; });
}

void ask_strike_size(State& st) {
    for (int k = KO_FIGHTERS; k <= KO_TORPEDO_BOMBERS; ++k) {
        if (st.KO(k) == 0) continue;
        st.INPUT_NUM = ask_count(st, k);
        if (st.INPUT_NUM == 0) continue;
        st.KK(k) = st.INPUT_NUM;
        open_strike_row(st);
        if (k == KO_FIGHTERS) add_to(st.FIGHTERS_READY, -L(st.INPUT_NUM));
        if (k == KO_TORPEDO_BOMBERS) set_torpedo_bomber_loads(st, st.INPUT_NUM);
        take_strike_aircraft(st, k);
    }
}

}  // namespace morva95f
