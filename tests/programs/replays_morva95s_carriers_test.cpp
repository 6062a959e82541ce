// Golden replay rows of MORVA95S's carrier phases (phases 4-7 of an air sub-turn): the harbour
// strike's first deck standby question, and a day of scenario 1 in which fleet 1 arms, raises,
// launches a strike and a patrol and shelters, with refused counts and ignored keys.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// Scenario 1, turn 1: carriers 7 and 8 with battleship 24 in fleet 1 (everything else stays),
// target base 7. Sub-turn 1 raises the four fighters unasked.
const std::string kFleetOne = simplified_opening('1') + "113333333" "13333333333" + "y7{ENTER}";
// Sub-turn 1: four torpedo bombers torpedo-armed (the other two bomb-armed), two fighters back
// to the hangar.
const std::string kArmedAndSheltered = kFleetOne + "y4{ENTER}" + "y2{ENTER}";
// Sub-turn 2: a patrol of one fighter; two dive bombers and three torpedo bombers raised, one
// of them torpedo-armed; the arming and the shelter declined.
const std::string kRaised = kArmedAndSheltered + "y1{ENTER}" + "y0{ENTER}2{ENTER}3{ENTER}";
// Sub-turn 3, the target base 9 away: the strike launched (on the base, the only target while
// the enemy fleet is unfound): its first count question, the fighters'.
const std::string kStrikeAsked = kRaised + "1{ENTER}" + "nn" + "y";

const ReplayRows kMorva95sCarriersRows{{
    {"morva95s_carriers_harbour_deck_standby", morva95s_program, simplified_opening('2')},
    {"morva95s_carriers_arming_question", morva95s_program, kFleetOne},
    {"morva95s_carriers_arming_ignored_keys", morva95s_program, kFleetOne + "x{ENTER}7"},
    {"morva95s_carriers_shelter_question", morva95s_program, kFleetOne + "y4{ENTER}"},
    {"morva95s_carriers_patrol_question", morva95s_program, kArmedAndSheltered},
    {"morva95s_carriers_torpedo_share", morva95s_program, kRaised},
    {"morva95s_carriers_strike_count", morva95s_program, kStrikeAsked},
    {"morva95s_carriers_refused_counts", morva95s_program, kStrikeAsked + "3{ENTER}-1{ENTER}1.5{ENTER}"},
    // The last deck fighter, two dive bombers and the two bomb-armed torpedo bombers go; the
    // deck standby and arming declined; the shelter's torpedo-bomber question.
    {"morva95s_carriers_day_shelter", morva95s_program, kStrikeAsked + "1{ENTER}2{ENTER}2{ENTER}" + "nny"},
}};

}  // namespace
}  // namespace golden_replays
