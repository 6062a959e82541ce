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

/// The manual's menu screen: heading, the six items and the key prompt (row 23, no line end).
const Page& menu_page();

/// Chapter 1: the comparison of the simplified and the detailed rule modes.
const Page& system_page();

/// Draws a fixed page on a cleared screen and waits for any key (every key turns the page).
void show_page(State& st, const Page& page);

/// Chapter 1: the one page comparing the two rule modes.
void show_system_chapter(State& st);

/// Chapter 2: the Japanese ships' page and the Allied ships' page, from the ship tables.
void show_ship_data_chapter(State& st);

/// Chapter 4: the four historical battles' data for the single-operation scenario.
void show_battle_data_chapter(State& st);

/// A chapter not written yet: one page naming it, any key returns to the menu.
void show_unwritten_chapter(State& st, int item);

}  // namespace morva95s::manual
