// kelmat95: the designer's speed step (the tonnage left after the main battery and the
// proper armour by speed), its machinery step (from era 5 on) and the store of the speed.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// One row of the table of proper armour for speed LOOP_K: the belt, and the deck half as
// thick, whose weights take up the tons left after main battery and machinery.
void show_speed_row(Kelmat& s) {
    const int row = static_cast<int>(s.LOOP_K) - 11;
    con::locate(Col(5), Row(row));
    s.MACHINERY_WEIGHT = speed_machinery_weight(s, s.LOOP_K);
    con::print_single_item(s.LOOP_K);
    con::print_string_item(" Kt  ");
    // The machinery standing now is the one the previous design left (0 at first).
    ARMOUR_WEIGHT_PER_MM(s);
    const real left = L(s.DESIGN_DISPLACEMENT) * 100 - L(s.MAIN_BATTERY_WEIGHT) - L(s.MACHINERY_WEIGHT);
    const real belt = L(s.BELT_WEIGHT_PER_MM), deck = L(s.DECK_WEIGHT_PER_MM);
    con::locate(Col(16), Row(row));
    con::print_double_item(con::int_floor(left / (belt + deck * 0.5L)));
    con::print_string_item(" mm");
    con::locate(Col(30), Row(row));
    con::print_double_item(con::int_floor(left / (belt * 2 + deck)));
    con::print_string_item(" mm");
}

void ask_speed(Kelmat& s) {
    const auto ask = [] { show({{20, 2, kColourInForce, "速力は  ?         "}}); };
    ask_number(s.DESIGN_SPEED, ask, {33, 2, " "}, 15, 60, false);
}

// Eras 5 and later: the machinery, by a key 1-3 (1-4 in era 7).
void ask_machinery(Kelmat& s) {
    for (int row = 2; row <= 23; ++row) con::print_at(Col(0), Row(row), con::space_string(44));
    con::color(7);
    con::print_at(Col(23), Row(6), "機関は ?");
    const bool gas_turbine = s.DESIGN_ERA == 7;
    con::print_at(Col(20), Row(8), gas_turbine ? "Hit 1 - 4 Key" : "Hit 1 - 3 Key");
    con::print_at(Col(15), Row(11), "1  蒸気タービン");
    con::print_at(Col(15), Row(13), "2  ディーゼル");
    con::print_at(Col(15), Row(15), "3  蒸気タービン,ディーゼル");
    if (gas_turbine) con::print_at(Col(15), Row(17), "4  ガスタービン");
    s.MACHINERY_TYPE = static_cast<float>(wait_for_digit(s.ANSWER_KEY, 1, gas_turbine ? 4 : 3) - 1);
    apply_machinery_factor(s);
}

}  // namespace

float speed_machinery_weight(const Kelmat& s, float speed) {
    const real d = L(s.DESIGN_DISPLACEMENT);
    return con::store(L(speed) * L(speed) * 78 * L(s.H(s.DESIGN_ERA)) * (d / 350 + con::sqr(d / 350)) / 20);
}

void apply_machinery_factor(Kelmat& s) {
    // The 4-byte factors lie below their decimals: 7020 x 0.9 gives 6317, not 6318.
    const real w = L(s.MACHINERY_WEIGHT);
    if (s.MACHINERY_TYPE == 3) s.MACHINERY_WEIGHT = con::store(con::int_floor(w * L(0.7f)));
    if (s.MACHINERY_TYPE == 2) s.MACHINERY_WEIGHT = con::store(con::int_floor(w * L(0.95f)));
    if (s.MACHINERY_TYPE == 1) s.MACHINERY_WEIGHT = con::store(con::int_floor(w * L(0.9f)));
}

Block SPEED_STEP(Kelmat& s) {
    SHOW_REFERENCE_COLUMN(s);
    for (int row = 1; row <= 23; ++row) con::print_at(Col(0), Row(row), con::space_string(44));
    const real left = con::int_floor(L(s.DESIGN_DISPLACEMENT) * 100 - L(s.MAIN_BATTERY_WEIGHT));
    con::print_at(Col(14), Row(23), "残り ");
    con::print_int32_item(static_cast<std::int32_t>(left));
    con::print_string_item(" ton です  ");
    con::print_at(Col(14), Row(6), "適正垂直装甲  適正水平装甲");
    for (s.LOOP_K = 18; s.LOOP_K <= 33; s.LOOP_K = s.LOOP_K + 1) show_speed_row(s);
    con::print_at(Col(17), Row(4), " Input 15 - 60 Kt ");
    ask_speed(s);
    s.LOOP_K = s.DESIGN_SPEED;
    s.MACHINERY_WEIGHT = speed_machinery_weight(s, s.DESIGN_SPEED);
    if (s.DESIGN_ERA < 5)
        s.MACHINERY_TYPE = 0;  // a steam turbine, not asked
    else
        ask_machinery(s);
    con::color(6);
    store_group_field(s, A_SPEED, s.DESIGN_SPEED);
    return Block::BeltStep;
}

}  // namespace kelmat
