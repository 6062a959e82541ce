// kelmat95: the battle's course control - the automatic rules of each minute, the manual
// manoeuvre, the movement of both lines, the range, the map - and the tail of every step.
#include "gunnery/battle.h"

#include <cmath>

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

// The new course towards the enemy c of one automatically steered line.
real steer_rule(bool with_map, real c, real limit, real leading, real disengage, real approach, real R,
                real own_speed, real enemy_speed) {
    if (!with_map) {
        if (leading > disengage && c > -10) return c - 1;
        if (R > approach && c < limit) return c + 1;
        if (R < approach && c > -limit) return c - 1;
        return c;
    }
    if (leading > disengage)
        c -= 1;
    else if (enemy_speed - 2 > own_speed && c > 7)
        c -= 1;
    else if (R > approach && c < limit)
        c += 1;
    else if (R < approach)
        c -= 1;
    if (c < -10) c = -10;
    if (c > 10) c = 10;
    return c;
}

void steer_side(Kelmat& s, Battle& b, int side) {
    const real sign = 1 - 2 * side;  // RED's courses towards the enemy are negative
    const real c = steer_rule(s.TT(TT_SHOW_MAP) == 1, sign * s.MV(MV_COURSE + side), sign * s.MV(MV_LIMIT + side),
                              b.leading_firings[side], s.HC(HC_DISENGAGE + side), s.MV(MV_APPROACH + side),
                              b.range_km, b.line_speed[side], b.line_speed[1 - side]);
    s.MV(MV_COURSE + side) = store(sign * c);
}

// "速度 ", a line speed, " 角度", the label and the angle, in the form both course lines share.
void course_item(Battle& b, int column, float speed, float course) {
    set_course_label(b, course);
    con::locate(Col(column), Row(0));
    con::print_using_start("@##@@###");
    con::print_using_string("速度 ");
    con::print_using_single(speed);
    con::print_using_string(" 角度");
    con::print_using_string(b.course_label);
    con::print_using_double(std::fabs(L(course)) * 9);
    con::print_using_end(false);
}

void course_line(Kelmat& s, Battle& b) {
    con::locate(Col(0), Row(0));
    con::color(6);
    con::print_string_item(con::space_string(78));
    course_item(b, 0, b.line_speed[0], s.MV(MV_COURSE));
    course_item(b, 62, b.line_speed[1], s.MV(MV_COURSE + 1));
}

// INT(speed x course / 10) towards the enemy, BLUE's course positive and RED's negated.
real approach_speed(const Kelmat& s, const Battle& b, int side) {
    return con::int_floor((side == 0 ? L(b.line_speed[0]) : -L(b.line_speed[1])) * L(s.MV(MV_COURSE + side)) / 10);
}

void side_tag(int side) {
    con::color(side == 0 ? 5 : 3);
    con::print_string_item(side == 0 ? "  BLUE      " : "  RED       ");
}

// Without the map: close (+), open (-) or keep (empty); anything else asks again.
void approach_question(Kelmat& s, Battle& b, int side) {
    const float towards = side == 0 ? 1.0f : -1.0f;
    for (;;) {
        con::locate(Col(4), Row(0));
        con::color(6);
        con::print_string_item("接近速度 ");
        con::print_double_item(approach_speed(s, b, side));
        con::print_string_item("Kt");
        side_tag(side);
        con::locate(Col(29), Row(0));
        con::color(6);
        con::input_prompt("移動 ?  接近(+) or 離脱(-) or 維持(Return) ");
        std::string answer;
        con::input_vars(answer);
        if (answer.empty()) return;
        const real c = L(s.MV(MV_COURSE + side)) * towards;
        if (answer == "+" && c < 10) {
            s.MV(MV_COURSE + side) = store(L(s.MV(MV_COURSE + side)) + towards);
            return;
        }
        if (answer == "-" && c > -10) {
            s.MV(MV_COURSE + side) = store(L(s.MV(MV_COURSE + side)) - towards);
            return;
        }
    }
}

// With the map: R turns to starboard, L to port, around the full circle -19 to 20.
void turn_question(Kelmat& s, Battle& b, int side) {
    con::locate(Col(0), Row(0));
    con::print_string_item(con::space_string(78));
    set_course_label(b, s.MV(MV_COURSE + side));
    con::locate(Col(8), Row(0));
    con::color(6);
    con::print_string_item("角度");
    con::print_string_item(b.course_label);
    con::print_double_item(std::fabs(L(s.MV(MV_COURSE + side))) * 9);
    side_tag(side);
    con::locate(Col(29), Row(0));
    con::color(6);
    con::print_string_item("進路変更 ?  右折(R) or 左折(L) or 直進(Else Key) ");
    const std::string key = con::wait_key_string();
    float& course = s.MV(MV_COURSE + side);
    if (key == "R" || key == "r") course = course == 20 ? -19.0f : store(L(course) + 1);
    if (key == "L" || key == "l") course = course == -19 ? 20.0f : store(L(course) - 1);
}

// The no-map manual step: the range alone changes; no ship moves in it.
void approach_step(Kelmat& s, Battle& b) {
    con::locate(Col(0), Row(0));
    con::print_string_item(con::space_string(79));
    approach_question(s, b, 0);
    if (b.mode == 2 || b.mode == 4) approach_question(s, b, 1);
    con::locate(Col(0), Row(0));
    con::print_string_item(con::space_string(79));
    con::print_end();
    b.range = store(L(b.range) - (L(b.line_speed[0]) * L(s.MV(MV_COURSE)) / 4 +
                                  (-L(b.line_speed[1])) * L(s.MV(MV_COURSE + 1)) / 4));
}

}  // namespace

void set_course_label(Battle& b, float course) {
    if (course > 0 && course < 20) b.course_label = "右";
    if (course < 0) b.course_label = "左";
}

void steer_automatically(Kelmat& s, Battle& b) {
    if (b.mode == 0 || b.mode == 1 || b.mode == 3) steer_side(s, b, 1);
    if (b.mode == 0) steer_side(s, b, 0);
}

void show_auto_course_line(Kelmat& s, Battle& b) {
    if (b.mode != 0) return;
    if (s.TT(TT_SHOW_MAP) == 1) {
        con::locate(Col(0), Row(0));
        con::color(6);
        course_item(b, 0, b.line_speed[0], s.MV(MV_COURSE));
        course_item(b, 62, b.line_speed[1], s.MV(MV_COURSE + 1));
        return;
    }
    con::locate(Col(0), Row(0));
    con::print_string_item("速度 ");
    con::print_double_item(approach_speed(s, b, 0));
    con::locate(Col(62), Row(0));
    con::print_string_item("速度 ");
    con::print_double_item(approach_speed(s, b, 1));
}

void move_lines(Kelmat& s, Battle& b) {
    s.QM(0, 1, QM_COURSE) = s.MV(MV_COURSE);
    s.QM(1, 1, QM_COURSE) = s.MV(MV_COURSE + 1);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship) {
            const real v = b.line_speed[side];
            real c = s.QM(side, ship, QM_COURSE), f = 1;
            if (std::fabs(c) >= 11) {
                f = -1;
                c = c > 0 ? 20 - c : -20 - c;
            }
            s.QM(side, ship, QM_X) = store(L(s.QM(side, ship, QM_X)) + v * 185 * std::sin(L(kCoursePi) * c / 20) / 72);
            s.QM(side, ship, QM_Y) = store(L(s.QM(side, ship, QM_Y)) + v * 185 * std::cos(L(kCoursePi) * c / 20) / 72 * f);
        }
}

void measure_range(Kelmat& s, Battle& b) {
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship)
            if (s.A(side, ship, A_DISPLACEMENT) > 0) {
                b.leader[side] = static_cast<float>(ship);
                break;
            }
    const real dx = L(s.QM(1, b.leader[1], QM_X)) - L(s.QM(0, b.leader[0], QM_X));
    const real dy = L(s.QM(1, b.leader[1], QM_Y)) - L(s.QM(0, b.leader[0], QM_Y));
    b.range = store(std::sqrt(dx * dx + dy * dy));
}

void hand_down_courses(Kelmat& s, const Battle& b) {
    if (con::mod(L(b.step), 6) != 5) return;
    for (int ship = 46; ship >= 2; --ship)
        for (int side = 0; side <= 1; ++side) s.QM(side, ship, QM_COURSE) = s.QM(side, ship - 1, QM_COURSE);
}

void shift_picture(Kelmat& s, const Battle& b) {
    auto shift = [&](int slot, real by) {
        for (int side = 0; side <= 1; ++side)
            for (int ship = 1; ship <= b.count[side]; ++ship)
                s.QM(side, ship, slot) = store(L(s.QM(side, ship, slot)) + by);
    };
    const auto flag = [&](int slot) { return std::pair{s.QM(0, 1, slot), s.QM(1, 1, slot)}; };
    if (auto [a, c] = flag(QM_X); a < 3000 || c < 3000) shift(QM_X, 20000);
    if (auto [a, c] = flag(QM_X); a > 125000 || c > 125000) shift(QM_X, -20000);
    if (auto [a, c] = flag(QM_Y); a > -7000 || c > -7000) shift(QM_Y, -10000);
    if (auto [a, c] = flag(QM_Y); a < -77000 || c < -77000) shift(QM_Y, 10000);
}

void recount_fire_state(Kelmat& s, const Battle& b) {
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            s.B(side, B_AIMED_AT, ship) = 0;
            s.B(side, B_CHOSEN_BY, ship) = 0;
            s.A(side, ship, A_STEP_HITS) = 0;
        }
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship)
            if (s.A(side, ship, A_DISPLACEMENT) > 0) {
                float& aimed = s.B(1 - side, B_AIMED_AT, s.B(side, B_TARGET, ship));
                aimed = store(L(aimed) + 1);
            }
}

void draw_battle_map(Kelmat& s, const Battle& b) {
    con::clear_screen(0);
    con::draw_line(0, 35, 639, 431, 14, con::Shape::Box);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship)
            if (s.A(side, ship, A_DISPLACEMENT) >= 1)
                con::pset(con::int_floor(L(s.QM(side, ship, QM_X)) / 200),
                          con::int_floor(15 - L(s.QM(side, ship, QM_Y)) / 200), side == 0 ? 11 : 7);
}

void step_tail(Kelmat& s, Battle& b, bool with_manoeuvre) {
    const bool manual = with_manoeuvre && con::mod(L(b.step), 6) == 0 && b.mode != 0;
    const bool map = s.TT(TT_SHOW_MAP) == 1;
    if (manual && !map) {
        approach_step(s, b);
    } else {
        if (manual) {
            turn_question(s, b, 0);
            if (b.mode == 2 || b.mode == 4) turn_question(s, b, 1);
        }
        if (manual || !with_manoeuvre) course_line(s, b);
        move_lines(s, b);
        measure_range(s, b);
        hand_down_courses(s, b);
        shift_picture(s, b);
    }
    recount_fire_state(s, b);
    step_interval_counters(s, b);
}

}  // namespace kelmat
