// Placeholders until the real implementations land (text functions, number formats,
// drawing, font, picture output). Each helper removes its part.
#include <stdexcept>

#include "console/font.h"
#include "console/graphics.h"
#include "console/number_format.h"
#include "console/text.h"
#include "console/png.h"

namespace con {
// --- font.cpp
bool glyph(char32_t, std::uint16_t rows[16], int* width) { return false; }
bool is_box_drawing(char32_t) { return false; }
// --- png.cpp
void write_png(const Screen&, const std::string&) { throw std::runtime_error("png output not built yet"); }
void Screen::compose(std::uint8_t* out) const {}
}  // namespace con

namespace con::gfx {
void draw_line(Screen& s, long double x1, long double y1, long double x2, long double y2, int colour, Shape shape) {}
void draw_circle(Screen& s, long double cx, long double cy, long double r, int colour) {}
void draw_arc(Screen& s, long double cx, long double cy, long double r, int colour, long double start, long double end) {}
void paint_fill(Screen& s, long double x, long double y, int paint, int border) {}
void pset(Screen& s, long double x, long double y, int colour) {}
int point_colour(const Screen& s, long double x, long double y) { return -1; }
void draw_text(Screen& s, long double x, long double y, std::string_view text, int colour) {}
}  // namespace con::gfx
