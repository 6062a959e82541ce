// MORVA95S: TAIKU, the defenders' anti-aircraft fire at the player's strike before its bombs
// and torpedoes fall, which the base, the harbour and the Allied fleet fire alike, and the
// number of shots each of them fires.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

/// Yellow, for the anti-aircraft fire and its toll.
constexpr int kAntiAircraftColour = 6;

/// Whether a shot goes low (at the torpedo bombers): its aim draw is made for every shot.
bool low_shot(float dive, float torpedo, const Draw& rnd) {
    const con::real aim = L(rnd());
    return (L(torpedo) > 0 && aim * 10 > 3) || L(dive) < 1;
}

}  // namespace

AntiAircraftFire fire_at_strike(float shots, float dive, float torpedo, const Draw& rnd) {
    AntiAircraftFire fire;
    for (long shot = 1; L(shot) <= L(shots); ++shot) {
        if (!low_shot(dive, torpedo, rnd) && die(rnd) > 5) {
            fire.L[1] = con::store(L(fire.L[1]) + 1);
            continue;
        }
        if (die(rnd) > 4) fire.L[2] = con::store(L(fire.L[2]) + 1);
    }
    const float before[] = {0, dive, torpedo};
    float* left[] = {nullptr, &fire.dive_left, &fire.torpedo_left};
    for (int j = 1; j <= 2; ++j) {
        if (L(fire.L[j]) > L(before[j])) fire.L[j] = before[j];
        *left[j] = con::store(L(before[j]) - L(fire.L[j]));
    }
    return fire;
}

void TAIKU(State& st) {
    con::color(kAntiAircraftColour);
    con::print_at(con::Col(54), con::Row(4), "対空射撃");
    con::print_end();
    const AntiAircraftFire fire = fire_at_strike(st.TT(TT_AA_SHOTS), st.KO(KO_DIVE), st.KO(KO_TORPEDO), con::rnd);
    st.KO(KO_DIVE) = fire.dive_left;
    st.KO(KO_TORPEDO) = fire.torpedo_left;
    for (int j = 1; j <= 2; ++j) {
        print_row(52, 6 + j, fire.L[j], "ユニット墜落 残り", st.KO(j + 1));
        con::print_end();
    }
}

float base_aa_shots(float value) { return con::store(con::int_floor((L(value) + 0.5L) / 2)); }

float harbour_aa_shots(float value) { return con::store(con::int_floor((L(value) + 2) / 5 + 0.5L)); }

float fleet_aa_shots(float points) { return con::store(con::int_floor((L(points) + 1) / 2)); }

}  // namespace morva95s
