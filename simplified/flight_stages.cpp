// MORVA95S: the stage steps IDO, IDO2 and IDO3, which move every airborne unit of the air unit
// tables on by one stage. Every chain is shifted from its last stage backwards, landing first,
// so that each unit moves exactly one stage per call.
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/routines.h"

namespace morva95s {

using con::L;

namespace {

/// Move b into a: a += b, b = 0 (counts are moved as they stand, never tested or clamped).
template <typename Units>
void move_into(Units& u, int side, long slot, int from, int to) {
    u(side, slot, to) = con::store(L(u(side, slot, to)) + L(u(side, slot, from)));
    u(side, slot, from) = 0;
}

/// a takes b: a = b, b = 0 (what a held is replaced).
template <typename Units>
void take(Units& u, int side, long slot, int from, int to) {
    u(side, slot, to) = u(side, slot, from);
    u(side, slot, from) = 0;
}

/// The same two moves on one row of the target base's table.
void move_into(State& st, int row, int from, int to) {
    st.Q(row, to) = con::store(L(st.Q(row, to)) + L(st.Q(row, from)));
    st.Q(row, from) = 0;
}
void take(State& st, int row, int from, int to) {
    st.Q(row, to) = st.Q(row, from);
    st.Q(row, from) = 0;
}

/// The operating air fleet (TT_FLEET).
float operating_fleet(const State& st) { return st.TT(TT_FLEET); }

/// Calls fn(slot) for slots 1 to CV(side, fleet): a loop whose bound is the stored count.
template <typename Fn>
void each_slot(const State& st, int side, Fn fn) {
    const float f = operating_fleet(st);
    for (long k = 1; L(k) <= L(st.CV(side, f)); ++k) fn(k);
}

/// Whether the carrier of a slot is sunk (durability below 1).
bool slot_sunk(const State& st, int side, long slot) {
    return L(st.A(side, st.C(side, operating_fleet(st), slot), A_DURABILITY)) < 1;
}

/// IDO steps 1-2: the base's landed units get ready and its homebound chain moves on; units
/// reaching the last stage of a base the Japanese side holds are lost.
void base_shelter_step(State& st) {
    for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r) {
        move_into(st, r, Q_LANDED, Q_READY);
        take(st, r, Q_HOME_LAST, Q_LANDED);
        take(st, r, Q_HOME, Q_HOME_LAST);
        take(st, r, Q_BACK_FAR, Q_HOME);
    }
    if (L(st.P(st.AT(operating_fleet(st)), P_HOLDER)) == 0)
        for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r) st.Q(r, Q_HOME_LAST) = 0;
}

/// IDO step 4: the player's last homebound stages land, the far stages move on, and the
/// base strike's first homebound stage goes on (near below 5.5).
void japanese_landing(State& st, long k) {
    move_into(st.F, JAPANESE, k, F_HOME_LAST, F_HANGAR);
    move_into(st.F, JAPANESE, k, F_CAP_FOUGHT, F_HANGAR);
    take(st.F, JAPANESE, k, F_HOME_FAR, F_HOME_LAST);
    move_into(st.D, JAPANESE, k, D_HOME_LAST, D_HANGAR);
    take(st.D, JAPANESE, k, D_HOME_FAR, D_HOME_LAST);
    move_into(st.T, JAPANESE, k, T_HOME_LAST, T_HANGAR);
    take(st.T, JAPANESE, k, T_HOME_FAR, T_HOME_LAST);
    const int n = L(st.PT(0)) < 5.5L ? F_HOME_LAST : F_HOME_FAR;
    move_into(st.F, JAPANESE, k, F_BASE_BACK, n);
    move_into(st.D, JAPANESE, k, D_BASE_BACK, n + 1);
    move_into(st.T, JAPANESE, k, T_BASE_BACK, n + 6);
}

/// IDO step 5: a sunk carrier loses what is in its hangar and on its deck (columns 1-2).
void clear_sunk_carriers(State& st) {
    for (int side : {JAPANESE, ALLIED}) {
        each_slot(st, side, [&](long k) {
            if (!slot_sunk(st, side, k)) return;
            for (int c : {1, 2}) st.F(side, k, c) = st.D(side, k, c) = st.T(side, k, c) = 0;
        });
    }
}

/// Deals W(type) one unit at a time over the Allied carriers afloat, at most six passes.
template <typename Units>
void hand_back(State& st, Units& u, int type) {
    if (L(st.W(type)) < 1) return;
    for (int pass = 1; pass <= 6; ++pass) {
        bool done = false;
        each_slot(st, ALLIED, [&](long k) {
            if (done || slot_sunk(st, ALLIED, k)) return;
            u(ALLIED, k, AL_BACK) = con::store(L(u(ALLIED, k, AL_BACK)) + 1);
            st.W(type) = con::store(L(st.W(type)) - 1);
            done = L(st.W(type)) <= 0;  // whole counts reach 0 exactly
        });
        if (done) return;
    }
}

}  // namespace

void count_deck_units(State& st, float fleet_no) {
    for (int i = KO_FIGHTERS; i <= KO_BOMB_ARMED; ++i) st.KO(i) = 0;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, fleet_no)); ++k) {
        if (!(L(st.A(JAPANESE, st.C(JAPANESE, fleet_no, k), A_FLIGHT_DECK)) > 7)) continue;
        auto add = [&](int i, float v) { st.KO(i) = con::store(L(st.KO(i)) + L(v)); };
        add(KO_FIGHTERS, st.F(JAPANESE, k, F_DECK));
        add(KO_DIVE, st.D(JAPANESE, k, D_DECK));
        add(KO_TORPEDO_ARMED, st.T(JAPANESE, k, T_DECK_TORPEDO));
        add(KO_BOMB_ARMED, st.T(JAPANESE, k, T_DECK_BOMB));
    }
    st.KO(KO_TORPEDO) = con::store(L(st.KO(KO_TORPEDO_ARMED)) + L(st.KO(KO_BOMB_ARMED)));
}

void IDO(State& st) {
    base_shelter_step(st);
    each_slot(st, ALLIED, [&](long k) {
        auto land = [&](auto& u) {
            move_into(u, ALLIED, k, AL_HOME_LAST, AL_HANGAR);
            take(u, ALLIED, k, AL_HOME_FAR, AL_HOME_LAST);
        };
        land(st.F), land(st.D), land(st.T);
    });
    each_slot(st, JAPANESE, [&](long k) { japanese_landing(st, k); });
    clear_sunk_carriers(st);
    const bool near = L(st.TT(TT_AIR_DISTANCE)) < 6;
    each_slot(st, ALLIED, [&](long k) {
        const int n = near ? AL_HOME_LAST : AL_HOME_FAR;
        move_into(st.F, ALLIED, k, AL_BACK, n);
        move_into(st.D, ALLIED, k, AL_BACK, n);
        move_into(st.T, ALLIED, k, AL_BACK, n);
    });
    each_slot(st, JAPANESE, [&](long k) {
        const int n = near ? F_HOME_LAST : F_HOME_FAR;
        move_into(st.F, JAPANESE, k, F_FLEET_BACK, n);
        move_into(st.D, JAPANESE, k, D_FLEET_BACK, n + 1);
        move_into(st.T, JAPANESE, k, T_FLEET_BACK_TORPEDO, n + 6);
        move_into(st.T, JAPANESE, k, T_FLEET_BACK_BOMB, n + 6);
    });
    count_deck_units(st, operating_fleet(st));
}

void IDO2(State& st) {
    // Added, not replacing: units a skipped raid close left over the player's fleet stay
    // there for the next raid instead of being wiped out.
    each_slot(st, ALLIED, [&](long k) {
        move_into(st.F, ALLIED, k, AL_OUT, AL_OVER);
        move_into(st.D, ALLIED, k, AL_OUT, AL_OVER);
        move_into(st.T, ALLIED, k, AL_OUT, AL_OVER);
    });
    for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r) move_into(st, r, Q_OUT, Q_OVER);
    each_slot(st, JAPANESE, [&](long k) {
        for (int c = 3; c <= 5; ++c) {
            if (c <= 4) {
                move_into(st.F, JAPANESE, k, c, c + 2);
                move_into(st.D, JAPANESE, k, c + 1, c + 3);
            }
            move_into(st.T, JAPANESE, k, c + 3, c + 6);
        }
    });
    each_slot(st, ALLIED, [&](long k) { move_into(st.F, ALLIED, k, AL_INTERCEPT_LAST, AL_HANGAR); });
    move_into(st, QR_FIGHTERS, Q_INTERCEPT_LAST, Q_LANDED);
    each_slot(st, JAPANESE, [&](long k) { move_into(st.F, JAPANESE, k, F_CAP_SECOND, F_HANGAR); });
    for (int n : {AL_INTERCEPT_LAST, AL_INTERCEPT_SECOND}) {
        each_slot(st, ALLIED, [&](long k) { take(st.F, ALLIED, k, n - 1, n); });
        take(st, QR_FIGHTERS, n - 1, n);
    }
    for (int n : {F_CAP_SECOND, F_CAP_FIRST})
        each_slot(st, JAPANESE, [&](long k) { take(st.F, JAPANESE, k, n - 1, n); });
}

void IDO3(State& st) {
    hand_back(st, st.F, 0);
    hand_back(st, st.D, 1);
    hand_back(st, st.T, 2);
}

}  // namespace morva95s

namespace morva95s {

namespace {

/// Adds columns 2 to last of a slot into column 1 and clears them, in column order.
template <typename Units>
void fold_into_hangar(Units& u, int side, long k, int last) {
    for (int c = 2; c <= last; ++c) move_into(u, side, k, c, 1);
}

}  // namespace

void land_day_air_units(State& st) {
    for (int side : {JAPANESE, ALLIED})
        each_slot(st, side, [&](long k) {
            fold_into_hangar(st.F, side, k, F_CAP_SECOND);
            fold_into_hangar(st.D, side, k, D_HOME_LAST);
            fold_into_hangar(st.T, side, k, T_HOME_LAST);
        });
    for (int r = QR_FIGHTERS; r <= QR_HEAVY; ++r) {
        for (int c = Q_READY; c <= Q_INTERCEPT_LAST; ++c) move_into(st, r, c, Q_LANDED);
        if (L(st.Q(r, Q_LANDED)) < 1) st.Q(r, Q_LANDED) = 0;
        st.O(r) = st.Q(r, Q_LANDED);
    }
    for (int side : {JAPANESE, ALLIED})
        each_slot(st, side, [&](long k) {
            const float ship = st.C(side, operating_fleet(st), k);
            if (L(st.A(side, ship, A_DURABILITY)) <= 0) {
                st.F(side, k, 1) = st.D(side, k, 1) = st.T(side, k, 1) = 0;
                return;
            }
            const con::real deck = L(st.A(side, ship, A_FLIGHT_DECK)) + 2 + 4 * side;
            st.A(side, ship, A_FLIGHT_DECK) = deck > 10 ? 10.0f : con::store(deck);
        });
}

}  // namespace morva95s
