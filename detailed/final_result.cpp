// MORVA95F: the final screen with the victory level, the Allied loss count and the results line.
#include "console/console.h"
#include "detailed/blocks.h"
#include "campaign/route_network.h"
#include "detailed/routines.h"
#include "campaign/strategic_map.h"

namespace morva95f {
namespace {

int count_held_bases(const State& st) {
    int held = 0;
    for (int b = 1; b <= 21; ++b)
        if (st.P(b, P_HOLDER) == 0) ++held;
    return held;
}

void show_player_losses(const State& st) {
    float carriers = 0, battleships = 0;
    for (int ship = 1; ship <= 21; ++ship)
        if (st.A(0, ship, A_DURABILITY) < 1) carriers = carriers + 1;
    for (int ship = 22; ship <= 33; ++ship)
        if (st.A(0, ship, A_DURABILITY) < 1) battleships = battleships + 1;
    con::locate(con::Col(0), con::Row(5));
    con::print_string_item("損害   空母 ");
    con::print_single_item(carriers);
    con::print_string_item(" 戦艦 ");
    con::print_single_item(battleships);
    con::print_end();
    con::locate(con::Col(7), con::Row(6));
    con::print_string_item("航空機");
    con::print_number_item(con::L(st.VS(0, AIR_FIGHTERS)) + con::L(st.VS(0, AIR_DIVE_BOMBERS)) +
                           con::L(st.VS(0, AIR_TORPEDO_BOMBERS)));
    con::print_end();
}

[[noreturn]] void close_message_and_idle(int column, int row) {
    con::print_at(con::Col(column), con::Row(row), "WINDOW を閉じてください");
    con::idle_forever();  // blocks on window events; F1 stays armed; closing ends the program
}

// The screen from its map on (steps 2-11); `held` is the count of Japanese-held bases.
[[noreturn]] void final_screen(State& st, int held) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
    const bool single_operation = st.SCENARIO_NO == 6;
    if (single_operation) {
        con::color(7);
        con::locate(con::Col(4), con::Row(0));
        con::print_string_item(st.TX(st.AT(1)));
        con::print_string_item(" 作戦");
        con::print_end();
    }
    con::draw_line(0, 80, 200, 160, 0, con::Shape::FilledBox);
    con::color(6);
    con::locate(con::Col(0), con::Row(3));
    COUNT_ALLIED_LOSSES(st);
    SHOW_RESULTS_LINE(st);
    show_player_losses(st);
    if (single_operation) close_message_and_idle(1, 1);
    const auto [winner, level] = victory_level(held);
    con::print_at(con::Col(5), con::Row(1), winner);
    if (!level.empty()) {
        con::print_at(con::Col(12), con::Row(1), level);
        con::print_end();
    }
    con::color(6);
    close_message_and_idle(1, 8);
}

}  // namespace

std::pair<std::string, std::string> victory_level(int held) {
    if (held == 12 || held == 13) return {"引き分け", ""};
    const std::string winner = held > 13 ? "日本軍" : "連合軍";
    if (held >= 9 && held <= 16) return {winner, "限定的勝利"};
    if (held >= 6 && held <= 18) return {winner, "全面的勝利"};
    if (held >= 3 && held <= 20) return {winner, "圧倒的勝利"};
    return {winner, "完全勝利"};
}

void COUNT_ALLIED_LOSSES(State& st) {
    st.ALLIED_CV_SUNK = 0;
    st.ALLIED_BB_SUNK = 0;
    for (int ship = 1; ship <= 42; ++ship) {
        if (!(st.A(1, ship, A_DURABILITY) < 1)) continue;
        if (ship < 16)
            st.ALLIED_CV_SUNK = st.ALLIED_CV_SUNK + 1;
        else
            st.ALLIED_BB_SUNK = st.ALLIED_BB_SUNK + 1;
    }
}

void SHOW_RESULTS_LINE(State& st) {
    con::print_string_item("戦果   空母 ");
    con::print_single_item(st.ALLIED_CV_SUNK);
    con::print_string_item(" 戦艦 ");
    con::print_single_item(st.ALLIED_BB_SUNK);
}

Block FINAL_RESULT(State& st) { final_screen(st, count_held_bases(st)); }

Block FINAL_RESULT_MAP(State& st) { final_screen(st, 0); }

}  // namespace morva95f
