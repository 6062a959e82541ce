// kelmat95: the ship data viewer's frame - the entry in each of its four modes, the heading
// rows, the loop over the five navies with their class names, and the end of each page.
#include "gunnery/ship_data_viewer.h"

#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;

namespace {

struct Heading {
    const char* text;
    int row;
    int column;
    bool shifted;  ///< stands at its column plus the mode's offset
};

// The heading rows, drawn in this order. The comparison columns have no heading; mode 0's
// "国籍" belongs to the class table.
constexpr Heading kHeadings[] = {
    {"級名", 0, 0, false},     {"(同型艦数)", 0, 5, false},
    {"竣工年度", 0, 18, true}, {"(未成艦は設計年度)", 1, 8, true},
    {"主砲", 0, 31, true},     {"口径", 1, 27, true},
    {"門数", 1, 35, true},     {"装甲(mm)", 0, 44, true},
    {"垂直", 1, 43, true},     {"水平", 1, 49, true},
    {"速力", 0, 54, true},     {"排水量", 0, 59, true},
    {"(新造時)", 1, 58, true},
};

void draw_headings(const Kelmat& s) {
    con::color(7);
    const int offset = static_cast<int>(s.VIEWER_COLUMN_OFFSET);
    for (const Heading& h : kHeadings) con::print_at(Col(h.column + (h.shifted ? offset : 0)), Row(h.row), h.text);
}

// The names come first; a later column covers the part of a long name beneath it.
void draw_class_names(Kelmat& s) {
    for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
        con::locate(Col(0), Row(s.LOOP_I + 1));
        con::color(7);
        con::print_string_item(s.NM(s.LOOP_I));
    }
}

}  // namespace

Block SHIP_DATA_VIEWER(Kelmat& s) {
    con::clear_screen(0);
    con::color(7);
    s.VIEWER_COLUMN_OFFSET = s.VIEWER_MODE == 0 ? 3.0f : 0.0f;
    draw_headings(s);
    // The navy of each page is the viewer's own counter: BLUE_NAVY holds the BLUE navy of the
    // scenario in memory, whose battle set-up defaults must not change by looking at data.
    for (s.VIEWER_NAVY = 1; s.VIEWER_NAVY <= 5; s.VIEWER_NAVY = con::store(L(s.VIEWER_NAVY) + 1)) {
        load_class_records(s, s.VIEWER_NAVY);
        draw_class_names(s);
        VIEWER_CLASS_TABLE(s);
        if (s.VIEWER_MODE != 0) VIEWER_COMPARISON_PASS(s);
        VIEWER_PAGE_END(s);
    }
    con::clear_screen(0);
    return Block::MainMenu;
}

void VIEWER_PAGE_END(Kelmat& s) {
    // Any key ends the page; which key it was does not matter. Only mode 0 says so, in the
    // last eleven columns of row 0.
    if (s.VIEWER_MODE == 0)
        hit_any_key(s.KEY_STRING, {69, 0, 4, "Hit Any Key"});
    else
        wait_for_key(s.KEY_STRING, kAnyKey);
    // The heading rows stay; row 23 is blanked short of its last column, which never scrolls.
    for (int row = 2; row <= 22; ++row) con::print_at(Col(0), Row(row), con::space_string(80));
    con::print_at(Col(0), Row(23), con::space_string(79));
}

}  // namespace kelmat
