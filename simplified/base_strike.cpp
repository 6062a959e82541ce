// MORVA95S: OWN_STRIKE_ARRIVAL, the start of the player's air attack in phase 2: the strike
// units that reached the target base this sub-turn are gathered and, when bombers are among
// them, led through the base strike: the approach screen, the base's fighters by dice, the
// base's anti-aircraft fire, the bombing (the harbour strike in the harbour turn) and the
// return of the survivors. Escorts that came alone turn home unseen.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/routines.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kBaseStrikeColour = 6;
/// The first sub-turn in which a harbour strike meets the base's own fire before KOGEKI5.
constexpr int kHarbourGunsReady = 8;

/// Steps 1-4: the units over the base into KO; false, with the escorts turned home, when no
/// bomber came. Every slot counts, also one whose carrier has sunk since the launch.
bool gather_base_strike(State& st) {
    for (int t = KO_FIGHTERS; t <= KO_TORPEDO; ++t) st.KO(t) = 0;
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k) {
        st.KO(KO_FIGHTERS) = con::store(L(st.KO(KO_FIGHTERS)) + L(st.F(JAPANESE, k, F_OVER_BASE)));
        gather_units(st.KO(KO_DIVE), st.D(JAPANESE, k, D_OVER_BASE));
        gather_units(st.KO(KO_TORPEDO), st.T(JAPANESE, k, T_OVER_BASE));
    }
    const bool bombers = L(st.KO(KO_DIVE)) + L(st.KO(KO_TORPEDO)) >= 1;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k) {
        if (bombers)
            st.F(JAPANESE, k, F_OVER_BASE) = 0;
        else
            gather_units(st.F(JAPANESE, k, F_BASE_BACK), st.F(JAPANESE, k, F_OVER_BASE));
    }
    return bombers;
}

/// Steps 5-9: the approach screen, the defenders' type, the scramble and the composition.
void base_approach_screen(State& st, float base) {
    con::clear_screen(0);
    st.TT(TT_DAY) = st.DAY_NO;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    con::color(kBaseStrikeColour);
    print_row(10, 4, "攻撃隊");
    print_row(17, 4, st.PEARL_HARBOR_TURN == 1 ? "真珠湾に接近 トトトト !!" : "敵基地に接近 !!");
    st.ENEMY_TYPE_OFFSET = defending_type_offset(base);
    gather_units(st.Q(QR_FIGHTERS, Q_INTERCEPT), st.Q(QR_FIGHTERS, Q_READY));
    st.PATROL_UNITS = con::store(L(st.Q(QR_FIGHTERS, Q_INTERCEPT)) + L(st.Q(QR_FIGHTERS, Q_INTERCEPT_SECOND)) +
                                 L(st.Q(QR_FIGHTERS, Q_INTERCEPT_LAST)));
    for (int k = 1; k <= 3; ++k) st.GE(k) = 0;
    for (int j = KO_FIGHTERS; j <= KO_TORPEDO; ++j) print_row(10, j + 5, st.NN(j), " ", st.KO(j), " ユニット");
}

/// Steps 11-15: the base's fighters against the strike, the escorts' victims off the base's
/// stages (the defenders they shot down still attack the bombers), then the pause.
void base_air_combat(State& st) {
    st.TARGET_DISTANCE = st.BASE_DISTANCE;
    INTERCEPTORS_APPROACH(st);
    if (L(st.GE(1)) >= 1 && L(st.KO(KO_FIGHTERS)) >= 1) {
        ESCORT_COMBAT(st);
        st.KO(KO_FIGHTERS) = con::store(L(st.KO(KO_FIGHTERS)) - L(st.UNITS_HIT));
        book_base_fighter_losses(st, st.UNITS_ENGAGED);
        print_row(10, 14, "損害  ", st.UNITS_HIT, "    ", st.UNITS_ENGAGED);
    }
    INTERCEPTOR_ATTACK(st);
    PAUSE_MESSAGE(st);
}

/// Steps 16-19: the base's fire (not before sub-turn 8 in the harbour turn), then the bombing
/// or the harbour strike.
void base_attack(State& st, float base) {
    const bool harbour = st.PEARL_HARBOR_TURN == 1;
    if (!(harbour && L(st.SUBTURN_NO) < kHarbourGunsReady)) {
        st.TT(TT_AA_SHOTS) = base_aa_shots(st.P(base, P_AIR_DEFENCE));
        if (L(st.TT(TT_AA_SHOTS)) > 0) TAIKU(st);
    }
    if (harbour)
        KOGEKI5(st);
    else
        KOGEKI4(st);
}

}  // namespace

Block OWN_STRIKE_ARRIVAL(State& st) {
    if (!gather_base_strike(st)) return Block::FleetStrikePhase;
    const float base = st.AT(st.FLEET_NO);
    base_approach_screen(st, base);
    if (L(st.PATROL_UNITS) >= 1) base_air_combat(st);
    base_attack(st, base);
    APPLY_AIR_LOSSES(st);
    hand_back_survivors(st, StrikeKind::Base);
    PAUSE_MESSAGE(st);
    con::clear_screen(0);
    return Block::FleetStrikePhase;
}

}  // namespace morva95s
