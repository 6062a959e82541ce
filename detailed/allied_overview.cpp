// MORVA95F: the hidden overview of the Allied side that the F1 sequence opens during an
// operation, HYOJI6: both Allied forces ship by ship and task force by task force, the
// anti-aircraft strength of the task forces facing the fleet, the target base, the posture and
// contact, the losses, ranges and bearings, the task forces, air groups and Allied search planes
// on the map, and after a key the aircraft of every Allied air group of the day.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"
#include "detailed/search_planes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// The last ship slot of a battleship list that has a row of the overview (rows 9-23).
constexpr long kListedBattleships = 15;
/// The launch steps of the air-group table: every hour step of the day.
constexpr int kTableSteps = 21;

/// The anti-aircraft factor of the turn: 2 in turns 1-4, 3 in turns 5-8, 4 in turns 9-12.
real turn_factor(const State& st) { return 2 + con::int_floor((L(st.TT(TT_TURN)) - 1) / 4); }

/// The column of task force t of Allied force g. A ship that no split has yet given a task
/// force (t = 0) of the force facing fleet 1 stands in the first task-force column: the one
/// left of it would lie outside the grid.
int ship_column(int g, float t) {
    const int column = 48 * (g - 1) + 8 * (static_cast<int>(con::round_half_away(t)) - 1);
    return column < 0 ? 48 * (g - 1) : column;
}

void print_ship(const State& st, float s, int column, long row) {
    con::print_at(con::Col(column), con::Row(row), st.MX(1, s));
    con::print_single_item(st.A(1, s, A_DURABILITY));
}

void add_strength(State& st, float s, real factor) {
    const float t = st.A(1, s, A_TASK_FORCE);
    st.TI(t) = con::store(L(st.TI(t)) + L(st.A(1, s, A_ANTI_AIRCRAFT)) * factor);
}

/// Step 2 for Allied force g: its carriers and battleships, its planned carriers and, for the
/// force facing the fleet, the strengths of its task forces.
void list_force(State& st, int g) {
    const float f = st.TT(TT_FLEET);
    const real factor = turn_factor(st);
    const long carriers = con::round_half_away(st.CV(1, g));
    for (long i = 1; i <= carriers; ++i) {
        const float s = st.C(1, g, i);
        if (g == f && st.A(1, s, A_DURABILITY) > 0) add_strength(st, s, factor);
        print_ship(st, s, ship_column(g, st.A(1, s, A_TASK_FORCE)), i - 1);
    }
    const long battleships = con::round_half_away(st.BB(1, g));
    for (long i = 1; i <= battleships; ++i) {
        const float s = st.G(1, g, i);
        if (st.TT(TT_HARBOUR_STRIKE) != 1 && g == f && st.A(1, s, A_DURABILITY) > 0) add_strength(st, s, factor);
        if (i <= kListedBattleships) print_ship(st, s, ship_column(g, st.A(1, s, A_TASK_FORCE)), i + 8);
    }
    con::locate(con::Col(71), con::Row(20 + g));
    con::print_single_item(st.OC(g));
    if (g != f) return;
    for (int k = 1; k <= 3; ++k) {
        con::locate(con::Col(36 * (g - 1) + 8 * (k - 1)), con::Row(8));
        con::print_single_item(st.TI(k));
    }
}

void mark_task_forces(const State& st) {
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) continue;
        const real x = pixel_x(st.PZ(k, PZ_X)), y = pixel_y(st.PZ(k, PZ_Y));
        con::draw_circle(x, y, 3, 3 + k);
        con::paint_fill(x, y, 3 + k, 3 + k);
    }
}

void print_item_at(int column, int row, const char* words) { con::print_at(con::Col(column), con::Row(row), words); }

/// Step 4: the target base, the posture and contact, the losses, the ranges and the wait.
void base_panel(State& st) {
    const float b = st.AT(st.TT(TT_FLEET));
    print_item_at(66, 5, "勢");
    con::print_single_item(st.P(b, P_STRENGTH));
    con::print_string_item("対空");
    con::print_number_item(L(st.P(b, P_AIR_DEFENCE)) * turn_factor(st));
    print_item_at(69, 7, "退");
    con::print_single_item(st.TK(TK_POSTURE));
    con::print_string_item("発");
    con::print_single_item(st.H(H_ON_FLEET));
    print_item_at(64, 12, "損害");
    const char* const kKinds[] = {"F", "B", "T", "H"};
    for (int k = 0; k <= 3; ++k) print_item_at(69, k, kKinds[k]);
    for (int k = 0; k <= 2; ++k) print_item_at(66, 9 + k, kKinds[k]);
    for (int k = 0; k <= 3; ++k) {
        real total = 0;
        for (int state = 0; state <= 5; ++state) total += L(st.Q(k, state));
        st.O(k) = con::store(total);
        con::locate(con::Col(71), con::Row(k));
        con::print_single_item(st.O(k));
        con::locate(con::Col(69), con::Row(9 + k));
        con::print_single_item(st.VS(0, k));
        con::locate(con::Col(73), con::Row(9 + k));
        con::print_single_item(st.VS(1, k));
        con::locate(con::Col(70), con::Row(14 + k));
        con::print_number_item(L(st.PK(k)) * 3);
        con::print_single_item(st.PD(k));
    }
    print_item_at(69, 23, "WAIT");
    con::print_single_item(st.TT(TT_WAIT));
}

/// The map colour of air group g of status `status`: the player's in cyan; the Allied base
/// strike and heavy bombers yellow out, green back; the task forces' red out, magenta back.
int group_colour(int g, float status) {
    if (g <= 3) return 11;
    if (g <= 5) return status == 1 ? 13 : 9;
    return status == 1 ? 5 : 7;
}

/// Step 5: every air group in flight, and the Allied search planes in the air.
void plot_air(const State& st) {
    for (int g = 0; g <= T_LAST_SOURCE; ++g) {
        for (int h = 1; h <= T_LAST_STEP; ++h) {
            const float status = st.T(g, h, T_STATUS);
            if (status < 1) continue;
            const real x = pixel_x(st.T(g, h, T_X)), y = pixel_y(st.T(g, h, T_Y));
            for (int dx : {0, -1, 1}) con::pset(x + dx, y, group_colour(g, status));
        }
        if (g < ST_BASE || g > ST_TASK_FORCE + 3) continue;
        for (int p = 1; p <= kSearchPlanes; ++p)
            if (st.ST(g, p, ST_STATUS) > ST_READY)
                con::pset(pixel_x(st.ST(g, p, ST_X)), pixel_y(st.ST(g, p, ST_Y)), 2 * g + 5);
    }
}

/// Step 7: the aircraft of every Allied group of the day, one row per launch step, whatever
/// the group's status.
void air_group_table(const State& st) {
    static constexpr struct {
        int source;
        int first, last;
    } kColumns[] = {{4, T_FIGHTERS, T_TORPEDO_BOMBERS},
                    {5, T_HEAVY_BOMBERS, T_HEAVY_BOMBERS},
                    {6, T_FIGHTERS, T_TORPEDO_BOMBERS},
                    {7, T_FIGHTERS, T_TORPEDO_BOMBERS},
                    {8, T_FIGHTERS, T_TORPEDO_BOMBERS}};
    const long column = 34 * (2 - con::round_half_away(st.TT(TT_FLEET)));
    con::color(7);
    for (int h = 1; h <= kTableSteps; ++h) {
        con::locate(con::Col(column), con::Row(h));
        for (const auto& c : kColumns)
            for (int field = c.first; field <= c.last; ++field) {
                con::print_using_start("###");
                con::print_using_single(st.T(c.source, h, field));
                con::print_using_end(false);
            }
    }
}

}  // namespace

void HYOJI6(State& st) {
    for (int k = 1; k <= 3; ++k) st.TI(k) = st.DF(k);
    con::color(6);
    for (int g = 1; g <= 2; ++g) list_force(st, g);
    mark_task_forces(st);
    base_panel(st);
    plot_air(st);
    morva::hit_any_key(st.WAIT_KEY_RESULT, {29, 23, 5, "Hit Any Key"});
    air_group_table(st);
}

}  // namespace morva95f
