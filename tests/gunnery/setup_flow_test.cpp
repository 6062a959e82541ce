// Scripted runs of scenario making: counts and navies, each side's source and era, the class
// list, the per-ship entry with classes, sister ships and build states, and the save question.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::A_DISPLACEMENT;
using kelmat::Block;
using kelmat::F_BUILD_STATE;
using kelmat::F_DISPLACEMENT;
using kelmat::F_YEAR;
using kelmat::K_DISPLACEMENT;
using kelmat::K_GUN_TYPE;
using kelmat_test::Harness;
using testing_support::ScopedTempDir;

namespace {

// Title, menu item 2.
const std::string kSetup = "x2";

TEST(ScenarioSetup, BlueCountQuestion) {
    Harness h;
    auto run = h.run(kSetup);
    EXPECT_EQ(run.text_at(28, 11, 12), "Input 1 - 46");
    EXPECT_EQ(run.colour_at(28, 11), 6);
    EXPECT_EQ(run.text_at(24, 8, 19), "BLUE  NAVY の数は ?");
    EXPECT_EQ(run.colour_at(24, 8), 1);
    EXPECT_EQ(run.colour_at(30, 8), 6);
}

TEST(ScenarioSetup, CountsMustBeWholeAndInRange) {
    // BLUE: the screen is cleared and the question asked again.
    for (const char* bad : {"0", "47", "2.5", "-1"}) {
        Harness h;
        auto run = h.run(kSetup + bad + "{ENTER}");
        EXPECT_EQ(run.text_at(24, 8, 30), "BLUE  NAVY の数は ?           ") << bad;
        EXPECT_EQ(h.s().BLUE_NAVY, 0) << bad;
    }
    // RED: asked again in place, the screen not cleared.
    Harness h;
    auto run = h.run(kSetup + "3{ENTER}1" + "47{ENTER}");
    EXPECT_EQ(run.text_at(24, 8, 19), "RED   NAVY の数は ?");
    EXPECT_EQ(run.text_at(45, 8, 2), "47") << "the refused answer is not cleared first";
    EXPECT_EQ(run.colour_at(24, 8), 2);
    EXPECT_EQ(h.s().RED_NAVY, 0);
    h.run(kSetup + "3{ENTER}1" + "47{ENTER}2.5{ENTER}4{ENTER}2");
    EXPECT_EQ(h.s().RED_COUNT, 4);
    EXPECT_EQ(h.s().RED_NAVY, 2);
}

TEST(ScenarioSetup, NavyChoice) {
    Harness h;
    auto run = h.run(kSetup + "3{ENTER}06789x");
    EXPECT_EQ(run.text_at(31, 5, 8), "国籍は ?");
    EXPECT_EQ(run.text_at(24, 9, 12), "１　日本海軍");
    EXPECT_EQ(run.text_at(24, 17, 46), "５　フランス海軍   イタリア海軍　 ソビエト海軍");
    EXPECT_EQ(run.text_at(30, 20, 13), "Hit 1 - 5 Key");
    EXPECT_EQ(run.row(8), "") << "the count question is blanked";
    EXPECT_EQ(h.s().BLUE_NAVY, 0) << "keys 0 and 6-9 are ignored";
}

TEST(ScenarioSetup, LargerCountBoundsBothShipLoops) {
    const float cases[][3] = {{10, 10, 10}, {5, 12, 12}, {12, 5, 12}};
    for (const auto& c : cases) {
        Harness h;
        h.run(kSetup + std::to_string(static_cast<int>(c[0])) + "{ENTER}1" +
              std::to_string(static_cast<int>(c[1])) + "{ENTER}2");
        EXPECT_EQ(h.s().SIDE_COUNT, c[2]);
        EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop);
    }
}

TEST(ScenarioSetup, SideHeaderAndSourceQuestion) {
    Harness h;
    auto run = h.run(kSetup + "5{ENTER}1" + "12{ENTER}2" + "0459");
    EXPECT_EQ(run.text_at(26, 5, 24), "BLUE NAVY          5  隻");
    EXPECT_EQ(run.colour_at(26, 5), 5);
    EXPECT_EQ(run.text_at(24, 8, 28), "１　実在艦をそのまま使用する");
    EXPECT_EQ(run.text_at(24, 12, 22), "３　自分で艦を設計する");
    EXPECT_EQ(run.text_at(30, 15, 14), "Hit 1 - 3  Key");
    EXPECT_EQ(run.colour_at(24, 10), 6);
    EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop) << "source keys 0, 4, 5, 9 are ignored";
}

TEST(ScenarioSetup, OwnDesignsAskTheEraAndLoadNoClassData) {
    Harness h;
    auto run = h.run(kSetup + "2{ENTER}3" + "1{ENTER}1" + "3" + "089");
    EXPECT_EQ(run.text_at(22, 5, 33), "年代はいつですか ?  Hit 1 - 6 Key");
    EXPECT_EQ(run.text_at(16, 22, 40), "７　　超技術　　    　　　　(仮想戦記型)");
    EXPECT_EQ(h.s().DESIGN_ERA, 0);
    auto list = h.run(kSetup + "2{ENTER}3" + "1{ENTER}1" + "3" + "7");
    EXPECT_EQ(h.s().DESIGN_ERA, 7) << "era 7 is taken although the prompt names 1-6";
    EXPECT_EQ(h.s().SHIP_SOURCE, 2);
    EXPECT_EQ(list.text_at(45, 2, 13), "VANGUARD     ") << "Britain's class list";
    EXPECT_EQ(h.s().K(1, 1, K_DISPLACEMENT), 0) << "no real-class tables";
    EXPECT_EQ(h.s().F(3, 1, F_DISPLACEMENT), 0) << "no class values";
    // An own design asks no class, but the sister question while ships are left.
    EXPECT_EQ(list.text_at(20, 2, 15), "同型艦は何隻  ?");
    EXPECT_EQ(list.text_at(16, 5, 13), "Input  1 - 2 ");
}

TEST(ScenarioSetup, RealClassTablesAreLoadedOncePerRun) {
    testing_support::ScopedConsole console("1");
    kelmat::Kelmat s;
    s.BLUE_COUNT = 1;
    s.BLUE_NAVY = 1;
    s.SIDE_COUNT = 1;
    s.K(1, 1, K_DISPLACEMENT) = 1;  // as if loaded by an earlier scenario
    s.K(1, 1, K_GUN_TYPE) = 99;     // a value the stored records do not hold
    EXPECT_EQ(kelmat::SCENARIO_SIDE_LOOP(s), Block::ScenarioShipLoop);
    EXPECT_EQ(s.K(1, 1, K_GUN_TYPE), 99);
    EXPECT_EQ(s.F(1, 2, F_DISPLACEMENT), 64000) << "the side's class values are loaded all the same";
}

TEST(ShipEntry, ClassQuestionAndClassList) {
    Harness h;
    auto run = h.run(kSetup + "2{ENTER}1" + "1{ENTER}3" + "1");
    EXPECT_EQ(run.text_at(10, 0, 20), "BLUE NAVY          2");
    EXPECT_EQ(run.colour_at(10, 0), 5);
    EXPECT_EQ(run.text_at(45, 2, 9), "改大和(2)");
    EXPECT_EQ(run.text_at(45, 23, 4), "若狭");
    EXPECT_EQ(run.colour_at(45, 2), 6);
    EXPECT_EQ(run.text_at(8, 2, 37), "   1  番艦のクラスは  ?              ");
    EXPECT_EQ(run.text_at(16, 5, 13), "Input  1 - 22");
    EXPECT_EQ(run.colour_at(70, 2), 5) << "the class numbers beside the names";
    EXPECT_GT(h.s().K(1, 1, K_DISPLACEMENT), 0) << "the first real-class side loaded the tables";
    for (const char* bad : {"0", "23", "2.5"}) {
        h.run(kSetup + "2{ENTER}1" + "1{ENTER}3" + "1" + bad + "{ENTER}");
        EXPECT_EQ(h.s().CLASS_NO, 0) << bad;
    }
}

TEST(ShipEntry, SisterLimitsAndTheStateQuestion) {
    Harness h;
    // Five BLUE ships of navy 1; class 11 (4 ships): 3 of them.
    auto run = h.run(kSetup + "5{ENTER}1" + "1{ENTER}3" + "1" + "11{ENTER}");
    EXPECT_EQ(run.text_at(20, 2, 15), "同型艦は何隻  ?");
    EXPECT_EQ(run.text_at(16, 5, 13), "Input  1 - 4 ");
    // Class 11 has an as-built state: the state question follows; 3 and x are refused.
    auto state = h.run(kSetup + "5{ENTER}1" + "1{ENTER}3" + "1" + "11{ENTER}3{ENTER}3{ENTER}x{ENTER}");
    EXPECT_EQ(state.text_at(8, 2, 12), "   1  番艦は");
    EXPECT_EQ(state.text_at(20, 2, 22), "新造時それとも改造後 ?");
    EXPECT_EQ(state.text_at(16, 5, 13), "Input  1 - 2 ");
    EXPECT_EQ(state.text_at(40, 2, 3), " ? ");
    EXPECT_EQ(h.s().SISTER_COUNT, 2);
    // Answered, the next group starts at ship 4 and may hold 2 ships.
    auto next = h.run(kSetup + "5{ENTER}1" + "1{ENTER}3" + "1" + "11{ENTER}3{ENTER}1{ENTER}" + "9{ENTER}");
    EXPECT_EQ(h.s().SHIP_NO, 4);
    EXPECT_EQ(next.text_at(8, 2, 8), "   4  番");
    EXPECT_EQ(next.text_at(16, 5, 13), "Input  1 - 2 ");
    EXPECT_EQ(h.s().A(0, 1, A_DISPLACEMENT), 275) << "as built";
    EXPECT_EQ(h.s().M(0, 3), "榛名");
    // A class of one state asks no state question; a one-ship class no sister question.
    h.run(kSetup + "5{ENTER}1" + "1{ENTER}3" + "1" + "3{ENTER}");
    EXPECT_EQ(h.s().SHIP_NO, 2) << "class 3 has one ship of one state: stored at once";
    EXPECT_EQ(h.s().M(0, 1), "金剛代艦");
}

// BLUE: 3 ships of Japan (two Nagato as built, one Yamato); RED: one Dreadnought.
const std::string kScenario = kSetup + "3{ENTER}1" + "1{ENTER}3" + "1" + "8{ENTER}2{ENTER}1{ENTER}" + "2{ENTER}" +
                              "1" + "22{ENTER}";

TEST(ShipEntry, AWholeScenarioOfRealShips) {
    Harness h;
    auto run = h.run(kScenario);
    EXPECT_EQ(h.current_block(), Block::SaveScenario);
    EXPECT_EQ(run.text_at(20, 8, 23), "DATA を SAVE しますか ?");
    EXPECT_EQ(run.colour_at(20, 8), 6);
    EXPECT_EQ(run.text_at(23, 10, 13), "Hit Y - N Key");
    auto& s = h.s();
    const float nagato[] = {338, 21, 4, 0, 285, 123, 27, 100};
    const float yamato[] = {640, 23, 8, 1, 440, 240, 27, 100};
    const float dreadnought[] = {186, 7, 11, 0, 225, 81, 21, 100};  // era 2: quality 0.9
    for (int i = 0; i < 8; ++i) {
        const int f = kelmat::kScenarioFields[i];
        EXPECT_EQ(s.A(0, 1, f), nagato[i]) << f;
        EXPECT_EQ(s.A(0, 2, f), nagato[i]) << f;
        EXPECT_EQ(s.A(0, 3, f), yamato[i]) << f;
        EXPECT_EQ(s.A(1, 1, f), dreadnought[i]) << f;
        EXPECT_EQ(s.A(1, 2, f), 0) << f;
    }
    EXPECT_EQ(s.M(0, 1), "長門");
    EXPECT_EQ(s.M(0, 2), "陸奥");
    EXPECT_EQ(s.M(0, 3), "大和");
    EXPECT_EQ(s.M(1, 1), "DREADNOUGHT");
    EXPECT_EQ(s.BATTLE_BLUE_COUNT, 3);
    EXPECT_EQ(s.BATTLE_RED_COUNT, 1);
}

TEST(ShipEntry, SavedOrFoughtWithoutSaving) {
    ScopedTempDir dir;
    Harness h;
    h.run(kScenario + "xY" + "s{ENTER}");
    EXPECT_EQ(h.current_block(), Block::MainMenu);
    EXPECT_EQ(testing_support::read_file("S-DATA.DAT").substr(0, 20), " 3 \r\n 1 \r\n 1 \r\n 3 \r\n");
    // Declining: the return-to-menu question; any key but Y fights the fleet without loading.
    Harness n;
    n.run(kScenario + "n" + "n");
    EXPECT_EQ(n.s().FLEET_IS_NEW, 1);
    EXPECT_EQ(n.s().TT(kelmat::TT_BLUE_COUNT), 3);
    EXPECT_EQ(n.s().TT(kelmat::TT_RED_COUNT), 1);
    EXPECT_EQ(n.s().A(0, 1, 10), 338) << "the battle started on the fleet in memory";
}

TEST(Binary, ScenarioMadeAndSavedThroughTheBuiltProgram) {
    ScopedTempDir dir;
    auto run = testing_support::run_binary("kelmat95", kScenario + "Yk{ENTER}");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(testing_support::dump_line(run.screen, 4), std::string(29, ' ') + "どれにしますか ?");
    std::string file = testing_support::read_file("K-DATA.DAT");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 832);
    EXPECT_EQ(file.substr(20, 43), " 338 \r\n 21 \r\n 4 \r\n 0 \r\n 285 \r\n 123 \r\n 27 \r\n");
}

}  // namespace

namespace {

TEST(ClassList, NumbersBesideTheNames) {
    Harness h;
    auto run = h.run(kSetup + "2{ENTER}2" + "1{ENTER}3" + "1");
    for (int n = 1; n <= 22; ++n) {
        std::string expected = (n < 10 ? " " : "") + std::to_string(n);
        EXPECT_EQ(run.text_at(69, n + 1, 2), expected) << n;
    }
    EXPECT_EQ(run.text_at(45, 2, 11), "ALASKA(2+4)");
    EXPECT_EQ(run.colour_at(69, 2), -1) << "a blank sign place";
    EXPECT_EQ(run.colour_at(70, 2), 5);
}

TEST(ClassList, SeparatorLineUnderTheRealClasses) {
    const int line_y[] = {0, 306, 342, -1, 324, 324};
    for (int navy = 1; navy <= 5; ++navy)
        for (float source : {0.0f, 2.0f}) {
            testing_support::ScopedConsole console;
            kelmat::Kelmat s;
            s.SIDE_NO = 1;
            s.RED_NAVY = static_cast<float>(navy);
            s.BLUE_NAVY = 4;
            s.RED_COUNT = 7;
            s.SHIP_SOURCE = source;
            kelmat::SHOW_CLASS_LIST(s);
            const con::Screen& screen = console.screen();
            int grey = 0;
            for (int y = 0; y < con::kPlaneHeight; ++y)
                for (int x = 0; x < con::kPlaneWidth; ++x) grey += screen.pixel(x, y) == 14;
            if (line_y[navy] < 0) {
                EXPECT_EQ(grey, 0) << "navy 3 has no fictional classes";
            } else {
                EXPECT_EQ(grey, 286) << "navy " << navy;
                EXPECT_EQ(screen.pixel(350, line_y[navy]), 14) << "navy " << navy;
                EXPECT_EQ(screen.pixel(635, line_y[navy]), 14) << "navy " << navy;
            }
            EXPECT_EQ(s.BLUE_NAVY, 4) << "BLUE's navy is put back";
            EXPECT_EQ(s.F(navy, 1, F_BUILD_STATE) != 0 || s.F(navy, 1, F_YEAR) != 0, source == 0)
                << "class values for real sources only";
            EXPECT_EQ(con::current_colour(), 6);
            EXPECT_EQ(screen.cell(10, 0).colour, 3) << "RED's header";
        }
}

}  // namespace

namespace {

TEST(ShipEntry, ModifiedAndDesignedShipsReachTheDesigner) {
    Harness h;
    // BLUE: one own design of era 5; the designer starts at navy 1's displacement texts.
    auto run = h.run(kSetup + "1{ENTER}1" + "2{ENTER}3" + "3" + "5");
    EXPECT_EQ(h.current_block(), Block::DesignStart);
    EXPECT_EQ(run.text_at(8, 2, 24), "   1  番艦の 排水量は　?");
    EXPECT_EQ(run.text_at(68, 2, 5), "67000");
    EXPECT_EQ(h.s().WORK_NAVY, 1);
    EXPECT_EQ(h.s().data.read_text(), "20/45") << "the calibre texts follow the displacement texts";
    // RED: two modified Dreadnoughts show navy 3's texts and take their class's names.
    const std::string blue_design = "450{ENTER}21{ENTER}8{ENTER}30{ENTER}1" "400{ENTER}n200{ENTER}1{ENTER}";
    const std::string red = "k" + std::string("2") + "22{ENTER}2{ENTER}";
    auto red_run = h.run(kSetup + "1{ENTER}1" + "2{ENTER}3" + "3" + "5" + blue_design + red);
    EXPECT_EQ(h.s().WORK_NAVY, 3);
    EXPECT_EQ(h.s().SISTER_COUNT, 1);
    h.s().data.restore_data("ReferenceDisplacement3");
    for (int i = 1; i <= 22; ++i) {
        const std::string text = h.s().data.read_text();
        EXPECT_EQ(red_run.text_at(68, i + 1, static_cast<int>(con::byte_length(text))), text) << i;
    }
    h.run(kSetup + "1{ENTER}1" + "2{ENTER}3" + "3" + "5" + blue_design + red +
          "200{ENTER}7{ENTER}11{ENTER}21{ENTER}250{ENTER}100{ENTER}2{ENTER}");
    EXPECT_EQ(h.current_block(), Block::SaveScenario);
    EXPECT_EQ(h.s().A(1, 2, A_DISPLACEMENT), 200) << "the planned displacement taken";
    EXPECT_EQ(h.s().M(1, 2), "BELLEROPHON");
    EXPECT_EQ(h.s().M(0, 1), "") << "an own design has no stored name";
}

}  // namespace
