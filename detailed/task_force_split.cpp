// MORVA95F: HENSEI3, the split of the Allied force facing an air fleet into one to three task
// forces at the start of its operation.
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// The number of task forces for c carriers. The draws are made one after the other as
// listed; a later draw is made only when the earlier test failed.
int task_force_count(long carriers) {
    auto roll = [](int scale) { return con::L(con::rnd()) * scale; };
    switch (carriers) {
        case 1: return 1;
        case 2: return roll(10) > 2 ? 1 : 2;
        case 3: return roll(10) > 5 ? 2 : (roll(10) > 2 ? 1 : 3);
        case 4: return roll(10) > 4 ? 2 : (roll(10) > 5 ? 1 : 3);
        case 5: return roll(10) > 4 ? 2 : (roll(8) > 6 ? 1 : 3);
        case 6: return roll(10) > 4 ? 2 : 3;
        case 7: return roll(10) > 5 ? 2 : 3;
        default: return roll(10) > 6 ? 2 : 3;
    }
}

// Deals n ships over the task forces: into KS(first..first+2).
void deal(State& st, int first, int forces, long n) {
    const con::real c = static_cast<con::real>(n);
    st.KS(first) = con::store(forces == 1 ? c : con::int_floor((c + forces - 1) / forces));
    st.KS(first + 1) = con::store(forces == 1 ? 0 : con::int_floor((c + forces - 2) / forces));
    st.KS(first + 2) = con::store(forces == 3 ? con::int_floor(c / 3) : 0);
}

// Marks the ships of a list with their task force: the first KS(first) get 1, the next
// KS(first + 1) get 2, the rest 3.
template <typename List>
void mark_members(State& st, const List& list, float fleet, long n, int first) {
    const con::real one = con::L(st.KS(first)), two = one + con::L(st.KS(first + 1));
    for (long i = 1; i <= n; ++i) {
        const float ship = list(1, fleet, i);
        st.A(1, ship, A_TASK_FORCE) = i <= one ? 1.0f : (i <= two ? 2.0f : 3.0f);
    }
}

}  // namespace

void HENSEI3(State& st) {
    const float f = st.TT(TT_FLEET);
    const long carriers = con::round_half_away(st.CV(1, f));
    const long battleships = con::round_half_away(st.BB(1, f));
    const int forces = task_force_count(carriers);
    deal(st, KS_CARRIERS + 1, forces, carriers);
    mark_members(st, st.C, f, carriers, KS_CARRIERS + 1);
    if (st.KS(KS_CARRIERS + 2) > 0 && st.KS(KS_CARRIERS + 3) == 0) {
        st.DF(1) = con::store(con::int_floor(con::L(st.DF(1)) * con::L(0.6f)));
        st.DF(2) = st.DF(1);
    } else if (st.KS(KS_CARRIERS + 3) > 0) {
        st.DF(1) = con::store(con::int_floor(con::L(st.DF(1)) * con::L(0.4f)));
        st.DF(2) = st.DF(1);
        st.DF(3) = st.DF(1);
    }
    deal(st, KS_BATTLESHIPS + 1, forces, battleships);
    mark_members(st, st.G, f, battleships, KS_BATTLESHIPS + 1);
}

}  // namespace morva95f
