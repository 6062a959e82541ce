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
    OperationLoop,      ///< the operation loop over the two air fleets
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

// Allied reaction and operations (allied_reaction.cpp, stand_ins.cpp).
/// ALLIED_REACTION: the Allied carriers planned per target, then the ships committed.
Block ALLIED_REACTION(State& st);
/// OPERATIONS_START: the turn-start repair, then the operation loop.
Block OPERATIONS_START(State& st);
/// The operation loop over the two air fleets (each operation ends at once for now).
Block OPERATION_LOOP(State& st);

// End of the war (final_result.cpp).
/// FINAL_RESULT: the final screen with the verdict; idles until the window closes.
Block FINAL_RESULT(State& st);

// Disk-error handler (error_handler.cpp): takes a run-time error and returns the block to
// continue at, or ends the program.
Block DISK_ERROR_HANDLER(State& st, int error_number);

/// The main routine: start-up, then block after block (the block the loop runs is
/// `st.current_block`) until the program ends.
void main_routine(State& st);

}  // namespace morva95s
