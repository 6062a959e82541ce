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

/// The values a save writes: the turn about to be played, the Allied sinkings, the reserve in
/// aircraft (units x 9), durability, speed and first turn of both sides' ships 1-42, base
/// columns 1-4 and the harbour damage HW(0). The state itself is not changed.
SaveValues save_values(const State& st);
/// The first of the values that no campaign the program saves holds, checked against the ship
/// and base tables of `st` as the start-up left them (campaign/save_checks.h), with the
/// reserve a multiple of 9 and every durability whole or below 0.
morva::Verdict first_refusal(const State& st, std::span<const float> v);
/// Whether loaded values make a campaign the program could have saved (first_refusal finds none).
bool save_values_valid(const State& st, const SaveValues& v);
/// Puts loaded values into their places; the reserve back to units, INT((aircraft + 4) / 9).
void restore_save_values(State& st, const SaveValues& v);

}  // namespace morva95s
