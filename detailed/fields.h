// MORVA95F: the fields of the campaign and operation tables - which index of `A`, `P`, `Z`,
// `V`, `VS`, `HW`, `F`, `Q` and the other record tables holds what. Fields that the detailed
// and the simplified game share live in campaign/shared_slots.h.
#pragma once
#include "campaign/shared_slots.h"

namespace morva95f {

using morva::A_DURABILITY;
using morva::A_FLIGHT_DECK;
using morva::A_FULL_DURABILITY;
using morva::P_HOLDER;

// Fields of a ship's row A(side, ship, field). Fields 2-5 mean one thing on a carrier and
// another on a battleship, so each has a name per use; fields 10, 12 and 13 carry nothing.
inline constexpr int A_CAPACITY = 2;          ///< carrier: aircraft capacity
inline constexpr int A_GUN_POWER = 2;         ///< battleship: gun power (main-gun calibre, inches)
inline constexpr int A_FIGHTERS = 3;          ///< carrier: standard fighters
inline constexpr int A_GUN_RANGE = 3;         ///< battleship: main-gun range
inline constexpr int A_DIVE_BOMBERS = 4;      ///< carrier: standard dive bombers
inline constexpr int A_BELT = 4;              ///< battleship: belt armour
inline constexpr int A_TORPEDO_BOMBERS = 5;   ///< carrier: standard torpedo bombers
inline constexpr int A_DECK = 5;              ///< battleship: deck armour
inline constexpr int A_ANTI_AIRCRAFT = 6;     ///< anti-aircraft value 1-5
inline constexpr int A_SPEED = 7;             ///< speed in knots
inline constexpr int A_FIRST_TURN = 8;        ///< first turn the ship may be assigned; 13 = never
inline constexpr int A_CLASS = 9;             ///< 2 x nation + 1 for a carrier, + 2 for a battleship
inline constexpr int A_COMMITTED = 11;        ///< 1 once put into a fleet or force this turn
inline constexpr int A_FIRE = 14;             ///< fire in an air attack: 0 none, 1 spreading, 2 explosion
inline constexpr int A_TASK_FORCE = 16;       ///< an Allied ship's task force 1-3
inline constexpr int A_AIRCRAFT_AWAY = 17;    ///< room held aboard for aircraft away from the carrier
inline constexpr int A_LOADED_FIGHTERS = 18;  ///< a Japanese carrier's loaded fighters
inline constexpr int A_LOADED_DIVE_BOMBERS = 19;     ///< a Japanese carrier's loaded dive bombers
inline constexpr int A_LOADED_TORPEDO_BOMBERS = 20;  ///< a Japanese carrier's loaded torpedo bombers

// Fields of a base's row P(base, field); field 0 carries nothing (of row 0 only P(0,
// P_WEIGHT) is set, read for a fleet without objective).
inline constexpr int P_STRENGTH = 2;              ///< strength, shown as the base's force value
inline constexpr int P_WEIGHT = 3;                ///< weight in the Allied planning
inline constexpr int P_BOMBER_FACTOR = 4;         ///< heavy-bomber factor 0-2
inline constexpr int P_AIR_DEFENCE = 5;           ///< air defence during an operation (not stored)
inline constexpr int P_JAPANESE_SUBMARINES = 6;   ///< Japanese submarine activity 0-3
inline constexpr int P_ALLIED_SUBMARINES = 7;     ///< Allied submarine activity 0-4

// Columns of an aircraft type's row Z(type, column).
inline constexpr int Z_RESISTANCE = 1;  ///< resistance to air combat and anti-aircraft fire
inline constexpr int Z_ATTACK = 2;      ///< a fighter's attack value
inline constexpr int Z_COLUMN_3 = 3;    ///< stored, read by no rule
inline constexpr int Z_COLUMN_4 = 4;    ///< stored, read by no rule

// Kinds of aircraft, the type index of `F`, `Q`, `O` and `VS`.
inline constexpr int AIR_FIGHTERS = 0;
inline constexpr int AIR_DIVE_BOMBERS = 1;
inline constexpr int AIR_TORPEDO_BOMBERS = 2;
inline constexpr int AIR_HEAVY_BOMBERS = 3;  ///< `Q`, `O` and `VS` only

// Columns of the aircraft pool V(row, column); V(t, f), f = 1-2, is fleet f's load of type t.
inline constexpr int V_RESERVE = 0;  ///< V(t, V_RESERVE): the reserve of type 1-3
inline constexpr int V_AA_SUM = 3;   ///< V(f, V_AA_SUM): air fleet f's anti-aircraft sum

/// VS(side, VS_RETURN_LOSSES + k): of the aircraft of kind k lost (VS(side, k)), those lost
/// on the way home or in landing rather than in air combat.
inline constexpr int VS_RETURN_LOSSES = 4;

// Cells of the harbour-raid data HW.
inline constexpr int HW_NO_REPAIR_TURNS = 0;   ///< turns without the Allied turn-end repair
inline constexpr int HW_TORPEDOES = 1;         ///< shallow-water torpedoes in stock
inline constexpr int HW_BOMBS = 2;             ///< 800 kg bombs in stock
inline constexpr int HW_TORPEDOES_FLYING = 3;  ///< torpedoes carried by the strike in flight
inline constexpr int HW_BOMBS_FLYING = 4;      ///< bombs carried by the strike in flight
inline constexpr int HW_HITS = 5;              ///< hits scored on the harbour
inline constexpr int HW_BASE_STRUCK = 6;       ///< 1 after the first strike on the objective
inline constexpr int HW_ARMING_TORPEDOES = 7;  ///< torpedoes left, as the arming dialogue counts
inline constexpr int HW_ARMING_BOMBS = 8;      ///< bombs left, as the arming dialogue counts

// States of the aircraft aboard F(side, slot, kind, state). Fighters and dive bombers pass
// through not ready, hangar and deck, fighters also through two patrol hours and air combat;
// the player's torpedo bombers use the same cells for their arming, so each has a name per use.
inline constexpr int F_NOT_READY = 0;       ///< landed, not yet ready
inline constexpr int F_HANGAR = 1;          ///< in the hangar
inline constexpr int F_DECK = 2;            ///< on the flight deck
inline constexpr int F_PATROL_FIRST = 3;    ///< fighters on patrol, first hour
inline constexpr int F_PATROL_SECOND = 4;   ///< fighters on patrol, second hour
inline constexpr int F_AIR_COMBAT = 5;      ///< fighters in air combat
inline constexpr int F_UNARMED = 0;         ///< torpedo bombers: unarmed
inline constexpr int F_TORPEDO_HANGAR = 1;  ///< torpedo bombers: torpedo-armed in the hangar
inline constexpr int F_BOMB_HANGAR = 2;     ///< torpedo bombers: bomb-armed in the hangar
inline constexpr int F_TORPEDO_DECK = 3;    ///< torpedo bombers: torpedo-armed on the deck
inline constexpr int F_BOMB_DECK = 4;       ///< torpedo bombers: bomb-armed on the deck
inline constexpr int F_SEARCHING = 5;       ///< torpedo bombers: flying as extra search planes

// Slots of the deck counts KO (on the flight decks) and SE (in the hangars). The deck dialogues
// number the aircraft types 1-3 (type t is kind t - 1 of `F`); slots 4 and 5 split the torpedo
// bombers by their load.
inline constexpr int KO_FIGHTERS = 1;
inline constexpr int KO_DIVE_BOMBERS = 2;
inline constexpr int KO_TORPEDO_BOMBERS = 3;  ///< always KO_TORPEDO_ARMED + KO_BOMB_ARMED
inline constexpr int KO_TORPEDO_ARMED = 4;
inline constexpr int KO_BOMB_ARMED = 5;

// States of the objective base's aircraft Q(kind, state).
inline constexpr int Q_NOT_READY = 0;     ///< landed, not yet ready
inline constexpr int Q_READY = 1;         ///< ready
inline constexpr int Q_PATROL_FIRST = 3;  ///< fighters on patrol, first hour
inline constexpr int Q_PATROL_SECOND = 4;  ///< fighters on patrol, second hour
inline constexpr int Q_INTERCEPTING = 5;  ///< fighters intercepting

/// DF(DF_OWN_FLEET): the player's screening destroyers; DF(k), k = 1-3, task force k's.
inline constexpr int DF_OWN_FLEET = 0;
/// KS(KS_CARRIERS + k): the carriers of Allied task force k = 1-3.
inline constexpr int KS_CARRIERS = 0;
/// KS(KS_BATTLESHIPS + k): the battleships of Allied task force k = 1-3.
inline constexpr int KS_BATTLESHIPS = 3;
/// TK(TK_POSTURE): the Allied posture.
inline constexpr int TK_POSTURE = 1;
/// E(E_BATTLESHIP_SLOTS + f): the next free battleship slot of air fleet f = 1-2.
inline constexpr int E_BATTLESHIP_SLOTS = 0;
/// E(E_CARRIER_SLOTS + f): the next free carrier slot of air fleet f = 1-2.
inline constexpr int E_CARRIER_SLOTS = 2;
/// G(G_ENGAGED, f, k): the Allied battleships engaged in the current gun battle.
inline constexpr int G_ENGAGED = 2;
/// BB(1, BB_FULL_COUNT): the Allied battleship count kept while a gun battle engages fewer.
inline constexpr int BB_FULL_COUNT = 0;
/// B(side, B_TARGET, ship): the slot of the enemy line that the ship aims at, 0 none; kept
/// from one gun sub-turn and one battle to the next.
inline constexpr int B_TARGET = 0;
/// B(side, B_NEW_SHOOTERS, ship): the enemy ships that chose the ship as a new target in this
/// gun sub-turn.
inline constexpr int B_NEW_SHOOTERS = 2;
/// SB(SB_ON_FLEET): the Allied submarine in contact with the player's fleet (SB_ALLIED_CONTACT),
/// 0 none; SB(k), k = 1-3, a Japanese submarine in contact with task force k (SB_OWN_CONTACT).
inline constexpr int SB_ON_FLEET = 0;
inline constexpr float SB_ALLIED_CONTACT = 9;
inline constexpr float SB_OWN_CONTACT = 14;
/// S(S_ALLIED_LINE): the Allied battle line's speed in a gun battle (S(0) is the Japanese line's).
inline constexpr int S_ALLIED_LINE = 4;
/// MV(MV_OWN_LINE), MV(MV_ALLIED_LINE): the closing rates of the two battle lines, -10 to 10.
inline constexpr int MV_OWN_LINE = 4;
inline constexpr int MV_ALLIED_LINE = 5;
/// BF(BF_RANGE): the gun range in twentieths of a map unit; BF(k), k = 1-3, 1 when task force k
/// is engaged.
inline constexpr int BF_RANGE = 0;

// The operational day's tables.
/// PZ(group, PZ_X), PZ(group, PZ_Y): the map position of group 0 (the player's fleet) or
/// task force 1-3, in map units east and north of the target base.
inline constexpr int PZ_X = 0;
inline constexpr int PZ_Y = 1;
/// H(H_ON_FLEET): the Allies' contact level on the player's fleet; H(k), k = 1-3, the player's
/// on task force k. PK, PD, SS, ID and S are indexed the same way (0 the player's fleet).
inline constexpr int H_ON_FLEET = 0;
/// MM(MM_HEADING): the last heading ordered for the player's fleet this day, -1 none.
inline constexpr int MM_HEADING = 1;

// Sources of the search-plane table ST(source, plane, field).
inline constexpr int ST_OWN = 0;   ///< the player's fleet's planes 1-12
inline constexpr int ST_BASE = 1;  ///< the Allied target base's planes 1-12
/// ST(ST_BASE + k, ...): the planes of Allied task force k = 1-3.
inline constexpr int ST_TASK_FORCE = 1;
/// Plane 0 of sources 0 and 1 holds no plane: ST(ST_OWN, ST_COUNTERS, ST_STATUS) is the number
/// of extra planes last added, ST(ST_BASE, ST_COUNTERS, ST_STATUS) the long-range flights out.
inline constexpr int ST_COUNTERS = 0;
// Fields of a search plane's row.
inline constexpr int ST_STATUS = 0;    ///< 0 absent, 1 ready, 2-5 in flight, 10 + k shadowing k
inline constexpr int ST_X = 1;         ///< position, map units
inline constexpr int ST_Y = 2;
inline constexpr int ST_HEADING = 3;   ///< degrees, 0 up
inline constexpr int ST_DISTANCE = 4;  ///< distance flown since launch
inline constexpr int ST_RANGE = 5;     ///< outbound leg 100 or 150; + 1000 on a relief flight
// Statuses of a search plane, ST(source, plane, ST_STATUS).
inline constexpr float ST_ABSENT = 0;      ///< no plane this day
inline constexpr float ST_READY = 1;       ///< aboard or at the base, ready to fly
inline constexpr float ST_OUTBOUND = 2;    ///< flying its heading out
inline constexpr float ST_CROSS_LEG = 3;   ///< on the short leg across at the end of its range
inline constexpr float ST_HOMEBOUND = 4;   ///< flying home
inline constexpr float ST_RELIEVED = 5;    ///< the player's, flying home from a watch
inline constexpr float ST_SHADOWING = 10;  ///< ST_SHADOWING + k: the player's, over task force k

// Fields of an air group's row T(source, launch step, field).
inline constexpr int T_STATUS = 0;            ///< 0 free, 1 outbound, 2 at the target, 3 returning
inline constexpr int T_X = 1;                 ///< position, map units
inline constexpr int T_Y = 2;
inline constexpr int T_HEADING = 3;           ///< degrees; 1000 + k at task force k
inline constexpr int T_DISTANCE = 4;          ///< distance flown since launch
inline constexpr int T_FIGHTERS = 5;
inline constexpr int T_DIVE_BOMBERS = 6;
inline constexpr int T_TORPEDO_BOMBERS = 7;   ///< the player's: torpedo-armed until the attack
inline constexpr int T_BOMB_ARMED = 8;        ///< the player's bomb-armed torpedo bombers
inline constexpr int T_HEAVY_BOMBERS = 8;     ///< source 5's heavy bombers
inline constexpr int T_TARGET = 9;            ///< the target code of the player's fleet strikes
/// The air groups' sources: 0 the player's base strike, 1-3 its fleet strikes, 4 the Allied
/// base strike, 5 the heavy bombers, 6-8 the strikes of task forces 1-3.
inline constexpr int T_LAST_SOURCE = 8;
/// The last launch step a day's air groups can have (launches happen in steps 1-14).
inline constexpr int T_LAST_STEP = 15;

}  // namespace morva95f
