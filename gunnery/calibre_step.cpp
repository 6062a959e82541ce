// kelmat95: the designer's main-gun step for a modified real class or an own design - the
// navy's calibres in the reference column, the list of the 36 gun types and the question.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

// One entry of the gun list: the type number in white, then calibre, "  Inch / " and length
// in yellow. Types 1-18 stand in the left half, 19-36 in the right, from row 6.
void show_gun_entry(Kelmat& s, int i) {
    const int t = i + 1;
    const int half = i / 18;
    const int row = i % 18 + 6;
    con::color(7);
    con::locate(Col(24 * half), Row(row));
    if (t == 12) {
        // 13.5 would show as 14 in a whole-number field: this entry is a fixed text.
        con::print_string_item("12");
        con::color(6);
        con::print_string_item("  13.5inch / 45");
        return;
    }
    con::print_using_start("##");
    con::print_using_single(static_cast<float>(t));
    con::print_using_end(false);
    const std::string& name = s.G(t);
    s.LOOP_J = static_cast<float>(con::instr(name, "/"));
    const long slash = static_cast<long>(s.LOOP_J);
    con::color(6);
    con::locate(Col(23 * half + 4), Row(row));
    // Three string fields, two items: the third field gets none and prints nothing.
    con::print_using_start("##@@@");
    con::print_using_double(con::val(con::left_string(name, slash - 1)));
    con::print_using_string("  Inch / ");
    con::print_using_string(con::mid_string(name, slash + 1));
    con::print_using_end(false);
}

}  // namespace

Block CALIBRE_STEP(Kelmat& s) {
    s.data.restore_data("ReferenceCalibre" + std::to_string(record_navy(s.WORK_NAVY)));
    SHOW_REFERENCE_COLUMN(s);
    for (s.LOOP_I = 0; s.LOOP_I <= 35; s.LOOP_I = s.LOOP_I + 1) show_gun_entry(s, static_cast<int>(s.LOOP_I));
    // Sets the planned guns (from 24) off from the real ones.
    con::draw_line(180, 198, 330, 198, 14);
    const auto ask = [] { show({{20, 2, kColourInForce, "主砲の口径は ?           "}, {23, 4, kColourInForce, "Input 1 - 36"}}); };
    ask_number(s.GUN_TYPE, ask, {36, 2, " "}, 1, 36, false);
    store_group_gun(s);
    return Block::LayoutStep;
}

}  // namespace kelmat
