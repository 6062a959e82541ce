// MORVA95S: KOGEKI4, the bombing of the target base by the strike's bombers: 250 kg hits of
// the dive bombers on its strength and anti-aircraft guns, 800 kg hits of the torpedo bombers,
// the Allied force stirred by a heavy strike, the strength brought back to whole points, and
// the report of what is left or of the base destroyed and taken.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kBombingHeadingColour = 6;

/// A 250 kg hit takes a fifth of a point off the strength; the rounding at the end adds 0.8.
/// Both are 4-byte values: each hit stores the difference as 4 bytes, so that some strengths
/// lose a point on the fourth hit already.
constexpr float k250kgHit = 0.2f;
constexpr float kRoundingAddend = 0.8f;
constexpr int k800kgHit = 2;

/// A strike of more bomber units than this may stir an Allied force keeping its distance.
constexpr int kHeavyStrike = 7;

/// The attacks of `units` units: a hit die above `miss_above` misses; `hit` books a hit (and
/// makes its own draws). Returns the hits.
template <typename Hit>
long bombing_attacks(float units, int miss_above, const Draw& rnd, Hit hit) {
    long hits = 0;
    for (long u = 1; L(u) <= L(units); ++u) {
        if (hit_die(rnd) > miss_above) continue;
        ++hits;
        hit();
    }
    return hits;
}

/// The bombers' heading at (50, 11) in yellow, with the bell.
void bombing_heading(const State& st, int type) {
    con::beep();
    con::color(kBombingHeadingColour);
    print_row(50, 11, st.NN(type), " の攻撃");
    con::print_end();
}

/// `hits` hit messages at (52, 13), each followed by the wait after a hit.
void hit_messages(long hits, const char* text, con::real wait) {
    for (long i = 0; i < hits; ++i) {
        con::print_at(con::Col(52), con::Row(13), text);
        con::print_end();
        con::wait_ticks(wait);
    }
}

}  // namespace

BaseBombing bomb_base(State& st, const Draw& rnd) {
    const float base = st.AT(st.TT(TT_FLEET));
    BaseBombing result;
    float& strength = st.P(base, P_STRENGTH);
    float& aa = st.P(base, P_AIR_DEFENCE);
    // A 250 kg hit may silence a gun, on a draw above 2 in tenths, while the base has any.
    result.dive_hits = bombing_attacks(st.KO(KO_DIVE), 4, rnd, [&] {
        strength = con::store(L(strength) - L(k250kgHit));
        const con::real guns = L(rnd());
        if (guns * 10 > 2 && L(aa) > 0) aa = con::store(L(aa) - 1);
    });
    result.torpedo_hits = bombing_attacks(st.KO(KO_TORPEDO), 2, rnd, [&] { strength = con::store(L(strength) - k800kgHit); });
    const con::real stirred = L(rnd());
    if (L(st.KO(KO_DIVE)) + L(st.KO(KO_TORPEDO)) > kHeavyStrike && st.TK(1) == 1 && stirred * 5 > 2) st.TK(1) = 0;
    strength = con::store(con::int_floor(L(strength) + L(kRoundingAddend)));
    result.destroyed = !(L(strength) > 0);
    if (result.destroyed) st.P(base, P_HOLDER) = 0;
    return result;
}

void KOGEKI4(State& st) {
    const con::real wait = con::int_floor(L(st.TT(TT_WAIT)) / 10);
    const float base = st.AT(st.TT(TT_FLEET));
    const bool dive = L(st.KO(KO_DIVE)) >= 1;
    const bool torpedo = L(st.KO(KO_TORPEDO)) >= 1;
    const BaseBombing result = bomb_base(st, con::rnd);
    if (dive) {
        bombing_heading(st, KO_DIVE);
        hit_messages(result.dive_hits, "２５０Ｋｇ爆弾命中", wait);
    }
    if (torpedo) {
        bombing_heading(st, KO_TORPEDO);
        hit_messages(result.torpedo_hits, "８００Ｋｇ爆弾命中", wait);
    }
    con::locate(con::Col(50), con::Row(19));
    if (result.destroyed) {
        con::print_string_item("敵基地は壊滅せり");
        con::print_end();
        return;
    }
    con::print_string_item("敵基地の耐久力残り");
    con::print_single_item(st.P(base, P_STRENGTH));
    con::print_end();
    con::print_at(con::Col(50), con::Row(21), "第２次攻撃の要ありと認む");
    con::print_end();
}

}  // namespace morva95s
