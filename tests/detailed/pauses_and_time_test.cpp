// The pauses by display time, the display time from the start-up key and from F1, the header
// line and the damage list.
#include <gtest/gtest.h>

#include "console/console_state.h"
#include "detailed/blocks.h"
#include "campaign/damage_list.h"
#include "campaign/display_time.h"
#include "tests/detailed/detailed_support.h"

using detailed_test::Loaded;
using namespace morva95f;

namespace {

std::uint64_t ticks_of(Loaded& st, void (*pause)(State&)) {
    const auto before = st.console.console().log().ticks_waited;
    pause(*st);
    return st.console.console().log().ticks_waited - before;
}

std::string row_text(Loaded& st, int row) { return testing_support::row_of(st.console.screen(), row); }

}  // namespace

TEST(Pauses, TimedWaitsByDisplayTime) {
    struct Case {
        float wait;
        std::uint64_t matu, matu2, message;
    } cases[] = {{1, 1, 0, 0},     {2, 2, 0, 0},       {4, 4, 0, 0},       {8, 8, 0, 0},    {16, 16, 1, 0},
                 {32, 32, 3, 0},   {64, 64, 6, 1},     {128, 128, 12, 2},  {256, 256, 25, 5}, {512, 512, 51, 10}};
    for (const auto& c : cases) {
        Loaded st;
        st->TT(TT_WAIT) = c.wait;
        EXPECT_EQ(ticks_of(st, MATU), c.matu) << "MATU at " << c.wait;
        EXPECT_EQ(ticks_of(st, MATU2), c.matu2) << "MATU2 at " << c.wait;
        EXPECT_EQ(ticks_of(st, PAUSE_MESSAGE), c.message) << "PAUSE_MESSAGE at " << c.wait;
    }
}

TEST(Pauses, KeyModeShowsThePromptAndWaits) {
    Loaded st("a");
    st->TT(TT_COMMENT_KEY) = 1;
    st->TT(TT_WAIT) = 512;
    EXPECT_EQ(ticks_of(st, MATU2), 0u) << "MATU2 does not wait in key mode";
    st.console.type_ahead("x");
    MATU(*st);  // a key already typed ends it at once
    PAUSE_MESSAGE(*st);
    EXPECT_EQ(st->DIALOGUE_KEY, "a");
    EXPECT_EQ(st.console.screen().cursor_column(), 46);
    EXPECT_EQ(st.console.screen().colour(), 4);
    EXPECT_EQ(row_text(st, 20), "") << "the prompt field is blanked after the key";
    // While it waits, "Hit Any Key" stands at column 35 of row 20 in green.
    Loaded waiting("");
    waiting->TT(TT_COMMENT_KEY) = 1;
    EXPECT_THROW(MATU(*waiting), con::ProgramEnd);
    EXPECT_EQ(row_text(waiting, 20), std::string(35, ' ') + "Hit Any Key");
    EXPECT_EQ(waiting.console.screen().cell(35, 20).colour, 4);
}

TEST(Pauses, FlushAndMessageRows) {
    Loaded st;
    st.console.type_ahead("abc");
    FLUSH_KEYBOARD(*st);
    EXPECT_EQ(st->DIALOGUE_KEY, "");
    EXPECT_EQ(con::inkey_string(), "");
    for (int row = 20; row <= 23; ++row) con::print_at(con::Col(0), con::Row(row), std::string(80, 'x'));
    CLEAR_MESSAGE_ROWS(*st);
    EXPECT_EQ(st->LOOP_S, 4);
    for (int row = 20; row <= 23; ++row)
        EXPECT_EQ(st.console.screen().row_text(row), std::string(7, 'x') + std::string(71, ' ') + "xx");
    EXPECT_EQ(st.console.screen().cursor_column(), 78);
    EXPECT_EQ(st.console.screen().cursor_row(), 20);
}

TEST(DisplayTime, FromTheStartUpKey) {
    struct Case {
        const char* key;
        float wait, comment_key;
    } cases[] = {{"0", 1, 0}, {"1", 4, 0}, {"5", 64, 0}, {"8", 512, 0}, {"9", 0, 1}, {"A", 2, 0}, {"{ENTER}", 2, 0}};
    for (const auto& c : cases) {
        Loaded st(std::string(c.key) + "x" + "n");  // "x" is ignored by the aircraft question
        EXPECT_EQ(STARTUP(*st), Block::ScenarioChoice) << c.key;
        EXPECT_EQ(st->TT(TT_WAIT), c.wait) << c.key;
        EXPECT_EQ(st->TT(TT_COMMENT_KEY), c.comment_key) << c.key;
        EXPECT_EQ(st->TT(TT_CHOOSE_LOADS), 0) << c.key;
    }
}

TEST(DisplayTime, SetDisplayTimeDoubles) {
    const float ticks[] = {2, 4, 8, 16, 32, 64, 128, 256, 512, 1024};
    for (int d = 0; d <= 9; ++d) {
        ParamVector tt;
        morva::SET_DISPLAY_TIME(tt, static_cast<float>(d));
        EXPECT_EQ(tt(TT_WAIT), ticks[d]) << d;
    }
}

TEST(DisplayTime, FunctionKeyAnswers) {
    struct Case {
        const char* name;
        const char* keys;
        float wait, comment_key;
    } cases[] = {
        {"0 gives one tick", "0", 1, 0},
        {"5 gives 64", "5", 64, 0},
        {"8 gives 512", "8", 512, 0},
        {"1 gives 4", "1", 4, 0},
        {"9 keeps the time and waits for keys", "9", 100, 1},
        {"Enter gives 2", "{ENTER}", 2, 0},
        {"a letter that does not begin the sequence gives 2", "q", 2, 0},
        {"the sequence's letters count by case", "z", 2, 0},
        {"a break after the first letter is a display key", "Z3", 16, 0},
        {"a break after two letters is a display key", "ZX{ENTER}", 2, 0},
        {"a break by 0 after two letters", "ZX0", 1, 0},
    };
    for (const auto& c : cases) {
        Loaded st(c.keys);
        st->TT(TT_WAIT) = 100;
        st->TT(TT_COMMENT_KEY) = 1;
        FKEY_HANDLER(*st);
        EXPECT_EQ(st->TT(TT_WAIT), c.wait) << c.name;
        EXPECT_EQ(st->TT(TT_COMMENT_KEY), c.comment_key) << c.name;
    }
}

TEST(TimeLine, HeaderLine) {
    Loaded st;
    st->TT(TT_TURN) = 10;
    st->TT(TT_DAY) = 2;
    st->TT(TT_SUBTURN) = 21;
    st->TT(TT_SCENARIO) = 1;
    st->TT(TT_FLEET) = 2;
    st->AT(2) = 16;
    HINITI(*st);
    // The date ends before column 24, the fleet stands at 24, the area at 35, the day at 58
    // and the hour at 66.
    EXPECT_EQ(row_text(st, 0), " 10 TURN   1943 年 2 月 第 2 艦隊  ニューヘブリデス方面   第 2 日  24 時");
    EXPECT_EQ(st.console.screen().cell(1, 0).colour, 7);
    EXPECT_EQ(st.console.screen().cursor_row(), 1);
    EXPECT_EQ(st.console.screen().cursor_column(), 0);
}

TEST(TimeLine, SingleOperationAndNoHourYet) {
    Loaded st;
    st->TT(TT_SCENARIO) = 6;
    st->TT(TT_SUBTURN) = 1;
    st->TT(TT_DAY) = 1;
    st->TT(TT_FLEET) = 1;
    st->AT(1) = 18;
    HINITI(*st);
    EXPECT_EQ(st.console.screen().row_text(0).substr(0, 24), std::string(24, ' ')) << "no turn or date";
    EXPECT_EQ(st.console.screen().row_text(0).substr(24, 12), "第 1 艦隊");
    con::color(3);
    st->TT(TT_SUBTURN) = 0;
    HINITI(*st);
    EXPECT_EQ(row_text(st, 0), "");
    EXPECT_EQ(st.console.screen().colour(), 3) << "a blank header leaves the colour";
}

TEST(DamageList, StateOfEachCarrier) {
    struct Case {
        const char* name;
        float durability, deck;
        const char* text;
        int colour;
        float deck_after;
    } cases[] = {
        {"sunk keeps its deck", 0, 6, "沈没", 2, 6},
        {"above 0 and below 1 is heavy damage", 0.5f, 9, "大破", 3, 0},
        {"durability 2: heavy damage, deck out", 2, 10, "大破", 3, 0},
        {"damaged, deck 7", 4, 7, "小破", 7, 7},
        {"damaged, deck 10", 4, 10, "損害軽微", 6, 10},
        {"full, deck 8", 6, 8, "損害軽微", 6, 8},
        {"full, deck 7", 6, 7, "損害なし", 6, 7},
        {"full, deck 10", 6, 10, "損害なし", 6, 10},
    };
    for (const auto& c : cases) {
        Loaded st;
        st->TT(TT_FLEET) = 2;
        st->CV(0, 2) = 2;
        st->C(0, 2, 1) = 7;
        st->C(0, 2, 2) = 9;
        st->A(0, 9, A_DURABILITY) = c.durability;
        st->A(0, 9, A_FLIGHT_DECK) = c.deck;
        st->A(0, 7, A_FLIGHT_DECK) = 10;
        morva::HIGAI(st->TT, st->CV, st->C, st->MX, st->A);
        EXPECT_EQ(row_text(st, 11), "  1  翔鶴   損害なし") << c.name;
        EXPECT_EQ(row_text(st, 12), std::string("  2  赤城   ") + c.text) << c.name;
        EXPECT_EQ(st.console.screen().cell(12, 12).colour, c.colour) << c.name;
        EXPECT_EQ(st.console.screen().cell(2, 12).colour, 6) << c.name;
        EXPECT_EQ(st.console.screen().cell(5, 12).colour, 6) << c.name;
        EXPECT_EQ(st->A(0, 9, A_FLIGHT_DECK), c.deck_after) << c.name;
    }
}
