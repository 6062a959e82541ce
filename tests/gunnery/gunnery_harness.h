// Test helpers for kelmat95: a state the test keeps, runs of the main routine from any block,
// and a small fleet.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gunnery/blocks.h"
#include "gunnery/program.h"
#include "tests/test_support.h"

namespace kelmat_test {

/// A state that outlives the run, so that tests can read the tables afterwards.
struct Harness {
    std::unique_ptr<kelmat::Kelmat> state = kelmat::make_state();
    kelmat::Kelmat& s() { return *state; }
    /// Runs on the program's console just before the main routine (fault injection).
    std::function<void()> before;

    /// The program running the main routine from `start` on this state.
    con::ProgramInfo program(kelmat::Block start = kelmat::Block::StartUp) {
        kelmat::Kelmat* st = state.get();
        std::function<void()> hook = before;
        return con::ProgramInfo{"kelmat95", "kelmat95", [st, start, hook] {
                                    if (hook) hook();
                                    kelmat::run_main_routine(*st, start);
                                }};
    }
    /// The block the last run was in when its keys ran out.
    kelmat::Block current_block() const { return state->current_block; }
    /// Runs the main routine from `start` with a key script until the keys are used up.
    testing_support::ProgramRun run(const std::string& keys, kelmat::Block start = kelmat::Block::StartUp,
                                    int clock_seconds = 0) {
        return testing_support::run_program(program(start), keys, clock_seconds);
    }
};

/// Runs the start-up's table reading on a state without a screen of its own.
inline void start_up(kelmat::Kelmat& s) {
    testing_support::ScopedConsole console;
    kelmat::START_UP(s);
}

/// A fresh state with the start-up's tables read.
inline std::unique_ptr<kelmat::Kelmat> started() {
    auto s = kelmat::make_state();
    start_up(*s);
    return s;
}

}  // namespace kelmat_test
