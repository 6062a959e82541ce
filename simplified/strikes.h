// MORVA95S: the player's air strikes of phase 2 of an air sub-turn: the strike on the target
// base or the harbour, the strike on the Allied fleet, and what both share (the air combat by
// dice, the anti-aircraft fire, the return of the survivors). Every rule that draws is a
// routine that prints nothing: it takes a source of random fractions, changes the tables and
// returns what the screen shows, in draw order; the routine of the system's own name runs it
// on con::rnd and shows the result.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "campaign/harbour_raid.h"
#include "console/numbers.h"
#include "simplified/raid.h"
#include "simplified/state.h"

namespace morva95s {

/// The bombers' hit die from one draw: INT(draw x 6), 0-5.
con::real hit_die(const Draw& rnd);

// --- The air combat by dice (strike_air_combat.cpp) ---

/// The defending fighters shared out by INTERCEPTORS_APPROACH.
struct ShareOut {
    float ESCORT_ATTACKS = 0;   ///< defenders one escort unit takes on: 3, or 2 beyond 5
    std::array<float, 4> GE{};  ///< GE(1-3): against the escorts, dive, torpedo bombers
    float PATROL_UNITS = 0;     ///< the units shared out against the bombers
};
/// The share-out: up to ESCORT_ATTACKS defenders per escort unit against the escorts, then one
/// draw per remaining unit (above 7 in tenths against the dive bombers, else the torpedo
/// bombers).
ShareOut share_out(float patrol, float escorts, float distance, const Draw& rnd);

/// The escort combat's losses, both sides rolled at full strength.
struct EscortExchange {
    float UNITS_HIT = 0;      ///< escort units shot down, at most the escorts
    float UNITS_ENGAGED = 0;  ///< defending units shot down, at most all the defenders
};
/// ESCORT_COMBAT's rolls: a die per defender set against the escorts (die + attack above 6),
/// then escorts x ESCORT_ATTACKS rolls of the die + 3 (above 6).
EscortExchange escort_exchange(float escorts, const std::array<float, 4>& GE, float escort_attacks, float attack,
                               const Draw& rnd);
/// INTERCEPTOR_ATTACK's rolls against bomber type k (2 or 3): a die per defender, die + attack
/// above 7 - k shoots a unit down; capped at the bombers there are.
float bomber_losses(float defenders, float bombers, int type, float attack, const Draw& rnd);
/// The defenders' type offset (ENEMY_TYPE_OFFSET) at target base b: 4 at base 8, 5 at 20.
float defending_type_offset(float base);
/// The escorts' victims off a base's fighters aloft, stage 8 first, then 9, then 10.
void book_base_fighter_losses(State& st, float engaged);
/// The escorts' victims off the interceptors GE(1); an excess passes on to GE(2), then GE(3),
/// leaving the counts it passed through negative.
void book_interceptor_shares(std::array<float, 4>& GE, float engaged);

/// INTERCEPTORS_APPROACH: the approaching defenders on row 10 and their share-out into GE.
void INTERCEPTORS_APPROACH(State& st);
/// ESCORT_COMBAT: the caption on row 12 and the exchange into UNITS_HIT and UNITS_ENGAGED.
void ESCORT_COMBAT(State& st);
/// INTERCEPTOR_ATTACK: the defenders GE(2), GE(3) against the bombers, with the loss lines.
void INTERCEPTOR_ATTACK(State& st);

// --- The anti-aircraft fire (strike_anti_aircraft.cpp) ---

/// One fire's outcome.
struct AntiAircraftFire {
    std::array<float, 3> L{};  ///< L(1) dive-bomber, L(2) torpedo-bomber units shot down
    float dive_left = 0;       ///< KO(2) after the fire
    float torpedo_left = 0;    ///< KO(3) after the fire
};
/// TAIKU's rule: `shots` shots, each aimed by one draw at the strike as it stood before the
/// fire, then one die (a low shot) or one or two (a high shot); the kills capped per type.
AntiAircraftFire fire_at_strike(float shots, float dive, float torpedo, const Draw& rnd);
/// TAIKU: the heading, the fire at KO(2) and KO(3) with TT_AA_SHOTS shots, the two loss lines.
void TAIKU(State& st);
/// The shots of a base's anti-aircraft value: INT((v + 0.5) / 2).
float base_aa_shots(float value);
/// The shots of the harbour's anti-aircraft value: INT((v + 2) / 5 + 0.5).
float harbour_aa_shots(float value);
/// The shots of the Allied force's anti-aircraft points: INT((points + 1) / 2).
float fleet_aa_shots(float points);

// --- The return of the survivors (strike_return.cpp) ---

/// Which return columns a strike's survivors fly home from.
enum class StrikeKind { Base, Fleet };
/// APPLY_AIR_LOSSES: every afloat carrier's room per type (A columns 16-18): its air group less
/// the units it holds in the stage columns (fighter column 14 left out).
void APPLY_AIR_LOSSES(State& st);
/// The hand-back: six passes over the afloat carriers, one unit of each entry of KO per carrier
/// and pass while its room lasts, into the strike's first return columns.
void hand_back_survivors(State& st, StrikeKind kind);

// --- The bombing of a base (base_bombing.cpp) ---

/// What KOGEKI4 shows.
struct BaseBombing {
    long dive_hits = 0;      ///< 250 kg hits, in order after the dive bombers' heading
    long torpedo_hits = 0;   ///< 800 kg hits, after the torpedo bombers' heading
    bool destroyed = false;  ///< the base is destroyed (its holder now 0)
};
/// KOGEKI4's rule on the base AT(TT_FLEET): the hits on its strength and anti-aircraft value,
/// the Allied posture, the rounding of the strength and the capture.
BaseBombing bomb_base(State& st, const Draw& rnd);
/// KOGEKI4: the bombing of the target base, computed and shown.
void KOGEKI4(State& st);

// --- The harbour strike (harbour_strike.cpp) ---

/// The moored battleships' slots 1-8.
using morva::kMooredBattleships;
/// One thing KOGEKI5 shows, in order.
struct HarbourEvent {
    enum class Kind { Sweep, Hit } kind;
    long slot = 0;   ///< the hit's ship slot 1-8
    int colour = 0;  ///< the hit message's colour
};
/// The dive bombers' sweeps along the moored line: hits count on the harbour and wear its guns.
std::vector<HarbourEvent> harbour_dive_attack(State& st, const Draw& rnd);
/// The torpedo bombers' sweeps: each hit takes a point off the ship, every other one (by draw)
/// counts on the harbour.
std::vector<HarbourEvent> harbour_torpedo_attack(State& st, const Draw& rnd);
/// KOGEKI5: the list, the dive bombers, the harbour's fire, the torpedo bombers and the table.
void KOGEKI5(State& st);

// --- The attacks on the Allied ships (ship_attacks.cpp) ---

/// One thing KOGEKI2 or KOGEKI3 shows after its heading, in order.
struct AttackEvent {
    enum class Kind { BombHit, TorpedoHit, Explosion, FireSpreads } kind;
    int colour = 0;  ///< a hit message's colour
};
/// The slot INT(draw x n) + 1 of a list of n, with its further draw; drawn again while the
/// ship's durability is below 0 and that draw x 10 is above 2.
long choose_target_slot(long n, const std::function<float(long)>& durability, const Draw& rnd);
/// KOGEKI2's rule: the dive bombers' hits on the carriers, the explosions and the fires.
std::vector<AttackEvent> dive_bomber_attack(State& st, const Draw& rnd);
/// The arming split of the torpedo bombers left: the losses fall on the torpedo-armed first.
void split_torpedo_loads(State& st);
/// KOGEKI3's rule: the arming split, then the torpedo bombers' hits on the carriers (the
/// battleships once no carrier is afloat, never in the harbour turn).
std::vector<AttackEvent> torpedo_bomber_attack(State& st, const Draw& rnd);
/// Whether the torpedo bombers' targets are the carriers (else the battleships).
bool torpedo_bombers_take_carriers(const State& st, float fleet);
/// Whether the force facing `fleet` lists a ship of the kind each attack takes: carriers for
/// the dive bombers, and for the torpedo bombers the kind their target rule picks.
bool dive_bomber_targets_listed(const State& st, float fleet);
bool torpedo_bomber_targets_listed(const State& st, float fleet);
/// KOGEKI2: the dive-bomber attack, computed and shown.
void KOGEKI2(State& st);
/// KOGEKI3: the torpedo-bomber attack, computed and shown.
void KOGEKI3(State& st);

// --- The fleet strike (fleet_strike.cpp, fleet_claims.cpp) ---

/// PATROL_CEILING for the fighters of the Allied carriers able to launch.
float patrol_ceiling(float fighters);
/// The survey of the Allied carriers, every phase 2: the sums of the air groups able to
/// launch, R(1) and PATROL_CEILING.
void survey_allied_carriers(State& st);
/// The deck launch: up to the ceiling, one unit a slot in passes, into F column 8; returns
/// the interceptors (the patrol aloft and the units launched) into PATROL_UNITS.
void launch_allied_patrol(State& st);
/// The interceptors shot down by the escorts leave the Allied patrol, one a slot in passes.
void book_allied_patrol_losses(State& st, float engaged);
/// AA_POINTS: DF(1) and the anti-aircraft values of the force's ships afloat (its
/// battleships not in the harbour turn).
void count_allied_aa_points(State& st);

/// The claims and the Allied posture after a fleet strike, as drawn.
struct FleetClaims {
    bool battleship_claim_reached = false;  ///< the cursor and colour of row 21 were set
    bool battleship_claim_shown = false;
    float battleships_claimed = 0;
    bool carrier_claim_shown = false;  ///< some carrier below full durability
    float carriers_claimed = 0;
};
/// The fleet strike's closing stretch: the anti-aircraft fire, the attacks, CLC2, the return
/// of the survivors, the claims, the Allied posture and the closing pause.
void fleet_strike_attacks(State& st);
/// Steps 7-17 after the attacks: the battleship claim, the carrier count, the carrier claim
/// and the two withdrawal rules, each with its draws.
FleetClaims claim_results(State& st, const Draw& rnd);

}  // namespace morva95s
