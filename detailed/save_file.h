// MORVA95F: the campaign save file MORDATAF.DAT: 358 numbers, one per line, in a fixed order.
#pragma once
#include <array>

#include "campaign/save_checks.h"
#include "detailed/state.h"

namespace morva95f {

/// Number of values in the save file.
inline constexpr int kSaveValues = 358;
/// The save file's values in file order (value n of the layout at index n - 1).
using SaveValues = std::array<float, kSaveValues>;
/// The save file's name.
inline constexpr const char* kSaveFileName = "MORDATAF.DAT";

/// The values a save writes: the turn about to open, the Allied sinkings, the reserve, ship
/// fields A_DURABILITY, A_SPEED, A_FIRST_TURN of both sides' rows 1-42, base fields P_HOLDER to
/// P_BOMBER_FACTOR, HW(HW_NO_REPAIR_TURNS), VS and the scenario.
SaveValues save_values(const State& st);
/// The first of the values that no campaign the program saves holds: values 1-343 as both
/// games check them against the ship and base tables of `st` as the start-up left them
/// (campaign/save_checks.h), the aircraft losses whole with each kind's losses on the way home
/// within its total, and the scenario 1-5.
morva::Verdict first_refusal(const State& st, std::span<const float> v);
/// Whether loaded values make a campaign the program could have saved (first_refusal finds none).
bool save_values_valid(const State& st, const SaveValues& v);
/// Puts loaded values 4-358 into their places and values 1-3 into TT_TURN,
/// TT_ALLIED_CV_SUNK and TT_ALLIED_BB_SUNK.
void restore_save_values(State& st, const SaveValues& v);

}  // namespace morva95f
