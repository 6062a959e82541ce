// MORVA95F: DISK_ERROR_HANDLER, the one error handler: it makes sense of the save file's errors
// and ends the program on every other.
#include "campaign/disk_error.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/save_file.h"

namespace morva95f {

Block DISK_ERROR_HANDLER(State& st, int error) {
    using namespace con::err;
    const bool loading = st.LOAD_MODE == 1;
    // A file being written is dropped, never kept half written.
    con::abandon_files();
    if (morva::show_disk_message(error, !loading)) {
        // A disk error while loading goes back to the scenario question: the save step of a
        // game that was never set up must not be entered. One while saving asks the save
        // question again over the map already drawn, so that the message stays to be read.
        return loading ? Block::ScenarioChoice : Block::SaveQuestion;
    }
    if (error == kFileExists && !loading) {
        con::kill_file(kSaveFileName);
        return Block::WriteSaveFile;
    }
    if (loading && (error == kFileNotFound || error == kDriveNotReady)) {
        con::color(3);
        con::locate(con::Col(57), con::Row(20));
        con::print_string_item("Data File not found");
        return Block::ScenarioChoice;
    }
    con::key_switch(1, con::TrapState::Off);
    con::end_program_on_error(error);
}

}  // namespace morva95f
