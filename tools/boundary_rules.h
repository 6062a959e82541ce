// The platform boundary's rules: program code (detailed/, simplified/, gunnery/, campaign/, dialogue/)
// reaches the screen, keys, clock, files and random numbers only through the console's public
// headers. Shared by the check that runs with the build and by its tests.
#pragma once
#include <array>
#include <cctype>
#include <string>
#include <string_view>

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

}  // namespace boundary
