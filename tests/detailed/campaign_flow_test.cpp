// Scripted headless runs of MORVA95F: the start of every scenario, a whole campaign, the
// final screen, and the F1 handler during play.
#include <gtest/gtest.h>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using testing_support::run_program;

namespace {

const con::Screen& screen_of(const testing_support::ProgramRun& run) { return run.screen(); }

// Whether a pixel within one of (x, y) has the graphics colour.
bool pixel_near(const con::Screen& s, int x, int y, int colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (s.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

}  // namespace

TEST(CampaignStart, TitleAndQuestions) {
    auto run = run_program(morva95f_program(), "");
    const auto& s = screen_of(run);
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::ScriptEnded);
    EXPECT_TRUE(shows(s, 24, 1, "Morvane  for WINDOWS 95", 2));
    EXPECT_TRUE(shows(s, 30, 3, "詳細モード       Ver. 3.0B", 4));
    EXPECT_TRUE(shows(s, 26, 7, "結果の表示時間はどのくらい ?", 7));
    EXPECT_TRUE(shows(s, 30, 9, "( ０ 短  -  ９ 長 )", 7));
    EXPECT_TRUE(shows(s, 32, 15, "Hit 0 - 9 Key", 6));
    EXPECT_TRUE(shows(s, 34, 11, "9 では何かのキーを押すまで表示したまま停止", 6));
    EXPECT_TRUE(shows(s, 10, 13, "(ゲーム中でも f.1 Key を押したあと 0 - 9 Key を押せば変更できます)", 5));

    auto asked = run_program(morva95f_program(), "5");
    EXPECT_TRUE(shows(asked.screen(), 26, 18, "搭載機の機種は自分で決める ?", 7));
    EXPECT_TRUE(shows(asked.screen(), 32, 20, "Hit Y - N Key", 6));
    EXPECT_TRUE(shows(asked.screen(), 26, 22, "通常は N を選択してください", 6));
    EXPECT_TRUE(shows(asked.screen(), 26, 7, "結果の表示時間はどのくらい ?", 7)) << "the earlier texts stay";
}

TEST(CampaignStart, ScenarioMenuIgnoresOtherKeys) {
    auto run = run_program(morva95f_program(), "5xn80A");
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 24, 1, "Morvane  for WINDOWS 95", 2)) << "the title rows stay";
    EXPECT_EQ(row_of(s, 7), "") << "rows 4-23 are blanked";
    EXPECT_TRUE(shows(s, 24, 6, "どのシナリオにしますか ?", 7));
    const char* items[] = {"１　  １ターンから自由に作戦する",     "２　  １ターンに真珠湾を自分で攻撃する",
                           "３　  １ターンは史実と同じ結果とする", "４　  仮想シナリオで自由に作戦する",
                           "５　  仮想シナリオで真珠湾攻撃を行う", "６  　単独の作戦のみのシナリオを行う",
                           "７    セーブしたシナリオの続きを行う"};
    for (int k = 1; k <= 7; ++k) EXPECT_TRUE(shows(s, 18, 2 * k + 6, items[k - 1], 6)) << k;
    EXPECT_TRUE(shows(s, 30, 23, "Hit 1 - 7 Key", 7));
    for (int row = 8; row <= 20; row += 2) EXPECT_EQ(text_at(s, 57, row, 2), "  ") << "no OK yet";
}

TEST(CampaignStart, EachScenarioReachesItsFirstQuestion) {
    struct Case {
        int scenario;
        const char* banner;
        bool rabaul_held;  // base 6 on the first map
        bool practice;     // the practice question instead of the commander's
    } cases[] = {
        {1, "第  1  ターン", false, false}, {2, "第  1  ターン", false, false}, {3, "第  2  ターン", true, false},
        {4, "第  1  ターン", false, false}, {5, "第  1  ターン", false, false}, {6, "第  1  ターン", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("scenario " + std::to_string(c.scenario));
        auto run = run_program(morva95f_program(), opening_keys(c.scenario));
        const auto& s = run.screen();
        EXPECT_TRUE(shows(s, 11, 0, c.banner, 5));
        // Base names: cyan when Japanese-held, magenta otherwise; marks: cyan, red (United
        // States), magenta (Britain).
        EXPECT_TRUE(shows(s, 39, 7, "日本本土", 5));
        EXPECT_TRUE(shows(s, 36, 7, "●", 5));
        EXPECT_TRUE(shows(s, 48, 19, "ラバウル", c.rabaul_held ? 5 : 3));
        EXPECT_TRUE(shows(s, 46, 19, "●", c.rabaul_held ? 5 : 2));
        EXPECT_TRUE(shows(s, 14, 18, "シンガポール", 3));
        EXPECT_TRUE(shows(s, 16, 17, "●", 3));
        EXPECT_TRUE(shows(s, 64, 8, "カリフォルニア", 3));
        EXPECT_TRUE(shows(s, 78, 15, "●", 2)) << "the mark of base 19 fills the last two columns";
        EXPECT_TRUE(shows(s, 54, 23, "ニューヘブリデス", 3)) << "row 23 is printed without scrolling";
        // The route from base 5 to base 6: cyan once base 6 is held, else yellow (attackable).
        EXPECT_TRUE(pixel_near(s, 344, 315, c.rabaul_held ? 11 : 13));
        EXPECT_TRUE(pixel_near(s, 396, 324, c.rabaul_held ? 13 : 7)) << "the route on to base 11";
        if (c.practice) {
            EXPECT_TRUE(shows(s, 6, 2, "練習モードにしますか ?", 7));
            EXPECT_TRUE(shows(s, 2, 3, "（敵艦隊の位置が表示されます）", 7));
            EXPECT_TRUE(shows(s, 10, 4, "Hit Y - N Key", 7));
        } else {
            EXPECT_TRUE(shows(s, 6, 2, "連合軍指揮官の性格は ?", 7));
            EXPECT_TRUE(shows(s, 3, 3, "猛進(H) - 慎重(S) - 乱数(R)", 7));
            EXPECT_TRUE(shows(s, 9, 4, "Hit H - S - R Key", 6));
        }
    }
}

TEST(CampaignStart, PracticeQuestionLeadsToTheTurnOpening) {
    auto run = run_program(morva95f_program(), opening_keys(6) + "y");
    EXPECT_TRUE(shows(run.screen(), 6, 2, "連合軍指揮官の性格は ?", 7));
}

TEST(Campaign, SaveQuestionFromTurnTwo) {
    auto run = run_program(morva95f_program(), opening_keys(1) + stay_home());
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 11, 0, "第  2  ターン", 5));
    EXPECT_TRUE(shows(s, 6, 2, " 1 ターンまでの結果を", 7));
    EXPECT_TRUE(shows(s, 10, 3, "SAVE しますか ?", 7));
    EXPECT_TRUE(shows(s, 8, 4, "Input Y or N  ", 7));
    // Any other answer asks again on rows 2-4; the map and the banner stay.
    auto again = run_program(morva95f_program(), opening_keys(1) + stay_home() + "yes{ENTER}{ENTER}");
    EXPECT_TRUE(shows(again.screen(), 8, 4, "Input Y or N  ", 7));
    EXPECT_EQ(text_at(again.screen(), 22, 4, 3), "   ");
    EXPECT_TRUE(shows(again.screen(), 11, 0, "第  2  ターン", 5));
    EXPECT_FALSE(testing_support::read_file("MORDATAF.DAT").size());
}

TEST(Campaign, TwelveTurnsToTheFinalScreen) {
    testing_support::ScopedTempDir dir;
    // The status panel on the final screen (the war ended after turn 12, so no operation is
    // active) shows each Allied base's strength after twelve end-of-turn steps.
    auto run = run_program(morva95f_program(), opening_keys(1) + play_turns(12) + "{F1}ZXC");
    const auto& s = run.screen();
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::ScriptEnded);
    EXPECT_EQ(run.result.exit_code, 0);
    EXPECT_TRUE(shows(s, 5, 1, "連合軍", 6)) << "5 bases held";
    EXPECT_TRUE(shows(s, 12, 1, "圧倒的勝利", 6));
    EXPECT_TRUE(shows(s, 0, 3, "戦果   空母  0  戦艦  0 ", 6));
    EXPECT_TRUE(shows(s, 0, 5, "損害   空母  0  戦艦  0 ", 6));
    EXPECT_TRUE(shows(s, 7, 6, "航空機 0 ", 6));
    EXPECT_TRUE(shows(s, 1, 8, "WINDOW を閉じてください", 6));
    EXPECT_TRUE(shows(s, 74, 1, "勢力値", 6));
    // Base 6 grows 1-2 and base 21 1-3 points at each of the twelve turn ends.
    const int rabaul = static_cast<int>(con::val(text_at(s, 76, 7, 4)));
    const int california = static_cast<int>(con::val(text_at(s, 76, 22, 4)));
    EXPECT_GE(rabaul, 10 + 12);
    EXPECT_LE(rabaul, 10 + 24);
    EXPECT_GE(california, 30 + 12);
    EXPECT_LE(california, 30 + 36);
    EXPECT_TRUE(shows(s, 24, 23, "損害        0  0  0 ", 6));
    EXPECT_TRUE(shows(s, 40, 0, "戦果   空母  0  戦艦  0 ", 6));
}

TEST(Campaign, SingleOperationEndsWithoutAVictoryLevel) {
    auto run = run_program(morva95f_program(), opening_keys(6) + "n" + stay_home());
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 4, 0, " 作戦", 7)) << "no objective: an empty name before \" 作戦\"";
    EXPECT_TRUE(shows(s, 1, 1, "WINDOW を閉じてください", 6));
    EXPECT_TRUE(shows(s, 0, 3, "戦果   空母  0  戦艦  0 ", 6));
    EXPECT_EQ(row_of(s, 1).find("連合軍"), std::string::npos) << "no victory level";
    EXPECT_EQ(row_of(s, 8).find("WINDOW"), std::string::npos);
}

TEST(Campaign, HarbourRaidTurnAnnouncesAndEndsAfterFleetOne) {
    // Key mode ("9"), so every pause waits: the announcement stands until the operation's end.
    auto announce = run_program(morva95f_program(), opening_keys(2, '9') + "h" + harbour_raid_day());
    const auto& a = announce.screen();
    EXPECT_TRUE(shows(a, 10, 8, "第  1  艦隊作戦終了", 6));
    EXPECT_TRUE(shows(a, 35, 20, "Hit Any Key", 4)) << "MATU after the harbour report";
    auto home = run_program(morva95f_program(), opening_keys(2, '9') + "h" + harbour_raid_day() + "ab");
    EXPECT_TRUE(shows(home.screen(), 10, 15, "第  1  艦隊は帰投します", 6));
    // Then the turn ends and turn 2 starts with the save question.
    auto next = run_program(morva95f_program(), opening_keys(2, '9') + "h" + harbour_raid_day() + "abc");
    EXPECT_TRUE(shows(next.screen(), 11, 0, "第  2  ターン", 5));
    EXPECT_TRUE(shows(next.screen(), 10, 3, "SAVE しますか ?", 7));
}

TEST(FunctionKey, StatusPanelOutsideOperations) {
    auto run = run_program(morva95f_program(), opening_keys(3) + "{F1}ZXC");
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 74, 1, "勢力値", 6));
    EXPECT_EQ(text_at(s, 76, 7, 4), "    ") << "base 6 is Japanese-held in scenario 3";
    EXPECT_TRUE(shows(s, 76, 8, " 18 ", 6)) << "base 7";
    EXPECT_TRUE(shows(s, 76, 22, " 30 ", 6)) << "base 21";
    EXPECT_TRUE(shows(s, 24, 23, "損害        0  0  0 ", 6));
    EXPECT_TRUE(shows(s, 40, 0, "戦果   空母  0  戦艦  0 ", 6));
    EXPECT_EQ(text_at(s, 30, 0, 10), std::string(10, ' ')) << "row 0 blanked from column 30";
    // The interrupted question goes on waiting and is answered by the next key.
    EXPECT_TRUE(shows(s, 6, 2, "連合軍指揮官の性格は ?", 7));
}

TEST(FunctionKey, OverviewDuringAnOperation) {
    // The harbour raid's pause of hour 2 waits for a key; F1 and the sequence open the overview.
    const std::string to_pause =
        opening_keys(2, '9') + "s" + kMorvaDayQuestions + "0{ENTER}" + morva_stay_hour(1, "n", Pauses::Keyed);
    auto overview = run_program(morva95f_program(), to_pause + "{F1}ZXCa");
    const auto& o = overview.screen();
    EXPECT_TRUE(shows(o, 69, 19, "TYPE-1 ", 7)) << "a cautious commander";
    EXPECT_TRUE(shows(o, 29, 23, "Hit Any Key", 4));
    auto back = run_program(morva95f_program(), to_pause + "{F1}ZXCab");
    const auto& b = back.screen();
    EXPECT_TRUE(shows(b, 43, 10, "敵基地", 3));
    EXPECT_TRUE(shows(b, 52, 1, "敵艦隊いまだ発見できず", 6));
    EXPECT_TRUE(shows(b, 58, 0, "第 1 日  5 時", 7)) << "the header of the hour";
    EXPECT_EQ(text_at(b, 35, 20, 11), std::string(11, ' ')) << "the pause goes on without its prompt";
    EXPECT_EQ(back.result.reason, con::ProgramEnd::Reason::ScriptEnded);
    // The next key ends the interrupted pause; then the search flight's pause and the launch
    // question.
    auto on = run_program(morva95f_program(), to_pause + "{F1}ZXCabc" + "d" + "n");
    EXPECT_TRUE(shows(on.screen(), 10, 20, "攻撃はできません", 5)) << "the hour goes on to its deck dialogues";
    auto deck = run_program(morva95f_program(), to_pause + "{F1}ZXCabc" + "d" + "n" + morva_idle_deck(2, true));
    EXPECT_TRUE(shows(deck.screen(), 9, 20, "戦艦を分離しますか ?  Hit Y - N Key", 7))
        << "and then to the battleships' question";
}

TEST(FunctionKey, KeysReadByTheHandlerNeverAnswerTheQuestion) {
    // At the aircraft-type question F1 takes "n" as a display-time key; the question waits on
    // and "y" answers it.
    Loaded st("0{F1}ny");
    EXPECT_EQ(morva95f::STARTUP(*st), morva95f::Block::ScenarioChoice);
    EXPECT_EQ(st->TT(morva95f::TT_CHOOSE_LOADS), 1);
    EXPECT_EQ(st->TT(morva95f::TT_WAIT), 2);
    // At the scenario menu F1 takes "1"; the menu waits on for "3".
    Loaded menu("5n{F1}13");
    morva95f::STARTUP(*menu);
    EXPECT_EQ(morva95f::SCENARIO_CHOICE(*menu), morva95f::Block::PracticeQuestion);
    EXPECT_EQ(menu->SCENARIO_NO, 3);
    EXPECT_EQ(menu->TT(morva95f::TT_WAIT), 4);
}
