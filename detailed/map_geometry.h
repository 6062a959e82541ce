// MORVA95F: the geometry of the operational map: map units and pixels, distances and bearings,
// points on a bearing, fleet legs and the land test that every move makes at its end point.
#pragma once
#include <utility>

#include "console/numbers.h"

namespace morva95f {

/// Degrees to radians in the fleet movements and the night move: 0.0174533 as a 4-byte value,
/// a little above pi/180, so that a heading of 0 or 180 gives a cosine just below 0.
inline const float kFleetDegToRad = con::float_bits(0x3C8EFA36);
/// Radians to degrees of the operational map's bearings: 57.2958 as the map has it.
inline const float kMapRadToDeg = con::float_bits(0x42652EED);
/// Radians to degrees of the air groups' and the task forces' bearing rule: 57.2958 as that
/// rule has it (one unit in the last place above the map's).
inline const float kRuleRadToDeg = con::float_bits(0x42652EEE);

/// The screen pixel of a map point (one map unit is one pixel).
inline con::real pixel_x(con::real x) { return x + 399; }
inline con::real pixel_y(con::real y) { return 168 - y; }

/// INT of the straight-line length of (dx, dy), in whole map units.
float map_distance(con::real dx, con::real dy);

/// The bearing in whole degrees (0 up, 90 right, 1-360 off the north-south line) of the offset
/// (dx, dy); 0 due north, 180 due south and for a zero offset. `factor` is the rule's
/// radians-to-degrees value.
float map_bearing(con::real dx, con::real dy, float factor);

/// The map point at bearing b and distance r from the base, with the air-group degree factor
/// 71/4068, each coordinate floored.
std::pair<float, float> point_on_bearing(con::real b, con::real r);

/// The displacement of a fleet leg on heading h: INT(COS(a) x v / d), INT(SIN(a) x v / d) with
/// a = (90 - h) x 0.0174533, the products formed left to right.
std::pair<con::real, con::real> leg_offset(con::real h, con::real v, con::real d);

/// The colour of a located task force's mark on the operational map.
inline constexpr int kTaskForceColour = 5;

/// The land test: whether the map point's pixel has colour 9 (land) or 5 (the enemy base's
/// marker and the task forces shown, kTaskForceColour).
bool blocked(con::real x, con::real y);

/// The most tries an automatic move makes at a free end point before the force stays where it
/// is. Far beyond what any move that can end needs: the draws of those moves are unchanged.
inline constexpr int kMoveTries = 10000;

}  // namespace morva95f
