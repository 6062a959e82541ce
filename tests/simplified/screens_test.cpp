// The small screens the phases share: the header line, the F1 handler with its status panel
// and Allied overview, the distance sketch, the comment pause and the message-row blanking;
// each checked for its texts, positions and colours.
#include <gtest/gtest.h>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using morva95s::TT_DAY;
using morva95s::TT_FLEET;
using morva95s::TT_GUN_SUBTURN;
using morva95s::TT_SCENARIO;
using morva95s::TT_SUBTURN;
using morva95s::TT_TURN;
using morva95s::TT_WAIT;

TEST(HeaderLine, DatesByTurn) {
    const int months[13] = {0, 12, 2, 3, 5, 6, 8, 9, 11, 12, 2, 3, 5};
    for (int turn = 1; turn <= 12; ++turn) {
        const auto [year, month] = morva95s::calendar_of_turn(turn);
        EXPECT_EQ(year, turn == 1 ? 1941 : (turn > 9 ? 1943 : 1942)) << turn;
        EXPECT_EQ(month, months[turn]) << turn;
    }
}

TEST(HeaderLine, FieldsAndPositions) {
    Loaded st;
    st->TT(TT_TURN) = 8;
    st->TT(TT_DAY) = 2;
    st->TT(TT_SUBTURN) = 20;
    st->TT(TT_GUN_SUBTURN) = 20;
    st->TT(TT_SCENARIO) = 1;
    st->TT(TT_FLEET) = 2;
    st->AT(2) = 17;
    morva95s::HINITI(*st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 0, 0, " 8 TURN   1942 年 11 月", 7));
    EXPECT_TRUE(shows(s, 24, 0, "第 2 艦隊", 7));
    EXPECT_TRUE(shows(s, 35, 0, "フィジー・サモア方面", 7));
    EXPECT_TRUE(shows(s, 58, 0, "第 2 日", 7));
    EXPECT_TRUE(shows(s, 66, 0, " 23 時", 7));
    EXPECT_TRUE(shows(s, 73, 0, " 57 分", 7));
    EXPECT_EQ(con::cursor_row(), 1);
    // The single operation shows no turn or date; sub-turn 0 erases the row and shows nothing.
    st->TT(TT_SCENARIO) = 6;
    st->TT(TT_SUBTURN) = 1;
    st->TT(TT_GUN_SUBTURN) = 1;
    morva95s::HINITI(*st);
    EXPECT_EQ(row_of(s, 0).substr(0, 24), std::string(24, ' '));
    EXPECT_TRUE(shows(s, 66, 0, " 4 時", 7));
    EXPECT_TRUE(shows(s, 73, 0, " 0 分", 7));
    st->TT(TT_SUBTURN) = 0;
    morva95s::HINITI(*st);
    EXPECT_EQ(row_of(s, 0), "");
}

TEST(FunctionKey, DisplayTimeKeys) {
    struct Case {
        const char* key;
        float wait;
    } cases[] = {{"5", 64}, {"9", 1024}, {"1", 4}, {"0", 100}, {"q", 100}, {"A", 100}, {"{UP}", 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Loaded st(c.key);
        morva95s::FKEY_HANDLER(*st);
        EXPECT_EQ(st->TT(TT_WAIT), c.wait);
        EXPECT_EQ(row_of(st.console.screen(), 0), "") << "nothing is shown";
    }
}

TEST(FunctionKey, StatusPanelWithEveryBaseHeld) {
    Loaded st("Q");
    for (int b = 1; b <= 21; ++b) st->P(b, 1) = 0;
    st->ALLIED_CV_SUNK = 3;
    morva95s::FKEY_HANDLER(*st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 74, 1, "勢力値", 6));
    for (int row = 7; row <= 22; ++row) EXPECT_EQ(text_at(s, 76, row, 4), "    ") << row;
    EXPECT_TRUE(shows(s, 50, 0, "戦果   空母  3  戦艦  0", 6));
    EXPECT_EQ(con::cursor_row(), 1);
    EXPECT_EQ(con::cursor_column(), 0);
}

namespace {

// A state in an operation whose Allied group 1 has 2 carriers and `battleships` battleships
// (ships 16 on) and group 2 one carrier.
void set_overview(morva95s::State& st, int battleships) {
    st.OPERATION_ACTIVE = 1;
    st.FLEET_NO = 1;
    st.AT(1) = 18;
    st.P(18, 5) = 7;
    st.CV(1, 1) = 2;
    st.C(1, 1, 1) = 1;
    st.C(1, 1, 2) = 3;
    st.BB(1, 1) = static_cast<float>(battleships);
    for (int k = 1; k <= battleships; ++k) st.G(1, 1, k) = static_cast<float>(15 + k);
    st.CV(1, 2) = 1;
    st.C(1, 2, 1) = 2;
    st.OC(1) = 2;
    st.OC(2) = 1;
    st.O(0) = 4;
    st.O(3) = 2;
    st.TK(1) = 1;
    st.H(1) = 1;
    st.FLEET_DISTANCE = 9;
    st.OPERATION_CHARACTER = -1;
}

// Runs the F1 handler until it waits for the key that closes the overview.
void show_overview(Loaded& st) {
    try {
        morva95s::FKEY_HANDLER(*st);
    } catch (const con::ProgramEnd&) {
    }
}

}  // namespace

TEST(FunctionKey, AlliedOverview) {
    Loaded st("Q");
    set_overview(*st, 3);
    show_overview(st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 0, 0, "LEXINGTON 6", 6));
    EXPECT_TRUE(shows(s, 0, 1, "ENTERPRISE 6", 6));
    EXPECT_TRUE(shows(s, 30, 0, "SARATOGA 6", 6));
    EXPECT_TRUE(shows(s, 0, 10, "SOUTHDAKOTA 6", 6));
    EXPECT_TRUE(shows(s, 0, 12, "MASSACHUSETTS 6", 6));
    EXPECT_EQ(row_of(s, 13), "");
    EXPECT_TRUE(shows(s, 60, 2, " 4", 6));
    EXPECT_TRUE(shows(s, 60, 5, " 2", 6));
    EXPECT_TRUE(shows(s, 60, 9, " 20  7", 6));
    EXPECT_TRUE(shows(s, 60, 12, "退 1 発 1", 6));
    EXPECT_TRUE(shows(s, 60, 14, " 9 -1", 6));
    EXPECT_TRUE(shows(s, 60, 18, " 2", 6));
    EXPECT_TRUE(shows(s, 60, 19, " 1", 6));
    // The key closes it and leaves the screen empty.
    Loaded closed("Qx");
    set_overview(*closed, 3);
    morva95s::FKEY_HANDLER(*closed);
    for (int row = 0; row < 24; ++row) EXPECT_EQ(row_of(closed.console.screen(), row), "") << row;
}

TEST(FunctionKey, AlliedOverviewNeverWritesPastTheLastRow) {
    // Twenty battleships in group 1 (the single operation allows them): the fifteenth and
    // later go into a second column of the group's block, from row 10 on.
    Loaded st("Q");
    set_overview(*st, 20);
    show_overview(st);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 0, 23, "IDAHO 5", 6)) << "the fourteenth on the last row";
    EXPECT_TRUE(shows(s, 16, 10, "PENNSYLVANIA 5", 6));
    EXPECT_TRUE(shows(s, 16, 15, "TEXAS 5", 6));
    EXPECT_TRUE(shows(s, 0, 0, "LEXINGTON 6", 6)) << "nothing scrolled";
}

TEST(SharedBlocks, DistanceSketch) {
    struct Case {
        const char* name;
        float base_distance, air_distance, found, holder;
        int marker_col;
        const char* distance_text;
        int distance_colour;
    } cases[] = {
        {"far", 15, 3, 1, 1, 46, "距離  15", 6},
        {"close", 0.4f, 0, 1, 1, 68, "距離  0", 6},
        {"taken", 5, 13, 1, 0, 58, "陥落", 5},
        {"not found", 5, 2, 0, 1, 58, "距離  5", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->FLEET_NO = 1;
        st->AT(1) = 14;
        st->P(14, 1) = c.holder;
        st->BASE_DISTANCE = c.base_distance;
        st->AIR_DISTANCE = c.air_distance;
        st->H(0) = c.found;
        morva95s::SHOW_DISTANCES(*st);
        const auto& s = st.console.screen();
        if (c.marker_col != 68) {
            EXPECT_TRUE(shows(s, 68, 15, "★", 2)) << "the task force covers it when close";
        }
        EXPECT_TRUE(shows(s, 71, 15, "敵基地", 6));
        EXPECT_TRUE(shows(s, 67, 16, c.distance_text, c.distance_colour));
        const bool enemy_shown = c.found == 1 && c.air_distance <= 12;
        // With the Allied fleet at distance 0 its marks cover the task force's.
        if (c.air_distance != 0 || !enemy_shown) {
            EXPECT_TRUE(shows(s, c.marker_col, 15, "●", 5));
            EXPECT_TRUE(shows(s, c.marker_col - 2, 14, "機動部隊", 6));
        }
        if (enemy_shown) {
            const int row = 15 - static_cast<int>(c.air_distance);
            EXPECT_TRUE(shows(s, c.marker_col, row, "＊", 3));
            EXPECT_TRUE(shows(s, c.marker_col - 2, row - 1, "敵艦隊  距離 ", 6));
        }
    }
}

TEST(SharedBlocks, PauseAndMessageRows) {
    Loaded st("k");
    st->TT(morva95s::TT_COMMENT_KEY) = 1;
    con::print_at(con::Col(0), con::Row(21), std::string(80, 'x'));
    try {
        morva95s::PAUSE_MESSAGE(*st);
    } catch (const con::ProgramEnd&) {
    }
    const auto& s = st.console.screen();
    EXPECT_EQ(text_at(s, 35, 20, 11), "           ") << "blanked after the key";
    EXPECT_EQ(st->DIALOGUE_KEY, "k");
    morva95s::CLEAR_MESSAGE_ROWS(*st);
    EXPECT_EQ(row_of(s, 21), "xxxxxxxxxx" + std::string(68, ' ') + "xx");
    Loaded waiting("");
    waiting->TT(morva95s::TT_COMMENT_KEY) = 1;
    try {
        morva95s::PAUSE_MESSAGE(*waiting);
    } catch (const con::ProgramEnd&) {
    }
    EXPECT_TRUE(shows(waiting.console.screen(), 35, 20, "Hit Any Key", 4));
}
