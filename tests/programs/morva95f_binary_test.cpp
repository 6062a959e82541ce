// MORVA95F through its built binary: headless runs with the dumps of the screen and colours.
#include <gtest/gtest.h>

#include "console/text.h"
#include "tests/test_support.h"

using testing_support::colour_at;
using testing_support::column_of;
using testing_support::dump_line;
using testing_support::read_file;
using testing_support::run_binary;
using testing_support::ScopedTempDir;

namespace {

// A turn opening in which no fleet sails: the commander's key, standby for every listed ship,
// the confirmation.
const std::string kStayHome = "h" + std::string(33, '3') + "y";

}  // namespace

TEST(Morva95fBinary, NewCampaignReachesTheTurnOpening) {
    ScopedTempDir dir;
    auto run = run_binary("MORVA95F", "5n1");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(column_of(dump_line(run.screen, 0), "第  1  ターン"), 11);
    EXPECT_EQ(colour_at(run.colours, 11, 0), '5');
    EXPECT_EQ(column_of(dump_line(run.screen, 2), "連合軍指揮官の性格は ?"), 6);
    EXPECT_EQ(colour_at(run.colours, 9, 4), '6') << "Hit H - S - R Key";
    EXPECT_EQ(column_of(dump_line(run.screen, 19), "ラバウル"), 48);
    EXPECT_EQ(colour_at(run.colours, 48, 19), '3');
}

TEST(Morva95fBinary, SaveAndReload) {
    ScopedTempDir dir;
    auto save = run_binary("MORVA95F", "5n1" + kStayHome + "y{ENTER}");
    ASSERT_EQ(save.exit_code, 0) << save.err;
    const std::string bytes = read_file("MORDATAF.DAT");
    EXPECT_EQ(bytes.substr(0, 5), " 2 \r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 5), " 1 \r\n");
    std::size_t lines = 0;
    for (std::size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++lines;
    EXPECT_EQ(lines, 358u);
    auto load = run_binary("MORVA95F", "5n7");
    ASSERT_EQ(load.exit_code, 0) << load.err;
    EXPECT_EQ(column_of(dump_line(load.screen, 0), "第  2  ターン"), 11);
    EXPECT_EQ(column_of(dump_line(load.screen, 2), "連合軍指揮官の性格は ?"), 6);
}

TEST(Morva95fBinary, DataFileNotFound) {
    ScopedTempDir dir;
    auto run = run_binary("MORVA95F", "5n7");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(column_of(dump_line(run.screen, 20), "Data File not found"), 57);
    EXPECT_EQ(colour_at(run.colours, 57, 20), '3');
}

TEST(Morva95fBinary, WholeCampaignToTheFinalScreen) {
    ScopedTempDir dir;
    std::string keys = "5n1" + kStayHome;
    for (int turn = 2; turn <= 12; ++turn) keys += "n{ENTER}" + kStayHome;
    auto run = run_binary("MORVA95F", keys);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(column_of(dump_line(run.screen, 8), "WINDOW を閉じてください"), 1);
    EXPECT_EQ(colour_at(run.colours, 1, 8), '6');
    EXPECT_EQ(column_of(dump_line(run.screen, 1), "連合軍"), 5);
    EXPECT_EQ(column_of(dump_line(run.screen, 1), "圧倒的勝利"), 12);
}
