// kelmat95: the designer's entry for a modified real class or an own design - the working
// navy, the displacement reference texts - and its first question, the planned displacement.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::Row;

float displacement_answer_value(const std::string& answer) {
    // The whole answer is read, blanks and all: cutting it to its first bytes would take
    // "12345" as 1234 and "  9000" as 90. Text that is no number gives 0, and so does a
    // number beyond a float's range (1E300), which has no value to store and is refused alike.
    const con::real v = con::val(answer);
    return con::fits_float(v) ? con::store(v) : 0;
}

Block DESIGN_START(Kelmat& s) {
    s.WORK_NAVY = s.SIDE_NO == 1 ? s.RED_NAVY : s.BLUE_NAVY;
    s.data.restore_data("ReferenceDisplacement" + std::to_string(record_navy(s.WORK_NAVY)));
    con::color(6);
    SHOW_REFERENCE_COLUMN(s);
    con::print_at(Col(0), Row(2), con::space_string(40));
    con::print_at(Col(0), Row(3), con::space_string(40));

    con::locate(Col(8), Row(2));
    con::print_string_item("  ");
    con::print_single_item(s.SHIP_NO);
    con::print_string_item(" 番艦の 排水量は　?            ");
    con::print_at(Col(10), Row(5), "80 (8000ton) - 9000 (900000ton)");
    con::print_at(Col(22), Row(7), "( 100 ton 単位 )");
    do {
        con::locate(Col(35), Row(2));
        s.DISPLACEMENT_TEXT = con::input_line(" ");
        s.DESIGN_DISPLACEMENT = displacement_answer_value(s.DISPLACEMENT_TEXT);
    } while (s.DESIGN_DISPLACEMENT < 80 || s.DESIGN_DISPLACEMENT > 9000);
    return Block::StoreDisplacement;
}

}  // namespace kelmat
