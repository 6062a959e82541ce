// kelmat95: the program's state object - its global tables, scalars and stored records.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/embedded.h"

/// The stored records compiled in from tables/gunnery/*.txt.
con::EmbeddedSet gunnery_tables();

namespace kelmat {

/// Slots of the parameter vector `TT` through which the main routine and the routines of the
/// second module hand scalars over.
inline constexpr int TT_GUN_TYPE = 0;      ///< gun type 1-36 into CALC1/CALC2
inline constexpr int TT_COEF_A = 1;        ///< belt a / deck d1 out of CALC1/CALC2
inline constexpr int TT_COEF_B = 2;        ///< belt b / deck d2 out of CALC1/CALC2
inline constexpr int TT_COEF_C = 3;        ///< belt c out of CALC1
inline constexpr int TT_SHOW_MAP = 9;      ///< 1 when the battle map is drawn
inline constexpr int TT_BLUE_COUNT = 10;   ///< BLUE ships into BS
inline constexpr int TT_RED_COUNT = 11;    ///< RED ships into BS
inline constexpr int TT_DISPLAY_TIME = 12; ///< battle display time in ticks (kept for the run)
inline constexpr int TT_LAYOUT_GUN = 13;   ///< gun type into CALC3
inline constexpr int TT_LAYOUT = 14;       ///< layout into CALC3
inline constexpr int TT_SHIP_REF = 15;     ///< side x 100 + ship into SHUHOU

/// On the way into the gun battle `BS` slots 2 and 3 carry the two navies instead.
inline constexpr int TT_BLUE_NAVY = 2;     ///< BLUE navy 1-5 into BS (the slot of TT_COEF_B)
inline constexpr int TT_RED_NAVY = 3;      ///< RED navy 1-5 into BS (the slot of TT_COEF_C)

// Fields of the fleet record A(side, ship, field) that scenario making sets; the gun battle
// works on the others.
inline constexpr int A_DISPLACEMENT = 0;   ///< 100 t; also the ship's durability in the battle
inline constexpr int A_GUN_TYPE = 1;       ///< gun type 1-36
inline constexpr int A_LAYOUT = 4;         ///< main-battery layout 1-22
inline constexpr int A_SLOPED = 5;         ///< 1 = sloped belt armour
inline constexpr int A_BELT = 6;           ///< belt armour as the battle uses it, mm
inline constexpr int A_DECK = 7;           ///< deck armour as the battle uses it, mm
inline constexpr int A_SPEED = 8;          ///< kt
inline constexpr int A_RATIO = 16;         ///< planned displacement as a percentage of the proper one
/// The fields a scenario file keeps of every ship, in file order.
inline constexpr int kScenarioFields[8] = {A_DISPLACEMENT, A_GUN_TYPE, A_LAYOUT, A_SLOPED,
                                           A_BELT,         A_DECK,     A_SPEED,  A_RATIO};

// Fields of the design numbers K(row, class, field); row = navy for the final state,
// navy + K_AS_BUILT_ROWS as built. Field 0 means one thing in each kind of row.
inline constexpr int K_AS_BUILT_ROWS = 5;  ///< row offset of the as-built rows
inline constexpr int K_SHIP_COUNT = 0;     ///< final rows: ships of the class (and stored names)
inline constexpr int K_HAS_AS_BUILT = 0;   ///< as-built rows: 1 = an as-built state is offered
inline constexpr int K_DISPLACEMENT = 1;   ///< 100 t
inline constexpr int K_GUN_TYPE = 2;       ///< gun type 1-36
inline constexpr int K_LAYOUT = 3;         ///< layout 1-22
inline constexpr int K_BELT = 4;           ///< belt armour, cm (final rows only)
inline constexpr int K_DECK = 5;           ///< deck armour, cm
inline constexpr int K_SPEED = 6;          ///< kt

// Fields of the stored class values F(navy, class, field); fields 1-6 are also the rows of
// ESTIMATE_FLAGS(field, class).
inline constexpr int F_BUILD_STATE = 1;    ///< 0 never completed, 1 built, 2 fictional
inline constexpr int F_YEAR = 2;           ///< completion or design year; 0 when not stored
inline constexpr int F_BELT = 3;           ///< belt armour, mm
inline constexpr int F_DECK = 4;           ///< deck armour, mm
inline constexpr int F_SPEED = 5;          ///< kt
inline constexpr int F_DISPLACEMENT = 6;   ///< t
inline constexpr int F_GUN_TYPE = 7;       ///< gun type 1-36 as built
inline constexpr int F_LAYOUT = 8;         ///< layout 1-22 as the ship data viewer recognises it
inline constexpr int F_TURRETS = 10;       ///< turrets as the ship data viewer recognises them

// Rows of the gun data W(row, gun type).
inline constexpr int W_TWIN_WEIGHT = 1;    ///< weight of a twin turret, t
inline constexpr int W_TRIPLE_WEIGHT = 2;  ///< weight of a triple turret, t
inline constexpr int W_QUAD_WEIGHT = 3;    ///< weight of a quadruple turret, t
inline constexpr int W_RANGE = 5;          ///< the gun's range, km

// Columns of the turret layouts L(layout, column).
inline constexpr int L_TURRETS = 0;        ///< number of turrets
inline constexpr int L_FIRST_TURRET = 1;   ///< first turret code (tens: guns, units: position)
inline constexpr int L_LAST_TURRET = 6;    ///< last turret code; 0 where the layout has fewer
inline constexpr int L_ARMOUR_ZONE = 7;    ///< the layout's armour-zone value

/// Z(Z_BATTERY_WEIGHT): the main-battery weight in t, the result of CALC3.
inline constexpr int Z_BATTERY_WEIGHT = 0;

/// The navy whose stored records a navy number selects: 1-4 their own, any other value 5.
int record_navy(float navy);

/// The named blocks of the main routine (listed in blocks.h).
enum class Block;

/// The whole state of one run of the simulator. Every number is a 4-byte float; expressions
/// are evaluated in con::real and stored with con::store.
struct Kelmat {
    Kelmat();

    // Stored records (built-in tables) with their read position.
    con::RecordSet data;
    Block current_block{};  ///< the block the main routine runs

    // Fleet and class tables.
    con::Table<float, 2, 47, 20> A;        ///< fleet record: side x ship x field
    con::Table<std::string, 2, 47> M;      ///< ship names: side x ship
    con::Table<float, 11, 23, 7> K;        ///< design numbers: row (navy, navy+5 as built) x class x field
    con::Table<std::string, 6, 23, 9> N;   ///< names of the real ships: navy x class x ordinal
    con::Table<float, 6, 23, 12> F;        ///< stored class values: navy x class x field
    con::Table<std::string, 23> NM;        ///< class names of the navy loaded last
    con::Table<std::string, 23> DS;        ///< layout texts of the navy loaded last
    con::Table<std::string, 23> DT;        ///< reference texts shown by the designer
    con::Table<float, 7, 23> ESTIMATE_FLAGS;  ///< 1 where a stored class value is an estimate

    // Design tables and constants, set at start-up.
    con::Table<float, 7> GG;               ///< armour weight factor by turret count
    con::Table<float, 8> H;                ///< machinery weight factor by era
    con::Table<float, 8> P;                ///< armour quality factor by era
    con::Table<float, 23, 8> L;            ///< turret layouts
    con::Table<float, 7, 37> W;            ///< gun data: row x gun type
    con::Table<std::string, 37> G;         ///< gun type names
    float BELT_WEIGHT_CONST = 0;
    float DECK_WEIGHT_CONST = 0;

    // Hand-over tables of the second module.
    con::Table<float, 16> TT;
    con::Table<float, 2> Z;

    // Penetration viewer: label places, penetration by range step, and the tables' scalars.
    con::Table<float, 2, 37> D;            ///< graph label place of each gun type: row 0 belt, row 1 deck
    con::Table<float, 37, 23> E;           ///< penetration in mm: gun type x range step (tables to graphs)
    float PEN_RANGE_KM = 0, PEN_VALUE_MM = 0, PEN_PREV_CM = 0;  ///< the table cell being worked
    float PEN_OVERLAY_SCALE = 0;           ///< vertical scale of the graph under an armour overlay
    float OVERLAY_NAVY = 0;                ///< the navy an armour overlay shows (BLUE_NAVY stays)

    // Scenario scalars.
    float BLUE_COUNT = 0, RED_COUNT = 0, BLUE_NAVY = 0, RED_NAVY = 0, SIDE_COUNT = 0;
    float SIDE_NO = 0, SHIP_NO = 0, SHIP_SOURCE = 0, DESIGN_ERA = 0;
    float CLASS_NO = 0, CLASS_NAVY = 0, SISTER_LIMIT = 0, SISTER_COUNT = 0, SISTER_NO = 0;
    float SHIP_IS_AS_BUILT = 0, DESIGN_DISPLACEMENT = 0;
    float BATTLE_BLUE_COUNT = 0, BATTLE_RED_COUNT = 0, FLEET_IS_NEW = 0, BATTLE_FOUGHT = 0;
    float DISK_OP_IS_LOAD = 0, VIEWER_MODE = 0;
    std::string KEY_STRING, STATE_ANSWER, SCENARIO_NAME, SCENARIO_FILE_NAME, ANSWER_KEY;
    /// The bound of the ship loop, taken when the loop starts.
    float SHIP_LOOP_LIMIT = 0;

    // Design-formula scalars.
    float LAYOUT_NO = 0, MACHINERY_TYPE = 0, SPEED_FACTOR = 0;
    float BELT_WEIGHT_PER_MM = 0, DECK_WEIGHT_PER_MM = 0;
    float CLASS_ERA_NO = 0, CLASS_YEAR = 0;

    // Designer scalars used by the stores of every ship.
    float WORK_NAVY = 0, GUN_TYPE = 0, GUN_SLASH_POS = 0, MAIN_BATTERY_WEIGHT = 0;
    float DESIGN_SPEED = 0, STORED_BELT = 0, STORED_DECK = 0, SLOPED_ARMOUR = 0;
    float PROPER_DISPLACEMENT = 0;
    std::string GUN_TEXT;

    // Designer scalars of a modified class or an own design. Nothing resets them between
    // groups: each step sets what it needs before a later one reads it.
    std::string DISPLACEMENT_TEXT;         ///< the typed displacement answer
    float MACHINERY_WEIGHT = 0;            ///< t, for the chosen speed and machinery
    float BELT_MM = 0, DECK_MM = 0;        ///< thicknesses as answered, mm
    float BELT_TONS = 0;                   ///< weight of the answered belt, t
    float PEN_COEF_A = 0, PEN_COEF_B = 0, PEN_COEF_C = 0;  ///< copies of TT_COEF_A-C
    float BELT_WEIGHT_BASE = 0, DECK_WEIGHT_BASE = 0;      ///< mm x weight constants
    float ARMOUR_WEIGHT_BASE = 0, MACHINERY_WEIGHT_BASE = 0;  ///< t at 35,000 t
    float TRIAL_DISPLACEMENT = 0, ITERATED_DISPLACEMENT = 0;  ///< 100 t, the balance's iteration
    float SIZE_FACTOR = 0;                 ///< size factor of the displacement iterated last
    float MAIN_GUN_COUNT = 0;              ///< main guns of the layout
    float MAIN_BATTERY_SHARE = 0, ARMOUR_SHARE = 0, MACHINERY_SHARE = 0;  ///< percent

    // Loop counters of the main routine.
    float LOOP_I = 0, LOOP_J = 0, LOOP_K = 0, LOOP_L = 0, LOOP_M = 0;
};

/// A fresh state with its stored records (checked) and every table zero.
std::unique_ptr<Kelmat> make_state();

/// Checks the stored records' shape: group sizes, the 351 ship names against the ship counts,
/// and the byte limits of names and texts. Throws std::runtime_error naming what is wrong.
void check_stored_records(con::RecordSet& data);

/// The record files (name and text) in their stored order.
using RecordFiles = std::vector<std::pair<std::string, std::string>>;
RecordFiles stored_record_files();
/// One record set from record files in order.
con::RecordSet records_from(const RecordFiles& files);
/// The stored records in their stored order, as one record set.
con::RecordSet load_stored_records();

}  // namespace kelmat
