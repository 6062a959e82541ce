// MORVA95F: the save step at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and YOMIKOMI, which
// reads the save file back for scenario 7.
#include "detailed/save_file.h"

#include <cmath>

#include "console/console.h"
#include "detailed/blocks.h"
#include "campaign/route_network.h"
#include "detailed/routines.h"
#include "campaign/strategic_map.h"

namespace morva95f {
namespace {

// Positions (0-based) of the value groups in the file.
constexpr int kReserveAt = 3;
constexpr int kShipsAt = 6;
constexpr int kBasesAt = 258;
constexpr int kRepairPenaltyAt = 342;
constexpr int kLossesAt = 343;
constexpr int kScenarioAt = 357;
constexpr int kShipAttributes[3] = {A_DURABILITY, A_SPEED, A_FIRST_TURN};

int ship_value(int side, int ship, int which) { return kShipsAt + 3 * (42 * side + ship - 1) + which; }
int base_value(int base, int column) { return kBasesAt + 21 * (column - 1) + (base - 1); }
int loss_value(int side, int kind) { return kLossesAt + 7 * side + kind; }

bool whole_in(float v, float low, float high) { return v == std::floor(v) && v >= low && v <= high; }

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
            for (int w = 0; w < 3; ++w) v[ship_value(s, j, w)] = st.A(s, j, kShipAttributes[w]);
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) v[base_value(b, c)] = st.P(b, c);
    v[kRepairPenaltyAt] = st.HW(HW_NO_REPAIR_TURNS);
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) v[loss_value(s, k)] = st.VS(s, k);
    v[kScenarioAt] = st.TT(TT_SAVED_SCENARIO);
    return v;
}

bool save_values_valid(const SaveValues& v) {
    for (float x : v)
        if (!std::isfinite(x)) return false;
    if (!whole_in(v[0], 2, 12) || !whole_in(v[1], 0, 15) || !whole_in(v[2], 0, 27)) return false;
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 42; ++j) {
            // Japanese rows 34-42 hold no ship; the program writes their empty values.
            const float first_turn = v[ship_value(s, j, 2)];
            const bool empty_row = s == 0 && j > 33;
            if (!whole_in(first_turn, empty_row ? 0 : 1, 13)) return false;
        }
    for (int b = 1; b <= 21; ++b) {
        if (!whole_in(v[base_value(b, P_HOLDER)], 0, 2)) return false;         // holder
        if (!whole_in(v[base_value(b, P_WEIGHT)], 1, 7)) return false;         // planning weight
        if (!whole_in(v[base_value(b, P_BOMBER_FACTOR)], 0, 2)) return false;  // heavy-bomber factor
    }
    if (!whole_in(v[kRepairPenaltyAt], 0, 1e6f)) return false;
    for (int i = kLossesAt; i < kScenarioAt; ++i)
        if (v[i] < 0) return false;
    return whole_in(v[kScenarioAt], 1, 5);
}

void restore_save_values(State& st, const SaveValues& v) {
    for (int t = 1; t <= 3; ++t) st.V(t, V_RESERVE) = v[kReserveAt + t - 1];
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 42; ++j)
            for (int w = 0; w < 3; ++w) st.A(s, j, kShipAttributes[w]) = v[ship_value(s, j, w)];
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) st.P(b, c) = v[base_value(b, c)];
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
    if (!readable || !save_values_valid(v)) con::raise_error(con::err::kFileNotFound);
    restore_save_values(st, v);
}

}  // namespace morva95f
