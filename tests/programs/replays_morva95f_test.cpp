// Golden replay rows of MORVA95F: the detailed game's flows. Add rows at the end of the table.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

const ReplayRows kMorva95fRows{{
    {"morva95f_title", morva95f_program, ""},
    {"morva95f_aircraft_question", morva95f_program, "5"},
    {"morva95f_scenario_menu", morva95f_program, "5n"},
    {"morva95f_first_map", morva95f_program, morva_opening('1')},
    {"morva95f_first_map_scenario_3", morva95f_program, morva_opening('3'), 37},
    {"morva95f_organisation", morva95f_program, morva_opening('1') + "h"},
    {"morva95f_organisation_placed", morva95f_program, morva_opening('1') + "h1233"},
    {"morva95f_turn2_save", morva95f_program, morva_opening('1') + kMorvaStayHome + "y{ENTER}"},
    {"morva95f_turn2_save_seconds_37", morva95f_program, morva_opening('1') + kMorvaStayHome + "y{ENTER}", 37},
    {"morva95f_practice_question", morva95f_program, morva_opening('6')},
    {"morva95f_pause_in_key_mode", morva95f_program, kMorvaHarbourRaidHour2},
    {"morva95f_allied_overview", morva95f_program,
     "9n2s" + kMorvaDayQuestions + "0{ENTER}" + morva_stay_hour(1, "n", Pauses::Keyed) + "{F1}ZXCa"},
    {"morva95f_allied_overview_left", morva95f_program,
     "9n2s" + kMorvaDayQuestions + "0{ENTER}" + morva_stay_hour(1, "n", Pauses::Keyed) + "{F1}ZXCab"},
    {"morva95f_allied_order_of_battle", morva95f_program, kMorvaSingleOperation + "12x"},
    {"morva95f_allied_confirmation", morva95f_program, kMorvaSingleOperation + kMorvaAlliedShips},
    {"morva95f_target_strength_asked_again", morva95f_program,
     kMorvaSingleOperation + kMorvaAlliedShips + "Y0{ENTER}100{ENTER}"},
    {"morva95f_end_of_day_question", morva95f_program,
     kMorvaSingleOperation + kMorvaAlliedShips + kMorvaTargetValues + kMorvaDayQuestions + "0{ENTER}" +
         morva_stay_day() + "yn{ENTER}{ENTER}" + morva_stay_day()},
    {"morva95f_no_save_file", morva95f_program, morva_opening('7')},
    {"morva95f_damaged_save_file",
     morva95f_program,
     morva_opening('7'),
     0,
     {{"MORDATAF.DAT", " 2 \r\n 0 \r\n 0 \r\n"}}},
    {"morva95f_deployment", morva95f_program, kMorvaDeployment},
    {"morva95f_deployment_asked_again", morva95f_program, kMorvaDeployment + "180{ENTER}"},
    {"morva95f_hour_3", morva95f_program,
     kMorvaDeployment + "45{ENTER}" + morva_stay_hours(1, 2, "n") + morva_hour({.hour = 3, .detach = "n", .move = ""})},
    {"morva95f_hour_speed", morva95f_program,
     kMorvaDeployment + "45{ENTER}" + morva_hour({.hour = 1, .detach = "n", .move = "{ENTER}"})},
    {"morva95f_battleship_question", morva95f_program, kMorvaDeployment + "45{ENTER}" + morva_hour({.move = ""})},
    {"morva95f_hour_speed_detached", morva95f_program,
     kMorvaDeployment + "45{ENTER}" + morva_hour({.hour = 1, .detach = "xy", .move = "{ENTER}"})},
    {"morva95f_night_move", morva95f_program, kMorvaFirstDay + kMorvaDayQuestions},
    {"morva95f_night_move_distance", morva95f_program, kMorvaFirstDay + kMorvaDayQuestions + "270{ENTER}"},
    {"morva95f_day_2", morva95f_program,
     kMorvaFirstDay + kMorvaDayQuestions + "270{ENTER}30{ENTER}" + morva_hour({.hour = 1, .detach = "n", .move = ""})},
    {"morva95f_operation_end", morva95f_program,
     kMorvaFirstDay + kMorvaDayQuestions + "{ENTER}{ENTER}" + morva_stay_day("n") + kMorvaDayQuestions +
         "{ENTER}{ENTER}" + morva_stay_hours(1, 14, "n") + morva_stay_hour(15, "n", Pauses::KeyedFromSearch)},
    {"morva95f_practice_hour_1", morva95f_program,
     kMorvaPractice + kMorvaDayQuestions + "0{ENTER}" + morva_hour({.hour = 1, .move = ""})},
    {"morva95f_practice_end_of_day", morva95f_program,
     kMorvaPractice + kMorvaDayQuestions + "0{ENTER}" + morva_stay_day()},
    {"morva95f_gun_battle_sighted", morva95f_program, kMorvaGunBattle},
    {"morva95f_gun_battle_opening", morva95f_program, kMorvaGunBattle + "a"},
    {"morva95f_gun_battle_fire", morva95f_program, kMorvaGunBattle + "aaaa"},
    {"morva95f_gun_battle_order", morva95f_program, kMorvaGunBattle + "aaaaa"},
    {"morva95f_gun_battle_damage", morva95f_program, kMorvaGunBattle + "aaaaa" + morva_closing_sub_turns(5)},
    // The Allied line sunk at the order of the sixth sub-turn.
    {"morva95f_gun_battle_over", morva95f_program, kMorvaGunBattle + "aaaaa" + morva_closing_sub_turns(6)},
    {"morva95f_submarine_found", morva95f_program, kMorvaSubmarineFound, kMorvaSubmarineSeconds},
    {"morva95f_submarine_attack", morva95f_program, kMorvaSubmarineAttack, kMorvaSubmarineSeconds},
    {"morva95f_submarine_sunk", morva95f_program, kMorvaSubmarineAttack + "aa", kMorvaSubmarineSeconds},
}};

}  // namespace
}  // namespace golden_replays
