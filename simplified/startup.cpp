// MORVA95S: the start-up, the main menu, the scenario list and choice, and the four play
// options asked over the first strategic map.
#include "campaign/startup.h"
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

const char* const kScenarioLines[8] = {
    "１　１ターンから自由に作戦する",     "２　１ターンに真珠湾を自分で攻撃する",
    "３　１ターンは史実と同じ結果とする", "４　仮想シナリオで自由に作戦する   ",
    "５　仮想シナリオで真珠湾攻撃を行う", "６　単独の作戦のみのシナリオを行う",
    "７　戦艦のみで艦隊決戦を行う",       "８  セーブしたシナリオの続きを行う",
};

void set_starting_values(State& st) {
    st.TURN_NO = 1;
    st.ALLIED_CV_SUNK = 0;
    st.ALLIED_BB_SUNK = 0;
    st.HW(0) = 0;
    st.HW(1) = 0;
    st.HT(0) = 1;
    st.HT(1) = 1;
    st.P(0, P_RESPONSE) = 15;
}

// The options are asked on rows 2-4, each written over the previous one; their key lines
// are yellow.
void ask_movement_orders(State& st) {
    // Only an upper-case Y gives the orders to the player; every other key means No.
    const bool own = morva::ask_yes_no(st.WAIT_KEY_RESULT,
                                       {{1, 2, 7, "移動の指示は自分で出しますか ?"}, {10, 4, 6, "Hit Y or N Key"}}, "Y", "");
    st.OWN_MOVE_ORDERS = own ? 1.0f : 0.0f;
}

void ask_comment_key(State& st) {
    const bool key_mode = morva::ask_yes_no(
        st.WAIT_KEY_RESULT, {{1, 2, 7, "コメント確認のキー入力する ?  "}, {10, 4, 6, "Hit Y - N Key "}});
    st.TT(TT_COMMENT_KEY) = key_mode ? 1.0f : 0.0f;
}

void ask_display_time(State& st) {
    const std::string key = morva::ask_key(st.WAIT_KEY_RESULT,
                                           {{1, 2, 6, "結果の表示時間はどのくらい ?"},
                                            {6, 3, 6, "( １ 短  -  ９ 長 )"},
                                            {10, 4, 6, "Hit 1 - 9 Key "}},
                                           morva::kAnyKey);
    st.DISPLAY_TIME = con::store(con::val(key));
    st.TT(TT_WAIT) = 100;
    if (st.DISPLAY_TIME > 0) morva::SET_DISPLAY_TIME(st.TT, st.DISPLAY_TIME);
}

void ask_commander(State& st) {
    const std::string key = morva::ask_key(st.WAIT_KEY_RESULT,
                                           {{1, 2, 7, "  連合軍指揮官の性格は ?    "},
                                            {3, 3, 7, "猛進(H) - 慎重(S) - 乱数(R)"},
                                            {9, 4, 6, "Hit H - S - R Key"}},
                                           morva::kAnyKey);
    st.COMMANDER_CHARACTER = morva::commander_character(key);
}

}  // namespace

Block STARTUP(State& st) {
    morva::start_program([&st] { FKEY_HANDLER(st); });
    SHOW_TITLE(st);
    return Block::StartupContinue;
}

Block STARTUP_CONTINUE(State& st) {
    st.FILE_CONTEXT = 2;
    st.W(0) = 0;
    MENU(st);
    return Block::MainMenu;
}

Block MAIN_MENU(State& st) {
    for (;;) {
        // Any other key writes the four lines again, which changes nothing on the screen.
        const std::string key = morva::ask_key(st.WAIT_KEY_RESULT,
                                               {{30, 9, 6, "どちらにしますか　?"},
                                                {26, 13, 6, "1　　簡略モードのゲームを行う"},
                                                {26, 16, 6, "2　　ゲーム概要を見る"},
                                                {32, 20, 6, "Hit 1 - 2 Key"}},
                                               "12", morva::Shown::BeforeEachKey);
        if (key == "1") return Block::ScenarioList;
        SETUMEI(st);
        SHOW_TITLE(st);
    }
}

Block SCENARIO_LIST(State& st) {
    con::print_at(con::Col(20), con::Row(16), con::space_string(50));
    con::print_at(con::Col(30), con::Row(20), con::space_string(40));
    set_starting_values(st);
    con::color(6);
    for (int n = 1; n <= 8; ++n) con::print_at(con::Col(20), con::Row(2 * n + 5), kScenarioLines[n - 1]);
    con::color(7);
    con::print_at(con::Col(26), con::Row(5), "どのシナリオにしますか ?");
    con::print_at(con::Col(32), con::Row(23), "Hit 1 - 8 Key");
    return Block::ScenarioChoice;
}

Block SCENARIO_CHOICE(State& st) {
    st.SCENARIO_NO = con::store(con::val(morva::wait_for_key(st.WAIT_KEY_RESULT, "12345678")));
    con::locate(con::Col(57), con::Row(con::L(st.SCENARIO_NO) * 2 + 5));
    con::print_string_item("OK");
    con::print_end();
    st.FILE_CONTEXT = 1;
    if (st.SCENARIO_NO == 8) {
        LOAD_SAVE_FILE(st);
    } else if (st.SCENARIO_NO == 3) {
        st.P(6, P_HOLDER) = 0;
        st.TURN_NO = 2;
    }
    return Block::PlayOptions;
}

Block PLAY_OPTIONS(State& st) {
    st.RESERVE_SUPPLIED = con::store(con::L(st.V(1, 0)) + con::L(st.V(2, 0)) + con::L(st.V(3, 0)));
    draw_strategic_map(st);
    morva::show_turn_banner(st.TURN_NO);
    ask_movement_orders(st);
    ask_comment_key(st);
    ask_display_time(st);
    if (st.SCENARIO_NO != 7) ask_commander(st);
    return st.SCENARIO_NO == 8 ? Block::OrganisationPhase : Block::TurnStart;
}

}  // namespace morva95s
