// The first-salvo straddle-probability chart: its worked percentages and heights, and the
// screen it draws.
#include <gtest/gtest.h>

#include "console/graphics.h"
#include "gunnery/straddle_chart.h"
#include "tests/gunnery/gunnery_harness.h"

namespace {

TEST(StraddleChart, WorkedPercentagesAndHeights) {
    struct Case {
        int hit, range_km;
        double percent, y;
    };
    const Case cases[] = {
        {6, 0, 14.208, 369.9},  {20, 10, 23.04, 331.9}, {20, 20, 7.68, 398.0},
        {20, 30, 1.28, 425.5},  {50, 0, 118.4, -78.1},  {50, 44, 2.08, 422.1},
        // 29 km takes the quadratic branch (factor 9.48), 30 km the linear one (8).
        {50, 29, 3.792, 414.7}, {50, 30, 3.2, 417.2},
        // 48 at 2 km lies just above the plane; nothing is clamped.
        {48, 2, 100.27, -0.16},
    };
    for (const auto& c : cases) {
        const float p = kelmat::straddle_percentage(c.hit, c.range_km);
        EXPECT_NEAR(p, c.percent, 0.005) << c.hit << " at " << c.range_km << " km";
        EXPECT_NEAR(static_cast<double>(kelmat::straddle_chart_y(p)), c.y, 0.05) << c.hit << " at " << c.range_km;
    }
    // The 4-byte factor 0.8 (0.800000012): 17.76 x 0.8f stored is 14.2080002.
    EXPECT_EQ(kelmat::straddle_percentage(6, 0), con::store(con::L(17.76f) * con::L(0.8f)));
}

TEST(StraddleChart, Screen) {
    auto run = testing_support::run_program(kelmat95_program(), "x5");
    EXPECT_EQ(run.text_at(3, 0, 4), " 50 ") << "hit value 50 on row 0, left of the range labels";
    EXPECT_EQ(run.colour_at(4, 0), 2);
    EXPECT_EQ(run.text_at(3, 22, 3), " 6 ");
    EXPECT_EQ(run.colour_at(4, 22), 4);
    EXPECT_EQ(run.text_at(1, 23, 6), "命中値");
    EXPECT_EQ(run.colour_at(1, 23), 5);
    EXPECT_EQ(run.text_at(70, 0, 11), " 42km 距離");
    EXPECT_EQ(run.text_at(45, 6, 18), "第一斉射の夾叉確率");
    EXPECT_EQ(run.text_at(56, 9, 11), "速度  20 kt");
    EXPECT_EQ(run.colour_at(48, 10), 7);
    EXPECT_EQ(run.text_at(54, 15, 11), "Hit Any Key");
    using con::gfx::point_colour;
    const auto& plane = run.screen();
    for (int j = 0; j <= 9; ++j) {
        EXPECT_EQ(point_colour(plane, 602, 430 - 43 * j), 14) << "grid line " << j << " ends at x 602";
        EXPECT_EQ(point_colour(plane, 603, 430 - 43 * j), 0) << j;
    }
    // The labels 10 % to 90 % in white right of the lines, above them.
    for (int j = 1; j <= 9; ++j) {
        bool white = false;
        for (int y = 421 - 43 * j; y < 430 - 43 * j; ++y)
            for (int x = 607; x < 640; ++x) white = white || point_colour(plane, x, y) == 15;
        EXPECT_TRUE(white) << "label " << j;
    }
    // Hit value 6 starts at (70, 369.9) in green (graphics colour 9); the curves end at 44 km.
    EXPECT_EQ(point_colour(plane, 70, 370), 9);
    EXPECT_EQ(point_colour(plane, 600, 428), 0);
}

}  // namespace
