// MORVA95F: the F1 handler: a digit sets the display time; the hidden three-letter sequence
// opens the Allied overview during a turn's operations and the status panel at other times.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "campaign/display_time.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

void allied_overview(State& st) {
    con::clear_screen(0);
    FMAP(st);
    HYOJI6(st);
    con::locate(con::Col(69), con::Row(19));
    con::print_string_item("TYPE");
    con::print_single_item(st.OPERATION_CHARACTER);
    con::print_end();
    morva::hit_any_key(st.WAIT_KEY_RESULT, {29, 23, 4, "Hit Any Key"});
    con::clear_screen(0);
    FMAP(st);
    HINITI(st);
    ICHI0(st);
    FLUSH_KEYBOARD(st);
}

void set_display_time_from(State& st, const std::string& key) {
    st.TT(TT_COMMENT_KEY) = 0;
    if (key == "0") {
        st.TT(TT_WAIT) = 1;
        return;
    }
    st.DISPLAY_TIME = con::store(con::val(key));
    if (st.DISPLAY_TIME == 9) {
        st.TT(TT_COMMENT_KEY) = 1;
        return;
    }
    morva::SET_DISPLAY_TIME(st.TT, st.DISPLAY_TIME);
}

}  // namespace

void FKEY_HANDLER(State& st) {
    // The keys read here belong to the handler: the console never hands them to the question
    // that F1 interrupted, which goes on waiting for a key of its own afterwards.
    for (const char* letter : kHiddenSequence) {
        const std::string key = WAIT_KEY(st);
        if (key != letter) {
            // A key that breaks the sequence is a display-time key.
            set_display_time_from(st, key);
            return;
        }
    }
    if (st.OPERATION_ACTIVE == 0) {
        STATUS_PANEL(st);
        return;
    }
    allied_overview(st);
}

void STATUS_PANEL(State& st) {
    con::color(6);
    con::print_at(con::Col(74), con::Row(1), "勢力値");
    for (int b = 6; b <= 21; ++b) {
        if (!(st.P(b, P_HOLDER) > 0)) continue;  // Japanese-held bases are left as they are
        con::locate(con::Col(76), con::Row(b + 1));
        con::print_single_item(st.P(b, P_STRENGTH));
    }
    con::print_at(con::Col(30), con::Row(0), con::space_string(48));
    con::print_at(con::Col(24), con::Row(23), "損害       ");
    for (int k = 0; k <= 2; ++k) con::print_single_item(st.VS(0, k));
    con::locate(con::Col(40), con::Row(0));
    SHOW_RESULTS_LINE(st);
}

}  // namespace morva95f
