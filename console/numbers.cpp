// Arithmetic that can fail: MOD, integer division, division and square root, checked stores.
#include "console/numbers.h"

#include "console/errors.h"

namespace con {

real mod(real a, real b) {
    long x = round_half_away(a);
    long y = round_half_away(b);
    if (y == 0) raise_error(err::kDivisionByZero);
    return static_cast<real>(x % y);  // C++ remainder takes the dividend's sign
}

real int_div(real a, real b) {
    long x = round_half_away(a);
    long y = round_half_away(b);
    if (y == 0) raise_error(err::kDivisionByZero);
    return static_cast<real>(x / y);
}

real divide(real a, real b) {
    if (b == 0) raise_error(err::kDivisionByZero);
    return a / b;
}

real sqr(real v) {
    if (v < 0) raise_error(err::kIllegalCall);
    return std::sqrt(v);
}

float store_checked(real v) {
    if (!std::isfinite(v) || std::fabs(v) > static_cast<real>(std::numeric_limits<float>::max()))
        raise_error(err::kOverflow);
    return static_cast<float>(v);
}

}  // namespace con
