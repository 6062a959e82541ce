// MORVA95F: the single operation's order of battle (scenario 6): the turn whose rules apply,
// the reserve, the Allied ships the player picks (HENSEI2), and the target base's strength and
// aircraft as the player types them.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/organisation.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

// Where Allied ship i stands on the list.
struct Place {
    int x;
    int y;
};

Place place_of(int i) {
    if (i <= 15) return {0, i};
    if (i <= 35) return {40, i - 15};
    return {0, i - 19};
}

void list_allied_ships(const State& st) {
    con::color(6);
    con::print_at(con::Col(15), con::Row(0), "耐久力 収容力 速力 対空力");
    con::print_at(con::Col(55), con::Row(0), "耐久力 攻撃力 速力 対空力");
    for (int i = 1; i <= kAlliedShips; ++i) {
        const Place p = place_of(i);
        con::print_at(con::Col(p.x), con::Row(p.y), st.MX(1, i));
        con::locate(con::Col(p.x + 15), con::Row(p.y));
        con::print_single_item(st.A(1, i, A_DURABILITY));
        con::print_string_item("/");
        con::print_single_item(st.A(1, i, A_FULL_DURABILITY));
        con::print_string_item(" ");
        con::print_single_item(st.A(1, i, i <= kAlliedCarriers ? A_CAPACITY : A_GUN_POWER));
        con::locate(con::Col(p.x + 30), con::Row(p.y));
        con::print_using_start("##@#");
        con::print_using_single(st.A(1, i, A_SPEED));
        con::print_using_string("   ");
        con::print_using_single(st.A(1, i, A_ANTI_AIRCRAFT));
        con::print_using_end(false);  // no line end: ship 42 stands on row 23
    }
}

// "1" or "2" for ship i (the key is kept nowhere).
std::string ask_joins(const State& st, int i) {
    std::string key;
    return morva::ask_key(key,
                          {{37, 22, morva::kColourInForce, con::space_string(42)},
                           {39, 22, 7, st.MX(1, i) + " を参戦させますか ?"}},
                          "12", morva::Shown::BeforeEachKey);
}

// A number typed at (col, 22) after `blank` and the question; asked again, from the blanking,
// while it lies outside lo-hi or, where `whole` is set, has a fraction.
float ask_value(void (*blank)(), const std::string& question, int col, con::real lo, con::real hi, bool whole) {
    const auto ask = [&] {
        blank();
        con::print_at(con::Col(39), con::Row(22), question);
    };
    return con::store(morva::ask_number(ask, {col, 22, ""}, lo, hi, whole));
}

void blank_notes() {
    con::print_at(con::Col(44), con::Row(21), con::space_string(16));
    con::print_at(con::Col(39), con::Row(23), con::space_string(40));
}

void blank_question() { con::print_at(con::Col(39), con::Row(22), con::space_string(40)); }

}  // namespace

void HENSEI2(State& st) {
    con::clear_screen(4);
    for (int k = 1; k <= 8; ++k) st.C(1, 1, k) = 0;
    for (int k = 1; k <= 27; ++k) st.G(1, 1, k) = 0;
    list_allied_ships(st);
    con::color(7);
    con::print_at(con::Col(49), con::Row(23), " Hit 1 (Yes) - 2 (No) Key");
    int carriers = 0, battleships = 0;
    for (int i = 1; i <= kAlliedShips; ++i) {
        const bool carrier = i <= kAlliedCarriers;
        if (i == 1 || i == 16) {
            con::color(4);
            con::print_at(con::Col(44), con::Row(21), i == 1 ? "空母は８隻まで" : "戦艦は２０隻まで");
        }
        const bool full = (carriers == 8 && carrier) || (battleships == 20 && !carrier);
        const std::string answer = full ? "2" : ask_joins(st, i);
        const Place p = place_of(i);
        con::locate(con::Col(p.x + 13), con::Row(p.y));
        if (answer == "2") {
            con::color(3);
            con::print_string_item(" X");
            continue;
        }
        con::color(5);
        int count = 0;
        if (carrier) {
            count = ++carriers;
            st.C(1, 1, count) = static_cast<float>(i);
            st.A(1, i, A_FLIGHT_DECK) = 10;
        } else {
            count = ++battleships;
            st.G(1, 1, count) = static_cast<float>(i);
        }
        st.A(1, i, A_COMMITTED) = 1;
        con::print_using_start("##");
        con::print_using_double(count);
        con::print_using_end(false);
    }
    st.CV(1, 1) = static_cast<float>(carriers);
    st.BB(1, 1) = static_cast<float>(battleships);
    con::print_at(con::Col(37), con::Row(22), con::space_string(42));
    con::print_at(con::Col(38), con::Row(23), con::space_string(41));
    con::color(7);
    con::print_at(con::Col(39), con::Row(23), "よろしいですか ?  Hit Y - N Key");
}

Block SINGLE_OPERATION_ORDER(State& st) {
    st.TURN_NO = con::store(con::L(st.AT(1)) - 9);
    if (st.TURN_NO < 2) st.TURN_NO = 2;
    for (int t = 1; t <= 3; ++t) st.V(t, V_RESERVE) = st.V(t, 1);
    HENSEI2(st);
    // Only the upper-case letters answer this question (shown by HENSEI2).
    if (!morva::ask_yes_no(st.WAIT_KEY_RESULT, {}, "Y", "N")) {
        con::print_at(con::Col(0), con::Row(23), con::space_string(60));
        return Block::SingleOperationOrder;
    }
    st.P(st.AT(1), P_STRENGTH) = ask_value(blank_notes, "攻撃目標の勢力値は ?           ", 62, 1, 99, false);
    for (int k = 0; k <= 3; ++k) {
        // Made safe on purpose: a count of aircraft with a fraction is refused like one
        // outside 0-300.
        const std::string question = "目標の保有する" + st.NX(k + 4) + "の機数は ?   ";
        st.Q(k, Q_NOT_READY) = ask_value(blank_question, question, 73, 0, 300, true);
    }
    return Block::OperationsReset;
}

}  // namespace morva95f
