// MORVA95F: ALLIED_PLANNING, the computer's Allied plan for a turn: how many carriers oppose
// each of the player's air fleets (OC), then the carriers and battleships that sail against
// each fleet. Every test is evaluated in full: each draw written in it is made, left to right,
// whether or not the outcome depends on it.
#include <utility>

#include "console/console.h"
#include "detailed/blocks.h"

namespace morva95f {
namespace {

con::real random_up_to(int scale) { return con::L(con::rnd()) * scale; }

con::real weight(const State& st, float base) { return con::L(st.P(base, P_WEIGHT)); }

// The United States carriers fit to be planned: at least (w + 1) / 2 and above 2 points of
// durability, and serving this turn.
con::real available_carriers(const State& st, con::real w) {
    con::real n = 0;
    for (int j = 1; j <= 13; ++j) {
        const con::real d = con::L(st.A(1, j, A_DURABILITY));
        if (d >= (w + 1) / 2 && st.A(1, j, A_FIRST_TURN) <= st.TURN_NO && d > 2) n += 1;
    }
    return n;
}

void first_split(State& st, int p, int q, con::real n) {
    st.OC(p) = con::store(con::int_floor((n + 1) / 2));
    if (weight(st, st.AT(p)) + 2 < weight(st, st.AT(q))) st.OC(p) = con::store(con::int_floor((n + 1) / 2) + 1);
    st.OC(q) = con::store(n - con::L(st.OC(p)));
    if (st.OC(q) < 2) {
        st.OC(q) = 0;
        st.OC(p) = con::store(n);
    }
}

// The review's last case: fleet f is left unopposed and the other fleet's plan is settled afresh.
void leave_unopposed(State& st, int f, con::real n) {
    const float o = st.AT(3 - f);
    const con::real other_cv = con::L(st.CV(0, 3 - f));
    st.OC(f) = 0;
    const con::real r1 = random_up_to(6), r2 = random_up_to(7);
    const bool none = o < 21 && (n < 2 || o == 0 || (other_cv > 2 * n && r1 > 4) || (other_cv >= 3 * n && r2 > 2));
    st.OC(3 - f) = none ? 0.0f : con::store(n);
}

// The review of fleet f's plan; false when it ended the review (the fleet was left unopposed).
bool review(State& st, int f, con::real n) {
    const float K = st.AT(f), o = st.AT(3 - f);
    if (K == 0) {
        st.OC(f) = 0;
        return true;
    }
    if (K == 8 || K == 20 || ((K == 10 || K == 12) && st.TURN_NO < 5)) {
        st.OC(f) = 2;
        return true;
    }
    if (con::L(st.TURN_NO) * 10 < random_up_to(30) + 18) {
        st.OC(f) = 0;
        return true;
    }
    if (K == 21) {
        st.OC(f) = con::store(n);
    } else {
        const con::real w = weight(st, K), r = random_up_to(60);
        if ((w * w + 5 > r && (st.OC(f) < 3 || st.OC(3 - f) < 3)) || o == 21 || st.OC(f) < 1) {
            leave_unopposed(st, f, n);
            return false;
        }
    }
    const con::real cv = con::L(st.CV(0, f)), r1 = random_up_to(7), r2 = random_up_to(7);
    if (K < 21 && ((cv > 2 * n && r1 > 5) || (cv >= 3 * n && r2 > 2))) {
        leave_unopposed(st, f, n);
        return false;
    }
    if (o == 8 || o == 20) st.OC(f) = con::store(n);
    return true;
}

bool early_british_target(const State& st, float K) {
    return st.TURN_NO > 1 && st.TURN_NO < 4 && (K == 10 || K == 12);
}

// The carriers facing fleet f, strongest first (by the whole part of their durability, 7 and
// above alike), ties by ship number; returns how many were taken.
int assign_carriers(State& st, int f, float K) {
    int s = 1;
    for (int t = 7; t >= 1; --t)
        for (int j = 1; j <= 15; ++j) {
            const float d = st.A(1, j, A_DURABILITY);
            if (d < 1 || st.A(1, j, A_FIRST_TURN) > st.TURN_NO || d < t || st.A(1, j, A_COMMITTED) == 1 || s > 8 ||
                s > st.OC(f) || (d < 3 && K < 21))
                continue;
            if (early_british_target(st, K)) {
                if (st.A(1, j, A_CLASS) != 5) continue;
            } else if (con::L(st.P(K, P_HOLDER)) != (con::L(st.A(1, j, A_CLASS)) - 1) / 2) {
                continue;
            }
            st.C(1, f, s) = static_cast<float>(j);
            st.A(1, j, A_COMMITTED) = 1;
            st.A(1, j, A_FLIGHT_DECK) = 10;
            ++s;
        }
    return s - 1;
}

// Whether battleship j, fit and uncommitted, sails against fleet f as the s-th battleship.
bool battleship_sails(State& st, int f, int j, int s) {
    const float K = st.AT(f);
    const con::real d = con::L(st.A(1, j, A_DURABILITY)), e = con::L(st.A(1, j, A_FULL_DURABILITY));
    if (early_british_target(st, K)) {
        if (st.A(1, j, A_CLASS) != 6) return false;
    } else {
        if (con::L(st.P(K, P_HOLDER)) != (con::L(st.A(1, j, A_CLASS)) - 2) / 2) return false;
        if ((st.TURN_NO > 2 && K == 7) || (f == 1 && st.AT(2) == 0 && weight(st, st.AT(1)) < 6 && e == d))
            return true;
        if (s > con::L(st.CV(1, f)) * 2 + random_up_to(3)) return false;
    }
    const con::real r1 = random_up_to(10), r2 = random_up_to(10), r3 = random_up_to(10), r4 = random_up_to(10);
    return (e == d && r1 > 2) || (e - d == 1 && r2 > 4) || (e - d == 2 && r3 > 6) || (e - d == 3 && r4 > 8);
}

void assign(State& st, int f) {
    const float K = st.AT(f);
    if (st.OC(f) < 1 || (st.OC(f) < 2 && K < 20)) {
        st.CV(1, f) = 0;
        st.BB(1, f) = 0;
        return;
    }
    if (K < 21) {
        const con::real w = weight(st, K), r = random_up_to(8);
        if (st.OC(f) > 3 && r < w)
            st.OC(f) = con::store(con::L(st.OC(f)) - con::int_floor(random_up_to(1 + con::int_floor(w / 4))));
    }
    st.CV(1, f) = static_cast<float>(assign_carriers(st, f, K));
    if (st.CV(1, f) == 0) {
        st.BB(1, f) = 0;
        return;
    }
    int s = 1;
    for (int j = 16; j <= 42; ++j) {
        if (st.A(1, j, A_DURABILITY) < 2 || st.A(1, j, A_FIRST_TURN) > st.TURN_NO || st.A(1, j, A_COMMITTED) == 1)
            continue;
        if (!battleship_sails(st, f, j, s)) continue;
        st.G(1, f, s) = static_cast<float>(j);
        st.A(1, j, A_COMMITTED) = 1;
        ++s;
    }
    st.BB(1, f) = static_cast<float>(s - 1);
}

}  // namespace

Block ALLIED_PLANNING(State& st) {
    // The primary fleet is the one whose target the Allies weigh lower (fleet 1 on equal
    // weights; a fleet without target weighs 15).
    int p = 1;
    con::real w = weight(st, st.AT(1));
    if (weight(st, st.AT(1)) > weight(st, st.AT(2)) && st.AT(2) > 0) {
        w = weight(st, st.AT(2));
        p = 2;
    }
    int q = 3 - p;
    const con::real n = available_carriers(st, w);
    const con::real r = random_up_to(5);
    if (weight(st, st.AT(p)) + 3 > weight(st, st.AT(q)) && con::L(st.CV(0, p)) + 3 < con::L(st.CV(0, q)) && r > 1)
        std::swap(p, q);
    first_split(st, p, q, n);
    if (review(st, 2, n)) review(st, 1, n);
    assign(st, p);
    assign(st, q);
    return Block::OperationsStart;
}

}  // namespace morva95f
