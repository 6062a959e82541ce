// MORVA95S: the program as the runner starts it: a fresh state and the main routine.
#include "simplified/program.h"

#include <memory>

#include "simplified/blocks.h"

con::ProgramInfo morva95s_program() {
    return con::ProgramInfo{"MORVA95S", "Morva95s", [] {
                                auto st = std::make_unique<morva95s::State>();
                                morva95s::main_routine(*st);
                            }};
}
