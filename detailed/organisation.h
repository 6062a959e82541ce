// MORVA95F: the routines of the fleet organisation: HENSEI with its aircraft-loading dialogue,
// the target choice MOKUHYO and the single operation's Allied order of battle HENSEI2.
#pragma once
#include <array>

#include "detailed/state.h"

namespace morva95f {

/// HENSEI's fleet totals table, alive for one call: for fleets 1-2 the sum of the standard air
/// groups of the fleet's carriers, and the number of aircraft still to assign.
struct FleetTotals {
    con::Table<float, 3> total;       ///< total(f): the fleet's aircraft total
    con::Table<float, 3> unassigned;  ///< unassigned(f): still to assign in the loading dialogue
};

/// HENSEI: the fleet-organisation screen. Lists the Japanese ships that may sail, places each in
/// air fleet 1, 2 or standby, and leaves the lists C(0,f,.) and G(0,f,.), the counters E, the
/// standard sums V(t,f), the anti-aircraft sums V(f, V_AA_SUM) and the carriers' loaded groups
/// (A_LOADED_FIGHTERS to A_LOADED_TORPEDO_BOMBERS); with TT_CHOOSE_LOADS = 1 the
/// aircraft-loading dialogue follows.
void HENSEI(State& st);

/// The aircraft-loading dialogue at the end of HENSEI: the player sets each fleet's fighters and
/// dive bombers, the torpedo bombers fill the rest, and the numbers are spread over the carriers.
/// When the reserves cannot fill the fleets within the limits it asks nothing and leaves the
/// standard groups, which the caller's reserve check then refuses.
void load_aircraft_types(State& st, FleetTotals& totals);

/// Spreads n aircraft of type t (1-3) over the carriers of fleet f into their field
/// A_LOADED_FIGHTERS + t - 1: fighters and dive bombers by capacity, torpedo bombers into the
/// room left; slot 1 takes the remainder. No share falls below 0: slots m..2 get at most what
/// is still unassigned.
void spread_aircraft(State& st, int fleet, int type, float n);

/// Whether both fleets' totals (0 for a fleet without carriers) can be made up from the reserves
/// of the three types with at most INT(total / 2) aircraft of each type in a fleet.
bool loads_can_be_filled(const std::array<con::real, 2>& totals, const std::array<con::real, 3>& reserves);

/// MOKUHYO: the target base of each air fleet into AT(1) and AT(2) (0: the fleet stays home).
void MOKUHYO(State& st);

/// HENSEI2: the player picks the Allied ships of the single operation (at most 8 carriers and
/// 20 battleships) into C(1,1,.), G(1,1,.), CV(1,1) and BB(1,1).
void HENSEI2(State& st);

}  // namespace morva95f
