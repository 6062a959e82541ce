// MORVA95F: one hour of flight of every search plane in the air, SAKUTEKI2: the legs out,
// across and home in sub-steps of 5 map units, the Allied planes finding and being seen by the
// player's fleet, the player's planes finding, reporting and shadowing the task forces, the
// relief of a shadower, the shadowers' fuel, and the landings.
#include <cmath>

#include "console/console.h"
#include "detailed/coast_drawings.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"
#include "detailed/search_planes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

constexpr int kOwnPlaneColour = 15;
constexpr int kAlliedPlaneColour = 7;
/// A homebound plane lands once a sub-step brings it this near home, in map units.
constexpr real kLandingRange = 20;
/// The sub-steps of an hour's flight, and of the cross leg (2/5 of an hour).
constexpr int kSubSteps = 10;
constexpr int kCrossLegSubSteps = 4;

float& plane(State& st, int s, int n, int field) { return st.ST(s, n, field); }

/// The status of a plane shadowing task force k.
float shadowing(int k) { return con::store(L(ST_SHADOWING) + k); }

bool homebound(float status) { return status == ST_HOMEBOUND || status == ST_RELIEVED; }
bool outward(float status) { return status == ST_OUTBOUND || status == ST_CROSS_LEG; }

real search_distance(real x1, real y1, real x2, real y2) { return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)); }

/// Home of source s now: the player's fleet, the base, or the task force.
std::pair<real, real> home_of(const State& st, int s) {
    if (s == ST_OWN) return {st.PZ(0, PZ_X), st.PZ(0, PZ_Y)};
    if (s == ST_BASE) return {0, 0};
    return {st.PZ(s - 1, PZ_X), st.PZ(s - 1, PZ_Y)};
}

/// The line of task force k in the contact report: its place in the contact list, 4 when it
/// is not listed.
int contact_line(const State& st, int k) {
    for (int i = 1; i <= 3; ++i)
        if (st.J(i) == k) return i;
    return 4;
}

void place_over(State& st, int n, int k) {
    plane(st, ST_OWN, n, ST_X) = st.PZ(k, PZ_X);
    plane(st, ST_OWN, n, ST_Y) = st.PZ(k, PZ_Y);
}

/// The plane leaves the watch over task force k for home.
void leave_watch(State& st, int n, int k) {
    plane(st, ST_OWN, n, ST_STATUS) = ST_RELIEVED;
    plane(st, ST_OWN, n, ST_HEADING) = con::store(con::mod(L(st.PD(k)) + 180, 360));
}

// --- C. A shadower's hour ---

/// The shadower's hour over its task force: 50 more flown, the line about its fuel, and home
/// once the fuel for the task force's distance is spent.
void keep_watch(State& st, int n) {
    const int k = static_cast<int>(con::round_half_away(L(st.ST(ST_OWN, n, ST_STATUS)) - L(ST_SHADOWING)));
    if (st.H(k) < 3) st.H(k) = 2;
    const int line = contact_line(st, k);
    con::locate(con::Col(0), con::Row(line + 1));
    float& flown = plane(st, ST_OWN, n, ST_DISTANCE);
    flown = con::store(L(flown) + 50);
    place_over(st, n, k);
    const real limit = shadow_limit(st.PK(k));
    const float p = static_cast<float>(n);
    con::color(6);
    if (flown < limit) {
        print_shadow_news(line, p, ShadowNews::OnStation);
    } else if (flown < limit + 50) {
        print_shadow_news(line, p, ShadowNews::ShortOfFuel);
    } else {
        print_shadow_news(line, p, ShadowNews::Returning);
        st.SK(k) = 0;
        leave_watch(st, n, k);
        st.H(k) = 2;
    }
}

// --- F. A task force seen by a plane of the player ---

/// The carrier count of a report: r1 x KS less 0 or 1, never below an earlier report of this
/// fleet number and task force, nor below 1.
void report_carriers(State& st, int k) {
    const float f = st.TT(TT_FLEET);
    const real r1 = con::rnd();
    const real r2 = con::rnd();
    real count = con::int_floor(r1 * L(st.KS(k)) - con::int_floor(2 * r2));
    if (count < st.K(f, k)) count = st.K(f, k);
    if (count < 1) count = 1;
    st.K(f, k) = con::store(count);
}

/// The Allied posture after a report (not in the single operation): withdrawal, else defence.
void report_posture(State& st) {
    if (st.TT(TT_SCENARIO) == 6) return;
    const float f = st.TT(TT_FLEET);
    const real character = st.TT(TT_CHARACTER);
    const real r1 = con::rnd();
    if (st.AT(f) < 21 && (9 * r1 > 3 + character || L(st.CV(0, f)) >= 2 * L(st.CV(1, f)))) {
        st.TK(TK_POSTURE) = 2;
        return;
    }
    const real r2 = con::rnd();
    if (9 * r2 > 2 + character) st.TK(TK_POSTURE) = 1;
}

void report_message(State& st, int k) {
    const float f = st.TT(TT_FLEET);
    con::print_at(con::Col(0), con::Row(1), con::space_string(79));
    con::color(6);
    con::locate(con::Col(10), con::Row(1));
    con::print_string_item("敵空母");
    con::print_single_item(st.K(f, k));
    con::print_string_item("隻発見 !");
    con::locate(con::Col(32), con::Row(1));
    con::print_string_item("距離は ");
    con::print_number_item(L(st.PK(k)) * 3);
    con::print_string_item("浬です");
    const real r1 = con::rnd();
    const real r2 = con::rnd();
    if (st.TT(TT_HARBOUR_STRIKE) != 1 && ((10 * r1 > 3 && st.BB(1, f) > 0) || 10 * r2 > 8))
        con::print_at(con::Col(60), con::Row(1), "敵は戦艦を含む");
}

void report_task_force(State& st, int k) {
    filled_disc(pixel_x(st.PZ(k, PZ_X)), pixel_y(st.PZ(k, PZ_Y)), 3, kTaskForceColour);
    if (st.H(k) < 0) enter_contact(st, k);
    st.H(k) = 2;
    report_carriers(st, k);
    report_posture(st);
    report_message(st, k);
    MATU(st);
}

/// A relief flight that has flown less than the shadower takes over the watch d units on.
bool relieves(State& st, int n, int k, real d) {
    const float watcher = st.SK(k);
    if (!(st.ST(ST_OWN, n, ST_DISTANCE) < st.ST(ST_OWN, watcher, ST_DISTANCE) &&
          st.ST(ST_OWN, n, ST_RANGE) > kReliefMark))
        return false;
    plane(st, ST_OWN, n, ST_STATUS) = shadowing(k);
    plane(st, ST_OWN, n, ST_DISTANCE) = con::store(L(st.ST(ST_OWN, n, ST_DISTANCE)) + d);
    place_over(st, n, k);
    leave_watch(st, static_cast<int>(watcher), k);
    plane(st, ST_OWN, watcher, ST_DISTANCE) = con::store(L(st.ST(ST_OWN, watcher, ST_DISTANCE)) + 50);
    st.SK(k) = static_cast<float>(n);
    return true;
}

/// Task force k seen at distance d; true when the plane's hour ends there (it took a watch).
bool task_force_seen(State& st, int n, int k, real d) {
    const float status = st.ST(ST_OWN, n, ST_STATUS);
    if (st.H(k) >= 4 && st.SK(k) != 0 && outward(status)) return relieves(st, n, k, d);
    if (st.H(k) <= 1) report_task_force(st, k);
    if (!(outward(status) && st.H(k) < 4)) return false;
    st.SK(k) = static_cast<float>(n);
    st.H(k) = 4;
    plane(st, ST_OWN, n, ST_STATUS) = shadowing(k);
    place_over(st, n, k);
    return true;
}

// --- E. The sub-steps ---

/// An Allied plane at (px, py): it may find the player's fleet, and be seen by it.
void allied_sub_step(State& st, int s, real px, real py) {
    const real d = search_distance(px, py, st.PZ(0, PZ_X), st.PZ(0, PZ_Y));
    const real found = con::rnd();
    if (8 * d < 100 * found) {
        if (s == ST_BASE) {
            st.H(H_ON_FLEET) = st.PK(0) > 100 ? 4.0f : 5.0f;
        } else if (st.H(H_ON_FLEET) < 3) {
            st.H(H_ON_FLEET) = 3;
        }
    }
    const real seen = con::rnd();
    if (8 * d < 70 * seen) {
        con::print_at(con::Col(0), con::Row(1), con::space_string(44));
        con::print_end();
        con::color(5);
        con::print_at(con::Col(10), con::Row(1), "敵索敵機見ユ !");
        MATU(st);
    }
    if (st.TT(TT_PRACTICE) == 1) {
        con::pset(pixel_x(px), pixel_y(py), kAlliedPlaneColour);
        con::busy_pause(L(st.TT(TT_WAIT)) * 50);
    }
}

/// A plane of the player at (px, py), looking for each task force; true when it took a watch.
bool own_sub_step(State& st, int n, real px, real py) {
    con::pset(pixel_x(px), pixel_y(py), kOwnPlaneColour);
    st.TT(TT_MAP_SHOWN) = 0;
    con::busy_pause(L(st.TT(TT_WAIT)) * 100);
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) continue;
        const real d = search_distance(px, py, st.PZ(k, PZ_X), st.PZ(k, PZ_Y));
        const real r = con::rnd();
        if (8 * d > 100 * r) continue;
        if (task_force_seen(st, n, k, d)) return true;
    }
    return false;
}

/// A homebound plane within reach of home at (px, py) lands; a long flight of the player's
/// frees its place among the long flights out.
bool lands(State& st, int s, int n, real px, real py) {
    const auto [hx, hy] = home_of(st, s);
    if (!(search_distance(px, py, hx, hy) < kLandingRange)) return false;
    plane(st, s, n, ST_STATUS) = ST_READY;
    if (s == ST_OWN && con::mod(st.ST(ST_OWN, n, ST_RANGE), 1000) == 150) {
        float& long_out = st.ST(ST_BASE, ST_COUNTERS, ST_STATUS);
        long_out = con::store(L(long_out) - 1);
    }
    return true;
}

void aim_home(State& st, int s, int n) {
    const auto [hx, hy] = home_of(st, s);
    plane(st, s, n, ST_HEADING) = map_bearing(hx - L(st.ST(s, n, ST_X)), hy - L(st.ST(s, n, ST_Y)), kMapRadToDeg);
}

/// Steps 4-7 once the sub-steps are flown: the position at the hour's end, the turn onto the
/// cross leg at the end of the range, and the heading home.
void end_of_legs(State& st, int s, int n, real x, real y, std::pair<real, real> step) {
    const auto [dx, dy] = step;
    float& status = plane(st, s, n, ST_STATUS);
    if (status == ST_CROSS_LEG) {
        status = ST_HOMEBOUND;
        plane(st, s, n, ST_X) = con::store(x + con::int_floor(2 * dx / 5));
        plane(st, s, n, ST_Y) = con::store(y + con::int_floor(2 * dy / 5));
        aim_home(st, s, n);
        return;
    }
    float& flown = plane(st, s, n, ST_DISTANCE);
    flown = con::store(L(flown) + 50);
    plane(st, s, n, ST_X) = con::store(x + dx);
    plane(st, s, n, ST_Y) = con::store(y + dy);
    if (status == ST_OUTBOUND && L(flown) == con::mod(st.ST(s, n, ST_RANGE), 1000)) {
        status = ST_CROSS_LEG;
        plane(st, s, n, ST_HEADING) = con::store(con::mod(L(st.ST(s, n, ST_HEADING)) + 95, 360));
    }
    if (homebound(status)) aim_home(st, s, n);
}

/// D and E: the hour's flight of plane n of source s along its heading.
void fly_legs(State& st, int s, int n) {
    const real x = st.ST(s, n, ST_X), y = st.ST(s, n, ST_Y);
    const auto step = point_on_bearing(st.ST(s, n, ST_HEADING), 50);
    const int sub_steps = st.ST(s, n, ST_STATUS) == ST_CROSS_LEG ? kCrossLegSubSteps : kSubSteps;
    for (int i = 1; i <= sub_steps; ++i) {
        const real px = x + L(step.first) * i / 10, py = y + L(step.second) * i / 10;
        if (s == ST_OWN) {
            if (own_sub_step(st, n, px, py)) return;
        } else {
            allied_sub_step(st, s, px, py);
        }
        if (homebound(st.ST(s, n, ST_STATUS)) && lands(st, s, n, px, py)) return;
    }
    end_of_legs(st, s, n, x, y, {step.first, step.second});
}

/// B: a plane of the player in the air is announced.
void announce_own_plane(State& st) {
    st.TT(TT_SEARCH_FLYING) = 1;
    con::print_at(con::Col(0), con::Row(1), con::space_string(50));
    con::color(6);
    con::print_at(con::Col(18), con::Row(1), "索敵機飛行中");
    MATU2(st);
}

void fly_plane(State& st, int s, int n) {
    if (s == ST_OWN) announce_own_plane(st);
    if (s == ST_OWN && st.ST(s, n, ST_STATUS) > ST_SHADOWING) {
        keep_watch(st, n);
    } else {
        fly_legs(st, s, n);
    }
    // G: a shadower's hour ends with a pause.
    if (s == ST_OWN && st.ST(s, n, ST_STATUS) > ST_SHADOWING) MATU(st);
}

}  // namespace

float shadow_limit(float pk) {
    if (pk <= 50) return 250;
    if (pk <= 100) return 200;
    return 150;
}

void print_shadow_news(int line, float plane, ShadowNews news) {
    con::print_string_item("敵艦隊");
    con::print_single_item(static_cast<float>(line));
    con::print_string_item(news == ShadowNews::OnStation ? "上空を索敵機" : "上の索敵機");
    con::print_single_item(plane);
    switch (news) {
        case ShadowNews::OnStation: con::print_string_item("は飛行中    "); break;
        case ShadowNews::ShortOfFuel: con::print_string_item("は燃料不足です"); break;
        case ShadowNews::Returning: con::print_string_item("は帰還します  "); break;
    }
}

void SAKUTEKI2(State& st) {
    con::print_at(con::Col(0), con::Row(2), con::space_string(48));
    for (int n = 1; n <= kSearchPlanes; ++n)
        for (int s = ST_OWN; s <= ST_TASK_FORCE + 3; ++s)
            if (st.ST(s, n, ST_STATUS) >= ST_OUTBOUND) fly_plane(st, s, n);
    MATU(st);
    for (int row = 1; row <= 4; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(36));
}

}  // namespace morva95f
