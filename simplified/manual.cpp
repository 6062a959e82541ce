// MORVA95S: the in-game manual SETUMEI: its menu, the dispatch to the chapters and the way every
// page is shown and left.
#include "simplified/manual.h"

#include "console/console.h"
#include "simplified/routines.h"

namespace morva95s {
namespace manual {
namespace {

void draw_page(const Page& page) {
    for (const morva::Text& t : page.texts) morva::show({t});
}

// The chapters of menu items 1-5.
void open_chapter(State& st, int item) {
    if (item == 1)
        show_system_chapter(st);
    else if (item == 2)
        show_ship_data_chapter(st);
    else if (item == 3)
        show_rules_chapter(st);
    else if (item == 4)
        show_battle_data_chapter(st);
    else
        show_background_chapter(st);
}

}  // namespace

void show_page(State& st, const Page& page) {
    con::clear_screen(0);
    show_page_over(st, page);
}

void show_page_over(State& st, const Page& page) {
    draw_page(page);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page.prompt);
}

void show_system_chapter(State& st) { show_page(st, system_page()); }

}  // namespace manual

void SETUMEI(State& st) {
    // Nothing survives a call: every call opens at the menu.
    for (;;) {
        con::clear_screen(0);
        manual::draw_page(manual::menu_page());
        morva::show({manual::menu_page().prompt});
        // Keys outside 1-6 are ignored without a sound or a redraw.
        const std::string key = morva::wait_for_key(st.WAIT_KEY_RESULT, "123456");
        const int item = key[0] - '0';
        if (item == 6) return;  // the menu stays on screen until the caller draws over it
        manual::open_chapter(st, item);
    }
}

}  // namespace morva95s
