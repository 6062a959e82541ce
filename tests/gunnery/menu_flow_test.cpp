// Scripted runs of the title, the main menu, the function keys and the battle launch.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::A_DISPLACEMENT;
using kelmat::Block;
using kelmat_test::Harness;
using testing_support::run_program;

namespace {

TEST(Title, TextsPlacesAndColours) {
    auto run = run_program(kelmat95_program(), "");
    EXPECT_EQ(run.text_at(22, 4, 22), "Kelmat  for WINDOWS 95");
    EXPECT_EQ(run.colour_at(22, 4), 7);
    EXPECT_EQ(run.text_at(36, 6, 8), "Ver. 3.0");
    EXPECT_EQ(run.colour_at(36, 6), 4);
    EXPECT_EQ(run.colour_at(58, 7), 5);
    EXPECT_NE(run.row(7), "") << "the signature line";
    EXPECT_LE(con::byte_length(run.row(7)), 80);
    EXPECT_EQ(run.text_at(20, 10, 42), "このプログラムの目的は２０世紀前半における");
    EXPECT_EQ(run.text_at(18, 12, 44), "各国の戦艦の性能を比較検討するためのものです");
    EXPECT_EQ(run.text_at(20, 15, 42), "ゲーム性には乏しいことを御承知おきください");
    for (int row : {10, 12, 15}) {
        EXPECT_EQ(con::byte_length(run.row(row)), 62) << "ends at column 61, row " << row;
        EXPECT_EQ(run.colour_at(40, row), 6);
    }
    EXPECT_EQ(run.text_at(32, 19, 11), "Hit Any Key");
    EXPECT_EQ(run.colour_at(32, 19), 7);
}

TEST(MainMenu, TextsPlacesAndColours) {
    auto run = run_program(kelmat95_program(), "{ENTER}");
    EXPECT_EQ(run.text_at(29, 4, 16), "どれにしますか ?");
    EXPECT_EQ(run.colour_at(29, 4), 6);
    const char* items[] = {"1   砲戦シミュレーションを行う", "2   シナリオを作る", "3   既成艦のデータを見る",
                           "4   砲の貫通力のデータを見る", "5   命中率のデータを見る"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(run.row(8 + 2 * i).substr(23), items[i]);
        EXPECT_EQ(run.colour_at(23, 8 + 2 * i), 7);
    }
    EXPECT_EQ(run.text_at(30, 20, 15), "Hit  1 - 5  Key");
    EXPECT_EQ(run.colour_at(30, 20), 6);
}

TEST(MainMenu, OtherKeysAndFunctionKeysBeforeTheFirstBattleChangeNothing) {
    auto plain = run_program(kelmat95_program(), "x");
    auto keys = run_program(kelmat95_program(), "x09a{ENTER}{ESC}{F1}{F2}-");
    EXPECT_EQ(keys.screen().dump_text(), plain.screen().dump_text());
    EXPECT_EQ(keys.screen().dump_colours(), plain.screen().dump_colours());
    EXPECT_EQ(keys.console->log().trap_runs, 0);
}

TEST(MainMenu, HiddenKeysOpenTheViewerModes) {
    for (int key = 6; key <= 8; ++key) {
        Harness h;
        h.run("x" + std::to_string(key));
        EXPECT_EQ(h.current_block(), Block::ShipDataViewer);
        EXPECT_EQ(h.s().VIEWER_MODE, key - 5);
        EXPECT_EQ(h.s().BLUE_NAVY, 6) << "the viewer's navy counter ends past navy 5";
        h.run("x" + std::to_string(key) + "k");
        EXPECT_EQ(h.current_block(), Block::MainMenu);
        EXPECT_EQ(h.s().VIEWER_MODE, 0);
    }
    Harness h;
    h.run("x3");
    EXPECT_EQ(h.s().VIEWER_MODE, 0);
    EXPECT_EQ(h.s().NM(16), "GANGUT(4)") << "the viewer loaded navy 5 last";
}

TEST(MainMenu, HitRateChartReturnsAfterAnyKey) {
    auto run = run_program(kelmat95_program(), "x5");
    EXPECT_EQ(run.text_at(54, 15, 11), "Hit Any Key");
    EXPECT_EQ(run.colour_at(54, 15), 5);
    auto back = run_program(kelmat95_program(), "x5{ESC}");
    EXPECT_EQ(back.text_at(29, 4, 16), "どれにしますか ?");
}

TEST(BattleLaunch, NoScenarioInMemoryLoadsFirst) {
    Harness h;
    auto run = h.run("x1");
    EXPECT_EQ(h.current_block(), Block::LoadScenario);
    EXPECT_EQ(run.text_at(22, 5, 34), "ディスクからシナリオを読み込みます");
    EXPECT_EQ(run.text_at(24, 11, 28), "アルファベットまたは数字１字");
    EXPECT_EQ(run.text_at(29, 8, 20), "FILE  NAME ?        ");
    h.run("x10{ENTER}");
    EXPECT_EQ(h.current_block(), Block::MainMenu);
}

// A fleet in memory: RED ship 1 has a displacement.
Harness fleet_in_memory() {
    Harness h;
    h.s().A(1, 1, A_DISPLACEMENT) = 186;
    h.s().A(0, 1, A_DISPLACEMENT) = 338;
    h.s().BLUE_NAVY = 1;
    h.s().RED_NAVY = 3;
    h.s().BATTLE_BLUE_COUNT = 1;
    h.s().BATTLE_RED_COUNT = 1;
    return h;
}

TEST(BattleLaunch, FightTheScenarioInMemoryAndAskAgain) {
    Harness h = fleet_in_memory();
    auto run = h.run("x1");
    EXPECT_EQ(run.text_at(20, 8, 30), "今のシナリオで戦闘をしますか ?");
    EXPECT_EQ(run.text_at(27, 10, 14), "Hit Y or N Key");
    h = fleet_in_memory();
    h.run("x1yk");  // fight, then the battle's key
    EXPECT_EQ(h.current_block(), Block::BattleAskFight);
    EXPECT_EQ(h.s().BATTLE_FOUGHT, 1);
    EXPECT_EQ(h.s().TT(kelmat::TT_BLUE_COUNT), 1);
    EXPECT_EQ(h.s().TT(kelmat::TT_BLUE_NAVY), 1) << "BLUE's navy";
    EXPECT_EQ(h.s().TT(kelmat::TT_RED_NAVY), 3) << "RED's navy";
    EXPECT_EQ(h.s().A(1, 1, A_DISPLACEMENT), 186) << "the battle leaves the scenario as it was";
    // After a battle, declining asks whether to go back to the menu.
    auto back = h.run("x1ykn");
    EXPECT_EQ(back.text_at(20, 8, 22), "ＭＥＮＵに戻りますか ?");
    EXPECT_EQ(back.text_at(24, 10, 14), "HiT Y or N Key");
    h.run("x1yknY");
    EXPECT_EQ(h.current_block(), Block::MainMenu);
}

TEST(FunctionKeys, OnFromTheFirstBattleForTheRestOfTheRun) {
    Harness h = fleet_in_memory();
    auto run = h.run("x1yk{F2}");  // the pause at the fight question
    EXPECT_EQ(run.text_at(34, 0, 11), "Hit Any Key");
    EXPECT_EQ(run.colour_at(34, 0), 7);
    auto after = h.run("x1yk{F2}z");
    EXPECT_EQ(after.text_at(34, 0, 11), "           ");
    EXPECT_EQ(after.screen().colour(), 7);
    EXPECT_EQ(after.screen().cursor_column(), 45);
    EXPECT_EQ(after.screen().cursor_row(), 0);
    EXPECT_EQ(h.s().KEY_STRING, "z") << "the pause leaves its key";
    EXPECT_EQ(h.current_block(), Block::BattleAskFight) << "the question keeps waiting";
    // The editor clears the screen when it opens and closes; the question still takes Y.
    auto editor = h.run("x1yk{F1}");
    EXPECT_EQ(editor.screen().dump_text(), std::string(24, '\n'));
    h.run("x1yk{F1}Yk");
    EXPECT_EQ(h.s().BATTLE_FOUGHT, 1);
    EXPECT_EQ(h.current_block(), Block::BattleAskFight);
}

TEST(Binary, TitleAndMenuThroughTheBuiltProgram) {
    auto title = testing_support::run_binary("kelmat95", "");
    EXPECT_EQ(title.exit_code, 0) << title.err;
    EXPECT_EQ(testing_support::dump_line(title.screen, 4), std::string(22, ' ') + "Kelmat  for WINDOWS 95");
    auto menu = testing_support::run_binary("kelmat95", "x9");
    EXPECT_EQ(menu.exit_code, 0) << menu.err;
    EXPECT_EQ(testing_support::dump_line(menu.screen, 4), std::string(29, ' ') + "どれにしますか ?");
    EXPECT_EQ(testing_support::dump_line(menu.colours, 20).substr(30, 15), "666..6.6.6..666");
}

}  // namespace

namespace {

TEST(StartUp, TheClockSecondsSelectTheRandomSequence) {
    auto a = run_program(kelmat95_program(), "", 37);
    auto b = run_program(kelmat95_program(), "", 37);
    auto c = run_program(kelmat95_program(), "", 38);
    EXPECT_EQ(a.console->random().state(), con::Random::kStart ^ 37u);
    EXPECT_EQ(a.console->random().state(), b.console->random().state());
    EXPECT_NE(a.console->random().state(), c.console->random().state());
}

}  // namespace
