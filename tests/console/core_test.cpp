// First checks of the console core: the generator, the screen rules, key scripts.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_support.h"

using namespace testing_support;

TEST(Random, FirstValuesFromTheStartState) {
    con::Random r;
    const std::uint32_t k[] = {620765, 7771819, 747984, 1559201, 1193290, 3646089, 5867881, 5249883, 4958767, 3431786};
    for (std::uint32_t expected : k) EXPECT_EQ(r.next(), static_cast<float>(expected) / 8388608.0f);
}

TEST(Table, IndicesAreCheckedAndRealsRoundHalfAway) {
    con::Table<float, 3, 4> t;
    t(2, 3) = 5;
    EXPECT_EQ(t(2.5f - 0.6f, 3), 5);  // 1.9 -> 2
    EXPECT_EQ(t(1.5, 2.5), t(2, 3));
    for (auto bad : {std::pair<long, long>{3, 0}, {0, 4}, {-1, 0}}) {
        try {
            (void)t(bad.first, bad.second);
            FAIL() << "index accepted";
        } catch (const con::RuntimeError& e) {
            EXPECT_EQ(e.number(), con::err::kSubscript);
        }
    }
}

TEST(Runner, AnErrorNoHandlerTakesGetsTheConsolesReport) {
    con::ProgramInfo info{"TEST", "Testmod", [] {
                              con::locate(con::Col(0), con::Row(5));
                              con::print_string_item("before");
                              con::locate(con::Col(80), con::Row(0));  // off the grid: error 5
                          }};
    testing_support::ProgramRun run = testing_support::run_program(info, "");
    EXPECT_EQ(run.result.error_number, con::err::kIllegalCall);
    EXPECT_NE(run.result.exit_code, 0);
    EXPECT_EQ(run.row(6).substr(0, 9), "Testmod [");
    EXPECT_NE(run.row(6).find("行]:エラー[5]"), std::string::npos) << run.row(6);
    EXPECT_EQ(run.row(7), "任意のキーを押してください");
}

TEST(Runner, EndProgramAbandonsOpenOutputFiles) {
    testing_support::ScopedTempDir dir;
    con::ProgramInfo info{"TEST", "Testmod", [] {
                              con::open_file(1, con::FileMode::Output, "HALF.DAT");
                              con::print_to_file(1, 1.0f);
                              con::end_program();
                          }};
    testing_support::ProgramRun run = testing_support::run_program(info, "");
    EXPECT_EQ(run.result.exit_code, 0);
    EXPECT_EQ(run.result.reason, con::ProgramEnd::Reason::Ended);
    EXPECT_FALSE(std::filesystem::exists("HALF.DAT"));
}
