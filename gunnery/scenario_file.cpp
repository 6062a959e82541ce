// kelmat95: scenario files - the save question after scenario making, the writing dialogue,
// the loading dialogue, and the file's layout (832 lines: counts and navies, eight fields of
// every ship 1-46 of both sides, the ship names).
#include <memory>

#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

constexpr const char* kNamePrompt = "FILE  NAME ?        ";

// A scenario is named by one ASCII letter or a digit 1-9, as the prompt asks; a letter names
// the same file in either case, as on the file system the scenarios come from.
bool name_is_valid(const std::string& name) {
    if (name.empty()) return false;
    const char c = name[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '1' && c <= '9');
}

std::string file_name_for(const std::string& name) {
    char c = name[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return std::string(1, c) + "-DATA.DAT";
}

// Asks the scenario name at (column, 8) until it is valid; "0" gives back an empty name.
std::string ask_scenario_name(int column) {
    for (;;) {
        con::locate(Col(column), Row(8));
        std::string name = con::input_line(kNamePrompt);
        if (name == "0") return "";
        if (name_is_valid(name)) return name;
    }
}

// Where the gun type and the layout stand among the kScenarioFields.
constexpr int kGunTypeAt = 1;
constexpr int kLayoutAt = 2;
static_assert(kScenarioFields[kGunTypeAt] == A_GUN_TYPE && kScenarioFields[kLayoutAt] == A_LAYOUT);

// The parts of a scenario file, read in full before anything of it is taken.
struct StagedScenario {
    float head[4] = {};  // BLUE_COUNT, BLUE_NAVY, RED_COUNT, RED_NAVY
    float fields[2][47][8] = {};  // side x ship x the kScenarioFields in file order
    std::string names[2][47];
};

bool whole_between(float v, int lo, int hi) { return v == con::int_floor(con::L(v)) && v >= lo && v <= hi; }

// The ranges the battle indexes its tables by: counts, navies, and the gun type and layout of
// every ship (a ship beyond the side's count may still be empty).
bool staged_is_valid(const StagedScenario& f) {
    if (!whole_between(f.head[0], 1, 46) || !whole_between(f.head[2], 1, 46)) return false;
    if (!whole_between(f.head[1], 1, 5) || !whole_between(f.head[3], 1, 5)) return false;
    for (int side = 0; side <= 1; ++side) {
        const float count = f.head[side * 2];
        for (int ship = 1; ship <= 46; ++ship) {
            const int least = ship <= count ? 1 : 0;
            long gun = con::round_half_away(con::L(f.fields[side][ship][kGunTypeAt]));
            long layout = con::round_half_away(con::L(f.fields[side][ship][kLayoutAt]));
            if (gun < least || gun > 36 || layout < least || layout > 22) return false;
        }
    }
    return true;
}

void read_staged(StagedScenario& f) {
    for (float& v : f.head) con::input_from_file(1, v);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship)
            for (int i = 0; i < 8; ++i) con::input_from_file(1, f.fields[side][ship][i]);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) con::input_from_file(1, f.names[side][ship]);
}

}  // namespace

Block SAVE_SCENARIO(Kelmat& s) {
    con::clear_screen(0);
    s.BATTLE_BLUE_COUNT = s.BLUE_COUNT;
    s.BATTLE_RED_COUNT = s.RED_COUNT;
    if (ask_yes_no(s.KEY_STRING, {{20, 8, 6, "DATA を SAVE しますか ?"}, {23, 10, kColourInForce, "Hit Y - N Key"}}))
        return Block::WriteScenario;
    s.FLEET_IS_NEW = 1;
    return Block::BattleReturnQuestion;
}

Block WRITE_SCENARIO(Kelmat& s) {
    con::clear_screen(0);
    s.DISK_OP_IS_LOAD = 0;
    con::locate(Col(19), Row(5));
    con::color(6);
    con::print_string_item("シナリオをディスクへ書き込みます");
    con::print_at(Col(20), Row(10), "アルファベットまたは数字１字 (ただし 0 を除く)");
    // "0" leads back to the menu, so that a disk that stays unusable does not hold the player here.
    con::color(7);
    con::print_at(Col(23), Row(12), "( ＭＥＮＵに戻るときは 0 を入力 )");
    con::color(6);
    s.SCENARIO_NAME = ask_scenario_name(22);
    if (s.SCENARIO_NAME.empty()) return Block::MainMenu;
    s.SCENARIO_FILE_NAME = file_name_for(s.SCENARIO_NAME);
    // An existing scenario is never overwritten (error 64); the file takes its name only when
    // it is complete, so a failed write leaves no partial file behind.
    con::open_file(1, con::FileMode::Output, s.SCENARIO_FILE_NAME);
    write_scenario_file(s);
    con::close_files();
    return Block::MainMenu;
}

Block LOAD_SCENARIO(Kelmat& s) {
    con::clear_screen(0);
    s.DISK_OP_IS_LOAD = 1;
    con::locate(Col(22), Row(5));
    con::color(6);
    con::print_string_item("ディスクからシナリオを読み込みます");
    con::print_at(Col(24), Row(11), "アルファベットまたは数字１字");
    s.SCENARIO_NAME = ask_scenario_name(29);
    if (s.SCENARIO_NAME.empty()) return Block::MainMenu;
    s.SCENARIO_FILE_NAME = file_name_for(s.SCENARIO_NAME);
    con::open_file(1, con::FileMode::Input, s.SCENARIO_FILE_NAME);
    read_scenario_file(s);
    con::close_files();
    s.BATTLE_BLUE_COUNT = s.BLUE_COUNT;
    s.BATTLE_RED_COUNT = s.RED_COUNT;
    // The battle launch called the loader: it goes on with the battle.
    return Block::BattleFight;
}

void write_scenario_file(Kelmat& s) {
    for (float v : {s.BLUE_COUNT, s.BLUE_NAVY, s.RED_COUNT, s.RED_NAVY}) con::print_to_file(1, v);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship)
            for (int field : kScenarioFields) con::print_to_file(1, s.A(side, ship, field));
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) con::print_to_file(1, std::string_view(s.M(side, ship)));
}

void read_scenario_file(Kelmat& s) {
    auto staged = std::make_unique<StagedScenario>();
    try {
        read_staged(*staged);
    } catch (const con::RuntimeError& e) {
        // A file that ends early or holds a malformed number is no scenario.
        if (e.number() == con::err::kInputPastEnd || e.number() == con::err::kTypeMismatch)
            con::raise_error(con::err::kFileNotFound);
        throw;
    }
    if (!staged_is_valid(*staged)) con::raise_error(con::err::kFileNotFound);
    s.BLUE_COUNT = staged->head[0];
    s.BLUE_NAVY = staged->head[1];
    s.RED_COUNT = staged->head[2];
    s.RED_NAVY = staged->head[3];
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            for (int i = 0; i < 8; ++i) s.A(side, ship, kScenarioFields[i]) = staged->fields[side][ship][i];
            s.M(side, ship) = staged->names[side][ship];
        }
}

}  // namespace kelmat
