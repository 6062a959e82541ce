// MORVA95S: the save question at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and
// LOAD_SAVE_FILE, which reads the save file back for scenario 8.
#include "simplified/save_file.h"

#include <cmath>

#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

// Positions (0-based) of the value groups in the file.
constexpr int kReserveAt = 3;
constexpr int kShipsAt = 6;
constexpr int kBasesAt = 258;
constexpr int kHarbourDamageAt = 342;
constexpr int kShipColumns[3] = {A_DURABILITY, A_SPEED, A_FIRST_TURN};

int ship_value(int side, int ship, int which) { return kShipsAt + 3 * (kShipRows * side + ship - 1) + which; }
int base_value(int base, int column) { return kBasesAt + 21 * (column - 1) + (base - 1); }

bool whole_in(float v, float low, float high) { return v == std::floor(v) && v >= low && v <= high; }

}  // namespace

SaveValues save_values(const State& st) {
    SaveValues v{};
    v[0] = st.TURN_NO;
    v[1] = st.ALLIED_CV_SUNK;
    v[2] = st.ALLIED_BB_SUNK;
    // The reserve is held in units of 9 aircraft and written in aircraft; only the values
    // written are multiplied, so an abandoned save leaves the reserve as it was.
    for (int t = 1; t <= 3; ++t) v[kReserveAt + t - 1] = con::store(con::L(st.V(t, 0)) * 9);
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) v[ship_value(s, j, w)] = st.A(s, j, kShipColumns[w]);
    for (int c = 1; c <= 4; ++c)
        for (int b = 1; b <= 21; ++b) v[base_value(b, c)] = st.P(b, c);
    v[kHarbourDamageAt] = st.HW(0);
    return v;
}

bool save_values_valid(const SaveValues& v) {
    for (float x : v)
        if (!std::isfinite(x)) return false;
    if (!whole_in(v[0], 2, 12) || !whole_in(v[1], 0, 15) || !whole_in(v[2], 0, 27)) return false;
    for (int t = 0; t < 3; ++t)
        if (v[kReserveAt + t] < 0) return false;
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j) {
            // Japanese rows 34-42 hold no ship; the program writes their empty values.
            const bool empty_row = s == 0 && j > kJapaneseShips;
            if (!whole_in(v[ship_value(s, j, 2)], empty_row ? 0 : 1, 13)) return false;
        }
    for (int b = 1; b <= 21; ++b) {
        if (!whole_in(v[base_value(b, P_HOLDER)], 0, 2)) return false;
        if (!whole_in(v[base_value(b, P_RESPONSE)], 1, 7)) return false;
        if (!whole_in(v[base_value(b, P_BOMBER_FACTOR)], 0, 2)) return false;
    }
    return v[kHarbourDamageAt] >= 0;
}

void restore_save_values(State& st, const SaveValues& v) {
    st.TURN_NO = v[0];
    st.ALLIED_CV_SUNK = v[1];
    st.ALLIED_BB_SUNK = v[2];
    // Aircraft back to units, to the nearest unit.
    for (int t = 1; t <= 3; ++t) st.V(t, 0) = con::store(con::int_floor((con::L(v[kReserveAt + t - 1]) + 4) / 9));
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) st.A(s, j, kShipColumns[w]) = v[ship_value(s, j, w)];
    for (int c = 1; c <= 4; ++c)
        for (int b = 1; b <= 21; ++b) st.P(b, c) = v[base_value(b, c)];
    st.HW(0) = v[kHarbourDamageAt];
}

Block SAVE_QUESTION(State& st) {
    draw_strategic_map(st);
    return Block::SavePrompt;
}

Block SAVE_PROMPT(State& st) {
    for (;;) {
        con::color(7);
        con::print_at(con::Col(0), con::Row(1), "ここまでの結果を SAVE しますか ?");
        con::print_end();
        con::print_at(con::Col(0), con::Row(3), con::space_string(28));
        con::print_end();
        con::locate(con::Col(8), con::Row(3));
        con::input_prompt("Input Y or N  ", con::PromptStyle::Plain);
        // The answer is kept apart from DIALOGUE_KEY until the input has returned, so an F1
        // handler that runs right after the input cannot change the answer being tested.
        std::string answer;
        con::input_vars(answer);
        st.DIALOGUE_KEY = answer;
        if (answer == "N" || answer == "n") return Block::OrganisationPhase;
        if (answer == "Y" || answer == "y") {
            st.FILE_CONTEXT = 0;
            return Block::WriteSaveFile;
        }
    }
}

Block WRITE_SAVE_FILE(State& st) {
    // The new file is written beside the old one and takes its name only once complete, so a
    // failed save never loses the campaign saved before.
    con::open_file(1, con::FileMode::Output, kSaveFileName, con::Existing::Replace);
    for (float value : save_values(st)) con::print_to_file(1, value);
    con::close_files();
    return Block::OrganisationPhase;
}

void LOAD_SAVE_FILE(State& st) {
    con::open_file(1, con::FileMode::Input, kSaveFileName);
    // The file is read into a staging copy and committed only when whole and valid: a file
    // that ends early, holds a non-number or a value the game cannot use is treated as
    // missing, and the starting values stay as they were.
    SaveValues v{};
    bool readable = true;
    try {
        for (float& value : v) con::input_from_file(1, value);
    } catch (const con::RuntimeError& e) {
        if (e.number() != con::err::kInputPastEnd && e.number() != con::err::kTypeMismatch &&
            e.number() != con::err::kOverflow)
            throw;
        readable = false;
    }
    con::close_files();
    if (!readable || !save_values_valid(v)) con::raise_error(con::err::kFileNotFound);
    restore_save_values(st, v);
}

}  // namespace morva95s
