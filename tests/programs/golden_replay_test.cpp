// Golden replays: each row of the table runs a program headless from a key script and a clock
// second, in a fresh working directory, and compares its final text screen, its text colours
// and every file left in the directory with the references under tests/golden/<row name>/.
// UPDATE_GOLDEN=1 rewrites the references; their diff is reviewed like code.
//
// To add a replay: append a row to kReplays below (a new name, the program, the keys, the
// clock second, and any files the run finds in its directory), run
// `UPDATE_GOLDEN=1 ctest -R GoldenReplay`, read the new files under tests/golden/<name>/ and
// commit them with the row.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "detailed/program.h"
#include "gunnery/program.h"
#include "simplified/program.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

/// A file placed in the working directory before the run.
struct GivenFile {
    std::string name;
    std::string bytes;
};

/// One replay: its name (the folder under tests/golden/, letters, digits and '_'), the
/// program, the key script (the headless mode's notation), the clock's seconds at start-up
/// and the files the run finds.
struct Replay {
    std::string name;
    con::ProgramInfo (*program)();
    std::string keys;
    int clock_seconds = 0;
    std::vector<GivenFile> given = {};
};

// A row as a failure names it.
void PrintTo(const Replay& replay, std::ostream* out) { *out << replay.name; }

// Key scripts shared by several rows.

// MORVA95F: display time 5, no own aircraft choice, then scenario `scenario`.
std::string morva_opening(char scenario) { return std::string("5n") + scenario; }
// MORVA95F: a turn opening in which no fleet sails (the commander, standby for every listed
// ship, confirmed).
const std::string kMorvaStayHome = "h" + std::string(33, '3') + "y";
// MORVA95F: the single operation (scenario 6, no practice) with fleet 1 of carrier 7 alone
// against Midway (base 14), up to the Allied order of battle; then its answers for the 42
// Allied ships (LEXINGTON, ENTERPRISE and SOUTHDAKOTA join), and the target's values.
const std::string kMorvaSingleOperation = morva_opening('6') + "nh1" + std::string(26, '3') + "y14{ENTER}";
const std::string kMorvaAlliedShips = "12x1" + std::string(12, '2') + "1" + std::string(26, '2');
const std::string kMorvaTargetValues = "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
// MORVA95S: the menu's "1", scenario `scenario`, then the options: own orders No, timed
// comments, display digit 5, the aggressive commander.
std::string simplified_opening(char scenario) { return std::string("1") + scenario + "Nn5h"; }
// MORVA95S: an organisation in which no ship sails (standby for every listed ship, confirmed).
const std::string kSimplifiedStayHome = std::string(33, '3') + "y";
// MORVA95S: turns 1 and 2 of scenario 1 with targets (carriers 7 and 8 with battleship 24 in
// fleet 1, carrier 9 with battleship 25 in fleet 2): the war ends after turn 2.
const std::string kSimplifiedWarOverEarly = simplified_opening('1') + "112333333" "12" "33333333" + "y7{ENTER}6{ENTER}" +
                                            "n{ENTER}" + "112333333" "312" "33333333" + "y7{ENTER}9{ENTER}";
// MORVA95F: a daytime hour in which the fleet stays (the default heading, speed 0), and a day
// of them; a fleet with battleships first answers the detachment question ("n": they keep
// station). In the harbour raid (scenario 2, turn 1, key mode) the approach from the north; its
// hours 2-15 open with a pause that waits for a key.
const std::string kMorvaStayHour = "{ENTER}0{ENTER}";
const std::string kMorvaStayHourBB = "n" + kMorvaStayHour;
std::string morva_stay_day(const std::string& pause = "", const std::string& hour = kMorvaStayHour) {
    std::string keys = hour;
    for (int h = 2; h <= 15; ++h) keys += pause + hour;
    return keys;
}
const std::string kMorvaHarbourRaidHour2 = "9n2h0{ENTER}" + kMorvaStayHourBB;
// MORVA95F: scenario 1, turn 1, in key mode: fleet 1 (翔鶴, 瑞鶴) sails to the Philippines and
// fleet 2 to Singapore; fleet 1 approaches from bearing 45.
const std::string kMorvaSailed = "9n1h112333333" "1233" "y7{ENTER}8{ENTER}";
const std::string kMorvaFirstDay = kMorvaSailed + "45{ENTER}" + morva_stay_day("", kMorvaStayHourBB);
// MORVA95F: the single operation in practice mode, up to its deployment.
const std::string kMorvaPractice = morva_opening('6') + "yh1" + std::string(26, '3') + "y14{ENTER}" +
                                   "12x1" + std::string(12, '2') + "1" + std::string(26, '2') +
                                   "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
// MORVA95F: the single operation in practice and key mode with 翔鶴 and 大和 against Midway
// (base 14); the fleet detaches its battleships and steers at task force 1, which comes within
// 8 map units after the moves of hour step 5: the gun battle opens with the engagement's pause.
const std::string kMorvaGunBattle = std::string("9n6yh1") + std::string(14, '3') + "1" + std::string(11, '3') +
                                    "y14{ENTER}" + kMorvaAlliedShips + kMorvaTargetValues +
                                    "300{ENTER}y21{ENTER}34{ENTER}y300{ENTER}34{ENTER}y319{ENTER}34{ENTER}" +
                                    "y320{ENTER}31{ENTER}y333{ENTER}0{ENTER}";
// MORVA95F: the single operation in practice and key mode with 翔鶴 alone against Midway,
// approaching from bearing 300, then `hours` daytime hours in which the fleet stays: a Japanese
// submarine finds a task force in the fifth hour and attacks it in the ninth and the twelfth
// (the second time the destroyers sink it).
std::string morva_submarine_hours(int hours) {
    std::string keys = std::string("9n6yh1") + std::string(26, '3') + "y14{ENTER}" + kMorvaAlliedShips +
                       kMorvaTargetValues + "300{ENTER}";
    for (int h = 0; h < hours; ++h) keys += kMorvaStayHour;
    return keys;
}
// kelmat95: scenario making with one BLUE and one RED ship of Japan; BLUE's own design of
// era 6: 35,000 t, 13-inch guns in four twin turrets, 30 knots diesel, a sloped 410 mm belt
// and a 200 mm deck, up to the result screen.
const std::string kKelmatToDesignResult = std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "3" + "6" +
                                          "350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}2" + "410{ENTER}y" +
                                          "200{ENTER}";
// kelmat95: BLUE (Japan) two own designs of era 7 and a third; RED (Britain) two modified
// Dreadnoughts; saved as "D".
const std::string kKelmatDesignedScenario =
    std::string("x2") + "3{ENTER}1" + "2{ENTER}3" + "3" + "7" + "2{ENTER}" +
    "500{ENTER}25{ENTER}17{ENTER}35{ENTER}4" + "500{ENTER}y" + "250{ENTER}" + "1{ENTER}" +
    "80.5{ENTER}1{ENTER}1{ENTER}15{ENTER}1" + "50{ENTER}n" + "20{ENTER}" + "2{ENTER}" + "2" +
    "22{ENTER}2{ENTER}" + "200{ENTER}7{ENTER}11{ENTER}21{ENTER}250{ENTER}100{ENTER}1{ENTER}" + "Y" +
    "D{ENTER}";
// kelmat95: nine questions of one side's battle set-up, each taking its default.
const std::string kEnters9 = [] {
    std::string keys;
    for (int i = 0; i < 9; ++i) keys += "{ENTER}";
    return keys;
}();
// kelmat95: a battle of the designed scenario from its control-mode question: mode 0, no map,
// every set-up question of both sides and the display questions by Enter, to the result screen.
const std::string kKelmatBattle = "0n" + kEnters9 + kEnters9 + "{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}";

// The replay table. Add rows at the end of a program's group.
const std::vector<Replay> kReplays = {
    // MORVA95F
    {"morva95f_title", morva95f_program, ""},
    {"morva95f_aircraft_question", morva95f_program, "5"},
    {"morva95f_scenario_menu", morva95f_program, "5n"},
    {"morva95f_first_map", morva95f_program, morva_opening('1')},
    {"morva95f_first_map_scenario_3", morva95f_program, morva_opening('3'), 37},
    {"morva95f_organisation", morva95f_program, morva_opening('1') + "h"},
    {"morva95f_organisation_placed", morva95f_program, morva_opening('1') + "h1233"},
    {"morva95f_turn2_save", morva95f_program, morva_opening('1') + kMorvaStayHome + "y{ENTER}"},
    {"morva95f_turn2_save_seconds_37", morva95f_program, morva_opening('1') + kMorvaStayHome + "y{ENTER}", 37},
    {"morva95f_practice_question", morva95f_program, morva_opening('6')},
    {"morva95f_pause_in_key_mode", morva95f_program, kMorvaHarbourRaidHour2},
    {"morva95f_allied_overview", morva95f_program, "9n2s0{ENTER}" + kMorvaStayHourBB + "{F1}ZXCa"},
    {"morva95f_allied_overview_left", morva95f_program, "9n2s0{ENTER}" + kMorvaStayHourBB + "{F1}ZXCab"},
    {"morva95f_allied_order_of_battle", morva95f_program, kMorvaSingleOperation + "12x"},
    {"morva95f_allied_confirmation", morva95f_program, kMorvaSingleOperation + kMorvaAlliedShips},
    {"morva95f_target_strength_asked_again", morva95f_program,
     kMorvaSingleOperation + kMorvaAlliedShips + "Y0{ENTER}100{ENTER}"},
    {"morva95f_end_of_day_question", morva95f_program, kMorvaSingleOperation + kMorvaAlliedShips + kMorvaTargetValues + "0{ENTER}" +
                                                            morva_stay_day() + "yn{ENTER}{ENTER}" + morva_stay_day()},
    {"morva95f_no_save_file", morva95f_program, morva_opening('7')},
    {"morva95f_damaged_save_file", morva95f_program, morva_opening('7'), 0,
     {{"MORDATAF.DAT", " 2 \r\n 0 \r\n 0 \r\n"}}},
    {"morva95f_deployment", morva95f_program, kMorvaSailed},
    {"morva95f_deployment_asked_again", morva95f_program, kMorvaSailed + "180{ENTER}"},
    {"morva95f_hour_3", morva95f_program, kMorvaSailed + "45{ENTER}" + kMorvaStayHourBB + kMorvaStayHourBB + "n"},
    {"morva95f_hour_speed", morva95f_program, kMorvaSailed + "45{ENTER}n{ENTER}"},
    {"morva95f_battleship_question", morva95f_program, kMorvaSailed + "45{ENTER}"},
    {"morva95f_hour_speed_detached", morva95f_program, kMorvaSailed + "45{ENTER}xy{ENTER}"},
    {"morva95f_night_move", morva95f_program, kMorvaFirstDay},
    {"morva95f_night_move_distance", morva95f_program, kMorvaFirstDay + "270{ENTER}"},
    {"morva95f_day_2", morva95f_program, kMorvaFirstDay + "270{ENTER}30{ENTER}n"},
    {"morva95f_operation_end", morva95f_program,
     kMorvaFirstDay + "{ENTER}{ENTER}" + morva_stay_day("", kMorvaStayHourBB) + "{ENTER}{ENTER}" +
         morva_stay_day("", kMorvaStayHourBB)},
    {"morva95f_practice_hour_1", morva95f_program, kMorvaPractice + "0{ENTER}"},
    {"morva95f_practice_end_of_day", morva95f_program, kMorvaPractice + "0{ENTER}" + morva_stay_day()},
    {"morva95f_gun_battle_sighted", morva95f_program, kMorvaGunBattle},
    {"morva95f_gun_battle_opening", morva95f_program, kMorvaGunBattle + "a"},
    {"morva95f_gun_battle_fire", morva95f_program, kMorvaGunBattle + "aaaa"},
    {"morva95f_gun_battle_order", morva95f_program, kMorvaGunBattle + "aaaaa"},
    {"morva95f_gun_battle_damage", morva95f_program, kMorvaGunBattle + "aaaaa+{ENTER}aa"},
    {"morva95f_gun_battle_over", morva95f_program, kMorvaGunBattle + "aaaaa+{ENTER}aa+{ENTER}"},
    {"morva95f_submarine_found", morva95f_program, morva_submarine_hours(5)},
    {"morva95f_submarine_attack", morva95f_program, morva_submarine_hours(5) + "aa" + kMorvaStayHour + kMorvaStayHour +
                                                        kMorvaStayHour + kMorvaStayHour},
    {"morva95f_submarine_sunk", morva95f_program, morva_submarine_hours(5) + "aa" + kMorvaStayHour + kMorvaStayHour +
                                                      kMorvaStayHour + kMorvaStayHour + "aa" + kMorvaStayHour +
                                                      kMorvaStayHour + kMorvaStayHour + "aa"},
    // MORVA95S
    {"morva95s_title", morva95s_program, ""},
    {"morva95s_scenario_list", morva95s_program, "1"},
    {"morva95s_commander_question", morva95s_program, "11Nn5"},
    {"morva95s_organisation", morva95s_program, simplified_opening('1')},
    {"morva95s_organisation_scenario_3", morva95s_program, simplified_opening('3'), 37},
    {"morva95s_fleet_2_too_large_key_mode", morva95s_program, "11NY5h2" + std::string(18, '3')},
    {"morva95s_status_panel", morva95s_program, simplified_opening('1') + "{F1}Q"},
    {"morva95s_turn2_save", morva95s_program, simplified_opening('1') + kSimplifiedStayHome + "y{ENTER}"},
    {"morva95s_turn2_save_seconds_37", morva95s_program, simplified_opening('1') + kSimplifiedStayHome + "y{ENTER}", 37},
    {"morva95s_no_save_file", morva95s_program, "18"},
    {"morva95s_damaged_save_file", morva95s_program, "18", 0, {{"MORDATAS.DAT", " 2 \r\n 0 \r\n 0 \r\n"}}},
    {"morva95s_war_over_early", morva95s_program, kSimplifiedWarOverEarly},
    {"morva95s_allied_overview", morva95s_program, kSimplifiedWarOverEarly + "{F1}Q"},
    {"morva95s_manual_menu", morva95s_program, "2"},
    {"morva95s_manual_ignored_keys", morva95s_program, "2079a{ENTER}{ESC}{UP}{LEFT}"},
    {"morva95s_manual_system_page", morva95s_program, "21"},
    {"morva95s_manual_system_page_turned", morva95s_program, "21{ESC}"},
    {"morva95s_manual_back_to_main_menu", morva95s_program, "2166"},
    {"morva95s_manual_japanese_ships", morva95s_program, "22"},
    {"morva95s_manual_allied_ships", morva95s_program, "22x"},
    {"morva95s_manual_after_ship_data", morva95s_program, "22xx"},
    {"morva95s_manual_battles_1", morva95s_program, "24"},
    {"morva95s_manual_battles_2", morva95s_program, "246"},
    {"morva95s_manual_unwritten_chapter", morva95s_program, "23"},
    // kelmat95
    {"kelmat95_title", kelmat95_program, ""},
    {"kelmat95_menu", kelmat95_program, "x"},
    {"kelmat95_blue_count_asked_again", kelmat95_program, "x247{ENTER}2.5{ENTER}"},
    {"kelmat95_red_count", kelmat95_program, "x23{ENTER}1"},
    {"kelmat95_navy_choice", kelmat95_program, "x23{ENTER}"},
    {"kelmat95_ship_source", kelmat95_program, "x21{ENTER}11{ENTER}1"},
    {"kelmat95_era_question", kelmat95_program, "x21{ENTER}11{ENTER}13"},
    {"kelmat95_class_question", kelmat95_program, "x21{ENTER}11{ENTER}11"},
    {"kelmat95_sister_question", kelmat95_program, "x22{ENTER}12{ENTER}118{ENTER}"},
    {"kelmat95_build_state_question", kelmat95_program, "x22{ENTER}12{ENTER}118{ENTER}1{ENTER}"},
    {"kelmat95_calibre_question", kelmat95_program, std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}"},
    {"kelmat95_layout_question", kelmat95_program, std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}"},
    {"kelmat95_speed_question", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}4{ENTER}" + "61{ENTER}"},
    {"kelmat95_machinery_question", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}4"},
    {"kelmat95_belt_question", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}2"},
    {"kelmat95_sloped_question", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}2" + "410{ENTER}"},
    {"kelmat95_deck_question", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "36350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}2" + "410{ENTER}x{ENTER}"},
    {"kelmat95_design_result", kelmat95_program, kKelmatToDesignResult},
    {"kelmat95_design_choice_asked_again", kelmat95_program, kKelmatToDesignResult + "4{ENTER}"},
    {"kelmat95_over_the_limit", kelmat95_program,
     std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "31" + "9000{ENTER}36{ENTER}22{ENTER}60{ENTER}1000{ENTER}800{ENTER}"},
    {"kelmat95_saved_scenario", kelmat95_program, kKelmatDesignedScenario},
    {"kelmat95_save_question", kelmat95_program, kKelmatDesignedScenario.substr(0, kKelmatDesignedScenario.size() - 9)},
    {"kelmat95_scenario_load", kelmat95_program, "x1"},
    {"kelmat95_fight_question", kelmat95_program, kKelmatDesignedScenario + "1"},
    {"kelmat95_battle_control_mode", kelmat95_program, kKelmatDesignedScenario + "1y"},
    {"kelmat95_menu_question", kelmat95_program, kKelmatDesignedScenario + "1y" + kKelmatBattle + "kz"},
    {"kelmat95_pause_key", kelmat95_program, kKelmatDesignedScenario + "1y" + kKelmatBattle + "k{F2}"},
    {"kelmat95_pause_key_released", kelmat95_program, kKelmatDesignedScenario + "1y" + kKelmatBattle + "k{F2}z"},
    {"kelmat95_hit_rate_chart", kelmat95_program, "x5"},
    {"kelmat95_pen_choice", kelmat95_program, "x4"},
    {"kelmat95_pen_real_belt_table", kelmat95_program, "x4R"},
    {"kelmat95_pen_real_belt_graph", kelmat95_program, "x4Rk"},
    {"kelmat95_pen_real_belt_overlay", kelmat95_program, "x4RkZVnVnVnVn"},
    {"kelmat95_pen_real_deck_table", kelmat95_program, "x4RkZVnE"},
    {"kelmat95_pen_real_deck_graph", kelmat95_program, "x4Rkkk"},
    {"kelmat95_pen_real_deck_overlay", kelmat95_program, "x4RkkkZVnVn"},
    {"kelmat95_pen_planned_belt_table", kelmat95_program, "x4p"},
    {"kelmat95_pen_planned_belt_graph", kelmat95_program, "x4pk"},
    {"kelmat95_pen_planned_belt_overlay", kelmat95_program, "x4pkzVnvnn"},
    {"kelmat95_pen_planned_deck_table", kelmat95_program, "x4pkZe"},
    {"kelmat95_pen_planned_deck_graph", kelmat95_program, "x4pkkk"},
    {"kelmat95_pen_planned_deck_overlay", kelmat95_program, "x4pkkkZVnVnnn"},
    {"kelmat95_pen_back_to_menu", kelmat95_program, "x4pkkkZE"},
    {"kelmat95_ship_viewer_mode0_navy1", kelmat95_program, "x3"},
    {"kelmat95_ship_viewer_mode0_navy2", kelmat95_program, "x3k"},
    {"kelmat95_ship_viewer_mode0_navy3", kelmat95_program, "x3kk"},
    {"kelmat95_ship_viewer_mode0_navy4", kelmat95_program, "x3kkk"},
    {"kelmat95_ship_viewer_mode0_navy5", kelmat95_program, "x3kkkk"},
    {"kelmat95_ship_viewer_mode1_navy3", kelmat95_program, "x6kk"},
    {"kelmat95_ship_viewer_mode2_navy1", kelmat95_program, "x7"},
    {"kelmat95_ship_viewer_mode3_navy4", kelmat95_program, "x8kkk"},
    {"kelmat95_damaged_scenario", kelmat95_program, "x1D{ENTER}", 0, {{"D-DATA.DAT", " 3 \r\n 1 \r\n"}}},
    {"kelmat95_battle_blue_questions", kelmat95_program, kKelmatDesignedScenario + "1y0n" + kEnters9},
    {"kelmat95_battle_result", kelmat95_program, kKelmatDesignedScenario + "1y" + kKelmatBattle},
    {"kelmat95_battle_editor", kelmat95_program, kKelmatDesignedScenario + "1y" + kKelmatBattle + "k{F1}2"},
};

/// The files a run left in the current directory, by name.
std::vector<GivenFile> files_left() {
    std::vector<GivenFile> files;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file())
            files.push_back({entry.path().filename().string(), read_file(entry.path().string())});
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

/// The file names under a reference folder (none when it does not exist).
std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out.empty() ? "(none)" : out;
}

class GoldenReplay : public testing::TestWithParam<Replay> {};

TEST_P(GoldenReplay, ScreenColoursAndFiles) {
    const Replay& replay = GetParam();
    ScopedTempDir dir;
    for (const auto& f : replay.given) write_file(f.name, f.bytes);
    ProgramRun run = run_program(replay.program(), replay.keys, replay.clock_seconds);
    const std::string folder = "golden/" + replay.name + "/";
    SCOPED_TRACE("replay " + replay.name);
    expect_golden(run.screen().dump_text(), folder + "screen.txt");
    expect_golden(run.screen().dump_colours(), folder + "colours.txt");

    const auto files = files_left();
    const fs::path files_folder = fs::path(SOURCE_DIR) / "tests" / folder / "files";
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.name);
    if (updating_golden()) {
        fs::remove_all(files_folder);
        if (!files.empty()) fs::create_directories(files_folder);
    } else {
        EXPECT_EQ(joined(names), joined(names_in(files_folder))) << "the files left in the working directory";
    }
    for (const auto& f : files) expect_golden(f.bytes, folder + "files/" + f.name, true);
}

INSTANTIATE_TEST_SUITE_P(Replays, GoldenReplay, testing::ValuesIn(kReplays),
                         [](const testing::TestParamInfo<Replay>& info) { return info.param.name; });

TEST(GoldenReplayTable, NamesAreUnique) {
    std::vector<std::string> rows;
    for (const auto& r : kReplays) rows.push_back(r.name);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end()) << "a name used twice";
}

}  // namespace
