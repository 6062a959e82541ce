// kelmat95: the program's entry point.
#pragma once
#include "console/program_info.h"

/// The program as the runner starts it.
con::ProgramInfo kelmat95_program();
