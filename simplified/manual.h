// MORVA95S: the in-game manual's pages as data (texts, places, colours) and the chapters that
// draw them; SETUMEI (routines.h) is the manual's menu.
#pragma once
#include <string>
#include <vector>

#include "campaign/dialogue.h"
#include "simplified/state.h"

namespace morva95s::manual {

/// A fixed page: its texts in drawing order (each at its place, in its colour) and its
/// "Hit Any Key" prompt, which is printed last.
struct Page {
    std::vector<morva::Text> texts;
    morva::Text prompt;
};

/// The "Hit Any Key" prompt that ends a page, in green at its place (printed without a line end).
inline morva::Text page_prompt(int column, int row) { return {column, row, 4, "Hit Any Key"}; }

/// The manual's menu screen: heading, the six items and the key prompt (row 23, no line end).
const Page& menu_page();

/// Chapter 1: the comparison of the simplified and the detailed rule modes.
const Page& system_page();

/// The rules chapter's fixed pages 1-6 (the goal beside the base table, the period and the
/// conditions for attack, scenarios and the turn, the day's phases, the attack phase, the dice).
const std::vector<Page>& opening_rules_pages();

/// The rules chapter's pages 9-16 (search, launch, the deck phases, movement in both modes, the
/// gun battle, hit location and damage, the detailed mode's special rules).
const std::vector<Page>& phase_rules_pages();

/// A page of the rules chapter, 1-16; pages 7 and 8 hold the fixed texts of the aircraft table.
const Page& rules_page(int number);

/// The aircraft table's fixed texts: page 7 (simplified mode), printed after the types' names
/// and values; page 8 (detailed mode), printed over page 7 after its replaced lines.
const Page& aircraft_table_page(bool detailed);

/// The lines that page 8 writes over page 7's: each wipes the old line to its end first.
const std::vector<morva::Text>& detailed_table_lines();

/// The aircraft table's rows: aircraft type 1-10 and its screen row (row 9 is the bomb-armed
/// line of the Type 97 torpedo bomber, which has no row of the table).
struct AircraftRow {
    int type;
    int row;
};
inline constexpr AircraftRow kAircraftRows[10] = {{1, 1},  {2, 6},  {3, 8}, {4, 2}, {5, 7},
                                                  {6, 10}, {7, 12}, {8, 3}, {9, 4}, {10, 11}};

/// The fifth chapter's pages 1-3 (page 3: the texts around the building-schedule chart).
const Page& background_page(int number);

/// A bar of the building-schedule chart: its pixel row and the x of keel laying, launch and
/// completion.
struct BuildingBar {
    int y;
    int keel;
    int launch;
    int completion;
};

/// The chart's bars: the historical schedule (4 bars), then the assumed one (10 bars).
const std::vector<BuildingBar>& building_bars();

/// Draws a fixed page on a cleared screen and waits for any key (every key turns the page).
void show_page(State& st, const Page& page);

/// Draws a fixed page over what the screen shows and waits for any key.
void show_page_over(State& st, const Page& page);

/// The base table at the left of the rules chapter's first two pages, from the base tables.
void draw_base_table(const State& st);

/// Chapter 1: the one page comparing the two rule modes.
void show_system_chapter(State& st);

/// Chapter 2: the Japanese ships' page and the Allied ships' page, from the ship tables.
void show_ship_data_chapter(State& st);

/// Chapter 4: the four historical battles' data for the single-operation scenario.
void show_battle_data_chapter(State& st);

/// Chapter 3: the rules, sixteen pages opening with the base table.
void show_rules_chapter(State& st);

/// Page 7 of the rules: the aircraft table of the simplified mode, values from the tables.
void show_simplified_aircraft_table(State& st);

/// Page 8 of the rules: the detailed mode's aircraft table, drawn over page 7.
void show_detailed_aircraft_table(State& st);

/// Chapter 5: the background of the hypothetical scenario, three pages with a drawn chart.
void show_background_chapter(State& st);

}  // namespace morva95s::manual
