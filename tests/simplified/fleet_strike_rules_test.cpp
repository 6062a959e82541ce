// The rules of the strikes on the Allied force and on the harbour, from worked values with
// recorded draws: the dive bombers' hits, explosions and fires, the torpedo bombers' loads and
// targets, the target redraw, the survey and the patrol's deck launch and losses, the
// anti-aircraft points, the claims and the withdrawal rules, and the harbour strike's sweeps.
#include <gtest/gtest.h>

#include "campaign/damage_rounding.h"
#include "tests/simplified/strike_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;
using Kind = AttackEvent::Kind;

/// The draws of one dive-bomber unit that hits the carrier in slot 1 of two: the hit die, the
/// guns, the slot, its further draw, the flight deck, and the explosion die.
V dive_hit_on_slot_one(float explosion_die) { return {hit_face(0), 0.5f, 0.1f, 0.5f, 0.5f, explosion_die}; }

std::vector<Kind> kinds(const std::vector<AttackEvent>& events) {
    std::vector<Kind> k;
    for (const auto& e : events) k.push_back(e.kind);
    return k;
}

}  // namespace

// A slot, then its further draw; drawn again only for a ship below 0 (not at 0) on a further
// draw above 2 in tenths.
TEST(ShipAttacks, TargetRedraw) {
    struct Case {
        const char* name;
        V durability, draws;
        long slot;
    } cases[] = {
        {"a ship below 0 drawn again", {-1, 3}, {0.1f, 0.5f, 0.75f, 0.5f}, 2},
        {"... kept on a further draw of 2 or less in tenths", {-1, 3}, {0.1f, 0.5f, 0.1f, 0.15f}, 1},
        {"a ship at 0 is hit as drawn", {0, 3}, {0.1f, 0.9f}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDraws draws(c.draws);
        const long slot = choose_target_slot(
            2, [&](long k) { return c.durability[static_cast<std::size_t>(k - 1)]; }, draws.source());
        EXPECT_EQ(slot, c.slot);
        EXPECT_TRUE(draws.all_used());
    }
}

// Each hit: the guns worn on a draw above 9 in tenths, a drawn carrier, a point of its flight
// deck (the British carriers on a draw above 5 only), a quarter point of durability, and the
// explosion die against the deck load; a miss draws nothing more.
TEST(ShipAttacks, DiveBomberHits) {
    StrikeFleet st;
    st->KO(KO_DIVE) = 2;
    ScriptedDraws draws({hit_face(5), hit_face(0), 0.95f, 0.75f, 0.5f, 0.1f, die_face(1)});
    const auto events = dive_bomber_attack(*st, draws.source());
    EXPECT_TRUE(draws.all_used());
    ASSERT_EQ(kinds(events), std::vector<Kind>{Kind::BombHit});
    EXPECT_EQ(events[0].colour, 4);
    EXPECT_EQ(st->DF(1), 9);
    EXPECT_EQ(st->A(ALLIED, 2, A_DURABILITY), 5.75f);
    EXPECT_EQ(st->A(ALLIED, 2, A_FLIGHT_DECK), 9);
    EXPECT_EQ(st->A(ALLIED, 1, A_DURABILITY), 6);

    for (float deck_draw : {0.45f, 0.55f}) {
        StrikeFleet british;
        british->C(ALLIED, 1, 1) = 14, british->C(ALLIED, 1, 2) = 15;
        british->A(ALLIED, 14, A_FLIGHT_DECK) = 10;
        british->KO(KO_DIVE) = 1;
        ScriptedDraws d({hit_face(0), 0.5f, 0.1f, 0.5f, deck_draw, die_face(1)});
        dive_bomber_attack(*british, d.source());
        EXPECT_EQ(british->A(ALLIED, 14, A_FLIGHT_DECK), deck_draw > 0.5f ? 9 : 10);
    }
}

// Three 250 kg hits in one strike are rounded away by CLC2; four take a point.
TEST(ShipAttacks, QuarterPointsRoundedAway) {
    for (int hits : {3, 4}) {
        SCOPED_TRACE(hits);
        StrikeFleet st;
        st->KO(KO_DIVE) = static_cast<float>(hits);
        V list;
        for (int i = 0; i < hits; ++i) {
            const V unit = dive_hit_on_slot_one(die_face(1));
            list.insert(list.end(), unit.begin(), unit.end());
        }
        ScriptedDraws draws(list);
        dive_bomber_attack(*st, draws.source());
        EXPECT_TRUE(draws.all_used());
        morva::CLC2(st->TT, st->CV, st->C, st->BB, st->G, st->A);
        EXPECT_EQ(st->A(ALLIED, 1, A_DURABILITY), hits == 3 ? 6 : 5);
    }
}

// An explosion (a die below twice the bomber units on deck) starts a fire that spreads at
// once (2 points, 2 deck points, a deck unit) and burns on while a die + 1 does not pass the
// deck load; the fire states are all 0 when the routine returns.
TEST(ShipAttacks, ExplosionsAndFires) {
    struct Case {
        const char* name;
        float dive_on_deck, torpedo_on_deck;
        V fire_draws;
        std::vector<Kind> events;
        float durability, deck, dive_left, torpedo_left;
    } cases[] = {
        {"one unit on deck: one spread",
         1,
         0,
         {0.5f, die_face(1)},
         {Kind::BombHit, Kind::Explosion, Kind::FireSpreads},
         3.75f,
         7,
         0,
         0},
        {"four units: burns on until a die passes the load",
         4,
         0,
         {0.1f, die_face(5), 0.1f, die_face(6)},
         {Kind::BombHit, Kind::Explosion, Kind::FireSpreads, Kind::FireSpreads},
         1.75f,
         5,
         2,
         0},
        {"a spread takes a torpedo bomber on a draw of 5 or more in tenths",
         1,
         1,
         {0.5f, die_face(6)},
         {Kind::BombHit, Kind::Explosion, Kind::FireSpreads},
         3.75f,
         7,
         1,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->KO(KO_DIVE) = 1;
        st->D(ALLIED, 1, AL_DECK) = c.dive_on_deck;
        st->T(ALLIED, 1, AL_DECK) = c.torpedo_on_deck;
        V list = dive_hit_on_slot_one(die_face(1));
        list.insert(list.end(), c.fire_draws.begin(), c.fire_draws.end());
        ScriptedDraws draws(list);
        EXPECT_EQ(kinds(dive_bomber_attack(*st, draws.source())), c.events);
        EXPECT_TRUE(draws.all_used());
        EXPECT_EQ(st->A(ALLIED, 1, A_DURABILITY), c.durability);
        EXPECT_EQ(st->A(ALLIED, 1, A_FLIGHT_DECK), c.deck);
        EXPECT_EQ(st->D(ALLIED, 1, AL_DECK), c.dive_left);
        EXPECT_EQ(st->T(ALLIED, 1, AL_DECK), c.torpedo_left);
        EXPECT_EQ(st->A(ALLIED, 1, A_FIRE), 0);
    }
}

// The loads split over the units left (the losses fall on the torpedo-armed first); units
// carry torpedoes by their number in the loop; slot 1 takes every hit while afloat; the hit
// colours run 2, 3, 4, 5, 6, 2.
TEST(ShipAttacks, TorpedoBomberHits) {
    StrikeFleet st;
    st->KO(KO_TORPEDO) = 5, st->KO(KO_TORPEDO_ARMED) = 4, st->KO(KO_BOMB_ARMED) = 3;
    ScriptedDraws draws({hit_face(3), hit_face(0), 0.5f, hit_face(0), 0.5f, hit_face(5), hit_face(1), 0.5f});
    const auto events = torpedo_bomber_attack(*st, draws.source());
    EXPECT_TRUE(draws.all_used()) << "slot 1 afloat: no slot draw";
    EXPECT_EQ(st->KO(KO_TORPEDO_ARMED), 2);
    EXPECT_EQ(st->KO(KO_BOMB_ARMED), 3);
    EXPECT_EQ(kinds(events), (std::vector<Kind>{Kind::TorpedoHit, Kind::BombHit, Kind::BombHit}));
    EXPECT_EQ((std::vector<int>{events[0].colour, events[1].colour, events[2].colour}), (std::vector<int>{2, 3, 4}));
    EXPECT_FLOAT_EQ(st->A(ALLIED, 1, A_DURABILITY), 3);
    EXPECT_EQ(st->A(ALLIED, 1, A_FLIGHT_DECK), 7);

    StrikeFleet six;
    six->KO(KO_TORPEDO) = 6, six->KO(KO_BOMB_ARMED) = 9;
    V hits;
    for (int i = 0; i < 6; ++i) hits.insert(hits.end(), {hit_face(0), 0.5f});
    ScriptedDraws d(hits);
    std::vector<int> colours;
    for (const auto& e : torpedo_bomber_attack(*six, d.source())) colours.push_back(e.colour);
    EXPECT_EQ(colours, (std::vector<int>{2, 3, 4, 5, 6, 2}));
    EXPECT_EQ(six->KO(KO_BOMB_ARMED), 6) << "fewer units than bomb-armed: all carry bombs";
    EXPECT_EQ(six->KO(KO_TORPEDO_ARMED), 0);
}

// Battleships once no carrier is above 0, never in the harbour turn; a drawn carrier then.
TEST(ShipAttacks, TorpedoTargets) {
    struct Case {
        const char* name;
        float harbour;
        V draws;
        int ship;
        float durability;
    } cases[] = {
        {"no carrier afloat: a battleship, a torpedo point", 0, {hit_face(0), 0.5f, 0.75f, 0.5f}, 17, 5},
        {"harbour turn: a drawn carrier all the same", 1, {hit_face(0), 0.5f, 0.1f, 0.9f}, 1, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->A(ALLIED, 1, A_DURABILITY) = 0, st->A(ALLIED, 2, A_DURABILITY) = -1;
        st->TT(TT_HARBOUR_STRIKE) = c.harbour;
        st->KO(KO_TORPEDO) = 1;
        ScriptedDraws draws(c.draws);
        torpedo_bomber_attack(*st, draws.source());
        EXPECT_TRUE(draws.all_used());
        EXPECT_EQ(st->A(ALLIED, c.ship, A_DURABILITY), c.durability);
        EXPECT_EQ(torpedo_bombers_take_carriers(*st, 1), c.harbour == 1);
    }
}

TEST(FleetStrike, PatrolCeiling) {
    const std::pair<float, float> cases[] = {{0, 0},  {5, 5},  {6, 5},  {7, 5},  {8, 5}, {9, 5},
                                             {10, 6}, {11, 6}, {12, 7}, {13, 7}, {16, 9}};
    for (const auto& [fighters, ceiling] : cases) EXPECT_EQ(patrol_ceiling(fighters), ceiling) << fighters;
}

// The survey counts the air groups of the carriers whose flight deck is above 7: R(1) is the
// carriers afloat + 3 while they carry aircraft, else 3.
TEST(FleetStrike, Survey) {
    struct Case {
        const char* name;
        float deck1, deck2, afloat;
        float fighters, r1, ceiling;
    } cases[] = {
        {"both launch", 10, 10, 2, 8, 5, 5},
        {"a deck of 7 is not counted", 7, 10, 2, 4, 5, 4},
        {"none launches: R(1) 3", 7, 5, 2, 0, 3, 0},
        {"one afloat as last counted", 10, 10, 1, 8, 4, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->A(ALLIED, 1, A_FLIGHT_DECK) = c.deck1, st->A(ALLIED, 2, A_FLIGHT_DECK) = c.deck2;
        st->ALLIED_CV_AFLOAT = c.afloat;
        survey_allied_carriers(*st);
        EXPECT_EQ(st->ALLIED_FIGHTERS, c.fighters);
        EXPECT_EQ(st->R(1), c.r1);
        EXPECT_EQ(st->PATROL_CEILING, c.ceiling);
    }
}

// The deck launch: one unit a launching slot and pass up to the ceiling; the patrol aloft
// intercepts whatever the deck.
TEST(FleetStrike, DeckLaunch) {
    struct Case {
        const char* name;
        V deck, second, flight_deck;
        V launched, deck_left;
        float interceptors;
    } cases[] = {
        {"ceiling 5, decks 3 and 4: A, B, A, B, A", {3, 4}, {0, 0}, {10, 10}, {3, 2}, {0, 2}, 5},
        {"the patrol aloft at the ceiling: no launch", {3, 4}, {3, 2}, {10, 10}, {0, 0}, {3, 4}, 5},
        {"a deck of 7 neither counts nor launches", {3, 1}, {1, 0}, {7, 10}, {0, 1}, {3, 0}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->PATROL_CEILING = 5;
        for (long k = 1; k <= 2; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            st->F(ALLIED, k, AL_DECK) = c.deck[i];
            st->F(ALLIED, k, AL_INTERCEPT_SECOND) = c.second[i];
            st->A(ALLIED, k, A_FLIGHT_DECK) = c.flight_deck[i];
        }
        launch_allied_patrol(*st);
        EXPECT_EQ((V{st->F(ALLIED, 1, AL_INTERCEPT), st->F(ALLIED, 2, AL_INTERCEPT)}), c.launched);
        EXPECT_EQ((V{st->F(ALLIED, 1, AL_DECK), st->F(ALLIED, 2, AL_DECK)}), c.deck_left);
        EXPECT_EQ(st->PATROL_UNITS, c.interceptors);
    }
}

// The interceptors shot down leave the patrol one a slot and pass; a visited slot's patrol is
// gathered into its last stage, a slot not reached keeps its stages.
TEST(FleetStrike, InterceptorLosses) {
    StrikeFleet st;
    st->F(ALLIED, 1, AL_INTERCEPT_LAST) = 2, st->F(ALLIED, 2, AL_INTERCEPT_LAST) = 2;
    book_allied_patrol_losses(*st, 3);
    EXPECT_EQ((V{st->F(ALLIED, 1, AL_INTERCEPT_LAST), st->F(ALLIED, 2, AL_INTERCEPT_LAST)}), (V{0, 1}));

    StrikeFleet stages;
    stages->F(ALLIED, 1, AL_INTERCEPT) = 1, stages->F(ALLIED, 1, AL_INTERCEPT_SECOND) = 1;
    stages->F(ALLIED, 2, AL_INTERCEPT) = 2;
    book_allied_patrol_losses(*stages, 1);
    EXPECT_EQ((V{stages->F(ALLIED, 1, AL_INTERCEPT), stages->F(ALLIED, 1, AL_INTERCEPT_SECOND),
                 stages->F(ALLIED, 1, AL_INTERCEPT_LAST)}),
              (V{0, 0, 1}));
    EXPECT_EQ(stages->F(ALLIED, 2, AL_INTERCEPT), 2);
}

// DF(1) and the ships afloat; in the harbour turn the carriers only.
TEST(FleetStrike, AntiAircraftPoints) {
    StrikeFleet st;
    count_allied_aa_points(*st);
    EXPECT_EQ(st->AA_POINTS, 10 + 3 + 3 + 4 + 4);
    st->A(ALLIED, 2, A_DURABILITY) = 0;
    st->PEARL_HARBOR_TURN = 1;
    count_allied_aa_points(*st);
    EXPECT_EQ(st->AA_POINTS, 10 + 3);
}

// The claims and the withdrawal rules with their draws: one for the battleship claim's kind,
// two for a random figure, then with a carrier below full durability two for its claim and one
// for each rule, the rules' draws made at target 21 too.
TEST(FleetStrike, ClaimsAndPosture) {
    struct Case {
        const char* name;
        float target, character, harbour;
        V durability;  // LEXINGTON, SARATOGA, SOUTHDAKOTA, INDIANA
        V draws;
        bool bb_reached, bb_shown;
        float bb_claim;
        bool cv_shown;
        float cv_claim, tk, bb_count, cv_afloat, cv_fit, cv_damaged;
    } cases[] = {
        {"target 21: both rules drawn, neither applies",
         21,
         1,
         0,
         {5, 0, 6, 6},
         {0.5f, 0.5f, 0.5f, 0.1f, 0.1f},
         true,
         false,
         0,
         true,
         2,
         0,
         2,
         1,
         1,
         2},
        {"a battleship lost: the true figure", 14, 1, 0, {6, 6, 6, 0}, {0.9f}, true, true, 1, false, 0, 0, 1, 2, 2, 0},
        {"none lost: a random figure one time in five",
         14,
         1,
         0,
         {6, 6, 6, 6},
         {0.95f, 0.9f, 0.1f},
         true,
         true,
         1,
         false,
         0,
         0,
         2,
         2,
         2,
         0},
        {"a random figure below 1 shows 1",
         14,
         1,
         0,
         {6, 6, 6, 0},
         {0.5f, 0.1f, 0.9f},
         true,
         true,
         1,
         false,
         0,
         0,
         1,
         2,
         2,
         0},
        {"harbour turn: no battleship claim, no draw",
         18,
         1,
         1,
         {6, 6, 6, 6},
         {},
         false,
         false,
         0,
         false,
         0,
         0,
         2,
         2,
         2,
         0},
        {"careful commander, a carrier sunk: rule 17 always",
         14,
         -1,
         0,
         {6, 0, 6, 6},
         {0.5f, 0.5f, 0.5f, 0.99f, 0.99f},
         true,
         false,
         0,
         true,
         1,
         2,
         2,
         1,
         1,
         1},
        {"aggressive commander, a carrier damaged: rule 16",
         14,
         1,
         0,
         {2, 6, 6, 6},
         {0.5f, 0.1f, 0.9f, 0.35f, 0.9f},
         true,
         false,
         0,
         true,
         1,
         2,
         2,
         2,
         1,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StrikeFleet st;
        st->AT(1) = c.target;
        st->OPERATION_CHARACTER = c.character;
        st->PEARL_HARBOR_TURN = c.harbour;
        const int ships[] = {1, 2, 16, 17};
        for (std::size_t i = 0; i < 4; ++i) st->A(ALLIED, ships[i], A_DURABILITY) = c.durability[i];
        ScriptedDraws draws(c.draws);
        const FleetClaims claims = claim_results(*st, draws.source());
        EXPECT_TRUE(draws.all_used());
        EXPECT_EQ(claims.battleship_claim_reached, c.bb_reached);
        EXPECT_EQ(claims.battleship_claim_shown, c.bb_shown);
        EXPECT_EQ(claims.battleships_claimed, c.bb_claim);
        EXPECT_EQ(claims.carrier_claim_shown, c.cv_shown);
        EXPECT_EQ(claims.carriers_claimed, c.cv_claim);
        EXPECT_EQ(st->TK(1), c.tk);
        EXPECT_EQ(st->ALLIED_BB_COUNT, c.bb_count);
        EXPECT_EQ((V{st->ALLIED_CV_AFLOAT, st->ALLIED_CV_FIT, st->ALLIED_CV_DAMAGED}),
                  (V{c.cv_afloat, c.cv_fit, c.cv_damaged}));
    }
}

/// The harbour turn: the eight moored battleships facing air fleet 1, the harbour's guns at 20,
/// a strike arriving in sub-turn `subturn`.
struct Harbour : StrikeFleet {
    explicit Harbour(float subturn) {
        State& s = *st;
        s.PEARL_HARBOR_TURN = 1;
        s.AT(1) = 18;
        const int moored[] = {23, 24, 25, 26, 30, 31, 32, 33};
        s.BB(ALLIED, 1) = 8;
        for (long j = 1; j <= 8; ++j) s.G(ALLIED, 1, j) = static_cast<float>(moored[j - 1]);
        s.P(18, P_AIR_DEFENCE) = 20;
        s.TT(TT_SUBTURN) = subturn;
    }
};

// Three attacks per unit before sub-turn 8, two from it; sweep after sweep along the line under
// a fresh heading; a dive-bomber hit counts on the harbour and wears its guns on a draw above 4
// in tenths, and leaves the ship's durability.
TEST(HarbourStrike, DiveBomberSweeps) {
    Harbour st(7);
    st->KO(KO_DIVE) = 3;
    V list;
    for (int attack = 0; attack < 9; ++attack) list.insert(list.end(), {0.5f, hit_face(0), 0.9f});
    list.push_back(0.5f);
    ScriptedDraws draws(list);
    const auto events = harbour_dive_attack(*st, draws.source());
    EXPECT_TRUE(draws.all_used()) << "the visit after the ninth attack ends the dive bombers";
    std::vector<std::pair<long, int>> hits;
    int sweeps = 0;
    for (const auto& e : events) {
        if (e.kind == HarbourEvent::Kind::Sweep)
            ++sweeps;
        else
            hits.emplace_back(e.slot, e.colour);
    }
    EXPECT_EQ(sweeps, 2);
    EXPECT_EQ(hits, (std::vector<std::pair<long, int>>{
                        {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 2}, {7, 3}, {8, 4}, {1, 2}}));
    EXPECT_EQ(st->HW(1), 9);
    EXPECT_EQ(st->P(18, P_AIR_DEFENCE), 11);
    EXPECT_EQ(st->A(ALLIED, 23, A_DURABILITY), 6);

    Harbour late(8);
    late->KO(KO_DIVE) = 1;
    ScriptedDraws d({0.5f, hit_face(5), 0.5f, hit_face(0), 0.45f, 0.5f});
    const auto two = harbour_dive_attack(*late, d.source());
    EXPECT_TRUE(d.all_used()) << "two attacks per unit from sub-turn 8";
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].slot, 2);
    EXPECT_EQ(two[1].colour, 2);
    EXPECT_EQ(late->P(18, P_AIR_DEFENCE), 19);
}

// A ship below 0 is passed over (uncounted) on a draw above 2 in tenths; a torpedo hit takes a
// point and counts on the harbour on a draw above 5 in tenths; its colour runs from 4.
TEST(HarbourStrike, TorpedoBomberSweeps) {
    struct Case {
        const char* name;
        V draws;
        long slot;
        float first, second, hw;
    } cases[] = {
        {"passed over", {0.5f, 0.1f, hit_face(3), 0.55f, 0.5f, hit_face(4), 0.5f}, 2, -1, 5, 1},
        {"attacked on a low draw", {0.15f, hit_face(0), 0.5f, 0.5f, hit_face(5), 0.5f}, 1, -2, 6, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harbour st(8);
        st->KO(KO_TORPEDO) = 1;
        st->A(ALLIED, 23, A_DURABILITY) = -1;
        ScriptedDraws draws(c.draws);
        const auto events = harbour_torpedo_attack(*st, draws.source());
        EXPECT_TRUE(draws.all_used());
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[1].slot, c.slot);
        EXPECT_EQ(events[1].colour, 4);
        EXPECT_EQ(st->A(ALLIED, 23, A_DURABILITY), c.first);
        EXPECT_EQ(st->A(ALLIED, 24, A_DURABILITY), c.second);
        EXPECT_EQ(st->HW(1), c.hw);
    }
}
