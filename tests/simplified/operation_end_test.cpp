// The close of an air fleet's operation: the base kept or given back, the report lines, the
// harbour damage of the harbour strike and the reserve charged with the lost units.
#include <gtest/gtest.h>

#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Air fleet 1 with carrier 7 (air group 3, 2, 2) against base 8, taken during the operation.
struct Ending : Loaded {
    Ending() {
        st->FLEET_NO = 1;
        st->TT(TT_FLEET) = 1;
        st->TT(TT_WAIT) = 0;
        st->CV(0, 1) = 1;
        st->C(0, 1, 1) = 7;
        st->A(0, 7, A_DURABILITY) = 4;
        for (int t = 0; t < 3; ++t) st->A(0, 7, A_AIR_GROUP + t) = t == 0 ? 3.0f : 2.0f;
        st->F(0, 1, F_HANGAR) = 1;  // 2 fighter units lost
        st->D(0, 1, D_HANGAR) = 2;
        st->T(0, 1, T_HANGAR) = 1;  // 1 torpedo-bomber unit lost
        st->V(1, 0) = 1;            // the reserve may fall below 0
        st->V(2, 0) = 5;
        st->V(3, 0) = 0;
        st->AT(1) = 8;
        st->P(8, P_HOLDER) = 0;
        st->P(8, P_STRENGTH) = 0;
    }
};

}  // namespace

TEST(OperationEnd, BaseKeptOrGivenBack) {
    struct Case {
        const char* name;
        float called_off, durability;
        float holder, strength;
        const char* line;
        int colour;
    } cases[] = {
        {"a carrier afloat: the base stands", 0, 4, 0, 0, "を占領せり", 5},
        {"called off: back to Britain, strength 8", 1, 4, 2, 8, "侵攻作戦は失敗せり", 3},
        {"no carrier afloat: the same", 0, 0, 2, 8, "侵攻作戦は失敗せり", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Ending st;
        st->TK(0) = c.called_off;
        st->A(0, 7, A_DURABILITY) = c.durability;
        OPERATION_END(*st);
        EXPECT_EQ(st->P(8, P_HOLDER), c.holder);
        EXPECT_EQ(st->P(8, P_STRENGTH), c.strength);
        const auto& s = st.console.screen();
        EXPECT_TRUE(shows(s, 10, 8, "第  1  艦隊作戦終了", 6));
        EXPECT_TRUE(shows(s, 12, 11, st->TX(8) + c.line, c.colour));
        EXPECT_TRUE(shows(s, 10, 14, "第  1  艦隊は帰投します", 6));
        EXPECT_EQ(st->V(1, 0), -1);
        EXPECT_EQ(st->V(2, 0), 5);
        EXPECT_EQ(st->V(3, 0), -1);
    }
}

TEST(OperationEnd, HarbourDamageFromHits) {
    for (auto [hits, damage] : {std::pair{30.0f, 1.0f}, {29.0f, 0.0f}, {28.0f, 0.0f}, {27.0f, -1.0f}}) {
        SCOPED_TRACE(hits);
        Ending st;
        st->PEARL_HARBOR_TURN = 1;
        st->HW(1) = hits;
        OPERATION_END(*st);
        EXPECT_EQ(st->HW(0), damage);
        EXPECT_EQ(row_of(st.console.screen(), 11), "");
    }
}
