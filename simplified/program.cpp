// MORVA95S: the main routine (for now a placeholder screen that waits for a key).
#include "simplified/program.h"

#include "console/console.h"

namespace {

void main_routine() {
    con::clear_screen(0);
    con::color(7);
    con::print_at(con::Col(30), con::Row(10), "MORVA95S");
    con::print_at(con::Col(30), con::Row(12), "空母戦 簡易版");
    con::color(6);
    con::print_at(con::Col(30), con::Row(20), "Hit Any Key");
    con::wait_key_string();
}

}  // namespace

con::ProgramInfo morva95s_program() { return con::ProgramInfo{"MORVA95S", "Morva95s", main_routine}; }
