// MOKUHYO, the choice of each air fleet's target base, over the tables and questions each game
// passes: the fleets in turn, each shown, and the judgement of a typed target base.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "campaign/line_end.h"
#include "campaign/route_network.h"
#include "campaign/shared_slots.h"
#include "campaign/ship_and_base_counts.h"
#include "console/console.h"

namespace morva {

/// What a typed target base may be.
enum class TargetAnswers {
    AttackableOrNone,  ///< an Allied-held base that may be attacked, or 99 for no target
    Attackable,        ///< an Allied-held base that may be attacked
    AnyBase,           ///< any base 6-21, taken at once (the single operation)
};

/// How a game runs the target choice (one constant per game): the answers and the fleets
/// asked by scenario, and the fleet's lines on the screen.
struct TargetRules {
    TargetAnswers (*answers_in)(float scenario);  ///< what a typed target may be in a scenario
    bool (*fleet_2_stays_in)(float scenario);     ///< whether air fleet 2 stays home (target 0)
    LineEnd fleet_lines;                          ///< how the lines of the fleet shown end
};

/// The game's own dialogue of the target choice.
struct TargetQuestions {
    std::function<void()> no_carriers_pause;  ///< the wait after "攻撃せず" for a fleet without carriers
    std::function<float(int)> ask_target;     ///< the target typed for air fleet f, or 0 for none
};

/// Air fleet f over columns 0-55 (the base list at columns 56-79 stays): "第 f 艦隊" at
/// (10, 1), its carriers C(0, f, 1-8) from (10, 4) and battleships G(0, f, 1-12) from (24, 4)
/// by their names `MX(0, ship)`, each line ended as `end` says.
template <typename CarrierLists, typename BattleshipLists, typename ShipNames>
void show_fleet_for_target(const CarrierLists& C, const BattleshipLists& G, const ShipNames& MX, int f, LineEnd end) {
    const auto line_end = [end] {
        if (end == LineEnd::Closed) con::print_end();
    };
    for (int row = 0; row <= 23; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(56));
    con::print_at(con::Col(10), con::Row(1), "第 ");
    con::print_number_item(f);
    con::print_string_item(" 艦隊");
    line_end();
    for (int k = 1; k <= kFleetCarrierSlots; ++k) {
        if (!(C(0, f, k) > 0)) continue;
        con::print_at(con::Col(10), con::Row(k + 3), MX(0, C(0, f, k)));
        line_end();
    }
    for (int k = 1; k <= kJapaneseBattleships; ++k) {
        if (!(G(0, f, k) > 0)) continue;
        con::print_at(con::Col(24), con::Row(k + 3), MX(0, G(0, f, k)));
        line_end();
    }
}

/// The target that the number n typed for air fleet f (1-2) gives, or no value when the
/// question is asked again: 0 (no target) for 99 where the answers allow it; otherwise only a
/// whole base 6-21 counts, taken at once where any base is allowed and else when Allied-held,
/// not fleet 1's target AT(1) for fleet 2, and attackable (SHOZOKU, asked through
/// TT_BASE_QUERY; its answer stays in TT_ATTACKABLE). `unattackable` runs when only the last
/// test fails.
template <typename ParamVector, typename BaseTable, typename Targets>
std::optional<float> judge_target(ParamVector& TT, const BaseTable& P, const Targets& AT, float n, int f,
                                  TargetAnswers answers, const std::function<void()>& unattackable) {
    if (n == 99 && answers == TargetAnswers::AttackableOrNone) return 0.0f;
    // A number with a fraction is refused like any other refused answer (made safe on
    // purpose: the tests would read the nearest base while the fraction was stored).
    if (n < kFirstTargetBase || n > kBases || n != con::int_floor(con::L(n))) return std::nullopt;
    if (answers == TargetAnswers::AnyBase) return n;
    if (P(n, P_HOLDER) == 0 || (f == 2 && n == AT(1))) return std::nullopt;
    TT(TT_BASE_QUERY) = con::store(con::L(n) - 5);
    SHOZOKU(TT, P);
    if (TT(TT_ATTACKABLE) == 0) {
        unattackable();
        return std::nullopt;
    }
    return n;
}

/// MOKUHYO: in yellow, for air fleets 1 and 2 in turn (fleet 1 only where the game's `rules`
/// keep fleet 2 home in `scenario`, its target then 0): the fleet shown (show_fleet_for_target,
/// lines ended as the rules say), then its target AT(f): 0 with "攻撃せず" at (12, 5) and the
/// questions' pause for a fleet without carriers (battleships alone never attack), else what
/// the questions' `ask_target(f)` answers.
template <typename CarrierLists, typename BattleshipLists, typename ShipNames, typename CarrierCounts, typename Targets>
void MOKUHYO(const CarrierLists& C, const BattleshipLists& G, const ShipNames& MX, const CarrierCounts& CV, Targets& AT,
             const TargetRules& rules, float scenario, const TargetQuestions& questions) {
    const bool fleet_2_stays = rules.fleet_2_stays_in(scenario);
    con::color(6);
    for (int f = 1; f <= 2; ++f) {
        if (fleet_2_stays && f == 2) {
            AT(2) = 0;
            return;
        }
        show_fleet_for_target(C, G, MX, f, rules.fleet_lines);
        if (CV(0, f) < 1) {
            con::print_at(con::Col(12), con::Row(5), "攻撃せず");
            AT(f) = 0;
            questions.no_carriers_pause();
            continue;
        }
        AT(f) = questions.ask_target(f);
    }
}

}  // namespace morva
