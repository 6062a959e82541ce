// MORVA95F: the header time line HINITI (turn and date, fleet, target area, day and hour).
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {

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
    con::locate(con::Col(24), con::Row(0));
    con::print_string_item("第");
    con::print_single_item(f);
    con::print_string_item("艦隊");
    con::print_end();
    con::locate(con::Col(58), con::Row(0));
    con::print_string_item("第");
    con::print_single_item(st.TT(TT_DAY));
    con::print_string_item("日");
    con::print_end();
    con::locate(con::Col(66), con::Row(0));
    con::print_number_item(con::L(st.TT(TT_SUBTURN)) + 3);
    con::print_string_item("時");
    con::print_end();
}

}  // namespace morva95f
