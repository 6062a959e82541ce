// MORVA95S: the save question at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and
// LOAD_SAVE_FILE, which reads the save file back for scenario 8.
#include "simplified/save_file.h"

#include <cmath>

#include "campaign/dialogue.h"
#include "campaign/save_checks.h"
#include "campaign/save_file.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

static_assert(kSaveValues == morva::kSharedSaveValues);
static_assert(A_SPEED == morva::A_SPEED && A_FIRST_TURN == morva::A_FIRST_TURN && P_STRENGTH == morva::P_STRENGTH &&
              P_RESPONSE == morva::P_PLANNING_WEIGHT && P_BOMBER_FACTOR == morva::P_BOMBER_FACTOR);

// The hypothetical set-up gives Japanese battleships 24 and 25 the speed 9; the harbour
// strike leaves HW(0) = INT((hits - 28) / 2), which is -14 after a strike without a hit. A raid
// on a fleet whose carriers are all sunk and which has no battleship rounds nothing: the hits
// on the sunk carriers stay below 0, down to the least the operation's raids can leave.
constexpr morva::SaveLimits kLimits{9, -14, kLeastSunkCarrierDurability};

// The floor's sum: 11 attacks of each unit, 26 heavy, 50 torpedo and 64 dive bombers, and the
// rounding of the float subtractions.
static_assert(con::L(kLeastSunkCarrierDurability) <= -(11 * (2 * (26 + 50) + 64 * con::L(0.34f))) - con::L(0.1f));

// What this game writes whole where the other may not: the reserve in aircraft from whole
// units (units x 9), and every durability at or above 0, as every fractional hit on a ship
// afloat is rounded before a save can follow (CLC2 after a fleet strike, the harbour strike's
// ship table, the raid reports) and gun damage and repairs are whole. Only the hits on sunk
// Japanese carriers that a raid leaves unrounded are fractions, all below 0.
morva::Verdict written_whole(std::span<const float> v) {
    for (int t = 0; t < 3; ++t)
        if (std::fmod(con::L(v[morva::kSaveReserveAt + t]), 9) != 0)
            return morva::Refusal{morva::kSaveReserveAt + t, "a reserve not a multiple of 9"};
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            if (const float d = v[morva::save_ship_value(s, j, 0)]; d != std::floor(d) && !(d < 0))
                return morva::Refusal{morva::save_ship_value(s, j, 0), "a fractional durability above 0"};
    return std::nullopt;
}

}  // namespace

SaveValues save_values(const State& st) {
    SaveValues v{};
    morva::put_shared_values(v, st.TURN_NO, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK, st.A, st.P, st.HW(0));
    // The reserve is held in units of 9 aircraft and written in aircraft; only the values
    // written are multiplied, so an abandoned save leaves the reserve as it was.
    for (int t = 1; t <= 3; ++t) v[morva::kSaveReserveAt + t - 1] = con::store(con::L(st.V(t, 0)) * 9);
    return v;
}

morva::Verdict first_refusal(const State& st, std::span<const float> v) {
    if (morva::Verdict r = morva::first_shared_refusal(v, st.A, st.P, kLimits)) return r;
    return written_whole(v);
}

bool save_values_valid(const State& st, const SaveValues& v) { return !first_refusal(st, v); }

void restore_save_values(State& st, const SaveValues& v) {
    morva::take_shared_values(v, st.TURN_NO, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK, st.A, st.P, st.HW(0));
    // Aircraft back to units (a loaded reserve is a multiple of 9).
    for (int t = 1; t <= 3; ++t)
        st.V(t, 0) = con::store(con::int_floor((con::L(v[morva::kSaveReserveAt + t - 1]) + 4) / 9));
}

Block SAVE_QUESTION(State& st) {
    draw_strategic_map(st);
    return Block::SavePrompt;
}

Block SAVE_PROMPT(State& st) {
    const auto ask = [] {
        con::color(7);
        con::print_at(con::Col(0), con::Row(1), "ここまでの結果を SAVE しますか ?");
        con::print_end();
        con::print_at(con::Col(0), con::Row(3), con::space_string(28));
        con::print_end();
    };
    const std::string answer = morva::ask_line_choice(st.DIALOGUE_KEY, ask, {8, 3, "Input Y or N  "},
                                                      con::PromptStyle::Plain, {"Y", "y", "N", "n"});
    if (answer == "N" || answer == "n") return Block::OrganisationPhase;
    st.FILE_CONTEXT = 0;
    return Block::WriteSaveFile;
}

Block WRITE_SAVE_FILE(State& st) {
    morva::write_checked_save_file(kSaveFileName, save_values(st), [](std::span<const float> read) {
        return first_refusal(morva::start_up_state(MENU), read);
    });
    return Block::OrganisationPhase;
}

void LOAD_SAVE_FILE(State& st) {
    // A file the game cannot use is treated as missing, and the starting values stay as they
    // were.
    morva::load_save_file<SaveValues>(kSaveFileName, st, save_values_valid, restore_save_values);
}

}  // namespace morva95s
