// kelmat95: the battle's target choice - the fire opening, the automatic search along the
// enemy line, the hand-directed prompt - and the bearing sectors it shows.
#include "gunnery/battle.h"

#include <cmath>

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

real afloat_ratio(const Battle& b, int side) { return L(b.afloat[side]) / L(b.afloat[1 - side]); }

// Field 18 of ship i: the range to enemy ship j, the step's range without the map.
float range_to(Kelmat& s, const Battle& b, int side, int ship, float enemy) {
    if (s.TT(TT_SHOW_MAP) != 1) return b.range_km;
    const int e = 1 - side;
    return whole_km(L(s.QM(e, enemy, QM_X)) - L(s.QM(side, ship, QM_X)),
                    L(s.QM(e, enemy, QM_Y)) - L(s.QM(side, ship, QM_Y)));
}

// The sector of enemy ship j from ship i: fixed without the map (BLUE starboard, RED port).
int sector_of(Kelmat& s, int side, int ship, float enemy) {
    if (s.TT(TT_SHOW_MAP) != 1) return side == 0 ? 2 : 4;
    const int e = 1 - side;
    return bearing_sector(s.QM(side, ship, QM_COURSE), L(s.QM(e, enemy, QM_X)) - L(s.QM(side, ship, QM_X)),
                          L(s.QM(e, enemy, QM_Y)) - L(s.QM(side, ship, QM_Y)));
}

void pass_header(const Battle& b, int side) {
    if (b.mode != 3 && b.mode != 4) return;
    if (side == 0) {
        con::locate(Col(0), Row(0));
        con::print_string_item(con::space_string(79));
        con::locate(Col(0), Row(0));
        con::color(5);
        con::print_string_item("BLUE  ");
        return;
    }
    for (int row = 0; row <= 23; ++row) {
        con::locate(Col(40), Row(row));
        con::print_string_item(con::space_string(39));
    }
    if (b.mode == 4) {
        con::locate(Col(0), Row(0));
        con::color(3);
        con::print_string_item("RED   ");
    }
}

// M1: the enemy ships afloat with their durability, sector and range (or out of range).
// Returns whether any lies within gun range.
bool list_enemy_ships(Kelmat& s, const Battle& b, int side, int ship) {
    const int e = 1 - side;
    bool listed = false;
    con::color(6);
    for (int j = 1; j <= b.count[e]; ++j) {
        if (s.A(e, j, A_DISPLACEMENT) < 1) continue;
        const int column = (side == 0 ? 40 : 0) + (j >= 24 ? 20 : 0);
        const int row = j - 23 * (j / 24);
        const float range = range_to(s, b, side, ship, static_cast<float>(j));
        s.A(side, ship, A_TARGET_RANGE) = range;
        con::locate(Col(column), Row(row));
        con::print_using_start("##");
        con::print_using_double(j);
        con::print_using_end(false);
        con::locate(Col(column + 3), Row(row));
        if (s.TT(TT_SHOW_MAP) == 1 && range > s.A(side, ship, A_GUN_RANGE)) {
            con::print_string_item("射程外         ");
            continue;
        }
        listed = true;
        con::print_using_start("####@##@");
        con::print_using_single(s.A(e, j, A_DISPLACEMENT));
        con::print_using_string(sector_label(sector_of(s, side, ship, static_cast<float>(j))));
        con::print_using_single(range);
        con::print_using_string("Km ");
        con::print_using_end(false);
    }
    return listed;
}

// M4-M9: the prompt until a target is accepted (>0), declined (0) or handed over (-1).
real ask_target(Kelmat& s, const Battle& b, int side, int ship) {
    const int e = 1 - side;
    for (;;) {
        con::locate(Col(19), Row(0));
        con::color(6);
        con::print_using_start("@##@###@");
        con::print_using_string("目標は ? (前回は ");
        con::print_using_single(s.B(side, B_TARGET, ship));
        con::print_using_string("  命中率 ");
        con::print_using_double(con::int_floor(L(s.HIT(side, ship)) / 100));
        con::print_using_string(" %)         (A Keyで自動選択)");
        con::print_using_end(false);
        con::locate(Col(55), Row(0));
        con::input_prompt(" ");
        std::string answer;
        con::input_vars(answer);
        if (answer == "A" || answer == "a") return -1;
        const real t = answer.empty() ? L(s.B(side, B_TARGET, ship)) : con::val(answer);
        if (t == 0) return 0;
        // A fraction names no ship: it is refused like a number out of range.
        if (t != con::int_floor(t) || t < 1 || t > b.count[e]) continue;
        if (s.A(e, static_cast<long>(t), A_DISPLACEMENT) < 1) continue;
        s.A(side, ship, A_TARGET_RANGE) = range_to(s, b, side, ship, store(t));
        if (s.A(side, ship, A_TARGET_RANGE) <= s.A(side, ship, A_GUN_RANGE)) return t;
    }
}

void choose_by_hand(Kelmat& s, Battle& b, int side, int ship, float p0, float& found) {
    const int e = 1 - side;
    if (!list_enemy_ships(s, b, side, ship)) {
        s.B(side, B_TARGET, ship) = 0;
        return;
    }
    if (p0 == 0 || s.A(e, p0, A_DISPLACEMENT) < 1) s.B(side, B_TARGET, ship) = 0;
    const real t = ask_target(s, b, side, ship);
    if (t < 0) {
        choose_target_automatically(s, b, side, ship, p0, found);
        return;
    }
    s.B(side, B_TARGET, ship) = store(t);
    if (t == 0) return;
    record_target(s, b, side, ship, store(t), p0);
}

// T1-T6: one ship's turn of the pass.
void ship_turn(Kelmat& s, Battle& b, int side, int ship, float& found) {
    float& target = s.B(side, B_TARGET, ship);
    if (s.A(side, ship, A_DISPLACEMENT) < 1 || s.A(side, ship, A_TURRETS) < 1 || s.B(side, B_AMMUNITION, ship) < 1) {
        target = 0;
        return;
    }
    const bool by_hand = fired_by_hand(b.mode, side);
    if (by_hand) {
        con::locate(Col(6), Row(0));
        con::color(6);
        con::print_using_start("##@");
        con::print_using_double(ship);
        con::print_using_string(" 番艦の射撃");
        con::print_using_end(false);
        con::locate(Col(19), Row(0));
        con::print_string_item(con::space_string(60));
    }
    if (s.A(side, ship, A_DISPLACEMENT) > 0 && b.leading_firings[side] == 0)
        b.leading_firings[side] = s.B(side, B_FIRINGS, ship);
    if ((s.TT(TT_SHOW_MAP) == 0 && b.range_km > s.A(side, ship, A_GUN_RANGE)) ||
        L(s.B(side, B_FIRINGS, ship)) > firing_limit(s, side) - 1) {
        target = 0;
        return;
    }
    const float p0 = target;
    if (by_hand)
        choose_by_hand(s, b, side, ship, p0, found);
    else
        choose_target_automatically(s, b, side, ship, p0, found);
}

}  // namespace

float whole_km(real dx, real dy) { return store(con::int_floor((std::sqrt(dx * dx + dy * dy) + 500) / 1000)); }

const char* sector_label(int sector) {
    static const char* const kLabels[] = {"", " 前方", " 右舷", " 後方", " 左舷"};
    return (sector >= 1 && sector <= 4) ? kLabels[sector] : "";
}

int bearing_sector(float course, real dx, real dy) {
    const real c = course;
    if (c == 5) return (dx >= 0 && dy >= 0) ? 1 : (dx <= 0 && dy <= 0) ? 3 : (dx > 0 ? 2 : 4);
    if (c == -5) return (dx <= 0 && dy >= 0) ? 1 : (dx >= 0 && dy <= 0) ? 3 : (dx > 0 ? 2 : 4);
    if (c == 15) return (dx >= 0 && dy <= 0) ? 1 : (dx <= 0 && dy >= 0) ? 3 : (dx < 0 ? 2 : 4);
    if (c == -15) return (dx <= 0 && dy <= 0) ? 1 : (dx >= 0 && dy >= 0) ? 3 : (dx < 0 ? 2 : 4);
    const real q = c + 15;
    const int h = (q > 0 && q < 10) ? 4 : (q > 10 && q < 20) ? 1 : (q > 20 && q < 30) ? 2 : 3;
    const real a1 = dx * std::tan(L(kCoursePi) * (5 - c) / 20);
    const real a2 = dx * std::tan(L(kCoursePi) * (15 - c) / 20);
    int v;
    if (a1 <= dy && a2 <= dy)
        v = 6 - h;
    else if (a1 >= dy && a2 >= dy)
        v = 4 - h;
    else if (a1 <= dy && a2 >= dy)
        v = h - 1;
    else
        v = h + 1;
    return (v + 3) % 4 + 1;
}

void record_target(Kelmat& s, Battle& b, int side, int ship, float t, float p0) {
    const int e = 1 - side;
    b.target_chosen = 1;
    s.B(e, B_AIMED_AT, t) = store(L(s.B(e, B_AIMED_AT, t)) + 1);
    s.B(e, B_CHOSEN_BY, t) = store(L(s.B(e, B_CHOSEN_BY, t)) + 1);
    s.B(side, B_RANGING, ship) =
        store(con::int_floor(L(s.B(side, B_RANGING, ship)) / (2 * std::fabs(L(t) - L(p0)) + 1)));
}

void choose_target_automatically(Kelmat& s, Battle& b, int side, int ship, float p0, float& found) {
    const int e = 1 - side;
    const real K = s.HT(HT_CONCENTRATION + side), q = afloat_ratio(b, side), R = b.range_km;
    const real n = b.count[e];
    float& c = b.candidate[side];
    enum class At { A3, A4, A5, A6 } at = At::A3;
    int wraps = 0;
    if (p0 > 0 && s.A(e, p0, A_DISPLACEMENT) > 0 &&
        ((60 - R) * 100 < L(s.HIT(side, ship)) || L(s.B(e, B_CHOSEN_BY, p0)) < K)) {
        c = p0;
        at = At::A6;
    } else if (K >= q) {
        c = 0;
    }
    for (;;) {
        switch (at) {
        case At::A3:
            if (c < n && K < q && s.A(e, store(L(c) + 1), A_DISPLACEMENT) > 0) {
                c = store(L(c) + 1);
                at = At::A6;
            } else {
                at = At::A4;
            }
            break;
        case At::A4:
            at = (c >= 1 && c <= n && s.A(e, c, A_DISPLACEMENT) > 0 && L(s.B(e, B_AIMED_AT, c)) < K) ? At::A6 : At::A5;
            break;
        case At::A5:
            c = store(L(c) + 1);
            at = At::A3;
            if (c > n) {
                c = 0;
                ++wraps;
                if (!(wraps < 4 && found == 1)) at = At::A6;
            }
            break;
        case At::A6:
            s.B(side, B_TARGET, ship) = c;
            if (c == 0) return;
            s.A(side, ship, A_TARGET_RANGE) = range_to(s, b, side, ship, c);
            if (s.A(side, ship, A_TARGET_RANGE) > s.A(side, ship, A_GUN_RANGE)) {
                at = At::A5;
                break;
            }
            found = 1;
            record_target(s, b, side, ship, c, p0);
            return;
        }
    }
}

void target_pass(Kelmat& s, Battle& b, int side) {
    if (b.fire_opened[side] == 0 && b.range_km > s.HC(HC_OPEN_RANGE + side)) return;
    b.fire_opened[side] = 1;
    if (!due_to_fire(s, b, side)) return;
    pass_header(b, side);
    b.leading_firings[side] = 0;
    float found = 0;
    for (int ship = 1; ship <= b.count[side]; ++ship) ship_turn(s, b, side, ship, found);
}

}  // namespace kelmat
