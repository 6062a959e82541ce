// The campaign's close that both games show: the recount of the Allied ships sunk, the results
// line, the player's losses, the verdict on the bases held and the last screen's words.
#pragma once
#include <functional>
#include <string>
#include <utility>

#include "campaign/line_end.h"
#include "campaign/shared_slots.h"
#include "campaign/ship_and_base_counts.h"
#include "console/console.h"

namespace morva {

/// The number of bases 1-21 Japan holds.
template <typename BaseTable>
int count_bases_held(const BaseTable& P) {
    int held = 0;
    for (int b = 1; b <= kBases; ++b)
        if (P(b, P_HOLDER) == 0) ++held;
    return held;
}

/// Counts the ships 1-`last` of `side` that are sunk (durability below 1): carriers 1-`last_carrier`
/// into `carriers`, the battleships after them into `battleships`.
template <typename ShipTable>
void count_sunk(const ShipTable& A, int side, int last_carrier, int last, float& carriers, float& battleships) {
    carriers = 0;
    battleships = 0;
    for (int ship = 1; ship <= last; ++ship) {
        if (!(A(side, ship, A_DURABILITY) < 1)) continue;
        if (ship <= last_carrier)
            carriers = carriers + 1;
        else
            battleships = battleships + 1;
    }
}

/// COUNT_ALLIED_LOSSES: recounts the Allied ships sunk into `carriers` (ships 1-15) and
/// `battleships` (16-42).
template <typename ShipTable>
void count_allied_losses(const ShipTable& A, float& carriers, float& battleships) {
    count_sunk(A, 1, kAlliedCarriers, kAlliedShips, carriers, battleships);
}

/// SHOW_RESULTS_LINE: "戦果   空母 " carriers " 戦艦 " battleships at the cursor.
void show_results_line(float carriers, float battleships, LineEnd end);

/// The player's losses on rows 5-6: the carriers (ships 1-21) and battleships (22-33) sunk,
/// then "航空機" and the aircraft lost, which `print_aircraft` prints as the game counts them.
template <typename ShipTable>
void show_own_losses(const ShipTable& A, const std::function<void()>& print_aircraft) {
    float carriers = 0, battleships = 0;
    count_sunk(A, 0, kJapaneseCarriers, kJapaneseShips, carriers, battleships);
    con::locate(con::Col(0), con::Row(5));
    con::print_string_item("損害   空母 ");
    con::print_single_item(carriers);
    con::print_string_item(" 戦艦 ");
    con::print_single_item(battleships);
    con::print_end();
    con::locate(con::Col(7), con::Row(6));
    con::print_string_item("航空機");
    print_aircraft();
    con::print_end();
}

/// The verdict for a count of Japanese-held bases: the winner (or "引き分け") and the level.
std::pair<std::string, std::string> victory_level(int bases_held);

/// The single operation's title "<target area> 作戦" in white at (4, 0).
void show_operation_title(const std::string& target_area);

/// How a game lays out its last screen (one constant per game).
struct FinalReportLayout {
    LineEnd results_line;           ///< how the results line ends
    LineEnd winner_line;            ///< how the verdict's winner line ends
    int single_operation_last_row;  ///< the row of the last words after the single operation
    int campaign_last_row;          ///< the row of the last words after a campaign's verdict
};

/// The final report over the strategic map, laid out as `layout` says: the single operation's
/// title (the target area TX(AT(1))), the black box, then in yellow from row 3 the Allied losses
/// recounted into `carriers` and `battleships` with the results line and the player's losses.
template <typename BaseNames, typename Targets, typename ShipTable>
void show_final_report(const FinalReportLayout& layout, bool single_operation, const BaseNames& TX, const Targets& AT,
                       const ShipTable& A, float& carriers, float& battleships,
                       const std::function<void()>& print_aircraft) {
    if (single_operation) show_operation_title(TX(AT(1)));
    con::draw_line(0, 80, 200, 160, 0, con::Shape::FilledBox);
    con::color(6);
    con::locate(con::Col(0), con::Row(3));
    count_allied_losses(A, carriers, battleships);
    show_results_line(carriers, battleships, layout.results_line);
    show_own_losses(A, print_aircraft);
}

/// The verdict on row 1: the winner at column 5 (its line ended as `winner_end` says), the
/// level, when there is one, at column 12 with a line end.
void show_verdict(int bases_held, LineEnd winner_end);

/// The last words, "WINDOW を閉じてください" at (1, row); the program then idles with F1 armed
/// until its window is closed.
[[noreturn]] void close_final_screen(int row);

}  // namespace morva
