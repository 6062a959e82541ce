// kelmat95: SHUHOU, the plan view of a designed ship's main battery on the result screen -
// hull outline, turrets with one barrel per gun - with its speed and the guns bearing ahead,
// astern and abeam.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;

namespace {

constexpr int kWhite = 15;

// Turret stations: centre and barrel direction (+1 ahead, -1 astern). Fore 3 has two
// centres, for a quadruple and for a triple turret.
enum Station { Aft2, Aft1, MidAft, MidFore, Fore1, Fore2, Fore3, WingForeUp, WingForeLow, WingAftUp, WingAftLow };
struct StationPlace {
    int x, y, facing;
};
constexpr StationPlace kStations[] = {
    {360, 240, -1}, {395, 240, -1}, {445, 240, -1}, {470, 240, 1},  {525, 240, 1}, {560, 240, 1},
    {595, 240, 1},  {470, 227, 1},  {470, 253, 1},  {445, 227, -1}, {445, 253, -1},
};

struct Turret {
    Station station;
    int guns;
};
struct LayoutDrawing {
    Turret turrets[6];
    int count;
    BearingCounts bearing;
};

// The turrets of each layout from stern to bow, and its guns bearing ahead, astern and abeam.
// The counts are the layout's own: a single pair of wing turrets counts both ahead and astern.
constexpr LayoutDrawing kLayouts[23] = {
    {{}, 0, {0, 0, 0}},
    {{{Aft1, 2}, {Fore1, 2}}, 2, {2, 2, 4}},
    {{{Aft1, 2}, {Fore1, 2}, {Fore2, 2}}, 3, {4, 2, 6}},
    {{{Aft1, 3}, {Fore1, 3}}, 2, {3, 3, 6}},
    {{{Aft2, 2}, {Aft1, 2}, {Fore1, 2}, {Fore2, 2}}, 4, {4, 4, 8}},
    {{{Aft1, 2}, {WingForeUp, 2}, {WingForeLow, 2}, {Fore1, 2}}, 4, {6, 6, 6}},
    {{{Aft1, 4}, {Fore1, 4}}, 2, {4, 4, 8}},
    {{{Fore1, 4}, {Fore3, 4}}, 2, {8, 0, 8}},
    {{{Aft1, 3}, {Fore1, 3}, {Fore2, 3}}, 3, {6, 3, 9}},
    {{{Fore1, 3}, {Fore2, 3}, {Fore3, 3}}, 3, {9, 0, 9}},
    {{{Aft2, 2}, {Aft1, 2}, {MidAft, 2}, {Fore1, 2}, {Fore2, 2}}, 5, {4, 4, 10}},
    {{{Aft2, 2}, {Aft1, 2}, {WingForeUp, 2}, {WingForeLow, 2}, {Fore1, 2}}, 5, {6, 8, 8}},
    {{{Aft2, 3}, {Aft1, 2}, {Fore1, 2}, {Fore2, 3}}, 4, {5, 5, 10}},
    {{{Aft1, 4}, {Fore1, 2}, {Fore2, 4}}, 3, {6, 4, 10}},
    {{{Aft2, 2}, {Aft1, 2}, {MidAft, 2}, {MidFore, 2}, {Fore1, 2}, {Fore2, 2}}, 6, {4, 4, 12}},
    {{{Aft2, 2}, {Aft1, 2}, {WingForeUp, 2}, {WingForeLow, 2}, {Fore1, 2}, {Fore2, 2}}, 6, {8, 8, 10}},
    {{{Aft1, 2}, {WingAftUp, 2}, {WingAftLow, 2}, {WingForeUp, 2}, {WingForeLow, 2}, {Fore1, 2}}, 6, {6, 6, 8}},
    {{{Aft2, 3}, {Aft1, 3}, {Fore1, 3}, {Fore2, 3}}, 4, {6, 6, 12}},
    {{{Aft1, 3}, {MidAft, 3}, {MidFore, 3}, {Fore1, 3}}, 4, {3, 3, 12}},
    {{{Aft1, 4}, {MidAft, 4}, {Fore1, 4}}, 3, {4, 4, 12}},
    {{{Aft2, 4}, {Aft1, 2}, {Fore1, 2}, {Fore2, 4}}, 4, {6, 6, 12}},
    {{{Aft2, 3}, {Aft1, 2}, {MidAft, 3}, {Fore1, 2}, {Fore2, 3}}, 5, {5, 5, 13}},
    {{{Aft2, 4}, {Aft1, 4}, {MidFore, 4}, {Fore1, 4}}, 4, {4, 8, 16}},
};

long drawn_layout(long layout) { return (layout < 1 || layout > 22) ? 1 : layout; }

void draw_hull() {
    con::draw_line(330, 225, 330, 255, kWhite);
    con::draw_line(330, 225, 340, 215, kWhite);
    con::draw_line(330, 255, 340, 265, kWhite);
    con::draw_line(340, 215, 560, 215, kWhite);
    con::draw_line(340, 265, 560, 265, kWhite);
    con::draw_line(560, 215, 638, 240, kWhite);
    con::draw_line(560, 265, 638, 240, kWhite);
    con::draw_line(410, 232, 420, 248, kWhite, con::Shape::Box);
    con::draw_line(495, 232, 510, 248, kWhite, con::Shape::Box);
}

// A turret: a circle of radius 10 and one 10-pixel barrel per gun from the circle's edge.
void draw_turret(const Turret& t) {
    StationPlace p = kStations[t.station];
    if (t.station == Fore3 && t.guns == 4) p.x = 585;
    con::draw_circle(p.x, p.y, 10, kWhite);
    static constexpr int kOffsets[5][4] = {{}, {}, {-3, 3}, {-5, 0, 5}, {-6, -2, 2, 6}};
    for (int g = 0; g < t.guns; ++g) {
        const int y = p.y + kOffsets[t.guns][g];
        if (p.facing > 0)
            con::draw_line(p.x + 10, y, p.x + 20, y, kWhite);
        else
            con::draw_line(p.x - 20, y, p.x - 10, y, kWhite);
    }
}

void print_count(int row, const char* head, int count, const char* tail) {
    con::print_at(Col(50), Row(row), head);
    con::print_single_item(static_cast<float>(count));
    con::print_string_item(tail);
}

}  // namespace

BearingCounts layout_bearing_counts(long layout) { return kLayouts[drawn_layout(layout)].bearing; }

void SHUHOU(Kelmat& s) {
    const float ref = s.TT(TT_SHIP_REF);
    const float side = con::store(con::int_floor(L(ref) / 100));
    const float ship = static_cast<float>(con::round_half_away(L(ref)) % 100);
    con::print_at(Col(50), Row(10), "速力       ");
    con::print_single_item(s.A(side, ship, A_SPEED));
    con::print_string_item(" kt");
    draw_hull();
    const LayoutDrawing& d = kLayouts[drawn_layout(con::round_half_away(L(s.A(side, ship, A_LAYOUT))))];
    for (int i = 0; i < d.count; ++i) draw_turret(d.turrets[i]);
    print_count(16, "前方 ", d.bearing.ahead, "門");
    print_count(17, "後方 ", d.bearing.astern, "門    射撃可能");
    print_count(18, "側方 ", d.bearing.abeam, "門");
}

}  // namespace kelmat
