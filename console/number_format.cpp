// Number texts as the programs print them (sign position, significant digits, exponent form)
// and formatted output into "#" and "@" fields.
#include "console/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "console/errors.h"

namespace con {
namespace {

/// A positive value as decimal digits d1 d2 d3 ... meaning d1.d2d3... x 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

/// The exact decimal expansion of a finite, positive value. Every binary value has a finite
/// decimal form; the precision asked of the C library is large enough to hold all of it, so
/// that no digit is rounded before our own rounding rule sees it.
Decimal exact_decimal(long double v) {
    int e = 0;
    long double f = std::frexp(v, &e);  // v = f x 2^e, 0.5 <= f < 1
    auto m = static_cast<unsigned long long>(std::ldexp(f, 64));
    int k = e - 64;  // v = m x 2^k
    while (m != 0 && (m & 1U) == 0) {
        m >>= 1;
        ++k;
    }
    // A whole number has at most e x log10(2) + 1 digits; m x 2^k with k < 0 is
    // m x 5^-k / 10^-k, whose digits are at most those of m (20) and of 5^-k.
    int precision = k >= 0 ? static_cast<int>(e * 0.30103) + 3 : 20 + static_cast<int>(-k * 0.69898) + 3;
    std::vector<char> buf(static_cast<std::size_t>(precision) + 32);
    std::snprintf(buf.data(), buf.size(), "%.*Le", precision, v);
    Decimal d;
    const char* p = buf.data();
    for (; *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

/// Rounds to at most n significant digits, halves away from zero, and drops trailing zeros.
void round_to(Decimal& d, std::size_t n) {
    if (d.digits.size() <= n) return;
    bool up = d.digits[n] >= '5';
    d.digits.resize(n);
    if (up) {
        std::size_t i = n;
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

/// The digits written out without exponent and without a 0 before the point (".75", "35100").
std::string fixed_text(const Decimal& d) {
    const std::string& g = d.digits;
    if (d.exponent < 0) return "." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + g;
    auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (g.size() <= whole) return g + std::string(whole - g.size(), '0');
    return g.substr(0, whole) + "." + g.substr(whole);
}

/// Mantissa, "E", the exponent's sign and at least two exponent digits ("1.23457E+06").
std::string exponent_text(const Decimal& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    int e = d.exponent;
    out += e < 0 ? "E-" : "E+";
    std::string exp = std::to_string(e < 0 ? -e : e);
    if (exp.size() < 2) exp.insert(exp.begin(), '0');
    return out + exp;
}

/// A number item's text: its sign position, its digits and one trailing blank.
std::string item_text(long double v, int digits) {
    std::string text = format_digits(v, digits);
    return (text[0] == '-' ? "" : " ") + text + " ";
}

/// A "#" field of `width` places: the value rounded half away from zero, right-aligned, or
/// "%" and the whole number when it does not fit.
std::string numeric_field(long double v, std::size_t width) {
    long double r = std::round(v);
    if (!std::isfinite(r)) raise_error(err::kOverflow);
    std::string text = "0";
    if (r != 0) {
        char buf[5000];
        std::snprintf(buf, sizeof buf, "%.0Lf", r);  // exact: r is a whole number
        text = buf;
    }
    if (text.size() > width) return "%" + text;
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string format_digits(long double v, int digits) {
    if (!std::isfinite(v)) raise_error(err::kOverflow);
    if (v == 0) return "0";
    digits = std::max(digits, 1);
    Decimal d = exact_decimal(std::fabs(v));
    round_to(d, static_cast<std::size_t>(digits));
    // Fixed notation from 0.01 up to the largest value the digits can show whole.
    bool fixed = d.exponent >= -2 && d.exponent < digits;
    std::string text = fixed ? fixed_text(d) : exponent_text(d);
    return v < 0 ? "-" + text : text;
}

std::string format_single(float v) { return item_text(static_cast<long double>(v), 6); }

std::string format_double(long double v) { return item_text(v, 15); }

std::string format_int32(std::int32_t v) { return (v < 0 ? "" : " ") + std::to_string(v) + " "; }

std::string format_using(std::string_view format, const std::vector<UsingItem>& items) {
    std::size_t fields = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '@') {
            ++fields;
        } else if (format[i] == '#') {
            if (i == 0 || format[i - 1] != '#') ++fields;
        } else {
            throw std::logic_error("format holds a character other than # and @: " + std::string(format));
        }
    }
    if (items.size() > fields)
        throw std::logic_error("more items than fields for the format " + std::string(format));

    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size() && next < items.size();) {
        const UsingItem& item = items[next++];
        if (format[i] == '@') {
            const auto* text = std::get_if<std::string>(&item);
            if (text == nullptr) raise_error(err::kTypeMismatch);
            out += *text;
            ++i;
        } else {
            std::size_t width = 0;
            while (i < format.size() && format[i] == '#') ++i, ++width;
            const auto* number = std::get_if<long double>(&item);
            if (number == nullptr) raise_error(err::kTypeMismatch);
            out += numeric_field(*number, width);
        }
    }
    return out;
}

}  // namespace con
