// Scenario 1's first operation played through the built binary over its three days (its
// screens are also golden replays).
#include <gtest/gtest.h>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using testing_support::dump_line;
using testing_support::run_binary;
using testing_support::ScopedTempDir;

namespace {

// Scenario 1, turn 1: fleet 1 (翔鶴, 瑞鶴) to the Philippines, fleet 2 to Singapore.
const std::string kSailed = opening_keys(1) +
                            "h112333333"
                            "1233"
                            "y7{ENTER}8{ENTER}";

}  // namespace

TEST(OperationRun, TheBinaryPlaysTheFirstOperation) {
    ScopedTempDir dir;
    auto deploy = run_binary("MORVA95F", kSailed + kMorvaDayQuestions);
    ASSERT_EQ(deploy.exit_code, 0) << deploy.err;
    EXPECT_NE(dump_line(deploy.screen, 20).find("目標への接近方向は  ?  0 - 130 , 220 - 359"), std::string::npos);
    auto hour = run_binary("MORVA95F", kSailed + kMorvaDayQuestions + "45{ENTER}" + morva_stay_hour(1, "n") +
                                           morva_hour({.hour = 2, .detach = "n", .move = "{ENTER}"}));
    ASSERT_EQ(hour.exit_code, 0) << hour.err;
    EXPECT_NE(dump_line(hour.screen, 0).find("第 1 日  5 時"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 1).find("敵艦隊いまだ発見できず"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 10).find("敵基地   312 浬"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 20).find("移動速度は ?"), std::string::npos);
    EXPECT_EQ(dump_line(hour.colours, 1).substr(52, 1), "6") << "the contact report in yellow";
    // The whole operation: the report of its end waits in key mode.
    auto end = run_binary("MORVA95F", kSailed + stay_operation("45", "n", true));
    ASSERT_EQ(end.exit_code, 0) << end.err;
    EXPECT_NE(dump_line(end.screen, 8).find("第  1  艦隊作戦終了"), std::string::npos);
    EXPECT_NE(dump_line(end.screen, 11).find("フィリピン侵攻作戦は失敗せり"), std::string::npos);
}
