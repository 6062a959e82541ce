// Sequential files: what a print to a file writes, reading items back, the error numbers of
// host failures, and that an unfinished output file never takes its name.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "console/console_state.h"
#include "tests/test_support.h"

using namespace testing_support;

namespace {

bool any_partial_file() {
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (e.path().filename().string().starts_with("~")) return true;
    return false;
}

TEST(Files, PrintWritesWhatTheScreenWouldShowWithCrLf) {
    ScopedTempDir dir;
    ScopedConsole sc;
    con::open_file(1, con::FileMode::Output, "OUT.DAT");
    con::print_to_file(1, 12.0f);
    con::print_to_file(1, -3.0f);
    con::print_to_file(1, "戦艦 大和");
    con::print_to_file(1, "");
    EXPECT_FALSE(con::file_exists("OUT.DAT"));  // not before it is closed
    con::close_files();
    // CP932 on disk: 戦 = 90 ED, 艦 = 8A CD, 大 = 91 E5, 和 = 98 61.
    EXPECT_EQ(read_file("OUT.DAT"), " 12 \r\n-3 \r\n\x90\xED\x8A\xCD \x91\xE5\x98\x61\r\n\r\n");
}

TEST(Files, InputReadsItemsAtCommasAndLineEnds) {
    ScopedTempDir dir;
    ScopedConsole sc;
    write_file("IN.DAT", " 12 \r\n.75\n-3 ,abc, d e \r\n\x90\xED\x8A\xCD\r\n\r\n1E+06\r\nx1\r\n");
    con::open_file(1, con::FileMode::Input, "IN.DAT");
    float v = 0;
    std::string s;
    con::input_from_file(1, v);
    EXPECT_EQ(v, 12.0f);
    con::input_from_file(1, v);
    EXPECT_EQ(v, 0.75f);
    con::input_from_file(1, v);
    EXPECT_EQ(v, -3.0f);
    con::input_from_file(1, s);
    EXPECT_EQ(s, "abc");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "d e ");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "戦艦");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "");
    con::input_from_file(1, v);
    EXPECT_EQ(v, 1e6f);
    EXPECT_EQ(error_number_of([&] { con::input_from_file(1, v); }), 13);
    EXPECT_EQ(error_number_of([&] { con::input_from_file(1, v); }), con::err::kInputPastEnd);
    con::close_files();
}

TEST(Files, OpeningAnExistingFileForOutputFailsAndLeavesItAlone) {
    ScopedTempDir dir;
    ScopedConsole sc;
    write_file("A-DATA.DAT", "old");
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Output, "A-DATA.DAT"); }), 64);
    EXPECT_EQ(read_file("A-DATA.DAT"), "old");
    // Replace is allowed only when asked for, and takes effect only at the close.
    con::open_file(1, con::FileMode::Output, "A-DATA.DAT", con::Existing::Replace);
    con::print_to_file(1, 1.0f);
    EXPECT_EQ(read_file("A-DATA.DAT"), "old");
    con::close_file(1);
    EXPECT_EQ(read_file("A-DATA.DAT"), " 1 \r\n");
}

TEST(Files, MissingFileForInputAndKill) {
    ScopedTempDir dir;
    ScopedConsole sc;
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Input, "NONE.DAT"); }), 63);
    EXPECT_EQ(error_number_of([] { con::kill_file("NONE.DAT"); }), 63);
    write_file("K.DAT", "x");
    con::kill_file("K.DAT");
    EXPECT_FALSE(con::file_exists("K.DAT"));
}

struct HostFailure {
    const char* name;
    con::FileOp op;
    int host_errno;
    int number;
};

TEST(Files, HostFailuresMapToTheProgramsErrorNumbers) {
    const HostFailure cases[] = {
        {"disk full while writing", con::FileOp::Write, ENOSPC, 67},
        {"quota while closing", con::FileOp::Close, EDQUOT, 67},
        {"read-only at open", con::FileOp::OpenOutput, EROFS, 73},
        {"no permission at open", con::FileOp::OpenOutput, EACCES, 73},
        {"i/o error at open", con::FileOp::OpenOutput, EIO, 72},
        {"no device at open", con::FileOp::OpenOutput, ENODEV, 60},
        {"missing at input", con::FileOp::OpenInput, ENOENT, 63},
        {"protected at kill", con::FileOp::Kill, EPERM, 73},
    };
    for (const HostFailure& c : cases) {
        ScopedTempDir dir;
        ScopedConsole sc;
        write_file("IN.DAT", "1\r\n");
        write_file("GONE.DAT", "1\r\n");
        sc.console().files().inject_failure(c.op, c.host_errno);
        int got = error_number_of([&] {
            switch (c.op) {
                case con::FileOp::OpenInput: con::open_file(1, con::FileMode::Input, "IN.DAT"); break;
                case con::FileOp::Kill: con::kill_file("GONE.DAT"); break;
                default:
                    con::open_file(1, con::FileMode::Output, "OUT.DAT");
                    con::print_to_file(1, 5.0f);
                    con::close_files();
            }
        });
        EXPECT_EQ(got, c.number) << c.name;
        // A failed output never leaves a file under its name, nor a temporary one.
        EXPECT_FALSE(con::file_exists("OUT.DAT")) << c.name;
        EXPECT_FALSE(any_partial_file()) << c.name;
        con::abandon_files();
    }
}

TEST(Files, AbandonedOutputLeavesTheOldFileAndNoPartialOne) {
    ScopedTempDir dir;
    {
        ScopedConsole sc;
        write_file("SAVE.DAT", "old save");
        con::open_file(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
        con::print_to_file(1, 7.0f);
        con::abandon_files();
    }
    EXPECT_EQ(read_file("SAVE.DAT"), "old save");
    EXPECT_FALSE(any_partial_file());
}

TEST(Files, NameInAMissingDirectoryIsAnUnavailableDevice) {
    ScopedTempDir dir;
    ScopedConsole sc;
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Output, "NO/SUCH.DAT"); }), 60);
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Input, "NO/SUCH.DAT"); }), 63);
}

}  // namespace
