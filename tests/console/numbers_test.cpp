// The arithmetic model: 4-byte stores, long double evaluation, INT as floor, the two roundings
// to whole numbers and MOD, pinned with the values the programs' formulas depend on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "console/errors.h"
#include "console/numbers.h"

namespace {

using con::L;
using con::real;

TEST(Numbers, WholeNumberConversions) {
    struct Case {
        const char* name;
        real value;
        real floor;
        long away;
        long even;
    } cases[] = {
        {"zero", 0, 0, 0, 0},
        {"a half", 0.5L, 0, 1, 0},
        {"one and a half", 1.5L, 1, 2, 2},
        {"two and a half", 2.5L, 2, 3, 2},
        {"display time 1000.5", 1000.5L, 1000, 1001, 1000},
        {"just below a half", 0.49L, 0, 0, 0},
        {"just above a half", 2.51L, 2, 3, 3},
        {"negative fraction", -0.1L, -1, 0, 0},
        {"negative half", -0.5L, -1, -1, 0},
        {"negative one and a half", -1.5L, -2, -2, -2},
        {"negative two and a half", -2.5L, -3, -3, -2},
        {"whole", 7, 7, 7, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::int_floor(c.value), c.floor);
        EXPECT_EQ(con::round_half_away(c.value), c.away);
        EXPECT_EQ(con::round_half_even(c.value), c.even);
    }
}

TEST(Numbers, WholeNumbersBeyondALongRaiseOverflow) {
    // Error 6, as for a value too large to store; the largest whole numbers a long holds convert.
    const real beyond[] = {1e20L, -1e20L, 0x1p63L, -0x1p63L - 1, 0x1p63L - 0.5L, HUGE_VALL, -HUGE_VALL, NAN};
    for (real v : beyond) {
        SCOPED_TRACE(static_cast<double>(v));
        for (auto convert : {+[](real x) { return con::round_half_away(x); }, +[](real x) { return con::round_half_even(x); }}) {
            try {
                convert(v);
                ADD_FAILURE() << "no error";
            } catch (const con::RuntimeError& e) {
                EXPECT_EQ(e.number(), con::err::kOverflow);
            }
        }
    }
    EXPECT_EQ(con::round_half_away(0x1p63L - 1), 0x7fffffffffffffffL);
    EXPECT_EQ(con::round_half_even(-0x1p63L), -0x7fffffffffffffffL - 1);
    EXPECT_EQ(con::round_half_even(0x1p62L + 0.5L), 0x4000000000000000L) << "a half to the even neighbour";
    EXPECT_TRUE(con::fits_float(std::numeric_limits<float>::max()));
    EXPECT_FALSE(con::fits_float(1e39L));
    EXPECT_FALSE(con::fits_float(-HUGE_VALL));
    EXPECT_FALSE(con::fits_float(NAN));
}

TEST(Numbers, ModTakesTheDividendsSign) {
    struct Case {
        const char* name;
        real a, b, want;
    } cases[] = {
        {"positive", 7, 3, 1},
        {"negative dividend", -7, 3, -1},
        {"negative divisor", 7, -3, 1},
        {"both negative", -7, -3, -1},
        {"colour counter", 13, 7, 6},
        {"operands rounded half away first", 2.5L, 2, 1},
        {"rounded divisor", 7, 2.5L, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::mod(c.a, c.b), c.want);
    }
    try {
        con::mod(5, 0.4L);  // the divisor rounds to 0
        ADD_FAILURE() << "no error for a zero divisor";
    } catch (const con::RuntimeError& e) {
        EXPECT_EQ(e.number(), con::err::kDivisionByZero);
    }
}

TEST(Numbers, FourByteLiteralsAndLongDoubleEvaluation) {
    struct Case {
        const char* name;
        real value;  // INT of the formula, or the stored result
        real want;
    } cases[] = {
        {"INT(10 x 0.9)", con::int_floor(L(10) * L(0.9f)), 8},
        {"INT(1000 x 0.9)", con::int_floor(L(1000) * L(0.9f)), 899},
        {"INT(20 x 0.95)", con::int_floor(L(20) * L(0.95f)), 18},
        {"INT(10 x 0.7)", con::int_floor(L(10) * L(0.7f)), 6},
        {"INT(20 x 0.7)", con::int_floor(L(20) * L(0.7f)), 13},
        {"18720 x 0.9 floored", con::int_floor(L(18720) * L(0.9f)), 16847},
        {"belt 29 cm x 10 x 0.95 rounded half up", con::int_floor(L(29) * 10 * L(0.95f) + L(0.5f)), 275},
        {"INT(50 x sin(90 x 71 / 4068))", con::int_floor(L(50) * std::sin(L(90) * 71 / 4068)), 49},
        // A stored 3.01 less 0.01 falls back to 3 only on the unrounded difference.
        {"CLC2 on the unrounded difference", con::int_floor(L(3.01f) - L(0.01f)) + 1, 3},
        {"CLC2 if the difference were stored first", con::int_floor(L(con::store(L(3.01f) - L(0.01f)))) + 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value, c.want);
    }
}

TEST(Numbers, SumsStoredInPlace) {
    // Damage added in 0.2 steps, each sum stored: the fifth brings it to exactly 1.
    float sum = 0;
    for (int hit = 1; hit <= 5; ++hit) sum = con::store(L(sum) + L(0.2f));
    EXPECT_EQ(sum, 1.0f);
    float total = con::store(L(con::store(L(0.0f) + L(0.1f))) + L(0.25f));
    EXPECT_EQ(total, 0.35f);
}

TEST(Numbers, ConstantsByTheirBits) {
    EXPECT_EQ(con::float_bits(0x3F800000), 1.0f);
    EXPECT_EQ(con::float_bits(0x3C8EFA36), 0.017453294f);
    EXPECT_NE(con::float_bits(0x3C8EFA36), 0.0174533f);
    EXPECT_NE(con::float_bits(0x42652EED), 57.2958f);
}

}  // namespace
