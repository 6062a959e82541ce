// MORVA95S's in-game manual: every page's lines stay within the 80 x 24 grid, the menu's keys.
#include <gtest/gtest.h>

#include <string>

#include "console/console_state.h"
#include "console/errors.h"
#include "console/graphics.h"
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
    namespace m = morva95s::manual;
    expect_within_grid(m::menu_page(), "menu");
    expect_within_grid(m::system_page(), "system");
    for (int p = 1; p <= 16; ++p) expect_within_grid(m::rules_page(p), ("rules " + std::to_string(p)).c_str());
    expect_within_grid({m::detailed_table_lines(), m::rules_page(8).prompt}, "rules 8 lines");
    for (int p = 1; p <= 3; ++p) expect_within_grid(m::background_page(p), ("background " + std::to_string(p)).c_str());
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

namespace {

using simplified_test::Loaded;

// The base table beside the first rules page shows the base tables the game plays with: every
// name in cyan for a Japanese base and yellow otherwise, and the strength of bases 6-21. Bases
// changed in the tables show changed on the page.
void expect_base_table_matches(Loaded& st) {
    const con::Screen& screen = st.console.screen();
    for (int b = 1; b <= 21; ++b) {
        const int colour = st.st->P(b, morva95s::P_HOLDER) == 0 ? 5 : 6;
        EXPECT_TRUE(simplified_test::shows(screen, 5, b + 1, st.st->TX(b), colour)) << b;
        const std::string strength = testing_support::text_at(screen, 22, b + 1, 4);
        if (b < 6) {
            if (b > 1) {
                EXPECT_EQ(strength, "    ") << b;  // row 2 holds "(初期値)" there
            }
            continue;
        }
        EXPECT_EQ(std::stoi(strength), static_cast<int>(st.st->P(b, morva95s::P_STRENGTH))) << b;
        EXPECT_EQ(screen.cell(23, b + 1).colour, 5) << b;
    }
}

TEST(ManualRules, BaseTableShowsTheBaseTables) {
    Loaded built_in;
    EXPECT_THROW(morva95s::manual::show_rules_chapter(*built_in), con::ProgramEnd);
    expect_base_table_matches(built_in);
    EXPECT_EQ(simplified_test::row_of(built_in.console.screen(), 10),
              "     アリューシャン    8        その拠点を占領できます。");

    Loaded changed;
    changed->P(8, morva95s::P_HOLDER) = 0;
    changed->P(7, morva95s::P_STRENGTH) = 33;
    EXPECT_THROW(morva95s::manual::show_rules_chapter(*changed), con::ProgramEnd);
    expect_base_table_matches(changed);
}

// Page 2 blanks only the right-hand side: what stands on the screen is the base table and page 2,
// exactly as if page 2 had been drawn beside the base table on an empty screen.
TEST(ManualRules, SecondPageLeavesNothingOfTheFirstButTheBaseTable) {
    Loaded turned("x");
    EXPECT_THROW(morva95s::manual::show_rules_chapter(*turned), con::ProgramEnd);

    Loaded fresh;
    con::clear_screen(0);
    morva95s::manual::draw_base_table(*fresh);
    EXPECT_THROW(morva95s::manual::show_page_over(*fresh, morva95s::manual::rules_page(2)), con::ProgramEnd);
    EXPECT_EQ(turned.console.screen().dump_text(), fresh.console.screen().dump_text());
    EXPECT_EQ(turned.console.screen().dump_colours(), fresh.console.screen().dump_colours());
}

// Page 7 prints each type's name and values from the aircraft tables, except the bombers' hit
// values, which are the fixed faces of the die; page 8 keeps the names and the defence values
// and replaces the bombers' lines whole.
TEST(ManualRules, AircraftTablesShowTheAircraftTables) {
    Loaded simplified("xxxxxx");
    simplified->Z(6, 1) = 3;  // a changed table value shows changed
    EXPECT_THROW(morva95s::manual::show_rules_chapter(*simplified), con::ProgramEnd);
    const con::Screen& screen = simplified.console.screen();
    EXPECT_EQ(testing_support::text_at(screen, 0, 0, 10), "簡略モード");
    const char* const kHitFaces[13] = {"", "", "", "", "", "", "5", "4", "3", "", "1", "2", "1"};
    for (const morva95s::manual::AircraftRow& r : morva95s::manual::kAircraftRows) {
        EXPECT_TRUE(testing_support::shows(screen, 2, r.row, simplified->NN(r.type))) << r.type;
        for (int k = 1; k <= 4; ++k) {
            const std::string cell = testing_support::text_at(screen, 8 + 7 * k + 1, r.row, 2);
            if (k == 2 && r.row >= 6)
                EXPECT_EQ(cell, std::string(kHitFaces[r.row]) + " ") << r.type;
            else
                EXPECT_EQ(std::stoi(cell), static_cast<int>(simplified->Z(r.type, k))) << r.type << " " << k;
        }
    }

    Loaded detailed("xxxxxxx");
    EXPECT_THROW(morva95s::manual::show_rules_chapter(*detailed), con::ProgramEnd);
    const con::Screen& over = detailed.console.screen();
    EXPECT_EQ(testing_support::text_at(over, 0, 0, 10), "詳細モード");
    for (const morva::Text& t : morva95s::manual::detailed_table_lines()) {
        std::string words = t.words;
        words.erase(words.find_last_not_of(' ') + 1);
        // Nothing of page 7 is left behind a replaced line, up to the notes of page 8.
        const int to = t.row >= 11 && t.row <= 12 ? 68 : 80;
        std::string rest = testing_support::text_at(over, t.column, t.row, to - t.column);
        rest.erase(rest.find_last_not_of(' ') + 1);
        EXPECT_EQ(rest, words) << "row " << t.row;
    }
    for (const morva95s::manual::AircraftRow& r : morva95s::manual::kAircraftRows) {
        EXPECT_TRUE(testing_support::shows(over, 2, r.row, detailed->NN(r.type))) << r.type;
        EXPECT_EQ(std::stoi(testing_support::text_at(over, 16, r.row, 2)), static_cast<int>(detailed->Z(r.type, 1)));
    }
    EXPECT_EQ(testing_support::text_at(over, 36, 1, 4), " 270");
}

// The chapter turns one page per key, sixteen pages, then the menu is drawn afresh; the fifth
// chapter has three pages.
TEST(ManualRules, ChaptersTurnOnePagePerKeyAndReturnToTheMenu) {
    Loaded last_rules_page("3" + std::string(15, 'x'));
    EXPECT_THROW(morva95s::SETUMEI(*last_rules_page), con::ProgramEnd);
    EXPECT_TRUE(simplified_test::shows(last_rules_page.console.screen(), 17, 1, "詳細モードにおける特別ルール", 7));

    Loaded rules_back("3" + std::string(16, 'x') + "5xx");
    EXPECT_THROW(morva95s::SETUMEI(*rules_back), con::ProgramEnd);
    EXPECT_TRUE(simplified_test::shows(rules_back.console.screen(), 4, 2, "２　建造施設", 6));

    Loaded background_back("5xxx");
    EXPECT_THROW(morva95s::SETUMEI(*background_back), con::ProgramEnd);
    EXPECT_TRUE(simplified_test::shows(background_back.console.screen(), 30, 23, "Hit  1 - 6  Key", 6));
}

// The building-schedule chart: the time axis with its year ticks, and the marks of each bar in
// their colours over the magenta bar.
TEST(ManualBackground, ScheduleChartIsDrawnToItsScale) {
    Loaded chart("5xx");
    EXPECT_THROW(morva95s::SETUMEI(*chart), con::ProgramEnd);
    const con::Screen& screen = chart.console.screen();
    using con::gfx::point_colour;
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(point_colour(screen, 63 * k + 50, 124), 15) << k;
        EXPECT_EQ(point_colour(screen, 63 * k + 50, 132), 15) << k;
    }
    EXPECT_EQ(point_colour(screen, 400, 128), 15);
    EXPECT_EQ(point_colour(screen, 410, 81), 11);
    EXPECT_EQ(point_colour(screen, 570, 84), 5);
    for (const morva95s::manual::BuildingBar& b : morva95s::manual::building_bars()) {
        EXPECT_EQ(point_colour(screen, b.keel, b.y - 3), 11) << b.y;
        EXPECT_EQ(point_colour(screen, b.launch, b.y + 3), 15) << b.y;
        EXPECT_EQ(point_colour(screen, b.completion, b.y), 5) << b.y;
        EXPECT_EQ(point_colour(screen, (b.keel + b.launch) / 2, b.y), 7) << b.y;
    }
    // The first group of the assumed programme is laid down on the tick of 1 January Showa 12.
    EXPECT_EQ(morva95s::manual::building_bars()[6].keel, 63 * 4 + 50);
}

}  // namespace
