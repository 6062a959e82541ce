// What a program is called and runs, and the main() that starts it: all a program needs of the
// runner, without the console's internals.
#pragma once
#include <functional>
#include <string>

namespace con {

/// What a program is called and runs.
struct ProgramInfo {
    std::string name;         ///< shown in messages ("MORVA95F")
    std::string module;       ///< source module named in the error report ("Morva95f")
    std::function<void()> main;
};

/// The program's main(): parses the command line (--headless and its options, or the window),
/// runs the program and writes the dumps.
int program_main(int argc, char** argv, const ProgramInfo& info);

}  // namespace con
