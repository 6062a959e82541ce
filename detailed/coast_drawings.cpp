// MORVA95F: the coasts of the operational map, one drawing per target area in graphics colour 9
// (land), in pixel coordinates of the plane, drawn element by element in their order.
#include "detailed/coast_drawings.h"

#include "console/console.h"

namespace morva95f {
namespace {

constexpr int kLand = 9;

using CoastKind = CoastElement::Kind;

CoastElement box(float x1, float y1, float x2, float y2) { return {CoastKind::FilledBox, {x1, y1, x2, y2}}; }
CoastElement outline(std::vector<float> v) { return {CoastKind::Outline, std::move(v)}; }
CoastElement coast_line(float x1, float y1, float x2, float y2) { return {CoastKind::Line, {x1, y1, x2, y2}}; }
CoastElement fill(float x, float y) { return {CoastKind::Fill, {x, y}}; }
CoastElement coast_arc(float cx, float cy, float r, float a, float b) { return {CoastKind::Arc, {cx, cy, r, a, b}}; }
CoastElement disc(float cx, float cy, float r) { return {CoastKind::Disc, {cx, cy, r}}; }

const CoastDrawing& home_waters() {
    static const CoastDrawing d = {
        box(345, 176, 405, 192), box(385, 162, 405, 176), box(449, 180, 469, 212), box(499, 194, 537, 210),
        box(528, 222, 550, 236), box(562, 200, 592, 212), box(590, 241, 616, 251),
        outline({170, 154, 259, 168, 279, 188, 319, 198, 317, 216, 309, 224, 361, 290, 399, 300, 397, 310,
                 341, 313, 245, 256, 219, 254, 195, 307, 170, 303}),
        fill(250, 200)};
    return d;
}

const CoastDrawing& philippines() {
    static const CoastDrawing d = {
        outline({387, 118, 412, 118, 417, 132, 417, 150, 413, 150, 413, 178, 427, 178, 441, 180, 441, 192,
                 409, 186, 384, 184, 383, 154, 387, 154}),
        fill(400, 130),
        box(450, 182, 458, 189),
        outline({385, 194, 407, 198, 396, 213}), fill(400, 200),
        outline({427, 204, 433, 200, 439, 214, 433, 218}), fill(433, 205),
        outline({451, 201, 465, 201, 467, 234, 455, 234}), fill(460, 210),
        box(442, 228, 451, 252),
        outline({403, 222, 417, 228, 403, 244}), fill(410, 230),
        outline({419, 232, 426, 236, 411, 266, 400, 256}), fill(405, 256),
        outline({431, 240, 435, 256, 419, 260}), fill(430, 250),
        outline({359, 238, 365, 246, 311, 298, 305, 291}), fill(359, 240),
        outline({343, 350, 399, 294, 425, 294, 459, 264, 469, 304, 469, 350}), fill(430, 300)};
    return d;
}

const CoastDrawing& singapore() {
    // The first arc ends about two pixels below the closing line's left end: the short upright
    // line closes the lens there, or its fill would flood the whole plane.
    static const CoastDrawing d = {
        coast_arc(450, 37, 150, 0.291f, 0.495f), coast_arc(260, 170, 150, 0.831f, 0.013f),
        coast_line(300, 40, 335, 40), coast_line(300, 40, 300, 42), fill(330, 70),
        outline({170, 122, 387, 192, 449, 248, 449, 310, 407, 310, 170, 232}), fill(390, 210)};
    return d;
}

const CoastDrawing& aleutians() {
    static const CoastDrawing d = {
        box(383, 164, 409, 178),
        outline({427, 148, 465, 138, 519, 110, 565, 64, 639, 64, 639, 68, 547, 136, 463, 160, 427, 164}),
        fill(530, 120),
        box(341, 168, 365, 180), box(319, 168, 327, 176), box(302, 169, 309, 177), box(279, 170, 287, 178),
        box(256, 171, 264, 179), box(234, 172, 242, 180)};
    return d;
}

const CoastDrawing& java() {
    static const CoastDrawing d = {
        box(339, 160, 499, 194), box(513, 170, 533, 188), box(547, 172, 639, 190),
        outline({170, 42, 265, 42, 327, 98, 327, 160, 285, 160, 170, 108}), fill(300, 100)};
    return d;
}

const CoastDrawing& port_darwin() {
    static const CoastDrawing d = {
        box(379, 124, 411, 144),
        outline({159, 330, 269, 202, 301, 202, 323, 226, 357, 226, 393, 160, 439, 160, 423, 123, 639, 154,
                 639, 330}),
        fill(400, 200)};
    return d;
}

const CoastDrawing& port_moresby() {
    static const CoastDrawing d = {
        outline({170, 34, 349, 45, 369, 65, 409, 75, 407, 93, 399, 101, 451, 167, 489, 177, 487, 187, 429, 191,
                 335, 133, 309, 131, 285, 184, 170, 174}),
        fill(350, 100),
        box(435, 53, 495, 69), box(539, 57, 559, 89),
        outline({223, 330, 269, 212, 279, 212, 289, 278, 309, 280, 309, 296, 344, 330}), fill(270, 300)};
    return d;
}

const CoastDrawing& solomons() {
    static const CoastDrawing d = {box(387, 165, 413, 175), box(246, 104, 266, 136), box(296, 118, 334, 134),
                                   box(325, 146, 347, 160), box(359, 124, 389, 136), box(417, 122, 435, 152),
                                   box(436, 172, 458, 184), box(539, 178, 554, 190)};
    return d;
}

const CoastDrawing& new_hebrides() {
    static const CoastDrawing d = {box(395, 158, 405, 184), box(395, 74, 403, 82), box(405, 202, 415, 224),
                                   box(435, 282, 445, 292)};
    return d;
}

const CoastDrawing& fiji_samoa() {
    static const CoastDrawing d = {box(393, 160, 423, 178), box(425, 133, 455, 146)};
    return d;
}

const CoastDrawing& hawaii() {
    static const CoastDrawing d = {
        disc(399, 165, 8), disc(367, 143, 9), box(429, 171, 452, 177),
        outline({462, 176, 490, 186, 490, 194, 473, 199, 473, 189, 462, 189}), fill(480, 190),
        outline({499, 209, 529, 231, 499, 247}), fill(500, 220)};
    return d;
}

const CoastDrawing& panama() {
    static const CoastDrawing d = {
        outline({170, 36, 244, 36, 244, 94, 317, 168, 359, 166, 399, 144, 447, 164, 639, 66, 639, 330, 384, 330,
                 423, 304, 427, 210, 419, 182, 399, 172, 375, 186, 383, 206, 351, 208, 337, 192, 305, 196,
                 170, 130}),
        fill(500, 200)};
    return d;
}

const CoastDrawing& ceylon() {
    static const CoastDrawing d = {outline({395, 138, 425, 164, 425, 180, 395, 190}), fill(400, 168),
                                   outline({230, 1, 401, 1, 395, 98, 349, 158}), fill(380, 90)};
    return d;
}

const CoastDrawing& california() {
    static const CoastDrawing d = {
        outline({373, 18, 639, 18, 639, 330, 467, 330, 454, 266, 420, 244, 373, 94}), fill(600, 200)};
    return d;
}

const CoastDrawing& open_sea() {
    static const CoastDrawing d = {};
    return d;
}

void draw_outline(const std::vector<float>& v) {
    const std::size_t n = v.size() / 2;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        con::draw_line(v[2 * i], v[2 * i + 1], v[2 * j], v[2 * j + 1], kLand);
    }
}

}  // namespace

const CoastDrawing& coast_of(long base) {
    switch (base) {
        case 7: return philippines();
        case 8: return singapore();
        case 9: return aleutians();
        case 10: return java();
        case 11: return open_sea();
        case 12: return port_darwin();
        case 13: return port_moresby();
        case 14: return open_sea();
        case 15: return solomons();
        case 16: return new_hebrides();
        case 17: return fiji_samoa();
        case 18: return hawaii();
        case 19: return panama();
        case 20: return ceylon();
        case 21: return california();
        default: return home_waters();  // bases 1-6, and any value outside 1-21
    }
}

void filled_disc(con::real cx, con::real cy, con::real r, int colour) {
    con::draw_circle(cx, cy, r, colour);
    con::paint_fill(cx, cy, colour, colour);
}

void draw_coast(const CoastDrawing& drawing) {
    for (const CoastElement& e : drawing) {
        const auto& v = e.values;
        switch (e.kind) {
            case CoastKind::FilledBox: con::draw_line(v[0], v[1], v[2], v[3], kLand, con::Shape::FilledBox); break;
            case CoastKind::Outline: draw_outline(v); break;
            case CoastKind::Line: con::draw_line(v[0], v[1], v[2], v[3], kLand); break;
            case CoastKind::Fill: con::paint_fill(v[0], v[1], kLand, kLand); break;
            case CoastKind::Arc: con::draw_circle(v[0], v[1], v[2], kLand, con::L(v[3]), con::L(v[4])); break;
            case CoastKind::Disc: filled_disc(v[0], v[1], v[2], kLand); break;
        }
    }
}

}  // namespace morva95f
