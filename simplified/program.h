// MORVA95S: the program's entry point.
#pragma once
#include "console/program_info.h"

/// The program as the runner starts it.
con::ProgramInfo morva95s_program();
