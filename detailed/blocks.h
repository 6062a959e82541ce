// MORVA95F: the blocks of the main routine that are entered by a jump. Each runs on the state
// and returns the block that follows; the main loop (main_routine.cpp) runs them in turn.
#pragma once
#include "detailed/state.h"

namespace morva95f {

/// The named entry points of the main routine.
enum class Block {
    Startup,              ///< steps 1-11 of the start-up
    ScenarioChoice,       ///< SCENARIO_CHOICE: the scenario key and the first map
    PracticeQuestion,     ///< PRACTICE_QUESTION
    TurnStart,            ///< TURN_START, the head of the turn loop
    HarbourRaidOpening,   ///< HARBOUR_RAID_OPENING (scenarios 2 and 5)
    HypotheticalOpening,  ///< HYPOTHETICAL_OPENING (scenarios 4 and 5)
    HistoricalOpening,    ///< HISTORICAL_OPENING (scenario 3)
    SaveStep,             ///< the save step: recount, then the question
    SavePrompt,           ///< SAVE_PROMPT: the map, the banner, then the question
    SaveQuestion,         ///< the save question over the map already drawn
    WriteSaveFile,        ///< WRITE_SAVE_FILE
    TurnOpening,          ///< TURN_OPENING: the commander's character, then the organisation
    FleetOrganisation,    ///< the fleet-organisation phase (where "N" at its confirmation returns)
    HarbourRaidLoading,   ///< HARBOUR_RAID_LOADING: the preset force's aircraft loads
    TargetChoice,         ///< MOKUHYO and the branch on its answers
    AlliedPlanning,       ///< ALLIED_PLANNING: the computer's Allied plan for the turn
    SingleOperationOrder, ///< the single operation's order of battle (scenario 6)
    OperationsStart,      ///< OPERATIONS_START: the per-turn repair
    OperationsReset,      ///< OPERATIONS_RESET: the per-turn resets, then FLEET_LOOP
    FleetOperation,       ///< FLEET_LOOP's body for FLEET_NO: set-up, announcement, split
    DayLoop,              ///< the head of the day loop (DAY_NO = 1)
    DayStart,             ///< DAY_START
    NextDay,              ///< the day loop's step to the next day
    HourStart,            ///< HOUR_START: the opening of an hour step
    NextHour,             ///< the hour loop's step to the next hour, or the end of the day
    AlliedRaid,           ///< ALLIED_RAID: the raid's opening, arrival and air combat
    RaidAntiAircraft,     ///< the fleet's anti-aircraft fire against the raid
    RaidAttacks,          ///< the raid's bomb and torpedo attacks
    RaidAftermath,        ///< the raid's fires, settlement and damage list
    RaidEnd,              ///< RAID_END: the raid's closing pause
    BaseStrikeArrival,    ///< BASE_STRIKE_ARRIVAL: the player's strike at the target base
    FleetStrikePhase,     ///< FLEET_STRIKE_PHASE: the player's strikes on the task forces
    HourlyAirPhase,       ///< HOURLY_AIR_PHASE (hour steps 2-15)
    MorningPhase,         ///< MORNING_PHASE (hour steps 1-15)
    /// CARRIER_OPERATIONS_HOUR: the player's deck dialogues of hour steps 1-14
    CarrierOperationsHour,
    SurfacePhase,         ///< SURFACE_PHASE: landing, speeds and the fleets' moves
    GunBattle,            ///< GUN_BATTLE: the daytime sighting of the battle lines
    EngagementTest,       ///< ENGAGEMENT_TEST: the gun battle when the lines are in contact
    EndOfHour,            ///< END_OF_HOUR
    EndOfDay,             ///< END_OF_DAY
    OperationEnd,         ///< OPERATION_END
    CarriersLost,         ///< CARRIERS_LOST, also named OPERATION_FAILED: the end of an hour
                          ///< step enters it when nothing of the fleet is afloat
    NextFleet,            ///< NEXT_FLEET
    TurnEnd,              ///< TURN_END
    FinalResult,          ///< FINAL_RESULT from its first step
    FinalResultMap,       ///< FINAL_RESULT from its map (the single operation); it ends in the
                          ///< idle that only the window's close ends
};

// Start-up (startup.cpp).
/// Steps 1-11: seed, handlers, MENU, title, display time, aircraft types, the menu.
Block STARTUP(State& st);
/// The scenario key, the scenario's start (or the load) and the first map with its banner.
Block SCENARIO_CHOICE(State& st);

// Turn start and the end of turn (turn_flow.cpp).
/// Scenario 6 asks for practice mode; every other new game goes on to the turn start.
Block PRACTICE_QUESTION(State& st);
/// The head of the turn loop: the war's end after turn 12, the openings, the save step.
Block TURN_START(State& st);
/// Scenarios 2 and 5: the preset harbour-raid forces of both sides.
Block HARBOUR_RAID_OPENING(State& st);
/// Scenarios 4 and 5: the hypothetical reserve, availabilities and speeds.
Block HYPOTHETICAL_OPENING(State& st);
/// Scenario 3: the reserve and the Allied availabilities after the historical turn 1.
Block HISTORICAL_OPENING(State& st);
/// The air-fleet loop's tail: the final screen (scenario 6), the turn's end, or fleet 2.
Block NEXT_FLEET(State& st);
/// CLC, then the final result when the war is over, else the next turn.
Block TURN_END(State& st);

// Save step (save_file.cpp).
/// Recounts the Allied losses; no question on turn 2 of scenario 3.
Block SAVE_STEP(State& st);
/// The strategic map, the banner and the save question.
Block SAVE_PROMPT(State& st);
/// The save question alone, asked until answered Y or N; where a disk message sends it back.
Block SAVE_QUESTION(State& st);
/// Writes MORDATAF.DAT (the old file is replaced only by a complete new one).
Block WRITE_SAVE_FILE(State& st);

// Operations (operation_flow.cpp).
/// The per-turn repair of the ships that sit the turn out.
Block OPERATIONS_START(State& st);
/// The per-turn resets, then fleet 1.
Block OPERATIONS_RESET(State& st);
/// One fleet's operation start: its values, the skip test, the announcement, the aircraft,
/// the objective's aircraft and the task forces.
Block FLEET_OPERATION(State& st);
/// IDO10, then the operation's end or the next day (scenario 6 asks).
Block END_OF_DAY(State& st);
/// The report of the operation's end (CARRIERS_LOST first when no carrier is afloat).
Block OPERATION_END(State& st);
/// The target goes back to its Allied holder with a strength of at least 8.
Block CARRIERS_LOST(State& st);

// Final result (final_result.cpp).
/// The final screen with the victory level; never returns.
Block FINAL_RESULT(State& st);
/// The final screen of the single operation, without a victory level; never returns.
Block FINAL_RESULT_MAP(State& st);

// Turn opening and fleet organisation (turn_opening.cpp, target_choice.cpp,
// allied_planning.cpp, single_operation_order.cpp).
/// The Allied commander's character, the penalty count-down and the losses' recount.
Block TURN_OPENING(State& st);
/// The base list, the reserve, HENSEI, the two checks and the player's confirmation.
Block FLEET_ORGANISATION(State& st);
/// The harbour-raid turn: only the preset force's aircraft loads, then the operations.
Block HARBOUR_RAID_LOADING(State& st);
/// MOKUHYO, then the operations, the Allied planning or the single operation's order of battle.
Block TARGET_CHOICE(State& st);
/// The Allied plan for the turn: carriers planned per fleet, then the ships that sail.
Block ALLIED_PLANNING(State& st);
/// Scenario 6: the turn from the target, the reserve, HENSEI2, the target's strength and aircraft.
Block SINGLE_OPERATION_ORDER(State& st);

// The operational day's loops (operation_day.cpp, hour_step.cpp).
/// The day loop's head: day 1.
Block DAY_LOOP(State& st);
/// A day's opening: resets, search planes, the map, the deployment or night move, the posture.
Block DAY_START(State& st);
/// The day loop's step: the next day, or the operation's end after day 3.
Block NEXT_DAY(State& st);
/// The opening of an hour step and its routing.
Block HOUR_START(State& st);
/// The hour loop's step: the next hour step, or the end of the day after step 21.
Block NEXT_HOUR(State& st);
/// Hour steps 2-15: aircraft states, visual contacts, the split question, the search flights.
Block HOURLY_AIR_PHASE(State& st);
/// Hour steps 1-15: the map, damage list, header, contact report, search and Allied launches.
Block MORNING_PHASE(State& st);
/// Reports of failed strikes, submarines, contact ageing; the next hour or the failure.
Block END_OF_HOUR(State& st);

// The Allied raid on the player's fleet (raid_air_combat.cpp, raid_anti_aircraft.cpp,
// raid_attacks.cpp, raid_aftermath.cpp).
/// The battleships' list when no carrier was afloat, the damage list, GEIGEKI and the air combat.
Block ALLIED_RAID(State& st);
/// The fleet's anti-aircraft fire; a raid left without bombers ends here.
Block RAID_ANTI_AIRCRAFT(State& st);
/// Every bomber left attacks a carrier, or a battleship when no carrier is afloat.
Block RAID_ATTACKS(State& st);
/// The fires, the rounding, the aircraft lost aboard and the damage list.
Block RAID_AFTERMATH(State& st);
/// The closing pause of a raid (and of a harbour-raid hour without one), then the strikes.
Block RAID_END(State& st);

// The carrier-operations hour (carrier_operations_hour.cpp).
/// The player's deck dialogues of hour steps 1-14: strike launch, patrol launch, spotting,
/// arming, the Allied spotting, striking down; then the surface phase.
Block CARRIER_OPERATIONS_HOUR(State& st);

// The player's strikes (base_strike.cpp, fleet_strike.cpp).
/// The base-strike groups that reach the objective (or the harbour) this hour, fought as one
/// strike and turned home; then the fleet strike groups fly on (IDO7).
Block BASE_STRIKE_ARRIVAL(State& st);
/// The fleet strike groups at an Allied task force, each fought and turned home in turn.
Block FLEET_STRIKE_PHASE(State& st);

// The surface phase and the gun battle (surface_phase.cpp).
/// Landing, the battleship-detachment question, the groups' speeds and the fleets' moves.
Block SURFACE_PHASE(State& st);
/// The daytime sighting of the task forces within 8 map units after the moves.
Block GUN_BATTLE(State& st);
/// The gun battle when battleship lines are within 8 map units, and the closing after it.
Block ENGAGEMENT_TEST(State& st);

// Disk-error handler (error_handler.cpp): takes a run-time error and returns the block to
// continue at, or ends the program.
Block DISK_ERROR_HANDLER(State& st, int error_number);

/// Runs one block and returns the next; a block it does not know is a logic error.
Block run_block(State& st, Block block);
/// The main routine: start-up, then block after block (the one running is in
/// `st.current_block`) until the program ends.
void main_routine(State& st);

}  // namespace morva95f
