// Helpers of the MORVA95S raid tests: a fleet under an Allied raid, and draws from a list.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simplified/air_units.h"
#include "simplified/raid.h"
#include "tests/simplified/simplified_support.h"

namespace simplified_test {

/// Air fleet 1 of scenario 1 in turn 1, sub-turn 5 of day 1 against Midway (base 14, US types), found
/// by the Allies at 4 air-distance units: carriers 翔鶴, 瑞鶴 and 赤城 (ships 7-9, durability 6 of
/// 6, anti-aircraft 2, 2, 1) in slots 1-3 with working decks, battleships 長門 and 陸奥 (24, 25);
/// DF(0) 5. Pauses are timed and take no time. No aircraft anywhere, no raid yet.
struct RaidFleet : Loaded {
    explicit RaidFleet(std::string keys = "") : Loaded(std::move(keys)) {
        morva95s::State& s = *st;
        s.SCENARIO_NO = 1, s.TT(morva95s::TT_SCENARIO) = 1;
        s.FLEET_NO = 1, s.TT(morva95s::TT_FLEET) = 1;
        s.TT(morva95s::TT_TURN) = 1;
        s.DAY_NO = 1, s.SUBTURN_NO = 5, s.GUN_SUBTURN_NO = 1;
        s.TT(morva95s::TT_WAIT) = 0, s.TT(morva95s::TT_COMMENT_KEY) = 0;
        s.AT(1) = 14;
        s.CV(0, 1) = 3;
        for (int k = 1; k <= 3; ++k) {
            s.C(0, 1, k) = static_cast<float>(6 + k);
            s.A(0, 6 + k, morva95s::A_FLIGHT_DECK) = 10;
        }
        s.BB(0, 1) = 2, s.G(0, 1, 1) = 24, s.G(0, 1, 2) = 25;
        s.DF(0) = 5;
        s.H(1) = 1;
        s.AIR_DISTANCE = 4;
        s.BASE_DISTANCE = 10;
    }
    /// The raid W(0-3).
    void raid(float escorts, float dive, float torpedo, float heavy) {
        st->W(0) = escorts, st->W(1) = dive, st->W(2) = torpedo, st->W(3) = heavy;
    }
};

}  // namespace simplified_test
