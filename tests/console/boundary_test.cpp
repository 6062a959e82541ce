// The platform boundary: program code reaches the screen, keys, clock, files and random numbers
// only through the console layer. The build refuses a crossing (tools/check_boundary.cpp); these
// tests pin the rules it applies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/boundary_rules.h"

namespace {

bool crosses_the_boundary(const std::string& line) { return !boundary::crossing(line).empty(); }

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
