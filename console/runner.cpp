// Running a program on a console: its end, the report of an error no handler took, the dumps.
#include "console/runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

#include "console/file_system.h"
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
    out.close();
    if (!out) throw DumpError("cannot write " + path);
}

// Why the folder `path` cannot take new files ("" when it can).
std::string unusable_folder(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return "not a folder";
    if (::access(path.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return "";
}

// What a file made at `path` would be made as: the path itself, or the end of the chain of
// symbolic links it names (creating a file through a link makes the link's target). `why` is
// set when the chain cannot be followed: too long, or a link that cannot be read.
std::string creation_target(const std::string& path, std::string& why) {
    std::string at = path;
    for (int hops = 0; hops <= 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(at.c_str(), target, sizeof target - 1);
        if (n <= 0) {
            why = std::strerror(n < 0 ? errno : ENOENT);
            return at;
        }
        const std::string next(target, static_cast<std::size_t>(n));
        at = next.front() == '/' ? next : folder_of(at) + "/" + next;
    }
    why = std::strerror(ELOOP);
    return at;
}

// Why the file of a dump option cannot be written ("" when it can), found without creating
// anything: an existing file is opened for writing (never truncated, never waited on as a
// FIFO); a missing one, or a link to a missing one, needs a name that can be a file's (no
// final /) in a folder that takes new files.
std::string unwritable_file(const std::string& path) {
    static const std::string kFolderName = "a file's name cannot end in /";
    if (path.ends_with('/')) return kFolderName;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return "";
    }
    if (errno != ENOENT) return std::strerror(errno);
    std::string why;
    const std::string target = creation_target(path, why);
    if (!why.empty()) return why;
    if (target.ends_with('/')) return target + ": " + kFolderName;
    const std::string folder = folder_of(target);
    why = unusable_folder(folder);
    return why.empty() ? "" : folder + ": " + why;
}

// Why the --frames folder cannot take the frames ("" when it can): an existing folder, or a
// missing one whose folder takes new folders (the runner makes it just before the run). A
// link to nothing is refused: no folder can be made under its name.
std::string unusable_frames_folder(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 || errno != ENOENT) return unusable_folder(path);
    if (::lstat(path.c_str(), &st) == 0) return "a symbolic link to nothing";
    const std::string folder = folder_of(path);
    const std::string why = unusable_folder(folder);
    return why.empty() ? "" : folder + ": " + why;
}

// The first dump option that cannot be used, as a message ("" when all can): every one is
// checked before the run, so that a run is never played to be lost at its end, and before
// anything is made, so that a refused command line writes nothing.
std::string unusable_dump_option(const HeadlessOptions& options) {
    const std::pair<const char*, const std::string*> files[] = {
        {"--screen", &options.screen_file}, {"--colours", &options.colours_file}, {"--png", &options.png_file}};
    for (const auto& [option, path] : files)
        if (!path->empty())
            if (std::string why = unwritable_file(*path); !why.empty())
                return std::string("cannot write ") + option + " " + *path + ": " + why;
    if (!options.frames_dir.empty())
        if (std::string why = unusable_frames_folder(options.frames_dir); !why.empty())
            return "cannot use --frames " + options.frames_dir + ": " + why;
    return "";
}

// Makes the frames folder when it is missing, once every option has passed: the one thing
// made before the run. A folder that cannot be made after all (a file system that takes none,
// whatever its rights say) refuses the command line with nothing made. The message, or "".
std::string make_frames_folder(const HeadlessOptions& options) {
    if (options.frames_dir.empty()) return "";
    const std::string why = ::mkdir(options.frames_dir.c_str(), 0755) != 0 && errno != EEXIST
                                ? std::strerror(errno)
                                : unusable_folder(options.frames_dir);
    return why.empty() ? "" : "cannot use --frames " + options.frames_dir + ": " + why;
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
    } catch (const DumpError& e) {
        std::fprintf(stderr, "%s: %s\n", info.name.c_str(), e.what());
        result.exit_code = 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: internal failure: %s\n", info.name.c_str(), e.what());
        result.exit_code = 2;
    }
    console.files().abandon_all();
    return result;
}

RunResult run_headless(const ProgramInfo& info, const HeadlessOptions& options, std::unique_ptr<Console>* keep) {
    // A command-line argument that cannot be used ends the run with status 2, before it starts
    // or when its dump cannot be written after all (a full disk).
    RunResult refused;
    refused.exit_code = 2;
    for (const auto check : {unusable_dump_option, make_frames_folder})
        if (const std::string why = check(options); !why.empty()) {
            std::fprintf(stderr, "%s: %s\n", info.name.c_str(), why.c_str());
            return refused;
        }
    auto console = std::make_unique<Console>(make_headless_backend(options));
    RunResult result = run_on(*console, info);
    try {
        if (!options.screen_file.empty()) write_text_file(options.screen_file, console->screen().dump_text());
        if (!options.colours_file.empty()) write_text_file(options.colours_file, console->screen().dump_colours());
        if (!options.png_file.empty()) write_png(console->screen(), options.png_file);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "%s: %s\n", info.name.c_str(), e.what());
        result.exit_code = 2;
    }
    if (keep) *keep = std::move(console);
    return result;
}

}  // namespace con
