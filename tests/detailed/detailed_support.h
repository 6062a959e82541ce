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

/// Keys of a day's opening questions: no extra search planes, both air-defence splits even.
inline std::string day_questions() { return "n{ENTER}{ENTER}"; }

/// F1 and a display-time key at a one-key question: from then on every pause waits for a key.
inline std::string key_mode_from_here() { return "{F1}9"; }

/// Keys of daytime hour `hour` (1-15) in which the fleet stays: in hours 6, 9 and 12 both
/// air-defence splits kept, no search plane launched, then `answer` to the battleship-detachment
/// question (asked only of a fleet with battleships: "n" there, "" without), the default heading
/// and speed 0. In key mode hours 2-15 also answer `pause` before the splits (the harbour raid's
/// pause) and `flight_pause` after them (the search flight's pause).
inline std::string stay_hour(int hour, const std::string& answer = "", const std::string& pause = "",
                             const std::string& flight_pause = "") {
    std::string keys = hour >= 2 ? pause : "";
    if (hour == 6 || hour == 9 || hour == 12) keys += "nn";
    if (hour >= 2) keys += flight_pause;
    return keys + "n" + answer + "{ENTER}0{ENTER}";
}

/// Keys of hours `first` to `last` of a day in which the fleet stays.
inline std::string stay_hours(int first, int last, const std::string& answer = "", const std::string& pause = "",
                              const std::string& flight_pause = "") {
    std::string keys;
    for (int h = first; h <= last; ++h) keys += stay_hour(h, answer, pause, flight_pause);
    return keys;
}

/// Keys of a day's 15 daytime hours with the fleet staying.
inline std::string stay_day(const std::string& answer = "", const std::string& pause = "",
                            const std::string& flight_pause = "") {
    return stay_hours(1, 15, answer, pause, flight_pause);
}

/// Keys of a whole three-day operation in timed mode: each day's opening questions, the
/// approach bearing, then each day's hours with the fleet staying, and night moves of no
/// distance between the days. With `report_waits` the last hour switches to key mode, so that
/// the report of the operation's end waits for a key.
inline std::string stay_operation(const std::string& bearing, const std::string& answer = "",
                                  bool report_waits = false) {
    const std::string last_day =
        report_waits ? stay_hours(1, 14, answer) + key_mode_from_here() + stay_hour(15, answer) : stay_day(answer);
    return day_questions() + bearing + "{ENTER}" + stay_day(answer) + day_questions() + "{ENTER}{ENTER}" +
           stay_day(answer) + day_questions() + "{ENTER}{ENTER}" + last_day;
}

/// Keys of the harbour raid's day in key mode: the approach from the north, then the hours
/// with their pauses answered (the preset force has battleships; no Allied plane searches
/// before the raid has struck).
inline std::string harbour_raid_day() { return day_questions() + "0{ENTER}" + stay_day("n", "a", "a"); }

using testing_support::row_of;
using testing_support::shows;
using testing_support::text_at;

/// Runs MORVA95F headless on a console the test prepared (for example with an injected file
/// failure), with the keys the console was made with.
inline con::RunResult run_on(testing_support::ScopedConsole& console) {
    return con::run_on(console.console(), morva95f_program());
}

}  // namespace detailed_test
