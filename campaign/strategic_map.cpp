// The strategic map: frame, coastline runs, paint seeds, island boxes and the base labels.
#include "campaign/strategic_map.h"

#include "campaign/ship_and_base_counts.h"
#include "console/console.h"

namespace morva {
namespace {

constexpr int kCoastlinePoints = 84;
constexpr int kPaintSeeds = 8;
constexpr int kIslandBoxes = 6;
// A name and a holder mark per base.
constexpr int kLabelPositions = 2 * kBases;
constexpr int kWhite = 15;
constexpr int kLand = 9;

// Stored y values are in units of 9/4 pixel.
con::real coast_y(float y) { return con::int_floor(con::L(y) * 9 / 4); }

void draw_coastlines(con::RecordSet& data) {
    // A point whose y is 0 lifts the pen: no line is drawn into it or out of it. The very
    // first point is never joined to anything.
    con::real prev_x = 0, prev_y = 0;
    for (int j = 1; j <= kCoastlinePoints; ++j) {
        const con::real x = con::L(data.read_number());
        const con::real y = coast_y(data.read_number());
        if (j > 1 && prev_y > 0 && y > 0) con::draw_line(prev_x, prev_y, x, y, kWhite);
        prev_x = x;
        prev_y = y;
    }
}

void paint_land(con::RecordSet& data) {
    for (int i = 0; i < kPaintSeeds; ++i) {
        const con::real x = con::L(data.read_number());
        const con::real y = coast_y(data.read_number());
        con::paint_fill(x, y, kLand, kWhite);
    }
}

void draw_islands(con::RecordSet& data) {
    // The boxes scale y by 9/8 and double it, so their pixel rows are always even.
    for (int i = 0; i < kIslandBoxes; ++i) {
        const con::real x1 = con::L(data.read_number());
        const con::real y1 = con::int_floor(con::L(data.read_number()) * 9 / 8);
        const con::real x2 = con::L(data.read_number());
        const con::real y2 = con::int_floor(con::L(data.read_number()) * 9 / 8);
        con::draw_line(x1, 2 * y1, x2, 2 * y2, kLand, con::Shape::FilledBox);
    }
}

void draw_labels(con::RecordSet& data, const std::function<float(int)>& holder,
                 const std::function<std::string(int)>& name) {
    // Printed without line ends, so the labels on row 23 never scroll the screen.
    for (int i = 1; i <= kLabelPositions; ++i) {
        const float column = data.read_number();
        const float row = data.read_number();
        con::locate(con::Col(column), con::Row(row));
        if (i <= kBases) {
            con::color(base_name_colour(holder(i)));
            con::print_string_item(name(i));
        } else {
            con::color(holder_mark_colour(holder(i - kBases)));
            con::print_string_item("●");
        }
    }
}

}  // namespace

int base_name_colour(float holder) {
    return static_cast<int>(5 - 2 * con::int_floor((con::L(holder) + 2) / 3));
}

int holder_mark_colour(float holder) {
    if (holder == 0) return 5;
    if (holder == 1) return 2;
    return 3;
}

void draw_strategic_map(con::RecordSet& data, const std::function<float(int)>& holder,
                        const std::function<std::string(int)>& name) {
    con::clear_screen(0);
    con::draw_line(0, 18, 639, 430, kWhite, con::Shape::Box);
    data.restore_data("MapOutline");
    draw_coastlines(data);
    paint_land(data);
    draw_islands(data);
    draw_labels(data, holder, name);
}

}  // namespace morva
