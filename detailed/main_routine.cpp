// MORVA95F: the main routine as a state machine: the dispatch of its blocks, run by the shared
// block loop, and the disk-error handler's continuation when a block raises an error.
#include "console/block_loop.h"
#include "console/console.h"
#include "detailed/blocks.h"

namespace morva95f {

Block run_block(State& st, Block block) {
    switch (block) {
        case Block::Startup: return STARTUP(st);
        case Block::ScenarioChoice: return SCENARIO_CHOICE(st);
        case Block::PracticeQuestion: return PRACTICE_QUESTION(st);
        case Block::TurnStart: return TURN_START(st);
        case Block::HarbourRaidOpening: return HARBOUR_RAID_OPENING(st);
        case Block::HypotheticalOpening: return HYPOTHETICAL_OPENING(st);
        case Block::HistoricalOpening: return HISTORICAL_OPENING(st);
        case Block::SaveStep: return SAVE_STEP(st);
        case Block::SavePrompt: return SAVE_PROMPT(st);
        case Block::SaveQuestion: return SAVE_QUESTION(st);
        case Block::WriteSaveFile: return WRITE_SAVE_FILE(st);
        case Block::TurnOpening: return TURN_OPENING(st);
        case Block::FleetOrganisation: return FLEET_ORGANISATION(st);
        case Block::HarbourRaidLoading: return HARBOUR_RAID_LOADING(st);
        case Block::TargetChoice: return TARGET_CHOICE(st);
        case Block::AlliedPlanning: return ALLIED_PLANNING(st);
        case Block::SingleOperationOrder: return SINGLE_OPERATION_ORDER(st);
        case Block::OperationsStart: return OPERATIONS_START(st);
        case Block::OperationsReset: return OPERATIONS_RESET(st);
        case Block::FleetOperation: return FLEET_OPERATION(st);
        case Block::DayLoop: return DAY_LOOP(st);
        case Block::DayStart: return DAY_START(st);
        case Block::NextDay: return NEXT_DAY(st);
        case Block::HourStart: return HOUR_START(st);
        case Block::NextHour: return NEXT_HOUR(st);
        case Block::AlliedRaid: return ALLIED_RAID(st);
        case Block::RaidAntiAircraft: return RAID_ANTI_AIRCRAFT(st);
        case Block::RaidAttacks: return RAID_ATTACKS(st);
        case Block::RaidAftermath: return RAID_AFTERMATH(st);
        case Block::RaidEnd: return RAID_END(st);
        case Block::BaseStrikeArrival: return BASE_STRIKE_ARRIVAL(st);
        case Block::FleetStrikePhase: return FLEET_STRIKE_PHASE(st);
        case Block::HourlyAirPhase: return HOURLY_AIR_PHASE(st);
        case Block::MorningPhase: return MORNING_PHASE(st);
        case Block::CarrierOperationsHour: return CARRIER_OPERATIONS_HOUR(st);
        case Block::SurfacePhase: return SURFACE_PHASE(st);
        case Block::GunBattle: return GUN_BATTLE(st);
        case Block::EngagementTest: return ENGAGEMENT_TEST(st);
        case Block::EndOfHour: return END_OF_HOUR(st);
        case Block::EndOfDay: return END_OF_DAY(st);
        case Block::OperationEnd: return OPERATION_END(st);
        case Block::CarriersLost: return CARRIERS_LOST(st);
        case Block::NextFleet: return NEXT_FLEET(st);
        case Block::TurnEnd: return TURN_END(st);
        case Block::FinalResult: return FINAL_RESULT(st);
        case Block::FinalResultMap: return FINAL_RESULT_MAP(st);
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

}  // namespace morva95f
