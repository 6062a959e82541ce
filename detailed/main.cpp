// MORVA95F: starts the program on the console (a window, or headless with --headless).
#include "detailed/program.h"

int main(int argc, char** argv) { return con::program_main(argc, argv, morva95f_program()); }
