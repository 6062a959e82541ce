// MORVA95S: the blocks of the main routine that are entered by a jump. Each runs on the state
// and returns the block that follows; the main loop (main_routine.cpp) runs them in turn.
#pragma once
#include "simplified/state.h"

namespace morva95s {

/// The named entry points of the main routine.
enum class Block {
    Startup,            ///< seed, handlers, title
    StartupContinue,    ///< STARTUP_CONTINUE: FILE_CONTEXT = 2 and MENU
    MainMenu,           ///< MAIN_MENU
    ScenarioList,       ///< the scenario list and the new campaign's starting values
    ScenarioChoice,     ///< SCENARIO_CHOICE: the scenario key (and the load of scenario 8)
    PlayOptions,        ///< the first map and the four play options
    TurnStart,          ///< TURN_START's first entry
    TurnHead,           ///< TURN_START's turn entry: the war's end after turn 12, the set-ups
    SaveQuestion,       ///< the strategic map, then SAVE_PROMPT
    SavePrompt,         ///< SAVE_PROMPT (resumed after a disk error without the map)
    WriteSaveFile,      ///< WRITE_SAVE_FILE
    OrganisationPhase,  ///< ORGANISATION_PHASE
    AlliedReaction,     ///< ALLIED_REACTION
    OperationsStart,    ///< OPERATIONS_START: the repair of ships, then the operation loop
    OperationLoop,      ///< the operation loop over the two air fleets: its once-a-turn head
    OperationSetup,     ///< the loop test and one air fleet's operation set-up
    NextFleet,          ///< the operation loop's closing step: the next air fleet
    DayStart,           ///< DAY_START: the loop test and one day's set-up
    NextDay,            ///< the day loop's closing step: the next day
    HourStart,          ///< HOUR_START: the loop test and the head of one sub-turn
    RaidBuildUp,        ///< RAID_BUILD_UP: the Allied raid gathered from the arrival stage
    AlliedRaidPhase,    ///< ALLIED_RAID_PHASE: phase 1, the raid's arrival and the patrol
    PatrolAllocation,   ///< PATROL_ALLOCATION: the patrol set against the raid's parts
    RaidAirCombat,      ///< RAID_AIR_COMBAT: the patrol against the escorts and the bombers
    RaidAntiAircraft,   ///< RAID_ANTI_AIRCRAFT: the fleet's anti-aircraft fire
    RaidHits,           ///< RAID_HITS: the bombers' attacks, the explosions, the damage report
    AbortQuestion,      ///< ABORT_QUESTION: the end of phase 1
    BaseStrikeArrival,  ///< BASE_STRIKE_ARRIVAL: the raid's close, the start of phase 2
    OwnStrikeArrival,   ///< OWN_STRIKE_ARRIVAL: phase 2, the player's strike on the target base
    FleetStrikePhase,   ///< FLEET_STRIKE_PHASE: phase 2, the player's strike on the Allied fleet
    SearchResultPhase,  ///< SEARCH_RESULT_PHASE: phase 3
    LaunchPhase,        ///< LAUNCH_PHASE: phase 4 with the Allied carriers' strike
    AlliedBaseLaunch,   ///< ALLIED_BASE_LAUNCH: phase 4 from the target base's launch
    PlayerStrikeLaunch, ///< PLAYER_STRIKE_LAUNCH: phase 4 from the player's launches
    DeckStandbyPhase,   ///< DECK_STANDBY_PHASE: phase 5
    MaintenancePhase,   ///< MAINTENANCE_PHASE: phase 6
    ShelterPhase,       ///< SHELTER_PHASE: phase 7
    SurfacePhase,       ///< SURFACE_PHASE: phase 8, movement and gun battle
    GunBattle,          ///< GUN_BATTLE: the gun battle of phase 8
    NextSubturn,        ///< the sub-turn loop's closing step: the next sub-turn
    EndOfDay,           ///< END_OF_DAY
    OperationEnd,       ///< OPERATION_END past the day loop: the operation's close
    TurnEnd,            ///< TURN_END
    FinalResult,        ///< FINAL_RESULT; never returns
};

// Start-up, menu and scenario choice (startup.cpp).
/// Seeds the random numbers, arms the error and F1 handlers and shows the title.
Block STARTUP(State& st);
/// STARTUP_CONTINUE: FILE_CONTEXT = 2 and the built-in tables.
Block STARTUP_CONTINUE(State& st);
/// MAIN_MENU: play (on to the scenario list) or the manual.
Block MAIN_MENU(State& st);
/// Blanks the menu, sets the new campaign's starting values and shows the scenario list.
Block SCENARIO_LIST(State& st);
/// SCENARIO_CHOICE: the scenario key, "OK", and the load of scenario 8.
Block SCENARIO_CHOICE(State& st);
/// The first strategic map with the turn line, and the four play options.
Block PLAY_OPTIONS(State& st);

// Turn loop (turn_flow.cpp).
/// TURN_START's first entry (scenarios 6 and 7 go straight to the organisation).
Block TURN_START(State& st);
/// TURN_START's turn entry: the end of the war, the first-turn set-ups, the save question.
Block TURN_HEAD(State& st);
/// TURN_END: CLC, the end of the war, the single operation's end, or the next turn.
Block TURN_END(State& st);

// Save file (save_file.cpp).
/// The strategic map, then the save question.
Block SAVE_QUESTION(State& st);
/// SAVE_PROMPT: "ここまでの結果を SAVE しますか ?" and the Y / N line.
Block SAVE_PROMPT(State& st);
/// WRITE_SAVE_FILE: writes MORDATAS.DAT (the old file is replaced only by a complete new one).
Block WRITE_SAVE_FILE(State& st);

// Organisation phase (organisation_phase.cpp).
/// ORGANISATION_PHASE: the base list, HENSEI, the checks, MOKUHYO and the single operations.
Block ORGANISATION_PHASE(State& st);

// Allied reaction and operations (allied_reaction.cpp).
/// ALLIED_REACTION: the Allied carriers planned per target, then the ships committed.
Block ALLIED_REACTION(State& st);
/// OPERATIONS_START: the turn-start repair, then the operation loop.
Block OPERATIONS_START(State& st);

// The operation, day and sub-turn loops (operation_setup.cpp, day_start.cpp,
// subturn_head.cpp, end_of_day.cpp).
/// The operation loop's head, once a turn: TT_SCENARIO, OPERATION_ACTIVE, the first fleet.
Block OPERATION_LOOP(State& st);
/// The loop test (the turn's end after fleet 2) and the set-up of one fleet's operation.
Block OPERATION_SETUP(State& st);
/// The operation loop's closing step: FLEET_NO + 1.
Block NEXT_FLEET(State& st);
/// DAY_START: the loop test (the operation's end after day 3) and the day's set-up.
Block DAY_START(State& st);
/// The day loop's closing step: DAY_NO + 1.
Block NEXT_DAY(State& st);
/// HOUR_START: the loop test (the day's end after sub-turn 20) and the sub-turn's head.
Block HOUR_START(State& st);
/// RAID_BUILD_UP: the Allied raid W of the sub-turn and where phase 1 or 2 begins.
Block RAID_BUILD_UP(State& st);
/// The sub-turn loop's closing step: SUBTURN_NO + 1.
Block NEXT_SUBTURN(State& st);
/// END_OF_DAY: every unit home, the flight decks' overnight recovery, then the next day.
Block END_OF_DAY(State& st);
/// OPERATION_END past the day loop: a called-off operation, or one with no carrier afloat,
/// gives the target base back (strength at least 8); the report ("第 n 艦隊作戦終了", the base
/// taken or not, or in the harbour strike HW(0) = INT((HW(1) - 28) / 2)), a pause, and the
/// reserve charged with each carrier's air group less its hangar; then the next fleet.
Block OPERATION_END(State& st);

// Phase 1, the Allied raid (raid_arrival.cpp, raid_allocation.cpp, raid_air_combat.cpp,
// raid_anti_aircraft.cpp, raid_hits.cpp, raid_damage.cpp, raid_close.cpp).
/// ALLIED_RAID_PHASE: the header, the damage list, the raid by type, the patrol aloft and the
/// emergency launch of deck fighters.
Block ALLIED_RAID_PHASE(State& st);
/// PATROL_ALLOCATION: the patrol set against the escorts (at least the least number), the
/// dive and torpedo bombers; the units left go against the heavy bombers.
Block PATROL_ALLOCATION(State& st);
/// RAID_AIR_COMBAT: the patrol against the escorts (losses on both sides) and the bombers; on
/// to the anti-aircraft fire, or to the raid's close when no dive or torpedo bomber is left.
Block RAID_AIR_COMBAT(State& st);
/// RAID_ANTI_AIRCRAFT: the fleet's fire at the dive and torpedo bombers, then "敵の攻撃 !!".
Block RAID_ANTI_AIRCRAFT(State& st);
/// RAID_HITS: every bomber left attacks a ship; the explosions, the rounding and the report.
Block RAID_HITS(State& st);
/// ABORT_QUESTION: the end of phase 1, the question whether to call the operation off.
Block ABORT_QUESTION(State& st);
/// BASE_STRIKE_ARRIVAL: the raid's close: the Allied units out turn for home, the raid's
/// survivors go back to the base or (IDO3) the Allied carriers.
Block BASE_STRIKE_ARRIVAL(State& st);

// Phase 2, the player's strikes (base_strike.cpp, harbour_strike.cpp, fleet_strike.cpp).
/// OWN_STRIKE_ARRIVAL: the player's strike on the target base or the harbour.
Block OWN_STRIKE_ARRIVAL(State& st);
/// FLEET_STRIKE_PHASE: the player's strike on the Allied fleet.
Block FLEET_STRIKE_PHASE(State& st);

// Phase 3 (search_result.cpp).
/// SEARCH_RESULT_PHASE: the stage step, the search, the distances and the Allied launch.
Block SEARCH_RESULT_PHASE(State& st);

// Phases 4-7, the carriers (launch_phase.cpp, hangar_phases.cpp).
/// LAUNCH_PHASE: the distances handed on and the Allied carriers' strike KOGEKI, then on at
/// ALLIED_BASE_LAUNCH.
Block LAUNCH_PHASE(State& st);
/// ALLIED_BASE_LAUNCH: the target base's launch, then on at PLAYER_STRIKE_LAUNCH.
Block ALLIED_BASE_LAUNCH(State& st);
/// PLAYER_STRIKE_LAUNCH: the deck sums, the player's strike and the combat air patrol.
Block PLAYER_STRIKE_LAUNCH(State& st);
/// DECK_STANDBY_PHASE: armed units from the hangars up to the decks.
Block DECK_STANDBY_PHASE(State& st);
/// MAINTENANCE_PHASE: the bombers armed, then the Allied deck loading.
Block MAINTENANCE_PHASE(State& st);
/// SHELTER_PHASE: the stage step IDO and units from the decks back to the hangars.
Block SHELTER_PHASE(State& st);

// Phase 8 (surface_phase.cpp, gun_battle.cpp).
/// SURFACE_PHASE: the gun battle at close range, the movement, the fleet check.
Block SURFACE_PHASE(State& st);
/// GUN_BATTLE: twenty gun sub-turns of SP and BS.
Block GUN_BATTLE(State& st);

// End of the war (final_result.cpp).
/// FINAL_RESULT: the final screen with the verdict; idles until the window closes.
Block FINAL_RESULT(State& st);

/// Runs one block of the main routine and returns the block that follows.
Block run_block(State& st, Block block);

// Disk-error handler (error_handler.cpp): takes a run-time error and returns the block to
// continue at, or ends the program.
Block DISK_ERROR_HANDLER(State& st, int error_number);

/// Runs one block and returns the next; a block it does not know is a logic error.
Block run_block(State& st, Block block);
/// The main routine: start-up, then block after block (the block the loop runs is
/// `st.current_block`) until the program ends.
void main_routine(State& st);

}  // namespace morva95s
