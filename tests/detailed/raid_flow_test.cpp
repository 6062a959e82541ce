// An Allied raid on the player's fleet driven block by block, as the hour step enters it: the
// arrival with the scramble question, the air combat, the anti-aircraft fire, the attacks, the
// fires and the damage list, with their texts, places, colours, pauses and draws.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 of scenario 1 against Midway (US types) in hour step 5, found by the Allies: 翔鶴
/// and 瑞鶴 afloat at full durability, 赤城 sunk, and 長門 detached and slower than the fleet;
/// no destroyers. 2 fighters on patrol over 翔鶴 with 1 more on its deck and 2 on 瑞鶴's; 10
/// dive bombers on 翔鶴's deck. The raid: 2 escorts, 2 dive and 1 torpedo bomber. Pauses are
/// timed and take no time.
void raid_fleet(State& st) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.TT(TT_SCENARIO) = 1, st.SCENARIO_NO = 1, st.AT(1) = 14;
    st.SUBTURN_NO = 5, st.TT(TT_SUBTURN) = 5, st.DAY_NO = 1, st.TT(TT_DAY) = 1;
    st.TT(TT_FIGHTER_SPLIT) = 4, st.TT(TT_AA_SPLIT) = 4;
    st.TT(TT_WAIT) = 0, st.TT(TT_COMMENT_KEY) = 0;
    st.CV(0, 1) = 3, st.C(0, 1, 1) = 7, st.C(0, 1, 2) = 8, st.C(0, 1, 3) = 9;
    for (float c : {7.0f, 8.0f}) st.A(0, c, A_FLIGHT_DECK) = 10;
    st.A(0, 9, A_DURABILITY) = 0;
    st.BB(0, 1) = 1, st.G(0, 1, 1) = 24;
    st.BB_DETACHED = 1, st.S(0) = 30;
    st.DF(DF_OWN_FLEET) = 0;
    st.H(H_ON_FLEET) = 1;
    st.OWN_FLEET_AFLOAT = 20;
    st.F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST) = 2;
    st.F(0, 1, AIR_FIGHTERS, F_DECK) = 1, st.F(0, 2, AIR_FIGHTERS, F_DECK) = 2;
    st.F(0, 1, AIR_DIVE_BOMBERS, F_DECK) = 10;
    st.W(0) = 2, st.W(1) = 2, st.W(2) = 1, st.W(3) = 0;
    for (int t = 0; t <= 2; ++t) st.W(t + 4) = st.W(t);
    con::clear_screen(0);
}

/// Runs the raid's blocks from ALLIED_RAID until the player's strikes; returns the blocks run.
std::vector<Block> run_raid(State& st) {
    std::vector<Block> blocks;
    Block b = Block::AlliedRaid;
    for (int n = 0; n < 10 && b != Block::BaseStrikeArrival; ++n) {
        blocks.push_back(b);
        b = run_block(st, b);
    }
    return blocks;
}

std::vector<float> repeat_draws(std::initializer_list<float> draws, int times) {
    std::vector<float> v;
    for (int i = 0; i < times; ++i) v.insert(v.end(), draws);
    return v;
}

void append(std::vector<float>& v, const std::vector<float>& more) { v.insert(v.end(), more.begin(), more.end()); }

const con::Screen& screen() { return con::screen(); }

}  // namespace

TEST(RaidFlow, RaidMetByPatrolAndScrambleToItsClosingPause) {
    Loaded st("1{ENTER}");
    raid_fleet(*st);
    std::vector<float> draws = {/*escorts*/ 0.9f, 0.1f, /*patrol vs escorts*/ 0.6f, 0.6f, 0.1f,
                                /*patrol vs dive bombers*/ 0.9f, 0.1f, 0.1f, 0.1f,
                                /*fire: a torpedo bomber hit, then 7 misses at the dive bombers*/ 0.1f, 0.9f};
    append(draws, repeat_draws({0.9f, 0.1f}, 7));
    append(draws, {/*the dive bomber on 翔鶴*/ 0.5f, 0.0001f, 0.5f, 0.5f, 0.1f, 0.01f, /*瑞鶴: done*/ 0.5f});
    append(draws, {/*the burn*/ 0.1f, 0.0001f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f, /*the fire goes out*/ 0.5f});
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(run_raid(*st), (std::vector<Block>{Block::AlliedRaid, Block::RaidAntiAircraft, Block::RaidAttacks,
                                                 Block::RaidAftermath, Block::RaidEnd}));
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());

    // The arrival: one fighter scrambled from 翔鶴; the patrol of 3 set 1 against the escorts
    // and 2 against the dive bombers, all three from 翔鶴 into air combat; one lost.
    EXPECT_EQ(st->DE(0), 0);
    EXPECT_EQ(st->DE(1), 2);
    EXPECT_EQ(st->DE(2), 0);
    EXPECT_EQ(st->CB(0), 1);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK), 0);
    EXPECT_EQ(st->F(0, 2, AIR_FIGHTERS, F_DECK), 2);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST), 0);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_AIR_COMBAT), 2);
    EXPECT_EQ(st->VS(0, AIR_FIGHTERS), 1);
    // The raid: both escorts, one dive bomber to the patrol, the torpedo bomber to the fire.
    EXPECT_EQ(st->W(0), 0);
    EXPECT_EQ(st->W(1), 1);
    EXPECT_EQ(st->W(2), 0);
    EXPECT_EQ(st->VS(1, AIR_FIGHTERS), 2);
    EXPECT_EQ(st->VS(1, AIR_DIVE_BOMBERS), 1);
    EXPECT_EQ(st->VS(1, AIR_TORPEDO_BOMBERS), 1);
    EXPECT_EQ(st->RAID_THIS_HOUR, 1);
    EXPECT_EQ(st->ENEMY_TYPE_OFFSET, 0);
    // The bomb: 0.25 on 翔鶴 (nothing off), a deck point, an explosion that burns 6 of its dive
    // bombers for a point and 2 deck points before the fire goes out.
    EXPECT_EQ(st->PE(1), 0.25f);
    EXPECT_EQ(st->H(H_ON_FLEET), 3);
    EXPECT_EQ(st->A(0, 7, A_DURABILITY), 5);
    EXPECT_EQ(st->A(0, 7, A_FLIGHT_DECK), 7);
    EXPECT_EQ(st->A(0, 7, A_FIRE), 0);
    EXPECT_EQ(st->A(0, 7, A_AIRCRAFT_AWAY), 1 + 6);
    EXPECT_EQ(st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK), 4);
    EXPECT_EQ(st->VS(0, AIR_DIVE_BOMBERS), 6);
    EXPECT_EQ(st->OWN_FLEET_AFLOAT, 20);

    // The screen: warning and raid lines gone, the patrol line, the fire's report, the marks.
    for (int row : {4, 5, 7, 8, 9}) EXPECT_EQ(text_at(screen(), 1, row, 20), std::string(20, ' ')) << row;
    EXPECT_TRUE(shows(screen(), 6, 6, "敵の攻撃 !!", 2));
    EXPECT_TRUE(shows(screen(), 16, 21, "現在上空に直衛機  3 機飛行中", 7));
    EXPECT_EQ(text_at(screen(), 0, 20, 80), std::string(80, ' '));
    EXPECT_EQ(text_at(screen(), 0, 22, 80), std::string(80, ' '));
    EXPECT_TRUE(shows(screen(), 50, 9, "対空射撃  8 POINT", 6));
    EXPECT_TRUE(shows(screen(), 48, 11, "ＳＢＤ            残り   1", 6));
    EXPECT_TRUE(shows(screen(), 48, 13, "ＴＢＤ   1 機撃墜 残り   0", 6));
    EXPECT_TRUE(shows(screen(), 24, 11, " 5 / 6", 6));
    EXPECT_TRUE(shows(screen(), 33, 11, "誘爆発生", 2));
    EXPECT_TRUE(shows(screen(), 1, 11, " 1  翔鶴", 6));
    EXPECT_TRUE(shows(screen(), 1, 12, " 2  瑞鶴", 5));
    EXPECT_TRUE(shows(screen(), 24, 12, " 6 / 6", 5));
    EXPECT_TRUE(shows(screen(), 1, 13, " 3  赤城", 2));
    EXPECT_TRUE(shows(screen(), 12, 13, "沈没", 2));
    EXPECT_TRUE(shows(screen(), 24, 13, " 0 / 6", 2));
}

TEST(RaidFlow, ArrivalScreenBeforeTheScrambleAnswer) {
    Loaded st("");
    raid_fleet(*st);
    st->AT(1) = 20;  // British types: the escorts and the dive bombers are SPITFIREs
    EXPECT_THROW(run_raid(*st), con::ProgramEnd);
    EXPECT_TRUE(shows(screen(), 6, 4, "敵機来襲 !!", 3));
    EXPECT_TRUE(shows(screen(), 1, 6, "SPITFIRE   2 機", 6));
    EXPECT_TRUE(shows(screen(), 1, 7, "SPITFIRE   2 機", 6));
    EXPECT_TRUE(shows(screen(), 1, 8, "ALBACORE   1 機", 6));
    EXPECT_TRUE(shows(screen(), 16, 21, "現在上空に直衛機   2 機飛行中   高空 1 機・低空 1 機", 6));
    EXPECT_TRUE(shows(screen(), 16, 22, "（甲板待機中の零式艦戦は 3 機）", 6));
    EXPECT_TRUE(shows(screen(), 10, 20, "何機発進させますか ?", 6));
    EXPECT_TRUE(shows(screen(), 1, 11, " 1  翔鶴", 6)) << "the damage list comes first";
    EXPECT_TRUE(shows(screen(), 12, 11, "損害なし", 6));
}

TEST(RaidFlow, ScrambleTakesOnlyAWholeNumberUpToTheDeckFighters) {
    // Negative, fractional and too large answers are all asked again; 2 goes up.
    Loaded st("-1{ENTER}1.5{ENTER}4{ENTER}2{ENTER}");
    raid_fleet(*st);
    GEIGEKI(*st);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK) + st->F(0, 2, AIR_FIGHTERS, F_DECK), 1);
    EXPECT_EQ(st->A(0, 7, A_AIRCRAFT_AWAY) + st->A(0, 8, A_AIRCRAFT_AWAY), 2);
    EXPECT_EQ(st->DE(0) + st->DE(1) + st->DE(2) + st->DE(3), 4);
    EXPECT_EQ(text_at(screen(), 10, 20, 45), std::string(45, ' ')) << "the question is cleared";
    EXPECT_EQ(text_at(screen(), 54, 12, 24), std::string(24, ' ')) << "the allocation column is cleared";
}

TEST(RaidFlow, ArrivalWithoutPatrolAndWithLowDecks) {
    // No fighter aloft, none on deck: "はいません", no question, no allocation. A carrier whose
    // deck is 7 counts neither its deck fighters nor its patrol.
    Loaded st("");
    raid_fleet(*st);
    st->A(0, 7, A_FLIGHT_DECK) = 7;
    st->F(0, 2, AIR_FIGHTERS, F_DECK) = 0;
    for (int k = 0; k <= 3; ++k) st->DE(k) = 9;
    GEIGEKI(*st);
    EXPECT_TRUE(shows(screen(), 16, 21, "現在上空に直衛機はいません", 6));
    EXPECT_EQ(st->DE(0) + st->DE(1) + st->DE(2) + st->DE(3), 0);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST), 2);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_AIR_COMBAT), 0);
    EXPECT_EQ(con::current_colour(), 6);
}

TEST(RaidFlow, BombersAllDownToThePatrolEndTheRaid) {
    // 4 on patrol at split 1 against an escort and 2 dive bombers: 1 set against the escort
    // (neither side loses one), 2 against the dive bombers with strength 6, both shot down.
    // Outside the harbour raid the strikes follow at once (three pauses in all: the arrival's
    // two and the air combat's); during it the closing pause is the fourth.
    for (const float harbour : {0.0f, 1.0f}) {
        Loaded st(harbour > 0 ? "abcdX" : "abcX");
        raid_fleet(*st);
        st->TT(TT_COMMENT_KEY) = 1;
        st->PEARL_HARBOR_TURN = harbour;
        st->TT(TT_FIGHTER_SPLIT) = 1;
        st->F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST) = 4;
        st->F(0, 1, AIR_FIGHTERS, F_DECK) = st->F(0, 2, AIR_FIGHTERS, F_DECK) = 0;
        st->W(0) = 1, st->W(1) = 2, st->W(2) = 0;
        const std::vector<float> draws = {0.1f, 0.1f, 0.1f, 0.1f, 0.9f, 0.9f, 0.1f, 0.1f, 0.1f, 0.1f};
        con::random_generator().script(draws);
        const auto before = con::random_generator().draws();
        const std::vector<Block> expected =
            harbour > 0 ? std::vector<Block>{Block::AlliedRaid, Block::RaidAntiAircraft, Block::RaidEnd}
                        : std::vector<Block>{Block::AlliedRaid, Block::RaidAntiAircraft};
        EXPECT_EQ(run_raid(*st), expected) << harbour;
        EXPECT_EQ(con::random_generator().draws() - before, draws.size());
        EXPECT_EQ(con::wait_key_string(), "X") << "every pause took one key";
        EXPECT_EQ(st->DE(1), 2);
        EXPECT_EQ(st->W(1), 0);
        EXPECT_TRUE(shows(screen(), 52, 8, "零式艦戦 対 Ｆ４Ｆ", 4)) << "in the colour the arrival left";
        EXPECT_TRUE(shows(screen(), 50, 10, "損害   0      0", 4));
        EXPECT_TRUE(shows(screen(), 52, 12, "零式艦戦 対 ＳＢＤ", 6));
        EXPECT_TRUE(shows(screen(), 48, 14, "ＳＢＤ   2 機撃墜 残り   0", 6));
        EXPECT_FALSE(shows(screen(), 50, 9, "対空射撃")) << "no fire";
    }
}

TEST(RaidFlow, HourStepWithoutRaidPausesOnlyInTheHarbourRaid) {
    for (const float harbour : {0.0f, 1.0f}) {
        Loaded st;
        raid_fleet(*st);
        st->H(H_ON_FLEET) = -1;
        st->PEARL_HARBOR_TURN = harbour;
        EXPECT_EQ(HOUR_START(*st), harbour > 0 ? Block::RaidEnd : Block::BaseStrikeArrival) << harbour;
    }
    Loaded st("aX");
    raid_fleet(*st);
    st->TT(TT_COMMENT_KEY) = 1;
    EXPECT_EQ(RAID_END(*st), Block::BaseStrikeArrival);
    EXPECT_EQ(con::wait_key_string(), "X") << "one pause";
    EXPECT_TRUE(shows(screen(), 35, 20, "           ")) << "the prompt is blanked";
}

TEST(RaidFlow, AttacksOnTheBattleshipsWhenNoCarrierIsAfloat) {
    // Both carriers sunk since the last count: "命中せず" beside the carriers, then the battleship
    // list, and the torpedo bomber's hit on 長門; the aftermath takes 1 and shows 5 / 6 in the
    // colour last set.
    Loaded st;
    raid_fleet(*st);
    st->A(0, 7, A_DURABILITY) = 0, st->A(0, 8, A_DURABILITY) = 0;
    st->W(1) = 0, st->W(2) = 1;
    const std::vector<float> draws = {0.5f, 0.001f, 0.9f, 0.5f};
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(RAID_ATTACKS(*st), Block::RaidAftermath);
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());
    EXPECT_EQ(st->OWN_FLEET_AFLOAT, 0);
    EXPECT_TRUE(shows(screen(), 24, 11, "命中せず", 6));
    EXPECT_TRUE(shows(screen(), 22, 7, " 1  長門", 6));
    EXPECT_TRUE(shows(screen(), 32, 7, "魚雷命中", 3));
    EXPECT_EQ(st->PE(1), 1);
    EXPECT_EQ(RAID_AFTERMATH(*st), Block::RaidEnd);
    EXPECT_EQ(st->A(0, 24, A_DURABILITY), 5);
    EXPECT_TRUE(shows(screen(), 32, 7, " 5 / 6", 3));
    // Nothing afloat and no battleship: no roll, the carriers settled and listed in red.
    Loaded none;
    raid_fleet(*none);
    none->A(0, 7, A_DURABILITY) = 0, none->A(0, 8, A_DURABILITY) = 0, none->BB(0, 1) = 0;
    none->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 5;
    const auto quiet = con::random_generator().draws();
    EXPECT_EQ(RAID_ATTACKS(*none), Block::RaidAftermath);
    EXPECT_EQ(none->OWN_FLEET_AFLOAT, 5);
    EXPECT_EQ(RAID_AFTERMATH(*none), Block::RaidEnd);
    EXPECT_EQ(con::random_generator().draws(), quiet);
    for (int row = 11; row <= 13; ++row) EXPECT_EQ(testing_support::colour_of(screen(), 24, row), -1) << row;
    EXPECT_TRUE(shows(screen(), 25, 11, "0 / 6", 2));
    EXPECT_EQ(none->VS(0, AIR_DIVE_BOMBERS), 10) << "a sunk carrier's aircraft aboard are written off";
    EXPECT_EQ(none->VS(0, AIR_TORPEDO_BOMBERS), 5);
    EXPECT_EQ(none->F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST), 2) << "those aloft stay aloft";
}

TEST(RaidFlow, FireSpreadsWithItsMarkAndPause) {
    // 翔鶴 already burning with nothing armed on deck burns on until it sinks: "進行" over the
    // second half of "誘爆発生" in red, a pause each time; the sunk carrier is listed in red
    // and its aircraft aboard are written off.
    Loaded st("abc");
    raid_fleet(*st);
    st->TT(TT_COMMENT_KEY) = 1;
    st->A(0, 7, A_DURABILITY) = 3, st->A(0, 7, A_FIRE) = 1;
    st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK) = 0, st->F(0, 1, AIR_FIGHTERS, F_HANGAR) = 4;
    con::print_at(con::Col(33), con::Row(11), "誘爆発生");
    const std::vector<float> draws = {0.5f, 0.9f, 0.5f, 0.5f, 0.1f, 0.5f};
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(RAID_AFTERMATH(*st), Block::RaidEnd);
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());
    EXPECT_TRUE(shows(screen(), 33, 11, "誘爆進行"));
    EXPECT_EQ(testing_support::colour_of(screen(), 37, 11), 2);
    EXPECT_EQ(con::wait_key_string(), "c") << "two pauses";
    EXPECT_EQ(st->A(0, 7, A_DURABILITY), 0);
    EXPECT_EQ(st->A(0, 7, A_FIRE), 0);
    EXPECT_EQ(st->VS(0, AIR_FIGHTERS), 5) << "4 in the hangar and 1 on deck";
    EXPECT_TRUE(shows(screen(), 24, 11, " 0 / 6", 2));
    // A carrier left at 2 points strikes its deck aircraft down unready.
    Loaded two;
    raid_fleet(*two);
    two->A(0, 8, A_DURABILITY) = 1.5f;
    two->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 3, two->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 1;
    two->W(1) = 0;
    EXPECT_EQ(RAID_AFTERMATH(*two), Block::RaidEnd);
    EXPECT_EQ(two->A(0, 8, A_DURABILITY), 2);
    EXPECT_EQ(two->F(0, 2, AIR_FIGHTERS, F_DECK), 0);
    EXPECT_EQ(two->F(0, 2, AIR_FIGHTERS, F_NOT_READY), 2);
    EXPECT_EQ(two->F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED), 4);
    EXPECT_TRUE(shows(screen(), 24, 12, " 2 / 6", 6));
}
