// Drawing on the graphics plane: lines and boxes, circles and arcs, flood fill, single pixels
// and text. Every shape is clipped to the plane in exact arithmetic, so a shape whose points
// lie far off the plane draws exactly the pixels of its unclipped raster that fall on it.
#include "console/graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "console/font.h"
#include "console/text.h"

namespace con::gfx {
namespace {

using i64 = std::int64_t;
using i128 = __int128;

constexpr int kW = kPlaneWidth;
constexpr int kH = kPlaneHeight;

// Beyond this distance from the origin a line's end point is first moved along the line
// (see pull_in); within it every raster is computed exactly in 128-bit integers.
constexpr long double kFar = 0x1p60L;
// Circles with a larger radius are not drawn (their arithmetic would not be exact).
constexpr long double kMaxRadius = 0x1p52L;

/// A coordinate made whole, halves away from zero (the rule of con::round_half_away), kept as
/// a real so that a point far off the plane cannot overflow an integer.
long double whole(long double v) { return std::round(v); }

/// The plane holds graphics colours 0-15 only; other numbers wrap into that range so that the
/// composed picture never mistakes a drawing for text.
std::uint8_t plane_colour(int colour) { return static_cast<std::uint8_t>(colour & 15); }

bool on_plane(i64 x, i64 y) { return x >= 0 && x < kW && y >= 0 && y < kH; }

void put(Screen& s, i64 x, i64 y, std::uint8_t c) {
    if (on_plane(x, y)) s.plane_row(static_cast<int>(y))[x] = c;
}

// ---------------------------------------------------------------------------------------------
// Lines

/// Moves end points lying beyond kFar along the real line to the square |x|, |y| <= kFar
/// (Liang-Barsky). False when the line misses that square (and so the plane).
bool pull_in(long double& x1, long double& y1, long double& x2, long double& y2) {
    long double t0 = 0, t1 = 1;
    const long double dx = x2 - x1, dy = y2 - y1;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {x1 + kFar, kFar - x1, y1 + kFar, kFar - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        long double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const long double ax = x1, ay = y1;
    x1 = whole(ax + t0 * dx);
    y1 = whole(ay + t0 * dy);
    x2 = whole(ax + t1 * dx);
    y2 = whole(ay + t1 * dy);
    return true;
}

/// The pixels of a Bresenham line along its major axis: for step i (0..major) the minor
/// offset is i * minor / major rounded to nearest, halves towards the far end. `plot` gets
/// (major coordinate, minor coordinate). Only steps whose major coordinate lies in
/// [0, limit) are visited, so the work is bounded by the plane, not by the line's length.
template <class Plot>
void bresenham_major(i64 a1, i64 b1, i64 major, i64 minor, int minor_sign, int limit, Plot plot) {
    if (major == 0) {
        if (a1 >= 0 && a1 < limit) plot(a1, b1);
        return;
    }
    const i64 first = std::max<i64>(0, -a1);
    const i64 last = std::min<i64>(major, limit - 1 - a1);
    for (i64 i = first; i <= last; ++i) {
        const i64 j = static_cast<i64>((2 * static_cast<i128>(i) * minor + major) / (2 * static_cast<i128>(major)));
        plot(a1 + i, b1 + minor_sign * j);
    }
}

void line_into_plane(Screen& s, long double x1, long double y1, long double x2, long double y2, std::uint8_t c) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    x1 = whole(x1), y1 = whole(y1), x2 = whole(x2), y2 = whole(y2);
    if (std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)}) > kFar &&
        !pull_in(x1, y1, x2, y2))
        return;
    i64 ax = static_cast<i64>(x1), ay = static_cast<i64>(y1);
    i64 bx = static_cast<i64>(x2), by = static_cast<i64>(y2);
    // Each line is drawn from its end with the smaller major coordinate, so that a line and
    // its reverse set the same pixels.
    if (std::llabs(bx - ax) >= std::llabs(by - ay)) {
        if (bx < ax) std::swap(ax, bx), std::swap(ay, by);
        bresenham_major(ax, ay, bx - ax, std::llabs(by - ay), by < ay ? -1 : 1, kW,
                        [&](i64 x, i64 y) { put(s, x, y, c); });
    } else {
        if (by < ay) std::swap(ax, bx), std::swap(ay, by);
        bresenham_major(ay, ax, by - ay, std::llabs(bx - ax), bx < ax ? -1 : 1, kH,
                        [&](i64 y, i64 x) { put(s, x, y, c); });
    }
}

/// The part of [lo, hi] (whole reals) inside [0, size): false when empty.
bool clip_span(long double lo, long double hi, int size, int* from, int* to) {
    if (hi < 0 || lo > size - 1) return false;
    *from = static_cast<int>(std::max<long double>(lo, 0));
    *to = static_cast<int>(std::min<long double>(hi, size - 1));
    return true;
}

void box(Screen& s, long double x1, long double y1, long double x2, long double y2, std::uint8_t c,
         bool filled) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
    const long double left = whole(std::min(x1, x2)), right = whole(std::max(x1, x2));
    const long double top = whole(std::min(y1, y2)), bottom = whole(std::max(y1, y2));
    int xa, xb, ya, yb;
    if (!clip_span(left, right, kW, &xa, &xb) || !clip_span(top, bottom, kH, &ya, &yb)) return;
    for (int y = ya; y <= yb; ++y) {
        std::uint8_t* row = s.plane_row(y);
        if (filled || y == top || y == bottom) {
            std::fill(row + xa, row + xb + 1, c);
        } else {
            if (left == xa) row[xa] = c;
            if (right == xb) row[xb] = c;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Circles

struct Circle {
    i64 cx, cy, r;
};

/// The circle's centre and radius made whole; false when nothing of it can reach the plane.
bool make_circle(long double cx, long double cy, long double r, Circle* out) {
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return false;
    cx = whole(cx), cy = whole(cy), r = whole(r);
    if (r < 0 || r > kMaxRadius) return false;
    if (cx + r < 0 || cx - r > kW - 1 || cy + r < 0 || cy - r > kH - 1) return false;
    *out = Circle{static_cast<i64>(cx), static_cast<i64>(cy), static_cast<i64>(r)};
    return true;
}

i128 isqrt(i128 v) {
    i128 s = static_cast<i128>(std::sqrt(static_cast<long double>(v)));
    while (s > 0 && s * s > v) --s;
    while ((s + 1) * (s + 1) <= v) ++s;
    return s;
}

/// The midpoint circle raster in closed form: the y that the midpoint algorithm (start at
/// (0, r), decision 1 - r) reaches at column x of its first octant, i.e. the largest y with
/// 4x^2 + (2y - 1)^2 < 4r^2; -1 when column x lies beyond the circle.
i64 octant_y(i64 r, i64 x) {
    if (r == 0) return x == 0 ? 0 : -1;
    const i128 t = 4 * static_cast<i128>(r) * r - 4 * static_cast<i128>(x) * x;
    if (t <= 0) return -1;
    return static_cast<i64>((isqrt(t - 1) + 1) / 2);
}

/// Whether the pixel at offset (dx, dy) from the centre belongs to the circle's raster.
bool on_raster(const Circle& c, i64 dx, i64 dy) {
    const i64 a = std::min(std::llabs(dx), std::llabs(dy));
    const i64 b = std::max(std::llabs(dx), std::llabs(dy));
    const i64 y = octant_y(c.r, a);
    return y >= 0 && a <= y && b == y;
}

/// Calls plot(x, y) for every raster pixel of the circle that lies on the plane (some more
/// than once). Only the octant columns that can map onto the plane are computed.
template <class Plot>
void for_each_circle_pixel(const Circle& c, Plot plot) {
    const i64 ranges[4][2] = {
        {-c.cx, kW - 1 - c.cx}, {c.cx - (kW - 1), c.cx},  // columns cx +- x on the plane
        {-c.cy, kH - 1 - c.cy}, {c.cy - (kH - 1), c.cy},  // rows cy +- x on the plane
    };
    for (const auto& range : ranges) {
        const i64 from = std::max<i64>(range[0], 0), to = std::min<i64>(range[1], c.r);
        for (i64 x = from; x <= to; ++x) {
            const i64 y = octant_y(c.r, x);
            if (y < 0 || x > y) break;
            const i64 pts[8][2] = {{x, y}, {-x, y}, {x, -y}, {-x, -y}, {y, x}, {-y, x}, {y, -x}, {-y, -x}};
            for (const auto& p : pts)
                if (on_plane(c.cx + p[0], c.cy + p[1])) plot(c.cx + p[0], c.cy + p[1]);
        }
    }
}

/// Angles as fractions of a turn in [0, 1), growing clockwise on the screen (y points down).
long double turn_fraction(long double a) { return a - std::floor(a); }

long double pixel_angle(const Circle& c, i64 x, i64 y) {
    const long double a = std::atan2(static_cast<long double>(y - c.cy), static_cast<long double>(x - c.cx));
    return turn_fraction(a / (2 * std::numbers::pi_v<long double>));
}

/// The distance between two angles around the circle (0 to 0.5).
long double angle_gap(long double a, long double b) {
    const long double d = turn_fraction(a - b);
    return std::min(d, 1 - d);
}

/// Plots the raster pixel nearest (by angle) to the point of the circle at angle `at`; the
/// nearest pixel lies within two pixels of that point.
void plot_end_pixel(Screen& s, const Circle& c, long double at, std::uint8_t colour) {
    const long double turn = 2 * std::numbers::pi_v<long double> * at;
    const i64 px = static_cast<i64>(whole(c.cx + c.r * std::cos(turn)));
    const i64 py = static_cast<i64>(whole(c.cy + c.r * std::sin(turn)));
    bool found = false;
    i64 best_x = 0, best_y = 0;
    long double best = 0;
    for (i64 y = py - 2; y <= py + 2; ++y)
        for (i64 x = px - 2; x <= px + 2; ++x) {
            if (!on_raster(c, x - c.cx, y - c.cy)) continue;
            const long double gap = angle_gap(pixel_angle(c, x, y), at);
            if (!found || gap < best) found = true, best = gap, best_x = x, best_y = y;
        }
    if (found) put(s, best_x, best_y, colour);
}

// ---------------------------------------------------------------------------------------------
// Text

void glyph_into_plane(Screen& s, i64 x0, i64 y0, const std::uint16_t rows[16], int width, std::uint8_t c) {
    for (int r = 0; r < 16; ++r) {
        const i64 y = y0 + r;
        if (y < 0 || y >= kH || rows[r] == 0) continue;
        std::uint8_t* row = s.plane_row(static_cast<int>(y));
        for (int b = 0; b < width; ++b) {
            const i64 x = x0 + b;
            if (x >= 0 && x < kW && (rows[r] & (0x8000u >> b))) row[x] = c;
        }
    }
}

}  // namespace

void draw_line(Screen& s, long double x1, long double y1, long double x2, long double y2, int colour,
               Shape shape) {
    const std::uint8_t c = plane_colour(colour);
    if (shape == Shape::Line)
        line_into_plane(s, x1, y1, x2, y2, c);
    else
        box(s, x1, y1, x2, y2, c, shape == Shape::FilledBox);
    s.touch();
}

void draw_circle(Screen& s, long double cx, long double cy, long double r, int colour) {
    Circle c;
    if (!make_circle(cx, cy, r, &c)) return;
    const std::uint8_t col = plane_colour(colour);
    for_each_circle_pixel(c, [&](i64 x, i64 y) { put(s, x, y, col); });
    s.touch();
}

void draw_arc(Screen& s, long double cx, long double cy, long double r, int colour, long double start,
              long double end) {
    if (!std::isfinite(start) || !std::isfinite(end)) return;
    const long double from = turn_fraction(start), to = turn_fraction(end);
    if (start == end || from == to) {
        draw_circle(s, cx, cy, r, colour);
        return;
    }
    Circle c;
    if (!make_circle(cx, cy, r, &c)) return;
    const std::uint8_t col = plane_colour(colour);
    const long double span = turn_fraction(to - from);  // clockwise, through east when to < from
    for_each_circle_pixel(c, [&](i64 x, i64 y) {
        if (turn_fraction(pixel_angle(c, x, y) - from) <= span) put(s, x, y, col);
    });
    plot_end_pixel(s, c, from, col);
    plot_end_pixel(s, c, to, col);
    s.touch();
}

void paint_fill(Screen& s, long double x, long double y, int paint, int border) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    x = whole(x), y = whole(y);
    if (x < 0 || x > kW - 1 || y < 0 || y > kH - 1) return;
    const std::uint8_t p = plane_colour(paint), b = plane_colour(border);
    const int sx = static_cast<int>(x), sy = static_cast<int>(y);
    if (s.pixel(sx, sy) == b) return;
    // Each pixel enters the stack at most once (the mask), so the fill ends and its memory is
    // bounded by the plane even where pixels already have the paint colour.
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(kW) * kH, 0);
    std::vector<std::int32_t> stack;
    stack.reserve(4096);
    auto visit = [&](int px, int py) {
        if (px < 0 || px >= kW || py < 0 || py >= kH) return;
        const std::size_t k = static_cast<std::size_t>(py) * kW + px;
        if (seen[k] || s.pixel(px, py) == b) return;
        seen[k] = 1;
        stack.push_back(static_cast<std::int32_t>(k));
    };
    visit(sx, sy);
    while (!stack.empty()) {
        const std::int32_t k = stack.back();
        stack.pop_back();
        const int px = k % kW, py = k / kW;
        s.plane_row(py)[px] = p;
        visit(px + 1, py);
        visit(px - 1, py);
        visit(px, py + 1);
        visit(px, py - 1);
    }
    s.touch();
}

void pset(Screen& s, long double x, long double y, int colour) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    x = whole(x), y = whole(y);
    if (x < 0 || x > kW - 1 || y < 0 || y > kH - 1) return;
    s.set_pixel(static_cast<int>(x), static_cast<int>(y), plane_colour(colour));
}

int point_colour(const Screen& s, long double x, long double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    x = whole(x), y = whole(y);
    if (x < 0 || x > kW - 1 || y < 0 || y > kH - 1) return -1;
    return s.pixel(static_cast<int>(x), static_cast<int>(y));
}

void draw_text(Screen& s, long double x, long double y, std::string_view text, int colour) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    x = whole(x), y = whole(y);
    // A text is at most 16 pixels per byte wide and 16 high.
    const long double reach = 16.0L * static_cast<long double>(text.size());
    if (y < -15 || y > kH - 1 || x > kW - 1 || x < -reach) return;
    const std::uint8_t c = plane_colour(colour);
    i64 pen = static_cast<i64>(x);
    const i64 top = static_cast<i64>(y);
    for (std::size_t i = 0; i < text.size() && pen < kW;) {
        const TextUnit u = next_unit(text, i);
        i += u.length;
        std::uint16_t rows[16];
        int width = 0;
        // A lone byte left by a cut shows as a blank, like on the text screen.
        if (!u.raw && glyph(u.code, rows, &width)) glyph_into_plane(s, pen, top, rows, std::min(width, 8 * u.width), c);
        pen += 8 * u.width;
    }
    s.touch();
}

}  // namespace con::gfx
