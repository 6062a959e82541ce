// MORVA95S through its built binary: a whole campaign to the end of the war, and a save
// continued in a second run, with the dumps of the screen and colours.
#include <gtest/gtest.h>

#include "tests/programs/replay_table.h"
#include "tests/test_support.h"

using testing_support::dump_line;
using testing_support::read_file;
using testing_support::run_binary;
using testing_support::ScopedTempDir;

namespace {

const std::string kStart = "11Nn5h";
// An organisation in which no ship sails: standby for every listed ship, then "Y".
const std::string kSimplifiedStayHome = std::string(33, '3') + "y";

// The golden screen of a run, as the in-process flow tests keep it (text part only).
std::string golden_text(const std::string& name) {
    const std::string golden = read_file(std::string(SOURCE_DIR) + "/tests/golden/simplified/" + name + ".txt");
    return golden.substr(0, golden.find("--- colours\n"));
}

}  // namespace

TEST(Morva95sBinary, TwelveTurnsToTheEndOfTheWar) {
    ScopedTempDir dir;
    std::string keys = kStart + "112333333" "12" "33333333" "y7{ENTER}6{ENTER}" + golden_replays::kSimplifiedDeclinedCarriers;
    for (int turn = 2; turn <= 12; ++turn) keys += "n{ENTER}" + kSimplifiedStayHome;
    auto run = run_binary("MORVA95S", keys);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.screen, golden_text("twelve_turns_final_screen"));
    EXPECT_EQ(dump_line(run.colours, 1).substr(5, 6), "666666") << "the verdict in yellow";
}

TEST(Morva95sBinary, SavedCampaignContinuesInASecondRun) {
    ScopedTempDir dir;
    auto saved = run_binary("MORVA95S", kStart + kSimplifiedStayHome + "y{ENTER}");
    ASSERT_EQ(saved.exit_code, 0) << saved.err;
    EXPECT_EQ(read_file("MORDATAS.DAT"), read_file(std::string(SOURCE_DIR) + "/tests/golden/simplified/MORDATAS_turn_2.DAT"));
    auto continued = run_binary("MORVA95S", "18Nn5h");
    ASSERT_EQ(continued.exit_code, 0) << continued.err;
    EXPECT_EQ(continued.screen, golden_text("scenario_8_organisation"));
}
