// kelmat95: starts the program on the console (a window, or headless with --headless).
#include "gunnery/program.h"

int main(int argc, char** argv) { return con::program_main(argc, argv, kelmat95_program()); }
