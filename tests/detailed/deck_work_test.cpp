// The deck work after the strike launch, from key scripts: the combat air patrol launch, the
// spotting, the arming, the striking down, and the hour that runs them in order.
#include <gtest/gtest.h>

#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/carrier_operations.h"
#include "tests/detailed/carrier_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

// The key the script holds after the call: the dialogue read no further than its answers.
std::string next_key() { return con::wait_key_string(); }

bool rows_blank(int first, int last) {
    for (int r = first; r <= last; ++r)
        if (!row_of(con::screen(), r).empty()) return false;
    return true;
}

}  // namespace

TEST(AirPatrolLaunch, QuestionCountAndMove) {
    // Nothing ready: nothing shown, no key read.
    Loaded none("!");
    carrier_fleet(*none, 1);
    launch_air_patrol(*none);
    EXPECT_TRUE(rows_blank(19, 23));
    EXPECT_EQ(next_key(), "!");

    const struct {
        const char* name;
        const char* keys;
        float launched;
    } cases[] = {
        {"n", "n!", 0},
        {"a wrong key asks again", "xN!", 0},
        {"empty, above, negative and fractions asked again; 4機 is 4",
         "y{ENTER}13{ENTER}-1{ENTER}2.5{ENTER}4機{ENTER}!", 4},
        {"0 launches nothing", "y0{ENTER}!", 0},
        {"text without a number is 0", "yabc{ENTER}!", 0},
        {"all of them", "y12{ENTER}!", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st(c.keys);
        carrier_fleet(*st, 2);
        st->F(0, 1, AIR_FIGHTERS, F_DECK) = 8, st->F(0, 2, AIR_FIGHTERS, F_DECK) = 4;
        st->FIGHTERS_READY = 12;
        con::color(3);
        con::print_at(con::Col(19), con::Row(19), "帰艦は夜間になります");
        launch_air_patrol(*st);
        const con::real up =
            con::L(st->F(0, 1, AIR_FIGHTERS, F_PATROL_FIRST)) + st->F(0, 2, AIR_FIGHTERS, F_PATROL_FIRST);
        EXPECT_EQ(up, c.launched);
        EXPECT_EQ(con::L(st->A(0, 1, A_AIRCRAFT_AWAY)) + st->A(0, 2, A_AIRCRAFT_AWAY), c.launched);
        EXPECT_EQ(st->FIGHTERS_READY, 12) << "unchanged";
        EXPECT_TRUE(shows(con::screen(), 16, 22, "零式艦戦 12 機待機中", 6));
        EXPECT_EQ(text_at(con::screen(), 19, 19, 20), std::string(20, ' ')) << "the night text blanked";
        EXPECT_EQ(next_key(), "!");
    }
    Loaded q("y");
    carrier_fleet(*q, 1);
    q->FIGHTERS_READY = 3;
    EXPECT_THROW(launch_air_patrol(*q), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "何機の零式艦戦を出しますか ?", 7));
}

TEST(DeckSpotting, NothingReadyOrNoRoom) {
    // Aircraft not ready and unarmed torpedo bombers only: rows 20-23 blanked, nothing asked.
    Loaded idle("!");
    carrier_fleet(*idle, 1);
    idle->F(0, 1, AIR_FIGHTERS, F_NOT_READY) = 9, idle->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 9;
    con::print_at(con::Col(10), con::Row(21), "OLD");
    spot_aircraft(*idle);
    EXPECT_TRUE(rows_blank(20, 23));
    EXPECT_EQ(next_key(), "!");
    // Capacities of 67 and 68 give a deck of 68; 68 on deck leave no room.
    Loaded full("!");
    carrier_fleet(*full, 2);
    full->A(0, 1, A_CAPACITY) = 67, full->A(0, 2, A_CAPACITY) = 68;
    full->F(0, 1, AIR_FIGHTERS, F_DECK) = 60, full->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 8;
    full->F(0, 1, AIR_DIVE_BOMBERS, F_HANGAR) = 5;
    spot_aircraft(*full);
    EXPECT_EQ(full->DECK_ROOM, 0);
    EXPECT_EQ(full->F(0, 1, AIR_DIVE_BOMBERS, F_HANGAR), 5);
    EXPECT_EQ(next_key(), "!");
}

TEST(DeckSpotting, LoneFightersGoUpWithoutAQuestion) {
    const struct {
        const char* name;
        float fighters, dive_bombers;
        bool automatic;
    } cases[] = {
        {"48 fighters", 48, 0, true},
        {"49 fighters", 49, 0, false},
        {"a dive bomber beside them", 10, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st(c.automatic ? "!" : "");
        carrier_fleet(*st, 2);
        st->F(0, 1, AIR_FIGHTERS, F_HANGAR) = c.fighters;
        st->F(0, 1, AIR_FIGHTERS, F_NOT_READY) = 3;
        st->F(0, 2, AIR_DIVE_BOMBERS, F_HANGAR) = c.dive_bombers;
        if (!c.automatic) {
            EXPECT_THROW(spot_aircraft(*st), con::ProgramEnd);
            EXPECT_TRUE(shows(con::screen(), 10, 20, "格納庫内の機を甲板に上げますか ?  Hit Y - N Key", 6));
            continue;
        }
        spot_aircraft(*st);
        EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK), 48);
        EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_NOT_READY), 3) << "those not ready stay below";
        EXPECT_EQ(st->DECK_ROOM, 60) << "not lowered";
        EXPECT_TRUE(rows_blank(20, 23));
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(DeckSpotting, TotalsCountsAndLoads) {
    // Room 30 (one carrier of 60): 20 ready fighters, 15 dive bombers with bombs, torpedo
    // bombers 3 with torpedoes and 2 with bombs (4 unarmed beside them).
    Loaded st("xy{ENTER}25{ENTER}-1{ENTER}1.5{ENTER}20{ENTER}{ENTER}6{ENTER}3{ENTER}3{ENTER}!");
    carrier_fleet(*st, 1);
    st->F(0, 1, AIR_FIGHTERS, F_HANGAR) = 20, st->F(0, 1, AIR_FIGHTERS, F_NOT_READY) = 2;
    st->F(0, 1, AIR_DIVE_BOMBERS, F_HANGAR) = 15;
    st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 3, st->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 2;
    st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 4;
    st->HW(HW_TORPEDOES) = 5, st->HW(HW_ARMING_TORPEDOES) = 1;
    spot_aircraft(*st);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 16, 21, "現在格納庫内に零式艦戦 22 機待機中", 6));
    EXPECT_TRUE(shows(s, 16, 23, "現在格納庫内に９７式艦攻 9 機待機中", 6));
    EXPECT_TRUE(shows(s, 58, 21, "(装備終了 20 )", 6));
    EXPECT_TRUE(shows(s, 58, 22, "(爆弾搭載 15 )", 6));
    EXPECT_TRUE(shows(s, 58, 23, "(雷装 3 爆装 2 )", 6));
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK), 20) << "25, -1 and 1.5 asked again";
    EXPECT_EQ(st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK), 0) << "an empty answer skips them";
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK), 3) << "6 refused; 3 of 5 with a share of 3";
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK), 0);
    EXPECT_EQ(st->DECK_ROOM, 7);
    EXPECT_EQ(st->HW(HW_ARMING_TORPEDOES), 0) << "taken below 0 and set to 0";
    EXPECT_EQ(next_key(), "!");
    // The prompts show the room left.
    Loaded p("y20{ENTER}");
    carrier_fleet(*p, 1);
    p->F(0, 1, AIR_FIGHTERS, F_HANGAR) = 20, p->F(0, 1, AIR_DIVE_BOMBERS, F_HANGAR) = 15;
    EXPECT_THROW(spot_aircraft(*p), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "何機の９９式艦爆を上げますか ? (合計 10 まで)", 6));
}

TEST(Arming, ServicingQuestionAndLoads) {
    // Two carriers, one with 9 torpedo-armed and one with 9 bomb-armed: 9 torpedoes spread.
    Loaded st("xy-3{ENTER}2.5{ENTER}{ENTER}19{ENTER}9{ENTER}!");
    carrier_fleet(*st, 2);
    st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 9, st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 9;
    st->F(0, 1, AIR_FIGHTERS, F_NOT_READY) = 4, st->F(0, 2, AIR_DIVE_BOMBERS, F_NOT_READY) = 5;
    st->REARM_FLAG = 5;
    ARMING_PHASE(*st);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 5);
    EXPECT_EQ(st->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 4);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 4);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 5);
    EXPECT_EQ(st->REARM_FLAG, 0);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_HANGAR), 4) << "serviced";
    EXPECT_EQ(st->F(0, 2, AIR_DIVE_BOMBERS, F_HANGAR), 5);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 10, 22, "現在格納庫内に９７式艦攻 18 機待機中(雷装 9 爆装 9 )", 6));
    EXPECT_TRUE(shows(s, 10, 20, "魚雷装備は何機ですか ?", 4));
    EXPECT_TRUE(rows_blank(21, 21)) << "no stock line outside the harbour raid";
    EXPECT_EQ(next_key(), "!");

    const struct {
        const char* name;
        const char* keys;
        float torpedo, bomb, flag;
    } cases[] = {
        {"n keeps the loads and clears the flag", "n!", 6, 3, 0},
        {"0: all bombs, a change", "y0{ENTER}!", 0, 9, 5},
        {"text without a number is 0", "yabc{ENTER}!", 0, 9, 5},
        {"6: the same totals", "y6{ENTER}!", 6, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded a(c.keys);
        carrier_fleet(*a, 1);
        a->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 6, a->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 3;
        a->REARM_FLAG = 5;
        ARMING_PHASE(*a);
        EXPECT_EQ(a->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), c.torpedo);
        EXPECT_EQ(a->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), c.bomb);
        EXPECT_EQ(a->REARM_FLAG, c.flag);
        EXPECT_EQ(next_key(), "!");
    }
}

TEST(Arming, AutomaticNothingToArmAndDamagedCarriers) {
    // A Japanese-held objective outside the harbour raid: all torpedoes, nothing shown.
    Loaded j("!");
    carrier_fleet(*j, 1);
    j->P(7, P_HOLDER) = 0;
    j->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 4, j->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 2;
    ARMING_PHASE(*j);
    EXPECT_EQ(j->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 6);
    EXPECT_EQ(j->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 0);
    EXPECT_EQ(j->REARM_FLAG, 0);
    EXPECT_TRUE(rows_blank(20, 23));
    EXPECT_EQ(next_key(), "!");
    // Torpedo bombers only on deck: nothing to arm, but the servicing is done.
    Loaded d("!");
    carrier_fleet(*d, 1);
    d->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 5, d->F(0, 1, AIR_DIVE_BOMBERS, F_NOT_READY) = 2;
    ARMING_PHASE(*d);
    EXPECT_EQ(d->F(0, 1, AIR_DIVE_BOMBERS, F_HANGAR), 2);
    EXPECT_EQ(next_key(), "!");
    // A damaged carrier's 6 lose their loads and take part in the passes; the prompt offers
    // only the fit carrier's 6, so 6 of the fleet stay unarmed.
    Loaded h("y7{ENTER}6{ENTER}!");
    carrier_fleet(*h, 2);
    h->A(0, 1, A_DURABILITY) = 2;
    h->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR) = 6, h->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR) = 6;
    ARMING_PHASE(*h);
    EXPECT_EQ(con::L(h->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED)) + h->F(0, 2, AIR_TORPEDO_BOMBERS, F_UNARMED), 6);
    EXPECT_EQ(
        con::L(h->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR)) + h->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR),
        6);
    EXPECT_EQ(next_key(), "!");
    // The harbour raid shows its stocks on row 21 in white and never arms automatically.
    Loaded r("");
    carrier_fleet(*r, 1);
    r->P(7, P_HOLDER) = 0, r->PEARL_HARBOR_TURN = 1;
    r->HW(HW_ARMING_TORPEDOES) = 40, r->HW(HW_ARMING_BOMBS) = 49;
    r->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 3;
    EXPECT_THROW(ARMING_PHASE(*r), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 10, 21, "浅海用魚雷残り 40  ８００Ｋｇ爆弾残り 49 ", 7));
    EXPECT_TRUE(shows(con::screen(), 10, 20, "艦攻の装備をしますか ?  Hit Y - N Key", 4));
}

TEST(StrikingDown, QuestionCountsLoadsAndTheFinalStatus) {
    // Nothing on deck: the status with zeros, no question.
    Loaded none("!");
    carrier_fleet(*none, 1);
    strike_down(*none);
    EXPECT_TRUE(shows(con::screen(), 16, 21, "現在甲板に零式艦戦 0 機待機中", 6));
    EXPECT_EQ(next_key(), "!");

    // Fighters 3 on deck of slot 1 (flight deck 7: counted before, not after); torpedo
    // bombers 3 + 3 on slot 2, a share of 1 of 4; slot 3 damaged keeps its aircraft.
    Loaded st("xy{ENTER}4{ENTER}-1{ENTER}2{ENTER}4{ENTER}1.5{ENTER}1{ENTER}!");
    carrier_fleet(*st, 3);
    st->A(0, 1, A_FLIGHT_DECK) = 7;
    st->F(0, 1, AIR_FIGHTERS, F_DECK) = 3;
    st->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 3, st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 3;
    st->A(0, 3, A_DURABILITY) = 2, st->F(0, 3, AIR_DIVE_BOMBERS, F_DECK) = 5;
    st->HW(HW_TORPEDOES) = 1, st->HW(HW_ARMING_TORPEDOES) = 0;
    IDO11(*st);
    strike_down(*st);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_HANGAR), 2);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_TORPEDO_HANGAR), 1);
    EXPECT_EQ(st->F(0, 2, AIR_TORPEDO_BOMBERS, F_BOMB_HANGAR), 3);
    EXPECT_EQ(st->F(0, 3, AIR_DIVE_BOMBERS, F_DECK), 5);
    EXPECT_EQ(st->HW(HW_ARMING_TORPEDOES), 1);
    const auto& s = con::screen();
    EXPECT_TRUE(shows(s, 16, 21, "現在甲板に零式艦戦 0 機待機中", 6)) << "recounted without slot 1";
    EXPECT_TRUE(shows(s, 54, 23, "(雷装 2 爆装 0 )", 6));
    EXPECT_EQ(next_key(), "!");
    // N ends at once with the first status; the question in magenta.
    Loaded n("n!");
    carrier_fleet(*n, 1);
    n->F(0, 1, AIR_FIGHTERS, F_DECK) = 3;
    IDO11(*n);
    strike_down(*n);
    EXPECT_EQ(n->F(0, 1, AIR_FIGHTERS, F_DECK), 3);
    EXPECT_TRUE(shows(con::screen(), 10, 20, "待機中の機を格納庫に戻しますか ?  Hit Y - N Key", 3));
    EXPECT_EQ(next_key(), "!");
}

TEST(CarrierOperationsHour, AnHourWithoutWorkingFlightDecks) {
    // Decks under repair: the launch offer finds nothing, no patrol and no spotting; the
    // arming asks; nothing waits on deck to strike down.
    Loaded st("n!");
    carrier_fleet(*st, 2);
    for (int j = 1; j <= 2; ++j) {
        st->A(0, j, A_FLIGHT_DECK) = 6;
        st->F(0, j, AIR_FIGHTERS, F_HANGAR) = 9, st->F(0, j, AIR_TORPEDO_BOMBERS, F_UNARMED) = 9;
    }
    EXPECT_EQ(CARRIER_OPERATIONS_HOUR(*st), Block::SurfacePhase);
    EXPECT_EQ(st->FIGHTERS_READY, 0);
    EXPECT_EQ(st->F(0, 1, AIR_FIGHTERS, F_DECK), 0);
    EXPECT_TRUE(shows(con::screen(), 16, 23, "現在甲板に９７式艦攻 0 機待機中", 6));
    EXPECT_EQ(next_key(), "!");
}
