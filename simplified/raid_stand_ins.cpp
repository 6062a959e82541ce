// MORVA95S: stand-ins for phase 1 of a sub-turn, the Allied raid on the player's fleet, until
// it is built: the raid phase and the abort question only route (nothing is fought and no
// question is asked); the raid's close sends the Allied units home as the real one does.
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"

namespace morva95s {

using con::L;

Block ALLIED_RAID_PHASE(State& st) {
    return st.TK(0) == 1 ? Block::BaseStrikeArrival : Block::AbortQuestion;
}

Block ABORT_QUESTION(State& st) {
    if (st.TK(0) == 1) return Block::BaseStrikeArrival;
    if (st.H(1) == 0 || L(st.AIR_DISTANCE) > 9) return Block::OwnStrikeArrival;
    return Block::BaseStrikeArrival;
}

Block BASE_STRIKE_ARRIVAL(State& st) {
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, f)); ++k) {
        st.F(ALLIED, k, AL_BACK) = st.F(ALLIED, k, AL_OVER);
        st.D(ALLIED, k, AL_BACK) = st.D(ALLIED, k, AL_OVER);
        st.T(ALLIED, k, AL_BACK) = st.T(ALLIED, k, AL_OVER);
        st.F(ALLIED, k, AL_OVER) = 0;
        st.D(ALLIED, k, AL_OVER) = 0;
        st.T(ALLIED, k, AL_OVER) = 0;
    }
    const int c = L(st.BASE_DISTANCE) > 5 ? Q_BACK_FAR : Q_HOME;
    st.Q(QR_HEAVY, c) = con::store(L(st.Q(QR_HEAVY, c)) + L(st.W(3)));
    if (st.CV(ALLIED, f) == 0 || L(st.ALLIED_CV_AFLOAT) < 1) {
        for (int r = QR_FIGHTERS; r <= QR_TORPEDO; ++r) {
            st.Q(r, c) = con::store(L(st.Q(r, c)) + L(st.W(r)) + L(st.Q(r, Q_OVER)));
            st.Q(r, Q_OVER) = 0;
        }
    } else {
        IDO3(st);
    }
    return Block::OwnStrikeArrival;
}

}  // namespace morva95s
