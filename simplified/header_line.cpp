// MORVA95S: HINITI, the header line of the operational screens: turn and date, air fleet,
// target area, day, hour and (during a gun battle) minutes.
#include "console/console.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

// Prints a label, a number and a unit at (col, 0), ending the line.
void field(int col, const char* before, con::real value, const char* unit) {
    con::locate(con::Col(col), con::Row(0));
    con::print_string_item(before);
    con::print_number_item(value);
    con::print_string_item(unit);
    con::print_end();
}

}  // namespace

void HINITI(State& st) {
    const float f = st.TT(TT_FLEET);
    con::locate(con::Col(0), con::Row(0));
    con::print_string_item(con::space_string(78));
    con::print_end();
    if (st.TT(TT_SUBTURN) == 0) return;
    con::color(7);
    if (st.TT(TT_SCENARIO) != 6) {
        const auto [year, month] = calendar_of_turn(static_cast<int>(con::round_half_away(st.TT(TT_TURN))));
        con::locate(con::Col(0), con::Row(0));
        con::print_single_item(st.TT(TT_TURN));
        con::print_string_item("TURN  ");
        con::print_number_item(year);
        con::print_string_item("年");
        con::print_number_item(month);
        con::print_string_item("月");
        con::print_end();
    }
    con::locate(con::Col(35), con::Row(0));
    con::print_string_item(st.TX(st.AT(f)));
    con::print_string_item("方面");
    con::print_end();
    field(24, "第", con::L(f), "艦隊");
    field(58, "第", con::L(st.TT(TT_DAY)), "日");
    field(66, "", con::L(st.TT(TT_SUBTURN)) + 3, "時");
    field(73, "", con::L(st.TT(TT_GUN_SUBTURN)) * 3 - 3, "分");
}

}  // namespace morva95s
