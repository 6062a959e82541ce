// MORVA95F through its built binary: headless runs with the dumps of the screen and colours.
#include <gtest/gtest.h>

#include "console/text.h"
#include "tests/programs/replay_table.h"
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

// The scramble question of a raid on a fleet with 3 fighters aloft and 27 on deck. An answer
// that is no count of deck fighters is asked again at the question's place: an empty or
// malformed line by the line input itself (its echo cleared), one out of range or with a
// fraction by the question (its tail left under the next answer). The "9" typed after it shows
// where the input reads.
TEST(Morva95fBinary, ScrambleAnswerIsAskedAgainInPlaceUntilAWholeCountUpToTheDeck) {
    struct Refused {
        const char* name;
        std::string answer;
        std::string row_20_from_39;
    };
    const Refused cases[] = {
        {"Enter alone", "{ENTER}", "9"},
        {"not a number", "abc{ENTER}", "9"},
        {"too large to store", "1e999{ENTER}", "9"},
        {"negative", "-1{ENTER}", "91"},
        {"fractional", "2.5{ENTER}", "9.5"},
        {"above the deck fighters", "28{ENTER}", "98"},
    };
    for (const Refused& c : cases) {
        ScopedTempDir dir;
        auto run = run_binary("MORVA95F", golden_replays::kMorvaRaidOnThePatrol + c.answer + "9",
                              golden_replays::kMorvaRaidSeconds);
        ASSERT_EQ(run.exit_code, 0) << c.name << ": " << run.err;
        const std::string question = dump_line(run.screen, 20);
        EXPECT_EQ(question, "          何機発進させますか ?" + std::string(9, ' ') + c.row_20_from_39) << c.name;
        EXPECT_EQ(colour_at(run.colours, 10, 20), '6') << c.name;
        EXPECT_EQ(column_of(dump_line(run.screen, 21), "現在上空に直衛機   3 機飛行中"), 16) << c.name;
        EXPECT_EQ(column_of(dump_line(run.screen, 22), "（甲板待機中の零式艦戦は 27 機）"), 16) << c.name;
    }

    // After all of them a whole count is taken: that many go up (0 none), and the raid goes on
    // exactly as when the count is typed at once.
    std::string refusals;
    for (const Refused& c : cases) refusals += c.answer;
    const std::string refused_first = golden_replays::kMorvaRaidOnThePatrol + refusals;
    for (const auto& [count, aloft] : {std::pair{"17", "20"}, std::pair{"0", "3"}}) {
        ScopedTempDir dir;
        const std::string taken = std::string(count) + "{ENTER}";
        auto answered = run_binary("MORVA95F", refused_first + taken, golden_replays::kMorvaRaidSeconds);
        ASSERT_EQ(answered.exit_code, 0) << answered.err;
        EXPECT_EQ(dump_line(answered.screen, 21), std::string(16, ' ') + "現在上空に直衛機  " + aloft + " 機飛行中")
            << count;
        EXPECT_EQ(dump_line(answered.screen, 22), "") << count << ": the deck line is cleared";
        auto at_once = run_binary("MORVA95F", golden_replays::kMorvaRaidOnThePatrol + taken + "aa",
                                  golden_replays::kMorvaRaidSeconds);
        auto fought = run_binary("MORVA95F", refused_first + taken + "aa", golden_replays::kMorvaRaidSeconds);
        ASSERT_EQ(fought.exit_code, 0) << fought.err;
        EXPECT_EQ(fought.screen, at_once.screen) << count;
        EXPECT_EQ(fought.colours, at_once.colours) << count;
    }
}
