// The hit-rate range factor against worked values on both branches and at their seam.
#include <gtest/gtest.h>

#include "gunnery/range_factor.h"

namespace {

struct RangeCase {
    const char* name;
    float range_km;
    double factor;
};

TEST(RangeFactor, WorkedValues) {
    const RangeCase cases[] = {
        {"point blank", 0, 296},
        {"10 km", 10, 144},
        {"20 km", 20, 48},
        {"29 km, the near branch", 29, 29.0 * (203 - 450) / 25 + 296},  // 9.48
        {"30 km, the far branch", 30, 8},
        {"45 km", 45, 5},
        {"70 km gives nothing", 70, 0},
        {"80 km is negative", 80, -2},
        {"a fractional range", 2.5f, 2.5 * (17.5 - 450) / 25 + 296},
    };
    for (const RangeCase& c : cases)
        EXPECT_NEAR(static_cast<double>(kelmat::hit_range_factor(c.range_km)), c.factor, 1e-12)
            << c.name;
}

TEST(RangeFactor, NearBranchFallsToTheSeam) {
    // The near branch falls steadily from 296 towards the 8 that both branches give at 30 km.
    for (int r = 1; r < 30; ++r)
        EXPECT_LT(kelmat::hit_range_factor(static_cast<float>(r)),
                  kelmat::hit_range_factor(static_cast<float>(r - 1))) << r;
}

}  // namespace
