// The search result phase: the sighting report, the drift and closing of the fleets with the
// contact at close range, the Allied closing rate, the Allied launch decision and its escorts.
#include <gtest/gtest.h>

#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Sub-turn 10 of air fleet 1's first day against base 7 (Allied): one Japanese carrier; the
/// facing Allied fleet has carriers 1, 3 and 5 (slots 1-3), working decks, no air groups yet,
/// one battleship; an aggressive commander.
struct Phase : Loaded {
    explicit Phase(std::string keys = "") : Loaded(std::move(keys)) {
        st->SCENARIO_NO = 1;
        st->TT(TT_SCENARIO) = 1;
        st->TT(TT_TURN) = 1;
        st->TT(TT_DAY) = 1;
        st->TT(TT_WAIT) = 0;
        st->FLEET_NO = 1;
        st->TT(TT_FLEET) = 1;
        st->SUBTURN_NO = 10;
        st->GUN_SUBTURN_NO = 1;
        st->OPERATION_CHARACTER = 1;
        st->BASE_DISTANCE = 10;
        st->R(0) = 1;
        st->R(1) = 6;
        st->AT(1) = 7;
        st->P(7, P_HOLDER) = 1;
        st->C(0, 1, 1) = 7;
        st->CV(0, 1) = 1;
        st->A(0, 7, A_DURABILITY) = 5;
        for (int k = 1; k <= 3; ++k) {
            const int ship = 2 * k - 1;
            st->C(1, 1, k) = static_cast<float>(ship);
            st->A(1, ship, A_DURABILITY) = 5;
            st->A(1, ship, A_FLIGHT_DECK) = 10;
            st->A(1, ship, A_AIR_GROUP) = 0;
        }
        st->CV(1, 1) = 3;
        st->BB(1, 1) = 1;
    }
    /// Both sides have found each other already: no search and no drift.
    void in_contact(float distance) {
        st->H(0) = 1;
        st->H(1) = 1;
        st->FLEET_DISTANCE = distance;
    }
};

}  // namespace

// The player's first sighting of the day, as it stands during its pause: the carriers seen (never
// fewer than reported before), the Allied commander withdrawing, the air distance before the
// phase's closing, and the battleship hint.
TEST(SearchResult, SightingReport) {
    Phase st;
    st->TT(TT_COMMENT_KEY) = 1;  // the report's pause waits for a key that never comes
    st->FLEET_DISTANCE = 1200;
    st->AIR_DISTANCE = 6;
    st->CLOSING_DISTANCE = 400;
    st->K(1) = 2;
    // Skip test; dice 1, 1, 1 (3 - 1 - 0 < 10); carriers seen 2 - 0; withdrawal 8.1 > 4; hint.
    con::random_generator().script({0.5f, 0.01f, 0.01f, 0.01f, 0.7f, 0.01f, 0.9f, 0.5f, 0.01f});
    EXPECT_THROW(SEARCH_RESULT_PHASE(*st), con::ProgramEnd);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 10, 1, "敵空母 2 隻発見 !", 6));
    EXPECT_TRUE(shows(s, 32, 1, "距離は  6  航空距離です", 6));
    EXPECT_TRUE(shows(s, 60, 1, "敵は戦艦を含む", 6));
    EXPECT_TRUE(shows(s, 35, 20, "Hit Any Key", 4));
    EXPECT_EQ(st->K(1), 2);
    EXPECT_EQ(st->TK(1), 2);
    EXPECT_EQ(st->H(0), 1);
}

// Before contact the fleets drift (far ones close, near ones open), then the last movement's
// closing applies; within 200 both sides find each other.
TEST(SearchResult, DriftClosingAndContactAtCloseRange) {
    struct Case {
        const char* name;
        float found, distance, closing, drift;
        float after, contact;
    } cases[] = {
        {"700 drifts outward", 0, 700, 0, 0.99f, 900, 0},
        {"701 drifts inward", 0, 701, 0, 0.99f, 501, 0},
        {"closing to 200: contact", 0, 300, 150, 0.34f, 200, 1},
        {"closing to 201: none", 0, 300, 149, 0.34f, 201, 0},
        {"a closing past the other fleet", 1, 300, 400, 0, 100, 1},
        {"fleets drawing apart", 1, 300, -220, 0, 520, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Phase st;
        st->SUBTURN_NO = 1;
        st->H(0) = st->H(1) = c.found;
        st->FLEET_DISTANCE = c.distance;
        st->CLOSING_DISTANCE = c.closing;
        // Both searches fail on three sixes (skip test, three dice, per side); then the drift.
        if (c.found == 0)
            con::random_generator().script({0.5f, 0.99f, 0.99f, 0.99f, 0.5f, 0.99f, 0.99f, 0.99f, c.drift});
        SEARCH_RESULT_PHASE(*st);
        EXPECT_EQ(st->FLEET_DISTANCE, c.after);
        EXPECT_EQ(st->AIR_DISTANCE, static_cast<float>(static_cast<int>(c.after) / 200));
        EXPECT_EQ(st->H(0), c.contact);
        EXPECT_EQ(st->H(1), c.contact);
    }
}

// The situation screen after the phase's search.
TEST(SearchResult, SituationScreen) {
    Phase st;
    st.in_contact(1000);
    SEARCH_RESULT_PHASE(*st);
    EXPECT_TRUE(shows(st.console.screen(), 40, 1, "距離は  5  航空距離です", 6));
    EXPECT_TRUE(shows(st.console.screen(), 58, 0, "第 1 日", 7));
    EXPECT_TRUE(shows(st.console.screen(), 66, 0, " 13 時", 7));
}

// The Allied closing rate and where the launch phase begins.
TEST(SearchResult, AlliedClosingRateAndLaunchDecision) {
    struct Case {
        const char* name;
        float posture, distance, character, bombers, late;
        float rate;
        Block next;
    } cases[] = {
        {"keeps the distance, exactly 2200: backs away", 1, 2200, 1, 1, 0.5f, -10, Block::AlliedBaseLaunch},
        {"keeps the distance beyond 2200: holds", 1, 2400, 1, 1, 0.5f, 0, Block::AlliedBaseLaunch},
        {"beyond 3000: holds", 0, 3200, 1, 1, 0.5f, 0, Block::AlliedBaseLaunch},
        {"aggressive at 5: holds, strikes", 0, 1000, 1, 1, 0.5f, 0, Block::LaunchPhase},
        {"aggressive at 4: backs away", 0, 800, 1, 1, 0.5f, -10, Block::LaunchPhase},
        {"aggressive at 8: closes, late draw 8", 0, 1600, 1, 1, 0.8f, 10, Block::AlliedBaseLaunch},
        {"aggressive at 8: late draw 7 strikes", 0, 1600, 1, 1, 0.7f, 10, Block::LaunchPhase},
        {"cautious at 8: holds", 0, 1600, -1, 1, 0.5f, 0, Block::LaunchPhase},
        {"cautious at 10: closes at 8", 0, 2000, -1, 1, 0.5f, 8, Block::AlliedBaseLaunch},
        {"no bombers on deck", 0, 1000, 1, 0, 0.5f, 0, Block::AlliedBaseLaunch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Phase st;
        st.in_contact(c.distance);
        st->TK(1) = c.posture;
        st->OPERATION_CHARACTER = c.character;
        st->D(1, 2, AL_DECK) = c.bombers;
        con::random_generator().script({0.5f, 0.5f, c.late});
        EXPECT_EQ(SEARCH_RESULT_PHASE(*st), c.next);
        EXPECT_EQ(st->MV(MV_ALLIED), c.rate);
    }
    Phase lost;
    lost->H(0) = 1;
    lost->FLEET_DISTANCE = 1000;
    con::random_generator().script({0.5f, 0.5f, 0.99f, 0.99f, 0.99f});  // the Allies search in vain
    EXPECT_EQ(SEARCH_RESULT_PHASE(*lost), Block::PlayerStrikeLaunch);
}

// The escorts held back: 5 - OC units, or INT(fighters / 2) + 1 - OC of a larger group; never
// more than the deck fighters.
TEST(SearchResult, EscortCount) {
    struct Case {
        float character, fighters, on_deck, escorts;
    } cases[] = {
        {1, 4, 20, 0},  {1, 5, 20, 1},  {1, 7, 20, 3},   {1, 8, 20, 4},   {1, 12, 20, 6}, {-1, 6, 20, 0},
        {-1, 7, 20, 1}, {-1, 9, 20, 3}, {-1, 10, 20, 3}, {-1, 12, 20, 4}, {1, 12, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.character << " with " << c.fighters);
        Phase st;
        st.in_contact(1000);  // 5 units: the escorts fly straight over the target
        st->OPERATION_CHARACTER = c.character;
        st->A(1, 1, A_AIR_GROUP) = c.fighters;
        st->F(1, 1, AL_DECK) = c.on_deck;
        st->D(1, 1, AL_DECK) = 1;
        EXPECT_EQ(SEARCH_RESULT_PHASE(*st), Block::LaunchPhase);
        EXPECT_EQ(st->F(1, 1, AL_OVER), c.escorts);
        EXPECT_EQ(st->F(1, 1, AL_OUT), 0);
    }
}

// Five escorts from decks of 3, 1 and 2 fighters: one unit a carrier a pass, first slots first;
// a deck of exactly 7 neither counts nor gives.
TEST(SearchResult, EscortsSharedOverTheCarriers) {
    Phase st;
    st.in_contact(1200);  // 6 units: the escorts start outbound
    const float groups[] = {4, 3, 3}, deck[] = {3, 1, 2};
    for (int k = 1; k <= 3; ++k) {
        st->A(1, 2 * k - 1, A_AIR_GROUP) = groups[k - 1];
        st->F(1, k, AL_DECK) = deck[k - 1];
    }
    st->C(1, 1, 4) = 7;
    st->CV(1, 1) = 4;
    st->A(1, 7, A_DURABILITY) = 5;
    st->A(1, 7, A_FLIGHT_DECK) = 7;
    st->A(1, 7, A_AIR_GROUP) = 6;
    st->F(1, 4, AL_DECK) = 5;
    st->D(1, 1, AL_DECK) = 1;
    EXPECT_EQ(SEARCH_RESULT_PHASE(*st), Block::LaunchPhase);
    const float launched[] = {2, 1, 2, 0}, left[] = {1, 0, 0, 5};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(st->F(1, k, AL_OUT), launched[k - 1]) << k;
        EXPECT_EQ(st->F(1, k, AL_DECK), left[k - 1]) << k;
    }
}
