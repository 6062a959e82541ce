// The ship data viewer's pages: the class table's pure parts, scripted runs of the built
// program through the five pages of mode 0 and a page of each comparison mode (golden text and
// colour screens), the cells that the pages must show, and the navy of a scenario in memory.
#include <gtest/gtest.h>

#include <string>

#include "gunnery/ship_data_viewer.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::Block;
using kelmat_test::Harness;
using testing_support::BinaryRun;
using testing_support::dump_line;
using testing_support::run_binary;

namespace {

TEST(ViewerClassTable, ShortLayoutTexts) {
    struct Case {
        float navy, c;
        const char* stored;
        const char* shown;
    } cases[] = {
        {1, 2, "3X3  (8)", "3X3"},
        {3, 22, "2X5 (11)", "2X5"},
        {5, 20, "3X2+2X2 (12)", "3X2+2X2"},
        {1, 1, "ABCDEF", "ABCD"},
        {1, 1, "", ""},
        {5, 11, "(21)->(12)", "3X3+2X2"},
        {2, 20, "2X4? (4)", "2X4"},
        {2, 21, "2X4>2X3", "2X4"},
        {2, 19, "2X4>2X3", "2X4>"},
    };
    for (const auto& c : cases) EXPECT_EQ(kelmat::short_layout_text(c.navy, c.c, c.stored), c.shown) << c.stored;
}

TEST(ViewerClassTable, NovelistsOfTheFictionalClasses) {
    // The stored fictional classes by navy: Japan 16-22, the United States 18-22, Germany
    // 17-22, navy 5 17-22; Britain has none.
    const int expected[6][23] = {
        {},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 4, 5},
        {0, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 1, 3, 3},
        {},
        {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 6, 6, 2, 2, 2},
    };
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            // Only the fictional classes show a novelist; the rest of the table is their rule.
            const bool fictional =
                (n == 1 && c >= 16) || (n == 2 && c >= 18) || (n == 4 && c >= 17) || (n == 5 && c >= 17);
            if (!fictional && (n == 1 || n == 3 || n == 5)) continue;
            EXPECT_EQ(kelmat::novelist_number(static_cast<float>(n), static_cast<float>(c)), expected[n][c])
                << n << "," << c;
        }
    EXPECT_EQ(kelmat::novelist_number(3, 22), 0);
}

TEST(ViewerClassTable, Nationalities) {
    struct Case {
        float navy, c;
        int index, column;
    } cases[] = {
        {1, 1, 1, 72},  {1, 22, 1, 72}, {2, 20, 2, 70}, {3, 4, 3, 70},  {4, 22, 4, 70},
        {5, 7, 5, 70},  {5, 8, 6, 70},  {5, 12, 6, 70}, {5, 13, 7, 70}, {5, 16, 7, 70},
        {5, 17, 6, 70}, {5, 18, 7, 70}, {5, 19, 7, 70}, {5, 20, 8, 67}, {5, 22, 8, 67},
    };
    for (const auto& c : cases) {
        const auto nation = kelmat::class_nationality(c.navy, c.c);
        EXPECT_EQ(nation.index, c.index) << c.navy << "," << c.c;
        EXPECT_EQ(nation.column, c.column) << c.navy << "," << c.c;
    }
}

// A run of the built program against the golden screen and colours of the same key script
// in the replay table (tests/programs/golden_replay_test.cpp).
void expect_page(const BinaryRun& run, const std::string& name) {
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::string folder = "golden/kelmat95_ship_viewer_" + name + "/";
    testing_support::expect_golden(run.screen, folder + "screen.txt");
    testing_support::expect_golden(run.colours, folder + "colours.txt");
}

// A cell range of a dump line, by columns (a wide character written once takes two).
std::string dump_cells(const std::string& dump, int col, int row, int count) {
    const std::string line = dump_line(dump, row);
    std::string out;
    int column = 0;
    for (std::size_t p = 0; p < line.size();) {
        const con::TextUnit u = con::next_unit(line, p);
        if (column >= col && column + u.width <= col + count) out += line.substr(p, u.length);
        column += u.width;
        p += u.length;
    }
    return out;
}

TEST(ShipDataViewer, FivePagesOfTheClassTable) {
    testing_support::ScopedTempDir dir;
    const char* navies[] = {"navy1", "navy2", "navy3", "navy4", "navy5"};
    std::string keys = "x3";
    for (const char* navy : navies) {
        expect_page(run_binary("kelmat95", keys), std::string("mode0_") + navy);
        keys += "k";
    }
    // The fifth page's key goes back to the menu.
    BinaryRun menu = run_binary("kelmat95", keys);
    EXPECT_EQ(dump_cells(menu.screen, 29, 4, 16), "どれにしますか ?");
}

TEST(ShipDataViewer, APageOfEachComparisonMode) {
    testing_support::ScopedTempDir dir;
    expect_page(run_binary("kelmat95", "x6kk"), "mode1_navy3");
    expect_page(run_binary("kelmat95", "x7"), "mode2_navy1");
    expect_page(run_binary("kelmat95", "x8kkk"), "mode3_navy4");
}

TEST(ShipDataViewer, CellsOfTheClassTablePages) {
    testing_support::ScopedTempDir dir;
    const BinaryRun japan = run_binary("kelmat95", "x3");
    const BinaryRun plain = run_binary("kelmat95", "x6");
    // Headings three columns further right in mode 0, except the class name's two.
    EXPECT_EQ(dump_cells(japan.screen, 21, 0, 8), "竣工年度");
    EXPECT_EQ(dump_cells(plain.screen, 18, 0, 8), "竣工年度");
    EXPECT_EQ(dump_cells(japan.screen, 61, 1, 8), "(新造時)");
    EXPECT_EQ(dump_cells(plain.screen, 58, 1, 8), "(新造時)");
    for (const BinaryRun* run : {&japan, &plain}) EXPECT_EQ(dump_cells(run->screen, 0, 0, 15), "級名 (同型艦数)");
    // The prompt of mode 0 only.
    EXPECT_EQ(dump_cells(japan.screen, 69, 0, 11), "Hit Any Key");
    EXPECT_EQ(dump_line(japan.colours, 0).substr(69), "444.444.444");
    EXPECT_EQ(dump_cells(plain.screen, 69, 0, 11), "");
    // Japan: class 1 never completed, class 16 a novelist's and an estimate.
    EXPECT_EQ(dump_cells(japan.screen, 21, 2, 6), "(1942)");
    EXPECT_EQ(dump_cells(japan.screen, 22, 3, 4), "1941");
    EXPECT_EQ(dump_cells(japan.screen, 20, 17, 8), "舵川砲介");
    EXPECT_EQ(dump_cells(japan.screen, 46, 17, 4), "950?");
    EXPECT_EQ(dump_cells(plain.screen, 17, 17, 9), std::string(9, ' ')) << "no year and no novelist in modes 1-3";
    EXPECT_EQ(dump_cells(japan.screen, 72, 1, 4), "国籍");
    EXPECT_EQ(dump_cells(japan.screen, 72, 2, 4), "日本");
    // Navy 2: class 20's fixed marks behind its calibre and layout.
    const BinaryRun usa = run_binary("kelmat95", "x3k");
    EXPECT_EQ(dump_cells(usa.screen, 29, 21, 6), "20/50?");
    EXPECT_EQ(dump_cells(usa.screen, 38, 21, 4), "2X4?");
    EXPECT_EQ(dump_cells(usa.screen, 38, 22, 4), "2X4 ");
    const BinaryRun usa_plain = run_binary("kelmat95", "x6k");
    EXPECT_EQ(dump_cells(usa_plain.screen, 26, 21, 6), "20/50?");
    EXPECT_EQ(dump_cells(usa_plain.screen, 35, 21, 4), "2X4?");
    // Navy 5: the refitted class as built and the nationalities.
    const BinaryRun five = run_binary("kelmat95", "x3kkkk");
    EXPECT_EQ(dump_cells(five.screen, 38, 12, 7), "3X3+2X2");
    EXPECT_EQ(dump_cells(five.screen, 70, 18, 8), "イタリア");
    EXPECT_EQ(dump_cells(five.screen, 70, 19, 8), "ソビエト");
    EXPECT_EQ(dump_cells(five.screen, 70, 20, 8), "ソビエト");
    EXPECT_EQ(dump_cells(five.screen, 67, 21, 12), "オルセア王国");
    EXPECT_EQ(dump_cells(five.screen, 67, 23, 12), "オルセア王国");
}

TEST(ShipDataViewer, RowTwentyThreeFilledToItsLastColumnScrollsNothing) {
    testing_support::ScopedTempDir dir;
    // Japan's class 22 in mode 3: the shares end in the last column of the last row.
    const BinaryRun run = run_binary("kelmat95", "x8");
    EXPECT_EQ(dump_cells(run.screen, 72, 23, 8), "20 36 10");
    EXPECT_EQ(dump_cells(run.screen, 0, 0, 4), "級名") << "the headings stay on row 0";
    EXPECT_EQ(dump_cells(run.screen, 0, 23, 4), "若狭");
    // The next page blanks row 23 short of its last column, then prints over it.
    const BinaryRun next = run_binary("kelmat95", "x8k");
    EXPECT_EQ(dump_cells(next.screen, 0, 0, 4), "級名");
    EXPECT_EQ(dump_cells(next.screen, 72, 23, 8), "22 35  9");
}

TEST(ShipDataViewer, KeysTypedAheadPassPagesAndAnyKeyEndsOne) {
    for (const char* keys : {"x3{ENTER}", "x3{ESC}", "x3{BS}", "x3{UP}", "x3a", "x39"}) {
        Harness h;
        h.run(keys);
        EXPECT_EQ(h.current_block(), Block::ShipDataViewer) << keys;
        EXPECT_EQ(h.s().VIEWER_NAVY, 2) << keys;
    }
    Harness h;
    testing_support::ProgramRun run = h.run("x7kkkkk");
    EXPECT_EQ(h.current_block(), Block::MainMenu);
    EXPECT_EQ(run.text_at(29, 4, 16), "どれにしますか ?");
}

TEST(ShipDataViewer, TheScenarioInMemoryKeepsItsBlueNavy) {
    Harness h = kelmat_test::fleet_in_memory();  // BLUE is navy 1
    h.run("x3kkkkk1y");
    EXPECT_EQ(h.s().BLUE_NAVY, 1);
    EXPECT_EQ(h.s().VIEWER_NAVY, 6);
    EXPECT_EQ(h.s().TT(kelmat::TT_BLUE_NAVY), 1) << "the battle gets BLUE's own navy";
}

}  // namespace
