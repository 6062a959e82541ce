// kelmat95: the main routine (for now a placeholder screen that waits for a key).
#include "gunnery/program.h"

#include "console/console.h"

namespace {

void main_routine() {
    con::clear_screen(0);
    con::color(7);
    con::print_at(con::Col(30), con::Row(10), "kelmat95");
    con::print_at(con::Col(30), con::Row(12), "戦艦砲戦シミュレータ");
    con::color(6);
    con::print_at(con::Col(30), con::Row(20), "Hit Any Key");
    con::wait_key_string();
}

}  // namespace

con::ProgramInfo kelmat95_program() { return con::ProgramInfo{"kelmat95", "kelmat95", main_routine}; }
