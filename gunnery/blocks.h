// kelmat95: the named blocks of the main routine and the routines they call.
#pragma once
#include "gunnery/state.h"

namespace kelmat {

/// The blocks of the main routine's state machine. Each runs until it jumps elsewhere and
/// returns the block that follows.
enum class Block {
    StartUp,               ///< tables, traps, generator
    Title,                 ///< TITLE, then the menu
    MainMenu,              ///< MAIN_MENU
    BattleLaunch,          ///< BATTLE_LAUNCH entry (menu key 1)
    BattleAskFight,        ///< "fight the scenario in memory?"
    BattleReturnQuestion,  ///< "back to the menu?"
    BattleLoad,            ///< loads a scenario unless the fleet is new
    BattleFight,           ///< fills TT and calls BS
    ScenarioSetup,         ///< counts and navies
    ScenarioSideLoop,      ///< SCENARIO_SIDE_LOOP: one side's source, era and class list
    SideLoopNext,          ///< the next side, or the save question after RED
    ScenarioShipLoop,      ///< SCENARIO_SHIP_LOOP: one group's class, sisters and state
    ShipLoopNext,          ///< the next group of the side
    ShipValuesStart,       ///< SHIP_VALUES_START (sources 1 and 2)
    DesignStart,           ///< DESIGN_START
    StoreDisplacement,     ///< STORE_DISPLACEMENT and the real-class path
    ShipEntryEnd,          ///< SHIP_ENTRY_END
    SaveScenario,          ///< SAVE_SCENARIO: the Y/N question
    WriteScenario,         ///< WRITE_SCENARIO: the name screen and the writing
    LoadScenario,          ///< LOAD_SCENARIO
    ShipDataViewer,        ///< SHIP_DATA_VIEWER (menu keys 3, 6, 7, 8)
    PenetrationViewer,     ///< PENETRATION_VIEWER (menu key 4)
};

/// Runs one block and returns the next.
Block run_block(Kelmat& s, Block b);
/// The main routine from `start`: runs blocks one after another; a run-time error goes to
/// DISK_ERROR_HANDLER, which names the block to continue at. Returns only by an exception
/// (the program's end).
[[noreturn]] void run_main_routine(Kelmat& s, Block start);
/// The block the main routine is running (for tests and diagnostics).
Block current_block();

// Start-up, title and menu.
Block START_UP(Kelmat& s);
/// The title screen; returns after any key.
void TITLE(Kelmat& s);
Block MAIN_MENU(Kelmat& s);
/// The trap of function key 2.
void PAUSE_KEY(Kelmat& s);

// Design formulas.
/// Tons per mm of belt and of deck for speed LOOP_K, MACHINERY_TYPE, LAYOUT_NO and
/// DESIGN_DISPLACEMENT.
void ARMOUR_WEIGHT_PER_MM(Kelmat& s);
/// The era 1-7 of class LOOP_I of navy CLASS_NAVY into CLASS_ERA_NO.
void CLASS_ERA(Kelmat& s);

// Penetration coefficients.
/// Belt coefficients a, b, c of gun type TT(0) into TT(1..3).
void CALC1(Kelmat& s);
/// Deck coefficients d1, d2 of gun type TT(0) into TT(1..2).
void CALC2(Kelmat& s);

// Scenario set-up.
Block SCENARIO_SETUP(Kelmat& s);
Block SCENARIO_SIDE_LOOP(Kelmat& s);
Block SIDE_LOOP_NEXT(Kelmat& s);
/// The side header, the navy's class names and (real classes) its class values.
void SHOW_CLASS_LIST(Kelmat& s);
/// Reads K and N from the stored records.
void LOAD_REAL_CLASS_TABLES(Kelmat& s);

// Per-ship entry.
Block SCENARIO_SHIP_LOOP(Kelmat& s);
Block SHIP_LOOP_NEXT(Kelmat& s);
Block SHIP_VALUES_START(Kelmat& s);

// Class-data loaders (navy BLUE_NAVY).
void LOAD_CLASS_RECORDS(Kelmat& s);
void LOAD_CLASS_VALUES(Kelmat& s);

// Scenario files.
Block SAVE_SCENARIO(Kelmat& s);
Block WRITE_SCENARIO(Kelmat& s);
Block LOAD_SCENARIO(Kelmat& s);
/// Writes the scenario in memory to channel 1 in the scenario-file layout.
void write_scenario_file(Kelmat& s);
/// Reads a scenario file from channel 1 into the fleet record; only a whole, valid file is
/// taken (anything else raises error 63, as a missing file does).
void read_scenario_file(Kelmat& s);

// Error handler.
/// Reports a run-time error and names the block to continue at (or ends the program).
Block DISK_ERROR_HANDLER(Kelmat& s, int error_number);

// Designer: what every group passes through, and the real-class path.
Block STORE_DISPLACEMENT(Kelmat& s);
/// DESIGN_DISPLACEMENT into field 0 of every ship of the group.
void store_group_displacement(Kelmat& s);
/// Gun type, layout, speed, belt and deck of a real class taken unchanged, stored for the group.
void store_real_class_values(Kelmat& s);
/// CALC3: main-battery weight of gun type TT(13) in layout TT(14) into Z(0).
void CALC3(Kelmat& s);
/// Stores STORED_BELT (after the era factor) and SLOPED_ARMOUR for the group.
void STORE_BELT(Kelmat& s);
/// Stores STORED_DECK (after the era factor) for the group.
void STORE_DECK(Kelmat& s);
/// Whether a real class has a sloped belt.
bool class_has_sloped_belt(float navy, float class_no);
/// The storing step: proper displacement taken (false when it is too large to take).
bool store_proper_displacement(Kelmat& s);
/// The storing step: planned displacement taken.
void store_planned_displacement(Kelmat& s);
/// The storing step of a real ship taken unchanged: ratio 100.
void store_real_ship_ratio(Kelmat& s);
/// The storing step's names: real-class ships get their stored names.
void store_group_names(Kelmat& s);
Block SHIP_ENTRY_END(Kelmat& s);
Block DESIGN_START(Kelmat& s);

// Battle launch and the battle.
Block BATTLE_LAUNCH(Kelmat& s);
Block BATTLE_ASK_FIGHT(Kelmat& s);
Block BATTLE_RETURN_QUESTION(Kelmat& s);
Block BATTLE_LOAD(Kelmat& s);
Block BATTLE_FIGHT(Kelmat& s);
/// The gun battle.
void BS(Kelmat& s);
/// The trap of function key 1.
void EDIT_BATTLE_PARAMS(Kelmat& s);

// Viewers.
Block SHIP_DATA_VIEWER(Kelmat& s);
Block PENETRATION_VIEWER(Kelmat& s);
/// The first-salvo hit-rate chart; returns after any key.
void MEITYU(Kelmat& s);

// Small helpers shared by the blocks.
/// The value of a single key: its digit, 0 for every other key.
int key_value(const std::string& key);
/// Waits for a key into KEY_STRING until its value lies within lo..hi; returns the value.
int wait_key_in_range(Kelmat& s, int lo, int hi);
/// Whether a typed number is whole and within lo..hi.
bool whole_in_range(float v, int lo, int hi);

}  // namespace kelmat
