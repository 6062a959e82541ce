// The one shape of every program's main routine: a loop that runs the current block, which
// returns the next, and hands a run-time error to the program's own handler.
#pragma once
#include <stdexcept>
#include <string>

#include "console/errors.h"

namespace con {

/// Runs a program's blocks for ever from `st.current_block`: `run_block(st, b)` runs block b
/// and returns the next, which becomes current. A run-time error a block raises goes to
/// `on_error(st, error)`, which returns the block where the program goes on, or rethrows so
/// that the console's report takes it. Ends only by an exception (the program's end).
template <typename State, typename RunBlock, typename OnError>
[[noreturn]] void run_blocks(State& st, RunBlock run_block, OnError on_error) {
    for (;;) {
        try {
            st.current_block = run_block(st, st.current_block);
        } catch (const RuntimeError& e) {
            st.current_block = on_error(st, e);
        }
    }
}

/// What a program's run_block does with a block it does not know: a fault of the program,
/// never a run-time error that a handler could take.
template <typename Block>
[[noreturn]] void unknown_block(Block b) {
    throw std::logic_error("unknown block " + std::to_string(static_cast<long>(b)));
}

}  // namespace con
