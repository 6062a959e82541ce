// MORVA95S: DISK_ERROR_HANDLER, the one error handler: it makes sense of the save file's
// errors and ends the program on every other.
#include "campaign/disk_error.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/save_file.h"

namespace morva95s {
namespace {

// The run still fails (a non-zero exit status and a line on stderr) though the screen is quiet.
[[noreturn]] void END_PROGRAM(int error) {
    con::key_switch(1, con::TrapState::Off);
    con::on_error_goto(false);
    con::color(6);
    con::clear_screen(0);
    con::end_program_on_error(error);
}

}  // namespace

Block DISK_ERROR_HANDLER(State& st, int error) {
    using namespace con::err;
    const float context = st.FILE_CONTEXT;
    // A file being written is dropped, never kept half written.
    con::abandon_files();
    if (morva::show_disk_message(error, context == 0)) {
        // A disk error while loading goes back to the scenario question (and one at start-up
        // to the tables): the save question of a campaign that was never set up must not be
        // entered.
        if (context == 1) return Block::ScenarioChoice;
        if (context == 2) return Block::StartupContinue;
        return Block::SavePrompt;
    }
    if (error == kFileExists) {
        con::kill_file(kSaveFileName);
        return Block::WriteSaveFile;
    }
    if (error == kFileNotFound && context == 2) return Block::StartupContinue;
    if (error == kFileNotFound || (error == kDriveNotReady && context == 1)) {
        con::color(3);
        con::locate(con::Col(57), con::Row(21));
        con::print_string_item("No Files");
        con::print_end();
        return Block::ScenarioChoice;
    }
    END_PROGRAM(error);
}

}  // namespace morva95s
