// MORVA95S: phases 5-7 of an air sub-turn, between hangar and deck: DECK_STANDBY_PHASE (armed
// units up to the decks within the fleet's deck room), MAINTENANCE_PHASE (the bombers armed,
// then the Allied deck loading) and SHELTER_PHASE (the stage step IDO, then units back down
// to the hangars). Counts and torpedo shares are whole numbers within their limits.
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

constexpr int kMaintenanceColour = 4;
constexpr int kShelterColour = 3;

/// The torpedo share of a request INPUT_NUM, asked with `prompt` at (10, 20): a whole number
/// from 0 to the request whose torpedo-armed part and bomb-armed rest the stocks hold; the
/// rest goes into BOMB_ARMED_UNITS.
void ask_torpedo_share(State& st, std::string_view prompt, float torpedo_stock, float bomb_stock) {
    const con::real request = L(st.INPUT_NUM);
    const con::real lo = std::max<con::real>(0, request - L(bomb_stock));
    const con::real hi = std::min(request, L(torpedo_stock));
    st.WORK_N = con::store(morva::ask_count([&] { CLEAR_PROMPT_ROW(st); }, {10, 20, prompt}, lo, hi));
    st.BOMB_ARMED_UNITS = con::store(request - L(st.WORK_N));
}

// --- Deck standby ---------------------------------------------------------------------------

/// Step 4: the hangar rows; the dive bombers' and torpedo bombers' rows count the unarmed
/// units too, their brackets only the armed ones.
void show_hangar_rows(State& st, const UnarmedUnits& unarmed) {
    CLEAR_MESSAGE_ROWS(st);
    con::color(kRowColour);
    const float shown[] = {st.SE(SE_FIGHTERS), con::store(L(st.SE(SE_DIVE)) + L(unarmed.dive)),
                           con::store(L(st.SE(SE_TORPEDO)) + L(unarmed.torpedo))};
    for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type)
        print_row(16, 20 + type, "現在格納庫内に", st.NN(type), shown[type - 1], "ユニット待機中");
    print_row(58, 22, "(爆弾搭載", st.SE(SE_DIVE), ")");
    print_row(58, 23, "(雷装", st.SE(SE_TORPEDO_ARMED), "爆装", st.SE(SE_BOMB_ARMED), ")");
}

/// Step 9 for one type: the count within the stock and the deck room left, the torpedo share,
/// then the moves.
void raise_type(State& st, int type) {
    if (L(type) == L(st.AUTO_RAISE_TYPE)) {
        st.INPUT_NUM = st.SE(SE_FIGHTERS);
        raise_units(st, type);
        return;
    }
    if (L(st.SE(type)) < 1 || L(st.DECK_ROOM) < 1) return;
    const auto ask = [&] {
        CLEAR_PROMPT_ROW(st);
        print_row(10, 20, "何ユニットの", st.NN(type), "を上げますか ? (合計", st.DECK_ROOM, "まで)");
    };
    const con::real limit = std::min(L(st.SE(type)), L(st.DECK_ROOM));
    st.INPUT_NUM = con::store(morva::ask_count(ask, {67, 20, ""}, 0, limit));
    if (st.INPUT_NUM == 0) return;
    st.DECK_ROOM = con::store(L(st.DECK_ROOM) - L(st.INPUT_NUM));
    if (type == TYPE_TORPEDO && !split_torpedo_request(st))
        ask_torpedo_share(st, "そのうち雷装は何ユニット ? ", st.SE(SE_TORPEDO_ARMED), st.SE(SE_BOMB_ARMED));
    raise_units(st, type);
}

// --- Maintenance ----------------------------------------------------------------------------

/// Steps 5-13: the hangar row, the arming question, and on Yes the unloading, the torpedo
/// count and the arming.
void torpedo_arming(State& st) {
    CLEAR_MESSAGE_ROWS(st);
    print_row(10, 22, "現在格納庫内に", st.NN(TYPE_TORPEDO), st.TORPEDO_BOMBER_UNITS, "ユニット待機中", "(雷装",
              st.SE(SE_TORPEDO_ARMED), "爆装", st.SE(SE_BOMB_ARMED), ")");
    if (!morva::ask_yes_no(st.DIALOGUE_KEY, {{10, 20, kMaintenanceColour, "艦攻の装備をしますか ?  Hit Y - N Key"}}))
        return;
    unload_torpedo_bombers(st);
    const auto ask = [] {
        // The blanks behind the question cover the arming question entirely.
        con::print_at(con::Col(10), con::Row(20), "魚雷装備は何ユニットですか ?         ");
        con::print_end();
    };
    st.INPUT_NUM = con::store(morva::ask_count(ask, {50, 20, ""}, 0, L(st.TORPEDO_BOMBER_UNITS)));
    arm_torpedo_bombers(st);
}

// --- Shelter --------------------------------------------------------------------------------

/// Steps 7-14 for one type: the count within the deck sum, the torpedo share, then the moves.
void shelter_type(State& st, int type) {
    if (st.KO(type) == 0) return;
    const auto ask = [&] {
        CLEAR_PROMPT_ROW(st);
        con::color(kShelterColour);
        print_row(10, 20, "何ユニットの", st.NN(type), "を戻しますか ?");
        con::print_end();
        con::color(kRowColour);
    };
    st.INPUT_NUM = con::store(morva::ask_count(ask, {58, 20, ""}, 0, L(st.KO(type))));
    if (st.INPUT_NUM == 0) return;
    if (type == TYPE_TORPEDO) {
        if (st.INPUT_NUM == st.KO(KO_TORPEDO)) {
            st.WORK_N = st.KO(KO_TORPEDO_ARMED);
            st.BOMB_ARMED_UNITS = st.KO(KO_BOMB_ARMED);
        } else {
            // Asked even when every unit on deck carries the same load.
            ask_torpedo_share(st, "そのうち雷装は何ユニット ?  ", st.KO(KO_TORPEDO_ARMED), st.KO(KO_BOMB_ARMED));
        }
    }
    return_units(st, type);
}

}  // namespace

Block DECK_STANDBY_PHASE(State& st) {
    CLEAR_MESSAGE_ROWS(st);
    const UnarmedUnits unarmed = form_hangar_stock(st);
    if (L(st.SE(SE_FIGHTERS)) + L(st.SE(SE_DIVE)) + L(st.SE(SE_TORPEDO_ARMED)) + L(st.SE(SE_BOMB_ARMED)) < 1)
        return Block::MaintenancePhase;
    show_hangar_rows(st, unarmed);
    form_deck_room(st);
    if (L(st.DECK_ROOM) < 1) return Block::MaintenancePhase;
    st.AUTO_RAISE_TYPE = fighters_raised_unasked(st) ? TYPE_FIGHTER : 0;
    if (st.AUTO_RAISE_TYPE == 0 &&
        !morva::ask_yes_no(st.DIALOGUE_KEY,
                           {{10, 20, morva::kColourInForce, "格納庫内の機を甲板に上げますか ?  Hit Y - N Key"}}))
        return Block::MaintenancePhase;
    for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type) raise_type(st, type);
    return Block::MaintenancePhase;
}

Block MAINTENANCE_PHASE(State& st) {
    arm_dive_bombers(st);
    if (L(st.PEARL_HARBOR_TURN) > 0) {
        arm_harbour_torpedoes(st);
    } else {
        sum_hangar_torpedo_bombers(st);
        if (L(st.TORPEDO_BOMBER_UNITS) >= 1) torpedo_arming(st);
    }
    ALLIED_DECK_LOADING(st);
    return Block::ShelterPhase;
}

Block SHELTER_PHASE(State& st) {
    st.PT(0) = st.BASE_DISTANCE;
    st.TT(TT_AIR_DISTANCE) = st.AIR_DISTANCE;
    IDO(st);
    CLEAR_MESSAGE_ROWS(st);
    show_deck_rows(st);
    if (L(st.KO(KO_FIGHTERS)) + L(st.KO(KO_DIVE)) + L(st.KO(KO_TORPEDO)) < 1) return Block::SurfacePhase;
    if (!morva::ask_yes_no(st.DIALOGUE_KEY,
                           {{10, 20, kShelterColour, "待機中の機を格納庫に戻しますか ?  Hit Y - N Key"}}))
        return Block::SurfacePhase;
    for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type) shelter_type(st, type);
    return Block::SurfacePhase;
}

}  // namespace morva95s
