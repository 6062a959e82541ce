// MORVA95F: the save step at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and YOMIKOMI, which
// reads the save file back for scenario 7.
#include "detailed/save_file.h"

#include "console/console.h"
#include "detailed/blocks.h"
#include "campaign/route_network.h"
#include "campaign/save_checks.h"
#include "detailed/routines.h"
#include "campaign/strategic_map.h"

namespace morva95f {
namespace {

using morva::save_base_value;
using morva::save_ship_value;

// Positions (0-based) of the value groups of the file; values 1-343 are laid out as in the
// simplified game's file (campaign/save_checks.h).
constexpr int kReserveAt = morva::kSaveReserveAt;
constexpr int kRepairPenaltyAt = morva::kSaveHarbourAt;
constexpr int kLossesAt = 343;
constexpr int kScenarioAt = 357;
static_assert(A_SPEED == morva::A_SPEED && A_FIRST_TURN == morva::A_FIRST_TURN && P_STRENGTH == morva::P_STRENGTH &&
              P_WEIGHT == morva::P_PLANNING_WEIGHT && P_BOMBER_FACTOR == morva::P_BOMBER_FACTOR);

int loss_value(int side, int kind) { return kLossesAt + 7 * side + kind; }

// The hypothetical openings make Japanese battleships 24 and 25 steam at 27 knots; HW(0) is
// INT((hits - 230) / 18) only above 230 hits, and counts down to 0.
constexpr morva::SaveLimits kLimits{27, 0};

// Aircraft lost, per side: kinds 0-2 in all, 3 heavy bombers, 4-6 those of kinds 0-2 lost on
// the way home or in landing, which are counted in their kind's total too. Whole counts.
bool losses_valid(const SaveValues& v) {
    for (int s = 0; s <= 1; ++s) {
        for (int k = 0; k <= 6; ++k)
            if (!morva::whole_in(v[loss_value(s, k)], 0, morva::kMostCount)) return false;
        for (int k = AIR_FIGHTERS; k <= AIR_TORPEDO_BOMBERS; ++k)
            if (v[loss_value(s, VS_RETURN_LOSSES + k)] > v[loss_value(s, k)]) return false;
    }
    return true;
}

void draw_turn_banner(const State& st) {
    con::color(5);
    con::locate(con::Col(11), con::Row(0));
    con::print_string_item("第 ");
    con::print_single_item(st.TURN_NO);
    con::print_string_item(" ターン");
}

// Asks the question on rows 2-4 and returns the typed answer (also left in DIALOGUE_KEY).
std::string ask_save_question(State& st) {
    con::print_at(con::Col(0), con::Row(2), con::space_string(39));
    con::print_at(con::Col(0), con::Row(3), con::space_string(38));
    con::print_at(con::Col(0), con::Row(4), con::space_string(39));
    con::color(7);
    con::locate(con::Col(6), con::Row(2));
    con::print_number_item(con::L(st.TURN_NO) - 1);
    con::print_string_item("ターンまでの結果を");
    con::print_at(con::Col(10), con::Row(3), "SAVE しますか ?");
    con::locate(con::Col(8), con::Row(4));
    con::input_prompt("Input Y or N  ", con::PromptStyle::Plain);
    // The answer is kept apart from DIALOGUE_KEY until the input has returned, so an F1
    // handler that runs right after the input cannot change the answer being tested.
    std::string answer;
    con::input_vars(answer);
    st.DIALOGUE_KEY = answer;
    return answer;
}

}  // namespace

SaveValues save_values(const State& st) {
    SaveValues v{};
    v[0] = st.TURN_NO;
    v[1] = st.ALLIED_CV_SUNK;
    v[2] = st.ALLIED_BB_SUNK;
    for (int t = 1; t <= 3; ++t) v[kReserveAt + t - 1] = st.V(t, V_RESERVE);
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 42; ++j)
            for (int w = 0; w < 3; ++w) v[save_ship_value(s, j, w)] = st.A(s, j, morva::kSavedShipFields[w]);
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) v[save_base_value(b, c)] = st.P(b, c);
    v[kRepairPenaltyAt] = st.HW(HW_NO_REPAIR_TURNS);
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) v[loss_value(s, k)] = st.VS(s, k);
    v[kScenarioAt] = st.TT(TT_SAVED_SCENARIO);
    return v;
}

bool save_values_valid(const State& st, const SaveValues& v) {
    return morva::shared_save_values_valid(v, st.A, st.P, kLimits) && losses_valid(v) &&
           morva::whole_in(v[kScenarioAt], 1, 5);
}

void restore_save_values(State& st, const SaveValues& v) {
    for (int t = 1; t <= 3; ++t) st.V(t, V_RESERVE) = v[kReserveAt + t - 1];
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 42; ++j)
            for (int w = 0; w < 3; ++w) st.A(s, j, morva::kSavedShipFields[w]) = v[save_ship_value(s, j, w)];
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) st.P(b, c) = v[save_base_value(b, c)];
    st.HW(HW_NO_REPAIR_TURNS) = v[kRepairPenaltyAt];
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) st.VS(s, k) = v[loss_value(s, k)];
    st.TT(TT_SAVED_SCENARIO) = v[kScenarioAt];
    st.TT(TT_TURN) = v[0];
    st.TT(TT_ALLIED_CV_SUNK) = v[1];
    st.TT(TT_ALLIED_BB_SUNK) = v[2];
}

Block SAVE_STEP(State& st) {
    COUNT_ALLIED_LOSSES(st);
    if (st.TURN_NO == 2 && st.SCENARIO_NO == 3) return Block::TurnOpening;
    return Block::SavePrompt;
}

Block SAVE_PROMPT(State& st) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
    draw_turn_banner(st);
    return SAVE_QUESTION(st);
}

Block SAVE_QUESTION(State& st) {
    for (;;) {
        const std::string answer = ask_save_question(st);
        if (answer == "N" || answer == "n") return Block::TurnOpening;
        if (answer == "Y" || answer == "y") return Block::WriteSaveFile;
    }
}

Block WRITE_SAVE_FILE(State& st) {
    st.LOAD_MODE = 0;
    // The new file is written beside the old one and takes its name only once complete, so a
    // failed save never loses the campaign saved before.
    con::open_file(1, con::FileMode::Output, kSaveFileName, con::Existing::Replace);
    for (float value : save_values(st)) con::print_to_file(1, value);
    con::close_files();
    return Block::TurnOpening;
}

void YOMIKOMI(State& st) {
    con::open_file(1, con::FileMode::Input, kSaveFileName);
    // The file is read into a staging copy and committed only when whole and valid: a file
    // that ends early, holds a non-number or a value the game cannot use is treated as missing,
    // and leaves nothing behind for the next new game.
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

}  // namespace morva95f
