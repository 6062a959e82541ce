// Keys, the type-ahead buffer, function-key traps and the line input.
#include <gtest/gtest.h>

#include "console/console_state.h"
#include "tests/test_support.h"

using testing_support::ScopedConsole;

namespace {

TEST(Keyboard, InkeyNeverWaitsAndReturnsTypedAheadKeysInOrder) {
    ScopedConsole sc;
    sc.type_ahead("a{ENTER}空");
    EXPECT_EQ(con::inkey_string(), "a");
    EXPECT_EQ(con::inkey_string(), "\r");
    EXPECT_EQ(con::inkey_string(), "空");
    EXPECT_EQ(con::inkey_string(), "");
}

TEST(Keyboard, WaitKeyTakesScriptedKeysAndTheRunEndsWhenTheyAreUsedUp) {
    ScopedConsole sc("xy{ESC}");
    EXPECT_EQ(con::wait_key_string(), "x");
    EXPECT_EQ(con::wait_key_string(), "y");
    EXPECT_EQ(con::wait_key_string(), "\x1b");
    try {
        con::wait_key_string();
        FAIL() << "the wait did not end the run";
    } catch (const con::ProgramEnd& end) {
        EXPECT_EQ(end.reason, con::ProgramEnd::Reason::ScriptEnded);
    }
}

TEST(Keyboard, FullBufferBeepsAndLosesTheKey) {
    ScopedConsole sc;
    sc.type_ahead(std::string(255, 'k'));
    sc.type_ahead("空");  // two bytes: does not fit the one byte left
    EXPECT_EQ(sc.console().log().beeps, 1);
    sc.type_ahead("z");  // exactly fills the 256 bytes
    sc.type_ahead("q");
    EXPECT_EQ(sc.console().log().beeps, 2);
    for (int i = 0; i < 255; ++i) ASSERT_EQ(con::inkey_string(), "k");
    EXPECT_EQ(con::inkey_string(), "z");
    EXPECT_EQ(con::inkey_string(), "");
}

TEST(Keyboard, PollingLoopsGetScriptedKeysToo) {
    ScopedConsole sc("p");
    std::string k;
    for (int i = 0; i < 5000 && k.empty(); ++i) k = con::inkey_string();
    EXPECT_EQ(k, "p");
}

TEST(Keyboard, CloseEndsTheProgramAtTheNextConsoleCall) {
    ScopedConsole sc("{CLOSE}");
    try {
        con::wait_key_string();
        FAIL();
    } catch (const con::ProgramEnd& end) {
        EXPECT_EQ(end.reason, con::ProgramEnd::Reason::WindowClosed);
    }
}

struct TrapCase {
    const char* name;
    con::TrapState state;
    int expected_runs;
};

TEST(Traps, StatesDecideWhetherPressesRun) {
    for (const TrapCase& c : {TrapCase{"on", con::TrapState::On, 1}, TrapCase{"off", con::TrapState::Off, 0},
                              TrapCase{"held", con::TrapState::Hold, 0}}) {
        ScopedConsole sc;
        int runs = 0;
        con::on_key_gosub(1, [&] { ++runs; });
        con::key_switch(1, c.state);
        sc.console().function_key(1);
        con::checkpoint();
        EXPECT_EQ(runs, c.expected_runs) << c.name;
    }
}

TEST(Traps, HeldPressesRunWhenSwitchedOnAndOffDiscardsThem) {
    ScopedConsole sc;
    int runs = 0;
    con::on_key_gosub(1, [&] { ++runs; });
    con::key_switch(1, con::TrapState::Hold);
    sc.console().function_key(1);
    sc.console().function_key(1);
    con::key_switch(1, con::TrapState::On);
    con::checkpoint();
    EXPECT_EQ(runs, 2);
    con::key_switch(1, con::TrapState::Hold);
    sc.console().function_key(1);
    con::key_switch(1, con::TrapState::Off);
    con::key_switch(1, con::TrapState::On);
    con::checkpoint();
    EXPECT_EQ(runs, 2);
}

TEST(Traps, UnregisteredKeysAndPressesBeyondTheQueueLimitAreDropped) {
    ScopedConsole sc;
    int runs = 0;
    con::on_key_gosub(2, [&] { ++runs; });
    con::key_switch(2, con::TrapState::Hold);
    sc.console().function_key(3);  // no handler
    for (int i = 0; i < 50; ++i) sc.console().function_key(2);
    EXPECT_EQ(sc.console().pending_traps(), 45u);
    con::key_switch(2, con::TrapState::On);
    con::checkpoint();
    EXPECT_EQ(runs, 45);
}

TEST(Traps, HandlersDoNotNestAndPressesDuringAHandlerRunAfterIt) {
    ScopedConsole sc;
    std::vector<std::string> order;
    bool first = true;
    con::on_key_gosub(1, [&] {
        order.push_back("F1 start");
        if (first) {
            first = false;
            sc.console().function_key(2);
            sc.console().function_key(1);
        }
        con::checkpoint();  // held: nothing runs inside
        order.push_back("F1 end");
    });
    con::on_key_gosub(2, [&] { order.push_back("F2"); });
    con::key_switch(1, con::TrapState::On);
    con::key_switch(2, con::TrapState::On);
    sc.console().function_key(1);
    con::checkpoint();
    EXPECT_EQ(order, (std::vector<std::string>{"F1 start", "F1 end", "F2", "F1 start", "F1 end"}));
}

TEST(Traps, TimedWaitDefersTheTrapToItsEnd) {
    ScopedConsole sc;
    int runs = 0;
    con::on_key_gosub(1, [&] { ++runs; });
    con::key_switch(1, con::TrapState::On);
    sc.console().function_key(1);
    con::print_string_item("no trap inside printing");
    EXPECT_EQ(runs, 0);
    con::wait_ticks(50);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sc.console().log().ticks_waited, 50u);
}

TEST(Traps, KeysReadByTheHandlerAreNotTheInterruptedWaitsAnswer) {
    ScopedConsole sc("{F1}5z");
    std::string handler_key;
    con::on_key_gosub(1, [&] { handler_key = con::wait_key_string(); });
    con::key_switch(1, con::TrapState::On);
    EXPECT_EQ(con::wait_key_string(), "z");
    EXPECT_EQ(handler_key, "5");
}

TEST(Timing, TickCountsRoundHalfAwayAndClamp) {
    ScopedConsole sc;
    con::wait_ticks(2.5);
    EXPECT_EQ(sc.console().log().ticks_waited, 3u);
    con::wait_ticks(-4);
    con::wait_ticks(0);
    EXPECT_EQ(sc.console().log().ticks_waited, 3u);
    con::wait_ticks(70000);
    EXPECT_EQ(sc.console().log().ticks_waited, 3u + 65535u);
    con::busy_pause(3000);
    EXPECT_EQ(sc.console().log().busy_micros, 30000u);
}

TEST(Timing, TimeTextAndTheSeed) {
    ScopedConsole sc("", 37);
    std::string t = con::time_string();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t.substr(6), "37");
    con::randomize(static_cast<std::uint32_t>(con::val(con::right_string(t, 2))));
    EXPECT_EQ(con::random_generator().state(), 233u);
    const std::uint32_t k[] = {8167441, 6613925, 1642816, 1780567, 2036961, 6812120, 7461127, 1404961, 6990261, 2700595};
    for (std::uint32_t expected : k) EXPECT_EQ(con::rnd(), static_cast<float>(expected) / 8388608.0f);
}

TEST(LineInput, EchoEditingAndTheCursorAfterEnter) {
    ScopedConsole sc("AB{BS}C空{ENTER}");
    con::locate(con::Col(10), con::Row(5));
    std::string answer = con::input_line("Name ");
    EXPECT_EQ(answer, "AC空");
    EXPECT_EQ(sc.screen().row_text(5).substr(10, 11), "Name AC空 ");
    EXPECT_EQ(con::cursor_column(), 0);
    EXPECT_EQ(con::cursor_row(), 6);
}

TEST(LineInput, QuestionStyleAddsTheMarkAndEscClearsTheLine) {
    ScopedConsole sc("xyz{ESC}ok{ENTER}");
    con::locate(con::Col(0), con::Row(2));
    EXPECT_EQ(con::input_line(" ", con::PromptStyle::Question), "ok");
    EXPECT_EQ(sc.screen().row_text(2).substr(0, 6), " ? ok ");
}

TEST(LineInput, TextAnswersAreKeptAsTyped) {
    ScopedConsole sc(" y{ENTER}{ENTER}");
    EXPECT_EQ(con::input_line(""), " y");
    EXPECT_EQ(con::input_line(""), "");
}

TEST(LineInput, NumbersAreAskedAgainWhenEmptyOrMalformed) {
    ScopedConsole sc("{ENTER}12x{ENTER} 45.5 {ENTER}");
    con::locate(con::Col(3), con::Row(20));
    float v = con::input_number("数は ");
    EXPECT_EQ(v, 45.5f);
    // The refused answers are gone; the prompt is shown once with the accepted answer.
    EXPECT_EQ(sc.screen().row_text(20).substr(3, 17), "数は  45.5     ");
    EXPECT_EQ(sc.console().log().busy_micros, 2u * 100u * 10000u);  // the message stood about a second twice
}

TEST(LineInput, EchoStopsAtTheLastCellOfTheScreen) {
    ScopedConsole sc("abcdef{ENTER}");
    con::locate(con::Col(76), con::Row(23));
    EXPECT_EQ(con::input_line(""), "abcd");
    EXPECT_EQ(sc.screen().row_text(22), std::string(80, ' '));  // nothing scrolled
    EXPECT_EQ(sc.console().log().beeps, 2);
}

TEST(LineInput, FunctionKeysDuringTheInputRunAfterIt) {
    ScopedConsole sc("1{F1}2{ENTER}");
    std::vector<std::string> order;
    con::on_key_gosub(1, [&] { order.push_back("F1"); });
    con::key_switch(1, con::TrapState::On);
    std::string line = con::input_line("");
    order.push_back("answer " + line);
    EXPECT_EQ(line, "12");
    EXPECT_EQ(order, (std::vector<std::string>{"F1", "answer 12"}));
}

}  // namespace
