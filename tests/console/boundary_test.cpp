// The platform boundary: program code reaches the screen, keys, clock, files and random numbers
// only through the console layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

TEST(Boundary, ProgramCodeUsesOnlyTheConsole) {
    const std::regex forbidden(
        R"(#\s*include\s*[<"](SDL[^>"]*|random|chrono|cstdio|stdio\.h)[>"]|\b(std::)?(rand|srand|time|fopen)\s*\()");
    std::vector<std::string> hits;
    for (const char* folder : {"detailed", "simplified", "gunnery"}) {
        std::filesystem::path root = std::filesystem::path(SOURCE_DIR) / folder;
        if (!std::filesystem::exists(root)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                if (std::regex_search(line, forbidden)) hits.push_back(entry.path().string() + ":" + std::to_string(n) + ": " + line);
        }
    }
    EXPECT_TRUE(hits.empty()) << [&] {
        std::string all;
        for (const auto& h : hits) all += h + "\n";
        return all;
    }();
}

}  // namespace
