// The platform boundary: program code reaches the screen, keys, clock, files and random numbers
// only through the console layer, and a program header defines no macro. The build refuses a
// crossing and such a macro (tools/check_boundary.cpp); these tests pin the rules it applies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/boundary_rules.h"

namespace {

bool crosses_the_boundary(const std::string& line) { return !boundary::crossing(line).empty(); }

/// The refusals of a file, each as "file:line: error: what" (the reason after it cut off), one a line.
std::string refused(const std::string& path, const std::string& text) {
    std::string out;
    for (const std::string& refusal : boundary::refusals(path, text))
        out += refusal.substr(0, refusal.find(';')) + "\n";
    return out;
}

TEST(Boundary, TheCheckSeesForbiddenLines) {
    struct Case {
        const char* line;
        bool crosses;
    };
    const Case cases[] = {
        {"#include <SDL2/SDL.h>", true},
        {"  #include <cstdio>", true},
        {"#include <fstream>", true},
        {"#include <thread>", true},
        {"#include <ctime>", true},
        {"#include <unistd.h>", true},
        {"#include <filesystem>", true},
        {"#include <iostream>", true},
        {"#include \"console/console_state.h\"", true},
        {"#include \"console/runner.h\"", true},
        {"int r = std::rand() % 6;", true},
        {"auto t = time(nullptr);", true},
        {"std::exit(1);", true},
        {"const char* h = getenv(\"HOME\");", true},
        {"system(\"ls\");", true},
        {"std::this_thread::sleep_for(d);", true},
        {"std::string t = con::time_string();", false},
        {"float r = con::rnd();", false},
        {"#include \"console/console.h\"", false},
        {"#include \"console/program_info.h\"", false},
        {"run.exit(2);  // a member of that name is not the C library's", false},
        {"x = 1;  // no exit() here", false},
    };
    for (const Case& c : cases) EXPECT_EQ(crosses_the_boundary(c.line), c.crosses) << c.line;
}

// A header's macro reaches every file after the one that includes it in a batch of the unity
// build; a .cpp file's own macros are check_unity's.
TEST(Boundary, ProgramHeadersDefineNoMacro) {
    struct Case {
        const char* what;
        const char* path;
        const char* text;
        const char* refused;
    };
    const Case cases[] = {
        {"a macro", "gunnery/rounds.h", "#pragma once\n#define LAST_ROUND 12\n",
         "gunnery/rounds.h:2: error: program header defines the macro LAST_ROUND\n"},
        {"blanks around the #", "detailed/fleet.h", "  #  define\tFLEET(i) A[i]\n",
         "detailed/fleet.h:1: error: program header defines the macro FLEET\n"},
        {"a macro undefined", "campaign/calendar.h", "#pragma once\n#undef min\n",
         "campaign/calendar.h:2: error: program header undefines the macro min\n"},
        {"a macro over continuation lines, and a line after it", "simplified/strike.h",
         "#define HITS(a, b) \\\n    ((a) + \\\n     (b))\n#include <cstdio>\n",
         "simplified/strike.h:1: error: program header defines the macro HITS\n"
         "simplified/strike.h:4: error: program code includes <cstdio>\n"},
        {"a directive split after the #", "dialogue/ask.h", "# \\\ndefine ASK 1\n",
         "dialogue/ask.h:1: error: program header defines the macro ASK\n"},
        {"CRLF line ends", "gunnery/board.h", "#pragma once\r\n#define \\\r\nBOARD 8\r\n",
         "gunnery/board.h:2: error: program header defines the macro BOARD\n"},
        {"a macro in a .cpp file (check_unity's)", "detailed/fleet.cpp", "#define FLEET(i) A[i]\n", ""},
        {"#pragma once, includes and conditions", "campaign/save_file.h",
         "#pragma once\n#include <string>\n#include \"console/console.h\"\n#if defined(NDEBUG)\n#endif\n", ""},
        {"a comment and a name", "gunnery/rounds.h", "// #define LAST_ROUND 12\nconstexpr int kDefine = 1;\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(refused(c.path, c.text), c.refused) << c.what;
}

TEST(Boundary, ProgramCodeUsesOnlyTheConsole) {
    std::string hits;
    for (const char* folder : {"detailed", "simplified", "gunnery", "campaign"}) {
        std::filesystem::path root = std::filesystem::path(SOURCE_DIR) / folder;
        if (!std::filesystem::exists(root)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                if (crosses_the_boundary(line)) hits += entry.path().string() + ":" + std::to_string(n) + ": " + line + "\n";
        }
    }
    EXPECT_TRUE(hits.empty()) << hits;
}

}  // namespace
