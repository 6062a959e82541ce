// Arithmetic that can fail: MOD, integer division, division and square root, checked stores.
#include "console/numbers.h"

#include "console/errors.h"

namespace con {

real mod(real a, real b, SourceLocation where) {
    long x = round_half_away(a);
    long y = round_half_away(b);
    if (y == 0) raise_error(err::kDivisionByZero, where);
    return static_cast<real>(x % y);  // C++ remainder takes the dividend's sign
}

real int_div(real a, real b, SourceLocation where) {
    long x = round_half_away(a);
    long y = round_half_away(b);
    if (y == 0) raise_error(err::kDivisionByZero, where);
    return static_cast<real>(x / y);
}

real divide(real a, real b, SourceLocation where) {
    if (b == 0) raise_error(err::kDivisionByZero, where);
    return a / b;
}

real sqr(real v, SourceLocation where) {
    if (v < 0) raise_error(err::kIllegalCall, where);
    return std::sqrt(v);
}

float store_checked(real v, SourceLocation where) {
    if (!std::isfinite(v) || std::fabs(v) > static_cast<real>(std::numeric_limits<float>::max()))
        raise_error(err::kOverflow, where);
    return static_cast<float>(v);
}

}  // namespace con
