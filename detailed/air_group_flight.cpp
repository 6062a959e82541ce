// MORVA95F: the air groups in flight: one hour's step and the turn home of a group (IDO4,
// IDO6), the Allied strikes flying at the player's fleet (IDO5) and the player's fleet strikes
// looking for the task forces (IDO7).
#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

float& flight_group(State& st, long s, long h, int field) { return st.T(s, h, field); }

/// The point one hour's step back along the group's heading: the place it observed from.
std::pair<real, real> back_step(State& st, long s, long h) {
    const auto [dx, dy] = point_on_bearing(st.T(s, h, T_HEADING), 50);
    return {L(st.T(s, h, T_X)) - dx, L(st.T(s, h, T_Y)) - dy};
}

/// The group's observation point: its position, or one step back once it has flown an hour.
std::pair<real, real> observation_point(State& st, long s, long h) {
    if (st.T(s, h, T_DISTANCE) > 40) return back_step(st, s, h);
    return {L(st.T(s, h, T_X)), L(st.T(s, h, T_Y))};
}

/// The straight distance from the group to map point (x, y), held as a 4-byte value.
float distance_to(State& st, long s, long h, real x, real y) {
    const real dx = x - L(st.T(s, h, T_X));
    const real dy = y - L(st.T(s, h, T_Y));
    return con::store(con::sqr(dx * dx + dy * dy));
}

long flight_hour_steps(const State& st) { return con::round_half_away(st.TT(TT_SUBTURN)); }

// --- The Allied strikes (IDO5) ---

struct AlliedFlight {
    real escort_range;  // fighters whose distance flown reaches it stay out of the raid
    real factor;        // the sighting test's contact factor m
};

/// Whether an Allied group d units from the fleet sees it this hour (one draw, unless d + n
/// is 0, when it is found without one).
bool sights_fleet(State& st, long s, long h, real d, real n, real m) {
    if (d + n == 0) return true;
    const auto [ox, oy] = observation_point(st, s, h);
    const real b = map_bearing(L(st.PZ(0, PZ_X)) - ox, L(st.PZ(0, PZ_Y)) - oy, kRuleRadToDeg);
    const real r = L(con::rnd());
    if (st.H(H_ON_FLEET) >= 3) return true;
    const real tolerance = con::int_floor(400 / (d + n));
    return !(std::fabs(b - L(st.T(s, h, T_HEADING))) * 10 / tolerance > (r * 5 + 5) * m);
}

void home_on_fleet(State& st, long s, long h) {
    st.T(s, h, T_HEADING) = map_bearing(L(st.PZ(0, PZ_X)) - L(st.T(s, h, T_X)),
                                        L(st.PZ(0, PZ_Y)) - L(st.T(s, h, T_Y)), kRuleRadToDeg);
}

/// Places the group on the player's fleet with the last leg d added to its distance flown.
void arrive_on_fleet(State& st, long s, long h, real d) {
    st.T(s, h, T_STATUS) = 2;
    st.T(s, h, T_X) = st.PZ(0, PZ_X);
    st.T(s, h, T_Y) = st.PZ(0, PZ_Y);
    flight_group(st, s, h, T_DISTANCE) = con::store(L(st.T(s, h, T_DISTANCE)) + d);
}

void add_to_raid(State& st, int slot, float aircraft) { st.W(slot) = con::store(L(st.W(slot)) + L(aircraft)); }

/// One hour of an Allied base or task-force strike (sources 4, 6-8).
void fly_allied_strike(State& st, long s, long h, const AlliedFlight& flight) {
    st.TT(TT_GROUP_SOURCE) = static_cast<float>(s);
    const real d = distance_to(st, s, h, st.PZ(0, PZ_X), st.PZ(0, PZ_Y));
    if (d <= 50 && sights_fleet(st, s, h, d, st.T(s, h, T_DISTANCE), flight.factor)) {
        arrive_on_fleet(st, s, h, d);
        if (st.T(s, h, T_DISTANCE) > 90) {
            IDO6(st);
            return;
        }
        st.T(s, h, T_HEADING) = st.PD(s == 4 ? 0 : s - 5);
        if (st.T(s, h, T_DISTANCE) < flight.escort_range) add_to_raid(st, 0, st.T(s, h, T_FIGHTERS));
        add_to_raid(st, 1, st.T(s, h, T_DIVE_BOMBERS));
        add_to_raid(st, 2, st.T(s, h, T_TORPEDO_BOMBERS));
        return;
    }
    IDO4(st);
    if (st.T(s, h, T_DISTANCE) > 90) IDO6(st);
    if (st.T(s, h, T_DISTANCE) < 91 && st.H(H_ON_FLEET) > 1) home_on_fleet(st, s, h);
}

/// One hour of the heavy bombers launched in step h (source 5).
void fly_heavy_bombers(State& st, long h, const AlliedFlight& flight) {
    constexpr long s = 5;
    st.TT(TT_GROUP_SOURCE) = s;
    const real d = distance_to(st, s, h, st.PZ(0, PZ_X), st.PZ(0, PZ_Y));
    const real n = st.T(s, h, T_DISTANCE) > 40 ? 50 : 0;
    if (d <= 50 && sights_fleet(st, s, h, d, n, flight.factor)) {
        arrive_on_fleet(st, s, h, d);
        if (st.T(s, h, T_DISTANCE) < 161) {
            add_to_raid(st, 3, st.T(s, h, T_HEAVY_BOMBERS));
            st.T(s, h, T_HEADING) = st.PD(0);
            return;
        }
    }
    IDO4(st);
    if (st.T(s, h, T_DISTANCE) > 159) IDO6(st);
    if (st.T(s, h, T_DISTANCE) < 160 && st.H(H_ON_FLEET) > 1) home_on_fleet(st, s, h);
}

// --- The player's fleet strikes (IDO7) ---

struct TaskForceView {
    real KY[4]{};   // distance from the group to task force k, 100 when there is none
    real TPK[4]{};  // bearing from the observation point to task force k
};

TaskForceView view_task_forces(State& st, long s, long h) {
    TaskForceView v;
    const auto [ox, oy] = observation_point(st, s, h);
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(KS_CARRIERS + k) < 1) {
            v.KY[k] = 100;
            continue;
        }
        v.KY[k] = distance_to(st, s, h, st.PZ(k, PZ_X), st.PZ(k, PZ_Y));
        v.TPK[k] = map_bearing(L(st.PZ(k, PZ_X)) - ox, L(st.PZ(k, PZ_Y)) - oy, kRuleRadToDeg);
    }
    return v;
}

/// One scan of the surroundings, forces within d = 1..50 in the order 1-3 at each d; with
/// `carriers_only` a force without carriers afloat is passed over (its draw made all the same).
int scan_surroundings(State& st, long s, long h, const TaskForceView& v, bool carriers_only) {
    const real flown = st.T(s, h, T_DISTANCE);
    const real heading = st.T(s, h, T_HEADING);
    for (int d = 1; d <= 50; ++d) {
        for (int k = 1; k <= 3; ++k) {
            if (v.KY[k] > d) continue;
            if (v.KY[k] + flown == 0) return k;
            const real r = L(con::rnd());
            const bool no_carriers = st.SS(k) < 1;
            const real tolerance = con::int_floor(400 / (v.KY[k] + flown));
            const bool off_line = std::fabs(v.TPK[k] - heading) * 10 / tolerance > r * 5 + 5;
            if (!((carriers_only && no_carriers) || off_line)) return k;
        }
    }
    return 0;
}

void enter_contact_list(State& st, int k) {
    if (st.J(1) == 0) st.J(1) = static_cast<float>(k);
    else if (st.J(2) == 0 && st.J(1) != k) st.J(2) = static_cast<float>(k);
    else if (st.J(3) == 0 && st.J(1) != k && st.J(2) != k) st.J(3) = static_cast<float>(k);
}

/// The task force the group finds this hour, 0 none.
int find_task_force(State& st, long s, long h, const TaskForceView& v) {
    if (v.KY[1] > 50 && v.KY[2] > 50 && v.KY[3] > 50) return 0;
    const real code = st.T(s, h, T_TARGET);
    const long sent_at = static_cast<long>(con::int_floor(code / 1000));
    for (int k = 1; k <= 3; ++k) {
        const real r = L(con::rnd());
        if (v.KY[k] < 51 && st.H(k) > r * 2 + 2 && sent_at == k) return k;
    }
    const long launch_distance = con::round_half_away(con::mod(con::round_half_away(code), 1000));
    if (st.T(s, h, T_DISTANCE) < 40 && launch_distance > 55) return 0;
    int k = scan_surroundings(st, s, h, v, true);
    if (k == 0) k = scan_surroundings(st, s, h, v, false);
    if (k != 0 && st.H(k) < 0) enter_contact_list(st, k);
    return k;
}

/// The first hour's heading correction onto a located force, then the hour's step.
void fly_on(State& st, long s, long h, const TaskForceView& v) {
    st.TT(TT_GROUP_SOURCE) = static_cast<float>(s);
    const real flown = st.T(s, h, T_DISTANCE);
    const long sent_at = static_cast<long>(con::int_floor(L(st.T(s, h, T_TARGET)) / 1000));
    for (int k = 1; k <= 3; ++k) {
        const bool near = v.KY[k] < 90 && flown < 50;
        if (st.H(k) > 3 && near && sent_at == k) st.T(s, h, T_HEADING) = con::store(v.TPK[k]);
        else if (st.H(k) > 2 && near && std::fabs(L(st.T(s, h, T_HEADING)) - v.TPK[k]) < 4)
            st.T(s, h, T_HEADING) = con::store(v.TPK[k]);
    }
    IDO4(st);
    if (st.T(s, h, T_DISTANCE) > 99) IDO6(st);
}

void fly_fleet_strike(State& st, long s, long h) {
    const TaskForceView v = view_task_forces(st, s, h);
    const int k = find_task_force(st, s, h, v);
    if (k == 0) {
        fly_on(st, s, h, v);
        return;
    }
    st.T(s, h, T_STATUS) = 2;
    st.T(s, h, T_X) = st.PZ(k, PZ_X);
    st.T(s, h, T_Y) = st.PZ(k, PZ_Y);
    flight_group(st, s, h, T_DISTANCE) = con::store(L(st.T(s, h, T_DISTANCE)) + v.KY[k]);
    if (st.H(k) < 4) st.H(k) = 3;
    st.T(s, h, T_HEADING) = static_cast<float>(1000 + k);
}

}  // namespace

std::pair<con::real, con::real> home_point(const State& st, int s) {
    if (s <= 3) return {L(st.PZ(0, PZ_X)), L(st.PZ(0, PZ_Y))};
    if (s <= 5) return {0, 0};
    return {L(st.PZ(s - 5, PZ_X)), L(st.PZ(s - 5, PZ_Y))};
}

void IDO4(State& st) {
    const long s = con::round_half_away(st.TT(TT_GROUP_SOURCE));
    const long h = con::round_half_away(st.TT(TT_GROUP_HOUR));
    st.T(s, h, T_DISTANCE) = con::store(L(st.T(s, h, T_DISTANCE)) + 50);
    const auto [dx, dy] = point_on_bearing(st.T(s, h, T_HEADING), 50);
    st.T(s, h, T_X) = con::store(L(st.T(s, h, T_X)) + dx);
    st.T(s, h, T_Y) = con::store(L(st.T(s, h, T_Y)) + dy);
}

void IDO6(State& st) {
    const long s = con::round_half_away(st.TT(TT_GROUP_SOURCE));
    const long h = con::round_half_away(st.TT(TT_GROUP_HOUR));
    if (s < 4) st.HH(s) = 1;
    st.T(s, h, T_STATUS) = 3;
    const auto [hx, hy] = home_point(st, static_cast<int>(s));
    st.T(s, h, T_HEADING) = map_bearing(hx - L(st.T(s, h, T_X)), hy - L(st.T(s, h, T_Y)), kRuleRadToDeg);
}

void IDO5(State& st) {
    for (int k = 0; k <= 6; ++k) st.W(k) = 0;
    const float base = st.AT(st.TT(TT_FLEET));
    const real contact = st.H(H_ON_FLEET);
    const AlliedFlight flight{base == 8 || base == 20 ? 71.0L : 81.0L, contact < 1 ? 1 : contact + 1};
    for (long h = 1; h <= flight_hour_steps(st); ++h) {
        st.TT(TT_GROUP_HOUR) = static_cast<float>(h);
        for (long s : {6, 7, 8, 4}) {
            if (st.T(s, h, T_STATUS) == 1) fly_allied_strike(st, s, h, flight);
        }
        if (st.T(5, h, T_STATUS) == 1) fly_heavy_bombers(st, h, flight);
    }
    for (int t = 0; t <= 2; ++t) st.W(t + 4) = st.W(t);
}

void IDO7(State& st) {
    for (long h = 1; h <= flight_hour_steps(st); ++h) {
        st.TT(TT_GROUP_HOUR) = static_cast<float>(h);
        for (long s = 1; s <= 3; ++s)
            if (st.T(s, h, T_STATUS) == 1) fly_fleet_strike(st, s, h);
    }
}

}  // namespace morva95f
