// MORVA95F: the striking down of a daytime hour step - what waits on the flight decks, the
// question, the counts type by type with the torpedo bombers' loads, the moves from flight
// deck to hangar carrier by carrier, and the recount and deck status that close the hour.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::add_to;
using con::L;

void draw_deck_status(State& st) {
    CLEAR_MESSAGE_ROWS(st);
    show_deck_status(st);
}

/// The count of type t: a whole number up to what waits on the decks (an empty answer asks
/// again; text without a number is 0).
float ask_down_count(State& st, int t) {
    return con::store(morva::ask_number(
        [&st, t] {
            CLEAR_PROMPT_ROW(st);
            con::color(3);
            con::print_at(con::Col(10), con::Row(20), "何機の");
            con::print_string_item(st.NX(t));
            con::print_string_item("を戻しますか ?");
            con::print_end();
            con::color(6);
        },
        {58, 20, ""}, 0, st.KO(t), true, morva::EmptyLine::AsksAgain));
}

/// One torpedo bomber of each wanted load down from the carrier in `slot`; the harbour
/// raid's counts of torpedoes and bombs left take theirs back while the stocks last.
bool strike_down_torpedo_bombers(State& st, long slot) {
    const bool torpedo = move_torpedo_bomber(st, slot, st.TORPEDO_LOAD, F_TORPEDO_DECK, F_TORPEDO_HANGAR, HW_TORPEDOES,
                                             HW_ARMING_TORPEDOES, 1);
    const bool bomb =
        move_torpedo_bomber(st, slot, st.BOMB_LOAD, F_BOMB_DECK, F_BOMB_HANGAR, HW_BOMBS, HW_ARMING_BOMBS, 1);
    return torpedo || bomb;
}

void strike_down_types(State& st) {
    for (int t = KO_FIGHTERS; t <= KO_TORPEDO_BOMBERS; ++t) {
        if (st.KO(t) == 0) continue;
        st.INPUT_NUM = ask_down_count(st, t);
        if (st.INPUT_NUM == 0) continue;
        if (t == KO_TORPEDO_BOMBERS) set_loads(st, st.INPUT_NUM, st.KO(KO_TORPEDO_ARMED), st.KO(KO_BOMB_ARMED));
        strike_down_aircraft(st, t);
    }
}

}  // namespace

void strike_down_aircraft(State& st, int t) {
    carrier_passes(
        st,
        [&st, t](long slot, float ship) {
            if (st.A(0, ship, A_DURABILITY) < 3) return false;
            if (t == KO_TORPEDO_BOMBERS) return strike_down_torpedo_bombers(st, slot);
            float& on_deck = st.F(0, slot, t - 1, F_DECK);
            if (on_deck <= 0) return false;
            add_to(on_deck, -1);
            add_to(st.F(0, slot, t - 1, F_HANGAR), 1);
            add_to(st.INPUT_NUM, -1);
            return true;
        },
        [&st, t] {
            if (t == KO_TORPEDO_BOMBERS) return st.TORPEDO_LOAD < 1 && st.BOMB_LOAD < 1;
            return st.INPUT_NUM == 0;
        });
}

void strike_down(State& st) {
    FLUSH_KEYBOARD(st);
    draw_deck_status(st);
    if (L(st.KO(KO_FIGHTERS)) + L(st.KO(KO_DIVE_BOMBERS)) + L(st.KO(KO_TORPEDO_BOMBERS)) < 1) return;
    const bool down = morva::ask_yes_no(st.DIALOGUE_KEY, [&st, first = true]() mutable {
        // A wrong key brings the deck status back before the question is asked again.
        if (!first) draw_deck_status(st);
        first = false;
        con::color(3);
        con::print_at(con::Col(10), con::Row(20), "待機中の機を格納庫に戻しますか ?  Hit Y - N Key");
    });
    if (!down) return;
    strike_down_types(st);
    IDO9(st);
    draw_deck_status(st);
}

}  // namespace morva95f
