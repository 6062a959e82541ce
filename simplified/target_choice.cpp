// MORVA95S: MOKUHYO, the choice of each air fleet's target base: an Allied-held base 6-21
// whose prerequisite bases are held (any base 6-21 in the single operation).
#include <cmath>

#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

using con::L;

void show_fleet(const State& st, int f) {
    for (int row = 0; row <= 23; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(56));
    con::locate(con::Col(10), con::Row(1));
    con::print_string_item("第 ");
    con::print_number_item(f);
    con::print_string_item(" 艦隊");
    con::print_end();
    for (int k = 1; k <= 8; ++k) {
        if (!(st.C(0, f, k) > 0)) continue;
        con::print_at(con::Col(10), con::Row(k + 3), st.MM(0, st.C(0, f, k)));
        con::print_end();
    }
    for (int k = 1; k <= 12; ++k) {
        if (!(st.G(0, f, k) > 0)) continue;
        con::print_at(con::Col(24), con::Row(k + 3), st.MM(0, st.G(0, f, k)));
        con::print_end();
    }
}

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
        if (n == 99 && may_decline) return 0;
        // Only a whole base number names a base: a fraction would be rounded to a neighbour.
        if (n < 6 || n > 21 || n != std::floor(n)) continue;
        if (scenario == 6) return n;
        if (st.P(n, P_HOLDER) == 0 || (f == 2 && st.AT(1) == n)) continue;
        st.TT(TT_BASE_QUERY) = con::store(L(n) - 5);
        morva::SHOZOKU(st.TT, st.P);
        if (st.TT(TT_ATTACKABLE) == 0) {
            con::print_at(con::Col(10), con::Row(18), "攻撃不能    ");
            con::wait_ticks(con::int_floor(L(st.TT(TT_WAIT)) / 2));
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
        if ((scenario == 6 || scenario == 7) && f == 2) {
            st.AT(2) = 0;
            return;
        }
        show_fleet(st, f);
        if (st.CV(0, f) < 1) {
            con::print_at(con::Col(12), con::Row(5), "攻撃せず");
            st.AT(f) = 0;
            con::wait_ticks(80);
            continue;
        }
        const float n = ask_target(st, f, scenario);
        st.AT(f) = n;
        if (n != 0) st.P(n, P_AIR_DEFENCE) = st.P(n, P_STRENGTH);
    }
}

}  // namespace morva95s
