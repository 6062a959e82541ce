// The campaign save file MORDATAS.DAT: its exact layout, reading it back for scenario 8,
// damaged files, and the disk errors of saving and loading by fault injection.
#include <gtest/gtest.h>
#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "campaign/save_checks.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/save_file.h"
#include "tests/simplified/raid_support.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using testing_support::read_file;
using testing_support::run_program;
using testing_support::ProgramRun;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

// Keys that save at the start of turn 2 of a new game of scenario 1.
std::string save_at_turn_two() { return start_keys(1) + stay_home() + "y{ENTER}"; }

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", pos);
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

std::vector<std::string> files_here() {
    std::vector<std::string> names;
    DIR* d = opendir(".");
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') names.emplace_back(e->d_name);
    closedir(d);
    return names;
}

// A valid save file of the start of turn 2 in scenario 1, made by the program itself.
std::vector<std::string> saved_lines() {
    run_program(morva95s_program(), save_at_turn_two());
    return lines_of(read_file("MORDATAS.DAT"));
}

}  // namespace

TEST(SaveFile, LayoutOfTheValuesWritten) {
    Loaded st;
    st->TURN_NO = 5;
    st->ALLIED_CV_SUNK = 2;
    st->ALLIED_BB_SUNK = 3;
    st->V(1, 0) = 20;
    st->V(2, 0) = 25;
    st->V(3, 0) = 31;
    st->A(0, 7, 0) = 0.75f;
    st->A(1, 1, 0) = -1.5f;
    st->A(1, 42, 8) = 13;
    st->P(21, 1) = 0;
    st->P(6, 4) = 2;
    st->HW(0) = 4;
    const morva95s::SaveValues v = morva95s::save_values(*st);
    struct Case {
        int line;  // 1-based, as in the file
        float value;
    } cases[] = {
        {1, 5},   {2, 2},     {3, 3},  {4, 180}, {5, 225}, {6, 279},  // the reserve in aircraft
        {7, 6},   {8, 11},    {9, 13},                             // Japanese ship 1
        {3 * 7 + 4, 0.75f},   {3 * 7 + 5, 11}, {3 * 7 + 6, 1},     // Japanese ship 7
        {3 * 34 + 4, 0},      {3 * 42 + 6, 0},                     // rows 34-42 hold no ship
        {3 * 1 + 130, -1.5f}, {3 * 42 + 132, 13},                  // Allied ships 1 and 42
        {259, 0}, {279, 0}, {280, 30}, {301, 1}, {322 + 5, 2}, {343, 4},
    };
    for (const auto& c : cases) EXPECT_EQ(v[c.line - 1], c.value) << "line " << c.line;
    EXPECT_EQ(st->V(1, 0), 20) << "the reserve stays in units";
}

TEST(SaveFile, WrittenAtTheStartOfTurnTwo) {
    ScopedTempDir dir;
    const std::vector<std::string> lines = saved_lines();
    ASSERT_EQ(lines.size(), 343u);
    EXPECT_EQ(lines[0], " 2 ");
    // The reserve of 20, 20, 25 units has had the turn end's 10 units each.
    EXPECT_EQ(lines[3], " 270 ");
    EXPECT_EQ(lines[4], " 270 ");
    EXPECT_EQ(lines[5], " 315 ");
    testing_support::expect_golden(read_file("MORDATAS.DAT"), "golden/simplified/MORDATAS_turn_2.DAT");
    EXPECT_EQ(files_here(), std::vector<std::string>{"MORDATAS.DAT"});
}

TEST(SaveFile, ReadBackAsScenarioEight) {
    ScopedTempDir dir;
    std::vector<std::string> lines = saved_lines();
    // The reserve goes back to units of 9 aircraft: 180 -> 20, 189 -> 21, 225 -> 25.
    lines[3] = " 180 ";
    lines[4] = " 189 ";
    lines[5] = " 225 ";
    lines[3 * 7 + 3] = " 1 ";     // Japanese ship 7's durability
    lines[258 + 5] = " 0 ";       // base 6 held by Japan
    lines[0] = " 4 ";
    write_file("MORDATAS.DAT", join_lines(lines));
    Loaded st;
    morva95s::LOAD_SAVE_FILE(*st);
    EXPECT_EQ(st->TURN_NO, 4);
    EXPECT_EQ(st->V(1, 0), 20);
    EXPECT_EQ(st->V(2, 0), 21);
    EXPECT_EQ(st->V(3, 0), 25);
    EXPECT_EQ(st->A(0, 7, 0), 1);
    EXPECT_EQ(st->P(6, 1), 0);
    // The continued campaign opens at the organisation of its turn, with its reserve.
    ProgramRun run = run_program(morva95s_program(), start_keys(8));
    EXPECT_TRUE(shows(run.screen(), 0, 0, "第 4 ターン　艦隊編成フェイズ", 6));
    EXPECT_TRUE(shows(run.screen(), 26, 22, "保有航空機  20   21   25", 6));
    EXPECT_TRUE(shows(run.screen(), 60, 7, "ラバウル", 5)) << "base 6 is Japanese-held";
}

// A raid on a fleet whose carriers are all sunk and which has no battleship rounds nothing:
// the sunk carriers that were hit keep their durability below 0. The next save writes it as
// it stands, its own check takes it, and the campaign loads again with it.
TEST(SaveFile, SunkCarriersHitByARaidSaveAndLoadAgain) {
    ScopedTempDir dir;
    RaidFleet st;
    for (int ship = 7; ship <= 9; ++ship) st->A(0, ship, morva95s::A_DURABILITY) = 0;
    st->BB(0, 1) = 0;
    st.raid(0, 3, 1, 0);
    const float attacked = 0.05f, passed = 0.5f;  // a sunk carrier is attacked on a draw of 1 or less
    // A hit on a carrier: the die, the draw, the draw for DF(0), and for a bomb the explosion's die.
    const auto hit = [](int die, bool bomb) {
        std::vector<float> v{die_face(die), 0.5f, 0.5f};
        if (bomb) v.push_back(die_face(6));
        return v;
    };
    std::vector<float> draws;
    const auto add = [&draws](const std::vector<float>& v) { draws.insert(draws.end(), v.begin(), v.end()); };
    add({attacked});  // the torpedo bomber on slot 1 (翔鶴)
    add(hit(6, false));
    add({attacked});  // the next visit spends a second unit: the torpedo bombers are done
    add({attacked});  // the dive bombers on slot 1, 2, (3 and 1 passed over), 2
    add(hit(3, true));
    add({attacked});
    add(hit(3, true));
    add({passed, passed, attacked});
    add(hit(3, true));
    add({attacked});  // a fourth unit: done
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(morva95s::RAID_HITS(*st), morva95s::Block::AbortQuestion);
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());
    const float two_and_a_bomb = con::store(-2 - con::L(0.34f));
    const float two_bombs = con::store(-con::L(0.34f) - con::L(0.34f));
    EXPECT_EQ(st->A(0, 7, morva95s::A_DURABILITY), two_and_a_bomb);
    EXPECT_EQ(st->A(0, 8, morva95s::A_DURABILITY), two_bombs);
    EXPECT_EQ(st->A(0, 9, morva95s::A_DURABILITY), 0);

    st->TURN_NO = 2;
    morva95s::COUNT_ALLIED_LOSSES(*st);
    morva95s::WRITE_SAVE_FILE(*st);
    const std::vector<std::string> lines = lines_of(read_file("MORDATAS.DAT"));
    ASSERT_EQ(lines.size(), 343u);
    EXPECT_EQ(lines[morva::save_ship_value(0, 7, 0)], "-2.34 ");
    EXPECT_EQ(lines[morva::save_ship_value(0, 8, 0)], "-.68 ");
    Loaded loaded;
    morva95s::LOAD_SAVE_FILE(*loaded);
    EXPECT_EQ(loaded->TURN_NO, 2) << "loaded";
    EXPECT_EQ(loaded->A(0, 7, morva95s::A_DURABILITY), two_and_a_bomb);
    EXPECT_EQ(loaded->A(0, 8, morva95s::A_DURABILITY), two_bombs);
    EXPECT_EQ(loaded->A(0, 9, morva95s::A_DURABILITY), 0);
}

// A failed operation leaves its target at least 8 strong, and the turn's end grows it on from
// there: base 11 (built-in 4, growing by 1-2) called off in turn 2, while the other fleet took
// base 6, stands at 9 or 10 in turn 3.
TEST(SaveFile, AFailedTargetGrownOnSavesAndLoadsAgain) {
    ScopedTempDir dir;
    Loaded st;
    st->TURN_NO = 2;
    st->SCENARIO_NO = 1, st->TT(morva95s::TT_SCENARIO) = 1;
    st->TT(morva95s::TT_WAIT) = 0;
    st->FLEET_NO = 1;
    st->AT(1) = 11;
    st->AT(2) = 6;
    st->P(6, morva95s::P_HOLDER) = 0;
    st->TK(0) = 1;  // called off
    EXPECT_EQ(morva95s::OPERATION_END(*st), morva95s::Block::NextFleet);
    EXPECT_EQ(st->P(11, morva95s::P_STRENGTH), 8);
    EXPECT_EQ(morva95s::TURN_END(*st), morva95s::Block::TurnHead);
    const float grown = st->P(11, morva95s::P_STRENGTH);
    EXPECT_GE(grown, 9);
    morva95s::COUNT_ALLIED_LOSSES(*st);
    morva95s::WRITE_SAVE_FILE(*st);
    Loaded loaded;
    morva95s::LOAD_SAVE_FILE(*loaded);
    EXPECT_EQ(loaded->TURN_NO, 3);
    EXPECT_EQ(loaded->P(11, morva95s::P_STRENGTH), grown);
}

TEST(SaveFile, ValuesOnlyAPlayedCampaignHoldsLoad) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> edit;
        std::function<bool(const morva95s::State&)> loaded;
    } cases[] = {
        // Fewer than 28 hits in the harbour strike leave a value below 0 (none: -14).
        {"a harbour strike without a hit", [](auto& l) { l[342] = "-14 "; },
         [](const auto& st) { return st.HW(0) == -14; }},
        {"a fallen base below 0",
         [](auto& l) {
             l[258 + 5] = " 0 ";
             l[279 + 5] = "-3 ";
         },
         [](const auto& st) { return st.P(6, 2) == -3; }},
        {"the hypothetical set-up's speed", [](auto& l) { l[6 + 3 * 23 + 1] = " 9 "; },
         [](const auto& st) { return st.A(0, 24, 7) == 9; }},
        {"the most a turn supplies", [](auto& l) { l[5] = " 360 "; }, [](const auto& st) { return st.V(3, 0) == 40; }},
        // A raid on sunk carriers with no battleship to take the hits leaves them below 0.
        {"a sunk carrier hit by a raid", [](auto& l) { l[6 + 3 * 6] = "-2.68 "; },
         [](const auto& st) { return st.A(0, 7, 0) == -2.68f; }},
        // Each unit's 11 attacks after the sinking, 26 heavy, 50 torpedo and 64 dive bombers,
        // take 1911.36; the float steps of the subtractions stay within the floor's -1912.
        {"sunk carriers at the most the raids take and at the floor",
         [](auto& l) {
             l[6 + 3 * 6] = "-1911.36 ";
             l[6 + 3 * 7] = "-1912 ";
         },
         [](const auto& st) { return st.A(0, 7, 0) == -1911.36f && st.A(0, 8, 0) == -1912; }},
        // Base 11 failed in turn 2 at 8 and grew by 2 at its end.
        {"a failed target grown on",
         [](auto& l) {
             l[0] = " 3 ";
             l[279 + 10] = " 10 ";
         },
         [](const auto& st) { return st.P(11, 2) == 10; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        std::vector<std::string> lines = saved_lines();
        c.edit(lines);
        write_file("MORDATAS.DAT", join_lines(lines));
        Loaded st;
        morva95s::LOAD_SAVE_FILE(*st);
        EXPECT_TRUE(c.loaded(*st));
    }
}

TEST(SaveFile, DamagedFilesAreNoFilesAndLeaveTheStartingValues) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> damage;
        const char* rule = nullptr;  // the rule the check names, where a case pins it
    } cases[] = {
        {"short by one value", [](auto& l) { l.pop_back(); }},
        {"empty", [](auto& l) { l.clear(); }},
        {"a text for a number", [](auto& l) { l[10] = "six"; }},
        {"a turn beyond the war", [](auto& l) { l[0] = " 13 "; }},
        {"a fractional turn", [](auto& l) { l[0] = " 2.5 "; }},
        {"an unknown holder", [](auto& l) { l[258] = " 3 "; }},
        {"a first turn past 13", [](auto& l) { l[8] = " 14 "; }},
        {"a negative reserve", [](auto& l) { l[3] = "-9 "; }},
        {"a reserve above what the turns supplied", [](auto& l) { l[4] = " 451 "; }},  // 360 + 90
        {"a fractional reserve", [](auto& l) { l[4] = " 269.5 "; }},
        // The reserve is written as units x 9, every durability whole.
        {"a reserve not a multiple of 9", [](auto& l) { l[4] = " 262 "; }},
        {"a fractional Japanese durability", [](auto& l) { l[6] = " 5.5 "; }},
        {"a fractional durability between 0 and 1", [](auto& l) { l[6] = " .66 "; }},
        // Only a sunk Japanese carrier stands below 0: the other ships' hits are rounded.
        {"a Japanese battleship below 0", [](auto& l) { l[6 + 3 * 23] = "-.25 "; },
         "a durability above the full one or below 0"},
        // A sunk carrier goes no lower than the least the raids of its operation leave.
        {"a sunk carrier below the least the raids leave", [](auto& l) { l[6 + 3 * 6] = "-1912.01 "; },
         "a sunk carrier below the least the raids leave"},
        {"a sunk carrier at -1E+30", [](auto& l) { l[6 + 3 * 6] = "-1E+30 "; },
         "a sunk carrier below the least the raids leave"},
        {"an Allied carrier below 0",
         [](auto& l) {
             l[6 + 3 * 42] = "-2 ";
             l[1] = " 1 ";
         }},
        {"a fractional Allied durability", [](auto& l) { l[6 + 3 * 42] = " 5.75 "; }},
        {"a durability above the full durability", [](auto& l) { l[6] = " 7 "; }},
        {"a speed the ship never has", [](auto& l) { l[7] = " 8 "; }},
        {"the set-up's speed on another ship", [](auto& l) { l[7] = " 9 "; }},
        {"Allied battleships sunk not those of the durabilities", [](auto& l) { l[2] = " 2 "; }},
        {"an Allied base without strength", [](auto& l) { l[279 + 5] = " 0 "; }},
        {"a strength above a failure's 8 and a turn's growth", [](auto& l) { l[279 + 10] = " 11 "; }},
        // No game changes the strength of bases 1-5: never a target, never growing.
        {"a home base below 0", [](auto& l) { l[279] = "-1 "; }},
        {"a changed strength of base 5", [](auto& l) { l[279 + 4] = " 1 "; }},
        {"a changed response value", [](auto& l) { l[300 + 5] = " 6 "; }},
        {"a harbour value below what a strike without a hit leaves", [](auto& l) { l[342] = "-15 "; }},
        {"a fractional harbour value", [](auto& l) { l[342] = " .5 "; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        std::vector<std::string> lines = saved_lines();
        const std::vector<std::string> saved = lines;
        c.damage(lines);
        write_file("MORDATAS.DAT", join_lines(lines));
        ProgramRun refused = run_program(morva95s_program(), "18");
        EXPECT_TRUE(shows(refused.screen(), 57, 21, "No Files", 3));
        EXPECT_TRUE(shows(refused.screen(), 20, 21, "８  セーブしたシナリオの続きを行う", 6)) << "the list stays";
        // Another scenario then starts from the starting values and the built-in tables.
        ProgramRun played = run_program(morva95s_program(), "181Nn5h");
        EXPECT_TRUE(shows(played.screen(), 0, 0, "第 1 ターン　艦隊編成フェイズ", 6));
        EXPECT_TRUE(shows(played.screen(), 26, 22, "保有航空機  20   20   25", 6));
        EXPECT_TRUE(shows(played.screen(), 60, 7, "ラバウル", 6)) << "base 6 still Allied (attackable)";
        if (!c.rule) continue;
        // The check names the changed value and the rule it breaks.
        std::vector<float> values;
        for (const std::string& l : lines) values.push_back(std::strtof(l.c_str(), nullptr));
        const auto changed = std::mismatch(saved.begin(), saved.end(), lines.begin()).first - saved.begin();
        Loaded st;
        const morva::Verdict refusal = morva95s::first_refusal(*st, values);
        EXPECT_TRUE(refusal.has_value());
        if (!refusal) continue;
        EXPECT_EQ(refusal->at, changed);
        EXPECT_STREQ(refusal->rule, c.rule);
    }
}

TEST(SaveFile, DiskErrorsWhileSavingKeepTheOldFileAndTheReserve) {
    struct Case {
        const char* name;
        con::FileOp op;
        int host_errno;
        const char* message;
    } cases[] = {
        {"disk full at the opening", con::FileOp::OpenOutput, ENOSPC, "ＤＩＳＫにスペースがないです"},
        {"disk full while writing", con::FileOp::Write, ENOSPC, "ＤＩＳＫにスペースがないです"},
        {"drive not ready at the close", con::FileOp::Close, EIO, "ＤＩＳＫがセットされてません"},
        {"write-protected", con::FileOp::OpenOutput, EROFS, "ＤＩＳＫが書き込み禁止です　"},
        {"device unavailable", con::FileOp::OpenOutput, ENXIO, "ＤＩＳＫがセットされてません"},
    };
    ScopedTempDir reference_dir;
    const std::string first_attempt = (saved_lines(), read_file("MORDATAS.DAT"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        const std::string old_file = "the campaign saved before\r\n";
        write_file("MORDATAS.DAT", old_file);
        testing_support::ScopedConsole console(save_at_turn_two());
        console.console().files().inject_failure(c.op, c.host_errno);
        run_on(console);
        EXPECT_EQ(read_file("MORDATAS.DAT"), old_file);
        EXPECT_EQ(files_here(), std::vector<std::string>{"MORDATAS.DAT"}) << "no partial file";
        // The question is asked again beside the message, over the same map.
        EXPECT_TRUE(shows(console.screen(), 24, 23, c.message, 6));
        EXPECT_TRUE(shows(console.screen(), 0, 1, "ここまでの結果を SAVE しますか ?", 7));
        // A second Y saves the same numbers a first attempt would have written: the reserve
        // was not multiplied in play.
        testing_support::ScopedConsole retry(save_at_turn_two() + "y{ENTER}");
        retry.console().files().inject_failure(c.op, c.host_errno);
        run_on(retry);
        EXPECT_EQ(read_file("MORDATAS.DAT"), first_attempt);
        // N after the failure goes on with the turn, the reserve in units as before.
        testing_support::ScopedConsole no(save_at_turn_two() + "n{ENTER}");
        no.console().files().inject_failure(c.op, c.host_errno);
        run_on(no);
        EXPECT_TRUE(shows(no.screen(), 26, 22, "保有航空機  30   30   35", 6));
    }
}

TEST(SaveFile, ExistingFileIsReplacedSilently) {
    ScopedTempDir dir;
    write_file("MORDATAS.DAT", "old\r\n");
    testing_support::ScopedConsole console(save_at_turn_two());
    console.console().files().inject_failure(con::FileOp::OpenOutput, EEXIST);
    run_on(console);
    EXPECT_EQ(lines_of(read_file("MORDATAS.DAT")).size(), 343u);
    EXPECT_TRUE(shows(console.screen(), 0, 0, "第 2 ターン　艦隊編成フェイズ", 6)) << "no message, the turn goes on";
}

TEST(SaveFile, SaveQuestionAnswers) {
    ScopedTempDir dir;
    // "yes" and an empty line ask again; "N" goes on without a file.
    ProgramRun asked = run_program(morva95s_program(), start_keys(1) + stay_home() + "yes{ENTER}{ENTER}");
    EXPECT_TRUE(shows(asked.screen(), 0, 1, "ここまでの結果を SAVE しますか ?", 7));
    EXPECT_EQ(read_file("MORDATAS.DAT"), "");
    ProgramRun no = run_program(morva95s_program(), start_keys(1) + stay_home() + "N{ENTER}");
    EXPECT_TRUE(shows(no.screen(), 0, 0, "第 2 ターン　艦隊編成フェイズ", 6));
    EXPECT_EQ(read_file("MORDATAS.DAT"), "");
    // No save question in scenario 3's first turn (turn 2); the next turn asks.
    ProgramRun historical = run_program(morva95s_program(), start_keys(3) + stay_home());
    EXPECT_TRUE(shows(historical.screen(), 0, 1, "ここまでの結果を SAVE しますか ?", 7));
}

TEST(SaveFile, DiskErrorsWhileLoadingReturnToTheScenarioList) {
    struct Case {
        const char* name;
        con::FileOp op;
        int host_errno;
        const char* message;
        int column, row, colour;
    } cases[] = {
        {"drive not ready at the opening", con::FileOp::OpenInput, EIO, "No Files", 57, 21, 3},
        {"drive not ready while reading", con::FileOp::Read, EIO, "No Files", 57, 21, 3},
        // Disk messages while loading go back to the scenario list, not to the save question
        // of a campaign that was never set up.
        {"device unavailable", con::FileOp::OpenInput, ENXIO, "ＤＩＳＫがセットされてません", 24, 23, 6},
        {"write-protected", con::FileOp::OpenInput, EACCES, "ＤＩＳＫが書き込み禁止です　", 24, 23, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        saved_lines();
        testing_support::ScopedConsole console("18");
        console.console().files().inject_failure(c.op, c.host_errno);
        run_on(console);
        EXPECT_TRUE(shows(console.screen(), c.column, c.row, c.message, c.colour));
        EXPECT_TRUE(shows(console.screen(), 20, 21, "８  セーブしたシナリオの続きを行う", 6)) << "the list stays";
        testing_support::ScopedConsole again("181Nn5h");
        again.console().files().inject_failure(c.op, c.host_errno);
        run_on(again);
        EXPECT_TRUE(shows(again.screen(), 0, 0, "第 1 ターン　艦隊編成フェイズ", 6));
    }
}

TEST(SaveFile, AnyOtherErrorEndsTheProgramQuietly) {
    Loaded st;
    con::print_at(con::Col(0), con::Row(5), "something on the screen");
    bool ended = false;
    try {
        morva95s::DISK_ERROR_HANDLER(*st, con::err::kSubscript);
    } catch (const con::ProgramEnd& e) {
        ended = e.reason == con::ProgramEnd::Reason::EndedOnError && e.error_number == con::err::kSubscript;
    }
    EXPECT_TRUE(ended);
    for (int row = 0; row < 24; ++row) EXPECT_EQ(row_of(st.console.screen(), row), "") << row;
    EXPECT_FALSE(con::error_handler_armed());
    EXPECT_EQ(con::current_colour(), 6);
}
