// kelmat95: the viewers of main-menu items 4 and 5 as far as the frame relies on them: they
// return to the menu. Their tables and charts are not built yet.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

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
    hit_any_key(s.KEY_STRING, {33, 12, kColourInForce, "Hit Any Key"});
    return Block::MainMenu;
}

void MEITYU(Kelmat&) {
    con::clear_screen(0);
    not_ready_notice(8);
    std::string key;  // kept nowhere
    hit_any_key(key, {54, 15, 5, "Hit Any Key"});
}

}  // namespace kelmat
