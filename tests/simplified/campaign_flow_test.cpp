// Scripted headless runs of MORVA95S against golden screens: the start-up and menu, the
// scenario list and options, the first turn of every scenario, the organisation with its
// targets and the Allied reaction, twelve turns to the end of the war, and the F1 handler.
#include <gtest/gtest.h>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using testing_support::ProgramRun;
using testing_support::run_program;
using testing_support::ScopedTempDir;
using golden_replays::kRaidNoLaunch;

namespace {

// Turn 1 of scenario 1 lists carriers 7-15 and battleships 24-33: carriers 7 and 8 to air
// fleet 1, carrier 9 to air fleet 2, the rest standby; battleship 24 to fleet 1, 25 to fleet 2.
const std::string kTurnOneFleets = "112333333" "12" "33333333";
// Turn 2 also lists battleship 22 (first available at turn 2).
const std::string kTurnTwoFleets = "112333333" "312" "33333333";

struct GoldenCase {
    const char* name;
    std::string keys;
};

void run_golden(const GoldenCase& c) {
    SCOPED_TRACE(c.name);
    ScopedTempDir dir;
    ProgramRun run = run_program(morva95s_program(), c.keys);
    EXPECT_EQ(run.result.exit_code, 0);
    expect_golden_screen(run.screen(), c.name);
}

}  // namespace

TEST(SimplifiedGolden, StartUpMenuAndOptions) {
    const GoldenCase cases[] = {
        {"title_menu", ""},
        {"scenario_list", "1"},
        {"scenario_8_no_files", "18"},
        {"no_files_then_scenario_2", "182"},
        {"option_movement", "11"},
        {"option_comment_key", "11N"},
        {"option_display_time", "11Nn"},
        {"option_commander", "11Nn5"},
    };
    for (const auto& c : cases) run_golden(c);
}

TEST(SimplifiedGolden, FirstTurnOfEachScenario) {
    const GoldenCase cases[] = {
        {"scenario_1_organisation", start_keys(1)},
        // The harbour strike plays with every carrier question and the call-off declined; turn 2
        // opens with the save question.
        {"scenario_2_turn_2_save_question", start_keys(2) + harbour_strike_declined()},
        {"scenario_3_organisation_turn_2", start_keys(3)},
        {"scenario_4_organisation", start_keys(4)},
        {"scenario_5_turn_2_save_question", start_keys(5) + harbour_strike_declined()},
        {"scenario_6_organisation", start_keys(6)},
        {"scenario_7_organisation", start_keys(7)},
    };
    for (const auto& c : cases) run_golden(c);
}

TEST(SimplifiedGolden, OrganisationTargetsAndTurnEnd) {
    const std::string organised = start_keys(1) + kTurnOneFleets;
    const std::string declined = golden_replays::kSimplifiedDeclinedCarriers;
    const GoldenCase cases[] = {
        {"organisation_assigned", organised},
        // With the comment key the message waits for a key under "Hit Any Key".
        {"organisation_fleet_2_too_large", "11NY5h2" + std::string(18, '3')},
        {"target_fleet_1", organised + "y"},
        {"target_fleet_2", organised + "y7{ENTER}"},
        {"turn_2_save_question", organised + "y7{ENTER}6{ENTER}" + declined},
        {"status_panel_over_organisation", start_keys(1) + "{F1}Q"},
    };
    for (const auto& c : cases) run_golden(c);
}

TEST(SimplifiedGolden, SingleOperationScenarios) {
    // Scenario 6 lists every ship whatever the turn: carrier 1 to fleet 1 (the other 14
    // carriers and the 12 battleships standby).
    const std::string six = start_keys(6) + "1" + std::string(26, '3') + "y" + "6{ENTER}";
    // Allied ships: LEXINGTON and SARATOGA take part, every other ship stays out.
    const std::string allied = "11" + std::string(40, '2');
    // Scenario 7: battleships 22-33 listed (every ship whatever the turn): 24 and 25 to fleet 1.
    const std::string seven = start_keys(7) + "3311" + std::string(8, '3') + "y";
    const GoldenCase cases[] = {
        {"scenario_6_target", start_keys(6) + "1" + std::string(26, '3') + "y"},
        {"scenario_6_allied_ships", six},
        {"scenario_6_allied_ships_chosen", six + allied},
        {"scenario_6_target_strength", six + allied + "y"},
        // The operation's single day opens with the search question ("n"), then plays out with
        // its carrier questions and the raids' emergency launches declined, until the raids
        // have sunk carrier 1.
        {"scenario_6_final_screen", six + allied + "y" + "20{ENTER}5{ENTER}{ENTER}3{ENTER}2{ENTER}" + "n" +
                                        decline_carriers(10) + kRaidNoLaunch + decline_carriers(4) + kRaidNoLaunch +
                                        decline_carriers(4) + kRaidNoLaunch + kRaidNoLaunch},
        {"scenario_7_allied_ships", seven},
        // Battleships only: the first 20 join, the rest are marked out without a question.
        {"scenario_7_twenty_battleships", seven + std::string(20, '1')},
        // The battle is fought to the last battleship of a line; the program then idles.
        {"scenario_7_battle_end", seven + std::string(20, '1') + "y"},
    };
    for (const auto& c : cases) run_golden(c);
}

TEST(SimplifiedGolden, TwelveTurnsToTheEndOfTheWar) {
    // Turn 1 with two targets (no Allied carrier is fit to answer in the first turn; every
    // carrier question declined, the target bases' raids answered), then eleven turns in which no fleet sails; after turn 12 the
    // war ends.
    const std::string declined = golden_replays::kSimplifiedDeclinedCarriers;
    const std::string keys =
        start_keys(1) + kTurnOneFleets + "y7{ENTER}6{ENTER}" + declined + "n{ENTER}" + play_turns(11);
    run_golden({"twelve_turns_final_screen", keys});
    run_golden({"twelve_turns_final_status_panel", keys + "{F1}Q"});
    // Turn 2 with targets: the Allies react, and since no target is taken the war ends at
    // once; F1 then "Q" shows the overview of the Allied forces over the final screen.
    const std::string early = start_keys(1) + kTurnOneFleets + "y7{ENTER}6{ENTER}" + declined + "n{ENTER}" +
                              kTurnTwoFleets + "y7{ENTER}9{ENTER}" + golden_replays::kSimplifiedTurnTwoDeclined;
    run_golden({"war_over_early_final_screen", early});
    run_golden({"war_over_early_allied_overview", early + "{F1}Q"});
}

TEST(SimplifiedGolden, SavedCampaignContinues) {
    ScopedTempDir dir;
    // Turn 2 of scenario 1 saved; a second run continues it as scenario 8.
    run_program(morva95s_program(), start_keys(1) + stay_home() + "y{ENTER}");
    ASSERT_FALSE(testing_support::read_file("MORDATAS.DAT").empty());
    ProgramRun options = run_program(morva95s_program(), "18");
    expect_golden_screen(options.screen(), "scenario_8_options");
    ProgramRun run = run_program(morva95s_program(), start_keys(8));
    expect_golden_screen(run.screen(), "scenario_8_organisation");
    EXPECT_TRUE(shows(run.screen(), 0, 0, "第 2 ターン　艦隊編成フェイズ", 6));
}
