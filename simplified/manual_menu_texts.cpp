// MORVA95S: the texts of the manual's menu and of its first chapter, the comparison of the
// simplified and the detailed rule modes.
#include "simplified/manual.h"

namespace morva95s::manual {

const Page& menu_page() {
    static const Page page{{
                               {28, 1, 7, "Morvane   for  WINDOWS 95"},
                               {66, 2, 4, "Ver. 3.0"},
                               {36, 3, 7, "ゲーム概要"},
                               {26, 6, 6, "1   ゲームのシステム設定を見る"},
                               {26, 9, 6, "2   登場艦のデータを見る"},
                               {26, 12, 6, "3   ルール説明を見る"},
                               {26, 15, 6, "4   単独シナリオ作製用のデータを見る"},
                               {26, 18, 6, "5   仮想シナリオの状況設定を見る"},
                               {26, 21, 6, "6   ＭＡＩＮ ＭＥＭＵ に戻る"},
                           },
                           {30, 23, 6, "Hit  1 - 6  Key"}};
    return page;
}

const Page& system_page() {
    // Each row is one stored line: the label and its two cells, padded so that the cells start
    // at columns 31 and 51 under the two heads.
    static const Page page{{
                               {29, 3, 7, "ゲームのシステム"},
                               {31, 7, 5, "簡略モード          詳細モード"},
                               {11, 10, 6, "艦隊の移動方法　　　相対距離の増減　　　地図上を角度指定で移動"},
                               {11, 12, 6, "索敵方法　　　　　　乱数で決定　　　　　索敵機の飛行"},
                               {11, 14, 6, "航空機数の単位      １ユニット９機    　１ユニット１機"},
                               {30, 17, 6, "(ボードゲーム互換)   (コンピュータ専用)"},
                               {31, 20, 5, "MORVA95S.EXE         MORVA95F.EXE"},
                           },
                           page_prompt(31, 23)};
    return page;
}

}  // namespace morva95s::manual
