// kelmat95: the designer's reference column (one stored text per class of the navy, beside
// the class list) and the prompt area where each question puts its lists and tables.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::Row;

void SHOW_REFERENCE_COLUMN(Kelmat& s) {
    for (int row = 0; row <= 22; ++row) con::print_at(Col(68), Row(row), con::space_string(12));
    // Row 23 is blanked one column short: nothing on the screen's last row may reach column 79.
    con::print_at(Col(68), Row(23), con::space_string(11));
    for (int i = 1; i <= 22; ++i) s.data.read_data(s.DT(i));
    for (int i = 1; i <= 22; ++i) con::print_at(Col(68), Row(i + 1), s.DT(i));
    CLEAR_PROMPT_AREA(s);
}

void CLEAR_PROMPT_AREA(Kelmat& s) {
    for (s.LOOP_J = 3; s.LOOP_J <= 23; s.LOOP_J = s.LOOP_J + 1)
        con::print_at(Col(2), Row(s.LOOP_J), con::space_string(43));
}

}  // namespace kelmat
