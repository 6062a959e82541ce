// kelmat95: the first-salvo straddle-probability chart of main-menu item 5.
#pragma once
#include "gunnery/blocks.h"

namespace kelmat {

// MEITYU (blocks.h): draws the chart, waits for a key and returns.

/// The chart's percentage for hit value `hit` at `range_km` km (not clamped at 100).
float straddle_percentage(int hit, int range_km);
/// The chart's pixel height of a percentage: 431 at 0 %, 1 at 100 %.
con::real straddle_chart_y(float percentage);

}  // namespace kelmat
