// kelmat95: the gun battle's names - fields of the fleet record, rows of the fire-state table,
// the side-parameter slots - and its global tables.
#pragma once
#include "console/table.h"

namespace kelmat {

/// Fields of the fleet record `A` that the battle sets up and keeps.
inline constexpr int A_SHELL_DAMAGE = 2;     ///< shell damage value of the gun
inline constexpr int A_GUN_RANGE = 3;        ///< gun range, km
inline constexpr int A_TURRETS = 9;          ///< turrets still working
inline constexpr int A_START_DURABILITY = 10;///< durability when the battle began
inline constexpr int A_START_SPEED = 11;     ///< speed when the battle began
inline constexpr int A_FALL_RANGE = 12;      ///< angle-of-fall range of the gun, km
inline constexpr int A_STEP_HITS = 13;       ///< hits taken in the present step
inline constexpr int A_SHELLS = 14;          ///< shells of the present salvo
inline constexpr int A_SECTOR = 17;          ///< bearing sector of the target, 1-4
inline constexpr int A_TARGET_RANGE = 18;    ///< range to the target, whole km
inline constexpr int A_HITS_TAKEN = 19;      ///< hits received in this battle

/// Rows of the fire-state table `B`(side, row, ship).
inline constexpr int B_TARGET = 0;      ///< target ship of the other side, 0 = none
inline constexpr int B_RANGING = 1;     ///< salvoes that improved the aim, 0-30
inline constexpr int B_AIMED_AT = 2;    ///< enemy ships aiming at this ship
inline constexpr int B_FIRINGS = 3;     ///< times fired in this battle
inline constexpr int B_CHOSEN_BY = 4;   ///< enemy ships that chose it in this step
inline constexpr int B_AMMUNITION = 5;  ///< ammunition in half salvoes

/// Slots of the position table `QM`(side, ship, slot).
inline constexpr int QM_COURSE = 0;  ///< course in 9-degree steps
inline constexpr int QM_X = 1;       ///< metres east
inline constexpr int QM_Y = 2;       ///< metres north

/// First index of each BLUE/RED pair of the side parameters (side 0 adds 0, side 1 adds 1).
inline constexpr int HT_HIT_VALUE = 1;     ///< hit value or ranging ability
inline constexpr int HT_CONCENTRATION = 3; ///< ships per target
inline constexpr int HT_INTERVAL = 5;      ///< firing interval, 10 s units
inline constexpr int HT_SPOTTING = 7;      ///< spotting correction
inline constexpr int HT_DISPERSION = 9;    ///< dispersion value
inline constexpr int HC_OPEN_RANGE = 1;    ///< fire-opening range, km
inline constexpr int HC_DISENGAGE = 3;     ///< shots before disengaging
inline constexpr int HC_FIRE_MODE = 5;     ///< 1 salvo fire, 2 alternating fire
inline constexpr int HC_EVASION = 7;       ///< evasive manoeuvre 1-5
inline constexpr int MV_LIMIT = 1;         ///< limit angle (RED's negated)
inline constexpr int MV_APPROACH = 3;      ///< approach distance, km
inline constexpr int MV_COURSE = 5;        ///< the line's present course
inline constexpr int DC_VALUE = 1;         ///< damage-control value 1-9
inline constexpr int DC_SCALED = 3;        ///< 1 = scaled by the displacement ratio

/// The battle's global tables: they live for the run and keep what the last battle left.
struct BattleTables {
    con::Table<float, 2, 6, 47> B;   ///< fire state: side x row x ship
    con::Table<float, 2, 47, 7> Q;   ///< turret columns still working: side x ship x column
    con::Table<float, 2, 47, 3> QM;  ///< course and position: side x ship x slot
    con::Table<float, 2, 47> DM;     ///< damage collected in the step
    con::Table<float, 2, 47> HIT;    ///< hit rate of the salvo, 1/10000
    con::Table<float, 11> HT;        ///< gunnery quality pairs
    con::Table<float, 9> HC;         ///< firing-order pairs
    con::Table<float, 7> MV;         ///< course-control pairs
    con::Table<float, 5> DC;         ///< damage-control pairs
};

}  // namespace kelmat
