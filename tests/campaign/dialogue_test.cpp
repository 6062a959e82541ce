// The campaign games' dialogue kit: each call's texts, places, colours, accepted keys and
// re-asks, from key scripts on a headless console.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "campaign/dialogue.h"
#include "tests/test_support.h"

using testing_support::ScopedConsole;
using testing_support::text_at;

namespace {

// The key the script holds after the call: the dialogue read no further than its answer.
std::string next_key() { return con::wait_key_string(); }

struct KeyCase {
    const char* name;
    const char* keys;            // ends with "!", the key left after the answer
    std::string_view yes, no;
    bool answer;
    const char* last_key;        // the key left in the key variable
};

TEST(CampaignDialogue, YesNoKeysTakenAndOthersIgnored) {
    const KeyCase cases[] = {
        {"y", "y!", morva::kYes, morva::kNo, true, "y"},
        {"Y after ignored keys", "x1{ENTER}Y!", morva::kYes, morva::kNo, true, "Y"},
        {"n", "qn!", morva::kYes, morva::kNo, false, "n"},
        {"upper case only: y and n ignored", "ynN!", "Y", "N", false, "N"},
        {"upper case only: Y", "yY!", "Y", "N", true, "Y"},
        {"every key answers: q is no", "q!", morva::kYes, morva::kAnyKey, false, "q"},
        {"every key answers: y is yes", "y!", morva::kYes, morva::kAnyKey, true, "y"},
        {"a full-width Y is no key", "Ｙn!", morva::kYes, morva::kNo, false, "n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedConsole sc(c.keys);
        std::string key;
        EXPECT_EQ(morva::ask_yes_no(key, {{10, 4, 6, "Hit Y - N Key"}}, c.yes, c.no), c.answer);
        EXPECT_EQ(key, c.last_key);
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(CampaignDialogue, QuestionTextsInTheirPlacesAndColours) {
    ScopedConsole sc("y");
    con::color(3);
    std::string key;
    morva::ask_yes_no(key, {{26, 18, 7, "搭載機の機種は自分で決める ?"},
                            {32, 20, 6, "Hit Y - N Key"},
                            {26, 22, morva::kColourInForce, "通常は N"}});
    const con::Screen& s = sc.screen();
    EXPECT_EQ(text_at(s, 26, 18, 28), "搭載機の機種は自分で決める ?");
    EXPECT_EQ(s.cell(26, 18).colour, 7);
    EXPECT_EQ(text_at(s, 32, 20, 13), "Hit Y - N Key");
    EXPECT_EQ(s.cell(32, 20).colour, 6);
    EXPECT_EQ(s.cell(26, 22).colour, 6) << "the colour in force: the previous text's";
    EXPECT_EQ(con::current_colour(), 6) << "the last colour stays";
}

// A function key that blanks row 4 while the question waits; whether the question comes back
// depends on when its texts are shown.
TEST(CampaignDialogue, TextsShownOnceOrBeforeEachKey) {
    for (morva::Shown shown : {morva::Shown::Once, morva::Shown::BeforeEachKey}) {
        ScopedConsole sc("{F1}xY");
        con::on_key_gosub(1, [] { con::print_at(con::Col(0), con::Row(4), con::space_string(40)); });
        con::key_switch(1, con::TrapState::On);
        std::string key;
        EXPECT_TRUE(morva::ask_yes_no(key, {{10, 4, 7, "Hit Y or N Key"}}, "Y", "N", shown));
        EXPECT_EQ(text_at(sc.screen(), 10, 4, 14), shown == morva::Shown::Once ? std::string(14, ' ') : "Hit Y or N Key");
    }
}

TEST(CampaignDialogue, KeyFromASet) {
    const struct {
        const char* keys;
        std::string_view accepted;
        const char* answer;
    } cases[] = {
        {"0891237!", "1234567", "1"},
        {"2!", "13", ""},  // 2 refused: the script ends while it waits
        {"23!", "13", "3"},
        {"\xE3\x80\x80z!", morva::kAnyKey, "\xE3\x80\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ScopedConsole sc(c.keys);
        std::string key;
        if (*c.answer == 0) {
            EXPECT_THROW(morva::wait_for_key(key, c.accepted), con::ProgramEnd);
            continue;
        }
        EXPECT_EQ(morva::ask_key(key, {}, c.accepted), c.answer);
        EXPECT_EQ(key, c.answer);
    }
}

TEST(CampaignDialogue, HitAnyKeyShownThenBlankedOrLeft) {
    for (bool blank : {false, true}) {
        ScopedConsole sc("{ENTER}!");
        con::color(2);
        std::string key;
        EXPECT_EQ(morva::hit_any_key(key, {35, 20, 4, "Hit Any Key"}, blank), "\r");
        EXPECT_EQ(key, "\r");
        EXPECT_EQ(text_at(sc.screen(), 35, 20, 11), blank ? std::string(11, ' ') : "Hit Any Key");
        EXPECT_EQ(con::current_colour(), 4);
        EXPECT_EQ(con::cursor_column(), 46) << "behind the hint or its blanks";
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(CampaignDialogue, NumberInRangeAskedAgain) {
    const struct {
        const char* name;
        const char* keys;
        con::real lo, hi;
        bool whole;
        con::real answer;
        int asks;
    } cases[] = {
        {"in range at once", "7{ENTER}", 0, 300, true, 7, 1},
        {"above, below, then the bounds", "301{ENTER}-1{ENTER}300{ENTER}", 0, 300, true, 300, 3},
        {"not a number is 0", "abc{ENTER}", 0, 300, true, 0, 1},
        {"not a number refused by lo 1", "abc{ENTER}{ENTER}1{ENTER}", 1, 99, false, 1, 3},
        {"a fraction refused", "2.5{ENTER}3{ENTER}", 1, 99, true, 3, 2},
        {"a fraction taken", "2.5{ENTER}", 1, 99, false, 2.5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedConsole sc(c.keys);
        int asks = 0;
        const auto ask = [&asks] {
            ++asks;
            con::print_at(con::Col(39), con::Row(22), "勢力値は ?");
        };
        EXPECT_EQ(morva::ask_number(ask, {62, 22, ""}, c.lo, c.hi, c.whole), c.answer);
        EXPECT_EQ(asks, c.asks);
    }
    // The answer is typed at the entry's place, behind its prompt.
    ScopedConsole sc("12{ENTER}");
    morva::ask_number(nullptr, {68, 22, "> "}, 0, 99);
    EXPECT_EQ(text_at(sc.screen(), 68, 22, 4), "> 12");
}

// A unit count: whole numbers in range only; an empty or malformed line is refused by the
// line input itself and read again without asking the question again.
TEST(CampaignDialogue, CountAskedAgain) {
    const struct {
        const char* name;
        const char* keys;
        con::real answer;
        int asks;
    } cases[] = {
        {"in range at once", "3{ENTER}", 3, 1},
        {"above, negative, fractional, then 0", "6{ENTER}-1{ENTER}2.5{ENTER}0{ENTER}", 0, 4},
        {"an empty line and a word are read again", "{ENTER}abc{ENTER}5{ENTER}", 5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedConsole sc(c.keys);
        int asks = 0;
        EXPECT_EQ(morva::ask_count([&asks] { ++asks; }, {58, 20, ""}, 0, 5), c.answer);
        EXPECT_EQ(asks, c.asks);
    }
}

}  // namespace

namespace {

TEST(CampaignDialogue, YesNoDrawnBeforeEachKey) {
    const struct {
        const char* keys;
        bool answer;
        int draws;
    } cases[] = {{"y!", true, 1}, {"N!", false, 1}, {"x{ENTER}n!", false, 3}};
    for (const auto& c : cases) {
        ScopedConsole sc(c.keys);
        int draws = 0;
        std::string key;
        EXPECT_EQ(morva::ask_yes_no(key, [&draws] { ++draws; }), c.answer) << c.keys;
        EXPECT_EQ(draws, c.draws) << c.keys;
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(CampaignDialogue, EmptyLinesAndCounts) {
    // An empty line is 0, or asks again.
    for (auto empty : {morva::EmptyLine::IsZero, morva::EmptyLine::AsksAgain}) {
        ScopedConsole sc("{ENTER}5{ENTER}!");
        int asks = 0;
        const con::real n = morva::ask_number([&asks] { ++asks; }, {40, 20, ""}, 0, 9, true, empty);
        const bool again = empty == morva::EmptyLine::AsksAgain;
        EXPECT_EQ(n, again ? 5 : 0);
        EXPECT_EQ(asks, again ? 2 : 1);
        EXPECT_EQ(next_key(), again ? "!" : "5");
    }
    // The console's number input asks again by itself for an empty or malformed line; the
    // range and fractions ask again from the question.
    ScopedConsole sc("{ENTER}4x{ENTER}12{ENTER}-1{ENTER}2.5{ENTER}7{ENTER}!");
    int asks = 0;
    EXPECT_EQ(morva::ask_count([&asks] { ++asks; }, {13, 20, "機のうち雷装は何機 ? "}, 0, 9), 7);
    EXPECT_EQ(asks, 4);
    EXPECT_EQ(text_at(sc.screen(), 13, 20, 22), "機のうち雷装は何機 ? 7");
    EXPECT_EQ(next_key(), "!");
}

}  // namespace
