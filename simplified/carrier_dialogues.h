// MORVA95S: what the carrier phases' screens share: a status row of texts and numbers, and
// the deck rows that the launch and shelter phases show.
#pragma once
#include <string_view>

#include "console/console.h"
#include "simplified/state.h"

namespace morva95s {

/// The colour of the carrier phases' status rows and of the counts typed.
inline constexpr int kRowColour = 6;

/// One item of a status row: a text, or a number as the platform prints a variable.
inline void print_item(std::string_view text) { con::print_string_item(text); }
inline void print_item(float number) { con::print_single_item(number); }

/// Prints the items one after another from (column, row), with no line end.
template <typename... Items>
void print_row(int column, int row, const Items&... items) {
    con::locate(con::Col(column), con::Row(row));
    (print_item(items), ...);
}

/// The deck rows of the launch and shelter phases in colour 6: "現在甲板に" NN(t) KO(t)
/// "ユニット待機中" at (16, 20 + t), and the torpedo bombers' loads at (54, 23).
void show_deck_rows(State& st);

}  // namespace morva95s
