// MORVA95F: HENSEI, the fleet-organisation screen: the list of the Japanese ships that may sail
// this turn and the placement of each in air fleet 1, air fleet 2 or standby, with the fleets'
// aircraft and anti-aircraft sums; the preset harbour-raid force of turn 1.
#include <vector>

#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/organisation.h"

namespace morva95f {
namespace {

// A ship on the list: its number and the row and base column it was listed at.
struct Listed {
    int ship;
    int base;
    int row;
};

bool is_carrier(int ship) { return ship <= kJapaneseCarriers; }

// Whether ship i may sail this turn. In the historical scenarios' first eight turns only the
// fast battleships 30-33 may join a fleet.
bool offered(const State& st, int i, float turn, float scenario) {
    if (st.A(0, i, A_DURABILITY) < 1) return false;
    if (st.A(0, i, A_FIRST_TURN) > turn && scenario != 6) return false;
    if (st.A(0, i, A_FIRST_TURN) > 12) return false;
    if (turn < 9 && st.TT(TT_SAVED_SCENARIO) < 4 && i > 21 && i < 30) return false;
    return true;
}

void show_early_war_note(const State& st, float turn) {
    const float saved = st.TT(TT_SAVED_SCENARIO);
    if ((saved > 3 && saved < 7) || turn > 8) return;
    con::print_at(con::Col(28), con::Row(9), "史実に基づくシナリオでは");
    con::print_at(con::Col(27), con::Row(10), "この時期は戦艦中心主義が");
    con::print_at(con::Col(27), con::Row(11), "主流のため高速戦艦以外は");
    con::print_at(con::Col(27), con::Row(12), "機動部隊に編入できません");
}

std::vector<Listed> list_ships(State& st, float turn, float scenario) {
    std::vector<Listed> listed;
    int carrier_row = 2, battleship_row = 2;
    for (int i = 1; i <= kJapaneseShips; ++i) {
        st.A(0, i, A_COMMITTED) = 0;
        if (!offered(st, i, turn, scenario)) continue;
        const Listed l{i, is_carrier(i) ? 0 : 28, is_carrier(i) ? carrier_row++ : battleship_row++};
        con::print_at(con::Col(l.base), con::Row(l.row), st.MX(0, i));
        con::locate(con::Col(l.base + 6), con::Row(l.row));
        con::print_single_item(st.A(0, i, A_DURABILITY));
        con::print_string_item("/");
        con::print_single_item(st.A(0, i, A_FULL_DURABILITY));
        con::print_single_item(st.A(0, i, is_carrier(i) ? A_CAPACITY : A_GUN_POWER));
        con::locate(con::Col(l.base + 18), con::Row(l.row));
        con::print_single_item(st.A(0, i, A_SPEED));
        listed.push_back(l);
    }
    return listed;
}

void show_legend(float scenario) {
    auto line = [](int row, const char* digit, const char* text, int colour) {
        con::color(7);
        con::print_at(con::Col(24), con::Row(row), digit);
        con::color(colour);
        con::print_string_item(text);
    };
    line(17, "１", " 第１艦隊", 4);
    if (scenario != 6) line(18, "２", " 第２艦隊", 4);
    line(19, "３", " 待機(修理)", 3);
}

void print_using_at(int col, int row, const char* format, con::real v) {
    con::locate(con::Col(col), con::Row(row));
    con::print_using_start(format);
    con::print_using_double(v);
    con::print_using_end(false);
}

// The preset harbour-raid force of turn 1 (scenarios 2 and 5), all of it in fleet 1.
bool in_preset_force(float scenario, int i) {
    if (scenario == 5) return i <= 8 || (i >= 30 && i <= 33);
    return (i >= 7 && i <= 12) || i == 31 || i == 33;
}

// The player's answer for ship i: 1 or 2 (fleet) or 3 (standby); 2 is refused in scenario 6.
int ask_placement(State& st, int i, float scenario) {
    std::string key;  // kept nowhere
    const std::string answer =
        morva::ask_key(key,
                       {{24, 22, morva::kColourInForce, con::space_string(56)},
                        {24, 22, 5, st.MX(0, i) + " は どこに配属しますか ?   Hit 1 - 3 Key"}},
                       scenario != 6 ? "123" : "13", morva::Shown::BeforeEachKey);
    return static_cast<int>(con::val(answer));
}

void place_battleship(State& st, int i, int f) {
    st.G(0, f, st.E(E_BATTLESHIP_SLOTS + f)) = static_cast<float>(i);
    st.E(E_BATTLESHIP_SLOTS + f) = con::store(con::L(st.E(E_BATTLESHIP_SLOTS + f)) + 1);
    st.A(0, i, A_COMMITTED) = 1;
}

void place_carrier(State& st, FleetTotals& totals, int i, int f) {
    st.C(0, f, st.E(E_CARRIER_SLOTS + f)) = static_cast<float>(i);
    st.A(0, i, A_FLIGHT_DECK) = 10;
    st.E(E_CARRIER_SLOTS + f) = con::store(con::L(st.E(E_CARRIER_SLOTS + f)) + 1);
    st.A(0, i, A_COMMITTED) = 1;
    con::color(6);
    for (int t = 1; t <= 3; ++t) {
        const float group = st.A(0, i, A_FIGHTERS + t - 1);
        st.V(t, f) = con::store(con::L(st.V(t, f)) + con::L(group));
        st.A(0, i, A_LOADED_FIGHTERS + t - 1) = group;
        totals.total(f) = con::store(con::L(totals.total(f)) + con::L(group));
        if (st.TT(TT_CHOOSE_LOADS) == 0) print_using_at(32 + 5 * t, 16 + f, "###", con::L(st.V(t, f)));
    }
}

// The fleet (1, 2) or standby (3) that ship i goes to, placed there.
int place_ship(State& st, FleetTotals& totals, const Listed& l, float scenario, bool preset) {
    const int i = l.ship;
    const bool fleets_full = st.E(E_CARRIER_SLOTS + 1) == 9 && (scenario == 6 || st.E(E_CARRIER_SLOTS + 2) == 9);
    if (st.A(0, i, A_DURABILITY) < con::L(st.A(0, i, A_FULL_DURABILITY)) / 2 || (is_carrier(i) && fleets_full))
        return 3;
    int choice = 0;
    for (;;) {
        choice = preset ? (in_preset_force(scenario, i) ? 1 : 3) : ask_placement(st, i, scenario);
        if (choice == 3) return 3;
        if (is_carrier(i) && st.E(E_CARRIER_SLOTS + choice) > 8) continue;  // that fleet holds 8 carriers: ask again
        break;
    }
    if (is_carrier(i))
        place_carrier(st, totals, i, choice);
    else
        place_battleship(st, i, choice);
    st.V(choice, V_AA_SUM) = con::store(con::L(st.V(choice, V_AA_SUM)) + 4 * con::L(st.A(0, i, A_ANTI_AIRCRAFT)));
    con::color(6);
    print_using_at(52, 16 + choice, "###", con::L(st.V(choice, V_AA_SUM)) + 20 + con::L(st.TT(TT_TURN)));
    return choice;
}

}  // namespace

void HENSEI(State& st) {
    const float turn = st.TT(TT_TURN);
    const float scenario = st.TT(TT_SCENARIO);
    con::color(6);
    FleetTotals totals;
    const bool preset = st.TT(TT_CHOOSE_LOADS) == 1 && (scenario == 2 || scenario == 5) && turn == 1;
    for (int f = 1; f <= 2; ++f) {
        for (int k = 1; k <= 8; ++k) st.C(0, f, k) = 0;
        for (int k = 1; k <= 20; ++k) st.G(0, f, k) = 0;
    }
    for (int t = 1; t <= 3; ++t)
        for (int f = 1; f <= 3; ++f) st.V(t, f) = 0;
    show_early_war_note(st, turn);
    con::print_at(con::Col(5), con::Row(1), "耐久力 収容力 速力          耐久力 攻撃力 速力");
    const std::vector<Listed> listed = list_ships(st, turn, scenario);
    show_legend(scenario);
    for (int k = 1; k <= 4; ++k) st.E(k) = 1;
    for (const Listed& l : listed) {
        const int choice = place_ship(st, totals, l, scenario, preset);
        con::color(6 - choice);
        print_using_at(l.base + 22, l.row, "#", choice);
    }
    if (st.TT(TT_CHOOSE_LOADS) == 0 || (st.E(E_CARRIER_SLOTS + 1) < 2 && st.E(E_CARRIER_SLOTS + 2) < 2)) return;
    load_aircraft_types(st, totals);
}

}  // namespace morva95f
