// kelmat95: the viewers of main-menu items 4 and 5 as far as the frame relies on them: they
// return to the menu. Their tables and charts are not built yet.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

void not_ready_notice(int row) {
    con::color(6);
    con::print_at(Col(24), Row(row), "この画面は準備中です");
}

}  // namespace

Block PENETRATION_VIEWER(Kelmat& s) {
    con::clear_screen(0);
    not_ready_notice(8);
    con::print_at(Col(33), Row(12), "Hit Any Key");
    s.KEY_STRING = con::wait_key_string();
    return Block::MainMenu;
}

void MEITYU(Kelmat&) {
    con::clear_screen(0);
    not_ready_notice(8);
    con::locate(Col(54), Row(15));
    con::color(5);
    con::print_string_item("Hit Any Key");
    (void)con::wait_key_string();
}

}  // namespace kelmat
