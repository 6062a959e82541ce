// The generator's sequences pinned with worked values: the draws after 10,000 and the start
// of the sequence each clock second selects, through the calls the programs make.
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

// A draw as the whole number k of k / 2^23.
std::uint32_t draw() { return static_cast<std::uint32_t>(con::rnd() * 8388608.0f); }

struct Sequence {
    int seconds;                  // the clock's seconds at start-up
    std::uint32_t seeded;         // the state after randomize
    std::uint32_t first[3];       // the first three draws
    std::uint32_t after_10000;    // the state after 10,000 draws
    std::uint32_t next[3];        // draws 10,001-10,003
};

const Sequence kSequences[] = {
    {0, 204, {620765, 7771819, 747984}, 719519516u, {7498046, 7942379, 5378800}},
    {1, 205, {4641406, 3103694, 1357365}, 4175186909u, {1901692, 4552025, 1763004}},
    {17, 221, {1862793, 3911168, 2718853}, 3631290349u, {4634725, 638017, 2630522}},
    {37, 233, {8167441, 6613925, 1642816}, 2149626105u, {4587347, 1896815, 1184008}},
    {59, 247, {5736154, 8369041, 1785542}, 3284329351u, {1735871, 4763514, 894509}},
};

TEST(RandomSequence, EachClockSecondAndTenThousandDrawsOn) {
    for (const auto& s : kSequences) {
        SCOPED_TRACE("seconds " + std::to_string(s.seconds));
        testing_support::ScopedConsole console("", s.seconds);
        const std::string now = con::time_string();
        con::randomize(static_cast<std::uint32_t>(con::val(con::right_string(now, 2))));
        ASSERT_EQ(con::random_generator().state(), s.seeded);
        for (std::uint32_t k : s.first) ASSERT_EQ(draw(), k);
        for (int i = 3; i < 10000; ++i) (void)con::rnd();
        ASSERT_EQ(con::random_generator().state(), s.after_10000);
        for (std::uint32_t k : s.next) ASSERT_EQ(draw(), k);
        EXPECT_EQ(con::random_generator().draws(), 10003u);
    }
}

}  // namespace
