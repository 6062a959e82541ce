// Parameter-vector slots and record fields that the detailed and the simplified game number
// alike, so that the routines both games share can read and write them on either game's own
// `TT`, ship table `A` and base table `P`.
#pragma once

namespace morva {

/// The parameter-vector slots; a game takes them all into its own namespace with
/// `using namespace morva::shared_tt_slots;`.
inline namespace shared_tt_slots {

/// The turn 1-12 (a copy of the game's turn number).
inline constexpr int TT_TURN = 0;
/// The day of the operation 1-3.
inline constexpr int TT_DAY = 1;
/// The step of the day (the hour shown is the step + 3); 0 = no time shown.
inline constexpr int TT_SUBTURN = 2;
/// The step of a gun battle.
inline constexpr int TT_GUN_SUBTURN = 3;
/// The scenario (6 = the single operation).
inline constexpr int TT_SCENARIO = 4;
/// The air fleet 1-2 in operation (read by `HIGAI`).
inline constexpr int TT_FLEET = 5;
/// The display time in ticks of 10 ms (written by `SET_DISPLAY_TIME`).
inline constexpr int TT_WAIT = 10;
/// 1 = the base asked about may be attacked (the answer of `SHOZOKU`).
inline constexpr int TT_ATTACKABLE = 14;
/// The base asked about, minus 5 (the question to `SHOZOKU`).
inline constexpr int TT_BASE_QUERY = 15;

}  // namespace shared_tt_slots

// Fields of a ship's row A(side, ship, field) that the shared routines read.
/// Durability now: afloat at 1 or more, sunk at 0 (fractions only while an attack is resolved;
/// in the simplified game a sunk Japanese carrier hit by a raid that rounds nothing stays below 0).
inline constexpr int A_DURABILITY = 0;
/// Full durability, the upper limit of repairs.
inline constexpr int A_FULL_DURABILITY = 1;
/// Speed (knots in the detailed game, board units in the simplified one).
inline constexpr int A_SPEED = 7;
/// The first turn the ship may sail, 1-12; 13 = never.
inline constexpr int A_FIRST_TURN = 8;
/// A carrier's flight deck 0-10 (8 or more to launch and land, 10 intact).
inline constexpr int A_FLIGHT_DECK = 15;

// Fields of a base's row P(base, field) that the shared routines read.
/// The holder's nation code: 0 Japan, 1 the United States, 2 Britain.
inline constexpr int P_HOLDER = 1;
/// The base's strength.
inline constexpr int P_STRENGTH = 2;
/// The base's weight in the Allied planning (the simplified game's response value), 1-7.
inline constexpr int P_PLANNING_WEIGHT = 3;
/// The heavy-bomber factor 0-2.
inline constexpr int P_BOMBER_FACTOR = 4;

}  // namespace morva
