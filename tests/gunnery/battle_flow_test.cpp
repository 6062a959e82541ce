// Scripted battles: the set-up dialogue with its re-asks, whole battles to their result
// screen, the range-without-fire ending, and runs of the built program.
#include <gtest/gtest.h>

#include <cmath>

#include "gunnery/battle.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::Block;
using kelmat_test::Harness;

namespace {

struct FlowShipSpec {
    float displacement, gun, layout, sloped, belt, deck, speed;
    const char* name;
};

// Puts `n` ships of the kind `ship` on `side` of the fleet record.
void put_ships(kelmat::Kelmat& s, int side, int n, const FlowShipSpec& ship) {
    for (int i = 1; i <= n; ++i) {
        const float v[] = {ship.displacement, ship.gun, ship.layout, ship.sloped, ship.belt, ship.deck, ship.speed, 100};
        for (int f = 0; f < 8; ++f) s.A(side, i, kelmat::kScenarioFields[f]) = v[f];
        s.M(side, i) = std::string(ship.name) + std::to_string(i);
    }
}

const FlowShipSpec kBattleship{390, 23, 2, 0, 305, 150, 25, "NAGATO"};
const FlowShipSpec kOldBattleship{320, 21, 4, 0, 343, 100, 21, "COLORADO"};

// A fleet in memory: BLUE Japanese, RED American.
Harness fleet(int blue, int red) {
    Harness h;
    put_ships(h.s(), 0, blue, kBattleship);
    put_ships(h.s(), 1, red, kOldBattleship);
    h.s().BLUE_NAVY = 1;
    h.s().RED_NAVY = 2;
    h.s().BATTLE_BLUE_COUNT = static_cast<float>(blue);
    h.s().BATTLE_RED_COUNT = static_cast<float>(red);
    return h;
}

std::string flow_enters(int n) {
    std::string k;
    for (int i = 0; i < n; ++i) k += "{ENTER}";
    return k;
}

// A fresh fleet run with `keys`; the state stays readable in `h`.
testing_support::ProgramRun fresh(Harness& h, int blue, int red, const std::string& keys, float speed = 0) {
    h = fleet(blue, red);
    if (speed > 0)
        for (int side = 0; side <= 1; ++side)
            for (int ship = 1; ship <= 46; ++ship) h.s().A(side, ship, kelmat::A_SPEED) = speed;
    return h.run(keys);
}

// Title, menu item 1, fight; mode 0, no map; every side question by Enter; no display time.
const std::string kDefaults = "x1y" + std::string("0n") + flow_enters(11) + flow_enters(11) + "{ENTER}";

// One side's answers: `answers` typed in order, each ended by Enter ("" is Enter alone).
std::string side_answers(std::initializer_list<const char*> answers) {
    std::string k;
    for (const char* a : answers) k += std::string(a) + "{ENTER}";
    return k;
}

struct SetupCase {
    const char* name;
    std::string keys;  // after "x1y"
    float ht[11], hc[9], mv[5], dc[5];
    float display_time;
};

TEST(BattleSetup, AnswersDefaultsAndReasks) {
    const std::string simple_defaults = flow_enters(11);
    const SetupCase cases[] = {
        {"Japan detailed, America detailed, Enter elsewhere",
         "0n" + side_answers({"2"}) + flow_enters(12) + side_answers({"2"}) + flow_enters(12) + "{ENTER}",
         {0, 20, 10, 2, 1, 4, 3, 20, 10, 13, 6}, {0, 50, 50, 100, 100, 1, 1, 1, 1}, {0, 5, -5, 15, 15}, {0, 5, 5, 0, 0}, 0},
        {"simple 20 alternating; fractions as typed; damage control 7 and 9",
         "0n" + side_answers({"1", "20", "", "2", "", "", "", "", "", "", "7"}) +
             side_answers({"", "12.5", "", "", "80", "10", "40", "1", "5", "10", "9"}) + "100{ENTER}",
         {0, 20, 12.5f, 2, 10, 4, 3, 20, 12.5f, 20, 8}, {0, 50, 80, 200, 1, 2, 1, 1, 5}, {0, 5, -10, 15, 40}, {0, 5, 9, 1, 1}, 100},
        {"refused answers: out of range, dispersion 50, interval 20, display 1500",
         "0n" + side_answers({"3", "2", "0", "51", "", "", "50", "", "20", "", "", "81", "", "11", "", "0", "", "201", "",
                              "6", "", "11", "", "10", ""}) +
             simple_defaults + "1500{ENTER}{ENTER}",
         {0, 20, 10, 2, 1, 4, 3, 20, 10, 13, 6}, {0, 50, 50, 100, 100, 1, 1, 1, 1}, {0, 5, -5, 15, 15}, {0, 5, 5, 0, 0}, 0},
        {"mode 4: no manoeuvre or concentration questions for either side",
         "4n" + side_answers({"", "", "", "", "", ""}) + side_answers({"", "", "", "", "", ""}) + "{ENTER}",
         {0, 20, 10, 2, 1, 4, 3, 20, 10, 13, 6}, {0, 50, 50, 100, 100, 1, 1, 1, 1}, {0, 5, -5, 15, 15}, {0, 5, 5, 0, 0}, 0},
        {"mode 1: BLUE asked the concentration only of 5.7-5.12",
         "1n" + side_answers({"", "", "", "", "", "3", ""}) + simple_defaults + "{ENTER}",
         {0, 20, 10, 3, 1, 4, 3, 20, 10, 13, 6}, {0, 50, 50, 100, 100, 1, 1, 1, 1}, {0, 5, -5, 15, 15}, {0, 5, 5, 0, 0}, 0},
    };
    for (const SetupCase& c : cases) {
        Harness h = fleet(2, 1);
        h.run("x1y" + c.keys);
        auto& s = h.s();
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(s.HT(i), c.ht[i]) << c.name << ": HT(" << i << ")";
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.HC(i), c.hc[i]) << c.name << ": HC(" << i << ")";
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(s.MV(i), c.mv[i]) << c.name << ": MV(" << i << ")";
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(s.DC(i), c.dc[i]) << c.name << ": DC(" << i << ")";
        EXPECT_EQ(s.TT(kelmat::TT_DISPLAY_TIME), c.display_time) << c.name;
    }
}

TEST(BattleSetup, ScreensOfTheDialogue) {
    // Each run on a fresh state: the first set-up of a run asks every question.
    struct Fresh {
        Harness h;
        testing_support::ProgramRun run(const std::string& keys) {
            h = fleet(10, 5);
            return h.run(keys);
        }
    } h;
    auto mode = h.run("x1y");
    EXPECT_EQ(mode.text_at(24, 2, 30), "移動と砲撃の操作は誰がしますか");
    EXPECT_EQ(mode.colour_at(24, 2), 7);
    EXPECT_EQ(mode.text_at(28, 21, 15), "Hit 0 - 4  Key ");
    EXPECT_EQ(mode.colour_at(28, 21), 6);
    auto blue = h.run("x1y0n");
    EXPECT_EQ(blue.text_at(29, 1, 4), "BLUE");
    EXPECT_EQ(blue.colour_at(29, 1), 5);
    EXPECT_EQ(blue.text_at(10, 4, 53), "命中値は 簡易型にしますか 詳細型にしますか ?    1 - 2");
    // The concentration offered: 10 against 5 gives 2 for BLUE, 1 for RED.
    auto conc = h.run("x1y0n" + flow_enters(9));
    EXPECT_EQ(conc.text_at(24, 22, 13), "RETURN は  2 ");
    auto red = h.run("x1y0n" + flow_enters(11) + flow_enters(9));
    EXPECT_EQ(red.text_at(29, 1, 3), "RED");
    EXPECT_EQ(red.colour_at(29, 1), 3);
    EXPECT_EQ(red.text_at(24, 22, 13), "RETURN は  1 ");
    // Interval refused: the whole question again, with its default.
    auto interval = h.run("x1y0n" + flow_enters(2) + "20{ENTER}");
    EXPECT_EQ(interval.text_at(30, 14, 16), "RETURN は  4    ");
    EXPECT_EQ(interval.text_at(20, 6, 21), "射撃間隔は　?   1 (10");
    auto display = h.run("x1y0n" + flow_enters(22) + "1500{ENTER}");
    EXPECT_EQ(display.text_at(29, 9, 14), "表示時間は ?  ");
    EXPECT_EQ(display.text_at(17, 17, 58), "シミュレーション実行中でも、ｆ．１キーを押せば変更できます");
}

TEST(BattleSetup, TakingOverTheLastParameters) {
    Harness h = fleet(2, 1);
    h.run("x1y0n" + side_answers({"", "30"}) + flow_enters(9) + flow_enters(11) + "{ENTER}" + "k");
    ASSERT_EQ(h.s().HT(1), 30);
    // The second battle: control mode and map asked again, then the take-over question.
    auto ask = h.run("x1y1y");
    EXPECT_EQ(ask.text_at(20, 12, 40), "両軍のデータは前回と同じでよいですか  ? ");
    EXPECT_EQ(ask.text_at(26, 14, 15), "Hit Y - N  Key ");
    h.run("x1y1yz50{ENTER}");
    EXPECT_EQ(h.s().HT(1), 30) << "any key but N keeps the parameters";
    EXPECT_EQ(h.s().TT(kelmat::TT_SHOW_MAP), 1);
    EXPECT_EQ(h.s().TT(kelmat::TT_DISPLAY_TIME), 50);
    EXPECT_EQ(h.s().MV(1), 5) << "kept, not reset to the hand-steered value";
    auto again = h.run("x1y0nn");
    EXPECT_EQ(again.text_at(29, 1, 4), "BLUE") << "N asks everything again";
}

TEST(BattleRun, WholeBattleRestoresTheFleet) {
    Harness h = fleet(3, 3);
    auto run = h.run(kDefaults);
    EXPECT_EQ(run.text_at(19, 0, 24), "耐久力  砲塔 速力 命中数");
    EXPECT_EQ(run.text_at(45, 0, 11), "Hit Any Key");
    EXPECT_EQ(run.colour_at(45, 0), 4);
    int hits = 0;
    for (int ship = 1; ship <= 3; ++ship) hits += static_cast<int>(h.s().A(0, ship, kelmat::A_HITS_TAKEN) + h.s().A(1, ship, kelmat::A_HITS_TAKEN));
    EXPECT_GT(hits, 0);
    h = fleet(3, 3);
    h.run(kDefaults + "k");
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 3; ++ship) {
            EXPECT_EQ(h.s().A(side, ship, kelmat::A_DISPLACEMENT), side == 0 ? 390 : 320);
            EXPECT_EQ(h.s().A(side, ship, kelmat::A_SPEED), side == 0 ? 25 : 21);
            EXPECT_EQ(h.s().B(side, kelmat::B_AMMUNITION, ship), 200);
            for (int row = 0; row <= 3; ++row) EXPECT_EQ(h.s().B(side, row, ship), 0);
        }
    EXPECT_EQ(h.current_block(), Block::BattleAskFight);
}

TEST(BattleRun, HandDirectedTargetPrompt) {
    // Mode 4, no map, 60 knots: both steer by hand at step 6; BLUE's 18-inch guns reach RED's
    // line by its first due step, 8.
    Harness h;
    const std::string setup = "x1y4n" + flow_enters(6) + flow_enters(6) + "{ENTER}" + "{ENTER}{ENTER}";
    auto blue = fresh(h, 1, 2, setup, 60);
    EXPECT_EQ(blue.text_at(0, 0, 6), "BLUE  ");
    EXPECT_EQ(blue.colour_at(0, 0), 5);
    EXPECT_EQ(blue.text_at(6, 0, 13), " 1 番艦の射撃");
    EXPECT_EQ(blue.text_at(19, 0, 34), "目標は ? (前回は  0  命中率   0 %)");
    EXPECT_EQ(blue.text_at(40, 1, 2), " 1") << "RED's ships listed on the right";
    EXPECT_EQ(blue.text_at(43, 2, 13), " 320 右舷42Km");
    // A fraction, a number beyond the enemy count and a negative one are refused alike.
    for (const char* bad : {"1.5", "3", "-1"}) {
        auto again = fresh(h, 1, 2, setup + bad + "{ENTER}", 60);
        EXPECT_EQ(again.text_at(19, 0, 17), "目標は ? (前回は ") << bad;
        EXPECT_EQ(h.s().B(0, kelmat::B_FIRINGS, 1), 0) << bad << ": still at the prompt";
    }
    fresh(h, 1, 2, setup + "2{ENTER}", 60);
    EXPECT_EQ(h.s().B(0, kelmat::B_TARGET, 1), 2);
    EXPECT_EQ(h.s().B(0, kelmat::B_FIRINGS, 1), 1);
    fresh(h, 1, 2, setup + "a{ENTER}", 60);
    EXPECT_EQ(h.s().B(0, kelmat::B_TARGET, 1), 1) << "A: the automatic choice";
    fresh(h, 1, 2, setup + "0{ENTER}", 60);
    EXPECT_EQ(h.s().B(0, kelmat::B_FIRINGS, 1), 0) << "0: no fire this time";
}

TEST(BattleRun, ApproachQuestionsWithoutTheMap) {
    Harness h;
    const std::string setup = "x1y2n" + flow_enters(7) + flow_enters(7) + "{ENTER}";
    auto ask = fresh(h, 1, 1, setup);
    EXPECT_EQ(ask.text_at(4, 0, 9), "接近速度 ");
    EXPECT_EQ(ask.text_at(29, 0, 42), "移動 ?  接近(+) or 離脱(-) or 維持(Return)");
    EXPECT_EQ(ask.text_at(19, 0, 10), "  BLUE    ");
    EXPECT_EQ(ask.colour_at(21, 0), 5);
    fresh(h, 1, 1, setup + "++{ENTER}");
    EXPECT_EQ(h.s().MV(5), 5) << "a line of two signs is refused";
    fresh(h, 1, 1, setup + "+{ENTER}-{ENTER}");
    EXPECT_EQ(h.s().MV(5), 6);
    EXPECT_EQ(h.s().MV(6), -4) << "RED's - opens: its course rises";
}

TEST(BattleEditor, ItemsAndDisplayTime) {
    Harness h;
    const std::string battle = kDefaults + "k";
    auto menu = fresh(h, 1, 1, battle + "{F1}");
    EXPECT_EQ(menu.text_at(23, 4, 20), "どれを変更しますか ?");
    EXPECT_EQ(menu.text_at(29, 11, 25), "2  RED　NAVY のパラメータ");
    EXPECT_EQ(menu.colour_at(23, 4), 6);
    auto items = fresh(h, 1, 1, battle + "{F1}92");
    EXPECT_EQ(items.text_at(29, 3, 24), "どの項目を変更しますか ?");
    EXPECT_EQ(items.text_at(54, 13, 10), "現在は -5 ") << "RED's limit angle negative";
    EXPECT_EQ(items.text_at(54, 11, 15), "現在は 一斉射撃");
    // RED: hit value 0 and 51 refused, 20 into all three slots; limit 5 stored as -5;
    // fire mode key 3 passed over, 2 taken; evasion 6 passed over, 4 taken; display time.
    fresh(h, 1, 1, battle + "{F1}2" + "10{ENTER}51{ENTER}{ENTER}20{ENTER}" + "35{ENTER}" + "232" + "664" + "0" + "3" +
                       "0.5{ENTER}1000.5{ENTER}" + "0");
    EXPECT_EQ(h.s().HT(2), 20);
    EXPECT_EQ(h.s().HT(8), 20);
    EXPECT_EQ(h.s().HT(10), 20) << "no salvo-fire cut in the editor";
    EXPECT_EQ(h.s().MV(2), -5);
    EXPECT_EQ(h.s().HC(6), 2);
    EXPECT_EQ(h.s().HC(8), 4);
    EXPECT_EQ(h.s().TT(kelmat::TT_DISPLAY_TIME), 1000);
    // The three screens of the editor, and the line of an item's question.
    std::string screens;
    for (const char* keys : {"{F1}", "{F1}1", "{F1}3", "{F1}15"}) {
        auto run = fresh(h, 1, 1, battle + keys);
        screens += run.screen().dump_text() + run.screen().dump_colours();
    }
    testing_support::expect_golden(screens, "golden/gunnery/battle_editor_screens.txt");
    auto ended = fresh(h, 1, 1, battle + "{F1}0");
    EXPECT_EQ(ended.screen().dump_text(), std::string(24, '\n'));
    fresh(h, 1, 1, battle + "{F1}32.5{ENTER}0");
    EXPECT_EQ(h.s().TT(kelmat::TT_DISPLAY_TIME), 2) << "a half goes to the even neighbour";
}

TEST(BattleEditor, DisplayTimesBeyondAnyWholeNumberAreAskedAgain) {
    // Each answer is refused and the question asked again, as for 2000, with the display time
    // left as it was; none is rounded to a whole number first.
    Harness h;
    const std::string ask = kDefaults + "k" + "{F1}3";
    const std::string again = fresh(h, 1, 1, ask + "2000{ENTER}").screen().dump_text();
    const float before = h.s().TT(kelmat::TT_DISPLAY_TIME);
    const std::string answers[] = {"1E20", "-1E20", "1E999", "4E87", "-1E999", std::string(300, '9'), "1E-400"};
    for (const std::string& answer : answers) {
        auto run = fresh(h, 1, 1, ask + answer + "{ENTER}");
        EXPECT_EQ(h.s().TT(kelmat::TT_DISPLAY_TIME), before) << answer;
        EXPECT_EQ(run.screen().dump_text(), again) << answer;
    }
}

TEST(BattleRun, MapAndTurnQuestions) {
    // Mode 1 with the map: BLUE's first turn question at step 6, over the map of that step.
    Harness h;
    const std::string setup = "x1y1y" + flow_enters(7) + flow_enters(11) + "{ENTER}";
    auto ask = fresh(h, 2, 2, setup);
    EXPECT_EQ(ask.text_at(8, 0, 4), "角度");
    EXPECT_EQ(ask.text_at(29, 0, 48), "進路変更 ?  右折(R) or 左折(L) or 直進(Else Key)");
    EXPECT_EQ(ask.text_at(12, 0, 17), "右 45   BLUE     ");
    EXPECT_EQ(ask.colour_at(20, 0), 5);
    const con::Screen& screen = ask.screen();
    EXPECT_EQ(screen.pixel(0, 35), 14) << "the frame";
    EXPECT_EQ(screen.pixel(639, 431), 14);
    // The dots stand where the ships stood at the step's opening (they have not moved since
    // the last step's tail).
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 2; ++ship) {
            const int x = static_cast<int>(std::floor(h.s().QM(side, ship, kelmat::QM_X) / 200));
            const int y = static_cast<int>(std::floor(15 - h.s().QM(side, ship, kelmat::QM_Y) / 200));
            EXPECT_EQ(screen.pixel(x, y), side == 0 ? 11 : 7) << side << "," << ship;
        }
    fresh(h, 2, 2, setup + "l");
    EXPECT_EQ(h.s().MV(5), 4) << "L turns to port";
    // The run stops at the question of step 12: the flagship took the course at step 6 and
    // ship 2 at the hand-down of step 11.
    EXPECT_EQ(h.s().QM(0, 1, kelmat::QM_COURSE), 4);
    EXPECT_EQ(h.s().QM(0, 2, kelmat::QM_COURSE), 4);
}

}  // namespace
