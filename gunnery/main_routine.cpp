// kelmat95: the main routine as a state machine over its named blocks, with the error handler
// as the continuation of every run-time error, and the key helpers the blocks share.
#include "console/block_loop.h"
#include "gunnery/blocks.h"
#include "gunnery/penetration_viewer.h"

namespace kelmat {

Block run_block(Kelmat& s, Block b) {
    switch (b) {
        case Block::StartUp: return START_UP(s);
        case Block::Title: TITLE(s); return Block::MainMenu;
        case Block::MainMenu: return MAIN_MENU(s);
        case Block::BattleLaunch: return BATTLE_LAUNCH(s);
        case Block::BattleAskFight: return BATTLE_ASK_FIGHT(s);
        case Block::BattleReturnQuestion: return BATTLE_RETURN_QUESTION(s);
        case Block::BattleLoad: return BATTLE_LOAD(s);
        case Block::BattleFight: return BATTLE_FIGHT(s);
        case Block::ScenarioSetup: return SCENARIO_SETUP(s);
        case Block::ScenarioSideLoop: return SCENARIO_SIDE_LOOP(s);
        case Block::SideLoopNext: return SIDE_LOOP_NEXT(s);
        case Block::ScenarioShipLoop: return SCENARIO_SHIP_LOOP(s);
        case Block::ShipLoopNext: return SHIP_LOOP_NEXT(s);
        case Block::ShipValuesStart: return SHIP_VALUES_START(s);
        case Block::DesignStart: return DESIGN_START(s);
        case Block::StoreDisplacement: return STORE_DISPLACEMENT(s);
        case Block::CalibreStep: return CALIBRE_STEP(s);
        case Block::LayoutStep: return LAYOUT_STEP(s);
        case Block::SpeedStep: return SPEED_STEP(s);
        case Block::BeltStep: return BELT_STEP(s);
        case Block::DeckStep: return DECK_STEP(s);
        case Block::WeightBalance: return WEIGHT_BALANCE(s);
        case Block::DesignResultScreen: return DESIGN_RESULT_SCREEN(s);
        case Block::DesignChoiceMenu: return DESIGN_CHOICE_MENU(s);
        case Block::StoreProper: return STORE_PROPER(s);
        case Block::StorePlanned: return STORE_PLANNED(s);
        case Block::ShipEntryEnd: return SHIP_ENTRY_END(s);
        case Block::SaveScenario: return SAVE_SCENARIO(s);
        case Block::WriteScenario: return WRITE_SCENARIO(s);
        case Block::LoadScenario: return LOAD_SCENARIO(s);
        case Block::ShipDataViewer: return SHIP_DATA_VIEWER(s);
        case Block::PenetrationViewer: return PENETRATION_VIEWER(s);
        case Block::RealBeltTable: return REAL_BELT_TABLE(s);
        case Block::RealBeltGraph: return REAL_BELT_GRAPH(s);
        case Block::RealDeckTable: return REAL_DECK_TABLE(s);
        case Block::RealDeckGraph: return REAL_DECK_GRAPH(s);
        case Block::PenetrationViewerExit: return PENETRATION_VIEWER_EXIT(s);
        case Block::PlannedBeltTable: return PLANNED_BELT_TABLE(s);
        case Block::PlannedBeltGraph: return PLANNED_BELT_GRAPH(s);
        case Block::PlannedDeckTable: return PLANNED_DECK_TABLE(s);
        case Block::PlannedDeckGraph: return PLANNED_DECK_GRAPH(s);
    }
    con::unknown_block(b);
}

void run_main_routine(Kelmat& s, Block start) {
    s.current_block = start;
    con::run_blocks(s, run_block,
                    [](Kelmat& st, const con::RuntimeError& e) { return DISK_ERROR_HANDLER(st, e.number()); });
}

}  // namespace kelmat
