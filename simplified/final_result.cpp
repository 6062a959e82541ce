// MORVA95S: FINAL_RESULT, the last screen of a campaign (and of the single operation): the
// strategic map, the Allied ships sunk, the player's losses and the verdict.
#include "campaign/final_result.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {
namespace {

// Every line is ended; the last words stand on row 9, below the verdict when there is one.
constexpr morva::FinalReportLayout kFinalReport{
    .results_line = morva::LineEnd::Closed,
    .winner_line = morva::LineEnd::Closed,
    .single_operation_last_row = 9,
    .campaign_last_row = 9,
};

}  // namespace

using con::L;

Block FINAL_RESULT(State& st) {
    const bool single_operation = st.SCENARIO_NO == 6;
    if (!single_operation) {
        con::color(7);
        st.BASES_HELD = static_cast<float>(morva::count_bases_held(st.P));
    }
    draw_strategic_map(st);
    // The aircraft lost: every unit the campaign was given that is no longer in the reserve,
    // since each operation charges its losses to the reserve.
    const auto print_aircraft = [&st] {
        const con::real reserve = L(st.V(1, 0)) + L(st.V(2, 0)) + L(st.V(3, 0));
        con::print_single_item(con::store(L(st.RESERVE_SUPPLIED) - reserve));
    };
    morva::show_final_report(kFinalReport, single_operation, st.TX, st.AT, st.A, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK,
                             print_aircraft);
    if (single_operation) morva::close_final_screen(kFinalReport.single_operation_last_row);
    morva::show_verdict(static_cast<int>(st.BASES_HELD), kFinalReport.winner_line);
    morva::close_final_screen(kFinalReport.campaign_last_row);
}

}  // namespace morva95s
