// The strategic map and the route network on the graphics plane: frame, coastlines, land,
// islands, and each route's colour by the state of its far base.
#include <gtest/gtest.h>

#include <vector>

#include "campaign/route_network.h"
#include "campaign/strategic_map.h"
#include "tests/detailed/detailed_support.h"

using detailed_test::Loaded;
using namespace morva95f;

namespace {

// Whether a pixel within one of (x, y) has the colour (a line's raster may pass beside the
// exact middle of its end points).
bool near(int x, int y, int colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (con::point_colour(x + dx, y + dy) == colour) return true;
    return false;
}

struct Segment {
    int x1, y1, x2, y2;
};

// One segment of each route, sampled at its middle (where no other route crosses it).
const Segment kRouteMiddles[28] = {
    {},
    {296, 135, 328, 81},  {296, 135, 240, 189}, {240, 189, 320, 207}, {328, 81, 424, 45},
    {320, 207, 312, 279}, {240, 189, 200, 261}, {174, 225, 136, 315}, {312, 279, 376, 351},
    {376, 351, 416, 297}, {200, 261, 152, 369}, {136, 315, 152, 369}, {200, 261, 264, 387},
    {264, 387, 352, 369}, {376, 351, 352, 369}, {424, 45, 440, 189},  {416, 297, 440, 189},
    {416, 297, 400, 387}, {152, 369, 64, 297},  {264, 387, 108, 405}, {400, 387, 424, 423},
    {352, 369, 424, 423}, {424, 423, 472, 369}, {440, 189, 488, 207}, {468, 369, 488, 207},
    {488, 207, 634, 279}, {634, 279, 584, 171}, {639, 234, 584, 171},
};

int route_colour(int route) {
    const Segment& s = kRouteMiddles[route];
    const int x = (s.x1 + s.x2) / 2, y = (s.y1 + s.y2) / 2;
    for (int colour : {11, 13, 7})
        if (near(x, y, colour)) return colour;
    return -1;
}

void draw_both(State& st) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
}

}  // namespace

TEST(StrategicMap, FrameCoastlinesLandAndIslands) {
    Loaded st;
    morva::DRAW_STRATEGIC_MAP(st->DATA, st->P, st->TX);
    struct Case {
        const char* name;
        int x, y, colour;
    } cases[] = {
        {"frame, top edge", 400, 18, 15},
        {"frame, bottom edge", 100, 430, 15},
        {"frame, left edge", 0, 300, 15},
        {"row 0 stays above the frame", 300, 10, 0},
        {"a coastline point", 270, 342, 15},
        {"the mainland painted from seed 1", 5, 33, 9},
        {"inside the island of points 1-8", 309, 344, 9},
        {"the land mass on the right", 600, 20, 9},
        {"the bay cut out of it stays sea", 636, 240, 0},
        {"the land at the bottom", 300, 427, 9},
        {"no line joins a run to the next (points 8 and 10)", 217, 334, 0},
        {"island box 1, even row 372", 150, 372, 9},
        {"island box 1 ends at row 372 (not 373)", 150, 373, 0},
        {"island box 5 by the mark of base 7", 195, 256, 9},
    };
    for (const auto& c : cases) EXPECT_EQ(con::point_colour(c.x, c.y), c.colour) << c.name;
    // The read position is left just past the map's records.
    EXPECT_EQ(st->DATA.read_number(), 6) << "the first built-in value follows";
    EXPECT_EQ(st.console.screen().colour(), 2) << "the colour of base 21's mark";
}

TEST(StrategicMap, DrawingTwiceGivesTheSamePicture) {
    Loaded st;
    draw_both(*st);
    std::vector<std::uint8_t> first;
    for (int y = 0; y < con::kPlaneHeight; ++y)
        first.insert(first.end(), st.console.screen().plane_row(y), st.console.screen().plane_row(y) + con::kPlaneWidth);
    const std::string text = st.console.screen().dump_text();
    draw_both(*st);
    std::vector<std::uint8_t> second;
    for (int y = 0; y < con::kPlaneHeight; ++y)
        second.insert(second.end(), st.console.screen().plane_row(y), st.console.screen().plane_row(y) + con::kPlaneWidth);
    EXPECT_TRUE(first == second);
    EXPECT_EQ(st.console.screen().dump_text(), text);
}

TEST(Maps, RouteColoursByTheFarBase) {
    struct Case {
        const char* name;
        std::vector<int> japanese;          // bases taken besides 1-5
        std::vector<std::pair<int, int>> routes;  // route, colour
    } cases[] = {
        {"a new campaign",
         {},
         {{1, 11}, {2, 11}, {3, 11}, {5, 11}, {4, 13}, {6, 13}, {7, 13}, {8, 13}, {9, 7},  {10, 7},
          {11, 7}, {12, 7}, {13, 7}, {14, 7}, {15, 7}, {16, 7}, {17, 7}, {18, 7}, {19, 7}, {20, 7},
          {21, 7}, {22, 7}, {23, 7}, {24, 7}, {25, 7}, {26, 7}, {27, 7}}},
        {"bases 6 and 7 taken",
         {6, 7},
         {{6, 11}, {8, 11}, {9, 13}, {12, 13}, {13, 7}, {14, 7}, {10, 7}, {11, 7}}},
        {"bases 6, 7 and 12 taken", {6, 7, 12}, {{12, 11}, {13, 13}, {14, 13}, {18, 7}}},
        {"base 9 taken", {9}, {{4, 11}, {15, 7}}},
        {"base 15 taken without base 11 (single operation)", {15}, {{9, 7}, {17, 11}, {20, 7}}},
        {"base 11 taken without base 6", {11}, {{9, 7}, {16, 7}, {17, 13}}},
        {"both prerequisites of base 21 held", {19, 20}, {{26, 13}, {27, 13}, {25, 11}}},
    };
    for (const auto& c : cases) {
        Loaded st;
        for (int b : c.japanese) st->P(b, P_HOLDER) = 0;
        draw_both(*st);
        for (const auto& [route, colour] : c.routes) EXPECT_EQ(route_colour(route), colour) << c.name << ": route " << route;
    }
}

TEST(Maps, CornerBlackedOutAndRouteAcrossTheEdges) {
    Loaded st;
    draw_both(*st);
    EXPECT_EQ(con::point_colour(5, 33), 0) << "the land under the corner is gone";
    EXPECT_EQ(con::point_colour(260, 90), 0);
    EXPECT_EQ(con::point_colour(200, 18), 0) << "the frame's corner too";
    EXPECT_EQ(con::point_colour(300, 18), 15) << "the frame beyond the corner stays";
    EXPECT_EQ(con::point_colour(0, 234), 7) << "route 27 reaches the left edge";
    EXPECT_EQ(con::point_colour(639, 234), 7) << "and comes back at the right edge";
    EXPECT_EQ(st->TT(TT_BASE_QUERY), 16) << "the last query MAPS made (base 21)";
}
