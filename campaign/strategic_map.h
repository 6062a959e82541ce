// The strategic map both games draw: frame, coastlines, land, islands, base names and holder
// marks, from the stored MapOutline records and the holder column of the game's base table.
#pragma once
#include <functional>
#include <string>

#include "console/records.h"
#include "campaign/shared_slots.h"

namespace morva {

/// The text colour of a base's name for its holder: 5 for Japan, 3 for the Allies.
int base_name_colour(float holder);
/// The text colour of a base's holder mark: 5 Japan, 2 United States, 3 Britain.
int holder_mark_colour(float holder);

/// The map drawing itself, over a game's tables given as `holder(b)` (field P_HOLDER of base b) and
/// `name(b)` (the name of base b), b = 1-21.
void draw_strategic_map(con::RecordSet& data, const std::function<float(int)>& holder,
                        const std::function<std::string(int)>& name);

/// DRAW_STRATEGIC_MAP: clears the screen and draws the map from the MapOutline records, the
/// holders P(b, P_HOLDER) and the names TX(b). Leaves the colour of base 21's mark and the read
/// position just past MapOutline.
template <typename BaseTable, typename BaseNames>
void DRAW_STRATEGIC_MAP(con::RecordSet& data, const BaseTable& P, const BaseNames& TX) {
    draw_strategic_map(
        data, [&P](int b) { return P(b, P_HOLDER); }, [&TX](int b) { return std::string(TX(b)); });
}

}  // namespace morva
