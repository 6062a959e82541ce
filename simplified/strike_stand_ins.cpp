// MORVA95S: stand-ins for phase 2 of a sub-turn, the player's strikes, until they are built:
// no strike is resolved, and the phase goes on to the search result phase.
#include "simplified/blocks.h"

namespace morva95s {

Block OWN_STRIKE_ARRIVAL(State&) { return Block::FleetStrikePhase; }

Block FLEET_STRIKE_PHASE(State&) { return Block::SearchResultPhase; }

}  // namespace morva95s
