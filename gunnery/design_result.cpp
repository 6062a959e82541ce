// kelmat95: the design result screen of a modified real class or an own design - proper and
// planned displacement, the main battery and armour, the arrangement drawing, the weight
// shares - and the choice: the proper displacement, the planned one, or a new design.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// One line "@####@": a text, a number rounded into four places, a text.
void print_formatted_line(int col, int row, const char* head, real value, const char* tail) {
    con::locate(Col(col), Row(row));
    con::print_using_start("@####@");
    con::print_using_string(head);
    con::print_using_double(value);
    con::print_using_string(tail);
    // No line end: the last of these lines stands on row 23, where a line end would scroll.
    con::print_using_end(false);
}

void print_value_line(int col, int row, const char* head, float value, const char* tail) {
    con::print_at(Col(col), Row(row), head);
    con::print_single_item(value);
    con::print_string_item(tail);
}

}  // namespace

void count_main_guns(Kelmat& s) {
    const float layout = s.A(s.SIDE_NO, s.SHIP_NO, A_LAYOUT);
    real guns = 0;
    for (int n = L_FIRST_TURRET; n <= L_LAST_TURRET; ++n) guns += con::int_floor(L(s.L(layout, n)) / 10);
    s.MAIN_GUN_COUNT = con::store(guns);
}

void weight_shares(Kelmat& s) {
    const real proper = L(s.PROPER_DISPLACEMENT);
    s.MAIN_BATTERY_SHARE = con::store(con::int_floor(L(s.Z(Z_BATTERY_WEIGHT)) * 66 / proper));
    s.ARMOUR_SHARE = con::store(con::int_floor(L(s.ARMOUR_WEIGHT_BASE) * L(s.SIZE_FACTOR) * 66 / proper));
    s.MACHINERY_SHARE = con::store(con::int_floor(L(s.MACHINERY_WEIGHT_BASE) * L(s.SIZE_FACTOR) * 66 / proper));
}

Block DESIGN_RESULT_SCREEN(Kelmat& s) {
    con::clear_screen(0);
    con::locate(Col(8), Row(0));
    con::color(6);
    con::print_string_item("  ");
    con::print_single_item(s.SHIP_NO);
    con::print_string_item(" 番艦");
    print_value_line(6, 3, "適正排水量は ", s.PROPER_DISPLACEMENT, " ton となります");
    print_formatted_line(50, 3, "予定排水量 ", L(s.A(s.SIDE_NO, s.SHIP_NO, A_DISPLACEMENT)), "00 ton");
    con::print_at(Col(50), Row(6), "主砲口径    ");
    con::print_string_item(s.GUN_TEXT);
    print_value_line(50, 7, "主砲門数　  ", s.MAIN_GUN_COUNT, " 門");
    print_value_line(50, 8, "垂直装甲厚 ", s.BELT_MM, " mm");
    print_value_line(50, 9, "水平装甲厚 ", s.DECK_MM, " mm");
    s.TT(TT_SHIP_REF) = con::store(L(s.SIDE_NO) * 100 + L(s.SHIP_NO));
    SHUHOU(s);
    weight_shares(s);
    const real main = L(s.MAIN_BATTERY_SHARE), armour = L(s.ARMOUR_SHARE), machinery = L(s.MACHINERY_SHARE);
    print_formatted_line(50, 20, "主砲重量  ", main, " %");
    print_formatted_line(50, 21, "防御重量  ", armour, " %");
    print_formatted_line(50, 22, "機関重量  ", machinery, " %");
    print_formatted_line(50, 23, "船体重量  ", 100 - main - armour - machinery, " %");
    if (s.PROPER_DISPLACEMENT > 999999) return DISPLACEMENT_LIMIT_MESSAGE(s, false);
    return Block::DesignChoiceMenu;
}

Block DESIGN_CHOICE_MENU(Kelmat& s) {
    // The first answer in the colour in force: magenta after the second limit message.
    con::print_at(Col(15), Row(10), "１  適正排水量にする");
    con::color(6);
    con::print_at(Col(15), Row(12), "２  予定排水量にする");
    con::print_at(Col(15), Row(14), "３  やりなおす");
    con::print_at(Col(15), Row(20), "Input  1 - 3");
    const std::string answer = ask_line_choice(s.ANSWER_KEY, nullptr, {10, 17, "  どれにしますか ?   "},
                                               con::PromptStyle::Plain, {"1", "2", "3"}, [&s] { CLEAR_PROMPT_AREA(s); });
    if (answer == "1") return Block::StoreProper;
    if (answer == "2") return Block::StorePlanned;
    SHOW_CLASS_LIST(s);
    return Block::ShipValuesStart;
}

}  // namespace kelmat
