// Golden replay rows of MORVA95F's carrier deck work: the arming, spotting, strike launches,
// patrol launch and striking down of the daytime hour steps. Add rows at the end of the table.
#include "console/number_format.h"
#include "detailed/routines.h"
#include "detailed/save_file.h"
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// The harbour raid (scenario 2, key mode) from the north, up to hour step 1's deck work.
const std::string kHarbour = "9n2h0{ENTER}";
// Hour step 1: the launch phase's pause; 40 torpedoes of the 144 torpedo bombers.
const std::string kHarbourArmed = kHarbour + "ay40{ENTER}";
// Hour step 2 (its opening pause, the launch phase's pause): 30 fighters, 60 dive bombers and
// 60 torpedo bombers spotted; asked for the share.
const std::string kHarbourSpotted = kHarbourArmed + kMorvaStayHourBB + "aay30{ENTER}60{ENTER}60{ENTER}";
// The share of 30 torpedoes; no arming, no striking down; hour step 3's opening pause.
const std::string kHarbourHour3 = kHarbourSpotted + "30{ENTER}nn" + kMorvaStayHourBB + "a";
// A base strike of 18 fighters, 54 dive bombers and 40 torpedo bombers, asked for the share.
const std::string kHarbourStrike = kHarbourHour3 + "ya18{ENTER}54{ENTER}40{ENTER}";
// 20 of them torpedo-armed; no second strike; 8 fighters of the 12 left on patrol; no spotting
// and no arming.
const std::string kHarbourDown = kHarbourStrike + "20{ENTER}ny8{ENTER}nn";

// The single operation against Midway with 翔鶴 and 大和: 9 torpedo bombers armed with
// torpedoes in hour step 1, 9 of each type spotted in hour step 2 (the 9 torpedo-armed), the
// carrier idle in hour steps 3-5; the gun battle of hour step 5 to its end.
const std::string kFleetStrike =
    morva_gun_battle({"ay9{ENTER}", "ay9{ENTER}9{ENTER}9{ENTER}9{ENTER}nn", "nnnnn", "nnnnn", "nnnnn"}) +
    "aaaaa+{ENTER}aa+{ENTER}";

/// A campaign saved at the start of turn 2 of scenario 1 in which 龍驤 (ship 13, full
/// durability 4) is down to 2: it may sail, but no carrier below 3 works its flight deck.
std::string save_with_damaged_carrier() {
    morva95f::State st;
    morva95f::MENU(st);
    st.TURN_NO = 2;
    st.TT(morva95f::TT_SAVED_SCENARIO) = 1;
    st.A(0, 13, morva95f::A_DURABILITY) = 2;
    std::string text;
    for (float v : morva95f::save_values(st)) text += con::format_single(v) + "\r\n";
    return text;
}
// The saved campaign resumed in key mode: 龍驤 alone in fleet 1 to the Philippines, fleet 2
// without a target, the approach at bearing 45.
const std::string kDamagedCarrier = "9n7h" + std::string(6, '3') + "1" + std::string(6, '3') + "y7{ENTER}a45{ENTER}";

const ReplayRows kRows{{
    {"morva95f_carriers_harbour_arming", morva95f_program, kHarbour + "a"},
    {"morva95f_carriers_harbour_arming_count", morva95f_program, kHarbour + "ay"},
    {"morva95f_carriers_harbour_spotting", morva95f_program, kHarbourArmed + kMorvaStayHourBB + "aa"},
    {"morva95f_carriers_harbour_spotting_count", morva95f_program, kHarbourArmed + kMorvaStayHourBB + "aay"},
    {"morva95f_carriers_harbour_spotting_share", morva95f_program, kHarbourSpotted},
    {"morva95f_carriers_harbour_launch_offer", morva95f_program, kHarbourHour3},
    {"morva95f_carriers_harbour_base_only", morva95f_program, kHarbourHour3 + "y"},
    {"morva95f_carriers_harbour_strike_share", morva95f_program, kHarbourStrike},
    {"morva95f_carriers_harbour_second_offer", morva95f_program, kHarbourStrike + "20{ENTER}"},
    {"morva95f_carriers_harbour_patrol", morva95f_program, kHarbourStrike + "20{ENTER}n"},
    {"morva95f_carriers_harbour_patrol_count", morva95f_program, kHarbourStrike + "20{ENTER}ny"},
    {"morva95f_carriers_harbour_rearming", morva95f_program, kHarbourStrike + "20{ENTER}ny8{ENTER}n"},
    {"morva95f_carriers_harbour_striking_down", morva95f_program, kHarbourDown},
    {"morva95f_carriers_harbour_striking_down_count", morva95f_program, kHarbourDown + "y"},
    {"morva95f_carriers_harbour_struck_down", morva95f_program, kHarbourDown + "y4{ENTER}6{ENTER}20{ENTER}"},
    {"morva95f_carriers_fleet_strike_offer", morva95f_program, kFleetStrike},
    {"morva95f_carriers_fleet_strike_target", morva95f_program, kFleetStrike + "y"},
    {"morva95f_carriers_fleet_strike_heading", morva95f_program, kFleetStrike + "y2"},
    {"morva95f_carriers_fleet_strike_count", morva95f_program, kFleetStrike + "y227{ENTER}"},
    {"morva95f_carriers_fleet_strike_launched", morva95f_program, kFleetStrike + "y227{ENTER}5{ENTER}9{ENTER}9{ENTER}"},
    {"morva95f_carriers_fleet_strike_patrol", morva95f_program, kFleetStrike + "y227{ENTER}5{ENTER}9{ENTER}9{ENTER}a"},
    {"morva95f_carriers_no_flight_deck",
     morva95f_program,
     kDamagedCarrier,
     0,
     {{"MORDATAF.DAT", save_with_damaged_carrier()}}},
    {"morva95f_carriers_no_flight_deck_hour",
     morva95f_program,
     kDamagedCarrier + "a",
     0,
     {{"MORDATAF.DAT", save_with_damaged_carrier()}}},
}};

}  // namespace
}  // namespace golden_replays
