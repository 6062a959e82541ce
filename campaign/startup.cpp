// What both games' start-up and turn head do alike.
#include "campaign/startup.h"

#include <cstdint>

#include "console/console.h"

namespace morva {

void start_program(std::function<void()> function_key_handler) {
    con::randomize(static_cast<std::uint32_t>(con::val(con::right_string(con::time_string(), 2))));
    con::on_error_goto(true);
    con::on_key_gosub(1, std::move(function_key_handler));
    con::key_switch(1, con::TrapState::On);
}

float commander_character(const std::string& key) {
    if (key == "H" || key == "h") return 1;
    if (key == "S" || key == "s") return -1;
    return 0;
}

void show_turn_banner(float turn) {
    con::color(5);
    con::locate(con::Col(11), con::Row(0));
    con::print_string_item("第 ");
    con::print_single_item(turn);
    con::print_string_item(" ターン");
}

}  // namespace morva
