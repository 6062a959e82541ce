// The belt and deck penetration coefficients against the worked values of the gun types.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::Kelmat;
using kelmat::TT_COEF_A;
using kelmat::TT_COEF_B;
using kelmat::TT_COEF_C;
using kelmat::TT_GUN_TYPE;

namespace {

// Belt and deck penetration in mm at range r km, as the callers apply the coefficients.
con::real belt_at(Kelmat& s, float type, con::real r) {
    s.TT(TT_GUN_TYPE) = type;
    kelmat::CALC1(s);
    const con::real a = s.TT(TT_COEF_A), b = s.TT(TT_COEF_B), c = s.TT(TT_COEF_C);
    return (-b * r / 10) + (a * r * r / 486) + c;
}

con::real deck_at(Kelmat& s, float type, con::real r) {
    s.TT(TT_GUN_TYPE) = type;
    kelmat::CALC2(s);
    return r * s.TT(TT_COEF_A) / 20 - s.TT(TT_COEF_B);
}

struct PenetrationCase {
    const char* name;
    float type;
    int range_km;
    bool belt;
    double mm;
};

TEST(Penetration, WorkedValues) {
    const PenetrationCase cases[] = {
        {"18/45 belt at 20 km", 23, 20, true, 864 - 442 + 90.0 * 400 / 486},
        {"18/45 deck at 20 km", 23, 20, false, 120},
        {"8/40 belt at 10 km", 1, 10, true, 239 - 362 + 877.0 * 100 / 486},
        {"8/50 belt at 28 km is negative", 2, 28, true, 400 - 700 + 150.0 * 784 / 486},
        {"belt at range 0 is c", 36, 0, true, 1330},
        {"deck at range 0 is -d2", 36, 0, false, -130},
    };
    Kelmat s;
    for (const auto& c : cases) {
        double got = static_cast<double>(c.belt ? belt_at(s, c.type, c.range_km) : deck_at(s, c.type, c.range_km));
        EXPECT_NEAR(got, c.mm, 1e-9) << c.name;
    }
    EXPECT_NEAR(static_cast<double>(belt_at(s, 23, 20)), 496.07, 0.005);
    EXPECT_NEAR(static_cast<double>(belt_at(s, 1, 10)), 57.45, 0.005);
    EXPECT_NEAR(static_cast<double>(belt_at(s, 2, 28)), -58.02, 0.005);
    // The designer shows the whole millimetres, the viewers whole centimetres.
    EXPECT_EQ(con::int_floor(belt_at(s, 23, 20)), 496);
    EXPECT_EQ(con::int_floor(belt_at(s, 23, 20) / 10), 49);
}

TEST(Penetration, DesignerReferenceRowsAtTwelveKilometres) {
    // The designer's reference guns 12, 14, 16 and 18 inch (types 7, 14, 21, 23).
    Kelmat s;
    const float guns[] = {7, 14, 21, 23};
    const int belt[] = {274, 370, 535, 625};
    const int deck[] = {51, 37, 43, 44};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(con::int_floor(belt_at(s, guns[i], 12)), belt[i]) << "type " << guns[i];
        EXPECT_EQ(con::int_floor(deck_at(s, guns[i], 12)), deck[i]) << "type " << guns[i];
    }
}

TEST(Penetration, SlotsEachRoutineWritesAndKeeps) {
    Kelmat s;
    for (int type = 1; type <= 36; ++type) {
        s.TT(TT_GUN_TYPE) = static_cast<float>(type);
        s.TT(TT_COEF_C) = -1;
        s.TT(4) = 77;
        kelmat::CALC2(s);
        EXPECT_EQ(s.TT(TT_COEF_C), -1) << "CALC2 leaves the constant term, type " << type;
        EXPECT_EQ(s.TT(TT_GUN_TYPE), type);
        kelmat::CALC1(s);
        EXPECT_GT(s.TT(TT_COEF_C), 0) << "CALC1 writes the constant term, type " << type;
        EXPECT_EQ(s.TT(TT_GUN_TYPE), type);
        EXPECT_EQ(s.TT(4), 77);
    }
}

TEST(Penetration, SharedRowsAndOutOfRangeTypes) {
    Kelmat s;
    auto belt = [&](float t) {
        s.TT(TT_GUN_TYPE) = t;
        kelmat::CALC1(s);
        return std::array<float, 3>{s.TT(1), s.TT(2), s.TT(3)};
    };
    auto deck = [&](float t) {
        s.TT(TT_GUN_TYPE) = t;
        kelmat::CALC2(s);
        return std::array<float, 2>{s.TT(1), s.TT(2)};
    };
    EXPECT_EQ(belt(13), belt(14));
    EXPECT_EQ(deck(13), deck(14));
    EXPECT_NE(belt(8), belt(9));
    EXPECT_NE(belt(17), belt(18));
    for (int t = 23; t <= 36; ++t) {
        EXPECT_EQ(belt(static_cast<float>(t))[0], 90);
        EXPECT_EQ(belt(static_cast<float>(t))[1], 221);
    }
    EXPECT_EQ(belt(0), belt(1));
    EXPECT_EQ(deck(0), deck(1));
    EXPECT_EQ(belt(37), belt(23));
    EXPECT_EQ(deck(37), deck(25));
    // The deck value of type 36 is negative below 20 x d2 / d1 km (about 8.39 km).
    EXPECT_LT(deck_at(s, 36, 8), 0);
    EXPECT_GT(deck_at(s, 36, 9), 0);
}

}  // namespace
