// MORVA95S: the rules of the Allied raid on the player's fleet, computed apart from the screen:
// the raid's aircraft types, the least patrol against the escorts, the dice of the air combat
// and the patrol's losses, the fleet's anti-aircraft fire, the bombers' attacks on the ships,
// the induced explosions and the rounding of the damage. Each rule takes its inputs and a
// source of random fractions and returns its result; the raid's blocks apply and print it.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "console/numbers.h"
#include "simplified/state.h"

namespace morva95s {

/// A source of random fractions in [0, 1); the raid's blocks pass con::rnd.
using Draw = std::function<float()>;

/// A six-sided die from one draw: INT(draw x 6) + 1.
con::real die(const Draw& rnd);

/// The raid's parts, the rows of `W`, `DE` and `CB`.
inline constexpr int RAID_ESCORTS = 0;
inline constexpr int RAID_DIVE = 1;
inline constexpr int RAID_TORPEDO = 2;
inline constexpr int RAID_HEAVY = 3;

/// Four counts by raid part (`W`, `DE`, `CB`).
using PartCounts = std::array<float, 4>;

/// The aircraft types a raid flies, fixed for the whole phase by the fleet's target base alone.
struct RaidTypes {
    float enemy_offset = 0;   ///< ENEMY_TYPE_OFFSET: the bombers' types 5 + it and 6 + it
    float escort_offset = 0;  ///< ESCORT_TYPE_OFFSET: the fighters' type 4 + it
    /// The type (row of `NN` and `Z`) of raid part i: the escorts 4 + the escort offset, the
    /// dive and torpedo bombers 4 + i + the enemy offset, the heavy bombers always 7.
    float type_of(int part) const;
};

/// The raid's types against a fleet whose target is `base`: at base 8 every fighter is a
/// HURRICANE, at base 20 a SPITFIRE; at both the dive bombers are SPITFIREs and the torpedo
/// bombers ALBACOREs; elsewhere the US types.
RaidTypes raid_types(float base);

/// The least number of patrol units whose attacks reach `escorts`, the `aloft` units (3 attacks
/// each) counted before the launched ones (2 each); at least 1.
float least_number(float escorts, float aloft);

/// The patrol's dice against a raid part: 3 for each of its `de` units up to `cb`, 2 for each
/// further one; none when `de` is 0 or less.
con::real patrol_dice(float de, float cb);

/// What the combat against the escort fighters works from.
struct EscortInput {
    float escorts = 0;   ///< W(0)
    float attack = 0;    ///< the escort type's attack value, Z(type, 2)
    float defence = 0;   ///< the escort type's defence value, Z(type, 1)
    con::real dice = 0;  ///< the patrol's dice against them
    float loss_cap = 0;  ///< DE(0) + DE(1) + DE(2): the patrol units that can be lost
};

/// The escort combat's outcome, capped.
struct EscortCombat {
    float losses = 0;  ///< the patrol units downed
    float downed = 0;  ///< the escort units downed
};

/// The escort combat: the escorts roll first, one die a unit (die + attack 7 or more downs a
/// patrol unit), then the patrol its dice (die + 3 at least the defence downs an escort); both
/// fire with the numbers they had before it.
EscortCombat escort_combat(const EscortInput& in, const Draw& rnd);

/// `DE` after the patrol's losses: taken from DE(0), its shortfall from DE(1), that one's from
/// DE(2); DE(0) and DE(1) may stay below 0.
PartCounts patrol_after_losses(PartCounts DE, float losses);

/// The patrol against bombers of defence `defence`: `dice` dice, each die + 3 at least the
/// defence downs a unit; capped at the `units` there are.
float bomber_combat(con::real dice, float defence, float units, const Draw& rnd);

/// AA_POINTS: DF(0) and the anti-aircraft values of the operating fleet's carriers and
/// battleships afloat, halved upwards.
float anti_aircraft_points(const State& st);

/// What the fleet's anti-aircraft fire works from.
struct FireInput {
    float points = 0;           ///< AA_POINTS, the shots
    float dive = 0;             ///< W(1)
    float torpedo = 0;          ///< W(2)
    float dive_defence = 0;     ///< Z(5 + ENEMY_TYPE_OFFSET, 1)
    float torpedo_defence = 0;  ///< Z(6 + ENEMY_TYPE_OFFSET, 1)
};

/// The fire's kills `X`: X[1] dive and X[2] torpedo bomber units, capped at W (X[0] unused).
/// Each shot is aimed at the dive bombers unless, with torpedo bombers present, its draw turns
/// it on them; one die against the target's defence decides it.
std::array<float, 3> anti_aircraft_fire(const FireInput& in, const Draw& rnd);

/// A ship of the attacked list, with a carrier's fire and the armed units on its deck.
struct ShipUnderAttack {
    float durability = 0;  ///< A_DURABILITY
    float deck = 0;        ///< A_FLIGHT_DECK (carriers)
    float fire = 0;        ///< A_FIRE (carriers)
    float dive = 0;        ///< dive bombers on deck, D(0, slot, 3)
    float torpedo = 0;     ///< torpedo-armed torpedo bombers on deck, T(0, slot, 4)
    float bomb = 0;        ///< bomb-armed torpedo bombers on deck, T(0, slot, 5)
};

/// DECK_ARMED_VALUE: twice the armed units on a carrier's deck.
con::real deck_armed_value(const ShipUnderAttack& s);

/// What the attacks on the ships work from.
struct HitsInput {
    std::vector<ShipUnderAttack> ships;  ///< the target list, slots 1..n (entry 0 unused)
    bool carriers = true;                ///< the carriers (else the battleships) are the targets
    float dive = 0;                      ///< W(1)
    float torpedo = 0;                   ///< W(2)
    float heavy = 0;                     ///< W(3)
    float dive_hit = 0;                  ///< Z(5 + ENEMY_TYPE_OFFSET, 2)
    float torpedo_hit = 0;               ///< Z(6 + ENEMY_TYPE_OFFSET, 2)
    float fleet_aa = 0;                  ///< DF(0)
    float rearm = 0;                     ///< REARM_FLAG
};

/// What the attacks show, in the order they happen.
struct RaidEvent {
    enum class Kind { BombHit, TorpedoHit, Explosion };
    Kind kind;
    long slot;
};

/// The attacks' outcome.
struct HitsResult {
    std::vector<ShipUnderAttack> ships;  ///< the target list after the attacks
    std::vector<RaidEvent> events;       ///< the hits and induced explosions, in order
    float fleet_aa = 0;                  ///< DF(0) after the attacks
};

/// Every bomber unit left attacks one ship, heavy bombers first, then torpedo and dive
/// bombers, each type dealt over the list from slot 1 in turn; a ship below durability 1 is
/// passed over unless its draw is 1 or less.
HitsResult resolve_hits(const HitsInput& in, const Draw& rnd);

/// The explosions' outcome.
struct ExplosionsResult {
    std::vector<ShipUnderAttack> carriers;  ///< the carriers after the burns
    std::vector<long> spreading;            ///< the slots whose explosions went on, in order
};

/// The induced explosions run their course: sweep after sweep, every carrier whose explosions
/// go on is tested against the armed units left on its deck, then each carrier on fire burns
/// (2 durability, 2 flight deck and one armed unit), until a sweep burns nothing.
ExplosionsResult run_explosions(std::vector<ShipUnderAttack> carriers, float rearm, const Draw& rnd);

// The steps of RAID_HITS on the state (raid_damage.cpp).
/// The attacked list of the operating fleet, slots 1..n (entry 0 unused): its carriers with
/// their fire and decks, or its battleships.
std::vector<ShipUnderAttack> attacked_ships(const State& st, bool carriers);
/// Writes the attacked list back: durability, and a carrier's flight deck, fire and deck units.
void apply_to_ships(State& st, bool carriers, const std::vector<ShipUnderAttack>& ships);
/// The explosions on the fleet's carriers, "進行" in red with a pause for every one that goes on.
void explosions(State& st);
/// The carriers' durability rounded (a carrier sunk loses its flight deck) and their report in
/// the colour of their state; UNDAMAGED_CARRIERS counted.
void carrier_report(State& st);
/// The battleships' durability rounded and reported, in the colour in force.
void battleship_report(State& st);

/// A part's line of downed units at (48, row): "<name> <downed>ユニット撃墜 残り <left>".
void show_downed(int row, const std::string& name, float downed, float left);

/// The column of `Q` that the raid's base units return to: the far stage 5 when
/// `base_distance` is above 5, else 6.
int base_return_column(float base_distance);

}  // namespace morva95s
