// First checks of the console core: the generator, the screen rules, key scripts.
#include <gtest/gtest.h>

#include "tests/test_support.h"

using namespace testing_support;

TEST(Random, FirstValuesFromTheStartState) {
    con::Random r;
    const std::uint32_t k[] = {620765, 7771819, 747984, 1559201, 1193290, 3646089, 5867881, 5249883, 4958767, 3431786};
    for (std::uint32_t expected : k) EXPECT_EQ(r.next(), static_cast<float>(expected) / 8388608.0f);
}
