// MORVA95S: the F1 handler: a digit sets the display time; "Q" shows the status panel outside
// an operation and the overview of the Allied forces during one.
#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

// Rows of the overview: carriers from row 0, battleships from row 10 to the last row.
constexpr int kBattleshipRow = 10;
constexpr int kBattleshipsPerColumn = 14;
// Offset of a group's second battleship column: the widest name and its durability fit.
constexpr int kSecondColumn = 16;

void ship_entry(const State& st, int col, int row, float ship) {
    con::locate(con::Col(col), con::Row(row));
    con::print_string_item(st.MM(1, ship));
    con::print_single_item(st.A(1, ship, A_DURABILITY));
}

void show_group(const State& st, int g) {
    const int block = 30 * (g - 1);
    const long carriers = con::round_half_away(con::L(st.CV(1, g)));
    for (long i = 1; i <= carriers; ++i) ship_entry(st, block, static_cast<int>(i - 1), st.C(1, g, i));
    // More battleships than rows below row 10 go on in a second column of the group's block,
    // so that nothing is ever written past the last row.
    const long battleships = con::round_half_away(con::L(st.BB(1, g)));
    for (long i = 1; i <= battleships; ++i) {
        const long k = i - 1;
        const int col = block + static_cast<int>(k / kBattleshipsPerColumn) * kSecondColumn;
        ship_entry(st, col, kBattleshipRow + static_cast<int>(k % kBattleshipsPerColumn), st.G(1, g, i));
    }
    con::locate(con::Col(60), con::Row(g + 17));
    con::print_single_item(st.OC(g));
}

void allied_overview(State& st) {
    con::clear_screen(0);
    con::color(6);
    for (int g = 1; g <= 2; ++g) show_group(st, g);
    for (int k = 0; k <= 3; ++k) {
        con::locate(con::Col(60), con::Row(k + 2));
        con::print_single_item(st.O(k));
        con::print_end();
    }
    const float target = st.AT(st.FLEET_NO);
    con::locate(con::Col(60), con::Row(9));
    con::print_single_item(st.P(target, P_STRENGTH));
    con::print_single_item(st.P(target, P_AIR_DEFENCE));
    con::print_end();
    con::locate(con::Col(60), con::Row(12));
    con::print_string_item("退");
    con::print_single_item(st.TK(1));
    con::print_string_item("発");
    con::print_single_item(st.H(1));
    con::print_end();
    con::locate(con::Col(60), con::Row(14));
    con::print_single_item(st.FLEET_DISTANCE);
    con::print_single_item(st.OPERATION_CHARACTER);
    con::print_end();
    WAIT_KEY(st);
    con::clear_screen(0);
}

}  // namespace

void FKEY_HANDLER(State& st) {
    // The keys read here belong to the handler: the console never hands them to the question
    // that F1 interrupted, which goes on waiting for a key of its own afterwards.
    const std::string key = WAIT_KEY(st);
    if (key != "Q") {
        st.DISPLAY_TIME = con::store(con::val(key));
        if (st.DISPLAY_TIME < 1) return;
        morva::SET_DISPLAY_TIME(st.TT, st.DISPLAY_TIME);
        return;
    }
    if (st.OPERATION_ACTIVE == 0) {
        STATUS_PANEL(st);
        return;
    }
    allied_overview(st);
}

}  // namespace morva95s
