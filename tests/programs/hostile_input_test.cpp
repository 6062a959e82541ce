// Hostile input through the built programs: numbers too large for a stored value, typed or
// held in a stored file, and the end of a run after an error no handler takes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/test_support.h"

using testing_support::BinaryRun;
using testing_support::run_binary;
using testing_support::read_file;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

TEST(HostileInput, TypedNumberTooLargeForAStoredValueIsAskedAgain) {
    // At kelmat95's ship count: each answer is refused and asked again exactly as a malformed
    // one is, and the run goes on (the script ends at the question, status 0).
    ScopedTempDir dir;
    BinaryRun malformed = run_binary("kelmat95", "x2abc{ENTER}");
    ASSERT_EQ(malformed.exit_code, 0) << malformed.err;
    for (const char* typed : {"1E40", "5E64", "-1E39", "1D308", "3.5E38"}) {
        BinaryRun run = run_binary("kelmat95", std::string("x2") + typed + "{ENTER}");
        EXPECT_EQ(run.exit_code, 0) << typed << ": " << run.err;
        EXPECT_EQ(run.screen, malformed.screen) << typed;
    }
    // The question still takes a good answer after a refused one.
    BinaryRun after = run_binary("kelmat95", "x21E40{ENTER}3{ENTER}");
    BinaryRun direct = run_binary("kelmat95", "x23{ENTER}");
    EXPECT_EQ(after.exit_code, 0) << after.err;
    EXPECT_EQ(after.screen, direct.screen);
}

TEST(HostileInput, ScenarioFileHoldingAnOverflowingNumberIsADamagedFile) {
    ScopedTempDir dir;
    write_file("A-DATA.DAT", " 1E+40 \r\n 1 \r\n 1 \r\n 1 \r\n");
    BinaryRun run = run_binary("kelmat95", "x1A{ENTER}");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.screen.find("その名のシナリオはありません"), std::string::npos) << run.screen;
}

TEST(HostileInput, ATakenTemporaryNameNeverCostsTheSave) {
    // Another run's leftover beside the save, under the name a write once used, that cannot be
    // removed (a directory holding a file): the new save is written all the same, and the
    // leftover is left alone.
    ScopedTempDir dir;
    const std::string stay_home = "h" + std::string(33, '3') + "y";
    std::filesystem::create_directory("~MORDATAF.DAT.partial");
    write_file("~MORDATAF.DAT.partial/keep", "x");
    write_file("MORDATAF.DAT", "old");
    BinaryRun run = run_binary("MORVA95F", "5n1" + stay_home + "y{ENTER}");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(read_file("MORDATAF.DAT").substr(0, 5), " 2 \r\n");
    EXPECT_EQ(read_file("~MORDATAF.DAT.partial/keep"), "x");
    std::size_t temporaries = 0;
    for (const auto& e : std::filesystem::directory_iterator("."))
        temporaries += e.path().filename().string().starts_with("~");
    EXPECT_EQ(temporaries, 1u) << "no temporary file of the run left behind";
}

// Makes `name` something no loader should read: a FIFO, a link to an endless device, a
// directory, or a file far larger than any stored file.
void make_hostile(const std::string& name, int kind) {
    if (kind == 0) {
        ASSERT_EQ(::mkfifo(name.c_str(), 0644), 0);
    }
    if (kind == 1) std::filesystem::create_symlink("/dev/zero", name);
    if (kind == 2) std::filesystem::create_directory(name);
    if (kind == 3) write_file(name, std::string(4u << 20, '1'));
}

TEST(HostileInput, LoadersReadOnlyRegularFilesOfASaneSize) {
    // Each is a damaged file with the program's own message: no hang, no growth without bound.
    for (int kind = 0; kind < 4; ++kind) {
        {
            ScopedTempDir dir;
            make_hostile("A-DATA.DAT", kind);
            BinaryRun run = run_binary("kelmat95", "x1A{ENTER}");
            EXPECT_EQ(run.exit_code, 0) << kind << ": " << run.err;
            EXPECT_NE(run.screen.find("その名のシナリオはありません"), std::string::npos) << kind;
        }
        {
            ScopedTempDir dir;
            make_hostile("MORDATAF.DAT", kind);
            BinaryRun run = run_binary("MORVA95F", "5n7");
            EXPECT_EQ(run.exit_code, 0) << kind << ": " << run.err;
            EXPECT_NE(run.screen.find("Data File not found"), std::string::npos) << kind;
        }
    }
}

}  // namespace
