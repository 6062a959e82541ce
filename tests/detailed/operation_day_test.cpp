// The day loop and the hour steps of an operation: the day's resets and search planes, the
// day-skip test, the emptied air-group table, the base's recovery, the Allied posture, the hour
// step's opening and routing, the visual contacts, and the end of the hour.
#include <gtest/gtest.h>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 with carriers 1 and 2 (slots 1-2) against Allied carriers 3 and 4, target b.
void day_operation(State& st, float b) {
    st.FLEET_NO = 1;
    st.TT(TT_FLEET) = 1;
    st.AT(1) = b;
    st.CV(0, 1) = 2, st.C(0, 1, 1) = 1, st.C(0, 1, 2) = 2;
    st.CV(1, 1) = 2, st.C(1, 1, 1) = 3, st.C(1, 1, 2) = 4;
    st.A(1, 3, A_TASK_FORCE) = 1, st.A(1, 4, A_TASK_FORCE) = 2;
    st.KS(1) = 1, st.KS(2) = 1, st.KS(3) = 0;
    st.DAY_NO = 1;
}

}  // namespace

TEST(DayLoop, AlliedPostureByTheOrderOfItsTests) {
    struct Case {
        const char* name;
        float target, fit, own, allied, character, scenario;
        std::vector<float> draws;
        float posture;
    };
    const Case cases[] = {
        {"California keeps the posture", 21, 4, 2, 2, 1, 1, {0.99f}, 0},
        {"few fit carriers withdraw", 7, 1, 2, 2, 1, 1, {0.5f, 0.5f}, 2},
        {"or turn defensive", 7, 1, 2, 2, 1, 1, {0.5f, 0.1f, 0.0001f}, 1},
        {"a cautious commander on day 1", 7, 3, 2, 2, -1, 1, {0.5f, 0.5f, 0.55f}, 1},
        {"a bold one", 7, 3, 2, 2, 1, 1, {0.5f, 0.5f, 0.85f}, 0},
        {"a bold one's rare roll", 7, 3, 2, 2, 1, 1, {0.5f, 0.5f, 0.95f}, 1},
        {"never in the single operation", 7, 3, 2, 2, -1, 6, {0.5f, 0.5f, 0.99f}, 0},
        {"never against more carriers", 7, 3, 1, 2, -1, 1, {0.5f, 0.5f, 0.99f}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        day_operation(*st, c.target);
        st->ALLIED_CV_FIT = c.fit;
        st->CV(0, 1) = c.own, st->CV(1, 1) = c.allied;
        st->OPERATION_CHARACTER = c.character;
        st->SCENARIO_NO = c.scenario;
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        EXPECT_EQ(allied_posture(*st, 1), c.posture);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size());
    }
}

TEST(DayLoop, ASkippedDayStillSetsUpItsSearchPlanes) {
    // The target is Japanese-held: the day's set-up and its questions run, then the next day
    // follows at once.
    Loaded st(kMorvaDayQuestions);
    day_operation(*st, 7);
    st->P(7, P_HOLDER) = 0;
    st->DAY_NO = 2;
    st->PZ(0, PZ_X) = 12, st->PZ(0, PZ_Y) = -7;
    // Two extra planes were added, one long flight is still out.
    st->ST(ST_OWN, ST_COUNTERS, ST_STATUS) = 2, st->ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 1;
    st->ST(ST_OWN, 10, ST_STATUS) = 4, st->ST(3, 5, ST_STATUS) = 3, st->ST(4, 5, ST_STATUS) = 1, st->SK(2) = 10;
    st->A(0, 1, A_DURABILITY) = st->A(0, 1, A_FULL_DURABILITY) = 6, st->A(0, 1, A_FLIGHT_DECK) = 8;
    st->A(0, 2, A_DURABILITY) = 3, st->A(0, 2, A_FULL_DURABILITY) = 6, st->A(0, 2, A_FLIGHT_DECK) = 10;  // damaged by 3
    st->F(0, 1, AIR_TORPEDO_BOMBERS, F_SEARCHING) = 2, st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 5;
    st->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING) = 1;
    st->H(2) = 4, st->J(1) = 2, st->MV(4) = 3;
    EXPECT_EQ(DAY_START(*st), Block::NextDay);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED), 7);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_SEARCHING), 0);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING), 1) << "a carrier damaged by more than 2 keeps them";
    for (int p = 1; p <= 12; ++p) {
        EXPECT_EQ(st->ST(ST_OWN, p, ST_STATUS), p <= 8 ? 1 : 0);
        EXPECT_EQ(st->ST(ST_BASE, p, ST_STATUS), 1);
        EXPECT_EQ(st->ST(2, p, ST_STATUS), 1);
        EXPECT_EQ(st->ST(3, p, ST_STATUS), 1);
        EXPECT_EQ(st->ST(4, p, ST_STATUS), 0) << "task force 3 does not exist";
        EXPECT_EQ(st->ST(ST_OWN, p, ST_X), 12);
        EXPECT_EQ(st->ST(ST_OWN, p, ST_Y), -7);
    }
    EXPECT_EQ(st->ST(ST_OWN, ST_COUNTERS, ST_STATUS), 2);
    EXPECT_EQ(st->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 0) << "no long-range flight is out at the day's start";
    EXPECT_EQ(st->SK(2), 0);
    EXPECT_EQ(st->H(2), -1);
    EXPECT_EQ(st->J(1), 0);
    EXPECT_EQ(st->MV(4), 0);
    EXPECT_EQ(st->MM(MM_HEADING), -1);
    EXPECT_EQ(st->TT(TT_DAY), 2);
    EXPECT_TRUE(shows(con::screen(), 34, 5, "第  2  日", 7));
    // California is never skipped; the harbour raid skips every day after the first.
    Loaded raid(kMorvaDayQuestions);
    day_operation(*raid, 18);
    raid->PEARL_HARBOR_TURN = 1;
    raid->DAY_NO = 2;
    EXPECT_EQ(DAY_START(*raid), Block::NextDay);
}

TEST(DayLoop, DayOneDeploysAndEmptiesTheAirGroups) {
    Loaded st(kMorvaDayQuestions + "45{ENTER}");
    day_operation(*st, 7);
    st->T(3, 5, T_STATUS) = 3, st->T(3, 5, T_X) = 40, st->T(3, 5, T_FIGHTERS) = 9, st->T(3, 5, T_BOMB_ARMED) = 2;
    st->T(6, 16, T_STATUS) = 1;  // launch steps past 15 are never used
    EXPECT_EQ(DAY_START(*st), Block::HourStart);
    EXPECT_EQ(st->T(3, 5, T_STATUS), 0);
    EXPECT_EQ(st->T(3, 5, T_X), 40);
    EXPECT_EQ(st->T(3, 5, T_FIGHTERS), 0) << "no phantom aircraft in a row reused later";
    EXPECT_EQ(st->T(3, 5, T_BOMB_ARMED), 0);
    EXPECT_EQ(st->T(6, 16, T_STATUS), 1);
    EXPECT_EQ(st->PZ(0, PZ_X), 74);
    EXPECT_EQ(st->PZ(0, PZ_Y), 74);
    EXPECT_EQ(st->SUBTURN_NO, 1);
    EXPECT_EQ(st->OPERATION_ACTIVE, 1);
}

TEST(DayLoop, LaterDaysRecoverTheBaseAndMoveByNight) {
    Loaded st(kMorvaDayQuestions + "{ENTER}{ENTER}");
    day_operation(*st, 11);
    st->DAY_NO = 3;
    st->P(11, P_AIR_DEFENCE) = 10;
    st->BASE_DEFENCE_MAX = 12;
    st->PZ(0, PZ_X) = 50, st->PZ(0, PZ_Y) = 60;
    con::random_generator().script({0.99f});
    EXPECT_EQ(DAY_START(*st), Block::HourStart);
    EXPECT_EQ(st->P(11, P_AIR_DEFENCE), 12) << "10 + 3 + 4, held at the start value";
    EXPECT_EQ(st->PK(0), 78) << "the night move's map computes the ranges";
    EXPECT_EQ(NEXT_DAY(*st), Block::OperationEnd);
    EXPECT_EQ(st->DAY_NO, 4);
}

TEST(HourStep, OpeningAndRouting) {
    Loaded st;
    day_operation(*st, 7);
    st->A(0, 1, A_DURABILITY) = 5, st->A(0, 1, A_FLIGHT_DECK) = 7.5f;
    st->A(0, 2, A_DURABILITY) = 0, st->A(0, 2, A_FLIGHT_DECK) = 6;  // sunk
    st->F(0, 2, AIR_FIGHTERS, F_HANGAR) = 4, st->F(0, 2, AIR_FIGHTERS, F_PATROL_FIRST) = 2;
    st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 3, st->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING) = 1;
    st->A(1, 3, A_DURABILITY) = 4, st->A(1, 3, A_FLIGHT_DECK) = 9;
    st->A(1, 4, A_DURABILITY) = 0;
    st->ID(2) = 3, st->HH(1) = 1, st->N(0) = 2;
    st->H(H_ON_FLEET) = -1;
    st->SUBTURN_NO = 1;
    EXPECT_EQ(HOUR_START(*st), Block::MorningPhase);
    EXPECT_EQ(st->A(0, 1, A_FLIGHT_DECK), 8);
    EXPECT_EQ(st->A(0, 2, A_FLIGHT_DECK), 0);
    EXPECT_EQ(st->F(0, 2, AIR_FIGHTERS, F_HANGAR), 0);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 0);
    EXPECT_EQ(st->F(0, 2, AIR_FIGHTERS, F_PATROL_FIRST), 2) << "fighters on patrol stay";
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_SEARCHING), 1) << "search planes stay";
    EXPECT_EQ(st->A(1, 3, A_FLIGHT_DECK), 10);
    EXPECT_EQ(st->SS(1), 1);
    EXPECT_EQ(st->SS(2), 0) << "its carrier is sunk";
    EXPECT_EQ(st->ID(2), 0);
    EXPECT_EQ(st->HH(1), 0);
    EXPECT_EQ(st->N(0), 0);
    EXPECT_EQ(st->GUN_SUBTURN_NO, 1);
    st->SUBTURN_NO = 16;
    EXPECT_EQ(HOUR_START(*st), Block::SurfacePhase);
    st->SUBTURN_NO = 5;
    EXPECT_EQ(HOUR_START(*st), Block::BaseStrikeArrival);
    EXPECT_EQ(st->TT(TT_SUBTURN), 5);
    st->SUBTURN_NO = 21;
    EXPECT_EQ(NEXT_HOUR(*st), Block::EndOfDay);
}

TEST(HourStep, VisualContactsByTheLastMap) {
    Loaded st;
    day_operation(*st, 7);
    st->KS(3) = 1;
    st->PK(1) = 8, st->PK(2) = 9, st->PK(3) = 3;
    st->H(H_ON_FLEET) = 5, st->H(1) = -1, st->H(2) = -1, st->H(3) = 4;
    st->J(1) = 3;
    st->SUBTURN_NO = 4;
    st->TT(TT_MAP_SHOWN) = 0;
    st->RAID_THIS_HOUR = 0;
    EXPECT_EQ(HOURLY_AIR_PHASE(*st), Block::MorningPhase);
    EXPECT_EQ(st->H(H_ON_FLEET), 3) << "seen at 8 units";
    EXPECT_EQ(st->H(1), 3);
    EXPECT_EQ(st->H(2), -1) << "9 units is out of sight";
    EXPECT_EQ(st->H(3), 4) << "a shadowed task force keeps its level";
    EXPECT_EQ(st->J(1), 3);
    EXPECT_EQ(st->J(2), 1);
    EXPECT_EQ(st->J(3), 0);
}

TEST(EndOfHour, ReportsAgeingAndTheFleetAfloat) {
    Loaded st;
    day_operation(*st, 7);
    st->A(0, 1, A_DURABILITY) = 0, st->A(0, 2, A_DURABILITY) = 0;
    st->BB(0, 1) = 1, st->G(0, 1, 1) = 25, st->A(0, 25, A_DURABILITY) = 1;
    st->SUBTURN_NO = 9, st->TT(TT_SUBTURN) = 9;
    st->HH(H_ON_FLEET) = 1, st->HH(2) = 1;
    st->H(H_ON_FLEET) = 3, st->H(1) = 0, st->H(2) = 4, st->H(3) = 1;
    EXPECT_EQ(END_OF_HOUR(*st), Block::NextHour);
    EXPECT_TRUE(shows(con::screen(), 1, 1, " 10 時 発進の攻撃隊 2 は敵艦隊の捕捉に失敗", 7));
    EXPECT_EQ(st->H(H_ON_FLEET), 2);
    EXPECT_EQ(st->H(1), 0);
    EXPECT_EQ(st->H(2), 4);
    EXPECT_EQ(st->H(3), 0);
    // Hour step 12 labels 1; with the battleship sunk too the operation fails.
    st->TT(TT_SUBTURN) = 12;
    st->HH(2) = 0;
    st->A(0, 25, A_DURABILITY) = 0;
    EXPECT_EQ(END_OF_HOUR(*st), Block::CarriersLost);
    EXPECT_TRUE(shows(con::screen(), 1, 1, " 1 時 発進の攻撃隊は敵基地に到達できず", 7));
}
