// The checks both campaign games make on the values 1-343 that their save files hold alike
// (MORDATAF.DAT and MORDATAS.DAT): each value within the range the game itself writes, so that
// a damaged or hand-made file is refused whole instead of steering a campaign into states no
// game reaches (a reserve below 0 would refuse every fleet organisation for ever).
#pragma once
#include <algorithm>
#include <cmath>
#include <span>

#include "campaign/shared_slots.h"
#include "console/numbers.h"

namespace morva {

// Positions (0-based) of the value groups both save files hold alike.
inline constexpr int kSaveTurnAt = 0;             ///< the turn about to open, 2-12
inline constexpr int kSaveCarriersSunkAt = 1;     ///< Allied carriers sunk
inline constexpr int kSaveBattleshipsSunkAt = 2;  ///< Allied battleships sunk
inline constexpr int kSaveReserveAt = 3;          ///< the reserve of types 1-3, in aircraft
inline constexpr int kSaveShipsAt = 6;            ///< durability, speed, first turn per ship
inline constexpr int kSaveBasesAt = 258;          ///< base columns P_HOLDER to P_BOMBER_FACTOR
inline constexpr int kSaveHarbourAt = 342;        ///< HW(0): turns without Allied repair
/// The number of values both files share.
inline constexpr int kSharedSaveValues = 343;

/// Ship rows per side in the file; the Japanese side has ships 1-33, its rows 34-42 are empty.
inline constexpr int kSaveShipRows = 42;
inline constexpr int kSaveJapaneseShips = 33;
/// Allied ships 1-15 are carriers, 16-42 battleships.
inline constexpr int kSaveAlliedCarriers = 15;
inline constexpr int kSaveBases = 21;

/// The three values kept of every ship, in file order.
inline constexpr int kSavedShipFields[3] = {A_DURABILITY, A_SPEED, A_FIRST_TURN};

/// Position of ship value `which` (0 durability, 1 speed, 2 first turn) of ship 1-42 of a side.
constexpr int save_ship_value(int side, int ship, int which) {
    return kSaveShipsAt + 3 * (kSaveShipRows * side + ship - 1) + which;
}
/// Position of column P_HOLDER-P_BOMBER_FACTOR of base 1-21.
constexpr int save_base_value(int base, int column) { return kSaveBasesAt + kSaveBases * (column - 1) + (base - 1); }

/// The largest count any campaign value reaches, far beyond what a war produces (losses,
/// harbour hits, a fallen base's strength below 0); it keeps every count exact in a float.
inline constexpr float kMostCount = 1e6f;

/// What the two games write differently into the shared values.
struct SaveLimits {
    float opening_speed;        ///< the speed the hypothetical openings give Japanese ships 24 and 25
    float least_repair_turns;   ///< the lowest HW(0) the game writes
};

/// Whether v is a whole number within [low, high].
inline bool whole_in(float v, con::real low, con::real high) {
    return std::isfinite(v) && v == std::floor(v) && v >= low && v <= high;
}

namespace save_checks_detail {

// The largest reserve of each type a campaign starts with, in aircraft: the hypothetical
// openings' stock, above the built-in and the historical opening's. Each turn end adds 90.
inline constexpr float kMostStartingReserve[3] = {270, 360, 360};
inline constexpr float kReservePerTurn = 90;

// Bases 6-21 grow at every turn end by 1-3 points (the major bases) or 1-2; a fleet that
// loses its carriers leaves its target at least this strong.
inline constexpr int kFirstGrowingBase = 6;
inline constexpr float kStrengthAfterFailure = 8;
inline con::real most_growth(int base) {
    if (base < kFirstGrowingBase) return 0;
    const bool major = base == 7 || base == 8 || base == 18 || base == 20 || base == 21;
    return major ? 3 : 2;
}

inline bool allied_losses_valid(std::span<const float> v) {
    int carriers = 0, battleships = 0;
    for (int j = 1; j <= kSaveShipRows; ++j)
        if (v[save_ship_value(1, j, 0)] < 1) ++(j <= kSaveAlliedCarriers ? carriers : battleships);
    // The counts are recounted from the durabilities just before every save.
    return v[kSaveCarriersSunkAt] == carriers && v[kSaveBattleshipsSunkAt] == battleships;
}

inline bool reserve_valid(std::span<const float> v) {
    const con::real turn_ends = con::L(v[kSaveTurnAt]) - 1;
    for (int t = 0; t < 3; ++t)
        if (!whole_in(v[kSaveReserveAt + t], 0, con::L(kMostStartingReserve[t]) + kReservePerTurn * turn_ends))
            return false;
    return true;
}

// A ship's durability lies between 0 and its full durability; its speed is the built-in one
// or the hypothetical openings' for Japanese ships 24 and 25; its first turn is 1-12 or 13
// (never). Empty rows keep their built-in values.
template <typename Ships>
bool ships_valid(std::span<const float> v, const Ships& A, const SaveLimits& limits) {
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kSaveShipRows; ++j) {
            const float durability = v[save_ship_value(s, j, 0)], speed = v[save_ship_value(s, j, 1)];
            const float first_turn = v[save_ship_value(s, j, 2)];
            if (s == 0 && j > kSaveJapaneseShips) {
                for (int w = 0; w < 3; ++w)
                    if (v[save_ship_value(s, j, w)] != A(s, j, kSavedShipFields[w])) return false;
                continue;
            }
            if (!(durability >= 0 && durability <= A(s, j, A_FULL_DURABILITY))) return false;
            const bool opening_ship = s == 0 && (j == 24 || j == 25);
            if (speed != A(s, j, A_SPEED) && !(opening_ship && speed == limits.opening_speed)) return false;
            if (!whole_in(first_turn, 1, 13)) return false;
        }
    return true;
}

// A base is held by Japan or by its own Allied nation; an Allied-held base keeps at least 1
// point (a strike that leaves none takes it). Strength is whole and grows at most by its turn
// ends; the planning weight and the heavy-bomber factor never change. The bases below the
// growing ones (the home base 1 among them) are never a target and never grow: no game
// changes their strength.
template <typename Bases>
bool bases_valid(std::span<const float> v, const Bases& P) {
    const con::real turn_ends = con::L(v[kSaveTurnAt]) - 1;
    for (int b = 1; b <= kSaveBases; ++b) {
        const float holder = v[save_base_value(b, P_HOLDER)];
        if (holder != 0 && (P(b, P_HOLDER) == 0 || holder != P(b, P_HOLDER))) return false;
        if (b < kFirstGrowingBase && v[save_base_value(b, P_STRENGTH)] != P(b, P_STRENGTH)) return false;
        const con::real most = std::max<con::real>(con::L(P(b, P_STRENGTH)) + most_growth(b) * turn_ends,
                                                   kStrengthAfterFailure);
        if (!whole_in(v[save_base_value(b, P_STRENGTH)], holder == 0 ? -kMostCount : 1, most)) return false;
        for (int c : {P_PLANNING_WEIGHT, P_BOMBER_FACTOR})
            if (v[save_base_value(b, c)] != P(b, c)) return false;
    }
    return true;
}

}  // namespace save_checks_detail

/// Whether the values 1-343 of a save file are ones the game could have written, checked
/// against the ship table `A` and the base table `P` as the start-up left them (the built-in
/// values): every value finite, the turn 2-12, the sunk counts those of the durabilities, the
/// reserve whole, from 0 to what the turns could have supplied, every ship and base value
/// within its range, and HW(0) whole from `limits.least_repair_turns`.
template <typename Ships, typename Bases>
bool shared_save_values_valid(std::span<const float> v, const Ships& A, const Bases& P, const SaveLimits& limits) {
    using namespace save_checks_detail;
    if (v.size() < static_cast<std::size_t>(kSharedSaveValues)) return false;
    for (int i = 0; i < kSharedSaveValues; ++i)
        if (!std::isfinite(v[i])) return false;
    if (!whole_in(v[kSaveTurnAt], 2, 12)) return false;
    return allied_losses_valid(v) && reserve_valid(v) && ships_valid(v, A, limits) && bases_valid(v, P) &&
           whole_in(v[kSaveHarbourAt], limits.least_repair_turns, kMostCount);
}

}  // namespace morva
