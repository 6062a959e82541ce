// MORVA95F: the hour's moves on the operational map: the Allied task forces' MOVE0 (patrol
// around the base, or withdraw, close and hold once the player's fleet is located) and the
// player's MOVE2 (heading and speed orders), both turned aside by the land test.
#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

/// Moves group g from its position by the offset when the end point is free; a zero-length
/// leg always ends (the group's own marker at its position never holds it). Returns whether it
/// moved or stayed by a zero-length leg.
bool try_leg(State& st, int g, std::pair<con::real, con::real> offset) {
    const auto [dx, dy] = offset;
    if (dx == 0 && dy == 0) return true;
    const con::real x = con::L(st.PZ(g, PZ_X)) + dx, y = con::L(st.PZ(g, PZ_Y)) + dy;
    if (blocked(x, y)) return false;
    st.PZ(g, PZ_X) = con::store(x);
    st.PZ(g, PZ_Y) = con::store(y);
    return true;
}

/// An upwind leg of group g at speed v on headings drawn until one ends free (bounded: the
/// group then stays where it is).
void upwind_leg(State& st, int g, con::real v) {
    for (int tries = 0; tries < kMoveTries; ++tries) {
        const con::real h = con::int_floor(con::L(con::rnd()) * 360);
        if (try_leg(st, g, leg_offset(h, v, 6))) return;
    }
}

/// The speed factor of a located task force; 0 when it holds.
con::real located_factor(const State& st, int k) {
    const con::real c = st.TT(TT_CHARACTER);
    const con::real pk = st.PK(k);
    if (st.TK(TK_POSTURE) > 1 || pk < (5 - c) * 10) return -1;
    if (st.TT(TT_HARBOUR_STRIKE) == 1) return 1;
    if (pk > (8 - c) * 10) return (9 + c) / 10;
    return 0;
}

void located_move(State& st, int k) {
    const con::real speed = st.S(k);
    if (st.ID(k) >= 1) {
        upwind_leg(st, k, speed);
        if (st.ID(k) > 3) {
            upwind_leg(st, k, speed);
            return;
        }
    }
    const con::real sigma = con::L(st.PZ(k, PZ_X)) * con::L(st.PZ(k, PZ_Y)) >= 0 ? -1 : 1;
    const con::real pk = st.PK(k);
    if (pk > 110 && pk < 130 && st.TK(TK_POSTURE) == 1 && st.TT(TT_HARBOUR_STRIKE) == 0) return;
    con::real h = con::mod(con::L(st.PD(k)) + 180, 360);
    float f = con::store(located_factor(st, k));
    if (f == 0) return;
    for (int tries = 0; tries < kMoveTries; ++tries) {
        if (st.ID(k) >= 1 && st.ID(k) <= 3) f = con::store(con::L(f) / 2);
        const con::real a = (90 - h) * con::L(kFleetDegToRad);
        const std::pair<con::real, con::real> offset = {con::int_floor(std::cos(a) * speed * con::L(f) / 3),
                                                        con::int_floor(std::sin(a) * speed * con::L(f) / 3)};
        if (try_leg(st, k, offset)) return;
        h = con::mod(h + 30 * sigma + 360, 360);
    }
}

void move_on_patrol(State& st, int k) {
    const float bearing = map_bearing(-con::L(st.PZ(k, PZ_X)), -con::L(st.PZ(k, PZ_Y)), kRuleRadToDeg);
    for (int tries = 0; tries < kMoveTries; ++tries) {
        con::real h = con::mod(con::L(bearing) + 270, 360);
        if (st.KM(k) == 1) h = con::mod(h + 180, 360);
        if (try_leg(st, k, leg_offset(h, st.S(k), 3))) return;
        st.KM(k) = con::store(3 - con::L(st.KM(k)));
    }
}

}  // namespace

void MOVE0(State& st) {
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) continue;
        if (st.KM(k) == 0) st.KM(k) = con::store(con::int_floor(con::L(con::rnd()) * 2) + 1);
        if (st.H(H_ON_FLEET) < 1)
            move_on_patrol(st, k);
        else
            located_move(st, k);
    }
}

namespace {

/// The heading order; Return takes the default. Asked again until it lies in 0-359.
float ask_fleet_heading(const State& st) {
    const float fallback = st.MM(MM_HEADING) > -1 ? st.MM(MM_HEADING) : st.PD(0);
    for (;;) {
        con::locate(con::Col(9), con::Row(20));
        con::color(6);
        con::print_string_item("移動方向は ?  0 - 359    (Return は ");
        con::print_single_item(fallback);
        con::print_string_item(")          ");
        const std::string line = read_line_at(54, 20);
        const con::real typed = line.empty() ? fallback : con::val(line);
        if (!con::fits_float(typed)) continue;  // no float to hold it: out of range too
        const float h = con::store(typed);
        if (h >= 0 && h <= 359) return h;
    }
}

/// The speed order, 0 to the fleet's top speed; Return takes the top speed.
float ask_speed(const State& st) {
    for (;;) {
        con::locate(con::Col(9), con::Row(20));
        con::color(6);
        con::print_string_item("移動速度は ?   (Return は 最高速度 時速");
        con::print_single_item(st.S(0));
        con::print_string_item(" Kt)       ");
        const std::string line = read_line_at(61, 20);
        const con::real typed = line.empty() ? st.S(0) : con::val(line);
        if (!con::fits_float(typed)) continue;  // no float to hold it: out of range too
        const float v = con::store(typed);
        if (v >= 0 && v <= st.S(0)) return v;
    }
}

/// The ordered move's end point: each coordinate's displacement is rounded up from a half
/// when the fleet's coordinate is 0 or more, and floored otherwise.
std::pair<con::real, con::real> ordered_end_point(const State& st, con::real h, con::real v) {
    const con::real x = st.PZ(0, PZ_X), y = st.PZ(0, PZ_Y);
    const con::real ax = x < 0 ? 0 : 0.5L, ay = y < 0 ? 0 : 0.5L;
    const con::real a = (90 - h) * con::L(kFleetDegToRad);
    return {x + con::int_floor(std::cos(a) * v / 3 + ax), y + con::int_floor(std::sin(a) * v / 3 + ay)};
}

}  // namespace

void MOVE2(State& st) {
    con::print_at(con::Col(10), con::Row(20), con::space_string(60));
    con::print_at(con::Col(7), con::Row(1), con::space_string(42));
    con::locate(con::Col(7), con::Row(1));
    con::color(5);
    if (st.ID(0) >= 1) {
        const bool whole_hour = st.ID(0) > 3;
        con::print_string_item(whole_hour ? "攻撃隊発着艦のため風上に航行します" : "攻撃隊発着艦のため移動力は半減します");
        MATU(st);
        upwind_leg(st, 0, st.S(0));
        if (whole_hour) {
            upwind_leg(st, 0, st.S(0));
            con::print_at(con::Col(9), con::Row(20), con::space_string(60));
            return;
        }
    }
    for (;;) {
        const float h = ask_fleet_heading(st);
        float v = ask_speed(st);
        st.MM(MM_HEADING) = h;
        if (st.ID(0) > 0) v = con::store((con::L(v) + 1) / 2);
        const auto [x, y] = ordered_end_point(st, h, v);
        if (!blocked(x, y)) {
            st.PZ(0, PZ_X) = con::store(x);
            st.PZ(0, PZ_Y) = con::store(y);
            break;
        }
        con::color(3);
        con::print_at(con::Col(9), con::Row(20), con::space_string(42));
        con::print_at(con::Col(13), con::Row(20), "陸地に衝突します");
        MATU(st);
        MATU(st);
    }
    con::print_at(con::Col(9), con::Row(20), con::space_string(60));
}

}  // namespace morva95f
