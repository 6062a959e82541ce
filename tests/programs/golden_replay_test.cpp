// Golden replays: each registered row (replay_table.h) runs a program headless from a key
// script and a clock second, in a fresh working directory, and compares its final text screen,
// its text colours and every file left in the directory with the references under
// tests/golden/<row name>/. UPDATE_GOLDEN=1 rewrites the references; their diff is reviewed
// like code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/programs/replay_table.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;
using namespace testing_support;

namespace golden_replays {
namespace {

std::vector<Replay>& registry() {
    static std::vector<Replay> rows;
    return rows;
}

}  // namespace

ReplayRows::ReplayRows(std::vector<Replay> rows) {
    for (auto& r : rows) registry().push_back(std::move(r));
}

std::vector<Replay> all_replays() {
    std::vector<Replay> rows = registry();
    std::sort(rows.begin(), rows.end(), [](const Replay& a, const Replay& b) { return a.name < b.name; });
    return rows;
}

// A row as a failure names it.
void PrintTo(const Replay& replay, std::ostream* out) { *out << replay.name; }

namespace {

/// The files a run left in the current directory, by name.
std::vector<GivenFile> files_left() {
    std::vector<GivenFile> files;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file())
            files.push_back({entry.path().filename().string(), read_file(entry.path().string())});
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

/// The file names under a reference folder (none when it does not exist).
std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out.empty() ? "(none)" : out;
}

class GoldenReplay : public testing::TestWithParam<Replay> {};

TEST_P(GoldenReplay, ScreenColoursAndFiles) {
    const Replay& replay = GetParam();
    ScopedTempDir dir;
    for (const auto& f : replay.given) write_file(f.name, f.bytes);
    ProgramRun run = run_program(replay.program(), replay.keys, replay.clock_seconds);
    const std::string folder = "golden/" + replay.name + "/";
    SCOPED_TRACE("replay " + replay.name);
    expect_golden(run.screen().dump_text(), folder + "screen.txt");
    expect_golden(run.screen().dump_colours(), folder + "colours.txt");

    const auto files = files_left();
    const fs::path files_folder = fs::path(SOURCE_DIR) / "tests" / folder / "files";
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.name);
    if (updating_golden()) {
        fs::remove_all(files_folder);
        if (!files.empty()) fs::create_directories(files_folder);
    } else {
        EXPECT_EQ(joined(names), joined(names_in(files_folder))) << "the files left in the working directory";
    }
    for (const auto& f : files) expect_golden(f.bytes, folder + "files/" + f.name, true);
}

INSTANTIATE_TEST_SUITE_P(Replays, GoldenReplay, testing::ValuesIn(all_replays()),
                         [](const testing::TestParamInfo<Replay>& info) { return info.param.name; });

TEST(GoldenReplayTable, NamesAreUnique) {
    std::vector<std::string> rows;
    for (const auto& r : all_replays()) rows.push_back(r.name);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end()) << "a name used twice";
}

}  // namespace
}  // namespace golden_replays
