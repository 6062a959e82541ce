// MORVA95F: the day loop of an operation: each day's resets, the search planes made ready, the
// day-skip test, the map of the target area, the emptied air-group table, the deployment or
// night move, and the Allied posture of the day.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// Ship attributes read here.
constexpr int kDurability = 0;
constexpr int kFullDurability = 1;
constexpr int kFlightDeck = 15;
// Aircraft states and types of F.
constexpr int kTorpedoBombers = 2;
constexpr int kUnarmed = 0;
constexpr int kSearching = 5;

/// Step 2: the torpedo bombers lent to yesterday's search rejoin their fit carriers.
void recall_search_torpedo_bombers(State& st, float f) {
    if (st.ST(0, 0, 0) == 0) return;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j) {
        const float i = st.C(0, f, j);
        const con::real damage = con::L(st.A(0, i, kFullDurability)) - con::L(st.A(0, i, kDurability));
        if (damage > 2 || st.A(0, i, kFlightDeck) < 8) continue;
        st.F(0, j, kTorpedoBombers, kUnarmed) = con::store(con::L(st.F(0, j, kTorpedoBombers, kUnarmed)) +
                                                           con::L(st.F(0, j, kTorpedoBombers, kSearching)));
        st.F(0, j, kTorpedoBombers, kSearching) = 0;
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
        st.ST(0, p, 0) = p > 8 ? 0.0f : 1.0f;
        st.ST(1, p, 0) = 1;
        st.ST(0, p, 1) = st.PZ(0, 0);
        st.ST(0, p, 2) = st.PZ(0, 1);
        for (int s = 2; s <= 4; ++s) st.ST(s, p, 0) = st.KS(s - 1) < 1 ? 0.0f : 1.0f;
    }
    // Planes still in the air yesterday are back aboard: no long-range flight is out.
    st.ST(1, 0, 0) = 0;
    for (int k = 1; k <= 3; ++k) st.SK(k) = 0;
}

bool day_skipped(const State& st, float target) {
    return target < 21 && (st.P(target, 1) == 0 || (st.DAY_NO > 1 && st.PEARL_HARBOR_TURN > 0));
}

/// Step 10: every air group of launch steps 1-15 is dropped, its aircraft with it, so that a
/// row reused later in the day starts from no aircraft.
void empty_air_groups(State& st) {
    for (int s = 0; s <= 8; ++s)
        for (int h = 1; h <= 15; ++h) {
            st.T(s, h, 0) = 0;
            for (int field = 5; field <= 8; ++field) st.T(s, h, field) = 0;
        }
}

void recover_base_defence(State& st, float target) {
    const con::real gain = 3 + con::int_floor(con::L(con::rnd()) * 5);
    st.P(target, 5) = con::store(con::L(st.P(target, 5)) + gain);
    if (st.P(target, 5) > st.BASE_DEFENCE_MAX) st.P(target, 5) = st.BASE_DEFENCE_MAX;
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
    st.MM(1) = -1;
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
    st.TK(1) = 0;
    st.TK(1) = allied_posture(st, f);
    st.SUBTURN_NO = 1;
    return Block::HourStart;
}

Block NEXT_DAY(State& st) {
    st.DAY_NO = con::store(con::L(st.DAY_NO) + 1);
    return st.DAY_NO <= 3 ? Block::DayStart : Block::OperationEnd;
}

}  // namespace morva95f
