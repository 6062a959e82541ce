// MORVA95S: stand-ins for phases 4-7 of a sub-turn, the carriers, until they are built: the
// launch, deck standby and maintenance phases move nothing; the shelter phase runs the stage
// step IDO and goes on to the surface phase.
#include "simplified/air_units.h"
#include "simplified/blocks.h"

namespace morva95s {

Block LAUNCH_PHASE(State&) { return Block::AlliedBaseLaunch; }

Block ALLIED_BASE_LAUNCH(State&) { return Block::PlayerStrikeLaunch; }

Block PLAYER_STRIKE_LAUNCH(State&) { return Block::DeckStandbyPhase; }

Block DECK_STANDBY_PHASE(State&) { return Block::MaintenancePhase; }

Block MAINTENANCE_PHASE(State&) { return Block::ShelterPhase; }

Block SHELTER_PHASE(State& st) {
    st.PT(0) = st.BASE_DISTANCE;
    st.TT(TT_AIR_DISTANCE) = st.AIR_DISTANCE;
    IDO(st);
    return Block::SurfacePhase;
}

}  // namespace morva95s
