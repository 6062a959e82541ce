// MORVA95S: the manual's single-operation data: four historical carrier battles, two a page,
// each with the ships of both sides (names from the ship name table), the target base's
// strength and the Allied aircraft held there, as reference answers for the single-operation
// scenario's questions.
#include <vector>

#include "console/console.h"
#include "simplified/manual.h"

namespace morva95s::manual {
namespace {

/// A ship name from the name table, shown at a column and row.
struct ShipName {
    int column, row, side, ship;
};

/// A battle page: its fixed texts, its ship names (colour 6) and its prompt.
struct BattlePage {
    std::vector<morva::Text> texts;
    std::vector<ShipName> ships;
};

const BattlePage kPages[2] = {
    {{{10, 1, 7, "珊瑚海海戦"},
      {13, 3, 5, "１９４２年５月８日"},
      {9, 14, 6, "ポートモレスビーの勢力値　　１０"},
      {9, 16, 6, "保有するＦ４Ｆ　　　４５機以上"},
      {9, 17, 6, "保有するＳＢＤ　　　２７機以上"},
      {9, 18, 6, "保有するＴＢＤ　　　１８機以上"},
      {9, 19, 6, "保有するＢ１７　　　１８機以上"},
      {50, 1, 7, "ミッドウェー海戦"},
      {53, 3, 5, "１９４２年６月４日"},
      {49, 14, 6, "ミッドウェーの勢力値　　１２"},
      {49, 16, 6, "保有するＦ４Ｆ　　　２７機"},
      {49, 17, 6, "保有するＳＢＤ　　　２７機"},
      {49, 18, 6, "保有するＴＢＤ　　　１０機"},
      {49, 19, 6, "保有するＢ１７　　　２３機"}},
     {{15, 5, 0, 7}, {15, 6, 0, 8}, {23, 5, 1, 1}, {23, 6, 1, 4}, {55, 5, 0, 9}, {55, 6, 0, 10},
      {55, 7, 0, 11}, {55, 8, 0, 12}, {55, 10, 0, 32}, {55, 11, 0, 33}, {63, 5, 1, 3}, {63, 6, 1, 4},
      {63, 7, 1, 5}}},
    {{{10, 1, 7, "第２次ソロモン海戦"},
      {13, 3, 5, "１９４２年８月２４日"},
      {9, 14, 6, "ソロモンの勢力値　　８"},
      {9, 16, 6, "保有するＦ４Ｆ　　　９機以上"},
      {9, 17, 6, "保有するＳＢＤ　　　９機以上"},
      {9, 18, 6, "保有するＴＢＤ　　　９機以上"},
      {50, 1, 7, "南太平洋海戦"},
      {53, 3, 5, "１９４２年１０月２６日"},
      {49, 14, 6, "ソロモンの勢力値　　１２"},
      {49, 16, 6, "保有するＦ４Ｆ　　　４５機以上"},
      {49, 17, 6, "保有するＳＢＤ　　　２７機以上"},
      {49, 18, 6, "保有するＴＢＤ　　　  ９機以上"},
      {49, 19, 6, "保有するＢ１７　　　　９機以上"}},
     {{15, 5, 0, 7}, {15, 6, 0, 8}, {15, 7, 0, 13}, {15, 9, 0, 30}, {15, 10, 0, 31}, {15, 11, 0, 32},
      {15, 12, 0, 33}, {23, 5, 1, 2}, {23, 6, 1, 3}, {23, 7, 1, 6}, {23, 9, 1, 20}, {55, 5, 0, 7},
      {55, 6, 0, 8}, {55, 7, 0, 14}, {55, 9, 0, 30}, {55, 10, 0, 31}, {55, 11, 0, 32}, {55, 12, 0, 33},
      {63, 5, 1, 3}, {63, 6, 1, 5}, {63, 9, 1, 16}}},
};

}  // namespace

void show_battle_data_chapter(State& st) {
    for (const BattlePage& page : kPages) {
        Page drawn{page.texts, page_prompt(34, 23)};
        for (const ShipName& n : page.ships)
            drawn.texts.push_back({n.column, n.row, 6, st.MM(n.side, n.ship)});
        show_page(st, drawn);
    }
}

}  // namespace morva95s::manual
