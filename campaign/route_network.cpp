// The route network's data: the prerequisite bases of each base and the routes' segments.
#include "campaign/route_network.h"

#include <array>
#include <vector>

namespace morva {
namespace {

// Prerequisite bases by query 1-16 (bases 6-21): a base may be attacked once every base it
// lists is Japanese-held. Bases 6-9 have none.
const std::array<std::vector<int>, kBaseQueries + 1> kPrerequisites = {{
    {}, {}, {}, {}, {},  // query 0 (none) and queries 1-4
    {7, 8},              // 10 Java
    {6},                 // 11
    {7},                 // 12
    {6, 12},             // 13
    {9, 11},             // 14
    {11},                // 15
    {13, 15},            // 16
    {16},                // 17
    {14, 17},            // 18
    {18},                // 19
    {10, 12},            // 20
    {19, 20},            // 21
}};

struct Segment {
    int x1, y1, x2, y2;
};
struct Route {
    int far_base;
    std::vector<Segment> segments;
};

// The 27 routes in drawing order; end points in pixels, most at the middle of a holder mark.
const std::array<Route, 28> kRoutes = {{
    {0, {}},
    {3, {{296, 135, 328, 81}}},
    {2, {{296, 135, 240, 189}}},
    {4, {{240, 189, 320, 207}}},
    {9, {{328, 81, 424, 45}}},
    {5, {{320, 207, 312, 279}}},
    {7, {{240, 189, 200, 261}}},
    {8, {{240, 189, 174, 225}, {174, 225, 136, 315}}},
    {6, {{312, 279, 376, 351}}},
    {11, {{376, 351, 416, 297}}},
    {10, {{200, 261, 152, 369}}},
    {10, {{136, 315, 152, 369}}},
    {12, {{200, 261, 264, 387}}},
    {13, {{264, 387, 352, 369}}},
    {13, {{376, 351, 352, 369}}},
    {14, {{424, 45, 440, 189}}},
    {14, {{416, 297, 440, 189}}},
    {15, {{416, 297, 400, 387}}},
    {20, {{152, 369, 64, 297}}},
    {20, {{264, 387, 108, 405}, {108, 405, 64, 297}}},
    {16, {{400, 387, 424, 423}}},
    {16, {{352, 369, 424, 423}}},
    {17, {{424, 423, 472, 369}}},
    {18, {{440, 189, 488, 207}}},
    {18, {{468, 369, 488, 207}}},
    {19, {{488, 207, 634, 279}}},
    {21, {{634, 279, 584, 171}}},
    // Leaves the map at its left edge and comes back at its right edge.
    {21, {{64, 297, 0, 234}, {639, 234, 584, 171}}},
}};

}  // namespace

std::span<const int> prerequisite_bases(long query) {
    if (query < 1 || query > kBaseQueries) return {};
    return kPrerequisites[static_cast<std::size_t>(query)];
}

void draw_route(int route, int colour) {
    for (const Segment& s : kRoutes.at(static_cast<std::size_t>(route)).segments)
        con::draw_line(s.x1, s.y1, s.x2, s.y2, colour);
}

int route_far_base(int route) { return kRoutes.at(static_cast<std::size_t>(route)).far_base; }

}  // namespace morva
