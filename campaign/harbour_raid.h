// The Allied force both games preset for the harbour raid of the first turn.
#pragma once
#include "campaign/shared_slots.h"

namespace morva {

/// The battleships moored in the harbour.
inline constexpr int kMooredBattleships = 8;

/// The Allied force facing air fleet 1 in the harbour raid: carriers 1 and 3 with their
/// flight decks intact, and the harbour's battleships in the slot order `battleships` gives
/// (the order in which the raid's attacks find them).
template <typename CarrierLists, typename CarrierCounts, typename ShipTable, typename BattleshipLists,
          typename BattleshipCounts>
void preset_allied_harbour_force(CarrierLists& C, CarrierCounts& CV, ShipTable& A, BattleshipLists& G,
                                 BattleshipCounts& BB, const int (&battleships)[kMooredBattleships]) {
    C(1, 1, 1) = 1;
    C(1, 1, 2) = 3;
    CV(1, 1) = 2;
    A(1, 1, A_FLIGHT_DECK) = 10;
    A(1, 3, A_FLIGHT_DECK) = 10;
    for (int k = 1; k <= kMooredBattleships; ++k) G(1, 1, k) = static_cast<float>(battleships[k - 1]);
    BB(1, 1) = kMooredBattleships;
}

}  // namespace morva
