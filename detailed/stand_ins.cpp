// MORVA95F: the least stand-ins for the blocks and routines of the fleet organisation and of
// the operational day, each where the real one will go. The turn opening asks the Allied
// commander's character and forms no fleet; each day of an operation ends at once; the F1
// overview's map, contact list and Allied overview show only what keeps the screen sane.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

void ask_commander_character(State& st) {
    con::print_at(con::Col(0), con::Row(2), con::space_string(39));
    con::print_at(con::Col(0), con::Row(4), con::space_string(38));
    con::color(7);
    con::print_at(con::Col(6), con::Row(2), "連合軍指揮官の性格は ?");
    con::print_at(con::Col(3), con::Row(3), "猛進(H) - 慎重(S) - 乱数(R)");
    con::color(6);
    con::print_at(con::Col(9), con::Row(4), "Hit H - S - R Key");
    const std::string key = WAIT_KEY(st);
    if (key == "H" || key == "h")
        st.COMMANDER_CHARACTER = 1;
    else if (key == "S" || key == "s")
        st.COMMANDER_CHARACTER = -1;
    else
        st.COMMANDER_CHARACTER = 0;
}

// No fleet is formed: both Japanese air fleets stay empty and have no objective.
void form_no_fleet(State& st) {
    for (int f = 1; f <= 2; ++f) {
        for (int k = 1; k <= 8; ++k) st.C(0, f, k) = 0;
        for (int k = 1; k <= 27; ++k) st.G(0, f, k) = 0;
        st.CV(0, f) = 0;
        st.BB(0, f) = 0;
        st.AT(f) = 0;
    }
}

}  // namespace

Block TURN_OPENING(State& st) {
    ask_commander_character(st);
    if (st.HW(0) > 0) st.HW(0) = con::store(con::L(st.HW(0)) - 1);
    COUNT_ALLIED_LOSSES(st);
    con::clear_screen(0);
    con::color(7);
    if (st.SCENARIO_NO != 6) {
        con::locate(con::Col(0), con::Row(0));
        con::print_string_item("第");
        con::print_single_item(st.TURN_NO);
        con::print_string_item("ターン");
    }
    // The harbour-raid turn sails the force that the scenario opening preset.
    if (st.PEARL_HARBOR_TURN == 1) return Block::OperationsStart;
    st.TT(TT_TURN) = st.TURN_NO;
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    form_no_fleet(st);
    return st.SCENARIO_NO == 6 ? Block::OperationsReset : Block::OperationsStart;
}

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
    const bool destroyed = st.P(target, 2) < 1;
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
    con::color(5);
    con::print_at(con::Col(29), con::Row(23), "Hit Any Key");
    WAIT_KEY(st);
    con::color(7);  // the air-group table that follows the key is printed in white
}

}  // namespace morva95f
