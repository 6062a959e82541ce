// Drawing on the graphics plane: clipped lines and boxes, circles and arcs, flood fill, pixels,
// text into the plane, the composed picture and its PNG file.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include "console/font.h"
#include "console/graphics.h"
#include "console/png.h"
#include "console/screen.h"
#include "tests/test_support.h"

namespace gfx = con::gfx;
using Pixel = std::pair<long, long>;
using PixelSet = std::set<Pixel>;

namespace {

constexpr int W = con::kPlaneWidth;
constexpr int H = con::kPlaneHeight;

std::unique_ptr<con::Screen> blank_screen() { return std::make_unique<con::Screen>(); }

/// Every pixel of the plane that is not colour 0.
PixelSet drawn(const con::Screen& s) {
    PixelSet out;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (s.pixel(x, y) != 0) out.insert({x, y});
    return out;
}

PixelSet on_plane_only(const PixelSet& all) {
    PixelSet out;
    for (const Pixel& p : all)
        if (p.first >= 0 && p.first < W && p.second >= 0 && p.second < H) out.insert(p);
    return out;
}

/// Reference line raster, unclipped: the textbook incremental Bresenham with an error term,
/// run from the end with the smaller major coordinate (halves go towards the far end).
PixelSet reference_line(long x1, long y1, long x2, long y2) {
    PixelSet out;
    const bool steep = std::labs(y2 - y1) > std::labs(x2 - x1);
    if (steep) std::swap(x1, y1), std::swap(x2, y2);
    if (x2 < x1) std::swap(x1, x2), std::swap(y1, y2);
    const long dx = x2 - x1, dy = std::labs(y2 - y1), step = y2 < y1 ? -1 : 1;
    long y = y1, err = dx;  // err = 2 * i * dy + dx - 2 * dx * (y - y1)
    for (long x = x1; x <= x2; ++x) {
        out.insert(steep ? Pixel{y, x} : Pixel{x, y});
        err += 2 * dy;
        while (dx > 0 && err >= 2 * dx) err -= 2 * dx, y += step;
    }
    return out;
}

/// Reference circle raster, unclipped: the textbook midpoint algorithm.
PixelSet reference_circle(long cx, long cy, long r) {
    PixelSet out;
    long x = 0, y = r, d = 1 - r;
    while (x <= y) {
        for (auto [a, b] : {Pixel{x, y}, Pixel{y, x}})
            for (long sa : {-1, 1})
                for (long sb : {-1, 1}) out.insert({cx + sa * a, cy + sb * b});
        if (d < 0) {
            d += 2 * x + 3;
        } else {
            d += 2 * (x - y) + 5;
            --y;
        }
        ++x;
    }
    return out;
}

/// The angle of a pixel around a centre as a fraction of a turn, clockwise on the screen.
double angle_of(double cx, double cy, long x, long y) {
    double a = std::atan2(double(y) - cy, double(x) - cx) / (2 * std::numbers::pi);
    return a < 0 ? a + 1 : a;
}

/// Picture rows as text ('#' where the colour is not 0) for a small window of the plane.
std::string window(const con::Screen& s, int x0, int y0, int w, int h) {
    std::string out;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) out += s.pixel(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Lines and boxes

TEST(DrawLine, HalfStepsGoTowardsTheFarEndWhicheverWayTheLineIsDrawn) {
    for (bool reversed : {false, true}) {
        auto s = blank_screen();
        if (reversed)
            gfx::draw_line(*s, 4, 2, 0, 0, 15);
        else
            gfx::draw_line(*s, 0, 0, 4, 2, 15);
        EXPECT_EQ(drawn(*s), (PixelSet{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}})) << "reversed " << reversed;
    }
}

TEST(DrawLine, ClippedLinesSetExactlyTheUnclippedRasterOnThePlane) {
    struct Case {
        const char* name;
        long double x1, y1, x2, y2;
        long rx1, ry1, rx2, ry2;  // the end points after rounding
    };
    const Case cases[] = {
        {"inside", 10, 20, 300, 111, 10, 20, 300, 111},
        {"fractions round half away from zero", 10.5L, 20.49L, -0.5L, 3.5L, 11, 20, -1, 4},
        {"through the left and right edges", -57, 3, 700, 401, -57, 3, 700, 401},
        {"steep, below the bottom", 100, 100, 131, 436, 100, 100, 131, 436},
        {"far above the top", 320.4L, -1000000, 200, 300, 320, -1000000, 200, 300},
        {"shallow from far left", -1000000, 250, 639, 190, -1000000, 250, 639, 190},
        {"crossing the corner only", -5, 5, 5, -5, -5, 5, 5, -5},
        {"entirely off the plane", -10, -10, 700, -1, -10, -10, 700, -1},
        {"single point", 639, 431, 639, 431, 639, 431, 639, 431},
        {"vertical along the right edge", 639, -50, 639, 500, 639, -50, 639, 500},
    };
    for (const Case& c : cases) {
        auto s = blank_screen();
        gfx::draw_line(*s, c.x1, c.y1, c.x2, c.y2, 7);
        EXPECT_EQ(drawn(*s), on_plane_only(reference_line(c.rx1, c.ry1, c.rx2, c.ry2))) << c.name;
    }
}

TEST(DrawLine, HugeCoordinatesDrawTheVisiblePartWithoutOverflow) {
    auto s = blank_screen();
    gfx::draw_line(*s, 320, 1e30L, 320, -1e30L, 4);  // a vertical line through everything
    EXPECT_EQ(drawn(*s).size(), std::size_t(H));
    EXPECT_EQ(s->pixel(320, 0), 4);
    EXPECT_EQ(s->pixel(320, H - 1), 4);
    auto t = blank_screen();
    gfx::draw_line(*t, INFINITY, 0, 10, 10, 4);
    gfx::draw_line(*t, NAN, 0, 10, 10, 4);
    EXPECT_TRUE(drawn(*t).empty());
}

TEST(DrawBox, OutlinesAndFilledBoxesAreClippedToThePlane) {
    struct Case {
        const char* name;
        long double x1, y1, x2, y2;
        con::gfx::Shape shape;
        std::vector<Pixel> set, clear;
        std::size_t count;
    };
    const Case cases[] = {
        {"outline inside", 10, 20, 13, 22, gfx::Shape::Box,
         {{10, 20}, {13, 20}, {10, 22}, {13, 22}, {11, 20}, {10, 21}, {13, 21}}, {{11, 21}, {12, 21}}, 10},
        {"outline, corners swapped", 13, 22, 10, 20, gfx::Shape::Box, {{10, 20}, {13, 22}}, {{11, 21}}, 10},
        {"outline past the top left", -10, -10, 100, 50, gfx::Shape::Box,
         {{100, 0}, {100, 50}, {0, 50}}, {{0, 0}, {50, 20}, {0, 20}}, 51 + 100},
        {"outline to a huge corner", 5, 5, 1e30L, 20, gfx::Shape::Box,
         {{5, 5}, {639, 5}, {639, 20}, {5, 12}}, {{639, 12}}, 2 * 635 + 14},
        {"filled past the bottom right", 700, 440, 630, 425, gfx::Shape::FilledBox,
         {{630, 425}, {639, 431}}, {{629, 425}, {630, 424}}, 10 * 7},
        {"filled, fractional corners", 1.5L, 2.5L, 3.49L, 3.4L, gfx::Shape::FilledBox,
         {{2, 3}, {3, 3}}, {{1, 3}, {2, 2}, {4, 3}}, 2},
        {"filled, entirely off", -20, 10, -1, 30, gfx::Shape::FilledBox, {}, {{0, 10}}, 0},
    };
    for (const Case& c : cases) {
        auto s = blank_screen();
        gfx::draw_line(*s, c.x1, c.y1, c.x2, c.y2, 12, c.shape);
        for (const Pixel& p : c.set) EXPECT_EQ(s->pixel(p.first, p.second), 12) << c.name << " " << p.first << "," << p.second;
        for (const Pixel& p : c.clear) EXPECT_EQ(s->pixel(p.first, p.second), 0) << c.name << " " << p.first << "," << p.second;
        EXPECT_EQ(drawn(*s).size(), c.count) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Circles and arcs

TEST(DrawCircle, RadiusThreeRing) {
    auto s = blank_screen();
    gfx::draw_circle(*s, 20, 20, 3, 3);
    EXPECT_EQ(window(*s, 17, 17, 7, 7),
              "..###..\n"
              ".#...#.\n"
              "#.....#\n"
              "#.....#\n"
              "#.....#\n"
              ".#...#.\n"
              "..###..\n");
}

TEST(DrawCircle, MatchesTheMidpointRasterWhereverTheCentreLies) {
    struct Case {
        const char* name;
        long double cx, cy, r;
        long rcx, rcy, rr;
    };
    const Case cases[] = {
        {"centre off the right edge", 652, 279, 120, 652, 279, 120},
        {"ring of 100", 320, 216, 100, 320, 216, 100},
        {"fractional centre and radius", 100.5L, 50.49L, 10.5L, 101, 50, 11},
        {"radius 0 is one pixel", 5, 5, 0, 5, 5, 0},
        {"radius 1", 0, 0, 1, 0, 0, 1},
        {"larger than the plane", 320, 216, 400, 320, 216, 400},
        {"only a sliver shows", -3000, 200, 3010, -3000, 200, 3010},
        {"far above the plane", 300, -5000, 5100, 300, -5000, 5100},
        {"entirely off", -200, -200, 150, -200, -200, 150},
    };
    for (const Case& c : cases) {
        auto s = blank_screen();
        gfx::draw_circle(*s, c.cx, c.cy, c.r, 9);
        EXPECT_EQ(drawn(*s), on_plane_only(reference_circle(c.rcx, c.rcy, c.rr))) << c.name;
    }
    auto s = blank_screen();
    gfx::draw_circle(*s, 100, 100, -5, 9);
    gfx::draw_circle(*s, 100, 100, 1e30L, 9);
    EXPECT_TRUE(drawn(*s).empty());
}

TEST(DrawArc, ArcsRunClockwiseOnTheScreenBetweenTheirEndPixels) {
    struct Case {
        const char* name;
        double cx, cy, r, start, end;
        std::vector<Pixel> set;    // end pixels and points on the arc
        std::vector<Pixel> clear;  // circle pixels off the arc
    };
    const Case cases[] = {
        // 0.291 ends at about (411.8, 182.1), 0.495 at about (300.1, 41.7).
        {"down and round to the west", 450, 37, 150, 0.291, 0.495,
         {{412, 182}, {300, 42}, {345, 144}}, {{413, 182}, {300, 41}, {600, 37}, {450, 187}}},
        // From about (333.1, 39.0) through east (410, 170) to about (409.5, 182.2).
        {"through east", 260, 170, 150, 0.831, 0.013,
         {{333, 39}, {410, 170}, {410, 182}}, {{409, 183}, {110, 170}, {260, 20}, {260, 320}}},
        {"equal angles draw the whole circle", 100, 100, 20, 0.3, 0.3, {{120, 100}, {80, 100}, {100, 80}}, {}},
    };
    for (const Case& c : cases) {
        auto arc = blank_screen();
        auto ring = blank_screen();
        gfx::draw_arc(*arc, c.cx, c.cy, c.r, 15, c.start, c.end);
        gfx::draw_circle(*ring, c.cx, c.cy, c.r, 15);
        for (const Pixel& p : c.set) EXPECT_EQ(arc->pixel(p.first, p.second), 15) << c.name << " " << p.first << "," << p.second;
        for (const Pixel& p : c.clear) {
            EXPECT_EQ(ring->pixel(p.first, p.second), 15) << c.name << " not on the circle";
            EXPECT_EQ(arc->pixel(p.first, p.second), 0) << c.name << " " << p.first << "," << p.second;
        }
        if (c.start == c.end) {
            EXPECT_EQ(drawn(*arc), drawn(*ring)) << c.name;
            continue;
        }
        // Every arc pixel belongs to the circle, and every circle pixel well inside the arc's
        // angles is drawn; within a pixel of the ends only the end pixels are added.
        const double span = std::fmod(c.end - c.start + 1, 1.0);
        const double margin = 1.0 / (2 * std::numbers::pi * c.r);
        for (const Pixel& p : drawn(*ring)) {
            const double d = std::fmod(angle_of(c.cx, c.cy, p.first, p.second) - c.start + 1, 1.0);
            if (d > margin && d < span - margin) {
                EXPECT_EQ(arc->pixel(p.first, p.second), 15) << c.name << " inside " << p.first << "," << p.second;
            }
            if (d > span + margin && d < 1 - margin) {
                EXPECT_EQ(arc->pixel(p.first, p.second), 0) << c.name << " outside " << p.first << "," << p.second;
            }
        }
        for (const Pixel& p : drawn(*arc)) EXPECT_EQ(ring->pixel(p.first, p.second), 15) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Flood fill

TEST(PaintFill, StaysInsideAnOutlineOfArcsAndLines) {
    // A dome: the upper half of a circle, clockwise from west through north to east, closed
    // by a line along its base; and a diamond of diagonal lines, the thinnest 8-connected wall.
    auto s = blank_screen();
    gfx::draw_arc(*s, 200, 200, 100, 15, 0.5, 0.0);
    gfx::draw_line(*s, 100, 200, 300, 200, 15);
    gfx::draw_line(*s, 450, 100, 550, 200, 15);
    gfx::draw_line(*s, 550, 200, 450, 300, 15);
    gfx::draw_line(*s, 450, 300, 350, 200, 15);
    gfx::draw_line(*s, 350, 200, 450, 100, 15);
    gfx::paint_fill(*s, 200, 150, 9, 15);
    gfx::paint_fill(*s, 450, 200, 9, 15);
    long painted = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (s->pixel(x, y) != 9) continue;
            ++painted;
            const bool in_dome = y < 200 && (x - 200) * (x - 200) + (y - 200) * (y - 200) < 100 * 100;
            const bool in_diamond = std::abs(x - 450) + std::abs(y - 200) < 100;
            ASSERT_TRUE(in_dome || in_diamond) << "leaked to " << x << "," << y;
        }
    EXPECT_GT(painted, 15000 + 19000);  // about half of pi * 100^2, and 2 * 100^2 less the walls
    EXPECT_EQ(s->pixel(200, 199), 9);
    EXPECT_EQ(s->pixel(200, 101), 9);
    EXPECT_EQ(s->pixel(450, 102), 9);
    EXPECT_EQ(s->pixel(548, 200), 9);
}

TEST(PaintFill, SeedsBordersAndPixelsAlreadyPainted) {
    {
        SCOPED_TRACE("paint equal to the border fills a disc");
        auto s = blank_screen();
        gfx::draw_circle(*s, 20, 20, 3, 3);
        gfx::paint_fill(*s, 20, 20, 3, 3);
        EXPECT_EQ(window(*s, 17, 17, 7, 7),
                  "..###..\n"
                  ".#####.\n"
                  "#######\n"
                  "#######\n"
                  "#######\n"
                  ".#####.\n"
                  "..###..\n");
    }
    {
        SCOPED_TRACE("pixels of the paint colour neither stop the fill nor loop it");
        auto s = blank_screen();
        gfx::draw_line(*s, 10, 10, 60, 40, 15, gfx::Shape::Box);
        gfx::draw_line(*s, 35, 11, 35, 39, 9);   // a wall of paint colour across the box
        gfx::paint_fill(*s, 20, 20, 9, 15);
        EXPECT_EQ(s->pixel(50, 30), 9);
        EXPECT_EQ(s->pixel(61, 30), 0);
    }
    {
        SCOPED_TRACE("a seed on the border colour or off the plane paints nothing");
        auto s = blank_screen();
        gfx::draw_line(*s, 10, 10, 60, 40, 15, gfx::Shape::Box);
        gfx::paint_fill(*s, 10, 20, 9, 15);
        gfx::paint_fill(*s, -1, 20, 9, 15);
        gfx::paint_fill(*s, 20, 431.5L, 9, 15);
        EXPECT_EQ(drawn(*s).size(), std::size_t(2 * 51 + 2 * 29));
    }
    {
        SCOPED_TRACE("an open plane fills up to its edges");
        auto s = blank_screen();
        gfx::paint_fill(*s, 320.4L, 200, 6, 15);
        EXPECT_EQ(drawn(*s).size(), std::size_t(W * H));
    }
}

// ---------------------------------------------------------------------------------------------
// Pixels

TEST(Pixels, PsetAndPointColourRoundHalfAwayAndIgnoreTheOffPlane) {
    auto s = blank_screen();
    struct Case {
        const char* name;
        long double x, y;
        Pixel at;  // where the pixel lands; {-1, -1} when off the plane
    };
    const Case cases[] = {
        {"halves go up", 10.5L, 20.5L, {11, 21}},
        {"below a half goes down", 10.49L, 20.4L, {10, 20}},
        {"minus a half goes off the left", -0.5L, 5, {-1, -1}},
        {"less than minus a half stays", -0.49L, 5, {0, 5}},
        {"bottom right corner", 639.4L, 431.4L, {639, 431}},
        {"past the right edge", 639.5L, 0, {-1, -1}},
        {"past the bottom edge", 0, 431.5L, {-1, -1}},
        {"huge", 1e30L, -1e30L, {-1, -1}},
    };
    int colour = 1;
    for (const Case& c : cases) {
        const std::size_t before = drawn(*s).size();
        gfx::pset(*s, c.x, c.y, colour);
        if (c.at.first < 0) {
            EXPECT_EQ(drawn(*s).size(), before) << c.name;
            EXPECT_EQ(gfx::point_colour(*s, c.x, c.y), -1) << c.name;
        } else {
            EXPECT_EQ(s->pixel(c.at.first, c.at.second), colour) << c.name;
            EXPECT_EQ(gfx::point_colour(*s, c.x, c.y), colour) << c.name;
        }
        ++colour;
    }
}

TEST(Pixels, PointColourSeesTheDrawingsNotTheText) {
    auto s = blank_screen();
    gfx::draw_line(*s, 344, 180, 400, 200, 9, gfx::Shape::FilledBox);
    s->set_cursor(43, 10);  // the text cell covers x 344-351, y 180-197
    s->write("敵基地");
    std::vector<std::uint8_t> pic(std::size_t(W) * H);
    s->compose(pic.data());
    int glyph_pixels = 0;
    for (int y = 180; y < 198; ++y)
        for (int x = 344; x < 392; ++x) {
            if (pic[std::size_t(y) * W + x] != 16 + 7) continue;
            ++glyph_pixels;
            ASSERT_EQ(gfx::point_colour(*s, x, y), x <= 400 && y <= 200 ? 9 : 0) << x << "," << y;
        }
    EXPECT_GT(glyph_pixels, 0);
    EXPECT_EQ(gfx::point_colour(*s, 343, 190), 0);
}

// ---------------------------------------------------------------------------------------------
// Text into the plane

namespace {

/// Checks that the glyph of `code` lies in the plane at (x0, y0) in `colour` over `under`.
void expect_glyph_at(const con::Screen& s, char32_t code, int x0, int y0, int colour, int under) {
    std::uint16_t rows[16];
    int width = 0;
    ASSERT_TRUE(con::glyph(code, rows, &width));
    for (int r = 0; r < 16; ++r)
        for (int b = 0; b < width; ++b) {
            const int x = x0 + b, y = y0 + r;
            if (x < 0 || x >= W || y < 0 || y >= H) continue;
            const bool on = rows[r] & (0x8000u >> b);
            ASSERT_EQ(s.pixel(x, y), on ? colour : under) << "U+" << std::hex << unsigned(code) << " at " << std::dec << x << "," << y;
        }
}

}  // namespace

TEST(DrawText, GlyphsGoIntoThePlaneAdvancingByTheirWidth) {
    auto s = blank_screen();
    gfx::draw_line(*s, 0, 0, 200, 40, 2, gfx::Shape::FilledBox);
    gfx::draw_text(*s, 10.5L, 20, "A●B", 15);
    expect_glyph_at(*s, U'A', 11, 20, 15, 2);
    expect_glyph_at(*s, U'●', 19, 20, 15, 2);
    expect_glyph_at(*s, U'B', 35, 20, 15, 2);
    EXPECT_EQ(s->pixel(10, 25), 2);  // foreground pixels only
}

TEST(DrawText, ClippedAtEveryEdge) {
    struct Case {
        const char* name;
        long double x, y;
    };
    const Case cases[] = {{"top left", -4, -3}, {"bottom right", 630, 425}, {"right edge, wide", 632, 100},
                          {"far left", -1e20L, 10}, {"below", 10, 432}};
    for (const Case& c : cases) {
        auto s = blank_screen();
        gfx::draw_text(*s, c.x, c.y, "●W", 13);
        if (c.x > -100 && c.y < H) {
            expect_glyph_at(*s, U'●', int(c.x), int(c.y), 13, 0);
            expect_glyph_at(*s, U'W', int(c.x) + 16, int(c.y), 13, 0);
            EXPECT_FALSE(drawn(*s).empty()) << c.name;
        } else {
            EXPECT_TRUE(drawn(*s).empty()) << c.name;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The composed picture

namespace {

std::vector<std::uint8_t> composed(const con::Screen& s) {
    std::vector<std::uint8_t> out(std::size_t(W) * H, 0xEE);
    s.compose(out.data());
    return out;
}

/// Checks a text glyph in the composed picture: glyph pixels in 16 + colour, the rest the plane.
void expect_text_glyph(const con::Screen& s, const std::vector<std::uint8_t>& pic, char32_t code, int column,
                       int row, int colour, bool stretched) {
    std::uint16_t rows[16];
    int width = 0;
    ASSERT_TRUE(con::glyph(code, rows, &width));
    const int top = row * con::kCellHeight;
    for (int dy = 0; dy < con::kCellHeight; ++dy) {
        const int r = dy - 1;
        const std::uint16_t bits = (r >= 0 && r < 16) ? rows[r] : stretched ? rows[r < 0 ? 0 : 15] : 0;
        for (int b = 0; b < width; ++b) {
            const int x = column * con::kCellWidth + b, y = top + dy;
            const bool on = bits & (0x8000u >> b);
            ASSERT_EQ(pic[std::size_t(y) * W + x], on ? 16 + colour : s.pixel(x, y))
                << "U+" << std::hex << unsigned(code) << std::dec << " at " << x << "," << y;
        }
    }
}

}  // namespace

TEST(Compose, TextGlyphsSitOnePixelBelowTheCellTopOverTheDrawing) {
    auto s = blank_screen();
    gfx::draw_line(*s, 0, 0, 639, 431, 9, gfx::Shape::FilledBox);
    s->set_colour(6);
    s->set_cursor(2, 3);
    s->write("A●");
    s->set_colour(5);
    s->set_cursor(0, 23);
    s->write("g┼─");
    const auto pic = composed(*s);
    expect_text_glyph(*s, pic, U'A', 2, 3, 6, false);
    expect_text_glyph(*s, pic, U'●', 3, 3, 6, false);
    expect_text_glyph(*s, pic, U'g', 0, 23, 5, false);
    expect_text_glyph(*s, pic, U'┼', 1, 23, 5, true);
    expect_text_glyph(*s, pic, U'─', 3, 23, 5, true);
    // The cell's spare rows keep the drawing under an ordinary glyph; a box-drawing glyph
    // reaches them (the vertical stroke of "┼" in its column 7).
    EXPECT_EQ(pic[std::size_t(3 * 18) * W + 16 + 3], 9);
    EXPECT_EQ(pic[std::size_t(23 * 18) * W + 8 + 7], 16 + 5);
    EXPECT_EQ(pic[std::size_t(23 * 18 + 17) * W + 8 + 7], 16 + 5);
    // Outside the text, the plane as it is.
    EXPECT_EQ(pic[std::size_t(100) * W + 300], 9);
}

TEST(Compose, BlankCellsAndCharactersWithoutAGlyphShowThePlane) {
    auto s = blank_screen();
    gfx::draw_line(*s, 0, 0, 639, 431, 4, gfx::Shape::FilledBox);
    s->set_cursor(0, 0);
    s->write(" \xC3\xA9 x");  // a blank, a character the font lacks, a blank, then x
    const auto pic = composed(*s);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 4 * 8; ++x) ASSERT_EQ(pic[std::size_t(y) * W + x], 4) << x << "," << y;
    expect_text_glyph(*s, pic, U'x', 4, 0, 7, false);
}

TEST(Png, WritesTheComposedScreen) {
    testing_support::ScopedTempDir dir;
    auto s = blank_screen();
    gfx::draw_line(*s, 0, 0, 639, 431, 9, gfx::Shape::FilledBox);
    gfx::pset(*s, 5, 7, 3);
    s->set_colour(2);
    s->set_cursor(10, 10);
    s->write("■");
    con::write_png(*s, "screen.png");

    const std::string bytes = testing_support::read_file("screen.png");
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xb0", 8));  // 640 x 432

    int w = 0, h = 0, n = 0;
    unsigned char* rgb = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                               int(bytes.size()), &w, &h, &n, 3);
    ASSERT_NE(rgb, nullptr);
    std::unique_ptr<unsigned char, void (*)(void*)> keep(rgb, stbi_image_free);
    ASSERT_EQ(w, W);
    ASSERT_EQ(h, H);
    const auto pic = composed(*s);
    for (std::size_t i = 0; i < pic.size(); ++i) {
        const auto want = con::palette_rgb(pic[i]);
        ASSERT_TRUE(rgb[3 * i] == want[0] && rgb[3 * i + 1] == want[1] && rgb[3 * i + 2] == want[2])
            << "pixel " << i % W << "," << i / W;
    }
    EXPECT_EQ(con::palette_rgb(pic[7 * W + 5]), con::palette_rgb(3));
    EXPECT_EQ(con::palette_rgb(pic[std::size_t(10 * 18 + 8) * W + 84]), con::palette_rgb(16 + 2));  // inside ■

    EXPECT_THROW(con::write_png(*s, "no-such-directory/screen.png"), std::runtime_error);
}
