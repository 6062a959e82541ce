// MORVA95F: the arming phase of a daytime hour step - the servicing of the fighters and dive
// bombers in the hangars, and the torpedo bombers' loads: given torpedoes without a question
// where the objective is already Japanese, otherwise split between torpedoes and bombs as the
// player says, with the mark of a change of loads for the raids that follow.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::add_to;
using con::L;

/// The mark that a change of loads leaves for the induced-explosion rolls of the next raid.
constexpr float kLoadsChanged = 5;

long fleet_carriers(const State& st) { return con::round_half_away(st.CV(0, st.FLEET_NO)); }

/// Fighters and dive bombers not yet ready become ready in the hangars of every carrier.
void service_hangars(State& st) {
    for (long s = 1; s <= fleet_carriers(st); ++s)
        for (int t = AIR_FIGHTERS; t <= AIR_DIVE_BOMBERS; ++t) {
            add_to(st.F(0, s, t, F_HANGAR), st.F(0, s, t, F_NOT_READY));
            st.F(0, s, t, F_NOT_READY) = 0;
        }
}

/// The torpedo bombers in the hangars of the carriers of durability 3 or more; SE(4) and SE(5)
/// of them armed with torpedoes and with bombs.
float count_hangar_torpedo_bombers(State& st) {
    con::real hangar = 0;
    st.SE(KO_TORPEDO_ARMED) = 0;
    st.SE(KO_BOMB_ARMED) = 0;
    for (long s = 1; s <= fleet_carriers(st); ++s) {
        if (st.A(0, st.C(0, st.FLEET_NO, s), A_DURABILITY) < 3) continue;
        hangar += L(st.F(0, s, AIR_TORPEDO_BOMBERS, F_UNARMED)) + L(st.F(0, s, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR)) +
                  L(st.F(0, s, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR));
        add_to(st.SE(KO_TORPEDO_ARMED), st.F(0, s, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR));
        add_to(st.SE(KO_BOMB_ARMED), st.F(0, s, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR));
    }
    return con::store(hangar);
}

/// Every torpedo bomber in the hangars of the fleet's carriers loses its load.
void unload_torpedo_bombers(State& st) {
    for (long s = 1; s <= fleet_carriers(st); ++s) {
        float& unarmed = st.F(0, s, AIR_TORPEDO_BOMBERS, F_UNARMED);
        float& torpedo = st.F(0, s, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR);
        float& bomb = st.F(0, s, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR);
        unarmed = con::store(L(unarmed) + L(torpedo) + L(bomb));
        torpedo = 0;
        bomb = 0;
    }
}

bool ask_arming(State& st, float hangar) {
    return morva::ask_yes_no(st.DIALOGUE_KEY, [&st, hangar] {
        CLEAR_MESSAGE_ROWS(st);
        con::color(6);
        con::print_at(con::Col(10), con::Row(22), "現在格納庫内に");
        con::print_string_item(st.NX(KO_TORPEDO_BOMBERS));
        con::print_single_item(hangar);
        con::print_string_item("機待機中");
        con::print_string_item("(雷装");
        con::print_single_item(st.SE(KO_TORPEDO_ARMED));
        con::print_string_item("爆装");
        con::print_single_item(st.SE(KO_BOMB_ARMED));
        con::print_string_item(")");
        if (st.PEARL_HARBOR_TURN == 1) {
            con::color(7);
            con::print_at(con::Col(10), con::Row(21), "浅海用魚雷残り");
            con::print_single_item(st.HW(HW_ARMING_TORPEDOES));
            con::print_string_item(" ８００Ｋｇ爆弾残り");
            con::print_single_item(st.HW(HW_ARMING_BOMBS));
            con::print_end();
        }
        con::color(4);
        con::print_at(con::Col(10), con::Row(20), "艦攻の装備をしますか ?  Hit Y - N Key");
        con::print_end();
    });
}

/// The torpedo count: a whole number from 0 to the counted torpedo bombers (an empty answer
/// asks again); the colour stays green.
float ask_torpedo_count(float hangar) {
    return con::store(morva::ask_number(
        [] {
            con::print_at(con::Col(10), con::Row(20), "魚雷装備は何機ですか ?               ");
            con::print_end();
        },
        {40, 20, ""}, 0, hangar, true, morva::EmptyLine::AsksAgain));
}

/// Moves INPUT_NUM unarmed torpedo bombers into state `armed`, one per carrier and pass over
/// every carrier of the fleet.
void arm_in_passes(State& st, int armed) {
    carrier_passes(
        st,
        [&st, armed](long slot, float) {
            float& unarmed = st.F(0, slot, AIR_TORPEDO_BOMBERS, F_UNARMED);
            if (unarmed <= 0) return false;
            add_to(unarmed, -1);
            add_to(st.F(0, slot, AIR_TORPEDO_BOMBERS, armed), 1);
            add_to(st.INPUT_NUM, -1);
            return true;
        },
        [&st] { return st.INPUT_NUM == 0; });
}

}  // namespace

bool arming_changes_loads(float count, float hangar, float torpedo, float bomb) {
    return L(count) > L(hangar) - L(bomb) || count < torpedo;
}

void arm_torpedo_bombers(State& st, float count, float bombs) {
    st.INPUT_NUM = count;
    arm_in_passes(st, F_TORPEDO_HANGAR);
    st.INPUT_NUM = bombs;
    arm_in_passes(st, F_BOMB_HANGAR);
}

void ARMING_PHASE(State& st) {
    service_hangars(st);
    st.REARM_FLAG = 0;
    const float hangar = count_hangar_torpedo_bombers(st);
    if (hangar < 1) return;
    if (st.PEARL_HARBOR_TURN == 0 && st.P(st.AT(st.FLEET_NO), P_HOLDER) < 1) {
        unload_torpedo_bombers(st);
        arm_torpedo_bombers(st, hangar, 0);
        return;
    }
    FLUSH_KEYBOARD(st);
    if (!ask_arming(st, hangar)) return;
    unload_torpedo_bombers(st);
    st.INPUT_NUM = ask_torpedo_count(hangar);
    if (arming_changes_loads(st.INPUT_NUM, hangar, st.SE(KO_TORPEDO_ARMED), st.SE(KO_BOMB_ARMED)))
        st.REARM_FLAG = kLoadsChanged;
    const float count = st.INPUT_NUM;
    arm_torpedo_bombers(st, count, con::store(L(hangar) - L(count)));
}

}  // namespace morva95f
