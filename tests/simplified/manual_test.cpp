// MORVA95S's in-game manual: every page's lines stay within the 80 x 24 grid, the menu's keys.
#include <gtest/gtest.h>

#include "console/text.h"
#include "simplified/manual.h"
#include "tests/simplified/simplified_support.h"

namespace {

using morva95s::manual::Page;

// Row 23 is printed without a line end, so the last column of the grid is usable there too.
void expect_within_grid(const Page& page, const char* name) {
    auto check = [&](const morva::Text& t) {
        EXPECT_GE(t.row, 0) << name << ": " << t.words;
        EXPECT_LE(t.row, 23) << name << ": " << t.words;
        EXPECT_GE(t.column, 0) << name << ": " << t.words;
        EXPECT_LE(t.column + con::byte_length(t.words), 80) << name << " row " << t.row << ": " << t.words;
    };
    for (const morva::Text& t : page.texts) check(t);
    check(page.prompt);
}

TEST(Manual, EveryFixedPageStaysWithinTheGrid) {
    expect_within_grid(morva95s::manual::menu_page(), "menu");
    expect_within_grid(morva95s::manual::system_page(), "system");
}

TEST(Manual, MenuIgnoresOtherKeysAndItemSixReturnsWithTheMenuShown) {
    simplified_test::Loaded st("0x7{ESC}{ENTER}{UP}1z6");
    morva95s::SETUMEI(*st);
    // The comparison page was opened by "1", turned by "z"; "6" returned at the menu.
    EXPECT_TRUE(testing_support::shows(st.console.screen(), 30, 23, "Hit  1 - 6  Key", 6));
    EXPECT_TRUE(testing_support::shows(st.console.screen(), 26, 21, "6   ＭＡＩＮ ＭＥＭＵ に戻る", 6));
    EXPECT_EQ(st->WAIT_KEY_RESULT, "6");
}

}  // namespace
