// MORVA95F: the player's carrier deck work of a daytime hour step - the strike launch, the
// combat air patrol launch, the spotting, the arming, the striking down - and the rules and
// carrier-by-carrier moves that these dialogues share. The hour itself is the block
// CARRIER_OPERATIONS_HOUR (blocks.h).
#pragma once
#include <functional>
#include <optional>

#include "detailed/state.h"

namespace morva95f {

// The hour's frame and what its phases share (carrier_operations_hour.cpp).
/// The deck-status lines: the aircraft ready on the flight decks (KO) on rows 21-23 in yellow,
/// with the torpedo bombers' loads at the right of row 23; no line end.
void show_deck_status(State& st);
/// Whether the player's carrier `ship` can launch and take part in the spotting: flight deck 8
/// or more and durability 3 or more.
bool carrier_operational(const State& st, float ship);
/// The carrier-by-carrier moves: passes over the slots 1 to CV(0, FLEET_NO) of the fleet's list
/// in order (the count read again at every pass); `give(slot, ship)` moves at most one aircraft
/// of each wanted load and says whether it moved any. The moves end as soon as `done()` holds
/// after a carrier; a pass that moves nothing also ends them, so that a count the carriers
/// cannot meet stops there instead of running on.
void carrier_passes(State& st, const std::function<bool(long slot, float ship)>& give,
                    const std::function<bool()>& done);

/// How many of a group of torpedo bombers go torpedo-armed and how many bomb-armed.
struct Loads {
    float torpedo = 0;
    float bomb = 0;
};
/// The split of n torpedo bombers out of `ready` (= torpedo + bomb ready) when it is decided
/// without a question: all of them, or only one load standing ready; empty when the player
/// gives the torpedo share.
std::optional<Loads> fixed_loads(float n, float ready, float torpedo_ready, float bomb_ready);
/// Sets TORPEDO_LOAD and BOMB_LOAD for n of the torpedo bombers standing ready with torpedoes
/// and with bombs: fixed when all go or only one load stands ready, else by the share question.
void set_loads(State& st, float n, float torpedo_ready, float bomb_ready);
/// Moves one torpedo bomber of the carrier in `slot` from state `from` to state `to` of `F` when
/// `wanted` is above 0 and one is there; `wanted` falls by 1, and the harbour raid's count
/// `left` of HW moves by `step` while its stock `stock` of HW lasts. Whether one moved.
bool move_torpedo_bomber(State& st, long slot, float& wanted, int from, int to, int stock, int left, float step);

// Strike launch (strike_launch.cpp).
/// A strike launched in hour step `step` to a target d map units away arrives at night.
bool arrives_at_night(float step, float d);
/// A strike launched in hour step `step` to a target d map units away returns at night.
bool returns_at_night(float step, float d);
/// A strike locked onto a task force d units away arrives at night.
bool locked_strike_at_night(float step, float d);
/// The target code of a fleet strike flying `heading`: 1000 x k + PK(k) for the first task
/// force k at exactly that bearing, in contact and less than 110 units away; else 0.
float fleet_strike_target(const State& st, float heading);
/// Whether the `copies`-th copy of the target question (1 the first) still ends on the screen
/// without scrolling when the copies run on from column 20 of row 20.
bool target_question_fits(int copies);
/// STRIKE_LAUNCH_PHASE: up to four launch offers of the hour step.
void STRIKE_LAUNCH_PHASE(State& st);

// Strike size, loads and the take (strike_formation.cpp).
/// The loads of n torpedo bombers of a strike from LAUNCH_GROUP when the harbour raid has no
/// surprise (or there is none): a base strike takes bomb-armed ones, a fleet strike
/// torpedo-armed ones first.
Loads strike_loads(float launch_group, float n, float torpedo_ready);
/// The numbers of the strike being launched, type by type, each type taken before the next.
void ask_strike_size(State& st);
/// The take of type k (1-3): KK(k) aircraft (TORPEDO_LOAD and BOMB_LOAD for torpedo bombers)
/// off the flight decks into the strike's row, carrier by carrier.
void take_strike_aircraft(State& st, int k);

// Combat air patrol (air_patrol_launch.cpp).
/// The patrol launch dialogue of the hour (nothing when FIGHTERS_READY is below 1).
void launch_air_patrol(State& st);
/// Moves INPUT_NUM fighters from the flight decks into their first patrol hour.
void send_patrol_fighters(State& st);

// Spotting (deck_spotting.cpp).
/// The fleet's deck capacity: half the summed capacity of its operational carriers, an odd sum
/// rounded up.
float deck_capacity(float summed_capacity);
/// The spotting dialogue: hangar totals, deck room, the question, the counts and the moves.
void spot_aircraft(State& st);
/// Raises INPUT_NUM aircraft of type t (1-3) from the hangars to the flight decks (torpedo
/// bombers by TORPEDO_LOAD and BOMB_LOAD), carrier by carrier.
void raise_aircraft(State& st, int t);

// Arming (arming.cpp).
/// Whether arming `count` of `hangar` torpedo bombers with torpedoes changes the loads, given
/// `torpedo` and `bomb` of them armed so before.
bool arming_changes_loads(float count, float hangar, float torpedo, float bomb);
/// ARMING_PHASE: servicing, then the torpedo bombers' loads in the hangars.
void ARMING_PHASE(State& st);
/// Gives torpedoes to `count` unarmed torpedo bombers in the hangars and bombs to the next
/// `bombs`, carrier by carrier over every carrier of the fleet.
void arm_torpedo_bombers(State& st, float count, float bombs);

// Striking down (striking_down.cpp).
/// The striking-down dialogue; when the player answers yes, the recount and the final deck
/// status follow.
void strike_down(State& st);
/// Strikes INPUT_NUM aircraft of type t (1-2), or TORPEDO_LOAD and BOMB_LOAD torpedo bombers
/// (t = 3), down from the flight decks of the carriers of durability 3 or more.
void strike_down_aircraft(State& st, int t);

}  // namespace morva95f
