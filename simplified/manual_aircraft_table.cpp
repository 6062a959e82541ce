// MORVA95S: pages 7 and 8 of the rules chapter, the aircraft table. Page 7 prints each type's
// name and its four values from the aircraft tables the game plays with, then the fixed cells of
// the simplified mode; page 8 is drawn over it with the detailed mode's figures, each line it
// replaces wiped to the old line's end so that nothing of page 7 shows through.
#include <algorithm>

#include "console/console.h"
#include "console/text.h"
#include "simplified/manual.h"

namespace morva95s::manual {
namespace {

// The patrol note beside the fighter rows, the same on both pages.
const morva::Text kPatrolNote[] = {
    {46, 0, 6, "零戦を直衛に上げると、"},
    {45, 1, 6, "戦闘しなければ２時間飛行します。"},
    {46, 2, 6, "戦闘すると整備が必要です"},
    {46, 3, 6, "（燃料補給だけなら不要）。"},
};

const morva::Text kFighterHeads{13, 0, 6, "防御力 攻撃力 攻撃回数 航続力"};
const morva::Text kBomberHeads{13, 5, 6, "防御力 命中値 攻撃回数 航続力 対空母攻撃力 対戦艦攻撃力 対地攻撃力"};

// The induced-explosion prose that both pages open with.
const morva::Text kExplosionLead[] = {
    {11, 17, 6, "艦爆・艦攻を甲板に待機させている空母が爆弾の命中を受けると、"},
    {10, 18, 6, "誘爆を起こすことがあります（甲板には搭載機の半分まで置けます）。"},
};

Page simplified_page() {
    std::vector<morva::Text> texts{{0, 0, 7, "簡略モード"}, kFighterHeads, kBomberHeads};
    // The hit values of the bombers in the simplified mode: the faces of the die that hit.
    texts.insert(
        texts.end(),
        {{23, 6, 6, "5"}, {23, 7, 6, "4"}, {23, 8, 6, "3"}, {23, 10, 6, "1"}, {23, 11, 6, "2"}, {23, 12, 6, "1"}});
    texts.insert(texts.end(), {
                                  {46, 6, 6, "0.25        0.2         0.2"},
                                  {46, 7, 6, "0.34        0.25"},
                                  {46, 8, 6, "2  (雷装)   1   (雷装) "},
                                  {46, 9, 6, "0.5(爆装)   0.34(爆装)  2 (爆装)"},
                                  {46, 10, 6, "2           1   "},
                                  {46, 11, 6, "2           1   "},
                                  {46, 12, 6, "0～2      　0～1"},
                              });
    texts.insert(texts.end(), std::begin(kPatrolNote), std::end(kPatrolNote));
    texts.insert(texts.end(), {
                                  {8, 14, 7, "誘爆による空母のダメージ         誘爆１回ごとに 2"},
                                  {40, 15, 7, "また航空機１ユニットを失います"},
                              });
    texts.insert(texts.end(), std::begin(kExplosionLead), std::end(kExplosionLead));
    texts.insert(texts.end(), {
                                  {11, 20, 6, "サイコロ（６面）を１個振り、目が甲板上の艦爆・艦攻のユニット数の"},
                                  {10, 21, 6, "２倍以下（連合軍空母は２倍未満）なら誘爆です。"},
                                  {11, 22, 6, "艦攻の兵装転換を行った直後は、サイの目から１を引きます。"},
                              });
    return {texts, page_prompt(34, 23)};
}

Page detailed_page() {
    std::vector<morva::Text> texts{{0, 0, 7, "詳細モード"}, kFighterHeads, kBomberHeads};
    // The fighters' ranges in nautical miles, over the digits of the range column.
    texts.insert(texts.end(), {{37, 1, 6, "270"}, {37, 2, 6, "240"}, {37, 3, 6, "210"}, {37, 4, 6, "210"}});
    texts.insert(texts.end(), std::begin(kPatrolNote), std::end(kPatrolNote));
    // Against bases the hit value in brackets applies.
    texts.insert(texts.end(), {{69, 11, 4, "対地命中値"}, {68, 12, 4, "( )内を使用"}});
    return {texts, page_prompt(34, 23)};
}

}  // namespace

const Page& aircraft_table_page(bool detailed) {
    static const Page simplified = simplified_page();
    static const Page detailed_mode = detailed_page();
    return detailed ? detailed_mode : simplified;
}

const std::vector<morva::Text>& detailed_table_lines() {
    static const std::vector<morva::Text> lines = [] {
        std::vector<morva::Text> l{
            {22, 6, 6, "25(50)  1      300     0.2          0.1         0.1"},
            {22, 7, 6, "15      1      270     0.25         0.2 "},
            {22, 8, 6, "10      1      300     1～2(雷装)   1   (雷装) "},
            {22, 9, 6, "5(30)   1              0.34(爆装)   0.25(爆装)  1～2(爆装)"},
            {22, 10, 6, "3       1      270     1～2         1   "},
            {22, 11, 6, "9       1      270     1～2         1   "},
            {22, 12, 6, "1       1      480     0～2         0～1"},
            {8, 14, 7, "誘爆による空母のダメージ         誘爆１回ごとに １"},
            {40, 15, 7, "また航空機約９機を失います    "},
        };
        l.insert(l.end(), std::begin(kExplosionLead), std::end(kExplosionLead));
        l.insert(l.end(), {
                              {11, 20, 6, "２７面のサイコロを１個振り、目が甲板上の艦爆・艦攻の機数以下"},
                              {10, 21, 6, "なら誘爆です。"},
                              {11, 22, 6, "艦攻の兵装転換を行った直後は、サイの目から５を引きます。"},
                          });
        return l;
    }();
    return lines;
}

namespace {

// Where page 7's text on `row` ends (the aircraft values end by column 40).
int simplified_line_end(int row) {
    int end = 0;
    for (const morva::Text& t : aircraft_table_page(false).texts)
        if (t.row == row) end = std::max(end, t.column + static_cast<int>(con::byte_length(t.words)));
    for (const AircraftRow& r : kAircraftRows)
        if (r.row == row) end = std::max(end, 40);
    return end;
}

void draw(const std::vector<morva::Text>& texts) {
    for (const morva::Text& t : texts) morva::show({t});
}

}  // namespace

void show_simplified_aircraft_table(State& st) {
    con::clear_screen(0);
    con::color(6);
    for (const AircraftRow& r : kAircraftRows) {
        con::print_at(con::Col(2), con::Row(r.row), st.NN(r.type));
        for (int k = 1; k <= 4; ++k) {
            con::locate(con::Col(8 + 7 * k), con::Row(r.row));
            con::print_single_item(st.Z(r.type, k));
        }
    }
    const Page& page = aircraft_table_page(false);
    draw(page.texts);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page.prompt);
}

void show_detailed_aircraft_table(State& st) {
    // Each replaced line first wipes what page 7 wrote from its column to that line's end.
    for (const morva::Text& t : detailed_table_lines()) {
        const int old_end = simplified_line_end(t.row);
        if (old_end > t.column)
            con::print_at(con::Col(t.column), con::Row(t.row), con::space_string(old_end - t.column));
        morva::show({t});
    }
    const Page& page = aircraft_table_page(true);
    draw(page.texts);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page.prompt);
}

}  // namespace morva95s::manual
