// Scripted runs of the built kelmat95 through the penetration viewer and the hit-rate chart:
// every table, graph, overlay and the chart against reference text and colour screens.
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

struct Replay {
    const char* name;
    const char* keys;  // the title key, the menu key, then a key per screen
};

const Replay kReplays[] = {
    {"pen_choice", "x4"},
    {"pen_real_belt_table", "x4R"},
    {"pen_real_belt_graph", "x4Rk"},
    // Navy 1 class 2 (437 mm) drawn, then classes 8, 9 and 10 (305 mm, one row).
    {"pen_real_belt_overlay", "x4RkZVnVnVnVn"},
    {"pen_real_deck_table", "x4RkZVnE"},
    {"pen_real_deck_graph", "x4Rkkk"},
    // Navy 1 class 2, then class 8, then class 9 left on offer.
    {"pen_real_deck_overlay", "x4RkkkZVnVn"},
    {"pen_planned_belt_table", "x4p"},
    {"pen_planned_belt_graph", "x4pk"},
    {"pen_planned_belt_overlay", "x4pkzVnvnn"},
    {"pen_planned_deck_table", "x4pkZe"},
    {"pen_planned_deck_graph", "x4pkkk"},
    {"pen_planned_deck_overlay", "x4pkkkZVnVnnn"},
    {"pen_back_to_menu", "x4pkkkZE"},
    {"hit_rate_chart", "x5"},
};

TEST(ViewerReplays, ScreensMatchTheReferences) {
    for (const Replay& r : kReplays) {
        testing_support::ScopedTempDir dir;
        testing_support::BinaryRun run = testing_support::run_binary("kelmat95", r.keys);
        ASSERT_EQ(run.exit_code, 0) << r.name << ": " << run.err;
        const std::string base = std::string("golden/gunnery/") + r.name;
        testing_support::expect_golden(run.screen, base + ".screen.txt");
        testing_support::expect_golden(run.colours, base + ".colours.txt");
    }
}

}  // namespace
