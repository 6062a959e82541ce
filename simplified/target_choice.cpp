// MORVA95S: MOKUHYO, the choice of each air fleet's target base: an Allied-held base 6-21
// whose prerequisite bases are held (any base 6-21 in the single operation).
#include "campaign/target_choice.h"
#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

using con::L;
using morva::TargetAnswers;

// The single operation (scenario 6) takes any base, the battleships' fleet battle (7) an
// attackable base, the campaigns (1-5, and 8 resumed) one or none. Fleet 1 goes alone in
// scenarios 6 and 7.
constexpr morva::TargetRules kTargetRules{
    .answers_in = [](float scenario) {
        if (scenario == 6) return TargetAnswers::AnyBase;
        return scenario < 6 || scenario == 8 ? TargetAnswers::AttackableOrNone : TargetAnswers::Attackable;
    },
    .fleet_2_stays_in = [](float scenario) { return scenario == 6 || scenario == 7; },
    .fleet_lines = morva::LineEnd::Closed,
};

// Asks until a base is accepted; returns it, or 0 for 99 where the answers allow.
float ask_target(State& st, int f, TargetAnswers answers) {
    for (;;) {
        con::print_at(con::Col(10), con::Row(18), "攻撃目標は ?");
        if (answers == TargetAnswers::AttackableOrNone) {
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
        if (const auto target = morva::judge_target(st.TT, st.P, st.AT, n, f, answers, unattackable)) return *target;
    }
}

}  // namespace

void MOKUHYO(State& st) {
    const float scenario = st.TT(TT_SCENARIO);
    const TargetAnswers answers = kTargetRules.answers_in(scenario);
    // A chosen target gets its air defence, its strength.
    const auto ask = [&st, answers](int f) {
        const float n = ask_target(st, f, answers);
        if (n != 0) st.P(n, P_AIR_DEFENCE) = st.P(n, P_STRENGTH);
        return n;
    };
    morva::MOKUHYO(st.C, st.G, st.MM, st.CV, st.AT, kTargetRules, scenario,
                   {.no_carriers_pause = [] { con::wait_ticks(80); }, .ask_target = ask});
}

}  // namespace morva95s
