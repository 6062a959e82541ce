// Helpers shared by the test suites.
#include "tests/test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testing_support {

ScopedConsole::ScopedConsole(std::string keys, int clock_seconds) {
    con::HeadlessOptions options;
    options.keys = std::move(keys);
    options.clock_seconds = clock_seconds;
    console_ = std::make_unique<con::Console>(con::make_headless_backend(options));
    console_->make_current();
}

void ScopedConsole::type_ahead(std::string_view keys) {
    for (const auto& k : con::parse_key_script(keys)) console_->key(k);
}

std::string text_at(const con::Screen& screen, int col, int row, int cells) {
    const std::string line = screen.row_text(row);
    std::string out;
    int c = 0;
    for (std::size_t i = 0; i < line.size() && c < col + cells;) {
        const con::TextUnit u = con::next_unit(line, i);
        if (c >= col) out.append(line, i, u.length);
        c += u.width;
        i += u.length;
    }
    return out;
}

std::string row_of(const con::Screen& screen, int row) {
    std::string line = screen.row_text(row);
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

int colour_of(const con::Screen& screen, int col, int row) {
    const con::TextCell& cell = screen.cell(col, row);
    return cell.code == 0 ? -1 : cell.colour;
}

testing::AssertionResult shows(const con::Screen& screen, int col, int row, const std::string& text, int colour) {
    const int cells = static_cast<int>(con::byte_length(text));
    const std::string actual = text_at(screen, col, row, cells);
    if (actual != text)
        return testing::AssertionFailure() << "at (" << col << "," << row << "): \"" << actual << "\" instead of \""
                                           << text << "\"";
    if (colour < 0) return testing::AssertionSuccess();
    for (int c = col; c < col + cells; ++c) {
        const con::TextCell& cell = screen.cell(c, row);
        if (cell.code != 0 && cell.code != U' ' && cell.colour != colour)
            return testing::AssertionFailure() << "colour " << int(cell.colour) << " at (" << c << "," << row
                                               << ") instead of " << colour;
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult shows(const ProgramRun& run, int col, int row, const std::string& text, int colour) {
    return shows(run.screen(), col, row, text, colour);
}

long column_of(const std::string& line, const std::string& text) {
    const auto pos = line.find(text);
    return pos == std::string::npos ? -1 : con::byte_length(line.substr(0, pos));
}

char colour_at(const std::string& colours, int column, int row) { return dump_line(colours, row).at(column); }

std::string ProgramRun::text_at(int col, int row, int cells) const {
    return testing_support::text_at(console->screen(), col, row, cells);
}

std::string ProgramRun::row(int r) const { return row_of(console->screen(), r); }

int ProgramRun::colour_at(int col, int row) const { return colour_of(console->screen(), col, row); }

ProgramRun run_program(const con::ProgramInfo& info, const std::string& keys, int clock_seconds) {
    ProgramRun run;
    con::HeadlessOptions options;
    options.keys = keys;
    options.clock_seconds = clock_seconds;
    run.result = con::run_headless(info, options, &run.console);
    return run;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string dump_line(const std::string& dump, int n) {
    std::istringstream in(dump);
    std::string line;
    for (int i = 0; i <= n; ++i)
        if (!std::getline(in, line)) return "";
    return line;
}

BinaryRun run_binary(const std::string& program, const std::string& keys, int clock_seconds,
                     const std::vector<std::string>& extra_args) {
    static const char* dirs[] = {"detailed", "simplified", "gunnery"};
    std::string exe;
    for (const char* d : dirs) {
        std::string candidate = std::string(BINARY_DIR) + "/" + d + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) exe = candidate;
    }
    BinaryRun run;
    if (exe.empty()) {
        ADD_FAILURE() << "no built binary " << program;
        return run;
    }
    std::vector<std::string> args = {exe, "--headless", "--keys", keys, "--clock-seconds",
                                     std::to_string(clock_seconds), "--screen", "run.screen.txt",
                                     "--colours", "run.colours.txt"};
    args.insert(args.end(), extra_args.begin(), extra_args.end());
    std::remove("run.screen.txt");
    std::remove("run.colours.txt");
    pid_t pid = fork();
    if (pid == 0) {
        FILE* err = std::freopen("run.stderr.txt", "w", stderr);
        (void)err;
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.screen = read_file("run.screen.txt");
    run.colours = read_file("run.colours.txt");
    run.err = read_file("run.stderr.txt");
    return run;
}

ScopedTempDir::ScopedTempDir() {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) previous_ = cwd;
    char dir[] = "/tmp/morva-case-XXXXXX";
    if (!mkdtemp(dir)) throw std::runtime_error("mkdtemp failed");
    path_ = dir;
    if (chdir(dir) != 0) throw std::runtime_error("chdir failed");
}

ScopedTempDir::~ScopedTempDir() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) std::perror("chdir back");
    std::string cmd = "rm -rf '" + path_ + "'";
    if (std::system(cmd.c_str()) != 0) std::perror("rm");
}

int error_number_of(const std::function<void()>& call) {
    try {
        call();
    } catch (const con::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

bool updating_golden() {
    const char* update = std::getenv("UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

namespace {

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

// A line as the failure shows it: control bytes and bytes above 127 of a binary file escaped.
std::string shown(const std::string& line, bool bytes) {
    std::string out;
    for (unsigned char c : line) {
        if (c == '\r') {
            out += "\\r";
        } else if (c < 32 || (bytes && c > 126)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return "\"" + out + "\"";
}

// The 1-based column of byte `at` of a line: screen cells of UTF-8 text, or bytes.
std::size_t column_of(const std::string& line, std::size_t at, bool bytes) {
    if (bytes) return at + 1;
    std::size_t cells = 0;
    for (std::size_t i = 0; i < line.size();) {
        const con::TextUnit u = con::next_unit(line, i);
        if (i + u.length > at) break;
        cells += u.width;
        i += u.length;
    }
    return cells + 1;
}

}  // namespace

std::string golden_difference(const std::string& expected, const std::string& actual, bool bytes) {
    if (expected == actual) return "";
    const auto want = split_lines(expected);
    const auto got = split_lines(actual);
    const std::size_t lines = std::max(want.size(), got.size());
    std::size_t first = lines, differing = 0;
    for (std::size_t i = 0; i < lines; ++i) {
        const bool same = i < want.size() && i < got.size() && want[i] == got[i];
        if (same) continue;
        ++differing;
        if (first == lines) first = i;
    }
    std::ostringstream out;
    if (first == lines) {
        out << "the same lines, but the line ends differ (" << expected.size() << " bytes expected, "
            << actual.size() << " actual)";
        return out.str();
    }
    const std::string w = first < want.size() ? want[first] : "";
    const std::string g = first < got.size() ? got[first] : "";
    std::size_t at = 0;
    while (at < w.size() && at < g.size() && w[at] == g[at]) ++at;
    const std::size_t column = column_of(first < want.size() ? w : g, at, bytes);
    out << "line " << first + 1 << ", " << (bytes ? "byte " : "column ") << column;
    if (!bytes) out << " (screen cell " << column - 1 << ", " << first << ")";
    out << " (first of " << differing << " differing line" << (differing == 1 ? "" : "s") << ")\n"
        << "  expected: " << (first < want.size() ? shown(w, bytes) : "(no line)") << "\n"
        << "  actual:   " << (first < got.size() ? shown(g, bytes) : "(no line)");
    return out.str();
}

void expect_golden(const std::string& actual, const std::string& reference, bool bytes) {
    std::string path = std::string(SOURCE_DIR) + "/tests/" + reference;
    if (updating_golden()) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        write_file(path, actual);
        return;
    }
    const std::string difference = golden_difference(read_file(path), actual, bytes);
    if (!difference.empty())
        ADD_FAILURE() << "reference tests/" << reference << " differs at " << difference
                      << "\n(run with UPDATE_GOLDEN=1 to regenerate, then review the diff)";
}

}  // namespace testing_support
