// MORVA95S: HENSEI, the player's fleet organisation ship by ship, and HENSEI2, the choice of
// the Allied ships in the two single-engagement scenarios.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

// Where a Japanese ship stands in HENSEI's lists: carriers on the left, battleships on the right.
struct ListPlace {
    int column = 0;
    int row = 1;
};

bool is_listed(const State& st, int i, float turn, float scenario) {
    const bool single = scenario == 6 || scenario == 7;
    return !(st.A(0, i, A_DURABILITY) < 1) && !(st.A(0, i, A_FIRST_TURN) > turn && !single) &&
           !(st.A(0, i, A_FIRST_TURN) > 12);
}

void ship_values(const State& st, int side, float i, int col, int row, int speed_col) {
    con::locate(con::Col(col), con::Row(row));
    con::print_single_item(st.A(side, i, A_DURABILITY));
    con::print_string_item("/");
    con::print_single_item(st.A(side, i, A_FULL_DURABILITY));
    con::print_single_item(st.A(side, i, A_CAPACITY));
    con::locate(con::Col(speed_col), con::Row(row));
    con::print_single_item(st.A(side, i, A_SPEED));
}

void list_own_ships(State& st, float turn, float scenario) {
    ListPlace at;
    for (int i = 1; i <= kJapaneseShips; ++i) {
        if (i == 22) at = {28, 1};
        st.A(0, i, A_COMMITTED) = 0;
        if (!is_listed(st, i, turn, scenario)) continue;
        con::print_at(con::Col(at.column), con::Row(at.row + 2), st.MM(0, i));
        ship_values(st, 0, static_cast<float>(i), at.column + 6, at.row + 2, at.column + 18);
        ++at.row;
    }
}

// The answer for ship i: 3 without a question below half durability or when no fleet can
// take another carrier; otherwise the key 1-3 the player gives (refused keys ask again).
int ask_assignment(State& st, int i, float scenario) {
    const bool carrier = i <= kJapaneseCarriers;
    if (L(st.A(0, i, A_DURABILITY)) < L(st.A(0, i, A_FULL_DURABILITY)) / 2) return 3;
    if (carrier && st.E(3) == 9 && (scenario == 6 || st.E(4) == 9)) return 3;
    // Refused keys ask again: fleet 2 in the single engagements, a fleet whose carrier list
    // is full.
    std::string accepted = "3";
    for (int k = 2; k >= 1; --k)
        if (!(k == 2 && (scenario == 6 || scenario == 7)) && !(carrier && st.E(k + 2) > 8))
            accepted.insert(0, 1, static_cast<char>('0' + k));
    const std::string key = morva::ask_key(
        st.DIALOGUE_KEY,
        {{24, 23, morva::kColourInForce, con::space_string(50)},
         {25, 23, 5, st.MM(0, i) + " は どこに配属しますか ?   Hit 1 - 3 Key"}},
        accepted, morva::Shown::BeforeEachKey);
    return key[0] - '0';
}

void assign(State& st, int i, int k, float scenario) {
    st.A(0, i, A_COMMITTED) = 1;
    if (i > kJapaneseCarriers) {
        st.G(0, k, st.E(k)) = static_cast<float>(i);
        st.E(k) = st.E(k) + 1;
        if (scenario == 7) return;
    } else {
        st.C(0, k, st.E(k + 2)) = static_cast<float>(i);
        st.A(0, i, A_FLIGHT_DECK) = 10;
        st.E(k + 2) = st.E(k + 2) + 1;
        for (int t = 1; t <= 3; ++t) {
            st.V(t, k) = con::store(L(st.V(t, k)) + L(st.A(0, i, A_AIR_GROUP + t - 1)));
            con::locate(con::Col(32 + 5 * t), con::Row(15 + 2 * k));
            con::print_single_item(st.V(t, k));
            con::print_end();
        }
    }
    st.V(k, 3) = con::store(L(st.V(k, 3)) + L(st.A(0, i, A_ANTI_AIRCRAFT)));
    // The fleet's anti-aircraft strength is shown; the plain sum stays in V(k,3).
    con::locate(con::Col(52), con::Row(15 + 2 * k));
    con::print_number_item(con::int_floor((L(st.V(k, 3)) + 5) / 2));
}

void assign_own_ships(State& st, float turn, float scenario) {
    ListPlace at;
    for (int i = 1; i <= kJapaneseShips; ++i) {
        if (i == 22) at = {28, 1};
        if (!is_listed(st, i, turn, scenario)) continue;
        if (scenario == 7 && i <= kJapaneseCarriers) {
            ++at.row;  // listed, never asked
            continue;
        }
        const int k = ask_assignment(st, i, scenario);
        if (k != 3) assign(st, i, k, scenario);
        con::color(6 - k - k / 3);
        con::locate(con::Col(at.column + 22), con::Row(at.row + 2));
        con::print_number_item(k);
        ++at.row;
    }
}

// Screen place of Allied ship i in HENSEI2's list.
ListPlace allied_place(int i) {
    if (i <= kAlliedCarriers) return {0, i};
    if (i <= 35) return {40, i - 15};
    return {0, i - 19};
}

// The choice of ship i: true to take part. At a limit the ship stays out without a question.
bool allied_ship_joins(State& st, int i, bool at_limit) {
    if (at_limit) return false;
    const std::string key =
        morva::ask_key(st.DIALOGUE_KEY,
                       {{33, 22, morva::kColourInForce, con::space_string(45)}, {34, 22, 7, st.MM(1, i) + " を参戦させますか ?"}},
                       "12", morva::Shown::BeforeEachKey);
    return key == "1";
}

}  // namespace

void HENSEI(State& st) {
    const float turn = st.TT(TT_TURN);
    const float scenario = st.TT(TT_SCENARIO);
    for (int f = 1; f <= 2; ++f) {
        for (int k = 1; k <= 8; ++k) st.C(0, f, k) = 0;
        for (int k = 1; k <= 20; ++k) st.G(0, f, k) = 0;
    }
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) st.V(r, c) = 0;
    con::print_at(con::Col(5), con::Row(2), "耐久力 収容力 速力          耐久力 攻撃力 速力");
    list_own_ships(st, turn, scenario);
    con::color(4);
    con::print_at(con::Col(25), con::Row(17), "１ 第１艦隊");
    if (scenario < 6 || scenario == 8) con::print_at(con::Col(25), con::Row(19), "２ 第２艦隊");
    con::print_at(con::Col(25), con::Row(21), "３ 待機(修理)");
    for (int k = 1; k <= 4; ++k) st.E(k) = 1;
    assign_own_ships(st, turn, scenario);
}

void HENSEI2(State& st) {
    const float scenario = st.TT(TT_SCENARIO);
    con::clear_screen(0);
    for (int k = 1; k <= 8; ++k) st.C(1, 1, k) = 0;
    for (int k = 1; k <= 27; ++k) st.G(1, 1, k) = 0;
    con::color(6);
    con::print_at(con::Col(15), con::Row(0), "耐久力 収容力 速力");
    con::print_at(con::Col(55), con::Row(0), "耐久力 攻撃力 速力");
    for (int i = 1; i <= kAlliedShips; ++i) {
        const ListPlace at = allied_place(i);
        con::print_at(con::Col(at.column), con::Row(at.row), st.MM(1, i));
        ship_values(st, 1, static_cast<float>(i), at.column + 16, at.row, at.column + 28);
    }
    con::color(6);
    con::print_at(con::Col(33), con::Row(23), "   Hit 1 (Yes) - 2 (No) Key");
    int carriers = 0, battleships = 0;
    for (int i = 1; i <= kAlliedShips; ++i) {
        const bool carrier = i <= kAlliedCarriers;
        if (scenario == 7 && carrier) continue;
        if (i == 16) {
            con::color(4);
            con::print_at(con::Col(44), con::Row(21), "戦艦は２０隻まで");
        }
        const bool at_limit = carrier ? carriers == 8 : battleships == 20;
        const ListPlace at = allied_place(i);
        if (!allied_ship_joins(st, i, at_limit)) {
            con::color(3);
            con::print_at(con::Col(at.column + 13), con::Row(at.row), " X");
            continue;
        }
        con::color(5);
        const int place = carrier ? ++carriers : ++battleships;
        if (carrier) {
            st.C(1, 1, place) = static_cast<float>(i);
            st.A(1, i, A_FLIGHT_DECK) = 10;
        } else {
            st.G(1, 1, place) = static_cast<float>(i);
        }
        st.A(1, i, A_COMMITTED) = 1;
        con::locate(con::Col(at.column + 13), con::Row(at.row));
        con::print_using_start("##");
        con::print_using_number(place);
        con::print_using_end(false);
    }
    st.CV(1, 1) = static_cast<float>(carriers);
    st.BB(1, 1) = static_cast<float>(battleships);
    con::print_at(con::Col(33), con::Row(23), con::space_string(46));
    con::print_at(con::Col(33), con::Row(22), con::space_string(46));
    con::color(7);
    con::print_at(con::Col(34), con::Row(23), " よろしいですか ?  Hit Y - N Key");
}

}  // namespace morva95s
