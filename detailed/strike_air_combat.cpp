// MORVA95F: the air combat of the player's strikes with the Allied fighters that meet them at a
// base, in the harbour or at a task force: the interceptors' approach and their share over the
// strike (GE), the escorts' exchange with them, and their attack on the bombers. The rolls are
// made first, then the lines are shown; the blocks print in the colour in force.
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// The interceptors one escort fighter ties up, and the shots it fires.
constexpr real kINTERCEPTORS_PER_ESCORT = 3;

using con::add_to;

/// INT(RND x 60): the roll of one exchange.
real roll60() { return con::int_floor(L(con::rnd()) * 60); }

/// The Allied fighter type that meets the strike: 4, or the British 8 and 9.
real enemy_type(const State& st) { return 4 + L(st.ENEMY_TYPE_OFFSET); }

/// The Allied fighter's quality times 10, the base of its rolls.
real fighter_quality(const State& st) { return L(st.Z(enemy_type(st), Z_ATTACK)) * 10; }

/// The crew-experience term of an Allied roll against the player's aircraft of kind k: each
/// 20 of that kind lost in air combat add 1.
real experience(const State& st, int k) {
    return con::int_floor((L(st.VS(0, k)) - L(st.VS(0, VS_RETURN_LOSSES + k))) / 20);
}

/// "<type> 対 <Allied fighter>" at (column, row), line end.
void show_match(const State& st, int column, int row, int type) {
    con::print_at(con::Col(column), con::Row(row), st.NX(type) + " 対 " + st.NX(enemy_type(st)));
    con::print_end();
}

/// The interceptors of kind t = 2 (dive bombers) or 3 (torpedo bombers) shoot at them; returns
/// the bombers shot down, at most KO(t).
real bombers_shot_down(State& st, int t) {
    real losses = 0;
    const real attackers = st.GE(t);
    for (real i = 1; i <= attackers; ++i) {
        const real roll = fighter_quality(st) + roll60() + experience(st, t - 1);
        if (roll > (7 - t) * 10) losses += 1;
    }
    return losses > st.KO(t) ? L(st.KO(t)) : losses;
}

}  // namespace

float interceptor_type_offset(float b) { return b == 8 ? 4.0f : b == 20 ? 5.0f : 0.0f; }

float INTERCEPTORS_APPROACH(State& st, float INTERCEPTOR_COUNT) {
    con::print_at(con::Col(10), con::Row(10), "敵迎撃機" + con::format_single(INTERCEPTOR_COUNT) + "機接近");
    con::print_end();
    const real escorts_take = kINTERCEPTORS_PER_ESCORT * L(st.KO(1));
    st.GE(1) = L(INTERCEPTOR_COUNT) <= escorts_take ? INTERCEPTOR_COUNT : con::store(escorts_take);
    const float rest = con::store(L(INTERCEPTOR_COUNT) - L(st.GE(1)));
    for (real i = 1; i <= rest; ++i) {
        if (L(con::rnd()) * 10 > 7)
            add_to(st.GE(2), 1);
        else
            add_to(st.GE(3), 1);
    }
    return rest;
}

EscortLosses ESCORT_COMBAT(State& st) {
    EscortLosses out;
    real attacker = 0;
    const real engaged = st.GE(1);
    for (real i = 1; i <= engaged; ++i)
        if (fighter_quality(st) + roll60() + experience(st, AIR_FIGHTERS) > 60) attacker += 1;
    real defender = 0;
    const real shots = kINTERCEPTORS_PER_ESCORT * L(st.KO(1));
    for (real i = 1; i <= shots; ++i)
        if (roll60() + 40 - con::int_floor(L(st.VS(0, AIR_FIGHTERS)) / 20) > 60) defender += 1;
    const real interceptors = L(st.GE(1)) + L(st.GE(2)) + L(st.GE(3));
    if (defender > interceptors) defender = interceptors;
    if (attacker > st.KO(1)) attacker = st.KO(1);
    out.ATTACKER_LOSSES = con::store(attacker);
    out.DEFENDER_LOSSES = con::store(defender);
    show_match(st, 11, 12, 1);
    return out;
}

void INTERCEPTOR_ATTACK(State& st) {
    for (int t = 2; t <= 3; ++t) {
        if (st.GE(t) < 1 || st.KO(t) < 1) continue;
        const float losses = con::store(bombers_shot_down(st, t));
        st.KO(t) = con::store(L(st.KO(t)) - L(losses));
        add_to(st.VS(0, t - 1), losses);
        show_match(st, 12, 8 + 4 * t, t);
        con::print_at(con::Col(6), con::Row(10 + 4 * t),
                      st.NX(t) + con::format_single(losses) + "機墜落 残り " + con::format_single(st.KO(t)));
        con::print_end();
    }
}

}  // namespace morva95f
