// kelmat95: the program as the runner starts it - a fresh state, then the main routine.
#include "gunnery/program.h"

#include "gunnery/blocks.h"

namespace {

void main_routine() {
    auto state = kelmat::make_state();
    kelmat::run_main_routine(*state, kelmat::Block::StartUp);
}

}  // namespace

con::ProgramInfo kelmat95_program() { return con::ProgramInfo{"kelmat95", "kelmat95", main_routine}; }
