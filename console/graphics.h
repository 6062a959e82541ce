// Drawing on the graphics plane. Every coordinate is a real number made whole by rounding
// halves away from zero; points may lie off the plane, and only what lies on it is drawn.
#pragma once
#include <string_view>

#include "console/screen.h"

namespace con::gfx {

/// How draw_line draws between its two corners.
enum class Shape { Line, Box, FilledBox };

/// A line (Bresenham, both ends drawn), a box outline or a filled box (every pixel between
/// the corners, both included), clipped to the plane.
void draw_line(Screen& s, long double x1, long double y1, long double x2, long double y2, int colour,
               Shape shape = Shape::Line);

/// A whole circle (midpoint raster) of radius r around (cx, cy).
void draw_circle(Screen& s, long double cx, long double cy, long double r, int colour);
/// An arc of that circle: angles are fractions of a full turn, 0 east, growing clockwise on
/// the screen (0.25 points down); the arc runs clockwise from `start` to `end` (through east
/// when end < start); equal angles draw the whole circle. Both end pixels are drawn.
void draw_arc(Screen& s, long double cx, long double cy, long double r, int colour, long double start,
              long double end);

/// Floods from (x, y) over every 4-connected pixel whose colour is not `border`, painting it
/// `paint`. A seed on the border colour or off the plane paints nothing.
void paint_fill(Screen& s, long double x, long double y, int paint, int border);

/// Sets one pixel (ignored off the plane).
void pset(Screen& s, long double x, long double y, int colour);

/// The graphics colour of a pixel (text is not seen); -1 off the plane.
int point_colour(const Screen& s, long double x, long double y);

/// Draws a text into the plane with its top-left corner at (x, y), foreground pixels only.
void draw_text(Screen& s, long double x, long double y, std::string_view text, int colour);

}  // namespace con::gfx
