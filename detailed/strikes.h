// MORVA95F: the player's air strikes on an Allied base, the harbour and the Allied task forces:
// the air combat with the defending fighters, the anti-aircraft fire, the attacks and the
// report of each. Each attack is computed into a report (its messages in order, with the pause
// that follows each) by a routine that prints nothing; the routine of the system's own name
// computes it and then plays it on the screen.
#pragma once
#include <string>
#include <vector>

#include "detailed/state.h"

namespace morva95f {

// --- Reports ---

/// What follows a message of a strike report once it is on the screen.
enum class After {
    Nothing,
    ShortPause,    ///< MATU2
    Pause,         ///< MATU
    AirfieldWait,  ///< a tenth of TT_WAIT in ticks, also when the pauses wait for a key
    BusyPause,     ///< an empty-loop pause of TT_WAIT x 100 passes, also in key mode
};

/// One message of a strike report: a text at (column, row) in a colour (-1 keeps the colour in
/// force), with or without a line end, what follows it, and whether the bell sounds first.
struct StrikeLine {
    int column = 0;
    int row = 0;
    int colour = -1;
    std::string text;
    bool line_end = false;
    After after = After::Nothing;
    bool beep = false;
};

/// The messages of an attack in the order the screen shows them.
using StrikeReport = std::vector<StrikeLine>;

/// Shows a report: each message in turn, then what follows it (the pauses read TT_WAIT and
/// TT_COMMENT_KEY as they stand when they come).
void play(State& st, const StrikeReport& report);

// --- The air combat (strike_air_combat.cpp) ---

/// The losses of the escorts' exchange with the interceptors.
struct EscortLosses {
    float ATTACKER_LOSSES = 0;  ///< escorts shot down (at most KO(1))
    float DEFENDER_LOSSES = 0;  ///< interceptors shot down by the escorts (at most GE(1))
};

/// ENEMY_TYPE_OFFSET of the fighters that defend objective base b: the British types 8 and 9
/// at the British bases 8 and 20, type 4 elsewhere.
float interceptor_type_offset(float b);
/// INTERCEPTORS_APPROACH: shows the INTERCEPTOR_COUNT fighters coming and shares them into GE
/// (which the caller has cleared): three per escort against the escorts, the rest one draw each
/// between the dive bombers (3 in 10) and the torpedo bombers. Returns the interceptors not
/// set against the escorts.
float INTERCEPTORS_APPROACH(State& st, float INTERCEPTOR_COUNT);
/// ESCORT_COMBAT: the escorts KO(1) against the interceptors GE(1) of Allied fighter type
/// 4 + ENEMY_TYPE_OFFSET; both sides' losses are rolled from the strengths before either is
/// applied, and the caller applies them.
EscortLosses ESCORT_COMBAT(State& st);
/// INTERCEPTOR_ATTACK: the interceptors GE(2) and GE(3) of Allied fighter type
/// 4 + ENEMY_TYPE_OFFSET shoot down dive and torpedo bombers, taken off KO(2), KO(3) and
/// booked in VS.
void INTERCEPTOR_ATTACK(State& st);

// --- The anti-aircraft fire (strike_anti_aircraft.cpp) ---

/// The hits of one anti-aircraft fire, before they are shared into losses.
struct AntiAircraftHits {
    float high = 0;  ///< hits on the dive bombers and the bomb-armed torpedo bombers
    float low = 0;   ///< hits on the torpedo-armed torpedo bombers
};
/// The rules of TAIKU: TT_AA_SHOTS shots at the strike, the losses L(1), L(2) taken off KO(2),
/// KO(3) and booked in VS; in the harbour raid the special torpedoes and bombs carried fall with
/// the aircraft lost. Returns the report (its lines in colour 6).
StrikeReport anti_aircraft_fire(State& st);
/// TAIKU: the anti-aircraft fire at the strike, computed and shown.
void TAIKU(State& st);

// --- The attacks on a task force (strike_attacks.cpp) ---

/// Clears the damage sums PE(1)-PE(42) of the ship list an attack is about to strike.
void clear_damage_sums(State& st);
/// Re-splits KO(4) (torpedo-armed) and KO(5) (bomb-armed) over the KO(3) torpedo bombers left:
/// the losses before the attack are taken from the torpedo-armed first.
void split_torpedo_bomber_loads(State& st);
/// The rules of KOGEKI2: the dive bombers KO(2) against task force TT_TARGET_TF, the damage
/// and the fires that follow; returns the report.
StrikeReport dive_bomber_attack(State& st);
/// KOGEKI2: the dive-bomber attack on a task force, computed and shown.
void KOGEKI2(State& st);
/// The rules of KOGEKI3: the torpedo bombers KO(3) against task force TT_TARGET_TF (its
/// carriers, or its battleships once no carrier of it is afloat), the damage and the fires.
StrikeReport torpedo_bomber_attack(State& st);
/// KOGEKI3: the torpedo-bomber attack on a task force, computed and shown.
void KOGEKI3(State& st);
/// CLC2 on the detailed game's tables: the Allied force's durability made whole again.
void CLC2(State& st);

// --- The fleet strike (fleet_strike.cpp) ---

/// The most Allied fighters that may meet a group, by the standard fighters of the task
/// force's operational carriers.
float patrol_ceiling(float ALLIED_FIGHTER_SUM);
/// The heading home of a group that struck the task force at bearing `bearing` from the fleet.
float return_heading(float bearing);

// --- The base strike and the harbour raid (base_strike.cpp, harbour_raid.cpp) ---

/// Turns home the base-strike groups at the target: the aircraft that came through (KO(1)-KO(3),
/// then cleared) fly home in the earliest of them, added to the fighters it kept; the others
/// keep the fighters IDO3 left them, with no bombers.
void return_base_strike(State& st);
/// The rules of KOGEKI4: the dive and torpedo bombers against the objective base, its strength
/// and air defence, the Allied posture and the report of what is left.
StrikeReport base_attack(State& st);
/// KOGEKI4: the attack on the objective base, computed and shown.
void KOGEKI4(State& st);
/// The rules of KOGEKI5: strafing, dive bombing, torpedoes and level bombing in the harbour by
/// the attack phase TT_HARBOUR_STRIKE, and the damage to the moored battleships.
StrikeReport harbour_attack(State& st);
/// KOGEKI5: the attack in the harbour, computed and shown.
void KOGEKI5(State& st);
/// HYOJI4: the harbour raid's surprise is lost: the message, and the battleships, out at sea,
/// join the carriers' task forces.
void HYOJI4(State& st);

}  // namespace morva95f
