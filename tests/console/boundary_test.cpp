// The platform boundary: program code reaches the screen, keys, clock, files and random numbers
// only through the console layer.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

bool is_identifier_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Whether the line includes a forbidden header or calls a forbidden function.
bool crosses_the_boundary(const std::string& line) {
    std::size_t hash = line.find_first_not_of(" \t");
    if (hash != std::string::npos && line[hash] == '#' && line.find("include") != std::string::npos) {
        for (const char* header : {"<SDL", "\"SDL", "<random>", "<chrono>", "<cstdio>", "<stdio.h>"})
            if (line.find(header) != std::string::npos) return true;
    }
    for (const std::string name : {"rand", "srand", "time", "fopen"}) {
        for (std::size_t at = line.find(name + "("); at != std::string::npos; at = line.find(name + "(", at + 1)) {
            bool starts_word = at == 0 || (!is_identifier_char(line[at - 1]) && line[at - 1] != '.');
            if (starts_word) return true;
        }
    }
    return false;
}

TEST(Boundary, TheCheckSeesForbiddenLines) {
    EXPECT_TRUE(crosses_the_boundary("#include <SDL2/SDL.h>"));
    EXPECT_TRUE(crosses_the_boundary("  #include <cstdio>"));
    EXPECT_TRUE(crosses_the_boundary("int r = std::rand() % 6;"));
    EXPECT_TRUE(crosses_the_boundary("auto t = time(nullptr);"));
    EXPECT_FALSE(crosses_the_boundary("std::string t = con::time_string();"));
    EXPECT_FALSE(crosses_the_boundary("float r = con::rnd();"));
    EXPECT_FALSE(crosses_the_boundary("#include \"console/console.h\""));
}

TEST(Boundary, ProgramCodeUsesOnlyTheConsole) {
    std::string hits;
    for (const char* folder : {"detailed", "simplified", "gunnery"}) {
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
