// MORVA95S: the closing stretch of the fleet strike: the force's anti-aircraft fire, the dive
// and torpedo bombers' attacks, the Allied ships' durability made whole, the return of the
// survivors, then the claims of battleships and carriers destroyed (true losses and random
// figures alike, shown only) and the Allied commander's decision to withdraw.
#include "campaign/damage_rounding.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/routines.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kClaimColour = 5;
constexpr int kCloseColour = 6;
/// Targets from base 18 on are subject to the carrier-damage rule no more, base 21 to the
/// carrier-loss rule neither.
constexpr int kFirstDistantTarget = 18;
constexpr int kFarthestTarget = 21;
/// A withdrawal posture.
constexpr int kWithdraws = 2;

bool allied_afloat(const State& st, float ship) { return L(st.A(ALLIED, ship, A_DURABILITY)) > 0; }

/// A claim figure below 1 is shown as 1.
float at_least_one(con::real v) { return v < 1 ? 1.0f : con::store(v); }

/// Steps 9-11 once the battleship claim is reached: one draw for the claim's kind, two more
/// for a random figure; the claim brings ALLIED_BB_COUNT up to date.
void battleship_claim(State& st, FleetClaims& c, const Draw& rnd) {
    const float f = st.FLEET_NO;
    c.battleship_claim_reached = true;
    const con::real kind = L(rnd()) * 10;
    bool random = false;
    if (st.ALLIED_BB_AFLOAT == st.ALLIED_BB_COUNT) {
        if (!(kind > 8)) return;
        random = true;
    } else {
        random = !(kind > 5);
    }
    if (random) {
        const con::real of_list = con::int_floor(L(rnd()) * L(st.BB(ALLIED, f)));
        const con::real less = con::int_floor(L(rnd()) * 3);
        c.battleships_claimed = at_least_one(of_list - less);
    } else {
        c.battleships_claimed = con::store(L(st.ALLIED_BB_COUNT) - L(st.ALLIED_BB_AFLOAT));
    }
    c.battleship_claim_shown = true;
    st.CLAIMED_SINKINGS = c.battleships_claimed;
    st.ALLIED_BB_COUNT = st.ALLIED_BB_AFLOAT;
}

/// Step 12: the carriers afloat, fit (above 2) and below full durability (sunk ones too).
void count_carriers(State& st) {
    const float f = st.FLEET_NO;
    st.ALLIED_CV_DAMAGED = 0;
    st.ALLIED_CV_AFLOAT = 0;
    st.ALLIED_CV_FIT = 0;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, f)); ++k) {
        const float ship = st.C(ALLIED, f, k);
        const con::real d = L(st.A(ALLIED, ship, A_DURABILITY));
        if (d > 0) st.ALLIED_CV_AFLOAT = con::store(L(st.ALLIED_CV_AFLOAT) + 1);
        if (d > 2) st.ALLIED_CV_FIT = con::store(L(st.ALLIED_CV_FIT) + 1);
        if (d < L(st.A(ALLIED, ship, A_FULL_DURABILITY)))
            st.ALLIED_CV_DAMAGED = con::store(L(st.ALLIED_CV_DAMAGED) + 1);
    }
}

/// Steps 16-17: each withdrawal rule with its own draw, the second tested whatever the first
/// gave.
void posture_rules(State& st, const Draw& rnd) {
    const float f = st.FLEET_NO;
    const con::real target = L(st.AT(f));
    const con::real character = L(st.OPERATION_CHARACTER);
    const con::real damage_draw = L(rnd());
    if (target < kFirstDistantTarget && L(st.ALLIED_CV_DAMAGED) > 0 && damage_draw * 5 < 3 - character)
        st.TK(1) = kWithdraws;
    const con::real loss_draw = L(rnd());
    if (target < kFarthestTarget && L(st.ALLIED_CV_AFLOAT) < L(st.CV(ALLIED, f)) && loss_draw * 4 < 4 - character)
        st.TK(1) = kWithdraws;
}

/// A claim at the cursor: the kind, the figure and "隻撃破 !!".
void print_claim(const char* kind, float figure) {
    print_item(kind);
    print_item(figure);
    print_item("隻撃破 !!");
}

/// The claims on rows 21 and 22 in cyan, at the cursor that the claim reached.
void show_claims(const FleetClaims& c) {
    if (c.battleship_claim_reached) {
        con::locate(con::Col(44), con::Row(21));
        con::color(kClaimColour);
    }
    if (c.battleship_claim_shown) print_claim("戦艦", c.battleships_claimed);
    if (!c.carrier_claim_shown) return;
    con::locate(con::Col(44), con::Row(22));
    con::color(kClaimColour);
    print_claim("空母", c.carriers_claimed);
}

}  // namespace

FleetClaims claim_results(State& st, const Draw& rnd) {
    FleetClaims c;
    const float f = st.FLEET_NO;
    con::real bb_afloat = 0;
    for (long k = 1; L(k) <= L(st.BB(ALLIED, f)); ++k)
        if (allied_afloat(st, st.G(ALLIED, f, k))) bb_afloat += 1;
    st.ALLIED_BB_AFLOAT = con::store(bb_afloat);
    if (!(st.PEARL_HARBOR_TURN == 1 || L(st.BB(ALLIED, f)) < 1)) battleship_claim(st, c, rnd);
    count_carriers(st);
    if (st.ALLIED_CV_DAMAGED == 0) return c;
    const con::real of_damaged = con::int_floor(L(rnd()) * L(st.ALLIED_CV_DAMAGED));
    const con::real less = con::int_floor(L(rnd()) * 3);
    c.carriers_claimed = at_least_one(of_damaged - less + 2);
    c.carrier_claim_shown = true;
    st.CLAIMED_SINKINGS = c.carriers_claimed;
    posture_rules(st, rnd);
    return c;
}

void fleet_strike_attacks(State& st) {
    const float f = st.FLEET_NO;
    st.TT(TT_AA_SHOTS) = fleet_aa_shots(st.AA_POINTS);
    if (L(st.TT(TT_AA_SHOTS)) > 0) TAIKU(st);
    PAUSE_MESSAGE(st);
    // A force that lists no ship of the kind an attack takes is not attacked by it: its
    // bombers come back with the survivors, the torpedo bombers' loads split as the attack
    // would have left them.
    if (L(st.KO(KO_DIVE)) >= 1 && dive_bomber_targets_listed(st, f)) KOGEKI2(st);
    if (L(st.KO(KO_TORPEDO)) >= 1) {
        st.TT(TT_HARBOUR_STRIKE) = st.PEARL_HARBOR_TURN;
        if (torpedo_bomber_targets_listed(st, f))
            KOGEKI3(st);
        else
            split_torpedo_loads(st);
    }
    morva::CLC2(st.TT, st.CV, st.C, st.BB, st.G, st.A);
    APPLY_AIR_LOSSES(st);
    hand_back_survivors(st, StrikeKind::Fleet);
    const FleetClaims claims = claim_results(st, con::rnd);
    show_claims(claims);
    if (!claims.carrier_claim_shown) return;
    PAUSE_MESSAGE(st);
    con::color(kCloseColour);
}

}  // namespace morva95s
