// kelmat95: the battle launch (main-menu item 1) - fight the scenario in memory or load one,
// hand the counts and navies to the battle, and ask again after each battle.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

Block BATTLE_LAUNCH(Kelmat& s) {
    s.BATTLE_FOUGHT = 0;
    s.FLEET_IS_NEW = 0;
    // RED's first ship has no displacement only while no scenario was made or loaded.
    return s.A(1, 1, A_DISPLACEMENT) == 0 ? Block::BattleLoad : Block::BattleAskFight;
}

Block BATTLE_ASK_FIGHT(Kelmat& s) {
    s.FLEET_IS_NEW = 0;
    con::clear_screen(0);
    // Every key answers: any key but Y means no.
    const bool fight = ask_yes_no(s.KEY_STRING,
                                  {{20, 8, 6, "今のシナリオで戦闘をしますか ?"}, {27, 10, kColourInForce, "Hit Y or N Key"}},
                                  kYes, kAnyKey);
    if (fight) return Block::BattleFight;
    return s.BATTLE_FOUGHT == 0 ? Block::BattleLoad : Block::BattleReturnQuestion;
}

Block BATTLE_RETURN_QUESTION(Kelmat& s) {
    con::clear_screen(0);
    const bool menu = ask_yes_no(s.KEY_STRING,
                                 {{20, 8, 6, "ＭＥＮＵに戻りますか ?"}, {24, 10, kColourInForce, "HiT Y or N Key"}},
                                 kYes, kAnyKey);
    return menu ? Block::MainMenu : Block::BattleLoad;
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
