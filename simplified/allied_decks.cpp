// MORVA95S: the Allied side's own deck handling in the carrier phases, with no screen: the
// carriers' strike launch KOGEKI, the target base's launch, and the deck loading that closes
// the maintenance phase, each carrier within its own deck room.
#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/carrier_passes.h"
#include "simplified/carrier_rules.h"

namespace morva95s {

using con::L;

namespace {

/// Adds column `from` of an Allied slot into column `to` and empties it.
template <typename Units>
void launch_all(Units& u, long slot, int to) {
    u(ALLIED, slot, to) = con::store(L(u(ALLIED, slot, to)) + L(u(ALLIED, slot, AL_DECK)));
    u(ALLIED, slot, AL_DECK) = 0;
}

/// One bomber of an Allied carrier's hangar to its deck when the draw x 10 is above the
/// threshold; the draw is made whether or not the hangar holds one.
template <typename Units>
void load_bomber(Units& u, long slot, con::real threshold) {
    const con::real r = L(con::rnd());
    if (r * 10 > threshold && L(u(ALLIED, slot, AL_HANGAR)) > 0) move_unit(u, ALLIED, slot, AL_HANGAR, AL_DECK);
}

/// The loading of one fit Allied carrier: at most its capacity in cycles of a fighter, a dive
/// bomber and a torpedo bomber, each after a deck-room check; the first check that fails ends
/// the carrier.
void load_carrier(State& st, long slot, float capacity, con::real threshold) {
    for (long cycle = 1; L(cycle) <= L(capacity); ++cycle) {
        if (!CHECK_DECK_ROOM(st, slot)) return;
        if (L(st.F(ALLIED, slot, AL_HANGAR)) > 0) move_unit(st.F, ALLIED, slot, AL_HANGAR, AL_DECK);
        if (!CHECK_DECK_ROOM(st, slot)) return;
        load_bomber(st.D, slot, threshold);
        if (!CHECK_DECK_ROOM(st, slot)) return;
        load_bomber(st.T, slot, threshold);
    }
}

}  // namespace

void KOGEKI(State& st) {
    const float f = st.TT(TT_FLEET);
    for (long slot = 1; L(slot) <= L(st.CV(ALLIED, f)); ++slot) {
        const float ship = st.C(ALLIED, f, slot);
        const con::real r = L(con::rnd());  // drawn for every carrier, fit or not
        if (!(L(st.A(ALLIED, ship, A_FLIGHT_DECK)) > 7 && r * 10 <= 6)) continue;
        const int stage = far_launch(st.TT(TT_AIR_DISTANCE)) ? AL_OUT : AL_OVER;
        launch_all(st.D, slot, stage);
        launch_all(st.T, slot, stage);
    }
}

void allied_base_launch(State& st) {
    const int stage = far_launch(st.BASE_DISTANCE) ? Q_OUT : Q_OVER;
    for (int row : {QR_DIVE, QR_TORPEDO}) {
        const con::real r = L(con::rnd());
        // Below 1 as the draw is: a single ready unit never goes, nor a row's every unit.
        const con::real k = con::int_floor(L(st.Q(row, Q_READY)) * r);
        st.Q(row, stage) = con::store(L(st.Q(row, stage)) + k);
        st.Q(row, Q_READY) = con::store(L(st.Q(row, Q_READY)) - k);
    }
    st.Q(QR_HEAVY, stage) = con::store(L(st.Q(QR_HEAVY, stage)) + L(st.Q(QR_HEAVY, Q_READY)));
    st.Q(QR_HEAVY, Q_READY) = 0;
}

bool CHECK_DECK_ROOM(const State& st, long slot) {
    const con::real on_deck =
        L(st.F(ALLIED, slot, AL_DECK)) + L(st.D(ALLIED, slot, AL_DECK)) + L(st.T(ALLIED, slot, AL_DECK));
    return !(on_deck + 1 > L(st.A(ALLIED, st.C(ALLIED, st.FLEET_NO, slot), A_CAPACITY)) / 2);
}

void ALLIED_DECK_LOADING(State& st) {
    const con::real threshold = st.H(0) == 1 ? 5 : 2;
    for (long slot = 1; L(slot) <= L(st.CV(ALLIED, st.FLEET_NO)); ++slot) {
        if (!fit_carrier(st, ALLIED, slot)) continue;  // no draw for a carrier that is not fit
        load_carrier(st, slot, st.A(ALLIED, st.C(ALLIED, st.FLEET_NO, slot), A_CAPACITY), threshold);
    }
}

}  // namespace morva95s
