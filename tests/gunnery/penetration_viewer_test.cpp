// The penetration viewer: the cells of the real-gun and planned-gun tables, what they leave in
// E for the graphs, the choice screen, the graphs' labels and lines.
#include <gtest/gtest.h>

#include "console/graphics.h"
#include "gunnery/penetration_viewer.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::Armour;
using kelmat::Block;
using kelmat::PenCell;
using kelmat_test::Harness;

namespace {

std::vector<PenCell> cells(std::initializer_list<std::pair<int, int>> list) {
    std::vector<PenCell> out;
    for (auto [step, cm] : list) out.push_back({step, static_cast<con::real>(cm)});
    return out;
}

int last_step(const std::vector<PenCell>& row) { return row.empty() ? -1 : row.back().step; }

TEST(RealGunTables, CellsOfWorkedRows) {
    auto s = kelmat_test::started();
    // 8/40: the belt row stops where the curve has passed its minimum (6.45 cm at 12 km
    // against 5.75 at 10 km); the deck row starts at 4 km (1.0 and 1.5 cm both show 1).
    EXPECT_EQ(kelmat::real_table_row(*s, 1, Armour::Belt), cells({{0, 23}, {1, 17}, {2, 12}, {3, 8}, {4, 6}, {5, 5}}));
    EXPECT_EQ(kelmat::real_table_row(*s, 1, Armour::Deck), cells({{2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}}));
    // 8/50: down to 2 at 20 km; 22-28 km fall below 1 mm.
    auto type2 = kelmat::real_table_row(*s, 2, Armour::Belt);
    EXPECT_EQ(last_step(type2), 10);
    EXPECT_EQ(type2.back().cm, 2);
    // 14/45新式 (range 32 km): out to 30 km; 21.03 cm at 32 km is above 20.97 at 30 km.
    auto type14 = kelmat::real_table_row(*s, 14, Armour::Belt);
    EXPECT_EQ(type14.size(), 16u);
    EXPECT_EQ(last_step(type14), 15);
    EXPECT_EQ(type14.back().cm, 20);
    // 15/45新式 has the longest real range, 43 km: its row ends at 42 km with 11.
    auto type18 = kelmat::real_table_row(*s, 18, Armour::Belt);
    EXPECT_EQ(last_step(type18), 21);
    EXPECT_EQ(type18.back().cm, 11);
    for (int k = 1; k <= 23; ++k) EXPECT_LE(last_step(kelmat::real_table_row(*s, k, Armour::Belt)), 21) << k;
}

TEST(RealGunTables, TableRowsShareRowFourteen) {
    const std::pair<int, int> rows[] = {{1, 2}, {13, 14}, {14, 14}, {15, 15}, {23, 23}};
    for (auto [k, row] : rows) EXPECT_EQ(kelmat::real_table_text_row(k), row) << "type " << k;
}

TEST(RealGunTables, DeckCellsKeepTheBeltValuesWhereTheyShowNothing) {
    Harness h;
    h.run("x4Rkk");
    ASSERT_EQ(h.current_block(), Block::RealDeckTable);
    auto& s = h.s();
    EXPECT_EQ(s.E(1, 0), 239) << "the belt value at point-blank range stays";
    EXPECT_EQ(s.E(1, 2), 10) << "the deck value at 4 km replaces the belt value";
    EXPECT_EQ(s.E(1, 6), 30) << "12 km: no belt value, the deck value";
    EXPECT_EQ(s.E(1, 7), 0) << "beyond the range";
    EXPECT_EQ(s.E(24, 0), 0) << "type 24 is cleared and not shown";
}

TEST(PlannedGunTables, CellsOfWorkedRows) {
    auto s = kelmat_test::started();
    auto type35 = kelmat::planned_table_row(*s, 35, Armour::Belt);
    ASSERT_EQ(type35.size(), 17u) << "a 70 km range fills every belt column";
    EXPECT_EQ(type35.front().cm, 140);
    // The curve rises again after its lowest point near 60 km: 743.1, 740.7, 744.1 mm.
    for (int step = 14; step <= 16; ++step) EXPECT_EQ(type35[step].cm, 74) << step;
    EXPECT_NEAR(s->E(35, 14), 743.1, 0.05);
    EXPECT_NEAR(s->E(35, 15), 740.7, 0.05);
    EXPECT_NEAR(s->E(35, 16), 744.1, 0.05);
    // 15/45旧式 (type 17), the shortest range of 21 km: six belt cells, 0-20 km.
    EXPECT_EQ(kelmat::planned_table_row(*s, 17, Armour::Belt).size(), 6u);
    // 645 mm (14/45 at point-blank range) shows 64.
    EXPECT_EQ(kelmat::planned_table_row(*s, 14, Armour::Belt).front().cm, 64);
}

TEST(PlannedGunTables, FirstDeckCells) {
    auto s = kelmat_test::started();
    for (int t = 14; t <= 36; ++t) {
        auto row = kelmat::planned_table_row(*s, t, Armour::Deck);
        ASSERT_FALSE(row.empty()) << t;
        const bool early = t == 14 || t == 15 || t == 16 || t == 18 || t == 19;
        EXPECT_EQ(row.front().step, early ? 2 : 3) << "type " << t;
        EXPECT_GE(row.front().cm, 1);
        // A cell at the range limit is shown, none beyond it.
        EXPECT_EQ(4 * last_step(row), 4 * static_cast<int>(s->W(kelmat::W_RANGE, t) / 4)) << "type " << t;
    }
    EXPECT_EQ(last_step(kelmat::planned_table_row(*s, 35, Armour::Deck)), 17) << "68 km only for a 70 km range";
}

TEST(PlannedGunTables, DeckTableLeavesTheBeltValuesInItsBlankCells) {
    Harness h;
    h.run("x4Pkk");
    ASSERT_EQ(h.current_block(), Block::PlannedDeckTable);
    auto& s = h.s();
    EXPECT_EQ(s.E(36, 0), 1330) << "no deck value at 0 km: the belt value stays";
    EXPECT_EQ(s.E(36, 3), 12 * 310 / 20 - 130) << "the deck value replaces it";
    EXPECT_EQ(s.E(17, 6), 0) << "beyond type 17's range";
    EXPECT_EQ(s.E(1, 0), 0) << "the real guns' values are cleared";
}

TEST(PenetrationViewer, ChoiceKeys) {
    struct Case {
        const char* keys;
        Block block;
    };
    const Case cases[] = {
        {"x4", Block::PenetrationViewer},         {"x4Z1{ENTER}{ESC}", Block::PenetrationViewer},
        {"x4r", Block::RealBeltTable},             {"x4R", Block::RealBeltTable},
        {"x4p", Block::PlannedBeltTable},          {"x4P", Block::PlannedBeltTable},
        {"x4Rkkkk", Block::MainMenu},              {"x4Pkkkk", Block::MainMenu},
        {"x4Rk{ENTER}", Block::RealDeckTable},     {"x4Pk{ESC}", Block::PlannedDeckTable},
    };
    for (const auto& c : cases) {
        Harness h;
        auto run = h.run(c.keys);
        EXPECT_EQ(h.current_block(), c.block) << c.keys;
    }
    auto run = testing_support::run_program(kelmat95_program(), "x4Z1{ENTER}");
    EXPECT_EQ(run.text_at(23, 9, 25), "Ｒ Ｋｅｙを押してください");
    EXPECT_EQ(run.colour_at(25, 7), 6) << "in the menu's yellow";
}

TEST(PenetrationViewer, SecondEntryReadsNoStoredData) {
    Harness h;
    h.run("x");
    const float count = h.s().BLUE_COUNT;
    h.run("x4");
    auto& s = h.s();
    EXPECT_EQ(s.D(0, 1), 35);
    EXPECT_EQ(s.D(1, 36), 2);
    EXPECT_EQ(s.BLUE_COUNT, count) << "the label places are not read through the ship count";
    s.D(0, 1) = 99;
    s.data.restore_data("GunLabelOrder");
    const std::size_t position = s.data.remaining();
    h.run("", Block::PenetrationViewer);
    EXPECT_EQ(s.D(0, 1), 99);
    EXPECT_EQ(s.data.remaining(), position);
}

TEST(PenetrationGraphs, LabelRowsAndColours) {
    struct Case {
        const char* keys;
        int row;
        const char* text;
        int colour;
    };
    const Case cases[] = {
        // Real belt graph: 8/40 on row 22 in yellow; 14/45新式 written over 14/45旧式 on row 11.
        {"x4Rk", 22, "8/40", 6},
        {"x4Rk", 11, "14/45新式", 2},
        {"x4Rk", 1, "18/45", 6},
        // Real deck graph: 14/50 over the first five columns of 14/45新式 on row 9.
        {"x4Rkkk", 9, "14/50新式", 6},
        {"x4Rkkk", 23, "8/40", 6},
        // Planned graphs: 25/58 on row 2 in magenta (belt); from type 21 on the deck names
        // stand one row lower (16/45 on row 17, 15/50 on row 21).
        {"x4Pk", 2, "25/58", 3},
        {"x4Pk", 20, "15/47", 7},
        {"x4Pkkk", 17, "16/45", 3},
        {"x4Pkkk", 21, "15/50", 1},
        {"x4Pkkk", 3, "25/58", 3},
    };
    for (const auto& c : cases) {
        auto run = testing_support::run_program(kelmat95_program(), c.keys);
        const std::string& text = c.text;
        EXPECT_EQ(run.text_at(0, c.row, static_cast<int>(con::byte_length(text))), text) << c.keys << " row " << c.row;
        EXPECT_EQ(run.colour_at(0, c.row), c.colour) << c.keys << " row " << c.row;
    }
}

TEST(PenetrationGraphs, ScalesKeyLinesAndTitles) {
    auto belt = testing_support::run_program(kelmat95_program(), "x4Rk");
    EXPECT_EQ(belt.text_at(70, 0, 6), " 42 km");
    EXPECT_EQ(belt.text_at(74, 1, 6), " 70 cm");
    EXPECT_EQ(belt.text_at(74, 19, 6), " 10 cm");
    EXPECT_EQ(belt.text_at(40, 23, 33), "Hit Any Key  (装甲値表示は Z Key)");
    EXPECT_EQ(belt.colour_at(40, 23), 5);
    EXPECT_EQ(belt.colour_at(48, 5), 4);
    auto planned = testing_support::run_program(kelmat95_program(), "x4Pk");
    EXPECT_EQ(planned.text_at(74, 1, 6), "140 cm");
    EXPECT_EQ(planned.text_at(74, 19, 6), " 20 cm");
    EXPECT_EQ(planned.text_at(9, 0, 3), " 0 ");
    EXPECT_EQ(planned.text_at(36, 23, 11), "Hit Any Key");
    auto planned_deck = testing_support::run_program(kelmat95_program(), "x4Pkkk");
    EXPECT_EQ(planned_deck.text_at(7, 0, 3), " 0 ");
    EXPECT_EQ(planned_deck.text_at(74, 1, 6), " 70 cm");
    EXPECT_EQ(planned_deck.text_at(40, 23, 11), "Hit Any Key");
}

TEST(PenetrationGraphs, LinesOnThePlane) {
    using con::gfx::point_colour;
    auto belt = testing_support::run_program(kelmat95_program(), "x4Rk");
    const auto& plane = belt.screen();
    EXPECT_EQ(point_colour(plane, 590, 399), 15) << "the gridlines end at x 590";
    EXPECT_EQ(point_colour(plane, 591, 399), 0);
    EXPECT_EQ(point_colour(plane, 590, 21), 15);
    // 8/40 starts at 239 mm: y = 399 - 0.54 x 239 = 269.94, in yellow (graphics colour 13).
    EXPECT_EQ(point_colour(plane, 70, 270), 13);
    // Nothing beyond 42 km (x 574) but the gridlines.
    for (int y = 22; y < 399; ++y)
        if (y % 54 != 21) {
            ASSERT_EQ(point_colour(plane, 580, y), 0) << y;
        }
    auto deck = testing_support::run_program(kelmat95_program(), "x4Rkkk");
    // The deck lines start at 10 km (x 190): nothing left of it but the gridlines.
    for (int y = 22; y < 399; ++y)
        if (y % 54 != 21) {
            ASSERT_EQ(point_colour(deck.screen(), 185, y), 0) << y;
        }
    auto table = testing_support::run_program(kelmat95_program(), "x4P");
    EXPECT_EQ(point_colour(table.screen(), 0, 195), 15) << "the planned tables' rule";
    EXPECT_EQ(point_colour(table.screen(), 639, 195), 15);
    EXPECT_EQ(point_colour(table.screen(), 320, 196), 0);
    // The planned belt curve of 25/58 starts on the top gridline (140 cm at 0 km).
    auto planned = testing_support::run_program(kelmat95_program(), "x4Pk");
    EXPECT_EQ(point_colour(planned.screen(), 70, 21), 7);
}

}  // namespace
