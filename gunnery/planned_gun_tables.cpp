// kelmat95: the belt and deck penetration tables of the guns of planned and fictional
// battleships (gun types 14-36, 4-km steps), split by a rule into the guns of ships that
// existed and those of imaginary ships.
#include "gunnery/dialogue.h"
#include "gunnery/penetration_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// What the two planned-gun tables do differently.
struct PlannedTable {
    Armour armour;
    const char* title;
    int title_row;
    int first_heading_step;
    int column_offset;  // heading number and value of step s at column 4s + offset
    int last_step;
    Block next;
};

constexpr PlannedTable kPlannedBelt = {Armour::Belt, "垂直装甲貫通力 (cm)", 2, 0, 10, 16, Block::PlannedBeltGraph};
constexpr PlannedTable kPlannedDeck = {Armour::Deck, "水平装甲貫通力 (cm)", 3, 1, 7, 17, Block::PlannedDeckGraph};

void show_heading(Kelmat& s, const PlannedTable& t) {
    con::clear_screen(0);
    con::color(4);
    con::print_at(Col(48), Row(t.title_row), t.title);
    if (t.armour == Armour::Belt) con::print_end();
    con::color(6);
    for (int step = t.first_heading_step; step <= t.last_step; ++step) {
        s.LOOP_M = static_cast<float>(step);
        con::locate(Col(4 * step + t.column_offset), Row(0));
        con::print_number_item(4 * L(s.LOOP_M));
    }
}

// A belt value fills a "###" field; a deck value prints as a plain number.
void show_cell(const PlannedTable& t, int type, const PenCell& cell) {
    con::locate(Col(4 * cell.step + t.column_offset), Row(type - 13));
    con::color(7);
    if (t.armour == Armour::Belt) {
        con::print_using_start("###");
        con::print_using_double(cell.cm);
        con::print_using_end(false);
    } else {
        con::print_double_item(cell.cm);
    }
}

Block planned_table(Kelmat& s, const PlannedTable& t) {
    show_heading(s, t);
    if (t.armour == Armour::Belt)
        for (int k = 1; k <= 36; ++k)
            for (int step = 0; step <= 22; ++step) s.E(k, step) = 0;
    con::print_at(Col(78), Row(0), "km");
    con::color(7);
    for (int type = 14; type <= 36; ++type) {
        s.LOOP_K = static_cast<float>(type);
        SHOW_GUN_ROW_NAME(s);
        for (const PenCell& cell : planned_table_row(s, type, t.armour)) show_cell(t, type, cell);
    }
    // The rule runs through the foot of row 10, under the last gun of a ship that existed.
    con::draw_line(0, 195, 639, 195, 15);
    con::color(6);
    con::print_at(Col(67), Row(8), "実在艦");
    con::print_at(Col(67), Row(12), "仮想艦");
    hit_any_key(s.ANSWER_KEY, {54, 5, 5, "Hit Any Key"});
    return t.next;
}

}  // namespace

std::vector<PenCell> planned_table_row(Kelmat& s, int t, Armour armour) {
    std::vector<PenCell> cells;
    const int last = armour == Armour::Belt ? kPlannedBelt.last_step : kPlannedDeck.last_step;
    for (int step = 0; step <= last; ++step) {
        s.LOOP_M = static_cast<float>(step);
        s.PEN_RANGE_KM = con::store(4 * L(s.LOOP_M));
        if (L(s.PEN_RANGE_KM) > L(s.W(W_RANGE, t))) continue;
        s.TT(TT_GUN_TYPE) = static_cast<float>(t);
        const real mm = armour == Armour::Belt ? belt_penetration(s, s.PEN_RANGE_KM) : deck_penetration(s, s.PEN_RANGE_KM);
        s.PEN_VALUE_MM = con::store(mm);
        // The belt table shows every value in range; the deck table none under 1 cm, whose
        // E keeps what the belt table left there.
        if (armour == Armour::Deck && L(s.PEN_VALUE_MM) / 10 < 1) continue;
        cells.push_back({step, con::int_floor(L(s.PEN_VALUE_MM) / 10)});
        s.E(t, step) = s.PEN_VALUE_MM;
    }
    s.LOOP_M = static_cast<float>(last + 1);
    return cells;
}

Block PLANNED_BELT_TABLE(Kelmat& s) { return planned_table(s, kPlannedBelt); }

Block PLANNED_DECK_TABLE(Kelmat& s) { return planned_table(s, kPlannedDeck); }

void SHOW_GUN_ROW_NAME(Kelmat& s) {
    con::locate(Col(0), Row(L(s.LOOP_K) - 13));
    con::color(6);
    con::print_string_item(s.G(s.LOOP_K));
}

}  // namespace kelmat
