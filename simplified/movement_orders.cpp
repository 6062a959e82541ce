// MORVA95S: MOVE0, the operating fleet's movement in a sub-turn: the player's menu of fifteen
// orders relative to the target base and the enemy fleet, or the program's own choice by fixed
// rules. An order changes the distance to the target base at once (never below 2) and sets the
// fleet's closing rate MV(4) on the enemy fleet, which the surface phase turns into distance.
#include <string>

#include "console/console.h"
#include "console/numbers.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// The menu texts of orders 1-15 (index 0 unused).
const char* const kOrderTexts[16] = {
    "",
    "１　移動をしない",
    "２　基地に全速で接近",
    "３　基地に巡航速度で接近",
    "４　基地から巡航速度で離脱",
    "５　基地から全速で離脱",
    "６　艦隊に全速で接近",
    "７　艦隊に巡航速度で接近",
    "８　艦隊から巡航速度で離脱",
    "９　艦隊から全速で離脱",
    "１０　基地との距離を保ちつつ艦隊に接近",
    "１１　基地との距離を保ちつつ艦隊から離脱",
    "１２　艦隊との距離を保ちつつ基地に接近",
    "１３　艦隊との距離を保ちつつ基地から離脱",
    "１４　基地および艦隊のいずれにも接近",
    "１５　基地および艦隊のいずれからも離脱",
};

/// Orders offered before the enemy fleet is found, and after.
constexpr int kOrdersBeforeContact = 5;
constexpr int kOrdersAfterContact = 15;

/// Applies order 1-15 to the base distance `base` and to MV(4). At full speed a fleet of speed
/// S steams S / 10 air-distance units in a sub-turn, at cruising speed two thirds of that.
void apply_order(State& st, long order, float& base) {
    const con::real s = L(st.S(0));
    const bool seeks_battle = st.TK(1) == 0;
    auto move = [&](con::real by) { base = con::store(L(base) + by); };
    float& rate = st.MV(MV_OWN);
    switch (order) {
        case 2: move(-(s / 10)); break;
        case 3: move(-(s * 2 / 30)); break;
        case 4: move(s * 2 / 30); break;
        case 5: move(s / 10); break;
        case 6: move(seeks_battle ? s / 50 : s / 30); rate = 10; break;
        case 7: move(seeks_battle ? s / 100 : s / 60); rate = 5; break;
        case 8: move(s / 100); rate = -5; break;
        case 9: move(s / 50); rate = -10; break;
        case 10: rate = seeks_battle ? 9.0f : 5.0f; break;
        case 11: rate = -9; break;
        case 12: move(-(s * 9 / 100)); break;
        case 13: move(s * 9 / 100); break;
        case 14: move(-(s * 2 / 30)); rate = 6; break;
        case 15: move(s * 3 / 40); rate = -7; break;
        default: break;  // order 1: the fleet stays
    }
}

/// The program's own choice: the first rule that matches. Its order is applied as it stands,
/// so MV(4) keeps its value under the orders that do not set it.
void choose_order(State& st, float& base) {
    const bool called_off = st.TK(0) == 1;
    const bool taken = st.P(st.AT(st.TT(TT_FLEET)), P_HOLDER) == 0;
    const con::real air = L(st.TT(TT_AIR_DISTANCE));
    const con::real fleet = L(st.TT(TT_FLEET_DISTANCE));
    const con::real b = L(base);
    long order = 14;
    if (called_off) {
        order = st.H(0) == 0 ? 5 : (taken ? 9 : 15);
    } else if (taken) {
        if (air >= 4 && air < 6) {
            st.MV(MV_OWN) = 0;  // holds between 4 and 6 units from the enemy fleet
            return;
        }
        order = air < 4 ? 15 : 6;
    } else if (air < 4 && b < 4) {
        order = 15;
    } else if (fleet < 1700 && b < 4.5L) {
        order = 10;
    } else if (fleet < 900 && b < 8.5L) {
        order = 12;
    }
    apply_order(st, order, base);
}

/// Steps 3-7: the speed, the question's head, the reminder of the last order and orders 1-5.
void show_menu(const State& st) {
    for (int row = 2; row <= 18; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(41));
    con::color(6);
    con::locate(con::Col(0), con::Row(2));
    con::print_string_item("最高速度  時速");
    con::print_number_item(L(st.S(0)) / 10);
    con::print_string_item("航空距離");
    con::print_end();
    con::print_at(con::Col(17), con::Row(3), "移動命令は ?  1 - ");
    if (st.TT(TT_LAST_ORDER) > 0) {
        con::locate(con::Col(26), con::Row(4));
        con::print_string_item("(Return は ");
        con::print_single_item(st.TT(TT_LAST_ORDER));
        con::print_string_item(")");
    }
    for (int order = 1; order <= kOrdersBeforeContact; ++order)
        con::print_at(con::Col(3), con::Row(3 + order), kOrderTexts[order]);
}

/// Orders 6-15, offered once the enemy fleet has been found.
void show_contact_orders() {
    for (int order = 6; order <= 9; ++order) con::print_at(con::Col(3), con::Row(3 + order), kOrderTexts[order]);
    for (int order = 10; order <= kOrdersAfterContact; ++order)
        con::print_at(con::Col(1), con::Row(3 + order), kOrderTexts[order]);
}

/// Steps 8-11: the answer. Return repeats the last order while it is one of those offered;
/// a number outside them, or Return without such an order, is asked again without a message.
float ask_order(State& st) {
    const bool contact = st.H(0) != 0;
    const long offered = contact ? kOrdersAfterContact : kOrdersBeforeContact;
    // Ends only on an answer the player types.
    for (;;) {
        if (contact) show_contact_orders();
        con::locate(con::Col(35), con::Row(3));
        const std::string line = con::input_line(contact ? "15    " : "5    ");
        if (line.empty()) {
            const long last = con::round_half_away(L(st.TT(TT_LAST_ORDER)));
            if (last >= 1 && last <= offered) return st.TT(TT_LAST_ORDER);
            continue;
        }
        const con::real n = con::val(line);
        if (n < 1 || n > offered) continue;
        st.TT(TT_LAST_ORDER) = con::store(n);
        return st.TT(TT_LAST_ORDER);
    }
}

}  // namespace

void MOVE0(State& st) {
    float base = st.PT(0);
    if (st.TT(TT_OWN_ORDERS) > 0) {
        show_menu(st);
        const float order = ask_order(st);
        for (int row = 2; row <= 19; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(44));
        st.MV(MV_OWN) = 0;
        apply_order(st, con::round_half_away(L(order)), base);
    } else {
        choose_order(st, base);
    }
    if (L(base) < 2) base = 2;
    st.PT(0) = base;
}

}  // namespace morva95s
