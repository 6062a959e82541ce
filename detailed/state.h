// MORVA95F: the program's state: the parameter vector `TT`, the main routine's scalars and the
// global tables under their own names, every table checked on each access.
#pragma once
#include <string>

#include "console/records.h"
#include "console/table.h"
#include "campaign/shared_slots.h"
#include "campaign/ship_and_base_counts.h"
#include "detailed/fields.h"

namespace morva95f {

// Ship numbers of the two sides' tables, as both games number them
// (campaign/ship_and_base_counts.h).
using morva::kAlliedCarriers;
using morva::kAlliedShips;
using morva::kJapaneseCarriers;
using morva::kJapaneseShips;
using morva::kShipRows;

// The slots both games number alike (campaign/shared_slots.h): here TT_TURN is a copy of
// TURN_NO, TT_SUBTURN the hour step 1-21 (0 before the first), TT_GUN_SUBTURN the round of the
// gun battle and TT_SCENARIO the scenario 1-7 (7 in a resumed campaign).
using namespace morva::shared_tt_slots;

// Slots of `TT`, the parameter vector through which the main routine hands values to the
// routines and takes their results back (slot 9 carries nothing).
inline constexpr int TT_CHARACTER = 6;         ///< Allied commander in this operation, +1 / -1
inline constexpr int TT_ALLIED_CV_AFLOAT = 7;  ///< Allied carriers afloat after the last strike
inline constexpr int TT_RANGE_START = 8;       ///< gun-battle range at its start
inline constexpr int TT_GAME_OVER = 11;        ///< 1 = the war ends with this turn
inline constexpr int TT_TARGET_TF = 12;        ///< Allied task force under attack
inline constexpr int TT_HARBOUR_STRIKE = 13;   ///< harbour-raid state (copy of PEARL_HARBOR_TURN)
inline constexpr int TT_AA_SHOTS = 16;         ///< anti-aircraft strength against a strike
inline constexpr int TT_ALLIED_CV_SUNK = 17;   ///< Allied carriers sunk, as read from the save
inline constexpr int TT_ALLIED_BB_SUNK = 18;   ///< Allied battleships sunk, as read from the save
inline constexpr int TT_GROUP_SOURCE = 19;     ///< source of the air group being advanced
inline constexpr int TT_GROUP_HOUR = 20;       ///< launch hour of that air group
inline constexpr int TT_GUN_GROUP = 21;        ///< group whose speed SP2 sets
inline constexpr int TT_SEARCH_FLYING = 22;    ///< 1 = a search plane flew this hour
inline constexpr int TT_FIGHTER_SPLIT = 23;    ///< patrol's high/low split 1-7
inline constexpr int TT_AA_SPLIT = 24;         ///< anti-aircraft high/low split 1-7
inline constexpr int TT_BASE_STRUCK = 25;      ///< 1 once a strike reached the objective
inline constexpr int TT_MAP_SHOWN = 26;        ///< map flag of the hour
inline constexpr int TT_SAVED_SCENARIO = 27;   ///< the campaign's scenario 1-6
inline constexpr int TT_PRACTICE = 28;         ///< 1 = practice mode (scenario 6 only)
inline constexpr int TT_COMMENT_KEY = 29;      ///< 1 = message pauses wait for a key
inline constexpr int TT_CHOOSE_LOADS = 30;     ///< 1 = the player picks the aircraft loads

/// The detailed game's parameter vector.
using ParamVector = con::Table<float, 31>;
/// The ship table: side 0-1 x ship 0-42 x field 0-20 (the `A_` fields).
using ShipTable = con::Table<float, 2, 43, 21>;
/// Ship names, side x ship.
using ShipNames = con::Table<std::string, 2, 43>;
/// The base table: base 0-21 x field 0-7 (the `P_` fields).
using BaseTable = con::Table<float, 22, 8>;
/// Base names 1-21.
using BaseNames = con::Table<std::string, 22>;
/// Carrier lists C(side, fleet, slot 1-8).
using CarrierLists = con::Table<float, 3, 3, 9>;
/// Counts per side and fleet (CV, BB).
using FleetCounts = con::Table<float, 3, 3>;

/// The named blocks of the main routine (listed in blocks.h).
enum class Block;

/// Everything MORVA95F keeps for the whole run. Every number is a 4-byte float, 0 at start;
/// every text empty.
struct State {
    /// A state with every number 0 and every text empty, and the stored records at hand.
    State();

    con::RecordSet DATA;  ///< the stored data records (MapOutline, BuiltInTables) and read position
    Block current_block{};  ///< the block the main routine runs

    ParamVector TT;  ///< the parameter vector, slots 0-30

    // Campaign tables.
    ShipTable A;     ///< the ship table
    ShipNames MX;    ///< the ship names
    BaseTable P;     ///< the base table
    BaseNames TX;    ///< the base names
    con::Table<float, 11, 5> Z;          ///< aircraft types 1-10 x the `Z_` columns
    con::Table<std::string, 11> NX;      ///< aircraft type names 1-10
    con::Table<float, 4, 4> V;           ///< reserve V(t, V_RESERVE), fleet loads V(t, f), V_AA_SUM
    con::Table<float, 2, 7> VS;          ///< aircraft lost per side and kind (`AIR_`, `VS_RETURN_LOSSES`)
    con::Table<float, 9> HW;             ///< harbour-raid data (the `HW_` cells)
    CarrierLists C;                      ///< carrier lists C(side, fleet, slot 1-8)
    FleetCounts CV;                      ///< carriers per side and fleet
    con::Table<float, 3, 3, 28> G;       ///< battleship lists G(side, fleet, slot 1-27)
    FleetCounts BB;                      ///< battleships per side and fleet
    con::Table<float, 3> AT;             ///< objective base of air fleets 1-2
    con::Table<float, 2> HT;             ///< gun-battle fire concentration per side

    // Fleet organisation and Allied planning.
    con::Table<float, 5> E;              ///< HENSEI's fill counters: next battleship and carrier
                                         ///< slot of fleets 1-2 (`E_BATTLESHIP_SLOTS`, `E_CARRIER_SLOTS`)
    con::Table<float, 3> OC;             ///< Allied carriers planned against fleets 1-2

    // Operation tables, set up at each operation start.
    con::Table<float, 2, 9, 3, 6> F;     ///< aircraft aboard: side x slot 1-8 x `AIR_` kind x `F_` state
    con::Table<float, 4, 6> Q;           ///< objective base's aircraft: `AIR_` kind x `Q_` state
    con::Table<float, 4> O;              ///< objective base's aircraft at the operation start
    con::Table<float, 4> DF;             ///< screening destroyers: 0 own fleet, 1-3 task forces
    con::Table<float, 7> KS;             ///< carriers and battleships per task force (`KS_`)
    con::Table<float, 4> KM;             ///< circling sense of task forces 1-3
    con::Table<float, 2> TK;             ///< TK(TK_POSTURE): the Allied posture

    // The operational day: positions, contacts, air groups and search planes.
    con::Table<float, 4, 2> PZ;          ///< map positions: 0 the player's fleet, 1-3 task forces
    con::Table<float, 4> PK;             ///< map units from the player's fleet to the base (0) and
                                         ///< to task forces 1-3, as the map last computed them
    con::Table<float, 4> PD;             ///< bearings in whole degrees, likewise
    con::Table<float, 4> H;              ///< contact levels: H(0) the Allies' on the player's fleet,
                                         ///< H(1)-H(3) the player's on the task forces; -1 not found
    con::Table<float, 4> J;              ///< contact list: task forces in the order found, 0 empty
    con::Table<float, 4> SB;             ///< submarine contacts
    con::Table<float, 6> MV;             ///< MV(4), MV(5): the gun lines' closing rates
    con::Table<float, 2> MM;             ///< MM(1): the last heading ordered for the fleet, -1 none
    con::Table<float, 5, 13, 6> ST;      ///< search planes: source 0-4 x plane 0-12 x field 0-5
    con::Table<float, 4> SK;             ///< plane shadowing task force 1-3, 0 none
    con::Table<float, 5> HX;             ///< Allied search: HX(0) the pattern's offset, HX(s) the
                                         ///< last bearing to search source s = 1-4 while in contact
    con::Table<float, 3, 4> K;           ///< carriers last reported of task force 1-3 facing fleet
                                         ///< 1-2, never lowered (kept for the whole run)
    con::Table<float, 4> TI;             ///< the overview's anti-aircraft strength of task force 1-3
    con::Table<float, 9, 22, 10> T;      ///< air groups: source 0-8 x launch step 0-21 x field 0-9
    con::Table<float, 4> SS;             ///< carriers afloat in task forces 1-3 this hour
    con::Table<float, 4> ID;             ///< air groups launched or landed this hour: 0 the fleet
    con::Table<float, 4> HH;             ///< 1 = the player's strike of source 0-3 turned back
    con::Table<float, 2> N;              ///< battleships able to fight in each gun line
    con::Table<float, 7> W;              ///< the Allied raid on the player's fleet by `AIR_` kind
                                         ///< 0-3; 4-6 the kinds 0-2 as they arrived
    con::Table<float, 5> S;              ///< speeds in knots: 0 the fleet, 1-3 task forces, 4 gun line
    con::Table<float, 6> KO;             ///< the player's strike counts
    con::Table<float, 4> GE;             ///< Allied fighters engaging the player's strike: 1 its
                                         ///< escorts, 2 its dive bombers, 3 its torpedo bombers
    con::Table<float, 3> L;              ///< the strike's dive (1) and torpedo bombers (2) shot
                                         ///< down by the last anti-aircraft fire
    con::Table<float, 4> BF;             ///< gun-battle range and engaged task forces
    con::Table<float, 2, 4, 43> B;       ///< gun targets: B(side, B_TARGET, ship) the enemy slot
                                         ///< aimed at, B(side, B_NEW_SHOOTERS, ship) new shooters
    con::Table<float, 2, 28> DM;         ///< gun damage per side and line slot in one gun sub-turn
    con::Table<float, 43> PE;            ///< damage summed per list slot during one air attack
                                         ///< (0 a base strike); only its whole part is applied

    // The Allied raid on the player's fleet.
    con::Table<float, 4> DE;             ///< patrol fighters set against raid part 0-3 (the `W` parts)
    con::Table<float, 4> CB;             ///< of those, the fighters that count as already placed

    // Scalars of the main routine: campaign and options.
    float TURN_NO = 0;              ///< turn 1-12 (13 once the twelfth has ended)
    float SCENARIO_NO = 0;          ///< scenario 1-7 (7 throughout a resumed campaign)
    float ALLIED_CV_SUNK = 0;       ///< Allied carriers sunk, as last counted
    float ALLIED_BB_SUNK = 0;       ///< Allied battleships sunk, as last counted
    float COMMANDER_CHARACTER = 0;  ///< 1 aggressive, -1 cautious, 0 random
    float PEARL_HARBOR_TURN = 0;    ///< 1 during the turn-1 harbour raid, 2 once its surprise is lost
    float OPERATION_ACTIVE = 0;     ///< 1 from the turn's operations to the turn's end
    float DISPLAY_TIME = 0;         ///< the display-time key's value
    float LOAD_MODE = 0;            ///< 1 = a file error belongs to loading, 0 = to saving
    float GAME_RESUMED = 0;         ///< 1 once the start-up loaded the save file
    // Per fleet operation.
    float FLEET_NO = 0;             ///< air fleet 1-2 in operation
    float OPERATION_CHARACTER = 0;  ///< the commander in this operation, +1 / -1
    float SURPRISE_ROLLED = 0;      ///< 1 once the harbour raid's surprise roll is made
    float ALLIED_CV_COUNT = 0;      ///< Allied carriers facing the fleet at its start
    float ALLIED_CV_FIT = 0;        ///< of them, those with durability above 2
    float ALLIED_CV_AFLOAT = 0;     ///< of them, those afloat
    float ALLIED_BB_COUNT = 0;      ///< Allied battleships facing the fleet
    float BASE_DEFENCE_MAX = 0;     ///< the objective's air defence at the operation start
    // Per day and hour.
    float DAY_NO = 0;               ///< day 1-3 of the operation
    float SUBTURN_NO = 0;           ///< hour step 1-21
    float GUN_SUBTURN_NO = 0;       ///< round of the gun battle
    float REARM_FLAG = 0;           ///< 5 when this hour's arming changed the torpedo bombers' loads
    float RAID_THIS_HOUR = 0;       ///< 1 when a raid or a strike report cleared the screen
    float OWN_FLEET_AFLOAT = 0;     ///< 10 per carrier of the fleet afloat, as last counted
    float BB_DETACHED = 0;          ///< 1 = the fleet's battleships do not keep station
    float ENEMY_TYPE_OFFSET = 0;    ///< the Allied types of the last air combat: a raid's bomber
                                    ///< types (0 US, 4 British), a strike's interceptors (type
                                    ///< 4 + offset: 0, 4 or 5)
    float RAID_FIGHTER_TYPE = 0;    ///< the aircraft type of the raid's escort fighters (4, 8, 9)
    // The deck dialogues of an hour step.
    float STRIKE_SOURCE = 0;        ///< the launch offer 0-3 of the hour
    float NEXT_FLEET_GROUP = 0;     ///< the next fleet strike group number of the hour (1 first)
    float LAUNCH_GROUP = 0;         ///< source of the strike being launched: 0 base, 1-3 fleet group
    float STRIKE_HEADING = 0;       ///< its heading in degrees
    float TORPEDO_LOAD = 0;         ///< torpedo-armed torpedo bombers still to move
    float BOMB_LOAD = 0;            ///< bomb-armed torpedo bombers still to move
    float FIGHTERS_READY = 0;       ///< fighters on deck that the patrol launch may send
    float DECK_ROOM = 0;            ///< room left on the fleet's flight decks while spotting
    con::Table<float, 4> KK;        ///< KK(1..3): aircraft of each type still to take for a strike
    con::Table<float, 6> SE;        ///< SE(1..5): the hangar totals of the spotting and the arming
    // Work values.
    float LOOP_S = 0;               ///< loop counter of CLEAR_MESSAGE_ROWS
    float INPUT_NUM = 0;            ///< a typed number; the base CHECK_BASE_ATTACKABLE asks about
    // Key strings.
    std::string WAIT_KEY_RESULT;    ///< the last key WAIT_KEY read
    std::string DIALOGUE_KEY;       ///< the key or line the other key loops read
};

/// The stored data records of the detailed game (MapOutline, then BuiltInTables).
con::RecordSet detailed_records();

}  // namespace morva95f
