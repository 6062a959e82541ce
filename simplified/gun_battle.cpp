// MORVA95S: BS, one gun sub-turn of 3 minutes between the operating fleet's battleship line
// and the Allied line facing it: the range and the lines' closing rates, the target choice,
// both lines' fire by dice (hit, location, armour and damage), the damage applied at once, the
// status board, the player's order to close, open or hold, and the lines' move.
#include <cmath>
#include <vector>

#include "campaign/battle_board.h"
#include "campaign/dialogue.h"
#include "campaign/gun_battle_order.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

using morva::HitZone;
using morva::Shot;

long line_count(const State& st, int s, float f) { return con::round_half_away(L(st.BB(s, f))); }

float ship_in_slot(const State& st, int s, float f, long k) { return st.G(s, f, k); }

/// The two lines of the fleet in operation, for the battle board.
auto battle_lines(State& st, float f) {
    return morva::BattleLines{st.A, st.MM, [&st, f](int s) { return line_count(st, s, f); },
                              [&st, f](int s, long k) { return ship_in_slot(st, s, f, k); }};
}

bool ship_afloat(const State& st, int s, float ship) { return L(st.A(s, ship, A_DURABILITY)) > 0; }

/// The closing of a line in this gun sub-turn, in fleet-distance units.
con::real line_closing(const State& st, int s, int rate) { return con::int_floor(L(st.S(s)) * L(st.MV(rate)) / 10); }

/// The pause of a gun sub-turn: timed, or "Hit Any Key" on row 23.
void battle_key(State& st) { morva::hit_any_key(st.DIALOGUE_KEY, {35, 23, 4, "Hit Any Key"}, true); }

/// A line's closing rate moves by 2 toward the range `holds` gun-battle steps, within -10..10.
void steer(float& rate, con::real r, con::real holds) {
    con::real v = L(rate) + (r < holds ? -2 : 2);
    if (v > 10) v = 10;
    if (v < -10) v = -10;
    rate = con::store(v);
}

/// Whether a kept target slot t still names an afloat ship of the enemy line. A slot kept from
/// an earlier battle against a longer line counts as no target: no damage lands outside the line.
bool keeps_target(const State& st, int s, float f, float t) {
    const int o = 1 - s;
    return L(t) > 0 && L(t) <= L(st.BB(o, f)) && ship_afloat(st, o, ship_in_slot(st, o, f, con::round_half_away(L(t))));
}

/// The search for a new target from the pointer p; 0 when it finds none, which the counts of
/// ships afloat rule out.
long search_target(const State& st, int s, float f, long& p, bool spreading) {
    const int o = 1 - s;
    const long n = line_count(st, o, f);
    if (!spreading) p = 0;
    for (long tries = 0; tries <= 2 * (n + 1); ++tries) {
        if (spreading && p < n && ship_afloat(st, o, ship_in_slot(st, o, f, p + 1))) return ++p;
        if (p > 0 && ship_afloat(st, o, ship_in_slot(st, o, f, p)) &&
            L(st.B(o, B_NEW_SHOOTERS, ship_in_slot(st, o, f, p))) < L(st.HT(s)))
            return p;
        if (++p > n) p = 0;
    }
    return 0;
}

/// Step 10: every ship of both lines keeps or chooses its target, the Japanese line first. A
/// side spreads its fire when it outnumbers the enemy by more than HT, else concentrates it.
void choose_targets(State& st, float f, con::real r) {
    for (int s : {JAPANESE, ALLIED}) {
        const int o = 1 - s;
        st.HT(s) = con::store(con::int_floor(L(st.BB(o, f)) / L(st.BB(s, f))));
        const bool spreading = L(st.N(s)) / L(st.N(o)) > L(st.HT(s));
        long p = 0;
        for (long k = 1; k <= line_count(st, s, f); ++k) {
            const float ship = ship_in_slot(st, s, f, k);
            float& target = st.B(s, B_TARGET, ship);
            if (L(st.A(s, ship, A_DURABILITY)) < 1 || L(st.A(s, ship, A_GUN_RANGE)) < r) {
                target = 0;
                continue;
            }
            if (keeps_target(st, s, f, target)) continue;
            target = static_cast<float>(search_target(st, s, f, p, spreading));
            if (target == 0) continue;
            float& shooters = st.B(o, B_NEW_SHOOTERS, ship_in_slot(st, o, f, p));
            shooters = con::store(L(shooters) + 1);
        }
    }
}

/// The damage of a hit that does not penetrate: 1 point on a damage roll above 24 - attack.
con::real light_damage(con::real attack, con::real roll) { return roll > 24 - attack ? 1 : 0; }

/// One ship's shot at the ship in slot t of the other line; the damage goes into DM.
Shot fire_one(State& st, int s, float ship, long t, con::real r) {
    const int o = 1 - s;
    const float target = ship_in_slot(st, o, st.TT(TT_FLEET), t);
    Shot shot{s, t};
    const con::real p = L(st.A(s, ship, A_DURABILITY)) < L(st.A(s, ship, A_FULL_DURABILITY)) / 2 ? 1 : 0;
    const con::real h1 = six_sided_die(), h2 = six_sided_die();
    if (h1 + h2 + 2 - s - p < r) return shot;
    shot.hit = true;
    const con::real l1 = six_sided_die(), l2 = six_sided_die();
    const con::real d1 = six_sided_die(), d2 = six_sided_die();
    const con::real location = l1 + l2, roll = d1 + d2;
    const con::real attack = L(st.A(s, ship, A_ATTACK));
    con::real damage = light_damage(attack, roll);
    if (location >= 6 && location <= r) {
        shot.zone = HitZone::Deck;
        shot.penetrated = attack + r - 16 >= L(st.A(o, target, A_DECK));
    } else if (location >= 6) {
        shot.zone = HitZone::Belt;
        shot.penetrated = attack - r >= L(st.A(o, target, A_BELT));
        if (!shot.penetrated) {
            const con::real glancing = L(con::rnd()) * 10;
            if (!(glancing > 7)) damage = 0;  // 3 chances in 10 of the light damage
        }
    }
    if (shot.penetrated) {
        const con::real d = 11 - attack / 2;
        damage = con::int_floor((roll + d) / d);
    }
    st.DM(o, t) = con::store(L(st.DM(o, t)) + damage);
    return shot;
}

/// Step 12: both lines fire, the Japanese first, each in slot order; nothing is applied yet.
std::vector<Shot> fire_lines(State& st, float f, con::real r) {
    std::vector<Shot> shots;
    for (int s : {JAPANESE, ALLIED}) {
        for (long k = 1; k <= line_count(st, s, f); ++k) {
            const float ship = ship_in_slot(st, s, f, k);
            const long t = con::round_half_away(L(st.B(s, B_TARGET, ship)));
            if (t < 1) continue;
            shots.push_back(fire_one(st, s, ship, t, r));
        }
    }
    return shots;
}

/// Step 4: the range on row 1, in yellow.
void show_range(con::real r) {
    con::color(6);
    con::locate(con::Col(44), con::Row(1));
    con::print_string_item("距離は ");
    con::print_number_item(r);
    con::print_string_item(" 砲戦距離です");
    con::print_end();
}

/// Step 7: how far each line closes in this gun sub-turn, at the ends of row 1.
void show_closing(const State& st) {
    con::locate(con::Col(1), con::Row(1));
    con::print_string_item("速度 ");
    con::print_number_item(line_closing(st, JAPANESE, MV_OWN));
    con::print_end();
    con::locate(con::Col(72), con::Row(1));
    con::print_number_item(line_closing(st, ALLIED, MV_ALLIED));
    con::print_end();
}

/// Steps 3-16 of a gun sub-turn in which both lines have a battleship afloat.
void fought_sub_turn(State& st, float f) {
    const con::real r = con::int_floor(L(st.TT(TT_FLEET_DISTANCE)) / 10);
    con::clear_screen(0);
    HINITI(st);
    show_range(r);
    steer(st.MV(MV_ALLIED), r, 10);
    if (!(st.TT(TT_OWN_ORDERS) > 0)) steer(st.MV(MV_OWN), r, 11);
    show_closing(st);
    auto lines = battle_lines(st, f);
    morva::show_battle_lines(lines);
    con::wait_ticks(con::int_floor(L(st.TT(TT_WAIT)) / 3));
    choose_targets(st, f, r);
    morva::show_battle_targets(lines, [&st](int s, float ship) { return st.B(s, B_TARGET, ship); });
    morva::show_shots(fire_lines(st, f, r));
    if (st.TT(TT_COMMENT_KEY) == 0)
        con::wait_ticks(L(st.TT(TT_WAIT)));
    else
        battle_key(st);
    morva::apply_battle_damage(lines, st.DM);
    morva::show_battle_status(lines, A_GUN_RANGE, A_SPEED);
    if (st.TT(TT_OWN_ORDERS) == 0 && st.TT(TT_COMMENT_KEY) == 0) {
        con::wait_ticks(L(st.TT(TT_WAIT)));
        return;
    }
    battle_key(st);
    if (st.TT(TT_OWN_ORDERS) == 0) return;
    morva::ask_line_order(st.MV(MV_OWN), st.S(0));
}

/// Step 19: the lines move; a closing beyond the range carries them past each other.
void move_lines(State& st) {
    const con::real c = con::int_floor((L(st.S(0)) * L(st.MV(MV_OWN)) + L(st.S(1)) * L(st.MV(MV_ALLIED))) / 10);
    st.TT(TT_FLEET_DISTANCE) = con::store(std::fabs(L(st.TT(TT_FLEET_DISTANCE)) - c));
    for (int s : {JAPANESE, ALLIED})
        for (int ship = 1; ship <= kShipRows; ++ship) st.B(s, B_NEW_SHOOTERS, ship) = 0;
}

}  // namespace

void BS(State& st) {
    const float f = st.TT(TT_FLEET);
    const bool line_gone = L(st.N(0)) < 1 || L(st.N(1)) < 1;
    if (line_gone && st.TT(TT_SCENARIO) == 7) morva::show_battle_status(battle_lines(st, f), A_GUN_RANGE, A_SPEED);
    if (!line_gone) fought_sub_turn(st, f);
    move_lines(st);
}

}  // namespace morva95s
