// MORVA95F: the approach sectors of the deployment, by target base.
#pragma once
#include <utility>
#include <vector>

#include "console/numbers.h"
#include "detailed/state.h"

namespace morva95f {

/// An inclusive range of bearings [first, second], or an arc first -> second in degrees.
using Sector = std::pair<float, float>;

/// A target's row of the deployment: the player's two sectors (equal when there is one), the
/// two arcs that mark them on the map, and the Allied sectors.
struct ApproachSectors {
    Sector player1, player2, arc1, arc2;
    std::vector<Sector> allied;
};

/// The row of the fleet's target, or the harbour raid's row (its Allied range still empty).
ApproachSectors approach_sectors(const State& st);

/// Whether a bearing lies in any of the sectors.
bool in_any_sector(con::real v, const std::vector<Sector>& sectors);

}  // namespace morva95f
