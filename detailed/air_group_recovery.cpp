// MORVA95F: IDO8, the air groups of both sides brought home: the night-landing losses, the
// landing of the groups within 50 units of home on their side's carriers (or at the Allied
// base), and one hour's flight home for the others, with the reports of the player's losses.
#include <cmath>

#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

using con::add_to;

int side_of(long s) { return s >= 4 ? 1 : 0; }

void print_hour_label(const State& st) {
    const long hour = 1 + con::round_half_away(con::mod(con::L(st.TT(TT_SUBTURN)), 12));
    con::print_single_item(static_cast<float>(hour));
}

void blank_row(int row, int blanks) { con::print_at(con::Col(0), con::Row(row), con::space_string(blanks)); }

void CLEAR_REPORT(State& st) {
    MATU(st);
    for (int row = 1; row <= 4; ++row) blank_row(row, 42);
}

void REPORT_UNRETURNED(State& st, long s, long h) {
    const real counts[3] = {st.T(s, h, T_FIGHTERS), st.T(s, h, T_DIVE_BOMBERS),
                            L(st.T(s, h, T_TORPEDO_BOMBERS)) + L(st.T(s, h, T_BOMB_ARMED))};
    for (int t = 0; t <= 2; ++t) {
        blank_row(2 + t, 40);
        con::locate(con::Col(3), con::Row(2 + t));
        con::print_string_item(st.NX(t + 1));
        con::print_string_item("が");
        con::print_single_item(con::store(counts[t]));
        con::print_string_item("機 未帰還となりました");
        con::print_end();
    }
    CLEAR_REPORT(st);
}

/// The first line of a player's group's report: "<hour>時発進の..." and its ending.
void report_heading(State& st, long s, int blanks, const char* base_text, const char* fleet_text) {
    blank_row(1, blanks);
    con::color(6);
    con::locate(con::Col(1), con::Row(1));
    print_hour_label(st);
    if (s == 0) {
        con::print_string_item(base_text);
    } else {
        con::print_string_item("時発進の攻撃隊");
        con::print_single_item(static_cast<float>(s));
        con::print_string_item(fleet_text);
    }
    con::print_end();
}

bool holds_aircraft(const State& st, long s, long h) {
    for (int j = T_FIGHTERS; j <= T_BOMB_ARMED; ++j)
        if (st.T(s, h, j) >= 1) return true;
    return false;
}

void REPORT_LOST_GROUP(State& st, long s, long h) {
    if (s >= 4 || !holds_aircraft(st, s, h)) return;
    report_heading(st, s, 40, "時発進の敵基地攻撃隊は母艦を捕捉できず", "は母艦を捕捉できず");
    if (s != 0) st.T(s, h, T_STATUS) = 0;
    REPORT_UNRETURNED(st, s, h);
}

/// A group out of fuel: its aircraft (heavy bombers apart) are written off.
void write_off_group(State& st, long s, long h) {
    REPORT_LOST_GROUP(st, s, h);
    const int side = side_of(s);
    for (int j = T_FIGHTERS; j <= T_TORPEDO_BOMBERS; ++j) {
        add_to(st.VS(side, j - T_FIGHTERS), st.T(s, h, j));
        st.T(s, h, j) = 0;
    }
    if (s <= 3) {
        add_to(st.VS(0, AIR_TORPEDO_BOMBERS), st.T(s, h, T_BOMB_ARMED));
        st.T(s, h, T_BOMB_ARMED) = 0;
    }
    // A group emptied in flight is no group any more: nothing is left to draw, list or fly.
    if (!holds_aircraft(st, s, h)) st.T(s, h, T_STATUS) = 0;
}

void night_losses(State& st) {
    real lost = 0;
    const real step = st.TT(TT_SUBTURN);
    for (long s = 0; s <= T_LAST_SOURCE; ++s) {
        if (s == 4 || s == 5) continue;
        for (long h = 8; h <= 15; ++h) {
            if (st.T(s, h, T_STATUS) < 3) continue;
            for (int j = T_FIGHTERS; j <= T_BOMB_ARMED; ++j) {
                if (st.T(s, h, j) < 1) continue;
                const real q = 27 - step - 2 * con::int_floor(L(s) / 5);
                const real loss = L(st.T(s, h, j)) - con::int_floor(L(st.T(s, h, j)) * q / 12);
                if (s <= 3) lost += loss;
                add_to(st.T(s, h, j), -loss);
                const int kind = j == T_BOMB_ARMED && s <= 3 ? AIR_TORPEDO_BOMBERS : j - T_FIGHTERS;
                add_to(st.VS(side_of(s), kind), loss);
            }
        }
    }
    if (lost < 1) return;
    blank_row(1, 44);
    con::color(6);
    con::locate(con::Col(1), con::Row(1));
    con::print_string_item("帰艦した攻撃隊のうち");
    con::print_single_item(con::store(lost));
    con::print_string_item("機が夜間着艦に失敗");
    con::print_end();
    CLEAR_REPORT(st);
}

/// Lands field j of the group on its side's carriers, one aircraft per carrier with a working
/// deck and room per pass, until the field is empty or a pass lands none.
void land_field(State& st, long s, long h, int j) {
    const int side = side_of(s);
    const float f = st.TT(TT_FLEET);
    const long carriers = con::round_half_away(st.CV(side, f));
    const int kind = j == T_BOMB_ARMED ? AIR_TORPEDO_BOMBERS : j - T_FIGHTERS;
    bool landed = true;
    while (landed && st.T(s, h, j) >= 1) {
        landed = false;
        for (long k = 1; k <= carriers && st.T(s, h, j) >= 1; ++k) {
            const float ship = st.C(side, f, k);
            if (st.A(side, ship, A_FLIGHT_DECK) < 8 || st.A(side, ship, A_AIRCRAFT_AWAY) <= 0) continue;
            add_to(st.F(side, k, kind, F_NOT_READY), 1);
            add_to(st.T(s, h, j), -1);
            add_to(st.A(side, ship, A_AIRCRAFT_AWAY), -1);
            landed = true;
        }
    }
}

void land_on_carriers(State& st, long s, long h) {
    for (int j = T_FIGHTERS; j <= T_BOMB_ARMED; ++j) {
        if (st.T(s, h, j) < 1 || (j == T_BOMB_ARMED && s >= 4)) continue;
        if (j != T_FIGHTERS) add_to(st.ID(s <= 3 ? 0 : s - 5), 1);
        land_field(st, s, h, j);
    }
    if (!holds_aircraft(st, s, h)) return;
    if (s <= 3) {
        report_heading(st, s, 44, "時発進の敵基地攻撃隊は一部の機を収容できず", "は一部の機を収容できず");
        REPORT_UNRETURNED(st, s, h);
    } else {
        const real x = st.T(s, h, T_X), y = st.T(s, h, T_Y);
        if (con::sqr(x * x + y * y) <= 70) {
            for (int j = T_FIGHTERS; j <= T_TORPEDO_BOMBERS; ++j) {
                add_to(st.Q(j - T_FIGHTERS, Q_NOT_READY), st.T(s, h, j));
                st.T(s, h, j) = 0;
            }
            return;
        }
    }
    const int side = side_of(s);
    for (int j = T_FIGHTERS; j <= T_BOMB_ARMED; ++j) {
        const real n = st.T(s, h, j);
        if (j == T_BOMB_ARMED && s <= 3) {
            add_to(st.VS(0, AIR_TORPEDO_BOMBERS), n);
            add_to(st.VS(0, VS_RETURN_LOSSES + AIR_TORPEDO_BOMBERS), n);
        } else {
            add_to(st.VS(side, j - T_FIGHTERS), n);
            if (j <= T_TORPEDO_BOMBERS) add_to(st.VS(side, VS_RETURN_LOSSES + j - T_FIGHTERS), n);
        }
        st.T(s, h, j) = 0;
    }
}

void land_group(State& st, long s, long h, real d) {
    st.T(s, h, T_STATUS) = 0;
    add_to(st.T(s, h, T_DISTANCE), d);
    if (st.T(s, h, T_DISTANCE) > 200) write_off_group(st, s, h);
    if (st.T(s, h, T_DISTANCE) > 400) {
        add_to(st.VS(1, AIR_HEAVY_BOMBERS), st.T(s, h, T_HEAVY_BOMBERS));
        st.T(s, h, T_HEAVY_BOMBERS) = 0;
    }
    if (s == 4) {
        for (int j = T_FIGHTERS; j <= T_TORPEDO_BOMBERS; ++j) {
            add_to(st.Q(j - T_FIGHTERS, Q_NOT_READY), st.T(4, h, j));
            st.T(4, h, j) = 0;
        }
    } else if (s == 5) {
        add_to(st.Q(AIR_HEAVY_BOMBERS, Q_NOT_READY), st.T(5, h, T_HEAVY_BOMBERS));
        st.T(5, h, T_HEAVY_BOMBERS) = 0;
    } else {
        land_on_carriers(st, s, h);
    }
    st.T(s, h, T_STATUS) = 0;
}

void fly_home(State& st, long s, long h) {
    IDO4(st);
    if (s == 5 && st.T(5, h, T_DISTANCE) > 400) {
        add_to(st.VS(1, AIR_HEAVY_BOMBERS), st.T(5, h, T_HEAVY_BOMBERS));
        st.T(5, h, T_HEAVY_BOMBERS) = 0;
        st.T(5, h, T_STATUS) = 0;  // written off by its range: no empty group flies on
        return;
    }
    if (st.T(s, h, T_DISTANCE) >= 201) {
        // The heavy bombers fly on to their 400-unit range.
        if (s != 5) write_off_group(st, s, h);
        return;
    }
    if (s == 4 || s == 5) return;
    const auto [hx, hy] = home_point(st, static_cast<int>(s));
    st.T(s, h, T_HEADING) = map_bearing(hx - L(st.T(s, h, T_X)), hy - L(st.T(s, h, T_Y)), kRuleRadToDeg);
}

}  // namespace

void IDO8(State& st) {
    if (st.TT(TT_SUBTURN) >= 16) night_losses(st);
    const long steps = con::round_half_away(st.TT(TT_SUBTURN));
    for (long s = 0; s <= T_LAST_SOURCE; ++s) {
        st.TT(TT_GROUP_SOURCE) = static_cast<float>(s);
        for (long h = 1; h <= steps && h <= 21; ++h) {
            st.TT(TT_GROUP_HOUR) = static_cast<float>(h);
            if (st.T(s, h, T_STATUS) < 3) continue;
            const auto [hx, hy] = home_point(st, static_cast<int>(s));
            const real dx = hx - L(st.T(s, h, T_X)), dy = hy - L(st.T(s, h, T_Y));
            const real d = con::sqr(dx * dx + dy * dy);
            if (d > 50) fly_home(st, s, h);
            else land_group(st, s, h, d);
        }
    }
}

}  // namespace morva95f
