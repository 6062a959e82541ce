// MORVA95F: the operational map FMAP (coast, base, fleets, search planes and air groups, with
// the ranges and bearings it computes for the other routines), its geometry, and the contact
// report ICHI0 written beside it.
#include <cmath>

#include "console/console.h"
#include "detailed/coast_drawings.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

constexpr int kFleetColour = 11;
constexpr int kRingColour = 15;
constexpr int kMapOwnPlaneColour = 15;
constexpr int kMapAlliedPlaneColour = 7;
constexpr int kOutboundColour = 11;
constexpr int kReturningColour = 3;

// The air-group degree factor 71/4068, applied as the program does: first x 71, then / 4068.
con::real group_angle(con::real b) { return (90 - b) * 71 / 4068; }

void draw_base(const State& st, float b) {
    const bool destroyed = st.P(b, P_STRENGTH) < 1;
    con::color(destroyed ? 2 : 3);
    con::print_at(con::Col(43), con::Row(10), "敵基地");
    con::print_end();
    con::draw_line(396, 165, 402, 171, destroyed ? 9 : 5, con::Shape::FilledBox);
}

void draw_fleet_and_base_range(State& st) {
    const con::real x0 = st.PZ(0, PZ_X), y0 = st.PZ(0, PZ_Y);
    filled_disc(pixel_x(x0), pixel_y(y0), 3, kFleetColour);
    con::draw_circle(pixel_x(x0), pixel_y(y0), 100, kRingColour);
    con::color(7);
    con::locate(con::Col(51), con::Row(10));
    con::print_number_item(con::L(st.PK(0)) * 3);
    con::print_string_item("浬");
    con::print_end();
    con::locate(con::Col(51), con::Row(11));
    con::print_single_item(st.PD(0));
    con::print_end();
}

void draw_task_forces(const State& st) {
    for (int k = 1; k <= 3; ++k)
        if (st.KS(k) != 0 && (st.H(k) >= 1 || st.TT(TT_PRACTICE) != 0))
            filled_disc(pixel_x(st.PZ(k, PZ_X)), pixel_y(st.PZ(k, PZ_Y)), 3, kTaskForceColour);
}

void draw_search_planes(const State& st) {
    for (int i = 1; i <= 12; ++i) {
        if (st.ST(ST_OWN, i, ST_STATUS) > 1)
            con::pset(pixel_x(st.ST(ST_OWN, i, ST_X)), pixel_y(st.ST(ST_OWN, i, ST_Y)), kMapOwnPlaneColour);
        if (st.TT(TT_PRACTICE) == 0) continue;
        for (int s = ST_BASE; s <= ST_TASK_FORCE + 2; ++s)  // the base and task forces 1 and 2
            con::pset(pixel_x(st.ST(s, i, ST_X)), pixel_y(st.ST(s, i, ST_Y)), kMapAlliedPlaneColour);
    }
}

void draw_air_groups(const State& st) {
    for (int g = 0; g <= 3; ++g)
        for (int h = 1; h <= T_LAST_STEP; ++h) {
            const float status = st.T(g, h, T_STATUS);
            if (status == 0) continue;
            const int colour = status == 1 ? kOutboundColour : kReturningColour;
            const con::real x = st.T(g, h, T_X), y = pixel_y(st.T(g, h, T_Y));
            for (int dx = -1; dx <= 1; ++dx) con::pset(x + 399 + dx, y, colour);
        }
}

}  // namespace

float map_distance(con::real dx, con::real dy) { return con::store(con::int_floor(std::sqrt(dx * dx + dy * dy))); }

float map_bearing(con::real dx, con::real dy, float factor) {
    if (dx == 0) return dy > 0 ? 0.0f : 180.0f;
    const con::real turn = con::int_floor(con::atn(dy / dx) * con::L(factor));
    return con::store((dx > 0 ? 90 : 270) - turn);
}

std::pair<float, float> point_on_bearing(con::real b, con::real r) {
    const con::real a = group_angle(b);
    return {con::store(con::int_floor(std::cos(a) * r)), con::store(con::int_floor(std::sin(a) * r))};
}

std::pair<con::real, con::real> leg_offset(con::real h, con::real v, con::real d) {
    const con::real a = (90 - h) * con::L(kFleetDegToRad);
    return {con::int_floor(std::cos(a) * v / d), con::int_floor(std::sin(a) * v / d)};
}

bool blocked(con::real x, con::real y) {
    const int c = con::point_colour(pixel_x(x), pixel_y(y));
    return c == 9 || c == 5;
}

void compute_ranges(State& st) {
    const con::real x0 = st.PZ(0, PZ_X), y0 = st.PZ(0, PZ_Y);
    st.PK(0) = map_distance(-x0, -y0);
    st.PD(0) = map_bearing(-x0, -y0, kMapRadToDeg);
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) {
            st.PK(k) = 0;
            st.H(k) = -1;
            continue;
        }
        const con::real dx = con::L(st.PZ(k, PZ_X)) - x0, dy = con::L(st.PZ(k, PZ_Y)) - y0;
        st.PK(k) = map_distance(dx, dy);
        st.PD(k) = map_bearing(dx, dy, kMapRadToDeg);
    }
}

void FMAP(State& st) {
    const float b = st.AT(st.TT(TT_FLEET));
    const long base = con::round_half_away(b);
    draw_coast(coast_of(base));
    draw_base(st, b);
    if (st.TT(TT_SUBTURN) == 0) return;
    compute_ranges(st);
    draw_fleet_and_base_range(st);
    draw_task_forces(st);
    draw_search_planes(st);
    draw_air_groups(st);
}

namespace {

void print_contact(const State& st, int label, float k) {
    con::print_string_item("TF");
    con::print_single_item(static_cast<float>(label));
    con::print_string_item(" 距離");
    con::print_number_item(con::L(st.PK(k)) * 3);
    con::print_string_item("浬  方向");
    con::print_single_item(st.PD(k));
}

}  // namespace

void ICHI0(State& st) {
    con::color(6);
    bool shown = false;
    const bool practice = st.TT(TT_PRACTICE) != 0;
    for (int n = 1; n <= 3; ++n) {
        const float k = st.J(n);
        if (k == 0) continue;
        con::locate(con::Col(51), con::Row(n));
        if (st.H(k) > 0) {
            print_contact(st, n, k);
            shown = true;
        } else if (st.H(k) == 0 && !practice) {
            con::print_string_item("TF");
            con::print_single_item(static_cast<float>(n));
            con::print_string_item("現在位置 不明");
            con::print_end();
            shown = true;
        }
    }
    if (!shown) {
        con::print_at(con::Col(52), con::Row(1), "敵艦隊いまだ発見できず");
        con::print_end();
    }
    if (!practice) return;
    for (int n = 1; n <= 3; ++n) {
        con::locate(con::Col(51), con::Row(n));
        if (st.KS(n) > 0) print_contact(st, n, static_cast<float>(n));
    }
}

}  // namespace morva95f
