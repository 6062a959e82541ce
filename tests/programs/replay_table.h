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
#include <optional>
#include <string>
#include <vector>

#include "console/program_info.h"
#include "detailed/program.h"
#include "gunnery/program.h"
#include "simplified/program.h"
#include "tests/morva95f_scripts.h"

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
// MORVA95S: the single operation (scenario 6): 翔鶴 alone (or the first carriers of the list,
// one "1" each in `fleet`) against Rabaul, LEXINGTON and SARATOGA facing it, the target's
// values; `options` are the four play options.
inline std::string simplified_single_operation(const std::string& options, const std::string& fleet = "1") {
    return "16" + options + fleet + std::string(27 - fleet.size(), '3') + "y6{ENTER}" + "11" + std::string(40, '2') +
           "y" + "20{ENTER}5{ENTER}{ENTER}3{ENTER}2{ENTER}";
}
// MORVA95S: an organisation in which no ship sails (standby for every listed ship, confirmed).
inline const std::string kSimplifiedStayHome = std::string(33, '3') + "y";
/// `n` copies of `keys`.
inline std::string times(int n, const std::string& keys) {
    std::string all;
    for (int i = 0; i < n; ++i) all += keys;
    return all;
}
// MORVA95S: the answers to an Allied raid on the fleet: no emergency launch of deck fighters,
// and no call-off when it has damaged the carriers.
inline const std::string kRaidNoLaunch = "0{ENTER}";
inline const std::string kRaidNoCallOff = "N{ENTER}";
// MORVA95S: a turn of scenario 1 in which both air fleets sail (two operations of three days),
// every question of the carrier phases declined ("n") and every raid answered as above; the
// raids sink carriers, after which only the call-off question comes.
inline const std::string kSimplifiedDeclinedCarriers =
    times(42, "n") + kRaidNoLaunch + kRaidNoCallOff + kRaidNoLaunch + kRaidNoCallOff + times(42, "n") + kRaidNoLaunch +
    kRaidNoCallOff + times(4, "n") + kRaidNoLaunch + kRaidNoCallOff + times(4, "n") + kRaidNoLaunch + kRaidNoCallOff +
    times(4, "n") + kRaidNoLaunch + kRaidNoCallOff + times(8, "n") + kRaidNoLaunch + times(4, "n") + kRaidNoLaunch +
    kRaidNoCallOff + times(42, "n") + kRaidNoLaunch + kRaidNoCallOff + times(4, "n") + kRaidNoLaunch + kRaidNoCallOff +
    times(12, "n") + kRaidNoLaunch + times(34, "n") + kRaidNoLaunch + kRaidNoCallOff + times(4, "n") + kRaidNoLaunch +
    times(9, kRaidNoCallOff);
// MORVA95S: the same for turn 2 after it, with the targets of kSimplifiedWarOverEarly.
inline const std::string kSimplifiedTurnTwoDeclined = times(18, "n") + kRaidNoLaunch + kRaidNoCallOff + times(4, "n") +
                                                      kRaidNoLaunch + kRaidNoCallOff + times(4, "n") + kRaidNoLaunch +
                                                      times(13, kRaidNoCallOff) + times(34, "n") + kRaidNoLaunch +
                                                      times(5, kRaidNoCallOff);
// MORVA95S: turns 1 and 2 of scenario 1 with targets (carriers 7 and 8 with battleship 24 in
// fleet 1, carrier 9 with battleship 25 in fleet 2): the war ends after turn 2.
inline const std::string kSimplifiedWarOverEarly = simplified_opening('1') + "112333333" "12" "33333333" + "y7{ENTER}6{ENTER}" +
                                            kSimplifiedDeclinedCarriers + "n{ENTER}" + "112333333" "312" "33333333" +
                                            "y7{ENTER}9{ENTER}" + kSimplifiedTurnTwoDeclined;
// MORVA95F: the hour-step scripts (morva_hour and its stay helpers, the day's questions, the
// switches of the pauses) are those of tests/morva95f_scripts.h.
using namespace morva95f_scripts;
// MORVA95F: the harbour raid (scenario 2, turn 1, key mode) approaching from the north, up to
// the pause that opens hour 2.
inline const std::string kMorvaHarbourRaidHour2 =
    "9n2h" + kMorvaDayQuestions + "0{ENTER}" + morva_stay_hour(1, "n", Pauses::Keyed);
// MORVA95F: scenario 1, turn 1: fleet 1 (翔鶴, 瑞鶴) sails to the Philippines and fleet 2 to
// Singapore; the opening questions of fleet 1's first day; then its first day approaching from
// bearing 45.
inline const std::string kMorvaSailed =
    "5n1h112333333"
    "1233"
    "y7{ENTER}8{ENTER}";
inline const std::string kMorvaDeployment = kMorvaSailed + kMorvaDayQuestions;
inline const std::string kMorvaFirstDay = kMorvaDeployment + "45{ENTER}" + morva_stay_day("n");
// MORVA95F: the single operation in practice mode, up to its deployment.
inline const std::string kMorvaPractice = morva_opening('6') + "yh1" + std::string(26, '3') + "y14{ENTER}" +
                                   "12x1" + std::string(12, '2') + "1" + std::string(26, '2') +
                                   "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
// MORVA95F: the single operation in practice mode with 翔鶴 and 大和 against Midway (base 14),
// up to the fleet's approach from bearing 332 (task force 1 some 100 nautical miles away on
// bearing 337).
inline const std::string kMorvaPracticeWithBattleship = std::string("5n6yh1") + std::string(14, '3') + "1" +
                                                        std::string(11, '3') + "y14{ENTER}" + kMorvaAlliedShips +
                                                        kMorvaTargetValues + kMorvaDayQuestions + "332{ENTER}";
// MORVA95F: from there the fleet detaches its battleships and steers at task force 1 at full
// speed, passing it to the east in hour step 5 in key mode: the gun battle opens with the
// engagement's pause. `decks` answers the deck dialogues of hour steps 1-5 (idle carriers in
// kMorvaGunBattle), and `raid5` the raid on the fleet that opens hour step 5 (timed: it asks
// only how many fighters rise when some stand on deck).
inline std::string morva_gun_battle(const std::optional<std::string> (&decks)[5], const std::string& raid5 = "") {
    const char* const headings[5] = {"337", "3", "3", "3", "25"};
    std::string keys = kMorvaPracticeWithBattleship;
    for (int h = 1; h <= 5; ++h)
        keys += morva_hour({.hour = h,
                            .pauses = h == 5 ? Pauses::KeyedFromSearch : Pauses::Timed,
                            .raid = h == 5 ? raid5 : "",
                            .deck = decks[h - 1],
                            .detach = "y",
                            .move = std::string(headings[h - 1]) + "{ENTER}{ENTER}"});
    return keys;
}
inline const std::string kMorvaGunBattle = morva_gun_battle({});
// MORVA95F: a gun sub-turn's pauses and its order to close: the first sub-turn's order waits
// after kMorvaGunBattle + "aaaaa"; each of these ends at the next one's order.
inline std::string morva_closing_sub_turns(int n) {
    std::string keys;
    for (int i = 0; i < n; ++i) keys += "+{ENTER}aa";
    return keys;
}
// MORVA95F: the single operation in practice mode with 翔鶴 alone against Midway, approaching
// from bearing 300, the clock at second kMorvaSubmarineSeconds, the fleet staying: a Japanese
// submarine finds a task force at the end of hour step 11, and at the end of hour step 13
// attacks it and is sunk by its destroyers. Each script ends, in key mode, at the first pause
// of the submarine's message.
inline constexpr int kMorvaSubmarineSeconds = 6;
inline const std::string kMorvaSubmarineFound =
    std::string("5n6yh1") + std::string(26, '3') + "y14{ENTER}" + kMorvaAlliedShips + kMorvaTargetValues +
    kMorvaDayQuestions + "300{ENTER}" + morva_stay_hours(1, 10) + morva_stay_hour(11, "", Pauses::KeyedFromSearch);
inline const std::string kMorvaSubmarineAttack = kMorvaSubmarineFound + "a" + kMorvaTimedMode + "a" +
                                                 morva_stay_hour(12) + morva_stay_hour(13, "", Pauses::KeyedFromSearch);
// MORVA95F: the single operation in practice mode against Midway (base 14) with the fleet
// `ships` (the answers for the 27 listed ships), up to the Allied order of battle and the
// target's values of the other single-operation rows, the day's questions and the approach
// from bearing 332.
inline std::string morva_practice_operation(const std::string& ships) {
    return "5n6yh" + ships + "y14{ENTER}" + kMorvaAlliedShips + kMorvaTargetValues + kMorvaDayQuestions + "332{ENTER}";
}
// MORVA95F: that operation with 翔鶴, 瑞鶴, 龍驤 and 大和, the fleet staying after its approach,
// the clock at second kMorvaRaidSeconds: hour step 1 arms 20 torpedo bombers with torpedoes;
// hour step 2 spots 18 fighters, 18 dive bombers and 18 torpedo bombers (all torpedo-armed);
// hour step 3 sends 3 fighters on patrol and spots 27 more fighters; hour step 4 sends 3 more
// on patrol.
inline constexpr int kMorvaRaidSeconds = 25;
inline const std::string kMorvaPatrolAloft =
    morva_practice_operation("11" + std::string(4, '3') + "1" + std::string(8, '3') + "1" + std::string(11, '3')) +
    morva_hour({.hour = 1, .deck = "y20{ENTER}", .detach = "n"}) +
    morva_hour({.hour = 2, .deck = "y18{ENTER}18{ENTER}18{ENTER}18{ENTER}nn", .detach = "n"}) +
    morva_hour({.hour = 3, .deck = "ny3{ENTER}y27{ENTER}0{ENTER}0{ENTER}nn", .detach = "n"}) +
    morva_hour({.hour = 4, .deck = "ny3{ENTER}nnn", .detach = "n"});
// MORVA95F: from there hour step 5's raid (3 fighters scrambled) sinks 龍驤; the hour sends 3
// more fighters on patrol. Hour step 6 opens with a raid of 31 F4F, 34 SBD and a B-17 on a fleet
// with 3 fighters on patrol and 27 on deck, in key mode: the scramble question.
inline const std::string kMorvaRaidOnThePatrol =
    kMorvaPatrolAloft +
    morva_hour(
        {.hour = 5, .pauses = Pauses::KeyedFromSearch, .raid = "3{ENTER}", .deck = "ny3{ENTER}nnn", .detach = "n"});
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
