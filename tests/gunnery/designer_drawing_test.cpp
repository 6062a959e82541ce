// SHUHOU, the arrangement drawing of the result screen: the hull, every layout's turrets at
// their stations with one barrel per gun pointing the right way, the speed and the guns
// bearing ahead, astern and abeam; read back from the graphics plane and the text grid.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::Kelmat;

namespace {

struct Station {
    int x, y, facing;  // centre; +1 barrels ahead (right), -1 astern
};
const std::map<std::string, Station> kStations = {
    {"aft2", {360, 240, -1}},  {"aft1", {395, 240, -1}},  {"midaft", {445, 240, -1}}, {"midfore", {470, 240, 1}},
    {"fore1", {525, 240, 1}},  {"fore2", {560, 240, 1}},  {"fore3q", {585, 240, 1}},  {"fore3t", {595, 240, 1}},
    {"wfu", {470, 227, 1}},    {"wfl", {470, 253, 1}},    {"wau", {445, 227, -1}},   {"wal", {445, 253, -1}},
};

struct LayoutCase {
    int layout;
    std::vector<std::pair<const char*, int>> turrets;  // station, guns
    int ahead, astern, abeam;
};

// The turrets drawn and the counts printed for each layout.
const LayoutCase kLayouts[] = {
    {1, {{"aft1", 2}, {"fore1", 2}}, 2, 2, 4},
    {2, {{"aft1", 2}, {"fore1", 2}, {"fore2", 2}}, 4, 2, 6},
    {3, {{"aft1", 3}, {"fore1", 3}}, 3, 3, 6},
    {4, {{"aft2", 2}, {"aft1", 2}, {"fore1", 2}, {"fore2", 2}}, 4, 4, 8},
    {5, {{"aft1", 2}, {"wfu", 2}, {"wfl", 2}, {"fore1", 2}}, 6, 6, 6},
    {6, {{"aft1", 4}, {"fore1", 4}}, 4, 4, 8},
    {7, {{"fore1", 4}, {"fore3q", 4}}, 8, 0, 8},
    {8, {{"aft1", 3}, {"fore1", 3}, {"fore2", 3}}, 6, 3, 9},
    {9, {{"fore1", 3}, {"fore2", 3}, {"fore3t", 3}}, 9, 0, 9},
    {10, {{"aft2", 2}, {"aft1", 2}, {"midaft", 2}, {"fore1", 2}, {"fore2", 2}}, 4, 4, 10},
    {11, {{"aft2", 2}, {"aft1", 2}, {"wfu", 2}, {"wfl", 2}, {"fore1", 2}}, 6, 8, 8},
    {12, {{"aft2", 3}, {"aft1", 2}, {"fore1", 2}, {"fore2", 3}}, 5, 5, 10},
    {13, {{"aft1", 4}, {"fore1", 2}, {"fore2", 4}}, 6, 4, 10},
    {14, {{"aft2", 2}, {"aft1", 2}, {"midaft", 2}, {"midfore", 2}, {"fore1", 2}, {"fore2", 2}}, 4, 4, 12},
    {15, {{"aft2", 2}, {"aft1", 2}, {"wfu", 2}, {"wfl", 2}, {"fore1", 2}, {"fore2", 2}}, 8, 8, 10},
    {16, {{"aft1", 2}, {"wau", 2}, {"wal", 2}, {"wfu", 2}, {"wfl", 2}, {"fore1", 2}}, 6, 6, 8},
    {17, {{"aft2", 3}, {"aft1", 3}, {"fore1", 3}, {"fore2", 3}}, 6, 6, 12},
    {18, {{"aft1", 3}, {"midaft", 3}, {"midfore", 3}, {"fore1", 3}}, 3, 3, 12},
    {19, {{"aft1", 4}, {"midaft", 4}, {"fore1", 4}}, 4, 4, 12},
    {20, {{"aft2", 4}, {"aft1", 2}, {"fore1", 2}, {"fore2", 4}}, 6, 6, 12},
    {21, {{"aft2", 3}, {"aft1", 2}, {"midaft", 3}, {"fore1", 2}, {"fore2", 3}}, 5, 5, 13},
    {22, {{"aft2", 4}, {"aft1", 4}, {"midfore", 4}, {"fore1", 4}}, 4, 8, 16},
};

// White pixels of one pixel column within 7 pixels of a turret's centre row: its barrels.
int barrels_in_column(const con::Screen& screen, int x, int cy) {
    int n = 0;
    for (int y = cy - 7; y <= cy + 7; ++y) n += screen.pixel(x, y) == 15;
    return n;
}

struct Drawn {
    testing_support::ScopedConsole console;
    Kelmat s;
    explicit Drawn(float layout, float speed = 30, float ref = 103) {
        kelmat_test::start_up(s);
        const int side = static_cast<int>(ref) / 100, ship = static_cast<int>(ref) % 100;
        s.A(side, ship, kelmat::A_LAYOUT) = layout;
        s.A(side, ship, kelmat::A_SPEED) = speed;
        s.TT(kelmat::TT_SHIP_REF) = ref;
        con::color(6);
        kelmat::SHUHOU(s);
    }
    const con::Screen& screen() { return console.screen(); }
    std::string text(int col, int row, int cells) {
        std::string out;
        for (int c = col; c < col + cells; ++c) {
            const con::TextCell& cell = screen().cell(c, row);
            if (cell.part == 2) continue;
            if (cell.code == 0)
                out += ' ';
            else
                con::append_utf8(out, cell.code);
        }
        return out;
    }
};

TEST(ArrangementDrawing, TurretsBarrelsAndCountsOfEveryLayout) {
    for (const auto& c : kLayouts) {
        Drawn d(static_cast<float>(c.layout));
        const con::Screen& screen = d.screen();
        std::map<std::string, int> guns;
        for (const auto& [station, n] : c.turrets) guns[station] = n;
        for (const auto& [name, st] : kStations) {
            const bool drawn = guns.count(name) > 0;
            EXPECT_EQ(screen.pixel(st.x, st.y - 10) == 15, drawn) << "layout " << c.layout << ", " << name;
            if (!drawn) continue;
            EXPECT_EQ(screen.pixel(st.x, st.y + 10), 15) << "layout " << c.layout << ", " << name;
            EXPECT_EQ(barrels_in_column(screen, st.x + 12 * st.facing, st.y), guns[name])
                << "layout " << c.layout << ", " << name << ": barrels on its side";
            EXPECT_EQ(barrels_in_column(screen, st.x - 12 * st.facing, st.y), 0)
                << "layout " << c.layout << ", " << name << ": none on the other side";
        }
        EXPECT_EQ(d.text(50, 16, 10), "前方 " + con::format_single(static_cast<float>(c.ahead)) + "門")
            << "layout " << c.layout;
        EXPECT_EQ(d.text(50, 17, 22), "後方 " + con::format_single(static_cast<float>(c.astern)) + "門    射撃可能")
            << "layout " << c.layout;
        EXPECT_EQ(d.text(50, 18, 10), "側方 " + con::format_single(static_cast<float>(c.abeam)) + "門")
            << "layout " << c.layout;
        const kelmat::BearingCounts b = kelmat::layout_bearing_counts(c.layout);
        EXPECT_EQ(b.ahead, c.ahead);
        EXPECT_EQ(b.astern, c.astern);
        EXPECT_EQ(b.abeam, c.abeam);
    }
}

TEST(ArrangementDrawing, HullOutlineAndBoxesInWhiteOnly) {
    Drawn d(8);
    const con::Screen& screen = d.screen();
    const int white[][2] = {{330, 225}, {330, 255}, {335, 220}, {335, 260}, {340, 215}, {450, 215},
                            {560, 215}, {450, 265}, {638, 240}, {410, 232}, {420, 248}, {495, 232},
                            {510, 248}, {415, 232}, {502, 248}};
    for (const auto& p : white) EXPECT_EQ(screen.pixel(p[0], p[1]), 15) << p[0] << "," << p[1];
    EXPECT_EQ(screen.pixel(415, 240), 0) << "the boxes are not filled";
    EXPECT_EQ(screen.pixel(600, 240), 0) << "nor is the hull";
    int other = 0;
    for (int y = 0; y < con::kPlaneHeight; ++y)
        for (int x = 0; x < con::kPlaneWidth; ++x) {
            const int p = screen.pixel(x, y);
            if (p != 0 && p != 15) ++other;
            if (p == 15) {
                EXPECT_TRUE(x >= 330 && x <= 638 && y >= 215 && y <= 265) << x << "," << y;
            }
        }
    EXPECT_EQ(other, 0);
}

TEST(ArrangementDrawing, SpeedLineShipReferenceAndStrayLayouts) {
    {
        Drawn d(8, 30, 146);  // RED ship 46
        EXPECT_EQ(d.text(50, 10, 18), "速力        30  kt");
        EXPECT_EQ(d.screen().cell(50, 10).colour, 6) << "the colour in force";
        EXPECT_EQ(d.screen().cursor_row(), 18);
        EXPECT_EQ(d.screen().cursor_column(), 60);
        EXPECT_EQ(d.s.TT(kelmat::TT_SHIP_REF), 146);
        EXPECT_EQ(d.text(50, 16, 10), "前方  6 門");
    }
    {
        Drawn d(9, 27.5f, 1);  // BLUE ship 1
        EXPECT_EQ(d.text(50, 10, 20), "速力        27.5  kt");
        EXPECT_EQ(d.text(50, 17, 22), "後方  0 門    射撃可能");
    }
    // Layouts the designer never stores are drawn and counted as layout 1.
    for (float layout : {0.0f, 23.0f, 0.4f}) {
        Drawn d(layout);
        EXPECT_EQ(d.screen().pixel(395, 230), 15) << layout;
        EXPECT_EQ(d.screen().pixel(525, 230), 15) << layout;
        EXPECT_EQ(d.text(50, 18, 10), "側方  4 門") << layout;
    }
    Drawn half(1.5f);  // rounds to layout 2
    EXPECT_EQ(half.screen().pixel(560, 230), 15);
}

}  // namespace
