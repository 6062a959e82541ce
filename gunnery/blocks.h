// kelmat95: the named blocks of the main routine and the routines they call.
#pragma once
#include <optional>
#include <vector>

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
    DesignStart,           ///< DESIGN_START: the designer's entry and the displacement question
    StoreDisplacement,     ///< STORE_DISPLACEMENT and the real-class path
    CalibreStep,           ///< the main gun (modified classes and own designs)
    LayoutStep,            ///< the main-battery layout and its weight
    SpeedStep,             ///< the speed, the machinery and the speed's store
    BeltStep,              ///< BELT_STEP: belt and sloped armour, then STORE_BELT
    DeckStep,              ///< DECK_STEP: deck, then STORE_DECK
    WeightBalance,         ///< WEIGHT_BALANCE, then the gun count
    DesignResultScreen,    ///< DESIGN_RESULT_SCREEN
    DesignChoiceMenu,      ///< DESIGN_CHOICE_MENU
    StoreProper,           ///< the storing step with the proper displacement taken
    StorePlanned,          ///< the storing step with the planned displacement taken
    ShipEntryEnd,          ///< SHIP_ENTRY_END
    SaveScenario,          ///< SAVE_SCENARIO: the Y/N question
    WriteScenario,         ///< WRITE_SCENARIO: the name screen and the writing
    LoadScenario,          ///< LOAD_SCENARIO
    ShipDataViewer,        ///< SHIP_DATA_VIEWER (menu keys 3, 6, 7, 8)
    PenetrationViewer,     ///< PENETRATION_VIEWER (menu key 4)
    RealBeltTable,         ///< REAL_BELT_TABLE
    RealBeltGraph,         ///< REAL_BELT_GRAPH
    RealDeckTable,         ///< REAL_DECK_TABLE
    RealDeckGraph,         ///< REAL_DECK_GRAPH
    PenetrationViewerExit, ///< PENETRATION_VIEWER_EXIT
    PlannedBeltTable,      ///< PLANNED_BELT_TABLE
    PlannedBeltGraph,      ///< PLANNED_BELT_GRAPH
    PlannedDeckTable,      ///< PLANNED_DECK_TABLE
    PlannedDeckGraph,      ///< PLANNED_DECK_GRAPH
};

/// Runs one block and returns the next; a block it does not know is a logic error.
Block run_block(Kelmat& s, Block b);
/// The main routine from `start`: runs blocks one after another (the one running is in
/// `s.current_block`); a run-time error goes to DISK_ERROR_HANDLER, which names the block to
/// continue at. Returns only by an exception (the program's end).
[[noreturn]] void run_main_routine(Kelmat& s, Block start);

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
/// Belt coefficients a, b, c of gun type TT_GUN_TYPE into TT_COEF_A, TT_COEF_B, TT_COEF_C.
void CALC1(Kelmat& s);
/// Deck coefficients d1, d2 of gun type TT_GUN_TYPE into TT_COEF_A, TT_COEF_B.
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
/// LOAD_CLASS_RECORDS for navy `navy`, whatever BLUE_NAVY holds.
void load_class_records(Kelmat& s, float navy);
/// LOAD_CLASS_VALUES for navy `navy`, whatever BLUE_NAVY holds.
void load_class_values(Kelmat& s, float navy);

// Scenario files.
Block SAVE_SCENARIO(Kelmat& s);
Block WRITE_SCENARIO(Kelmat& s);
Block LOAD_SCENARIO(Kelmat& s);
/// Writes the scenario in memory to channel 1 in the scenario-file layout.
void write_scenario_file(Kelmat& s);
/// Reads a scenario file from channel 1 into the fleet record; only a whole, valid file is
/// taken (anything else raises error 63, as a missing file does).
void read_scenario_file(Kelmat& s);

/// The range of one scenario field as the set-up and the designer write it.
struct ScenarioRange {
    float least;
    float most;
    bool whole;
};
/// The ranges of a ship's scenario fields, in the order of kScenarioFields: displacement (a
/// planned 80-9000 or a proper one up to 999,900 t), gun type 1-36 and layout 1-22 (typed
/// fractions included), the sloped-belt flag, belt and deck as STORE_BELT and STORE_DECK make
/// them from 50-1000 and 20-800 mm typed or a real class's armour, speed 15-60 kt or a real
/// class's, and the displacement ratio (100 for a proper displacement).
inline constexpr ScenarioRange kScenarioRanges[8] = {
    {0, 9999, false}, {1, 36, false}, {1, 22, false}, {0, 1, true},
    {43, 1166, true}, {17, 880, true}, {15, 60, false}, {0, 900000, true}};
/// The longest ship name a scenario holds, in CP932 bytes (the stored names' limit).
inline constexpr long kMostShipNameBytes = 20;

// Error handler.
/// Reports a run-time error and names the block to continue at (or ends the program).
Block DISK_ERROR_HANDLER(Kelmat& s, int error_number);

// Designer: what every group passes through, and the real-class path.
/// The group's displacement into A_DISPLACEMENT; a real class taken unchanged then takes all its
/// values and ends its group, any other group goes on to the main gun.
Block STORE_DISPLACEMENT(Kelmat& s);
/// DESIGN_DISPLACEMENT into A_DISPLACEMENT of every ship of the group.
void store_group_displacement(Kelmat& s);
/// `value` into field `field` of every ship of the group (SHIP_NO .. SHIP_NO + SISTER_COUNT,
/// counted in SISTER_NO).
void store_group_field(Kelmat& s, int field, float value);
/// GUN_TEXT and GUN_SLASH_POS of GUN_TYPE, and the gun type into A_GUN_TYPE of the group.
void store_group_gun(Kelmat& s);
/// Gun type, layout, speed, belt and deck of a real class taken unchanged, stored for the group.
void store_real_class_values(Kelmat& s);
/// CALC3: main-battery weight of gun type TT_LAYOUT_GUN in layout TT_LAYOUT into
/// Z(Z_BATTERY_WEIGHT).
void CALC3(Kelmat& s);
/// The displacement answer's value: the whole answer read as a number (0 when it is none).
float displacement_answer_value(const std::string& answer);
/// Blanks the reference column, reads the next 22 stored reference texts into DT and shows
/// them from column 68, then blanks the prompt area.
void SHOW_REFERENCE_COLUMN(Kelmat& s);
/// Blanks the prompt area: columns 2-44 of rows 3-23.
void CLEAR_PROMPT_AREA(Kelmat& s);
/// The main gun: the navy's calibres, the list of the 36 gun types, the answer 1-36.
Block CALIBRE_STEP(Kelmat& s);
/// The main-battery layout: the navy's layouts, the list of the 22, the answer; its weight.
Block LAYOUT_STEP(Kelmat& s);
/// The speed step, the machinery step and the store of the speed.
Block SPEED_STEP(Kelmat& s);
/// Machinery weight in tons of `speed` knots for the design's era and displacement, without
/// a machinery factor.
float speed_machinery_weight(const Kelmat& s, float speed);
/// Cuts MACHINERY_WEIGHT by the factor of MACHINERY_TYPE (diesel, mixed, gas turbine).
void apply_machinery_factor(Kelmat& s);
/// The belt beside the reference guns' penetration and the readouts, the sloped question,
/// and STORE_BELT.
Block BELT_STEP(Kelmat& s);
/// The deck beside the reference guns' penetration and the readouts, and STORE_DECK.
Block DECK_STEP(Kelmat& s);
/// Belt penetration in mm at `range` km of gun type TT_GUN_TYPE, through CALC1 and PEN_COEF_A-C.
con::real belt_penetration(Kelmat& s, float range);
/// Deck penetration in mm at `range` km of gun type TT_GUN_TYPE, through CALC2 and PEN_COEF_A-B.
con::real deck_penetration(Kelmat& s, float range);
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
/// Moves SHIP_NO past the group and goes on to the next ship or the next side.
Block SHIP_ENTRY_END(Kelmat& s);
/// The designer's entry (working navy, displacement texts) and the displacement question.
Block DESIGN_START(Kelmat& s);

// Designer: the weight balance, the result and the choice.
/// The 4-byte factor of a machinery, or none for the steam turbine.
using MachineryFactor = std::optional<float>;
/// The factor of the designer's machinery type: 0 steam turbine (none), 1 diesel 0.9,
/// 2 steam turbine and diesel 0.95, 3 gas turbine 0.7.
MachineryFactor machinery_type_factor(float machinery_type);
/// A machinery weight cut by the factor: INT(weight x f); the weight itself without a factor.
float factored_machinery_weight(float weight, MachineryFactor factor);
/// The speed term of the armour weight: speed + 74, with a factor INT(|term - 100| x f) + 100.
float armour_speed_term(float speed, MachineryFactor factor);
/// The machinery weight before the size factor: speed x speed x 78 x H(era) / 10, then cut
/// by the factor.
float balance_machinery_weight(float speed, float era_factor, MachineryFactor factor);
/// The armour weight before the size factor: (belt base + deck base) x GG x speed term / 100.
float balance_armour_weight(float belt_base, float deck_base, float turret_factor, float speed_term);
/// One displacement step from `displacement` (100 t): the size factor and the displacement
/// (100 t) that the main battery and the armour and machinery weights at that size add up to.
struct DisplacementStep {
    float size_factor;
    float displacement;
};
DisplacementStep displacement_step(float displacement, float main_battery, float armour, float machinery);
/// How the balance's iterations ended.
enum class BalanceEnd {
    Proper,     ///< an iteration gave back its own displacement
    OverLimit,  ///< an iteration gave more than 99999 (100 t)
    Bound,      ///< the defensive bound on the iterations was reached
};
/// The most iterations the balance makes. Each iteration moves the displacement, a whole
/// number of 100 t within 0-99999, the same way as the first did, so a balance ends within
/// 100001 iterations; the bound only guards against a state no design can reach.
inline constexpr long kMaxBalanceIterations = 200000;
/// ARMOUR_WEIGHT_BASE and MACHINERY_WEIGHT_BASE of the design at the reference size.
void balance_weights(Kelmat& s);
/// The iterations from DESIGN_DISPLACEMENT; each iteration's result is appended to `trail`
/// when given. Sets PROPER_DISPLACEMENT only when the balance ends at a proper displacement.
BalanceEnd iterate_displacement(Kelmat& s, std::vector<float>* trail = nullptr);
/// The balance of a modified class or an own design, then the gun count and the result
/// screen, or the first limit message.
Block WEIGHT_BALANCE(Kelmat& s);
/// The displacement-limit message: the first entry (the balance refused the design) goes
/// back to SHIP_VALUES_START, the second (the proper displacement cannot be taken) to
/// DESIGN_CHOICE_MENU in colour 3.
Block DISPLACEMENT_LIMIT_MESSAGE(Kelmat& s, bool first_entry);
/// MAIN_GUN_COUNT of the layout in A_LAYOUT of the group's first ship.
void count_main_guns(Kelmat& s);
/// The weight shares of main battery, armour and machinery in the proper displacement.
void weight_shares(Kelmat& s);
/// Proper and planned displacement, main battery, armour, the arrangement drawing and the
/// weight shares; the second limit message when the proper displacement is too large.
Block DESIGN_RESULT_SCREEN(Kelmat& s);
/// The choice: 1 the proper displacement, 2 the planned one, 3 a new design of the group.
Block DESIGN_CHOICE_MENU(Kelmat& s);
/// The storing step with the proper displacement (the result screen again when it is too large).
Block STORE_PROPER(Kelmat& s);
/// The storing step with the planned displacement and its ratio to the proper one.
Block STORE_PLANNED(Kelmat& s);
/// SHUHOU: the plan view of the main battery of ship TT_SHIP_REF (side x 100 + ship), its speed
/// and the guns bearing ahead, astern and abeam.
void SHUHOU(Kelmat& s);
/// The guns bearing ahead, astern and abeam of a layout (0 and above 22 count as layout 1).
struct BearingCounts {
    int ahead, astern, abeam;
};
BearingCounts layout_bearing_counts(long layout);

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

}  // namespace kelmat
