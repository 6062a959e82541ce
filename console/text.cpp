// The byte-string functions (cuts, search, joins, blanks, codes) and the reading of numbers
// from text. Texts are UTF-8 in memory; every byte position and count is a CP932 one.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "console/errors.h"
#include "console/text.h"

namespace con {
namespace {

bool is_ascii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool is_lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

/// The in-memory text of CP932 bytes, such that converting it back gives the same bytes.
/// A cut can pair a lone byte with the next character's first byte; some such pairs are
/// duplicate codes that would come back as another code, so they are kept as a raw byte
/// followed by what comes next. Joining the pieces of a cut text must give the text back.
std::string text_of(const std::string& bytes) {
    std::string text = from_cp932(bytes);
    if (to_cp932(text) == bytes) return text;
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (is_lead(b) && i + 1 < bytes.size()) {
            std::string pair = bytes.substr(i, 2);
            std::string ch = from_cp932(pair);
            if (to_cp932(ch) == pair && next_unit(ch, 0).length == ch.size()) {
                out += ch;
                i += 2;
                continue;
            }
        }
        out += from_cp932(bytes.substr(i, 1));
        ++i;
    }
    return out;
}

/// Bytes [first, first + count) of the CP932 form of s, clamped to the text; with `from_end`,
/// `first` counts back from the end instead.
std::string byte_range(std::string_view s, std::size_t first, std::size_t count, bool from_end = false) {
    if (is_ascii(s)) {
        if (from_end) first = s.size() - std::min(first, s.size());
        return std::string(s.substr(std::min(first, s.size()), count));
    }
    std::string bytes = to_cp932(s);
    if (from_end) first = bytes.size() - std::min(first, bytes.size());
    if (first >= bytes.size()) return {};
    return text_of(bytes.substr(first, count));
}

/// Whether the last character of s is a raw byte (the first half of a cut character).
bool ends_with_raw_byte(std::string_view s) {
    bool raw = false;
    for (std::size_t i = 0; i < s.size();) {
        TextUnit u = next_unit(s, i);
        raw = u.raw;
        i += u.length;
    }
    return raw;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

/// The number at the start of s (after blanks): where it begins and ends, and whether it has
/// any mantissa digit. A sign, point or exponent with no digits after it is not taken.
struct NumberSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool found = false;
};

NumberSpan scan_number(std::string_view s) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < s.size() && is_blank(s[i])) ++i;
    span.begin = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t int_end = skip_digits(s, i);
    bool digits = int_end > i;
    i = int_end;
    if (i < s.size() && s[i] == '.') {
        std::size_t frac_end = skip_digits(s, i + 1);
        if (digits || frac_end > i + 1) {
            digits = true;
            i = frac_end;
        }
    }
    if (!digits) return span;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t exp_end = skip_digits(s, j);
        if (exp_end > j) i = exp_end;
    }
    span.end = i;
    span.found = true;
    return span;
}

}  // namespace

std::string left_string(std::string_view s, long n) {
    if (n <= 0) return {};
    return byte_range(s, 0, static_cast<std::size_t>(n));
}

std::string mid_string(std::string_view s, long pos, long n) {
    if (n <= 0) return {};
    // A position below 1 is a program fault; taking it as 1 keeps the cut free of errors.
    std::size_t first = pos < 1 ? 0 : static_cast<std::size_t>(pos - 1);
    return byte_range(s, first, static_cast<std::size_t>(n));
}

std::string mid_string(std::string_view s, long pos) {
    std::size_t first = pos < 1 ? 0 : static_cast<std::size_t>(pos - 1);
    return byte_range(s, first, std::string::npos);
}

std::string right_string(std::string_view s, long n) {
    if (n <= 0) return {};
    return byte_range(s, static_cast<std::size_t>(n), std::string::npos, true);
}

long instr(std::string_view hay, std::string_view needle, long start) {
    std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    std::string h = to_cp932(hay);
    std::string n = to_cp932(needle);
    if (from > h.size()) return 0;
    std::size_t at = h.find(n, from);
    return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
}

std::string concat_strings(std::string_view a, std::string_view b) {
    // Only a lone byte at the end of the first text can pair up with the second text's first
    // byte; otherwise the texts join as they are.
    if (!ends_with_raw_byte(a)) return std::string(a) + std::string(b);
    return text_of(to_cp932(a) + to_cp932(b));
}

std::string space_string(long n) { return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), ' '); }

std::string chr_string(long code, SourceLocation where) {
    if (code < 0 || code > 255) raise_error(err::kIllegalCall, where);
    return from_cp932(std::string(1, static_cast<char>(code)));
}

int asc(std::string_view s) {
    if (s.empty()) return 0;
    std::string bytes = to_cp932(s.substr(0, next_unit(s, 0).length));
    return bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

long double val(std::string_view s) {
    NumberSpan span = scan_number(s);
    if (!span.found) return 0;
    // The matched text is plain ASCII in the grammar above, which strtold reads exactly; the
    // programs never change the C locale, so the point is ".".
    std::string number(s.substr(span.begin, span.end - span.begin));
    return std::strtold(number.c_str(), nullptr);  // beyond the range: an infinity, or 0
}

bool is_number(std::string_view s) {
    NumberSpan span = scan_number(s);
    if (!span.found) return false;
    std::size_t i = span.end;
    while (i < s.size() && is_blank(s[i])) ++i;
    return i == s.size();
}

std::optional<float> stored_number(std::string_view s) {
    if (!is_number(s)) return std::nullopt;
    const long double v = val(s);
    if (!std::isfinite(v) || std::fabs(v) > static_cast<long double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(v);
}

}  // namespace con
