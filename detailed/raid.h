// MORVA95F: the rules of the Allied raid on the player's fleet, computed apart from the screen:
// the raid's aircraft types, the patrol's altitude split and its allocation against the raid's
// parts, the air combat's strength and rolls, the fleet's anti-aircraft fire, the bomb and
// torpedo attacks and the fires aboard. Each rule takes its inputs and a source of random
// fractions and returns its result; the raid's blocks apply the results and print them.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "detailed/state.h"

namespace morva95f {

/// A source of random fractions in (0, 1); the raid's blocks pass con::rnd.
using Draw = std::function<float()>;

/// A raid part's four counts by `AIR_` kind (`W`, `DE`, `CB` and the anti-aircraft hits).
using PartCounts = std::array<float, 4>;

/// The aircraft types that a raid flies.
struct RaidTypes {
    float offset = 0;        ///< ENEMY_TYPE_OFFSET: 0 the US types, 4 the British ones
    float fighter_type = 4;  ///< RAID_FIGHTER_TYPE: the escorts' type 4, 8 or 9
    /// The type (row of `NX` and `Z`) of raid part k: the escorts, 4 + k + offset for the dive
    /// and torpedo bombers, 7 for the heavy bombers.
    float type_of(int k) const;
};

/// The raid's types: British against a fleet whose objective is base 8 or 20, US otherwise
/// and always in the single operation (scenario 6).
RaidTypes raid_types(float scenario, float objective);

/// The low group of n patrol fighters at the split c (1-7): INT(n x t / 10 + 0.6) with the
/// low tenths t of c (0, 2, 4, 5, 6, 8, 10); 0.6 is the 4-byte value, so .4 rounds up.
float low_share(float n, float split);

/// What the allocation of the patrol works from.
struct AllocationInput {
    PartCounts W{};       ///< the raid by part
    float earlier = 0;    ///< the fighters on patrol before the raid
    float scrambled = 0;  ///< the deck fighters sent up against it
    float split = 4;      ///< TT_FIGHTER_SPLIT, 1-7
};

/// The patrol's allocation: `DE`(k) the fighters set against part k, `CB`(k) of those the
/// fighters that count as already placed.
struct Allocation {
    PartCounts DE{};
    PartCounts CB{};
};

/// The allocation of the whole patrol (earlier + scrambled) against the escorts, dive, torpedo
/// and heavy bombers. `CB` holds the cells as they stand; a cell the rule does not write keeps
/// its value (it then belongs to a part without fighters). Draws only for the gaps of large
/// formations and for the heavy bombers.
Allocation allocate_patrol(const AllocationInput& in, PartCounts CB, const Draw& rnd);

/// Takes up to `wanted` aircraft one at a time in passes over carrier slots 1..slots: in each
/// pass `take_one(j)` moves one from slot j when it can (returning whether it did); the moving
/// stops the moment `wanted` have moved, and after a pass that moved nothing. Returns the
/// number moved.
long move_in_passes(long slots, long wanted, const std::function<bool(long)>& take_one);

/// The patrol's strength against a part: 2 for each of its `de` fighters and 1 more for each
/// of the `cb` already placed, at most `de` of them.
con::real patrol_strength(float de, float cb);

/// The patrol's fighters by part after `losses` to the escorts: taken from DE(0), its
/// shortfall from DE(1), then DE(2); a negative count stays.
PartCounts patrol_after_losses(PartCounts DE, float losses);

/// The patrol's losses leave the fighters in air combat of fleet FLEET_NO's carriers, one a
/// carrier in passes over the slots.
void take_patrol_losses(State& st, float losses);

/// The crew term: the player's fighters lost in air combat so far, counted in twenties.
con::real crew_term(float fighters_lost, float lost_without_combat);

/// The result of one exchange of the air combat, before the caps.
struct Exchange {
    float defender_losses = 0;  ///< the patrol's fighters shot down
    float attacker_losses = 0;  ///< the raid's aircraft shot down
};

/// The patrol against the escorts: one roll per escort fighter (of fighter quality `quality`),
/// then one per point of the patrol's `strength`.
Exchange escort_combat(float escorts, float quality, con::real strength, con::real q, const Draw& rnd);

/// The patrol against bombers of air-combat value `resistance`: one roll per strength point;
/// returns the bombers shot down (before the cap).
float bomber_combat(con::real strength, float resistance, con::real q, const Draw& rnd);

/// What the fleet's anti-aircraft fire works from.
struct FireInput {
    float points = 0;           ///< AA_POINTS
    PartCounts W{};             ///< the raid's bombers left
    float split = 4;            ///< TT_AA_SPLIT, 1-7
    float high_resistance = 0;  ///< the dive bombers' air-combat value
    float low_resistance = 0;   ///< the torpedo bombers' air-combat value
};

/// The anti-aircraft hits `X` per part (X(3) stays 0: heavy bombers are never hit), with the
/// survivors of large formations let through (torpedo bombers first). Not yet capped at `W`.
PartCounts anti_aircraft_fire(const FireInput& in, const Draw& rnd);

/// The hit threshold in thousandths for part k (1 dive, 2 torpedo, 3 heavy bombers) with
/// `count` aircraft of that part and the raid's type offset.
long hit_threshold(int k, float count, float offset);

/// A ship of the attacked list.
struct AttackTarget {
    float durability = 0;     ///< below 1 the ship is mostly passed over
    float armed_on_deck = 0;  ///< ARMED_ON_DECK of a carrier: its armed bombers on the deck
};

/// What the attacks work from.
struct AttackInput {
    std::vector<AttackTarget> targets;  ///< slots 1..n (entry 0 unused)
    bool carriers = true;               ///< carriers (else battleships) are the targets
    PartCounts W{};                     ///< the raid's bombers left
    float offset = 0;                   ///< ENEMY_TYPE_OFFSET
    float destroyers = 0;               ///< DF(DF_OWN_FLEET)
    float rearm = 0;                    ///< REARM_FLAG
};

/// One hit that shows, in the order the attacks made them.
struct AttackHit {
    long slot = 0;
    bool torpedo = false;    ///< "魚雷命中" (else "爆弾命中")
    bool explosion = false;  ///< an induced explosion followed ("誘爆発生")
};

/// The attacks' outcome.
struct AttackResult {
    std::vector<float> PE;         ///< the damage summed per slot (entry 0 unused)
    std::vector<float> deck_hits;  ///< flight-deck points lost per slot
    std::vector<AttackHit> hits;   ///< the hits that show, in order
    float destroyers = 0;          ///< the screening destroyers left
};

/// Every bomber left makes one attack, heavy bombers first, then torpedo and dive bombers,
/// dealt over the target list in slot order.
AttackResult resolve_attacks(const AttackInput& in, const Draw& rnd);

/// A carrier of the fleet as the fires see it.
struct CarrierAboard {
    float durability = 0;
    float fire = 0;          ///< A_FIRE
    float deck = 0;          ///< A_FLIGHT_DECK
    float away = 0;          ///< A_AIRCRAFT_AWAY
    float dive_deck = 0;     ///< dive bombers on the deck
    float torpedo_deck = 0;  ///< torpedo-armed torpedo bombers on the deck
    float bomb_deck = 0;     ///< bomb-armed torpedo bombers on the deck
};

/// The fires' outcome.
struct FireOutcome {
    std::vector<CarrierAboard> carriers;  ///< slots 1..n after the fires (entry 0 unused)
    std::vector<long> spreading;          ///< the slots whose fire spread ("進行"), in order
    float dive_lost = 0;                  ///< dive bombers burnt
    float torpedo_lost = 0;               ///< torpedo bombers burnt
};

/// The fire step: cycle after cycle, every burning carrier's fire is rolled, then each one
/// burns, until no carrier burns.
FireOutcome burn_fires(std::vector<CarrierAboard> carriers, float rearm, const Draw& rnd);

// Screens that several steps of the raid share.
/// The fleet's battleships in yellow from row 7: slot number (column 22), name (26) and
/// durability "/" full durability (32), each print ending its line.
void show_battleship_list(const State& st);
/// A part's report at the cursor, without its statement's end: "<name> nnn 機撃墜 残り nnn"
/// when some were shot down, else the name, `none_left` and the number left.
void report_shot_down(const std::string& name, float down, float left, std::string_view none_left);

}  // namespace morva95f
