// Helpers of the MORVA95S strike tests: an air fleet facing an Allied force and a target base,
// draws from a recorded list, and the fractions that give a chosen die or tenth.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simplified/air_units.h"
#include "simplified/strikes.h"
#include "tests/simplified/simplified_support.h"

namespace simplified_test {

/// Air fleet 1 of scenario 1 in sub-turn 5 of day 1 against Midway (base 14, US types,
/// strength 12, anti-aircraft 12, 4 air-distance units away): carriers 翔鶴, 瑞鶴 and 赤城 (ships
/// 7-9) in slots 1-3 with working decks; the Allied force 4 units away: carriers LEXINGTON and
/// SARATOGA (ships 1, 2, durability 6 of 6, flight deck 10) in slots 1-2 and battleships
/// SOUTHDAKOTA and INDIANA (16, 17); DF(1) 10, an aggressive commander. Pauses are timed and
/// take no time. No aircraft anywhere.
struct StrikeFleet : Loaded {
    explicit StrikeFleet(std::string keys = "") : Loaded(std::move(keys)) {
        using namespace morva95s;
        State& s = *st;
        s.SCENARIO_NO = 1, s.TT(TT_SCENARIO) = 1, s.TT(TT_TURN) = 1;
        s.FLEET_NO = 1, s.TT(TT_FLEET) = 1;
        s.DAY_NO = 1, s.SUBTURN_NO = 5, s.GUN_SUBTURN_NO = 1;
        s.TT(TT_WAIT) = 0, s.TT(TT_COMMENT_KEY) = 0;
        s.AT(1) = 14;
        s.P(14, P_AIR_DEFENCE) = 12;
        s.CV(JAPANESE, 1) = 3;
        for (int k = 1; k <= 3; ++k) {
            s.C(JAPANESE, 1, k) = static_cast<float>(6 + k);
            s.A(JAPANESE, 6 + k, A_FLIGHT_DECK) = 10;
        }
        s.CV(ALLIED, 1) = 2, s.C(ALLIED, 1, 1) = 1, s.C(ALLIED, 1, 2) = 2;
        s.A(ALLIED, 1, A_FLIGHT_DECK) = 10, s.A(ALLIED, 2, A_FLIGHT_DECK) = 10;
        s.BB(ALLIED, 1) = 2, s.G(ALLIED, 1, 1) = 16, s.G(ALLIED, 1, 2) = 17;
        s.ALLIED_CV_COUNT = 2, s.ALLIED_CV_AFLOAT = 2, s.ALLIED_CV_FIT = 2, s.ALLIED_BB_COUNT = 2;
        s.OPERATION_CHARACTER = 1;
        s.DF(1) = 10;
        s.BASE_DISTANCE = 4;
        s.AIR_DISTANCE = 4;
    }
};

/// Scripts the program's generator with `draws` and counts the draws made from here on.
struct ScriptedRandom {
    explicit ScriptedRandom(std::vector<float> draws) : expected(draws.size()) {
        start = con::random_generator().draws();
        con::random_generator().script(std::move(draws));
    }
    std::size_t expected;
    std::uint64_t start;
    /// The draws made since the script was set.
    std::uint64_t made() const { return con::random_generator().draws() - start; }
};

}  // namespace simplified_test
