// A small program for the window tests and the idle benchmark: waits for a key the way a
// program written as a loop of single statements does, by polling inkey_string.
#include "console/console.h"
#include "console/runner.h"

namespace {

void poll_for_key() {
    con::print_at(con::Col(0), con::Row(0), "polling for a key");
    while (con::inkey_string().empty()) {
    }
}

}  // namespace

int main(int argc, char** argv) {
    return con::program_main(argc, argv, con::ProgramInfo{"INKEYLOOP", "Inkeyloop", poll_for_key});
}
