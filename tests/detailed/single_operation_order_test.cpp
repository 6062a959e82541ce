// The single operation's order of battle (scenario 6): the turn from the target, HENSEI2's
// list and limits, the confirmation, the target's strength and aircraft, and a scripted run
// from the start-up to the single operation's final screen.
#include <gtest/gtest.h>

#include "detailed/organisation.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;
using testing_support::run_program;

namespace {

std::string copies(const std::string& key, int n) {
    std::string keys;
    for (int i = 0; i < n; ++i) keys += key;
    return keys;
}

// A loaded state of scenario 6 after the target choice of `target`.
struct SingleOperation : Loaded {
    SingleOperation(std::string keys, int target) : Loaded(std::move(keys)) {
        st->SCENARIO_NO = 6;
        st->TURN_NO = 1;
        st->AT(1) = static_cast<float>(target);
        st->V(1, 1) = 36;
        st->V(2, 1) = 54;
        st->V(3, 1) = 54;
    }
};

// Keys from the start-up to the first ship question of HENSEI2 with target `target`: no
// practice, fleet 1 of carrier 7 alone.
std::string to_order_of_battle(int target) {
    return opening_keys(6) + "n" + "h" + "1" + std::string(26, '3') + "y" + std::to_string(target) + "{ENTER}";
}

// Answers for the 42 Allied ships: LEXINGTON and ENTERPRISE and SOUTHDAKOTA join (a stray key
// before ENTERPRISE is ignored).
const std::string kShips = "12x1" + copies("2", 12) + "1" + copies("2", 26);

}  // namespace

TEST(SingleOperationOrder, TurnFromTheTargetAndTheReserve) {
    for (int target = 6; target <= 21; ++target) {
        SingleOperation o(copies("2", 42) + "Y" + "1{ENTER}" + copies("0{ENTER}", 4), target);
        EXPECT_EQ(SINGLE_OPERATION_ORDER(*o), Block::OperationsReset) << target;
        EXPECT_EQ(o->TURN_NO, target <= 11 ? 2 : target - 9) << target;
        EXPECT_EQ(o->V(1, V_RESERVE), 36);
        EXPECT_EQ(o->V(2, V_RESERVE), 54);
        EXPECT_EQ(o->V(3, V_RESERVE), 54);
        EXPECT_EQ(o->CV(1, 1), 0) << "no Allied ship";
        EXPECT_EQ(o->BB(1, 1), 0);
    }
}

TEST(SingleOperationOrder, ChosenShipsStrengthAndAircraft) {
    SingleOperation o(kShips + "yY" + "0{ENTER}100{ENTER}12{ENTER}" + "301{ENTER}10.5{ENTER}30{ENTER}" +
                          "{ENTER}20{ENTER}-1{ENTER}10{ENTER}",
                      14);
    o->A(1, 3, A_FLIGHT_DECK) = 2;
    EXPECT_EQ(SINGLE_OPERATION_ORDER(*o), Block::OperationsReset);
    EXPECT_EQ(o->TURN_NO, 5);
    EXPECT_EQ(o->CV(1, 1), 2);
    EXPECT_EQ(o->C(1, 1, 1), 1);
    EXPECT_EQ(o->C(1, 1, 2), 3);
    EXPECT_EQ(o->BB(1, 1), 1);
    EXPECT_EQ(o->G(1, 1, 1), 16);
    EXPECT_EQ(o->A(1, 3, A_FLIGHT_DECK), 10);
    EXPECT_EQ(o->A(1, 3, A_COMMITTED), 1);
    EXPECT_EQ(o->A(1, 16, A_COMMITTED), 1);
    EXPECT_EQ(o->A(1, 2, A_COMMITTED), 0);
    EXPECT_EQ(o->P(14, P_STRENGTH), 12) << "0 and 100 refused";
    const float aircraft[] = {30, 0, 20, 10};  // 301, 10.5 and -1 refused; an empty line is 0
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(o->Q(k, Q_NOT_READY), aircraft[k]) << k;
}

TEST(SingleOperationOrder, LimitsAndTheNewChoiceAfterN) {
    // Eight carriers: the other carriers are marked unasked and the next key answers ship 16;
    // twenty battleships: the rest likewise.
    SingleOperation full(copies("1", 28) + "Y" + "5{ENTER}" + copies("{ENTER}", 4), 20);
    EXPECT_EQ(SINGLE_OPERATION_ORDER(*full), Block::OperationsReset);
    EXPECT_EQ(full->CV(1, 1), 8);
    EXPECT_EQ(full->C(1, 1, 8), 8);
    EXPECT_EQ(full->BB(1, 1), 20);
    EXPECT_EQ(full->G(1, 1, 20), 35);
    EXPECT_EQ(full->A(1, 9, A_COMMITTED), 0);
    EXPECT_EQ(full->A(1, 36, A_COMMITTED), 0);
    const auto& s = full.console.screen();
    EXPECT_TRUE(shows(s, 13, 8, " 8", 5));
    EXPECT_TRUE(shows(s, 13, 9, " X", 3)) << "INTREPID unasked";
    EXPECT_TRUE(shows(s, 53, 20, "20", 5));
    EXPECT_TRUE(shows(s, 13, 17, " X", 3)) << "PRINCEOFWALES unasked";

    // "N" builds the order of battle again from empty.
    SingleOperation again(copies("1", 28) + "yn" "N" + copies("2", 42) + "Y" + "5{ENTER}" + copies("{ENTER}", 4), 20);
    EXPECT_EQ(SINGLE_OPERATION_ORDER(*again), Block::SingleOperationOrder);
    EXPECT_EQ(SINGLE_OPERATION_ORDER(*again), Block::OperationsReset);
    EXPECT_EQ(again->CV(1, 1), 0);
    EXPECT_EQ(again->BB(1, 1), 0);
    EXPECT_EQ(again->C(1, 1, 1), 0);
    EXPECT_EQ(again->G(1, 1, 1), 0);
}

TEST(SingleOperationOrder, ScriptedRunToTheFinalScreen) {
    const std::string start = to_order_of_battle(14);
    // The list and the first question.
    auto first = run_program(morva95f_program(), start);
    const auto& s = first.screen();
    EXPECT_TRUE(shows(s, 15, 0, "耐久力 収容力 速力 対空力", 6));
    EXPECT_TRUE(shows(s, 55, 0, "耐久力 攻撃力 速力 対空力", 6));
    EXPECT_TRUE(shows(s, 0, 1, "LEXINGTON", 6));
    EXPECT_TRUE(shows(s, 15, 1, " 6 / 6   90    34   3", 6));
    EXPECT_TRUE(shows(s, 0, 15, "FORMIDABLE", 6));
    EXPECT_TRUE(shows(s, 40, 1, "SOUTHDAKOTA     6 / 6   16    28   4", 6));
    EXPECT_TRUE(shows(s, 0, 23, "RESOLUTION", 6)) << "ship 42 on row 23 without scrolling";
    EXPECT_TRUE(shows(s, 0, 17, "PRINCEOFWALES", 6));
    EXPECT_TRUE(shows(s, 49, 23, " Hit 1 (Yes) - 2 (No) Key", 7));
    EXPECT_TRUE(shows(s, 44, 21, "空母は８隻まで", 4));
    EXPECT_TRUE(shows(s, 39, 22, "LEXINGTON を参戦させますか ?", 7));
    EXPECT_EQ(text_at(s, 0, 0, 14), std::string(14, ' ')) << "no turn banner";

    // Every ship answered: the marks and the confirmation.
    auto chosen = run_program(morva95f_program(), start + kShips);
    const auto& c = chosen.screen();
    EXPECT_TRUE(shows(c, 13, 1, " 1", 5));
    EXPECT_TRUE(shows(c, 13, 2, " X", 3));
    EXPECT_TRUE(shows(c, 13, 3, " 2", 5));
    EXPECT_TRUE(shows(c, 53, 1, " 1", 5));
    EXPECT_TRUE(shows(c, 53, 2, " X", 3));
    EXPECT_TRUE(shows(c, 44, 21, "戦艦は２０隻まで", 4));
    EXPECT_TRUE(shows(c, 39, 23, "よろしいですか ?  Hit Y - N Key", 7));
    EXPECT_EQ(text_at(c, 37, 22, 42), std::string(42, ' '));

    // "Y": the target's strength, then its aircraft.
    auto strength = run_program(morva95f_program(), start + kShips + "Y");
    EXPECT_TRUE(shows(strength.screen(), 39, 22, "攻撃目標の勢力値は ?", 7));
    EXPECT_EQ(text_at(strength.screen(), 44, 21, 16), std::string(16, ' '));
    EXPECT_EQ(text_at(strength.screen(), 39, 23, 40), std::string(40, ' '));
    auto aircraft = run_program(morva95f_program(), start + kShips + "Y12{ENTER}30{ENTER}");
    EXPECT_TRUE(shows(aircraft.screen(), 39, 22, "目標の保有するＳＢＤの機数は ?", 7));

    // The operation: the end-of-day question, then the final screen without a victory level.
    const std::string entered = start + kShips + "Y12{ENTER}30{ENTER}0{ENTER}20{ENTER}10{ENTER}";
    auto day = run_program(morva95f_program(), entered + kMorvaDayQuestions + "0{ENTER}" + morva_stay_day());
    EXPECT_EQ(text_at(day.screen(), 29, 11, 18), "作戦終了しますか ?");
    auto end = run_program(morva95f_program(), entered + kMorvaDayQuestions + "0{ENTER}" + morva_stay_day() + "Y");
    EXPECT_TRUE(shows(end.screen(), 4, 0, "ミッドウェー 作戦", 7));
    EXPECT_TRUE(shows(end.screen(), 1, 1, "WINDOW を閉じてください", 6));
}
