// MORVA95F: the program's entry point.
#pragma once
#include "console/program_info.h"

/// The program as the runner starts it.
con::ProgramInfo morva95f_program();
