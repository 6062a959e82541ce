// MORVA95F: the strike reports shown on the screen: each message at its place and in its
// colour, then the pause that follows it.
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

void follow(State& st, After after) {
    switch (after) {
        case After::Nothing: return;
        case After::ShortPause: MATU2(st); return;
        case After::Pause: MATU(st); return;
        case After::AirfieldWait: con::wait_ticks(con::int_floor(con::L(st.TT(TT_WAIT)) / 10)); return;
        // The busy pause grows with the display time; the console's pause never spins.
        case After::BusyPause: con::busy_pause(con::L(st.TT(TT_WAIT)) * 100); return;
    }
}

}  // namespace

void play(State& st, const StrikeReport& report) {
    for (const StrikeLine& line : report) {
        if (line.beep) con::beep();
        if (line.colour >= 0) con::color(line.colour);
        con::print_at(con::Col(line.column), con::Row(line.row), line.text);
        if (line.line_end) con::print_end();
        follow(st, line.after);
    }
}

}  // namespace morva95f
