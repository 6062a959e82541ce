// The campaign calendar that both games show on their header line.
#include "campaign/calendar.h"

#include "console/console.h"

namespace morva {

std::pair<int, int> calendar_of_turn(int turn) {
    // Each turn moves the calendar on by a month and a half, December 1941 to May 1943.
    const int year = turn == 1 ? 1941 : (turn > 9 ? 1943 : 1942);
    int k = turn % 8;
    if (k == 0) k = 8;
    int month;
    if (k == 1)
        month = 12;
    else if (turn % 2 == 0)
        month = static_cast<int>(con::L(1.5f) * k - 1);
    else
        month = static_cast<int>(con::L(1.5f) * k - con::L(1.5f));
    return {year, month};
}

}  // namespace morva
