// A small program for the window tests: prints 300000 characters one console call at a time
// and ends, the way a long computation that reports as it goes keeps changing the screen.
#include "console/console.h"
#include "console/runner.h"

namespace {

void print_a_lot() {
    for (int i = 0; i < 300000; ++i) {
        con::locate(con::Col(i % 80), con::Row(i / 80 % 24));
        con::print_string_item(i % 2 ? "+" : "x");
    }
}

}  // namespace

int main(int argc, char** argv) {
    return con::program_main(argc, argv, con::ProgramInfo{"PRINTLOOP", "Printloop", print_a_lot});
}
