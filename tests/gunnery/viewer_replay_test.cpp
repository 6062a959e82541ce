// The built kelmat95 through the penetration viewer and the hit-rate chart: every table,
// graph and overlay against the references of the golden replay table's kelmat95_pen_* and
// kelmat95_hit_rate_chart rows, so the binary and the in-process runs show the same screens.
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

struct Replay {
    const char* name;  // the golden replay row (tests/golden/<name>/)
    const char* keys;  // the title key, the menu key, then a key per screen
};

const Replay kReplays[] = {
    {"kelmat95_pen_choice", "x4"},
    {"kelmat95_pen_real_belt_table", "x4R"},
    {"kelmat95_pen_real_belt_graph", "x4Rk"},
    // Navy 1 class 2 (437 mm) drawn, then classes 8, 9 and 10 (305 mm, one row).
    {"kelmat95_pen_real_belt_overlay", "x4RkZVnVnVnVn"},
    {"kelmat95_pen_real_deck_table", "x4RkZVnE"},
    {"kelmat95_pen_real_deck_graph", "x4Rkkk"},
    // Navy 1 class 2, then class 8, then class 9 left on offer.
    {"kelmat95_pen_real_deck_overlay", "x4RkkkZVnVn"},
    {"kelmat95_pen_planned_belt_table", "x4p"},
    {"kelmat95_pen_planned_belt_graph", "x4pk"},
    {"kelmat95_pen_planned_belt_overlay", "x4pkzVnvnn"},
    {"kelmat95_pen_planned_deck_table", "x4pkZe"},
    {"kelmat95_pen_planned_deck_graph", "x4pkkk"},
    {"kelmat95_pen_planned_deck_overlay", "x4pkkkZVnVnnn"},
    {"kelmat95_pen_back_to_menu", "x4pkkkZE"},
    {"kelmat95_hit_rate_chart", "x5"},
};

TEST(ViewerReplays, TheBinaryShowsTheReferenceScreens) {
    for (const Replay& r : kReplays) {
        testing_support::ScopedTempDir dir;
        testing_support::BinaryRun run = testing_support::run_binary("kelmat95", r.keys);
        ASSERT_EQ(run.exit_code, 0) << r.name << ": " << run.err;
        const std::string folder = std::string("golden/") + r.name + "/";
        EXPECT_EQ(run.screen, testing_support::read_file(std::string(SOURCE_DIR) + "/tests/" + folder + "screen.txt"))
            << r.name;
        EXPECT_EQ(run.colours, testing_support::read_file(std::string(SOURCE_DIR) + "/tests/" + folder + "colours.txt"))
            << r.name;
    }
}

}  // namespace
