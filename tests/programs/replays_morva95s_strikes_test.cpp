// Golden replay rows of MORVA95S's strikes (phase 2 of an air sub-turn), every comment waiting
// for a key: a base strike through the base's fighters, its guns and the bombing; a fleet
// strike through the Allied patrol, the force's guns, both attacks and the claim; the harbour
// strike's list and final table; and escorts that reach the base alone.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// Scenario 1, turn 1, key mode: fleet 1 (翔鶴, 瑞鶴, battleship 長門) against the Philippines.
// Sub-turn 1 arms every torpedo bomber with bombs; sub-turn 2 raises two dive and two torpedo
// bombers beside the four fighters; sub-turn 3 (the base 9 away) launches a strike on the base,
// the only target while the enemy fleet is unfound, with the counts of fighters, dive and
// torpedo bombers `counts`, and declines the rest of its carrier questions; then the pause that
// opens sub-turn 4.
std::string base_strike_launched(const std::string& counts) {
    return "11NY5h" + std::string("113333333") + "13333333333" + "y7{ENTER}" + "xx" + "y0{ENTER}" + "n" + "x" + "n" +
           "y2{ENTER}2{ENTER}" + "nn" + "x" + "y" + "x" + counts + "nnnn" + "x";
}

// The single operation with 翔鶴, 瑞鶴 and 赤城 at the clock's second 8: sub-turn 1 arms the nine
// torpedo bombers with torpedoes; sub-turn 2 raises three dive and three torpedo bombers and
// arms the six left; sub-turns 3-5 hold the strike back (the enemy fleet unfound) and arm
// again; sub-turn 6, after the sighting, launches six fighters, three dive and three torpedo
// bombers at the Allied fleet, then raises more; the strike arrives in sub-turn 7 and meets the
// Allied patrol. After the pause that follows the guns: both attacks, an explosion with its
// fire, and the carrier claim.
const std::string kSimplifiedFleetStrike = simplified_single_operation("NY5h", "111") + "xnx" + "y9{ENTER}n" + "x" + "n" +
                                 "y3{ENTER}3{ENTER}" + "y6{ENTER}n" + times(3, "xnny6{ENTER}n") + "xx" + "y2" +
                                 "6{ENTER}3{ENTER}3{ENTER}" + "y5{ENTER}6{ENTER}n" + "x";

// The harbour strike (scenario 2, key mode): sub-turn 1 arms twelve torpedo bombers; sub-turn
// 2 raises five of each bomber type; sub-turn 3 launches the strike (twelve fighters, five dive
// and five torpedo bombers) and raises the rest; sub-turn 4 launches them as a second wave.
// The first wave reaches the harbour in sub-turn 5, before sub-turn 8: after the air combat's
// pause the harbour's own guns fire within the attack, and the table stands at the closing
// pause.
const std::string kSimplifiedHarbourStrike = "12NY5h" + std::string("xx") + "y12{ENTER}" + "n" + "x" + "n" + "y5{ENTER}5{ENTER}" +
                                   "n" + "x" + "y" + "x" + "12{ENTER}5{ENTER}5{ENTER}" + "y10{ENTER}11{ENTER}" + "n" +
                                   "x" + "y" + "x" + "10{ENTER}11{ENTER}" + "x";

const ReplayRows kMorva95sStrikesRows{{
    // Sub-turn 4's carrier questions declined; the strike reaches the base in sub-turn 5. The
    // closing pause: the composition, the base's nine fighters shared out and fought by dice,
    // its guns, the 250 kg hit and the report.
    {"morva95s_strikes_base_strike", morva95s_program, base_strike_launched("2{ENTER}2{ENTER}2{ENTER}") + "nnnn" + "x"},
    {"morva95s_strikes_fleet_strike", morva95s_program, kSimplifiedFleetStrike, 8},
    {"morva95s_strikes_harbour_turn", morva95s_program, kSimplifiedHarbourStrike},
    // Only two fighters go: they reach the base in sub-turn 5 unseen, without a pause, and the
    // sub-turn goes on to its launch question (the bombers are still on deck).
    {"morva95s_strikes_escorts_alone", morva95s_program,
     base_strike_launched("2{ENTER}0{ENTER}0{ENTER}") + "nnnnn" + "x"},
}};

}  // namespace
}  // namespace golden_replays
