// MORVA95S: the operation loop over the two air fleets: the once-a-turn head, each fleet's
// set-up (its announcement, both sides' air groups loaded, the target base's air units drawn)
// and the loop's closing step.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Step 4: the values that belong to one operation.
void reset_operation(State& st) {
    const float f = st.FLEET_NO;
    st.TK(0) = 0;
    st.TK(1) = 0;
    st.ALLIED_CV_COUNT = st.CV(1, f);
    st.ALLIED_BB_COUNT = st.BB(1, f);
    st.ALLIED_CV_FIT = st.ALLIED_CV_COUNT;
    st.ALLIED_CV_AFLOAT = st.ALLIED_CV_COUNT;
    st.R(0) = 1;
    st.R(1) = con::store(L(st.ALLIED_CV_COUNT) + 3);
    st.TARGET_AA_START = st.P(st.AT(f), P_AIR_DEFENCE);
    st.DF(0) = 5;
    st.DF(1) = 10;
    // A carrier count seen in an earlier operation must not outlive it: the sighting report
    // never claims more carriers than the force now faced.
    st.K(f) = 0;
}

/// Step 7: whether the fleet stays in port this turn.
bool fleet_stays(const State& st) {
    const float f = st.FLEET_NO;
    return st.AT(f) == 0 || L(st.CV(0, f)) < 1 || (st.PEARL_HARBOR_TURN == 1 && f == 2);
}

/// Steps 8-10: the announcement with the fleet's carriers and battleships, in yellow.
void announce(const State& st) {
    const float f = st.FLEET_NO;
    con::color(6);
    con::locate(con::Col(18), con::Row(2));
    con::print_string_item("第");
    con::print_single_item(f);
    con::print_string_item("航空艦隊");
    con::print_end();
    con::locate(con::Col(36), con::Row(2));
    if (st.PEARL_HARBOR_TURN == 1) con::print_string_item("攻撃目標　真珠湾");
    else con::print_string_item("攻略目標 敵拠点 " + st.TX(st.AT(f)));
    con::print_end();
    for (long i = 1; L(i) <= L(st.CV(0, f)); ++i) {
        con::locate(con::Col(18), con::Row(5 + static_cast<int>(i)));
        con::print_single_item(static_cast<float>(i));
        con::print_end();
        con::print_at(con::Col(22), con::Row(5 + static_cast<int>(i)), st.MM(0, st.C(0, f, i)));
    }
    for (long i = 1; L(i) <= L(st.BB(0, f)); ++i) {
        con::locate(con::Col(43), con::Row(5 + static_cast<int>(i)));
        con::print_single_item(static_cast<float>(i));
        con::print_end();
        con::print_at(con::Col(47), con::Row(5 + static_cast<int>(i)), st.MM(0, st.G(0, f, i)));
    }
}

/// Step 11: every unit of both sides' carriers starts the operation in its hangar.
void load_air_groups(State& st) {
    for (int s = JAPANESE; s <= ALLIED; ++s) {
        for (int k = 1; k <= 8; ++k) {
            for (int c = 1; c <= F_CAP_FOUGHT; ++c) st.F(s, k, c) = 0;
            for (int c = 1; c <= D_HOME_LAST; ++c) st.D(s, k, c) = 0;
            for (int c = 1; c <= T_HOME_LAST; ++c) st.T(s, k, c) = 0;
        }
    }
    for (int s = JAPANESE; s <= ALLIED; ++s) {
        for (long k = 1; L(k) <= L(st.CV(s, st.FLEET_NO)); ++k) {
            const float ship = st.C(s, st.FLEET_NO, k);
            st.F(s, k, F_HANGAR) = st.A(s, ship, A_AIR_GROUP);
            st.D(s, k, D_HANGAR) = st.A(s, ship, A_AIR_GROUP + 1);
            st.T(s, k, T_HANGAR) = st.A(s, ship, A_AIR_GROUP + 2);
        }
    }
}

/// Steps 12-13: the target base's air units (drawn, except the typed ones of scenario 6).
void draw_base_units(State& st) {
    for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r)
        for (int c = Q_READY; c <= Q_INTERCEPT_LAST; ++c) st.Q(r, c) = 0;
    if (st.SCENARIO_NO != 6) {
        const float t = st.AT(st.FLEET_NO);
        const long base = con::round_half_away(L(t));
        const float s = st.P(t, P_STRENGTH);
        for (int r = QR_FIGHTERS; r <= QR_TORPEDO; ++r)
            st.Q(r, Q_LANDED) = con::store(con::int_floor((L(s) + L(con::rnd()) * 6) / 2));
        if (base == 8 || base == 20) st.Q(QR_DIVE, Q_LANDED) = 0;
        const con::real heavy = con::int_floor((L(s) + L(con::rnd()) * 8) / 5);
        st.Q(QR_HEAVY, Q_LANDED) = con::store(L(st.P(t, P_BOMBER_FACTOR)) * heavy);
        if (st.PEARL_HARBOR_TURN == 1) {
            st.Q(QR_FIGHTERS, Q_LANDED) = con::store(con::int_floor(L(con::rnd()) * 8 + 8));
            for (int r = QR_DIVE; r <= QR_HEAVY; ++r) st.Q(r, Q_LANDED) = 0;
        }
    }
    for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r) st.O(r) = st.Q(r, Q_LANDED);
}

/// The day loop's head, once per operation.
Block enter_day_loop(State& st) {
    st.SEARCH_REINFORCED = 0;
    st.DAY_NO = 1;
    return Block::DayStart;
}

}  // namespace

Block OPERATION_LOOP(State& st) {
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    st.OPERATION_ACTIVE = 1;
    st.FLEET_NO = 1;
    return Block::OperationSetup;
}

Block OPERATION_SETUP(State& st) {
    if (L(st.FLEET_NO) > 2) return Block::TurnEnd;
    st.TT(TT_FLEET) = st.FLEET_NO;
    con::clear_screen(0);
    reset_operation(st);
    if (st.SCENARIO_NO == 7) return enter_day_loop(st);
    st.OPERATION_CHARACTER = st.COMMANDER_CHARACTER;
    if (st.COMMANDER_CHARACTER == 0)
        st.OPERATION_CHARACTER = con::store(1 - 2 * con::int_floor(L(con::rnd()) * 2));
    if (fleet_stays(st)) return Block::NextFleet;
    announce(st);
    load_air_groups(st);
    draw_base_units(st);
    // The announcement screen shows no time of day: row 0 stays blank, as before a run's first
    // operation, whatever the previous operation's loops left in their counters.
    st.TT(TT_TURN) = st.TURN_NO;
    st.TT(TT_DAY) = st.DAY_NO;
    st.TT(TT_SUBTURN) = 0;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    PAUSE_MESSAGE(st);
    return enter_day_loop(st);
}

Block NEXT_FLEET(State& st) {
    st.FLEET_NO = con::store(L(st.FLEET_NO) + 1);
    return Block::OperationSetup;
}

}  // namespace morva95s
