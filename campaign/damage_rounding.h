// CLC2, the rounding of the Allied ships' durability after a strike on an Allied fleet, which
// both games run unchanged on their own tables, and the rounding rule it applies.
#pragma once
#include "campaign/shared_slots.h"
#include "console/console.h"

namespace morva {

/// The durability of a ship once an attack on it has been resolved: a ship afloat gets
/// INT(v - 0.01) + 1 (a fraction more than 0.01 above a whole number rounds up, one no more
/// than 0.01 above falls back to it); a ship at or below 0 gets 0.
inline float rounded_durability(float v) {
    if (!(v > 0)) return 0;
    return con::store(con::int_floor(con::L(v) - con::L(0.01f)) + 1);
}

/// CLC2: rounds the durability of every carrier C(1,f,1..CV(1,f)) and battleship
/// G(1,f,1..BB(1,f)) of the Allied force facing air fleet f = `TT_FLEET`; a carrier sunk or
/// left at 2 or less loses its flight deck (A_FLIGHT_DECK).
template <typename ParamVector, typename Counts, typename CarrierLists, typename BattleshipLists, typename Ships>
void CLC2(const ParamVector& TT, const Counts& CV, const CarrierLists& C, const Counts& BB, const BattleshipLists& G,
          Ships& A) {
    const float f = TT(TT_FLEET);
    const long carriers = con::round_half_away(con::L(CV(1, f)));
    for (long k = 1; k <= carriers; ++k) {
        const float s = C(1, f, k);
        A(1, s, A_DURABILITY) = rounded_durability(A(1, s, A_DURABILITY));
        if (A(1, s, A_DURABILITY) <= 2) A(1, s, A_FLIGHT_DECK) = 0;
    }
    const long battleships = con::round_half_away(con::L(BB(1, f)));
    for (long k = 1; k <= battleships; ++k) {
        const float s = G(1, f, k);
        A(1, s, A_DURABILITY) = rounded_durability(A(1, s, A_DURABILITY));
    }
}

}  // namespace morva
