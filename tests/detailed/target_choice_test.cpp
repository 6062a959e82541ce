// MOKUHYO (the target choice) with scripted answers, its screen, and the main routine's branch
// on the targets.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "detailed/organisation.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

// A loaded state after an organisation of scenario `scenario`: fleet 1 carrier 7 with
// battleship 30, fleet 2 carrier 8 (or no carrier).
struct Targeting : Loaded {
    Targeting(std::string keys, int scenario, bool fleet_two_carrier = true) : Loaded(std::move(keys)) {
        st->SCENARIO_NO = static_cast<float>(scenario);
        st->TT(TT_SCENARIO) = st->SCENARIO_NO;
        st->TT(TT_WAIT) = 4;
        st->C(0, 1, 1) = 7;
        st->CV(0, 1) = 1;
        st->G(0, 1, 1) = 30;
        st->BB(0, 1) = 1;
        if (fleet_two_carrier) {
            st->C(0, 2, 1) = 8;
            st->CV(0, 2) = 1;
        }
    }
};

bool mokuhyo_ends(Targeting& t) {
    try {
        MOKUHYO(*t);
        return true;
    } catch (const con::ProgramEnd&) {
        return false;
    }
}

}  // namespace

TEST(Mokuhyo, AnswersRefusedAndAccepted) {
    struct Case {
        const char* name;
        int scenario;
        std::string keys;
        float at1, at2;
        std::function<void(State&)> setup;
    } cases[] = {
        {"bases outside 6-21 are refused", 1, "5{ENTER}22{ENTER}0{ENTER}7{ENTER}99{ENTER}", 7, 0, nullptr},
        {"a number with a fraction is refused", 1, "7.5{ENTER}7{ENTER}8.5{ENTER}8{ENTER}", 7, 8, nullptr},
        {"a line that is no number is asked again", 1, "abc{ENTER}7{ENTER}99{ENTER}", 7, 0, nullptr},
        {"a Japanese-held base is refused", 1, "6{ENTER}7{ENTER}99{ENTER}", 7, 0,
         [](State& st) { st.P(6, P_HOLDER) = 0; }},
        {"fleet 2 cannot take fleet 1's target", 1, "7{ENTER}7{ENTER}8{ENTER}", 7, 8, nullptr},
        {"fleet 1 at home leaves every base to fleet 2", 1, "99{ENTER}7{ENTER}", 0, 7, nullptr},
        {"prerequisites not held: refused with a message", 1, "10{ENTER}7{ENTER}99{ENTER}", 7, 0, nullptr},
        {"prerequisites held", 1, "10{ENTER}99{ENTER}", 10, 0,
         [](State& st) { st.P(7, P_HOLDER) = st.P(8, P_HOLDER) = 0; }},
        {"single operation: 99 refused, no tests, fleet 2 not asked", 6, "99{ENTER}6{ENTER}", 6, 0,
         [](State& st) { st.P(6, P_HOLDER) = 0; }},
        {"single operation: base 21 at once", 6, "21{ENTER}", 21, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Targeting t(c.keys, c.scenario);
        t->AT(2) = 5;  // an old value, replaced
        if (c.setup) c.setup(*t);
        ASSERT_TRUE(mokuhyo_ends(t)) << "every answer was taken";
        EXPECT_EQ(t->AT(1), c.at1);
        EXPECT_EQ(t->AT(2), c.at2);
    }
}

TEST(Mokuhyo, FleetScreenAndPrompt) {
    Targeting t("", 1);
    t->C(0, 1, 3) = 9;  // an empty slot 2 leaves its row empty
    t->G(0, 1, 3) = 33;
    con::print_at(con::Col(56), con::Row(7), " 7  フィリピン");  // the base list beside it
    con::print_at(con::Col(0), con::Row(12), "old");
    ASSERT_FALSE(mokuhyo_ends(t));
    const auto& s = t.console.screen();
    EXPECT_TRUE(shows(s, 10, 1, "第  1  艦隊", 6));
    EXPECT_TRUE(shows(s, 10, 4, "翔鶴", 6));
    EXPECT_EQ(text_at(s, 10, 5, 4), "    ");
    EXPECT_TRUE(shows(s, 10, 6, "赤城", 6));
    EXPECT_TRUE(shows(s, 24, 4, "金剛", 6));
    EXPECT_TRUE(shows(s, 24, 6, "霧島", 6));
    EXPECT_TRUE(shows(s, 10, 18, "攻撃目標は ?", 6));
    EXPECT_TRUE(shows(s, 12, 20, "黄色表示の拠点が攻撃可能", 6));
    EXPECT_TRUE(shows(s, 12, 22, "（攻撃せずは 99 を入力）", 6));
    EXPECT_EQ(text_at(s, 0, 12, 3), "   ") << "columns 0-55 are blanked";
    EXPECT_EQ(text_at(s, 56, 7, 14), " 7  フィリピン") << "the base list stays";

    Targeting single("", 6);
    ASSERT_FALSE(mokuhyo_ends(single));
    EXPECT_EQ(text_at(single.console.screen(), 12, 22, 4), "    ") << "no 99 in the single operation";
}

TEST(Mokuhyo, PausesOfRefusalAndOfAFleetThatStaysHome) {
    // With pauses that wait for a key, the refusal stays on screen during the pause.
    Targeting refused("10{ENTER}", 1);
    refused->TT(TT_COMMENT_KEY) = 1;
    ASSERT_FALSE(mokuhyo_ends(refused));
    EXPECT_TRUE(shows(refused.console.screen(), 10, 18, "攻撃不能    ", 3));
    EXPECT_TRUE(shows(refused.console.screen(), 35, 20, "Hit Any Key", 4));
    // After the pause the prompt is written again in yellow, over the refusal.
    Targeting again("10{ENTER}x", 1);
    again->TT(TT_COMMENT_KEY) = 1;
    ASSERT_FALSE(mokuhyo_ends(again));
    EXPECT_TRUE(shows(again.console.screen(), 10, 18, "攻撃目標は ?", 6));

    // Battleships alone never attack: "攻撃せず" and no question. The key pause leaves green,
    // in which the second fleet's header and ships are printed.
    Targeting home("x", 1);
    home->C(0, 1, 1) = 0;
    home->CV(0, 1) = 0;
    home->TT(TT_COMMENT_KEY) = 1;
    ASSERT_FALSE(mokuhyo_ends(home));
    EXPECT_EQ(home->AT(1), 0);
    const auto& s = home.console.screen();
    EXPECT_TRUE(shows(s, 10, 1, "第  2  艦隊", 4));
    EXPECT_TRUE(shows(s, 10, 4, "瑞鶴", 4));
    EXPECT_TRUE(shows(s, 10, 18, "攻撃目標は ?", 6));
    Targeting shown("", 1);
    shown->C(0, 1, 1) = 0;
    shown->CV(0, 1) = 0;
    shown->TT(TT_COMMENT_KEY) = 1;
    ASSERT_FALSE(mokuhyo_ends(shown));
    EXPECT_TRUE(shows(shown.console.screen(), 12, 5, "攻撃せず", 6));
    EXPECT_TRUE(shows(shown.console.screen(), 24, 4, "金剛", 6));
    EXPECT_EQ(text_at(shown.console.screen(), 10, 18, 12), std::string(12, ' ')) << "no question";
}

TEST(TargetChoice, BranchesOnTheTargets) {
    struct Case {
        const char* name;
        int scenario;
        bool fleet_two_carrier;
        std::string keys;
        Block next;
    } cases[] = {
        {"a target: the Allied planning", 1, true, "99{ENTER}8{ENTER}", Block::AlliedPlanning},
        {"a resumed campaign plans as well", 7, false, "7{ENTER}", Block::AlliedPlanning},
        {"no target: straight to the operations", 1, true, "99{ENTER}99{ENTER}", Block::OperationsStart},
        {"single operation: the order of battle", 6, true, "12{ENTER}", Block::SingleOperationOrder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Targeting t(c.keys, c.scenario, c.fleet_two_carrier);
        EXPECT_EQ(TARGET_CHOICE(*t), c.next);
    }
    Targeting none("", 6);
    none->CV(0, 1) = 0;
    none->C(0, 1, 1) = 0;
    EXPECT_EQ(TARGET_CHOICE(*none), Block::OperationsStart) << "single operation without carriers";
}
