// kelmat95: the end of a battle step - turret and engine-room damage, the status table of
// both fleets, the end test - and the result screen.
#include "gunnery/battle.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

// Black for an empty place, red when sunk, magenta when damaged, yellow when whole.
int status_colour(const Kelmat& s, int side, int ship) {
    if (s.A(side, ship, A_START_DURABILITY) == 0) return 0;
    if (s.A(side, ship, A_DISPLACEMENT) == 0) return 2;
    if (s.A(side, ship, A_DISPLACEMENT) < s.A(side, ship, A_START_DURABILITY)) return 3;
    return 6;
}

void durability_pair(const Kelmat& s, int side, int ship, const char* between) {
    con::print_using_start("####@####");
    con::print_using_single(s.A(side, ship, A_DISPLACEMENT));
    con::print_using_string(between);
    con::print_using_single(s.A(side, ship, A_START_DURABILITY));
    con::print_using_end(false);
}

void status_line(const Kelmat& s, const Battle& b, int side, int ship) {
    const int c = side * 40;
    const int k = status_colour(s, side, ship);
    if (b.larger_count <= 23) {
        con::color(k);
        con::locate(Col(c + 3), Row(ship));
        con::print_string_item(s.M(side, ship));
        con::locate(Col(c + 18), Row(ship));
        durability_pair(s, side, ship, " /");
        con::locate(Col(c + 29), Row(ship));
        con::print_single_item(s.A(side, ship, A_TURRETS));
        con::print_single_item(s.A(side, ship, A_SPEED));
        con::print_single_item(s.A(side, ship, A_GUN_RANGE));
        return;
    }
    const int col = c + (ship >= 24 ? 20 : 0), row = ship >= 24 ? ship - 23 : ship;
    con::color(7);
    con::locate(Col(col), Row(row));
    con::print_using_start("##@");
    con::print_using_double(ship);
    con::print_using_string("   ");
    con::print_using_end(false);
    con::color(k);
    con::locate(Col(col + 5), Row(row));
    durability_pair(s, side, ship, " / ");
}

}  // namespace

void apply_step_damage(Kelmat& s, const Battle& b) {
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.larger_count; ++ship) {
            const real dm = s.DM(side, ship);
            const real engines = con::int_floor(dm / 100);
            if (engines > 0) {
                const real left = L(s.A(side, ship, A_SPEED)) - engines * (3 + con::int_floor(L(con::rnd()) * 4));
                s.A(side, ship, A_SPEED) = left < 0 ? 0.0f : store(left);
            }
            const real turrets = con::mod(dm, 100);
            for (int n = 1; n <= turrets; ++n) {
                const real p = con::int_floor(L(con::rnd()) * L(s.L(s.A(side, ship, A_LAYOUT), 0))) + 1;
                if (s.Q(side, ship, p) == 1) s.A(side, ship, A_TURRETS) = store(L(s.A(side, ship, A_TURRETS)) - 1);
                s.Q(side, ship, p) = 0;
            }
            s.DM(side, ship) = 0;
        }
}

void show_status_table(Kelmat& s, const Battle& b) {
    con::color(6);
    if (b.larger_count > 23) {
        con::locate(Col(7), Row(0));
        con::print_string_item("耐久力  ");
    } else {
        con::locate(Col(19), Row(0));
        con::print_string_item("耐久力  砲塔 速力 射程");
    }
    con::locate(Col(45), Row(0));
    con::print_string_item("距離は");
    con::print_single_item(b.range_km);
    con::print_string_item("Kmです");
    for (int ship = 1; ship <= b.larger_count; ++ship)
        for (int side = 0; side <= 1; ++side)
            if (ship <= b.count[side]) status_line(s, b, side, ship);
}

bool battle_goes_on(const Kelmat& s, const Battle& b) {
    bool spent = true;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship)
            if (L(s.A(side, ship, A_DISPLACEMENT)) * L(s.A(side, ship, A_TURRETS)) > 0 &&
                L(s.B(side, B_FIRINGS, ship)) < firing_limit(s, side))
                spent = false;
    return b.afloat[0] > 0 && b.afloat[1] > 0 && !spent && b.range < 80000;
}

void show_results(Kelmat& s, const Battle& b) {
    if (b.larger_count <= 23) {
        con::color(6);
        con::locate(Col(19), Row(0));
        con::print_string_item("耐久力  砲塔 速力 命中数");
        for (int side = 0; side <= 1; ++side)
            for (int ship = 1; ship <= b.larger_count; ++ship) {
                if (ship > b.count[side]) continue;
                con::color(7);
                con::locate(Col(side * 40), Row(ship));
                con::print_using_start("##");
                con::print_using_double(ship);
                con::print_using_end(false);
                con::locate(Col(side * 40 + 3), Row(ship));
                con::print_string_item(s.M(side, ship));
                con::color(6);
                con::locate(Col(side * 40 + 36), Row(ship));
                con::print_using_start("###");
                con::print_using_single(s.A(side, ship, A_HITS_TAKEN));
                con::print_using_end(false);
            }
    }
    con::locate(Col(45), Row(0));
    con::print_string_item(con::space_string(33));
    std::string key;
    hit_any_key(key, {45, 0, 4, "Hit Any Key"});
}

}  // namespace kelmat
