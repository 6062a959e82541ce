// CLC2 of the shared campaign library on the simplified game's tables: the Allied force
// facing the fleet in TT_FLEET gets whole durabilities, and carriers at 2 or less lose their
// flight deck.
#include <gtest/gtest.h>

#include "campaign/damage_rounding.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;

TEST(DamageRounding, AlliedForceOfTheFleet) {
    struct Case {
        const char* name;
        bool carrier;
        float before, after, deck_after;
    } cases[] = {
        {"3.4 rises to 4", false, 3.4f, 4, 10},          {"3.005 falls back to 3", false, 3.005f, 3, 10},
        {"whole values stay", false, 3, 3, 10},          {"carrier at 2.5 keeps its deck", true, 2.5f, 3, 10},
        {"carrier at 2 loses its deck", true, 2, 2, 0},  {"1.6 becomes 2, no deck", true, 1.6f, 2, 0},
        {"0.3 becomes 1, afloat, no deck", true, 0.3f, 1, 0}, {"sunk carrier held at 0", true, -1.5f, 0, 0},
        {"sunk battleship held at 0", false, -1.5f, 0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->TT(morva95s::TT_FLEET) = 2;
        const int ship = c.carrier ? 5 : 20;
        st->CV(1, 2) = c.carrier ? 1 : 0;
        st->BB(1, 2) = c.carrier ? 0 : 1;
        st->C(1, 2, 1) = c.carrier ? 5 : 0;
        st->G(1, 2, 1) = c.carrier ? 0 : 20;
        st->A(1, ship, 0) = c.before;
        st->A(1, ship, 15) = 10;
        // A ship of the other fleet's force is not touched.
        st->CV(1, 1) = 1;
        st->C(1, 1, 1) = 7;
        st->A(1, 7, 0) = 2.5f;
        morva::CLC2(st->TT, st->CV, st->C, st->BB, st->G, st->A);
        EXPECT_EQ(st->A(1, ship, 0), c.after);
        EXPECT_EQ(st->A(1, ship, 15), c.deck_after);
        EXPECT_EQ(st->A(1, 7, 0), 2.5f);
    }
}
