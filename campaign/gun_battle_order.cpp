// The player's order to the battleship line in a gun sub-turn.
#include "campaign/gun_battle_order.h"

#include <string>

#include "console/console.h"

namespace morva {

void ask_line_order(float& rate, float speed) {
    con::print_at(con::Col(10), con::Row(22), con::space_string(68));
    con::locate(con::Col(8), con::Row(22));
    con::color(6);
    con::print_string_item("速度 ");
    con::print_number_item(con::L(rate) * 10);
    con::print_string_item(" % (");
    con::print_number_item(con::int_floor(con::L(speed) * con::L(rate) / 10));
    con::print_string_item(")");
    // Ends only on an answer the player types.
    for (;;) {
        con::locate(con::Col(28), con::Row(22));
        const std::string order = con::input_line("移動は ?  接近(+) or 離脱(-) or 維持(Return) ");
        if (order.empty()) return;
        if (order == "+") {
            if (rate < 10) rate = con::store(con::L(rate) + 2);
            return;
        }
        if (order == "-") {
            if (rate > -10) rate = con::store(con::L(rate) - 2);
            return;
        }
    }
}

}  // namespace morva
