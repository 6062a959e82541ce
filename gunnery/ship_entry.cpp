// kelmat95: the per-ship entry - one group of identical ships: its class, its sister ships
// and, for a real class taken unchanged, its build state; then the hand-over to the designer.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;

namespace {

// Clears the question rows, the hint and the reference column; the class names stay.
void blank_working_areas() {
    con::print_at(Col(10), Row(5), con::space_string(30));
    for (int r = 4; r <= 23; ++r) con::print_at(Col(15), Row(r), con::space_string(30));
    for (int r = 3; r <= 22; ++r) con::print_at(Col(68), Row(r), con::space_string(12));
    con::print_at(Col(68), Row(23), con::space_string(11));
    for (int r = 2; r <= 19; ++r) con::print_at(Col(2), Row(r), con::space_string(43));
}

void print_ship_line(Kelmat& s, const char* tail) {
    con::locate(Col(8), Row(2));
    con::color(6);
    con::print_string_item("  ");
    con::print_single_item(s.SHIP_NO);
    con::print_string_item(tail);
}

void ask_class(Kelmat& s) {
    con::print_at(Col(20), Row(2), "クラスは  ?              ");
    con::print_at(Col(16), Row(5), "Input  1 - 22");
    con::color(5);
    for (int n = 1; n <= 22; ++n) {
        con::locate(Col(69), Row(n + 1));
        con::print_using_start("##");
        con::print_using_single(static_cast<float>(n));
        con::print_using_end(false);
    }
    // Only whole class numbers are taken: a fraction would index one class and name another.
    float answer = 0;
    ask_number(answer, [] { con::color(6); }, {33, 2, " "}, 1, 22, true);
    s.CLASS_NO = answer;
}

void ask_sisters(Kelmat& s) {
    con::print_at(Col(18), Row(5), con::space_string(10));
    con::print_at(Col(16), Row(5), "Input  1 -");
    con::print_single_item(s.SISTER_LIMIT);
    float answer = 0;
    const auto ask = [&s] {
        print_ship_line(s, " 番艦の　");
        con::print_at(Col(20), Row(2), "同型艦は何隻  ?        ");
    };
    ask_number(answer, ask, {35, 2, " "}, 1, L(s.SISTER_LIMIT), true);
    s.SISTER_COUNT = con::store(L(answer) - 1);
}

// Source 0: the build state, asked only of a class with an as-built state of its own.
void ask_build_state(Kelmat& s) {
    const float built_row = con::store(L(s.CLASS_NAVY) + K_AS_BUILT_ROWS);
    if (s.K(built_row, s.CLASS_NO, K_HAS_AS_BUILT) != 1) {
        s.STATE_ANSWER = "2";
    } else {
        print_ship_line(s, " 番艦は　");
        con::print_at(Col(20), Row(2), "新造時それとも改造後 ?  ");
        con::print_at(Col(16), Row(5), "Input  1 - 2 ");
        ask_line_choice(s.STATE_ANSWER, nullptr, {40, 2, " "}, con::PromptStyle::Question, {"1", "2"});
    }
    if (s.STATE_ANSWER == "1") {
        s.SHIP_IS_AS_BUILT = 1;
        s.DESIGN_DISPLACEMENT = s.K(built_row, s.CLASS_NO, K_DISPLACEMENT);
    } else {
        s.SHIP_IS_AS_BUILT = 0;
        s.DESIGN_DISPLACEMENT = s.K(s.CLASS_NAVY, s.CLASS_NO, K_DISPLACEMENT);
    }
}

}  // namespace

Block SCENARIO_SHIP_LOOP(Kelmat& s) {
    blank_working_areas();
    print_ship_line(s, " 番艦の　");
    if (s.SHIP_SOURCE < 2) ask_class(s);
    const float count = s.SIDE_NO == 0 ? s.BLUE_COUNT : s.RED_COUNT;
    s.CLASS_NAVY = s.SIDE_NO == 0 ? s.BLUE_NAVY : s.RED_NAVY;
    s.SISTER_LIMIT = con::store(L(count) - L(s.SHIP_NO) + 1);
    if (s.SHIP_SOURCE < 2) {
        s.LOOP_I = s.CLASS_NO;
        CLASS_ERA(s);
        s.DESIGN_ERA = s.CLASS_ERA_NO;
        if (s.SISTER_LIMIT > s.K(s.CLASS_NAVY, s.CLASS_NO, K_SHIP_COUNT))
            s.SISTER_LIMIT = s.K(s.CLASS_NAVY, s.CLASS_NO, K_SHIP_COUNT);
    }
    if (s.SISTER_LIMIT <= 1)
        s.SISTER_COUNT = 0;
    else
        ask_sisters(s);
    if (s.SHIP_SOURCE != 0) return Block::ShipValuesStart;
    ask_build_state(s);
    return Block::StoreDisplacement;
}

Block SHIP_LOOP_NEXT(Kelmat& s) {
    s.SHIP_NO = con::store(L(s.SHIP_NO) + 1);
    return s.SHIP_NO > s.SHIP_LOOP_LIMIT ? Block::SideLoopNext : Block::ScenarioShipLoop;
}

Block SHIP_VALUES_START(Kelmat& s) {
    // BLUE's reference texts start here; the designer selects RED's itself.
    if (s.SIDE_NO == 0) s.data.restore_data("ReferenceDisplacement" + std::to_string(record_navy(s.BLUE_NAVY)));
    return Block::DesignStart;
}

}  // namespace kelmat
