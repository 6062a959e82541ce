// kelmat95: the run-time error handler - the disk messages of the scenario dialogues and where
// each dialogue continues, and the end of the program on any other error.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

// How long a disk message stays before its dialogue starts again (ticks of 10 ms).
constexpr int kShortPause = 150;

void disk_message(const char* text) {
    con::locate(Col(20), Row(14));
    con::color(6);
    con::print_string_item(text);
    con::wait_ticks(kShortPause);
}

[[noreturn]] void end_on_error(int error_number) {
    con::clear_screen(0);
    con::key_switch(1, con::TrapState::Off);
    con::key_switch(2, con::TrapState::Off);
    con::color(6);
    // The player sees why the program ends before it does.
    con::locate(Col(20), Row(11));
    con::print_string_item("エラー");
    con::print_single_item(static_cast<float>(error_number));
    con::print_string_item("が発生したため終了します");
    std::string key;  // kept nowhere
    hit_any_key(key, {33, 13, kColourInForce, "Hit Any Key"});
    con::end_program();
}

}  // namespace

Block DISK_ERROR_HANDLER(Kelmat& s, int error_number) {
    // A file being written is dropped, never kept half written.
    con::abandon_files();
    con::color(3);
    const bool loading = s.DISK_OP_IS_LOAD == 1;
    // A disk message sends the player back to the name prompt of the dialogue that failed:
    // a failed load never lands in the save dialogue.
    const Block again = loading ? Block::LoadScenario : Block::WriteScenario;
    switch (error_number) {
        case con::err::kDeviceUnavailable:
            disk_message("ＤＩＳＫがセットされてません");
            return again;
        case con::err::kDiskFull:
            disk_message("ＤＩＳＫにスペースがないです");
            return again;
        case con::err::kDriveNotReady:
            if (loading) return Block::MainMenu;
            disk_message("ＤＩＳＫがセットされてません");
            return again;
        case con::err::kWriteProtected:
            disk_message("ＤＩＳＫが書き込み禁止です　");
            return again;
        case con::err::kFileNotFound:
            con::print_at(Col(24), Row(14), "その名のシナリオはありません");
            show({{33, 18, 4, "Hit Any Key"}, {23, 16, 7, "( ＭＥＮＵに戻るときは 0 を入力 )"}});
            wait_for_key(s.ANSWER_KEY, kAnyKey);
            return Block::LoadScenario;
        case con::err::kFileExists:
            disk_message("その名のシナリオはすでに存在しています");
            return Block::WriteScenario;
        default:
            end_on_error(error_number);
    }
}

}  // namespace kelmat
