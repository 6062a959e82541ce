// Golden replay rows of MORVA95F's air war between the fleets, played through the deck
// dialogues: an Allied raid met by a combat air patrol and a scramble (the warning, the raid's
// lines, the allocation, the air combat, the anti-aircraft fire, the hit marks, the carriers'
// damage list and the one closing pause), a raid whose bombers all fall to the patrol (no
// closing pause), and the player's strikes: the harbour raid of scenario 2 with its surprise
// kept and lost, a strike on a defended base, and a fleet strike with its claims and landing.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// --- Allied raids on the fleet ---

// 17 fighters scrambled: the patrol of 20 is allocated, and the raid's pauses follow.
const std::string kScrambled = kMorvaRaidOnThePatrol + "17{ENTER}";

// From hour step 5 on (timed): 3 fighters scrambled against each raid and 3 more sent on
// patrol each hour, with 2 and then 4 fighters spotted; hour step 8 opens, in key mode, with a
// raid of one F4F, 2 SBD and 8 TBD on a patrol of 8 fighters, 3 more scrambled: the allocation
// sets the patrol against all three, the air combat downs every bomber.
const std::string kBombersAllDown =
    kMorvaPatrolAloft + morva_hour({.hour = 5, .raid = "3{ENTER}", .deck = "ny3{ENTER}nnn", .detach = "n"}) +
    morva_hour({.hour = 6, .raid = "3{ENTER}", .deck = "ny3{ENTER}y2{ENTER}0{ENTER}0{ENTER}nn", .detach = "n"}) +
    morva_hour({.hour = 7,
                .pauses = Pauses::KeyedFromSearch,
                .raid = "3{ENTER}",
                .deck = "ny3{ENTER}y4{ENTER}0{ENTER}0{ENTER}nn",
                .detach = "n"}) +
    "3{ENTER}aa";

// --- The player's strikes ---

// The harbour raid (scenario 2, key mode) from the north at full speed: hour step 1 arms 40
// torpedo bombers with torpedoes; hour step 2 spots 30 fighters, 60 dive and 60 torpedo bombers
// (30 torpedo-armed); hour step 3 launches a base strike of 18 fighters, 54 dive and 40 torpedo
// bombers (20 torpedo-armed) and puts 8 fighters on patrol, and after the pause that halves the
// fleet's move while the strike takes off the fleet goes on; hour step 4 leaves the decks idle
// and the fleet stays. Hour step 5's raid pause (no raid) is answered: the strike reaches the
// harbour.
const std::string kHarbourStrike =
    "9n2h" + kMorvaDayQuestions + "0{ENTER}" +
    morva_hour({.hour = 1, .pauses = Pauses::Keyed, .deck = "ay40{ENTER}", .detach = "n", .move = "{ENTER}{ENTER}"}) +
    morva_hour({.hour = 2,
                .pauses = Pauses::Keyed,
                .raid = "a",
                .deck = "ay30{ENTER}60{ENTER}60{ENTER}30{ENTER}nn",
                .detach = "n",
                .move = "{ENTER}{ENTER}"}) +
    morva_hour({.hour = 3,
                .pauses = Pauses::Keyed,
                .raid = "a",
                .deck = "ya18{ENTER}54{ENTER}40{ENTER}20{ENTER}ny8{ENTER}nnn",
                .detach = "n",
                .move = "a{ENTER}{ENTER}"}) +
    morva_hour({.hour = 4, .pauses = Pauses::Keyed, .raid = "a", .deck = "nnnnn", .detach = "n"}) + "a";
// At this clock second the surprise is lost as the strike arrives.
constexpr int kSurpriseLostSeconds = 2;

// Scenario 1: fleet 1 (翔鶴, 瑞鶴) closes on the Philippines (base 7) from bearing 45 at full
// speed: hour step 1 arms no torpedo bomber with a torpedo (all take bombs), hour step 2 spots
// 18 fighters, 27 dive and 27 torpedo bombers, hour step 3 launches them all at the base (the
// only target: its pause) and the fleet stays after the pause that halves its move; hour step 4
// turns to key mode. The strike reaches the base in hour step 5 and meets its fighters.
const std::string kBaseStrike =
    kMorvaDeployment + "45{ENTER}" +
    morva_hour({.hour = 1, .deck = "y0{ENTER}", .detach = "n", .move = "{ENTER}{ENTER}"}) +
    morva_hour({.hour = 2, .deck = "y18{ENTER}27{ENTER}27{ENTER}nn", .detach = "n", .move = "{ENTER}{ENTER}"}) +
    morva_hour({.hour = 3, .deck = "y18{ENTER}27{ENTER}27{ENTER}nn", .detach = "n"}) +
    morva_hour({.hour = 4, .pauses = Pauses::KeyedFromSearch, .detach = "n"});

// The single operation with 翔鶴, 瑞鶴, 赤城, 加賀 and 大和: in hour step 1 a search plane flies on
// heading 345 and 54 torpedo bombers are armed with torpedoes; hour step 2 spots 27 fighters, 60
// dive bombers and 52 torpedo bombers (all torpedo-armed). In hour step 3 (key mode) the search
// plane has found task force 1, 75 nautical miles away on bearing 24: the whole deck strikes it,
// and the fleet stays after the pause that halves its move. The strike reaches the task force
// in hour step 4.
const std::string kFleetStrike =
    morva_practice_operation("1111" + std::string(11, '3') + "1" + std::string(11, '3')) +
    morva_hour({.hour = 1,
                .search = "y1{ENTER}345{ENTER}",
                .deck = "y54{ENTER}",
                .detach = "y",
                .move = "337{ENTER}{ENTER}"}) +
    morva_hour(
        {.hour = 2, .deck = "y27{ENTER}60{ENTER}52{ENTER}52{ENTER}nn", .detach = "y", .move = "3{ENTER}{ENTER}"}) +
    morva_hour({.hour = 3,
                .pauses = Pauses::KeyedFromSearch,
                .deck = "y224{ENTER}27{ENTER}60{ENTER}52{ENTER}ann",
                .detach = "n",
                .move = "a" + kMorvaStay});
// After the claims' pause: timed pauses again (F1 5 at the search flight's pause), hour step 4
// idle, and hour step 5 up to its spotting question, whose hangar counts hold the landed strike.
const std::string kFleetStrikeLanded =
    kFleetStrike + "aa" + kMorvaTimedMode + "a" + morva_hour({.hour = 4, .detach = "n"}) + morva_to_deck({.hour = 5});

const ReplayRows kFAirRows{{
    // A raid met by a patrol and a scramble: the warning, the raid's lines, the patrol of 3
    // (high 1, low 2) and the scramble question over the 27 fighters on deck.
    {"morva95f_air_raid_scramble_question", morva95f_program, kMorvaRaidOnThePatrol, kMorvaRaidSeconds},
    // A malformed answer and Enter alone are each refused by the line input, which reads again
    // in place: the question, the patrol and the deck line stand as before.
    {"morva95f_air_raid_scramble_refused", morva95f_program, kMorvaRaidOnThePatrol + "abc{ENTER}{ENTER}",
     kMorvaRaidSeconds},
    // The patrol of 20 is allocated: 14 against the F4F, 6 against the SBD.
    {"morva95f_air_raid_allocation", morva95f_program, kScrambled + "a", kMorvaRaidSeconds},
    // The air combat: the escorts' and the patrol's losses, 6 SBD shot down.
    {"morva95f_air_raid_air_combat", morva95f_program, kScrambled + "aa", kMorvaRaidSeconds},
    // The fleet's fire: 5 SBD down, the B-17 untouched.
    {"morva95f_air_raid_anti_aircraft", morva95f_program, kScrambled + "aaa", kMorvaRaidSeconds},
    // The attack: bomb hits on 翔鶴 and 瑞鶴, "命中せず" beside the sunk 龍驤.
    {"morva95f_air_raid_hit_marks", morva95f_program, kScrambled + "aaaaaaaa", kMorvaRaidSeconds},
    // The damage list and the raid's one closing pause: 翔鶴 unhurt (cyan), 瑞鶴 damaged with its
    // induced explosion (yellow), 龍驤 sunk (red).
    {"morva95f_air_raid_damage_list", morva95f_program, kScrambled + "aaaaaaaaaa", kMorvaRaidSeconds},
    // One key later the hour goes on to its air-defence questions.
    {"morva95f_air_raid_after_closing_pause", morva95f_program, kScrambled + "aaaaaaaaaaa", kMorvaRaidSeconds},
    // Every bomber falls to the patrol: the air combat's report and its pause.
    {"morva95f_air_raid_bombers_all_down", morva95f_program, kBombersAllDown, kMorvaRaidSeconds},
    // Outside the harbour raid no closing pause follows: the search flight's pause over the map.
    {"morva95f_air_raid_bombers_all_down_no_pause", morva95f_program, kBombersAllDown + "a", kMorvaRaidSeconds},
    // The harbour raid with its surprise kept: no fighters, no guns; the moored battleships'
    // figures after the strike, the port and airfield hits.
    {"morva95f_air_harbour_surprise_kept", morva95f_program, kHarbourStrike},
    // The surprise lost: the approach line's pause, the message that the fleet has sailed, the
    // harbour's fighters against the strike, its guns, and the port hits alone.
    {"morva95f_air_harbour_surprise_lost_approach", morva95f_program, kHarbourStrike, kSurpriseLostSeconds},
    {"morva95f_air_harbour_surprise_lost", morva95f_program, kHarbourStrike + "a", kSurpriseLostSeconds},
    {"morva95f_air_harbour_surprise_lost_interceptors", morva95f_program, kHarbourStrike + "aa", kSurpriseLostSeconds},
    {"morva95f_air_harbour_surprise_lost_anti_aircraft", morva95f_program, kHarbourStrike + "aaa",
     kSurpriseLostSeconds},
    {"morva95f_air_harbour_surprise_lost_attack", morva95f_program, kHarbourStrike + "aaaa", kSurpriseLostSeconds},
    // The defended base: its 85 fighters against the strike, its guns, and the attack with the
    // base's strength left.
    {"morva95f_air_base_interceptors", morva95f_program, kBaseStrike},
    {"morva95f_air_base_anti_aircraft", morva95f_program, kBaseStrike + "a"},
    {"morva95f_air_base_attack", morva95f_program, kBaseStrike + "aa"},
    // The fleet strike: its rows, 18 F4F rising, the escorts' combat and the task force's guns.
    {"morva95f_air_fleet_strike_interception", morva95f_program, kFleetStrike},
    // The attacks and the claims of a battleship and two carriers.
    {"morva95f_air_fleet_strike_claims", morva95f_program, kFleetStrike + "a"},
    // The landing: the spotting question of hour step 5 counts the strike back in the hangars.
    {"morva95f_air_fleet_strike_landing", morva95f_program, kFleetStrikeLanded},
}};

}  // namespace
}  // namespace golden_replays
