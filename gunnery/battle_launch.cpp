// kelmat95: the battle launch (main-menu item 1) - fight the scenario in memory or load one,
// hand the counts and navies to the battle, and ask again after each battle.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

bool is_yes(const std::string& key) { return key == "Y" || key == "y"; }

}  // namespace

Block BATTLE_LAUNCH(Kelmat& s) {
    s.BATTLE_FOUGHT = 0;
    s.FLEET_IS_NEW = 0;
    // RED's first ship has no displacement only while no scenario was made or loaded.
    return s.A(1, 1, A_DISPLACEMENT) == 0 ? Block::BattleLoad : Block::BattleAskFight;
}

Block BATTLE_ASK_FIGHT(Kelmat& s) {
    s.FLEET_IS_NEW = 0;
    con::clear_screen(0);
    con::locate(Col(20), Row(8));
    con::color(6);
    con::print_string_item("今のシナリオで戦闘をしますか ?");
    con::print_at(Col(27), Row(10), "Hit Y or N Key");
    s.KEY_STRING = con::wait_key_string();
    if (is_yes(s.KEY_STRING)) return Block::BattleFight;
    return s.BATTLE_FOUGHT == 0 ? Block::BattleLoad : Block::BattleReturnQuestion;
}

Block BATTLE_RETURN_QUESTION(Kelmat& s) {
    con::clear_screen(0);
    con::locate(Col(20), Row(8));
    con::color(6);
    con::print_string_item("ＭＥＮＵに戻りますか ?");
    con::print_at(Col(24), Row(10), "HiT Y or N Key");
    s.KEY_STRING = con::wait_key_string();
    return is_yes(s.KEY_STRING) ? Block::MainMenu : Block::BattleLoad;
}

Block BATTLE_LOAD(Kelmat& s) {
    // A fleet just made and not saved is fought as it is.
    return s.FLEET_IS_NEW == 0 ? Block::LoadScenario : Block::BattleFight;
}

Block BATTLE_FIGHT(Kelmat& s) {
    s.TT(TT_BLUE_COUNT) = s.BATTLE_BLUE_COUNT;
    s.TT(TT_RED_COUNT) = s.BATTLE_RED_COUNT;
    s.TT(TT_BLUE_NAVY) = s.BLUE_NAVY;
    s.TT(TT_RED_NAVY) = s.RED_NAVY;
    BS(s);
    s.BATTLE_FOUGHT = 1;
    return Block::BattleAskFight;
}

}  // namespace kelmat
