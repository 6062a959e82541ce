// MORVA95F: the program as the runner starts it: a fresh state and the main routine.
#include "detailed/program.h"

#include <memory>

#include "detailed/blocks.h"

con::ProgramInfo morva95f_program() {
    return con::ProgramInfo{"MORVA95F", "Morva95f", [] {
                                auto st = std::make_unique<morva95f::State>();
                                morva95f::main_routine(*st);
                            }};
}
