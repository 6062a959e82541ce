// MORVA95S: FLEET_STRIKE_PHASE, the second part of phase 2: the survey of the Allied carriers
// that every phase 2 makes, and the strike that reached the Allied fleet: the Allied posture,
// the approach screen, the deck fighters launched up to the patrol's ceiling, the interception
// by dice with the interceptors lost, and the force's anti-aircraft points. The attacks and
// the claims follow (fleet_claims.cpp).
#include <algorithm>

#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/routines.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kStrikeColour = 6;
/// A carrier launches while its flight deck is above this.
constexpr int kLaunchingDeck = 7;
/// The passes of the deck launch and of the interceptors' losses are bounded by the units they
/// move; a pass that moves none ends them all the same.
constexpr int kMaxPasses = 1000;

bool launches(const State& st, float ship) { return L(st.A(ALLIED, ship, A_FLIGHT_DECK)) > kLaunchingDeck; }

/// Steps 5-6: the units over the Allied fleet into KO; false, with the escorts flown on to
/// stage 7, when no bomber came.
bool gather_fleet_strike(State& st) {
    for (int t = KO_FIGHTERS; t <= KO_BOMB_ARMED; ++t) st.KO(t) = 0;
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k) {
        st.KO(KO_FIGHTERS) = con::store(L(st.KO(KO_FIGHTERS)) + L(st.F(JAPANESE, k, F_OVER_FLEET)));
        gather_units(st.KO(KO_DIVE), st.D(JAPANESE, k, D_OVER_FLEET));
        gather_units(st.KO(KO_TORPEDO_ARMED), st.T(JAPANESE, k, T_OVER_FLEET_TORPEDO));
        gather_units(st.KO(KO_BOMB_ARMED), st.T(JAPANESE, k, T_OVER_FLEET_BOMB));
    }
    st.KO(KO_TORPEDO) = con::store(L(st.KO(KO_TORPEDO_ARMED)) + L(st.KO(KO_BOMB_ARMED)));
    if (L(st.KO(KO_DIVE)) + L(st.KO(KO_TORPEDO)) >= 1) return true;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k)
        gather_units(st.F(JAPANESE, k, F_FLEET_BACK), st.F(JAPANESE, k, F_OVER_FLEET));
    return false;
}

/// Steps 7-8: an Allied force with no more carriers afloat than the player had at the last
/// raid keeps its distance on eight draws in ten; the escorts leave the stage table.
void strike_arrives(State& st, const Draw& rnd) {
    const con::real draw = L(rnd());
    if (draw * 10 > 2 && L(st.WORK_C) >= L(st.ALLIED_CV_AFLOAT)) st.TK(1) = 1;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, st.FLEET_NO)); ++k) st.F(JAPANESE, k, F_OVER_FLEET) = 0;
}

/// Steps 9-13: the approach screen with the strike's composition and its torpedo bombers'
/// arming, in yellow.
void approach_screen(State& st) {
    con::clear_screen(0);
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    con::color(kStrikeColour);
    con::print_at(con::Col(10), con::Row(4), "攻撃隊 敵艦隊に接近!!");
    con::print_end();
    st.ENEMY_TYPE_OFFSET = defending_type_offset(st.AT(st.FLEET_NO));
    for (int t = KO_FIGHTERS; t <= KO_TORPEDO; ++t) {
        print_row(10, t + 5, st.NN(t), " ", st.KO(t), " ユニット");
        con::print_end();
    }
    print_row(34, 8, "(雷装", st.KO(KO_TORPEDO_ARMED), "爆装", st.KO(KO_BOMB_ARMED), ")");
    con::print_end();
}

/// Steps 18-24: the interceptors against the escorts and the bombers, the escorts' victims
/// taken off the shares and the Allied patrol.
void interception(State& st) {
    for (int k = 1; k <= 3; ++k) st.GE(k) = 0;
    st.TARGET_DISTANCE = st.AIR_DISTANCE;
    INTERCEPTORS_APPROACH(st);
    if (L(st.GE(1)) >= 1 && L(st.KO(KO_FIGHTERS)) >= 1) {
        ESCORT_COMBAT(st);
        st.KO(KO_FIGHTERS) = con::store(L(st.KO(KO_FIGHTERS)) - L(st.UNITS_HIT));
        std::array<float, 4> shares{0, st.GE(1), st.GE(2), st.GE(3)};
        book_interceptor_shares(shares, st.UNITS_ENGAGED);
        for (int k = 1; k <= 3; ++k) st.GE(k) = shares[k];
        print_row(10, 14, "損害  ", st.UNITS_HIT, "   ", st.UNITS_ENGAGED);
        con::print_end();
        if (L(st.UNITS_ENGAGED) != 0) book_allied_patrol_losses(st, st.UNITS_ENGAGED);
    }
    INTERCEPTOR_ATTACK(st);
}

}  // namespace

float patrol_ceiling(float fighters) {
    if (L(fighters) < 6) return fighters;
    if (L(fighters) < 8) return 5;
    return con::store(con::int_floor(L(fighters) / 2) + 1);
}

void survey_allied_carriers(State& st) {
    st.ALLIED_FIGHTERS = 0;
    st.ALLIED_DIVE_BOMBERS = 0;
    st.WORK_B = 0;
    st.R(1) = con::store(L(st.ALLIED_CV_AFLOAT) + 3);
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, f)); ++k) {
        const float ship = st.C(ALLIED, f, k);
        if (!launches(st, ship)) continue;
        st.ALLIED_FIGHTERS = con::store(L(st.ALLIED_FIGHTERS) + L(st.A(ALLIED, ship, A_AIR_GROUP)));
        st.ALLIED_DIVE_BOMBERS = con::store(L(st.ALLIED_DIVE_BOMBERS) + L(st.A(ALLIED, ship, A_AIR_GROUP + 1)));
        st.WORK_B = con::store(L(st.WORK_B) + L(st.A(ALLIED, ship, A_AIR_GROUP + 2)));
    }
    if (L(st.ALLIED_FIGHTERS) + L(st.ALLIED_DIVE_BOMBERS) + L(st.WORK_B) < 1) st.R(1) = 3;
    st.PATROL_CEILING = patrol_ceiling(st.ALLIED_FIGHTERS);
}

void launch_allied_patrol(State& st) {
    const float f = st.FLEET_NO;
    st.DECK_FIGHTER_UNITS = 0;
    st.PATROL_UNITS = 0;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, f)); ++k) {
        if (launches(st, st.C(ALLIED, f, k)))
            st.DECK_FIGHTER_UNITS = con::store(L(st.DECK_FIGHTER_UNITS) + L(st.F(ALLIED, k, AL_DECK)));
        st.PATROL_UNITS = con::store(L(st.PATROL_UNITS) + L(st.F(ALLIED, k, AL_INTERCEPT_SECOND)) +
                                     L(st.F(ALLIED, k, AL_INTERCEPT_LAST)));
    }
    if (L(st.PATROL_UNITS) >= L(st.PATROL_CEILING) || st.DECK_FIGHTER_UNITS == 0) return;
    st.INPUT_NUM = con::store(std::min(L(st.DECK_FIGHTER_UNITS), L(st.PATROL_CEILING) - L(st.PATROL_UNITS)));
    for (int pass = 0; pass < kMaxPasses && L(st.INPUT_NUM) > 0; ++pass) {
        bool moved = false;
        for (long k = 1; L(k) <= L(st.CV(ALLIED, f)) && L(st.INPUT_NUM) > 0; ++k) {
            float& deck = st.F(ALLIED, k, AL_DECK);
            if (!(L(deck) >= 1 && launches(st, st.C(ALLIED, f, k)))) continue;
            deck = con::store(L(deck) - 1);
            st.F(ALLIED, k, AL_INTERCEPT) = con::store(L(st.F(ALLIED, k, AL_INTERCEPT)) + 1);
            st.INPUT_NUM = con::store(L(st.INPUT_NUM) - 1);
            st.PATROL_UNITS = con::store(L(st.PATROL_UNITS) + 1);
            moved = true;
        }
        if (!moved) break;
    }
}

void book_allied_patrol_losses(State& st, float engaged) {
    const float f = st.FLEET_NO;
    con::real left = L(engaged);
    for (int pass = 0; pass < kMaxPasses && left > 0; ++pass) {
        bool taken = false;
        for (long k = 1; L(k) <= L(st.CV(ALLIED, f)) && left > 0; ++k) {
            float& last = st.F(ALLIED, k, AL_INTERCEPT_LAST);
            gather_units(last, st.F(ALLIED, k, AL_INTERCEPT_SECOND));
            gather_units(last, st.F(ALLIED, k, AL_INTERCEPT));
            if (!(L(last) > 0)) continue;
            last = con::store(L(last) - 1);
            left -= 1;
            taken = true;
        }
        if (!taken) break;
    }
    st.UNITS_ENGAGED = con::store(left);
}

void count_allied_aa_points(State& st) {
    const float f = st.FLEET_NO;
    con::real points = L(st.DF(1));
    for (long k = 1; L(k) <= L(st.CV(ALLIED, f)); ++k) {
        const float ship = st.C(ALLIED, f, k);
        if (L(st.A(ALLIED, ship, A_DURABILITY)) > 0) points += L(st.A(ALLIED, ship, A_ANTI_AIRCRAFT));
    }
    if (st.PEARL_HARBOR_TURN != 1) {
        for (long k = 1; L(k) <= L(st.BB(ALLIED, f)); ++k) {
            const float ship = st.G(ALLIED, f, k);
            if (L(st.A(ALLIED, ship, A_DURABILITY)) > 0) points += L(st.A(ALLIED, ship, A_ANTI_AIRCRAFT));
        }
    }
    st.AA_POINTS = con::store(points);
}

Block FLEET_STRIKE_PHASE(State& st) {
    survey_allied_carriers(st);
    if (!gather_fleet_strike(st)) return Block::SearchResultPhase;
    strike_arrives(st, con::rnd);
    approach_screen(st);
    launch_allied_patrol(st);
    if (L(st.PATROL_UNITS) >= 1) interception(st);
    count_allied_aa_points(st);
    fleet_strike_attacks(st);
    return Block::SearchResultPhase;
}

}  // namespace morva95s
