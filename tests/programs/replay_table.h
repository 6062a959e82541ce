// The golden replay table: its row type, the rows' registration and the key scripts that
// several rows share. Rows live in the replays_<area>_test.cpp files beside this one, one file
// per program area, each registering its rows with a ReplayRows object; golden_replay_test.cpp
// runs every registered row.
//
// To add a replay: add a row to the file of its area (or a new replays_<area>_test.cpp), with a
// new name, the program, the keys, the clock second, and any files the run finds in its
// directory; run `UPDATE_GOLDEN=1 build/tests/programs_tests --gtest_filter='*GoldenReplay*'`,
// read the new files under tests/golden/<name>/ and commit them with the row.
#pragma once
#include <string>
#include <vector>

#include "console/program_info.h"
#include "detailed/program.h"
#include "gunnery/program.h"
#include "simplified/program.h"

namespace golden_replays {

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

/// Registers rows at start-up; a file of rows holds one of these.
struct ReplayRows {
    explicit ReplayRows(std::vector<Replay> rows);
};

/// Every registered row, sorted by name.
std::vector<Replay> all_replays();


// MORVA95F: display time 5, no own aircraft choice, then scenario `scenario`.
inline std::string morva_opening(char scenario) { return std::string("5n") + scenario; }
// MORVA95F: a turn opening in which no fleet sails (the commander, standby for every listed
// ship, confirmed).
inline const std::string kMorvaStayHome = "h" + std::string(33, '3') + "y";
// MORVA95F: the single operation (scenario 6, no practice) with fleet 1 of carrier 7 alone
// against Midway (base 14), up to the Allied order of battle; then its answers for the 42
// Allied ships (LEXINGTON, ENTERPRISE and SOUTHDAKOTA join), and the target's values.
inline const std::string kMorvaSingleOperation = morva_opening('6') + "nh1" + std::string(26, '3') + "y14{ENTER}";
inline const std::string kMorvaAlliedShips = "12x1" + std::string(12, '2') + "1" + std::string(26, '2');
inline const std::string kMorvaTargetValues = "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
// MORVA95S: the menu's "1", scenario `scenario`, then the options: own orders No, timed
// comments, display digit 5, the aggressive commander.
inline std::string simplified_opening(char scenario) { return std::string("1") + scenario + "Nn5h"; }
// MORVA95S: an organisation in which no ship sails (standby for every listed ship, confirmed).
inline const std::string kSimplifiedStayHome = std::string(33, '3') + "y";
// MORVA95S: turns 1 and 2 of scenario 1 with targets (carriers 7 and 8 with battleship 24 in
// fleet 1, carrier 9 with battleship 25 in fleet 2): the war ends after turn 2.
inline const std::string kSimplifiedWarOverEarly = simplified_opening('1') + "112333333" "12" "33333333" + "y7{ENTER}6{ENTER}" +
                                            "n{ENTER}" + "112333333" "312" "33333333" + "y7{ENTER}9{ENTER}";
// MORVA95F: the deck dialogues of daytime hour step `hour` (1-15) with the carriers idle: in
// key mode a key ends the launch phase's pause ("攻撃はできません", nothing on deck); then "n" to
// the spotting question (from hour step 2, once the arming has made the fighters and dive
// bombers ready) and "n" to the arming question. Hour step 15 has no deck dialogues.
inline std::string morva_idle_deck(int hour, bool key_mode) {
    if (hour > 14) return "";
    return std::string(key_mode ? "a" : "") + (hour > 1 ? "nn" : "n");
}
// MORVA95F: a daytime hour in which the fleet stays (the default heading, speed 0), and hours
// and a day of them, each after its idle deck dialogues; a fleet with battleships first
// answers the detachment question ("n": they keep station). In the harbour raid (scenario 2,
// turn 1, key mode) the approach from the north; its hours 2-15 open with a pause that waits
// for a key.
inline const std::string kMorvaStayHour = "{ENTER}0{ENTER}";
inline const std::string kMorvaStayHourBB = "n" + kMorvaStayHour;
inline std::string morva_stay_hours(int first, int last, bool key_mode, const std::string& hour = kMorvaStayHour,
                                    const std::string& pause = "") {
    std::string keys;
    for (int h = first; h <= last; ++h) keys += (h > 1 ? pause : "") + morva_idle_deck(h, key_mode) + hour;
    return keys;
}
inline std::string morva_stay_day(const std::string& pause = "", const std::string& hour = kMorvaStayHour,
                                  bool key_mode = false) {
    return morva_stay_hours(1, 15, key_mode, hour, pause);
}
inline const std::string kMorvaHarbourRaidHour2 = "9n2h0{ENTER}" + morva_idle_deck(1, true) + kMorvaStayHourBB;
// MORVA95F: scenario 1, turn 1, in key mode: fleet 1 (翔鶴, 瑞鶴) sails to the Philippines and
// fleet 2 to Singapore; fleet 1 approaches from bearing 45.
inline const std::string kMorvaSailed = "9n1h112333333" "1233" "y7{ENTER}8{ENTER}";
inline const std::string kMorvaFirstDay = kMorvaSailed + "45{ENTER}" + morva_stay_day("", kMorvaStayHourBB, true);
// MORVA95F: the single operation in practice mode, up to its deployment.
inline const std::string kMorvaPractice = morva_opening('6') + "yh1" + std::string(26, '3') + "y14{ENTER}" +
                                   "12x1" + std::string(12, '2') + "1" + std::string(26, '2') +
                                   "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
// MORVA95F: the single operation in practice and key mode with 翔鶴 and 大和 against Midway
// (base 14); the fleet detaches its battleships and steers at task force 1, which comes within
// 8 map units after the moves of hour step 5: the gun battle opens with the engagement's pause.
// `decks` answers the deck dialogues of hour steps 1-5 (idle carriers in kMorvaGunBattle).
inline std::string morva_gun_battle(const std::string (&decks)[5]) {
    const char* const moves[5] = {"21{ENTER}34{ENTER}", "300{ENTER}34{ENTER}", "319{ENTER}34{ENTER}",
                                  "320{ENTER}31{ENTER}", "333{ENTER}0{ENTER}"};
    std::string keys = std::string("9n6yh1") + std::string(14, '3') + "1" + std::string(11, '3') + "y14{ENTER}" +
                       kMorvaAlliedShips + kMorvaTargetValues + "300{ENTER}";
    for (int h = 0; h < 5; ++h) keys += decks[h] + "y" + moves[h];
    return keys;
}
inline const std::string kMorvaGunBattle =
    morva_gun_battle({morva_idle_deck(1, true), morva_idle_deck(2, true), morva_idle_deck(3, true),
                      morva_idle_deck(4, true), morva_idle_deck(5, true)});
// MORVA95F: the single operation in practice and key mode with 翔鶴 alone against Midway,
// approaching from bearing 300, then `hours` daytime hours in which the fleet stays: a Japanese
// submarine finds a task force in the fifth hour and attacks it in the ninth and the twelfth
// (the second time the destroyers sink it).
inline std::string morva_submarine_hours(int hours) {
    std::string keys = std::string("9n6yh1") + std::string(26, '3') + "y14{ENTER}" + kMorvaAlliedShips +
                       kMorvaTargetValues + "300{ENTER}";
    return keys + morva_stay_hours(1, hours, true);
}
// kelmat95: scenario making with one BLUE and one RED ship of Japan; BLUE's own design of
// era 6: 35,000 t, 13-inch guns in four twin turrets, 30 knots diesel, a sloped 410 mm belt
// and a 200 mm deck, up to the result screen.
inline const std::string kKelmatToDesignResult = std::string("x2") + "1{ENTER}1" + "1{ENTER}1" + "3" + "6" +
                                          "350{ENTER}10{ENTER}4{ENTER}" + "30{ENTER}2" + "410{ENTER}y" +
                                          "200{ENTER}";
// kelmat95: BLUE (Japan) two own designs of era 7 and a third; RED (Britain) two modified
// Dreadnoughts; saved as "D".
inline const std::string kKelmatDesignedScenario =
    std::string("x2") + "3{ENTER}1" + "2{ENTER}3" + "3" + "7" + "2{ENTER}" +
    "500{ENTER}25{ENTER}17{ENTER}35{ENTER}4" + "500{ENTER}y" + "250{ENTER}" + "1{ENTER}" +
    "80.5{ENTER}1{ENTER}1{ENTER}15{ENTER}1" + "50{ENTER}n" + "20{ENTER}" + "2{ENTER}" + "2" +
    "22{ENTER}2{ENTER}" + "200{ENTER}7{ENTER}11{ENTER}21{ENTER}250{ENTER}100{ENTER}1{ENTER}" + "Y" +
    "D{ENTER}";
// kelmat95: nine questions of one side's battle set-up, each taking its default.
inline const std::string kEnters9 = [] {
    std::string keys;
    for (int i = 0; i < 9; ++i) keys += "{ENTER}";
    return keys;
}();
// kelmat95: a battle of the designed scenario from its control-mode question: mode 0, no map,
// every set-up question of both sides and the display questions by Enter, to the result screen.
inline const std::string kKelmatBattle = "0n" + kEnters9 + kEnters9 + "{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}";

}  // namespace golden_replays
