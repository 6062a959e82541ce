// MORVA95F: the rounding of a ship's durability once an air attack has been resolved.
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {

float rounded_durability(float v) {
    if (!(v > 0)) return 0;
    return con::store(con::int_floor(con::L(v) - con::L(0.01f)) + 1);
}

}  // namespace morva95f
