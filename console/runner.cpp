// Running a program on a console: its end, the report of an error no handler took, the dumps.
#include "console/runner.h"

#include <cstdio>
#include <fstream>

#include "console/png.h"

namespace con {
namespace {

// The console's own report of an error that no handler took: module, line and number, then a
// key wait. A diagnostic line goes to stderr as well.
void report_unhandled(Console& console, const ProgramInfo& info, const RuntimeError& e) {
    std::fprintf(stderr, "%s: unhandled error %d (%s:%u)\n", info.name.c_str(), e.number(), e.file(), e.line());
    try {
        Screen& s = console.screen();
        if (s.cursor_column() != 0 || s.wrap_pending()) s.line_end();
        s.set_colour(7);
        char text[160];
        std::snprintf(text, sizeof text, "%s [%u行]:エラー[%d]", info.module.c_str(), e.line(), e.number());
        s.write(text);
        s.line_end();
        s.write("任意のキーを押してください");
        console.wait_key();
    } catch (const ProgramEnd&) {
    } catch (const RuntimeError&) {
    }
}

void write_text_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

RunResult run_on(Console& console, const ProgramInfo& info) {
    console.make_current();
    RunResult result;
    try {
        info.main();
        result.reason = ProgramEnd::Reason::Ended;
    } catch (const ProgramEnd& end) {
        result.reason = end.reason;
        if (end.reason == ProgramEnd::Reason::EndedOnError) {
            // The program showed its own message; the run still fails like an unhandled error.
            std::fprintf(stderr, "%s: ended by error %d\n", info.name.c_str(), end.error_number);
            result.error_number = end.error_number;
            result.exit_code = 3;
        }
    } catch (const RuntimeError& e) {
        result.error_number = e.number();
        result.exit_code = 3;
        report_unhandled(console, info, e);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: internal failure: %s\n", info.name.c_str(), e.what());
        result.exit_code = 2;
    }
    console.files().abandon_all();
    return result;
}

RunResult run_headless(const ProgramInfo& info, const HeadlessOptions& options, std::unique_ptr<Console>* keep) {
    auto console = std::make_unique<Console>(make_headless_backend(options));
    RunResult result = run_on(*console, info);
    if (!options.screen_file.empty()) write_text_file(options.screen_file, console->screen().dump_text());
    if (!options.colours_file.empty()) write_text_file(options.colours_file, console->screen().dump_colours());
    if (!options.png_file.empty()) write_png(console->screen(), options.png_file);
    if (keep) *keep = std::move(console);
    return result;
}

}  // namespace con
