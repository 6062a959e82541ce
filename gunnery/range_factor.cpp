// kelmat95: the range factor of a salvo's hit rate.
#include "gunnery/range_factor.h"

namespace kelmat {

con::real hit_range_factor(float range_km) {
    const con::real r = con::L(range_km);
    if (r >= 30) return 14 - r / 5;
    return r * (7 * r - 450) / 25 + 296;
}

}  // namespace kelmat
