// The Allied side's deck handling with recorded draws: KOGEKI's draw per carrier and its
// stages, the target base's launch, and the deck loading within each carrier's deck room,
// with the number of draws each makes.
#include <gtest/gtest.h>

#include "tests/simplified/carrier_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;

/// Draws made by `step` with the next draws scripted as `script`.
std::uint64_t draws_of(const std::vector<float>& script, const std::function<void()>& step) {
    con::random_generator().script(script);
    const auto before = con::random_generator().draws();
    step();
    return con::random_generator().draws() - before;
}

}  // namespace

// One draw per carrier, fit or not; a fit carrier launches all its deck bombers when the draw
// x 10 is 6 or less (0.6f x 10 is just above 6), the fighters stay; the stage by distance.
TEST(Kogeki, DrawPerCarrierAndStage) {
    struct Case {
        const char* name;
        V flight_deck;
        V script;
        float distance;
        int stage;
        V launched;  // dive bombers that left slots 1-3
    } cases[] = {
        {"draws 0.5, 0.7, 0.3 at 6", {10, 10, 10}, {0.5f, 0.7f, 0.3f}, 6, AL_OUT, {2, 0, 2}},
        {"the same at 5: the second stage", {10, 10, 10}, {0.5f, 0.7f, 0.3f}, 5, AL_OVER, {2, 0, 2}},
        {"0.6 does not launch", {10, 10, 10}, {0.6f, 0.1f, 0.1f}, 6, AL_OUT, {0, 2, 2}},
        {"flight deck 7 still draws, launches nothing", {7, 7.5f, 0}, {0.1f, 0.1f, 0.1f}, 6, AL_OUT, {0, 2, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st.flight_decks(ALLIED, c.flight_deck);
        set_column(st->F, ALLIED, AL_DECK, {1, 1, 1});
        set_column(st->D, ALLIED, AL_DECK, {2, 2, 2});
        set_column(st->T, ALLIED, AL_DECK, {1, 1, 1});
        st->TT(TT_AIR_DISTANCE) = c.distance;
        EXPECT_EQ(draws_of(c.script, [&] { KOGEKI(*st); }), 3u);
        EXPECT_EQ(column_of(st->D, ALLIED, c.stage), c.launched);
        for (long k = 1; k <= 3; ++k) {
            EXPECT_EQ(st->T(ALLIED, k, c.stage), c.launched[k - 1] / 2) << "slot " << k;
            EXPECT_EQ(st->D(ALLIED, k, AL_DECK), 2 - c.launched[k - 1]) << "slot " << k;
        }
        EXPECT_EQ(column_of(st->F, ALLIED, AL_DECK), (V{1, 1, 1}));
    }
    Carriers st;
    st->CV(ALLIED, 1) = 0;
    EXPECT_EQ(draws_of({}, [&] { KOGEKI(*st); }), 0u) << "no Allied carrier, no draw";
}

// The base sends INT(ready x draw) dive and torpedo bombers (a draw for each row even when
// none is ready) and every heavy bomber; its stage follows BASE_DISTANCE.
TEST(AlliedBaseLaunch, DrawnShareAndHeavyBombers) {
    struct Case {
        const char* name;
        float distance;
        float dive, torpedo, heavy;  // ready in column 2
        V script;
        int stage;
        float dive_left, torpedo_left;
    } cases[] = {
        {"Q(1, 2) = 1: nothing leaves, a draw is made", 10, 1, 0, 2, {0.99f, 0.5f}, Q_OUT, 1, 0},
        {"4 and 5 ready, draws 0.5 and 0.9", 5.5f, 4, 5, 0, {0.5f, 0.9f}, Q_OUT, 2, 1},
        {"at 5 the second stage", 5, 4, 5, 1, {0.5f, 0.9f}, Q_OVER, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st->BASE_DISTANCE = c.distance;
        st->Q(QR_DIVE, Q_READY) = c.dive;
        st->Q(QR_TORPEDO, Q_READY) = c.torpedo;
        st->Q(QR_HEAVY, Q_READY) = c.heavy;
        st->Q(QR_FIGHTERS, Q_READY) = 3;
        EXPECT_EQ(draws_of(c.script, [&] { allied_base_launch(*st); }), 2u);
        EXPECT_EQ(st->Q(QR_DIVE, Q_READY), c.dive_left);
        EXPECT_EQ(st->Q(QR_DIVE, c.stage), c.dive - c.dive_left);
        EXPECT_EQ(st->Q(QR_TORPEDO, Q_READY), c.torpedo_left);
        EXPECT_EQ(st->Q(QR_TORPEDO, c.stage), c.torpedo - c.torpedo_left);
        EXPECT_EQ(st->Q(QR_HEAVY, Q_READY), 0);
        EXPECT_EQ(st->Q(QR_HEAVY, c.stage), c.heavy);
        EXPECT_EQ(st->Q(QR_FIGHTERS, Q_READY), 3) << "the base's fighters stay";
    }
}

// The loading of one carrier (slot 1; slots 2 and 3 not fit, so they draw nothing).
TEST(AlliedDeckLoading, CyclesWithinTheDeckRoom) {
    struct Case {
        const char* name;
        float capacity;
        V hangar;   // fighters, dive bombers, torpedo bombers
        V on_deck;  // before
        float found;  // H(0)
        V script;
        V deck;     // after
        std::uint64_t draws;
    } cases[] = {
        {"capacity 8, 4/4/4, every draw passing", 8, {4, 4, 4}, {0, 0, 0}, 0, {0.9f, 0.9f, 0.9f}, {2, 1, 1}, 2},
        {"capacity 1: the first check fails", 1, {4, 4, 4}, {0, 0, 0}, 0, {}, {0, 0, 0}, 0},
        {"capacity 0: no cycle", 0, {4, 4, 4}, {0, 0, 0}, 0, {}, {0, 0, 0}, 0},
        {"a deck at its room", 8, {4, 4, 4}, {2, 1, 1}, 0, {}, {2, 1, 1}, 0},
        {"capacity 7 holds 3", 7, {4, 4, 4}, {0, 0, 0}, 0, {0.9f, 0.9f}, {1, 1, 1}, 2},
        {"an empty hangar: every cycle draws twice", 3, {0, 0, 0}, {0, 0, 0}, 0, {}, {0, 0, 0}, 6},
        {"threshold 5: a draw of exactly 5 fails", 8, {0, 4, 4}, {0, 0, 0}, 1, V(16, 0.5f), {0, 0, 0}, 16},
        {"threshold 2: 0.3 passes, 0.1 fails", 8, {0, 4, 4}, {0, 0, 0}, 0, {0.3f, 0.1f, 0.3f, 0.3f, 0.3f},
         {0, 3, 1}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st.flight_decks(ALLIED, {10, 7, 0});
        st->A(ALLIED, 1, A_CAPACITY) = c.capacity;
        st->F(ALLIED, 1, AL_HANGAR) = c.hangar[0];
        st->D(ALLIED, 1, AL_HANGAR) = c.hangar[1];
        st->T(ALLIED, 1, AL_HANGAR) = c.hangar[2];
        st->F(ALLIED, 1, AL_DECK) = c.on_deck[0];
        st->D(ALLIED, 1, AL_DECK) = c.on_deck[1];
        st->T(ALLIED, 1, AL_DECK) = c.on_deck[2];
        set_column(st->F, ALLIED, AL_HANGAR, {c.hangar[0], 3, 3});
        st->H(0) = c.found;
        std::vector<float> script = c.script;
        script.resize(20, 0.9f);  // draws beyond the expected ones would pass
        EXPECT_EQ(draws_of(script, [&] { ALLIED_DECK_LOADING(*st); }), c.draws);
        EXPECT_EQ((V{st->F(ALLIED, 1, AL_DECK), st->D(ALLIED, 1, AL_DECK), st->T(ALLIED, 1, AL_DECK)}), c.deck);
        EXPECT_EQ(st->F(ALLIED, 1, AL_HANGAR), c.hangar[0] + c.on_deck[0] - c.deck[0]);
        EXPECT_EQ(st->F(ALLIED, 2, AL_DECK), 0) << "a carrier that is not fit loads nothing";
    }
}

// The next carrier begins with its first cycle when the room check ends the one before.
TEST(AlliedDeckLoading, NextCarrierAfterAFullDeck) {
    Carriers st;
    st.flight_decks(ALLIED, {10, 10, 0});
    set_column(st->F, ALLIED, AL_HANGAR, {4, 4, 0});
    st->A(ALLIED, 1, A_CAPACITY) = 2;  // room for one unit
    st->A(ALLIED, 2, A_CAPACITY) = 4;  // room for two
    EXPECT_EQ(draws_of(V(20, 0.9f), [&] { ALLIED_DECK_LOADING(*st); }), 2u);
    EXPECT_EQ(column_of(st->F, ALLIED, AL_DECK), (V{1, 2, 0}));
    EXPECT_TRUE(CHECK_DECK_ROOM(*st, 3));
    EXPECT_FALSE(CHECK_DECK_ROOM(*st, 2));
}
