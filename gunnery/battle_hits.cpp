// kelmat95: the battle's salvoes - each shell's hit, the armour it strikes, penetration and
// what it destroys, the durability lost - worked out apart from the salvo screen that shows them.
#include "gunnery/battle.h"

#include <cmath>

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

real draw() { return L(con::rnd()); }

// The damage-control value of side k for ship i of that side, scaled by its displacement ratio
// when the side chose so.
real damage_control(const Kelmat& s, int k, int ship) {
    const real dc = s.DC(DC_VALUE + k);
    return s.DC(DC_SCALED + k) == 1 ? dc * L(s.A(k, ship, A_RATIO)) / 100 : dc;
}

// The 20 % chance of a thinner plate where the shell strikes.
real spread(real T) {
    if (draw() * 10 > 8) T = store(T * (L(9.5f) - draw() * 2) / 10);
    return T;
}

// Belt: whether the shell penetrates at R km.
bool belt_penetrated(Kelmat& s, int side, int ship, int e, float t, real R) {
    const real course = s.MV(MV_COURSE + e);
    real T = store(L(s.A(e, t, A_BELT)) * 3 * (std::fabs(course) + 40) / 100);
    s.TT(TT_GUN_TYPE) = s.A(side, ship, A_GUN_TYPE);
    CALC1(s);
    T = spread(T);
    const real p = store(-L(s.TT(TT_COEF_B)) * R / 10 + L(s.TT(TT_COEF_A)) * R * R / 486 + L(s.TT(TT_COEF_C)));
    return T < p;
}

// Deck: whether the shell penetrates; a shell that does not adds its extra damage to d.
bool deck_penetrated(Kelmat& s, int side, int ship, int e, float t, real R, real& d) {
    real T = store(L(s.A(e, t, A_DECK)) * L(1.2f));
    s.TT(TT_GUN_TYPE) = s.A(side, ship, A_GUN_TYPE);
    CALC2(s);
    T = spread(T);
    const real f1 = con::int_floor(draw() * 10), f2 = con::int_floor(draw() * 10), f3 = con::int_floor(draw() * 10);
    T = store(T * (f1 + f2 + f3 + 85) / 100);
    const real p = store(R * L(s.TT(TT_COEF_A)) / 20 - L(s.TT(TT_COEF_B)));
    if (T < p) return true;
    d = d + 1 + con::int_floor(draw() * 2);
    return false;
}

// A penetrating shell: the engine room, a turret or the magazine. Returns false when the
// magazine blew up (no durability step follows).
bool penetrating_hit(Kelmat& s, int side, int ship, int e, float t, real H, real& d, std::vector<SalvoEvent>& out) {
    out.push_back({SalvoEvent::Penetration, e, static_cast<int>(t)});
    const real dc = damage_control(s, side, ship);  // the firing side's value, kept as it always was
    bool magazine = false;
    float& dm = s.DM(e, t);
    if (L(s.A(e, t, A_SPEED)) * 2 > H) {
        if (draw() * 100 > 25 - dc) {
            dm = store(L(dm) + 100);
            out.push_back({SalvoEvent::EngineRoom, e, static_cast<int>(t)});
        } else {
            magazine = true;
        }
    } else if (draw() * 100 < 65 - dc) {
        magazine = true;
    } else if (dm < 10) {
        dm = store(L(dm) + 1);
        out.push_back({SalvoEvent::Turret, e, static_cast<int>(t)});
    }
    if (magazine) {
        s.A(e, t, A_DISPLACEMENT) = 0;
        out.push_back({SalvoEvent::Magazine, e, static_cast<int>(t)});
        return false;
    }
    d = d + 10 + con::int_floor(draw() * 4);
    d = d + 1 + con::int_floor(draw() * 2);
    return true;
}

// One hit of ship i's salvo on target t at R km: armour, penetration and durability.
void resolve_hit(Kelmat& s, int side, int ship, float t, real R, std::vector<SalvoEvent>& out) {
    const int e = 1 - side;
    real d = 1;
    s.A(e, t, A_STEP_HITS) = store(L(s.A(e, t, A_STEP_HITS)) + 1);
    if (s.DM(e, t) <= 0 && s.A(e, t, A_DISPLACEMENT) >= 1) {
        out.push_back({SalvoEvent::Announce, e, static_cast<int>(t), s.A(e, t, A_STEP_HITS)});
        s.A(e, t, A_HITS_TAKEN) = store(L(s.A(e, t, A_HITS_TAKEN)) + 1);
    }
    // The armour gate reads the firing ship's layout and speed, as it always has.
    const real X = draw() * 200;
    const real gate = (L(s.L(s.A(side, ship, A_LAYOUT), 7)) - 4) * 3 + 70 + L(s.A(side, ship, A_SPEED)) * 2;
    if (X <= gate) {
        const real fall = s.A(side, ship, A_FALL_RANGE);
        const real H = con::int_floor(fall / 2);
        bool deck = false;
        if (fall != 0) {
            const real g = R > H ? 1 : -1;
            const real P = 420 * std::sqrt(std::fabs(R - H)) / fall * g * (L(s.A(e, t, A_SLOPED)) + 20) / 20 + 45;
            deck = draw() * 100 < P;
        }
        const bool through = deck ? deck_penetrated(s, side, ship, e, t, R, d) : belt_penetrated(s, side, ship, e, t, R);
        if (through && !penetrating_hit(s, side, ship, e, t, H, d, out)) return;
    }
    const real dct = damage_control(s, e, static_cast<int>(t));
    d = d + 2;
    const real left = L(s.A(e, t, A_DISPLACEMENT)) - con::int_floor(L(s.A(side, ship, A_SHELL_DAMAGE)) * d / (dct + 5));
    s.A(e, t, A_DISPLACEMENT) = left < 0 ? 0.0f : store(left);
}

// The salvo screen: clock, range and both ship lists.
void salvo_screen(Kelmat& s, const Battle& b) {
    show_clock_line(b);
    con::color(7);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship) {
            const int column = side * 40 + (ship >= 24 ? 20 : 0), row = ship >= 24 ? ship - 23 : ship;
            con::locate(Col(column), Row(row));
            con::print_using_start("##");
            con::print_using_double(ship);
            con::print_using_end(false);
            if (b.larger_count <= 23) {
                con::locate(Col(side * 40 + 3), Row(row));
                con::print_string_item(s.M(side, ship));
            }
        }
}

void print_event(const Battle& b, const SalvoEvent& ev) {
    const bool full = b.larger_count <= 23;
    const int base = ev.side * 40 + (!full && ev.ship >= 24 ? 20 : 0);
    const int row = !full && ev.ship >= 24 ? ev.ship - 23 : ev.ship;
    switch (ev.kind) {
    case SalvoEvent::Announce:
        con::locate(Col(base + (full ? 22 : 4)), Row(row));
        con::color(6);
        con::print_single_item(ev.hits);
        con::print_string_item("発命中");
        break;
    case SalvoEvent::Penetration:
        con::locate(Col(base + (full ? 28 : 15)), Row(row));
        con::color(3);
        con::print_string_item("貫通");
        break;
    default:
        if (!full) break;
        con::locate(Col(base + 22), Row(row));
        con::print_string_item(ev.kind == SalvoEvent::Turret ? "砲塔  " : ev.kind == SalvoEvent::Magazine ? "火薬庫" : "機関室");
        break;
    }
}

}  // namespace

std::vector<SalvoEvent> resolve_salvo(Kelmat& s, int side, int ship) {
    std::vector<SalvoEvent> out;
    const int e = 1 - side;
    const float t = s.B(side, B_TARGET, ship);
    const real R = whole_km(L(s.QM(e, t, QM_X)) - L(s.QM(side, ship, QM_X)), L(s.QM(e, t, QM_Y)) - L(s.QM(side, ship, QM_Y)));
    real q = store((((R * 3 - 230) * R / 40 + 110) / 100) * L(s.HT(HT_DISPERSION + side)) / 30);
    if (q < 0) q = 0;
    if (s.HC(HC_FIRE_MODE + side) == 2) q = store(q * L(0.7f));
    real f = 1;
    for (int n = 1; n <= s.A(side, ship, A_SHELLS); ++n) {
        if (n >= 2) f = store(f * q);
        if (draw() * 10000 <= L(s.HIT(side, ship)) * f) resolve_hit(s, side, ship, t, R, out);
    }
    return out;
}

void salvo_phase(Kelmat& s, Battle& b) {
    con::wait_ticks(s.TT(TT_DISPLAY_TIME));
    con::clear_screen(0);
    if (due_to_fire(s, b, 0) || due_to_fire(s, b, 1)) salvo_screen(s, b);
    for (int side = 0; side <= 1; ++side) {
        if (!due_to_fire(s, b, side)) continue;
        for (int ship = 1; ship <= b.larger_count; ++ship) {
            if (s.B(side, B_TARGET, ship) < 1 || s.A(side, ship, A_SHELLS) == 0) continue;
            for (const SalvoEvent& ev : resolve_salvo(s, side, ship)) print_event(b, ev);
        }
    }
    con::wait_ticks(s.TT(TT_DISPLAY_TIME));
}

}  // namespace kelmat
