// Loads the files a run of the games left in the current directory through the games' own
// loaders, as the next run of each game would: MORDATAF.DAT (MORVA95F, scenario 7),
// MORDATAS.DAT (MORVA95S, scenario 8) and the scenario files ?-DATA.DAT (kelmat95). A file a
// loader refuses is a campaign or a scenario the player has lost. Not a program of the games:
// tools/monkey.cpp runs it in the folder of every random-key run.
//
//   save_check      exit 0: every file present is taken (or none is there); 1: one is refused,
//                   stderr names it and, for a campaign save, the first value refused and why
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "campaign/save_file.h"
#include "console/console_state.h"
#include "console/runner.h"
#include "detailed/routines.h"
#include "detailed/save_file.h"
#include "gunnery/blocks.h"
#include "gunnery/state.h"
#include "simplified/routines.h"
#include "simplified/save_file.h"

namespace {

// Runs a loader: true when it took the file; a refusal fails as a missing file (error 63).
template <typename Load>
bool taken(Load load) {
    try {
        load();
    } catch (const con::RuntimeError& e) {
        if (e.number() != con::err::kFileNotFound) throw;
        con::close_files();
        return false;
    }
    return true;
}

// Why a game refuses its save file: the first value its checks refuse, read as its loader
// reads the file, or that the file does not hold its numbers.
template <typename Values, typename State, typename FirstRefusal>
std::string why_refused(const char* name, const State& st, FirstRefusal first_refusal) {
    Values v{};
    morva::Verdict verdict;
    taken([&] { morva::read_save_file(name, v, [&] { return !(verdict = first_refusal(st, v)); }); });
    return verdict ? morva::refusal_message(v, *verdict) : "the file does not hold its numbers";
}

// Loads a campaign save with the game's loader into a state fresh from its start-up; false
// (with the reason on stderr) when refused.
template <typename State, typename Values, typename Menu, typename Load, typename FirstRefusal>
bool campaign_save_loads(const char* name, Menu menu, Load load, FirstRefusal first_refusal) {
    if (!std::filesystem::exists(name)) return true;
    auto st = std::make_unique<State>();
    menu(*st);
    if (taken([&] { load(*st); })) return true;
    auto fresh = std::make_unique<State>();
    menu(*fresh);
    std::cerr << name << " is refused by its loader: " << why_refused<Values>(name, *fresh, first_refusal) << "\n";
    return false;
}

// Loads each scenario file of kelmat95 with its reader, as LOAD_SCENARIO reads it.
bool scenario_files_load() {
    bool all = true;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 10 || name.compare(1, 9, "-DATA.DAT") != 0) continue;
        auto s = kelmat::make_state();
        if (taken([&] {
                con::open_file(1, con::FileMode::Input, name);
                kelmat::read_scenario_file(*s);
                con::close_files();
            }))
            continue;
        std::cerr << name << " is refused by kelmat95's scenario loader\n";
        all = false;
    }
    return all;
}

}  // namespace

int main(int argc, char**) {
    if (argc != 1) {
        std::cerr << "usage: save_check   (checks the save files in the current directory)\n";
        return 2;
    }
    con::Console console(con::make_headless_backend(con::HeadlessOptions{}));
    console.make_current();
    const bool detailed = campaign_save_loads<morva95f::State, morva95f::SaveValues>(
        morva95f::kSaveFileName, morva95f::MENU, morva95f::YOMIKOMI,
        [](const morva95f::State& st, std::span<const float> v) { return morva95f::first_refusal(st, v); });
    const bool simplified = campaign_save_loads<morva95s::State, morva95s::SaveValues>(
        morva95s::kSaveFileName, morva95s::MENU, morva95s::LOAD_SAVE_FILE,
        [](const morva95s::State& st, std::span<const float> v) { return morva95s::first_refusal(st, v); });
    const bool scenarios = scenario_files_load();
    return detailed && simplified && scenarios ? 0 : 1;
}
