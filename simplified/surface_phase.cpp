// MORVA95S: SURFACE_PHASE, phase 8 of a sub-turn: the gun battle at close range, the fleets'
// movement and the check that the fleet still has a ship afloat.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Whether a carrier or battleship of the operating fleet's Japanese side is afloat.
bool fleet_afloat(const State& st) {
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(0, f)); ++k)
        if (L(st.A(0, st.C(0, f, k), A_DURABILITY)) > 0) return true;
    for (long k = 1; L(k) <= L(st.BB(0, f)); ++k)
        if (L(st.A(0, st.G(0, f, k), A_DURABILITY)) > 0) return true;
    return false;
}

}  // namespace

Block SURFACE_PHASE(State& st) {
    if (!fleet_afloat(st)) return Block::OperationEnd;
    return Block::NextSubturn;
}

Block GUN_BATTLE(State&) { return Block::NextSubturn; }

}  // namespace morva95s
