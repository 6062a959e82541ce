// The designer inside scenario making: the reference column beside the navy's class names at
// each question, a scenario of designed and modified ships saved and read back, names of
// ships made after an earlier scenario of the same run, and runs through the built program.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::Block;
using kelmat_test::Harness;
using testing_support::ProgramRun;
using testing_support::ScopedTempDir;

namespace {

// The stored texts of a group, as the records hold them.
std::vector<std::string> group(const std::string& name) {
    con::RecordSet data = kelmat::load_stored_records();
    data.restore_data(name);
    std::vector<std::string> out;
    for (int i = 0; i < 22; ++i) out.push_back(data.read_text());
    return out;
}

void expect_column(const ProgramRun& run, int col, const std::vector<std::string>& texts, const std::string& what) {
    for (int i = 1; i <= 22; ++i) {
        const std::string& t = texts[i - 1];
        EXPECT_EQ(run.text_at(col, i + 1, static_cast<int>(con::byte_length(t))), t) << what << ", class " << i;
    }
}

TEST(ReferenceColumn, EachQuestionShowsItsGroupBesideTheClassNames) {
    struct Step {
        const char* group;
        const char* keys;
        const char* first;
        const char* last;
    } steps[] = {
        {"Displacement", "", "67000", "62000"},
        {"Calibre", "350{ENTER}", "20/45", "20/45"},
        {"Layout", "10{ENTER}", "2X3  (2)", "3X2  (3)"},
        {"Speed", "4{ENTER}", "27  KT", "27"},
        {"Belt", "30{ENTER}1", "450+  MM", "350"},
        {"Deck", "410{ENTER}n", "250+  MM", "200"},
    };
    const auto names = group("ClassNames1");
    std::string keys = std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "3" + "6";
    for (const auto& step : steps) {
        keys += step.keys;
        Harness h;
        auto run = h.run(keys);
        const std::string what = step.group;
        expect_column(run, 68, group(std::string("Reference") + step.group + "1"), what);
        EXPECT_EQ(run.text_at(68, 2, static_cast<int>(con::byte_length(step.first))), step.first) << what;
        EXPECT_EQ(run.text_at(68, 23, static_cast<int>(con::byte_length(step.last))), step.last) << what;
        EXPECT_EQ(run.colour_at(68, 2), 6) << what;
        expect_column(run, 45, names, what + ": the class names stay");
        for (int row : {0, 1}) EXPECT_EQ(run.text_at(68, row, 12), std::string(12, ' ')) << what;
        for (int i = 1; i <= 22; ++i) EXPECT_EQ(h.s().DT(i), group(std::string("Reference") + step.group + "1")[i - 1]);
    }
}

TEST(ReferenceColumn, NavyFiveTextsForEitherSide) {
    // RED of navy 5 designs its own ships after one real BLUE ship of navy 5.
    Harness h;
    auto run = h.run(std::string("x2") + "1{ENTER}5" + "1{ENTER}5" + "1" + "1{ENTER}" + "36");
    EXPECT_EQ(h.current_block(), Block::DesignStart);
    EXPECT_EQ(h.s().WORK_NAVY, 5);
    expect_column(run, 68, group("ReferenceDisplacement5"), "RED, navy 5");
    Harness blue;
    auto blue_run = blue.run(std::string("x2") + "1{ENTER}5" + "1{ENTER}1" + "36");
    EXPECT_EQ(blue.s().WORK_NAVY, 5);
    expect_column(blue_run, 68, group("ReferenceDisplacement5"), "BLUE, navy 5");
}

// BLUE (Japan): a group of two own designs of era 7 and a third of its own; RED (Britain):
// two modified Dreadnoughts. Saved as "D".
const std::string kDesignedScenario =
    std::string("x2") + "3{ENTER}1" + "2{ENTER}3" + "3" + "7" +
    "2{ENTER}" + "500{ENTER}25{ENTER}17{ENTER}35{ENTER}4" + "500{ENTER}y" + "250{ENTER}" + "1{ENTER}" +
    "80.5{ENTER}1{ENTER}1{ENTER}15{ENTER}1" + "50{ENTER}n" + "20{ENTER}" + "2{ENTER}" +
    "2" + "22{ENTER}2{ENTER}" + "200{ENTER}7{ENTER}11{ENTER}21{ENTER}250{ENTER}100{ENTER}1{ENTER}" +
    "Y" + "D{ENTER}";

TEST(DesignedScenario, SavedAndReadBack) {
    ScopedTempDir dir;
    Harness made;
    made.run(kDesignedScenario);
    ASSERT_EQ(made.current_block(), Block::MainMenu);
    auto& s = made.s();
    // The two sister ships share every value; the third has its own.
    for (int f : kelmat::kScenarioFields) EXPECT_EQ(s.A(0, 1, f), s.A(0, 2, f)) << f;
    EXPECT_EQ(s.A(0, 1, kelmat::A_GUN_TYPE), 25);
    EXPECT_EQ(s.A(0, 1, kelmat::A_LAYOUT), 17);
    EXPECT_EQ(s.A(0, 1, kelmat::A_SLOPED), 1);
    EXPECT_EQ(s.A(0, 1, kelmat::A_BELT), 583) << "500 mm sloped in era 7: x 1.06 x 1.1";
    EXPECT_EQ(s.A(0, 1, kelmat::A_DECK), 275);
    EXPECT_EQ(s.A(0, 1, kelmat::A_RATIO), 100);
    EXPECT_EQ(s.A(0, 3, kelmat::A_DISPLACEMENT), 80.5f) << "the planned displacement as typed";
    EXPECT_EQ(s.A(0, 3, kelmat::A_BELT), 55);
    EXPECT_EQ(s.A(0, 3, kelmat::A_DECK), 22);
    EXPECT_EQ(s.A(1, 1, kelmat::A_GUN_TYPE), 7);
    EXPECT_EQ(s.A(1, 2, kelmat::A_BELT), 225) << "era 2: 250 x 0.9";
    EXPECT_EQ(s.M(1, 1), "DREADNOUGHT");
    EXPECT_EQ(s.M(1, 2), "BELLEROPHON");

    const std::string file = testing_support::read_file("D-DATA.DAT");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 832);
    EXPECT_EQ(file.substr(0, 20), " 3 \r\n 1 \r\n 2 \r\n 3 \r\n");
    const std::string third_ship = " 80.5 \r\n 1 \r\n 1 \r\n 0 \r\n 55 \r\n 22 \r\n 15 \r\n";
    EXPECT_NE(file.find(third_ship), std::string::npos) << "ship 3's fields 0-8 in the file";

    // A new run reads the scenario back before its battle.
    Harness read;
    read.run("x1D{ENTER}");
    ASSERT_EQ(read.current_block(), Block::BattleFight);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            for (int f : kelmat::kScenarioFields)
                EXPECT_EQ(read.s().A(side, ship, f), s.A(side, ship, f)) << side << "," << ship << "," << f;
            EXPECT_EQ(read.s().M(side, ship), s.M(side, ship)) << side << "," << ship;
        }
    EXPECT_EQ(read.s().BLUE_COUNT, 3);
    EXPECT_EQ(read.s().RED_NAVY, 3);
}

TEST(DesignedScenario, ShipsWithoutStoredNamesGetNoStaleName) {
    // The first scenario of the run names two real ships; the second puts own designs in
    // their place: they have no name, not the names of the first scenario.
    const std::string real = std::string("x2") + "2{ENTER}1" + "1{ENTER}1" + "1" + "8{ENTER}2{ENTER}1{ENTER}" +
                             "1" + "2{ENTER}" + "n" + "y";
    const std::string designed = std::string("2") + "2{ENTER}1" + "1{ENTER}1" + "3" + "6" + "1{ENTER}" +
                                 "350{ENTER}10{ENTER}4{ENTER}30{ENTER}1" + "410{ENTER}n" + "200{ENTER}" + "2{ENTER}" +
                                 "350{ENTER}10{ENTER}4{ENTER}30{ENTER}1" + "410{ENTER}n" + "200{ENTER}" + "2{ENTER}";
    Harness h;
    h.run(real);
    ASSERT_EQ(h.current_block(), Block::MainMenu);
    EXPECT_EQ(h.s().M(0, 1), "長門");
    EXPECT_EQ(h.s().M(0, 2), "陸奥");
    h.run(real + designed);
    EXPECT_EQ(h.current_block(), Block::ScenarioSideLoop) << "RED's source question";
    EXPECT_EQ(h.s().A(0, 2, kelmat::A_GUN_TYPE), 10);
    EXPECT_EQ(h.s().M(0, 1), "");
    EXPECT_EQ(h.s().M(0, 2), "");
}

TEST(Binary, DesignThroughTheBuiltProgram) {
    ScopedTempDir dir;
    const std::string to_result = std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "3" + "6" +
                                  "350{ENTER}10{ENTER}4{ENTER}30{ENTER}2" + "410{ENTER}y" + "200{ENTER}";
    auto run = testing_support::run_binary("kelmat95", to_result);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(testing_support::dump_line(run.screen, 0), "           1  番艦");
    EXPECT_NE(testing_support::dump_line(run.screen, 3).find("適正排水量は"), std::string::npos);
    EXPECT_NE(testing_support::dump_line(run.screen, 3).find("予定排水量  35000 ton"), std::string::npos);
    EXPECT_NE(testing_support::dump_line(run.screen, 17).find("どれにしますか ?"), std::string::npos);
    EXPECT_NE(testing_support::dump_line(run.screen, 17).find("後方  4 門    射撃可能"), std::string::npos);
}

TEST(Binary, DesignedScenarioSavedByTheBuiltProgramAsInProcess) {
    std::string in_process;
    {
        ScopedTempDir dir;
        Harness h;
        h.run(kDesignedScenario);
        in_process = testing_support::read_file("D-DATA.DAT");
    }
    ScopedTempDir dir;
    auto run = testing_support::run_binary("kelmat95", kDesignedScenario);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(testing_support::read_file("D-DATA.DAT"), in_process);
    EXPECT_EQ(testing_support::dump_line(run.screen, 4), std::string(29, ' ') + "どれにしますか ?");
}

}  // namespace
