// Golden replay rows of MORVA95S's Allied raid phase: the call-off question of the harbour
// strike, asked from sub-turn 7 on whatever the contact, and never again once answered yes.
// Add rows at the end of the table.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

/// `n` answers "N" at the harbour strike's call-off question.
std::string declined(int n) {
    std::string keys;
    for (int i = 0; i < n; ++i) keys += "N{ENTER}";
    return keys;
}

const ReplayRows kRows{{
    // Scenario 2's harbour strike: the question of sub-turn 7, in green at column 12, row 22.
    {"morva95s_raids_harbour_question", morva95s_program, simplified_opening('2')},
    // "N": asked again in sub-turn 8.
    {"morva95s_raids_harbour_asked_again", morva95s_program, simplified_opening('2') + declined(1)},
    // "N" in each of the sub-turns 7-15: turn 2 opens with the save question.
    {"morva95s_raids_harbour_declined", morva95s_program, simplified_opening('2') + declined(9)},
    // "Y" in sub-turn 7: never asked again; turn 2 opens with the save question.
    {"morva95s_raids_harbour_called_off", morva95s_program, simplified_opening('2') + "Y{ENTER}"},
}};

}  // namespace
}  // namespace golden_replays
