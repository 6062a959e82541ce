// Golden replay rows of MORVA95F's Allied raids on the player's fleet that a key script reaches
// while the Allies cannot yet find the fleet: the harbour raid's hours without a raid, each
// closed by the raid's one pause before the player's strikes.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// The harbour raid's hour 2 answered (its pause, then the fleet stays): hour 3 opens.
const std::string kHarbourRaidHour3 = kMorvaHarbourRaidHour2 + "a" + kMorvaStayHourBB;

const ReplayRows kRows{{
    // Hour 3 without a raid: the closing pause waits for its key over the last hour's screen.
    {"morva95f_raids_harbour_hour_pause", morva95f_program, kHarbourRaidHour3},
    // One key ends it: the hour goes on to its map and the battleship-detachment question.
    {"morva95f_raids_harbour_hour_after_pause", morva95f_program, kHarbourRaidHour3 + "a"},
}};

}  // namespace
}  // namespace golden_replays
