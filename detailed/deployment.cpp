// MORVA95F: the fleets' positions at the start of each day: the deployment ICHI of day 1 (the
// player's approach bearing, the task forces placed clear of land) and the night move ICHI2
// before days 2 and 3.
#include <cmath>

#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/coast_drawings.h"
#include "detailed/deployment.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

constexpr int kRowHarbourRaid = 22;

const ApproachSectors& sectors_of(long row) {
    static const ApproachSectors home = {{180, 320}, {180, 320}, {90, 230}, {90, 230}, {{170, 330}}};
    static const ApproachSectors table[] = {
        home, home, home, home, home,                                                    // 1-5
        {{0, 90}, {270, 359}, {180, 359}, {180, 359}, {{0, 90}, {120, 170}, {280, 359}}},  // 6
        {{0, 130}, {220, 359}, {0, 40}, {130, 359}, {{0, 150}, {190, 210}, {220, 359}}},   // 7
        {{0, 140}, {0, 140}, {0, 50}, {270, 359}, {{0, 150}, {280, 310}, {340, 359}}},     // 8
        {{90, 260}, {90, 260}, {0, 170}, {0, 170}, {{0, 50}, {90, 260}, {270, 359}}},      // 9
        {{0, 80}, {320, 359}, {230, 350}, {230, 350}, {{0, 80}, {110, 270}, {320, 359}}},  // 10
        {{0, 359}, {0, 359}, {0, 0}, {0, 0}, {{0, 359}}},                                  // 11
        {{0, 60}, {260, 359}, {170, 330}, {170, 330}, {{0, 70}, {260, 359}}},              // 12
        {{30, 260}, {30, 260}, {0, 170}, {300, 359}, {{50, 210}, {250, 260}}},             // 13
        {{0, 50}, {130, 359}, {40, 320}, {40, 320}, {{0, 240}, {300, 359}}},               // 14
        {{0, 280}, {310, 359}, {0, 190}, {220, 359}, {{0, 90}, {100, 280}, {300, 359}}},   // 15
        {{0, 359}, {0, 359}, {0, 0}, {0, 0}, {{0, 359}}},                                  // 16
        {{0, 359}, {0, 359}, {0, 0}, {0, 0}, {{0, 359}}},                                  // 17
        {{0, 70}, {140, 359}, {50, 340}, {50, 340}, {{0, 359}}},                           // 18
        {{170, 250}, {170, 250}, {80, 160}, {80, 160}, {{0, 60}, {180, 260}, {300, 359}}}, // 19
        {{20, 270}, {20, 270}, {0, 180}, {290, 359}, {{10, 290}}},                         // 20
        {{180, 320}, {180, 320}, {90, 230}, {90, 230}, {{170, 330}}},                      // 21
        {{0, 30}, {270, 359}, {180, 300}, {180, 300}, {}},                                 // harbour raid
    };
    if (row < 1 || row > kRowHarbourRaid) return home;  // no target: the home waters' row
    return table[row - 1];
}

bool in_sector(con::real v, const Sector& s) { return v >= s.first && v <= s.second; }

void show_approach_prompt(const ApproachSectors& row) {
    for (const Sector* arc : {&row.arc1, &row.arc2})
        con::draw_circle(399, 168, 105, 15, con::L(arc->first) / 360, con::L(arc->second) / 360);
    con::locate(con::Col(20), con::Row(20));
    con::color(6);
    con::print_string_item("目標への接近方向は  ? ");
    con::print_single_item(row.player1.first);
    con::print_string_item("-");
    con::print_single_item(row.player1.second);
    if (row.player2.first != row.player1.first) {
        con::print_string_item(",");
        con::print_single_item(row.player2.first);
        con::print_string_item("-");
        con::print_single_item(row.player2.second);
    }
}

constexpr const char* kBearingHint = "( 上は 0  右は 90 )        ";

/// The Allied base bearing: drawn until it lies in an Allied sector and at sea 140 units out.
/// Returns -1 when no draw succeeds within the bound.
float draw_allied_bearing(const ApproachSectors& row) {
    for (int tries = 0; tries < kMoveTries; ++tries) {
        const float w = con::store(con::int_floor(con::L(con::rnd()) * 360));
        if (!in_any_sector(w, row.allied)) continue;
        const auto [x, y] = point_on_bearing(w, 140);
        if (!blocked(x, y)) return w;
    }
    return -1;
}

float bearing_spread() {
    con::real o = 0;
    for (int i = 0; i < 3; ++i) o += con::int_floor(con::L(con::rnd()) * 60 - 30);
    return con::store(o);
}

/// Step 7 of the deployment: task forces 1-3 around the base bearing w; false when a later task
/// force fell on land (the placing starts again).
bool place_task_forces(State& st, float w, float target) {
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) continue;
        con::real b = w;
        if (k > 1) {
            for (int tries = 0;; ++tries) {
                b = con::mod(con::L(w) + con::L(bearing_spread()), 360);
                if (!(target == 21 && b < 150) || tries >= kMoveTries) break;
            }
        }
        const auto [x, y] = point_on_bearing(b, 140);
        st.PZ(k, PZ_X) = x;
        st.PZ(k, PZ_Y) = y;
        if (k > 1 && blocked(x, y)) return false;
    }
    return true;
}

}  // namespace

std::string read_line_at(int column, int row) {
    con::locate(con::Col(column), con::Row(row));
    con::input_prompt("");
    std::string line;
    con::input_vars(line);
    return line;
}


bool in_any_sector(con::real v, const std::vector<Sector>& sectors) {
    for (const Sector& s : sectors)
        if (in_sector(v, s)) return true;
    return false;
}

ApproachSectors approach_sectors(const State& st) {
    if (st.TT(TT_HARBOUR_STRIKE) == 1) return sectors_of(kRowHarbourRaid);
    return sectors_of(con::round_half_away(st.AT(st.TT(TT_FLEET))));
}

void ICHI(State& st) {
    const float target = st.AT(st.TT(TT_FLEET));
    ApproachSectors row = approach_sectors(st);
    if (st.TT(TT_HARBOUR_STRIKE) == 1) {
        con::real lo = 130, hi = 170;
        for (int i = 0; i < 3; ++i) lo -= con::int_floor(con::L(con::rnd()) * 30);
        for (int i = 0; i < 3; ++i) hi += con::int_floor(con::L(con::rnd()) * 30);
        row.allied = {{con::store(lo), con::store(hi)}};
    }
    show_approach_prompt(row);
    float v = 0;
    for (;;) {
        con::print_at(con::Col(24), con::Row(22), kBearingHint);
        const con::real typed = con::val(read_line_at(47, 22));
        if (!con::fits_float(typed)) continue;  // no float to hold it: in no sector either
        v = con::store(typed);
        if (in_sector(v, row.player1) || in_sector(v, row.player2)) break;
    }
    const auto [x, y] = point_on_bearing(v, 105);
    st.PZ(0, PZ_X) = x;
    st.PZ(0, PZ_Y) = y;
    const float w = draw_allied_bearing(row);
    // Without a free bearing the task forces keep the positions they had.
    if (w >= 0)
        for (int tries = 0; tries < kMoveTries && !place_task_forces(st, w, target); ++tries) {
        }
    // The first hour's visual contacts read these before any hour has drawn the map.
    compute_ranges(st);
}

void ICHI2(State& st) {
    const con::real px = pixel_x(st.PZ(0, PZ_X)), py = pixel_y(st.PZ(0, PZ_Y));
    con::draw_circle(px, py, 3, 3);
    con::paint_fill(px, py, 3, 3);
    const float reach = con::store(con::int_floor(con::L(st.S(0)) * 6));
    con::draw_circle(px, py, con::int_floor(con::L(reach) / 3) + 2, 15);
    // The player is asked again after a refused move: each try waits for two answers.
    for (;;) {
        const float h = con::store(morva::ask_number(
            [] {
                con::locate(con::Col(9), con::Row(20));
                con::color(6);
                con::print_string_item("           夜間移動の方向は  ?   0 - 359      ");
                con::print_at(con::Col(24), con::Row(22), kBearingHint);
            },
            {46, 22, ""}, 0, 359, false));
        const float d = con::store(morva::ask_number(
            [reach] {
                con::print_at(con::Col(24), con::Row(22), con::space_string(40));
                con::locate(con::Col(20), con::Row(20));
                con::color(6);
                con::print_string_item("夜間移動の距離は  ?   0 -");
                con::print_single_item(reach);
                con::print_string_item("(浬)");
            },
            {47, 22, ""}, 0, reach, false));
        const auto [dx, dy] = leg_offset(h, d, 3);
        const con::real x = con::L(st.PZ(0, PZ_X)) + dx, y = con::L(st.PZ(0, PZ_Y)) + dy;
        if (!blocked(x, y)) {
            st.PZ(0, PZ_X) = con::store(x);
            st.PZ(0, PZ_Y) = con::store(y);
            break;
        }
        con::color(3);
        con::print_at(con::Col(9), con::Row(20), con::space_string(42));
        con::print_at(con::Col(13), con::Row(20), "陸地に衝突します");
        MATU(st);
    }
    con::clear_screen(0);
    FMAP(st);
}

}  // namespace morva95f
