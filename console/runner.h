// Starting a program: the command line, the backend, the program's end and its report.
#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/console_state.h"
#include "console/program_info.h"

namespace con {

/// The headless run's settings (the command line's options).
struct HeadlessOptions {
    std::string keys;          ///< key script: characters, {ENTER} {ESC} {BS} {UP} ... {F1}.. {CLOSE} {{
    int clock_seconds = 0;     ///< seconds of the clock's time text (selects the random sequence)
    std::string screen_file;   ///< final text screen, 24 UTF-8 lines
    std::string colours_file;  ///< final colours, 24 lines of 80 digits
    std::string png_file;      ///< final composed picture
    std::string frames_dir;    ///< text screen each time the program waits for input
};

/// Parses a key script into keys: each element is one key's text, "\x01Fn" for function key n
/// or "\x01CLOSE". Throws std::invalid_argument on an unknown {NAME}.
std::vector<std::string> parse_key_script(std::string_view script);

/// Appends the key script held in the file `path` (--keys-file), line ends dropped. Throws
/// std::invalid_argument with a message when it is no regular file of at most kMaxInputBytes
/// (a FIFO or device is never waited on).
void append_key_file(const std::string& path, std::string& keys);

/// A dump the command line asked for that cannot be written (a frame, the final screen): the
/// run ends with status 2 and this message, as for an argument refused before the run.
class DumpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Creates the headless backend (the --frames folder is made by the runner, before the run).
std::unique_ptr<Backend> make_headless_backend(const HeadlessOptions& options);
/// Creates the window backend; throws std::runtime_error with a clear message without a display.
std::unique_ptr<Backend> make_window_backend(const std::string& title);

/// How a run ended.
struct RunResult {
    int exit_code = 0;
    ProgramEnd::Reason reason = ProgramEnd::Reason::Ended;
    int error_number = 0;  ///< an error that ended the program (0 if none)
};

/// Runs a program's main on a console: catches the program's end, shows the report of an error
/// that reached the runner, and abandons open files.
RunResult run_on(Console& console, const ProgramInfo& info);

/// Runs a program headless in this process (tests): returns how it ended; the console stays
/// readable through `console` until the next run.
RunResult run_headless(const ProgramInfo& info, const HeadlessOptions& options,
                       std::unique_ptr<Console>* console = nullptr);

}  // namespace con
