// kelmat95: the designer's belt and deck steps for a modified real class or an own design -
// the penetration of four reference guns, the tonnage left, the weight per millimetre and the
// proper thickness, the answers, the sloped-belt question, and the stores of both.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// The reference guns 12, 14, 16 and 18 inch: the table's loop runs 7, 14, 21, 28 and hands
// gun type 23 (the 18-inch 18/45) in place of 28; a gun's column is the loop value + 6.
constexpr int kReferenceLoop[] = {7, 14, 21, 28};

// The table heading, the caption and one column per reference gun with its penetration at
// 12 to 40 km (up to the gun's range).
template <typename Penetration>
void show_penetration_table(Kelmat& s, Penetration penetration) {
    con::print_at(Col(13), Row(14), "12 In. 14 In. 16 In. 18 In.");
    con::print_end();
    con::print_at(Col(20), Row(22), "貫通力");
    for (int j : kReferenceLoop) {
        s.LOOP_J = static_cast<float>(j);
        s.TT(TT_GUN_TYPE) = j == 28 ? 23.0f : static_cast<float>(j);
        for (s.LOOP_I = 12; s.LOOP_I <= 40; s.LOOP_I = s.LOOP_I + 4) {
            // The gun's range is read through the slot: CALC1 and CALC2 leave TT_GUN_TYPE alone.
            if (s.LOOP_I > s.W(W_RANGE, s.TT(TT_GUN_TYPE))) continue;
            const int row = static_cast<int>(s.LOOP_I) / 4 + 12;
            con::locate(Col(8), Row(row));
            con::print_single_item(s.LOOP_I);
            con::print_end();
            con::print_at(Col(9), Row(23), "Km");
            con::locate(Col(j + 6), Row(row));
            con::print_double_item(con::int_floor(penetration(s, s.LOOP_I)));
        }
    }
}

// The tonnage left for armour after main battery and machinery.
real tonnage_left(const Kelmat& s) {
    return L(s.DESIGN_DISPLACEMENT) * 100 - L(s.MAIN_BATTERY_WEIGHT) - L(s.MACHINERY_WEIGHT);
}

// Shows the three readouts of a step: tons left, tons per mm, proper thickness.
void show_readouts(int per_mm_col, real tons_left, const char* per_mm_text, real per_mm, int proper_col,
                   real proper) {
    con::print_at(Col(14), Row(9), "残り ");
    con::print_double_item(10 * con::int_floor((tons_left + 5) / 10));
    con::print_string_item(" ton です  ");
    con::print_at(Col(per_mm_col), Row(11), per_mm_text);
    con::print_double_item(con::int_floor(per_mm + 0.5L));
    con::print_string_item(" ton です ");
    con::print_at(Col(proper_col), Row(12), "(適正値 ");
    con::print_double_item(con::int_floor(proper));
    con::print_string_item(" mm)");
}

// From era 4 on: whether the belt is sloped; Y, y or Enter is yes, N or n no.
void ask_sloped(Kelmat& s, float& slope_factor) {
    slope_factor = 10;
    s.SLOPED_ARMOUR = 0;
    if (s.DESIGN_ERA < 4) return;
    if (!ask_yes_no(s.ANSWER_KEY, {{18, 6, 7, "装甲は傾斜装甲  ?"}, {20, 7, kColourInForce, "Hit Y or N Key"}},
                    kYesOrEnter))
        return;
    s.SLOPED_ARMOUR = 1;
    slope_factor = s.DESIGN_ERA == 4 ? 10.3f : 10.6f;
}

}  // namespace

real belt_penetration(Kelmat& s, float range) {
    CALC1(s);
    s.PEN_COEF_A = s.TT(TT_COEF_A);
    s.PEN_COEF_B = s.TT(TT_COEF_B);
    s.PEN_COEF_C = s.TT(TT_COEF_C);
    const real r = L(range);
    return -L(s.PEN_COEF_B) * r / 10 + L(s.PEN_COEF_A) * r * r / 486 + L(s.PEN_COEF_C);
}

real deck_penetration(Kelmat& s, float range) {
    CALC2(s);
    s.PEN_COEF_A = s.TT(TT_COEF_A);
    s.PEN_COEF_B = s.TT(TT_COEF_B);
    return L(range) * L(s.PEN_COEF_A) / 20 - L(s.PEN_COEF_B);
}

Block BELT_STEP(Kelmat& s) {
    for (int row = 2; row <= 23; ++row) con::print_at(Col(13), Row(row), con::space_string(31));
    SHOW_REFERENCE_COLUMN(s);
    con::print_at(Col(20), Row(3), "垂直装甲厚は  ?    ");
    con::print_at(Col(18), Row(6), "50 mm - 1000 mm");
    show_penetration_table(s, belt_penetration);
    s.LOOP_K = s.DESIGN_SPEED;
    ARMOUR_WEIGHT_PER_MM(s);
    const real left = tonnage_left(s);
    const real belt = L(s.BELT_WEIGHT_PER_MM), deck = L(s.DECK_WEIGHT_PER_MM);
    show_readouts(10, left, " 1 mm につき ", belt, 14, left / (belt + 0.5L * deck));
    con::print_end();
    ask_number(s.STORED_BELT, nullptr, {35, 3, " "}, 50, 1000, false);
    s.BELT_MM = s.STORED_BELT;
    s.BELT_TONS = con::store(L(s.STORED_BELT) * belt);
    float slope_factor = 10;
    ask_sloped(s, slope_factor);
    s.STORED_BELT = con::store(L(s.STORED_BELT) * L(slope_factor));
    STORE_BELT(s);
    return Block::DeckStep;
}

Block DECK_STEP(Kelmat& s) {
    con::color(6);
    SHOW_REFERENCE_COLUMN(s);
    con::print_at(Col(20), Row(3), "水平装甲厚は  ?      ");
    con::print_at(Col(15), Row(6), " Input 20 mm - 800 mm ");
    show_penetration_table(s, deck_penetration);
    // The weights per mm are those the belt step worked out for the design's speed.
    const real left = tonnage_left(s) - L(s.BELT_TONS);
    const real deck = L(s.DECK_WEIGHT_PER_MM);
    show_readouts(10, left, "1 mm につき ", deck, 16, left / deck);
    ask_number(s.STORED_DECK, nullptr, {35, 3, " "}, 20, 800, false);
    s.DECK_MM = s.STORED_DECK;
    con::print_at(Col(10), Row(14), con::space_string(35));
    STORE_DECK(s);
    return Block::WeightBalance;
}

}  // namespace kelmat
