// MORVA95F: the spotting of a daytime hour step - the ready aircraft in the hangars of the
// operational carriers and the room on the fleet's flight decks, the hangar totals, the
// question and the counts type by type, the torpedo bombers' loads, and the moves from hangar
// to flight deck carrier by carrier.
#include <algorithm>

#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::add_to;
using con::L;

/// The aircraft in the hangars that are not ready (fighters and dive bombers) or unarmed
/// (torpedo bombers), counted only for the totals.
struct NotReady {
    float fighters = 0;
    float dive_bombers = 0;
    float torpedo_bombers = 0;
};

/// SE(1), SE(2), SE(4), SE(5): the ready aircraft in the hangars of the operational carriers.
NotReady count_hangars(State& st) {
    NotReady idle;
    for (int t = KO_FIGHTERS; t <= KO_BOMB_ARMED; ++t) st.SE(t) = 0;
    const float f = st.FLEET_NO;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j) {
        if (!carrier_operational(st, st.C(0, f, j))) continue;
        add_to(st.SE(KO_FIGHTERS), st.F(0, j, AIR_FIGHTERS, F_HANGAR));
        add_to(st.SE(KO_DIVE_BOMBERS), st.F(0, j, AIR_DIVE_BOMBERS, F_HANGAR));
        add_to(st.SE(KO_TORPEDO_ARMED), st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR));
        add_to(st.SE(KO_BOMB_ARMED), st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR));
        add_to(idle.fighters, st.F(0, j, AIR_FIGHTERS, F_NOT_READY));
        add_to(idle.dive_bombers, st.F(0, j, AIR_DIVE_BOMBERS, F_NOT_READY));
        add_to(idle.torpedo_bombers, st.F(0, j, AIR_TORPEDO_BOMBERS, F_UNARMED));
    }
    return idle;
}

/// The room left on the flight decks of the operational carriers.
float deck_room(const State& st) {
    con::real capacity = 0, load = 0;
    const float f = st.FLEET_NO;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j) {
        const float ship = st.C(0, f, j);
        if (!carrier_operational(st, ship)) continue;
        capacity += st.A(0, ship, A_CAPACITY);
        load += L(st.F(0, j, AIR_FIGHTERS, F_DECK)) + L(st.F(0, j, AIR_DIVE_BOMBERS, F_DECK)) +
                L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK)) + L(st.F(0, j, AIR_TORPEDO_BOMBERS, F_BOMB_DECK));
    }
    return con::store(L(deck_capacity(con::store(capacity))) - load);
}

/// Only ready fighters, 1 to 48 of them, all within the room: they go up without a question.
bool fighters_go_up_alone(const State& st) {
    const float fighters = st.SE(KO_FIGHTERS);
    const con::real others = L(st.SE(KO_DIVE_BOMBERS)) + L(st.SE(KO_TORPEDO_ARMED)) + L(st.SE(KO_BOMB_ARMED));
    return fighters < 49 && fighters <= st.DECK_ROOM && fighters > 0 && others < 1;
}

void show_hangar_totals(State& st, const NotReady& idle) {
    CLEAR_MESSAGE_ROWS(st);
    st.SE(KO_TORPEDO_BOMBERS) = con::store(L(st.SE(KO_TORPEDO_ARMED)) + L(st.SE(KO_BOMB_ARMED)));
    const float whole[] = {0, con::store(L(st.SE(KO_FIGHTERS)) + L(idle.fighters)),
                           con::store(L(st.SE(KO_DIVE_BOMBERS)) + L(idle.dive_bombers)),
                           con::store(L(st.SE(KO_TORPEDO_BOMBERS)) + L(idle.torpedo_bombers))};
    con::color(6);
    for (int k = KO_FIGHTERS; k <= KO_TORPEDO_BOMBERS; ++k) {
        con::print_at(con::Col(16), con::Row(20 + k), "現在格納庫内に");
        con::print_string_item(st.NX(k));
        con::print_single_item(whole[k]);
        con::print_string_item("機待機中");
    }
    con::print_at(con::Col(58), con::Row(21), "(装備終了");
    con::print_single_item(st.SE(KO_FIGHTERS));
    con::print_string_item(")");
    con::print_at(con::Col(58), con::Row(22), "(爆弾搭載");
    con::print_single_item(st.SE(KO_DIVE_BOMBERS));
    con::print_string_item(")");
    con::print_at(con::Col(58), con::Row(23), "(雷装");
    con::print_single_item(st.SE(KO_TORPEDO_ARMED));
    con::print_string_item("爆装");
    con::print_single_item(st.SE(KO_BOMB_ARMED));
    con::print_string_item(")");
}

/// The count of type t: a whole number up to its ready aircraft and the room (fighters ask
/// again on an empty answer; the bombers take it as 0).
float ask_spot_count(State& st, int t) {
    const float limit = std::min(st.SE(t), st.DECK_ROOM);
    return con::store(morva::ask_number(
        [&st, t] {
            CLEAR_PROMPT_ROW(st);
            con::color(6);
            con::print_at(con::Col(10), con::Row(20), "何機の");
            con::print_string_item(st.NX(t));
            con::print_string_item("を上げますか ? (合計");
            con::print_single_item(st.DECK_ROOM);
            con::print_string_item("まで)");
        },
        {67, 20, ""}, 0, limit, true, t == KO_FIGHTERS ? morva::EmptyLine::AsksAgain : morva::EmptyLine::IsZero));
}

/// One torpedo bomber of the wanted loads up from the hangar of the carrier in `slot`,
/// torpedo-armed first; the harbour raid's counts of torpedoes and bombs left follow it while
/// the stocks last.
bool raise_torpedo_bomber(State& st, long slot) {
    return move_torpedo_bomber(st, slot, st.TORPEDO_LOAD, F_TORPEDO_HANGAR, F_TORPEDO_DECK, HW_TORPEDOES,
                               HW_ARMING_TORPEDOES, -1) ||
           move_torpedo_bomber(st, slot, st.BOMB_LOAD, F_BOMB_HANGAR, F_BOMB_DECK, HW_BOMBS, HW_ARMING_BOMBS, -1);
}

/// The counts of torpedoes and bombs left never stay below 0.
void clamp_stocks_left(State& st) {
    if (st.HW(HW_ARMING_TORPEDOES) < 1) st.HW(HW_ARMING_TORPEDOES) = 0;
    if (st.HW(HW_ARMING_BOMBS) < 1) st.HW(HW_ARMING_BOMBS) = 0;
}

/// The type loop, from the counts to the moves; `automatic` raises every ready fighter
/// without a prompt.
void spot_types(State& st, bool automatic) {
    for (int t = KO_FIGHTERS; t <= KO_TORPEDO_BOMBERS; ++t) {
        if (automatic && t == KO_FIGHTERS) {
            st.INPUT_NUM = st.SE(KO_FIGHTERS);
            raise_aircraft(st, t);
            continue;
        }
        if (st.SE(t) < 1 || st.DECK_ROOM < 1) continue;
        st.INPUT_NUM = ask_spot_count(st, t);
        if (st.INPUT_NUM == 0) continue;
        add_to(st.DECK_ROOM, -L(st.INPUT_NUM));
        if (t == KO_TORPEDO_BOMBERS) set_loads(st, st.INPUT_NUM, st.SE(KO_TORPEDO_ARMED), st.SE(KO_BOMB_ARMED));
        raise_aircraft(st, t);
    }
    clamp_stocks_left(st);
}

}  // namespace

float deck_capacity(float summed_capacity) { return con::store(con::int_floor((L(summed_capacity) + 1) / 2)); }

void raise_aircraft(State& st, int t) {
    carrier_passes(
        st,
        [&st, t](long slot, float ship) {
            if (!carrier_operational(st, ship)) return false;
            bool raised = false;
            if (t == KO_TORPEDO_BOMBERS) {
                raised = raise_torpedo_bomber(st, slot);
            } else if (st.F(0, slot, t - 1, F_HANGAR) > 0) {
                add_to(st.F(0, slot, t - 1, F_HANGAR), -1);
                add_to(st.F(0, slot, t - 1, F_DECK), 1);
                raised = true;
            }
            if (raised) add_to(st.INPUT_NUM, -1);
            return raised;
        },
        [&st] { return st.INPUT_NUM == 0; });
}

void spot_aircraft(State& st) {
    CLEAR_MESSAGE_ROWS(st);
    const NotReady idle = count_hangars(st);
    const con::real ready =
        L(st.SE(KO_FIGHTERS)) + L(st.SE(KO_DIVE_BOMBERS)) + L(st.SE(KO_TORPEDO_ARMED)) + L(st.SE(KO_BOMB_ARMED));
    if (ready < 1) return;
    st.DECK_ROOM = deck_room(st);
    if (st.DECK_ROOM < 1) return;
    if (fighters_go_up_alone(st)) {
        spot_types(st, true);
        return;
    }
    FLUSH_KEYBOARD(st);
    const bool spot = morva::ask_yes_no(st.DIALOGUE_KEY, [&st, &idle] {
        show_hangar_totals(st, idle);
        con::print_at(con::Col(10), con::Row(20), "格納庫内の機を甲板に上げますか ?  Hit Y - N Key");
    });
    if (spot) spot_types(st, false);
}

}  // namespace morva95f
