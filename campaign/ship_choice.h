// The draw of a ship from a list of the fleets, as both games' torpedoes and bombs choose their
// targets: a slot, then a second draw that may send the choice round again.
#pragma once
#include "console/console.h"

namespace morva {

/// The most choices one draw of a ship makes. Each choice ends with a chance of at least one in
/// ten times the list's length whenever the list holds a ship that can be taken, so the bound
/// is never reached in play; it only ends the draw on a list that holds none.
inline constexpr int kChoiceTries = 10000;

/// A slot k = INT(draw x n) + 1 of a list of n, and a second draw r', drawn again (both numbers)
/// while `again(k, r')` holds; the draws come from `draw` (the program's generator unless a
/// test gives its own). Returns 0 when the bound ends the choice.
template <class Again, class Draw = float (*)()>
long choose_slot(long n, Again again, Draw draw = &con::rnd) {
    for (int tries = 0; tries < kChoiceTries; ++tries) {
        const long k = static_cast<long>(con::int_floor(con::L(draw()) * n)) + 1;
        const con::real r = con::L(draw());
        if (!again(k, r)) return k;
    }
    return 0;
}

}  // namespace morva
