// MORVA95S: LAUNCH_PHASE, phase 4 of an air sub-turn: the Allied carriers' and the target
// base's launches, then the player's strike (the deck rows, the launch question, the target
// and a count per aircraft type, each type leaving the decks at once) and the combat air
// patrol from the fighters still waiting on deck.
#include <algorithm>

#include "campaign/dialogue.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/carrier_rules.h"
#include "simplified/routines.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kQuestionColour = 5;
constexpr int kPatrolColour = 7;

/// The fixed ranges of the launch tests: a fighter escort flies 9 air-distance units, a
/// strike on the enemy fleet 10.
constexpr int kEscortRange = 9;
constexpr int kFleetStrikeRange = 10;

/// The holder of the fleet's target base (0 once it has fallen to the player).
float target_holder(const State& st) { return st.P(st.AT(st.FLEET_NO), P_HOLDER); }

/// Step 4: no bomber waits on a fit deck, or, the enemy fleet unfound, there is no target.
bool strike_skipped(const State& st) {
    if (L(st.KO(KO_DIVE)) + L(st.KO(KO_TORPEDO)) < 1) return true;
    return st.H(0) == 0 && (st.TK(0) == 1 || L(target_holder(st)) < 1);
}

/// Step 7: the target. The enemy fleet unfound or beyond reach is tested first, so that such
/// a strike goes to the base even when it has fallen or the operation has been called off.
void choose_target(State& st) {
    CLEAR_PROMPT_ROW(st);
    con::color(kQuestionColour);
    con::print_at(con::Col(10), con::Row(20), "攻撃目標は");
    con::locate(con::Col(20), con::Row(20));
    if (st.H(0) == 0 || L(st.AIR_DISTANCE) > kFleetStrikeRange) {
        con::print_string_item("基地のみです");
        PAUSE_MESSAGE(st);
        st.STRIKE_TARGET = TARGET_BASE;
    } else if (st.TK(0) == 1 || target_holder(st) == 0) {
        con::print_string_item("艦隊のみです");
        PAUSE_MESSAGE(st);
        st.STRIKE_TARGET = TARGET_FLEET;
    } else {
        const std::string key = morva::ask_key(
            st.DIALOGUE_KEY, {{20, 20, morva::kColourInForce, "基地ですか艦隊ですか ?  Hit 1 - 2 Key"}}, "12");
        st.STRIKE_TARGET = key == "1" ? TARGET_BASE : TARGET_FLEET;
    }
}

/// Step 8.1 for fighters: the target lies beyond the escorts' range.
bool beyond_escort_range(const State& st) {
    const float distance = st.STRIKE_TARGET == TARGET_FLEET ? st.AIR_DISTANCE : st.BASE_DISTANCE;
    return L(distance) > kEscortRange;
}

/// Step 8.3: the units of a type that may go; on a base strike outside the harbour strike
/// only the bomb-armed torpedo bombers.
con::real strike_limit(const State& st, int type) {
    const con::real limit = L(st.KO(type));
    if (type == TYPE_TORPEDO && st.STRIKE_TARGET == TARGET_BASE && st.PEARL_HARBOR_TURN == 0)
        return std::min(limit, L(st.KO(KO_BOMB_ARMED)));
    return limit;
}

/// Step 8 for one type: the count question, then the departure of the units asked for.
void launch_type(State& st, int type) {
    if (st.KO(type) == 0 || (type == TYPE_FIGHTER && beyond_escort_range(st))) return;
    const auto ask = [&] {
        CLEAR_PROMPT_ROW(st);
        con::color(kQuestionColour);
        print_row(10, 20, "何ユニットの", st.NN(type), "を出撃させますか ?");
        con::color(kRowColour);
    };
    st.INPUT_NUM = con::store(morva::ask_count(ask, {58, 20, ""}, 0, strike_limit(st, type)));
    if (st.INPUT_NUM == 0) return;
    st.KK(type) = st.INPUT_NUM;
    if (type == TYPE_FIGHTER) st.WAITING_FIGHTER_UNITS = con::store(L(st.WAITING_FIGHTER_UNITS) - L(st.INPUT_NUM));
    STRIKE_DEPARTURE(st, type);
}

/// Steps 5-8: the deck rows, the launch question, the target and the type loop.
void strike_dialogue(State& st) {
    show_deck_rows(st);
    if (!morva::ask_yes_no(st.DIALOGUE_KEY, {{10, 20, kQuestionColour, "攻撃隊を発進させますか ?  Hit Y - N Key"}}))
        return;
    choose_target(st);
    for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type) launch_type(st, type);
}

/// The patrol's waiting line, question and count; true with a count from 0 to the waiting
/// fighters in INPUT_NUM, false on No.
bool ask_patrol(State& st) {
    // Ends only on the player's answer: No, or a count the patrol can take.
    for (;;) {
        CLEAR_MESSAGE_ROWS(st);
        con::color(kRowColour);
        print_row(16, 22, st.NN(TYPE_FIGHTER), st.WAITING_FIGHTER_UNITS, "ユニット待機中");
        if (!morva::ask_yes_no(st.DIALOGUE_KEY, {{10, 20, kPatrolColour, "直衛機を出しますか ?   Hit Y - N Key"}}))
            return false;
        CLEAR_PROMPT_ROW(st);
        print_row(10, 20, "何ユニットの", st.NN(TYPE_FIGHTER), "を出しますか ?");
        con::locate(con::Col(52), con::Row(20));
        con::color(kRowColour);
        st.INPUT_NUM = con::input_number("");
        const con::real n = L(st.INPUT_NUM);
        if (n >= 0 && n <= L(st.WAITING_FIGHTER_UNITS) && n == con::int_floor(n)) return true;
    }
}

/// PATROL_LAUNCH: the fighters left waiting on the fit decks offered as the combat air
/// patrol; a count above them, negative or not whole asks again from the waiting line.
void PATROL_LAUNCH(State& st) {
    if (L(st.WAITING_FIGHTER_UNITS) < 1) return;
    if (!ask_patrol(st) || st.INPUT_NUM == 0) return;
    launch_patrol(st);
}

}  // namespace

void show_deck_rows(State& st) {
    con::color(kRowColour);
    for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type)
        print_row(16, 20 + type, "現在甲板に", st.NN(type), st.KO(type), "ユニット待機中");
    print_row(54, 23, "(雷装", st.KO(KO_TORPEDO_ARMED), "爆装", st.KO(KO_BOMB_ARMED), ")");
}

Block LAUNCH_PHASE(State& st) {
    st.PT(0) = st.BASE_DISTANCE;
    st.TT(TT_AIR_DISTANCE) = st.AIR_DISTANCE;
    KOGEKI(st);
    return Block::AlliedBaseLaunch;
}

Block ALLIED_BASE_LAUNCH(State& st) {
    allied_base_launch(st);
    return Block::PlayerStrikeLaunch;
}

Block PLAYER_STRIKE_LAUNCH(State& st) {
    count_deck_units(st, st.FLEET_NO);
    CLEAR_MESSAGE_ROWS(st);
    st.WAITING_FIGHTER_UNITS = st.KO(KO_FIGHTERS);
    if (!strike_skipped(st)) strike_dialogue(st);
    PATROL_LAUNCH(st);
    return Block::DeckStandbyPhase;
}

}  // namespace morva95s
