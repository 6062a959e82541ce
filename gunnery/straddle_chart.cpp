// kelmat95: the chart of main-menu item 5 - the probability that a first salvo straddles
// its target, against range, one curve per hit value 6-50 (MEITYU). Computed from constants
// and the gun battle's range factor; it reads and writes nothing of the simulator.
#include "gunnery/dialogue.h"
#include "gunnery/range_factor.h"
#include "gunnery/straddle_chart.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

constexpr int kLastRangeKm = 44;

// The colour index 0-5 of a hit value: legend in text colour k + 1, curve in 2k + 3.
int hit_colour_index(int hit) { return (hit / 2) % 6; }

void show_frame() {
    con::clear_screen(0);
    con::color(6);
    for (int i = 0; i <= 21; ++i) {
        con::locate(Col(7 + 3 * i), Row(0));
        con::print_number_item(2 * i);
    }
    con::print_at(Col(73), Row(0), "km 距離");
    con::locate(Col(1), Row(23));
    con::color(5);
    con::print_string_item("命中値");
    con::color(7);
    con::print_at(Col(45), Row(6), "第一斉射の夾叉確率");
    con::print_at(Col(48), Row(8), "目標艦の排水量 35000 ton");
    con::print_at(Col(56), Row(9), "速度  20 kt");
    con::print_at(Col(48), Row(10), "射撃艦の主砲１０門の場合");
}

// Ten grey lines 10 % apart from 0 % at y 430; the labels 10 % to 90 % drawn in white just
// above their lines.
void draw_grid() {
    for (int j = 0; j <= 9; ++j) {
        const real y = 430 - 43 * static_cast<real>(j);
        con::draw_line(70, y, 602, y, 14);
        if (j > 0) con::draw_text(607, 421 - 43 * static_cast<real>(j), con::concat_strings(con::chr_string(48 + j), "0%"), 15);
    }
}

// The curve of one hit value: its legend entry at 0 km, then a segment per kilometre.
void draw_curve(int hit) {
    const int k = hit_colour_index(hit);
    float previous = 0;
    for (int r = 0; r <= kLastRangeKm; ++r) {
        const float p = straddle_percentage(hit, r);
        con::color(k + 1);
        if (r == 0) {
            con::locate(Col(3), Row(25 - hit / 2));
            con::print_single_item(static_cast<float>(hit));
        } else {
            con::draw_line(70 + 12 * static_cast<real>(r - 1), straddle_chart_y(previous), 70 + 12 * static_cast<real>(r),
                           straddle_chart_y(p), 2 * k + 3);
        }
        previous = p;
    }
}

}  // namespace

float straddle_percentage(int hit, int range_km) {
    // The factor is kept as a 4-byte value, as the chart always has.
    const float factor = con::store(hit_range_factor(static_cast<float>(range_km)));
    const float p = con::store(L(factor) * hit / 100);
    return con::store(L(p) * L(0.8f));
}

real straddle_chart_y(float percentage) { return 431 - L(4.3f) * L(percentage); }

void MEITYU(Kelmat&) {
    show_frame();
    draw_grid();
    // Nothing clamps a percentage above 100: such a curve starts above the plane.
    for (int hit = 6; hit <= 50; hit += 2) draw_curve(hit);
    std::string key;  // the key is not examined
    hit_any_key(key, {54, 15, 5, "Hit Any Key"});
}

}  // namespace kelmat
