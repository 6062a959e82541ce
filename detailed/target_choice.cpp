// MORVA95F: MOKUHYO, the choice of each air fleet's target base within the attack
// prerequisites, and the main routine's branch on the answers.
#include "campaign/target_choice.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/organisation.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using morva::TargetAnswers;

// The single operation (scenario 6) takes any base and sends fleet 1 alone; every other
// scenario takes an attackable base or none, from both fleets.
constexpr morva::TargetRules kTargetRules{
    .answers_in =
        [](float scenario) { return scenario == 6 ? TargetAnswers::AnyBase : TargetAnswers::AttackableOrNone; },
    .fleet_2_stays_in = [](float scenario) { return scenario == 6; },
    .fleet_lines = morva::LineEnd::Open,
};

void show_prompt(TargetAnswers answers) {
    con::color(6);
    con::print_at(con::Col(10), con::Row(18), "攻撃目標は ?");
    con::print_at(con::Col(12), con::Row(20), "黄色表示の拠点が攻撃可能");
    if (answers == TargetAnswers::AttackableOrNone)
        con::print_at(con::Col(12), con::Row(22), "（攻撃せずは 99 を入力）");
}

// The target of fleet f: a base 6-21 that passes the tests, or 0 for 99 where the answers allow.
float ask_target(State& st, int f, TargetAnswers answers) {
    for (;;) {
        show_prompt(answers);
        con::print_at(con::Col(25), con::Row(18), con::space_string(5));
        con::locate(con::Col(26), con::Row(18));
        const float n = con::input_number("");
        const auto unattackable = [&st] {
            con::color(3);
            con::print_at(con::Col(10), con::Row(18), "攻撃不能    ");
            MATU(st);
        };
        if (const auto target = morva::judge_target(st.TT, st.P, st.AT, n, f, answers, unattackable)) return *target;
    }
}

}  // namespace

void MOKUHYO(State& st) {
    const float scenario = st.TT(TT_SCENARIO);
    const TargetAnswers answers = kTargetRules.answers_in(scenario);
    morva::MOKUHYO(st.C, st.G, st.MX, st.CV, st.AT, kTargetRules, scenario,
                   {.no_carriers_pause = [&st] { MATU(st); },
                    .ask_target = [&st, answers](int f) { return ask_target(st, f, answers); }});
}

Block TARGET_CHOICE(State& st) {
    MOKUHYO(st);
    if (st.AT(1) == 0 && st.AT(2) == 0) return Block::OperationsStart;
    if (st.SCENARIO_NO != 6) return Block::AlliedPlanning;
    return Block::SingleOperationOrder;
}

}  // namespace morva95f
