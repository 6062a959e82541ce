// MORVA95S: the program's state: the parameter vector `TT`, the main routine's scalars and the
// global tables under their own names, every table checked on each access.
#pragma once
#include <string>

#include "console/records.h"
#include "campaign/shared_slots.h"
#include "campaign/ship_and_base_counts.h"
#include "console/table.h"

namespace morva95s {

using morva::A_DURABILITY;
using morva::A_FLIGHT_DECK;
using morva::A_FULL_DURABILITY;
using morva::P_HOLDER;

// The slots both games number alike (campaign/shared_slots.h): here TT_TURN is a copy of
// TURN_NO, TT_SUBTURN the sub-turn 1-20 of the day (0 = no time shown), TT_GUN_SUBTURN the
// gun-battle step 1-20 (1 outside a gun battle) and TT_SCENARIO the scenario 1-8 (a copy of
// SCENARIO_NO).
using namespace morva::shared_tt_slots;

// Slots of `TT`, the parameter vector through which the main routine hands values to the
// routines and takes their results back. Slots 0-5, 10, 14 and 15 are the shared ones
// (campaign/shared_slots.h).
inline constexpr int TT_AIR_DISTANCE = 7;  ///< the fleets' distance in air units, for the stage steps
inline constexpr int TT_FLEET_DISTANCE = 8;  ///< the fleets' distance handed to MOVE0 and BS
inline constexpr int TT_OWN_ORDERS = 9;    ///< 1 = the player gives the movement orders
inline constexpr int TT_GAME_OVER = 11;    ///< 1 = the war ends with this turn (set by CLC)
inline constexpr int TT_LAST_ORDER = 12;   ///< the player's last movement order (0 before the first)
inline constexpr int TT_HARBOUR_STRIKE = 13;  ///< 1 = the torpedo bombers strike in the harbour turn
inline constexpr int TT_AA_SHOTS = 16;     ///< anti-aircraft shots handed to TAIKU
inline constexpr int TT_COMMENT_KEY = 19;  ///< 1 = every comment waits for a key

// Ship numbers of the two sides' tables, as both games number them
// (campaign/ship_and_base_counts.h).
using morva::kAlliedCarriers;
using morva::kAlliedShips;
using morva::kJapaneseCarriers;
using morva::kJapaneseShips;
using morva::kShipRows;

// Fields of a ship's row A(side, ship, field) beyond the shared ones. Fields 3-5 are a
// carrier's air group (fighters, dive bombers, torpedo bombers in units of 9) or a
// battleship's range and armour.
inline constexpr int A_CAPACITY = 2;       ///< carrier capacity in units / battleship attack value
inline constexpr int A_AIR_GROUP = 3;      ///< first of a carrier's air-group fields (3 + type - 1)
inline constexpr int A_ATTACK = 2;         ///< a battleship's attack value (14, 16 or 18)
inline constexpr int A_GUN_RANGE = 3;      ///< a battleship's gun range in gun-battle steps
inline constexpr int A_BELT = 4;           ///< a battleship's vertical armour
inline constexpr int A_DECK = 5;           ///< a battleship's horizontal armour
inline constexpr int A_ANTI_AIRCRAFT = 6;  ///< anti-aircraft value
inline constexpr int A_SPEED = 7;          ///< speed
inline constexpr int A_FIRST_TURN = 8;     ///< first turn available (13 = never)
inline constexpr int A_CLASS = 9;          ///< class 1-6: nation and kind
inline constexpr int A_COMMITTED = 11;     ///< 1 = committed this turn
inline constexpr int A_FIRE = 14;          ///< a carrier's fire during a raid: 0 none, 2 just
                                           ///< exploded, 1 the explosions go on
// A carrier's room for the survivors of a strike of the player, by type (APPLY_AIR_LOSSES).
inline constexpr int A_ROOM_FIGHTERS = 16;
inline constexpr int A_ROOM_DIVE = 17;
inline constexpr int A_ROOM_TORPEDO = 18;

// Fields of a base's row P(base, field) beyond the holder.
inline constexpr int P_STRENGTH = 2;       ///< strength
inline constexpr int P_RESPONSE = 3;       ///< Allied response value 1-7 (lower = defended harder)
inline constexpr int P_BOMBER_FACTOR = 4;  ///< heavy-bomber factor
inline constexpr int P_AIR_DEFENCE = 5;    ///< anti-aircraft value during an operation

// The fleets' closing rates MV(index), in tenths of the fleet's speed (positive: toward the
// other fleet).
inline constexpr int MV_OWN = 4;     ///< the Japanese fleet (movement orders, the gun battle)
inline constexpr int MV_ALLIED = 5;  ///< the Allied fleet (search result phase, the gun battle)

// Rows of the gun battle's table B(side, row, ship), indexed by the ship number.
inline constexpr int B_TARGET = 0;        ///< the slot of the enemy line aimed at, 0 none
inline constexpr int B_NEW_SHOOTERS = 2;  ///< enemy ships that newly chose it this gun sub-turn

/// The simplified game's parameter vector.
using ParamVector = con::Table<float, 31>;
/// The ship table: side 0-1 x ship 0-42 x column 0-18.
using ShipTable = con::Table<float, 2, 43, 19>;
/// Ship names, side x ship.
using ShipNames = con::Table<std::string, 2, 43>;
/// Aircraft units of the carriers of both sides: side 0-1 x carrier slot 0-8 x stage column
/// (air_units.h): fighters columns 1-14, dive bombers 1-11, torpedo bombers 1-16.
using FighterUnits = con::Table<float, 2, 9, 15>;
using DiveBomberUnits = con::Table<float, 2, 9, 12>;
using TorpedoBomberUnits = con::Table<float, 2, 9, 17>;
/// The base table: base 0-21 x column 0-5.
using BaseTable = con::Table<float, 22, 6>;
/// Base names 1-21.
using BaseNames = con::Table<std::string, 22>;

/// The named blocks of the main routine (listed in blocks.h).
enum class Block;

/// Everything MORVA95S keeps for the whole run. Every number is a 4-byte float, 0 at start;
/// every text empty.
struct State {
    /// A state with every number 0 and every text empty, and the stored records at hand.
    State();

    con::RecordSet DATA;  ///< the stored data records (MapOutline, BuiltInTables) and read position
    Block current_block{};  ///< the block the main routine runs

    ParamVector TT;  ///< the parameter vector

    // Campaign tables (loaded by MENU).
    ShipTable A;                          ///< the ship table
    ShipNames MM;                         ///< the ship names
    con::Table<float, 2, 43, 6> CC;       ///< detailed-mode columns 2-5, for the manual
    BaseTable P;                          ///< the base table (row 0: a fleet without target)
    BaseNames TX;                         ///< the base names
    con::Table<float, 11, 5> Z;           ///< aircraft types 1-10, columns 1-4
    con::Table<std::string, 11> NN;       ///< aircraft type names 1-10
    con::Table<float, 4, 4> V;            ///< reserve V(t,0), fleet groups V(t,f), AA sums V(f,3)

    // Fleets.
    con::Table<float, 2, 3, 9> C;         ///< carrier lists C(side, fleet, slot 1-8)
    con::Table<float, 2, 3> CV;           ///< carriers per side and fleet
    con::Table<float, 2, 3, 28> G;        ///< battleship lists G(side, fleet, slot 1-27)
    con::Table<float, 2, 3> BB;           ///< battleships per side and fleet
    con::Table<float, 4> AT;              ///< target base of air fleets 1-2 (0 = none); AT(3)
                                          ///< stays 0: the F1 overview reads AT(FLEET_NO)
                                          ///< after the operation loop has left FLEET_NO at 3
    con::Table<float, 3> OC;              ///< Allied carriers planned for the targets of fleets 1-2
    con::Table<float, 5> E;               ///< HENSEI's fill pointers: E(f) battleships, E(f+2) carriers
    con::Table<float, 2> HW;              ///< HW(0) harbour damage, HW(1) bomb hits on the harbour
    con::Table<float, 2> HT;              ///< gun-battle fire concentration per side
    con::Table<float, 2, 3, 43> B;        ///< gun battle per side and ship: B(s, 0, ship) its
                                          ///< target slot, B(s, 2, ship) the shooters newly on it
    con::Table<float, 2, 21> DM;          ///< gun battle: damage scored per side and line slot

    // Operation values (the operations fill them; the F1 overview shows them).
    con::Table<float, 4, 11> Q;           ///< target base's air units: row 0-3 x stage column 1-10
                                          ///< (air_units.h); column 1 typed in scenario 6
    con::Table<float, 4> O;               ///< target's air units at the operation start
    con::Table<float, 2> TK;              ///< TK(1): the Allied posture
    con::Table<float, 2> H;               ///< H(0) Allied fleet found, H(1) own fleet found
    con::Table<float, 8> W;               ///< the Allied raid: W(0-3) per type, W(4-6) carriers' share
    FighterUnits F;                       ///< fighter units, side x carrier slot x stage column
    DiveBomberUnits D;                    ///< dive-bomber units
    TorpedoBomberUnits T;                 ///< torpedo-bomber units
    con::Table<float, 6> KO;              ///< the player's strike: KO(1-5) per type (air_units.h)
    con::Table<float, 2> N;               ///< battleships afloat per side (SP)
    con::Table<float, 2> S;               ///< fleet speed per side (SP, the sub-turn head)
    con::Table<float, 2> PT;              ///< PT(0): the base distance handed to the stage steps
    con::Table<float, 2> R;               ///< search modifiers R(0) own, R(1) Allied
    con::Table<float, 2> DF;              ///< fleet anti-aircraft values DF(0) own, DF(1) Allied
    con::Table<float, 4> DE;              ///< the raid: patrol units set against W(0-3)
    con::Table<float, 4> CB;              ///< the raid: CB(0) patrol aloft before it, CB(1-3)
                                          ///< of those still free when W(1-3) is allocated
    con::Table<float, 6> MV;              ///< MV(4) own, MV(5) Allied closing rate (tenths of speed)
    con::Table<float, 3> K;               ///< K(fleet): Allied carriers the player has seen

    // Scalars of the main routine: campaign and options.
    float TURN_NO = 0;              ///< turn 1-12 (13 once the twelfth has ended)
    float SCENARIO_NO = 0;          ///< scenario 1-8
    float ALLIED_CV_SUNK = 0;       ///< Allied carriers sunk, as last counted
    float ALLIED_BB_SUNK = 0;       ///< Allied battleships sunk, as last counted
    float COMMANDER_CHARACTER = 0;  ///< 1 aggressive, -1 cautious, 0 random
    float PEARL_HARBOR_TURN = 0;    ///< 1 during the first-turn harbour strike
    float OPERATION_ACTIVE = 0;     ///< 1 from the turn's first operation to the turn's end
    float DISPLAY_TIME = 0;         ///< the display-time digit 0-9
    float FILE_CONTEXT = 0;         ///< 2 start-up, 1 scenario chosen, 0 a save asked for
    float OWN_MOVE_ORDERS = 0;      ///< 1 = the player gives the fleet's movement orders
    float BASES_HELD = 0;           ///< Japanese-held bases, counted by the final screen
    float RESERVE_SUPPLIED = 0;     ///< aircraft units the campaign was given: its starting
                                    ///< reserve and every turn end's top-up (for the losses)
    // Per fleet operation.
    float FLEET_NO = 0;             ///< air fleet 1-2 in operation
    float OPERATION_CHARACTER = 0;  ///< the Allied commander in this operation, +1 / -1
    float BASE_DISTANCE = 0;        ///< the fleet's distance to its target base
    float AIR_DISTANCE = 0;         ///< the distance between the two fleets, in air units
    float FLEET_DISTANCE = 0;       ///< the distance between the two fleets
    float DAY_NO = 0;               ///< day 1-3 of the operation
    float SUBTURN_NO = 0;           ///< sub-turn 1-20 of the day (one hour each)
    float GUN_SUBTURN_NO = 0;       ///< gun-battle step 1-20 (1 outside a gun battle)
    float ALLIED_CV_COUNT = 0;      ///< Allied carriers of the facing force
    float ALLIED_BB_COUNT = 0;      ///< Allied battleships of the facing force
    float ALLIED_CV_FIT = 0;        ///< Allied carriers counted as fit (durability above 2)
    float ALLIED_CV_AFLOAT = 0;     ///< Allied carriers counted as afloat
    float TARGET_AA_START = 0;      ///< the target's anti-aircraft value at the operation start
    float SEARCH_REINFORCED = 0;    ///< 1 = two torpedo-bomber units lent to today's search
    float REARM_FLAG = 0;           ///< 1 = torpedo bombers being re-armed (maintenance phase)
    float CLOSING_DISTANCE = 0;     ///< the fleets' closing worked out by the last movement
    float PH_WITHDRAW = 0;          ///< 1 = the harbour strike broken off early
    // The Allied raid on the fleet (phase 1 of a sub-turn); the player's strikes (phase 2) use
    // the offset, the patrol and the deck count for the defenders' fighters.
    float ENEMY_TYPE_OFFSET = 0;    ///< the raid's bombers: types 5 + it and 6 + it (0 or 4); in
                                    ///< a strike the defending fighters: type 4 + it (0, 4 or 5)
    float ESCORT_TYPE_OFFSET = 0;   ///< the raid's fighters: type 4 + it (0, 4 or 5)
    float PATROL_UNITS = 0;         ///< the combat air patrol, counted down as it is allocated;
                                    ///< in a strike the defending fighter units aloft
    float DECK_FIGHTER_UNITS = 0;   ///< fighter units on the decks that can launch (the Allied
                                    ///< ones in a strike)
    float WORK_C = 0;               ///< the fleet's carriers afloat when the last raid attacked
    float UNDAMAGED_CARRIERS = 0;   ///< carriers at full durability in the last carrier report
    // The player's strikes (phase 2 of a sub-turn).
    con::Table<float, 4> GE;        ///< defenders set against the escorts, dive, torpedo bombers
    float TARGET_DISTANCE = 0;      ///< the strike's distance to its target, in air units
    float ESCORT_ATTACKS = 0;       ///< defenders an escort unit takes on, and its rolls: 3 or 2
    float UNITS_HIT = 0;            ///< strike units shot down (escort combat, then per type)
    float UNITS_ENGAGED = 0;        ///< defending units shot down by the escorts
    float ALLIED_FIGHTERS = 0;      ///< fighters of the Allied carriers able to launch
    float ALLIED_DIVE_BOMBERS = 0;  ///< dive bombers of the Allied carriers able to launch
    float WORK_B = 0;               ///< torpedo bombers of the Allied carriers able to launch
    float PATROL_CEILING = 0;       ///< the most fighter units the Allied patrol holds
    float AA_POINTS = 0;            ///< anti-aircraft points of the Allied force
    float ALLIED_BB_AFLOAT = 0;     ///< Allied battleships of the force afloat (the claims)
    float ALLIED_CV_DAMAGED = 0;    ///< Allied carriers of the force below full durability
    float CLAIMED_SINKINGS = 0;     ///< the figure of the claim being shown
    // The carrier phases: what a dialogue hands to its moves and to the next phase.
    float STRIKE_TARGET = 0;        ///< the strike's target: 1 the target base, 2 the enemy fleet
    con::Table<float, 4> KK;        ///< KK(type 1-3): units of the strike still to leave the decks
    float WAITING_FIGHTER_UNITS = 0;  ///< deck fighters left for the combat air patrol
    con::Table<float, 6> SE;        ///< hangar stock of the fit carriers (carrier_rules.h)
    float WORK_N = 0;               ///< torpedo-armed torpedo bombers still to move
    float BOMB_ARMED_UNITS = 0;     ///< bomb-armed torpedo bombers still to move
    float DECK_CAPACITY = 0;        ///< half the fit carriers' summed capacity (the larger half)
    float DECK_UNITS = 0;           ///< units on the fit carriers' decks
    float DECK_ROOM = 0;            ///< deck room of the fleet left for the deck standby phase
    float AUTO_RAISE_TYPE = 0;      ///< 1 = the fighters go up without a question
    float TORPEDO_BOMBER_UNITS = 0;  ///< torpedo bombers in the fit carriers' hangars (arming)
    float TORPEDO_LOAD = 0;         ///< the torpedo count of the arming
    // Work values.
    float INPUT_NUM = 0;            ///< the number typed: a base asked about, a unit count
    // Key strings.
    std::string WAIT_KEY_RESULT;    ///< the last key WAIT_KEY read
    std::string DIALOGUE_KEY;       ///< the key or line of the pauses and line prompts
};

/// The stored data records of the simplified game (MapOutline, then BuiltInTables).
con::RecordSet simplified_records();

}  // namespace morva95s
