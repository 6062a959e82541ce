// Golden replay rows of MORVA95S's Allied raid phase: a raid met by the combat air patrol
// through its prompts (refusals included), the air combat, the fire, the hits and their
// explosions, the report and the call-off question; and the call-off question of the harbour
// strike, asked from sub-turn 7 on whatever the contact, and never again once answered yes.
// Add rows at the end of the table.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

/// The harbour strike of scenario 2 up to sub-turn `last`'s call-off question: each sub-turn
/// declines its carrier question ("n"), which follows the call-off question of sub-turns 7-15;
/// the questions of sub-turns 7 to `last` - 1 are answered "N".
std::string harbour_strike_to(int last) {
    std::string keys = simplified_opening('2');
    for (int subturn = 1; subturn < last; ++subturn) keys += (subturn >= 7 ? kRaidNoCallOff : "") + "n";
    return keys;
}

// The single operation in key mode (a blank answers each pause) with 翔鶴 and 瑞鶴 against
// Rabaul, LEXINGTON and SARATOGA facing them; the operation's pause and no reinforced search;
// sub-turns 1 and 2 with every carrier question declined; in sub-turn 3 two fighter units go up
// as the combat air patrol and six dive bombers to the decks, where they stay. Sub-turn 4 opens
// with a raid: the launch question, with the patrol of 2 aloft and 2 fighters on deck.
const std::string kRaidArrival = "16NY5h" "11" + std::string(25, '3') + "y6{ENTER}" "11" + std::string(40, '2') + "y" +
                                 "20{ENTER}5{ENTER}{ENTER}3{ENTER}2{ENTER}" + " n" + " nn" + " nnnn" + " " +
                                 "y2{ENTER}" + "y6{ENTER}" + "nn";
// Refused at the launch question: above the deck, negative, fractional, empty (the line input's
// own message); then 2 go up.
const std::string kLaunchRefused = "3{ENTER}-1{ENTER}0.5{ENTER}{ENTER}";
const std::string kLaunched = kRaidArrival + kLaunchRefused + "2{ENTER}";
// The escorts (least 2 of the patrol of 4): 1 and 5 refused, 2 taken; the dive bombers (2 left):
// 3 refused.
const std::string kDiveBomberPrompt = kLaunched + "1{ENTER}5{ENTER}2{ENTER}" + "3{ENTER}";
// 1 against the dive bombers, 1 against the torpedo bombers: the air combat's pause.
const std::string kAirCombat = kDiveBomberPrompt + "1{ENTER}" + "1{ENTER}";
// The first raid hits nothing; the second, an hour later, sets off the decks' dive bombers.
const std::string kSecondRaidHit = kAirCombat + "   " + " nnn" + "  ";

const ReplayRows kMorva95sRaidsRows{{
    {"morva95s_raids_arrival", morva95s_program, kRaidArrival},
    // The question again at the same place; the typed texts stay until written over.
    {"morva95s_raids_launch_asked_again", morva95s_program, kRaidArrival + kLaunchRefused},
    {"morva95s_raids_escort_prompt", morva95s_program, kLaunched},
    {"morva95s_raids_dive_bomber_prompt", morva95s_program, kDiveBomberPrompt},
    // The patrol against the escorts (one downed) and the bombers, on the right.
    {"morva95s_raids_air_combat", morva95s_program, kAirCombat},
    // The fleet's anti-aircraft fire.
    {"morva95s_raids_fire", morva95s_program, kAirCombat + " "},
    // "敵の攻撃 !!" in red; no hit: the report in cyan, and a pause instead of the question.
    {"morva95s_raids_no_hit", morva95s_program, kAirCombat + "  "},
    // The second raid's first hit, on 翔鶴, held by its pause.
    {"morva95s_raids_bomb_hit", morva95s_program, kSecondRaidHit},
    // Explosions on both carriers, going on on 翔鶴; the report in yellow; the question in green.
    {"morva95s_raids_call_off_question", morva95s_program, kSecondRaidHit + "   "},
    // "Y": the next screen shows the damage.
    {"morva95s_raids_called_off", morva95s_program, kSecondRaidHit + "   " + "Y{ENTER}"},

    // Scenario 2's harbour strike: the question of sub-turn 7, in green at column 12, row 22.
    {"morva95s_raids_harbour_question", morva95s_program, harbour_strike_to(7)},
    // "N": asked again in sub-turn 8.
    {"morva95s_raids_harbour_asked_again", morva95s_program, harbour_strike_to(8)},
    // "N" in each of the sub-turns 7-15: turn 2 opens with the save question.
    {"morva95s_raids_harbour_declined", morva95s_program, harbour_strike_to(16)},
    // "Y" in sub-turn 7: never asked again (the carrier questions of sub-turns 7-15 follow);
    // turn 2 opens with the save question.
    {"morva95s_raids_harbour_called_off", morva95s_program, harbour_strike_to(7) + "Y{ENTER}" + std::string(9, 'n')},
}};

}  // namespace
}  // namespace golden_replays
