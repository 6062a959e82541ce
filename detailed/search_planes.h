// MORVA95F: what the search-plane dispatch and the search flight share: the planes of a source,
// the mark of a relief flight, the shadowers' fuel limits and the line that reports a shadower.
#pragma once

namespace morva95f {

/// The search planes of each source: planes 1-12.
inline constexpr int kSearchPlanes = 12;
/// Added to a plane's range when it flies out to relieve the shadower of a task force.
inline constexpr float kReliefFlight = 1000;
/// A range above this marks a relief flight.
inline constexpr float kReliefMark = 500;

/// The distance flown below which a shadower stays over a task force `pk` map units from the
/// player's fleet (the nearer the task force, the longer): 250 up to 50 units, 200 up to 100,
/// 150 beyond. Short of fuel, it stays 50 units more, then turns home.
float shadow_limit(float pk);

/// What a line about a shadower says.
enum class ShadowNews {
    OnStation,    ///< "…上空を索敵機 p は飛行中"
    ShortOfFuel,  ///< "…上の索敵機 p は燃料不足です"
    Returning,    ///< "…上の索敵機 p は帰還します"
};

/// Prints at the cursor, in the colour in force and without a line end, the line about plane
/// `plane` over the task force that stands on line `line` of the contact report.
void print_shadow_news(int line, float plane, ShadowNews news);

}  // namespace morva95f
