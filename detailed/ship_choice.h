// MORVA95F: the draw of a ship from a list of the fleets, as the submarines' torpedoes and the
// strikes' bombs and torpedoes choose their targets: a slot, then a second draw that may send
// the choice round again.
#pragma once
#include "console/console.h"

namespace morva95f {

/// The most choices one draw of a ship makes. Each choice ends with a chance of at least one in
/// ten times the list's length whenever the list holds a ship that can be taken, so the bound
/// is never reached in play; it only ends the draw on a list that holds none.
inline constexpr int kChoiceTries = 10000;

/// A slot k = INT(RND x n) + 1 of a list of n, and a second draw r', drawn again (both numbers)
/// while `again(k, r')` holds. Returns 0 when the bound ends the choice.
template <class Again>
long choose_slot(long n, Again again) {
    for (int tries = 0; tries < kChoiceTries; ++tries) {
        const long k = static_cast<long>(con::int_floor(con::L(con::rnd()) * n)) + 1;
        const con::real r = con::L(con::rnd());
        if (!again(k, r)) return k;
    }
    return 0;
}

}  // namespace morva95f
