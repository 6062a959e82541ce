// Golden replay rows of MORVA95F's carrier deck work: the arming, spotting, strike launches,
// patrol launch and striking down of the daytime hour steps. Add rows at the end of the table.
#include "console/number_format.h"
#include "detailed/routines.h"
#include "detailed/save_file.h"
#include "tests/programs/replay_table.h"

namespace golden_replays {
namespace {

// The harbour raid (scenario 2, key mode): the keys of hour step `hour` up to its deck work
// (the raid's closing pause, the search flight's pause and "n" to the search-launch question;
// hour 1 has only the question).
std::string harbour_to_deck(int hour) { return morva_to_deck({.hour = hour, .pauses = Pauses::Keyed, .raid = "a"}); }
// The harbour raid from the north, up to hour step 1's deck work.
const std::string kHarbour = "9n2h" + kMorvaDayQuestions + "0{ENTER}" + harbour_to_deck(1);
// Hour step 1: the launch phase's pause; 40 torpedoes of the 144 torpedo bombers; the fleet
// (with battleships) stays.
const std::string kHarbourArmed = kHarbour + "ay40{ENTER}" + "n" + kMorvaStay;
// Hour step 2 (the launch phase's pause): 30 fighters, 60 dive bombers and 60 torpedo bombers
// spotted; asked for the share.
const std::string kHarbourSpotted = kHarbourArmed + harbour_to_deck(2) + "ay30{ENTER}60{ENTER}60{ENTER}";
// The share of 30 torpedoes; no arming, no striking down; the fleet stays; hour step 3 up to
// its deck work.
const std::string kHarbourHour3 = kHarbourSpotted + "30{ENTER}nn" + "n" + kMorvaStay + harbour_to_deck(3);
// A base strike of 18 fighters, 54 dive bombers and 40 torpedo bombers, asked for the share.
const std::string kCarrierHarbourStrike = kHarbourHour3 + "ya18{ENTER}54{ENTER}40{ENTER}";
// 20 of them torpedo-armed; no second strike; 8 fighters of the 12 left on patrol; no spotting
// and no arming.
const std::string kHarbourDown = kCarrierHarbourStrike + "20{ENTER}ny8{ENTER}nn";

// The single operation against Midway with 翔鶴 and 大和: 9 torpedo bombers armed with
// torpedoes in hour step 1, 9 of each type spotted in hour step 2 (the 9 torpedo-armed), the
// carrier's launch, patrol, spotting, arming and striking down declined in hour steps 3-5; no
// fighter rises against the raid that opens hour step 5 (翔鶴 unhurt); the gun battle of hour
// step 5 to its end. Hour step 6 opens with a raid of 18 F4F and 17 SBD: 2 fighters rise, one
// bomb hits 翔鶴 and leaves its flight deck working; after the raid's pauses, the splits kept,
// the search flight's pause and no search plane, the deck work begins with 7 fighters, 9 dive
// bombers and 9 torpedo bombers on deck, task force 1 15 nautical miles away on bearing 12.
const std::string kCarrierFleetStrike =
    morva_gun_battle({"y9{ENTER}", "y9{ENTER}9{ENTER}9{ENTER}9{ENTER}nn", "nnnnn", "nnnnn", "nnnnn"}, "0{ENTER}") +
    "aaaaa" + morva_closing_sub_turns(6) + "+{ENTER}" +
    morva_to_deck({.hour = 6, .pauses = Pauses::Keyed, .raid = "2{ENTER}" + std::string(9, 'a')});

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
// without a target, the day's questions, the approach at bearing 45: its deck flies no search
// plane either, and hour step 1 goes straight to the deck work.
const std::string kDamagedCarrier =
    "9n7h" + std::string(6, '3') + "1" + std::string(6, '3') + "y7{ENTER}a" + kMorvaDayQuestions + "45{ENTER}";

const ReplayRows kMorva95fCarriersRows{{
    {"morva95f_carriers_harbour_arming", morva95f_program, kHarbour + "a"},
    {"morva95f_carriers_harbour_arming_count", morva95f_program, kHarbour + "ay"},
    {"morva95f_carriers_harbour_spotting", morva95f_program, kHarbourArmed + harbour_to_deck(2) + "a"},
    {"morva95f_carriers_harbour_spotting_count", morva95f_program, kHarbourArmed + harbour_to_deck(2) + "ay"},
    {"morva95f_carriers_harbour_spotting_share", morva95f_program, kHarbourSpotted},
    {"morva95f_carriers_harbour_launch_offer", morva95f_program, kHarbourHour3},
    {"morva95f_carriers_harbour_base_only", morva95f_program, kHarbourHour3 + "y"},
    {"morva95f_carriers_harbour_strike_share", morva95f_program, kCarrierHarbourStrike},
    {"morva95f_carriers_harbour_second_offer", morva95f_program, kCarrierHarbourStrike + "20{ENTER}"},
    {"morva95f_carriers_harbour_patrol", morva95f_program, kCarrierHarbourStrike + "20{ENTER}n"},
    {"morva95f_carriers_harbour_patrol_count", morva95f_program, kCarrierHarbourStrike + "20{ENTER}ny"},
    {"morva95f_carriers_harbour_rearming", morva95f_program, kCarrierHarbourStrike + "20{ENTER}ny8{ENTER}n"},
    {"morva95f_carriers_harbour_striking_down", morva95f_program, kHarbourDown},
    {"morva95f_carriers_harbour_striking_down_count", morva95f_program, kHarbourDown + "y"},
    {"morva95f_carriers_harbour_struck_down", morva95f_program, kHarbourDown + "y4{ENTER}6{ENTER}20{ENTER}"},
    {"morva95f_carriers_fleet_strike_offer", morva95f_program, kCarrierFleetStrike},
    {"morva95f_carriers_fleet_strike_target", morva95f_program, kCarrierFleetStrike + "y"},
    {"morva95f_carriers_fleet_strike_heading", morva95f_program, kCarrierFleetStrike + "y2"},
    {"morva95f_carriers_fleet_strike_count", morva95f_program, kCarrierFleetStrike + "y212{ENTER}"},
    {"morva95f_carriers_fleet_strike_launched", morva95f_program,
     kCarrierFleetStrike + "y212{ENTER}5{ENTER}9{ENTER}9{ENTER}"},
    {"morva95f_carriers_fleet_strike_patrol", morva95f_program,
     kCarrierFleetStrike + "y212{ENTER}5{ENTER}9{ENTER}9{ENTER}a"},
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
