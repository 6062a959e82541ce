// Whole runs through the turn openings: a twelve-turn campaign of scenario 1 in which every turn
// is organised (with the operations' days still ending at once), and runs of the built binary
// through the organisation, the targets and the single operation's order of battle; the benchmark
// plays the same campaign.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console/text.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using testing_support::colour_at;
using testing_support::column_of;
using testing_support::dump_line;
using testing_support::run_binary;
using testing_support::run_program;
using testing_support::ScopedTempDir;

namespace {

// Scenario 1, turn 1: fleet 1 carriers 7 and 8 with battleship 30, fleet 2 carrier 9 with
// battleship 31, the rest on standby.
const std::string kPlacement = "112333333" "1233";

// The Japanese ships the organisation lists on turn t of scenario 1 when none is lost.
int listed_ships(int t) {
    const int carriers = 9 + (t >= 3) + (t >= 4) + (t >= 5) + (t >= 6) + 2 * (t >= 9);
    const int battleships = t < 9 ? 4 : 12;
    return carriers + battleships;
}

// A turn opening that puts carrier 7 alone in fleet 1 and keeps it home.
std::string home_turn(int t, char commander) {
    return std::string(1, commander) + "1" + std::string(static_cast<std::size_t>(listed_ships(t) - 1), '3') + "y" +
           "99{ENTER}";
}

// Turn 1: both fleets sail, to the Philippines and Singapore. Later turns: fleet 1 is
// organised and stays home (a turn with a target that is not taken would end the war); on
// turn 5 a first organisation with a second fleet stronger than the first is refused.
std::string organised_campaign() {
    std::string keys = opening_keys(1) + "h" + kPlacement + "y7{ENTER}8{ENTER}" + stay_operation("45", "n") +
                       stay_operation("45", "n");
    const char commanders[] = "hsr";
    for (int t = 2; t <= 12; ++t) {
        keys += "n{ENTER}";
        if (t == 5) keys += "h2" + std::string(static_cast<std::size_t>(listed_ships(5) - 1), '3');
        keys += home_turn(t, commanders[t % 3]);
    }
    return keys;
}

}  // namespace

TEST(OrganisedCampaign, TwelveTurnsToTheFinalScreen) {
    ScopedTempDir dir;
    const std::string keys = organised_campaign();
    auto run = run_program(morva95f_program(), keys);
    const auto& s = run.screen();
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::ScriptEnded);
    EXPECT_EQ(run.result.exit_code, 0);
    EXPECT_TRUE(shows(s, 5, 1, "連合軍", 6)) << "the five bases of the start";
    EXPECT_TRUE(shows(s, 12, 1, "圧倒的勝利", 6));
    EXPECT_TRUE(shows(s, 1, 8, "WINDOW を閉じてください", 6));
    // One key fewer leaves the run at the last turn's target question.
    auto short_run = run_program(morva95f_program(), keys.substr(0, keys.size() - std::string("9{ENTER}").size()));
    EXPECT_TRUE(shows(short_run.screen(), 10, 18, "攻撃目標は ?", 6));
    EXPECT_TRUE(shows(short_run.screen(), 56, 21, " 21 カリフォルニア", 3));
}

TEST(OrganisationBinary, ScenarioOneOrganisationAndTargets) {
    ScopedTempDir dir;
    auto org = run_binary("MORVA95F", "5n1h" + kPlacement);
    ASSERT_EQ(org.exit_code, 0) << org.err;
    EXPECT_EQ(column_of(dump_line(org.screen, 0), "艦隊編成フェイズ"), 14);
    EXPECT_EQ(column_of(dump_line(org.screen, 0), "拠点名"), 61);
    EXPECT_EQ(column_of(dump_line(org.screen, 2), "翔鶴"), 0);
    EXPECT_EQ(colour_at(org.colours, 22, 2), '5') << "翔鶴's mark: fleet 1";
    EXPECT_EQ(colour_at(org.colours, 22, 4), '4') << "赤城's mark: fleet 2";
    EXPECT_EQ(colour_at(org.colours, 22, 5), '3') << "加賀's mark: standby";
    EXPECT_EQ(column_of(dump_line(org.screen, 23), "よろしいですか ? Hit Y - N Key"), 24);
    EXPECT_EQ(colour_at(org.colours, 24, 23), '7');
    EXPECT_EQ(colour_at(org.colours, 60, 6), '6') << "ラバウル may be attacked";
    EXPECT_EQ(colour_at(org.colours, 60, 10), '3') << "ジャワ may not";
    EXPECT_EQ(colour_at(org.colours, 60, 3), '5') << "千島 is held";

    // Both targets: the operations run their three days and turn 2 opens.
    auto next = run_binary("MORVA95F",
                           "5n1h" + kPlacement + "y7{ENTER}8{ENTER}" + stay_operation("45", "n") + stay_operation("45", "n"));
    ASSERT_EQ(next.exit_code, 0) << next.err;
    EXPECT_EQ(column_of(dump_line(next.screen, 0), "第  2  ターン"), 11);
    EXPECT_EQ(column_of(dump_line(next.screen, 3), "SAVE しますか ?"), 10);
}

TEST(OrganisationBinary, SingleOperationOrderOfBattle) {
    ScopedTempDir dir;
    auto run = run_binary("MORVA95F", "5n6nh1" + std::string(26, '3') + "y21{ENTER}12");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(column_of(dump_line(run.screen, 1), "LEXINGTON"), 0);
    EXPECT_EQ(colour_at(run.colours, 14, 1), '5') << "LEXINGTON joins";
    EXPECT_EQ(colour_at(run.colours, 14, 2), '3') << "SARATOGA does not";
    EXPECT_EQ(column_of(dump_line(run.screen, 22), "ENTERPRISE を参戦させますか ?"), 39);
    EXPECT_EQ(colour_at(run.colours, 39, 22), '7');
    EXPECT_EQ(column_of(dump_line(run.screen, 21), "空母は８隻まで"), 44);
    EXPECT_EQ(colour_at(run.colours, 44, 21), '4');
}

TEST(OrganisedCampaign, TheBenchmarkPlaysThisCampaign) {
    // tools/bench.sh times this campaign from the key script of tools/bench_campaign.sh: the
    // two must stay one script, or the benchmark stops short of the final screen.
    const std::string command = std::string("bash ") + SOURCE_DIR + "/tools/bench_campaign.sh --print-keys";
    std::FILE* out = ::popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string printed;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, out)) printed.append(buffer, n);
    ASSERT_EQ(::pclose(out), 0);
    EXPECT_EQ(printed, organised_campaign());
}
