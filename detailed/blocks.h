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
    SavePrompt,           ///< SAVE_PROMPT
    WriteSaveFile,        ///< WRITE_SAVE_FILE
    TurnOpening,          ///< TURN_OPENING
    OperationsStart,      ///< OPERATIONS_START: the per-turn repair
    OperationsReset,      ///< OPERATIONS_RESET: the per-turn resets, then FLEET_LOOP
    FleetOperation,       ///< FLEET_LOOP's body for FLEET_NO: set-up, announcement, split
    DayLoop,              ///< the head of the day loop (DAY_NO = 1)
    DayStart,             ///< DAY_START
    NextDay,              ///< the day loop's step to the next day
    EndOfDay,             ///< END_OF_DAY
    OperationEnd,         ///< OPERATION_END
    CarriersLost,         ///< CARRIERS_LOST
    NextFleet,            ///< NEXT_FLEET
    TurnEnd,              ///< TURN_END
    FinalResult,          ///< FINAL_RESULT from its first step
    FinalResultMap,       ///< FINAL_RESULT from its map (the single operation); it ends in the
                          ///< idle that only the window's close ends
};

// Start-up (startup.cpp).
Block STARTUP(State& st);
Block SCENARIO_CHOICE(State& st);

// Turn start and the end of turn (turn_flow.cpp).
Block PRACTICE_QUESTION(State& st);
Block TURN_START(State& st);
Block HARBOUR_RAID_OPENING(State& st);
Block HYPOTHETICAL_OPENING(State& st);
Block HISTORICAL_OPENING(State& st);
Block NEXT_FLEET(State& st);
Block TURN_END(State& st);

// Save step (save_file.cpp).
Block SAVE_STEP(State& st);
Block SAVE_PROMPT(State& st);
Block WRITE_SAVE_FILE(State& st);

// Operations (operation_flow.cpp).
Block OPERATIONS_START(State& st);
Block OPERATIONS_RESET(State& st);
Block FLEET_OPERATION(State& st);
Block END_OF_DAY(State& st);
Block OPERATION_END(State& st);
Block CARRIERS_LOST(State& st);

// Final result (final_result.cpp).
Block FINAL_RESULT(State& st);
Block FINAL_RESULT_MAP(State& st);

// The neighbouring subsystems' blocks (stand_ins.cpp until they are built).
Block TURN_OPENING(State& st);
Block DAY_LOOP(State& st);
Block DAY_START(State& st);
Block NEXT_DAY(State& st);

// Disk-error handler (error_handler.cpp): takes a run-time error and returns the block to
// continue at, or ends the program.
Block DISK_ERROR_HANDLER(State& st, int error_number);

/// The main routine: start-up, then block after block until the program ends.
void main_routine(State& st);

}  // namespace morva95f
