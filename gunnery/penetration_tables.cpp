// kelmat95: the penetration viewer's frame - the choice between real and planned guns, the
// label places D, the belt and deck tables of the real gun types 1-23 in 2-km steps with
// their label blocks, and the way back to the main menu.
#include "gunnery/dialogue.h"
#include "gunnery/penetration_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// What the two real-gun tables do differently.
struct RealTable {
    Armour armour;
    const char* title;
    int column_offset;  // range number and value of step s at column 3s + offset
    int km_column;
    Block next;
};

constexpr RealTable kRealBelt = {Armour::Belt, "垂直装甲貫通力 (cm)", 9, 77, Block::RealBeltGraph};
constexpr RealTable kRealDeck = {Armour::Deck, "水平装甲貫通力 (cm)", 8, 76, Block::RealDeckGraph};

// The last range step of a row: the belt table's 44-km step lies beyond every real gun and
// stays blank; the deck table stops at 42 km.
int last_table_step(Armour armour) { return armour == Armour::Belt ? 22 : 21; }

// Whether a computed cell stays blank. A belt row shows only the falling part of its curve,
// a deck row only values that do not fall, each from 1 cm (deck) or 1 mm (belt) on.
bool real_cell_blank(const Kelmat& s, Armour armour) {
    const real mm = L(s.PEN_VALUE_MM);
    const real cm = mm / 10;
    if (armour == Armour::Belt) return mm < 1 || cm > L(s.PEN_PREV_CM);
    return cm < 1 || cm < L(s.PEN_PREV_CM);
}

void show_choice_text() {
    con::print_at(Col(25), Row(7), "実在した戦艦の主砲データを見るときは");
    con::print_at(Col(23), Row(9), "Ｒ Ｋｅｙを押してください");
    con::print_at(Col(25), Row(11), "計画のみまたは仮想戦記に登場する戦艦の");
    con::print_at(Col(23), Row(13), "主砲データを見るときは Ｐ Ｋｅｙ を");
    con::print_at(Col(23), Row(15), "押してください");
}

Block real_table(Kelmat& s, const RealTable& t) {
    con::clear_screen(0);
    con::color(4);
    con::print_at(Col(48), Row(2), t.title);
    con::color(6);
    for (int step = 0; step <= 21; ++step) {
        s.LOOP_M = static_cast<float>(step);
        con::locate(Col(3 * step + t.column_offset), Row(0));
        con::print_double_item(2 * L(s.LOOP_M));
    }
    con::print_at(Col(t.km_column), Row(0), "km");
    if (t.armour == Armour::Belt)
        for (int k = 1; k <= 24; ++k)
            for (int step = 0; step <= 22; ++step) s.E(k, step) = 0;
    for (int k = 1; k <= 23; ++k) {
        s.LOOP_K = static_cast<float>(k);
        TABLE_CALIBRE_LABEL(s);
        for (const PenCell& cell : real_table_row(s, k, t.armour)) {
            con::locate(Col(3 * cell.step + t.column_offset), Row(real_table_text_row(k)));
            con::color(7);
            con::print_double_item(cell.cm);
        }
    }
    hit_any_key(s.ANSWER_KEY, {50, 8, 5, "Hit Any Key"});
    return t.next;
}

}  // namespace

void load_gun_label_order(Kelmat& s) {
    if (s.D(1, 1) != 0) return;
    s.data.restore_data("GunLabelOrder");
    // Read straight into D: BLUE_COUNT holds the scenario's ship count and is left alone.
    for (int row = 0; row <= 1; ++row)
        for (int k = 1; k <= 36; ++k) s.data.read_data(s.D(row, k));
}

Block PENETRATION_VIEWER(Kelmat& s) {
    con::clear_screen(0);
    load_gun_label_order(s);
    // In the colour the main menu left (yellow).
    show_choice_text();
    const std::string key = wait_for_key(s.ANSWER_KEY, "PpRr");
    return (key == "P" || key == "p") ? Block::PlannedBeltTable : Block::RealBeltTable;
}

int real_table_text_row(int k) { return k <= 13 ? k + 1 : k; }

std::vector<PenCell> real_table_row(Kelmat& s, int k, Armour armour) {
    std::vector<PenCell> cells;
    s.PEN_PREV_CM = armour == Armour::Belt ? 100.0f : 0.0f;
    const int last = last_table_step(armour);
    for (int step = 0; step <= last; ++step) {
        s.LOOP_M = static_cast<float>(step);
        s.PEN_RANGE_KM = con::store(2 * L(s.LOOP_M));
        if (L(s.PEN_RANGE_KM) > L(s.W(W_RANGE, k))) continue;
        s.TT(TT_GUN_TYPE) = static_cast<float>(k);
        const real mm = armour == Armour::Belt ? belt_penetration(s, s.PEN_RANGE_KM) : deck_penetration(s, s.PEN_RANGE_KM);
        s.PEN_VALUE_MM = con::store(mm);
        if (real_cell_blank(s, armour)) continue;
        cells.push_back({step, con::int_floor(L(s.PEN_VALUE_MM) / 10)});
        s.PEN_PREV_CM = con::store(L(s.PEN_VALUE_MM) / 10);
        s.E(k, step) = s.PEN_VALUE_MM;
    }
    s.LOOP_M = static_cast<float>(last + 1);
    return cells;
}

Block REAL_BELT_TABLE(Kelmat& s) { return real_table(s, kRealBelt); }

Block REAL_DECK_TABLE(Kelmat& s) { return real_table(s, kRealDeck); }

Block PENETRATION_VIEWER_EXIT(Kelmat&) {
    con::clear_screen(0);
    con::color(6);
    return Block::MainMenu;
}

void TABLE_CALIBRE_LABEL(Kelmat& s) {
    con::color(6);
    con::print_at(Col(0), Row(real_table_text_row(static_cast<int>(s.LOOP_K))), s.G(s.LOOP_K));
}

}  // namespace kelmat
