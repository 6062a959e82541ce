// Helpers of the MORVA95F tests: a loaded state on a headless console, key scripts that play
// a whole campaign, and screen queries.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "console/console_state.h"
#include "console/text.h"
#include "detailed/blocks.h"
#include "detailed/program.h"
#include "detailed/routines.h"
#include "tests/morva95f_scripts.h"
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

using namespace morva95f_scripts;

/// Keys of a whole three-day operation in timed mode: each day's opening questions, the
/// approach bearing, then each day's hours with the fleet staying, and night moves of no
/// distance between the days. With `report_waits` the last hour switches to key mode, so that
/// the report of the operation's end waits for a key.
inline std::string stay_operation(const std::string& bearing, const std::string& detach = "",
                                  bool report_waits = false) {
    const std::string last_day =
        report_waits ? morva_stay_hours(1, 14, detach) + morva_stay_hour(15, detach, Pauses::KeyedFromSearch)
                     : morva_stay_day(detach);
    return kMorvaDayQuestions + bearing + "{ENTER}" + morva_stay_day(detach) + kMorvaDayQuestions + "{ENTER}{ENTER}" +
           morva_stay_day(detach) + kMorvaDayQuestions + "{ENTER}{ENTER}" + last_day;
}

/// Keys of the harbour raid's day in key mode: the approach from the north, then the hours
/// with their pauses answered (the preset force has battleships; no Allied plane searches
/// before the raid has struck).
inline std::string harbour_raid_day() {
    return kMorvaDayQuestions + "0{ENTER}" + morva_day({.pauses = Pauses::Keyed, .raid = "a", .detach = "n"});
}

using testing_support::row_of;
using testing_support::shows;
using testing_support::text_at;

/// Runs MORVA95F headless on a console the test prepared (for example with an injected file
/// failure), with the keys the console was made with.
inline con::RunResult run_on(testing_support::ScopedConsole& console) {
    return con::run_on(console.console(), morva95f_program());
}

}  // namespace detailed_test
