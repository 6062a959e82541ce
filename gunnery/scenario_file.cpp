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

// The parts of a scenario file, read in full before anything of it is taken.
struct StagedScenario {
    float head[4] = {};  // BLUE_COUNT, BLUE_NAVY, RED_COUNT, RED_NAVY
    float fields[2][47][8] = {};  // side x ship x the kScenarioFields in file order
    std::string names[2][47];
};

bool whole_between(float v, int lo, int hi) { return v == con::int_floor(con::L(v)) && v >= lo && v <= hi; }

bool in_range(float v, float least, const ScenarioRange& r) {
    return v >= least && v <= r.most && (!r.whole || v == con::int_floor(con::L(v)));
}

// Every ship up to the side's count holds what the set-up and the designer store. A ship
// beyond it holds what an earlier scenario of the run left there, perhaps lowered by a battle
// that did not end, or the start-up's 0: anything from 0 to the field's most (the battle
// indexes its tables by every ship's gun and layout whatever the counts).
bool ship_is_valid(const float* field, bool counted) {
    for (int i = 0; i < 8; ++i)
        if (!in_range(field[i], counted ? kScenarioRanges[i].least : 0, kScenarioRanges[i])) return false;
    return true;
}

// A ship's name is a stored name or empty: printable text of at most kMostShipNameBytes.
bool ship_name_is_valid(const std::string& name) {
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return con::byte_length(name) <= kMostShipNameBytes;
}

bool staged_is_valid(const StagedScenario& f) {
    if (!whole_between(f.head[0], 1, 46) || !whole_between(f.head[2], 1, 46)) return false;
    if (!whole_between(f.head[1], 1, 5) || !whole_between(f.head[3], 1, 5)) return false;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship)
            if (!ship_is_valid(f.fields[side][ship], ship <= f.head[side * 2]) ||
                !ship_name_is_valid(f.names[side][ship]))
                return false;
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
        // A file that ends early or holds a malformed or overflowing number is no scenario.
        if (e.number() == con::err::kInputPastEnd || e.number() == con::err::kTypeMismatch ||
            e.number() == con::err::kOverflow)
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
