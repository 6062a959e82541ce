// MORVA95F: the save step at a turn start (SAVE_PROMPT, WRITE_SAVE_FILE) and YOMIKOMI, which
// reads the save file back for scenario 7.
#include "detailed/save_file.h"

#include "campaign/dialogue.h"
#include "campaign/route_network.h"
#include "campaign/save_file.h"
#include "campaign/startup.h"
#include "campaign/strategic_map.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// Positions (0-based) of the value groups of the file; values 1-343 are laid out as in the
// simplified game's file (campaign/save_checks.h).
constexpr int kReserveAt = morva::kSaveReserveAt;
constexpr int kLossesAt = 343;
constexpr int kScenarioAt = 357;
static_assert(A_SPEED == morva::A_SPEED && A_FIRST_TURN == morva::A_FIRST_TURN && P_STRENGTH == morva::P_STRENGTH &&
              P_WEIGHT == morva::P_PLANNING_WEIGHT && P_BOMBER_FACTOR == morva::P_BOMBER_FACTOR);

int loss_value(int side, int kind) { return kLossesAt + 7 * side + kind; }

// The hypothetical openings make Japanese battleships 24 and 25 steam at 27 knots; HW(0) is
// INT((hits - 230) / 18) only above 230 hits, and counts down to 0. Every attack on ships ends
// by setting a ship at or below 0 to 0 (the raid's and CLC2's rounding, the harbour's table)
// or stops at 0 (torpedoes, gunfire), so no durability is below 0.
constexpr morva::SaveLimits kLimits{27, 0, 0};

// Aircraft lost, per side: kinds 0-2 in all, 3 heavy bombers, 4-6 those of kinds 0-2 lost on
// the way home or in landing, which are counted in their kind's total too. Whole counts.
morva::Verdict losses_refusal(std::span<const float> v) {
    for (int s = 0; s <= 1; ++s) {
        for (int k = 0; k <= 6; ++k)
            if (!morva::whole_in(v[loss_value(s, k)], 0, morva::kMostCount))
                return morva::Refusal{loss_value(s, k), "aircraft lost not a whole count"};
        for (int k = AIR_FIGHTERS; k <= AIR_TORPEDO_BOMBERS; ++k)
            if (v[loss_value(s, VS_RETURN_LOSSES + k)] > v[loss_value(s, k)])
                return morva::Refusal{loss_value(s, VS_RETURN_LOSSES + k), "losses on the way home above all losses"};
    }
    return std::nullopt;
}

// The question on rows 2-4; the answer is typed on row 4.
void show_save_question(const State& st) {
    con::print_at(con::Col(0), con::Row(2), con::space_string(39));
    con::print_at(con::Col(0), con::Row(3), con::space_string(38));
    con::print_at(con::Col(0), con::Row(4), con::space_string(39));
    con::color(7);
    con::locate(con::Col(6), con::Row(2));
    con::print_number_item(con::L(st.TURN_NO) - 1);
    con::print_string_item("ターンまでの結果を");
    con::print_at(con::Col(10), con::Row(3), "SAVE しますか ?");
}

}  // namespace

SaveValues save_values(const State& st) {
    SaveValues v{};
    morva::put_shared_values(v, st.TURN_NO, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK, st.A, st.P,
                             st.HW(HW_NO_REPAIR_TURNS));
    for (int t = 1; t <= 3; ++t) v[kReserveAt + t - 1] = st.V(t, V_RESERVE);
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) v[loss_value(s, k)] = st.VS(s, k);
    v[kScenarioAt] = st.TT(TT_SAVED_SCENARIO);
    return v;
}

morva::Verdict first_refusal(const State& st, std::span<const float> v) {
    if (v.size() < static_cast<std::size_t>(kSaveValues)) return morva::Refusal{static_cast<int>(v.size()), "missing"};
    if (morva::Verdict r = morva::first_shared_refusal(v, st.A, st.P, kLimits)) return r;
    if (morva::Verdict r = losses_refusal(v)) return r;
    return morva::unless(morva::whole_in(v[kScenarioAt], 1, 5), kScenarioAt, "a scenario not 1-5");
}

bool save_values_valid(const State& st, const SaveValues& v) { return !first_refusal(st, v); }

void restore_save_values(State& st, const SaveValues& v) {
    morva::take_shared_values(v, st.TT(TT_TURN), st.TT(TT_ALLIED_CV_SUNK), st.TT(TT_ALLIED_BB_SUNK), st.A, st.P,
                              st.HW(HW_NO_REPAIR_TURNS));
    for (int t = 1; t <= 3; ++t) st.V(t, V_RESERVE) = v[kReserveAt + t - 1];
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) st.VS(s, k) = v[loss_value(s, k)];
    st.TT(TT_SAVED_SCENARIO) = v[kScenarioAt];
}

Block SAVE_STEP(State& st) {
    COUNT_ALLIED_LOSSES(st);
    if (st.TURN_NO == 2 && st.SCENARIO_NO == 3) return Block::TurnOpening;
    return Block::SavePrompt;
}

Block SAVE_PROMPT(State& st) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
    morva::show_turn_banner(st.TURN_NO);
    return SAVE_QUESTION(st);
}

Block SAVE_QUESTION(State& st) {
    const auto ask = [&st] { show_save_question(st); };
    const std::string answer = morva::ask_line_choice(st.DIALOGUE_KEY, ask, {8, 4, "Input Y or N  "},
                                                      con::PromptStyle::Plain, {"Y", "y", "N", "n"});
    return answer == "Y" || answer == "y" ? Block::WriteSaveFile : Block::TurnOpening;
}

Block WRITE_SAVE_FILE(State& st) {
    st.LOAD_MODE = 0;
    morva::write_checked_save_file(kSaveFileName, save_values(st), [](std::span<const float> read) {
        return first_refusal(morva::start_up_state(MENU), read);
    });
    return Block::TurnOpening;
}

void YOMIKOMI(State& st) {
    // A file the game cannot use is treated as missing, and leaves nothing behind for the next
    // new game.
    morva::load_save_file<SaveValues>(kSaveFileName, st, save_values_valid, restore_save_values);
}

}  // namespace morva95f
