// MORVA95S: the manual's rules chapter: the base table printed from the base tables the game
// plays with, then sixteen pages in a fixed order; the first two stand beside the base table,
// page 8 is drawn over page 7.
#include "console/console.h"
#include "console/text.h"
#include "simplified/manual.h"

namespace morva95s::manual {

const Page& rules_page(int number) {
    if (number == 7 || number == 8) return aircraft_table_page(number == 8);
    if (number <= 6) return opening_rules_pages().at(static_cast<std::size_t>(number - 1));
    return phase_rules_pages().at(static_cast<std::size_t>(number - 9));
}

void draw_base_table(const State& st) {
    con::color(7);
    con::print_at(con::Col(6), con::Row(1), "拠点名        勢力値");
    con::print_at(con::Col(19), con::Row(2), "(初期値)");
    for (int b = 1; b <= 21; ++b) {
        // Cyan for the bases Japan holds, yellow for the others; the home bases 1-5 show no
        // strength.
        con::color(st.P(b, P_HOLDER) == 0 ? 5 : 6);
        con::print_at(con::Col(5), con::Row(b + 1), st.TX(b));
        if (b < 6) continue;
        con::color(5);
        con::locate(con::Col(22), con::Row(b + 1));
        con::print_single_item(st.P(b, P_STRENGTH));
    }
}

void show_rules_chapter(State& st) {
    con::clear_screen(0);
    draw_base_table(st);
    show_page_over(st, rules_page(1));
    // Page 2 keeps the base table: only the right-hand side, columns 30-79 of rows 0-21, is
    // cleared; its last condition line covers row 22.
    for (int row = 0; row <= 21; ++row) con::print_at(con::Col(30), con::Row(row), con::space_string(50));
    show_page_over(st, rules_page(2));
    for (int page = 3; page <= 6; ++page) show_page(st, rules_page(page));
    show_simplified_aircraft_table(st);
    show_detailed_aircraft_table(st);
    for (int page = 9; page <= 16; ++page) show_page(st, rules_page(page));
}

}  // namespace morva95s::manual
