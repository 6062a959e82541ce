// The submarines of a daytime hour (SUMR): the chances of contact and attack by the activity
// near the target base, the ships hit and the counter-attacks, with scripted draws.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 against base 14, whose submarine activities are set to 3 (Japanese) and 2
/// (Allied): the player's carriers 1 and 2 and battleship 22 (大和) with 2 escorts; Allied
/// task force 1 with carrier 1, battleship 16 and 3 destroyers. No contacts yet.
void submarine_hour(State& st) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.AT(1) = 14;
    st.P(14, P_JAPANESE_SUBMARINES) = 3, st.P(14, P_ALLIED_SUBMARINES) = 2;
    st.CV(0, 1) = 2, st.C(0, 1, 1) = 1, st.C(0, 1, 2) = 2;
    st.BB(0, 1) = 1, st.G(0, 1, 1) = 22;
    for (float i : {1.0f, 2.0f, 22.0f}) st.A(0, i, A_DURABILITY) = 6, st.A(0, i, A_FLIGHT_DECK) = 10;
    st.DF(DF_OWN_FLEET) = 2;
    st.CV(1, 1) = 1, st.C(1, 1, 1) = 1, st.BB(1, 1) = 1, st.G(1, 1, 1) = 16;
    for (float i : {1.0f, 16.0f}) st.A(1, i, A_DURABILITY) = 4, st.A(1, i, A_TASK_FORCE) = 1, st.A(1, i, A_FLIGHT_DECK) = 10;
    st.KS(1) = 1, st.DF(1) = 3;
    for (int k = 0; k <= 3; ++k) st.H(k) = -1, st.SB(k) = 0, st.J(k) = 0;
    st.PZ(1, PZ_X) = 20, st.PZ(1, PZ_Y) = 30;
}

struct SubmarineCase {
    const char* name;
    std::function<void(State&)> setup;
    std::vector<float> draws;  // every draw of the call, in order
    std::function<void(const State&)> check;
    float map_shown;
    const char* message;  // at (23, 7), or "" for none
};

}  // namespace

TEST(Submarines, AlliedSubmarineContactAttackAndCounterAttack) {
    const SubmarineCase cases[] = {
        {"no submarine: 100 x 0.5 > 2 x 1", [](State&) {}, {0.5f, 0.9f},
         [](const State& st) { EXPECT_EQ(st.SB(SB_ON_FLEET), 0); }, 0, ""},
        {"contact: located, no message (H 5 becomes 3)", [](State& st) { st.H(H_ON_FLEET) = 5; }, {0.03f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.SB(SB_ON_FLEET), SB_ALLIED_CONTACT);
             EXPECT_EQ(st.H(H_ON_FLEET), 3);
         },
         0, ""},
        {"escort hit, the submarine stays", [](State& st) { st.SB(SB_ON_FLEET) = 9; }, {0.19f, 0.8f, 0.3f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.DF(DF_OWN_FLEET), 1);
             EXPECT_EQ(st.SB(SB_ON_FLEET), 9);
         },
         1, "護衛艦が敵潜水艦に雷撃されました"},
        {"battleship hit for 2, the escorts sink the submarine", [](State& st) { st.SB(SB_ON_FLEET) = 9; },
         {0.1f, 0.1f, 0.1f, 0.1f, 0.5f, 0.9f, 0.9f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.A(0, 22, A_DURABILITY), 4);
             EXPECT_EQ(st.SB(SB_ON_FLEET), 0);
             EXPECT_TRUE(shows(con::screen(), 23, 11, "護衛艦が敵潜水艦を撃沈しました"));
         },
         1, "大和 が敵潜水艦に雷撃されました"},
        {"no escorts left: the draw is made, carrier 2 hit for 3 and its deck", [](State& st) {
             st.SB(SB_ON_FLEET) = 9;
             st.DF(DF_OWN_FLEET) = 0;
         },
         {0.1f, 0.9f, 0.9f, 0.6f, 0.5f, 0.99f, 0.5f, 0.1f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.A(0, 2, A_DURABILITY), 3);
             EXPECT_EQ(st.A(0, 2, A_FLIGHT_DECK), 9);
             EXPECT_EQ(st.DF(DF_OWN_FLEET), 0);
         },
         1, " が敵潜水艦に雷撃されました"},
        {"a fleet without battleships takes the hit on a carrier", [](State& st) {
             st.SB(SB_ON_FLEET) = 9;
             st.BB(0, 1) = 0;
         },
         {0.1f, 0.1f, 0.1f, 0.1f, 0.5f, 0.1f, 0.9f, 0.1f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.A(0, 1, A_DURABILITY), 5);
             EXPECT_EQ(st.A(0, 1, A_FLIGHT_DECK), 10);
         },
         1, " が敵潜水艦に雷撃されました"},
        {"a sunk battleship is passed over on 10r' > 2", [](State& st) {
             st.SB(SB_ON_FLEET) = 9;
             st.BB(0, 1) = 2, st.G(0, 1, 2) = 23, st.A(0, 22, A_DURABILITY) = 0, st.A(0, 23, A_DURABILITY) = 6;
         },
         {0.1f, 0.1f, 0.1f, 0.1f, 0.5f, 0.9f, 0.5f, 0.1f, 0.1f, 0.9f},
         [](const State& st) {
             EXPECT_EQ(st.A(0, 22, A_DURABILITY), 0);
             EXPECT_EQ(st.A(0, 23, A_DURABILITY), 5);
         },
         1, "武蔵 が敵潜水艦に雷撃されました"},
        {"the harbour raid with surprise: the draw, nothing more", [](State& st) {
             st.TT(TT_HARBOUR_STRIKE) = 1;
         },
         {0.01f, 0.9f}, [](const State& st) { EXPECT_EQ(st.SB(SB_ON_FLEET), 0); }, 0, ""},
    };
    for (const SubmarineCase& c : cases) {
        Loaded st;
        submarine_hour(*st);
        c.setup(*st);
        st->TT(TT_MAP_SHOWN) = 1;
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        SUMR(*st);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size()) << c.name;
        c.check(*st);
        EXPECT_EQ(st->TT(TT_MAP_SHOWN), c.map_shown) << c.name;
        if (*c.message) {
            EXPECT_NE(row_of(con::screen(), 7).find(c.message), std::string::npos) << c.name;
            EXPECT_TRUE(shows(con::screen(), 23, 7, row_of(con::screen(), 7).substr(23), 6)) << c.name;
        }
    }
}

TEST(Submarines, JapaneseSubmarinesFindAndAttackTaskForces) {
    const auto quiet = 0.5f;  // 100 x 0.5 > 2: no Allied submarine
    const SubmarineCase cases[] = {
        {"contact with a task force not found: listed, marked, reported", [](State&) {}, {quiet, 0.005f},
         [](const State& st) {
             EXPECT_EQ(st.J(1), 1);
             EXPECT_EQ(st.SB(1), SB_OWN_CONTACT);
             EXPECT_EQ(st.H(1), 3);
             EXPECT_EQ(con::point_colour(399 + 20, 168 - 30), 5);
         },
         1, "我が軍の潜水艦が敵艦隊を発見しました"},
        {"contact at level 4: only the contact", [](State& st) { st.H(1) = 4; }, {quiet, 0.01f},
         [](const State& st) {
             EXPECT_EQ(st.H(1), 4);
             EXPECT_EQ(st.SB(1), SB_OWN_CONTACT);
             EXPECT_FALSE(shows(con::screen(), 0, 3, "kept"));
         },
         0, ""},
        {"contact at level 2: raised to 3 without a message", [](State& st) { st.H(1) = 2; }, {quiet, 0.01f},
         [](const State& st) { EXPECT_EQ(st.H(1), 3); }, 0, ""},
        {"no contact: 200 x 0.02 > 3", [](State&) {}, {quiet, 0.02f},
         [](const State& st) { EXPECT_EQ(st.SB(1), 0); }, 0, ""},
        {"destroyer hit, the submarine stays", [](State& st) { st.SB(1) = 14; }, {quiet, 0.1f, 0.8f, 0.1f},
         [](const State& st) {
             EXPECT_EQ(st.DF(1), 2);
             EXPECT_EQ(st.SB(1), 14);
             EXPECT_TRUE(shows(con::screen(), 23, 11, "味方潜水艦が敵艦隊への攻撃に成功"));
             EXPECT_TRUE(shows(con::screen(), 23, 14, "魚雷命中音を確認しました"));
         },
         1, ""},
        {"battleship of the task force hit, the destroyers sink the submarine", [](State& st) { st.SB(1) = 14; },
         {quiet, 0.1f, 0.1f, 0.1f, 0.5f, 0.1f, 0.5f},
         [](const State& st) {
             EXPECT_EQ(st.A(1, 16, A_DURABILITY), 3);
             EXPECT_EQ(st.SB(1), 0);
             EXPECT_TRUE(shows(con::screen(), 23, 17, "敵駆逐艦の反撃を受けて沈没しました"));
         },
         1, ""},
        {"a task force without a battleship of its own: its carrier is hit", [](State& st) {
             st.SB(1) = 14;
             st.A(1, 16, A_TASK_FORCE) = 2;
         },
         {quiet, 0.1f, 0.1f, 0.1f, 0.5f, 0.5f, 0.1f, 0.1f},
         [](const State& st) {
             EXPECT_EQ(st.A(1, 16, A_DURABILITY), 4);
             EXPECT_EQ(st.A(1, 1, A_DURABILITY), 2);
             EXPECT_EQ(st.A(1, 1, A_FLIGHT_DECK), 9);
             EXPECT_EQ(st.SB(1), 14);
         },
         1, ""},
        {"the harbour raid with surprise: carriers only", [](State& st) {
             st.SB(1) = 14;
             st.TT(TT_HARBOUR_STRIKE) = 1;
         },
         {0.9f, 0.1f, 0.1f, 0.1f, 0.5f, 0.1f, 0.9f, 0.1f},
         [](const State& st) {
             EXPECT_EQ(st.A(1, 16, A_DURABILITY), 4);
             EXPECT_EQ(st.A(1, 1, A_DURABILITY), 3);
         },
         1, ""},
        {"near base 19 the sector 90-135 degrees has no submarine", [](State& st) {
             st.AT(1) = 19, st.P(19, P_JAPANESE_SUBMARINES) = 3, st.P(19, P_ALLIED_SUBMARINES) = 0;
             st.PZ(1, PZ_X) = 20, st.PZ(1, PZ_Y) = -10;
         },
         {quiet}, [](const State& st) { EXPECT_EQ(st.SB(1), 0); }, 0, ""},
        {"near base 19 a task force at 135 degrees exactly is found", [](State& st) {
             st.AT(1) = 19, st.P(19, P_JAPANESE_SUBMARINES) = 3, st.P(19, P_ALLIED_SUBMARINES) = 0;
             st.PZ(1, PZ_X) = 20, st.PZ(1, PZ_Y) = -20;
         },
         {quiet, 0.005f}, [](const State& st) { EXPECT_EQ(st.SB(1), 14); }, 1, "我が軍の潜水艦が敵艦隊を発見しました"},
    };
    for (const SubmarineCase& c : cases) {
        Loaded st;
        submarine_hour(*st);
        c.setup(*st);
        con::print_at(con::Col(0), con::Row(3), "kept");
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        SUMR(*st);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size()) << c.name;
        c.check(*st);
        EXPECT_EQ(st->TT(TT_MAP_SHOWN), c.map_shown) << c.name;
        if (*c.message) {
            EXPECT_TRUE(shows(con::screen(), 23, 7, c.message, 6)) << c.name << ": " << row_of(con::screen(), 7);
        }
    }
}

TEST(Submarines, ChancesByActivityAndContact) {
    // An event comes when the draw is at most activity x m x (contact + 1) / 100 (Allied) or
    // / 200 (Japanese); m is 2 once the side already has contact.
    struct Chance {
        bool allied;
        float activity, level, contact, chance;
    };
    const Chance cases[] = {
        {true, 2, -1, 0, 0.02f},   {true, 2, 3, 0, 0.04f},    {true, 2, -1, 9, 0.2f},     {true, 4, 3, 9, 0.8f},
        {false, 3, -1, 0, 0.015f}, {false, 3, 2, 0, 0.03f},   {false, 3, -1, 14, 0.225f}, {false, 1, 4, 14, 0.15f},
    };
    for (const Chance& c : cases)
        for (const float factor : {0.98f, 1.02f}) {
            Loaded st;
            submarine_hour(*st);
            const int k = c.allied ? 0 : 1;
            st->P(14, P_ALLIED_SUBMARINES) = c.allied ? c.activity : 0;
            st->P(14, P_JAPANESE_SUBMARINES) = c.allied ? 0 : c.activity;
            if (c.allied) st->KS(1) = 0;
            st->H(k) = c.level;
            st->SB(k) = c.contact;
            std::vector<float> draws(12, 0.5f);
            draws[c.allied ? 0 : 1] = c.chance * factor;
            con::random_generator().script(draws);
            const auto before = con::random_generator().draws();
            SUMR(*st);
            const auto made = con::random_generator().draws() - before;
            const bool event = st->SB(k) != c.contact || made > (c.allied ? 1u : 2u);
            EXPECT_EQ(event, factor < 1) << (c.allied ? "Allied" : "Japanese") << " activity " << c.activity
                                         << " level " << c.level << " contact " << c.contact << " x" << factor;
        }
}
