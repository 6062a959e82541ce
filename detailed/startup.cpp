// MORVA95F: the start-up: random seed, the two handlers, the built-in tables, the title, the
// display-time and aircraft-type questions, the scenario menu and the first strategic map.
#include "campaign/startup.h"
#include "campaign/dialogue.h"
#include "campaign/display_time.h"
#include "campaign/route_network.h"
#include "campaign/strategic_map.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

const char* const kScenarioItems[7] = {
    "１　  １ターンから自由に作戦する",     "２　  １ターンに真珠湾を自分で攻撃する",
    "３　  １ターンは史実と同じ結果とする", "４　  仮想シナリオで自由に作戦する",
    "５　  仮想シナリオで真珠湾攻撃を行う", "６  　単独の作戦のみのシナリオを行う",
    "７    セーブしたシナリオの続きを行う",
};

void show_title() {
    con::clear_screen(0);
    con::color(2);
    con::print_at(con::Col(24), con::Row(1), "Morvane  for WINDOWS 95");
    con::color(4);
    con::print_at(con::Col(30), con::Row(3), "詳細モード       Ver. 3.0B");
}

/// The display-time question: every key answers.
std::string ask_display_time(State& st) {
    return morva::ask_key(st.WAIT_KEY_RESULT,
                          {{26, 7, 7, "結果の表示時間はどのくらい ?"},
                           {30, 9, morva::kColourInForce, "( ０ 短  -  ９ 長 )"},
                           {32, 15, 6, "Hit 0 - 9 Key "},
                           {34, 11, morva::kColourInForce, "9 では何かのキーを押すまで表示したまま停止"},
                           {10, 13, 5, "(ゲーム中でも f.1 Key を押したあと 0 - 9 Key を押せば変更できます)"}},
                          morva::kAnyKey);
}

// Every key answers: "0" one tick, "9" key mode, a digit 1-8 2 x 2^d ticks, any other key 2.
void take_display_time(State& st, const std::string& key) {
    if (key == "0") {
        st.TT(TT_WAIT) = 1;
    } else if (key == "9") {
        st.DISPLAY_TIME = 9;
        st.TT(TT_COMMENT_KEY) = 1;
    } else {
        st.DISPLAY_TIME = con::store(con::val(key));
        morva::SET_DISPLAY_TIME(st.TT, st.DISPLAY_TIME);
    }
}

void ask_aircraft_types(State& st) {
    const bool own = morva::ask_yes_no(st.WAIT_KEY_RESULT, {{26, 18, 7, "搭載機の機種は自分で決める ?"},
                                                           {32, 20, 6, "Hit Y - N Key"},
                                                           {26, 22, morva::kColourInForce, "通常は N を選択してください"}});
    st.TT(TT_CHOOSE_LOADS) = own ? 1.0f : 0.0f;
}

void show_scenario_menu() {
    for (int row = 4; row <= 23; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(78));
    con::color(6);
    for (int k = 1; k <= 7; ++k) con::print_at(con::Col(18), con::Row(2 * k + 6), kScenarioItems[k - 1]);
    con::color(7);
    con::print_at(con::Col(24), con::Row(6), "どのシナリオにしますか ?");
    con::print_at(con::Col(30), con::Row(23), "Hit 1 - 7 Key");
}

}  // namespace

Block STARTUP(State& st) {
    morva::start_program([&st] { FKEY_HANDLER(st); });
    st.TURN_NO = 1;
    st.ALLIED_CV_SUNK = 0;
    st.ALLIED_BB_SUNK = 0;
    MENU(st);
    st.HT(0) = 1;
    st.HT(1) = 1;
    st.P(0, P_WEIGHT) = 15;
    for (int k = 0; k <= 8; ++k) st.HW(k) = 0;
    for (int k = 0; k <= 6; ++k) st.VS(0, k) = st.VS(1, k) = 0;
    show_title();
    take_display_time(st, ask_display_time(st));
    ask_aircraft_types(st);
    show_scenario_menu();
    return Block::ScenarioChoice;
}

Block SCENARIO_CHOICE(State& st) {
    st.SCENARIO_NO = con::store(con::val(morva::wait_for_key(st.WAIT_KEY_RESULT, "1234567")));
    if (st.SCENARIO_NO < 7) st.TT(TT_SAVED_SCENARIO) = st.SCENARIO_NO;
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    con::locate(con::Col(57), con::Row(con::L(st.SCENARIO_NO) * 2 + 6));
    con::print_string_item("OK");
    st.LOAD_MODE = 1;
    st.GAME_RESUMED = 0;
    if (st.SCENARIO_NO == 7) {
        YOMIKOMI(st);
        st.GAME_RESUMED = 1;
        st.TURN_NO = st.TT(TT_TURN);
        st.ALLIED_CV_SUNK = st.TT(TT_ALLIED_CV_SUNK);
        st.ALLIED_BB_SUNK = st.TT(TT_ALLIED_BB_SUNK);
    } else if (st.SCENARIO_NO == 3) {
        st.P(6, P_HOLDER) = 0;
        st.TURN_NO = 2;
    }
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
    morva::show_turn_banner(st.TURN_NO);
    con::color(7);
    return st.GAME_RESUMED == 1 ? Block::TurnOpening : Block::PracticeQuestion;
}

}  // namespace morva95f
