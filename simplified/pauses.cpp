// MORVA95S: the comment pause, the title, the key wait and the blanking of the message rows
// that every phase shares. Key waits block on window events (never spin); a timed pause
// handles no events, so keys typed meanwhile wait in the buffer and F1 runs after it.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

constexpr int kPromptColumn = 35;
constexpr int kPromptRow = 20;

}  // namespace

void PAUSE_MESSAGE(State& st) {
    if (st.TT(TT_COMMENT_KEY) == 0) {
        con::wait_ticks(con::L(st.TT(TT_WAIT)));
        return;
    }
    morva::hit_any_key(st.DIALOGUE_KEY, {kPromptColumn, kPromptRow, 4, "Hit Any Key"}, true);
}

void SHOW_TITLE(State&) {
    con::clear_screen(0);
    con::color(2);
    con::print_at(con::Col(26), con::Row(1), "Morvane  for WINDOWS 95");
    con::color(4);
    con::print_at(con::Col(31), con::Row(3), "簡略モード       Ver. 3.0");
}

std::string WAIT_KEY(State& st) { return morva::WAIT_KEY(st.WAIT_KEY_RESULT); }

void CLEAR_MESSAGE_ROWS(State& st) {
    for (int row = 21; row <= 23; ++row) con::print_at(con::Col(10), con::Row(row), con::space_string(68));
    CLEAR_PROMPT_ROW(st);
}

void CLEAR_PROMPT_ROW(State&) { con::print_at(con::Col(10), con::Row(20), con::space_string(68)); }

}  // namespace morva95s
