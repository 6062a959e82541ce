// Golden replay rows of MORVA95F's Allied raids on the player's fleet: the harbour raid's hours
// without a raid, each closed by the raid's one pause before the player's strikes, and a raid
// on a fleet without a patrol after the gun battle has shown it to the Allies.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// The harbour raid's hour 2 answered (its pause, the search flight's pause, the idle carriers,
// then the fleet stays): hour 3 opens.
const std::string kHarbourRaidHour3 =
    kMorvaHarbourRaidHour2 + morva_hour({.hour = 2, .pauses = Pauses::Keyed, .raid = "a", .detach = "n"});

// The single operation's gun battle fought out: as hour step 6 opens, an Allied strike reaches
// the fleet, 18 escorts and 17 dive bombers against 翔鶴 with no fighter aloft or on deck.
const std::string kRaidOnTheFleet = kMorvaGunBattle + "aaaaa" + morva_closing_sub_turns(6) + "+{ENTER}";

const ReplayRows kMorva95fRaidsRows{{
    // Hour 3 without a raid: the closing pause waits for its key over the last hour's screen.
    {"morva95f_raids_harbour_hour_pause", morva95f_program, kHarbourRaidHour3},
    // One key ends it; with the search flight's pause, the launch question and the idle
    // carriers answered the hour goes on to its map and the battleship-detachment question.
    {"morva95f_raids_harbour_hour_after_pause", morva95f_program,
     kHarbourRaidHour3 + morva_hour({.hour = 3, .pauses = Pauses::Keyed, .raid = "a", .move = ""})},
    // The warning, the raid's lines, "はいません" on row 21, no question: the arrival's pause.
    {"morva95f_raids_arrival_without_patrol", morva95f_program, kRaidOnTheFleet},
    // No air combat; the fleet's fire downs five dive bombers.
    {"morva95f_raids_anti_aircraft_fire", morva95f_program, kRaidOnTheFleet + "aa"},
    // The attack's heading, and a bomb hit beside 翔鶴 over "命中せず".
    {"morva95f_raids_bomb_hit", morva95f_program, kRaidOnTheFleet + "aaaaaa"},
    // The carrier's figures and the raid's closing pause.
    {"morva95f_raids_damage_list", morva95f_program, kRaidOnTheFleet + "aaaaaaaaa"},
    // One key after it: the player's strikes and the air phase (the splits kept, the search
    // flight's pause), then the morning phase's map with its damage list and launch question.
    {"morva95f_raids_after_the_raid", morva95f_program, kRaidOnTheFleet + "aaaaaaaaaa" + "nn" + "a"},
}};

}  // namespace
}  // namespace golden_replays
