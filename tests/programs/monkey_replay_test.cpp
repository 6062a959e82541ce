// Random-key runs that once failed (tools/monkey.sh), replayed through the built binaries:
// each must now end at its script's end with status 0 and nothing on stderr; and the check
// those runs make on the files a run leaves (tools/save_check.cpp).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

using testing_support::BinaryRun;
using testing_support::read_file;
using testing_support::ScopedTempDir;
using testing_support::write_file;

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

// The files the games wrote are taken; a file a loader refuses fails the check, which names
// the file and, for a campaign save, the value and the rule it breaks.
TEST(SaveCheck, TakesTheGamesFilesAndNamesARefusedValue) {
    const std::string tool = std::string(BINARY_DIR) + "/save_check";
    ASSERT_EQ(access(tool.c_str(), X_OK), 0) << "no built " << tool;
    ScopedTempDir dir;
    const std::string check = tool + " 2>err.txt";
    const std::string corpus = std::string(SOURCE_DIR) + "/tests/fuzz/corpus/";
    EXPECT_EQ(std::system(check.c_str()), 0) << "no file, nothing refused";
    write_file("MORDATAF.DAT", read_file(corpus + "detailed_save/valid_turn_2"));
    write_file("MORDATAS.DAT", read_file(corpus + "simplified_save/valid_sunk_carriers_below_zero"));
    write_file("B-DATA.DAT", read_file(corpus + "scenario_file/valid_saved_scenario"));
    EXPECT_EQ(std::system(check.c_str()), 0) << read_file("err.txt");
    write_file("MORDATAS.DAT", read_file(corpus + "simplified_save/fraction_durability"));
    write_file("C-DATA.DAT", read_file(corpus + "scenario_file/navy_6"));
    EXPECT_NE(std::system(check.c_str()), 0);
    EXPECT_EQ(read_file("err.txt"),
              "MORDATAS.DAT is refused by its loader: value 25 (.75): a fractional durability above 0\n"
              "C-DATA.DAT is refused by kelmat95's scenario loader\n");
}

}  // namespace
