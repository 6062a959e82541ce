// kelmat95: scenario set-up - ship counts and navies, the side loop with each side's ship
// source and era, the one-time loading of the real-class tables, and the class list.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

void SHOW_NAVY_CHOICE() {
    con::print_at(Col(9), Row(8), con::space_string(60));
    con::print_at(Col(31), Row(5), "国籍は ?");
    con::print_at(Col(24), Row(9), "１　日本海軍");
    con::print_at(Col(24), Row(11), "２　アメリカ海軍");
    con::print_at(Col(24), Row(13), "３　イギリス海軍");
    con::print_at(Col(24), Row(15), "４　ドイツ海軍");
    con::print_at(Col(24), Row(17), "５　フランス海軍   イタリア海軍　 ソビエト海軍");
    con::print_at(Col(30), Row(20), "Hit 1 - 5 Key");
}

// One count question, asked again until a whole 1-46: the hint, the side's name in its
// colour, and the line input behind it (after `clear` before each try).
void ask_count(float& count, bool clear, const char* side, int side_colour) {
    const auto ask = [=] {
        if (clear) con::clear_screen(0);
        show({{28, 11, kColourInForce, "Input 1 - 46"}, {24, 8, side_colour, side}});
        con::color(6);
    };
    ask_number(count, ask, {kAtCursor, 0, " NAVY の数は ?  "}, 1, 46, true);
}

void ERA_QUESTION(Kelmat& s) {
    con::clear_screen(0);
    con::print_at(Col(16), Row(10), "１　 １８９９ － １９０５   (前ド級型)");
    con::print_at(Col(16), Row(12), "２　 １９０６ － １９１２   (ド級型)");
    con::print_at(Col(16), Row(14), "３　 １９１２ － １９１９   (超ド級型)");
    con::print_at(Col(16), Row(16), "４　 １９２０ － １９２９   (ポストジュットランド型)");
    con::print_at(Col(16), Row(18), "５　 １９３０ － １９４２　 (条約後型)");
    con::print_at(Col(16), Row(20), "６　 １９４３ － １９４６   (第２次大戦型)     ");
    con::print_at(Col(16), Row(22), "７　　超技術　　    　　　　(仮想戦記型)");
    con::print_at(Col(22), Row(5), "年代はいつですか ?  Hit 1 - 6 Key");
    // Key 7, the super-technology era, is taken although the prompt names 1-6.
    s.DESIGN_ERA = static_cast<float>(wait_for_digit(s.KEY_STRING, 1, 7));
}

// The line that sets a navy's real classes off from the fictional ones below them.
void draw_separator(float navy) {
    int y = 0;
    switch (record_navy(navy)) {
        case 1: y = 306; break;
        case 2: y = 342; break;
        case 3: return;  // every class of navy 3 is real
        default: y = 324; break;
    }
    con::draw_line(350, y, 635, y, 14);
}

void SHOW_CLASS_COLUMN(Kelmat& s) {
    for (int i = 1; i <= 22; ++i) s.data.read_data(s.NM(i));
    for (int i = 1; i <= 22; ++i) con::print_at(Col(45), Row(i + 1), s.NM(i));
}

}  // namespace

Block SCENARIO_SETUP(Kelmat& s) {
    ask_count(s.BLUE_COUNT, true, "BLUE ", 1);
    SHOW_NAVY_CHOICE();
    s.BLUE_NAVY = static_cast<float>(wait_for_digit(s.KEY_STRING, 1, 5));
    con::clear_screen(0);
    // RED's count is asked again in place, without clearing the screen.
    ask_count(s.RED_COUNT, false, "RED  ", 2);
    SHOW_NAVY_CHOICE();
    s.RED_NAVY = static_cast<float>(wait_for_digit(s.KEY_STRING, 1, 5));
    s.SIDE_COUNT = s.BLUE_COUNT > s.RED_COUNT ? s.BLUE_COUNT : s.RED_COUNT;
    s.SIDE_NO = 0;
    return Block::ScenarioSideLoop;
}

Block SCENARIO_SIDE_LOOP(Kelmat& s) {
    con::clear_screen(0);
    con::locate(Col(26), Row(5));
    if (s.SIDE_NO == 0) {
        con::color(5);
        con::print_string_item("BLUE NAVY         ");
        con::print_single_item(s.BLUE_COUNT);
    } else {
        con::color(3);
        con::print_string_item("RED  NAVY         ");
        con::print_single_item(s.RED_COUNT);
    }
    con::print_string_item(" 隻");
    con::color(6);
    con::print_at(Col(24), Row(8), "１　実在艦をそのまま使用する");
    con::print_at(Col(24), Row(10), "２　実在艦のデータを変更する");
    con::print_at(Col(24), Row(12), "３　自分で艦を設計する");
    con::print_at(Col(30), Row(15), "Hit 1 - 3  Key");
    s.SHIP_SOURCE = static_cast<float>(wait_for_digit(s.KEY_STRING, 1, 3) - 1);
    if (s.SHIP_SOURCE == 2) {
        ERA_QUESTION(s);
    } else if (!(s.K(1, 1, K_DISPLACEMENT) > 0)) {
        // The real-class tables are read once per run, by the first side that needs them.
        con::locate(Col(30), Row(18));
        con::color(7);
        con::print_string_item("WAIT A MOMENT");
        LOAD_REAL_CLASS_TABLES(s);
    }
    SHOW_CLASS_LIST(s);
    s.SHIP_NO = 1;
    s.SHIP_LOOP_LIMIT = s.SIDE_COUNT;
    return s.SHIP_NO > s.SHIP_LOOP_LIMIT ? Block::SideLoopNext : Block::ScenarioShipLoop;
}

Block SIDE_LOOP_NEXT(Kelmat& s) {
    s.SIDE_NO = con::store(con::L(s.SIDE_NO) + 1);
    return s.SIDE_NO > 1 ? Block::SaveScenario : Block::ScenarioSideLoop;
}

void LOAD_REAL_CLASS_TABLES(Kelmat& s) {
    s.data.restore_data("DesignCounts");
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) s.data.read_data(s.K(n, c, K_SHIP_COUNT));
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) s.data.read_data(s.K(n + K_AS_BUILT_ROWS, c, K_HAS_AS_BUILT));
    s.data.restore_data("DesignValues");
    for (int f = K_DISPLACEMENT; f <= K_SPEED; ++f)
        for (int n = 1; n <= 5; ++n)
            for (int c = 1; c <= 22; ++c) s.data.read_data(s.K(n, c, f));
    // The as-built rows follow at once; they hold no belt.
    for (int f : {K_DISPLACEMENT, K_GUN_TYPE, K_LAYOUT, K_DECK, K_SPEED})
        for (int n = 1; n <= 5; ++n)
            for (int c = 1; c <= 22; ++c) s.data.read_data(s.K(n + K_AS_BUILT_ROWS, c, f));
    s.data.restore_data("ShipNames");
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const float count = s.K(n, c, K_SHIP_COUNT);
            for (int m = 1; m <= count; ++m) s.data.read_data(s.N(n, c, m));
        }
}

void SHOW_CLASS_LIST(Kelmat& s) {
    con::clear_screen(0);
    con::locate(Col(10), Row(0));
    float navy = 0;
    if (s.SIDE_NO != 1) {
        con::color(5);
        con::print_string_item("BLUE NAVY         ");
        con::print_single_item(s.BLUE_COUNT);
        con::print_end();
        if (s.SHIP_SOURCE < 2) LOAD_CLASS_VALUES(s);
        navy = s.BLUE_NAVY;
    } else {
        con::color(3);
        con::print_string_item("RED  NAVY         ");
        con::print_single_item(s.RED_COUNT);
        con::print_end();
        if (s.SHIP_SOURCE < 2) {
            // The loaders load the navy in BLUE_NAVY.
            s.LOOP_M = s.BLUE_NAVY;
            s.BLUE_NAVY = s.RED_NAVY;
            LOAD_CLASS_VALUES(s);
            s.BLUE_NAVY = s.LOOP_M;
        }
        navy = s.RED_NAVY;
    }
    s.data.restore_data("ClassNames" + std::to_string(record_navy(navy)));
    draw_separator(navy);
    con::color(6);
    SHOW_CLASS_COLUMN(s);
}

}  // namespace kelmat
