// MORVA95S: the small status blocks the phases share: the damage list, the distance sketch,
// the attack-prerequisite query, the recount of the Allied losses, the results line and the
// status panel that F1 shows between operations.
#include "campaign/final_result.h"
#include "console/console.h"
#include "simplified/routines.h"
#include "simplified/shared.h"

namespace morva95s {

using con::L;

void SHOW_DAMAGE(State& st) { morva::HIGAI(st.TT, st.CV, st.C, st.MM, st.A); }

void SHOW_DISTANCES(State& st) {
    con::draw_circle(652, 279, 120, 15);
    con::color(2);
    con::print_at(con::Col(68), con::Row(15), "★ ");
    con::color(6);
    con::print_string_item("敵基地");
    con::print_end();
    con::locate(con::Col(67), con::Row(16));
    if (st.P(st.AT(st.FLEET_NO), P_HOLDER) > 0) {
        con::color(6);
        con::print_string_item("距離 ");
        con::print_number_item(con::int_floor(L(st.BASE_DISTANCE) + L(0.5f)));
    } else {
        con::color(5);
        con::print_string_item("陥落");
    }
    con::print_end();
    // The task force stands 2 columns a unit of distance left of the base, at most 22.
    long w = 22;
    if (st.BASE_DISTANCE < 12) w = static_cast<long>(con::int_floor(L(st.BASE_DISTANCE) * 2));
    con::color(5);
    con::print_at(con::Col(68 - w), con::Row(15), "●");
    con::print_end();
    con::color(6);
    con::print_at(con::Col(66 - w), con::Row(14), "機動部隊");
    con::print_end();
    if (st.H(0) == 0 || st.AIR_DISTANCE > 12) return;
    const long up = con::round_half_away(L(st.AIR_DISTANCE));
    con::color(3);
    con::print_at(con::Col(68 - w), con::Row(15 - up), "＊");
    con::print_end();
    con::color(6);
    con::print_at(con::Col(66 - w), con::Row(14 - up), "敵艦隊  距離 ");
    con::print_single_item(st.AIR_DISTANCE);
}

void CHECK_BASE_ATTACKABLE(State& st) {
    st.TT(TT_BASE_QUERY) = con::store(L(st.INPUT_NUM) - 5);
    morva::SHOZOKU(st.TT, st.P);
}

void COUNT_ALLIED_LOSSES(State& st) { morva::count_allied_losses(st.A, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK); }

void SHOW_RESULTS_LINE(State& st) {
    morva::show_results_line(st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK, morva::LineEnd::Closed);
}

void STATUS_PANEL(State& st) {
    con::color(6);
    con::print_at(con::Col(74), con::Row(1), "勢力値");
    for (int b = 6; b <= 21; ++b) {
        if (!(st.P(b, P_HOLDER) > 0)) continue;  // Japanese-held bases get nothing
        con::locate(con::Col(76), con::Row(b + 1));
        con::print_single_item(st.P(b, P_STRENGTH));
        con::print_end();
    }
    con::print_at(con::Col(30), con::Row(0), con::space_string(48));
    con::print_end();
    con::locate(con::Col(50), con::Row(0));
    SHOW_RESULTS_LINE(st);
}

}  // namespace morva95s
