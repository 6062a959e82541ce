// The carriers' damage list HIGAI, which both games run unchanged on their own tables.
#pragma once
#include "console/console.h"
#include "campaign/shared_slots.h"

namespace morva {

/// HIGAI: for each carrier k of the fleet in `TT_FLEET`, on row 10 + k, its slot number
/// (column 1), name (column 5) and the first damage state that applies (column 12). A carrier
/// at durability 2 or below gets its flight deck (A_FLIGHT_DECK) set to 0 at every call.
/// Leaves the colour of the last state printed.
template <typename ParamVector, typename Counts, typename Lists, typename Names, typename Ships>
void HIGAI(const ParamVector& TT, const Counts& CV, const Lists& C, const Names& names, Ships& A) {
    const float f = TT(TT_FLEET);
    const long n = con::round_half_away(con::L(CV(0, f)));
    for (long k = 1; k <= n; ++k) {
        const float s = C(0, f, k);
        const long row = 10 + k;
        con::color(6);
        con::locate(con::Col(1), con::Row(row));
        con::print_single_item(static_cast<float>(k));
        con::locate(con::Col(5), con::Row(row));
        con::print_string_item(names(0, s));
        con::locate(con::Col(12), con::Row(row));
        const con::real d = con::L(A(0, s, A_DURABILITY));
        const con::real full = con::L(A(0, s, A_FULL_DURABILITY));
        const con::real deck = con::L(A(0, s, A_FLIGHT_DECK));
        if (d <= 0) {
            con::color(2);
            con::print_string_item("沈没");
        } else if (d <= 2) {
            con::color(3);
            con::print_string_item("大破");
            A(0, s, A_FLIGHT_DECK) = 0;  // a heavily damaged carrier's deck is out of action
        } else if (d < full && deck <= 7) {
            con::color(7);
            con::print_string_item("小破");
        } else if ((deck > 7 && deck < 10) || d < full) {
            con::color(6);
            con::print_string_item("損害軽微");
        } else {
            con::color(6);
            con::print_string_item("損害なし");
        }
    }
}

}  // namespace morva
