// Armour weight per millimetre and the era of a stored class, against their worked values.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::F_BUILD_STATE;
using kelmat::F_YEAR;
using kelmat::Kelmat;

namespace {

struct SpeedCase {
    float speed;
    float machinery;
    float factor;
};

TEST(ArmourWeightPerMm, SpeedFactorByMachinery) {
    // 4-byte factors lie below 0.9, 0.95 and 0.7: a product whole in decimals drops a unit.
    const SpeedCase cases[] = {
        {27, 0, 101}, {27, 1, 100}, {36, 1, 108}, {46, 2, 118}, {36, 3, 106}, {20, 1, 105}, {20, 0, 94},
        {15, 0, 89},  {15, 1, 109}, {15, 2, 110}, {15, 3, 107}, {16, 0, 90},  {16, 1, 108}, {16, 2, 109},
        {16, 3, 106}, {21, 0, 95},  {21, 1, 104}, {21, 2, 104}, {21, 3, 103}, {25, 0, 99},  {25, 1, 100},
        {25, 2, 100}, {25, 3, 100}, {26, 0, 100}, {26, 1, 100}, {26, 2, 100}, {26, 3, 100}, {30, 0, 104},
        {30, 1, 103}, {30, 2, 103}, {30, 3, 102}, {36, 0, 110}, {60, 0, 134}, {60, 1, 130}, {60, 2, 132},
        {60, 3, 123}, {56, 1, 126}, {56, 3, 120},
    };
    Kelmat s;
    kelmat_test::start_up(s);
    s.LAYOUT_NO = 8;
    s.DESIGN_DISPLACEMENT = 350;
    for (const auto& c : cases) {
        s.LOOP_K = c.speed;
        s.MACHINERY_TYPE = c.machinery;
        kelmat::ARMOUR_WEIGHT_PER_MM(s);
        EXPECT_EQ(s.SPEED_FACTOR, c.factor) << c.speed << " kt, machinery " << c.machinery;
    }
}

TEST(ArmourWeightPerMm, ReferenceSizeAndTurretFactor) {
    Kelmat s;
    kelmat_test::start_up(s);
    s.LOOP_K = 26;
    s.MACHINERY_TYPE = 0;
    s.DESIGN_DISPLACEMENT = 350;  // the size term is (1 + 1) / 2
    s.LAYOUT_NO = 8;              // three turrets: factor 1
    kelmat::ARMOUR_WEIGHT_PER_MM(s);
    EXPECT_EQ(s.BELT_WEIGHT_PER_MM, 18);
    EXPECT_EQ(s.DECK_WEIGHT_PER_MM, 63);
    s.LAYOUT_NO = 1.5f;  // rounds to layout 2: three turrets
    kelmat::ARMOUR_WEIGHT_PER_MM(s);
    EXPECT_EQ(s.BELT_WEIGHT_PER_MM, 18);
    s.LAYOUT_NO = 14;  // six turrets: 1.3
    s.DESIGN_DISPLACEMENT = 1400;  // d / 350 = 4: size term (4 + 2) / 2 = 3
    kelmat::ARMOUR_WEIGHT_PER_MM(s);
    EXPECT_FLOAT_EQ(s.BELT_WEIGHT_PER_MM, 18 * 1.3f * 3);
    EXPECT_FLOAT_EQ(s.DECK_WEIGHT_PER_MM, 63 * 1.3f * 3);
}

struct EraCase {
    const char* name;
    float navy;
    float state;
    float year;
    float era;
};

TEST(ClassEra, YearAndBuildState) {
    const EraCase cases[] = {
        {"unbuilt 1908 counts from 1912: era 2 in navy 1", 1, 0, 1908, 2},
        {"unbuilt 1908 counts from 1912: era 3 in navy 2", 2, 0, 1908, 3},
        {"1912 completed in navy 5", 5, 1, 1912, 2},
        {"unbuilt 1939 counts from 1943", 1, 0, 1939, 6},
        {"completed 1939", 3, 1, 1939, 5},
        {"completed 1905", 1, 1, 1905, 1},
        {"completed 1906", 1, 1, 1906, 2},
        {"completed 1919", 1, 1, 1919, 3},
        {"completed 1920", 1, 1, 1920, 4},
        {"completed 1929", 1, 1, 1929, 4},
        {"completed 1942", 1, 1, 1942, 5},
        {"fictional, whatever its year", 4, 2, 1900, 7},
        {"a row without values: Y = 4", 1, 0, 0, 1},
    };
    Kelmat s;
    for (const auto& c : cases) {
        s.CLASS_NAVY = c.navy;
        s.LOOP_I = 9;
        s.F(c.navy, 9, F_BUILD_STATE) = c.state;
        s.F(c.navy, 9, F_YEAR) = c.year;
        kelmat::CLASS_ERA(s);
        EXPECT_EQ(s.CLASS_ERA_NO, c.era) << c.name;
    }
}

TEST(ClassEra, StoredClassesOfTheDesignerExamples) {
    // Yamato is of era 5, Kaga and Nagato of era 4.
    Kelmat s;
    s.BLUE_NAVY = 1;
    kelmat::LOAD_CLASS_VALUES(s);
    s.CLASS_NAVY = 1;
    const float expected[][2] = {{2, 5}, {7, 4}, {8, 4}};
    for (const auto& e : expected) {
        s.LOOP_I = e[0];
        kelmat::CLASS_ERA(s);
        EXPECT_EQ(s.CLASS_ERA_NO, e[1]) << "class " << e[0];
    }
}

}  // namespace
