// MORVA95F: the program's entry point.
#pragma once
#include "console/runner.h"

/// The program as the runner starts it.
con::ProgramInfo morva95f_program();
