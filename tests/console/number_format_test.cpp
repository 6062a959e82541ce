// Printed number texts (sign position, significant digits, exponent form) and formatted output
// into "#" and "@" fields, with the values the programs print.
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/errors.h"
#include "console/number_format.h"
#include "console/numbers.h"

namespace {

using con::L;
using Items = std::vector<con::UsingItem>;

con::UsingItem num(long double v) { return v; }
con::UsingItem str(const char* s) { return std::string(s); }

TEST(NumberText, StoredValuesPrintWithSixDigits) {
    struct Case {
        const char* name;
        float value;
        const char* text;
    } cases[] = {
        {"group number", 1, " 1 "},
        {"written to a file", 12, " 12 "},
        {"negative", -3, "-3 "},
        {"zero", 0, " 0 "},
        {"negative zero", -0.0f, " 0 "},
        {"speed", 30, " 30 "},
        {"contact bearing", 135, " 135 "},
        {"proper displacement", 35100, " 35100 "},
        {"scenario value", 670, " 670 "},
        {"durability without a leading 0", 0.75f, " .75 "},
        {"negative fraction", -0.5f, "-.5 "},
        {"a float holding 0.1", 0.1f, " .1 "},
        {"six digits", 999999, " 999999 "},
        {"seven digits round", 1234567, " 1.23457E+06 "},
        {"a million", 1e6f, " 1E+06 "},
        {"rounding up to a million", 999999.5f, " 1E+06 "},
        {"a half at the seventh digit goes away from zero", 123456.5f, " 123457 "},
        {"negative half likewise", -123456.5f, "-123457 "},
        {"fraction keeps six digits", 23.456789f, " 23.4568 "},
        {"smallest fixed value", 0.01f, " .01 "},
        {"below 0.01", 0.00999f, " 9.99E-03 "},
        {"negative small", -0.0025f, "-2.5E-03 "},
        {"fixed with leading zeros", 0.0123457f, " .0123457 "},
        {"large", 3e38f, " 3E+38 "},
        {"tiny", 1e-38f, " 1E-38 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::format_single(c.value), c.text);
    }
}

TEST(NumberText, ComputedValuesPrintWithFifteenDigits) {
    struct Case {
        const char* name;
        long double value;
        const char* text;
    } cases[] = {
        {"PK(0) x 3", L(105) * 3, " 315 "},
        {"BF(0) x 3 / 20 with BF(0) = 157", L(157) * 3 / 20, " 23.55 "},
        {"R - D", L(32100) - L(35700), "-3600 "},
        {"floor(100 R / D)", con::int_floor(L(100) * 20520 / 36000), " 57 "},
        {"zero difference", L(33700) - L(33700), " 0 "},
        {"whole hundred", con::int_floor(L(100) * 33700 / 33700), " 100 "},
        {"units times nine", L(25) * 9, " 225 "},
        {"a float's binary noise shows", L(0.1f) * 3, " .300000004470348 "},
        {"a third", L(1) / 3, " .333333333333333 "},
        {"two thirds round up", L(2) / 3, " .666666666666667 "},
        {"fifteen digits whole", 999999999999999.0L, " 999999999999999 "},
        {"sixteen digits", 1e15L, " 1E+15 "},
        {"rounding into the exponent form", 999999999999999.5L, " 1E+15 "},
        {"small", 0.001L, " 1E-03 "},
        {"three exponent digits", 1e-100L, " 1E-100 "},
        {"large mantissa", -1.5e300L, "-1.5E+300 "},
        {"beyond the double range", 2e4000L, " 2E+4000 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::format_double(c.value), c.text);
    }
}

TEST(NumberText, Int32AndDigitsAndNonFinite) {
    EXPECT_EQ(con::format_int32(12), " 12 ");
    EXPECT_EQ(con::format_int32(-3), "-3 ");
    EXPECT_EQ(con::format_int32(0), " 0 ");
    EXPECT_EQ(con::format_int32(INT32_MAX), " 2147483647 ");
    EXPECT_EQ(con::format_int32(INT32_MIN), "-2147483648 ");

    EXPECT_EQ(con::format_digits(-0.5L, 6), "-.5");
    EXPECT_EQ(con::format_digits(35100, 6), "35100");
    EXPECT_EQ(con::format_digits(1234567, 3), "1.23E+06");

    for (long double bad : {std::numeric_limits<long double>::infinity(), -std::numeric_limits<long double>::infinity(),
                            std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            con::format_double(bad);
            ADD_FAILURE() << "no error for " << static_cast<double>(bad);
        } catch (const con::RuntimeError& e) {
            EXPECT_EQ(e.number(), con::err::kOverflow);
        }
    }
}

TEST(FormattedOutput, NumericFieldsRoundAndAlign) {
    for (int n = 1; n <= 22; ++n) {
        std::string want = (n < 10 ? " " : "") + std::to_string(n);
        EXPECT_EQ(con::format_using("##", {num(n)}), want);
    }
    for (int l = 1; l <= 7; ++l) {
        std::string want = (l < 5 ? " " : "") + std::to_string(20 * l) + " cm";
        EXPECT_EQ(con::format_using("###@", {num(L(20) * l), str(" cm")}), want);
    }
    struct Case {
        const char* name;
        const char* format;
        long double value;
        const char* text;
    } cases[] = {
        {"half rounds up", "##", 13.5L, "14"},
        {"half away from zero", "###", 2.5L, "  3"},
        {"negative half away from zero, sign before digits", "###", -2.5L, " -3"},
        {"below a half", "###", 2.49L, "  2"},
        {"negative rounding to zero has no sign", "##", -0.4L, " 0"},
        {"tonnage", "#######", 8100, "   8100"},
        {"largest tonnage", "#######", 999900, " 999900"},
        {"just fits", "###", 999, "999"},
        {"too wide", "###", 1234, "%1234"},
        {"sign makes it too wide", "##", -12, "%-12"},
        {"negative just fits", "###", -12, "-12"},
        {"rounding makes it too wide", "##", 99.5L, "%100"},
        {"single place", "#", 7, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::format_using(c.format, {num(c.value)}), c.text);
    }
}

TEST(FormattedOutput, FieldsFillLeftToRight) {
    struct Case {
        const char* name;
        const char* format;
        Items items;
        const char* text;
    } cases[] = {
        {"gun bore with the third @ unused", "##@@@", {num(8), str("  Inch / "), str("40")}, " 8  Inch / 40"},
        {"planned displacement", "@####@", {str("予定排水量 "), num(450), str("00 ton")}, "予定排水量  45000 ton"},
        {"main gun weight share", "@####@", {str("主砲重量  "), num(11), str(" %")}, "主砲重量    11 %"},
        {"share 38", "@####@", {str("主砲重量  "), num(38), str(" %")}, "主砲重量    38 %"},
        {"three numbers", "##@##@##", {num(29), str(" "), num(13), str(" "), num(25)}, "29 13 25"},
        {"units", "@@##@", {str("瑞鶴"), str(" "), num(5), str(" ユニット")}, "瑞鶴  5 ユニット"},
        {"units too many for the field", "@@##@", {str("瑞鶴"), str(" "), num(100), str(" ユニット")},
         "瑞鶴 %100 ユニット"},
        {"aircraft count", "@@###@", {str("零戦"), str(" "), num(27), str(" 機")}, "零戦  27 機"},
        {"an @ takes a whole text of any length", "@#", {str("長い名前の艦"), num(3)}, "長い名前の艦3"},
        {"empty text item", "@##", {str(""), num(3)}, " 3"},
        {"first field without an item ends the output", "@##@##", {str("A"), num(1)}, "A 1"},
        {"no items", "###", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::format_using(c.format, c.items), c.text);
    }
}

TEST(FormattedOutput, WrongItemsAreRefused) {
    struct Case {
        const char* name;
        const char* format;
        Items items;
    } mismatches[] = {
        {"text for a number field", "##", {str("12")}},
        {"number for a text field", "@", {num(12)}},
        {"mismatch after a good field", "##@", {num(1), num(2)}},
    };
    for (const auto& c : mismatches) {
        SCOPED_TRACE(c.name);
        try {
            con::format_using(c.format, c.items);
            ADD_FAILURE() << "no error";
        } catch (const con::RuntimeError& e) {
            EXPECT_EQ(e.number(), con::err::kTypeMismatch);
        }
    }
    EXPECT_THROW(con::format_using("##@", {num(1), str("a"), num(2)}), std::logic_error);
    EXPECT_THROW(con::format_using("", {num(1)}), std::logic_error);
    EXPECT_THROW(con::format_using("##.#", {num(1)}), std::logic_error);
}

}  // namespace
