// MORVA95F: the least stand-ins for the blocks of the operational day that later parts build
// (the deck dialogues), each where the real one will go. With them an operation runs its days
// and hour steps: no air group of the player is launched.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {

Block DECK_DIALOGUES(State& st) {
    IDO(st);
    IDO11(st);
    return Block::SurfacePhase;
}

}  // namespace morva95f
