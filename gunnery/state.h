// kelmat95: the program's state object - its global tables, scalars and stored records.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/embedded.h"
#include "gunnery/battle_fields.h"

/// The stored records compiled in from tables/gunnery/*.txt.
con::EmbeddedSet gunnery_tables();

namespace kelmat {

/// Slots of the parameter vector `TT` through which the main routine and the routines of the
/// second module hand scalars over.
inline constexpr int TT_GUN_TYPE = 0;      ///< gun type 1-36 into CALC1/CALC2
inline constexpr int TT_COEF_A = 1;        ///< belt a / deck d1 out of CALC1/CALC2
inline constexpr int TT_COEF_B = 2;        ///< belt b / deck d2 out; BLUE navy into BS
inline constexpr int TT_COEF_C = 3;        ///< belt c out of CALC1; RED navy into BS
inline constexpr int TT_SHOW_MAP = 9;      ///< 1 when the battle map is drawn
inline constexpr int TT_BLUE_COUNT = 10;   ///< BLUE ships into BS
inline constexpr int TT_RED_COUNT = 11;    ///< RED ships into BS
inline constexpr int TT_DISPLAY_TIME = 12; ///< battle display time in ticks (kept for the run)
inline constexpr int TT_LAYOUT_GUN = 13;   ///< gun type into CALC3
inline constexpr int TT_LAYOUT = 14;       ///< layout into CALC3
inline constexpr int TT_SHIP_REF = 15;     ///< side x 100 + ship into SHUHOU

/// Fields of the fleet record `A` that the frame names.
inline constexpr int A_DISPLACEMENT = 0;
inline constexpr int A_GUN_TYPE = 1;
inline constexpr int A_LAYOUT = 4;
inline constexpr int A_SLOPED = 5;
inline constexpr int A_BELT = 6;
inline constexpr int A_DECK = 7;
inline constexpr int A_SPEED = 8;
inline constexpr int A_RATIO = 16;
/// The fields a scenario file keeps of every ship, in file order.
inline constexpr int kScenarioFields[8] = {0, 1, 4, 5, 6, 7, 8, 16};

/// The navy whose stored records a navy number selects: 1-4 their own, any other value 5.
int record_navy(float navy);

/// The whole state of one run of the simulator. Every number is a 4-byte float; expressions
/// are evaluated in con::real and stored with con::store.
struct Kelmat : BattleTables {
    Kelmat();

    // Stored records (built-in tables) with their read position.
    con::RecordSet data;

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
    float PEN_COEF_A = 0, PEN_COEF_B = 0, PEN_COEF_C = 0;  ///< copies of TT(1..3)
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
