// Helpers of the MORVA95F tests: a loaded state on a headless console, key scripts that play
// a campaign with the stand-ins, and screen queries.
#pragma once
#include <memory>
#include <string>

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

/// Keys that play turns with the stand-in turn opening: the commander's key at the opening,
/// then "N" at each later turn's save question.
inline std::string play_turns(int turns) {
    std::string keys = "h";
    for (int i = 1; i < turns; ++i) keys += "n{ENTER}h";
    return keys;
}

/// Whether the console draws on the graphics plane yet (pixel checks are skipped otherwise).
inline bool drawing_available() {
    testing_support::ScopedConsole probe;
    con::pset(5, 5, 9);
    return con::point_colour(5, 5) == 9;
}

}  // namespace detailed_test
