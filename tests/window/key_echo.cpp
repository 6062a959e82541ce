// A small program for the window tests: writes to stdout what each key press gives the
// program ("a", "<13>" for a control code, "F3" for a function key), so that keys sent
// through the X server can be compared with what the console received. "b" sounds the bell,
// "w" starts a 60 s timed wait, "p" clears the text and fills the plane with blue but for one
// red pixel near its bottom-right corner (the picture the scale tests read back), "q" ends
// the program.
#include <iostream>
#include <string>

#include "console/console.h"
#include "console/runner.h"

namespace {

void report(const std::string& line) { std::cout << line << std::endl; }

void echo_keys() {
    for (int n = 1; n <= 12; ++n) {
        con::on_key_gosub(n, [n] { report("F" + std::to_string(n)); });
        con::key_switch(n, con::TrapState::On);
    }
    con::print_at(con::Col(0), con::Row(0), "key echo");
    // The window exists before the traps are armed; tests wait for this line before they
    // press keys, since a function key pressed while its trap is off is dropped.
    report("ready");
    for (;;) {
        std::string k = con::wait_key_string();
        if (k == "q") return;
        if (k == "b") {
            con::beep();
            report("beep");
        } else if (k == "w") {
            report("wait");
            con::wait_ticks(6000);
            report("waited");
        } else if (k == "p") {
            con::clear_screen();
            con::draw_line(0, 0, con::kPlaneWidth - 1, con::kPlaneHeight - 1, 1, con::Shape::FilledBox);
            con::pset(con::kPlaneWidth - 2, con::kPlaneHeight - 2, 2);
            report("pattern");
        } else if (k.size() == 1 && static_cast<unsigned char>(k[0]) < 0x20) {
            report("<" + std::to_string(static_cast<int>(k[0])) + ">");
        } else {
            report(k);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    return con::program_main(argc, argv, con::ProgramInfo{"KEYECHO", "Keyecho", echo_keys});
}
