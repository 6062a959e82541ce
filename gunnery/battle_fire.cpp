// kelmat95: the battle's fire control - ammunition, the turrets bearing on the target, the
// ranging and the hit rate of each salvo - and the fire-status table.
#include "gunnery/battle.h"

#include <algorithm>
#include <cmath>

#include "gunnery/range_factor.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

// Whether a turret in position `position` (1-9) bears on `sector` (1-4).
bool bears(int position, int sector) {
    static const char* const kBearing[] = {"", "13467", "123568", "23489", "124579"};
    if (sector < 1 || sector > 4 || position < 1 || position > 9) return false;
    for (const char* p = kBearing[sector]; *p; ++p)
        if (*p - '0' == position) return true;
    return false;
}

// Guns of the working turrets bearing on `sector`.
real guns_bearing(const Kelmat& s, int side, int ship, int sector) {
    real guns = 0;
    for (int t = 1; t <= 6; ++t) {
        if (s.Q(side, ship, t) == 0) continue;
        const real code = s.L(s.A(side, ship, A_LAYOUT), t);
        if (bears(static_cast<int>(con::mod(code, 10)), sector)) guns += con::int_floor(code / 10);
    }
    return guns;
}

// Ranging: the factor of this salvo, then the count raised by a good fall of shot.
float range_salvo(Kelmat& s, int side, int ship, real R) {
    const int e = 1 - side;
    const real spotting = s.HT(HT_SPOTTING + side);
    const float K = ranging_factor(s.B(side, B_RANGING, ship), 1 + (spotting + 160 - R) / 100);
    const real r1 = L(con::rnd()) * 100;
    const real r2 = L(con::rnd()) * 100;
    const real c2 = s.B(e, B_AIMED_AT, s.B(side, B_TARGET, ship));
    float& count = s.B(side, B_RANGING, ship);
    const bool improved = r1 > 6 * c2 * c2 + 20 - 2 * spotting;
    const bool lucky = r2 < spotting;
    if (improved || lucky) count = store(L(count) + 1);
    if (count > 30) count = 30;
    return K;
}

void print_header(const Battle& b) {
    con::clear_screen(0);
    con::locate(Col(1), Row(0));
    con::color(6);
    con::print_string_item(b.larger_count <= 23 ? "             耐久力 目標 距離 命中率 残弾" : "目標 距離 命中率 残弾");
}

void print_fire_line(const Kelmat& s, const Battle& b, int side, int ship, const FireLine& line) {
    const int c = side * 40;
    const real percent = con::int_floor(L(s.HIT(side, ship)) / 100);
    const real salvoes = con::int_floor((L(s.B(side, B_AMMUNITION, ship)) + 1) / 2);
    const char* label = sector_label(static_cast<int>(line.sector));
    if (b.count[0] <= 23 && b.count[1] <= 23) {
        con::color(7);
        con::locate(Col(c + 3), Row(ship));
        con::print_string_item(s.M(side, ship));
        con::color(6);
        con::locate(Col(c + 17), Row(ship));
        con::print_using_start("####@##@##@##@###");
        con::print_using_single(s.A(side, ship, A_DISPLACEMENT));
        con::print_using_string(" ");
        con::print_using_single(s.B(side, B_TARGET, ship));
        con::print_using_string(label);
        con::print_using_single(s.A(side, ship, A_TARGET_RANGE));
        con::print_using_string("Km ");
        con::print_using_double(percent);
        con::print_using_string(" ");
        con::print_using_double(salvoes);
        con::print_using_end(false);
        return;
    }
    const int col = c + (ship >= 24 ? 20 : 0), row = ship >= 24 ? ship - 23 : ship;
    con::color(7);
    con::locate(Col(col), Row(row));
    con::print_using_start("##");
    con::print_using_double(ship);
    con::print_using_end(false);
    con::color(6);
    con::locate(Col(col + 3), Row(row));
    con::print_using_start("##@");
    con::print_using_single(s.B(side, B_TARGET, ship));
    con::print_using_string(label);
    con::print_using_end(false);
    con::locate(Col(col + 8), Row(row));
    con::print_using_start("##@##@###");
    con::print_using_single(s.A(side, ship, A_TARGET_RANGE));
    con::print_using_string("  ");
    con::print_using_double(percent);
    con::print_using_string(" ");
    con::print_using_double(salvoes);
    con::print_using_end(false);
}

}  // namespace

float ranging_factor(float count, real base) {
    float K = 1;
    for (int n = 1; n <= count; ++n) {
        K = store(L(K) * base);
        if (K > 99) break;
    }
    return K;
}

void work_out_hit_rate(Kelmat& s, int side, int ship, float K, float shells, float mode) {
    const int e = 1 - side;
    const float t = s.B(side, B_TARGET, ship);
    const real R = s.A(side, ship, A_TARGET_RANGE);
    const real c2 = s.B(e, B_AIMED_AT, t);
    float& hit = s.HIT(side, ship);
    hit = store(L(s.HT(HT_HIT_VALUE + side)) * hit_range_factor(store(R)) * L(K));
    if (hit > 10000) hit = 10000;
    const float w = store(std::min<real>(R * R / 500, 3));
    const real own = s.HC(HC_EVASION + side), theirs = s.HC(HC_EVASION + e);
    const real b = theirs == 1 ? 1 : std::max<real>(7 - c2, 2);
    const real a = own == 5 ? 5 : own == 1 ? 1 : 2;
    const float E = store(own * a + theirs * b);
    const float P = store(std::min<real>(L(s.A(e, t, A_SPEED)) * w * E / 20, 95));
    hit = store(L(hit) * (5 * L(s.A(side, ship, A_DISPLACEMENT)) / L(s.A(side, ship, A_START_DURABILITY)) + 5) / 10 *
                (100 - L(P)) / 100 * (L(shells) + 8) / 20);
    hit = store(L(hit) * (275 + L(s.A(e, t, A_START_SPEED))) / 300 * (L(s.A(e, t, A_START_DURABILITY)) / 10 + 265) / 300);
    if (mode == 2) hit = store(L(hit) * L(0.7f));
    if (hit > 9999) hit = 9999;
    if (hit < 0) hit = 0;
}

FireLine aim_salvo(Kelmat& s, Battle& b, int side, int ship) {
    const int e = 1 - side;
    const float t = s.B(side, B_TARGET, ship);
    // The last unit of ammunition goes as one alternating shot; the side keeps its mode.
    const float mode = s.B(side, B_AMMUNITION, ship) == 1 ? 2.0f : s.HC(HC_FIRE_MODE + side);
    float& ammunition = s.B(side, B_AMMUNITION, ship);
    ammunition = store(std::max<real>(L(ammunition) + L(mode) - 3, 0));
    s.B(side, B_FIRINGS, ship) = store(L(s.B(side, B_FIRINGS, ship)) + 1);
    FireLine line;
    if (s.TT(TT_SHOW_MAP) == 0) {
        line.sector = side == 0 ? 2.0f : 4.0f;
        s.A(side, ship, A_TARGET_RANGE) = b.range_km;
    } else {
        line.sector = static_cast<float>(
            bearing_sector(s.QM(side, ship, QM_COURSE), L(s.QM(e, t, QM_X)) - L(s.QM(side, ship, QM_X)),
                           L(s.QM(e, t, QM_Y)) - L(s.QM(side, ship, QM_Y))));
    }
    real shells = guns_bearing(s, side, ship, static_cast<int>(line.sector));
    s.A(side, ship, A_SECTOR) = line.sector;
    if (mode == 2) shells = con::int_floor((shells + 1) / 2);
    line.shells = store(shells);
    s.A(side, ship, A_SHELLS) = line.shells;
    const float K = range_salvo(s, side, ship, s.A(side, ship, A_TARGET_RANGE));
    work_out_hit_rate(s, side, ship, K, line.shells, mode);
    return line;
}

void fire_control(Kelmat& s, Battle& b) {
    bool cleared = false;
    for (int side = 0; side <= 1; ++side) {
        if (!due_to_fire(s, b, side)) continue;
        con::wait_ticks(s.TT(TT_DISPLAY_TIME));
        if (!cleared) print_header(b);
        cleared = true;
        for (int ship = 1; ship <= b.larger_count; ++ship) {
            if (s.B(side, B_TARGET, ship) >= 1) print_fire_line(s, b, side, ship, aim_salvo(s, b, side, ship));
            if (s.A(side, ship, A_DISPLACEMENT) > 0 && s.B(side, B_AMMUNITION, ship) < 1 && b.count[side] <= 23) {
                con::locate(Col(side * 40 + 30), Row(ship));
                con::print_string_item("残弾なし");
            }
        }
    }
}

}  // namespace kelmat
