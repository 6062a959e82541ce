// Helpers of the MORVA95S tests: a loaded state on a headless console, key scripts that play
// a campaign with its operations, screen queries and golden screens.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/console_state.h"
#include "console/text.h"
#include "simplified/blocks.h"
#include "simplified/program.h"
#include "simplified/raid.h"
#include "simplified/routines.h"
#include "tests/programs/replay_table.h"
#include "tests/test_support.h"

namespace simplified_test {

/// A state whose built-in tables are loaded and whose new campaign has its starting values,
/// on a headless console with scripted keys.
struct Loaded {
    explicit Loaded(std::string keys = "") : console(std::move(keys)) {
        st = std::make_unique<morva95s::State>();
        morva95s::MENU(*st);
        st->TURN_NO = 1;
        st->P(0, morva95s::P_RESPONSE) = 15;
        st->TT(morva95s::TT_WAIT) = 100;
    }
    testing_support::ScopedConsole console;
    std::unique_ptr<morva95s::State> st;
    morva95s::State& operator*() { return *st; }
    morva95s::State* operator->() { return st.get(); }
};

/// Keys from program start to the first turn: "1" at the menu, the scenario, then the
/// options: own orders No, timed comments, display digit 5 and (but in scenario 7) the
/// aggressive commander.
inline std::string start_keys(int scenario) {
    return "1" + std::to_string(scenario) + "Nn5" + (scenario == 7 ? "" : "h");
}

/// Keys of an organisation phase in which no ship sails: standby for every listed ship (the
/// spare "3"s are ignored by the confirmation), then "Y"; no fleet has a carrier, so the
/// target choice asks nothing.
inline std::string stay_home() { return std::string(33, '3') + "y"; }

/// Keys that play `turns` turns in which no fleet sails: the organisation, then "N" at each
/// later turn's save question.
inline std::string play_turns(int turns) {
    std::string keys = stay_home();
    for (int i = 1; i < turns; ++i) keys += "n{ENTER}" + stay_home();
    return keys;
}

/// Keys that decline `questions` questions of the carrier phases ("n" each): an operation
/// played without raising, arming or launching anything asks a fixed number of them.
inline std::string decline_carriers(int questions) { return std::string(questions, 'n'); }
/// The carrier questions of the harbour strike of scenarios 2 and 5 (one day).
inline constexpr int kHarbourStrikeCarrierQuestions = 15;
/// Keys of a harbour strike played through: "N" at the call-off question of each of the
/// sub-turns 7-15, which comes before the sub-turn's carrier question, and every carrier
/// question declined.
inline std::string harbour_strike_declined() {
    std::string keys;
    for (int subturn = 1; subturn <= kHarbourStrikeCarrierQuestions; ++subturn)
        keys += (subturn >= 7 ? golden_replays::kRaidNoCallOff : "") + decline_carriers(1);
    return keys;
}

/// A row of a screen, trailing blanks dropped.
inline std::string row_of(const con::Screen& screen, int row) {
    std::string line = screen.row_text(row);
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

using testing_support::text_at;

/// Whether `text` stands at (col, row) in text colour `colour` (every non-blank cell of it).
inline testing::AssertionResult shows(const con::Screen& screen, int col, int row, const std::string& text,
                                      int colour) {
    const int cells = static_cast<int>(con::byte_length(text));
    const std::string actual = text_at(screen, col, row, cells);
    if (actual != text)
        return testing::AssertionFailure() << "at (" << col << "," << row << "): \"" << actual << "\" instead of \""
                                           << text << "\"";
    for (int c = col; c < col + cells; ++c) {
        const con::TextCell& cell = screen.cell(c, row);
        if (cell.code != 0 && cell.code != U' ' && cell.colour != colour)
            return testing::AssertionFailure() << "colour " << int(cell.colour) << " at (" << c << "," << row
                                               << ") instead of " << colour;
    }
    return testing::AssertionSuccess();
}

/// Runs MORVA95S headless on a console the test prepared (for example with an injected file
/// failure), with the keys the console was made with.
inline con::RunResult run_on(testing_support::ScopedConsole& console) {
    return con::run_on(console.console(), morva95s_program());
}

/// The whole text screen and its colours, as one reference text.
inline std::string screen_dump(const con::Screen& screen) {
    return screen.dump_text() + "--- colours\n" + screen.dump_colours();
}

/// Compares the final screen of a run with tests/golden/simplified/<name>.txt.
inline void expect_golden_screen(const con::Screen& screen, const std::string& name) {
    testing_support::expect_golden(screen_dump(screen), "golden/simplified/" + name + ".txt");
}

/// The fraction that gives die face d (1-6) of INT(draw x 6) + 1, and hit die v (0-5).
inline float die_face(int d) { return (static_cast<float>(d) - 0.5f) / 6; }
inline float hit_face(int v) { return die_face(v + 1); }

/// Draws from a recorded list; a draw past its end fails the test and gives 0.5.
struct ScriptedDraws {
    explicit ScriptedDraws(std::vector<float> list) : list(std::move(list)) {}
    std::vector<float> list;
    std::size_t used = 0;
    morva95s::Draw source() {
        return [this] {
            if (used >= list.size()) {
                ADD_FAILURE() << "more draws than the " << list.size() << " recorded";
                return 0.5f;
            }
            return list[used++];
        };
    }
    /// Whether every recorded draw was taken.
    testing::AssertionResult all_used() const {
        if (used == list.size()) return testing::AssertionSuccess();
        return testing::AssertionFailure() << used << " of the " << list.size() << " recorded draws taken";
    }
};

}  // namespace simplified_test
