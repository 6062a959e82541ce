// Golden replay rows of MORVA95F's search: the day's reinforcement and air-defence splits, the
// player's launch dialogue, a search plane finding, reporting and shadowing a task force, an
// Allied search plane seen by the fleet, the Allied overview during a search, and the Allied
// side finding the fleet, launching a strike, flying it out to the fleet and home.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// The single operation in practice mode with 翔鶴 alone, approaching Midway from bearing 332:
// task force 1 is 102 nautical miles away on bearing 337 at the first hour.
const std::string kPracticeApproach = kMorvaPractice + kMorvaDayQuestions + "332{ENTER}";

// From the first hour's launch question in key mode: one plane out on heading `heading`, the
// carrier idle, the fleet staying; the planes fly in hour step 2.
std::string one_plane_out(const std::string& heading) {
    return kPracticeApproach +
           morva_hour({.hour = 1, .pauses = Pauses::KeyedFromSearch, .search = "y1{ENTER}" + heading + "{ENTER}"});
}

// Scenario 1's fleet 1 off the Philippines, staying: the base's search finds it, and from hour
// step 7 on the base sends its B-17s, which reach the fleet from hour step 10 on.
const std::string kPhilippinesDay = kMorvaDeployment + "45{ENTER}";

const ReplayRows kMorva95fSearchRows{{
    // The day's reinforcement: how many torpedo bombers fly as extra search planes.
    {"morva95f_search_reinforcement", morva95f_program, kMorvaSailed + "y"},
    // Two added; the patrol's split, the list in yellow.
    {"morva95f_search_patrol_split", morva95f_program, kMorvaSailed + "y2"},
    // Return keeps the even split; the anti-aircraft split in green over the same list.
    {"morva95f_search_aa_split", morva95f_program, kMorvaSailed + "y2{ENTER}"},
    // With a long flight allowed, a plane's range is asked.
    {"morva95f_search_range_question", morva95f_program,
     kMorvaSailed + "y2{ENTER}{ENTER}" + "45{ENTER}" + "y1{ENTER}90{ENTER}"},
    // At 9 o'clock: the patrol's split may change.
    {"morva95f_search_split_change", morva95f_program, kPhilippinesDay + morva_stay_hours(1, 5, "n") + "y"},
    // The launch dialogue: how many planes, asked again for a fraction, and the first heading.
    {"morva95f_search_launch_count", morva95f_program, kPracticeApproach + "y"},
    {"morva95f_search_count_asked_again", morva95f_program, kPracticeApproach + "y1.5{ENTER}"},
    {"morva95f_search_heading", morva95f_program, kPracticeApproach + "y1{ENTER}"},
    // A plane out on heading 337 misses the task force: the hour's pause under "索敵機飛行中".
    {"morva95f_search_plane_flying", morva95f_program, one_plane_out("337")},
    // On heading 345 it finds task force 1: the report with its carrier count and distance.
    {"morva95f_search_report", morva95f_program, one_plane_out("345")},
    // It stays over the task force: the next hour's launch dialogue reports its fuel.
    {"morva95f_search_shadowing", morva95f_program, one_plane_out("345") + "aaa"},
    // The Allied overview over the map then: both forces, the base, the ranges; then its table.
    {"morva95f_search_overview", morva95f_program, one_plane_out("345") + "aaa" + "{F1}ZXC"},
    {"morva95f_search_overview_table", morva95f_program, one_plane_out("345") + "aaa" + "{F1}ZXCa"},
    // The fleet sees an Allied search plane in hour step 3.
    {"morva95f_search_allied_plane_seen", morva95f_program,
     kMorvaPracticeWithBattleship +
         morva_hour({.hour = 1, .pauses = Pauses::KeyedFromSearch, .detach = "y", .move = "337{ENTER}{ENTER}"}) +
         morva_hour({.hour = 2, .pauses = Pauses::Keyed, .detach = "y", .move = "3{ENTER}{ENTER}"})},
    // The Allies have found the fleet ("発 4"): the base's 25 B-17s launched in hour step 7 stand
    // in the overview's table.
    {"morva95f_allied_strike_launched", morva95f_program, kPhilippinesDay + morva_stay_hours(1, 7, "n") + "{F1}ZXCa"},
    // They reach the fleet in hour step 10.
    {"morva95f_allied_strike_arrives", morva95f_program,
     kPhilippinesDay + morva_stay_hours(1, 8, "n") + morva_stay_hour(9, "n", Pauses::KeyedFromSearch)},
    // By hour step 13 they are home: the base counts its 25 B-17s again ("H"), and after the
    // key their row of the table is empty while the later launches still fly.
    {"morva95f_allied_strike_recovered", morva95f_program, kPhilippinesDay + morva_stay_hours(1, 12, "n") + "{F1}ZXC"},
    {"morva95f_allied_strike_recovered_table", morva95f_program,
     kPhilippinesDay + morva_stay_hours(1, 12, "n") + "{F1}ZXCa"},
}};

}  // namespace
}  // namespace golden_replays
