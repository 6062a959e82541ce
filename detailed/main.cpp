// MORVA95F: starts the program on the console (a window, or headless with --headless).
#include "campaign/save_file.h"
#include "detailed/program.h"

int main(int argc, char** argv) {
    // A player's campaign is saved whatever a check of the values says.
    morva::on_refused_save(morva::RefusedSave::Write);
    return con::program_main(argc, argv, morva95f_program());
}
