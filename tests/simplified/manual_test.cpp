// MORVA95S's in-game manual: every page's lines stay within the 80 x 24 grid, the menu's keys.
#include <gtest/gtest.h>

#include <string>

#include "console/errors.h"
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

// The ship data pages print the very values the game plays with: each value read back from the
// screen equals the loaded ship table (carriers' slots 2-5 the single-aircraft figures).
struct ShipBlock {
    int side, first, last, row_offset, name_column, value_column, step;
    bool carrier;
};

void expect_block_matches(const simplified_test::Loaded& st, const con::Screen& screen, const ShipBlock& b) {
    for (int s = b.first; s <= b.last; ++s) {
        const int row = s + b.row_offset;
        EXPECT_TRUE(testing_support::shows(screen, b.name_column, row, st.st->MM(b.side, s))) << s;
        for (int k = 1; k <= 8; ++k) {
            if (b.side == 0 && b.carrier && s <= 6 && k == 8) continue;  // covered by the scenario's name
            const float v = (b.carrier && k >= 2 && k <= 5) ? st.st->CC(b.side, s, k) : st.st->A(b.side, s, k);
            const std::string cell = testing_support::text_at(screen, b.value_column + b.step * (k - 1) + 1, row, 2);
            EXPECT_EQ(std::stoi(cell), static_cast<int>(v)) << "side " << b.side << " ship " << s << " slot " << k;
        }
    }
}

TEST(Manual, ShipDataPagesShowTheBuiltInTables) {
    simplified_test::Loaded japanese;
    EXPECT_THROW(morva95s::manual::show_ship_data_chapter(*japanese), con::ProgramEnd);
    expect_block_matches(japanese, japanese.console.screen(), {0, 1, 21, 1, 0, 6, 4, true});
    expect_block_matches(japanese, japanese.console.screen(), {0, 22, 33, -20, 40, 46, 4, false});

    simplified_test::Loaded allied("x");
    EXPECT_THROW(morva95s::manual::show_ship_data_chapter(*allied), con::ProgramEnd);
    const con::Screen& screen = allied.console.screen();
    expect_block_matches(allied, screen, {1, 1, 13, 0, 0, 14, 3, true});
    expect_block_matches(allied, screen, {1, 14, 15, 8, 40, 54, 3, true});
    expect_block_matches(allied, screen, {1, 16, 35, -15, 40, 54, 3, false});
    expect_block_matches(allied, screen, {1, 36, 42, -21, 0, 14, 3, false});
}

}  // namespace
