// MORVA95S: DAY_START, the head of an operation's day loop: whether the day is played, the
// search planes given back, the target's anti-aircraft recovery, the starting distance and the
// Allied posture of the day, and the offer to reinforce the search with two torpedo bombers.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// A fit carrier of the operating fleet: damage below 3 and a working flight deck.
bool slot_fit(const State& st, long slot) {
    const float ship = st.C(0, st.FLEET_NO, slot);
    const con::real damage = L(st.A(0, ship, A_FULL_DURABILITY)) - L(st.A(0, ship, A_DURABILITY));
    return damage < 3 && L(st.A(0, ship, A_FLIGHT_DECK)) > 7;
}

/// Two passes over the fit carriers in slot order; each pass changes the hangar torpedo
/// bombers of the first carrier that `takes` accepts by `step`.
template <typename Accept>
void two_passes(State& st, int step, Accept takes) {
    for (int pass = 0; pass < 2; ++pass) {
        for (long k = 1; L(k) <= L(st.CV(0, st.FLEET_NO)); ++k) {
            if (!slot_fit(st, k) || !takes(k)) continue;
            st.T(0, k, T_HANGAR) = con::store(L(st.T(0, k, T_HANGAR)) + step);
            break;
        }
    }
}

/// Step 3: the units lent to yesterday's search come back, each to the first fit carrier
/// whose hangar is below its air group.
void give_back_search_planes(State& st) {
    if (st.SEARCH_REINFORCED == 0) return;
    two_passes(st, 1, [&](long k) {
        return L(st.T(0, k, T_HANGAR)) < L(st.A(0, st.C(0, st.FLEET_NO, k), A_AIR_GROUP + 2));
    });
}

/// Step 4: torpedo-bomber units in the fit carriers' hangars.
float fit_torpedo_units(const State& st) {
    con::real sum = 0;
    for (long k = 1; L(k) <= L(st.CV(0, st.FLEET_NO)); ++k)
        if (slot_fit(st, k)) sum += L(st.T(0, k, T_HANGAR));
    return con::store(sum);
}

/// Step 5: the Japanese carriers sunk, over the whole navy.
int sunk_carriers(const State& st) {
    int n = 0;
    for (int ship = 1; ship <= kJapaneseCarriers; ++ship)
        if (L(st.A(0, ship, A_DURABILITY)) < 1) ++n;
    return n;
}

/// Step 6: whether the day is not played.
bool day_skipped(const State& st) {
    const float t = st.AT(st.FLEET_NO);
    if (L(t) >= 21) return false;
    return st.P(t, P_HOLDER) == 0 || st.TK(0) == 1 ||
           (L(st.DAY_NO) > 1 && (st.PEARL_HARBOR_TURN == 1 || st.SCENARIO_NO == 6));
}

/// Step 7: the target's anti-aircraft value recovers overnight, never above its start value.
void recover_target_defence(State& st) {
    const float t = st.AT(st.FLEET_NO);
    const con::real v = L(st.P(t, P_AIR_DEFENCE)) + 3 + con::int_floor(L(con::rnd()) * 5);
    st.P(t, P_AIR_DEFENCE) = v > L(st.TARGET_AA_START) ? st.TARGET_AA_START : con::store(v);
}

/// Steps 8-9: the starting distance and the Allied posture; every test draws its number.
void draw_distance_and_posture(State& st) {
    const con::real day = L(st.DAY_NO);
    st.FLEET_DISTANCE = con::store((con::int_floor(L(con::rnd()) * 10) + 18 - 2 * day) * 100);
    st.TK(1) = 0;
    const con::real fit = L(st.ALLIED_CV_FIT);
    const con::real a = L(con::rnd()) * 7;
    if (L(st.AT(st.FLEET_NO)) == 21 && a < fit + 3) return;
    const con::real b = L(con::rnd()) * 5;
    if (fit < 2 && b > 1) {
        st.TK(1) = 2;
        return;
    }
    const con::real c = L(con::rnd()) * 10;
    const bool outmatched = L(st.CV(0, st.FLEET_NO)) >= L(st.CV(1, st.FLEET_NO)) &&
                            c > 3 * day + 2 * L(st.OPERATION_CHARACTER) + 4 && st.SCENARIO_NO != 6;
    if (fit < 2 || outmatched) {
        st.TK(1) = 1;
        st.FLEET_DISTANCE = 2200;
    }
}

/// Step 11: whether the reinforced search is offered.
bool search_offered(const State& st, float units, int sunk) {
    if (L(units) < 2) return false;
    return st.SCENARIO_NO == 6 || (L(units) >= 3 && sunk >= 2);
}

/// Steps 12-14: the banner of days 2 and 3 and the question; true for a yes.
bool ask_reinforcement(State& st, float units) {
    if (L(st.DAY_NO) > 1) {
        con::locate(con::Col(34), con::Row(17));
        con::color(5);
        con::print_string_item("第 ");
        con::print_single_item(st.DAY_NO);
        con::print_string_item(" 日");
        con::print_end();
    }
    con::color(6);
    for (;;) {
        con::print_at(con::Col(20), con::Row(19), "索敵機を増強しますか ?   Hit Y or N Key");
        con::print_end();
        con::print_at(con::Col(10), con::Row(21), "九七艦攻を２ユニット使用するとサイの目修正が１あります");
        con::print_end();
        con::locate(con::Col(20), con::Row(23));
        con::print_string_item("九七艦攻は ");
        con::print_single_item(units);
        con::print_string_item(" ユニット登載しています");
        const std::string key = WAIT_KEY(st);
        if (key == "N" || key == "n") return false;
        if (key == "Y" || key == "y") return true;
    }
}

/// The sub-turn loop's head, once per day: a clean screen and sub-turn 1.
Block enter_subturn_loop(State& st) {
    con::clear_screen(0);
    st.SUBTURN_NO = 1;
    return Block::HourStart;
}

}  // namespace

Block DAY_START(State& st) {
    if (L(st.DAY_NO) > 3) return Block::OperationEnd;
    st.TT(TT_DAY) = st.DAY_NO;
    st.BASE_DISTANCE = 10;
    st.REARM_FLAG = 0;
    st.OPERATION_ACTIVE = 1;
    // Each played day applies only its own movements to its fresh starting distance.
    st.CLOSING_DISTANCE = 0;
    if (st.SCENARIO_NO == 7) {
        st.FLEET_DISTANCE = 150;
        return enter_subturn_loop(st);
    }
    give_back_search_planes(st);
    const float units = fit_torpedo_units(st);
    const int sunk = sunk_carriers(st);
    if (day_skipped(st)) {
        // The lent units have been given back above: a later day must not hand out two more.
        st.SEARCH_REINFORCED = 0;
        return Block::NextDay;
    }
    if (L(st.DAY_NO) > 1) {
        con::clear_screen(0);
        recover_target_defence(st);
    }
    draw_distance_and_posture(st);
    st.H(0) = 0;
    st.H(1) = 0;
    st.MV(MV_OWN) = 0;
    st.MV(MV_ALLIED) = 0;
    st.SEARCH_REINFORCED = 0;
    if (search_offered(st, units, sunk) && ask_reinforcement(st, units)) {
        st.SEARCH_REINFORCED = 1;
        two_passes(st, -1, [&](long k) { return L(st.T(0, k, T_HANGAR)) >= 1; });
    }
    return enter_subturn_loop(st);
}

Block NEXT_DAY(State& st) {
    st.DAY_NO = con::store(L(st.DAY_NO) + 1);
    return Block::DayStart;
}

}  // namespace morva95s
