// kelmat95: the belt and deck penetration coefficients of the 36 gun types (CALC1, CALC2).
// Belt penetration in mm at R km = c - b x R / 10 + a x R x R / 486; deck = R x d1 / 20 - d2.
#include "gunnery/blocks.h"

namespace kelmat {
namespace {

struct Coefficients {
    float a, b, c, d1, d2;
};

// Whole numbers, one row per gun type 1-36.
constexpr Coefficients kCoefficients[37] = {
    {0, 0, 0, 0, 0},
    {877, 362, 239, 50, 0},    {150, 250, 400, 55, 2},    {250, 300, 480, 75, 0},    {150, 250, 520, 70, 0},
    {141, 226, 605, 75, 12},   {128, 219, 346, 67, 0},    {250, 300, 560, 85, 0},    {150, 250, 610, 80, 0},
    {115, 209, 622, 85, 17},   {225, 284, 620, 95, 22},   {80, 201, 714, 105, 27},   {250, 300, 600, 125, 37},
    {225, 284, 645, 115, 32},  {225, 284, 645, 115, 32},  {130, 248, 711, 120, 35},  {255, 312, 688, 155, 52},
    {250, 300, 665, 145, 49},  {7, 156, 747, 145, 47},    {27, 176, 742, 135, 40},   {65, 195, 815, 135, 45},
    {63, 190, 745, 181, 65},   {78, 205, 828, 161, 55},   {90, 221, 864, 190, 70},   {90, 221, 885, 200, 75},
    {90, 221, 935, 210, 80},   {90, 221, 960, 220, 85},   {90, 221, 1035, 230, 90},  {90, 221, 1110, 260, 105},
    {90, 221, 1090, 250, 100}, {90, 221, 1060, 240, 95},  {90, 221, 1140, 270, 110}, {90, 221, 1215, 280, 115},
    {90, 221, 1290, 300, 125}, {90, 221, 1230, 290, 120}, {90, 221, 1400, 320, 135}, {90, 221, 1330, 310, 130},
};

// The row a type number selects. No caller passes anything but 1-36; a type below 1 takes
// type 1's row, one above 36 the belt row of type 23 and the deck row of type 25.
const Coefficients& belt_row(float type) {
    long t = con::round_half_away(con::L(type));
    if (t < 1) return kCoefficients[1];
    if (t > 36) return kCoefficients[23];
    return kCoefficients[t];
}

const Coefficients& deck_row(float type) {
    long t = con::round_half_away(con::L(type));
    if (t < 1) return kCoefficients[1];
    if (t > 36) return kCoefficients[25];
    return kCoefficients[t];
}

}  // namespace

void CALC1(Kelmat& s) {
    const Coefficients& row = belt_row(s.TT(TT_GUN_TYPE));
    s.TT(TT_COEF_A) = row.a;
    s.TT(TT_COEF_B) = row.b;
    s.TT(TT_COEF_C) = row.c;
}

void CALC2(Kelmat& s) {
    const Coefficients& row = deck_row(s.TT(TT_GUN_TYPE));
    s.TT(TT_COEF_A) = row.d1;
    s.TT(TT_COEF_B) = row.d2;
}

}  // namespace kelmat
