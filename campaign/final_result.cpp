// The campaign's close that both games show.
#include "campaign/final_result.h"

namespace morva {

void show_results_line(float carriers, float battleships, LineEnd end) {
    con::print_string_item("戦果   空母 ");
    con::print_single_item(carriers);
    con::print_string_item(" 戦艦 ");
    con::print_single_item(battleships);
    if (end == LineEnd::Closed) con::print_end();
}

std::pair<std::string, std::string> victory_level(int bases_held) {
    if (bases_held == 12 || bases_held == 13) return {"引き分け", ""};
    const std::string winner = bases_held > 13 ? "日本軍" : "連合軍";
    if (bases_held >= 9 && bases_held <= 16) return {winner, "限定的勝利"};
    if (bases_held >= 6 && bases_held <= 18) return {winner, "全面的勝利"};
    if (bases_held >= 3 && bases_held <= 20) return {winner, "圧倒的勝利"};
    return {winner, "完全勝利"};
}

void show_operation_title(const std::string& target_area) {
    con::color(7);
    con::locate(con::Col(4), con::Row(0));
    con::print_string_item(target_area);
    con::print_string_item(" 作戦");
    con::print_end();
}

void show_verdict(int bases_held, LineEnd winner_end) {
    const auto [winner, level] = victory_level(bases_held);
    con::print_at(con::Col(5), con::Row(1), winner);
    if (winner_end == LineEnd::Closed) con::print_end();
    if (level.empty()) return;
    con::print_at(con::Col(12), con::Row(1), level);
    con::print_end();
}

void close_final_screen(int row) {
    con::print_at(con::Col(1), con::Row(row), "WINDOW を閉じてください");
    con::idle_forever();  // blocks on window events; F1 stays armed; closing ends the program
}

}  // namespace morva
