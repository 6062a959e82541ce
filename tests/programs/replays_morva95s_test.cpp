// Golden replay rows of MORVA95S: the simplified game's flows. Add rows at the end of the table.
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

const ReplayRows kMorva95sRows{{
    {"morva95s_title", morva95s_program, ""},
    {"morva95s_scenario_list", morva95s_program, "1"},
    {"morva95s_commander_question", morva95s_program, "11Nn5"},
    {"morva95s_organisation", morva95s_program, simplified_opening('1')},
    {"morva95s_organisation_scenario_3", morva95s_program, simplified_opening('3'), 37},
    {"morva95s_fleet_2_too_large_key_mode", morva95s_program, "11NY5h2" + std::string(18, '3')},
    {"morva95s_status_panel", morva95s_program, simplified_opening('1') + "{F1}Q"},
    {"morva95s_turn2_save", morva95s_program, simplified_opening('1') + kSimplifiedStayHome + "y{ENTER}"},
    {"morva95s_turn2_save_seconds_37", morva95s_program, simplified_opening('1') + kSimplifiedStayHome + "y{ENTER}",
     37},
    {"morva95s_no_save_file", morva95s_program, "18"},
    {"morva95s_damaged_save_file", morva95s_program, "18", 0, {{"MORDATAS.DAT", " 2 \r\n 0 \r\n 0 \r\n"}}},
    {"morva95s_war_over_early", morva95s_program, kSimplifiedWarOverEarly},
    {"morva95s_allied_overview", morva95s_program, kSimplifiedWarOverEarly + "{F1}Q"},
}};

}  // namespace
}  // namespace golden_replays
