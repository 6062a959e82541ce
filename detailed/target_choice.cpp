// MORVA95F: MOKUHYO, the choice of each air fleet's target base within the attack
// prerequisites, and the main routine's branch on the answers.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/organisation.h"
#include "campaign/route_network.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// The fleet's header and ships over columns 0-55; the base list at columns 56-79 stays.
void show_fleet(const State& st, int f) {
    for (int row = 0; row <= 23; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(56));
    con::print_at(con::Col(10), con::Row(1), "第 ");
    con::print_single_item(static_cast<float>(f));
    con::print_string_item(" 艦隊");
    for (int k = 1; k <= 8; ++k)
        if (st.C(0, f, k) > 0) con::print_at(con::Col(10), con::Row(k + 3), st.MX(0, st.C(0, f, k)));
    for (int k = 1; k <= 12; ++k)
        if (st.G(0, f, k) > 0) con::print_at(con::Col(24), con::Row(k + 3), st.MX(0, st.G(0, f, k)));
}

void show_prompt(float scenario) {
    con::color(6);
    con::print_at(con::Col(10), con::Row(18), "攻撃目標は ?");
    con::print_at(con::Col(12), con::Row(20), "黄色表示の拠点が攻撃可能");
    if (scenario != 6) con::print_at(con::Col(12), con::Row(22), "（攻撃せずは 99 を入力）");
}

// The target of fleet f: a base 6-21 that passes the tests, or 0 for 99 (not in scenario 6).
float ask_target(State& st, int f, float scenario) {
    for (;;) {
        show_prompt(scenario);
        con::print_at(con::Col(25), con::Row(18), con::space_string(5));
        con::locate(con::Col(26), con::Row(18));
        const float n = con::input_number("");
        if (n == 99 && scenario != 6) return 0;
        // A number with a fraction is refused like any other refused answer (made safe on
        // purpose: the tests would read the nearest base while the fraction was stored).
        if (n < 6 || n > 21 || n != con::int_floor(con::L(n))) continue;
        if (scenario == 6) return n;
        if (st.P(n, P_HOLDER) == 0 || (f == 2 && n == st.AT(1))) continue;
        st.TT(TT_BASE_QUERY) = con::store(con::L(n) - 5);
        morva::SHOZOKU(st.TT, st.P);
        if (st.TT(TT_ATTACKABLE) == 0) {
            con::color(3);
            con::print_at(con::Col(10), con::Row(18), "攻撃不能    ");
            MATU(st);
            continue;
        }
        return n;
    }
}

}  // namespace

void MOKUHYO(State& st) {
    const float scenario = st.TT(TT_SCENARIO);
    con::color(6);
    for (int f = 1; f <= 2; ++f) {
        if (scenario == 6 && f == 2) {
            st.AT(2) = 0;
            continue;
        }
        show_fleet(st, f);
        if (st.CV(0, f) < 1) {  // battleships alone never attack
            con::print_at(con::Col(12), con::Row(5), "攻撃せず");
            st.AT(f) = 0;
            MATU(st);
            continue;
        }
        st.AT(f) = ask_target(st, f, scenario);
    }
}

Block TARGET_CHOICE(State& st) {
    MOKUHYO(st);
    if (st.AT(1) == 0 && st.AT(2) == 0) return Block::OperationsStart;
    if (st.SCENARIO_NO != 6) return Block::AlliedPlanning;
    return Block::SingleOperationOrder;
}

}  // namespace morva95f
