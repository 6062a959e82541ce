// MORVA95F: the turn opening: the Allied commander's character, the fleet-organisation phase
// with its base list, reserve line, checks and confirmation, and the harbour-raid turn's loading
// of the preset force.
#include "campaign/dialogue.h"
#include "campaign/startup.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/organisation.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

void ask_commander_character(State& st) {
    // Every key answers: the offered R and any other key mean random.
    const std::string key = morva::ask_key(st.WAIT_KEY_RESULT,
                                           {{0, 2, morva::kColourInForce, con::space_string(39)},
                                            {0, 4, morva::kColourInForce, con::space_string(38)},
                                            {6, 2, 7, "連合軍指揮官の性格は ?"},
                                            {3, 3, 7, "猛進(H) - 慎重(S) - 乱数(R)"},
                                            {9, 4, 6, "Hit H - S - R Key"}},
                                           morva::kAnyKey);
    st.COMMANDER_CHARACTER = morva::commander_character(key);
}

// The cleared screen of the organisation with the turn banner (none in the single operation).
void show_turn_banner(State& st) {
    con::clear_screen(0);
    con::color(7);
    if (st.SCENARIO_NO == 6) return;
    con::locate(con::Col(0), con::Row(0));
    con::print_string_item("第");
    con::print_single_item(st.TURN_NO);
    con::print_string_item("ターン");
}

// The colour of base b in the list: Japanese-held cyan; Allied yellow when it may be attacked,
// magenta while a prerequisite base is not Japanese-held; every base 6-21 yellow in scenario 6.
int base_colour(State& st, int b) {
    if (b < 6) return 5;
    if (st.SCENARIO_NO == 6) return 6;
    st.INPUT_NUM = static_cast<float>(b);
    if (st.P(b, P_HOLDER) == 0) return 5;
    CHECK_BASE_ATTACKABLE(st);
    return static_cast<int>(3 + 3 * con::round_half_away(con::L(st.TT(TT_ATTACKABLE))));
}

void show_base_list(State& st) {
    for (int b = 1; b <= 21; ++b) {
        con::color(base_colour(st, b));
        con::locate(con::Col(56), con::Row(b));
        con::print_single_item(static_cast<float>(b));
        con::print_at(con::Col(60), con::Row(b), st.TX(b));
    }
}

// The reserve under the headings of the columns where HENSEI prints each fleet's loads.
void show_reserve(State& st) {
    con::locate(con::Col(25), con::Row(20));
    con::print_string_item("保有航空機 ");
    for (int t = 1; t <= 3; ++t) con::print_single_item(st.V(t, V_RESERVE));
    con::print_at(con::Col(36), con::Row(16), "艦戦 艦爆 艦攻 対空");
}

void call_hensei(State& st) {
    st.TT(TT_TURN) = st.TURN_NO;
    st.TT(TT_SCENARIO) = st.SCENARIO_NO;
    HENSEI(st);
}

// The two checks of an organisation; prints the first fault found at the cursor and says
// whether one was found.
bool organisation_refused(State& st) {
    if (st.CV(0, 1) < st.CV(0, 2)) {
        con::print_string_item("第２艦隊が多過ぎます");
        return true;
    }
    // Fleets that carry none of a type never lack it, so keeping every ship at home is always
    // accepted, whatever the reserve.
    for (int t = 1; t <= 3; ++t)
        if (const con::real load = con::L(st.V(t, 1)) + con::L(st.V(t, 2)); load > 0 && load > con::L(st.V(t, V_RESERVE))) {
            con::print_string_item("航空機不足です");
            return true;
        }
    return false;
}

}  // namespace

Block TURN_OPENING(State& st) {
    ask_commander_character(st);
    if (st.HW(HW_NO_REPAIR_TURNS) > 0) st.HW(HW_NO_REPAIR_TURNS) = con::store(con::L(st.HW(HW_NO_REPAIR_TURNS)) - 1);
    COUNT_ALLIED_LOSSES(st);
    return Block::FleetOrganisation;
}

Block FLEET_ORGANISATION(State& st) {
    show_turn_banner(st);
    if (st.PEARL_HARBOR_TURN == 1) return Block::HarbourRaidLoading;
    con::color(7);
    con::print_at(con::Col(14), con::Row(0), "艦隊編成フェイズ");
    con::print_at(con::Col(61), con::Row(0), "拠点名");
    show_base_list(st);
    con::color(6);
    show_reserve(st);
    call_hensei(st);
    for (int f = 1; f <= 2; ++f) {
        st.BB(0, f) = con::store(con::L(st.E(E_BATTLESHIP_SLOTS + f)) - 1);
        st.CV(0, f) = con::store(con::L(st.E(E_CARRIER_SLOTS + f)) - 1);
    }
    con::print_at(con::Col(23), con::Row(22), con::space_string(56));
    con::color(3);
    con::print_at(con::Col(0), con::Row(23), con::space_string(78));
    con::locate(con::Col(24), con::Row(23));
    if (organisation_refused(st)) {
        // The message stays while the commander's character is asked again over the screen.
        // Kept as the game has always played: the opening starts over, so each refused
        // organisation lowers HW_NO_REPAIR_TURNS once more.
        PAUSE_MESSAGE(st);
        return Block::TurnOpening;
    }
    const bool yes = morva::ask_yes_no(st.WAIT_KEY_RESULT, {{24, 23, 7, "よろしいですか ? Hit Y - N Key"}});
    return yes ? Block::TargetChoice : Block::FleetOrganisation;
}

Block HARBOUR_RAID_LOADING(State& st) {
    if (st.TT(TT_CHOOSE_LOADS) == 0) return Block::OperationsStart;
    con::clear_screen(0);
    show_reserve(st);  // in the colour in force: white
    call_hensei(st);
    con::print_at(con::Col(10), con::Row(22), con::space_string(69));
    con::print_at(con::Col(10), con::Row(23), con::space_string(69));
    const bool yes = morva::ask_yes_no(st.WAIT_KEY_RESULT, {{38, 22, 7, "よろしいですか ?    Hit Y - N Key"}});
    return yes ? Block::OperationsStart : Block::HarbourRaidLoading;
}

}  // namespace morva95f
