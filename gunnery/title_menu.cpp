// kelmat95: the title screen, the main menu and the pause key (function key 2).
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

void TITLE(Kelmat&) {
    con::clear_screen(0);
    con::locate(Col(22), Row(4));
    con::color(7);
    con::print_string_item("Kelmat  for WINDOWS 95");
    con::color(4);
    con::print_at(Col(36), Row(6), "Ver. 3.0");
    con::color(5);
    con::print_at(Col(58), Row(7), "戦艦砲戦シミュレータ");
    con::color(6);
    con::print_at(Col(20), Row(10), "このプログラムの目的は２０世紀前半における");
    con::print_at(Col(18), Row(12), "各国の戦艦の性能を比較検討するためのものです");
    con::print_at(Col(20), Row(15), "ゲーム性には乏しいことを御承知おきください");
    // Any key ends the title; which key it was does not matter.
    std::string key;
    hit_any_key(key, {32, 19, 7, "Hit Any Key"});
}

Block MAIN_MENU(Kelmat& s) {
    con::clear_screen(0);
    con::color(6);
    con::print_at(Col(29), Row(4), "どれにしますか ?");
    con::locate(Col(23), Row(8));
    con::color(7);
    con::print_string_item("1   砲戦シミュレーションを行う");
    con::print_at(Col(23), Row(10), "2   シナリオを作る");
    con::print_at(Col(23), Row(12), "3   既成艦のデータを見る");
    con::print_at(Col(23), Row(14), "4   砲の貫通力のデータを見る");
    con::print_at(Col(23), Row(16), "5   命中率のデータを見る");
    s.VIEWER_MODE = 0;
    show({{30, 20, 6, "Hit  1 - 5  Key"}});
    // Keys 6-8 open the ship data viewer's comparison modes without being shown.
    s.LOOP_K = static_cast<float>(wait_for_digit(s.KEY_STRING, 1, 8));
    switch (static_cast<int>(s.LOOP_K)) {
        case 1: return Block::BattleLaunch;
        case 2: return Block::ScenarioSetup;
        case 3: s.VIEWER_MODE = 0; return Block::ShipDataViewer;
        case 4: return Block::PenetrationViewer;
        case 5: MEITYU(s); return Block::MainMenu;
        default: s.VIEWER_MODE = s.LOOP_K - 5; return Block::ShipDataViewer;
    }
}

void PAUSE_KEY(Kelmat& s) {
    hit_any_key(s.KEY_STRING, {34, 0, 7, "Hit Any Key"}, true);
    // Colour and cursor are left as they are: the interrupted screen continues from here.
}

}  // namespace kelmat
