// MORVA95F: the turn's operations: the per-turn repair and resets, each air fleet's operation
// start with its announcement and the Allied task-force split, and the end of each day and of
// the operation (capture or failure, the harbour-yard damage, the reserve's losses).
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

float current_fleet(const State& st) { return st.FLEET_NO; }

void set_fleet_values(State& st, float f) {
    st.TT(TT_FLEET) = f;
    st.TT(TT_BASE_STRUCK) = 0;
    con::clear_screen(0);
    st.TK(TK_POSTURE) = 0;
    st.ALLIED_CV_COUNT = st.CV(1, f);
    st.ALLIED_BB_COUNT = st.BB(1, f);
    st.ALLIED_CV_FIT = st.ALLIED_CV_COUNT;
    // For a fleet without objective this copies within row 0 of the base table.
    st.P(st.AT(f), P_AIR_DEFENCE) = st.P(st.AT(f), P_STRENGTH);
    st.BASE_DEFENCE_MAX = st.P(st.AT(f), P_AIR_DEFENCE);
    st.ALLIED_CV_AFLOAT = st.ALLIED_CV_COUNT;
    for (int k = 1; k <= 3; ++k) st.KM(k) = 0;
    const con::real turn = con::L(st.TURN_NO);
    st.DF(DF_OWN_FLEET) = con::store(turn + 10);
    st.DF(1) = con::store(turn + 10 * (2 + con::int_floor((turn - 1) / 4)));
    // The draw is made here, before the skip test, so a skipped fleet consumes one too.
    if (st.COMMANDER_CHARACTER == 0)
        st.OPERATION_CHARACTER = con::store(1 - 2 * con::int_floor(con::L(con::rnd()) * 2));
    else
        st.OPERATION_CHARACTER = st.COMMANDER_CHARACTER;
    st.TT(TT_CHARACTER) = st.OPERATION_CHARACTER;
}

void list_fleet_ships(State& st, float f) {
    con::color(6);
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long k = 1; k <= carriers; ++k) {
        con::locate(con::Col(18), con::Row(4 + k));
        con::print_single_item(static_cast<float>(k));
        con::locate(con::Col(22), con::Row(4 + k));
        con::print_string_item(st.MX(0, st.C(0, f, k)));
    }
    const long battleships = con::round_half_away(st.BB(0, f));
    for (long k = 1; k <= battleships; ++k) {
        const long q = k / 9;  // battleships 9-12 stand in a second column
        con::locate(con::Col(37 + 10 * q), con::Row(4 + k - 8 * q));
        con::print_single_item(static_cast<float>(k));
        con::locate(con::Col(41 + 10 * q), con::Row(4 + k - 8 * q));
        con::print_string_item(st.MX(0, st.G(0, f, k)));
    }
}

void announce_operation(State& st, float f) {
    con::color(7);
    con::print_at(con::Col(34), con::Row(0), "第 1 日");
    con::print_at(con::Col(18), con::Row(2), "第");
    con::print_single_item(f);
    con::print_string_item("航空艦隊");
    con::locate(con::Col(36), con::Row(2));
    if (st.PEARL_HARBOR_TURN == 0) {
        con::print_string_item("攻略目標 敵拠点 ");
        con::print_string_item(st.TX(st.AT(f)));
        list_fleet_ships(st, f);
    } else {
        con::print_string_item("攻撃目標　真珠湾");
        st.AT(1) = 18;
        SETUMEI(st);
    }
}

void load_aircraft(State& st, float f) {
    // Every slot 1-8 is loaded, whatever the carrier count: a slot beyond the count loads from
    // whatever ship number it holds, an empty slot from the empty record of ship 0.
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 8; ++j) {
            const float ship = st.C(s, f, j);
            st.A(s, ship, A_AIRCRAFT_AWAY) = 0;
            for (int t = 0; t <= 2; ++t)
                st.F(s, j, t, F_NOT_READY) = st.A(s, ship, (s == 0 ? A_LOADED_FIGHTERS : A_FIGHTERS) + t);
        }
}

void stock_objective_base(State& st, float f) {
    const float b = st.AT(f);
    const con::real strength = con::L(st.P(b, P_STRENGTH));
    for (int k = 0; k <= 3; ++k)
        for (int state = 0; state <= 5; ++state) st.Q(k, state) = 0;
    for (int k = 0; k <= 2; ++k) {
        con::real n = con::int_floor(4 * strength + 10 + 20 * con::L(con::rnd()) - 20 * k);
        if (k == 1 && (b == 8 || b == 20)) {  // the British bases hold no dive bombers
            st.Q(AIR_DIVE_BOMBERS, Q_NOT_READY) = 0;
            continue;
        }
        if (st.PEARL_HARBOR_TURN > 0) n = con::int_floor(145 + 11 * con::L(con::rnd()));
        if (n > 250) n = 250;
        if (n < 10) n = 10;
        st.Q(k, Q_NOT_READY) = con::store(n);
    }
    st.Q(AIR_HEAVY_BOMBERS, Q_NOT_READY) =
        con::store(con::L(st.P(b, P_BOMBER_FACTOR)) * (2 * strength + con::int_floor(11 * con::L(con::rnd()))));
}

// Steps 3-8 of OPERATION_END: the report, the fleet's return and the reserve's losses.
Block report_operation_end(State& st) {
    const float f = current_fleet(st);
    const float b = st.AT(f);
    con::clear_screen(0);
    con::locate(con::Col(10), con::Row(8));
    con::color(6);
    con::print_string_item("第 ");
    con::print_single_item(f);
    con::print_string_item(" 艦隊作戦終了");
    con::print_end();
    if (st.PEARL_HARBOR_TURN > 0) {
        if (st.HW(HW_HITS) > 230) {
            st.HW(HW_NO_REPAIR_TURNS) = con::store(con::int_floor((con::L(st.HW(HW_HITS)) - 230) / 18));
            if (st.HW(HW_NO_REPAIR_TURNS) > 0) {
                con::color(7);
                con::print_at(con::Col(12), con::Row(11), "真珠湾軍港の工廠施設に多大の損害を与えたと思われる");
                con::print_end();
                con::print_at(con::Col(15), con::Row(12), "（しばらくの間アメリカ軍の艦船修理能力は半減します）");
                con::print_end();
            }
        }
        MATU(st);
    } else {
        con::locate(con::Col(12), con::Row(11));
        const bool failed = st.P(b, P_HOLDER) > 0;
        con::color(failed ? 3 : 5);
        con::print_string_item(st.TX(b));
        con::print_string_item(failed ? "侵攻作戦は失敗せり" : "を占領せり");
        con::print_end();
    }
    PAUSE_MESSAGE(st);
    con::locate(con::Col(10), con::Row(15));
    con::color(6);
    con::print_string_item("第 ");
    con::print_single_item(f);
    con::print_string_item(" 艦隊は帰投します");
    con::print_end();
    PAUSE_MESSAGE(st);
    // The reserve loses, type by type, what each carrier lost against the group it sailed with.
    const long carriers = con::round_half_away(st.CV(0, f));
    for (int t = 1; t <= 3; ++t)
        for (long k = 1; k <= carriers; ++k) {
            const float s = st.C(0, f, k);
            st.V(t, V_RESERVE) = con::store(con::L(st.V(t, V_RESERVE)) + con::L(st.F(0, k, t - 1, F_NOT_READY)) -
                                            con::L(st.A(0, s, A_LOADED_FIGHTERS + t - 1)));
        }
    return Block::NextFleet;
}

}  // namespace

Block OPERATIONS_START(State& st) {
    // Ships that sit the turn out are repaired by a point (Japanese ships 34-42 do not exist).
    for (int side = 0; side <= 1; ++side) {
        const int last = side == 0 ? 33 : 42;
        for (int ship = 1; ship <= last; ++ship) {
            const float d = st.A(side, ship, A_DURABILITY);
            if (d >= 1 && d != st.A(side, ship, A_FULL_DURABILITY) && st.A(side, ship, A_COMMITTED) != 1)
                st.A(side, ship, A_DURABILITY) = con::store(con::L(d) + 1);
        }
    }
    return Block::OperationsReset;
}

Block OPERATIONS_RESET(State& st) {
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    st.OPERATION_ACTIVE = 1;
    st.TT(TT_HARBOUR_STRIKE) = st.PEARL_HARBOR_TURN;
    st.HW(HW_BASE_STRUCK) = 0;
    st.SURPRISE_ROLLED = 0;
    st.FLEET_NO = 1;
    return Block::FleetOperation;
}

Block FLEET_OPERATION(State& st) {
    const float f = current_fleet(st);
    set_fleet_values(st, f);
    if (st.CV(0, f) < 1 || st.AT(f) == 0) return Block::NextFleet;
    announce_operation(st, f);
    load_aircraft(st, f);
    if (st.SCENARIO_NO != 6) stock_objective_base(st, f);
    for (int k = 0; k <= 3; ++k) st.O(k) = st.Q(k, Q_NOT_READY);
    st.TT(TT_TURN) = st.TURN_NO;
    st.TT(TT_DAY) = st.DAY_NO;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    if (st.CV(1, f) > 0)
        HENSEI3(st);
    else
        for (int k = 1; k <= 6; ++k) st.KS(k) = 0;
    return Block::DayLoop;
}

Block END_OF_DAY(State& st) {
    IDO10(st);
    const float b = st.AT(current_fleet(st));
    if (st.PEARL_HARBOR_TURN > 0 || st.P(b, P_HOLDER) == 0) return Block::OperationEnd;
    if (st.SCENARIO_NO != 6) return Block::NextDay;
    con::clear_screen(0);
    // Only the upper-case letters answer this question.
    const bool end = morva::ask_yes_no(st.WAIT_KEY_RESULT,
                                       {{29, 11, morva::kColourInForce, "作戦終了しますか ?"},
                                        {33, 14, morva::kColourInForce, "Hit Y or N Key"}},
                                       "Y", "N", morva::Shown::BeforeEachKey);
    return end ? Block::OperationEnd : Block::NextDay;
}

Block OPERATION_END(State& st) {
    const float f = current_fleet(st);
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long k = 1; k <= carriers; ++k)
        if (st.A(0, st.C(0, f, k), A_DURABILITY) > 0) return report_operation_end(st);
    return Block::CarriersLost;
}

Block CARRIERS_LOST(State& st) {
    const float b = st.AT(current_fleet(st));
    st.P(b, P_HOLDER) = (b == 8 || b == 20) ? 2.0f : 1.0f;
    if (st.P(b, P_STRENGTH) < 8) st.P(b, P_STRENGTH) = 8;
    return report_operation_end(st);
}

void SETUMEI(State&) {
    con::color(5);
    con::print_at(con::Col(19), con::Row(5), "真珠湾に停泊している戦艦のうち");
    con::print_at(con::Col(9), con::Row(7), "MARYLAND,TENNESSEE,PENNSYLVANIA,ARIZONA は水平爆撃でなければ");
    con::print_at(con::Col(9), con::Row(9), "また WESTVIRGINIA,CALIFORNIA,NEVADA,OKLAHOMA は雷撃でなければ");
    con::print_at(con::Col(19), con::Row(11), "攻撃することはできません");
    con::print_at(con::Col(15), con::Row(13), "停泊戦艦攻撃用の爆弾,魚雷の数には制限があります");
}

}  // namespace morva95f
