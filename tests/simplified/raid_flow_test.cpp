// An Allied raid on the player's fleet driven block by block through run_block, as the raid
// build-up enters it: the arrival and the emergency launch, the allocation prompts with their
// refusals, the air combat, the anti-aircraft fire, the hits, explosions and report, the
// call-off question and the raid's close; with their texts, places, colours, draws and keys.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "tests/simplified/raid_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Runs blocks from `from` until `until` (the player's strikes); returns the blocks run.
std::vector<Block> run_raid(State& st, Block from = Block::AlliedRaidPhase, Block until = Block::OwnStrikeArrival) {
    std::vector<Block> blocks;
    Block b = from;
    for (int n = 0; n < 12 && b != until; ++n) {
        blocks.push_back(b);
        b = run_block(st, b);
    }
    return blocks;
}

const con::Screen& screen() { return con::screen(); }

void append(std::vector<float>& v, std::initializer_list<float> more) { v.insert(v.end(), more); }

/// The draws of an attack on a carrier that hits: the visit, the die, the draw, the draw for
/// DF(0), and for a bomb the explosion's die.
std::vector<float> carrier_hit(int die, bool bomb, int spark = 6) {
    std::vector<float> v = {0.5f, die_face(die), 0.5f, 0.5f};
    if (bomb) v.push_back(die_face(spark));
    return v;
}

/// The fleet with a patrol of 2 aloft (翔鶴 column 12, 瑞鶴 column 13), 2 and 3 deck fighters
/// on 翔鶴 and 赤城, two armed dive bombers on 翔鶴's deck, 赤城 at durability 5; the Allied
/// carriers 1 and 3 face it, fighter unit over the fleet on the first.
void prepare_full_raid(RaidFleet& st) {
    st->F(0, 1, F_CAP_FIRST) = 1, st->F(0, 2, F_CAP_SECOND) = 1;
    st->F(0, 1, F_DECK) = 2, st->F(0, 3, F_DECK) = 3;
    st->D(0, 1, D_DECK) = 2;
    st->A(0, 9, A_DURABILITY) = 5;
    st->CV(1, 1) = 2, st->C(1, 1, 1) = 1, st->C(1, 1, 2) = 3, st->ALLIED_CV_AFLOAT = 2;
    st->F(1, 1, AL_OVER) = 1;
    st.raid(5, 3, 2, 0);
}

}  // namespace

TEST(RaidFlow, ArrivalBoardAndTheLaunchQuestion) {
    RaidFleet st;
    prepare_full_raid(st);
    st.raid(0, 3, 0, 12);
    st->AT(1) = 20;  // British types: SPITFIRE dive bombers
    st->W(0) = 2;
    EXPECT_THROW(run_raid(*st), con::ProgramEnd);  // waits at the launch question
    EXPECT_TRUE(shows(screen(), 6, 4, "敵機来襲 !!", 3));
    EXPECT_TRUE(shows(screen(), 2, 6, "SPITFIRE  2 ユニット", 6));
    EXPECT_TRUE(shows(screen(), 2, 7, "SPITFIRE  3 ユニット", 6));
    EXPECT_EQ(row_of(screen(), 8), "") << "no torpedo bombers: the row stays empty";
    EXPECT_TRUE(shows(screen(), 2, 9, "Ｂ１７ 12 ユニット", 6));
    EXPECT_TRUE(shows(screen(), 16, 21, "現在上空に直衛機", 6));
    EXPECT_TRUE(shows(screen(), 34, 21, " 2 ユニット飛行中", 6));
    EXPECT_TRUE(shows(screen(), 16, 22, "現在甲板に零式艦戦 5 ユニット待機中", 6));
    EXPECT_TRUE(shows(screen(), 10, 20, "何ユニット発進させますか ?", 6));
    EXPECT_TRUE(shows(screen(), 1, 11, " 1  翔鶴", 6)) << "the damage list comes first";
    EXPECT_TRUE(shows(screen(), 12, 13, "損害軽微", 6));
    EXPECT_TRUE(shows(screen(), 66, 0, " 8 時", 7));
    EXPECT_EQ(st->ENEMY_TYPE_OFFSET, 4);
    EXPECT_EQ(st->ESCORT_TYPE_OFFSET, 5);
    EXPECT_EQ(st->CB(0), 2);
    EXPECT_EQ(st->DECK_FIGHTER_UNITS, 5);
    expect_golden_screen(screen(), "raid_arrival_question");
}

namespace {

// The keys of the whole raid: at the launch, above the deck, negative, fractional and empty
// answers are asked again, 2 go up; escorts (least 2, patrol 4): 1, 5 and 2.5 refused, 2
// taken; dive bombers (2 left): 3 and -1 refused, 1 taken; torpedo bombers 1; then "Y".
const std::string kFullRaidKeys =
    "9{ENTER}-1{ENTER}1.5{ENTER}{ENTER}2{ENTER}"
    "1{ENTER}5{ENTER}2.5{ENTER}2{ENTER}"
    "3{ENTER}-1{ENTER}1{ENTER}"
    "1{ENTER}"
    "Y{ENTER}";

/// The draws of the whole raid: one patrol unit and two escorts lost, a dive and a torpedo
/// bomber to the patrol, a dive bomber to the fire, then a torpedo and a bomb hit on 翔鶴 whose
/// explosion goes on once.
std::vector<float> full_raid_draws() {
    std::vector<float> draws = {/*escorts: one 6*/ die_face(6),
                                die_face(1),
                                die_face(1),
                                die_face(1),
                                die_face(1),
                                /*6 patrol dice: two on 4*/ die_face(4),
                                die_face(4),
                                die_face(1),
                                die_face(1),
                                die_face(1),
                                die_face(1),
                                /*dive bombers: a 3*/ die_face(3),
                                die_face(1),
                                /*torpedo bombers: a 2*/ die_face(2),
                                die_face(1),
                                /*the fire, 6 shots: one dive bomber*/ 0.1f,
                                die_face(6),
                                0.9f,
                                die_face(1),
                                0.1f,
                                die_face(1),
                                0.9f,
                                die_face(1),
                                0.1f,
                                die_face(1),
                                0.9f,
                                die_face(1)};
    const std::vector<float> torpedo = carrier_hit(6, false), dive = carrier_hit(3, true, 2);
    draws.insert(draws.end(), torpedo.begin(), torpedo.end());
    append(draws, {/*ends*/ 0.5f});
    draws.insert(draws.end(), dive.begin(), dive.end());
    append(draws, {/*ends*/ 0.5f, /*burn*/ 0.9f, /*goes on*/ die_face(2), /*burn*/ 0.9f});
    return draws;
}

}  // namespace

// The screen as the attack on the ships is announced: the fire's results and "敵の攻撃 !!" in
// red over "敵機来襲 !!".
TEST(RaidFlow, TheFireBeforeTheAttack) {
    RaidFleet st(kFullRaidKeys);
    prepare_full_raid(st);
    con::random_generator().script(full_raid_draws());
    EXPECT_EQ(run_raid(*st, Block::AlliedRaidPhase, Block::RaidHits).back(), Block::RaidAntiAircraft);
    expect_golden_screen(screen(), "raid_fire_before_the_attack");
}

// A whole raid through the prompts with their refusals, the air combat with losses on both
// sides, the fire, the hits and the explosion, the report's colours and "Y" at the question.
TEST(RaidFlow, RaidThroughThePromptsToTheClose) {
    RaidFleet st(kFullRaidKeys);
    prepare_full_raid(st);
    const std::vector<float> draws = full_raid_draws();
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(run_raid(*st), (std::vector<Block>{Block::AlliedRaidPhase, Block::PatrolAllocation, Block::RaidAirCombat,
                                                 Block::RaidAntiAircraft, Block::RaidHits, Block::AbortQuestion,
                                                 Block::BaseStrikeArrival}));
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());

    // The launch: one unit from 翔鶴 and one from 赤城.
    EXPECT_EQ(st->F(0, 1, F_DECK), 1);
    EXPECT_EQ(st->F(0, 3, F_DECK), 2);
    // The allocation and the combat: DE 2, 1, 1, 0 less one loss; the whole patrol fought.
    EXPECT_EQ(st->DE(0), 1);
    EXPECT_EQ(st->DE(1), 1);
    EXPECT_EQ(st->DE(2), 1);
    EXPECT_EQ(st->DE(3), 0);
    EXPECT_EQ(st->CB(1), 0);
    EXPECT_EQ(st->F(0, 1, F_CAP_FOUGHT), 1) << "2 fought from 翔鶴, one lost";
    EXPECT_EQ(st->F(0, 2, F_CAP_FOUGHT), 1);
    EXPECT_EQ(st->F(0, 3, F_CAP_FOUGHT), 1);
    for (int c : {F_CAP_RAID, F_CAP_FIRST, F_CAP_SECOND}) EXPECT_EQ(st->F(0, 1, c) + st->F(0, 3, c), 0) << c;
    // The raid's survivors to the Allied carriers; the fighter unit over the fleet turned home.
    EXPECT_EQ(st->F(1, 1, AL_BACK), 1 + 2);
    EXPECT_EQ(st->F(1, 2, AL_BACK), 1);
    EXPECT_EQ(st->D(1, 1, AL_BACK), 1);
    EXPECT_EQ(st->T(1, 1, AL_BACK), 1);
    EXPECT_EQ(st->F(1, 1, AL_OVER), 0);
    // 翔鶴: a torpedo, a bomb, two burns: below 0, sunk.
    EXPECT_EQ(st->A(0, 7, A_DURABILITY), 0);
    EXPECT_EQ(st->A(0, 7, A_FLIGHT_DECK), 0);
    EXPECT_EQ(st->A(0, 7, A_FIRE), 0);
    EXPECT_EQ(st->D(0, 1, D_DECK), 0);
    EXPECT_EQ(st->WORK_C, 3);
    EXPECT_EQ(st->UNDAMAGED_CARRIERS, 1);
    EXPECT_EQ(st->TK(0), 1);
    EXPECT_EQ(st->PH_WITHDRAW, 0);

    EXPECT_TRUE(shows(screen(), 6, 4, "敵の攻撃 !!", 2));
    EXPECT_TRUE(shows(screen(), 2, 6, "Ｆ４Ｆ  5 ユニット", 6));
    EXPECT_TRUE(shows(screen(), 50, 12, "対空射撃  6 POINT", 6));
    EXPECT_TRUE(shows(screen(), 48, 14, "ＳＢＤ 1 ユニット撃墜 残り 1", 6));
    EXPECT_TRUE(shows(screen(), 48, 16, "ＴＢＤ 0 ユニット撃墜 残り 1", 6));
    EXPECT_EQ(text_at(screen(), 48, 8, 30), std::string(30, ' ')) << "the escort combat's lines are cleared";
    EXPECT_TRUE(shows(screen(), 1, 11, " 1  翔鶴", 2));
    EXPECT_TRUE(shows(screen(), 24, 11, " 0 / 6", 2));
    EXPECT_TRUE(shows(screen(), 33, 11, "誘爆進行", 2));
    EXPECT_TRUE(shows(screen(), 24, 12, " 6 / 6", 5));
    EXPECT_TRUE(shows(screen(), 24, 13, " 5 / 6", 6));
    EXPECT_TRUE(shows(screen(), 12, 22, "作戦中止しますか ? Y - N  Y", 4));
    expect_golden_screen(screen(), "raid_after_the_call_off");
}

TEST(RaidFlow, AllocationScreensAndTheEscortCombat) {
    // Escorts 3 against 3 patrol units aloft: least 1; 3 set against them. Losses of 2 are
    // taken from slot 1 and then slot 3 (slot 2 holds none).
    RaidFleet st("3{ENTER}");
    st->F(0, 1, F_CAP_FIRST) = 2, st->F(0, 3, F_CAP_SECOND) = 1;
    st.raid(3, 1, 0, 0);
    con::random_generator().script({die_face(6), die_face(6), die_face(1), /*9 patrol dice*/ die_face(1), die_face(1), die_face(1), die_face(1),
                                    die_face(1), die_face(1), die_face(1), die_face(4), die_face(1),
                                    /*no dive dice*/});
    EXPECT_EQ(ALLIED_RAID_PHASE(*st), Block::PatrolAllocation);
    EXPECT_TRUE(shows(screen(), 16, 21, " 3 ユニット飛行中", 6)) << "no deck fighters: no question";
    EXPECT_EQ(PATROL_ALLOCATION(*st), Block::RaidAirCombat);
    EXPECT_TRUE(shows(screen(), 10, 20, "迎撃機を割り当ててください", 6));
    EXPECT_TRUE(shows(screen(), 12, 22, "対Ｆ４Ｆは何ユニット ?  ( 1 以上)  ", 6));
    EXPECT_TRUE(shows(screen(), 68, 22, "3", 6));
    EXPECT_EQ(st->PATROL_UNITS, 0);
    EXPECT_EQ(RAID_AIR_COMBAT(*st), Block::RaidAntiAircraft);
    EXPECT_TRUE(shows(screen(), 54, 8, "零式艦戦 対 Ｆ４Ｆ", 6));
    EXPECT_TRUE(shows(screen(), 50, 10, "損害   2      1", 6));
    EXPECT_TRUE(shows(screen(), 54, 12, "零式艦戦 対 ＳＢＤ", 6)) << "a part with bombers is shown without patrol";
    EXPECT_TRUE(shows(screen(), 48, 14, "ＳＢＤ 0 ユニット撃墜 残り 1", 6));
    EXPECT_EQ(st->W(0), 2);
    EXPECT_EQ(st->DE(0), 1);
    EXPECT_EQ(st->F(0, 1, F_CAP_FOUGHT), 1);
    EXPECT_EQ(st->F(0, 2, F_CAP_FOUGHT), 0);
    EXPECT_EQ(st->F(0, 3, F_CAP_FOUGHT), 0);
}

TEST(RaidFlow, BomberPromptsAndTheWholePatrolAgainstTheEscorts) {
    struct Case {
        const char* name;
        float escorts, aloft, launched, heavy;
        std::string keys;
        PartCounts DE, CB;
        float patrol_left;
    } cases[] = {
        {"the whole patrol against the escorts, unasked", 10, 2, 2, 0, "", {4, 0, 0, 0}, {2, 0, 9, 9}, 0},
        {"no escorts: dive 1, torpedo 2, the rest against the heavy bombers",
         0,
         2,
         2,
         3,
         "1{ENTER}2{ENTER}",
         {0, 1, 2, 1},
         {2, 2, 1, 0},
         0},
        {"the dive bombers take the last units: only 0 for the torpedo bombers",
         0,
         3,
         0,
         0,
         "3{ENTER}1{ENTER}0{ENTER}",
         {0, 3, 0, 0},
         {3, 3, 0, 0},
         0},
        {"no heavy bombers: the units left fight nothing",
         0,
         3,
         0,
         0,
         "1{ENTER}0{ENTER}",
         {0, 1, 0, 0},
         {3, 3, 2, 2},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RaidFleet st(c.keys);
        st.raid(c.escorts, 2, 2, c.heavy);
        st->PATROL_UNITS = con::store(con::L(c.aloft) + con::L(c.launched));
        for (int i = 0; i < 4; ++i) st->CB(i) = 9;
        st->CB(0) = c.aloft;
        EXPECT_EQ(PATROL_ALLOCATION(*st), Block::RaidAirCombat);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(st->DE(i), c.DE[i]) << i;
            EXPECT_EQ(st->CB(i), c.CB[i]) << i;
        }
        EXPECT_EQ(st->PATROL_UNITS, c.patrol_left);
        EXPECT_THROW(con::wait_key_string(), con::ProgramEnd) << "every key was taken";
    }
    RaidFleet left("1{ENTER}");
    left.raid(0, 2, 2, 0);
    left->PATROL_UNITS = 1;
    con::color(6);  // as the arrival leaves it
    EXPECT_THROW(PATROL_ALLOCATION(*left), con::ProgramEnd);
    EXPECT_TRUE(shows(screen(), 12, 22, "対ＴＢＤは何ユニット ?  (残り 0 )      ", 6));
    EXPECT_EQ(text_at(screen(), 10, 20, 26), std::string(26, ' ')) << "the heading is cleared";
}

// Faults mended: the loss distribution ends when column 14 is empty everywhere, even when the
// losses exceed the units there.
TEST(RaidFlow, LossesBeyondTheUnitsThatFoughtEnd) {
    RaidFleet st;
    st->F(0, 2, F_CAP_RAID) = 1;
    st.raid(4, 1, 0, 0);
    st->DE(0) = 3, st->CB(0) = 0;
    con::random_generator().script(std::vector<float>(4 + 6 + 0, die_face(6)));
    EXPECT_EQ(RAID_AIR_COMBAT(*st), Block::RaidAntiAircraft);
    EXPECT_EQ(st->F(0, 2, F_CAP_FOUGHT), 0);
    EXPECT_EQ(st->DE(0), 0);
}

TEST(RaidFlow, OnlyHeavyBombersLeftGoStraightToTheClose) {
    // 2 patrol units aloft, 1 against the dive bomber (3 dice), 1 left against the heavy bombers
    // (3 dice, none a 6); the heavy bombers make no attack,
    // no fire and no question follow, and they return to the base.
    RaidFleet st("1{ENTER}");
    st->F(0, 1, F_CAP_FIRST) = 2;
    st.raid(0, 1, 0, 2);
    con::random_generator().script({die_face(3), die_face(3), die_face(3), die_face(3), die_face(3), die_face(3)});
    const auto before = con::random_generator().draws();
    EXPECT_EQ(run_raid(*st), (std::vector<Block>{Block::AlliedRaidPhase, Block::PatrolAllocation, Block::RaidAirCombat,
                                                 Block::BaseStrikeArrival}));
    EXPECT_EQ(con::random_generator().draws() - before, 6u);
    EXPECT_TRUE(shows(screen(), 48, 14, "ＳＢＤ 1 ユニット撃墜 残り 0", 6));
    EXPECT_TRUE(shows(screen(), 54, 20, "零式艦戦 対 Ｂ１７", 6));
    EXPECT_TRUE(shows(screen(), 48, 22, "Ｂ１７ 0 ユニット撃墜 残り 2", 6));
    EXPECT_EQ(st->Q(QR_HEAVY, Q_BACK_FAR), 2);
    EXPECT_TRUE(shows(screen(), 6, 4, "敵機来襲 !!", 3));
}

TEST(RaidFlow, NoPatrolAndNoDeckFighters) {
    RaidFleet st;
    st->F(0, 1, F_DECK) = 4;
    st->A(0, 7, A_FLIGHT_DECK) = 7;  // 7 cannot launch
    st.raid(1, 1, 0, 0);
    for (int i = 0; i < 4; ++i) st->DE(i) = 9;
    EXPECT_EQ(ALLIED_RAID_PHASE(*st), Block::PatrolAllocation);
    EXPECT_TRUE(shows(screen(), 16, 21, " 0 ユニット飛行中", 6));
    EXPECT_EQ(text_at(screen(), 10, 22, 68), std::string(68, ' '));
    EXPECT_EQ(PATROL_ALLOCATION(*st), Block::RaidAirCombat);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(st->DE(i), 0) << i;
    EXPECT_EQ(text_at(screen(), 10, 20, 68), std::string(68, ' ')) << "no heading";
}

// The damage report's rounding with 4-byte stores: 3 ＳＢＤ hits on 翔鶴 (4.98 -> 5, yellow), 2 on
// 瑞鶴 (5.32 -> 6, cyan, undamaged), 3 on 赤城 at 1 (below 0 -> 0, red, deck 0), its third
// taken on a visit draw of 1 or less.
TEST(RaidFlow, HitsRoundingAndTheReportColours) {
    RaidFleet st;
    st->A(0, 9, A_DURABILITY) = 1;
    st.raid(0, 9, 0, 0);
    std::vector<float> draws;
    for (int round = 0; round < 3; ++round) {
        const std::vector<float> one = carrier_hit(3, true);
        draws.insert(draws.end(), one.begin(), one.end());
        if (round < 2) {
            draws.insert(draws.end(), one.begin(), one.end());
        } else {
            append(draws, {0.5f, die_face(2), 0.5f});  // 瑞鶴's third: a miss
        }
        std::vector<float> third = carrier_hit(3, true);
        if (round >= 1) third[0] = 0.05f;  // 赤城 below 1 is attacked only on a draw of 1 or less
        draws.insert(draws.end(), third.begin(), third.end());
    }
    append(draws, {/*the tenth visit ends the type*/ 0.5f});
    con::random_generator().script(draws);
    const auto before = con::random_generator().draws();
    EXPECT_EQ(RAID_HITS(*st), Block::AbortQuestion);
    EXPECT_EQ(con::random_generator().draws() - before, draws.size());
    EXPECT_EQ(st->A(0, 7, A_DURABILITY), 5);
    EXPECT_EQ(st->A(0, 8, A_DURABILITY), 6);
    EXPECT_EQ(st->A(0, 9, A_DURABILITY), 0);
    EXPECT_EQ(st->A(0, 7, A_FLIGHT_DECK), 7);
    EXPECT_EQ(st->A(0, 8, A_FLIGHT_DECK), 8);
    EXPECT_EQ(st->A(0, 9, A_FLIGHT_DECK), 0);
    EXPECT_EQ(st->UNDAMAGED_CARRIERS, 1);
    EXPECT_TRUE(shows(screen(), 1, 11, " 1  翔鶴", 6));
    EXPECT_TRUE(shows(screen(), 24, 11, " 5 / 6", 6));
    EXPECT_TRUE(shows(screen(), 1, 12, " 2  瑞鶴", 5));
    EXPECT_TRUE(shows(screen(), 24, 12, " 6 / 6", 5));
    EXPECT_TRUE(shows(screen(), 1, 13, " 3  赤城", 2));
    EXPECT_TRUE(shows(screen(), 24, 13, " 0 / 6", 2));
    expect_golden_screen(screen(), "raid_report_colours");
}

// No carrier afloat: the battleships are attacked; their report keeps the colour last set, and
// UNDAMAGED_CARRIERS keeps its count.
TEST(RaidFlow, BattleshipsAttackedWhenNoCarrierIsAfloat) {
    RaidFleet st;
    for (int s = 7; s <= 9; ++s) st->A(0, s, A_DURABILITY) = 0;
    st->UNDAMAGED_CARRIERS = 2;
    st.raid(0, 0, 2, 0);
    con::random_generator().script({/*長門*/ 0.5f, die_face(6), /*陸奥*/ 0.5f, die_face(1), /*ends*/ 0.5f});
    EXPECT_EQ(RAID_HITS(*st), Block::AbortQuestion);
    EXPECT_EQ(st->WORK_C, 0);
    EXPECT_EQ(st->A(0, 24, A_DURABILITY), 5);
    EXPECT_TRUE(shows(screen(), 22, 7, " 1  長門", 6));
    EXPECT_TRUE(shows(screen(), 32, 7, " 5 / 6   ", 3)) << "the report in the hit's magenta";
    EXPECT_TRUE(shows(screen(), 32, 8, " 6 / 6   ", 3));
    EXPECT_EQ(st->UNDAMAGED_CARRIERS, 2);
    expect_golden_screen(screen(), "raid_battleship_report");
}

TEST(RaidFlow, TheCallOffQuestion) {
    struct Case {
        const char* name;
        float harbour, subturn, contact, distance, undamaged, called_off;
        std::string keys;
        bool asked;
        float tk, withdraw;
    } cases[] = {
        {"damage after a raid: asked, \"y\" calls off", 0, 5, 1, 4, 2, 0, "y{ENTER}", true, 1, 0},
        {"\"YES\" is a no", 0, 5, 1, 4, 2, 0, "YES{ENTER}", true, 0, 0},
        {"\" y\" is a no", 0, 5, 1, 4, 2, 0, " y{ENTER}", true, 0, 0},
        {"an empty line is a no", 0, 5, 1, 9, 2, 0, "{ENTER}", true, 0, 0},
        {"every carrier whole: a pause instead", 0, 5, 1, 4, 3, 0, "", false, 0, 0},
        {"beyond 9: no question, the close still runs", 0, 5, 1, 10, 2, 0, "", false, 0, 0},
        {"called off already: never asked again", 0, 5, 1, 4, 2, 1, "", false, 1, 0},
        {"harbour strike, sub-turn 6 without contact: not asked", 1, 6, 0, 20, 3, 0, "", false, 0, 0},
        {"harbour strike, sub-turn 7: asked whatever happened; a yes withdraws", 1, 7, 0, 20, 3, 0, "Y{ENTER}", true, 1,
         1},
        {"harbour strike, sub-turn 9: a yes calls off without withdrawing", 1, 9, 0, 20, 3, 0, "Y{ENTER}", true, 1, 0},
        {"harbour strike, called off: never again", 1, 10, 0, 20, 3, 1, "", false, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RaidFleet st(c.keys);
        st->PEARL_HARBOR_TURN = c.harbour;
        st->SUBTURN_NO = c.subturn;
        st->H(1) = c.contact;
        st->AIR_DISTANCE = c.distance;
        st->UNDAMAGED_CARRIERS = c.undamaged;
        st->TK(0) = c.called_off;
        EXPECT_EQ(ABORT_QUESTION(*st), Block::BaseStrikeArrival);
        EXPECT_EQ(static_cast<bool>(shows(screen(), 12, 22, "作戦中止しますか ? Y - N  ", 4)), c.asked);
        EXPECT_EQ(st->TK(0), c.tk);
        EXPECT_EQ(st->PH_WITHDRAW, c.withdraw);
    }
    // With the comment key the undamaged fleet's pause waits for a key.
    RaidFleet key("k");
    key->TT(TT_COMMENT_KEY) = 1;
    key->UNDAMAGED_CARRIERS = 3;
    EXPECT_EQ(ABORT_QUESTION(*key), Block::BaseStrikeArrival);
    EXPECT_EQ(key->DIALOGUE_KEY, "k");
}

// Fault mended: beyond 9 air-distance units the raid's close still runs, so a raid's survivors
// (heavy bombers too) and the units over the fleet go home instead of being lost.
TEST(RaidFlow, TheCloseRunsAlsoOutOfRange) {
    struct Case {
        const char* name;
        float base_distance, carriers, afloat;
        int column;
        float base_fighters, carrier_fighters;
    } cases[] = {
        {"Allied carriers afloat: survivors through IDO3", 5, 1, 1, Q_HOME, 1, 2},
        {"no Allied carrier afloat: all to the base, far", 5.1f, 1, 0, Q_BACK_FAR, 1 + 2 + 1, 0},
        {"no Allied carriers: all to the base", 10, 0, 0, Q_BACK_FAR, 1 + 2 + 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RaidFleet st;
        st->AIR_DISTANCE = 10;
        st->BASE_DISTANCE = c.base_distance;
        st->CV(1, 1) = c.carriers, st->C(1, 1, 1) = 1, st->ALLIED_CV_AFLOAT = c.afloat;
        st->F(1, 1, AL_OVER) = 2;
        st->Q(QR_FIGHTERS, Q_OVER) = 1;
        st->Q(QR_FIGHTERS, c.column) = 1;
        st.raid(2, 0, 0, 3);
        EXPECT_EQ(run_raid(*st, Block::AbortQuestion),
                  (std::vector<Block>{Block::AbortQuestion, Block::BaseStrikeArrival}));
        EXPECT_EQ(st->Q(QR_HEAVY, c.column), 3);
        EXPECT_EQ(st->Q(QR_FIGHTERS, c.column), c.base_fighters);
        EXPECT_EQ(st->F(1, 1, AL_BACK), c.carriers > 0 ? 2 + c.carrier_fighters : 0);
        EXPECT_EQ(st->F(1, 1, AL_OVER), c.carriers > 0 ? 0 : 2) << "an Allied fleet without carriers has no slots";
        EXPECT_EQ(row_of(screen(), 22), "");
    }
}
