// MORVA95F: HASSIN, the Allied launch decision of a daytime hour: the carriers' strikes with
// their escorts, the target base's strike and its heavy bombers, each entered as an outbound
// air group aimed at the player's fleet.
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

using con::add_to;

/// The carriers' survey: fighter strength, aircraft available and the force distance.
struct Survey {
    real strength = 0;     // standard fighters of every operational carrier
    real escorts = 0;      // fighters on deck on carriers that can escort
    real dive = 0;         // dive bombers on deck on carriers that can strike
    real torpedo = 0;      // torpedo bombers on deck on carriers that can strike
    real distance = 1000;  // the nearest task force that holds an operational carrier
};

struct Launch {
    State& st;
    float f;
    real s;
    real escort_range;

    bool operational(float ship) const {
        return st.A(1, ship, A_FLIGHT_DECK) >= 8 && st.A(1, ship, A_DURABILITY) >= 3;
    }
    real distance_of(float ship) const { return st.PK(con::round_half_away(st.A(1, ship, A_TASK_FORCE))); }
    bool in_time(real d) const { return s + con::int_floor(d / 51) <= 14; }
    bool can_strike(float ship) const {
        return operational(ship) && distance_of(ship) <= 90 && in_time(distance_of(ship));
    }
    bool can_escort(float ship) const {
        return operational(ship) && distance_of(ship) <= escort_range && in_time(distance_of(ship));
    }
    long carriers() const { return con::round_half_away(st.CV(1, f)); }

    Survey survey() const {
        Survey v;
        for (long i = 1; i <= carriers(); ++i) {
            const float ship = st.C(1, f, i);
            if (!operational(ship)) continue;
            v.strength += st.A(1, ship, A_FIGHTERS);
            if (distance_of(ship) < v.distance) v.distance = distance_of(ship);
            if (can_escort(ship)) v.escorts += st.F(1, i, AIR_FIGHTERS, F_DECK);
            if (can_strike(ship)) {
                v.dive += st.F(1, i, AIR_DIVE_BOMBERS, F_DECK);
                v.torpedo += st.F(1, i, AIR_TORPEDO_BOMBERS, F_DECK);
            }
        }
        return v;
    }

    /// Takes one aircraft of kind t off carrier i's deck into its task force's row.
    void take_off(long i, float ship, int t) {
        const long k = con::round_half_away(st.A(1, ship, A_TASK_FORCE));
        add_to(st.F(1, i, t, F_DECK), -1);
        st.T(k + 5, s, T_STATUS) = 1;
        add_to(st.T(k + 5, s, T_FIGHTERS + t), 1);
        add_to(st.A(1, ship, A_AIRCRAFT_AWAY), 1);
    }

    void launch_escorts(real e) {
        bool gave = true;
        while (e > 0 && gave) {  // each pass gives one fighter per carrier while any is left
            gave = false;
            for (long i = 1; i <= carriers() && e > 0; ++i) {
                const float ship = st.C(1, f, i);
                if (!can_escort(ship) || st.F(1, i, AIR_FIGHTERS, F_DECK) < 1) continue;
                take_off(i, ship, AIR_FIGHTERS);
                e -= 1;
                gave = true;
            }
        }
    }

    void launch_bombers(real dive, real torpedo) {
        bool gave = true;
        while ((dive > 0 || torpedo > 0) && gave) {
            gave = false;
            for (long i = 1; i <= carriers() && (dive > 0 || torpedo > 0); ++i) {
                const float ship = st.C(1, f, i);
                if (!can_strike(ship)) continue;
                const long k = con::round_half_away(st.A(1, ship, A_TASK_FORCE));
                if (st.ID(k) < 1) st.ID(k) = 1;
                if (dive > 0 && st.F(1, i, AIR_DIVE_BOMBERS, F_DECK) >= 1) {
                    take_off(i, ship, AIR_DIVE_BOMBERS);
                    dive -= 1;
                    gave = true;
                }
                if (torpedo > 0 && st.F(1, i, AIR_TORPEDO_BOMBERS, F_DECK) >= 1) {
                    take_off(i, ship, AIR_TORPEDO_BOMBERS);
                    torpedo -= 1;
                    gave = true;
                }
            }
        }
    }

    /// The carriers' part: escort count, hold test, escorts and bombers.
    void carriers_launch() {
        const Survey v = survey();
        const real c = st.TT(TT_CHARACTER);
        if (v.strength < 6 - c || st.TK(TK_POSTURE) > 0) {
            launch_bombers(v.dive, v.torpedo);
            return;
        }
        real e = 5 - c < v.strength && v.strength < 9 - c ? v.strength - 5 + c
                                                           : v.strength - (con::int_floor(v.strength / 2) + 1 - c);
        if (e > v.escorts) e = v.escorts;
        const real r = L(con::rnd());  // the hold roll, drawn whenever the test is reached
        const bool hold = v.distance > 90 || (v.dive == 0 && v.torpedo == 0) ||
                          (v.distance > escort_range && v.distance <= 90 && r * 10 > 7);
        if (hold) return;
        if (!(v.distance > escort_range || e < 1)) launch_escorts(e);
        launch_bombers(v.dive, v.torpedo);
    }

    void aim_rows() {
        for (int k = 1; k <= 3; ++k) {
            if (st.T(k + 5, s, T_STATUS) != 1) continue;
            st.T(k + 5, s, T_X) = st.PZ(k, PZ_X);
            st.T(k + 5, s, T_Y) = st.PZ(k, PZ_Y);
            st.T(k + 5, s, T_HEADING) = back_bearing(st.PD(k));
            st.T(k + 5, s, T_DISTANCE) = 0;
        }
    }

    static float back_bearing(float pd) {
        return con::store(con::mod(con::round_half_away(L(pd) + 180), 360));
    }

    void start_base_row(int source) {
        st.T(source, s, T_X) = 0;
        st.T(source, s, T_Y) = 0;
        st.T(source, s, T_HEADING) = back_bearing(st.PD(0));
        st.T(source, s, T_DISTANCE) = 0;
        st.T(source, s, T_STATUS) = 1;
    }

    void base_launch() {
        const float b = st.AT(f);
        const real pk = st.PK(0);
        if (pk > 160 || (st.TT(TT_HARBOUR_STRIKE) == 1 && st.HW(HW_BASE_STRUCK) == 0) || st.P(b, P_STRENGTH) < 1) return;
        const bool in_time = s + con::int_floor(pk / L(50.2f)) <= 14;
        if (pk <= 90 && in_time) {
            for (int t = 0; t <= 2; ++t) {
                const real ready = st.Q(t, Q_READY);
                if (ready < 1 || (t == 0 && pk > escort_range)) continue;
                real n = con::int_floor(ready * con::int_floor(L(con::rnd()) * 7 + 4) / 10);
                if (ready < 3) n = ready;
                if (n <= 0) continue;
                add_to(st.Q(t, Q_READY), -n);
                st.T(4, s, T_FIGHTERS + t) = con::store(n);
                start_base_row(4);
            }
        }
        if (st.Q(AIR_HEAVY_BOMBERS, Q_READY) >= 1 && in_time) {
            const real ready = st.Q(AIR_HEAVY_BOMBERS, Q_READY);
            real n = con::int_floor(ready * con::int_floor(L(con::rnd()) * 4 + 5) / 10);
            if (ready == 1) n = 1;
            if (n > 0) {
                add_to(st.Q(AIR_HEAVY_BOMBERS, Q_READY), -n);
                st.T(5, s, T_HEAVY_BOMBERS) = con::store(n);
                start_base_row(5);
            }
        }
    }
};

}  // namespace

void HASSIN(State& st) {
    const float f = st.TT(TT_FLEET);
    const float b = st.AT(f);
    Launch launch{st, f, st.TT(TT_SUBTURN), b == 8 || b == 20 ? 70.0L : 80.0L};
    launch.carriers_launch();
    launch.aim_rows();
    launch.base_launch();
}

}  // namespace morva95f
