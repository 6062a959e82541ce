// Arithmetic helpers: the programs store every number as a 4-byte float and evaluate every
// expression in long double (a 64-bit mantissa), rounding to float only where a value is stored.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

#include "console/errors.h"
#include "console/source_location.h"

namespace con {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "expressions must be evaluated with a 64-bit mantissa");

/// The evaluation type of every expression.
using real = long double;

/// Widens a stored value for evaluation: write `L(x) * L(y)`, never `x * y` on floats.
constexpr real L(float v) { return static_cast<real>(v); }

/// Stores an evaluated expression: rounds to the nearest 4-byte value.
constexpr float store(real v) { return static_cast<float>(v); }

/// Adds an evaluated amount to a stored value, rounding the sum where it is stored.
inline void add_to(float& cell, real v) { cell = store(L(cell) + v); }

/// INT: the largest whole number not above v, taken on the unrounded value.
inline real int_floor(real v) { return std::floor(v); }

/// Whether a whole number lies within a long's range (a NaN does not).
inline bool whole_fits_long(real whole) {
    constexpr real kLeast = static_cast<real>(std::numeric_limits<long>::min());  // -2^63, exact
    return whole >= kLeast && whole < -kLeast;
}

/// Conversion to a whole number for an index, MOD operand, key, colour, tick count or screen
/// position: the nearest whole number, halves away from zero. A value whose whole number lies
/// beyond a long's range raises error 6 (overflow).
inline long round_half_away(real v, SourceLocation where = SourceLocation::current()) {
    const real whole = std::round(v);
    if (!whole_fits_long(whole)) raise_error(err::kOverflow, where);
    return static_cast<long>(whole);
}

/// Conversion to a whole number with halves going to the even neighbour (0.5 -> 0, 1.5 -> 2).
/// A value whose whole number lies beyond a long's range raises error 6 (overflow).
inline long round_half_even(real v, SourceLocation where = SourceLocation::current()) {
    const real f = std::floor(v);
    const real d = v - f;
    const real whole = d > 0.5L ? f + 1 : d < 0.5L ? f : std::fmod(f, 2) == 0 ? f : f + 1;
    if (!whole_fits_long(whole)) raise_error(err::kOverflow, where);
    return static_cast<long>(whole);
}

/// Whether v has a 4-byte value to be stored as: finite and within float's range. A typed
/// answer is tested with it before `store`, which has no result for a value beyond that range.
inline bool fits_float(real v) { return std::fabs(v) <= static_cast<real>(std::numeric_limits<float>::max()); }

/// MOD: both operands made whole (halves away from zero); the remainder takes the sign of the
/// dividend. A zero divisor raises error 11.
real mod(real a, real b, SourceLocation where = SourceLocation::current());

/// Integer division: operands made whole, quotient truncated toward zero; zero divisor -> error 11.
real int_div(real a, real b, SourceLocation where = SourceLocation::current());

/// Division that raises error 11 for a zero divisor instead of producing an infinity.
real divide(real a, real b, SourceLocation where = SourceLocation::current());

/// Square root that raises error 5 (illegal function call) for a negative argument.
real sqr(real v, SourceLocation where = SourceLocation::current());

/// Arc tangent in radians.
inline real atn(real v) { return std::atan(v); }
/// Tangent of an angle in radians.
inline real tan(real v) { return std::tan(v); }

/// A 4-byte constant given by its exact bit pattern (for constants that are not the nearest
/// float of the decimal they are written as).
inline float float_bits(std::uint32_t bits) {
    float f;
    static_assert(sizeof f == sizeof bits);
    __builtin_memcpy(&f, &bits, sizeof f);
    return f;
}

/// Stores a value and raises error 6 (overflow) when it does not fit a 4-byte float.
float store_checked(real v, SourceLocation where = SourceLocation::current());

}  // namespace con
