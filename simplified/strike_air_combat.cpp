// MORVA95S: the air combat by dice between the player's strike and the defending fighters,
// which the base strike and the fleet strike both run: the defenders' approach and share-out,
// the escort combat and the defenders' attacks on the bombers, with the losses booked off the
// base's fighters aloft or the Allied interceptors.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

/// The Japanese fighter's defence value that a defender's die + attack must pass, and the
/// escorts' die + 3 likewise against the Allied fighters' defence value 7.
constexpr int kEscortDefence = 6;
/// The escort's own roll: the die + 3, the Japanese fighter's attack value.
constexpr int kEscortAttack = 3;

/// The defending fighter's type, 4 + ENEMY_TYPE_OFFSET.
float defending_type(const State& st) { return con::store(4 + L(st.ENEMY_TYPE_OFFSET)); }

/// Counts the draws of `rolls` rolls that pass `test`.
template <typename Test>
float count_successes(con::real rolls, Test test) {
    con::real n = 0;
    for (long i = 1; L(i) <= rolls; ++i)
        if (test()) n += 1;
    return con::store(n);
}

}  // namespace

con::real hit_die(const Draw& rnd) { return con::int_floor(L(rnd()) * 6); }

ShareOut share_out(float patrol, float escorts, float distance, const Draw& rnd) {
    ShareOut s;
    s.ESCORT_ATTACKS = L(distance) > 5 ? 2 : 3;
    const con::real tied = L(escorts) * L(s.ESCORT_ATTACKS);
    s.GE[1] = L(patrol) <= tied ? patrol : con::store(tied);
    s.PATROL_UNITS = con::store(L(patrol) - L(s.GE[1]));
    if (L(s.PATROL_UNITS) < 1) return s;
    for (long i = 1; L(i) <= L(s.PATROL_UNITS); ++i) {
        float& share = L(rnd()) * 10 > 7 ? s.GE[2] : s.GE[3];
        share = con::store(L(share) + 1);
    }
    return s;
}

EscortExchange escort_exchange(float escorts, const std::array<float, 4>& GE, float escort_attacks, float attack,
                               const Draw& rnd) {
    EscortExchange e;
    e.UNITS_HIT = count_successes(L(GE[1]), [&] { return die(rnd) + L(attack) > kEscortDefence; });
    e.UNITS_ENGAGED = count_successes(L(escorts) * L(escort_attacks),
                                      [&] { return die(rnd) + kEscortAttack > kEscortDefence; });
    const con::real defenders = L(GE[1]) + L(GE[2]) + L(GE[3]);
    if (defenders < L(e.UNITS_ENGAGED)) e.UNITS_ENGAGED = con::store(defenders);
    if (L(escorts) < L(e.UNITS_HIT)) e.UNITS_HIT = escorts;
    return e;
}

float bomber_losses(float defenders, float bombers, int type, float attack, const Draw& rnd) {
    const float hit = count_successes(L(defenders), [&] { return die(rnd) + L(attack) > 7 - type; });
    return L(bombers) < L(hit) ? bombers : hit;
}

float defending_type_offset(float base) {
    if (base == 8) return 4;
    if (base == 20) return 5;
    return 0;
}

void book_base_fighter_losses(State& st, float engaged) {
    float& first = st.Q(QR_FIGHTERS, Q_INTERCEPT);
    float& second = st.Q(QR_FIGHTERS, Q_INTERCEPT_SECOND);
    float& last = st.Q(QR_FIGHTERS, Q_INTERCEPT_LAST);
    first = con::store(L(first) - L(engaged));
    if (L(first) >= 0) return;
    second = con::store(L(second) + L(first));
    first = 0;
    if (L(second) >= 0) return;
    last = con::store(L(last) + L(second));
    second = 0;
}

void book_interceptor_shares(std::array<float, 4>& GE, float engaged) {
    GE[1] = con::store(L(GE[1]) - L(engaged));
    if (L(GE[1]) >= 0) return;
    GE[2] = con::store(L(GE[2]) + L(GE[1]));
    if (L(GE[2]) < 0) GE[3] = con::store(L(GE[3]) + L(GE[2]));
}

void INTERCEPTORS_APPROACH(State& st) {
    print_row(10, 10, "敵迎撃機", st.PATROL_UNITS, "ユニット接近");
    con::print_end();
    const ShareOut s = share_out(st.PATROL_UNITS, st.KO(KO_FIGHTERS), st.TARGET_DISTANCE, con::rnd);
    st.ESCORT_ATTACKS = s.ESCORT_ATTACKS;
    for (int k = 1; k <= 3; ++k) st.GE(k) = s.GE[k];
    st.PATROL_UNITS = s.PATROL_UNITS;
}

void ESCORT_COMBAT(State& st) {
    const float type = defending_type(st);
    print_row(12, 12, st.NN(KO_FIGHTERS), " 対 ", st.NN(type));
    con::print_end();
    const EscortExchange e = escort_exchange(st.KO(KO_FIGHTERS), {0, st.GE(1), st.GE(2), st.GE(3)}, st.ESCORT_ATTACKS,
                                             st.Z(type, 2), con::rnd);
    st.UNITS_HIT = e.UNITS_HIT;
    st.UNITS_ENGAGED = e.UNITS_ENGAGED;
}

void INTERCEPTOR_ATTACK(State& st) {
    const float type = defending_type(st);
    for (int k = KO_DIVE; k <= KO_TORPEDO; ++k) {
        if (L(st.GE(k)) < 1 || L(st.KO(k)) < 1) continue;
        print_row(12, 4 * k + 8, st.NN(k), " 対 ", st.NN(type));
        con::print_end();
        st.UNITS_HIT = bomber_losses(st.GE(k), st.KO(k), k, st.Z(type, 2), con::rnd);
        st.KO(k) = con::store(L(st.KO(k)) - L(st.UNITS_HIT));
        print_row(6, 4 * k + 10, st.NN(k), st.UNITS_HIT, "ユニット墜落 残り ", st.KO(k));
        con::print_end();
    }
}

}  // namespace morva95s
