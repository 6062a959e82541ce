// MORVA95S: OPERATION_END, the close of one air fleet's operation: whether the target base
// stays taken, the report, the harbour damage of the harbour strike and the reserve charged
// with the units the fleet's carriers lost.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Whether a carrier of the operating fleet is afloat (durability above 0).
bool carrier_afloat(const State& st) {
    const float f = st.FLEET_NO;
    for (long i = 1; L(i) <= L(st.CV(0, f)); ++i)
        if (L(st.A(0, st.C(0, f, i), A_DURABILITY)) > 0) return true;
    return false;
}

/// "第 n <text>" at (10, row) in yellow.
void fleet_line(const State& st, int row, const char* text) {
    con::locate(con::Col(10), con::Row(row));
    con::color(6);
    con::print_string_item("第 ");
    con::print_single_item(st.FLEET_NO);
    con::print_string_item(text);
    con::print_end();
}

/// The reserve pays for the difference between each carrier's air group and its hangar.
void charge_reserve(State& st) {
    const float f = st.FLEET_NO;
    for (long i = 1; L(i) <= L(st.CV(0, f)); ++i) {
        const float ship = st.C(0, f, i);
        st.V(1, 0) = con::store(L(st.V(1, 0)) + L(st.F(0, i, F_HANGAR)) - L(st.A(0, ship, A_AIR_GROUP)));
        st.V(2, 0) = con::store(L(st.V(2, 0)) + L(st.D(0, i, D_HANGAR)) - L(st.A(0, ship, A_AIR_GROUP + 1)));
        st.V(3, 0) = con::store(L(st.V(3, 0)) + L(st.T(0, i, T_HANGAR)) - L(st.A(0, ship, A_AIR_GROUP + 2)));
    }
}

}  // namespace

Block OPERATION_END(State& st) {
    const float b = st.AT(st.FLEET_NO);
    if (st.TK(0) == 1 || !carrier_afloat(st)) {
        // The invasion failed: a base taken during the operation goes back to its holder.
        const long base = con::round_half_away(L(b));
        st.P(b, P_HOLDER) = (base == 8 || base == 20) ? 2.0f : 1.0f;
        if (L(st.P(b, P_STRENGTH)) < 8) st.P(b, P_STRENGTH) = 8;
    }
    con::clear_screen(0);
    fleet_line(st, 8, " 艦隊作戦終了");
    if (st.PEARL_HARBOR_TURN == 1) {
        st.HW(0) = con::store(con::int_floor((L(st.HW(1)) - 28) / 2));
    } else {
        const bool held = L(st.P(b, P_HOLDER)) > 0;
        con::locate(con::Col(12), con::Row(11));
        con::color(held ? 3 : 5);
        con::print_string_item(st.TX(b) + (held ? "侵攻作戦は失敗せり" : "を占領せり"));
        con::print_end();
    }
    fleet_line(st, 14, " 艦隊は帰投します");
    PAUSE_MESSAGE(st);
    charge_reserve(st);
    return Block::NextFleet;
}

}  // namespace morva95s
