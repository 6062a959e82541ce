// MORVA95F: the final screen with the victory level, the Allied loss count and the results line.
#include "campaign/final_result.h"
#include "campaign/route_network.h"
#include "campaign/strategic_map.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// The results line and the winner stay open; the last words stand on row 1 after the single
// operation, on row 8 below a campaign's verdict.
constexpr morva::FinalReportLayout kFinalReport{
    .results_line = morva::LineEnd::Open,
    .winner_line = morva::LineEnd::Open,
    .single_operation_last_row = 1,
    .campaign_last_row = 8,
};

// The screen from its map on (steps 2-11); `held` is the count of Japanese-held bases.
[[noreturn]] void final_screen(State& st, int held) {
    morva::DRAW_STRATEGIC_MAP(st.DATA, st.P, st.TX);
    morva::MAPS(st.TT, st.P);
    const bool single_operation = st.SCENARIO_NO == 6;
    // The aircraft lost: the losses counted of each kind.
    const auto print_aircraft = [&st] {
        con::print_number_item(con::L(st.VS(0, AIR_FIGHTERS)) + con::L(st.VS(0, AIR_DIVE_BOMBERS)) +
                               con::L(st.VS(0, AIR_TORPEDO_BOMBERS)));
    };
    morva::show_final_report(kFinalReport, single_operation, st.TX, st.AT, st.A, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK,
                             print_aircraft);
    if (single_operation) morva::close_final_screen(kFinalReport.single_operation_last_row);
    morva::show_verdict(held, kFinalReport.winner_line);
    con::color(6);
    morva::close_final_screen(kFinalReport.campaign_last_row);
}

}  // namespace

void COUNT_ALLIED_LOSSES(State& st) { morva::count_allied_losses(st.A, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK); }

void SHOW_RESULTS_LINE(State& st) {
    morva::show_results_line(st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK, kFinalReport.results_line);
}

Block FINAL_RESULT(State& st) { final_screen(st, morva::count_bases_held(st.P)); }

Block FINAL_RESULT_MAP(State& st) { final_screen(st, 0); }

}  // namespace morva95f
