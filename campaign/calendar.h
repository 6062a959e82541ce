// The campaign calendar that both games show on their header line.
#pragma once
#include <utility>

namespace morva {

/// The year and month of turn t (1-12): December 1941 on, a month and a half a turn.
std::pair<int, int> calendar_of_turn(int turn);

}  // namespace morva
