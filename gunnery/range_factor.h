// kelmat95: the range factor of a salvo's hit rate (the fire control and the hit-rate chart).
#pragma once
#include "console/numbers.h"

namespace kelmat {

/// The hit-rate factor of a gun at a range of `range_km` kilometres: 14 - R / 5 from 30 km on,
/// R x (7 x R - 450) / 25 + 296 below (296 at 0 km, 144 at 10, 48 at 20, 8 at 30; 0 at 70 km and
/// negative beyond). Evaluated at full precision from the stored range; nothing is clamped.
con::real hit_range_factor(float range_km);

}  // namespace kelmat
