// Random-key runs that once failed (tools/monkey.sh), replayed through the built binaries:
// each must now end at its script's end with status 0 and nothing on stderr.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

using testing_support::BinaryRun;
using testing_support::read_file;
using testing_support::ScopedTempDir;

namespace {

TEST(MonkeyReplay, FailedRunsNowEnd) {
    struct Case {
        const char* program;
        const char* script;  // under tests/programs/monkey/
        int clock_seconds;
        const char* shown;   // a text one of the frames shows on the way
    } cases[] = {
        // A battle whose lines never came within gun range nor 80 km apart fought on for ever;
        // it now breaks off after 12 hours of battle time with its result screen.
        {"kelmat95", "kelmat95_seed_1272.keys", 12, "命中数  Hit Any Key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        ScopedTempDir dir;
        // The script as monkey --print-script writes it; line ends are no keys.
        std::string keys = read_file(std::string(SOURCE_DIR) + "/tests/programs/monkey/" + c.script);
        std::erase(keys, '\n');
        std::erase(keys, '\r');
        ASSERT_FALSE(keys.empty());
        BinaryRun run = testing_support::run_binary(c.program, keys, c.clock_seconds, {"--frames", "frames"});
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(run.err, "");
        bool seen = false;
        ASSERT_TRUE(std::filesystem::is_directory("frames"));
        for (const auto& f : std::filesystem::directory_iterator("frames"))
            if (read_file(f.path().string()).find(c.shown) != std::string::npos) seen = true;
        EXPECT_TRUE(seen) << c.shown;
    }
}

}  // namespace
