// MORVA95F: the surface gun battle between the battleship lines: HYOJI2, the battle's opening
// words, and BS, one gun sub-turn of 3 minutes - the clock and range, the Allied manoeuvre, the
// target choice, both lines' fire with its hit, location, armour and damage rolls, the damage,
// and the player's order to close, open or hold the range.
#include <vector>

#include "campaign/battle_board.h"
#include "campaign/dialogue.h"
#include "campaign/gun_battle_order.h"
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using morva::HitZone;
using morva::Shot;

/// The ship in slot k of side s's line: the player's battleships, or the engaged Allied line.
float ship_in_slot(const State& st, int s, float f, long k) { return st.G(G_ENGAGED * s, f, k); }

long line_count(const State& st, int s, float f) { return con::round_half_away(st.BB(s, f)); }

/// The fleet's line and the engaged Allied line, for the battle board.
auto battle_lines(State& st, float f) {
    return morva::BattleLines{st.A, st.MX, [&st, f](int s) { return line_count(st, s, f); },
                              [&st, f](int s, long k) { return ship_in_slot(st, s, f, k); }};
}

bool still_afloat(const State& st, int s, float i) { return st.A(s, i, A_DURABILITY) > 0; }

/// A die of the battle: 0 to 5.
con::real die() { return con::int_floor(con::L(con::rnd()) * 6); }

/// The pause of the gun sub-turn: timed, or a key at the foot of the screen.
void battle_pause(State& st) {
    if (st.TT(TT_COMMENT_KEY) == 0) {
        MATU(st);
        return;
    }
    std::string key;  // taken and kept nowhere
    morva::hit_any_key(key, {35, 23, 4, "Hit Any Key"}, true);
}

/// Whether the kept target slot t of a ship of side s still names an afloat ship of the
/// current enemy line. A slot from an earlier battle may lie past the end of today's line.
bool keeps_target(const State& st, int s, float f, float t) {
    const int o = 1 - s;
    return t > 0 && t <= st.BB(o, f) && still_afloat(st, o, ship_in_slot(st, o, f, con::round_half_away(t)));
}

/// The search for a new target from the cursor t (see choose_targets); 0 when a whole round
/// of the line finds nothing, which the counts of ships able to fight rule out.
long search_target(const State& st, int s, float f, long& t) {
    const int o = 1 - s;
    const long n = line_count(st, o, f);
    const con::real limit = st.HT(s);
    const bool spreading = con::L(st.N(s)) / con::L(st.N(o)) > limit;
    if (!spreading) t = 0;
    for (long tries = 0; tries <= 2 * (n + 1); ++tries) {
        if (spreading && t < n && still_afloat(st, o, ship_in_slot(st, o, f, t + 1))) return ++t;
        if (t > 0 && still_afloat(st, o, ship_in_slot(st, o, f, t)) &&
            st.B(o, B_NEW_SHOOTERS, ship_in_slot(st, o, f, t)) < limit)
            return t;
        if (++t > n) t = 0;
    }
    return 0;
}

/// Every ship of both lines keeps or chooses its target. One cursor serves the whole gun
/// sub-turn: the Allied search goes on from where the Japanese one stopped.
void choose_targets(State& st, float f, con::real r) {
    long t = 0;
    for (int s = 0; s <= 1; ++s) {
        const int o = 1 - s;
        const long count = line_count(st, s, f);
        for (long k = 1; k <= count; ++k) {
            const float i = ship_in_slot(st, s, f, k);
            float& target = st.B(s, B_TARGET, i);
            if (st.A(s, i, A_DURABILITY) < 1 || st.A(s, i, A_GUN_RANGE) < r) {
                target = 0;
                continue;
            }
            if (keeps_target(st, s, f, target)) continue;
            st.HT(s) = con::store(con::int_floor(con::L(st.BB(o, f)) / con::L(st.BB(s, f))));
            target = static_cast<float>(search_target(st, s, f, t));
            if (target == 0) continue;
            float& shooters = st.B(o, B_NEW_SHOOTERS, ship_in_slot(st, o, f, target));
            shooters = con::store(con::L(shooters) + 1);
        }
    }
}

/// The light damage of a hit that does not penetrate: 1 point on a high damage roll.
con::real light_damage(con::real gun, con::real roll) { return roll > 24 - gun ? 1 : 0; }

/// One ship's fire at the ship j in slot t of the other line; adds the damage to DM.
Shot fire_one(State& st, int s, float i, long t, float j, con::real r) {
    const int o = 1 - s;
    Shot shot{s, t};
    const con::real d = st.A(s, i, A_DURABILITY) < con::L(st.A(s, i, A_FULL_DURABILITY)) / 2 ? 1 : 0;
    const con::real die1 = die(), die2 = die();
    if (die1 + die2 + 4 - s - d < r) return shot;
    shot.hit = true;
    const con::real l1 = die(), l2 = die();
    const con::real location = l1 + l2 + 2;
    const con::real d1 = die(), d2 = die();
    const con::real roll = d1 + d2 + 2;
    const con::real gun = st.A(s, i, A_GUN_POWER);
    con::real damage = 0;
    if (location < 6) {
        damage = light_damage(gun, roll);
    } else if (location <= r) {
        shot.zone = HitZone::Deck;
        shot.penetrated = gun + r - 16 >= st.A(o, j, A_DECK);
        if (!shot.penetrated) damage = light_damage(gun, roll);
    } else {
        shot.zone = HitZone::Belt;
        shot.penetrated = gun - r >= st.A(o, j, A_BELT);
        if (!shot.penetrated && con::L(con::rnd()) * 10 > 7) damage = light_damage(gun, roll);
    }
    if (shot.penetrated) {
        const con::real p = 11 - gun / 2;
        damage = con::int_floor((roll + p) / p);
    }
    st.DM(o, t) = con::store(con::L(st.DM(o, t)) + damage);
    return shot;
}

/// Both lines fire, the Japanese first, each in slot order; damage is summed in DM only.
std::vector<Shot> fire_lines(State& st, float f, con::real r) {
    std::vector<Shot> shots;
    for (int s = 0; s <= 1; ++s) {
        const long count = line_count(st, s, f);
        for (long k = 1; k <= count; ++k) {
            const float i = ship_in_slot(st, s, f, k);
            const long t = con::round_half_away(st.B(s, B_TARGET, i));
            if (t == 0) continue;
            shots.push_back(fire_one(st, s, i, t, ship_in_slot(st, 1 - s, f, t), r));
        }
    }
    return shots;
}

/// Row 0's battle clock over the header line: sub-turns above 20 belong to the hour before.
void show_clock(const State& st) {
    const con::real g = st.TT(TT_GUN_SUBTURN);
    con::real minutes = 60 - 3 * g;
    if (g > 20) {
        con::locate(con::Col(66), con::Row(0));
        con::print_number_item(con::L(st.TT(TT_SUBTURN)) + 2);
        con::print_string_item("時");
        con::print_end();
        minutes = 120 - 3 * g;
    }
    con::locate(con::Col(73), con::Row(0));
    con::print_number_item(minutes);
    con::print_string_item("分");
    con::print_end();
}

/// The closing speed of the Japanese line in knots.
con::real own_closing_speed(const State& st) {
    return con::int_floor(con::L(st.S(0)) * con::L(st.MV(MV_OWN_LINE)) / 10);
}

/// Row 1: the range in range steps and nautical miles, and the Japanese line's closing speed.
void show_range_and_speed(const State& st, con::real r) {
    con::locate(con::Col(44), con::Row(1));
    con::color(6);
    con::print_string_item("距離は ");
    con::print_number_item(r);
    con::print_string_item(" 砲戦距離 (");
    con::print_number_item(con::L(st.BF(BF_RANGE)) * 3 / 20);
    con::print_string_item("浬) です");
    con::print_end();
}

/// The Allied line closes from 8 range steps out and opens inside them.
void allied_manoeuvre(State& st, con::real r) {
    float& rate = st.MV(MV_ALLIED_LINE);
    rate = con::store(con::L(rate) + (r < 8 ? -2 : 2));
    if (rate > 10) rate = 10;
    if (rate < -10) rate = -10;
}

/// The range after the sub-turn: both lines' closing; a range through 0 comes out beyond it.
void change_range(State& st) {
    const con::real closing = (con::L(st.S(0)) * con::L(st.MV(MV_OWN_LINE)) +
                               con::L(st.S(S_ALLIED_LINE)) * con::L(st.MV(MV_ALLIED_LINE))) /
                              90;
    float& range = st.BF(BF_RANGE);
    range = con::store(std::abs(con::L(range) - con::int_floor(closing)));
    for (int s = 0; s <= 1; ++s)
        for (int i = 1; i <= kShipRows; ++i) st.B(s, B_NEW_SHOOTERS, i) = 0;
}

/// Steps 2-16 of a gun sub-turn in which both lines have a ship able to fight.
void fought_sub_turn(State& st, float f) {
    const con::real r = con::int_floor(con::L(st.BF(BF_RANGE)) / 10);
    con::clear_screen(0);
    HINITI(st);
    show_clock(st);
    show_range_and_speed(st, r);
    allied_manoeuvre(st, r);
    con::locate(con::Col(1), con::Row(1));
    con::print_string_item("速度 ");
    con::print_number_item(own_closing_speed(st));
    con::print_end();
    auto lines = battle_lines(st, f);
    morva::show_battle_lines(lines);
    battle_pause(st);
    choose_targets(st, f, r);
    morva::show_battle_targets(lines, [&st](int s, float i) { return st.B(s, B_TARGET, i); });
    morva::show_shots(fire_lines(st, f, r));
    battle_pause(st);
    morva::apply_battle_damage(lines, st.DM);
    morva::show_battle_status(lines, A_GUN_RANGE, A_SPEED);
    morva::ask_line_order(st.MV(MV_OWN_LINE), st.S(0));
}

}  // namespace

void HYOJI2(State& st) {
    con::clear_screen(0);
    con::color(6);
    con::print_at(con::Col(23), con::Row(8), "水平線上に敵艦隊のマスト発見 !!");
    con::print_end();
    con::print_at(con::Col(23), con::Row(11), "これより戦艦隊は艦隊砲戦に入る");
    con::print_end();
    con::print_at(con::Col(23), con::Row(14), "全艦単縦陣にて突撃せよ");
    con::print_end();
    MATU(st);
    MATU(st);
}

void BS(State& st) {
    const float f = st.TT(TT_FLEET);
    // A line with nothing able to fight makes a silent sub-turn: only the range changes.
    if (st.N(0) >= 1 && st.N(1) >= 1) fought_sub_turn(st, f);
    change_range(st);
}

}  // namespace morva95f
