// MORVA95S: MOKUHYO, the choice of each air fleet's target base: an Allied-held base 6-21
// whose prerequisite bases are held (any base 6-21 in the single operation).
#include "campaign/target_choice.h"
#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

using con::L;

// Asks until a base is accepted; returns it, or 0 for 99 where declining is offered.
float ask_target(State& st, int f, float scenario) {
    const bool may_decline = scenario < 6 || scenario == 8;
    for (;;) {
        con::print_at(con::Col(10), con::Row(18), "攻撃目標は ?");
        if (may_decline) {
            con::print_at(con::Col(12), con::Row(20), "攻撃せずは 99");
            con::print_at(con::Col(24), con::Row(18), con::space_string(5));
        }
        con::locate(con::Col(24), con::Row(18));
        con::input_prompt("", con::PromptStyle::Plain);
        float n = 0;
        con::input_vars(n);
        const auto unattackable = [&st] {
            con::print_at(con::Col(10), con::Row(18), "攻撃不能    ");
            con::wait_ticks(con::int_floor(L(st.TT(TT_WAIT)) / 2));
        };
        if (const auto target = morva::judge_target(st.TT, st.P, st.AT, n, f, may_decline, scenario == 6, unattackable))
            return *target;
    }
}

}  // namespace

void MOKUHYO(State& st) {
    const float scenario = st.TT(TT_SCENARIO);
    // A chosen target gets its air defence, its strength.
    const auto ask = [&st, scenario](int f) {
        const float n = ask_target(st, f, scenario);
        if (n != 0) st.P(n, P_AIR_DEFENCE) = st.P(n, P_STRENGTH);
        return n;
    };
    morva::MOKUHYO(
        st.C, st.G, st.MM, st.CV, st.AT, scenario == 6 || scenario == 7, morva::LineEnd::Closed,
        [] { con::wait_ticks(80); }, ask);
}

}  // namespace morva95s
