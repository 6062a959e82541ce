// The carrier phases driven through run_block with key scripts: the launch phase's three entry
// points, the strike dialogue (skips, target, limits), the combat air patrol, the deck standby,
// maintenance and shelter dialogues, refused counts and shares, and type-ahead answers.
#include <gtest/gtest.h>

#include "tests/simplified/carrier_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;

/// The sum of a column over slots 1-3.
template <typename Units>
float total(const Units& u, int column) {
    return u(JAPANESE, 1, column) + u(JAPANESE, 2, column) + u(JAPANESE, 3, column);
}

/// Runs one block with the fixture's keys; true when the keys ran out inside it.
bool run_out(Carriers& st, Block block) {
    return runs_out_of_keys([&] { run_block(*st, block); });
}

}  // namespace

// The three entry points: the opening copies the distances and calls KOGEKI (a draw per Allied
// carrier), the base launch draws twice, the player's launches draw nothing.
TEST(LaunchPhase, EntryPoints) {
    struct Case {
        Block entry;
        std::vector<Block> trail;
        std::uint64_t draws;
        bool copied;
    } cases[] = {
        {Block::LaunchPhase, {Block::LaunchPhase, Block::AlliedBaseLaunch, Block::PlayerStrikeLaunch}, 5, true},
        {Block::AlliedBaseLaunch, {Block::AlliedBaseLaunch, Block::PlayerStrikeLaunch}, 2, false},
        {Block::PlayerStrikeLaunch, {Block::PlayerStrikeLaunch}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.entry));
        Carriers st;
        st->PT(0) = 99;
        st->TT(TT_AIR_DISTANCE) = 99;
        st->BASE_DISTANCE = 4;
        st->AIR_DISTANCE = 3;
        const auto before = con::random_generator().draws();
        std::vector<Block> trail;
        run_until(*st, c.entry, Block::DeckStandbyPhase, &trail);
        EXPECT_EQ(trail, c.trail);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws);
        EXPECT_EQ(st->PT(0), c.copied ? 4 : 99);
        EXPECT_EQ(st->TT(TT_AIR_DISTANCE), c.copied ? 3 : 99);
        EXPECT_EQ(row_of(st.console.screen(), 20), "") << "nothing to launch, nothing shown";
    }
}

// The deck rows and the launch question; only fighters on deck, or no target, skip the strike.
TEST(LaunchPhase, DeckRowsAndSkips) {
    {
        Carriers st;
        st.flight_decks(JAPANESE, {10, 7, 10});
        set_column(st->F, JAPANESE, F_DECK, {1, 5, 0});
        set_column(st->D, JAPANESE, D_DECK, {2, 0, 1});
        set_column(st->T, JAPANESE, T_DECK_TORPEDO, {1, 0, 0});
        set_column(st->T, JAPANESE, T_DECK_BOMB, {0, 0, 2});
        EXPECT_TRUE(run_out(st, Block::PlayerStrikeLaunch));
        const auto& s = st.console.screen();
        EXPECT_TRUE(shows(s, 16, 21, "現在甲板に零式艦戦 1 ユニット待機中", 6));
        EXPECT_TRUE(shows(s, 16, 22, "現在甲板に９９式艦爆 3 ユニット待機中", 6));
        EXPECT_TRUE(shows(s, 16, 23, "現在甲板に９７式艦攻 3 ユニット待機中", 6));
        EXPECT_TRUE(shows(s, 54, 23, "(雷装 1 爆装 2 )", 6));
        EXPECT_TRUE(shows(s, 10, 20, "攻撃隊を発進させますか ?  Hit Y - N Key", 5));
    }
    struct Case {
        const char* name;
        float found, called_off, holder;
        V dive;
    } skips[] = {
        {"only fighters on deck", 1, 0, 1, {0, 0, 0}},
        {"bombers only on an unfit deck", 1, 0, 1, {0, 4, 0}},
        {"fleet unfound, operation called off", 0, 1, 1, {2, 0, 0}},
        {"fleet unfound, base fallen", 0, 0, 0, {2, 0, 0}},
    };
    for (const auto& c : skips) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st.flight_decks(JAPANESE, {10, 7, 10});
        set_column(st->F, JAPANESE, F_DECK, {1, 4, 2});
        set_column(st->D, JAPANESE, D_DECK, c.dive);
        st->H(0) = c.found;
        st->TK(0) = c.called_off;
        st->P(7, P_HOLDER) = c.holder;
        EXPECT_TRUE(run_out(st, Block::PlayerStrikeLaunch)) << "the patrol question waits";
        EXPECT_EQ(st->WAITING_FIGHTER_UNITS, 3);
        const auto& s = st.console.screen();
        EXPECT_EQ(row_of(s, 21), "");
        EXPECT_TRUE(shows(s, 16, 22, "零式艦戦 3 ユニット待機中", 6));
        EXPECT_TRUE(shows(s, 10, 20, "直衛機を出しますか ?   Hit Y - N Key", 7));
    }
}

// The target: the enemy fleet unfound or beyond 10 units gives the base, tested first; a
// called-off operation or a fallen base gives the fleet; else the player chooses.
TEST(LaunchPhase, StrikeTarget) {
    struct Case {
        const char* name;
        float found, distance, called_off, holder;
        const char* shown;  // at (20, 20), behind "攻撃目標は"
        std::string keys;   // from the launch question on
        float target;
    } cases[] = {
        {"fleet unfound", 0, 7, 0, 1, "基地のみです", "y", TARGET_BASE},
        {"11 units, called off", 1, 11, 1, 1, "基地のみです", "y", TARGET_BASE},
        {"11 units, base fallen", 1, 11, 0, 0, "基地のみです", "y", TARGET_BASE},
        {"called off", 1, 10, 1, 1, "艦隊のみです", "y", TARGET_FLEET},
        {"base fallen", 1, 10, 0, 0, "艦隊のみです", "y", TARGET_FLEET},
        {"the player's choice: 2", 1, 10, 0, 1, "基地ですか艦隊ですか ?  Hit 1 - 2 Key", "yx{ENTER}2", TARGET_FLEET},
        {"the player's choice: 1", 1, 10, 0, 1, "基地ですか艦隊ですか ?  Hit 1 - 2 Key", "y1", TARGET_BASE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool to_count : {false, true}) {
            // First with the comment pause waiting for a key, the text on screen; then on to the
            // dive bombers' count question with the target set.
            Carriers st(to_count ? c.keys : "y");
            st->TT(TT_COMMENT_KEY) = to_count ? 0 : 1;
            set_column(st->D, JAPANESE, D_DECK, {1, 0, 0});
            st->H(0) = c.found;
            st->AIR_DISTANCE = c.distance;
            st->TK(0) = c.called_off;
            st->P(7, P_HOLDER) = c.holder;
            EXPECT_TRUE(run_out(st, Block::PlayerStrikeLaunch));
            const auto& s = st.console.screen();
            if (!to_count) {
                EXPECT_TRUE(shows(s, 10, 20, std::string("攻撃目標は") + c.shown, 5));
                continue;
            }
            EXPECT_TRUE(shows(s, 10, 20, "何ユニットの９９式艦爆を出撃させますか ?", 5));
            EXPECT_EQ(st->STRIKE_TARGET, c.target);
        }
    }
}

// Which count question comes first after the target: fighters only within 9 units.
TEST(LaunchPhase, FighterEscortRange) {
    struct Case {
        const char* name;
        float found, air, base;
        std::string keys;
        const char* first;
    } cases[] = {
        {"fleet strike at 9", 1, 9, 10, "y2", "零式艦戦"},
        {"fleet strike at 10", 1, 10, 10, "y2", "９９式艦爆"},
        {"base strike at 9.5", 0, 7, 9.5f, "y", "９９式艦爆"},
        {"base strike at 9", 0, 7, 9, "y", "零式艦戦"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st(c.keys);
        set_column(st->F, JAPANESE, F_DECK, {1, 0, 0});
        set_column(st->D, JAPANESE, D_DECK, {1, 0, 0});
        st->H(0) = c.found;
        st->AIR_DISTANCE = c.air;
        st->BASE_DISTANCE = c.base;
        EXPECT_TRUE(run_out(st, Block::PlayerStrikeLaunch));
        EXPECT_TRUE(
            shows(st.console.screen(), 10, 20, std::string("何ユニットの") + c.first + "を出撃させますか ?", 5));
    }
}

// A strike on the fleet with every type, refused counts first (above the limit, negative,
// fractional, an empty line), then the patrol from the fighters left, with refused counts that
// bring back the waiting line and the question.
TEST(LaunchPhase, StrikeAndPatrol) {
    Carriers st(std::string("y2") + "4{ENTER}-1{ENTER}1.5{ENTER}{ENTER}2{ENTER}" + "1{ENTER}" +
                "4{ENTER}-2{ENTER}3{ENTER}" + "y2{ENTER}" + "y0.5{ENTER}" + "y-1{ENTER}" + "y1{ENTER}");
    set_column(st->F, JAPANESE, F_DECK, {2, 1, 0});
    set_column(st->D, JAPANESE, D_DECK, {1, 1, 0});
    set_column(st->T, JAPANESE, T_DECK_TORPEDO, {1, 0, 0});
    set_column(st->T, JAPANESE, T_DECK_BOMB, {0, 1, 1});
    st->H(0) = 1;
    st->AIR_DISTANCE = 5;
    EXPECT_EQ(run_block(*st, Block::PlayerStrikeLaunch), Block::DeckStandbyPhase);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_OVER_FLEET), (V{1, 1, 0}));
    EXPECT_EQ(column_of(st->D, JAPANESE, D_OVER_FLEET), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_OVER_FLEET_TORPEDO), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_OVER_FLEET_BOMB), (V{0, 1, 1}));
    EXPECT_EQ(st->WAITING_FIGHTER_UNITS, 1);
    EXPECT_EQ(st->KK(1) + st->KK(2) + st->KK(3), 0);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_CAP_FIRST), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{0, 0, 0}));
}

// The torpedo bombers on a base strike: outside the harbour strike only the bomb-armed ones
// (here none: only 0 is taken), in the harbour strike any of them.
TEST(LaunchPhase, TorpedoBombersOnABaseStrike) {
    for (float harbour : {0.0f, 1.0f}) {
        SCOPED_TRACE(harbour);
        Carriers st("y3{ENTER}2{ENTER}0{ENTER}");
        set_column(st->T, JAPANESE, T_DECK_TORPEDO, {1, 1, 0});
        st->PEARL_HARBOR_TURN = harbour;
        EXPECT_EQ(run_block(*st, Block::PlayerStrikeLaunch), Block::DeckStandbyPhase);
        EXPECT_EQ(st->INPUT_NUM, harbour == 1 ? 2 : 0) << "the count taken";
        EXPECT_EQ(total(st->T, T_BASE_OUT), harbour == 1 ? 2 : 0);
    }
}

// The patrol: nothing shown without fighters on a fit deck; "n" launches nothing; the whole
// number waiting is taken; 0 launches nothing.
TEST(PatrolLaunch, Questions) {
    struct Case {
        const char* name;
        V flight_deck, deck;
        std::string keys;
        V patrol;
    } cases[] = {
        {"fighters only on an unfit deck", {10, 7, 10}, {0, 4, 0}, "", {0, 0, 0}},
        {"No, after ignored keys", {10, 10, 10}, {1, 1, 1}, "x{ENTER}n", {0, 0, 0}},
        {"all of them", {10, 10, 10}, {1, 1, 1}, "Y3{ENTER}", {1, 1, 1}},
        {"one more asks again", {10, 10, 10}, {1, 1, 1}, "y4{ENTER}N", {0, 0, 0}},
        {"0", {10, 10, 10}, {1, 1, 1}, "y0{ENTER}", {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st(c.keys);
        st.flight_decks(JAPANESE, c.flight_deck);
        set_column(st->F, JAPANESE, F_DECK, c.deck);
        EXPECT_FALSE(run_out(st, Block::PlayerStrikeLaunch));
        EXPECT_EQ(column_of(st->F, JAPANESE, F_CAP_FIRST), c.patrol);
    }
    Carriers st("y");
    set_column(st->F, JAPANESE, F_DECK, {2, 0, 0});
    EXPECT_TRUE(run_out(st, Block::PlayerStrikeLaunch));
    EXPECT_TRUE(shows(st.console.screen(), 10, 20, "何ユニットの零式艦戦を出しますか ?", 7));
    EXPECT_EQ(con::current_colour(), 6) << "the count is typed in yellow";
}

// The deck standby rows and the fleet's deck room across the types.
TEST(DeckStandbyPhase, RowsAndCountsWithinTheRoom) {
    Carriers st("y3{ENTER}2{ENTER}");
    for (long k = 1; k <= 3; ++k) st->A(JAPANESE, k, A_CAPACITY) = 3;  // room INT(10 / 2) = 5
    set_column(st->F, JAPANESE, F_HANGAR, {2, 0, 0});
    set_column(st->D, JAPANESE, D_HANGAR, {1, 0, 0});
    set_column(st->D, JAPANESE, D_ARMED, {2, 2, 0});
    set_column(st->T, JAPANESE, T_HANGAR, {0, 0, 1});
    EXPECT_TRUE(run_out(st, Block::DeckStandbyPhase));
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 16, 21, "現在格納庫内に零式艦戦 2 ユニット待機中", 6));
    EXPECT_TRUE(shows(s, 16, 22, "現在格納庫内に９９式艦爆 5 ユニット待機中", 6));
    EXPECT_TRUE(shows(s, 58, 22, "(爆弾搭載 4 )", 6));
    EXPECT_TRUE(shows(s, 16, 23, "現在格納庫内に９７式艦攻 1 ユニット待機中", 6));
    EXPECT_TRUE(shows(s, 58, 23, "(雷装 0 爆装 0 )", 6));
    EXPECT_TRUE(shows(s, 10, 20, "何ユニットの９９式艦爆を上げますか ? (合計 3 まで)", 6));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{2, 0, 0}));
    EXPECT_EQ(st->DECK_ROOM, 3);
}

// Six hangar fighters and nothing armed go up unasked; with seven the question comes.
TEST(DeckStandbyPhase, FightersRaisedUnasked) {
    {
        Carriers st;
        set_column(st->F, JAPANESE, F_HANGAR, {2, 2, 2});
        EXPECT_EQ(run_block(*st, Block::DeckStandbyPhase), Block::MaintenancePhase);
        EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{2, 2, 2}));
        EXPECT_EQ(row_of(st.console.screen(), 20), "");
    }
    Carriers st;
    set_column(st->F, JAPANESE, F_HANGAR, {3, 2, 2});
    EXPECT_TRUE(run_out(st, Block::DeckStandbyPhase));
    EXPECT_TRUE(shows(st.console.screen(), 10, 20, "格納庫内の機を甲板に上げますか ?  Hit Y - N Key", 6));
}

// Torpedo bombers 2 torpedo-armed and 3 bomb-armed, 4 requested: shares 0 (a rest of 4) and 3
// (above 2) are refused, as are shares outside 0 to the request; 1 is taken.
TEST(DeckStandbyPhase, TorpedoShare) {
    for (float share : {1.0f, 2.0f}) {
        SCOPED_TRACE(share);
        Carriers st("y4{ENTER}0{ENTER}3{ENTER}-1{ENTER}5{ENTER}1.5{ENTER}" + std::to_string(int(share)) + "{ENTER}");
        set_column(st->T, JAPANESE, T_TORPEDO, {1, 1, 0});
        set_column(st->T, JAPANESE, T_BOMB, {1, 1, 1});
        EXPECT_EQ(run_block(*st, Block::DeckStandbyPhase), Block::MaintenancePhase);
        EXPECT_EQ(total(st->T, T_DECK_TORPEDO), share);
        EXPECT_EQ(total(st->T, T_DECK_BOMB), 4 - share);
        EXPECT_EQ(st->WORK_N + st->BOMB_ARMED_UNITS, 0);
        EXPECT_EQ(st->DECK_ROOM, 8);
        if (share == 1) {
            EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_TORPEDO), (V{1, 0, 0}));
            EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_BOMB), (V{1, 1, 1})) << "from slot 2 on, then slot 1";
        }
    }
    Carriers shown("y4{ENTER}");
    set_column(shown->T, JAPANESE, T_TORPEDO, {2, 0, 0});
    set_column(shown->T, JAPANESE, T_BOMB, {3, 0, 0});
    EXPECT_TRUE(run_out(shown, Block::DeckStandbyPhase));
    EXPECT_TRUE(shows(shown.console.screen(), 10, 20, "そのうち雷装は何ユニット ? ", 6));
}

// Counts that are refused at the deck standby question: above the stock or the room, negative,
// fractional; an empty line is refused by the line input and read again.
TEST(DeckStandbyPhase, RefusedCounts) {
    Carriers st("y10{ENTER}-1{ENTER}0.5{ENTER}{ENTER}1{ENTER}");
    set_column(st->F, JAPANESE, F_HANGAR, {3, 3, 3});
    EXPECT_EQ(run_block(*st, Block::DeckStandbyPhase), Block::MaintenancePhase);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{1, 0, 0}));
    EXPECT_EQ(st->DECK_ROOM, 11);
}

// A key typed before the question is written answers it: the keyboard is not emptied.
TEST(DeckStandbyPhase, TypeAheadAnswersTheQuestion) {
    Carriers st;
    set_column(st->F, JAPANESE, F_HANGAR, {3, 3, 3});
    st.console.type_ahead("n");
    EXPECT_EQ(run_block(*st, Block::DeckStandbyPhase), Block::MaintenancePhase);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{0, 0, 0}));
    EXPECT_TRUE(shows(st.console.screen(), 10, 20, "格納庫内の機を甲板に上げますか ?  Hit Y - N Key", 6));
}

// The maintenance dialogue: the hangar row in the colour in force, the arming question, the
// unloading before the count, refused counts, the arming, and the Allied loading after it.
TEST(MaintenancePhase, ArmingDialogue) {
    Carriers st("y5{ENTER}-1{ENTER}0.5{ENTER}1{ENTER}");
    con::color(2);
    st.flight_decks(JAPANESE, {10, 10, 7});
    set_column(st->D, JAPANESE, D_HANGAR, {1, 1, 1});
    set_column(st->T, JAPANESE, T_HANGAR, {2, 0, 0});
    set_column(st->T, JAPANESE, T_TORPEDO, {0, 1, 1});
    set_column(st->T, JAPANESE, T_BOMB, {0, 0, 0});
    set_column(st->F, ALLIED, AL_HANGAR, {1, 0, 0});
    EXPECT_EQ(run_block(*st, Block::MaintenancePhase), Block::ShelterPhase);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 10, 22, "現在格納庫内に９７式艦攻 3 ユニット待機中(雷装 1 爆装 0 )", 2));
    EXPECT_TRUE(shows(s, 10, 20, "魚雷装備は何ユニットですか ?", 4));
    EXPECT_TRUE(shows(s, 50, 20, "1", 4));
    EXPECT_EQ(st->REARM_FLAG, 0);
    EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_BOMB), (V{1, 1, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_HANGAR), (V{0, 0, 1})) << "the unfit carrier's unit is unloaded";
    EXPECT_EQ(column_of(st->D, JAPANESE, D_ARMED), (V{1, 1, 1}));
    EXPECT_EQ(column_of(st->F, ALLIED, AL_DECK), (V{1, 0, 0})) << "the Allied loading closes the phase";
}

// "n", an empty hangar and the harbour strike: nothing is armed but the dive bombers (and in
// the harbour strike the torpedo bombers with torpedoes); REARM_FLAG as each leaves it.
TEST(MaintenancePhase, NoArming) {
    struct Case {
        const char* name;
        std::string keys;
        float harbour;
        V unarmed;
        float rearm;
        V torpedo;
    } cases[] = {
        {"n", "n", 0, {1, 0, 0}, 0, {0, 1, 0}},
        {"no torpedo bomber in the fit hangars", "", 0, {0, 0, 0}, 0, {0, 1, 0}},
        {"the harbour strike", "", 1, {1, 0, 1}, 1, {1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st(c.keys);
        st.flight_decks(JAPANESE, {10, 0, 7});
        set_column(st->T, JAPANESE, T_HANGAR, c.unarmed);
        set_column(st->T, JAPANESE, T_TORPEDO, {0, 1, 0});
        set_column(st->D, JAPANESE, D_HANGAR, {0, 0, 2});
        st->REARM_FLAG = 1;
        st->PEARL_HARBOR_TURN = c.harbour;
        EXPECT_EQ(run_block(*st, Block::MaintenancePhase), Block::ShelterPhase);
        EXPECT_EQ(st->REARM_FLAG, c.rearm);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), c.torpedo);
        EXPECT_EQ(column_of(st->D, JAPANESE, D_ARMED), (V{0, 0, 2}));
    }
}

// The shelter phase: the stage step, the deck rows, and the return of each type, the torpedo
// share asked even when every unit carries one load; an empty count is read again, negative
// and fractional counts and shares outside 0 to the request are refused.
TEST(ShelterPhase, ReturnDialogue) {
    Carriers st(
        "y{ENTER}-1{ENTER}0.5{ENTER}1{ENTER}"
        "4{ENTER}2{ENTER}"
        "3{ENTER}-1{ENTER}1{ENTER}");
    st->AIR_DISTANCE = 4;
    st->BASE_DISTANCE = 6;
    set_column(st->F, JAPANESE, F_DECK, {2, 0, 1});
    set_column(st->F, JAPANESE, F_HOME_LAST, {1, 0, 0});  // lands in the stage step
    set_column(st->T, JAPANESE, T_DECK_TORPEDO, {2, 0, 0});
    set_column(st->T, JAPANESE, T_DECK_BOMB, {0, 0, 1});
    EXPECT_EQ(run_block(*st, Block::ShelterPhase), Block::SurfacePhase);
    EXPECT_EQ(st->PT(0), 6);
    EXPECT_EQ(st->TT(TT_AIR_DISTANCE), 4);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 16, 21, "現在甲板に零式艦戦 3 ユニット待機中", 6));
    EXPECT_TRUE(shows(s, 54, 23, "(雷装 2 爆装 1 )", 6));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_HANGAR), (V{2, 0, 0}));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{1, 0, 1}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_BOMB), (V{0, 0, 1}));
    EXPECT_EQ(st->INPUT_NUM, 2) << "the torpedo bombers' request stays";
    // The share is asked even when every unit on deck carries one load.
    Carriers one_load("y1{ENTER}");
    set_column(one_load->T, JAPANESE, T_DECK_TORPEDO, {2, 0, 0});
    EXPECT_TRUE(run_out(one_load, Block::ShelterPhase));
    EXPECT_TRUE(shows(one_load.console.screen(), 10, 20, "そのうち雷装は何ユニット ?  ", 6));
}

// Nothing on the fit decks: the rows show 0 and no question comes; "n" ends the phase.
TEST(ShelterPhase, NoQuestion) {
    {
        Carriers st;
        st.flight_decks(JAPANESE, {7, 10, 10});
        set_column(st->F, JAPANESE, F_DECK, {3, 0, 0});
        EXPECT_EQ(run_block(*st, Block::ShelterPhase), Block::SurfacePhase);
        const auto& s = st.console.screen();
        EXPECT_TRUE(shows(s, 16, 21, "現在甲板に零式艦戦 0 ユニット待機中", 6));
        EXPECT_TRUE(shows(s, 54, 23, "(雷装 0 爆装 0 )", 6));
        EXPECT_EQ(row_of(s, 20), "");
    }
    Carriers st("xn");
    set_column(st->D, JAPANESE, D_DECK, {1, 0, 0});
    EXPECT_EQ(run_block(*st, Block::ShelterPhase), Block::SurfacePhase);
    EXPECT_TRUE(shows(st.console.screen(), 10, 20, "待機中の機を格納庫に戻しますか ?  Hit Y - N Key", 3));
    EXPECT_EQ(column_of(st->D, JAPANESE, D_DECK), (V{1, 0, 0}));
}

// A whole sub-turn's carrier phases, launch to shelter, with every question declined.
TEST(CarrierPhases, SubturnRunsOnToTheSurfacePhase) {
    Carriers st("nnnnn");
    set_column(st->F, JAPANESE, F_DECK, {1, 0, 0});
    set_column(st->D, JAPANESE, D_DECK, {1, 0, 0});
    set_column(st->F, JAPANESE, F_HANGAR, {9, 0, 0});
    set_column(st->T, JAPANESE, T_HANGAR, {1, 0, 0});
    std::vector<Block> trail;
    run_until(*st, Block::PlayerStrikeLaunch, Block::SurfacePhase, &trail);
    EXPECT_EQ(trail, (std::vector<Block>{Block::PlayerStrikeLaunch, Block::DeckStandbyPhase, Block::MaintenancePhase,
                                         Block::ShelterPhase}));
}
