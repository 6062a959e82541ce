// kelmat95: the gun battle BS - entry, placement, the step loop and its opening, the exit -
// and the interval rules the phases share.
#include "gunnery/battle.h"

#include <algorithm>
#include <cmath>

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

bool moved_by_hand(float mode, int side) {
    if (side == 0) return mode >= 1 && mode <= 4;
    return mode == 2 || mode == 4;
}

bool fired_by_hand(float mode, int side) {
    if (side == 0) return mode == 3 || mode == 4;
    return mode == 4;
}

real firing_interval(const Kelmat& s, int side) {
    return L(s.HT(HT_INTERVAL + side)) * (3 - L(s.HC(HC_FIRE_MODE + side)));
}

bool due_to_fire(const Kelmat& s, const Battle& b, int side) {
    return L(b.interval[side]) + 1 >= firing_interval(s, side);
}

real firing_limit(const Kelmat& s, int side) { return 200 / (3 - L(s.HC(HC_FIRE_MODE + side))); }

void step_interval_counters(Kelmat& s, Battle& b) {
    for (int side = 0; side <= 1; ++side)
        b.interval[side] = firing_interval(s, side) > L(b.interval[side]) + 1 ? store(L(b.interval[side]) + 1) : 0;
}

namespace {

// Battle fields, turrets and fire state of every ship, whatever the counts.
void prepare_ships(Kelmat& s) {
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            const float gun = s.A(side, ship, A_GUN_TYPE);
            const float layout = s.A(side, ship, A_LAYOUT);
            s.A(side, ship, A_SHELL_DAMAGE) = s.W(4, gun);
            s.A(side, ship, A_GUN_RANGE) = s.W(5, gun);
            s.A(side, ship, A_FALL_RANGE) = s.W(6, gun);
            s.A(side, ship, A_START_DURABILITY) = s.A(side, ship, A_DISPLACEMENT);
            s.A(side, ship, A_START_SPEED) = s.A(side, ship, A_SPEED);
            s.A(side, ship, A_TURRETS) = s.L(layout, 0);
            s.A(side, ship, A_HITS_TAKEN) = 0;
            s.B(side, B_FIRINGS, ship) = 0;
            s.B(side, B_AMMUNITION, ship) = 200;
            for (int p = 1; p <= 6; ++p) s.Q(side, ship, p) = s.L(layout, p) > 0 ? 1.0f : 0.0f;
        }
}

// Each line astern of its flagship, 800 m apart, RED's flagship due east at the range.
void place_lines(Kelmat& s, Battle& b) {
    s.QM(0, 1, QM_X) = 36000;
    s.QM(0, 1, QM_Y) = -60000;
    s.QM(0, 1, QM_COURSE) = s.MV(MV_LIMIT);
    s.QM(1, 1, QM_X) = store(36000 + L(b.range));
    s.QM(1, 1, QM_Y) = -60000;
    s.QM(1, 1, QM_COURSE) = s.MV(MV_LIMIT + 1);
    for (int side = 0; side <= 1; ++side) {
        const real c = s.QM(side, 1, QM_COURSE);
        for (int ship = 2; ship <= b.count[side]; ++ship) {
            s.QM(side, ship, QM_COURSE) = s.QM(side, 1, QM_COURSE);
            s.QM(side, ship, QM_X) = store(L(s.QM(side, ship - 1, QM_X)) - std::sin(L(kCoursePi) * c / 20) * 800);
            s.QM(side, ship, QM_Y) = store(L(s.QM(side, ship - 1, QM_Y)) - std::cos(L(kCoursePi) * c / 20) * 800);
        }
    }
}

void start_battle(Kelmat& s, Battle& b) {
    con::clear_screen(0);
    b.step = 0;
    b.fire_opened[0] = b.fire_opened[1] = 0;
    b.range = store((std::max(L(s.A(0, 1, A_GUN_RANGE)), L(s.A(1, 1, A_GUN_RANGE))) + 2) * 1000);
    s.MV(MV_COURSE) = s.MV(MV_LIMIT);
    s.MV(MV_COURSE + 1) = s.MV(MV_LIMIT + 1);
    // From the first battle on, F1 and F2 work everywhere for the rest of the run.
    con::key_switch(1, con::TrapState::On);
    con::key_switch(2, con::TrapState::On);
    b.larger_count = b.count[0] > b.count[1] ? b.count[0] : b.count[1];
    place_lines(s, b);
}

void count_lines(Kelmat& s, Battle& b) {
    for (int side = 0; side <= 1; ++side) {
        bool taken = false;
        for (int ship = 1; ship <= b.count[side]; ++ship) {
            if (s.A(side, ship, A_DISPLACEMENT) < 1) continue;
            if (!taken || s.A(side, ship, A_SPEED) < b.line_speed[side]) b.line_speed[side] = s.A(side, ship, A_SPEED);
            taken = true;
        }
        b.afloat[side] = 0;
        for (int ship = 1; ship <= b.count[side]; ++ship)
            if (s.A(side, ship, A_DISPLACEMENT) > 0) b.afloat[side] = store(L(b.afloat[side]) + 1);
    }
}

}  // namespace

void show_clock_line(const Battle& b) {
    con::color(6);
    con::locate(Col(18), Row(0));
    con::print_using_start("@###@##@");
    con::print_using_string("  ");
    con::print_using_double(con::int_floor(L(b.step) / 12));
    con::print_using_string(" 分 ");
    con::print_using_double(con::mod(L(b.step), 12) * 5);
    con::print_using_string(" 秒 経過    ");
    con::print_using_end(false);
    con::locate(Col(45), Row(0));
    con::print_string_item("距離は");
    con::print_single_item(b.range_km);
    con::print_string_item("Kmです");
}

namespace {

// The status table, the end test and, when it stops the battle, the result screen. Returns
// whether the battle goes on.
bool close_with_status(Kelmat& s, Battle& b) {
    show_status_table(s, b);
    con::wait_ticks(s.TT(TT_DISPLAY_TIME));
    if (battle_goes_on(s, b)) return true;
    show_results(s, b);
    return false;
}

// One 5-second step; false when the battle has ended.
bool run_step(Kelmat& s, Battle& b) {
    count_lines(s, b);
    if (b.afloat[0] == 0 || b.afloat[1] == 0 || b.range > 80000) return close_with_status(s, b);
    if (s.TT(TT_SHOW_MAP) == 1) draw_battle_map(s, b);
    b.range_km = store(con::int_floor(L(b.range) / 1000));
    b.step = store(L(b.step) + 1);
    show_clock_line(b);
    b.target_chosen = 0;
    if (s.TT(TT_SHOW_MAP) == 1) con::wait_ticks(con::int_floor(L(s.TT(TT_DISPLAY_TIME)) / 3));
    if (con::mod(L(b.step), 12) == 0) {
        steer_automatically(s, b);
        show_auto_course_line(s, b);
    }
    target_pass(s, b, 0);
    target_pass(s, b, 1);
    if (b.target_chosen == 0) {
        step_tail(s, b, true);
        return true;
    }
    fire_control(s, b);
    salvo_phase(s, b);
    con::clear_screen(0);
    if (!due_to_fire(s, b, 0) && !due_to_fire(s, b, 1)) {
        step_tail(s, b, false);
        return true;
    }
    apply_step_damage(s, b);
    if (!close_with_status(s, b)) return false;
    step_tail(s, b, true);
    return true;
}

// Counts the steps in a row in which no ship of either side fired; true once they reach
// kMostQuietSteps.
bool stands_still(const Kelmat& s, Battle& b) {
    real firings = 0;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship) firings += L(s.B(side, B_FIRINGS, ship));
    if (firings == L(b.firings_seen)) {
        b.quiet_steps = store(L(b.quiet_steps) + 1);
    } else {
        b.firings_seen = store(firings);
        b.quiet_steps = 0;
    }
    return b.quiet_steps >= kMostQuietSteps;
}

// Fire state cleared, durability and speed as before the battle.
void leave_battle(Kelmat& s) {
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            for (int row = B_TARGET; row <= B_FIRINGS; ++row) s.B(side, row, ship) = 0;
            s.B(side, B_AMMUNITION, ship) = 200;
            s.A(side, ship, A_DISPLACEMENT) = s.A(side, ship, A_START_DURABILITY);
            s.A(side, ship, A_SPEED) = s.A(side, ship, A_START_SPEED);
        }
    con::clear_screen(0);
    con::color(7);
}

}  // namespace

void BS(Kelmat& s) {
    Battle b;
    b.count[0] = s.TT(TT_BLUE_COUNT);
    b.count[1] = s.TT(TT_RED_COUNT);
    b.navy[0] = s.TT(TT_BLUE_NAVY);
    b.navy[1] = s.TT(TT_RED_NAVY);
    prepare_ships(s);
    battle_setup(s, b);
    start_battle(s, b);
    while (run_step(s, b)) {
        if (stands_still(s, b)) {
            show_status_table(s, b);
            show_results(s, b);
            break;
        }
    }
    leave_battle(s);
}

}  // namespace kelmat
