// MORVA95F: the rounding of a ship's durability once an air attack has been resolved (the
// rule CLC2 applies, shared with the simplified game).
#include "campaign/damage_rounding.h"
#include "detailed/routines.h"

namespace morva95f {

float rounded_durability(float v) { return morva::rounded_durability(v); }

}  // namespace morva95f
