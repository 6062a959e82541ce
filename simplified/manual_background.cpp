// MORVA95S: the manual's fifth chapter, the background of the hypothetical scenario: the
// historical and the assumed carrier organisation, the budget that would have paid for the six
// added carriers, and a chart of the historical and the assumed building schedules.
#include "console/console.h"
#include "console/text.h"
#include "simplified/manual.h"

namespace morva95s::manual {
namespace {

// Texts that follow one another on a row from `column`, each in its own colour.
void append_run(std::vector<morva::Text>& texts, int column, int row,
                std::initializer_list<std::pair<int, const char*>> pieces) {
    for (const auto& [colour, words] : pieces) {
        texts.push_back({column, row, colour, words});
        column += static_cast<int>(con::byte_length(words));
    }
}

// Page 1: the historical organisation and the assumed one, the ships that never existed in
// white.
Page organisation_page() {
    std::vector<morva::Text> texts{
        {17, 0, 7, "仮想シナリオの状況設定について　　（新八八艦隊計画案）"},
        {13, 2, 6, "日本海軍が早くから大艦巨砲主義を改めて航空主兵に転換し、"},
        {11, 3, 6, "大和型戦艦の建造をやめて翔鶴型空母を増勢したと仮定しています。"},
        {19, 5, 6, "史実における編成"},
        {13, 7, 6, "第一航空艦隊 （機動部隊）　　　 第一艦隊 （戦艦部隊）"},
        {15, 8, 6, "第一航空戦隊　　赤城　加賀　　　第三航空戦隊　　鳳翔　瑞鳳"},
        {15, 9, 6, "第二航空戦隊　　蒼龍　飛龍"},
        {15, 10, 6, "第四航空戦隊　　龍驤　大鷹"},
        {15, 11, 6, "第五航空戦隊　　翔鶴　瑞鶴"},
    };
    append_run(texts, 19, 14, {{6, "仮想シナリオにおける編成"}, {7, "    （白字は実在しない艦）"}});
    texts.push_back({13, 16, 6, "第一航空艦隊　（太平洋担当）　 第二航空艦隊　（インド洋担当）"});
    append_run(texts, 15, 17, {{6, "第一航空戦隊　　"}, {7, "飛鶴　飛鳳"}, {6, "　　 第五航空戦隊　　赤城　加賀"}});
    append_run(texts, 15, 18, {{6, "第二航空戦隊　　"}, {7, "翔龍　瑞龍"}, {6, "　　 第六航空戦隊　　蒼龍　飛龍"}});
    append_run(texts, 15, 19, {{6, "第三航空戦隊　　"}, {7, "翔鷹　瑞鷹"}, {6, "　　 第七航空戦隊　　鳳翔　瑞鳳"}});
    texts.push_back({15, 20, 6, "第四航空戦隊　　翔鶴　瑞鶴　　 第八航空戦隊　　龍驤　大鷹"});
    texts.push_back({19, 22, 6, "鳳翔はこのゲームには登場しません。"});
    return {texts, page_prompt(34, 23)};
}

// Page 2: the budget.
Page budget_page() {
    return {{
                {19, 0, 7, "仮想シナリオの実現可能性について"},
                {5, 2, 6, "１　建造予算"},
                {9, 4, 6, "翔鶴型空母の建造費（１隻あたり）　前期の４隻　　８１００万円"},
                {9, 5, 6, "　　　　　　　　　　　　　　　　　後期の４隻　　８４００万円"},
                {9, 6, 6, "増加する６隻（前期２隻・後期４隻）の建造費　　４億９８００万円"},
                {9, 8, 6, "マル３計画（昭和１１年）の大和型戦艦２隻の予算　２億９４００万円"},
                {9, 9, 6, "マル４計画（昭和１３年）の戦艦信濃の予算　　　　１億５２００万円"},
                {9, 10, 6, "振り替えできる予算の合計　　　　　　　　　　　　４億４６００万円"},
                {9, 12, 6, "不足額　　　　　　　　　　　　　　　　　　　　　約５０００万円"},
                {7, 14, 6, "不足額は、特務運送艦・特殊工作機械・ドック拡張などの不要になる費用で"},
                {7, 15, 6, "まかなえるので、予算面では実現可能です。"},
                {13, 17, 6, "ただし、増加する６隻分の航空機４００機以上と搭乗員の養成費は"},
                {11, 18, 6, "まかないきれず、多くの機体と人員を陸上航空隊から回すことに"},
                {11, 19, 6, "なったと考えられます。"},
            },
            page_prompt(34, 23)};
}

// Page 3: the texts around the building-schedule chart.
Page schedule_page() {
    return {{
                {19, 0, 7, "仮想シナリオの実現可能性について"},
                {4, 2, 6, "２　建造施設"},
                {6, 4, 6, "史実における建艦スケジュール"},
                {10, 6, 6, "昭和   9      10      11      12      13      14      15      16   年"},
                {53, 4, 6, "起工　　　進水　　　竣工"},
                {16, 8, 6, "蒼龍"},
                {29, 9, 6, "飛龍"},
                {40, 10, 6, "翔鶴"},
                {45, 11, 6, "瑞鶴"},
                {6, 13, 6, "仮想シナリオにおける建艦スケジュール  (昭和１２年１月１日軍縮条約期限切れ)"},
                {11, 15, 6, "蒼龍 飛龍"},
                {11, 16, 6, "翔鶴 瑞鶴"},
                {11, 17, 6, "翔鷹 瑞鷹"},
                {11, 18, 6, "翔龍 瑞龍"},
                {11, 19, 6, "飛鳳 飛鶴"},
                {9, 21, 6, "当時の造船能力では、空母のような大型艦を建造できるのは横須賀・呉・"},
                {9, 22, 6, "長崎・神戸の４か所で各１隻ずつ、同時に最大４隻までです。"},
            },
            page_prompt(34, 23)};
}

}  // namespace

const Page& background_page(int number) {
    static const Page pages[3] = {organisation_page(), budget_page(), schedule_page()};
    return pages[number - 1];
}

const std::vector<BuildingBar>& building_bars() {
    static const std::vector<BuildingBar> bars = [] {
        std::vector<BuildingBar> b{{151, 168, 237, 363}, {169, 273, 355, 460}, {187, 362, 455, 592},
                                   {205, 395, 485, 600}, {272, 168, 237, 363}, {281, 218, 287, 413}};
        // The two groups of four of the assumed programme, one bar each 9 pixels apart.
        for (int k = 1; k <= 4; ++k) b.push_back({281 + 9 * k, 302, 396, 522});
        for (int k = 1; k <= 4; ++k) b.push_back({317 + 9 * k, 397, 490, 606});
        return b;
    }();
    return bars;
}

namespace {

constexpr int kAxisColour = 15;     // the time axis, its ticks and the launch marks
constexpr int kKeelColour = 11;     // keel laying
constexpr int kCompleteColour = 5;  // completion
constexpr int kBarColour = 7;       // building time

void mark(int x, int y_top, int y_bottom, int colour) { con::draw_line(x, y_top, x, y_bottom, colour); }

void draw_bar(const BuildingBar& b) {
    con::draw_line(b.keel, b.y, b.completion, b.y, kBarColour);
    mark(b.keel, b.y - 3, b.y + 3, kKeelColour);
    mark(b.launch, b.y - 3, b.y + 3, kAxisColour);
    mark(b.completion, b.y - 3, b.y + 3, kCompleteColour);
}

void draw_texts(const Page& page, int first, int last) {
    for (int i = first; i <= last; ++i) morva::show({page.texts[static_cast<std::size_t>(i)]});
}

// The chart of page 3: the time axis with a tick at each year boundary (63 pixels a year from
// Showa 9), the legend's marks, then each chart's bars followed by their labels.
void show_schedule_page(State& st) {
    const Page& page = background_page(3);
    con::clear_screen(0);
    draw_texts(page, 0, 2);
    con::draw_line(113, 128, 617, 128, kAxisColour);
    for (int k = 1; k <= 9; ++k) mark(63 * k + 50, 124, 132, kAxisColour);
    draw_texts(page, 3, 4);  // the year labels and the legend
    mark(410, 78, 84, kKeelColour);
    mark(490, 78, 84, kAxisColour);
    mark(570, 78, 84, kCompleteColour);
    const std::vector<BuildingBar>& bars = building_bars();
    for (std::size_t i = 0; i < 4; ++i) draw_bar(bars[i]);
    draw_texts(page, 5, 9);
    for (std::size_t i = 4; i < bars.size(); ++i) draw_bar(bars[i]);
    draw_texts(page, 10, static_cast<int>(page.texts.size()) - 1);
    morva::hit_any_key(st.WAIT_KEY_RESULT, page.prompt);
}

}  // namespace

void show_background_chapter(State& st) {
    show_page(st, background_page(1));
    show_page(st, background_page(2));
    show_schedule_page(st);
}

}  // namespace morva95s::manual
