// MORVA95F: BASE_STRIKE_ARRIVAL, the player's base strike that reaches the objective base (or
// the harbour in the first turn's raid): the groups that arrived this hour fight as one strike
// through the base's fighters and guns, bomb the base (KOGEKI4) or the harbour, and fly home;
// then the fleet strike groups move on towards the task forces.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// The two bases whose defences a turn-1 operation takes by surprise at its first strike.
constexpr float kSurpriseBases[] = {6, 9};

using con::add_to;

float strike_objective(const State& st) { return st.AT(st.FLEET_NO); }

/// The anti-aircraft factor of the turn: 2 on turns 1-4, 3 on 5-8, 4 on 9-12.
real anti_aircraft_factor(const State& st) { return 2 + con::int_floor((L(st.TURN_NO) - 1) / 4); }

/// Steps 3-4: the approach screen.
void show_approach(State& st) {
    con::clear_screen(0);
    st.RAID_THIS_HOUR = 1;
    st.TT(TT_DAY) = st.DAY_NO;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    con::color(6);
    con::print_at(con::Col(10), con::Row(4), "攻撃隊");
    con::print_at(con::Col(17), con::Row(4),
                  st.PEARL_HARBOR_TURN == 1 ? "真珠湾に接近 トトトト !!" : "敵基地に接近 !!");
    con::print_end();
}

/// Step 5: the one roll of the turn that can cost the harbour raid its surprise.
void surprise_roll(State& st) {
    const real r = L(con::rnd());
    if (r * 10 > 8 && st.PEARL_HARBOR_TURN == 1 && st.SURPRISE_ROLLED == 0) {
        MATU(st);
        st.PEARL_HARBOR_TURN = 2;
        st.TT(TT_HARBOUR_STRIKE) = 2;
        HYOJI4(st);
    }
    st.SURPRISE_ROLLED = 1;
}

/// Step 7: the defences are taken by surprise: the harbour before anything has struck it, or
/// the first strike of a turn-1 operation against base 6 or 9.
bool defences_surprised(const State& st) {
    if (st.PEARL_HARBOR_TURN == 1 && st.HW(HW_BASE_STRUCK) == 0) return true;
    const float b = strike_objective(st);
    return st.TURN_NO == 1 && st.TT(TT_BASE_STRUCK) == 0 && (b == kSurpriseBases[0] || b == kSurpriseBases[1]);
}

/// Steps 8-13: the base's ready and patrolling fighters intercept the strike.
void base_fighters(State& st) {
    const float count = con::store(L(st.Q(AIR_FIGHTERS, Q_READY)) + L(st.Q(AIR_FIGHTERS, Q_PATROL_FIRST)) +
                                   L(st.Q(AIR_FIGHTERS, Q_PATROL_SECOND)));
    st.Q(AIR_FIGHTERS, Q_INTERCEPTING) = count;
    st.Q(AIR_FIGHTERS, Q_READY) = st.Q(AIR_FIGHTERS, Q_PATROL_FIRST) = st.Q(AIR_FIGHTERS, Q_PATROL_SECOND) = 0;
    for (int k = 1; k <= 3; ++k) st.GE(k) = 0;
    st.ENEMY_TYPE_OFFSET = interceptor_type_offset(strike_objective(st));
    for (int k = 1; k <= 3; ++k)
        con::print_at(con::Col(10), con::Row(5 + k), st.NX(k) + " " + con::format_single(st.KO(k)) + " 機");
    if (count < 1) return;
    INTERCEPTORS_APPROACH(st, count);
    if (st.GE(1) >= 1 && st.KO(1) >= 1) {
        const EscortLosses losses = ESCORT_COMBAT(st);
        add_to(st.KO(1), -L(losses.ATTACKER_LOSSES));
        add_to(st.Q(AIR_FIGHTERS, Q_INTERCEPTING), -L(losses.DEFENDER_LOSSES));
        con::print_at(con::Col(10), con::Row(14),
                      "損害  " + con::format_single(losses.ATTACKER_LOSSES) + "    " +
                          con::format_single(losses.DEFENDER_LOSSES));
        add_to(st.VS(0, AIR_FIGHTERS), losses.ATTACKER_LOSSES);
        add_to(st.VS(1, AIR_FIGHTERS), losses.DEFENDER_LOSSES);
    }
    INTERCEPTOR_ATTACK(st);
    PAUSE_MESSAGE(st);
}

/// Step 14: the base's guns, by its air defence and the turn.
void base_guns(State& st) {
    st.TT(TT_AA_SHOTS) = con::store(L(st.P(strike_objective(st), P_AIR_DEFENCE)) * anti_aircraft_factor(st));
    if (st.TT(TT_AA_SHOTS) == 0) return;
    st.TT(TT_HARBOUR_STRIKE) = st.PEARL_HARBOR_TURN;
    TAIKU(st);
    PAUSE_MESSAGE(st);
}

/// Steps 3-18: the strike that arrived with bombers, fought to its end.
void resolve_strike(State& st) {
    show_approach(st);
    surprise_roll(st);
    if (!defences_surprised(st)) {
        base_fighters(st);
        base_guns(st);
    }
    st.TT(TT_BASE_STRUCK) = 1;
    if (st.PEARL_HARBOR_TURN > 0) {
        KOGEKI5(st);
        st.HW(HW_BASE_STRUCK) = 1;
    } else {
        KOGEKI4(st);
    }
    return_base_strike(st);
    PAUSE_MESSAGE(st);
}

/// One dive bomber's 250 kg bomb on the base: a tenth of a point, and two times in three
/// (while it has any) a gun position silenced.
void dive_bomb_base(State& st, float b, real& counter, StrikeReport& report) {
    add_to(st.PE(0), L(0.1f));
    const real r = L(con::rnd());
    if (r * 10 > 3 && st.P(b, P_AIR_DEFENCE) > 0) add_to(st.P(b, P_AIR_DEFENCE), -1);
    report.push_back({52, 13, static_cast<int>(counter), "２５０Ｋｇ爆弾命中", false, After::ShortPause});
    report.push_back({50, 19, -1, con::space_string(20), true});
    counter = counter + 1 == 7 ? 2 : counter + 1;
}

/// One torpedo bomber's 500 kg bomb on the base: 1 or 2 points.
void torpedo_bomb_base(State& st, real& counter, StrikeReport& report) {
    add_to(st.PE(0), con::int_floor(L(con::rnd()) * 2) + 1);
    report.push_back({52, 13, static_cast<int>(counter), "５００Ｋｇ爆弾命中", false, After::ShortPause});
    report.push_back({50, 22, -1, con::space_string(20), true});
    counter = counter + 1 == 7 ? 2 : counter + 1;
}

/// Step 5 of the attack: the strength left, or the base destroyed and taken.
void report_base(State& st, float b, StrikeReport& report) {
    report.push_back({50, 12, -1, con::space_string(26), true});
    if (st.P(b, P_STRENGTH) > 0) {
        report.push_back({50, 19, 6, "敵基地の耐久力残り" + con::format_single(st.P(b, P_STRENGTH)), true});
        report.push_back({50, 21, -1, "第２次攻撃の要ありと認む", true, After::Pause});
        return;
    }
    report.push_back({50, 19, 6, "敵基地は壊滅せり", true, After::Pause});
    st.P(b, P_HOLDER) = 0;
}

}  // namespace

void return_base_strike(State& st) {
    bool first = true;
    for (long h = 1; h <= T_LAST_STEP; ++h) {
        if (st.T(0, h, T_STATUS) != 2) continue;
        st.T(0, h, T_STATUS) = 3;
        if (!first) continue;
        // Fighters that flew too far to escort stayed in the group: the escorts that came
        // through join them rather than replace them.
        add_to(st.T(0, h, T_FIGHTERS), st.KO(1));
        st.T(0, h, T_DIVE_BOMBERS) = st.KO(2);
        st.T(0, h, T_TORPEDO_BOMBERS) = st.KO(3);
        for (int k = 1; k <= 3; ++k) st.KO(k) = 0;
        first = false;
    }
}

StrikeReport base_attack(State& st) {
    const float b = st.AT(st.TT(TT_FLEET));
    st.PE(0) = 0;
    real counter = 2;
    StrikeReport report;
    const real dive = st.KO(2), torpedo = st.KO(3);
    if (dive >= 1) {
        report.push_back({50, 11, 6, st.NX(2) + " の攻撃", false, After::Nothing, true});
        const real limit = 50 - con::int_floor(L(st.VS(0, AIR_DIVE_BOMBERS)) / 10);
        for (real j = 1; j <= dive; ++j)
            if (con::int_floor(L(con::rnd()) * 100) <= limit) dive_bomb_base(st, b, counter, report);
        add_to(st.P(b, P_STRENGTH), -con::int_floor(L(st.PE(0))));
        st.PE(0) = 0;  // the fraction of a point is lost
    }
    if (torpedo >= 1) {
        report.push_back({50, 11, 6, st.NX(3) + " の攻撃", false, After::Nothing, true});
        const real limit = 30 - con::int_floor(L(st.VS(0, AIR_TORPEDO_BOMBERS)) / 16);
        for (real j = 1; j <= torpedo; ++j)
            if (con::int_floor(L(con::rnd()) * 100) <= limit) torpedo_bomb_base(st, counter, report);
        add_to(st.P(b, P_STRENGTH), -L(st.PE(0)));
    }
    const real r = L(con::rnd());
    if (dive + torpedo > 7 && st.TK(TK_POSTURE) == 1 && r * 5 > 2) st.TK(TK_POSTURE) = 0;
    report_base(st, b, report);
    return report;
}

void KOGEKI4(State& st) { play(st, base_attack(st)); }

Block BASE_STRIKE_ARRIVAL(State& st) {
    IDO3(st);
    if (L(st.KO(2)) + L(st.KO(3)) >= 1)
        resolve_strike(st);
    else
        return_base_strike(st);  // escorts that came alone fly home with their group
    IDO7(st);
    return Block::FleetStrikePhase;
}

}  // namespace morva95f
