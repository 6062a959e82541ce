// MORVA95S: starts the program on the console (a window, or headless with --headless).
#include "simplified/program.h"

int main(int argc, char** argv) { return con::program_main(argc, argv, morva95s_program()); }
