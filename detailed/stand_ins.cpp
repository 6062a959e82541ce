// MORVA95F: the least stand-ins for the blocks and routines of the operational day, each where
// the real one will go. Each day of an operation ends at once; the F1 overview's map, contact
// list and Allied overview show only what keeps the screen sane.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {

Block DAY_LOOP(State& st) {
    st.DAY_NO = 1;
    return Block::DayStart;
}

Block DAY_START(State& st) {
    st.TT(TT_DAY) = st.DAY_NO;
    st.OPERATION_ACTIVE = 1;
    if (st.DAY_NO > 1) {
        con::clear_screen(0);
        con::locate(con::Col(34), con::Row(5));
        con::color(7);
        con::print_string_item("第 ");
        con::print_single_item(st.DAY_NO);
        con::print_string_item(" 日");
    }
    return Block::EndOfDay;  // the day's hour steps are not played yet
}

Block NEXT_DAY(State& st) {
    st.DAY_NO = con::store(con::L(st.DAY_NO) + 1);
    return st.DAY_NO <= 3 ? Block::DayStart : Block::OperationEnd;
}

void FMAP(State& st) {
    // The target base at the map's origin; the land, the forces and the ranges come later.
    const float target = st.AT(st.TT(TT_FLEET));
    const bool destroyed = st.P(target, P_STRENGTH) < 1;
    con::draw_line(396, 165, 402, 171, destroyed ? 9 : 5, con::Shape::FilledBox);
    con::color(destroyed ? 2 : 3);
    con::print_at(con::Col(43), con::Row(10), "敵基地");
}

void ICHI0(State&) {
    con::color(7);
    con::print_at(con::Col(52), con::Row(1), "敵艦隊いまだ発見できず");
}

void HYOJI6(State& st) {
    con::color(7);
    con::print_at(con::Col(0), con::Row(1), "WAIT");
    con::print_single_item(st.TT(TT_WAIT));
    morva::hit_any_key(st.WAIT_KEY_RESULT, {29, 23, 5, "Hit Any Key"});
    con::color(7);  // the air-group table that follows the key is printed in white
}

}  // namespace morva95f
