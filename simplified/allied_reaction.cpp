// MORVA95S: the Allied reaction to the turn's targets (the carriers planned per target, then
// the carriers and battleships committed to Allied fleets 1 and 2) and the turn-start repair.
// Every draw written in a condition is made before the condition is tested.
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;
using con::real;

bool british_base(real k) { return k == 8 || k == 20; }

real response(const State& st, real base) { return L(st.P(base, P_RESPONSE)); }

struct Plan {
    real n = 0;  // fit US carriers
    int favoured = 1;
};

// Part A: the favoured target, the fit carriers and the split of the carriers planned.
Plan favoured_target_and_split(State& st) {
    Plan plan;
    real x = response(st, st.AT(1));
    if (response(st, st.AT(2)) < response(st, st.AT(1))) {
        x = response(st, st.AT(2));
        plan.favoured = 2;
    }
    const real turn = L(st.TURN_NO);
    for (int i = 1; i <= 13; ++i) {
        const real d = L(st.A(1, i, A_DURABILITY));
        if (d >= (x + 1) / 2 && turn >= L(st.A(1, i, A_FIRST_TURN)) && d > 2) plan.n = plan.n + 1;
    }
    if (plan.n < 2 || turn == 1) {
        st.OC(1) = 0;
        st.OC(2) = 0;
        return plan;
    }
    int y = plan.favoured;
    const real r = L(con::rnd());
    if (response(st, st.AT(3 - y)) < response(st, st.AT(y)) + 3 && L(st.CV(0, 3 - y)) > L(st.CV(0, y)) + 3 &&
        r * 5 > 1)
        y = 3 - y;
    plan.favoured = y;
    real planned = con::int_floor((plan.n + 1) / 2);
    if (response(st, st.AT(3 - y)) > response(st, st.AT(y)) + 2) planned = planned + 1;
    st.OC(y) = con::store(planned);
    st.OC(3 - y) = con::store(plan.n - L(st.OC(y)));
    return plan;
}

// Whether the Allies shy away from Japanese air fleet f, by its carriers against the fit US
// carriers n: (2n < CV and RND x scale > above) or (3n <= CV and RND x 7 > 2); both drawn.
bool allies_outmatched(const State& st, int f, real n, real scale, real above) {
    const real cv = L(st.CV(0, f));
    const real r1 = L(con::rnd());
    const real r2 = L(con::rnd());
    return (2 * n < cv && r1 * scale > above) || (3 * n <= cv && r2 * 7 > 2);
}

// Giving up fleet f's target: OC(f) = 0, and the other target gets none or every fit carrier.
void give_up(State& st, int f, real n) {
    st.OC(f) = 0;
    const real other = L(st.AT(3 - f));
    const bool outnumbered = allies_outmatched(st, 3 - f, n, 6, 4);
    const bool none = other < 21 && (n < 2 || L(st.TURN_NO) == 1 || other == 0 || outnumbered);
    st.OC(3 - f) = none ? 0.0f : con::store(n);
}

// Part B for fleet f; returns false once a target is given up (which ends part B).
bool decide_target(State& st, int f, real n) {
    const real k = L(st.AT(f));
    const real other = L(st.AT(3 - f));
    if (k == 0) {
        give_up(st, f, n);
        return false;
    }
    if (british_base(k)) {
        st.OC(f) = 2;
        return true;
    }
    if (k == 21) {
        st.OC(f) = con::store(n);
    } else {
        const real r = L(con::rnd());
        const real p = response(st, k);
        if ((r * 60 < p * p + 5 && (L(st.OC(f)) < 3 || L(st.OC(3 - f)) < 3)) || other == 21 || L(st.OC(f)) < 1) {
            give_up(st, f, n);
            return false;
        }
    }
    if (allies_outmatched(st, f, n, 7, 5) && k < 21) {
        give_up(st, f, n);
        return false;
    }
    if (british_base(other)) {
        st.OC(f) = con::store(n);
    } else if (k == 7) {
        const real r = L(con::rnd());
        st.OC(f) = (L(st.TURN_NO) > 2 && r * 12 > 2) ? con::store(n) : 0.0f;
    }
    return true;
}

// Whether ship i of the Allies belongs to the holder of base k: (class - offset) / 2.
bool same_nation(const State& st, int i, real k, real offset) {
    return (L(st.A(1, i, A_CLASS)) - offset) / 2 == L(st.P(k, P_HOLDER));
}

void commit_carriers(State& st, int f, real k) {
    int slot = 1;
    const real turn = L(st.TURN_NO);
    for (int w = 7; w >= 1; --w)
        for (int i = 1; i <= kAlliedCarriers; ++i) {
            const real d = L(st.A(1, i, A_DURABILITY));
            if (d < 1 || turn < L(st.A(1, i, A_FIRST_TURN)) || d < w || st.A(1, i, A_COMMITTED) == 1 ||
                !same_nation(st, i, k, 1) || slot > 8 || slot > L(st.OC(f)) || (d < 3 && k < 21))
                continue;
            st.C(1, f, slot) = static_cast<float>(i);
            st.A(1, i, A_COMMITTED) = 1;
            st.A(1, i, A_FLIGHT_DECK) = 10;
            ++slot;
        }
    st.CV(1, f) = static_cast<float>(slot - 1);
}

bool battleship_joins(State& st, int f, real k, int i, int slot) {
    const real d = L(st.A(1, i, A_FULL_DURABILITY)) - L(st.A(1, i, A_DURABILITY));
    const real turn = L(st.TURN_NO);
    if ((turn > 2 && k == 7) ||
        (f == 1 && st.AT(2) == 0 && response(st, st.AT(1)) < 6 && d == 0))
        return true;
    const real r = L(con::rnd());
    if (L(st.CV(1, f)) * 2 + r * 3 < slot) return false;
    const real r0 = L(con::rnd()), r1 = L(con::rnd()), r2 = L(con::rnd()), r3 = L(con::rnd());
    return (d == 0 && r0 * 10 > 2) || (d == 1 && r1 * 10 > 4) || (d == 2 && r2 * 10 > 6) || (d == 3 && r3 * 10 > 8);
}

void commit_battleships(State& st, int f, real k) {
    int slot = 1;
    const real turn = L(st.TURN_NO);
    for (int i = kAlliedCarriers + 1; i <= kAlliedShips; ++i) {
        if (L(st.A(1, i, A_DURABILITY)) < 2 || turn < L(st.A(1, i, A_FIRST_TURN)) ||
            st.A(1, i, A_COMMITTED) == 1 || !same_nation(st, i, k, 2))
            continue;
        if (!battleship_joins(st, f, k, i, slot)) continue;
        st.G(1, f, slot) = static_cast<float>(i);
        st.A(1, i, A_COMMITTED) = 1;
        ++slot;
    }
    st.BB(1, f) = static_cast<float>(slot - 1);
}

// Part C for fleet f.
void commit_ships(State& st, int f) {
    const real k = L(st.AT(f));
    if (L(st.OC(f)) < 1 || (L(st.OC(f)) < 2 && k < 21)) {
        st.CV(1, f) = 0;
        st.BB(1, f) = 0;
        return;
    }
    if (k < 21) {
        const real r = L(con::rnd());
        const real p = response(st, k);
        if (L(st.OC(f)) > 3 && p > r * 8) {
            const real cut = con::int_floor(L(con::rnd()) * (con::int_floor(p / 4) + 1));
            st.OC(f) = con::store(L(st.OC(f)) - cut);
        }
    }
    commit_carriers(st, f, k);
    if (st.CV(1, f) == 0) {
        st.BB(1, f) = 0;
        return;
    }
    commit_battleships(st, f, k);
}

}  // namespace

void plan_allied_reaction(State& st) {
    const Plan plan = favoured_target_and_split(st);
    for (int f = 2; f >= 1; --f)
        if (!decide_target(st, f, plan.n)) break;
    commit_ships(st, plan.favoured);
    commit_ships(st, 3 - plan.favoured);
}

void repair_ships(State& st) {
    for (int s = 0; s <= 1; ++s) {
        const int ships = s == 0 ? kJapaneseShips : kAlliedShips;
        for (int i = 1; i <= ships; ++i) {
            const real d = L(st.A(s, i, A_DURABILITY));
            if (d >= 1 && d < L(st.A(s, i, A_FULL_DURABILITY)) && st.A(s, i, A_COMMITTED) != 1)
                st.A(s, i, A_DURABILITY) = con::store(d + 1);
        }
    }
}

Block ALLIED_REACTION(State& st) {
    plan_allied_reaction(st);
    return Block::OperationsStart;
}

Block OPERATIONS_START(State& st) {
    repair_ships(st);
    return Block::OperationLoop;
}

}  // namespace morva95s
