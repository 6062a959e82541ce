// kelmat95's dialogue kit: each call's texts, places, colours, accepted keys and re-asks, from
// key scripts on a headless console.
#include <gtest/gtest.h>

#include <string>

#include "gunnery/dialogue.h"
#include "tests/test_support.h"

using testing_support::ScopedConsole;
using testing_support::text_at;

namespace {

// The key the script holds after the call: the dialogue read no further than its answer.
std::string next_key() { return con::wait_key_string(); }

TEST(GunneryDialogue, DigitInRange) {
    const struct {
        const char* keys;
        int lo, hi, answer;
        const char* last_key;
    } cases[] = {
        {"3!", 1, 5, 3, "3"},
        {"06x{ENTER}５5!", 1, 5, 5, "5"},
        {"8!", 1, 8, 8, "8"},
        {"9-7!", 1, 7, 7, "7"},
        {"41!", 1, 3, 1, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ScopedConsole sc(c.keys);
        std::string key;
        EXPECT_EQ(kelmat::wait_for_digit(key, c.lo, c.hi), c.answer);
        EXPECT_EQ(key, c.last_key);
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(GunneryDialogue, YesNoQuestions) {
    const struct {
        const char* name;
        const char* keys;
        std::string_view yes, no;
        bool answer;
    } cases[] = {
        {"Enter is yes where taken", "x{ENTER}!", kelmat::kYesOrEnter, kelmat::kNo, true},
        {"Enter ignored elsewhere", "{ENTER}n!", kelmat::kYes, kelmat::kNo, false},
        {"N", "N!", kelmat::kYesOrEnter, kelmat::kNo, false},
        {"every key answers", "{ENTER}!", kelmat::kYes, kelmat::kAnyKey, false},
        {"every key answers: Y", "Y!", kelmat::kYes, kelmat::kAnyKey, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedConsole sc(c.keys);
        std::string key;
        EXPECT_EQ(kelmat::ask_yes_no(key, {{20, 8, 6, "DATA を SAVE しますか ?"}, {23, 10, kelmat::kColourInForce, "Hit Y - N Key"}},
                                     c.yes, c.no),
                  c.answer);
        EXPECT_EQ(text_at(sc.screen(), 20, 8, 23), "DATA を SAVE しますか ?");
        EXPECT_EQ(sc.screen().cell(23, 10).colour, 6);
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(GunneryDialogue, HitAnyKeyLeavesColourAndCursorBehindIt) {
    for (bool blank : {false, true}) {
        ScopedConsole sc("z!");
        con::color(3);
        std::string key;
        kelmat::hit_any_key(key, {34, 0, kelmat::kColourInForce, "Hit Any Key"}, blank);
        EXPECT_EQ(key, "z");
        EXPECT_EQ(text_at(sc.screen(), 34, 0, 11), blank ? std::string(11, ' ') : "Hit Any Key");
        if (!blank) {
            EXPECT_EQ(sc.screen().cell(34, 0).colour, 3);
        }
        EXPECT_EQ(con::current_colour(), 3);
        EXPECT_EQ(con::cursor_column(), 45);
        EXPECT_EQ(con::cursor_row(), 0);
    }
}

TEST(GunneryDialogue, NumberInRangeAskedAgain) {
    const struct {
        const char* name;
        const char* keys;
        con::real lo, hi;
        bool whole;
        float answer;
        int asks;
    } cases[] = {
        {"in range", "30{ENTER}", 15, 60, false, 30, 1},
        {"out of range twice", "14.9{ENTER}60.5{ENTER}27.5{ENTER}", 15, 60, false, 27.5f, 3},
        {"a malformed answer is asked again by the input itself", "abc{ENTER}20{ENTER}", 15, 60, false, 20, 1},
        {"whole numbers only", "2.5{ENTER}0{ENTER}22{ENTER}", 1, 22, true, 22, 3},
        {"a fraction where taken", "10.5{ENTER}", 1, 36, false, 10.5f, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedConsole sc(c.keys);
        int asks = 0;
        float stored = -1;
        const auto ask = [&asks] {
            ++asks;
            con::print_at(con::Col(20), con::Row(2), "速力は  ?         ");
        };
        EXPECT_EQ(kelmat::ask_number(stored, ask, {33, 2, " "}, c.lo, c.hi, c.whole), c.answer);
        EXPECT_EQ(stored, c.answer);
        EXPECT_EQ(asks, c.asks);
        EXPECT_EQ(text_at(sc.screen(), 20, 2, 10), "速力は  ? ");
    }
    // At the cursor: the prompt follows whatever the question printed last.
    ScopedConsole sc("7{ENTER}");
    float count = 0;
    const auto ask = [] { kelmat::show({{24, 8, 1, "BLUE "}}); };
    kelmat::ask_number(count, ask, {kelmat::kAtCursor, 0, " NAVY の数は ?  "}, 1, 46, true);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(text_at(sc.screen(), 24, 8, 22), "BLUE  NAVY の数は ?  7");
}

TEST(GunneryDialogue, LineChoiceAskedAgainWithItsAfterStep) {
    ScopedConsole sc("4{ENTER}１{ENTER}{ENTER}3{ENTER}");
    std::string answer;
    int after = 0;
    EXPECT_EQ(kelmat::ask_line_choice(answer, nullptr, {10, 17, "  どれにしますか ?   "}, con::PromptStyle::Plain,
                                      {"1", "2", "3"}, [&after] { ++after; }),
              "3");
    EXPECT_EQ(answer, "3");
    EXPECT_EQ(after, 4) << "after every answer, the taken one too";
    ScopedConsole question(" 2{ENTER}2{ENTER}");
    kelmat::ask_line_choice(answer, nullptr, {40, 2, " "}, con::PromptStyle::Question, {"1", "2"});
    EXPECT_EQ(answer, "2") << "\" 2\" is not \"2\"";
    EXPECT_EQ(text_at(question.screen(), 40, 2, 4), " ? 2") << "asked again at the same place";
}

}  // namespace
