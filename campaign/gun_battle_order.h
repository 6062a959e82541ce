// The player's order to the battleship line in a gun sub-turn, which both games' gun battles
// ask in the same words at the foot of the battle screen.
#pragma once

namespace morva {

/// On row 22 (68 columns from column 10 blanked): at column 8 in yellow "速度 ", the closing
/// rate in per cent (rate x 10), " % (", the closing INT(speed x rate / 10), ")"; then at
/// column 28 the line "移動は ?  接近(+) or 離脱(-) or 維持(Return) ". Return holds the rate,
/// "+" raises it by 2 while it is below 10, "-" lowers it by 2 while it is above -10; any other
/// answer is asked again at the same place.
void ask_line_order(float& rate, float speed);

}  // namespace morva
