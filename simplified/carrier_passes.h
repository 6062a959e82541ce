// MORVA95S: the one-unit-per-carrier passes by which units move between the state columns of
// a fleet's carrier slots (strikes and patrols leaving, deck standby, arming, shelter, the
// emergency launch against a raid, the patrol's losses), and the fit-carrier test they share.
#pragma once
#include <functional>

#include "simplified/state.h"

namespace morva95s {

/// Whether the carrier in `slot` of the operating fleet's list for `side` is fit: its
/// flight-deck value A(side, C(side, FLEET_NO, slot), 15) is above 7 (7 is not, 7.5 is).
bool fit_carrier(const State& st, int side, long slot);

/// Whether a slot can give a unit on this visit (for example: fit, and holding one).
using SlotTest = std::function<bool(long slot)>;
/// Moves one unit at a slot.
using SlotMove = std::function<void(long slot)>;

/// Where a run of passes begins, and where it ended.
struct PassPlace {
    long first_slot = 1;        ///< the slot the first pass begins at (later passes begin at 1)
    long* last_slot = nullptr;  ///< when given: the slot that gave the last unit (0 when none gave)
};

/// The carrier passes: visits the slots 1 to CV(side, FLEET_NO) (the count read afresh at
/// each pass) and at every slot that `can_give` moves one unit with `give`, counting `count`
/// down by 1; ends the moment the count is 0, even in the middle of a pass, else begins a new
/// pass at slot 1. Also ends when a whole pass moves nothing, and moves only while at least a
/// whole unit is left to move, so a count that is not a whole number of 0 or more never runs
/// for ever or moves more than asked. `place` lets a second load go on in the middle of a pass
/// where the first one stopped. Returns the count left (0 when all were moved).
float carrier_passes(const State& st, int side, float count, const SlotTest& can_give, const SlotMove& give,
                     PassPlace place = {});

/// One unit from column `from` to column `to` of a carrier slot of an air unit table.
template <typename Units>
void move_unit(Units& u, int side, long slot, int from, int to) {
    u(side, slot, from) = static_cast<float>(static_cast<long double>(u(side, slot, from)) - 1);
    u(side, slot, to) = static_cast<float>(static_cast<long double>(u(side, slot, to)) + 1);
}

}  // namespace morva95s
