// MORVA95S: the main routine as a state machine: a loop that runs the current block, which
// returns the next, and the disk-error handler's continuation when a block raises an error.
#include "console/block_loop.h"
#include "console/console.h"
#include "simplified/blocks.h"

namespace morva95s {

Block run_block(State& st, Block block) {
    switch (block) {
        case Block::Startup: return STARTUP(st);
        case Block::StartupContinue: return STARTUP_CONTINUE(st);
        case Block::MainMenu: return MAIN_MENU(st);
        case Block::ScenarioList: return SCENARIO_LIST(st);
        case Block::ScenarioChoice: return SCENARIO_CHOICE(st);
        case Block::PlayOptions: return PLAY_OPTIONS(st);
        case Block::TurnStart: return TURN_START(st);
        case Block::TurnHead: return TURN_HEAD(st);
        case Block::SaveQuestion: return SAVE_QUESTION(st);
        case Block::SavePrompt: return SAVE_PROMPT(st);
        case Block::WriteSaveFile: return WRITE_SAVE_FILE(st);
        case Block::OrganisationPhase: return ORGANISATION_PHASE(st);
        case Block::AlliedReaction: return ALLIED_REACTION(st);
        case Block::OperationsStart: return OPERATIONS_START(st);
        case Block::OperationLoop: return OPERATION_LOOP(st);
        case Block::OperationSetup: return OPERATION_SETUP(st);
        case Block::NextFleet: return NEXT_FLEET(st);
        case Block::DayStart: return DAY_START(st);
        case Block::NextDay: return NEXT_DAY(st);
        case Block::HourStart: return HOUR_START(st);
        case Block::RaidBuildUp: return RAID_BUILD_UP(st);
        case Block::AlliedRaidPhase: return ALLIED_RAID_PHASE(st);
        case Block::PatrolAllocation: return PATROL_ALLOCATION(st);
        case Block::RaidAirCombat: return RAID_AIR_COMBAT(st);
        case Block::RaidAntiAircraft: return RAID_ANTI_AIRCRAFT(st);
        case Block::RaidHits: return RAID_HITS(st);
        case Block::AbortQuestion: return ABORT_QUESTION(st);
        case Block::BaseStrikeArrival: return BASE_STRIKE_ARRIVAL(st);
        case Block::OwnStrikeArrival: return OWN_STRIKE_ARRIVAL(st);
        case Block::FleetStrikePhase: return FLEET_STRIKE_PHASE(st);
        case Block::SearchResultPhase: return SEARCH_RESULT_PHASE(st);
        case Block::LaunchPhase: return LAUNCH_PHASE(st);
        case Block::AlliedBaseLaunch: return ALLIED_BASE_LAUNCH(st);
        case Block::PlayerStrikeLaunch: return PLAYER_STRIKE_LAUNCH(st);
        case Block::DeckStandbyPhase: return DECK_STANDBY_PHASE(st);
        case Block::MaintenancePhase: return MAINTENANCE_PHASE(st);
        case Block::ShelterPhase: return SHELTER_PHASE(st);
        case Block::SurfacePhase: return SURFACE_PHASE(st);
        case Block::GunBattle: return GUN_BATTLE(st);
        case Block::NextSubturn: return NEXT_SUBTURN(st);
        case Block::EndOfDay: return END_OF_DAY(st);
        case Block::OperationEnd: return OPERATION_END(st);
        case Block::TurnEnd: return TURN_END(st);
        case Block::FinalResult: return FINAL_RESULT(st);
    }
    con::unknown_block(block);
}

void main_routine(State& st) {
    st.current_block = Block::Startup;
    con::run_blocks(st, run_block, [](State& s, const con::RuntimeError& e) {
        // An error before the handler is armed (the start-up's first step) reaches the
        // console's report; an error inside the handler is not handled again.
        if (!con::error_handler_armed()) throw;
        return DISK_ERROR_HANDLER(s, e.number());
    });
}

}  // namespace morva95s
