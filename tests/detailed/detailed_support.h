// Helpers of the MORVA95F tests: a loaded state on a headless console, key scripts that play
// a campaign with the stand-ins, and screen queries.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "console/console_state.h"
#include "console/text.h"
#include "detailed/blocks.h"
#include "detailed/program.h"
#include "detailed/routines.h"
#include "tests/test_support.h"

namespace detailed_test {

/// A state whose built-in tables are loaded, on a headless console with scripted keys.
struct Loaded {
    explicit Loaded(std::string keys = "") : console(std::move(keys)) {
        st = std::make_unique<morva95f::State>();
        morva95f::MENU(*st);
        st->P(0, 3) = 15;
    }
    testing_support::ScopedConsole console;
    std::unique_ptr<morva95f::State> st;
    morva95f::State& operator*() { return *st; }
    morva95f::State* operator->() { return st.get(); }
};

/// Keys from program start to the first turn opening: display time `display`, no aircraft
/// choice, scenario `scenario`.
inline std::string opening_keys(int scenario, char display = '5') {
    return std::string(1, display) + "n" + std::to_string(scenario);
}

/// Keys of a turn opening in which no fleet sails: the commander's key, standby for every
/// listed ship (at most 33; the spare "3"s are ignored by the confirmation), then "Y"; the
/// target choice finds no carriers and asks nothing (with timed pauses).
inline std::string stay_home() { return "h" + std::string(33, '3') + "y"; }

/// Keys that play turns in which no fleet sails: the turn opening, then "N" at each later
/// turn's save question.
inline std::string play_turns(int turns) {
    std::string keys = stay_home();
    for (int i = 1; i < turns; ++i) keys += "n{ENTER}" + stay_home();
    return keys;
}

/// Keys of the deck dialogues of daytime hour step `hour` (1-15) in which the carriers stay
/// idle: in key mode a key ends the launch phase's pause ("攻撃はできません", nothing on deck);
/// then "n" to the spotting question (from hour step 2, once the arming phase has made the
/// fighters and dive bombers ready) and "n" to the arming question. Hour step 15 has none.
inline std::string idle_deck(int hour, bool key_mode) {
    if (hour > 14) return "";
    return std::string(key_mode ? "a" : "") + (hour > 1 ? "nn" : "n");
}

/// Keys of a daytime hour in which the fleet stays: the deck dialogues' keys `deck`, then
/// `answer` to the battleship-detachment question (asked only of a fleet with battleships:
/// "n" there, "" without), the default heading, then speed 0.
inline std::string stay_hour(const std::string& answer = "", const std::string& deck = "") {
    return deck + answer + "{ENTER}0{ENTER}";
}

/// Keys of a day's 15 daytime hours with the fleet and its carriers staying idle; `pause`
/// answers the pause that hours 2-15 make first (the harbour raid's, in key mode).
inline std::string stay_day(const std::string& pause = "", const std::string& answer = "", bool key_mode = false) {
    std::string keys;
    for (int h = 1; h <= 15; ++h) keys += (h > 1 ? pause : "") + stay_hour(answer, idle_deck(h, key_mode));
    return keys;
}

/// Keys of a whole three-day operation: the approach bearing, then each day's hours with the
/// fleet staying, and night moves of no distance between the days.
inline std::string stay_operation(const std::string& bearing, const std::string& answer = "", bool key_mode = false) {
    return bearing + "{ENTER}" + stay_day("", answer, key_mode) + "{ENTER}{ENTER}" + stay_day("", answer, key_mode) +
           "{ENTER}{ENTER}" + stay_day("", answer, key_mode);
}

/// Keys of the harbour raid's day in key mode: the approach from the north, then the hours
/// with their pauses answered (the preset force has battleships).
inline std::string harbour_raid_day() { return "0{ENTER}" + stay_day("a", "n", true); }

using testing_support::row_of;
using testing_support::shows;
using testing_support::text_at;

/// Runs MORVA95F headless on a console the test prepared (for example with an injected file
/// failure), with the keys the console was made with.
inline con::RunResult run_on(testing_support::ScopedConsole& console) {
    return con::run_on(console.console(), morva95f_program());
}

}  // namespace detailed_test
