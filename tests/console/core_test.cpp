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

// The line of a raised error, and whether it was raised in this file.
struct Raised {
    unsigned line = 0;
    bool here = false;
};
template <typename F>
Raised raised_by(F f) {
    try {
        f();
    } catch (const con::RuntimeError& e) {
        return {e.line(), std::string(e.file()).ends_with("core_test.cpp")};
    }
    return {};
}

TEST(Runner, AnErrorNamesTheProgramsLineNotTheConsoles) {
    testing_support::ScopedConsole console;
    testing_support::ScopedTempDir dir;
    con::Table<float, 3> t;
    con::RecordSet empty("empty.txt", "");
    float v = 0;
    struct Case {
        const char* name;
        Raised raised;
        unsigned line;
    };
    // Each call stands on the line it is checked against.
    const Case cases[] = {
        {"locate", raised_by([] { con::locate(con::Col(80), con::Row(0)); }), __LINE__},
        {"colour", raised_by([] { con::color(9); }), __LINE__},
        {"missing file", raised_by([] { con::open_file(1, con::FileMode::Input, "NONE.DAT"); }), __LINE__},
        {"table index", raised_by([&] { (void)t(3); }), __LINE__},
        {"record past the end", raised_by([&] { empty.read_data(v); }), __LINE__},
        {"division", raised_by([] { (void)con::divide(1, 0); }), __LINE__},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.raised.here) << c.name;
        EXPECT_EQ(c.raised.line, c.line) << c.name;
    }
}

TEST(Runner, AFunctionKeyHandlerNamesItsOwnLine) {
    testing_support::ScopedConsole console("{F1}");
    unsigned handler_line = 0;
    con::on_key_gosub(1, [&handler_line] {
        handler_line = __LINE__ + 1;
        con::locate(con::Col(80), con::Row(0));
    });
    con::key_switch(1, con::TrapState::On);
    const Raised r = raised_by([] { con::wait_key_string(); });
    EXPECT_TRUE(r.here);
    EXPECT_EQ(r.line, handler_line);
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
