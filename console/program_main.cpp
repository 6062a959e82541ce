// The programs' main(): the command line, the window or the headless run, and the exit status.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "console/runner.h"

namespace con {


namespace {

void on_interrupt(int) { g_interrupt_requested.store(true); }

// The usage: on standard output when asked for (--help), else on standard error.
void usage(const ProgramInfo& info, std::FILE* out = stderr) {
    std::fprintf(out,
                 "usage: %s                      (in a window)\n"
                 "       %s --headless [--keys TEXT] [--keys-file FILE] [--clock-seconds N]\n"
                 "                 [--screen FILE] [--colours FILE] [--png FILE] [--frames DIR]\n"
                 "       %s --help\n",
                 info.name.c_str(), info.name.c_str(), info.name.c_str());
}

}  // namespace

int program_main(int argc, char** argv, const ProgramInfo& info) {
    bool headless = false;
    HeadlessOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage(info);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            usage(info, stdout);
            return 0;
        } else if (arg == "--headless") {
            headless = true;
        } else if (arg == "--keys") {
            options.keys += value();
        } else if (arg == "--keys-file") {
            try {
                append_key_file(value(), options.keys);
            } catch (const std::invalid_argument& e) {
                std::fprintf(stderr, "%s: %s\n", info.name.c_str(), e.what());
                return 2;
            }
        } else if (arg == "--clock-seconds") {
            std::string v = value();
            char* end = nullptr;
            long s = std::strtol(v.c_str(), &end, 10);
            if (!end || *end || s < 0 || s > 59) {
                std::fprintf(stderr, "%s: --clock-seconds takes 0-59\n", info.name.c_str());
                return 2;
            }
            options.clock_seconds = static_cast<int>(s);
        } else if (arg == "--screen") {
            options.screen_file = value();
        } else if (arg == "--colours") {
            options.colours_file = value();
        } else if (arg == "--png") {
            options.png_file = value();
        } else if (arg == "--frames") {
            options.frames_dir = value();
        } else {
            usage(info);
            return 2;
        }
    }
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
    try {
        if (headless) {
            try {
                (void)parse_key_script(options.keys);  // a bad script is refused before the run
            } catch (const std::invalid_argument& e) {
                std::fprintf(stderr, "%s: %s\n", info.name.c_str(), e.what());
                return 2;
            }
            return run_headless(info, options).exit_code;
        }
        Console console(make_window_backend(info.name));
        return run_on(console, info).exit_code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.name.c_str(), e.what());
        return 1;
    }
}

}  // namespace con
