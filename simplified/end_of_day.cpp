// MORVA95S: END_OF_DAY, the close of an operation's day: every unit of the day lands
// (land_day_air_units), then the day loop goes on.
#include "simplified/air_units.h"
#include "simplified/blocks.h"

namespace morva95s {

Block END_OF_DAY(State& st) {
    land_day_air_units(st);
    return Block::NextDay;
}

}  // namespace morva95s
