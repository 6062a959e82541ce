// How both campaign games number their ships and bases: each side's ships and carriers in the
// ship table A(side, ship, field), an air fleet's carrier slots, and the bases of the base
// table P(base, field).
#pragma once

namespace morva {

/// Rows per side in the ship table: ships 1-42 (the Japanese side uses rows 1-33).
inline constexpr int kShipRows = 42;
/// Japanese ships 1-33: carriers 1-21, battleships 22-33.
inline constexpr int kJapaneseShips = 33;
inline constexpr int kJapaneseCarriers = 21;
inline constexpr int kJapaneseBattleships = kJapaneseShips - kJapaneseCarriers;
/// Allied ships 1-42: carriers 1-15, battleships 16-42.
inline constexpr int kAlliedShips = 42;
inline constexpr int kAlliedCarriers = 15;

/// The carrier slots of an air fleet's list C(side, fleet, 1-8).
inline constexpr int kFleetCarrierSlots = 8;

/// Bases 1-21, of which 6-21 are the targets an air fleet may be sent against.
inline constexpr int kBases = 21;
inline constexpr int kFirstTargetBase = 6;

}  // namespace morva
