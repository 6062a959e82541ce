// Golden replay rows of MORVA95S's in-game manual: the menu, every page of every chapter and the
// way back. Add rows at the end of the table.
#include <string>

#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// Keys that turn `pages` pages of a chapter: every key turns a page, whatever it is.
std::string page_turns(int pages) {
    static const char* const kKeys[] = {"x", "6", "{ESC}", "{ENTER}", "3", "{UP}", "a", "1"};
    std::string keys;
    for (int i = 0; i < pages; ++i) keys += kKeys[i % 8];
    return keys;
}

// The menu's "2", the chapter's item, then the keys that lead to page `page` of it.
std::string manual_page(char item, int page) { return std::string("2") + item + page_turns(page - 1); }

std::vector<Replay> manual_rows() {
    std::vector<Replay> rows{
        {"morva95s_manual_menu", morva95s_program, "2"},
        {"morva95s_manual_ignored_keys", morva95s_program, "2079a{ENTER}{ESC}{UP}{LEFT}"},
        {"morva95s_manual_system_page", morva95s_program, "21"},
        {"morva95s_manual_system_page_turned", morva95s_program, "21{ESC}"},
        {"morva95s_manual_back_to_main_menu", morva95s_program, "2166"},
        {"morva95s_manual_japanese_ships", morva95s_program, "22"},
        {"morva95s_manual_allied_ships", morva95s_program, "22x"},
        {"morva95s_manual_after_ship_data", morva95s_program, "22xx"},
        {"morva95s_manual_battles_1", morva95s_program, "24"},
        {"morva95s_manual_battles_2", morva95s_program, "246"},
    };
    for (int page = 1; page <= 16; ++page) {
        const std::string number = (page < 10 ? "0" : "") + std::to_string(page);
        rows.push_back({"morva95s_manual_rules_" + number, morva95s_program, manual_page('3', page)});
    }
    rows.push_back({"morva95s_manual_rules_back_to_menu", morva95s_program, manual_page('3', 17)});
    for (int page = 1; page <= 3; ++page)
        rows.push_back(
            {"morva95s_manual_background_" + std::to_string(page), morva95s_program, manual_page('5', page)});
    rows.push_back({"morva95s_manual_background_back_to_menu", morva95s_program, manual_page('5', 4)});
    return rows;
}

const ReplayRows kMorva95sManualRows{manual_rows()};

}  // namespace
}  // namespace golden_replays
