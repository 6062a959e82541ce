// The checks both campaign games make on the values 1-343 that their save files hold alike
// (MORDATAF.DAT and MORDATAS.DAT): each value within the range the game itself writes, so that
// a damaged or hand-made file is refused whole instead of steering a campaign into states no
// game reaches (a reserve below 0 would refuse every fleet organisation for ever). A check
// names the first value it refuses, so that a save about to write one can say which.
#pragma once
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

#include "campaign/ship_and_base_counts.h"
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

/// The three values kept of every ship, in file order.
inline constexpr int kSavedShipFields[3] = {A_DURABILITY, A_SPEED, A_FIRST_TURN};

/// Position of ship value `which` (0 durability, 1 speed, 2 first turn) of ship 1-42 of a side.
constexpr int save_ship_value(int side, int ship, int which) {
    return kSaveShipsAt + 3 * (kShipRows * side + ship - 1) + which;
}
/// Position of column P_HOLDER-P_BOMBER_FACTOR of base 1-21.
constexpr int save_base_value(int base, int column) { return kSaveBasesAt + kBases * (column - 1) + (base - 1); }

/// The largest count any campaign value reaches, far beyond what a war produces (losses,
/// harbour hits, a fallen base's strength below 0); it keeps every count exact in a float.
inline constexpr float kMostCount = 1e6f;

/// What the two games write differently into the shared values.
struct SaveLimits {
    float opening_speed;       ///< the speed the hypothetical openings give Japanese ships 24 and 25
    float least_repair_turns;  ///< the lowest HW(0) the game writes
    /// The least durability a Japanese carrier (ships 1-21) holds: 0 in a game whose every
    /// attack ends by setting a ship at or below 0 to 0; below 0 in a game that leaves hits on
    /// sunk carriers as they fell, the least those hits can reach. Every other ship keeps 0.
    float least_sunk_carrier_durability;
};

/// A value a loader refuses: its position in the file (0-based: value n of the layout is at
/// n - 1) and the rule it breaks.
struct Refusal {
    int at;
    const char* rule;
};
/// The first value a check refuses; nothing when it takes them all.
using Verdict = std::optional<Refusal>;

/// Nothing when `holds`, else the refusal of the value at `at` for breaking `rule`.
inline Verdict unless(bool holds, int at, const char* rule) {
    if (holds) return std::nullopt;
    return Refusal{at, rule};
}

/// Whether v is a whole number within [low, high].
inline bool whole_in(float v, con::real low, con::real high) {
    return std::isfinite(v) && v == std::floor(v) && v >= low && v <= high;
}

namespace save_checks_detail {

// The largest reserve of each type a campaign starts with, in aircraft: the hypothetical
// openings' stock, above the built-in and the historical opening's. Each turn end adds 90.
inline constexpr float kMostStartingReserve[3] = {270, 360, 360};
inline constexpr float kReservePerTurn = 90;

// Bases 6-21 grow at every turn end by 1-3 points (the major bases) or 1-2, whoever holds
// them; a fleet that fails against its target leaves the target at least this strong, and
// the turn's end then grows it on.
inline constexpr int kFirstGrowingBase = 6;
inline constexpr float kStrengthAfterFailure = 8;
inline con::real most_growth(int base) {
    if (base < kFirstGrowingBase) return 0;
    const bool major = base == 7 || base == 8 || base == 18 || base == 20 || base == 21;
    return major ? 3 : 2;
}

// The counts are recounted from the durabilities just before every save: a ship below 1 is
// sunk, whatever below 1 it stands at.
inline Verdict allied_losses(std::span<const float> v) {
    int carriers = 0, battleships = 0;
    for (int j = 1; j <= kShipRows; ++j)
        if (v[save_ship_value(1, j, 0)] < 1) ++(j <= kAlliedCarriers ? carriers : battleships);
    if (v[kSaveCarriersSunkAt] != carriers) return Refusal{kSaveCarriersSunkAt, "carriers sunk, not those below 1"};
    return unless(v[kSaveBattleshipsSunkAt] == battleships, kSaveBattleshipsSunkAt,
                  "battleships sunk, not those below 1");
}

inline Verdict reserve(std::span<const float> v) {
    const con::real turn_ends = con::L(v[kSaveTurnAt]) - 1;
    for (int t = 0; t < 3; ++t)
        if (!whole_in(v[kSaveReserveAt + t], 0, con::L(kMostStartingReserve[t]) + kReservePerTurn * turn_ends))
            return Refusal{kSaveReserveAt + t, "a reserve not whole from 0 to what the turns supplied"};
    return std::nullopt;
}

// A ship's durability lies at or below its full durability and not below 0, but for the
// Japanese carriers of a game that leaves hits on sunk carriers as they fell (still sunk),
// which go down to the least those hits reach; its speed is the built-in one or the
// hypothetical openings' for Japanese ships 24 and 25; its first turn is 1-12 or 13 (never).
// Empty rows keep their built-in values.
template <typename Ships>
Verdict ship(std::span<const float> v, const Ships& A, const SaveLimits& limits, int s, int j) {
    if (s == 0 && j > kJapaneseShips) {
        for (int w = 0; w < 3; ++w)
            if (v[save_ship_value(s, j, w)] != A(s, j, kSavedShipFields[w]))
                return Refusal{save_ship_value(s, j, w), "a value in a row that holds no ship"};
        return std::nullopt;
    }
    const float durability = v[save_ship_value(s, j, 0)], speed = v[save_ship_value(s, j, 1)];
    const float least = s == 0 && j <= kJapaneseCarriers ? limits.least_sunk_carrier_durability : 0.0f;
    if (durability > A(s, j, A_FULL_DURABILITY) || (durability < 0 && least >= 0))
        return Refusal{save_ship_value(s, j, 0), "a durability above the full one or below 0"};
    if (durability < least) return Refusal{save_ship_value(s, j, 0), "a sunk carrier below the least the raids leave"};
    const bool opening_ship = s == 0 && (j == 24 || j == 25);
    if (speed != A(s, j, A_SPEED) && !(opening_ship && speed == limits.opening_speed))
        return Refusal{save_ship_value(s, j, 1), "a speed the ship never has"};
    return unless(whole_in(v[save_ship_value(s, j, 2)], 1, 13), save_ship_value(s, j, 2), "a first turn not 1-13");
}

// A base is held by Japan or by its own Allied nation; an Allied-held base keeps at least 1
// point (a strike that leaves none takes it). Strength is whole and grows at most by its turn
// ends from its built-in strength, or from the strength a failed operation leaves; the
// planning weight and the heavy-bomber factor never change. The bases below the growing ones
// (the home base 1 among them) are never a target and never grow: no game changes their
// strength.
template <typename Bases>
Verdict base(std::span<const float> v, const Bases& P, int b) {
    const con::real turn_ends = con::L(v[kSaveTurnAt]) - 1;
    const float holder = v[save_base_value(b, P_HOLDER)];
    if (holder != 0 && (P(b, P_HOLDER) == 0 || holder != P(b, P_HOLDER)))
        return Refusal{save_base_value(b, P_HOLDER), "a holder other than Japan or the base's own nation"};
    const int strength = save_base_value(b, P_STRENGTH);
    if (b < kFirstGrowingBase && v[strength] != P(b, P_STRENGTH))
        return Refusal{strength, "a changed strength of a base no game changes"};
    const con::real most =
        std::max<con::real>(con::L(P(b, P_STRENGTH)), kStrengthAfterFailure) + most_growth(b) * turn_ends;
    if (!whole_in(v[strength], holder == 0 ? -kMostCount : 1, most))
        return Refusal{strength, "a strength not whole, above its growth or an Allied one below 1"};
    for (int c : {P_PLANNING_WEIGHT, P_BOMBER_FACTOR})
        if (v[save_base_value(b, c)] != P(b, c)) return Refusal{save_base_value(b, c), "a changed fixed base value"};
    return std::nullopt;
}

}  // namespace save_checks_detail

/// The first of the values 1-343 of a save file that the game could not have written, checked
/// against the ship table `A` and the base table `P` as the start-up left them (the built-in
/// values): every value finite, the turn 2-12, the sunk counts those of the durabilities, the
/// reserve whole, from 0 to what the turns could have supplied, every ship and base value
/// within its range, and HW(0) whole from `limits.least_repair_turns`.
template <typename Ships, typename Bases>
Verdict first_shared_refusal(std::span<const float> v, const Ships& A, const Bases& P, const SaveLimits& limits) {
    using namespace save_checks_detail;
    if (v.size() < static_cast<std::size_t>(kSharedSaveValues)) return Refusal{static_cast<int>(v.size()), "missing"};
    for (int i = 0; i < kSharedSaveValues; ++i)
        if (!std::isfinite(v[i])) return Refusal{i, "a value that is not finite"};
    if (!whole_in(v[kSaveTurnAt], 2, 12)) return Refusal{kSaveTurnAt, "a turn not 2-12"};
    if (Verdict r = allied_losses(v)) return r;
    if (Verdict r = reserve(v)) return r;
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            if (Verdict r = ship(v, A, limits, s, j)) return r;
    for (int b = 1; b <= kBases; ++b)
        if (Verdict r = base(v, P, b)) return r;
    return unless(whole_in(v[kSaveHarbourAt], limits.least_repair_turns, kMostCount), kSaveHarbourAt,
                  "turns without repair not whole from the least the game writes");
}

/// Whether the values 1-343 of a save file are ones the game could have written
/// (first_shared_refusal finds none).
template <typename Ships, typename Bases>
bool shared_save_values_valid(std::span<const float> v, const Ships& A, const Bases& P, const SaveLimits& limits) {
    return !first_shared_refusal(v, A, P, limits);
}

}  // namespace morva
