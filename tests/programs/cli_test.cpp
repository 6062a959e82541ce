// The three programs' headless command line: dumps, frames, exit status and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_support.h"

using namespace testing_support;

namespace {

const char* const kPrograms[] = {"MORVA95F", "MORVA95S", "kelmat95"};

TEST(CommandLine, HeadlessRunWritesTheDumps) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        BinaryRun run = run_binary(program, "", 0, {"--png", "shot.png", "--frames", "frames"});
        EXPECT_EQ(run.exit_code, 0) << program << ": " << run.err;
        // 24 text lines; 24 lines of 80 colour digits or dots.
        EXPECT_EQ(std::count(run.screen.begin(), run.screen.end(), '\n'), 24) << program;
        ASSERT_EQ(run.colours.size(), 24u * 81u) << program;
        EXPECT_EQ(run.colours.find_first_not_of(".01234567\n"), std::string::npos) << program;
        EXPECT_NE(run.screen.find_first_not_of(" \n"), std::string::npos) << program << " shows nothing";
        std::string png = read_file("shot.png");
        ASSERT_GE(png.size(), 24u) << program;
        EXPECT_EQ(png.substr(1, 3), "PNG") << program;
        // IHDR width and height: 640 x 432.
        EXPECT_EQ(static_cast<unsigned char>(png[18]) * 256 + static_cast<unsigned char>(png[19]), 640) << program;
        EXPECT_EQ(static_cast<unsigned char>(png[22]) * 256 + static_cast<unsigned char>(png[23]), 432) << program;
        // The program waited for input at least once: a frame of that screen.
        EXPECT_TRUE(std::filesystem::exists("frames/0000.txt")) << program;
    }
}

TEST(CommandLine, CloseEndsTheRunWithStatusZero) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        BinaryRun run = run_binary(program, "{CLOSE}");
        EXPECT_EQ(run.exit_code, 0) << program << ": " << run.err;
    }
}

TEST(CommandLine, BadOptionsAndKeyScriptsAreRefused) {
    ScopedTempDir dir;
    BinaryRun unknown_key = run_binary("MORVA95F", "{NOSUCHKEY}");
    EXPECT_NE(unknown_key.exit_code, 0);
    EXPECT_NE(unknown_key.err.find("NOSUCHKEY"), std::string::npos);
    BinaryRun bad_seconds = run_binary("kelmat95", "", 0, {"--clock-seconds", "75"});
    EXPECT_EQ(bad_seconds.exit_code, 2);
    BinaryRun bad_option = run_binary("MORVA95S", "", 0, {"--fullscreen"});
    EXPECT_EQ(bad_option.exit_code, 2);
}

TEST(CommandLine, ControlCharactersInAKeyScriptAreRefusedBeforeTheRun) {
    // Byte 1, a raw Esc and a raw tab: each refused with a message and status 2, never an
    // internal failure, in every program.
    for (const char* program : kPrograms)
        for (std::string script : {std::string("1\x01"), std::string("\x01"), std::string("x\x1b"), std::string("\t")}) {
            ScopedTempDir dir;
            BinaryRun run = run_binary(program, script);
            EXPECT_EQ(run.exit_code, 2) << program << ": " << run.err;
            EXPECT_NE(run.err.find("control character"), std::string::npos) << program << ": " << run.err;
            EXPECT_EQ(run.err.find("internal failure"), std::string::npos) << program << ": " << run.err;
        }
}

}  // namespace
