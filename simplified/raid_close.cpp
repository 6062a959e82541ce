// MORVA95S: the end of phase 1 of a sub-turn: ABORT_QUESTION, the offer to call the operation
// off after a raid that damaged the fleet (in the harbour strike from sub-turn 7 on, whatever
// happened), and BASE_STRIKE_ARRIVAL, the raid's close: the Allied carrier units that stood
// over the fleet without attacking turn for home, the heavy bombers return to the base, and
// the raid's other survivors go back to the base or, through IDO3, to the Allied carriers.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// The harbour strike asks after this sub-turn, whatever the contact, distance or damage.
constexpr float kHarbourQuietUntil = 6;
/// A call-off before this sub-turn of the harbour strike also drops the day's contacts.
constexpr float kHarbourWithdrawBefore = 9;

/// Steps 6 and 7: the question in green at column 12, row 22, and the answer into TK(0).
void ask_abort(State& st) {
    CLEAR_MESSAGE_ROWS(st);
    con::locate(con::Col(12), con::Row(22));
    con::color(4);
    st.DIALOGUE_KEY = con::input_line("作戦中止しますか ? Y - N  ");
    if (st.DIALOGUE_KEY == "Y" || st.DIALOGUE_KEY == "y") {
        st.TK(0) = 1;
        if (st.PEARL_HARBOR_TURN == 1 && L(st.SUBTURN_NO) < L(kHarbourWithdrawBefore)) st.PH_WITHDRAW = 1;
    } else {
        st.TK(0) = 0;
    }
}

/// Step 8: the Allied carriers' units still over the fleet move to the first homebound stage.
void turn_carrier_units_home(State& st) {
    for (long k = 1; L(k) <= L(st.CV(ALLIED, st.FLEET_NO)); ++k) {
        st.F(ALLIED, k, AL_BACK) = st.F(ALLIED, k, AL_OVER);
        st.D(ALLIED, k, AL_BACK) = st.D(ALLIED, k, AL_OVER);
        st.T(ALLIED, k, AL_BACK) = st.T(ALLIED, k, AL_OVER);
        st.F(ALLIED, k, AL_OVER) = 0;
        st.D(ALLIED, k, AL_OVER) = 0;
        st.T(ALLIED, k, AL_OVER) = 0;
    }
}

}  // namespace

int base_return_column(float base_distance) { return L(base_distance) > 5 ? Q_BACK_FAR : Q_HOME; }

Block ABORT_QUESTION(State& st) {
    if (st.TK(0) == 1) return Block::BaseStrikeArrival;
    const bool harbour_asks = st.PEARL_HARBOR_TURN == 1 && L(st.SUBTURN_NO) > L(kHarbourQuietUntil);
    if (!harbour_asks) {
        // Out of contact or range only the question is skipped: the raid's close still sends
        // the survivors and the units over the fleet home, so that none is lost on the way.
        if (st.H(1) == 0 || L(st.AIR_DISTANCE) > 9) return Block::BaseStrikeArrival;
        if (st.UNDAMAGED_CARRIERS == st.CV(JAPANESE, st.FLEET_NO)) {
            PAUSE_MESSAGE(st);
            return Block::BaseStrikeArrival;
        }
    }
    ask_abort(st);
    return Block::BaseStrikeArrival;
}

Block BASE_STRIKE_ARRIVAL(State& st) {
    const float f = st.FLEET_NO;
    turn_carrier_units_home(st);
    const int c = base_return_column(st.BASE_DISTANCE);
    st.Q(QR_HEAVY, c) = con::store(L(st.Q(QR_HEAVY, c)) + L(st.W(RAID_HEAVY)));
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
