// MORVA95F: the main routine (for now a placeholder screen that waits for a key).
#include "detailed/program.h"

#include "console/console.h"

namespace {

void main_routine() {
    con::clear_screen(0);
    con::color(7);
    con::print_at(con::Col(30), con::Row(10), "MORVA95F");
    con::print_at(con::Col(30), con::Row(12), "空母戦 詳細版");
    con::color(6);
    con::print_at(con::Col(30), con::Row(20), "Hit Any Key");
    con::wait_key_string();
}

}  // namespace

con::ProgramInfo morva95f_program() { return con::ProgramInfo{"MORVA95F", "Morva95f", main_routine}; }
