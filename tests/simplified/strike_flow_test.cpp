// Phase 2 driven through run_block with scripted draws: escorts that arrive alone, a base
// strike through the base's fighters, its guns and the bombing, the harbour strike with its
// list and table, a fleet strike through the patrol, the guns, both attacks and the claims,
// and a force that lists no carrier (or nothing at all) meeting a strike.
#include <gtest/gtest.h>

#include "tests/simplified/carrier_support.h"
#include "tests/simplified/strike_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;

/// Runs one block; true when the key script ran out inside it (at a pause in key mode).
bool runs_out(StrikeFleet& st, Block block, Block expected_next) {
    Block next = expected_next;
    const bool out = runs_out_of_keys([&] { next = run_block(*st, block); });
    if (!out) {
        EXPECT_EQ(static_cast<int>(next), static_cast<int>(expected_next));
    }
    return out;
}

/// Whether every row of the screen is blank.
bool blank(const con::Screen& s) {
    for (int row = 0; row < 24; ++row)
        if (!row_of(s, row).empty()) return false;
    return true;
}

}  // namespace

// Escorts that arrive without bombers turn home: no screen, no pause, no draw; the survey
// still rewrites R(1).
TEST(StrikePhase, EscortsArrivingAlone) {
    StrikeFleet st;
    st->TT(TT_WAIT) = 100;
    st->F(JAPANESE, 1, F_OVER_BASE) = 2, st->F(JAPANESE, 2, F_OVER_BASE) = 1;
    st->F(JAPANESE, 2, F_OVER_FLEET) = 1;
    st->R(1) = 9;
    ScriptedRandom draws({});
    const auto waited = st.console.console().log().ticks_waited;
    EXPECT_EQ(run_block(*st, Block::OwnStrikeArrival), Block::FleetStrikePhase);
    EXPECT_EQ(run_block(*st, Block::FleetStrikePhase), Block::SearchResultPhase);
    EXPECT_EQ(
        (V{st->F(0, 1, F_BASE_BACK), st->F(0, 2, F_BASE_BACK), st->F(0, 1, F_OVER_BASE), st->F(0, 2, F_OVER_BASE)}),
        (V{2, 1, 0, 0}));
    EXPECT_EQ(st->F(0, 2, F_FLEET_BACK), 1);
    EXPECT_EQ(st->F(0, 2, F_OVER_FLEET), 0);
    EXPECT_EQ(st->R(1), 5);
    EXPECT_EQ(draws.made(), 0u);
    EXPECT_EQ(st.console.console().log().ticks_waited, waited);
    EXPECT_TRUE(blank(st.console.screen()));
}

// A base strike: the approach, the scramble and share-out, the escort combat with its victims
// off the base's stages, the defenders on the bombers, the pause, the base's guns, the bombing
// and the survivors handed back; the screen as the closing pause shows it.
TEST(StrikePhase, BaseStrike) {
    StrikeFleet st("x");
    st->TT(TT_COMMENT_KEY) = 1;
    st->F(JAPANESE, 1, F_OVER_BASE) = 1;
    st->D(JAPANESE, 1, D_OVER_BASE) = 2;
    st->T(JAPANESE, 2, T_OVER_BASE) = 1;
    st->Q(QR_FIGHTERS, Q_READY) = 1, st->Q(QR_FIGHTERS, Q_INTERCEPT_SECOND) = 2,
                       st->Q(QR_FIGHTERS, Q_INTERCEPT_LAST) = 2;
    st->P(14, P_AIR_DEFENCE) = 3;
    ScriptedRandom draws({0.75f, 0.1f,                            // the share-out
                          die_face(6), die_face(1), die_face(1),  // the defenders
                          die_face(4), die_face(5), die_face(1),  // the escort
                          die_face(5), die_face(1),               // on the bombers
                          0.5f, die_face(5),                      // one shot, low
                          hit_face(0), 0.9f, 0.5f});              // the bombing
    EXPECT_TRUE(runs_out(st, Block::OwnStrikeArrival, Block::FleetStrikePhase));
    EXPECT_EQ(draws.made(), draws.expected);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 10, 4, "攻撃隊", 6));
    EXPECT_TRUE(shows(s, 17, 4, "敵基地に接近 !!", 6));
    EXPECT_TRUE(shows(s, 10, 6, "零式艦戦  1  ユニット", 6));
    EXPECT_TRUE(shows(s, 10, 7, "９９式艦爆  2  ユニット", 6));
    EXPECT_TRUE(shows(s, 10, 8, "９７式艦攻  1  ユニット", 6));
    EXPECT_TRUE(shows(s, 10, 10, "敵迎撃機 5 ユニット接近", 6));
    EXPECT_TRUE(shows(s, 12, 12, "零式艦戦 対 Ｆ４Ｆ", 6));
    EXPECT_TRUE(shows(s, 10, 14, "損害   1      2 ", 6));
    EXPECT_TRUE(shows(s, 12, 16, "９９式艦爆 対 Ｆ４Ｆ", 6));
    EXPECT_TRUE(shows(s, 6, 18, "９９式艦爆 1 ユニット墜落 残り  1 ", 6));
    EXPECT_TRUE(shows(s, 12, 20, "９７式艦攻 対 Ｆ４Ｆ", 6));
    EXPECT_TRUE(shows(s, 6, 22, "９７式艦攻 0 ユニット墜落 残り  1 ", 6));
    EXPECT_TRUE(shows(s, 54, 4, "対空射撃", 6));
    EXPECT_TRUE(shows(s, 52, 7, " 0 ユニット墜落 残り 1 ", 6));
    EXPECT_TRUE(shows(s, 52, 8, " 1 ユニット墜落 残り 0 ", 6));
    EXPECT_TRUE(shows(s, 50, 11, "９９式艦爆 の攻撃", 6));
    EXPECT_TRUE(shows(s, 52, 13, "２５０Ｋｇ爆弾命中", 6));
    EXPECT_TRUE(shows(s, 50, 19, "敵基地の耐久力残り 12 ", 6));
    EXPECT_TRUE(shows(s, 50, 21, "第２次攻撃の要ありと認む", 6));
    EXPECT_TRUE(shows(s, 35, 20, "Hit Any Key", 4));
    EXPECT_EQ((V{st->Q(0, Q_READY), st->Q(0, Q_INTERCEPT), st->Q(0, Q_INTERCEPT_SECOND), st->Q(0, Q_INTERCEPT_LAST)}),
              (V{0, 0, 1, 2}));
    EXPECT_EQ(st->P(14, P_STRENGTH), 12);
    EXPECT_EQ(st->P(14, P_AIR_DEFENCE), 2);
    EXPECT_EQ((V{st->F(0, 1, F_BASE_BACK), st->D(0, 1, D_BASE_BACK), st->D(0, 2, D_BASE_BACK)}), (V{0, 1, 0}));
    EXPECT_EQ((V{st->D(0, 1, D_OVER_BASE), st->T(0, 2, T_OVER_BASE), st->F(0, 1, F_OVER_BASE)}), (V{0, 0, 0}));
    EXPECT_EQ(st.console.console().log().beeps, 1) << "no torpedo bomber left: one heading";
}

// No fighter over the base and a base of anti-aircraft value 1: no air combat, no pause, no
// fire; the bombing destroys the base; the closing pause clears the screen.
TEST(StrikePhase, BaseStrikeUnopposed) {
    StrikeFleet st;
    st->TT(TT_WAIT) = 100;
    st->T(JAPANESE, 1, T_OVER_BASE) = 2;
    st->P(14, P_STRENGTH) = 4, st->P(14, P_AIR_DEFENCE) = 1;
    ScriptedRandom draws({hit_face(0), hit_face(1), 0.5f});
    const auto waited = st.console.console().log().ticks_waited;
    EXPECT_EQ(run_block(*st, Block::OwnStrikeArrival), Block::FleetStrikePhase);
    EXPECT_EQ(draws.made(), draws.expected);
    EXPECT_EQ(st->P(14, P_HOLDER), 0);
    EXPECT_EQ(st->P(14, P_STRENGTH), 0);
    EXPECT_EQ(st.console.console().log().ticks_waited - waited, 100u + 10 + 10) << "two hits, the closing pause";
    EXPECT_TRUE(blank(st.console.screen()));
    EXPECT_EQ((V{st->T(0, 1, T_BASE_BACK), st->T(0, 2, T_BASE_BACK)}), (V{1, 1})) << "one a carrier and pass";
}

// The harbour turn, sub-turn 7: no base fire; the list, the dive bombers' hits on the harbour,
// its guns firing at the torpedo bombers, the torpedo hits and the table of the eight ships.
TEST(StrikePhase, HarbourStrike) {
    StrikeFleet st;
    State& s = *st;
    s.TT(TT_COMMENT_KEY) = 1;
    s.PEARL_HARBOR_TURN = 1, s.AT(1) = 18, s.SUBTURN_NO = 7;
    const int moored[] = {23, 24, 25, 26, 30, 31, 32, 33};
    s.BB(ALLIED, 1) = 8;
    for (long j = 1; j <= 8; ++j) s.G(ALLIED, 1, j) = static_cast<float>(moored[j - 1]);
    s.A(ALLIED, 25, A_DURABILITY) = 1;
    s.P(18, P_AIR_DEFENCE) = 20;
    s.D(JAPANESE, 1, D_OVER_BASE) = 1;
    s.T(JAPANESE, 1, T_OVER_BASE) = 1;
    V script = {0.5f, hit_face(0), 0.9f, 0.5f, hit_face(5), 0.5f, hit_face(0), 0.1f, 0.5f};  // dive bombers
    for (int shot = 0; shot < 4; ++shot) script.insert(script.end(), {0.1f, die_face(1), die_face(1)});
    script.insert(script.end(), {0.5f, hit_face(4), 0.5f, hit_face(0), 0.9f, 0.5f, hit_face(0), 0.1f, 0.5f});
    ScriptedRandom draws(script);
    EXPECT_TRUE(runs_out(st, Block::OwnStrikeArrival, Block::FleetStrikePhase));
    EXPECT_EQ(draws.made(), draws.expected);
    const auto& screen = st.console.screen();
    EXPECT_TRUE(shows(screen, 17, 4, "真珠湾に接近 トトトト !!", 6));
    EXPECT_TRUE(shows(screen, 54, 4, "対空射撃", 6));
    EXPECT_TRUE(shows(screen, 52, 8, " 0 ユニット墜落 残り 1 ", 6));
    EXPECT_TRUE(shows(screen, 50, 11, "９７式艦攻 の攻撃", 6));
    const struct {
        int row;
        const char* name;
        int colour;
        const char* value;
    } table[] = {{14, "MARYLAND", 3, " 6 / 6 "},
                 {15, "WESTVIRGINIA", 6, " 5 / 6 "},
                 {16, "TENNESSEE", 2, " 0 / 5 "},
                 {21, "OKLAHOMA", 3, " 5 / 5 "}};
    for (const auto& t : table) {
        EXPECT_TRUE(shows(screen, 50, t.row, t.name, t.colour));
        EXPECT_EQ(text_at(screen, 69, t.row, 7), t.value);
        EXPECT_EQ(text_at(screen, 50 + static_cast<int>(std::string(t.name).size()), t.row,
                          19 - static_cast<int>(std::string(t.name).size())),
                  std::string(19 - std::string(t.name).size(), ' '))
            << "the hit messages are cleared";
    }
    EXPECT_EQ(s.HW(1), 3);
    EXPECT_EQ(s.P(18, P_AIR_DEFENCE), 19);
}

// A fleet strike: the interceptors from the patrol aloft and the deck, the escort combat with
// the interceptor lost off the patrol, the force's guns, both attacks, CLC2, the return, the
// carrier claim with the posture rules' draws; the screen as the closing pause shows it.
TEST(StrikePhase, FleetStrike) {
    StrikeFleet st("x");
    State& s = *st;
    s.TT(TT_COMMENT_KEY) = 1;
    s.F(JAPANESE, 1, F_OVER_FLEET) = 1;
    s.D(JAPANESE, 1, D_OVER_FLEET) = 2;
    s.T(JAPANESE, 1, T_OVER_FLEET_TORPEDO) = 1;
    s.T(JAPANESE, 2, T_OVER_FLEET_BOMB) = 1;
    s.F(ALLIED, 1, AL_INTERCEPT_LAST) = 1;
    s.F(ALLIED, 2, AL_DECK) = 2;
    s.DF(1) = 0;
    s.A(ALLIED, 1, A_ANTI_AIRCRAFT) = 1, s.A(ALLIED, 2, A_ANTI_AIRCRAFT) = 0;
    s.A(ALLIED, 16, A_ANTI_AIRCRAFT) = 0, s.A(ALLIED, 17, A_ANTI_AIRCRAFT) = 0;
    ScriptedRandom draws({0.9f,                                                            // the posture test
                          die_face(6), die_face(1), die_face(1),                           // the interceptors
                          die_face(4), die_face(1), die_face(1),                           // the escort
                          0.1f,        die_face(6),                                        // one shot, high
                          hit_face(0), 0.5f,        0.1f,        0.5f, 0.5f, die_face(1),  // KOGEKI2
                          hit_face(0), 0.5f,        hit_face(0), 0.5f,                     // KOGEKI3
                          0.5f,        0.5f,        0.9f,        0.9f, 0.9f});             // the claims
    EXPECT_TRUE(runs_out(st, Block::FleetStrikePhase, Block::SearchResultPhase));
    EXPECT_EQ(draws.made(), draws.expected);
    const auto& screen = st.console.screen();
    EXPECT_TRUE(shows(screen, 10, 4, "攻撃隊 敵艦隊に接近!!", 6));
    EXPECT_TRUE(shows(screen, 10, 8, "９７式艦攻  2  ユニット", 6));
    EXPECT_TRUE(shows(screen, 34, 8, "(雷装 1 爆装 1 )", 6));
    EXPECT_TRUE(shows(screen, 10, 10, "敵迎撃機 3 ユニット接近", 6));
    EXPECT_TRUE(shows(screen, 10, 14, "損害   1     1 ", 6));
    EXPECT_TRUE(shows(screen, 52, 7, " 1 ユニット墜落 残り 1 ", 6));
    EXPECT_TRUE(shows(screen, 48, 11, "９９式艦爆 の攻撃", 6));
    EXPECT_TRUE(shows(screen, 50, 13, "２５０Ｋｇ爆弾命中", 4));
    EXPECT_TRUE(shows(screen, 48, 17, "９７式艦攻 の攻撃", 6));
    EXPECT_TRUE(shows(screen, 50, 19, "爆弾命中", 3));
    EXPECT_EQ(row_of(screen, 21), "") << "no battleship lost, no random claim";
    EXPECT_TRUE(shows(screen, 44, 22, "空母 1 隻撃破 !!", 5));
    EXPECT_EQ((V{s.F(ALLIED, 1, AL_INTERCEPT_LAST), s.F(ALLIED, 2, AL_INTERCEPT), s.F(ALLIED, 2, AL_DECK)}),
              (V{0, 2, 0}));
    EXPECT_EQ(s.A(ALLIED, 1, A_DURABILITY), 4);
    EXPECT_EQ(s.A(ALLIED, 1, A_FLIGHT_DECK), 7);
    EXPECT_EQ((V{s.F(0, 1, F_FLEET_BACK), s.D(0, 1, D_FLEET_BACK), s.T(0, 1, T_FLEET_BACK_TORPEDO),
                 s.T(0, 1, T_FLEET_BACK_BOMB)}),
              (V{0, 1, 1, 1}));
    EXPECT_EQ((V{s.ALLIED_CV_AFLOAT, s.ALLIED_CV_DAMAGED, s.TK(1)}), (V{2, 1, 0}));
}

// A force that lists no carrier is never attacked through an empty list: KOGEKI2 is not
// entered (its dive bombers come back) and the torpedo bombers take the battleships; a force
// that lists neither kind is not attacked at all, its torpedo bombers' loads split over the
// units left.
TEST(StrikePhase, ForceWithoutCarriers) {
    StrikeFleet st;
    State& s = *st;
    s.CV(ALLIED, 1) = 0, s.ALLIED_CV_AFLOAT = 0;
    s.DF(1) = 0;
    s.A(ALLIED, 16, A_ANTI_AIRCRAFT) = 0, s.A(ALLIED, 17, A_ANTI_AIRCRAFT) = 0;
    s.D(JAPANESE, 1, D_OVER_FLEET) = 1;
    s.T(JAPANESE, 1, T_OVER_FLEET_TORPEDO) = 1;
    s.WORK_C = 1;
    ScriptedRandom draws({0.9f, hit_face(0), 0.5f, 0.1f, 0.5f, 0.5f});
    EXPECT_EQ(run_block(s, Block::FleetStrikePhase), Block::SearchResultPhase);
    EXPECT_EQ(draws.made(), draws.expected);
    EXPECT_EQ(s.TK(1), 1) << "more carriers at the last raid than the force has afloat";
    EXPECT_EQ(s.R(1), 3);
    EXPECT_EQ(s.A(ALLIED, 16, A_DURABILITY), 5);
    EXPECT_EQ(st.console.console().log().beeps, 1) << "the torpedo bombers' heading only";
    EXPECT_EQ(s.D(0, 1, D_FLEET_BACK), 1);
    EXPECT_EQ(s.T(0, 1, T_FLEET_BACK_TORPEDO), 1);

    StrikeFleet bare;
    State& b = *bare;
    b.CV(ALLIED, 1) = 0, b.BB(ALLIED, 1) = 0, b.ALLIED_CV_AFLOAT = 0;
    b.DF(1) = 2;
    b.T(JAPANESE, 1, T_OVER_FLEET_TORPEDO) = 2;
    b.T(JAPANESE, 1, T_OVER_FLEET_BOMB) = 1;
    b.A(ALLIED, 1, A_DURABILITY) = 5;  // listed for another fleet only: never touched
    ScriptedRandom none({0.1f, 0.5f, die_face(6)});
    EXPECT_EQ(run_block(b, Block::FleetStrikePhase), Block::SearchResultPhase);
    EXPECT_EQ(none.made(), none.expected);
    EXPECT_EQ(bare.console.console().log().beeps, 0);
    EXPECT_EQ((V{b.KO(KO_TORPEDO), b.T(0, 1, T_FLEET_BACK_TORPEDO), b.T(0, 1, T_FLEET_BACK_BOMB)}), (V{2, 1, 1}));
    EXPECT_EQ(b.A(ALLIED, 1, A_DURABILITY), 5);
}
