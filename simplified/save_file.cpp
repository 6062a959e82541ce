// MORVA95S: the save question at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and
// LOAD_SAVE_FILE, which reads the save file back for scenario 8.
#include "simplified/save_file.h"

#include <cmath>

#include "campaign/save_checks.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

using morva::save_base_value;
using morva::save_ship_value;

static_assert(kSaveValues == morva::kSharedSaveValues && kShipRows == morva::kSaveShipRows);
static_assert(A_SPEED == morva::A_SPEED && A_FIRST_TURN == morva::A_FIRST_TURN && P_STRENGTH == morva::P_STRENGTH &&
              P_RESPONSE == morva::P_PLANNING_WEIGHT && P_BOMBER_FACTOR == morva::P_BOMBER_FACTOR);

// The hypothetical set-up gives Japanese battleships 24 and 25 the speed 9; the harbour
// strike leaves HW(0) = INT((hits - 28) / 2), which is -14 after a strike without a hit.
constexpr morva::SaveLimits kLimits{9, -14};

// What this game writes whole where the other may not: the reserve in aircraft from whole
// units (units x 9), and every durability, as every fractional hit is rounded before a save can
// follow (CLC2 after a fleet strike, the harbour strike's ship table, the raid reports) and gun
// damage and repairs are whole.
bool written_whole(const SaveValues& v) {
    for (int t = 0; t < 3; ++t)
        if (std::fmod(con::L(v[morva::kSaveReserveAt + t]), 9) != 0) return false;
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            if (const float d = v[save_ship_value(s, j, 0)]; d != std::floor(d)) return false;
    return true;
}

}  // namespace

SaveValues save_values(const State& st) {
    SaveValues v{};
    v[0] = st.TURN_NO;
    v[1] = st.ALLIED_CV_SUNK;
    v[2] = st.ALLIED_BB_SUNK;
    // The reserve is held in units of 9 aircraft and written in aircraft; only the values
    // written are multiplied, so an abandoned save leaves the reserve as it was.
    for (int t = 1; t <= 3; ++t) v[morva::kSaveReserveAt + t - 1] = con::store(con::L(st.V(t, 0)) * 9);
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) v[save_ship_value(s, j, w)] = st.A(s, j, morva::kSavedShipFields[w]);
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) v[save_base_value(b, c)] = st.P(b, c);
    v[morva::kSaveHarbourAt] = st.HW(0);
    return v;
}

bool save_values_valid(const State& st, const SaveValues& v) {
    return morva::shared_save_values_valid(v, st.A, st.P, kLimits) && written_whole(v);
}

void restore_save_values(State& st, const SaveValues& v) {
    st.TURN_NO = v[0];
    st.ALLIED_CV_SUNK = v[1];
    st.ALLIED_BB_SUNK = v[2];
    // Aircraft back to units (a loaded reserve is a multiple of 9).
    for (int t = 1; t <= 3; ++t)
        st.V(t, 0) = con::store(con::int_floor((con::L(v[morva::kSaveReserveAt + t - 1]) + 4) / 9));
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) st.A(s, j, morva::kSavedShipFields[w]) = v[save_ship_value(s, j, w)];
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) st.P(b, c) = v[save_base_value(b, c)];
    st.HW(0) = v[morva::kSaveHarbourAt];
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
    if (!readable || !save_values_valid(st, v)) con::raise_error(con::err::kFileNotFound);
    restore_save_values(st, v);
}

}  // namespace morva95s
