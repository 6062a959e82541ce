// Golden replay rows of MORVA95S's operations: the announcement, the search and its sighting
// report, the movement menu, the end of an operation and of its turn, and the gun battle of the
// battleship-only scenario. Add rows at the end of the table.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// Turn 1 of scenario 1 with two targets (fleet 1 to the Philippines, fleet 2 to Rabaul), each
// comment waiting for a key.
const std::string kCampaignKeyMode = std::string("11NY5h") +
                                     "112333333"
                                     "12"
                                     "33333333" +
                                     "y7{ENTER}6{ENTER}";
// The battleship-only scenario (7): 長門 and 陸奥 against the twenty Allied battleships that
// join; `options` are the three play options.
std::string battleship_battle(const std::string& options) {
    return "17" + options + "3311" + std::string(8, '3') + "y" + std::string(20, '1') + "y";
}

const ReplayRows kMorva95sOperationsRows{{
    // The harbour strike in key mode stops at its announcement.
    {"morva95s_operation_announcement", morva95s_program, "12nY1h"},
    // With the player's own orders, the movement menu of sub-turn 1, before contact (the deck
    // standby question declined).
    {"morva95s_movement_menu", morva95s_program, "12Yn1hn"},
    // The single operation: the player's search finds the Allied carriers in sub-turn 9; the
    // report stands over the screen of that sub-turn's raid. "n" answers each pause and
    // declines each carrier question; each raid declines the emergency launch, and a blank
    // answers each of its pauses.
    {"morva95s_sighting_report", morva95s_program,
     simplified_single_operation("NY5h") + " n" + times(13, "n") + kRaidNoLaunch + times(4, " ") + times(5, "n") +
         kRaidNoLaunch + times(5, " ") + times(5, "n") + kRaidNoLaunch + times(5, " ") + times(3, "n") +
         kRaidNoLaunch + times(5, " ")},
    // Orders 1-15 once the enemy fleet is found (each sub-turn's carrier questions declined,
    // and the emergency launch of each raid).
    {"morva95s_movement_menu_after_contact", morva95s_program,
     simplified_single_operation("Yn5h") + "n" + "nn" + times(2, "1{ENTER}nnnn") + times(2, "1{ENTER}" + kRaidNoLaunch + "nnnn") +
         "1{ENTER}" + kRaidNoLaunch},
    // The single operation's only day ends with 翔鶴 sunk by the raids; the operation fails.
    {"morva95s_single_operation_end", morva95s_program,
     simplified_single_operation("NY5h") + " n" + times(13, "n") + kRaidNoLaunch + times(4, " ") + times(5, "n") +
         kRaidNoLaunch + times(5, " ") + times(5, "n") + kRaidNoLaunch + times(5, " ") + times(3, "n") +
         kRaidNoLaunch + times(6, " ") + "n" + times(5, " ") + times(2, "n") + times(3, " ") + "n" + times(3, " ") +
         "n" + times(4, " ") + times(2, "n")},
    // A campaign turn: fleet 1's three days end in its operation's close.
    {"morva95s_campaign_operation_end", morva95s_program,
     kCampaignKeyMode + times(54, "n") + kRaidNoLaunch + times(10, " ") + kRaidNoCallOff + "n" + kRaidNoLaunch +
         times(2, " ") + kRaidNoCallOff + times(53, "n") + kRaidNoLaunch + times(3, " ") + kRaidNoCallOff +
         times(5, "n") + kRaidNoLaunch + times(3, " ") + kRaidNoCallOff + times(5, "n") + kRaidNoLaunch +
         times(4, " ") + kRaidNoCallOff + times(5, "n") + kRaidNoLaunch + times(3, " ") + kRaidNoCallOff +
         times(10, "n") + kRaidNoLaunch + " " + times(5, "n") + kRaidNoLaunch + times(3, " ") + kRaidNoCallOff +
         times(53, "n") + kRaidNoLaunch + times(3, " ") + kRaidNoCallOff + times(5, "n") + kRaidNoLaunch +
         times(3, " ") + kRaidNoCallOff + times(15, "n") + kRaidNoLaunch + " " + times(5, "n")},
    // Both operations of the turn end, the turn ends, and turn 2 opens with the save question.
    {"morva95s_campaign_turn_end", morva95s_program,
     simplified_opening('1') +
         "112333333"
         "12"
         "33333333" +
         "y7{ENTER}6{ENTER}" + kSimplifiedDeclinedCarriers},
    // The battleship-only battle with the player's orders: the first question.
    {"morva95s_gun_battle_order", morva95s_program, battleship_battle("Yn5") + "x"},
    // The same in key mode, closing each gun sub-turn: the hits of the fifth, before the damage.
    {"morva95s_gun_battle_hits", morva95s_program, battleship_battle("YY5") + times(5, "  +{ENTER}")},
    // The battle ends when a line has no battleship afloat; the program idles.
    {"morva95s_battleship_battle_end", morva95s_program, battleship_battle("Nn5")},
}};

}  // namespace
}  // namespace golden_replays
