// MORVA95S: DISK_ERROR_HANDLER, the one error handler: it makes sense of the save file's
// errors and ends the program on every other.
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/save_file.h"

namespace morva95s {
namespace {

const char* disk_message(int error, float context) {
    using namespace con::err;
    if (error == kDeviceUnavailable || (error == kDriveNotReady && context == 0)) return "ＤＩＳＫがセットされてません";
    if (error == kDiskFull) return "ＤＩＳＫにスペースがないです";
    if (error == kWriteProtected) return "ＤＩＳＫが書き込み禁止です　";
    return nullptr;
}

[[noreturn]] void END_PROGRAM() {
    con::key_switch(1, con::TrapState::Off);
    con::on_error_goto(false);
    con::color(6);
    con::clear_screen(0);
    con::end_program();
}

}  // namespace

Block DISK_ERROR_HANDLER(State& st, int error) {
    using namespace con::err;
    // Every file is closed without keeping what an unfinished output file received: the
    // handler only runs after an error, so a save in progress is never committed half written.
    con::abandon_files();
    con::locate(con::Col(24), con::Row(23));
    con::color(6);
    const float context = st.FILE_CONTEXT;
    if (const char* message = disk_message(error, context)) {
        con::print_string_item(message);
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
    END_PROGRAM();
}

}  // namespace morva95s
