// The designer's computations against their worked values: the displacement answer, the
// machinery weights, the balance's speed factor and reference weights, the iterations of the
// weight balance with its limit and its defensive bound, the weight shares and the gun count.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::BalanceEnd;
using kelmat::Kelmat;
using kelmat::Z_BATTERY_WEIGHT;

namespace {

using kelmat_test::started;

TEST(DisplacementAnswer, TheWholeAnswerIsRead) {
    struct Case {
        const char* typed;
        float value;
        bool taken;
    } cases[] = {
        {"12345", 12345, false},  // not 1234: the answer is not cut to four bytes
        {"90000", 90000, false},  {" 900", 900, true},    {"  9000", 9000, true}, {"80", 80, true},
        {"9000", 9000, true},     {"79.9", 79.9f, false}, {"80.5", 80.5f, true},  {"9000.5", 9000.5f, false},
        {"", 0, false},           {"abc", 0, false},      {"450t", 450, true},
        {"1E300", 0, false},      {"-1E999", 0, false},   {"1E999", 0, false},  // beyond a float: refused
    };
    for (const auto& c : cases) {
        const float v = kelmat::displacement_answer_value(c.typed);
        EXPECT_EQ(v, c.value) << '"' << c.typed << '"';
        EXPECT_EQ(v >= 80 && v <= 9000, c.taken) << '"' << c.typed << '"';
    }
}

TEST(MachineryWeight, SpeedStepWeightAndMachineryFactors) {
    auto s = started();
    s->DESIGN_DISPLACEMENT = 350;
    s->DESIGN_ERA = 6;
    // 4-byte 0.9 and 0.95 lie below their decimals: 6317 and 6668, not 6318 and 6669.
    const float expected[] = {7020, 6317, 6668, 4913};
    for (int type = 0; type <= 3; ++type) {
        s->MACHINERY_WEIGHT = kelmat::speed_machinery_weight(*s, 30);
        s->MACHINERY_TYPE = static_cast<float>(type);
        kelmat::apply_machinery_factor(*s);
        EXPECT_EQ(s->MACHINERY_WEIGHT, expected[type]) << "machinery " << type;
    }
    // A steam turbine keeps the fraction: 18 knots at 35,000 t in era 6.
    EXPECT_FLOAT_EQ(kelmat::speed_machinery_weight(*s, 18), 2527.2f);
}

TEST(WeightBalance, ReferenceMachineryWeight) {
    struct Case {
        float speed, era, machinery, weight;
    } cases[] = {
        {30, 5, 0, 8424}, {30, 5, 1, 7581}, {30, 5, 2, 8002}, {30, 5, 3, 5896},
        {20, 1, 0, 18720}, {20, 1, 1, 16847},  // not 16848
        {36, 3, 1, 22744},
    };
    auto s = started();
    s->LAYOUT_NO = 8;
    for (const auto& c : cases) {
        s->DESIGN_SPEED = c.speed;
        s->DESIGN_ERA = c.era;
        s->MACHINERY_TYPE = c.machinery;
        kelmat::balance_weights(*s);
        EXPECT_EQ(s->MACHINERY_WEIGHT_BASE, c.weight) << c.speed << " kt, era " << c.era << ", machinery " << c.machinery;
    }
}

TEST(WeightBalance, SpeedFactorByMachinery) {
    const float speeds[] = {15, 16, 21, 25, 26, 27, 30, 36, 60};
    const float factors[][4] = {{89, 109, 110, 107},   {90, 108, 109, 106},  {95, 104, 104, 103},
                                {99, 100, 100, 100},   {100, 100, 100, 100}, {101, 100, 100, 100},
                                {104, 103, 103, 102},  {110, 108, 109, 106}, {134, 130, 132, 123}};
    auto s = started();
    s->LAYOUT_NO = 8;
    s->DESIGN_ERA = 5;
    for (int i = 0; i < 9; ++i)
        for (int m = 0; m <= 3; ++m) {
            s->DESIGN_SPEED = speeds[i];
            s->MACHINERY_TYPE = static_cast<float>(m);
            kelmat::balance_weights(*s);
            EXPECT_EQ(s->SPEED_FACTOR, factors[i][m]) << speeds[i] << " kt, machinery " << m;
        }
}

struct BalanceCase {
    const char* name;
    float main_battery, belt, deck, layout, speed, machinery, era, planned;
    float armour_base, machinery_base;
    std::vector<float> trail;
    BalanceEnd end;
};

TEST(WeightBalance, IterationsOfTheWorkedExamples) {
    const BalanceCase cases[] = {
        {"downward to 35,100 t", 6000, 400, 200, 8, 30, 0, 5, 450, 20592, 8424,
         {411, 388, 374, 365, 359, 356, 354, 353, 352, 351, 351}, BalanceEnd::Proper},
        {"upward to 54,000 t", 3000, 300, 100, 4, 36, 1, 3, 250, 0, 22744,
         {316, 370, 412, 444, 469, 488, 502, 512, 520, 526, 530, 533, 535, 537, 538, 539, 540, 540},
         BalanceEnd::Proper},
        {"over 10,000,000 t", 2000, 600, 300, 14, 45, 0, 1, 900, 0, 0,
         {2957, 8009, 19486, 44441, 97285, 207315}, BalanceEnd::OverLimit},
    };
    auto s = started();
    for (const auto& c : cases) {
        s->Z(Z_BATTERY_WEIGHT) = c.main_battery;
        s->BELT_MM = c.belt;
        s->DECK_MM = c.deck;
        s->LAYOUT_NO = c.layout;
        s->DESIGN_SPEED = c.speed;
        s->MACHINERY_TYPE = c.machinery;
        s->DESIGN_ERA = c.era;
        s->DESIGN_DISPLACEMENT = c.planned;
        s->PROPER_DISPLACEMENT = -1;
        kelmat::balance_weights(*s);
        if (c.armour_base != 0) {
            EXPECT_EQ(s->ARMOUR_WEIGHT_BASE, c.armour_base) << c.name;
        }
        if (c.machinery_base != 0) {
            EXPECT_EQ(s->MACHINERY_WEIGHT_BASE, c.machinery_base) << c.name;
        }
        std::vector<float> trail;
        EXPECT_EQ(kelmat::iterate_displacement(*s, &trail), c.end) << c.name;
        EXPECT_EQ(trail, c.trail) << c.name;
        if (c.end == BalanceEnd::Proper) {
            EXPECT_EQ(s->PROPER_DISPLACEMENT, c.trail.back() * 100) << c.name;
            EXPECT_EQ(s->TRIAL_DISPLACEMENT, s->ITERATED_DISPLACEMENT) << c.name;
        } else {
            EXPECT_EQ(s->PROPER_DISPLACEMENT, -1) << c.name << ": left as it was";
        }
    }
}

TEST(WeightBalance, LimitAndNumberOfIterations) {
    auto s = started();
    // No armour and no machinery: the displacement is the main battery's alone.
    s->BELT_MM = 0;
    s->DECK_MM = 0;
    s->DESIGN_SPEED = 0;
    s->LAYOUT_NO = 8;
    s->DESIGN_ERA = 5;
    kelmat::balance_weights(*s);
    struct Case {
        float main_battery, planned;
        BalanceEnd end;
        std::size_t iterations;
    } cases[] = {
        {9999900, 99999, BalanceEnd::Proper, 1},       // 99999 is accepted, in one iteration
        {10000000, 99999, BalanceEnd::OverLimit, 1},   // 100000 is refused
        {45000, 450, BalanceEnd::Proper, 1},           // the planned displacement repeats at once
        {45000, 450.5f, BalanceEnd::Proper, 2},        // a fraction never repeats
    };
    for (const auto& c : cases) {
        s->Z(Z_BATTERY_WEIGHT) = c.main_battery;
        s->DESIGN_DISPLACEMENT = c.planned;
        std::vector<float> trail;
        EXPECT_EQ(kelmat::iterate_displacement(*s, &trail), c.end) << c.main_battery;
        EXPECT_EQ(trail.size(), c.iterations) << c.main_battery;
    }
}

TEST(WeightBalance, DefensiveBoundEndsABalanceThatNeverSettles) {
    auto s = started();
    s->BELT_MM = 400;
    s->DECK_MM = 200;
    s->DESIGN_SPEED = 30;
    s->LAYOUT_NO = 8;
    s->DESIGN_ERA = 5;
    s->MACHINERY_TYPE = 0;
    kelmat::balance_weights(*s);
    // A long climb, from the smallest planned displacement with the heaviest main battery,
    // ends by the rule long before the bound.
    s->Z(Z_BATTERY_WEIGHT) = 114400;
    s->DESIGN_DISPLACEMENT = 80;
    std::vector<float> trail;
    EXPECT_EQ(kelmat::iterate_displacement(*s, &trail), BalanceEnd::Proper);
    EXPECT_GT(trail.size(), 10u);
    EXPECT_LT(static_cast<long>(trail.size()), kelmat::kMaxBalanceIterations);
    // A weight that is no number never repeats and never passes the limit.
    s->Z(Z_BATTERY_WEIGHT) = std::numeric_limits<float>::quiet_NaN();
    s->DESIGN_DISPLACEMENT = 450;
    trail.clear();
    EXPECT_EQ(kelmat::iterate_displacement(*s, &trail), BalanceEnd::Bound);
    EXPECT_EQ(static_cast<long>(trail.size()), kelmat::kMaxBalanceIterations);
}

TEST(DesignResult, WeightSharesOfTheDownwardExample) {
    auto s = started();
    s->Z(Z_BATTERY_WEIGHT) = 6000;
    s->BELT_MM = 400;
    s->DECK_MM = 200;
    s->LAYOUT_NO = 8;
    s->DESIGN_SPEED = 30;
    s->MACHINERY_TYPE = 0;
    s->DESIGN_ERA = 5;
    s->DESIGN_DISPLACEMENT = 450;
    kelmat::balance_weights(*s);
    ASSERT_EQ(kelmat::iterate_displacement(*s), BalanceEnd::Proper);
    EXPECT_NEAR(s->SIZE_FACTOR, 1.0021, 0.0001) << "the size factor of the proper displacement";
    kelmat::weight_shares(*s);
    EXPECT_EQ(s->MAIN_BATTERY_SHARE, 11);
    EXPECT_EQ(s->ARMOUR_SHARE, 38);
    EXPECT_EQ(s->MACHINERY_SHARE, 15);
}

TEST(DesignResult, GunCountOfEveryLayout) {
    // The gun totals that the layout list shows, layout by layout.
    const float guns[] = {4, 6, 6, 8, 8, 8, 8, 9, 9, 10, 10, 10, 10, 12, 12, 12, 12, 12, 12, 12, 13, 16};
    auto s = started();
    s->SIDE_NO = 1;
    s->SHIP_NO = 46;
    for (int layout = 1; layout <= 22; ++layout) {
        s->A(1, 46, kelmat::A_LAYOUT) = static_cast<float>(layout);
        kelmat::count_main_guns(*s);
        EXPECT_EQ(s->MAIN_GUN_COUNT, guns[layout - 1]) << "layout " << layout;
        const kelmat::BearingCounts b = kelmat::layout_bearing_counts(layout);
        EXPECT_LE(b.abeam, s->MAIN_GUN_COUNT) << "layout " << layout;
    }
    s->A(1, 46, kelmat::A_LAYOUT) = 7.5f;  // weighed and counted as layout 8: 31, 31, 32
    kelmat::count_main_guns(*s);
    EXPECT_EQ(s->MAIN_GUN_COUNT, 9);
}

}  // namespace
