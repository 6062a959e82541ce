// kelmat95: the penetration viewer of main-menu item 4 - the choice, the tables and graphs of
// the real guns (types 1-23, 2-km steps) and of the planned and fictional guns (types 14-36,
// 4-km steps), and the class armour overlays that the graphs of both halves share.
#pragma once
#include <string>
#include <vector>

#include "gunnery/blocks.h"

namespace kelmat {

/// Which armour a table, graph or overlay is about.
enum class Armour {
    Belt,  ///< vertical (belt) armour
    Deck,  ///< horizontal (deck) armour
};

/// One value a penetration table shows: the range step and the whole centimetres printed.
struct PenCell {
    int step;
    con::real cm;
    bool operator==(const PenCell&) const = default;
};

// The viewer's frame and the real-gun tables.
// PENETRATION_VIEWER (blocks.h): the choice between real ("R") and planned guns ("P").
/// Loads the graph label places D from the stored records when D(1,1) is still 0.
void load_gun_label_order(Kelmat& s);
Block REAL_BELT_TABLE(Kelmat& s);
Block REAL_DECK_TABLE(Kelmat& s);
/// Clears the screen and goes back to the main menu in yellow.
Block PENETRATION_VIEWER_EXIT(Kelmat& s);
/// Computes gun type k's row of a real-gun table (cells from 0 km in 2-km steps, as far as
/// the table shows them), stores every value shown in E(k, step) and returns the shown cells.
std::vector<PenCell> real_table_row(Kelmat& s, int k, Armour armour);
/// The text row of gun type k (1-23) in the real-gun tables (types 13 and 14 share row 14).
int real_table_text_row(int k);
/// G(LOOP_K) in yellow at column 0 of its real-gun table row.
void TABLE_CALIBRE_LABEL(Kelmat& s);
/// G(LOOP_K) at column 0, row D(0,k) - 13, in its real belt graph colour.
void BELT_GRAPH_LABEL(Kelmat& s);
/// G(LOOP_K) at column 0, row D(1,k) - 12, in its real deck graph colour.
void DECK_GRAPH_LABEL(Kelmat& s);

// The real-gun graphs.
Block REAL_BELT_GRAPH(Kelmat& s);
Block REAL_DECK_GRAPH(Kelmat& s);
/// The colour index 0-6 of gun type k in a real-gun graph: text colour c + 1, graphics 2c + 3.
int real_graph_colour_index(const Kelmat& s, int k, Armour armour);

// The planned-gun tables and graphs.
Block PLANNED_BELT_TABLE(Kelmat& s);
Block PLANNED_DECK_TABLE(Kelmat& s);
Block PLANNED_BELT_GRAPH(Kelmat& s);
Block PLANNED_DECK_GRAPH(Kelmat& s);
/// Computes gun type t's row of a planned-gun table (4-km steps up to the gun's range; the
/// deck table leaves out values under 1 cm), stores every value shown in E(t, step) and
/// returns the shown cells.
std::vector<PenCell> planned_table_row(Kelmat& s, int t, Armour armour);
/// G(LOOP_K) in yellow at column 0, row LOOP_K - 13 (the planned-gun tables).
void SHOW_GUN_ROW_NAME(Kelmat& s);
/// G(LOOP_K) at column 0, row D(0,k) + 1, in its planned belt graph colour.
void SHOW_BELT_CURVE_NAME(Kelmat& s);
/// G(LOOP_K) at column 0, row D(1,k) + 1 (+ 2 from type 21), in its planned deck graph colour.
void SHOW_DECK_CURVE_NAME(Kelmat& s);
/// The colour index 0-6 of gun type k in a planned-gun graph: text colour c + 1, graphics 2c + 3.
int planned_graph_colour_index(const Kelmat& s, int k, Armour armour);

// The class armour overlays (PEN_OVERLAY_SCALE set by the graph under them).
/// Offers the classes' belt armour navy after navy until "E".
void BELT_ARMOUR_OVERLAY(Kelmat& s);
/// Offers the classes' deck armour navy after navy until "E".
void DECK_ARMOUR_OVERLAY(Kelmat& s);
/// A class name up to its first "(" (the whole name when it has none).
std::string class_label(const std::string& name);
/// The pixel height of an armour line of `thickness` mm at the overlay scale.
con::real overlay_line_y(float thickness, float scale, Armour armour);
/// The text row of a class label beside a line at height y: the row the line runs through,
/// row 0 for a line above the plane.
int overlay_label_row(con::real y);

}  // namespace kelmat
