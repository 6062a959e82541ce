// kelmat95: the viewers of main-menu items 3 to 8 as far as the frame relies on them: they
// return to the menu, and the ship data viewer loads every navy's class records as it will.
// Their tables and charts are not built yet.
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

Block SHIP_DATA_VIEWER(Kelmat& s) {
    con::clear_screen(0);
    for (s.BLUE_NAVY = 1; s.BLUE_NAVY <= 5; s.BLUE_NAVY = con::store(con::L(s.BLUE_NAVY) + 1)) LOAD_CLASS_RECORDS(s);
    // The navy counter ends at 6, past the last navy, as the viewer leaves it.
    not_ready_notice(8);
    hit_any_key(s.KEY_STRING, {33, 12, kColourInForce, "Hit Any Key"});
    con::clear_screen(0);
    return Block::MainMenu;
}

}  // namespace kelmat
