// MORVA95S: the campaign save file MORDATAS.DAT: 343 numbers, one per line, in a fixed order.
#pragma once
#include <array>

#include "campaign/save_checks.h"
#include "simplified/state.h"

namespace morva95s {

/// Number of values in the save file.
inline constexpr int kSaveValues = 343;
/// The save file's values in file order (line n of the file at index n - 1).
using SaveValues = std::array<float, kSaveValues>;
/// The save file's name.
inline constexpr const char* kSaveFileName = "MORDATAS.DAT";

/// The least durability a sunk Japanese carrier can hold. A raid that finds none of the fleet's
/// carriers afloat and no battleship in the fleet attacks the sunk carriers (one visit in ten)
/// and rounds nothing, so their hits stay below 0. Such a carrier never sails again (HENSEI
/// lists no ship below 1, the repairs pass it over, and only a raid's carrier report, in a
/// raid that finds a carrier afloat, would round it), so all of it comes from the rest of the
/// operation in which it sank:
/// - a hit takes 2 (heavy and torpedo bombers) or 0.34 (dive bombers), one attack a unit;
/// - the most bomber units an operation can send: the air groups of at most eight US carriers
///   (32 dive and 18 torpedo bombers: 4 and 3 on ships 8 and 9, 4 and 2 on six of ships 1-7)
///   and base 21 at strength 60 (30 grown by at most 3 at each of the 10 turn ends before
///   turn 11, the last turn a save follows): INT((60 + RND x 6) / 2) = 32 dive and 32 torpedo
///   bombers and 2 x INT((60 + RND x 8) / 5) = 26 heavy bombers. The operation adds no unit:
///   the stages only move them, and the carriers' survivors go to the base when no carrier is
///   left. Every other target base and its force send fewer;
/// - a unit that attacks in a sub-turn is back over the fleet four sub-turns later at the
///   earliest (home, landed, readied or loaded on deck, launched), and a day's first units
///   arrive in sub-turn 3, so a unit joins at most the raids of sub-turns 3, 7, 11 and 15 of
///   a day. Only raids damage the player's carriers, and the raid that sinks the last one
///   (sub-turn 3 of the first day at the earliest) rounds, so each unit attacks sunk carriers
///   at most 3 + 4 + 4 = 11 times.
/// 11 x (2 x 26 + 2 x 50 + 0.34 x 64) = 1911.36; its 1540 float subtractions, each off by at
/// most 2^-14 (half the step of a float below 2048), move that by less than 0.1.
/// In play no raid finds such a fleet: SURFACE_PHASE ends the operation at the end of the
/// sub-turn in which its last ship sank, before another raid. The floor bounds what the raids
/// could leave without that check.
inline constexpr float kLeastSunkCarrierDurability = -1912;

/// The values a save writes: the turn about to be played, the Allied sinkings, the reserve in
/// aircraft (units x 9), durability, speed and first turn of both sides' ships 1-42, base
/// columns 1-4 and the harbour damage HW(0). The state itself is not changed.
SaveValues save_values(const State& st);
/// The first of the values that no campaign the program saves holds, checked against the ship
/// and base tables of `st` as the start-up left them (campaign/save_checks.h), with the
/// reserve a multiple of 9 and every durability whole or below 0 (a sunk Japanese carrier's,
/// down to kLeastSunkCarrierDurability).
morva::Verdict first_refusal(const State& st, std::span<const float> v);
/// Whether loaded values make a campaign the program could have saved (first_refusal finds none).
bool save_values_valid(const State& st, const SaveValues& v);
/// Puts loaded values into their places; the reserve back to units, INT((aircraft + 4) / 9).
void restore_save_values(State& st, const SaveValues& v);

}  // namespace morva95s
