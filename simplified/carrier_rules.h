// MORVA95S: the rules of the carrier phases (phases 4-7 of an air sub-turn), apart from their
// screens: the player's units moved between hangar, deck and the air in one-unit-per-carrier
// passes (strike departure, patrol, deck standby, arming, shelter), the sums and limits the
// dialogues show and test, and the Allied carriers' and target base's own deck handling.
#pragma once
#include "simplified/state.h"

namespace morva95s {

/// Aircraft types of the carrier phases (KK, SE, KO and NN indices).
inline constexpr int TYPE_FIGHTER = 1;
inline constexpr int TYPE_DIVE = 2;
inline constexpr int TYPE_TORPEDO = 3;

/// STRIKE_TARGET values.
inline constexpr int TARGET_BASE = 1;
inline constexpr int TARGET_FLEET = 2;

// The hangar stock SE(index) of the fit carriers.
inline constexpr int SE_FIGHTERS = 1;       ///< fighters
inline constexpr int SE_DIVE = 2;           ///< bomb-armed dive bombers
inline constexpr int SE_TORPEDO = 3;        ///< armed torpedo bombers, SE(4) + SE(5)
inline constexpr int SE_TORPEDO_ARMED = 4;  ///< torpedo-armed torpedo bombers
inline constexpr int SE_BOMB_ARMED = 5;     ///< bomb-armed torpedo bombers

/// The launch stage: a unit launched at a target more than 5 air-distance units away enters
/// its first stage, else its second.
bool far_launch(float distance);

// The player's launches (carrier_moves.cpp).
/// STRIKE_DEPARTURE: KK(type) units leave the fit carriers' decks for the stage of
/// STRIKE_TARGET at its distance; torpedo bombers against the fleet torpedo-armed while KO(4)
/// counts any, against the base bomb-armed (torpedo-armed in the harbour strike). KK(type)
/// is counted down.
void STRIKE_DEPARTURE(State& st, int type);
/// The combat air patrol's launch: INPUT_NUM fighter units from the fit decks into F column 12.
void launch_patrol(State& st);

// Deck standby (carrier_moves.cpp).
/// The unarmed bombers that the deck standby phase's rows count beside the stock.
struct UnarmedUnits {
    float dive;     ///< WORK_SUM: dive bombers not yet armed
    float torpedo;  ///< UNITS_ENGAGED: unarmed torpedo bombers
};
/// SE(1-5) summed over the fit carriers' hangars; returns the unarmed bombers beside them.
UnarmedUnits form_hangar_stock(State& st);
/// DECK_CAPACITY, DECK_UNITS and DECK_ROOM of the fit carriers as a whole.
void form_deck_room(State& st);
/// Whether the fighters go up without a question: 1-6 in the hangars, all within the deck
/// room, and no armed bomber waiting.
bool fighters_raised_unasked(const State& st);
/// The torpedo bombers' request INPUT_NUM split into WORK_N and BOMB_ARMED_UNITS when no
/// share question is needed (all of them, or only one load waiting); false when it is.
bool split_torpedo_request(State& st);
/// The deck standby moves of a type: INPUT_NUM units (torpedo bombers: WORK_N torpedo-armed,
/// then BOMB_ARMED_UNITS bomb-armed from the slot after the last torpedo-armed one) from the
/// fit carriers' hangars to their decks.
void raise_units(State& st, int type);

// Maintenance (carrier_moves.cpp).
/// Every slot's unarmed dive bombers take bombs.
void arm_dive_bombers(State& st);
/// The harbour strike: every slot's unarmed torpedo bombers take torpedoes.
void arm_harbour_torpedoes(State& st);
/// REARM_FLAG = 0; SE(4), SE(5) and TORPEDO_BOMBER_UNITS of the fit carriers' hangars.
void sum_hangar_torpedo_bombers(State& st);
/// Every slot's torpedo bombers in the hangar are unloaded (back to unarmed).
void unload_torpedo_bombers(State& st);
/// The arming of a torpedo count INPUT_NUM: REARM_FLAG when units must change loads, then
/// INPUT_NUM units take torpedoes and the rest bombs, each in passes from slot 1.
void arm_torpedo_bombers(State& st);

// Shelter (carrier_moves.cpp).
/// The shelter moves of a type: INPUT_NUM units (torpedo bombers: WORK_N torpedo-armed, then
/// in new passes from slot 1 BOMB_ARMED_UNITS bomb-armed) from the fit decks to the hangars,
/// keeping their loads.
void return_units(State& st, int type);

// The Allied side (allied_decks.cpp).
/// KOGEKI: each Allied carrier draws once; a fit one whose draw x 10 is 6 or less launches all
/// its deck bombers into the stage of TT_AIR_DISTANCE. Reads TT_FLEET.
void KOGEKI(State& st);
/// The target base's launch: a drawn share of its ready dive and torpedo bombers (never all)
/// and every ready heavy bomber, into the stage of BASE_DISTANCE.
void allied_base_launch(State& st);
/// CHECK_DECK_ROOM: whether the Allied carrier in `slot` has deck room for one more unit
/// (its deck units + 1 not above half its capacity).
bool CHECK_DECK_ROOM(const State& st, long slot);
/// ALLIED_DECK_LOADING: each fit Allied carrier brings units from its hangar to its deck, at
/// most its capacity in cycles: a fighter, then a dive and a torpedo bomber on draws, each
/// while its deck has room.
void ALLIED_DECK_LOADING(State& st);

}  // namespace morva95s
