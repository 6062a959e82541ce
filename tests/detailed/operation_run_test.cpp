// Whole operations played through the program: scenario 1's first operation over its three
// days (in process with reference screens, and through the built binary), and the single
// operation in practice mode, whose contact report shows every task force.
#include <gtest/gtest.h>

#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using testing_support::dump_line;
using testing_support::expect_golden;
using testing_support::run_binary;
using testing_support::run_program;
using testing_support::ScopedTempDir;

namespace {

// Scenario 1, turn 1, in key mode: fleet 1 (翔鶴, 瑞鶴) to the Philippines, fleet 2 to Singapore.
const std::string kSailed = opening_keys(1, '9') + "h112333333" "1233" "y7{ENTER}8{ENTER}";

// The single operation against Midway in practice mode, up to its deployment.
const std::string kPractice = opening_keys(6) + "y" + "h1" + std::string(26, '3') + "y14{ENTER}" + "12x1" +
                              std::string(12, '2') + "1" + std::string(26, '2') +
                              "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";

/// The text screen and its colours, as the reference files hold them.
std::string dump(const testing_support::ProgramRun& run) {
    std::string out;
    for (int r = 0; r < 24; ++r) out += run.row(r) + "\n";
    for (int r = 0; r < 24; ++r) {
        for (int c = 0; c < 80; ++c) {
            const int colour = run.colour_at(c, r);
            out += colour < 0 ? '.' : static_cast<char>('0' + colour);
        }
        out += "\n";
    }
    return out;
}

void expect_screen(const std::string& keys, const std::string& name) {
    auto run = run_program(morva95f_program(), keys);
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::ScriptEnded) << name;
    expect_golden(dump(run), "golden/detailed/" + name + ".txt");
}

}  // namespace

TEST(OperationRun, ScenarioOneScreensThroughThreeDays) {
    expect_screen(kSailed, "operation_deployment");
    expect_screen(kSailed + "45{ENTER}" + stay_hour() + stay_hour(), "operation_hour_3");
    expect_screen(kSailed + "45{ENTER}" + stay_day(), "operation_night_move");
    expect_screen(kSailed + "45{ENTER}" + stay_day() + "{ENTER}{ENTER}" + "270{ENTER}", "operation_day_2_speed");
    expect_screen(kSailed + stay_operation("45"), "operation_end");
}

TEST(OperationRun, PracticeModeReportsEveryTaskForce) {
    expect_screen(kPractice + "0{ENTER}", "practice_hour_1");
    expect_screen(kPractice + "0{ENTER}" + stay_day(), "practice_end_of_day");
}

TEST(OperationRun, TheBinaryPlaysTheFirstOperation) {
    ScopedTempDir dir;
    auto deploy = run_binary("MORVA95F", kSailed);
    ASSERT_EQ(deploy.exit_code, 0) << deploy.err;
    EXPECT_NE(dump_line(deploy.screen, 20).find("目標への接近方向は  ?  0 - 130 , 220 - 359"), std::string::npos);
    auto hour = run_binary("MORVA95F", kSailed + "45{ENTER}" + stay_hour() + "{ENTER}");
    ASSERT_EQ(hour.exit_code, 0) << hour.err;
    EXPECT_NE(dump_line(hour.screen, 0).find("第 1 日  5 時"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 1).find("敵艦隊いまだ発見できず"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 10).find("敵基地   312 浬"), std::string::npos);
    EXPECT_NE(dump_line(hour.screen, 20).find("移動速度は ?"), std::string::npos);
    EXPECT_EQ(dump_line(hour.colours, 1).substr(52, 1), "6") << "the contact report in yellow";
    // The whole operation: the report of its end waits in key mode.
    auto end = run_binary("MORVA95F", kSailed + stay_operation("45"));
    ASSERT_EQ(end.exit_code, 0) << end.err;
    EXPECT_NE(dump_line(end.screen, 8).find("第  1  艦隊作戦終了"), std::string::npos);
    EXPECT_NE(dump_line(end.screen, 11).find("フィリピン侵攻作戦は失敗せり"), std::string::npos);
}
