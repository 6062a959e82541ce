// The run-time error handler: each disk message with its place and colour, the pause, where
// each dialogue goes on, and the end of the program on any other error.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::Block;
using kelmat::Kelmat;
using testing_support::ScopedConsole;
using testing_support::ScopedTempDir;
using testing_support::text_at;

namespace {

struct HandlerCase {
    const char* name;
    int error;
    float loading;
    const char* message;  // "" for none
    int column;
    Block next;
};

TEST(DiskErrorHandler, MessagesAndContinuations) {
    const HandlerCase cases[] = {
        {"60 while writing", 60, 0, "ＤＩＳＫがセットされてません", 20, Block::WriteScenario},
        {"72 while writing", 72, 0, "ＤＩＳＫがセットされてません", 20, Block::WriteScenario},
        {"67", 67, 0, "ＤＩＳＫにスペースがないです", 20, Block::WriteScenario},
        {"73", 73, 0, "ＤＩＳＫが書き込み禁止です　", 20, Block::WriteScenario},
        {"64", 64, 0, "その名のシナリオはすでに存在しています", 20, Block::WriteScenario},
        {"60 while reading goes back to the loader", 60, 1, "ＤＩＳＫがセットされてません", 20, Block::LoadScenario},
        {"72 while reading: straight to the menu", 72, 1, "", 0, Block::MainMenu},
    };
    for (const auto& c : cases) {
        ScopedConsole console;
        Kelmat s;
        s.DISK_OP_IS_LOAD = c.loading;
        EXPECT_EQ(kelmat::DISK_ERROR_HANDLER(s, c.error), c.next) << c.name;
        const std::string message = c.message;
        if (!message.empty()) {
            const int cells = static_cast<int>(con::byte_length(message));
            EXPECT_EQ(text_at(console.screen(), c.column, 14, cells), message) << c.name;
            EXPECT_EQ(console.screen().cell(c.column, 14).colour, 6) << c.name;
            // A timed pause, not a count of empty loop passes.
            EXPECT_EQ(console.console().log().ticks_waited, 150u) << c.name;
        } else {
            EXPECT_EQ(console.screen().dump_text(), std::string(24, '\n')) << c.name;
            EXPECT_EQ(console.console().log().ticks_waited, 0u) << c.name;
        }
        EXPECT_EQ(con::current_colour(), message.empty() ? 3 : 6) << c.name;
    }
}

TEST(DiskErrorHandler, NoScenarioWaitsForAnyKey) {
    ScopedConsole console("0");
    Kelmat s;
    s.DISK_OP_IS_LOAD = 1;
    EXPECT_EQ(kelmat::DISK_ERROR_HANDLER(s, 63), Block::LoadScenario);
    EXPECT_EQ(s.ANSWER_KEY, "0") << "the key is taken and only continues";
    EXPECT_EQ(text_at(console.screen(), 24, 14, 28), "その名のシナリオはありません");
    EXPECT_EQ(console.screen().cell(24, 14).colour, 3);
    EXPECT_EQ(console.screen().cell(33, 18).colour, 4);
    EXPECT_EQ(console.screen().cell(23, 16).colour, 7);
    // The hint was printed last: the cursor stands behind it.
    EXPECT_EQ(con::cursor_row(), 16);
}

TEST(DiskErrorHandler, AFileBeingWrittenIsDroppedNotKept) {
    ScopedTempDir dir;
    ScopedConsole console;
    Kelmat s;
    con::open_file(1, con::FileMode::Output, "A-DATA.DAT");
    con::print_to_file(1, "half");
    kelmat::DISK_ERROR_HANDLER(s, 67);
    EXPECT_FALSE(con::file_exists("A-DATA.DAT"));
    EXPECT_FALSE(con::current().files().any_open());
}

TEST(DiskErrorHandler, AnyOtherErrorShowsItsNumberThenEnds) {
    ScopedConsole console("x");
    Kelmat s;
    con::print_at(con::Col(0), con::Row(3), "left over");
    bool ended = false;
    try {
        kelmat::DISK_ERROR_HANDLER(s, 9);
    } catch (const con::ProgramEnd& e) {
        ended = e.reason == con::ProgramEnd::Reason::EndedOnError && e.error_number == 9;
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(text_at(console.screen(), 0, 3, 9), "         ") << "the screen was cleared";
    EXPECT_EQ(console.screen().row_text(11).substr(20, 11), "エラー 9");
    EXPECT_EQ(con::current_colour(), 6);
}

TEST(DiskErrorHandler, MainRoutineContinuesWhereTheHandlerSays) {
    // An error outside the dialogues ends the program through the handler: here a stored
    // table index that the data never gives.
    kelmat_test::Harness h;
    h.s().SIDE_NO = 0;
    h.s().SHIP_NO = 1;
    h.s().SISTER_COUNT = 0;
    h.s().SHIP_SOURCE = 0;
    h.s().CLASS_NAVY = 1;
    h.s().CLASS_NO = 40;  // outside the class table
    auto run = h.run("k", Block::StoreDisplacement);
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::EndedOnError);
    EXPECT_EQ(run.result.exit_code, 3);
    EXPECT_NE(run.row(11).find("エラー 9"), std::string::npos);
}

}  // namespace
