// The one-unit-per-carrier passes: the spread over the fit carriers, slots passed over, the
// end in the middle of a pass, and counts that cannot be met or are not whole.
#include <gtest/gtest.h>

#include <vector>

#include "simplified/air_units.h"
#include "simplified/carrier_passes.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Air fleet 2 with three Japanese carriers (ships 4-6 in slots 1-3) holding the given deck
/// dive bombers and flight-deck values.
struct Decks : Loaded {
    Decks(std::vector<float> deck, std::vector<float> flight_deck) {
        st->FLEET_NO = 2;
        st->CV(0, 2) = static_cast<float>(deck.size());
        for (size_t k = 1; k <= deck.size(); ++k) {
            st->C(0, 2, static_cast<long>(k)) = static_cast<float>(k + 3);
            st->A(0, static_cast<long>(k + 3), A_FLIGHT_DECK) = flight_deck[k - 1];
            st->D(0, static_cast<long>(k), D_DECK) = deck[k - 1];
        }
    }
};

}  // namespace

TEST(CarrierPasses, SpreadsOneUnitPerFitCarrierPerPass) {
    struct Case {
        const char* name;
        std::vector<float> deck, flight_deck;
        float count;
        std::vector<float> moved;   // units that reached column D_FLEET_OUT per slot
        float left;                 // the count returned
        std::vector<long> order;    // slots in the order they gave
    } cases[] = {
        {"decks 2, 0, 3 give 4: slot 2 passed over", {2, 0, 3}, {10, 10, 10}, 4, {2, 0, 2}, 0, {1, 3, 1, 3}},
        {"three decks of 3 give 5: the lower slots give the remainder", {3, 3, 3}, {10, 10, 10}, 5,
         {2, 2, 1}, 0, {1, 2, 3, 1, 2}},
        {"flight deck 7 is not fit, 7.5 is", {4, 4, 4}, {7, 7.5f, 0}, 3, {0, 3, 0}, 0, {2, 2, 2}},
        {"met in the middle of a pass: later slots not visited", {2, 2, 2}, {10, 10, 10}, 1, {1, 0, 0}, 0, {1}},
        {"a carrier run dry is passed over while the others give", {1, 3, 0}, {10, 10, 10}, 4, {1, 3, 0}, 0,
         {1, 2, 2, 2}},
        {"more than the decks hold: ends when a pass moves nothing", {1, 1, 0}, {10, 10, 10}, 5, {1, 1, 0}, 3,
         {1, 2}},
        {"count 0 moves nothing", {2, 2, 2}, {10, 10, 10}, 0, {0, 0, 0}, 0, {}},
        {"a negative count moves nothing", {2, 2, 2}, {10, 10, 10}, -2, {0, 0, 0}, -2, {}},
        {"a fractional count moves only its whole units", {2, 2, 2}, {10, 10, 10}, 2.5f, {1, 1, 0}, 0.5f, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Decks st(c.deck, c.flight_deck);
        std::vector<long> order;
        const float left = carrier_passes(
            *st, JAPANESE, c.count,
            [&](long k) { return fit_carrier(*st, JAPANESE, k) && st->D(0, k, D_DECK) >= 1; },
            [&](long k) {
                order.push_back(k);
                move_unit(st->D, JAPANESE, k, D_DECK, D_FLEET_OUT);
            });
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(order, c.order);
        for (long k = 1; k <= 3; ++k) {
            EXPECT_EQ(st->D(0, k, D_FLEET_OUT), c.moved[k - 1]) << "slot " << k;
            EXPECT_EQ(st->D(0, k, D_DECK), c.deck[k - 1] - c.moved[k - 1]) << "slot " << k;
        }
    }
}

// The slot count is read afresh at every pass, and the side picks the list.
TEST(CarrierPasses, ReadsTheSlotCountOfTheSideAtEachPass) {
    Decks st({1, 1, 1}, {10, 10, 10});
    st->CV(1, 2) = 2;
    st->CV(0, 2) = 0;  // the Japanese list is empty: only the Allied count matters
    std::vector<long> order;
    const float left = carrier_passes(
        *st, ALLIED, 4, [](long) { return true; },
        [&](long k) {
            order.push_back(k);
            if (order.size() == 2) st->CV(1, 2) = 1;  // the second pass sees one slot
        });
    EXPECT_EQ(left, 0);
    EXPECT_EQ(order, (std::vector<long>{1, 2, 1, 1}));
}

// A second load may go on in the middle of a pass: its first pass begins at the given slot
// (one that begins past the last slot moves nothing and is not a whole pass), later passes
// at slot 1; the slot that gave last is reported.
TEST(CarrierPasses, BeginsInTheMiddleOfAPass) {
    struct Case {
        const char* name;
        long first;
        float count;
        std::vector<long> order;
        long last;
    } cases[] = {
        {"from slot 2", 2, 4, {2, 3, 1, 2}, 2},
        {"past the last slot: on at slot 1", 4, 2, {1, 2}, 2},
        {"nothing to move", 1, 0, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Decks st({2, 2, 2}, {10, 10, 10});
        std::vector<long> order;
        long last = -1;
        const float left = carrier_passes(
            *st, JAPANESE, c.count, [&](long k) { return st->D(0, k, D_DECK) >= 1; },
            [&](long k) {
                order.push_back(k);
                move_unit(st->D, JAPANESE, k, D_DECK, D_FLEET_OUT);
            },
            {c.first, &last});
        EXPECT_EQ(left, 0);
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(last, c.last);
    }
}
