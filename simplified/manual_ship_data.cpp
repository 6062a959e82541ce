// MORVA95S: the manual's ship data chapter: the Japanese ships and the Allied ships, printed
// from the ship tables the game itself plays with (names, values in the simplified mode and,
// for carriers, capacity and air group in single aircraft).
#include "console/console.h"
#include "simplified/manual.h"

namespace morva95s::manual {
namespace {

/// A piece of a head line: its words and colour; pieces follow one another on a row.
struct HeadPiece {
    const char* words;
    int colour;
};

template <std::size_t N>
void print_head(int column, int row, const HeadPiece (&pieces)[N]) {
    con::locate(con::Col(column), con::Row(row));
    for (const HeadPiece& p : pieces) {
        con::color(p.colour);
        con::print_string_item(p.words);
    }
}

// Which value slots 1-8 of a row are shown in white (the others in yellow).
constexpr bool kCarrierWhite[9] = {false, false, true, false, false, false, true, false, true};
constexpr bool kBattleshipWhite[9] = {false, false, true, false, true, false, true, false, true};

/// The value of slot k (1-8) of a ship's row: carriers show their capacity and air group in
/// single aircraft (slots 2-5), everything else comes from the ship table.
float slot_value(const State& st, int side, int ship, bool carrier, int k) {
    if (carrier && k >= 2 && k <= 5) return st.CC(side, ship, k);
    return st.A(side, ship, k);
}

/// One ship's row: its name at `name_column` (in the colour in force), then the eight values
/// from `first_column`, `step` columns apart.
void print_ship_row(const State& st, int side, int ship, bool carrier, int row, int name_column, int first_column,
                    int step) {
    con::print_at(con::Col(name_column), con::Row(row), st.MM(side, ship));
    // Picked through a pointer: a subscripted conditional of two arrays was mis-indexed by the
    // sanitizer build of GCC 12.
    const bool* white = carrier ? kCarrierWhite : kBattleshipWhite;
    for (int k = 1; k <= 8; ++k) {
        con::locate(con::Col(first_column + step * (k - 1)), con::Row(row));
        con::color(6);
        if (white[k]) con::color(7);
        con::print_single_item(slot_value(st, side, ship, carrier, k));
    }
}

constexpr HeadPiece kJapaneseHead0[] = {{"耐久", 6}, {" 収容           対空", 7}, {" 速力", 6}, {" 出現     ", 7},
                                        {"耐久 ", 6}, {"攻撃 ", 7},  {"射程  ", 6},  {"装甲 対空 ", 7},
                                        {"速力 ", 6}, {"出現", 7}};
constexpr HeadPiece kJapaneseHead1[] = {{"          (戦闘艦爆艦攻)       ", 6},
                                        {"ターン                  垂直", 7},
                                        {"水平        ", 6},
                                        {"ターン", 7}};
constexpr HeadPiece kAlliedHead0[] = {{"耐久", 6}, {" 収容", 7}, {"(戦闘艦爆艦攻)", 6}, {"対空", 7}, {" 速力", 6},
                                      {" 出現     ", 7}, {"耐久 ", 6}, {"攻撃 ", 7}, {"射程  ", 6}, {"装", 7},
                                      {"甲 ", 6}, {"対空 ", 7}, {"速力 ", 6}, {"出現", 7}};
constexpr HeadPiece kBattleshipHead[] = {{"耐久 ", 6}, {"攻撃 ", 7}, {"射程  ", 6}, {"装", 7},
                                         {"甲 ", 6},   {"対空 ", 7}, {"速力 ", 6}, {"出現", 7}};
constexpr HeadPiece kCarrierHead[] = {{"耐久", 6}, {" 収容", 7}, {"(戦闘艦爆艦攻)", 6},
                                      {"対空", 7}, {" 速力", 6}, {" 出現", 7}};

void japanese_ships_page(State& st) {
    con::clear_screen(0);
    print_head(5, 0, kJapaneseHead0);
    con::print_end();
    print_head(3, 1, kJapaneseHead1);
    for (int s = 1; s <= 21; ++s) print_ship_row(st, 0, s, true, s + 1, 0, 6, 4);
    for (int s = 22; s <= 33; ++s) print_ship_row(st, 0, s, false, s - 20, 40, 46, 4);
    // Written over the first-turn values of carriers 1-6, which appear only in that scenario.
    con::color(5);
    const char* const kHypothetical[] = {"仮", "想", "シ", "ナ", "リ", "オ"};
    for (int i = 0; i < 6; ++i) con::print_at(con::Col(35), con::Row(2 + i), kHypothetical[i]);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page_prompt(50, 23));
}

void allied_ships_page(State& st) {
    con::clear_screen(0);
    print_head(3, 0, kAlliedHead0);
    con::print_end();
    for (int s = 1; s <= 13; ++s) print_ship_row(st, 1, s, true, s, 0, 14, 3);
    for (int s = 16; s <= 35; ++s) print_ship_row(st, 1, s, false, s - 15, 40, 54, 3);
    print_head(5, 14, kBattleshipHead);
    print_head(42, 21, kCarrierHead);
    // The two British carriers fill rows 22 and 23; nothing there ends its line.
    for (int s = 14; s <= 15; ++s) print_ship_row(st, 1, s, true, s + 8, 40, 54, 3);
    for (int s = 36; s <= 42; ++s) print_ship_row(st, 1, s, false, s - 21, 0, 14, 3);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page_prompt(20, 23));
}

}  // namespace

void show_ship_data_chapter(State& st) {
    japanese_ships_page(st);
    allied_ships_page(st);
}

}  // namespace morva95s::manual
