// MORVA95S: FINAL_RESULT, the last screen of a campaign (and of the single operation): the
// strategic map, the Allied ships sunk, the player's losses and the verdict.
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

using con::L;

int count_bases_held(const State& st) {
    int held = 0;
    for (int b = 1; b <= 21; ++b)
        if (st.P(b, P_HOLDER) == 0) ++held;
    return held;
}

void show_own_losses(const State& st) {
    float carriers = 0, battleships = 0;
    for (int i = 1; i <= kJapaneseShips; ++i) {
        if (!(st.A(0, i, A_DURABILITY) < 1)) continue;
        if (i < 22)
            carriers = carriers + 1;
        else
            battleships = battleships + 1;
    }
    con::locate(con::Col(0), con::Row(5));
    con::print_string_item("損害   空母 ");
    con::print_single_item(carriers);
    con::print_string_item(" 戦艦 ");
    con::print_single_item(battleships);
    con::print_end();
    // The aircraft lost: every unit the campaign was given that is no longer in the reserve,
    // since each operation charges its losses to the reserve.
    const con::real reserve = L(st.V(1, 0)) + L(st.V(2, 0)) + L(st.V(3, 0));
    con::locate(con::Col(7), con::Row(6));
    con::print_string_item("航空機");
    con::print_single_item(con::store(L(st.RESERVE_SUPPLIED) - reserve));
    con::print_end();
}

void show_verdict(int bases_held) {
    const auto [winner, level] = victory_level(bases_held);
    con::locate(con::Col(5), con::Row(1));
    con::print_string_item(winner);
    con::print_end();
    if (level.empty()) return;
    con::locate(con::Col(12), con::Row(1));
    con::print_string_item(level);
    con::print_end();
}

}  // namespace

Block FINAL_RESULT(State& st) {
    const bool single_operation = st.SCENARIO_NO == 6;
    if (!single_operation) {
        con::color(7);
        st.BASES_HELD = static_cast<float>(count_bases_held(st));
    }
    draw_strategic_map(st);
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
    show_own_losses(st);
    if (!single_operation) show_verdict(static_cast<int>(st.BASES_HELD));
    con::print_at(con::Col(1), con::Row(9), "WINDOW を閉じてください");
    con::idle_forever();
}

}  // namespace morva95s
