// The platform boundary's rules: program code (detailed/, simplified/, gunnery/, campaign/, dialogue/)
// reaches the screen, keys, clock, files and random numbers only through the console's public
// headers. And a program header defines (or undefines) no macro: the unity build compiles a
// library's files in batches, and a header's macro reaches every file after the one that
// includes it in the batch.
// Shared by the check that runs with the build and by its tests.
#pragma once
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace boundary {

/// Headers program code may not include: window, OS and C-library services, and the console's
/// own internals (its state, backends, file system, picture writer, font and runner).
inline constexpr std::array<std::string_view, 24> kForbiddenHeaders = {
    "<SDL", "\"SDL", "<X11/", "<windows.h>", "<sys/", "<unistd.h>", "<random>", "<chrono>",
    "<ctime>", "<time.h>", "<thread>", "<cstdio>", "<stdio.h>", "<fstream>", "<iostream>",
    "<filesystem>", "<csignal>", "<signal.h>",
    "\"console/console_state.h\"", "\"console/backend.h\"", "\"console/file_system.h\"",
    "\"console/png.h\"", "\"console/font.h\"", "\"console/runner.h\"",
};

/// Functions program code may not call (the console has its own for each need).
inline constexpr std::array<std::string_view, 9> kForbiddenCalls = {
    "rand", "srand", "time", "fopen", "exit", "getenv", "system", "sleep_for", "abort",
};

inline bool is_identifier_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

/// What the line does that crosses the boundary ("" when nothing): the forbidden header or
/// call it names. A `//` comment is not code and is not looked at.
inline std::string crossing(std::string_view line) {
    const std::size_t comment = line.find("//");
    const std::size_t first = line.find_first_not_of(" \t");
    const bool include = first != std::string_view::npos && line[first] == '#' &&
                         line.find("include") != std::string_view::npos;
    if (include) {
        for (std::string_view header : kForbiddenHeaders)
            if (line.find(header) != std::string_view::npos) return "includes " + std::string(header);
        return "";
    }
    const std::string_view code = line.substr(0, comment);
    for (std::string_view name : kForbiddenCalls) {
        const std::string call = std::string(name) + "(";
        for (std::size_t at = code.find(call); at != std::string_view::npos; at = code.find(call, at + 1)) {
            const bool starts_word = at == 0 || (!is_identifier_char(code[at - 1]) && code[at - 1] != '.' &&
                                                 code[at - 1] != '>');
            if (starts_word) return "calls " + std::string(name) + "()";
        }
    }
    return "";
}

/// What a line of a header does to the macros ("" when nothing): "defines the macro X" or
/// "undefines the macro X" for a `#define` or `#undef` directive, blanks around the `#` allowed.
/// `line` is a whole directive, its continuation lines joined (logical_lines).
inline std::string header_macro(std::string_view line) {
    const std::size_t hash = line.find_first_not_of(" \t");
    if (hash == std::string_view::npos || line[hash] != '#') return "";
    const std::size_t word = line.find_first_not_of(" \t", hash + 1);
    if (word == std::string_view::npos) return "";
    std::size_t end = word;
    while (end < line.size() && is_identifier_char(line[end])) ++end;
    const std::string_view directive = line.substr(word, end - word);
    if (directive != "define" && directive != "undef") return "";
    const std::size_t name = std::min(line.find_first_not_of(" \t", end), line.size());
    std::size_t name_end = name;
    while (name_end < line.size() && is_identifier_char(line[name_end])) ++name_end;
    return (directive == "define" ? "defines the macro " : "undefines the macro ") +
           std::string(line.substr(name, name_end - name));
}

/// A line as the preprocessor sees it: a physical line and the lines its trailing backslashes
/// continue it with, joined; `number` is its first physical line.
struct LogicalLine {
    int number = 0;
    std::string text;
};

inline std::vector<LogicalLine> logical_lines(std::string_view text) {
    std::vector<LogicalLine> lines;
    bool continued = false;
    int number = 1;
    for (std::size_t at = 0; at < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view physical = text.substr(at, end - at);
        at = end + 1;
        if (!physical.empty() && physical.back() == '\r') physical.remove_suffix(1);
        if (!continued) lines.push_back({number, ""});
        continued = !physical.empty() && physical.back() == '\\';
        if (continued) physical.remove_suffix(1);
        lines.back().text += physical;
    }
    return lines;
}

/// Every line of the program file `path` (a .cpp or a .h) that the build refuses, as
/// "file:line: error: ..." with the reason and what to do instead. A source's own macros are
/// check_unity's (tools/unity_rules.h): a batched .cpp file defines none either.
inline std::vector<std::string> refusals(const std::string& path, std::string_view text) {
    const bool header = path.size() >= 2 && path.compare(path.size() - 2, 2, ".h") == 0;
    std::vector<std::string> found;
    for (const LogicalLine& line : logical_lines(text)) {
        const std::string at = path + ":" + std::to_string(line.number) + ": error: ";
        const std::string crosses = crossing(line.text);
        if (!crosses.empty())
            found.push_back(at + "program code " + crosses +
                            "; it reaches the platform only through the console's public headers");
        const std::string macro = header ? header_macro(line.text) : "";
        if (!macro.empty())
            found.push_back(
                at + "program header " + macro +
                "; in a batch of the unity build a header's #define or #undef reaches every file after "
                "the one that includes it: use a constexpr constant, an inline function or a template instead "
                "(and #pragma once, not an include guard)");
    }
    return found;
}

}  // namespace boundary
