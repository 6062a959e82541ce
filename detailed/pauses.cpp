// MORVA95F: the message pauses, key waits and message-row blanking that every phase shares.
// Key waits block on window events (never spin); timed pauses use wait_ticks, during which
// typed keys wait in the buffer and an F1 press runs afterwards.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "campaign/display_time.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// The pause's prompt, blanked again once a key has come.
const morva::Text kHitAnyKey{35, 20, 4, "Hit Any Key"};

bool key_mode(const State& st) { return st.TT(TT_COMMENT_KEY) != 0; }

}  // namespace

void MATU(State& st) {
    if (!key_mode(st)) {
        con::wait_ticks(con::L(st.TT(TT_WAIT)));
        return;
    }
    std::string key;  // the key is consumed and kept nowhere
    morva::hit_any_key(key, kHitAnyKey, true);
}

void MATU2(State& st) {
    if (!key_mode(st)) con::wait_ticks(con::int_floor(con::L(st.TT(TT_WAIT)) / 10));
}

void PAUSE_MESSAGE(State& st) {
    if (!key_mode(st)) {
        con::wait_ticks(con::int_floor(con::L(st.TT(TT_WAIT)) / 50));
        return;
    }
    morva::hit_any_key(st.DIALOGUE_KEY, kHitAnyKey, true);
}

std::string WAIT_KEY(State& st) { return morva::WAIT_KEY(st.WAIT_KEY_RESULT); }

void FLUSH_KEYBOARD(State& st) {
    // Bounded by the type-ahead buffer: each read removes one waiting key.
    do {
        st.DIALOGUE_KEY = con::inkey_string();
    } while (!st.DIALOGUE_KEY.empty());
}

void CLEAR_MESSAGE_ROWS(State& st) {
    for (st.LOOP_S = 1; st.LOOP_S <= 3; st.LOOP_S = st.LOOP_S + 1) {
        con::locate(con::Col(7), con::Row(con::L(st.LOOP_S) + 20));
        con::print_string_item(con::space_string(71));
    }
    CLEAR_PROMPT_ROW(st);
}

void CLEAR_PROMPT_ROW(State&) {
    con::locate(con::Col(7), con::Row(20));
    con::print_string_item(con::space_string(71));
}

}  // namespace morva95f
