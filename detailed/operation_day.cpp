// MORVA95F: the day loop of an operation: each day's resets, the search planes made ready, the
// day-skip test, the map of the target area, the emptied air-group table, the deployment or
// night move, and the Allied posture of the day.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

/// Step 2: the torpedo bombers lent to yesterday's search rejoin their fit carriers.
void recall_search_torpedo_bombers(State& st, float f) {
    if (st.ST(ST_OWN, ST_COUNTERS, ST_STATUS) == 0) return;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j) {
        const float i = st.C(0, f, j);
        const con::real damage = con::L(st.A(0, i, A_FULL_DURABILITY)) - con::L(st.A(0, i, A_DURABILITY));
        if (damage > 2 || st.A(0, i, A_FLIGHT_DECK) < 8) continue;
        float& unarmed = st.F(0, j, AIR_TORPEDO_BOMBERS, F_UNARMED);
        float& searching = st.F(0, j, AIR_TORPEDO_BOMBERS, F_SEARCHING);
        unarmed = con::store(con::L(unarmed) + con::L(searching));
        searching = 0;
    }
}

void clear_contacts(State& st) {
    for (int k = 0; k <= 3; ++k) {
        st.H(k) = -1;
        st.J(k) = 0;
        st.SB(k) = 0;
    }
    st.MV(4) = 0;
    st.MV(5) = 0;
}

void print_day_banner(const State& st) {
    con::clear_screen(0);
    con::locate(con::Col(34), con::Row(5));
    con::color(7);
    con::print_string_item("第 ");
    con::print_single_item(st.DAY_NO);
    con::print_string_item(" 日");
}

/// Step 5: the day's search planes of both sides, ready or absent.
void ready_search_planes(State& st) {
    for (int p = 1; p <= 12; ++p) {
        st.ST(ST_OWN, p, ST_STATUS) = p > 8 ? 0.0f : 1.0f;
        st.ST(ST_BASE, p, ST_STATUS) = 1;
        st.ST(ST_OWN, p, ST_X) = st.PZ(0, PZ_X);
        st.ST(ST_OWN, p, ST_Y) = st.PZ(0, PZ_Y);
        for (int k = 1; k <= 3; ++k) st.ST(ST_TASK_FORCE + k, p, ST_STATUS) = st.KS(k) < 1 ? 0.0f : 1.0f;
    }
    // Planes still in the air yesterday are back aboard: no long-range flight is out.
    st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 0;
    for (int k = 1; k <= 3; ++k) st.SK(k) = 0;
}

bool day_skipped(const State& st, float target) {
    return target < 21 && (st.P(target, P_HOLDER) == 0 || (st.DAY_NO > 1 && st.PEARL_HARBOR_TURN > 0));
}

/// Step 10: every air group of launch steps 1-15 is dropped, its aircraft with it, so that a
/// row reused later in the day starts from no aircraft.
void empty_air_groups(State& st) {
    for (int s = 0; s <= T_LAST_SOURCE; ++s)
        for (int h = 1; h <= T_LAST_STEP; ++h) {
            st.T(s, h, T_STATUS) = 0;
            for (int field = T_FIGHTERS; field <= T_BOMB_ARMED; ++field) st.T(s, h, field) = 0;
        }
}

void recover_base_defence(State& st, float target) {
    const con::real gain = 3 + con::int_floor(con::L(con::rnd()) * 5);
    float& defence = st.P(target, P_AIR_DEFENCE);
    defence = con::store(con::L(defence) + gain);
    if (defence > st.BASE_DEFENCE_MAX) defence = st.BASE_DEFENCE_MAX;
}

}  // namespace

float allied_posture(State& st, float f) {
    // Each test draws its roll whenever it is made, whatever its other terms give.
    const con::real fit = st.ALLIED_CV_FIT;
    const con::real r1 = con::L(con::rnd()) * 7;
    if (st.AT(f) == 21 && r1 < fit + 3) return 0;
    const con::real r2 = con::L(con::rnd()) * 5;
    if (fit < 2 && r2 > 1) return 2;
    const con::real r3 = con::L(con::rnd()) * 10;
    const con::real bar = 3 * con::L(st.DAY_NO) + 2 * con::L(st.OPERATION_CHARACTER) + 4;
    if ((st.CV(0, f) >= st.CV(1, f) && r3 > bar && st.SCENARIO_NO != 6) || fit < 2) return 1;
    return 0;
}

Block DAY_LOOP(State& st) {
    st.DAY_NO = 1;
    return Block::DayStart;
}

Block DAY_START(State& st) {
    const float f = st.FLEET_NO;
    const float target = st.AT(f);
    st.TT(TT_DAY) = st.DAY_NO;
    st.MM(MM_HEADING) = -1;
    st.REARM_FLAG = 0;
    st.OPERATION_ACTIVE = 1;
    recall_search_torpedo_bombers(st, f);
    clear_contacts(st);
    if (st.DAY_NO > 1) print_day_banner(st);
    ready_search_planes(st);
    SAKUTEKI3(st);
    if (day_skipped(st, target)) return Block::NextDay;
    con::clear_screen(0);
    st.TT(TT_SUBTURN) = 0;
    FMAP(st);
    empty_air_groups(st);
    if (st.DAY_NO == 1) {
        ICHI(st);
    } else {
        recover_base_defence(st, target);
        st.TT(TT_SUBTURN) = 1;
        ICHI2(st);
    }
    st.TK(TK_POSTURE) = 0;
    st.TK(TK_POSTURE) = allied_posture(st, f);
    st.SUBTURN_NO = 1;
    return Block::HourStart;
}

Block NEXT_DAY(State& st) {
    st.DAY_NO = con::store(con::L(st.DAY_NO) + 1);
    return st.DAY_NO <= 3 ? Block::DayStart : Block::OperationEnd;
}

}  // namespace morva95f
