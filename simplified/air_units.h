// MORVA95S: the stage columns of the air unit tables F, D, T (carriers of both sides) and Q
// (the target base), the stage steps that move every airborne unit on by one stage, and the
// operation's routines that work on these tables (day's end, operation end, battle line).
#pragma once
#include "console/numbers.h"
#include "simplified/state.h"

namespace morva95s {

/// Sides of the air unit tables.
inline constexpr int JAPANESE = 0;
inline constexpr int ALLIED = 1;

// Japanese fighters F(0, slot, column).
inline constexpr int F_HANGAR = 1;         ///< in the hangar
inline constexpr int F_DECK = 2;           ///< on deck, ready
inline constexpr int F_FLEET_OUT = 3;      ///< fleet-strike escort, outbound (far launch)
inline constexpr int F_BASE_OUT = 4;       ///< base-strike escort, outbound (far launch)
inline constexpr int F_OVER_FLEET = 5;     ///< escort over the enemy fleet
inline constexpr int F_OVER_BASE = 6;      ///< escort over the target base
inline constexpr int F_FLEET_BACK = 7;     ///< back from a fleet strike, first stage
inline constexpr int F_BASE_BACK = 8;      ///< back from a base strike, first stage
inline constexpr int F_HOME_FAR = 9;       ///< homebound, far stage
inline constexpr int F_HOME_LAST = 10;     ///< homebound, last stage
inline constexpr int F_CAP_RAID = 11;      ///< patrol launched during a raid
inline constexpr int F_CAP_FIRST = 12;     ///< patrol aloft, first period
inline constexpr int F_CAP_SECOND = 13;    ///< patrol aloft, second period
inline constexpr int F_CAP_FOUGHT = 14;    ///< patrol that fought the raid's escorts

// Japanese dive bombers D(0, slot, column).
inline constexpr int D_HANGAR = 1;         ///< in the hangar, unarmed
inline constexpr int D_ARMED = 2;          ///< in the hangar, bomb-armed
inline constexpr int D_DECK = 3;           ///< on deck, ready
inline constexpr int D_FLEET_OUT = 4;      ///< fleet strike, outbound
inline constexpr int D_BASE_OUT = 5;       ///< base strike, outbound
inline constexpr int D_OVER_FLEET = 6;     ///< over the enemy fleet
inline constexpr int D_OVER_BASE = 7;      ///< over the target base
inline constexpr int D_FLEET_BACK = 8;     ///< back from a fleet strike, first stage
inline constexpr int D_BASE_BACK = 9;      ///< back from a base strike, first stage
inline constexpr int D_HOME_FAR = 10;      ///< homebound, far stage
inline constexpr int D_HOME_LAST = 11;     ///< homebound, last stage

// Japanese torpedo bombers T(0, slot, column).
inline constexpr int T_HANGAR = 1;         ///< in the hangar, unarmed
inline constexpr int T_TORPEDO = 2;        ///< in the hangar, torpedo-armed
inline constexpr int T_BOMB = 3;           ///< in the hangar, bomb-armed
inline constexpr int T_DECK_TORPEDO = 4;   ///< on deck, torpedo-armed
inline constexpr int T_DECK_BOMB = 5;      ///< on deck, bomb-armed
inline constexpr int T_FLEET_OUT_TORPEDO = 6;  ///< fleet strike with torpedoes, outbound
inline constexpr int T_FLEET_OUT_BOMB = 7;     ///< fleet strike with bombs, outbound
inline constexpr int T_BASE_OUT = 8;       ///< base strike, outbound
inline constexpr int T_OVER_FLEET_TORPEDO = 9;  ///< over the enemy fleet with torpedoes
inline constexpr int T_OVER_FLEET_BOMB = 10;    ///< over the enemy fleet with bombs
inline constexpr int T_OVER_BASE = 11;     ///< over the target base
inline constexpr int T_FLEET_BACK_TORPEDO = 12;  ///< back from a fleet strike (torpedoes)
inline constexpr int T_FLEET_BACK_BOMB = 13;     ///< back from a fleet strike (bombs)
inline constexpr int T_BASE_BACK = 14;     ///< back from a base strike, first stage
inline constexpr int T_HOME_FAR = 15;      ///< homebound, far stage
inline constexpr int T_HOME_LAST = 16;     ///< homebound, last stage

// Allied carriers, all three tables, and the Allied interceptors (fighters only).
inline constexpr int AL_HANGAR = 1;        ///< in the hangar
inline constexpr int AL_DECK = 2;          ///< on deck, ready
inline constexpr int AL_OUT = 3;           ///< raid outbound (far launch)
inline constexpr int AL_OVER = 4;          ///< raid arriving over the player's fleet
inline constexpr int AL_BACK = 5;          ///< homebound, first stage
inline constexpr int AL_HOME_FAR = 6;      ///< homebound, far stage
inline constexpr int AL_HOME_LAST = 7;     ///< homebound, last stage
inline constexpr int AL_INTERCEPT = 8;     ///< interceptors launched in this sub-turn
inline constexpr int AL_INTERCEPT_SECOND = 9;  ///< interceptors, second period
inline constexpr int AL_INTERCEPT_LAST = 10;   ///< interceptors, last period

// Target base Q(row, column): rows, then columns.
inline constexpr int QR_FIGHTERS = 0;
inline constexpr int QR_DIVE = 1;
inline constexpr int QR_TORPEDO = 2;
inline constexpr int QR_HEAVY = 3;
inline constexpr int Q_LANDED = 1;         ///< at the base, landed
inline constexpr int Q_READY = 2;          ///< at the base, ready
inline constexpr int Q_OUT = 3;            ///< raid outbound (far launch)
inline constexpr int Q_OVER = 4;           ///< raid arriving over the player's fleet
inline constexpr int Q_BACK_FAR = 5;       ///< homebound, first stage (far)
inline constexpr int Q_HOME = 6;           ///< homebound
inline constexpr int Q_HOME_LAST = 7;      ///< homebound, last stage
inline constexpr int Q_INTERCEPT = 8;      ///< interceptors launched in this sub-turn
inline constexpr int Q_INTERCEPT_SECOND = 9;   ///< interceptors, second period
inline constexpr int Q_INTERCEPT_LAST = 10;    ///< interceptors, last period

// The player's strike KO(index).
inline constexpr int KO_FIGHTERS = 1;
inline constexpr int KO_DIVE = 2;
inline constexpr int KO_TORPEDO = 3;       ///< torpedo bombers of both armings
inline constexpr int KO_TORPEDO_ARMED = 4;
inline constexpr int KO_BOMB_ARMED = 5;

/// KO(1-5) = the units on the decks of the carriers of air fleet `fleet_no` whose flight-deck
/// value is above 7: fighters, dive bombers, torpedo bombers, of them torpedo- and bomb-armed.
void count_deck_units(State& st, float fleet_no);
/// IDO: the shelter phase's stage step: the homebound stages land and move on, the base's
/// landed units get ready, sunk carriers lose their hangar and deck, and KO counts the
/// player's deck units. Reads TT_FLEET, TT_AIR_DISTANCE and PT(0).
void IDO(State& st);
/// IDO2: the search result phase's stage step: outbound stages move over the target and the
/// patrols and interceptors aloft move on or land.
void IDO2(State& st);
/// IDO3: deals the Allied raid's surviving W(0-2) one unit at a time over the Allied carriers
/// afloat (column 5), at most six passes; what is left stays in W.
void IDO3(State& st);


/// END_OF_DAY's landing: every carrier unit of both sides back into its hangar (column 1,
/// unarmed; fighter column 14 untouched), the base's units into column 1 (below 1 -> 0) and
/// O(row) recorded; a sunk carrier (durability 0 or less) loses its hangar, an afloat one's
/// flight deck recovers 2 (Japanese) or 6 (Allied), up to 10.
void land_day_air_units(State& st);


/// SP: N(side) = battleships afloat (durability 1 or more) in each side's line of the fleet
/// in TT_FLEET, S(side) = the lowest speed among them; with none afloat S = 8 - side.
void SP(State& st);

/// Adds the units of a stage column into another and empties it.
inline void gather_units(float& to, float& from) {
    to = con::store(con::L(to) + con::L(from));
    from = 0;
}

}  // namespace morva95s
