// The committed seed corpora of the fuzz targets (tests/fuzz/corpus/<target>/), replayed in
// every build: each input must hold its target's invariants, as it did when it was committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "tests/test_support.h"

namespace {

struct BrokenInvariant : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::filesystem::path> corpus_of(const std::string& target) {
    std::vector<std::filesystem::path> inputs;
    const std::filesystem::path dir = std::filesystem::path(SOURCE_DIR) / "tests/fuzz/corpus" / target;
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.is_regular_file()) inputs.push_back(e.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

class FuzzCorpus : public testing::TestWithParam<fuzz::NamedTarget> {};

}  // namespace

namespace fuzz {
// A target is named by its name in the test list.
void PrintTo(const NamedTarget& target, std::ostream* out) { *out << target.name; }
}  // namespace fuzz

namespace {

TEST_P(FuzzCorpus, EveryInputHoldsTheInvariants) {
    fuzz::set_broken_handler([](std::string_view what) { throw BrokenInvariant(std::string(what)); });
    const auto inputs = corpus_of(GetParam().name);
    EXPECT_GE(inputs.size(), 3u) << "a valid input and the damaged cases the tests know";
    for (const auto& path : inputs) {
        const std::string bytes = testing_support::read_file(path.string());
        const long commits = fuzz::commits();
        try {
            GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        } catch (const BrokenInvariant& e) {
            ADD_FAILURE() << path.filename() << ": " << e.what();
        }
        // The files the programs wrote are taken whole (the loaders' targets only).
        if (path.filename().string().rfind("valid_", 0) == 0) {
            EXPECT_GT(fuzz::commits(), commits) << path.filename() << " is taken";
        }
    }
    fuzz::set_broken_handler(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, testing::ValuesIn(fuzz::kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
