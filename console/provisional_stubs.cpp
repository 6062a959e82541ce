// Placeholders until the real implementations land (text functions, number formats).
// Each helper removes its part.
#include "console/number_format.h"
#include "console/text.h"

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
}  // namespace con
