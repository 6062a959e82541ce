// Helpers of the carrier-phase tests: an air fleet of three Japanese and three Allied carriers
// facing an Allied target base, columns of the air unit tables set and read slot by slot, and
// a block run until the key script is used up.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "console/errors.h"
#include "simplified/air_units.h"
#include "simplified/carrier_rules.h"
#include "tests/simplified/simplified_support.h"

namespace simplified_test {

/// Air fleet 1: Japanese and Allied carriers in slots 1-3 (ships 1-3 of each side), each
/// afloat with capacity 8 and flight deck 10 (the air unit tables empty, as in a new state); target base 7 held
/// by the United States at distance 10, the enemy fleet 7 air-distance units away and not
/// found; comments timed with no wait.
struct Carriers : Loaded {
    explicit Carriers(std::string keys = "") : Loaded(std::move(keys)) {
        using namespace morva95s;
        st->FLEET_NO = 1;
        st->TT(TT_FLEET) = 1;
        st->TT(TT_WAIT) = 0;
        for (int side : {JAPANESE, ALLIED}) {
            st->CV(side, 1) = 3;
            for (int k = 1; k <= 3; ++k) {
                st->C(side, 1, k) = static_cast<float>(k);
                st->A(side, k, A_DURABILITY) = 5;
                st->A(side, k, A_CAPACITY) = 8;
                st->A(side, k, A_FLIGHT_DECK) = 10;
            }
        }
        st->AT(1) = 7;
        st->P(7, P_HOLDER) = 1;
        st->BASE_DISTANCE = 10;
        st->AIR_DISTANCE = 7;
    }
    /// Sets the flight-deck values of the side's slots 1, 2, 3.
    void flight_decks(int side, std::vector<float> values) {
        for (size_t k = 0; k < values.size(); ++k)
            st->A(side, static_cast<long>(k + 1), morva95s::A_FLIGHT_DECK) = values[k];
    }
};

/// Sets column `column` of the side's slots 1, 2, 3 of an air unit table.
template <typename Units>
void set_column(Units& u, int side, int column, std::vector<float> values) {
    for (size_t k = 0; k < values.size(); ++k) u(side, static_cast<long>(k + 1), column) = values[k];
}

/// Column `column` of the side's slots 1, 2, 3.
template <typename Units>
std::vector<float> column_of(const Units& u, int side, int column) {
    return {u(side, 1, column), u(side, 2, column), u(side, 3, column)};
}

/// Runs `step` until it ends or the key script is used up (the program then waits for a key
/// or a line); true when the keys ran out.
inline bool runs_out_of_keys(const std::function<void()>& step) {
    try {
        step();
    } catch (const con::ProgramEnd& e) {
        if (e.reason == con::ProgramEnd::Reason::ScriptEnded) return true;
        throw;
    }
    return false;
}

/// Runs blocks from `first` through run_block until `last` is returned (that block is not run);
/// the blocks passed through are in `trail` when given.
inline morva95s::Block run_until(morva95s::State& st, morva95s::Block first, morva95s::Block last,
                                 std::vector<morva95s::Block>* trail = nullptr) {
    morva95s::Block b = first;
    for (int guard = 0; guard < 20 && b != last; ++guard) {
        if (trail) trail->push_back(b);
        b = morva95s::run_block(st, b);
    }
    EXPECT_EQ(static_cast<int>(b), static_cast<int>(last)) << "the blocks did not reach the expected block";
    return b;
}

}  // namespace simplified_test
