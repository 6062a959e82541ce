// Placeholders until the real implementations land (text functions, number formats,
// drawing, font, picture output). Each helper removes its part.
#include <stdexcept>

#include "console/graphics.h"
#include "console/number_format.h"
#include "console/text.h"
#include "console/png.h"

namespace con {
// --- text.cpp
std::string left_string(std::string_view s, long n) { return std::string(s.substr(0, n < 0 ? 0 : n)); }
std::string mid_string(std::string_view s, long pos, long n) { return std::string(s.substr(pos - 1, n)); }
std::string mid_string(std::string_view s, long pos) { return std::string(s.substr(pos - 1)); }
std::string right_string(std::string_view s, long n) { return std::string(s.substr(s.size() - n)); }
long instr(std::string_view hay, std::string_view needle, long start) { auto p = hay.find(needle, start - 1); return p == std::string_view::npos ? 0 : long(p) + 1; }
std::string concat_strings(std::string_view a, std::string_view b) { return std::string(a) + std::string(b); }
std::string space_string(long n) { return std::string(n > 0 ? n : 0, ' '); }
std::string chr_string(long code) { return std::string(1, char(code)); }
int asc(std::string_view s) { return s.empty() ? 0 : (unsigned char)s[0]; }
long double val(std::string_view s) { try { return std::stold(std::string(s)); } catch (...) { return 0; } }
bool is_number(std::string_view s) { try { size_t k; std::stold(std::string(s), &k); return true; } catch (...) { return false; } }
// --- number_format.cpp
std::string format_digits(long double v, int digits) { return std::to_string((double)v); }
std::string format_single(float v) { return (v < 0 ? "" : " ") + std::to_string((long)v) + " "; }
std::string format_double(long double v) { return (v < 0 ? "" : " ") + std::to_string((long)v) + " "; }
std::string format_int32(std::int32_t v) { return (v < 0 ? "" : " ") + std::to_string(v) + " "; }
std::string format_using(std::string_view format, const std::vector<UsingItem>& items) { return std::string(format); }
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
