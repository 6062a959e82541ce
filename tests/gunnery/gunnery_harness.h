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

/// A fleet in memory: BLUE navy 1 against RED navy 3, one ship each with a displacement.
inline Harness fleet_in_memory() {
    Harness h;
    h.s().A(1, 1, kelmat::A_DISPLACEMENT) = 186;
    h.s().A(0, 1, kelmat::A_DISPLACEMENT) = 338;
    for (int side = 0; side <= 1; ++side) {  // armed, so that a battle can be fought
        h.s().A(side, 1, kelmat::A_GUN_TYPE) = 1;
        h.s().A(side, 1, kelmat::A_LAYOUT) = 1;
        h.s().A(side, 1, kelmat::A_SPEED) = 20;
    }
    h.s().BLUE_NAVY = 1;
    h.s().RED_NAVY = 3;
    h.s().BATTLE_BLUE_COUNT = 1;
    h.s().BATTLE_RED_COUNT = 1;
    return h;
}

/// The turret groups that the layout table gives a layout, the larger turrets first and a
/// single turret as its bare gun count ("3X2+2X2" for layout 12, "4X2+2" for layout 13).
inline std::string layout_groups(const kelmat::Kelmat& s, float layout) {
    int turrets[5] = {};
    for (int i = 1; i <= 6; ++i) ++turrets[static_cast<int>(s.L(layout, i)) / 10];
    std::string out;
    for (int guns = 4; guns >= 2; --guns) {
        if (turrets[guns] == 0) continue;
        if (!out.empty()) out += "+";
        out += std::to_string(guns);
        if (turrets[guns] > 1) out += "X" + std::to_string(turrets[guns]);
    }
    return out;
}

}  // namespace kelmat_test
