// kelmat95: the class armour overlays - over a penetration graph on the screen, the stored
// classes of the five navies are offered one at a time and, on "V", drawn as a line at their
// belt or deck thickness with their label beside it, navy after navy until "E".
#include "gunnery/penetration_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// What the two overlays do differently.
struct OverlayMember {
    Armour armour;
    int key_line_blank_column, key_line_blanks;  // erases the graph's key line on row 23
    int last_class;
    int info_column;                             // label and thickness on row 11
    int prompt_column;                           // both key lines on row 8
    int erase_column, erase_blanks;              // erases the information line
};

constexpr OverlayMember kBeltMember = {Armour::Belt, 34, 42, 22, 54, 45, 45, 35};
// The 22nd class of a navy is never offered over a deck graph.
constexpr OverlayMember kDeckMember = {Armour::Deck, 40, 36, 21, 26, 21, 20, 60};

enum class Offer { Next, End };

bool is_end_key(const std::string& key) { return key == "E" || key == "e"; }

// Loads a navy's classes; the belt member then takes the belt thicknesses it draws.
void load_overlay_navy(Kelmat& s, const OverlayMember& m) {
    const float n = s.OVERLAY_NAVY;
    load_class_records(s, n);
    if (m.armour == Armour::Deck) return;
    s.data.restore_data("BeltOverlay" + std::to_string(record_navy(n)));
    for (int k = 1; k <= 22; ++k) s.data.read_data(s.F(n, k, F_BELT));
}

float thickness(const Kelmat& s, const OverlayMember& m) {
    return s.F(s.OVERLAY_NAVY, s.LOOP_I, m.armour == Armour::Belt ? F_BELT : F_DECK);
}

// The class's line across the graph and its label at the line's left end, in the colour
// then due; the colour counter steps 6, 5, ..., 1, 6, ...
void draw_class(Kelmat& s, const OverlayMember& m, const std::string& label) {
    const real y = overlay_line_y(thickness(s, m), s.PEN_OVERLAY_SCALE, m.armour);
    const long c = con::round_half_away(L(s.LOOP_M));
    con::draw_line(80, y, 590, y, static_cast<int>(2 * c + 1));
    con::color(L(s.LOOP_M));
    con::print_at(Col(9), Row(overlay_label_row(y)), label);
    s.LOOP_M = con::store(L(s.LOOP_M) - 1);
    if (s.LOOP_M == 0) s.LOOP_M = 6;
}

// Offers class LOOP_I of the navy on show: its label and thickness, then the keys.
Offer offer_class(Kelmat& s, const OverlayMember& m) {
    if (s.F(s.OVERLAY_NAVY, s.LOOP_I, F_BUILD_STATE) == 0) return Offer::Next;
    const std::string label = class_label(s.NM(s.LOOP_I));
    con::color(7);
    con::print_at(Col(m.info_column), Row(11), label);
    con::print_string_item(" ");
    con::print_single_item(thickness(s, m));
    con::color(5);
    con::print_at(Col(m.prompt_column), Row(8), "Hit N(ext) or V(iew) or E(nd) Key");
    s.ANSWER_KEY = con::wait_key_string();
    if (is_end_key(s.ANSWER_KEY)) return Offer::End;
    if (s.ANSWER_KEY == "V" || s.ANSWER_KEY == "v") {
        draw_class(s, m, label);
        con::color(5);
        // Its trailing blanks cover the longer first key line whole.
        con::print_at(Col(m.prompt_column), Row(8), "Hit N(ext) or E(nd) Key          ");
        s.ANSWER_KEY = con::wait_key_string();
        if (is_end_key(s.ANSWER_KEY)) return Offer::End;
    }
    con::print_at(Col(m.erase_column), Row(11), con::space_string(m.erase_blanks));
    return Offer::Next;
}

// The navies 1-5 over and over until "E". The navy on show is the overlay's own counter:
// BLUE_NAVY is the scenario's BLUE navy, which a battle fought next still needs.
void armour_overlay(Kelmat& s, const OverlayMember& m) {
    s.OVERLAY_NAVY = 1;
    con::print_at(Col(m.key_line_blank_column), Row(23), con::space_string(m.key_line_blanks));
    s.LOOP_M = 6;
    for (int idle_navies = 0; idle_navies < 5;) {
        load_overlay_navy(s, m);
        bool offered = false;
        for (s.LOOP_I = 1; s.LOOP_I <= m.last_class; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
            offered = offered || s.F(s.OVERLAY_NAVY, s.LOOP_I, F_BUILD_STATE) != 0;
            if (offer_class(s, m) == Offer::End) return;
        }
        // Five navies in a row without a class to offer would never wait for a key again.
        idle_navies = offered ? 0 : idle_navies + 1;
        s.OVERLAY_NAVY = s.OVERLAY_NAVY >= 5 ? 1.0f : con::store(L(s.OVERLAY_NAVY) + 1);
    }
}

}  // namespace

void BELT_ARMOUR_OVERLAY(Kelmat& s) { armour_overlay(s, kBeltMember); }

void DECK_ARMOUR_OVERLAY(Kelmat& s) { armour_overlay(s, kDeckMember); }

std::string class_label(const std::string& name) {
    const long paren = con::instr(name, "(");
    return paren == 0 ? name : con::left_string(name, paren - 1);
}

real overlay_line_y(float thickness, float scale, Armour armour) {
    const float per_mm = armour == Armour::Belt ? 0.27f : 0.54f;
    return 399 - L(thickness) * L(scale) * L(per_mm);
}

int overlay_label_row(real y) {
    // A line above the plane has no text row of its own; its label takes the top row
    // rather than ending the program on an impossible cursor position.
    const real row = con::int_floor(y / 18);
    if (row < 0) return 0;
    return row > 23 ? 23 : static_cast<int>(row);
}

}  // namespace kelmat
