// Scripted runs of the designer: an own design from the displacement to the stored ship, each
// question's screen and refused answers, the result screen with its choice and redo paths,
// and a modified real class.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::A_DISPLACEMENT;
using kelmat::A_LAYOUT;
using kelmat::A_RATIO;
using kelmat::A_SPEED;
using kelmat::Block;
using kelmat::Z_BATTERY_WEIGHT;
using kelmat_test::Harness;
using testing_support::ProgramRun;
using testing_support::shows;

namespace {

// Title, scenario making, one BLUE ship of Japan and one RED ship of Japan, BLUE's own
// designs of `era`.
std::string own_design(char era) { return std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "3" + era; }

// The worked design of the speed table: 35,000 t, 13-inch guns (type 10) in four twin turrets
// (layout 4, 6,000 t), era 6.
const std::string kToSpeed = own_design('6') + "350{ENTER}" + "10{ENTER}" + "4{ENTER}";
// 30 knots, diesel; a sloped 410 mm belt; a 200 mm deck.
const std::string kToResult = kToSpeed + "30{ENTER}2" + "410{ENTER}y" + "200{ENTER}";

TEST(DesignerFlow, DisplacementQuestion) {
    Harness h;
    auto run = h.run(own_design('6'));
    EXPECT_EQ(h.current_block(), Block::DesignStart);
    EXPECT_TRUE(shows(run, 8, 2, "   1  番艦の 排水量は　?            "));
    EXPECT_TRUE(shows(run, 10, 5, "80 (8000ton) - 9000 (900000ton)"));
    EXPECT_TRUE(shows(run, 22, 7, "( 100 ton 単位 )"));
    EXPECT_EQ(run.colour_at(14, 2), 6);
    EXPECT_EQ(run.colour_at(10, 5), 6);
    EXPECT_EQ(run.screen().cursor_column(), 36) << "typing starts after the one-blank prompt";
}

TEST(DesignerFlow, DisplacementAnswersOutOfRangeAreAskedAgain) {
    // The whole answer counts: 12345 and 90000 are out of range, not 1234 and 9000.
    for (const char* refused : {"12345", "90000", "79.9", "", "abc", "9000.5"}) {
        Harness h;
        h.run(own_design('6') + refused + "{ENTER}");
        EXPECT_EQ(h.current_block(), Block::DesignStart) << refused;
        EXPECT_EQ(h.s().A(0, 1, A_DISPLACEMENT), 0) << refused;
    }
    struct Taken {
        const char* typed;
        float value;
    } taken[] = {{"80", 80}, {"9000", 9000}, {"80.5", 80.5f}, {" 900", 900}, {"  9000", 9000}};
    for (const auto& t : taken) {
        Harness h;
        h.run(own_design('6') + "12345{ENTER}" + t.typed + "{ENTER}");
        EXPECT_EQ(h.current_block(), Block::CalibreStep) << t.typed;
        EXPECT_EQ(h.s().DESIGN_DISPLACEMENT, t.value) << t.typed;
        EXPECT_EQ(h.s().A(0, 1, A_DISPLACEMENT), t.value) << t.typed;
    }
}

TEST(DesignerFlow, GunList) {
    Harness h;
    auto run = h.run(own_design('6') + "350{ENTER}");
    EXPECT_TRUE(shows(run, 0, 6, " 1   8  Inch / 40"));
    EXPECT_EQ(run.colour_at(1, 6), 7) << "the number in white";
    EXPECT_EQ(run.colour_at(5, 6), 6) << "the calibre in yellow";
    EXPECT_TRUE(shows(run, 0, 13, " 8  12  Inch / 50旧式"));
    EXPECT_TRUE(shows(run, 0, 17, "12  13.5inch / 45")) << "13.5 is a fixed text";
    EXPECT_EQ(run.colour_at(0, 17), 7);
    EXPECT_EQ(run.colour_at(4, 17), 6);
    EXPECT_TRUE(shows(run, 24, 6, "19 15  Inch / 47"));
    EXPECT_TRUE(shows(run, 24, 10, "23 18  Inch / 45"));
    EXPECT_TRUE(shows(run, 24, 23, "36 26  Inch / 50"));
    for (int row = 6; row <= 23; ++row) {
        EXPECT_NE(run.colour_at(15, row), -1) << "left lengths start in column 15, row " << row;
        EXPECT_NE(run.colour_at(38, row), -1) << "right lengths start in column 38, row " << row;
    }
    EXPECT_TRUE(shows(run, 20, 2, "主砲の口径は ?           "));
    EXPECT_TRUE(shows(run, 23, 4, "Input 1 - 36"));
    EXPECT_TRUE(shows(run, 8, 2, "   1  番艦の")) << "the ship number stays before the question";
    for (int x : {180, 255, 330}) EXPECT_EQ(run.screen().pixel(x, 198), 14) << x;
    EXPECT_EQ(run.screen().pixel(179, 198), 0);
}

TEST(DesignerFlow, GunAnswers) {
    struct Case {
        const char* typed;
        float gun;
        const char* text;
    } cases[] = {
        {"0{ENTER}37{ENTER}1", 1, "8 inch/40"},
        {"36", 36, "26 inch/50"},
        {"12", 12, "13.5 inch/45"},
        {"12.4", 12.4f, "13.5 inch/45"},
        {"12.5", 12.5f, "14 inch/45旧式"},
        {"8", 8, "12 inch/50旧式"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.run(own_design('6') + "350{ENTER}" + c.typed + "{ENTER}");
        EXPECT_EQ(h.current_block(), Block::LayoutStep) << c.typed;
        EXPECT_EQ(h.s().GUN_TYPE, c.gun) << c.typed;
        EXPECT_EQ(h.s().A(0, 1, kelmat::A_GUN_TYPE), c.gun) << c.typed;
        EXPECT_EQ(h.s().GUN_TEXT, c.text) << c.typed;
    }
}

TEST(DesignerFlow, LayoutListAndAnswers) {
    Harness h;
    auto run = h.run(own_design('6') + "350{ENTER}10{ENTER}");
    EXPECT_TRUE(shows(run, 8, 2, " 1    4  (2 X 2  前１後１)"));
    EXPECT_TRUE(shows(run, 8, 11, "10   10  (2 X 5  前２中１後２)"));
    EXPECT_TRUE(shows(run, 8, 23, "22   16  (4 X 4  前１中１後２)"));
    EXPECT_TRUE(shows(run, 13, 13, "10  (3 X 2 + 2 X 2) "));
    EXPECT_EQ(run.colour_at(9, 2), 7);
    EXPECT_EQ(run.colour_at(14, 2), 6);
    EXPECT_TRUE(shows(run, 20, 1, "主砲の門数は ?        "));
    EXPECT_TRUE(run.row(4).substr(0, 8).find_first_not_of(' ') == std::string::npos) << "the gun list is gone";
    EXPECT_EQ(run.screen().pixel(255, 198), 0) << "the calibre step's line is erased";
    // 0, 0.9, 22.1, 23 and -1 are refused; 1.5 is taken as typed and weighed as layout 2.
    h.run(own_design('6') + "350{ENTER}10{ENTER}" + "0{ENTER}0.9{ENTER}22.1{ENTER}23{ENTER}-1{ENTER}");
    EXPECT_EQ(h.current_block(), Block::LayoutStep);
    h.run(own_design('6') + "350{ENTER}10{ENTER}" + "0{ENTER}23{ENTER}1.5{ENTER}");
    EXPECT_EQ(h.current_block(), Block::SpeedStep);
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_LAYOUT), 1.5f);
    EXPECT_EQ(h.s().MAIN_BATTERY_WEIGHT, 3 * 1500) << "three twin 13-inch turrets";
    EXPECT_EQ(h.s().Z(Z_BATTERY_WEIGHT), h.s().MAIN_BATTERY_WEIGHT);
}

TEST(DesignerFlow, SpeedTableOfTheWorkedDesign) {
    Harness h;
    auto run = h.run(kToSpeed);
    EXPECT_EQ(h.s().MAIN_BATTERY_WEIGHT, 6000);
    EXPECT_TRUE(shows(run, 14, 23, "残り  29000  ton です  "));
    EXPECT_TRUE(shows(run, 14, 6, "適正垂直装甲  適正水平装甲"));
    EXPECT_TRUE(shows(run, 5, 7, " 18  Kt     528  mm       264  mm"));
    EXPECT_TRUE(shows(run, 5, 19, " 30  Kt     388  mm       194  mm"));
    EXPECT_TRUE(shows(run, 5, 22, " 33  Kt     351  mm       175  mm"));
    EXPECT_TRUE(shows(run, 17, 4, " Input 15 - 60 Kt "));
    EXPECT_TRUE(shows(run, 20, 2, "速力は  ?         "));
    // Refused speeds, then 27.5 as typed. Era 6 asks the machinery next.
    h.run(kToSpeed + "14.9{ENTER}60.5{ENTER}27.5{ENTER}");
    EXPECT_EQ(h.s().DESIGN_SPEED, 27.5f);
    EXPECT_EQ(h.s().LOOP_K, 27.5f);
    EXPECT_EQ(h.current_block(), Block::SpeedStep);
}

TEST(DesignerFlow, SpeedTableAssumesTheMachineryOfThePreviousDesign) {
    Harness h;
    // A diesel design first; the next design's table reckons with a diesel (speed term 107
    // at 18 knots instead of 92).
    h.run(kToResult + "1{ENTER}");
    EXPECT_EQ(h.s().MACHINERY_TYPE, 1);
    auto run = h.run(kToResult + "1{ENTER}" + "36" + "350{ENTER}10{ENTER}4{ENTER}");  // RED's own design
    EXPECT_TRUE(shows(run, 5, 7, " 18  Kt     454  mm       227  mm"));
}

TEST(DesignerFlow, MachineryQuestionByEra) {
    struct Case {
        char era;
        const char* keys;
        bool asked;
        float machinery;
        float weight;  // 350 (100 t), 30 knots
    } cases[] = {
        {'4', "", false, 0, 12636},  // eras 1-4: a steam turbine, unasked
        {'5', "4x01", true, 0, 8424},
        {'6', "4x3", true, 2, 6668},
        {'7', "4", true, 3, 3931},
    };
    for (const auto& c : cases) {
        Harness h;
        auto run = h.run(own_design(c.era) + "350{ENTER}10{ENTER}4{ENTER}30{ENTER}");
        if (c.asked) {
            EXPECT_TRUE(shows(run, 23, 6, "機関は ?")) << c.era;
            EXPECT_EQ(run.colour_at(23, 6), 7) << c.era;
            EXPECT_TRUE(shows(run, 20, 8, c.era == '7' ? "Hit 1 - 4 Key" : "Hit 1 - 3 Key")) << c.era;
            EXPECT_TRUE(shows(run, 15, 11, "1  蒸気タービン"));
            EXPECT_TRUE(shows(run, 15, 13, "2  ディーゼル"));
            EXPECT_TRUE(shows(run, 15, 15, "3  蒸気タービン,ディーゼル"));
            EXPECT_EQ(run.row(17).find("ガスタービン") != std::string::npos, c.era == '7') << c.era;
        }
        h.run(own_design(c.era) + "350{ENTER}10{ENTER}4{ENTER}30{ENTER}" + c.keys);
        EXPECT_EQ(h.current_block(), Block::BeltStep) << c.era;
        EXPECT_EQ(h.s().MACHINERY_TYPE, c.machinery) << c.era;
        EXPECT_FLOAT_EQ(h.s().MACHINERY_WEIGHT, c.weight) << c.era;
        EXPECT_EQ(h.s().A(0, 1, kelmat::A_SPEED), 30) << c.era;
    }
}

TEST(DesignerFlow, BeltStepScreen) {
    Harness h;
    auto run = h.run(kToSpeed + "30{ENTER}2");
    EXPECT_TRUE(shows(run, 20, 3, "垂直装甲厚は  ?    "));
    EXPECT_TRUE(shows(run, 18, 6, "50 mm - 1000 mm"));
    EXPECT_TRUE(shows(run, 13, 14, "12 In. 14 In. 16 In. 18 In."));
    EXPECT_TRUE(shows(run, 8, 15, " 12   274    370    535    625 "));
    EXPECT_TRUE(shows(run, 8, 16, " 16   211    309    474    557 "));
    EXPECT_TRUE(shows(run, 8, 17, " 20          262    416    496 ")) << "the 12-inch gun reaches 19 km";
    EXPECT_TRUE(shows(run, 8, 21, " 36                 229    308 "));
    EXPECT_TRUE(shows(run, 9, 22, "40 "));
    EXPECT_TRUE(shows(run, 34, 22, " 276 ")) << "only the 18-inch gun reaches 40 km";
    EXPECT_TRUE(shows(run, 20, 22, "貫通力"));
    EXPECT_TRUE(shows(run, 9, 23, "Km"));
    // Tons left 35,000 - 6,000 - 6,317 = 22,683, shown to 10 t; 20.394 t per mm.
    EXPECT_TRUE(shows(run, 14, 9, "残り  22680  ton です  "));
    EXPECT_TRUE(shows(run, 10, 11, " 1 mm につき  20  ton です "));
    EXPECT_TRUE(shows(run, 14, 12, "(適正値  404  mm)"));
    EXPECT_EQ(h.s().TT(kelmat::TT_GUN_TYPE), 23) << "the last reference gun";
}

TEST(DesignerFlow, BeltAnswersAndTheSlopedQuestion) {
    struct Case {
        char era;
        const char* keys;
        float sloped, belt;
    } cases[] = {
        {'6', "49.9{ENTER}1000.5{ENTER}410{ENTER}5{ENTER}", 1, 435},  // a digit is ignored, Enter is yes
        {'6', "410{ENTER}Y", 1, 435},
        {'6', "410{ENTER}n", 0, 410},
        {'4', "410{ENTER}y", 1, 401},
        {'4', "1000{ENTER}y", 1, 978},
        {'7', "1000{ENTER}N", 0, 1100},
        {'3', "300{ENTER}", 0, 270},  // no sloped question below era 4
        {'6', "305.5{ENTER}n", 0, 306},
    };
    for (const auto& c : cases) {
        Harness h;
        std::string machinery = c.era >= '5' ? "1" : "";
        auto run = h.run(own_design(c.era) + "350{ENTER}10{ENTER}4{ENTER}30{ENTER}" + machinery + c.keys);
        EXPECT_EQ(h.current_block(), Block::DeckStep) << c.keys;
        EXPECT_EQ(h.s().A(0, 1, kelmat::A_SLOPED), c.sloped) << c.era << " " << c.keys;
        EXPECT_EQ(h.s().A(0, 1, kelmat::A_BELT), c.belt) << c.era << " " << c.keys;
    }
    Harness h;
    auto run = h.run(kToSpeed + "30{ENTER}2" + "410{ENTER}");
    EXPECT_EQ(h.s().BELT_MM, 410);
    EXPECT_TRUE(shows(run, 18, 6, "装甲は傾斜装甲  ?"));
    EXPECT_TRUE(shows(run, 20, 7, "Hit Y or N Key"));
    EXPECT_EQ(run.colour_at(18, 6), 7);
}

TEST(DesignerFlow, DeckStepScreenAndAnswers) {
    Harness h;
    auto run = h.run(kToSpeed + "30{ENTER}2" + "410{ENTER}y");
    EXPECT_TRUE(shows(run, 20, 3, "水平装甲厚は  ?      "));
    EXPECT_TRUE(shows(run, 15, 6, " Input 20 mm - 800 mm "));
    EXPECT_EQ(run.colour_at(20, 3), 6);
    EXPECT_TRUE(shows(run, 8, 15, " 12   51     37     43     44 "));
    EXPECT_TRUE(shows(run, 8, 17, " 20          83     116    120 "));
    // After a belt of 410 mm x 20.394 t: 14,321 t left, 71.379 t per mm.
    EXPECT_TRUE(shows(run, 14, 9, "残り  14320  ton です  "));
    EXPECT_TRUE(shows(run, 10, 11, "1 mm につき  71  ton です "));
    EXPECT_TRUE(shows(run, 16, 12, "(適正値  200  mm)"));
    h.run(kToSpeed + "30{ENTER}2" + "410{ENTER}y" + "19{ENTER}801{ENTER}");
    EXPECT_EQ(h.current_block(), Block::DeckStep);
    h.run(kToResult);
    EXPECT_EQ(h.s().DECK_MM, 200);
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_DECK), 200);
}

TEST(DesignerFlow, ResultScreen) {
    Harness h;
    auto run = h.run(kToResult);
    auto& s = h.s();
    ASSERT_EQ(h.current_block(), Block::DesignChoiceMenu);
    EXPECT_EQ(s.MAIN_GUN_COUNT, 8);
    EXPECT_TRUE(shows(run, 8, 0, "   1  番艦"));
    EXPECT_EQ(s.PROPER_DISPLACEMENT, 35000);
    EXPECT_TRUE(shows(run, 6, 3, "適正排水量は  35000  ton となります"));
    EXPECT_TRUE(shows(run, 50, 3, "予定排水量  35000 ton"));
    EXPECT_TRUE(shows(run, 50, 6, "主砲口径    13 inch/44"));
    EXPECT_TRUE(shows(run, 50, 7, "主砲門数　   8  門"));
    EXPECT_TRUE(shows(run, 50, 8, "垂直装甲厚  410  mm"));
    EXPECT_TRUE(shows(run, 50, 9, "水平装甲厚  200  mm"));
    EXPECT_TRUE(shows(run, 50, 10, "速力        30  kt"));
    EXPECT_TRUE(shows(run, 50, 16, "前方  4 門"));
    EXPECT_TRUE(shows(run, 50, 20, "主砲重量  "));
    int shares = 0;
    for (int row = 20; row <= 23; ++row) shares += std::stoi(run.text_at(60, row, 4));
    EXPECT_EQ(shares, 100) << "the four shares add up to 100";
    EXPECT_TRUE(shows(run, 15, 10, "１  適正排水量にする"));
    EXPECT_EQ(run.colour_at(15, 10), 6);
    EXPECT_TRUE(shows(run, 15, 12, "２  予定排水量にする"));
    EXPECT_TRUE(shows(run, 15, 14, "３  やりなおす"));
    EXPECT_TRUE(shows(run, 15, 20, "Input  1 - 3"));
    EXPECT_TRUE(shows(run, 10, 17, "  どれにしますか ?   "));
    EXPECT_EQ(s.TT(kelmat::TT_SHIP_REF), 1);
    EXPECT_EQ(run.screen().pixel(638, 240), 15) << "the arrangement drawing";
    EXPECT_EQ(run.row(1), "") << "the class list is gone";
}

TEST(DesignerFlow, ChoiceAnswersOtherThanOneToThreeAskAgain) {
    Harness h;
    auto run = h.run(kToResult + "4{ENTER}１{ENTER}{ENTER}");
    EXPECT_EQ(h.current_block(), Block::DesignChoiceMenu);
    EXPECT_TRUE(shows(run, 10, 17, "  どれにしますか ?   "));
    EXPECT_EQ(run.row(10).substr(0, 45).find_first_not_of(' '), std::string::npos) << "the answers are not shown again";
    EXPECT_EQ(run.row(3).substr(0, 45).find_first_not_of(' '), std::string::npos) << "the prompt area is blank";
    EXPECT_TRUE(shows(run, 50, 3, "予定排水量  35000 ton")) << "the right half stays";
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_RATIO), 0) << "nothing stored yet";
}

TEST(DesignerFlow, ProperOrPlannedDisplacementStored) {
    Harness proper;
    proper.run(kToResult + "1{ENTER}");
    auto& s = proper.s();
    EXPECT_EQ(proper.current_block(), Block::ScenarioSideLoop) << "RED's source question";
    EXPECT_EQ(s.SIDE_NO, 1);
    const float fields[] = {350, 10, 4, 1, 435, 200, 30, 100};  // the proper 35,000 t
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s.A(0, 1, kelmat::kScenarioFields[i]), fields[i]) << kelmat::kScenarioFields[i];
    EXPECT_EQ(s.M(0, 1), "") << "an own design has no stored name";

    // With a thinner deck the proper displacement is below the planned 35,000 t.
    Harness planned;
    planned.run(kToSpeed + "30{ENTER}2" + "410{ENTER}y" + "100{ENTER}" + "2{ENTER}");
    auto& p = planned.s();
    EXPECT_EQ(p.PROPER_DISPLACEMENT, 21000);
    EXPECT_EQ(p.A(0, 1, A_DISPLACEMENT), 350);
    EXPECT_EQ(p.A(0, 1, A_RATIO), 166) << "35,000 / 21,000 t = 166.7 %";
}

TEST(DesignerFlow, RedoFromTheResultScreen) {
    Harness h;
    auto run = h.run(kToResult + "3{ENTER}");
    EXPECT_EQ(h.current_block(), Block::DesignStart);
    EXPECT_TRUE(shows(run, 10, 0, "BLUE NAVY          1 ")) << "the class list again";
    EXPECT_TRUE(shows(run, 45, 2, "改大和(2)"));
    EXPECT_TRUE(shows(run, 8, 2, "   1  番艦の 排水量は　?"));
    EXPECT_TRUE(shows(run, 68, 2, "67000")) << "the displacement texts again";
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_RATIO), 0) << "nothing stored";
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_BELT), 435) << "what earlier steps stored stays until overwritten";
    // The groups of texts do not shift: the calibre question shows the calibres again.
    auto calibre = h.run(kToResult + "3{ENTER}" + "400{ENTER}");
    EXPECT_TRUE(shows(calibre, 68, 2, "20/45"));
    EXPECT_TRUE(shows(calibre, 68, 23, "20/45"));
    // A second design of the same ship, stored with its planned displacement.
    h.run(kToResult + "3{ENTER}" + "400{ENTER}21{ENTER}8{ENTER}27{ENTER}1" + "300{ENTER}n" + "150{ENTER}" + "2{ENTER}");
    const float fields[] = {400, 21, 8, 0, 300, 150, 27};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(h.s().A(0, 1, kelmat::kScenarioFields[i]), fields[i]) << kelmat::kScenarioFields[i];
    EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop);
}

TEST(DesignerFlow, BalanceOverTheLimitStartsTheDesignAgain) {
    // Era 1, 900,000 t, four quadruple 26-inch turrets, 60 knots and the thickest armour.
    const std::string heavy = own_design('1') + "9000{ENTER}36{ENTER}22{ENTER}60{ENTER}1000{ENTER}800{ENTER}";
    Harness h;
    auto run = h.run(heavy);
    EXPECT_EQ(h.current_block(), Block::WeightBalance);
    EXPECT_GT(h.s().ITERATED_DISPLACEMENT, 99999);
    EXPECT_TRUE(shows(run, 10, 9, "排水量は１０００万トンを越します"));
    EXPECT_EQ(run.colour_at(10, 9), 7);
    EXPECT_TRUE(shows(run, 10, 11, "    やり直してください    "));
    EXPECT_TRUE(shows(run, 18, 13, "Hit Any Key"));
    auto again = h.run(heavy + "k");
    EXPECT_EQ(h.current_block(), Block::DesignStart);
    EXPECT_TRUE(shows(again, 8, 2, "   1  番艦の 排水量は　?"));
    EXPECT_EQ(again.row(9).substr(0, 45).find_first_not_of(' '), std::string::npos) << "the message is blanked";
    EXPECT_EQ(again.colour_at(14, 2), 6);
    EXPECT_EQ(h.s().A(0, 1, kelmat::A_RATIO), 0);
    // Designed again lighter, the ship is stored.
    h.run(heavy + "k" + "450{ENTER}21{ENTER}8{ENTER}21{ENTER}300{ENTER}100{ENTER}1{ENTER}");
    EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop);
    EXPECT_EQ(h.s().A(0, 1, A_RATIO), 100);
}

// The weight balance's worked example handed to the result screen: ship 3 of BLUE, planned
// 450, 6,000 t of main battery, belt 400 and deck 200 mm, three turrets, 30 knots, steam
// turbine, era 5.
void worked_example(kelmat::Kelmat& s) {
    kelmat_test::start_up(s);
    s.SIDE_NO = 0;
    s.SHIP_NO = 3;
    s.SISTER_COUNT = 1;
    s.BLUE_COUNT = 4;
    s.SHIP_SOURCE = 2;
    s.A(0, 3, A_DISPLACEMENT) = s.A(0, 4, A_DISPLACEMENT) = s.DESIGN_DISPLACEMENT = 450;
    s.A(0, 3, A_LAYOUT) = s.LAYOUT_NO = 8;
    s.A(0, 3, A_SPEED) = s.DESIGN_SPEED = 30;
    s.Z(Z_BATTERY_WEIGHT) = 6000;
    s.BELT_MM = 400;
    s.DECK_MM = 200;
    s.MACHINERY_TYPE = 0;
    s.DESIGN_ERA = 5;
    s.GUN_TEXT = "16 inch/45";
}

TEST(DesignerFlow, ResultScreenOfTheWorkedExample) {
    Harness h;
    worked_example(h.s());
    auto run = h.run("", Block::WeightBalance);
    EXPECT_EQ(h.s().PROPER_DISPLACEMENT, 35100);
    EXPECT_TRUE(shows(run, 8, 0, "   3  番艦"));
    EXPECT_TRUE(shows(run, 6, 3, "適正排水量は  35100  ton となります"));
    EXPECT_TRUE(shows(run, 50, 3, "予定排水量  45000 ton"));
    EXPECT_TRUE(shows(run, 50, 7, "主砲門数　   9  門"));
    EXPECT_TRUE(shows(run, 50, 20, "主砲重量    11 %"));
    EXPECT_TRUE(shows(run, 50, 21, "防御重量    38 %"));
    EXPECT_TRUE(shows(run, 50, 22, "機関重量    15 %"));
    EXPECT_TRUE(shows(run, 50, 23, "船体重量    36 %"));
    EXPECT_EQ(h.s().TT(kelmat::TT_SHIP_REF), 3);
    // The planned displacement for both ships of the group: 45,000 / 35,100 t = 128 %.
    h.run("2{ENTER}", Block::DesignChoiceMenu);
    for (int ship : {3, 4}) {
        EXPECT_EQ(h.s().A(0, ship, A_DISPLACEMENT), 450);
        EXPECT_EQ(h.s().A(0, ship, A_RATIO), 128);
    }
    EXPECT_EQ(h.s().SHIP_NO, 4);
    EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop) << "the group ended BLUE's ships";
}

TEST(DesignerFlow, ProperDisplacementOfAMillionTonsCannotBeTaken) {
    Harness h;
    worked_example(h.s());
    h.s().Z(Z_BATTERY_WEIGHT) = 5000000;  // a balance that settles beyond 1,000,000 t
    auto run = h.run("", Block::WeightBalance);
    EXPECT_EQ(h.s().PROPER_DISPLACEMENT, 8935800);
    EXPECT_TRUE(shows(run, 10, 9, "排水量は１００万トンを越します"));
    EXPECT_TRUE(shows(run, 10, 11, "予定排水量しか選べません"));
    EXPECT_TRUE(shows(run, 18, 13, "Hit Any Key"));
    EXPECT_TRUE(shows(run, 50, 3, "予定排水量  45000 ton")) << "over the result screen";
    auto menu = h.run("k", Block::WeightBalance);
    EXPECT_TRUE(shows(menu, 15, 10, "１  適正排水量にする"));
    EXPECT_EQ(menu.colour_at(15, 10), 3) << "the refused choice in magenta";
    EXPECT_EQ(menu.colour_at(15, 12), 6);
    EXPECT_EQ(menu.row(9).substr(0, 45).find_first_not_of(' '), std::string::npos);
    // "1" draws the result screen and the message again; "2" takes the planned displacement.
    auto refused = h.run("k1{ENTER}", Block::WeightBalance);
    EXPECT_EQ(h.current_block(), Block::DesignResultScreen);
    EXPECT_TRUE(shows(refused, 10, 9, "排水量は１００万トンを越します"));
    EXPECT_EQ(h.s().A(0, 3, A_RATIO), 0) << "nothing stored";
    h.run("k1{ENTER}k2{ENTER}", Block::WeightBalance);
    EXPECT_EQ(h.s().A(0, 3, A_DISPLACEMENT), 450);
    EXPECT_EQ(h.s().A(0, 3, A_RATIO), 0) << "45,000 / 8,935,800 t = 0.5 %";
}

TEST(DesignerFlow, ModifiedRealClass) {
    // Two Nagato (era 4) modified; a third ship follows.
    const std::string keys = std::string("x2") + "3{ENTER}1" + "1{ENTER}1" + "2" + "8{ENTER}2{ENTER}";
    Harness h;
    auto run = h.run(keys);
    EXPECT_EQ(h.current_block(), Block::DesignStart) << "no build-state question";
    EXPECT_EQ(h.s().DESIGN_ERA, 4) << "the class's era";
    EXPECT_TRUE(shows(run, 45, 9, "長門(2)"));
    EXPECT_TRUE(shows(run, 68, 9, "33800>39100"));
    // Era 4: no machinery question; the sloped question is asked.
    h.run(keys + "400{ENTER}21{ENTER}4{ENTER}26{ENTER}" + "410{ENTER}y" + "200{ENTER}" + "2{ENTER}");
    auto& s = h.s();
    EXPECT_EQ(s.MACHINERY_TYPE, 0);
    EXPECT_EQ(s.PROPER_DISPLACEMENT, 54500);
    for (int ship : {1, 2}) {
        const float fields[] = {400, 21, 4, 1, 401, 190, 26};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(s.A(0, ship, kelmat::kScenarioFields[i]), fields[i]) << ship;
        EXPECT_EQ(s.A(0, ship, A_RATIO), 73) << "40,000 / 54,500 t = 73.4 %";
    }
    EXPECT_EQ(s.M(0, 1), "長門");
    EXPECT_EQ(s.M(0, 2), "陸奥");
    EXPECT_EQ(s.SHIP_NO, 3);
    EXPECT_EQ(h.current_block(), Block::ScenarioShipLoop);
}

}  // namespace
