// The campaign save file: its bytes, reloading it with scenario 7, damaged files, and the disk
// errors of saving and loading by fault injection.
#include <gtest/gtest.h>
#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <vector>

#include "detailed/blocks.h"
#include "detailed/routines.h"
#include "detailed/save_file.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using testing_support::read_file;
using testing_support::run_program;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

// Keys that save at the start of turn 2 of a new game of `scenario`.
std::string save_at_turn_two(int scenario = 1) { return opening_keys(scenario) + stay_home() + "y{ENTER}"; }

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

std::vector<std::string> files_in_current_directory() {
    std::vector<std::string> names;
    DIR* d = opendir(".");
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') names.emplace_back(e->d_name);
    closedir(d);
    return names;
}

// A valid save file of the start of turn 2 in scenario 1, made by the program itself.
std::vector<std::string> saved_lines() {
    run_program(morva95f_program(), save_at_turn_two());
    return lines_of(read_file("MORDATAF.DAT"));
}

}  // namespace

TEST(SaveFile, LayoutAndTextForm) {
    ScopedTempDir dir;
    auto run = run_program(morva95f_program(), save_at_turn_two());
    const std::string bytes = read_file("MORDATAF.DAT");
    const auto lines = lines_of(bytes);
    ASSERT_EQ(lines.size(), 358u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        ASSERT_GE(l.size(), 3u) << "line " << i + 1;
        EXPECT_TRUE(l[0] == ' ' || l[0] == '-') << "line " << i + 1 << ": sign position";
        EXPECT_EQ(l.back(), ' ') << "line " << i + 1 << ": one trailing blank";
    }
    EXPECT_EQ(bytes.substr(0, 6), " 2 \r\n ") << "the turn about to open";
    // Bases 6-21 grew at the end of turn 1 by 1 + INT(draw x 2), or x 3 for bases 7, 8, 18, 20
    // and 21, with the first 16 draws of the clock-0 sequence (620765, 7771819, 747984, ...
    // / 2^23): from 10 20 16 8 10 4 12 14 12 10 8 2 20 4 12 30 by 1 3 1 1 1 1 2 2 2 1 1 1 1 1 3 2.
    const int grown[16] = {11, 21, 17, 9, 11, 5, 14, 16, 14, 11, 9, 3, 21, 5, 15, 32};
    std::vector<std::string> strengths;
    for (int g : grown) strengths.push_back(" " + std::to_string(g) + " ");
    struct Line {
        int number;
        std::string text;
        const char* what;
    } expected[] = {
        {2, " 0 ", "Allied carriers sunk"},
        {3, " 0 ", "Allied battleships sunk"},
        {4, " 270 ", "fighters: 180 + 90 at the end of turn 1"},
        {6, " 315 ", "torpedo bombers"},
        {7, " 6 ", "Japanese ship 1: durability"},
        {8, " 34 ", "Japanese ship 1: speed"},
        {9, " 13 ", "Japanese ship 1: first turn"},
        {106, " 0 ", "Japanese row 34 is written as zeros"},
        {256, " 5 ", "Allied ship 42: durability"},
        {258, " 3 ", "Allied ship 42: first turn"},
        {259, " 0 ", "base 1 holder"},
        {266, " 2 ", "base 8 holder"},
        {279, " 1 ", "base 21 holder"},
        {280, " 30 ", "base 1 strength (bases 1-5 do not grow)"},
        {285, strengths[0], "base 6 strength"},
        {300, strengths[15], "base 21 strength"},
        {306, " 7 ", "base 6 weight"},
        {342, " 2 ", "base 21 heavy-bomber factor"},
        {343, " 0 ", "HW(0)"},
        {357, " 0 ", "VS(1,6)"},
        {358, " 1 ", "the campaign's scenario"},
    };
    for (const auto& e : expected) EXPECT_EQ(lines[e.number - 1], e.text) << "line " << e.number << ": " << e.what;
    // The question leads on to the turn opening.
    EXPECT_TRUE(shows(run.screen(), 6, 2, "連合軍指揮官の性格は ?", 7));
}

TEST(SaveFile, ReloadContinuesAtTheSavedTurn) {
    ScopedTempDir dir;
    // Scenario 4 changes speeds and availabilities that only the save file carries over.
    run_program(morva95f_program(), save_at_turn_two(4));
    ASSERT_EQ(lines_of(read_file("MORDATAF.DAT")).size(), 358u);
    auto resumed = run_program(morva95f_program(), opening_keys(7));
    const auto& s = resumed.screen();
    EXPECT_TRUE(shows(s, 11, 0, "第  2  ターン", 5));
    EXPECT_TRUE(shows(s, 6, 2, "連合軍指揮官の性格は ?", 7)) << "no save question on the first turn";
    // Play the resumed turn and save at the start of turn 3.
    run_program(morva95f_program(), opening_keys(7) + stay_home() + "y{ENTER}");
    const auto lines = lines_of(read_file("MORDATAF.DAT"));
    ASSERT_EQ(lines.size(), 358u);
    EXPECT_EQ(lines[0], " 3 ");
    EXPECT_EQ(lines[3], " 450 ") << "270 + 90 + 90";
    EXPECT_EQ(lines[6 + 3 * 23 + 1], " 27 ") << "the speed of ship 24 set by scenario 4";
    EXPECT_EQ(lines[6 + 2], " 1 ") << "ship 1 serves from turn 1 in scenario 4";
    EXPECT_EQ(lines[357], " 4 ") << "the saved scenario, not 7";
}

TEST(SaveFile, NegativeValueRoundTrips) {
    ScopedTempDir dir;
    auto lines = saved_lines();
    // A base taken by a strike keeps the strength below 0 that the strike left.
    lines[258 + 5] = " 0 ";   // base 6 held by Japan
    lines[279 + 5] = "-3 ";  // its strength
    write_file("MORDATAF.DAT", join_lines(lines));
    run_program(morva95f_program(), opening_keys(7) + stay_home() + "y{ENTER}");
    EXPECT_EQ(lines_of(read_file("MORDATAF.DAT"))[279 + 5], "-2 ") << "grown by 1 at the end of turn 2";
}

TEST(SaveFile, DataFileNotFound) {
    ScopedTempDir dir;
    auto run = run_program(morva95f_program(), opening_keys(7));
    const auto& s = run.screen();
    EXPECT_TRUE(shows(s, 57, 20, "Data File not found", 3));
    EXPECT_TRUE(shows(s, 18, 8, "１　  １ターンから自由に作戦する", 6)) << "the menu stays";
    EXPECT_TRUE(shows(s, 30, 23, "Hit 1 - 7 Key", 7));
    // Choosing again starts a new game.
    auto again = run_program(morva95f_program(), opening_keys(7) + "1");
    EXPECT_TRUE(shows(again.screen(), 11, 0, "第  1  ターン", 5));
    EXPECT_TRUE(shows(again.screen(), 6, 2, "連合軍指揮官の性格は ?", 7));
}

TEST(SaveFile, DamagedFileIsAFailedLoadThatLeavesNothingBehind) {
    struct Case {
        const char* name;
        void (*damage)(std::vector<std::string>&);
    } cases[] = {
        {"ends early", [](auto& l) { l.resize(200); }},
        {"empty", [](auto& l) { l.clear(); }},
        {"a non-number", [](auto& l) { l[49] = " abc "; }},
        {"turn 13", [](auto& l) { l[0] = " 13 "; }},
        {"turn 1", [](auto& l) { l[0] = " 1 "; }},
        {"turn with a fraction", [](auto& l) { l[0] = " 2.5 "; }},
        {"base holder 3", [](auto& l) { l[258 + 5] = " 3 "; }},
        {"base holder -1", [](auto& l) { l[258 + 5] = "-1 "; }},
        {"scenario 6", [](auto& l) { l[357] = " 6 "; }},
        {"scenario 0", [](auto& l) { l[357] = " 0 "; }},
        {"service turn 0", [](auto& l) { l[8] = " 0 "; }},
        {"service turn 14", [](auto& l) { l[8] = " 14 "; }},
        {"planning weight 0", [](auto& l) { l[300 + 5] = " 0 "; }},
        {"a value too large for a number", [](auto& l) { l[4] = " 1E+40 "; }},
        {"Allied carriers sunk 16", [](auto& l) { l[1] = " 16 "; }},
        {"a dive-bomber reserve of -1", [](auto& l) { l[4] = "-1 "; }},
        {"a torpedo-bomber reserve below 0", [](auto& l) { l[5] = "-0.5 "; }},
        {"a loss below 0", [](auto& l) { l[350] = "-2 "; }},
        {"a fractional loss", [](auto& l) { l[343] = " 2.5 "; }},
        {"fighters lost on the way home above those lost in all", [](auto& l) { l[347] = " 1 "; }},
        {"a reserve above what the turns supplied", [](auto& l) { l[3] = " 361 "; }},
        {"a fractional reserve", [](auto& l) { l[4] = " 269.5 "; }},
        {"a durability above the full durability", [](auto& l) { l[6] = " 7 "; }},
        {"a durability below 0", [](auto& l) { l[6] = "-1 "; }},
        {"a speed the ship never has", [](auto& l) { l[7] = " 35 "; }},
        {"the opening's speed on another ship", [](auto& l) { l[7] = " 27 "; }},
        {"an empty Japanese row with a ship in it", [](auto& l) { l[6 + 3 * 33] = " 4 "; }},
        {"Allied carriers sunk not those of the durabilities", [](auto& l) { l[1] = " 1 "; }},
        {"a sunk carrier beside a count of 0", [](auto& l) { l[132] = " 0 "; }},
        {"an Allied base without strength", [](auto& l) { l[279 + 5] = " 0 "; }},
        {"a fractional strength", [](auto& l) { l[279 + 5] = " 10.5 "; }},
        {"a strength above a turn's growth", [](auto& l) { l[279 + 6] = " 22 "; }},  // 18 + 3 at most
        {"a strength above a failure's 8 and a turn's growth", [](auto& l) { l[279 + 10] = " 11 "; }},
        {"a base held by the other Allied nation", [](auto& l) { l[258 + 7] = " 1 "; }},
        {"a home base held by the Allies", [](auto& l) { l[258] = " 1 "; }},
        // No game changes the strength of bases 1-5: never a target, never growing.
        {"a home base below 0", [](auto& l) { l[279] = "-1 "; }},
        {"a changed strength of base 5", [](auto& l) { l[279 + 4] = " 1 "; }},
        {"a changed planning weight", [](auto& l) { l[300 + 5] = " 6 "; }},
        {"a changed heavy-bomber factor", [](auto& l) { l[321] = " 1 "; }},
        {"turns without repair below 0", [](auto& l) { l[342] = "-1 "; }},
        {"turns without repair with a fraction", [](auto& l) { l[342] = " 1.5 "; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        auto lines = saved_lines();
        lines[3] = " 360 ";  // a reserve that must not reach the next new game
        c.damage(lines);
        write_file("MORDATAF.DAT", join_lines(lines));
        auto run = run_program(morva95f_program(), opening_keys(7));
        EXPECT_TRUE(shows(run.screen(), 57, 20, "Data File not found", 3));
        run_program(morva95f_program(), opening_keys(7) + "1" + stay_home() + "y{ENTER}");
        const auto saved = lines_of(read_file("MORDATAF.DAT"));
        ASSERT_EQ(saved.size(), 358u);
        EXPECT_EQ(saved[3], " 270 ") << "the new game starts from the built-in tables";
        EXPECT_EQ(saved[357], " 1 ");
    }
}

TEST(SaveFile, AnyValueTheProgramWritesLoads) {
    struct Case {
        const char* name;
        void (*edit)(std::vector<std::string>&);
        int line;               // 0-based line of the next save to look at
        const char* expected;   // its text there
    } cases[] = {
        {"the largest reserve of turn 2", [](auto& l) { l[3] = " 360 "; }, 3, " 450 "},
        {"a reserve of 0", [](auto& l) { l[3] = " 0 "; }, 3, " 90 "},
        {"a damaged ship", [](auto& l) { l[6] = " 3 "; }, 6, " 4 "},
        {"a sunk Allied carrier and its count",
         [](auto& l) {
             l[132] = " 0 ";
             l[1] = " 1 ";
         },
         1, " 1 "},
        {"losses with those on the way home",
         [](auto& l) {
             l[343] = " 12 ";
             l[347] = " 12 ";
         },
         347, " 12 "},
        {"turns without repair", [](auto& l) { l[342] = " 5 "; }, 342, " 4 "},
        {"a Japanese base 21 at the most a turn's growth gives",
         [](auto& l) {
             l[278] = " 0 ";
             l[299] = " 33 ";
         },
         299, " 35 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        auto lines = saved_lines();
        c.edit(lines);
        write_file("MORDATAF.DAT", join_lines(lines));
        run_program(morva95f_program(), opening_keys(7) + stay_home() + "y{ENTER}");
        const auto saved = lines_of(read_file("MORDATAF.DAT"));
        ASSERT_EQ(saved.size(), 358u);
        EXPECT_EQ(saved[0], " 3 ") << "loaded and played";
        EXPECT_EQ(saved[c.line], c.expected);
    }
}

// A fleet that loses its carriers leaves its target at least 8 strong, and the turn's end
// grows it on from there: base 11 (built-in 4, growing by 1-2) lost in turn 2, while the other
// fleet took base 6, stands at 9 or 10 in turn 3; the save's own check takes it and the
// campaign loads again.
TEST(SaveFile, AFailedTargetGrownOnSavesAndLoadsAgain) {
    ScopedTempDir dir;
    Loaded st;
    st->TURN_NO = 2, st->TT(morva95f::TT_TURN) = 2;
    st->SCENARIO_NO = 1, st->TT(morva95f::TT_SAVED_SCENARIO) = 1;
    st->TT(morva95f::TT_WAIT) = 0;
    st->FLEET_NO = 1;
    st->AT(1) = 11;
    st->AT(2) = 6;
    st->P(6, morva95f::P_HOLDER) = 0;
    EXPECT_EQ(morva95f::CARRIERS_LOST(*st), morva95f::Block::NextFleet);
    EXPECT_EQ(st->P(11, morva95f::P_STRENGTH), 8);
    EXPECT_EQ(morva95f::TURN_END(*st), morva95f::Block::TurnStart);
    const float grown = st->P(11, morva95f::P_STRENGTH);
    EXPECT_GE(grown, 9);
    morva95f::COUNT_ALLIED_LOSSES(*st);
    morva95f::WRITE_SAVE_FILE(*st);
    Loaded loaded;
    morva95f::YOMIKOMI(*loaded);
    EXPECT_EQ(loaded->TT(morva95f::TT_TURN), 3);
    EXPECT_EQ(loaded->P(11, morva95f::P_STRENGTH), grown);
}

TEST(SaveFile, SecondSaveReplacesTheFirstWhole) {
    ScopedTempDir dir;
    write_file("MORDATAF.DAT", std::string(5000, 'x'));
    run_program(morva95f_program(), save_at_turn_two() + stay_home() + "y{ENTER}");
    const auto lines = lines_of(read_file("MORDATAF.DAT"));
    ASSERT_EQ(lines.size(), 358u);
    EXPECT_EQ(lines[0], " 3 ");
}

TEST(SaveFile, DiskErrorsWhileSavingKeepTheOldFile) {
    struct Case {
        const char* name;
        con::FileOp op;
        int host_errno;
    } cases[] = {
        {"disk full at the opening", con::FileOp::OpenOutput, ENOSPC},
        {"disk full while writing", con::FileOp::Write, ENOSPC},
        {"drive not ready at the close", con::FileOp::Close, EIO},
        {"write-protected", con::FileOp::OpenOutput, EROFS},
        {"device unavailable", con::FileOp::OpenOutput, ENXIO},
    };
    const std::string old_file = "the campaign saved before\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        write_file("MORDATAF.DAT", old_file);
        testing_support::ScopedConsole console(save_at_turn_two());
        console.console().files().inject_failure(c.op, c.host_errno);
        run_on(console);
        EXPECT_EQ(read_file("MORDATAF.DAT"), old_file);
        EXPECT_EQ(files_in_current_directory(), std::vector<std::string>{"MORDATAF.DAT"}) << "no partial file";
        // The save step starts again from its map.
        EXPECT_TRUE(shows(console.screen(), 11, 0, "第  2  ターン", 5));
        EXPECT_TRUE(shows(console.screen(), 10, 3, "SAVE しますか ?", 7));
        // The next answer Y saves.
        testing_support::ScopedConsole retry(save_at_turn_two() + "y{ENTER}");
        retry.console().files().inject_failure(c.op, c.host_errno);
        run_on(retry);
        EXPECT_EQ(lines_of(read_file("MORDATAF.DAT")).size(), 358u);
    }
}

TEST(SaveFile, ExistingFileRefusedAtOpeningIsReplaced) {
    ScopedTempDir dir;
    write_file("MORDATAF.DAT", "old\r\n");
    testing_support::ScopedConsole console(save_at_turn_two());
    console.console().files().inject_failure(con::FileOp::OpenOutput, EEXIST);
    run_on(console);
    EXPECT_EQ(lines_of(read_file("MORDATAF.DAT")).size(), 358u);
    EXPECT_TRUE(shows(console.screen(), 6, 2, "連合軍指揮官の性格は ?", 7)) << "no message, the turn opens";
}

TEST(SaveFile, ErrorInsideTheHandlerGetsTheConsoleReport) {
    // Error 64 with no file to delete: the deletion fails inside the handler, which does not
    // handle its own error.
    ScopedTempDir dir;
    testing_support::ScopedConsole console(save_at_turn_two());
    console.console().files().inject_failure(con::FileOp::OpenOutput, EEXIST);
    const con::RunResult result = run_on(console);
    EXPECT_EQ(result.error_number, 63);
    EXPECT_NE(result.exit_code, 0);
    bool reported = false;
    for (int row = 0; row < 24; ++row)
        if (row_of(console.screen(), row).find("任意のキーを押してください") != std::string::npos) reported = true;
    EXPECT_TRUE(reported);
}

TEST(SaveFile, DiskErrorsWhileLoadingReturnToTheScenarioChoice) {
    struct Case {
        const char* name;
        con::FileOp op;
        int host_errno;
        const char* message;
        int column, row, colour;
    } cases[] = {
        {"drive not ready at the opening", con::FileOp::OpenInput, EIO, "Data File not found", 57, 20, 3},
        {"drive not ready while reading", con::FileOp::Read, EIO, "Data File not found", 57, 20, 3},
        {"write-protected", con::FileOp::OpenInput, EACCES, "ＤＩＳＫが書き込み禁止です　", 24, 23, 6},
        {"device unavailable", con::FileOp::OpenInput, ENXIO, "ＤＩＳＫがセットされてません", 24, 23, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        auto lines = saved_lines();
        testing_support::ScopedConsole console(opening_keys(7));
        console.console().files().inject_failure(c.op, c.host_errno);
        run_on(console);
        EXPECT_TRUE(shows(console.screen(), c.column, c.row, c.message, c.colour));
        EXPECT_TRUE(shows(console.screen(), 18, 20, "７    セーブしたシナリオの続きを行う", 6)) << "the menu stays";
        // The player picks again: a new game of scenario 1 starts on the built-in tables.
        testing_support::ScopedConsole again(opening_keys(7) + "1");
        again.console().files().inject_failure(c.op, c.host_errno);
        run_on(again);
        EXPECT_TRUE(shows(again.screen(), 11, 0, "第  1  ターン", 5));
    }
}

TEST(DiskErrorHandler, CasesByErrorAndMode) {
    using morva95f::Block;
    struct Case {
        const char* name;
        int error;
        float load_mode;
        Block next;
        const char* message;
        int column, row, colour;
    } cases[] = {
        {"60 while saving", 60, 0, Block::SaveQuestion, "ＤＩＳＫがセットされてません", 24, 23, 6},
        {"72 while saving", 72, 0, Block::SaveQuestion, "ＤＩＳＫがセットされてません", 24, 23, 6},
        {"67 while saving", 67, 0, Block::SaveQuestion, "ＤＩＳＫにスペースがないです", 24, 23, 6},
        {"73 while saving", 73, 0, Block::SaveQuestion, "ＤＩＳＫが書き込み禁止です　", 24, 23, 6},
        {"63 while loading", 63, 1, Block::ScenarioChoice, "Data File not found", 57, 20, 3},
        {"72 while loading", 72, 1, Block::ScenarioChoice, "Data File not found", 57, 20, 3},
        {"60 while loading", 60, 1, Block::ScenarioChoice, "ＤＩＳＫがセットされてません", 24, 23, 6},
        {"67 while loading", 67, 1, Block::ScenarioChoice, "ＤＩＳＫにスペースがないです", 24, 23, 6},
        {"73 while loading", 73, 1, Block::ScenarioChoice, "ＤＩＳＫが書き込み禁止です　", 24, 23, 6},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->LOAD_MODE = c.load_mode;
        EXPECT_EQ(morva95f::DISK_ERROR_HANDLER(*st, c.error), c.next) << c.name;
        EXPECT_TRUE(shows(st.console.screen(), c.column, c.row, c.message, c.colour)) << c.name;
    }
}

TEST(DiskErrorHandler, EveryOtherErrorEndsTheProgramSilently) {
    const std::pair<int, float> cases[] = {{63, 0}, {9, 0}, {9, 1}, {62, 1}, {5, 0}};
    for (const auto& [error, mode] : cases) {
        Loaded st;
        st->LOAD_MODE = mode;
        EXPECT_THROW(morva95f::DISK_ERROR_HANDLER(*st, error), con::ProgramEnd) << error;
        EXPECT_EQ(row_of(st.console.screen(), 23), "") << "nothing is shown";
    }
}

TEST(DiskErrorHandler, ExistingFileIsDeletedAndWrittenAgain) {
    ScopedTempDir dir;
    Loaded st;
    write_file("MORDATAF.DAT", "old");
    EXPECT_EQ(morva95f::DISK_ERROR_HANDLER(*st, 64), morva95f::Block::WriteSaveFile);
    EXPECT_NE(access("MORDATAF.DAT", F_OK), 0) << "deleted";
    EXPECT_EQ(row_of(st.console.screen(), 23), "");
}
