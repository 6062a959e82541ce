// kelmat95: the penetration graphs of both halves of the viewer - one coloured line per gun
// type over range, drawn from the values the table before left in E, on eight gridlines with
// a range scale and a name per gun type; "Z" lays the class armour overlay over the graph.
#include "gunnery/dialogue.h"
#include "gunnery/penetration_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// How a gridline's label is printed.
enum class GridLabel {
    NumberThenCm,  // the number item, then "cm"
    UsingField,    // "###@": the number in three places, then " cm"
};

// Everything in which the four graphs differ.
struct GraphSpec {
    Armour armour;
    int scale_numbers;      // range numbers 0 .. scale_numbers - 1 on row 0
    int scale_column0;      // column of range number i: scale_column0 + scale_column_step x i
    int scale_column_step;
    int km_per_step;        // a range step in km (also the range number's step)
    int km_column;
    GridLabel grid_label;
    int grid_value_step;    // gridline n stands for grid_value_step x n cm
    const char* title;
    int title_column;
    bool title_line_end;
    int first_type, last_type;
    void (*name_block)(Kelmat&);
    int (*colour_index)(const Kelmat&, int, Armour);
    int first_end_step, last_end_step;  // the steps at which segments end
    int pixels_per_step;
    float pixels_per_mm;
    bool (*left_out)(const Kelmat&, int k, int step);  // the segment ending at `step`
    int key_column;
    float overlay_scale;
    void (*overlay)(Kelmat&);
    Block next;
};

real range_of(const Kelmat& s, int k) { return L(s.W(W_RANGE, k)); }

bool real_belt_left_out(const Kelmat& s, int k, int st) { return 2 * st > range_of(s, k) || L(s.E(k, st)) < 1; }

// Only the end point is tested for value, and a falling segment is left out: the deck
// values never fall, so a fall marks a belt value that the deck table left in E.
bool real_deck_left_out(const Kelmat& s, int k, int st) {
    return 2 * st > range_of(s, k) || L(s.E(k, st)) < 1 || L(s.E(k, st)) < L(s.E(k, st - 1));
}

bool planned_belt_left_out(const Kelmat& s, int k, int st) { return L(s.E(k, st)) < 1; }

bool planned_deck_left_out(const Kelmat& s, int k, int st) {
    return 4 * st > range_of(s, k) || L(s.E(k, st - 1)) < 1 || L(s.E(k, st)) < L(s.E(k, st - 1));
}

constexpr GraphSpec kRealBeltGraph = {
    Armour::Belt, 22, 7, 3, 2, 74, GridLabel::NumberThenCm, 10, "垂直装甲貫通力 (cm)", 48, false,
    1, 23, BELT_GRAPH_LABEL, real_graph_colour_index, 1, 22, 24, 0.54f, real_belt_left_out,
    40, 2, BELT_ARMOUR_OVERLAY, Block::RealDeckTable};
constexpr GraphSpec kRealDeckGraph = {
    Armour::Deck, 22, 8, 3, 2, 76, GridLabel::NumberThenCm, 5, "水平装甲貫通力 (cm)", 20, false,
    1, 23, DECK_GRAPH_LABEL, real_graph_colour_index, 6, 21, 24, 1.08f, real_deck_left_out,
    40, 2, DECK_ARMOUR_OVERLAY, Block::PenetrationViewerExit};
constexpr GraphSpec kPlannedBeltGraph = {
    Armour::Belt, 17, 9, 4, 4, 77, GridLabel::UsingField, 20, "垂直装甲貫通力 (cm)", 48, true,
    18, 36, SHOW_BELT_CURVE_NAME, planned_graph_colour_index, 1, 17, 32, 0.27f, planned_belt_left_out,
    36, 1, BELT_ARMOUR_OVERLAY, Block::PlannedDeckTable};
constexpr GraphSpec kPlannedDeckGraph = {
    Armour::Deck, 17, 7, 4, 4, 76, GridLabel::NumberThenCm, 10, "水平装甲貫通力 (cm)", 20, true,
    18, 36, SHOW_DECK_CURVE_NAME, planned_graph_colour_index, 2, 17, 32, 0.54f, planned_deck_left_out,
    40, 1, DECK_ARMOUR_OVERLAY, Block::MainMenu};

void draw_range_scale(Kelmat& s, const GraphSpec& g) {
    for (int i = 0; i < g.scale_numbers; ++i) {
        s.LOOP_M = static_cast<float>(i);
        con::locate(Col(g.scale_column0 + g.scale_column_step * i), Row(0));
        con::print_double_item(g.km_per_step * L(s.LOOP_M));
    }
    con::print_at(Col(g.km_column), Row(0), "km");
}

void draw_gridlines(Kelmat& s, const GraphSpec& g) {
    for (int n = 0; n <= 7; ++n) {
        s.LOOP_L = static_cast<float>(n);
        const real y = 399 - 54 * L(s.LOOP_L);
        con::draw_line(70, y, 590, y, 15);
        if (n == 0) continue;
        con::locate(Col(74), Row(22 - 3 * n));
        const real value = g.grid_value_step * L(s.LOOP_L);
        if (g.grid_label == GridLabel::UsingField) {
            con::print_using_start("###@");
            con::print_using_double(value);
            con::print_using_string(" cm");
            con::print_using_end(false);
        } else {
            con::print_double_item(value);
            con::print_string_item("cm");
        }
    }
}

// Gun type k's line: segment by segment, each start point taken from E as stored.
void draw_graph_curve(Kelmat& s, const GraphSpec& g, int k) {
    const int colour = 2 * g.colour_index(s, k, g.armour) + 3;
    const real scale = L(g.pixels_per_mm);
    for (int st = g.first_end_step; st <= g.last_end_step; ++st) {
        s.LOOP_M = static_cast<float>(st);
        if (g.left_out(s, k, st)) continue;
        con::draw_line(70 + g.pixels_per_step * (L(s.LOOP_M) - 1), 399 - scale * L(s.E(k, st - 1)),
                       70 + g.pixels_per_step * L(s.LOOP_M), 399 - scale * L(s.E(k, st)), colour);
    }
}

Block penetration_graph(Kelmat& s, const GraphSpec& g) {
    con::clear_screen(0);
    con::color(6);
    draw_range_scale(s, g);
    draw_gridlines(s, g);
    con::locate(Col(g.title_column), Row(5));
    con::color(4);
    con::print_string_item(g.title);
    if (g.title_line_end) con::print_end();
    for (int k = g.first_type; k <= g.last_type; ++k) {
        s.LOOP_K = static_cast<float>(k);
        g.name_block(s);
        draw_graph_curve(s, g, k);
    }
    hit_any_key(s.ANSWER_KEY, {g.key_column, 23, 5, "Hit Any Key  (装甲値表示は Z Key)"});
    if (s.ANSWER_KEY == "Z" || s.ANSWER_KEY == "z") {
        s.PEN_OVERLAY_SCALE = g.overlay_scale;
        g.overlay(s);
    }
    return g.next;
}

// A graph's name of gun type LOOP_K: G(LOOP_K) at column 0 of `row` in text colour c + 1.
void curve_name(Kelmat& s, int colour_index, real row) {
    con::color(colour_index + 1);
    con::print_at(Col(0), Row(row), s.G(s.LOOP_K));
}

}  // namespace

Block REAL_BELT_GRAPH(Kelmat& s) { return penetration_graph(s, kRealBeltGraph); }

Block REAL_DECK_GRAPH(Kelmat& s) { return penetration_graph(s, kRealDeckGraph); }

Block PLANNED_BELT_GRAPH(Kelmat& s) { return penetration_graph(s, kPlannedBeltGraph); }

Block PLANNED_DECK_GRAPH(Kelmat& s) {
    const Block next = penetration_graph(s, kPlannedDeckGraph);
    con::clear_screen(0);
    con::color(7);
    return next;
}

int planned_graph_colour_index(const Kelmat& s, int k, Armour armour) {
    const int row = armour == Armour::Belt ? 0 : 1;
    return static_cast<int>(con::mod(L(s.D(row, k)) + 1, 7));
}

int real_graph_colour_index(const Kelmat& s, int k, Armour armour) {
    const int row = armour == Armour::Belt ? 0 : 1;
    return static_cast<int>(con::mod(L(s.D(row, k)) + 5, 7));
}

void BELT_GRAPH_LABEL(Kelmat& s) {
    const int k = static_cast<int>(s.LOOP_K);
    curve_name(s, real_graph_colour_index(s, k, Armour::Belt), L(s.D(0, k)) - 13);
}

void DECK_GRAPH_LABEL(Kelmat& s) {
    const int k = static_cast<int>(s.LOOP_K);
    curve_name(s, real_graph_colour_index(s, k, Armour::Deck), L(s.D(1, k)) - 12);
}

void SHOW_BELT_CURVE_NAME(Kelmat& s) {
    const int k = static_cast<int>(s.LOOP_K);
    curve_name(s, planned_graph_colour_index(s, k, Armour::Belt), L(s.D(0, k)) + 1);
}

void SHOW_DECK_CURVE_NAME(Kelmat& s) {
    const int k = static_cast<int>(s.LOOP_K);
    // From type 21 on the deck names stand one row lower, as they always have.
    curve_name(s, planned_graph_colour_index(s, k, Armour::Deck), L(s.D(1, k)) + (k < 21 ? 1 : 2));
}

}  // namespace kelmat
