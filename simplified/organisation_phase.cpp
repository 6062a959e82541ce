// MORVA95S: ORGANISATION_PHASE, which opens every turn: the base list and the reserve, HENSEI,
// the two checks of the result, the confirmation, the targets, and in the single operations
// the Allied ships and the target's forces.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

int base_colour(State& st, int b) {
    if (b < 6) return 5;
    if (st.SCENARIO_NO == 6 || st.SCENARIO_NO == 7) return 6;
    if (st.P(b, P_HOLDER) == 0) return 5;
    st.INPUT_NUM = static_cast<float>(b);
    CHECK_BASE_ATTACKABLE(st);
    return static_cast<int>(3 + 3 * con::round_half_away(L(st.TT(TT_ATTACKABLE))));
}

void draw_phase_screen(State& st) {
    con::clear_screen(0);
    con::color(6);
    con::locate(con::Col(0), con::Row(0));
    con::print_string_item("第");
    con::print_single_item(st.TURN_NO);
    con::print_string_item("ターン　艦隊編成フェイズ");
    con::print_at(con::Col(61), con::Row(1), "拠点名");
    for (int b = 1; b <= 21; ++b) {
        con::color(base_colour(st, b));
        con::locate(con::Col(56), con::Row(b + 1));
        con::print_number_item(b);
        con::print_at(con::Col(60), con::Row(b + 1), st.TX(b));
    }
    con::color(6);
    if (st.SCENARIO_NO == 7) return;
    con::locate(con::Col(26), con::Row(22));
    con::print_string_item("保有航空機 ");
    for (int t = 1; t <= 3; ++t) {
        if (t > 1) con::print_string_item(" ");
        con::print_single_item(st.V(t, 0));
    }
    con::print_at(con::Col(37), con::Row(16), "艦戦 艦爆 艦攻 対空");
}

// Steps 7-9: the checks of the organisation; false (after the message and the pause) when
// the phase must be done again.
bool organisation_accepted(State& st) {
    con::color(3);
    con::print_at(con::Col(26), con::Row(23), con::space_string(50));
    con::locate(con::Col(24), con::Row(23));
    if (st.CV(0, 2) > st.CV(0, 1)) {
        con::print_string_item("第２艦隊が多過ぎます");
        PAUSE_MESSAGE(st);
        return false;
    }
    // Fleets that carry none of a type never lack it, so keeping every ship at home is always
    // accepted, whatever the reserve.
    for (int t = 1; t <= 3; ++t)
        if (const con::real load = L(st.V(t, 1)) + L(st.V(t, 2)); load > 0 && load > L(st.V(t, 0))) {
            con::print_string_item("航空機不足です");
            PAUSE_MESSAGE(st);
            return false;
        }
    return true;
}

// Waits for Y or N (other keys are ignored); true for Y.
bool confirmed(State& st) {
    const std::string key = morva::wait_for_key(st.WAIT_KEY_RESULT, "YyNn");
    return key == "Y" || key == "y";
}

// Reads a number at (col, 22) until it lies within [low, high], fractions included; text
// that is not a number counts as 0.
float ask_value(const std::string& prompt, int col, float low, float high) {
    const auto ask = [&prompt] { con::print_at(con::Col(35), con::Row(22), prompt); };
    return con::store(morva::ask_number(ask, {col, 22, ""}, low, high, false));
}

void ask_target_forces(State& st) {
    con::print_at(con::Col(44), con::Row(21), con::space_string(16));
    con::print_at(con::Col(31), con::Row(23), con::space_string(48));
    const float strength = ask_value("攻撃目標の勢力値は ?           ", 58, 1, 99);
    st.P(st.AT(1), P_STRENGTH) = strength;
    st.P(st.AT(1), P_AIR_DEFENCE) = strength;
    for (int r = 0; r <= 3; ++r) {
        const std::string prompt = "目標の保有する" + st.NN(r + 4) + "のユニット数は ?   ";
        st.Q(r, 1) = ask_value(prompt, 72, 0, 49);
    }
}

}  // namespace

Block ORGANISATION_PHASE(State& st) {
    for (;;) {
        COUNT_ALLIED_LOSSES(st);
        draw_phase_screen(st);
        st.TT(TT_TURN) = st.TURN_NO;
        st.TT(TT_SCENARIO) = st.SCENARIO_NO;
        HENSEI(st);
        for (int f = 1; f <= 2; ++f) {
            st.BB(0, f) = con::store(L(st.E(f)) - 1);
            st.CV(0, f) = con::store(L(st.E(f + 2)) - 1);
        }
        if (!organisation_accepted(st)) continue;
        con::color(7);
        con::print_string_item("よろしいですか ? Hit Y - N Key");
        if (confirmed(st)) break;
    }
    if (st.SCENARIO_NO == 7) {
        st.AT(1) = 1;
    } else {
        MOKUHYO(st);
        if (st.AT(1) == 0 && st.AT(2) == 0) return Block::OperationsStart;
        if (st.SCENARIO_NO != 6) return Block::AlliedReaction;
    }
    do HENSEI2(st);
    while (!confirmed(st));
    if (st.SCENARIO_NO == 7) return Block::OperationsStart;
    ask_target_forces(st);
    return Block::OperationLoop;
}

}  // namespace morva95s
