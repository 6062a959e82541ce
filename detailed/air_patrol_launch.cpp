// MORVA95F: the combat air patrol launch of a daytime hour step - the fighters ready on the
// flight decks after the strikes, the question and the count, and the fighters' move into
// their first patrol hour, carrier by carrier.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {

using con::add_to;
namespace {

bool ask_patrol(State& st) {
    return morva::ask_yes_no(st.DIALOGUE_KEY, [&st] {
        CLEAR_MESSAGE_ROWS(st);
        con::color(6);
        con::print_at(con::Col(16), con::Row(22), st.NX(KO_FIGHTERS));
        con::print_single_item(st.FIGHTERS_READY);
        con::print_string_item("機待機中");
        // Blanks the night texts of the strike launch.
        con::print_at(con::Col(19), con::Row(19), con::space_string(20));
        con::color(7);
        con::print_at(con::Col(10), con::Row(20), "直衛機を出しますか ?  Hit Y - N Key");
        con::print_end();
    });
}

/// The count: a whole number from 0 to FIGHTERS_READY (an empty answer asks again).
float ask_patrol_count(State& st) {
    return con::store(morva::ask_number(
        [&st] {
            CLEAR_PROMPT_ROW(st);
            con::print_at(con::Col(10), con::Row(20), "何機の");
            con::print_string_item(st.NX(KO_FIGHTERS));
            con::print_string_item("を出しますか ?");
        },
        {52, 20, ""}, 0, st.FIGHTERS_READY, true, morva::EmptyLine::AsksAgain));
}

}  // namespace

void send_patrol_fighters(State& st) {
    carrier_passes(
        st,
        [&st](long slot, float ship) {
            float& on_deck = st.F(0, slot, AIR_FIGHTERS, F_DECK);
            if (!carrier_operational(st, ship) || on_deck <= 0) return false;
            add_to(on_deck, -1);
            add_to(st.F(0, slot, AIR_FIGHTERS, F_PATROL_FIRST), 1);
            add_to(st.A(0, ship, A_AIRCRAFT_AWAY), 1);
            add_to(st.INPUT_NUM, -1);
            return true;
        },
        [&st] { return st.INPUT_NUM == 0; });
}

void launch_air_patrol(State& st) {
    if (st.FIGHTERS_READY < 1) return;
    FLUSH_KEYBOARD(st);
    if (!ask_patrol(st)) return;
    st.INPUT_NUM = ask_patrol_count(st);
    if (st.INPUT_NUM == 0) return;
    send_patrol_fighters(st);
}

}  // namespace morva95f
